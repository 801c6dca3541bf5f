#include "common/line_info.h"

#include "common/delphi_format.h"
#include "common/numbering.h"

#include <array>
#include <cmath>

namespace kvx {

namespace {

// Primes of 0..95, one bit each; larger values count as not prime.
constexpr std::array<std::uint8_t, 12> kPrimeBits = [] {
    std::array<std::uint8_t, 12> bits{};
    for (int n = 2; n < 96; ++n) {
        bool prime = true;
        for (int d = 2; d * d <= n; ++d)
            if (n % d == 0)
                prime = false;
        if (prime)
            bits[static_cast<std::size_t>(n >> 3)] |= static_cast<std::uint8_t>(1u << (n & 7));
    }
    return bits;
}();

bool isPrime(int n)
{
    return n >= 0 && n < 96 && (kPrimeBits[static_cast<std::size_t>(n >> 3)] >> (n & 7)) & 1u;
}

int units(int x) { return x % 10; }
int tens(int x) { return (x / 10) % 10; }

// Numbers that have a later number with the same digit (each counted once),
// and the label: more than one digit repeats, only the first one, none.
template <typename Digit>
std::string repeatLine(const std::array<int, 256>& nums, int count, Digit digit, const char* kind)
{
    int total = 0;
    int first = -1;
    bool other = false;
    for (int i = 0; i < count; ++i) {
        for (int j = i + 1; j < count; ++j) {
            if (digit(nums[static_cast<std::size_t>(i)]) == digit(nums[static_cast<std::size_t>(j)])) {
                ++total;
                const int dv = digit(nums[static_cast<std::size_t>(i)]);
                if (first < 0)
                    first = dv;
                else if (dv != first)
                    other = true;
                break;
            }
        }
    }
    const char* label = other ? "  - több " : first >= 0 ? "  -  egy " : "  -      ";
    return std::string("\r\n") + label + kind + Format("%2.0u", {total});
}

}  // namespace

std::string SegedszelvenyInfo(std::span<std::uint8_t> line, std::int32_t mode)
{
    TombRendezes(line, 0, static_cast<std::int32_t>(line.size()));

    // The numbers of the line in sorted order, empty positions left out.
    std::array<int, 256> nums{};
    int n = 0;
    for (const std::uint8_t v : line)
        if (v != 0 && n < 256)
            nums[static_cast<std::size_t>(n++)] = v;

    long long sum = 0;
    for (int i = 0; i < n; ++i)
        sum += nums[static_cast<std::size_t>(i)];
    double sd = 0.0;
    if (n >= 2) {
        const double mean = static_cast<double>(sum) / n;
        double sq = 0.0;
        for (int i = 0; i < n; ++i) {
            const double dv = nums[static_cast<std::size_t>(i)] - mean;
            sq += dv * dv;
        }
        sd = std::sqrt(sq / (n - 1));
    }

    std::string text = "\r\n Összeg:" + Format("%4.0u", {sum});
    text += "\r\n Szórás: " + Format("%6.4f", {sd});
    if (mode == 4)
        return text;
    if (mode == 5)
        text.clear();
    else
        text += "\r\n";

    const int range = n >= 2 ? nums[static_cast<std::size_t>(n - 1)] - nums[0] : 0;
    text += " Terjedelem      :" + Format("%3.0u", {range});

    int twins = 0, mirrors = 0, primes = 0;
    for (int i = 0; i < n; ++i) {
        const int x = nums[static_cast<std::size_t>(i)];
        if (x >= 10 && tens(x) == units(x))
            ++twins;
        if (isPrime(x))
            ++primes;
        if (x >= 10) {
            for (int j = i + 1; j < n; ++j) {
                const int y = nums[static_cast<std::size_t>(j)];
                if (y >= 10 && tens(x) == units(y) && units(x) == tens(y)) {
                    ++mirrors;
                    break;
                }
            }
        }
    }
    text += "\r\n Ikerszám        : " + Format("%2.0u", {twins});
    text += "\r\n Tükör számpár   : " + Format("%2.0u", {mirrors});
    text += "\r\n Prímszám        : " + Format("%2.0u", {primes});

    // Runs of consecutive numbers: their count and the numbers in them.
    int runs = 0, inRuns = 0;
    for (int i = 0; i + 1 < n;) {
        int j = i;
        while (j + 1 < n && nums[static_cast<std::size_t>(j + 1)] == nums[static_cast<std::size_t>(j)] + 1)
            ++j;
        if (j > i) {
            ++runs;
            inRuns += j - i + 1;
        }
        i = j + 1;
    }
    text += "\r\n Szomszédos szám";
    if (inRuns == 0) {
        // One line and an empty one, as many lines as with a run.
        text += " :  0";
        if (mode != 1)
            text += "\r\n";
    } else {
        text += std::string("\r\n") + (runs < 2 ? "  -  egy" : "  - több") + " esetben : " + Format("%2.0u", {inRuns});
    }
    if (mode == 1)
        return text;
    if (mode == 2)
        text.clear();
    else
        text += "\r\n";

    int evenEnd = 0, evenGroup = 0, evenDigit = 0;
    for (int i = 0; i < n; ++i) {
        const int x = nums[static_cast<std::size_t>(i)];
        if (units(x) % 2 == 0) {
            ++evenEnd;
            ++evenDigit;
        }
        if (tens(x) % 2 == 0)
            ++evenGroup;
        if (x >= 10 && tens(x) % 2 == 0)
            ++evenDigit;
    }
    text += " Páros";
    text += "\r\n  - számvégződés : " + Format("%2.0u", {evenEnd});
    text += "\r\n  - számcsoport  : " + Format("%2.0u", {evenGroup});
    text += "\r\n  - számjegy     : " + Format("%2.0u", {evenDigit});

    text += "\r\n Ismétlődés";
    text += repeatLine(nums, n, units, "számvégz: ");
    text += repeatLine(nums, n, tens, "számcsop: ");

    std::array<int, 10> digitCount{};
    for (int i = 0; i < n; ++i) {
        const int x = nums[static_cast<std::size_t>(i)];
        if (x >= 10)
            ++digitCount[static_cast<std::size_t>(tens(x))];
        ++digitCount[static_cast<std::size_t>(units(x))];
    }
    int repeats = 0, repeating = 0;
    for (const int c : digitCount) {
        if (c > 1) {
            repeats += c - 1;
            ++repeating;
        }
    }
    const char* label = repeating > 1 ? "  - több " : repeating == 1 ? "  -  egy " : "  -      ";
    text += std::string("\r\n") + label + "számjegy: " + Format("%2.0u", {repeats});
    return text;
}

}  // namespace kvx
