#include "app/startup_checks.h"

#include <gtest/gtest.h>

#include <vector>

using namespace kvx;

namespace {

struct Hivasok {
    bool online = false;
    bool valasz = false;  // the answer to every question
    int probak = 0;
    std::vector<std::string> figyelmeztetesek, jovahagyasok, hibaKerdesek;

    InditasiValaszok valaszok()
    {
        return {[this] {
                    ++probak;
                    return online;
                },
                [this](const std::string& s) { figyelmeztetesek.push_back(s); },
                [this](const std::string& s) {
                    jovahagyasok.push_back(s);
                    return valasz;
                },
                [this](const std::string& s) {
                    hibaKerdesek.push_back(s);
                    return valasz;
                }};
    }
};

InditasiAllapot friss()
{
    InditasiAllapot a;
    a.AdatbazisNapok = 2;
    a.OnlineOdbVan = true;
    a.OnlineNapok = 3;
    a.UjVerzioKereses = true;
    a.VerzioKeresesElerheto = true;
    return a;
}

bool tartalmaz(const std::vector<std::string>& v, const std::string& s)
{
    return v.size() == 1 && v[0].find(s) != std::string::npos;
}

}  // namespace

TEST(StartupChecks, AnOldDatabaseStartsTheFullUpdateOrWarnsAndSkipsTheVersionCheck)
{
    InditasiAllapot a = friss();
    a.AdatbazisNapok = 21.2;

    Hivasok be;
    be.online = true;
    InditasiEredmeny e = InditasiEllenorzes(a, "https://h", be.valaszok());
    EXPECT_EQ(e.Muvelet, InditasiMuvelet::TeljesFrissites);
    EXPECT_EQ(e.AdatbazisKora, 21);
    EXPECT_TRUE(be.figyelmeztetesek.empty());

    // Offline: the warning names the days, no version check follows, and the
    // table (fresh here) asks nothing.
    Hivasok ki;
    e = InditasiEllenorzes(a, "https://h", ki.valaszok());
    EXPECT_EQ(e.Muvelet, InditasiMuvelet::Semmi);
    EXPECT_EQ(e.AdatbazisKora, 21);
    ASSERT_TRUE(tartalmaz(ki.figyelmeztetesek, "21 napja nem frissült a húzások adatbázisa."));
    EXPECT_NE(ki.figyelmeztetesek[0].find("Minden adatbázis frissítése"), std::string::npos);
    EXPECT_EQ(ki.probak, 1);
}

TEST(StartupChecks, TheVersionCheckNeedsAnEmptyTicketAConnectionAndTheSetting)
{
    const struct {
        const char* eset;
        bool kijeloles, variacio, beallitas, elerheto, online;
        InditasiMuvelet vart;
    } esetek[] = {
        {"all set", false, false, true, true, true, InditasiMuvelet::VerzioKereses},
        {"numbers selected", true, false, true, true, true, InditasiMuvelet::Semmi},
        {"variation loaded", false, true, true, true, true, InditasiMuvelet::Semmi},
        {"setting off", false, false, false, true, true, InditasiMuvelet::Semmi},
        {"check not available", false, false, true, false, true, InditasiMuvelet::Semmi},
        {"offline", false, false, true, true, false, InditasiMuvelet::Semmi},
    };
    for (const auto& c : esetek) {
        InditasiAllapot a = friss();
        a.VanKijeloles = c.kijeloles;
        a.VanVariacio = c.variacio;
        a.UjVerzioKereses = c.beallitas;
        a.VerzioKeresesElerheto = c.elerheto;
        Hivasok h;
        h.online = c.online;
        EXPECT_EQ(InditasiEllenorzes(a, "https://h", h.valaszok()).Muvelet, c.vart) << c.eset;
        EXPECT_TRUE(h.figyelmeztetesek.empty() && h.jovahagyasok.empty() && h.hibaKerdesek.empty()) << c.eset;
    }
}

TEST(StartupChecks, WithAVariationLoadedTheTablesAgeIsTestedInstead)
{
    InditasiAllapot a = friss();
    a.VanVariacio = true;
    a.OnlineNapok = 25;
    for (const bool igen : {true, false}) {
        Hivasok h;
        h.online = true;
        h.valasz = igen;
        EXPECT_EQ(InditasiEllenorzes(a, "https://h", h.valaszok()).Muvelet,
                  igen ? InditasiMuvelet::EleresFrissites : InditasiMuvelet::Semmi);
        ASSERT_TRUE(tartalmaz(h.jovahagyasok, "25 napja nem frissült az internetes hivatkozások"));
        EXPECT_NE(h.jovahagyasok[0].find("Forrás: https://h\r\n\r\nFrissíti az adatbázist?"), std::string::npos);
    }
    Hivasok ki;
    EXPECT_EQ(InditasiEllenorzes(a, "https://h", ki.valaszok()).Muvelet, InditasiMuvelet::Semmi);
    ASSERT_TRUE(tartalmaz(ki.figyelmeztetesek, "25 napja nem frissült az internetes hivatkozások"));
    EXPECT_NE(ki.figyelmeztetesek[0].find("Elérések frissítése menüpontra"), std::string::npos);
    EXPECT_TRUE(ki.jovahagyasok.empty());
}

TEST(StartupChecks, AMissingTableAsksWhateverTheDates)
{
    for (const bool regiAdatbazis : {false, true}) {
        for (const bool igen : {true, false}) {
            InditasiAllapot a = friss();
            a.UjVerzioKereses = false;
            a.OnlineOdbVan = false;
            a.OnlineNapok.reset();
            if (regiAdatbazis)
                a.AdatbazisNapok = 40;
            Hivasok h;  // offline, so an old database only warns
            h.valasz = igen;
            EXPECT_EQ(InditasiEllenorzes(a, "https://h", h.valaszok()).Muvelet,
                      igen ? InditasiMuvelet::EleresFrissites : InditasiMuvelet::Semmi);
            ASSERT_TRUE(tartalmaz(h.hibaKerdesek, "Hiányzik az internetes hivatkozások"));
            EXPECT_EQ(h.figyelmeztetesek.size(), regiAdatbazis ? 1U : 0U);
        }
    }
}

TEST(StartupChecks, FreshOrUndatedFilesAskNothingAndProbeNothing)
{
    const struct {
        const char* eset;
        std::optional<double> adatbazis, tabla;
    } esetek[] = {
        {"both fresh", 2.0, 3.0},
        {"exactly 20 days", 20.0, 20.0},
        {"table 20.4 days rounds to 20", 1.0, 20.4},
        {"no database file", std::nullopt, 1.0},
        {"no dates for the table", 1.0, std::nullopt},
    };
    for (const auto& c : esetek) {
        InditasiAllapot a = friss();
        a.UjVerzioKereses = false;
        a.AdatbazisNapok = c.adatbazis;
        a.OnlineNapok = c.tabla;
        Hivasok h;
        h.online = true;
        const InditasiEredmeny e = InditasiEllenorzes(a, "https://h", h.valaszok());
        EXPECT_EQ(e.Muvelet, InditasiMuvelet::Semmi) << c.eset;
        EXPECT_EQ(e.AdatbazisKora, 0) << c.eset;
        EXPECT_EQ(h.probak, 0) << c.eset;
        EXPECT_TRUE(h.figyelmeztetesek.empty() && h.jovahagyasok.empty() && h.hibaKerdesek.empty()) << c.eset;
    }
}
