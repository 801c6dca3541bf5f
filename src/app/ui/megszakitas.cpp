#include "app/ui/megszakitas.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QThread>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "app/ui/kavarex_application.h"

namespace kvx {

namespace {

// Raises a flag once its window is shown.
class LathatoFigyelo : public QObject {
public:
    LathatoFigyelo(QWidget* w, std::shared_ptr<std::atomic<bool>> jelzo)
        : QObject(w), jelzo_(std::move(jelzo))
    {
        w->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::Show) {
            jelzo_->store(true);
            o->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }

private:
    std::shared_ptr<std::atomic<bool>> jelzo_;
};

// Calls from a worker to the GUI thread. Qt hands a queued call over under
// locks inside Qt, which the system builds without race checking, so a race
// checker sees no order between the worker's data and the GUI thread's
// reads of it. The order is therefore stated where it can see it as well:
// the worker fills its call, then increments g_atadasok (release); the
// receiver loads the counter (acquire) before it reads anything of the call;
// a waiting worker gets its answer under the call's mutex. The call goes by
// the method's name and carries one pointer, which Qt copies into an event
// of its own: a functor's call object, a blocking call's arguments or an
// event of ours would be written by our code after the increment, or read
// (by the event filters, by the generated code) before the receiver reaches
// the counter. Only read-modify-writes change the counter, so an acquire
// load of it synchronizes with every increment before.
std::atomic<std::uint64_t> g_atadasok{0};

// A call a worker waits for, on the worker's stack.
struct VarakozoHivas {
    explicit VarakozoHivas(const std::function<void()>& f) : fn(&f) {}
    const std::function<void()>* fn;
    std::mutex m;
    std::condition_variable cv;
    bool kesz = false;    // the call ended
    bool futott = false;  // ... and ran to its end
};

// A call nobody waits for.
struct KuldottHivas {
    std::function<void()> fn;
    QPointer<QObject> cel;  // the call is dropped once it is gone
    bool celVan;
};

}  // namespace

// Receives the calls on the GUI thread.
class GuiHivasFogado : public QObject {
    Q_OBJECT
public:
    Q_INVOKABLE void Hivas(void* h)
    {
        (void)g_atadasok.load(std::memory_order_acquire);
        struct Vege {
            VarakozoHivas* h;
            bool futott = false;
            ~Vege()
            {
                std::lock_guard l(h->m);
                h->futott = futott;
                h->kesz = true;
                h->cv.notify_all();
            }
        } vege{static_cast<VarakozoHivas*>(h)};
        (*vege.h->fn)();
        vege.futott = true;
    }
    Q_INVOKABLE void Kuldes(void* h)
    {
        (void)g_atadasok.load(std::memory_order_acquire);
        std::unique_ptr<KuldottHivas> hivas;
        {
            std::lock_guard l(m_);
            const auto it = std::find_if(fuggo_.begin(), fuggo_.end(), [h](const auto& p) { return p.get() == h; });
            if (it == fuggo_.end())
                return;
            hivas = std::move(*it);
            fuggo_.erase(it);
        }
        if (!hivas->celVan || hivas->cel)
            hivas->fn();
    }
    // Keeps a call until it runs; what is still waiting when the receiver
    // goes (with the application) goes with it.
    KuldottHivas* Fuggo(std::unique_ptr<KuldottHivas> h)
    {
        std::lock_guard l(m_);
        fuggo_.push_back(std::move(h));
        return fuggo_.back().get();
    }

private:
    std::mutex m_;
    std::vector<std::unique_ptr<KuldottHivas>> fuggo_;
};

namespace {

// The receiver, made on the GUI thread as the application starts, before
// any worker exists; it goes with the application.
QPointer<GuiHivasFogado> g_fogado;

void fogadoKeszites()
{
    g_fogado = new GuiHivasFogado;
    g_fogado->setParent(QCoreApplication::instance());
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(fogadoKeszites)

namespace {

// The end handlers still run while the program closes: it serves them
// while it waits for its workers.
void guiSzalon(const std::function<void()>& fn) { GuiSzalonFuttatas(fn, true); }

}  // namespace

SzalNyilvantartas::Azonosito Megszakitas::Indit(MegszakitasLeiras l, SzalNyilvantartas& ny)
{
    auto lathato = std::make_shared<std::atomic<bool>>(l.Form == nullptr);
    if (l.Form) {
        if (l.Form->isVisible())
            lathato->store(true);
        else
            new LathatoFigyelo(l.Form, lathato);
    }
    QPointer<QWidget> form(l.Form);
    QPointer<QTimer> idozito(l.Idozito);
    const QString formOsztaly =
        l.Form ? QString::fromLatin1(l.Form->metaObject()->className()) : QString();

    return ny.Indit([lathato, form, idozito, formOsztaly, munka = std::move(l.Munka),
                     vege = std::move(l.VegeKezelo)](std::stop_token st) {
        while (!lathato->load() && !st.stop_requested())
            std::this_thread::sleep_for(std::chrono::milliseconds(1));

        guiSzalon([idozito] {
            if (idozito) idozito->start();
        });
        std::exception_ptr hiba;
        try {
            if (munka) munka(st);
        } catch (...) {
            hiba = std::current_exception();
        }
        guiSzalon([idozito, vege, ok = !hiba] {
            if (idozito) idozito->stop();
            if (vege) vege(ok);
        });
        // Queued: the worker ends without waiting for the question.
        if (hiba)
            GuiSzalonKuldes(nullptr, [formOsztaly, hiba] {
                KVXException(formOsztaly, QStringLiteral("Megszakitas"), hiba);
            });
    });
}

bool GuiSzalonFuttatas(const std::function<void()>& fn, bool leallaskorIs)
{
    QCoreApplication* app = QCoreApplication::instance();
    if (!app || QThread::currentThread() == app->thread()) {
        fn();
        return true;
    }
    if (!leallaskorIs && SzalNyilvantartas::SajatLeallitasKerve())
        return false;
    QObject* fogado = g_fogado.data();
    if (!fogado)
        return false;
    VarakozoHivas hivas(fn);
    void* arg = &hivas;
    g_atadasok.fetch_add(1, std::memory_order_release);
    if (!QMetaObject::invokeMethod(fogado, "Hivas", Qt::QueuedConnection, Q_ARG(void*, arg)))
        return false;
    std::unique_lock l(hivas.m);
    while (!hivas.kesz) {
        // The receiver goes with the application, and its calls with it.
        if (hivas.cv.wait_for(l, std::chrono::milliseconds(50)) == std::cv_status::timeout && g_fogado.isNull())
            return false;
    }
    return hivas.futott;
}

void GuiSzalonKuldes(QObject* cel, std::function<void()> fn)
{
    QCoreApplication* app = QCoreApplication::instance();
    if (!app)
        return;
    GuiHivasFogado* fogado = g_fogado.data();
    if (!fogado)
        return;
    void* arg = fogado->Fuggo(std::make_unique<KuldottHivas>(KuldottHivas{std::move(fn), cel, cel != nullptr}));
    g_atadasok.fetch_add(1, std::memory_order_release);
    QMetaObject::invokeMethod(fogado, "Kuldes", Qt::QueuedConnection, Q_ARG(void*, arg));
}

void MunkaszalakLeallitasa(SzalNyilvantartas& ny)
{
    ny.MindetLeallit([] { QCoreApplication::processEvents(QEventLoop::AllEvents, 5); });
}

}  // namespace kvx

#include "megszakitas.moc"
