#include "app/ui/gui_sor.h"

#include <QCoreApplication>
#include <QObject>
#include <QThread>

#include <condition_variable>
#include <deque>
#include <exception>
#include <mutex>

#include "app/workers.h"

namespace kvx {

namespace {

struct Keres {
    const std::function<void()>* fn = nullptr;
    bool kesz = false;    // the GUI thread is done with it (ran it or dropped it)
    bool futott = false;
    std::exception_ptr hiba;
};

class Fogado;

// All of the queue's state, guarded by g_m.
std::mutex g_m;
std::condition_variable g_cv;
std::deque<Keres*> g_sor;
Fogado* g_fogado = nullptr;

// Lives on the GUI thread as a child of the application.
class Fogado : public QObject {
    Q_OBJECT
public:
    explicit Fogado(QObject* szulo) : QObject(szulo) {}
    ~Fogado() override
    {
        // Calls still waiting will not run: their workers go on.
        std::lock_guard l(g_m);
        if (g_fogado == this)
            g_fogado = nullptr;
        for (Keres* k : g_sor)
            k->kesz = true;
        g_sor.clear();
        g_cv.notify_all();
    }

    // Runs every call in the queue. A call that opens a dialog serves the
    // queue again from the dialog's own event loop.
    Q_INVOKABLE void kiszolgal()
    {
        for (;;) {
            Keres* k = nullptr;
            {
                std::lock_guard l(g_m);
                if (g_sor.empty())
                    return;
                k = g_sor.front();
                g_sor.pop_front();
            }
            std::exception_ptr hiba;
            try {
                (*k->fn)();
            } catch (...) {
                hiba = std::current_exception();
            }
            {
                // Once done is set the worker may go on and free k: it is
                // not touched after the lock is let go.
                std::lock_guard l(g_m);
                k->hiba = hiba;
                k->futott = true;
                k->kesz = true;
            }
            g_cv.notify_all();
        }
    }
};

}  // namespace

void GuiSorElokeszites()
{
    QCoreApplication* app = QCoreApplication::instance();
    if (!app || QThread::currentThread() != app->thread())
        return;
    std::lock_guard l(g_m);
    if (!g_fogado)
        g_fogado = new Fogado(app);
}

bool GuiSorHivas(const std::function<void()>& fn, bool leallaskorIs)
{
    QCoreApplication* app = QCoreApplication::instance();
    if (!app || QThread::currentThread() == app->thread()) {
        fn();
        return true;
    }
    if (!leallaskorIs && SzalNyilvantartas::SajatLeallitasKerve())
        return false;
    Keres k;
    k.fn = &fn;
    std::unique_lock l(g_m);
    if (!g_fogado)
        return false;
    g_sor.push_back(&k);
    // Still under the lock, so the receiver cannot go meanwhile; posting
    // does not wait for the GUI thread.
    QMetaObject::invokeMethod(g_fogado, "kiszolgal", Qt::QueuedConnection);
    g_cv.wait(l, [&] { return k.kesz; });
    l.unlock();
    if (k.hiba)
        std::rethrow_exception(k.hiba);
    return k.futott;
}

}  // namespace kvx

#include "gui_sor.moc"
