#include "printing/rtf_writer.h"

#include "common/binary_io.h"
#include "common/text_codec.h"

namespace kvx {

namespace {

// Decodes one UTF-8 sequence at s[i]; advances i. A broken sequence gives
// U+FFFD for its first byte.
char32_t KodPont(const std::string& s, std::size_t& i)
{
    const auto b = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char c = b(i);
    int db = 0;
    char32_t cp = 0;
    if (c < 0x80) {
        ++i;
        return c;
    } else if ((c & 0xE0) == 0xC0) {
        db = 1;
        cp = c & 0x1F;
    } else if ((c & 0xF0) == 0xE0) {
        db = 2;
        cp = c & 0x0F;
    } else if ((c & 0xF8) == 0xF0) {
        db = 3;
        cp = c & 0x07;
    } else {
        ++i;
        return 0xFFFD;
    }
    for (int k = 1; k <= db; ++k) {
        if (i + k >= s.size() || (b(i + k) & 0xC0) != 0x80) {
            ++i;
            return 0xFFFD;
        }
        cp = (cp << 6) | (b(i + k) & 0x3F);
    }
    i += db + 1;
    return cp;
}

void Hexa(std::string& ki, unsigned char b)
{
    static const char* const jegyek = "0123456789abcdef";
    ki += "\\'";
    ki += jegyek[b >> 4];
    ki += jegyek[b & 15];
}

// \uN (a signed 16-bit value) followed by the Windows-1250 byte that a
// reader without Unicode shows instead; characters beyond the first plane
// go as a surrogate pair.
void Unicode(std::string& ki, char32_t cp, std::string_view utf8)
{
    const auto egy = [&](std::uint16_t u, unsigned char tartalek) {
        ki += "\\u" + std::to_string(static_cast<std::int16_t>(u));
        Hexa(ki, tartalek);
    };
    if (cp > 0xFFFF) {
        cp -= 0x10000;
        egy(static_cast<std::uint16_t>(0xD800 + (cp >> 10)), '?');
        egy(static_cast<std::uint16_t>(0xDC00 + (cp & 0x3FF)), '?');
        return;
    }
    const std::string b = utf8ToCp1250(utf8);
    egy(static_cast<std::uint16_t>(cp), b.size() == 1 ? static_cast<unsigned char>(b[0]) : '?');
}

void Szoveg(std::string& ki, const std::string& s)
{
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t kezdet = i;
        const char32_t cp = KodPont(s, i);
        if (cp == '\\' || cp == '{' || cp == '}') {
            ki += '\\';
            ki += static_cast<char>(cp);
        } else if (cp == '\t') {
            ki += "\\tab ";
        } else if (cp < 0x20) {
            // other control characters have no place in a line
        } else if (cp < 0x80) {
            ki += static_cast<char>(cp);
        } else {
            Unicode(ki, cp, std::string_view(s).substr(kezdet, i - kezdet));
        }
    }
}

}  // namespace

std::string RtfSzoveg(const std::vector<NyomtSor>& puffer, std::int32_t betuMeret)
{
    std::string ki = "{\\rtf1\\ansi\\ansicpg1250\\deff0\\uc1{\\fonttbl{\\f0\\fmodern\\fcharset238 Courier New;}}\r\n";
    ki += "\\viewkind4\\pard\\f0\\fs" + std::to_string(betuMeret * 2) + " ";
    for (std::size_t i = 0; i < puffer.size(); ++i) {
        const NyomtSor& s = puffer[i];
        if (s.Szoveg == kLapdobasSor) {
            ki += "\\page\r\n";
            continue;
        }
        if (s.Vastag)
            ki += "\\b ";
        Szoveg(ki, s.Szoveg);
        if (s.Vastag)
            ki += "\\b0";
        ki += "\\par\r\n";
    }
    ki += "}\r\n";
    return ki;
}

bool RtfMentes(const std::string& allomany, const std::vector<NyomtSor>& puffer, std::int32_t betuMeret)
{
    return writeFileAtomic(allomany, RtfSzoveg(puffer, betuMeret));
}

}  // namespace kvx
