// Start-up arguments, the modifier mode, the status texts and free memory.
#include "app/main_menu.h"
#include "app/shell_state.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

using namespace kvx;

TEST(ShellState, RestartAcceptsOnlyEvenSizesEightToTwenty)
{
    struct Eset { std::vector<std::string> args; std::optional<int> meret; };
    const Eset esetek[] = {
        {{"-r", "8"}, 8},   {{"-r", "14"}, 14}, {{"-r", "20"}, 20}, {{"-r", "9"}, std::nullopt},
        {{"-r", "22"}, std::nullopt}, {{"-r", "6"}, std::nullopt}, {{"-r", "010"}, std::nullopt},
        {{"-r", " 8"}, std::nullopt}, {{"-r"}, std::nullopt},    {{"-R", "8"}, std::nullopt},
        {{"x.tip", "8"}, std::nullopt}, {{}, std::nullopt},
    };
    for (const Eset& e : esetek)
        EXPECT_EQ(UjrainditasiMeret(e.args), e.meret) << (e.args.size() > 1 ? e.args[1] : "");
}

TEST(ShellState, CommandLineFileIsKeptOnlyWhenItExists)
{
    const auto letezik = [](const std::string& p) { return p == "/a/van.tip"; };
    EXPECT_EQ(ParancssoriAllomanyKezdet({"/a/van.tip"}, letezik), "/a/van.tip");
    EXPECT_EQ(ParancssoriAllomanyKezdet({"/a/nincs.tip"}, letezik), "");
    EXPECT_EQ(ParancssoriAllomanyKezdet({"-r", "12"}, letezik), "-r");
    EXPECT_EQ(ParancssoriAllomanyKezdet({}, letezik), "");
    EXPECT_TRUE(SzamsorVagyVariacioAllomany("/a/b.TIP"));
    EXPECT_TRUE(SzamsorVagyVariacioAllomany("b.top"));
    EXPECT_FALSE(SzamsorVagyVariacioAllomany("b.txt"));
    EXPECT_FALSE(SzamsorVagyVariacioAllomany("-r"));
}

TEST(ShellState, ModifierModeTable)
{
    struct Eset { bool shift, ctrl, alt; int pot; int mod; };
    const Eset esetek[] = {
        {false, false, false, 0, 0}, {true, false, false, 0, 50}, {false, true, false, 0, 100},
        {true, true, false, 0, 200}, {false, false, true, 0, 300}, {true, false, true, 0, 0},
        {true, false, true, 1, 350}, {true, false, true, 3, 350}, {false, true, true, 1, 0},
        {true, true, true, 1, 0},
    };
    for (const Eset& e : esetek)
        EXPECT_EQ(BillentyuModSzamitas(e.shift, e.ctrl, e.alt, e.pot), e.mod)
            << e.shift << e.ctrl << e.alt << " pot " << e.pot;
}

TEST(ShellState, StatusTextsOfTheVariationState)
{
    struct Eset { VariacioAllapot v; bool vege; std::string panel; std::string hosszu; };
    VariacioAllapot ures;
    VariacioAllapot kesz; kesz.BontMatrixMeret = 10; kesz.BontSzelvszam = 10;
    VariacioAllapot szerk = kesz; szerk.SzerkesztettVariacio = true;
    VariacioAllapot stop = szerk; stop.BontStatus = false; stop.BontasPause = true;
    VariacioAllapot pause = kesz; pause.BontasPause = true; pause.BontasBefejezetlen = true;
    VariacioAllapot brk = kesz; brk.BontasBefejezetlen = true;
    VariacioAllapot sorNelkul = brk; sorNelkul.BontSzelvszam = 0;
    const Eset esetek[] = {
        {ures, true, "", ""},
        {ures, false, "Run", ""},
        {kesz, true, "Ready", ""},
        {szerk, true, "Edited", "Szerkesztett, módosított variáció."},
        {stop, true, "Stop - Edited", "[Stop] leállított folyamat; szerkesztett, nem befejezett variáció."},
        {pause, true, "Pause", "[Pause] felfüggesztett folyamat, nem befejezett variáció."},
        {brk, true, "Break", "[Break] megszakított folyamat, nem befejezett variáció."},
        {sorNelkul, true, "Break", ""},
    };
    for (const Eset& e : esetek) {
        EXPECT_EQ(VariacioStatuszSzoveg(e.v, e.vege, true), e.panel);
        EXPECT_EQ(GetMNBString(e.v), e.hosszu);
    }
    // Only the widths are refreshed, or there is no variation window yet.
    EXPECT_EQ(VariacioStatuszSzoveg(kesz, true, false), std::nullopt);
    VariacioAllapot ablakNelkul; ablakNelkul.VanBontasAblak = false;
    EXPECT_EQ(VariacioStatuszSzoveg(ablakNelkul, false, true), std::nullopt);

    const StatusPanelSzelessegek w = StatusPanelek(1000, 7, 5, 10);
    EXPECT_EQ(w.Panel2, 70);
    EXPECT_EQ(w.Panel1, 77);
    EXPECT_EQ(w.Panel0, 853);
}

TEST(ShellState, MenuTableNamesAreUniqueAndUnbuiltCommandsSayWhy)
{
    std::set<std::string> nevek;
    for (const FomenuPont& p : FomenuPontok()) {
        if (p.Fajta == PontFajta::Elvalaszto)
            continue;
        EXPECT_TRUE(nevek.insert(p.Nev()).second) << p.Nev();
        EXPECT_NE(std::string(p.Felirat), "");
    }
    ASSERT_NE(FomenuPontKeres(ParancsId::Kilps1), nullptr);
    EXPECT_TRUE(FomenuPontKeres(ParancsId::Kilps1)->Kesz);
    EXPECT_TRUE(FomenuPontKeres(ParancsId::Start1)->Kesz);
    EXPECT_FALSE(FomenuPontKeres(ParancsId::Listzs2)->Kesz);
    EXPECT_EQ(FomenuPontKeres(ParancsId::Nincs), nullptr);
    EXPECT_EQ(ParancsIdNevbol("nincs"), std::nullopt);
}

TEST(ShellState, WebAddressesAndHelpFileFollowTheConfiguredHost)
{
    for (const char* honlap : {"https://pelda.hu", "https://pelda.hu/"}) {
        const kvx::WebCimek c = kvx::WebMenuCimek(honlap);
        EXPECT_EQ(c.Honlap, "https://pelda.hu");
        EXPECT_EQ(c.Kalkulator, "https://pelda.hu/hu/calc/calc.php?l=");
        EXPECT_EQ(c.Szimulator, "https://pelda.hu/hu/sim/kvxsim.php");
        EXPECT_EQ(c.Variaciok, "https://pelda.hu/hu/vari/lotto_variation.php");
    }
    EXPECT_EQ(kvx::SugoAllomany("/opt/k/", "kavarex"), "/opt/k/Help/kavarex.html");
    EXPECT_EQ(kvx::SugoAllomany("/opt/k/", "kavarex", ".hlp"), "/opt/k/Help/kavarex.hlp");
}

TEST(ShellState, TipFlagsAllSetOrSetAll)
{
    std::array<std::uint8_t, 36> log{};
    log.fill(1);
    EXPECT_TRUE(kvx::UzenetekLogAllapot(log, true));
    log[35] = 0;
    EXPECT_FALSE(kvx::UzenetekLogAllapot(log, true));
    EXPECT_TRUE(kvx::UzenetekLogAllapot(log, false));
    EXPECT_TRUE(kvx::UzenetekLogAllapot(log, true));
}
