#include "draws/draw_ranges.h"

#include "draws_fixture.h"

#include <gtest/gtest.h>

namespace kvx {
namespace {

enum class Muvelet { ElsoExit, UtolsoExit, ElsoFel, ElsoLe, UtolsoFel, UtolsoLe, ElsoDupla, UtolsoDupla, Rendben };

struct Eset {
    const char* nev;
    int mod;
    std::optional<std::int32_t> elso, utolso;  // typed into the fields
    Muvelet muvelet;
    std::int32_t vartElso, vartUtolso;
    bool vartBox;
};

TEST(DrawRanges, ClampRules)
{
    HuzSzamaKornyezet k;
    k.N = 100;
    k.L = 50;
    k.BontSzelvszam = 50;
    k.C = 7;
    k.OsztalyVan = true;
    using M = Muvelet;
    const std::vector<Eset> esetek = {
        {"1_elso_ures", 1, std::nullopt, 50, M::ElsoExit, 1, 50, false},
        {"1_elso_utolso_fole", 1, 60, 50, M::ElsoExit, 60, 61, false},
        {"1_elso_egyenlo", 1, 50, 50, M::ElsoExit, 50, 51, false},
        {"1_elso_tul_nagy", 1, 100, 80, M::ElsoExit, 79, 80, false},
        {"1_elso_nulla", 1, 0, 80, M::ElsoExit, 1, 80, false},
        {"1_utolso_ures", 1, 10, std::nullopt, M::UtolsoExit, 10, 11, false},
        {"1_utolso_elso_ala", 1, 10, 5, M::UtolsoExit, 4, 5, false},
        {"1_utolso_tul_nagy_minden", 1, 1, 99999, M::UtolsoExit, 1, 100, true},
        {"1_utolso_egy", 1, 10, 1, M::UtolsoExit, 10, 11, false},
        {"2_egy_huzas_megengedett", 2, 5, 5, M::UtolsoExit, 5, 5, false},
        {"2_utolso_tul_nagy", 2, 3, 99999, M::UtolsoExit, 3, 100, false},
        {"5_utolso_tul_nagy", 5, 1, 99999, M::UtolsoExit, 1, 7, true},
        {"4_elso_egyenlo", 4, 9, 9, M::ElsoExit, 9, 9, false},
        {"1_fel_utolso_tolja", 1, 10, 11, M::ElsoFel, 11, 12, false},
        {"1_le_min", 1, 1, 11, M::ElsoLe, 1, 11, false},
        {"1_utolso_fel_max", 1, 3, 100, M::UtolsoFel, 3, 100, false},
        {"1_utolso_le_tolja", 1, 10, 11, M::UtolsoLe, 9, 10, false},
        {"1_elso_dupla_ugrik", 1, 3, 50, M::ElsoDupla, 49, 50, false},
        {"1_elso_dupla_vissza", 1, 49, 50, M::ElsoDupla, 1, 50, false},
        {"1_utolso_dupla_max", 1, 1, 50, M::UtolsoDupla, 1, 100, true},
        {"1_utolso_dupla_vissza", 1, 5, 100, M::UtolsoDupla, 5, 6, false},
        {"6_rendben", 6, 20, 10, M::Rendben, 20, 21, false},
    };
    for (const Eset& e : esetek) {
        SCOPED_TRACE(e.nev);
        HuzSzamaState s;
        Ini(s, k.N, k.L);
        HuzSzamaMezok f;
        ASSERT_TRUE(Start(s, k, e.mod, f).Megjelenit);
        f.Elso = e.elso;
        f.Utolso = e.utolso;
        switch (e.muvelet) {
        case M::ElsoExit: ElsoHuzBeExit(s, k, f); break;
        case M::UtolsoExit: UtolsoHuzBeExit(s, k, f); break;
        case M::ElsoFel: NyilLepes(s, k, f, true, true); break;
        case M::ElsoLe: NyilLepes(s, k, f, true, false); break;
        case M::UtolsoFel: NyilLepes(s, k, f, false, true); break;
        case M::UtolsoLe: NyilLepes(s, k, f, false, false); break;
        case M::ElsoDupla: ElsoHuzBeDblClick(s, k, f); break;
        case M::UtolsoDupla: UtolsoHuzBeDblClick(s, k, f); break;
        case M::Rendben: RendbenGombClick(s, k, f); break;
        }
        EXPECT_EQ(f.Elso, e.vartElso);
        EXPECT_EQ(f.Utolso, e.vartUtolso);
        EXPECT_EQ(f.MindHuz, e.vartBox);
    }
}

TEST(DrawRanges, StartAndStore)
{
    HuzSzamaKornyezet k;
    k.N = 2;
    HuzSzamaState s;
    Ini(s, k.N, 0);
    HuzSzamaMezok f;
    ASSERT_TRUE(Start(s, k, 1, f).Megjelenit);
    EXPECT_EQ(f.Elso, 1);
    EXPECT_EQ(f.Utolso, 2);
    EXPECT_EQ(f.Label3, "Kijelölve: 2 húzás");
    EXPECT_EQ(f.ElsoTipp, " Minimum: 1 \r\n Maximum: 1 ");
    EXPECT_EQ(f.UtolsoTipp, " Minimum: 2\r\n Maximum: 2 ");

    k.N = 1;
    const HuzSzamaStartEredmeny egy = Start(s, k, 3, f);
    EXPECT_FALSE(egy.Megjelenit);
    EXPECT_EQ(egy.Figyelmeztetes,
              "Az adatbázis egy sorsolás adatait tartalmazza.\r\n\r\nMinimum két sorsolás szükséges egy tartomány kijelöléséhez.");
    EXPECT_EQ(f.MegseGombTag, -1);

    // The whole range is stored at once in mode 1, but never in mode 2.
    k.N = 12345;
    k.EzresElvalaszto = std::string(1, '.');
    std::int32_t talElso = 3, talUtolso = 4;
    k.TalArElso = &talElso;
    k.TalArUtolso = &talUtolso;
    s.SetHuzSzamaElso(5);
    s.SetHuzSzamaUtolso(10);
    ASSERT_TRUE(Start(s, k, 1, f).Megjelenit);
    EXPECT_FALSE(f.MindHuz);
    MindenHuzas(s, k, f);
    EXPECT_EQ(s.GetHuzSzamaElso(), 1);
    EXPECT_EQ(s.GetHuzSzamaUtolso(), 12345);
    Panel2Exit(s, k, f);
    EXPECT_EQ(f.Label3, "Kijelölve: 12.345 húzás");
    ASSERT_TRUE(Start(s, k, 2, f).Megjelenit);
    MindenHuzas(s, k, f);
    EXPECT_EQ(talElso, 3);
    RendbenGombClick(s, k, f);
    EXPECT_EQ(talElso, 1);
    EXPECT_EQ(talUtolso, 12345);
    EXPECT_EQ(f.MegseGombTag, 2);
}

TEST(DrawRanges, ExtensionCheckBoxInMode4)
{
    HuzSzamaKornyezet k;
    k.L = k.BontSzelvszam = 40;
    k.KivalasztottSor = 12;
    HuzSzamaState s;
    HuzSzamaMezok f;
    ASSERT_TRUE(Start(s, k, 4, f).Megjelenit);
    EXPECT_FALSE(f.MindHuzEngedelyezett);
    EXPECT_FALSE(f.MindHuz);
    EXPECT_EQ(s.GetBontSzamsorElso(), 12);
    EXPECT_EQ(s.GetBontSzamsorUtolso(), 40);

    k.BovitmenyKezdet = 31;
    ASSERT_TRUE(Start(s, k, 4, f).Megjelenit);
    EXPECT_TRUE(f.MindHuzEngedelyezett);
    MindenHuzas(s, k, f);
    EXPECT_TRUE(f.MindHuz);
    EXPECT_EQ(f.Elso, 31);
    EXPECT_EQ(f.Utolso, 40);
    EXPECT_EQ(f.Label3, "Kijelölve: 10 számsor");
}

TEST(DrawRanges, CountsDrawingsAndBonusNumbers)
{
    GameParams g = testing::Jatek(4);
    DrawsState d;
    SetHuzasok(d, 10, g.HuzottSzamok + 3);
    for (int r = 0; r < 10; ++r)
        d.Huzasok[static_cast<std::size_t>(r)] =
            r < 4 ? testing::Sor(g, r + 1, 2020, 1, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14})
                  : testing::Sor(g, r + 1, 2020, 1, {1, 2, 3, 4, 5, 6, 7});
    HuzSzamaState s;
    Ini(s, 10, 0);
    EXPECT_EQ(GetAktHuzSzama(s, d, g, 0), 14);
    EXPECT_EQ(s.GetAktPluszSzam(0), 14);
    s.SetLHuzSzamaElso(5);
    s.SetLHuzSzamaUtolso(99);  // past the table: not counted
    EXPECT_EQ(GetAktHuzSzama(s, d, g, 1), 6);
    EXPECT_EQ(s.GetAktPluszSzam(1), 6);
}

}  // namespace
}  // namespace kvx
