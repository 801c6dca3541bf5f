#pragma once
// Windows-1250 <-> UTF-8, for texts read from outside (operators' result
// files, the user's imports) and for texts kept in that encoding inside our
// own binary files.
#include <string>
#include <string_view>

namespace kvx {

// Every byte maps to one character; the five bytes that Windows-1250 leaves
// undefined (0x81, 0x83, 0x88, 0x90, 0x98) become U+FFFD.
std::string cp1250ToUtf8(std::string_view in);

// Characters without a Windows-1250 byte become '?'. Invalid UTF-8 bytes are
// taken as Windows-1250 bytes, so nothing is lost silently.
std::string utf8ToCp1250(std::string_view in);

// True when the text is well-formed UTF-8 (pure ASCII included).
bool isValidUtf8(std::string_view in);

// Detects the encoding of an outside text and returns it as UTF-8: a UTF-8
// byte-order mark is dropped; well-formed UTF-8 stays; anything else is taken
// as Windows-1250.
std::string toUtf8Detect(std::string_view in);

}  // namespace kvx
