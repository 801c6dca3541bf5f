#include <gtest/gtest.h>

#include "app/connection_probe.h"

namespace kvx {
namespace {

TOnlineEleresek tabla()
{
    TOnlineEleresek t;
    t.TarsasagHonlap[0] = "https://www.szerencsejatek.example/otos";
    t.EredmenyCim[0] = "https://Eredmeny.Example:8443/cmsfiles/otos.csv";
    t.EredmenyAllomany[0] = "otos.csv";
    t.EredmenyCim[5] = "https://ergebnis.example/files/NN_W2D_STAT_Lotto_2019.csv";
    t.EredmenyAllomany[5] = "NN_W2D_STAT_Lotto_2019.csv";
    t.KeziFogadas[0] = "https://bet.example/manual?g=0";
    t.Feltoltes1[0] = "https://up.example/send?";
    t.RekordNyeremenyek = "https://records.example/top";
    return t;
}

// Every action probes the host it is about to use: the operator update its
// operator's server (never the maker's site), the maker's actions the
// maker's probe address, the links the host they open. The mail link and
// addresses that are no web address probe nothing.
TEST(ConnectionProbe, EachActionProbesTheHostItUses)
{
    GyartoCimek gy;
    gy.Honlap = "https://www.kavarex.example";
    gy.ProbaCim = "https://www.kavarex.example/";
    GyartoCimek sajatProba = gy;
    sajatProba.ProbaCim = "https://probe.kavarex.example/ping";
    const TOnlineEleresek t = tabla();
    const struct {
        int kind;
        int g;
        const GyartoCimek* gyarto;
        const char* proba;
        bool gyartoe;
    } esetek[] = {
        {9, 0, &gy, "https://Eredmeny.Example:8443/", false},
        {9, 5, &gy, "https://ergebnis.example/", false},
        {9, 1, &gy, "", false},  // no result address for this game
        {0, 0, &gy, "https://www.szerencsejatek.example/", false},
        {10, 0, &gy, "https://bet.example/", false},
        {11, 0, &gy, "https://up.example/", false},
        {14, 0, &gy, "https://records.example/", false},
        {1, 0, &gy, "", false},
        {2, 0, &gy, "https://www.kavarex.example/", true},
        {3, 0, &gy, "https://www.kavarex.example/", true},
        {6, 0, &gy, "https://www.kavarex.example/", true},
        {7, 0, &gy, "https://www.kavarex.example/", true},
        {8, 0, &gy, "https://www.kavarex.example/", true},
        {13, 0, &gy, "https://www.kavarex.example/", true},
        {7, 0, &sajatProba, "https://probe.kavarex.example/ping", true},
        {9, 0, &sajatProba, "https://Eredmeny.Example:8443/", false},
    };
    for (const auto& e : esetek) {
        SCOPED_TRACE(std::to_string(e.kind) + "/" + std::to_string(e.g) + " " + e.gyarto->ProbaCim);
        const ProbaCel p = CimProbaja(MuveletCime(e.kind, t, e.g, 2026, *e.gyarto), *e.gyarto);
        EXPECT_EQ(p.Cim, e.proba);
        EXPECT_EQ(p.Gyarto, e.gyartoe);
    }

    // The maker's host is recognised whatever the case and the path; a
    // look-alike host is not the maker's.
    EXPECT_TRUE(CimProbaja("HTTPS://WWW.Kavarex.EXAMPLE/hu/download/Database/Otos.ldb", gy).Gyarto);
    EXPECT_FALSE(CimProbaja("https://www.kavarex.example.evil/x", gy).Gyarto);
    EXPECT_FALSE(CimProbaja("http://www.kavarex.example/x", gy).Gyarto);
    for (const char* rossz : {"", "file:///etc/passwd", "javascript:alert(1)", "mailto:a@b", "https://", "ftp://x/y"})
        EXPECT_EQ(CimProbaja(rossz, gy).Cim, "") << rossz;
}

}  // namespace
}  // namespace kvx
