#include "app/ui/megszakitas.h"

#include <QCoreApplication>
#include <QEvent>
#include <QThread>
#include <atomic>
#include <chrono>
#include <memory>
#include <thread>

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
        if (hiba) {
            // Queued: the worker ends without waiting for the question.
            if (QCoreApplication* app = QCoreApplication::instance())
                QMetaObject::invokeMethod(
                    app,
                    [formOsztaly, hiba] {
                        KVXException(formOsztaly, QStringLiteral("Megszakitas"), hiba);
                    },
                    Qt::QueuedConnection);
        }
    });
}

void GuiSzalonFuttatas(const std::function<void()>& fn, bool leallaskorIs)
{
    QCoreApplication* app = QCoreApplication::instance();
    if (!app || QThread::currentThread() == app->thread()) {
        fn();
        return;
    }
    if (!leallaskorIs && SzalNyilvantartas::SajatLeallitasKerve())
        return;
    QMetaObject::invokeMethod(app, fn, Qt::BlockingQueuedConnection);
}

void MunkaszalakLeallitasa(SzalNyilvantartas& ny)
{
    ny.MindetLeallit([] { QCoreApplication::processEvents(QEventLoop::AllEvents, 5); });
}

}  // namespace kvx
