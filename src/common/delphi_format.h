#pragma once
// Formatting of numbers as the program's texts show them.
//
// The format strings are those of the original texts ("%4.0u", "%6.4f",
// "%.0n"), with these rules that differ from C's printf:
//  - for d, u and x the precision is the minimum count of digits, and a
//    zero value always prints "0" ("%2.0d" of 0 is " 0", not blanks);
//  - "n" is a fixed-point number with thousands separators;
//  - the decimal and thousands separators come from formatSettings();
//  - texts are UTF-8: the width and the precision of "s" count characters,
//    not bytes, so columns with Hungarian letters line up.
// Supported: %[-][width][.precision](d|u|x|X|s|f|n|e|g|%), and '*' for width
// or precision taken from the arguments.
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>

namespace kvx {

struct FormatSettings {
    char decimalSeparator = ',';
    std::string thousandSeparator = " ";
};

// The program's separators (Hungarian by default).
FormatSettings& formatSettings();

class FmtArg {
public:
    FmtArg(int v) : v_(static_cast<std::int64_t>(v)) {}
    FmtArg(long v) : v_(static_cast<std::int64_t>(v)) {}
    FmtArg(long long v) : v_(static_cast<std::int64_t>(v)) {}
    FmtArg(unsigned v) : v_(static_cast<std::uint64_t>(v)) {}
    FmtArg(unsigned long v) : v_(static_cast<std::uint64_t>(v)) {}
    FmtArg(unsigned long long v) : v_(static_cast<std::uint64_t>(v)) {}
    FmtArg(double v) : v_(v) {}
    FmtArg(float v) : v_(static_cast<double>(v)) {}
    FmtArg(const char* v) : v_(std::string(v)) {}
    FmtArg(std::string v) : v_(std::move(v)) {}
    FmtArg(std::string_view v) : v_(std::string(v)) {}

    const std::variant<std::int64_t, std::uint64_t, double, std::string>& value() const { return v_; }

private:
    std::variant<std::int64_t, std::uint64_t, double, std::string> v_;
};

// Formats the arguments by the format string. A directive without an
// argument, or of a kind that does not fit its argument, prints what it can
// (a number where a text is asked, and so on) rather than throwing.
std::string Format(std::string_view fmt, std::initializer_list<FmtArg> args);

// A whole number with thousands separators ("1 234 567").
std::string FormatThousands(std::int64_t v);

// A real number with `decimals` decimals and thousands separators.
std::string FormatFloatThousands(double v, int decimals);

}  // namespace kvx
