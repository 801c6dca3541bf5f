#include "draws/hit_class.h"

#include "draws_fixture.h"

#include <gtest/gtest.h>

namespace kvx {
namespace {

using testing::Jatek;
using testing::Sor;

struct Eset {
    const char* nev;
    int jatek;
    std::vector<std::int32_t> huzas;  // number columns of the row
    std::vector<std::uint8_t> szamsor;
    std::int32_t sorsolas;
    TalalatSzorzoTipus tipus;
    std::int32_t fo, plusz, osztaly;
};

TEST(HitClass, Table)
{
    using T = TalalatSzorzoTipus;
    const std::vector<Eset> esetek = {
        // 5/90: stride 1.
        {"5_90_harom", 0, {3, 17, 45, 66, 90}, {3, 17, 45, 1, 2}, 0, T::Talalat, 3, 0, 3},
        {"5_90_sorrend_mindegy", 0, {3, 17, 45, 66, 90}, {90, 66, 45, 17, 3}, 0, T::Talalat, 5, 0, 5},
        // Austria 6/45: bonus hits have classes of their own (stride 2), but
        // not in the variation's classes (stride 1).
        {"6_45_at_potszam", 5, {1, 2, 3, 4, 5, 6, 7}, {1, 2, 3, 4, 5, 7}, 0, T::Talalat, 5, 1, 11},
        {"6_45_at_potszam_variacio", 5, {1, 2, 3, 4, 5, 6, 7}, {1, 2, 3, 4, 5, 7}, 0, T::Variacio, 5, 0, 5},
        {"6_45_at_potszam_nelkul", 5, {1, 2, 3, 4, 5, 6, 7}, {1, 2, 3, 40, 41, 42}, 0, T::Talalat, 3, 0, 6},
        // Hungarian 6/45: the bonus is no class of its own.
        {"6_45_hu_potszam_nem_szamit", 1, {1, 2, 3, 4, 5, 6, 7}, {1, 2, 3, 4, 5, 7}, 0, T::Talalat, 5, 0, 5},
        // EuroMillions: two extras, stride 3 for both kinds.
        {"euromillions_5_2", 24, {1, 2, 3, 4, 5, 51, 62}, {1, 2, 3, 4, 5, 51, 62}, 0, T::Talalat, 5, 2, 17},
        {"euromillions_2_1", 24, {1, 2, 3, 4, 5, 51, 62}, {1, 2, 30, 40, 50, 62, 55}, 0, T::Variacio, 2, 1, 7},
        {"euromillions_extra_nem_fo", 24, {1, 2, 3, 4, 5, 51, 62}, {1, 2, 30, 40, 50, 52, 53}, 0, T::Talalat, 2, 0, 6},
        // 7/35: the second drawing starts at MasodikHuzasOszlop (10).
        {"7_35_elso", 2, {1, 2, 3, 4, 5, 6, 7, 20, 21, 22, 23, 24, 25, 26}, {1, 2, 3, 20, 21, 22, 23}, 0, T::Talalat, 3, 0, 3},
        {"7_35_masodik", 2, {1, 2, 3, 4, 5, 6, 7, 20, 21, 22, 23, 24, 25, 26}, {1, 2, 3, 20, 21, 22, 23}, 1, T::Talalat, 4, 0, 4},
        {"7_35_masodik_ures", 2, {1, 2, 3, 4, 5, 6, 7}, {1, 2, 3, 4, 5, 6, 7}, 1, T::Talalat, 0, 0, 0},
        // Keno 10: twenty numbers drawn.
        {"keno_10", 8, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 80},
         {1, 5, 19, 80, 33, 44, 55, 66, 77, 78}, 0, T::Talalat, 4, 0, 4},
    };
    for (const Eset& e : esetek) {
        SCOPED_TRACE(e.nev);
        const GameParams g = Jatek(e.jatek);
        TTombInt1D sor{1, 2020, 1};
        sor.insert(sor.end(), e.huzas.begin(), e.huzas.end());
        sor.resize(static_cast<std::size_t>(g.HuzottSzamok + 3), 0);
        const SzamsorTalalat t = SzamsorTalalatai(g, sor, e.szamsor, e.sorsolas, e.tipus);
        EXPECT_EQ(t.Fo, e.fo);
        EXPECT_EQ(t.Plusz, e.plusz);
        EXPECT_EQ(TalalatiOsztaly(g, sor, e.szamsor, e.sorsolas, e.tipus), e.osztaly);
        std::vector<std::int32_t> szamsor32(e.szamsor.begin(), e.szamsor.end());
        EXPECT_EQ(TalalatiOsztaly(g, sor, std::span<const std::int32_t>(szamsor32), e.sorsolas, e.tipus), e.osztaly);
    }
}

TEST(HitClass, SecondDrawingFollowsTheColumnLayout)
{
    // A widened draw (as after loading a file of another size) moves the
    // second drawing with MasodikHuzasOszlop.
    GameParams g = Jatek(2);
    SorsolasMeretBeallitas(g, 16, 8);
    ASSERT_EQ(g.MasodikHuzasOszlop, 11);
    TTombInt1D sor{1, 2020, 1, 1, 2, 3, 4, 5, 6, 7, 8, 30, 31, 32, 33, 34, 35, 29, 28};
    const std::vector<std::uint8_t> szamsor{30, 31, 32, 8, 1, 2, 3};
    EXPECT_EQ(TalalatiOsztaly(g, sor, szamsor, 1), 3);
    EXPECT_EQ(TalalatiOsztaly(g, sor, szamsor, 0), 4);
}

}  // namespace
}  // namespace kvx
