#pragma once
// The program's version, compiled in from the build's project version.
#include <cstdint>
#include <string>

namespace kvx {

struct TVerzio {
    std::int32_t major = 0;
    std::int32_t minor = 0;
    std::int32_t release = 0;
    std::int32_t build = 0;
};

TVerzio ProgramVerzio();
// major * 1000 + minor * 100 + release * 10 + build; files carry it.
std::int32_t VerzioSzam();
// The four parts joined by ".".
std::string VerzioSzoveg();

}  // namespace kvx
