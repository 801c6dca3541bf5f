#include "common/random_source.h"

#include <chrono>
#include <thread>

#if defined(__x86_64__) || defined(__i386__)
#include <cpuid.h>
#include <immintrin.h>
#define KVX_HAS_RDRAND_INTRINSIC 1
#endif

namespace kvx {

#ifdef KVX_HAS_RDRAND_INTRINSIC
// Only this function uses the instruction, so only it is built for it.
__attribute__((target("rdrnd"))) bool HardverVeletlen(std::uint32_t& value)
{
    unsigned int v = 0;
    if (_rdrand32_step(&v) == 1) {
        value = v;
        return true;
    }
    return false;
}

bool HardverVeletlenTamogatott()
{
    unsigned int eax = 0, ebx = 0, ecx = 0, edx = 0;
    if (!__get_cpuid(1, &eax, &ebx, &ecx, &edx))
        return false;
    return (ecx & bit_RDRND) != 0;
}
#else
bool HardverVeletlen(std::uint32_t&) { return false; }
bool HardverVeletlenTamogatott() { return false; }
#endif

namespace {

struct ProgramRandomState : RandomState {
    ProgramRandomState()
        : RandomState(static_cast<std::uint32_t>(std::chrono::system_clock::now().time_since_epoch().count()))
    {
        VeletlenForrasVizsgalat(*this);
    }
};

// Library value in 0 .. n - 1; the caller holds the lock.
std::int32_t libValue(RandomState& s, std::int32_t n)
{
    return std::uniform_int_distribution<std::int32_t>(0, n - 1)(s.generator);
}

void randomBytesLocked(RandomState& s, std::array<std::uint8_t, 5>& buf, bool libraryOnly)
{
    for (;;) {
        buf[4] = static_cast<std::uint8_t>(s.VeletlenForras);
        if (s.VeletlenForras != 1 || libraryOnly) {
            for (int i = 0; i < 4; ++i)
                buf[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(libValue(s, 256));
            return;
        }
        try {
            for (int attempt = 0; attempt < 10; ++attempt) {
                std::uint32_t v = 0;
                if (s.hardver.veletlen(v)) {
                    for (int i = 0; i < 4; ++i)
                        buf[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
                    return;
                }
            }
            s.VeletlenForras = 3;
        } catch (...) {
            s.VeletlenForras = 4;
            buf[4] = 4;
        }
    }
}

}  // namespace

RandomState& randomSource()
{
    static ProgramRandomState state;
    return state;
}

void VeletlenForrasVizsgalat(RandomState& s)
{
    std::lock_guard lock(s.mutex);
    try {
        if (!s.hardver.tamogatott()) {
            s.VeletlenForras = 2;
            return;
        }
        s.VeletlenForras = 1;
        std::uint32_t v = 0;
        (void)s.hardver.veletlen(v);
    } catch (...) {
        s.VeletlenForras = 2;
    }
}

void GetRandomBytes(RandomState& s, std::array<std::uint8_t, 5>& buf, bool libraryOnly)
{
    std::lock_guard lock(s.mutex);
    randomBytesLocked(s, buf, libraryOnly);
}

std::int32_t LibraryRandom(RandomState& s, std::int32_t n)
{
    if (n <= 0)
        return 0;
    std::lock_guard lock(s.mutex);
    return libValue(s, n);
}

std::int32_t GetRandom(RandomState& s, std::int32_t min, std::int32_t max)
{
    if (min <= 0)
        return 0;
    if (min > max || max > 255)
        return 0;

    // A random order of the four buffer positions.
    std::array<int, 4> order{};
    {
        std::lock_guard lock(s.mutex);
        order[0] = libValue(s, 4);
        do
            order[1] = libValue(s, 4);
        while (order[1] == order[0]);
        do
            order[2] = libValue(s, 4);
        while (order[2] == order[0] || order[2] == order[1]);
        order[3] = 6 - order[0] - order[1] - order[2];
    }

    for (;;) {
        int pauseMs = 0;
        std::array<std::uint8_t, 5> buf{};
        {
            std::lock_guard lock(s.mutex);
            ++s.VeletlenHivasok;
            if (s.VeletlenHivasok > 500 + libValue(s, 2500)) {
                s.VeletlenHivasok = 0;
                pauseMs = 10 + libValue(s, 50);
            }
        }
        if (pauseMs > 0 && !s.SzunetNelkul)
            std::this_thread::sleep_until(std::chrono::steady_clock::now() + std::chrono::milliseconds(pauseMs));
        {
            std::lock_guard lock(s.mutex);
            randomBytesLocked(s, s.VeletlenPuffer, false);
            const int n = libValue(s, 4);
            for (int i = 0; i <= n; ++i)
                s.VeletlenPuffer[static_cast<std::size_t>(order[static_cast<std::size_t>(i)])] ^=
                    static_cast<std::uint8_t>(libValue(s, 256));
            buf = s.VeletlenPuffer;
        }
        for (const int pos : order) {
            const int b = buf[static_cast<std::size_t>(pos)];
            if (b >= min && b <= max)
                return b;
        }
    }
}

}  // namespace kvx
