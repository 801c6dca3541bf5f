#include "app/workers.h"

#include <chrono>

namespace kvx {

struct SzalNyilvantartas::Szal {
    std::jthread szal;
    std::mutex mutex;
    std::condition_variable kesz_cv;
    bool kesz = false;
};

namespace {
// The registry of the worker running on this thread.
thread_local const SzalNyilvantartas* t_nyilvantartas = nullptr;
}  // namespace

bool SzalNyilvantartas::SajatLeallitasKerve()
{
    return t_nyilvantartas != nullptr && t_nyilvantartas->Leall();
}

SzalNyilvantartas::~SzalNyilvantartas() { MindetLeallit(); }

SzalNyilvantartas::Azonosito SzalNyilvantartas::Indit(Torzs torzs)
{
    if (leall_.load()) return nullptr;
    takarit();
    auto szal = std::make_shared<Szal>();
    futok_.fetch_add(1);
    Szal* nyers = szal.get();
    {
        std::lock_guard lock(mutex_);
        szalak_.push_back(szal);
        // The entry is in the list before the thread exists, so a concurrent
        // MindetLeallit always sees it.
        szal->szal = std::jthread([this, nyers, torzs = std::move(torzs)](std::stop_token st) {
            t_nyilvantartas = this;
            try {
                torzs(st);
            } catch (...) {
            }
            futok_.fetch_sub(1);
            {
                std::lock_guard l(nyers->mutex);
                nyers->kesz = true;
            }
            nyers->kesz_cv.notify_all();
        });
    }
    return szal;
}

void SzalNyilvantartas::LeallitasKerese(const Azonosito& szal)
{
    if (szal) szal->szal.request_stop();
}

void SzalNyilvantartas::Bevar(const Azonosito& szal)
{
    if (!szal) return;
    {
        std::unique_lock l(szal->mutex);
        szal->kesz_cv.wait(l, [&] { return szal->kesz; });
    }
    std::lock_guard lock(mutex_);
    if (szal->szal.joinable() && szal->szal.get_id() != std::this_thread::get_id())
        szal->szal.join();
}

void SzalNyilvantartas::takarit()
{
    std::lock_guard lock(mutex_);
    for (auto it = szalak_.begin(); it != szalak_.end();) {
        bool kesz;
        {
            std::lock_guard l((*it)->mutex);
            kesz = (*it)->kesz;
        }
        if (kesz) {
            if ((*it)->szal.joinable()) (*it)->szal.join();
            it = szalak_.erase(it);
        } else {
            ++it;
        }
    }
}

void SzalNyilvantartas::MindetLeallit(const std::function<void()>& pumpa)
{
    leall_.store(true);
    std::list<Azonosito> mind;
    {
        std::lock_guard lock(mutex_);
        for (auto& sz : szalak_) sz->szal.request_stop();
        mind.swap(szalak_);
    }
    for (auto& sz : mind) {
        std::unique_lock l(sz->mutex);
        while (!sz->kesz) {
            if (pumpa) {
                l.unlock();
                pumpa();
                l.lock();
                sz->kesz_cv.wait_for(l, std::chrono::milliseconds(5), [&] { return sz->kesz; });
            } else {
                sz->kesz_cv.wait(l, [&] { return sz->kesz; });
            }
        }
        l.unlock();
        std::lock_guard lock(mutex_);
        if (sz->szal.joinable()) sz->szal.join();
    }
    leall_.store(false);
}

namespace {
// The held jobs wait here; the flags they watch are read under the mutex.
std::mutex g_tartasMutex;
std::condition_variable g_tartasCv;
}  // namespace

TesztTartas::TesztTartas() { zarva_.store(true); }

TesztTartas::~TesztTartas()
{
    {
        std::lock_guard l(g_tartasMutex);
        zarva_.store(false);
    }
    g_tartasCv.notify_all();
}

void TesztTartas::varakozas(const std::atomic<bool>& fut)
{
    std::unique_lock l(g_tartasMutex);
    // Counted before the flag is read: a flag cleared after this read is
    // followed by an Ebresztes that sees the count and takes the mutex.
    tartott_.fetch_add(1);
    g_tartasCv.wait(l, [&fut] { return !zarva_.load() || !fut.load(); });
    tartott_.fetch_sub(1);
}

void TesztTartas::ebresztes()
{
    { std::lock_guard l(g_tartasMutex); }
    g_tartasCv.notify_all();
}

}  // namespace kvx
