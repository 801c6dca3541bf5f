#pragma once
// Bookkeeping of the worker threads. Every long job runs on a thread started
// here; the count of running workers is the idle flag the wait window, the
// message boxes and the error log read (zero = no worker runs). At shutdown
// the program asks every worker to stop and joins it before the windows go.
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <list>
#include <memory>
#include <mutex>
#include <stop_token>
#include <thread>

namespace kvx {

// Progress counters and flags that a job and its window share. The job writes
// the counters and polls the flags; the window's timer reads the counters.
struct MunkaJelzok {
    std::atomic<bool> Szunet{false};       // pause requested
    std::atomic<std::int64_t> Kezdet{0};   // first item of the job
    std::atomic<std::int64_t> Aktualis{0}; // item being worked on
    std::atomic<std::int64_t> Utolso{0};   // last item of the job
};

class SzalNyilvantartas {
public:
    using Torzs = std::function<void(std::stop_token)>;

    struct Szal;  // one started worker
    using Azonosito = std::shared_ptr<Szal>;

    SzalNyilvantartas() = default;
    SzalNyilvantartas(const SzalNyilvantartas&) = delete;
    SzalNyilvantartas& operator=(const SzalNyilvantartas&) = delete;
    ~SzalNyilvantartas();

    // Number of running workers (the idle flag: zero = idle).
    int FThreadLog() const { return futok_.load(); }
    bool Tetlen() const { return futok_.load() == 0; }
    // True once MindetLeallit began: no new worker starts and waiting
    // workers give up their questions.
    bool Leall() const { return leall_.load(); }
    // True on a worker thread whose registry is shutting down: such a worker
    // gets no more answers from the user.
    static bool SajatLeallitasKerve();

    // Counts the worker as running, then starts it. The body receives a stop
    // token that MindetLeallit triggers; the count drops when the body ends,
    // also on an exception (which the body is expected to handle itself; a
    // stray one is swallowed so the count stays right). Returns null when
    // the registry is shutting down.
    Azonosito Indit(Torzs torzs);

    // Asks one worker to stop (its stop token turns true).
    void LeallitasKerese(const Azonosito& szal);

    // Waits until the given worker has finished and joins it.
    void Bevar(const Azonosito& szal);

    // Asks every worker to stop and joins them all. While a worker still
    // runs, pumpa is called between short waits, so a worker that needs the
    // GUI thread (an end handler, a question) is served instead of deadlocking.
    void MindetLeallit(const std::function<void()>& pumpa = {});

private:
    void takarit();  // joins the finished workers

    std::atomic<int> futok_{0};
    std::atomic<bool> leall_{false};
    std::mutex mutex_;
    std::list<Azonosito> szalak_;
};

// A hold that window tests close to keep a job running at a point of its
// work, so that what they press while it runs meets a run that lasts: a job
// passing one of its hold points waits there while the hold is closed and
// its run flag stays up. The program itself never closes it; a hold point
// then costs one relaxed load. Whoever clears a run flag that a held job may
// be watching calls Ebresztes after the store.
class TesztTartas {
public:
    TesztTartas();   // closes the hold
    ~TesztTartas();  // opens it again
    TesztTartas(const TesztTartas&) = delete;
    TesztTartas& operator=(const TesztTartas&) = delete;

    // Jobs waiting at a hold point now.
    static int Tartott() { return tartott_.load(); }

    // A hold point: passes at once while the hold is open; otherwise waits
    // until it opens or fut turns false.
    static void Pont(const std::atomic<bool>& fut)
    {
        if (zarva_.load(std::memory_order_relaxed)) [[unlikely]]
            varakozas(fut);
    }
    // After a run flag was cleared: held jobs look at their flags again.
    static void Ebresztes()
    {
        if (tartott_.load() != 0) [[unlikely]]
            ebresztes();
    }

private:
    static void varakozas(const std::atomic<bool>& fut);
    static void ebresztes();

    static inline std::atomic<bool> zarva_{false};
    static inline std::atomic<int> tartott_{0};
};

}  // namespace kvx
