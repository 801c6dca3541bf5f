#include "common/delphi_format.h"

#include <cmath>
#include <cstdio>
#include <vector>

namespace kvx {

FormatSettings& formatSettings()
{
    static FormatSettings settings;
    return settings;
}

namespace {

std::string groupDigits(const std::string& digits)
{
    const std::string& sep = formatSettings().thousandSeparator;
    std::string out;
    const std::size_t n = digits.size();
    for (std::size_t i = 0; i < n; ++i) {
        out.push_back(digits[i]);
        const std::size_t left = n - 1 - i;
        if (left > 0 && left % 3 == 0)
            out += sep;
    }
    return out;
}

// Fixed-point text of v with `prec` decimals, optionally grouped.
std::string fixed(double v, int prec, bool grouped)
{
    if (prec < 0)
        prec = 2;
    if (prec > 18)
        prec = 18;
    if (!std::isfinite(v))
        return std::isnan(v) ? "NAN" : (v > 0 ? "INF" : "-INF");
    char buf[512];
    std::snprintf(buf, sizeof buf, "%.*f", prec, v);
    std::string s(buf);
    bool neg = false;
    if (!s.empty() && s[0] == '-') {
        neg = true;
        s.erase(0, 1);
    }
    std::string intPart = s, frac;
    if (const auto dot = s.find('.'); dot != std::string::npos) {
        intPart = s.substr(0, dot);
        frac = s.substr(dot + 1);
    }
    // "-0" and "-0.00" print without the sign.
    if (neg && intPart.find_first_not_of('0') == std::string::npos && frac.find_first_not_of('0') == std::string::npos)
        neg = false;
    std::string out = neg ? "-" : "";
    out += grouped ? groupDigits(intPart) : intPart;
    if (!frac.empty()) {
        out.push_back(formatSettings().decimalSeparator);
        out += frac;
    }
    return out;
}

// Characters of a UTF-8 text (continuation bytes are not counted).
std::size_t charCount(const std::string& s)
{
    std::size_t n = 0;
    for (const char ch : s)
        if ((static_cast<unsigned char>(ch) & 0xC0) != 0x80)
            ++n;
    return n;
}

// Cuts a UTF-8 text after `chars` characters.
void truncateChars(std::string& s, std::size_t chars)
{
    std::size_t n = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) {
            if (n == chars) {
                s.resize(i);
                return;
            }
            ++n;
        }
    }
}

std::string integerText(std::uint64_t mag, bool neg, int prec, bool hex, bool upper)
{
    std::string digits;
    if (mag == 0) {
        digits = "0";
    } else {
        const char* set = upper ? "0123456789ABCDEF" : "0123456789abcdef";
        const unsigned base = hex ? 16 : 10;
        while (mag) {
            digits.insert(digits.begin(), set[mag % base]);
            mag /= base;
        }
    }
    if (prec > 0 && static_cast<int>(digits.size()) < prec)
        digits.insert(0, static_cast<std::size_t>(prec) - digits.size(), '0');
    return neg ? "-" + digits : digits;
}

struct ArgView {
    const FmtArg* a;
    bool isString() const { return std::holds_alternative<std::string>(a->value()); }
    double asDouble() const
    {
        const auto& v = a->value();
        if (auto p = std::get_if<std::int64_t>(&v)) return static_cast<double>(*p);
        if (auto p = std::get_if<std::uint64_t>(&v)) return static_cast<double>(*p);
        if (auto p = std::get_if<double>(&v)) return *p;
        return 0.0;
    }
    // Magnitude and sign of an integer argument (a real one is truncated).
    void asInteger(std::uint64_t& mag, bool& neg) const
    {
        const auto& v = a->value();
        neg = false;
        if (auto p = std::get_if<std::int64_t>(&v)) {
            neg = *p < 0;
            mag = neg ? static_cast<std::uint64_t>(-(*p + 1)) + 1 : static_cast<std::uint64_t>(*p);
        } else if (auto p = std::get_if<std::uint64_t>(&v)) {
            mag = *p;
        } else if (auto p = std::get_if<double>(&v)) {
            const double t = std::trunc(*p);
            neg = t < 0;
            mag = static_cast<std::uint64_t>(std::fabs(t));
        } else {
            mag = 0;
        }
    }
    std::string asString() const
    {
        const auto& v = a->value();
        if (auto p = std::get_if<std::string>(&v)) return *p;
        if (auto p = std::get_if<std::int64_t>(&v)) return std::to_string(*p);
        if (auto p = std::get_if<std::uint64_t>(&v)) return std::to_string(*p);
        return fixed(std::get<double>(v), 2, false);
    }
};

}  // namespace

std::string Format(std::string_view fmt, std::initializer_list<FmtArg> args)
{
    std::vector<const FmtArg*> list;
    for (const auto& a : args)
        list.push_back(&a);
    std::size_t next = 0;
    auto take = [&]() -> const FmtArg* { return next < list.size() ? list[next++] : nullptr; };
    auto takeInt = [&]() -> int {
        const FmtArg* a = take();
        if (!a) return 0;
        std::uint64_t mag; bool neg;
        ArgView{a}.asInteger(mag, neg);
        return neg ? -static_cast<int>(mag) : static_cast<int>(mag);
    };

    std::string out;
    for (std::size_t i = 0; i < fmt.size(); ++i) {
        const char c = fmt[i];
        if (c != '%') {
            out.push_back(c);
            continue;
        }
        if (i + 1 < fmt.size() && fmt[i + 1] == '%') {
            out.push_back('%');
            ++i;
            continue;
        }
        std::size_t j = i + 1;
        bool left = false;
        if (j < fmt.size() && fmt[j] == '-') { left = true; ++j; }
        int width = 0;
        if (j < fmt.size() && fmt[j] == '*') { width = takeInt(); ++j; }
        else while (j < fmt.size() && fmt[j] >= '0' && fmt[j] <= '9') width = width * 10 + (fmt[j++] - '0');
        int prec = -1;
        if (j < fmt.size() && fmt[j] == '.') {
            ++j;
            prec = 0;
            if (j < fmt.size() && fmt[j] == '*') { prec = takeInt(); ++j; }
            else while (j < fmt.size() && fmt[j] >= '0' && fmt[j] <= '9') prec = prec * 10 + (fmt[j++] - '0');
        }
        if (j >= fmt.size()) {
            out.append(fmt.substr(i));
            break;
        }
        const char type = fmt[j];
        i = j;
        const FmtArg* a = take();
        std::string field;
        if (a) {
            ArgView v{a};
            switch (type) {
            case 'd': case 'D': case 'u': case 'U': case 'x': case 'X': {
                std::uint64_t mag; bool neg;
                v.asInteger(mag, neg);
                field = integerText(mag, neg, prec, type == 'x' || type == 'X', type == 'X');
                break;
            }
            case 'f': case 'F': field = fixed(v.asDouble(), prec < 0 ? 2 : prec, false); break;
            case 'n': case 'N':
                if (prec == 0 && !std::holds_alternative<double>(a->value()) && !v.isString()) {
                    // Whole numbers keep every digit, beyond what a double holds.
                    std::uint64_t mag; bool neg;
                    v.asInteger(mag, neg);
                    field = (neg && mag ? "-" : "") + groupDigits(std::to_string(mag));
                } else {
                    field = fixed(v.asDouble(), prec < 0 ? 2 : prec, true);
                }
                break;
            case 'e': case 'E': case 'g': case 'G': {
                char buf[128];
                const char minta[] = {'%', '.', '*', type, 0};
                std::snprintf(buf, sizeof buf, minta, prec < 0 ? 15 : prec, v.asDouble());
                field = buf;
                for (auto& ch : field) if (ch == '.') ch = formatSettings().decimalSeparator;
                break;
            }
            case 's': case 'S':
                field = v.asString();
                if (prec >= 0)
                    truncateChars(field, static_cast<std::size_t>(prec));
                break;
            default:
                field = std::string(1, type);
                break;
            }
        }
        // The width counts characters: a Hungarian letter is one column.
        const std::size_t chars = charCount(field);
        if (static_cast<int>(chars) < width) {
            const std::string pad(static_cast<std::size_t>(width) - chars, ' ');
            field = left ? field + pad : pad + field;
        }
        out += field;
    }
    return out;
}

std::string FormatThousands(std::int64_t v)
{
    return Format("%.0n", {static_cast<long long>(v)});
}

std::string FormatFloatThousands(double v, int decimals)
{
    return fixed(v, decimals, true);
}

}  // namespace kvx
