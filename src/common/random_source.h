#pragma once
// Random bytes from the processor's random-number instruction where it is
// present and works, otherwise from the library generator, and random
// numbers within a range drawn from them.
//
// One RandomState serves the GUI thread and the workers: every access to
// the state goes through its mutex. The pauses of GetRandom are taken
// outside the lock, so one thread's pause does not stall the others.
#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <random>

namespace kvx {

// Executes the hardware random instruction once: true and the value when the
// processor reports success. Call only where the processor has it
// (HardverVeletlenTamogatott); elsewhere it returns false.
bool HardverVeletlen(std::uint32_t& value);
// Whether the processor has the instruction (CPUID).
bool HardverVeletlenTamogatott();

// The hardware source as the random unit uses it. Tests replace it; a
// `veletlen` that throws stands for an exception while the instruction runs.
struct HardverForras {
    std::function<bool()> tamogatott = HardverVeletlenTamogatott;
    std::function<bool(std::uint32_t&)> veletlen = HardverVeletlen;
};

struct RandomState {
    // 0 not yet probed, 1 the instruction works, 2 not supported, 3 failed
    // ten times in a row, 4 an exception while it was used. Once it leaves
    // 1 it never comes back.
    std::int32_t VeletlenForras = 0;
    // Four random bytes and the value of VeletlenForras they came with.
    std::array<std::uint8_t, 5> VeletlenPuffer{};
    // GetRandom's round counter that paces the pauses.
    std::int32_t VeletlenHivasok = 0;
    // Tests set this to keep the pacing (the counter still runs) without
    // waiting.
    std::atomic<bool> SzunetNelkul{false};

    HardverForras hardver;
    std::mt19937 generator;
    std::mutex mutex;

    explicit RandomState(std::uint32_t seed, HardverForras hw = {}) : hardver(std::move(hw)), generator(seed) {}
    RandomState(const RandomState&) = delete;
    RandomState& operator=(const RandomState&) = delete;
};

// The program's one instance: seeded from the clock and probed on first use.
RandomState& randomSource();

// Probes the hardware: VeletlenForras := 1 and one use of the instruction
// (its value is not used); VeletlenForras := 2 when the processor lacks the
// instruction or its use throws.
void VeletlenForrasVizsgalat(RandomState& s);

// Fills buf: four random bytes, and in buf[4] the source state. With
// libraryOnly, or when the hardware is not in state 1, the bytes come from
// the library generator. Ten failures in a row set the state to 3, an
// exception to 4; the library then supplies the bytes.
void GetRandomBytes(RandomState& s, std::array<std::uint8_t, 5>& buf, bool libraryOnly);

// A library value in 0 .. n - 1 (0 when n <= 0).
std::int32_t LibraryRandom(RandomState& s, std::int32_t n);

// A random value v with min <= v <= max. With min <= 0 it returns 0 at once.
// A range outside 1 <= min <= max <= 255 cannot be drawn from bytes and is
// refused: the result is 0 (never a valid value of an accepted range).
// Every 500..2999 rounds it pauses 10..59 ms (unless SzunetNelkul).
std::int32_t GetRandom(RandomState& s, std::int32_t min, std::int32_t max);

}  // namespace kvx
