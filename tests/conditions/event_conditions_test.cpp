// The events tab: twin, mirror-pair and prime limits from the real markers,
// the twin / mirror-pair questions, the neighbour runs that skip 1, the
// bounded group rule, and the order boxes.
#include "conditions/event_conditions.h"

#include <gtest/gtest.h>

#include <string>

#include "valasztas.h"

using namespace kvx;
using teszt::Valasztas;

namespace {

EsemenyKornyezet kornyezet(const Valasztas& v) { return EsemenyKornyezetKeszites(v.l, v.g, v.j); }

}  // namespace

TEST(EventConditions, TwinMirrorAndPrimeLimits)
{
    struct Eset {
        const char* nev;
        std::vector<int> szamok;
        int k;
        bool iker, tukor, prim;  // refused?
        std::int32_t ikerMax, tukorMax, primMax;
    };
    const Eset esetek[] = {
        {"twins 22, 33; pair 12-21; no prime", {12, 21, 22, 33, 40}, 5, false, false, true, 2, 1, 0},
        {"primes 2 3 5 7 11 13 cut to k", {2, 3, 5, 7, 11, 13, 12}, 4, false, true, false, 1, 0, 4},
        {"two pairs, k div 2 = 1", {12, 21, 13, 31, 40}, 3, true, false, false, 0, 1, 2},
        {"two pairs, k div 2 = 2", {12, 21, 13, 31, 40}, 5, true, false, false, 0, 2, 2},
    };
    for (const Eset& c : esetek) {
        const Valasztas v(0, c.szamok, c.k);
        const EsemenyKornyezet e = kornyezet(v);
        TMinMaxFeltetel r{1, {}, 9, 9};
        const EsemenyMinMaxNezet i = IkerszamNormalizalas(r, e);
        EXPECT_EQ(i.Ervenytelen, c.iker) << c.nev;
        if (!c.iker) {
            EXPECT_EQ(i.Max, (Korlat{0, c.ikerMax})) << c.nev;
            EXPECT_EQ(r.Min, c.ikerMax) << c.nev;
            EXPECT_EQ(r.Max, c.ikerMax) << c.nev;
        }
        r = {1, {}, 0, 9};
        const EsemenyMinMaxNezet t = TukorszamNormalizalas(r, e);
        EXPECT_EQ(t.Ervenytelen, c.tukor) << c.nev;
        if (!c.tukor) {
            EXPECT_EQ(t.Max, (Korlat{0, c.tukorMax})) << c.nev;
        }
        r = {1, {}, 0, 9};
        const EsemenyMinMaxNezet p = PrimszamNormalizalas(r, e);
        EXPECT_EQ(p.Ervenytelen, c.prim) << c.nev;
        if (!c.prim) {
            EXPECT_EQ(p.Max, (Korlat{0, c.primMax})) << c.nev;
        }
    }
    const Valasztas v(0, {13, 4, 2, 40, 89}, 5);
    TMinMaxFeltetel r{1, {}, 0, 1};
    EXPECT_EQ(PrimszamNormalizalas(r, kornyezet(v)).ILTipp, " Prímszámok: \r\n 13  2  89 ");
}

TEST(EventConditions, TwinAndMirrorQuestions)
{
    FeltetelRekordok f;
    // Twin minimum 4 with k = 5 and the mirror box on with maximum 0: the
    // twin box offers to untick the mirror box.
    f.IkerszamFeltetel = {1, {}, 4, 4};
    f.TukorszamFeltetel = {1, {}, 0, 0};
    EXPECT_TRUE(IkerTukorKerdes(f, 5));
    EXPECT_FALSE(IkerTukorTiltas(f, 5));
    f.IkerszamFeltetel.Min = 3;
    EXPECT_FALSE(IkerTukorKerdes(f, 5));
    // Two mirror pairs fill a line of 4: the twin box is refused.
    f.TukorszamFeltetel = {1, {}, 2, 2};
    EXPECT_TRUE(IkerTukorTiltas(f, 4));
    f.TukorszamFeltetel.Allapot = 0;
    EXPECT_FALSE(IkerTukorTiltas(f, 4)) << "only while the mirror box is on";
    // The mirror box's mirror image.
    f.TukorszamFeltetel = {1, {}, 0, 2};
    f.IkerszamFeltetel = {1, {}, 0, 0};
    EXPECT_TRUE(TukorIkerKerdes(f, 4));
    EXPECT_FALSE(TukorIkerKerdes(f, 5));
    f.IkerszamFeltetel = {1, {}, 4, 5};
    EXPECT_TRUE(TukorIkerTiltas(f, 5));
    EXPECT_FALSE(TukorIkerTiltas(f, 6));
}

TEST(EventConditions, NeighbourRunsSkipOne)
{
    const Valasztas v(0, {1, 2, 3, 10, 11, 20, 30, 31, 32, 40}, 6);
    const EsemenyKornyezet e = kornyezet(v);
    struct Eset {
        const char* nev;
        std::int32_t min, max;  // before
        SzomszedMezo mezo;
        std::int32_t ertek;
        std::int32_t kiMin, kiMax;
        bool esetLathato;
        const char* tipp;
    };
    const Eset esetek[] = {
        {"minimum down from 2", 2, 4, SzomszedMezo::AltMin, 1, 0, 0, false,
         " Nem lehetnek szomszédos számok egy számsorban. "},
        {"minimum up from 0", 0, 0, SzomszedMezo::AltMin, 1, 2, 2, true,
         " Pontosan 2 szomszédos szám lehet egy számsorban. "},
        {"maximum down from 2", 0, 2, SzomszedMezo::AltMax, 1, 0, 0, false,
         " Nem lehetnek szomszédos számok egy számsorban. "},
        {"maximum up from 0", 0, 0, SzomszedMezo::AltMax, 1, 2, 2, true,
         " Pontosan 2 szomszédos szám lehet egy számsorban. "},
        {"minimum above maximum drags it", 2, 3, SzomszedMezo::AltMin, 5, 5, 5, true,
         " Pontosan 5 szomszédos szám lehet egy számsorban. "},
        {"maximum below minimum drags it", 3, 5, SzomszedMezo::AltMax, 2, 2, 2, true,
         " Pontosan 2 szomszédos szám lehet egy számsorban. "},
        {"beyond k from a file", 0, 40, SzomszedMezo::Nincs, 0, 0, 6, true,
         " Minimum 0, maximum 6 szomszédos szám lehet egy számsorban. "},
    };
    for (const Eset& c : esetek) {
        TSzomszedosFeltetel r{};
        r.Alt = 1;
        r.SzomszedMin = c.min;
        r.SzomszedMax = c.max;
        const SzomszedNezet n = SzomszedosValtozas(r, e, c.mezo, c.ertek);
        EXPECT_EQ(r.SzomszedMin, c.kiMin) << c.nev;
        EXPECT_EQ(r.SzomszedMax, c.kiMax) << c.nev;
        EXPECT_EQ(n.EsetLathato, c.esetLathato) << c.nev;
        EXPECT_EQ(n.AltTipp, c.tipp) << c.nev;
        EXPECT_EQ(r.Allapot, 1) << c.nev;
        EXPECT_EQ(n.AltMaxLabel, std::string("   szomszédos szám lehet") + (c.kiMax == 0 ? "." : "")) << c.nev;
        EXPECT_EQ(n.EsetMin, (Korlat{0, 3})) << c.nev;
        EXPECT_EQ(n.EsetMax, (Korlat{0, c.kiMin == 0 ? 6 : 6 / c.kiMin})) << c.nev;
    }
    TSzomszedosFeltetel r{};
    r.Alt = 1;
    r.SzomszedMin = 2;
    r.SzomszedMax = 3;
    r.EsetMin = 3;
    r.EsetMax = 1;
    const SzomszedNezet n = SzomszedosValtozas(r, e, SzomszedMezo::EsetMax, 1);
    EXPECT_EQ(r.EsetMin, 1);
    EXPECT_EQ(n.EsetTipp, " Pontosan 1 esetben lehet szomszédos szám egy számsorban. ");
}

TEST(EventConditions, GroupSizeFromARecordIsBounded)
{
    // n = 20, k = 6: a mobile group of 5 holds 2..4 hits.
    std::vector<int> husz;
    for (int i = 1; i <= 20; ++i) husz.push_back(i * 3);
    const Valasztas v(0, husz, 6);
    const EsemenyKornyezet e = kornyezet(v);
    TSzomszedosFeltetel r{};
    r.Mob = 1;
    r.MobMeret = 5;
    r.MobTalalatMax = 9;
    SzomszedNezet n = SzomszedosValtozas(r, e);
    EXPECT_EQ(n.MobMeret, (Korlat{2, 15}));
    EXPECT_EQ(n.MobTalalat, (Korlat{2, 4}));
    EXPECT_EQ(r.MobTalalatMax, 4);
    EXPECT_EQ(n.MobTalalatTipp, " Egy mobil számcsoportból, maximum 4 találat elérése. ");
    // A size of 0 or less from a file is held to 2 and the rule ends.
    for (std::int32_t meret : {0, -7}) {
        r.MobMeret = meret;
        r.Fix = 1;
        r.FixMeret = meret;
        n = SzomszedosValtozas(r, e);
        EXPECT_EQ(r.MobMeret, 2);
        EXPECT_EQ(r.FixMeret, 2);
        EXPECT_EQ(n.MobTalalat, (Korlat{1, 1}));
        EXPECT_EQ(n.FixMeret, (Korlat{2, 10}));
    }
    r.FixMeret = 99;
    n = SzomszedosValtozas(r, e, SzomszedMezo::FixMeret, 99);
    EXPECT_EQ(r.FixMeret, 10);
    EXPECT_EQ(n.FixMeretTipp, " A fix számcsoportok 10 szomszédos számból állnak. ");
    EXPECT_FALSE(SzomszedosFixErtelmezheto(kornyezet(Valasztas(0, {1, 2, 3, 4, 5, 6, 7, 8, 9}, 5))));
    EXPECT_FALSE(SzomszedosMobErtelmezheto(kornyezet(Valasztas(0, {1, 2, 3, 4, 5, 6, 7, 8}, 5))));
    EXPECT_TRUE(SzomszedosMobErtelmezheto(kornyezet(Valasztas(0, {1, 2, 3, 4, 5, 6, 7, 8, 9}, 5))));
}

TEST(EventConditions, OrderBoxesFollowTheSelection)
{
    struct Eset {
        const char* nev;
        std::vector<int> szamok;
        bool be;    // the user's state
        bool ki;
    };
    const Eset esetek[] = {
        {"no neighbours: cleared", {1, 3, 5, 7, 9}, true, false},
        {"neighbours in rising order: ticked", {1, 2, 5, 7, 9}, false, true},
        {"neighbours, mixed order: the user's", {5, 1, 2, 9, 7}, false, false},
        {"neighbours, mixed order: the user's", {5, 1, 2, 9, 7}, true, true},
    };
    for (const Eset& c : esetek) {
        const Valasztas v(0, c.szamok, 3);
        TSzomszedosFeltetel r{};
        r.Alt = 1;
        r.AltSorrend = r.MobSorrend = c.be;
        SzomszedosValtozas(r, kornyezet(v));
        EXPECT_EQ(r.AltSorrend, c.ki) << c.nev;
        EXPECT_EQ(r.MobSorrend, c.ki) << c.nev;
    }
    const Valasztas v(0, {1, 3, 5}, 3);
    EXPECT_EQ(NincsSzomszedosUzenet(kornyezet(v)),
              " Az 1-90-ig terjedő számegyenesen nem lehetséges szomszédos szám. ");
    TSzomszedosFeltetel r{};
    r.Alt = 1;
    const SzomszedNezet n = SzomszedosValtozas(r, kornyezet(v));
    EXPECT_NE(n.SorrendTipp[0].find(" 1-90-ig terjedő számegyenesen nem lehetséges szomszédos szám. "),
              std::string::npos);
}
