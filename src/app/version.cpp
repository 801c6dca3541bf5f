#include "app/version.h"

#ifndef KAVAREX_VERSION_MAJOR
#error "KAVAREX_VERSION_MAJOR must come from the build"
#endif

namespace kvx {

TVerzio ProgramVerzio()
{
    return TVerzio{KAVAREX_VERSION_MAJOR + 0, KAVAREX_VERSION_MINOR + 0, KAVAREX_VERSION_PATCH + 0,
                   KAVAREX_VERSION_TWEAK + 0};
}

std::int32_t VerzioSzam()
{
    const TVerzio v = ProgramVerzio();
    return v.major * 1000 + v.minor * 100 + v.release * 10 + v.build;
}

std::string VerzioSzoveg()
{
    const TVerzio v = ProgramVerzio();
    return std::to_string(v.major) + "." + std::to_string(v.minor) + "." + std::to_string(v.release) + "." +
           std::to_string(v.build);
}

}  // namespace kvx
