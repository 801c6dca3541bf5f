#pragma once
// The maker's addresses shown in the about box and the support texts. They
// are configuration: the defaults below stand until the installation sets
// its own.
#include <string>

namespace kvx {

struct GyartoCimek {
    std::string Honlap = "https://www.kavarex.hu";
    std::string Email = "info@kavarex.hu";
    // The connection probe asks this address before an action on the
    // maker's site; any answer means the site is there.
    std::string ProbaCim = "https://www.kavarex.hu/";
};


// The installation may point the maker's site elsewhere: keys "Host" (the
// home page, whose paths the maker-site actions use) and "Probe" (the
// address probed before those actions) of the INI file's "Kavarex" section. Only
// http and https addresses are taken; a host without a probe of its own is
// also probed. False when the file cannot be read.
bool GyartoCimekOlvasas(const std::string& iniAllomany, GyartoCimek& c);

// Texts of the Help menu and the about box that carry the addresses.
std::string fejlesztesSzoveg(const GyartoCimek& c);
std::string tamogatasKerdes(const GyartoCimek& c);
std::string emailMegerosites(const GyartoCimek& c);

}  // namespace kvx
