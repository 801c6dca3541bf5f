#include "common/text_codec.h"

#include <cstdint>

namespace kvx {

namespace {

// Code points of the bytes 0x80..0xFF.
constexpr char32_t kHigh[128] = {
    0x20AC, 0xFFFD, 0x201A, 0xFFFD, 0x201E, 0x2026, 0x2020, 0x2021,
    0xFFFD, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,
    0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0xFFFD, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7,
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7,
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};

void appendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

// Decodes one UTF-8 sequence at i; returns its length, 0 when malformed.
std::size_t decodeUtf8(std::string_view in, std::size_t i, char32_t& c)
{
    const auto b0 = static_cast<std::uint8_t>(in[i]);
    if (b0 < 0x80) {
        c = b0;
        return 1;
    }
    std::size_t len;
    char32_t min;
    if ((b0 & 0xE0) == 0xC0) { len = 2; c = b0 & 0x1F; min = 0x80; }
    else if ((b0 & 0xF0) == 0xE0) { len = 3; c = b0 & 0x0F; min = 0x800; }
    else if ((b0 & 0xF8) == 0xF0) { len = 4; c = b0 & 0x07; min = 0x10000; }
    else return 0;
    if (i + len > in.size())
        return 0;
    for (std::size_t k = 1; k < len; ++k) {
        const auto b = static_cast<std::uint8_t>(in[i + k]);
        if ((b & 0xC0) != 0x80)
            return 0;
        c = (c << 6) | (b & 0x3F);
    }
    if (c < min || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return 0;
    return len;
}

}  // namespace

std::string cp1250ToUtf8(std::string_view in)
{
    std::string out;
    out.reserve(in.size() + in.size() / 4);
    for (char ch : in) {
        const auto b = static_cast<std::uint8_t>(ch);
        if (b < 0x80)
            out.push_back(ch);
        else
            appendUtf8(out, kHigh[b - 0x80]);
    }
    return out;
}

std::string utf8ToCp1250(std::string_view in)
{
    std::string out;
    out.reserve(in.size());
    for (std::size_t i = 0; i < in.size();) {
        char32_t c;
        const std::size_t len = decodeUtf8(in, i, c);
        if (len == 0) {
            out.push_back(in[i]);
            ++i;
            continue;
        }
        i += len;
        if (c < 0x80) {
            out.push_back(static_cast<char>(c));
            continue;
        }
        char mapped = '?';
        for (int k = 0; k < 128; ++k) {
            if (kHigh[k] == c && c != 0xFFFD) {
                mapped = static_cast<char>(0x80 + k);
                break;
            }
        }
        out.push_back(mapped);
    }
    return out;
}

bool isValidUtf8(std::string_view in)
{
    for (std::size_t i = 0; i < in.size();) {
        char32_t c;
        const std::size_t len = decodeUtf8(in, i, c);
        if (len == 0)
            return false;
        i += len;
    }
    return true;
}

std::string toUtf8Detect(std::string_view in)
{
    if (in.size() >= 3 && static_cast<std::uint8_t>(in[0]) == 0xEF && static_cast<std::uint8_t>(in[1]) == 0xBB
        && static_cast<std::uint8_t>(in[2]) == 0xBF)
        in.remove_prefix(3);
    if (isValidUtf8(in))
        return std::string(in);
    return cp1250ToUtf8(in);
}

}  // namespace kvx
