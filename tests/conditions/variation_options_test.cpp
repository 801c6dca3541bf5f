// The options chain as a table: the selection and the boxes in, the stored
// options, the limits and the enabled states out.
#include "conditions/variation_options.h"

#include <gtest/gtest.h>

using namespace kvx;

namespace {

// A lottery of 5 numbers a line (no extra pool): n selected, k varied.
OpcioKornyezet otos(int n, int k)
{
    OpcioKornyezet e;
    e.KijeloltFoSzamDb = n;
    e.VariacioFoMeret = k;
    e.VariacioMeretFelso = k - 1;
    e.SzamsorFoSzamDb = 5;
    e.SzamsorHosszMax = 4;
    e.FormLathato = true;
    return e;
}

struct Futas {
    FeltetelRekordok f;
    VariacioOpcioErtekek o;
    OpcioEredmeny r;
};

Futas fut(const OpcioDobozok& d, const OpcioKornyezet& e, OpcioForras forras = OpcioForras::Nincs)
{
    Futas x;
    x.r = VariacioOpciokSzamitasa(d, forras, e, x.f, x.o);
    return x;
}

}  // namespace

TEST(VariationOptions, LimitTable)
{
    struct Eset {
        int n, k, hibapont, tuliras;
        bool talalat;
        std::int64_t limit;
        int hibapontMax;
    };
    // S(a) = C(k, k - a) * ((n - k) div (k - a)) for the usual cases.
    const Eset esetek[] = {
        {10, 5, 0, 0, false, 252, 4},       // C(10, 5) full variation
        {40, 5, 0, 0, false, 658008, 4},    // C(40, 5)
        {90, 5, 0, 0, false, 999999, 4},    // capped without Találat
        {20, 5, 0, 2, true, 10 * 5, 4},     // C(5,3) * (15 div 3)
        {90, 5, 0, 3, true, 420, 4},        // C(5,2) * (85 div 2)
        {11, 5, 0, 1, true, 2, 4},          // a = 1, m div d < d: m = 6, d = 4, 6 / 4 >= 1.5 -> (b + 1) b
        {5, 5, 3, 0, false, 1, 4},          // a full line selection
        {8, 5, 9, 0, false, 56, 4},         // error points clamped to 4
    };
    for (const Eset& c : esetek) {
        OpcioDobozok d;
        d.HibapontBe = c.hibapont;
        d.TulirasBontBox = c.talalat;
        d.TulirasUD = c.tuliras;
        const Futas x = fut(d, otos(c.n, c.k));
        EXPECT_EQ(x.r.TetelesLimit, c.limit) << c.n << "/" << c.k << " T=" << c.tuliras;
        EXPECT_EQ(x.r.HibapontMax, c.hibapontMax);
        EXPECT_EQ(x.f.Hibapont, std::min(c.hibapont, c.hibapontMax));
        EXPECT_TRUE(x.r.Hiba.empty());
    }
}

TEST(VariationOptions, SFunctionEdges)
{
    std::int64_t s = 0;
    // a = 1, m div d < d, d divides m: b (b - 1).
    ASSERT_TRUE(SetTulirasTetelesTag(1, 11, 5, s));  // m = 6, d = 4 -> b = 1, 6 mod 4 = 2, 6/4 = 1.5
    EXPECT_EQ(s, 2 * 1);                              // (b + 1) * b
    ASSERT_TRUE(SetTulirasTetelesTag(1, 13, 5, s));  // m = 8, d = 4 -> b = 2 < 4, divides: 2 * 1
    EXPECT_EQ(s, 2);
    // Zero and negative divisors are refused, never divided by.
    EXPECT_FALSE(SetTulirasTetelesTag(5, 10, 5, s));
    EXPECT_FALSE(SetTulirasTetelesTag(1, 10, 1, s));
    EXPECT_FALSE(SetTulirasTetelesTag(0, 10, 0, s));
}

TEST(VariationOptions, ZeroOrOneLineLengthRefusesTalalat)
{
    // Line lengths 0 and 1 can come from a file; every game shape.
    for (int k : {0, 1}) {
        for (bool plusz : {false, true}) {
            for (int q : {0, 1, 3}) {
                OpcioKornyezet e = otos(10, k);
                e.VanPluszSzam = plusz;
                e.PluszSzamDb = plusz ? 1 : 0;
                e.KijeloltPluszSzamDb = plusz ? q : 0;
                OpcioDobozok d;
                d.TulirasBontBox = true;
                d.TulirasTetelesBox = true;
                const Futas x = fut(d, e, OpcioForras::TulirasBont);
                if (k == 1) {
                    // One number a line with T = 0 divides by 1: a sound state.
                    EXPECT_TRUE(x.r.Hiba.empty()) << "plusz=" << plusz << " q=" << q;
                    EXPECT_TRUE(x.o.TulirasBont);
                    continue;
                }
                EXPECT_EQ(x.r.Hiba, kNemErtelmezhetoFeltetel) << "k=" << k << " plusz=" << plusz << " q=" << q;
                EXPECT_FALSE(x.r.Dobozok.TulirasBontBox);
                EXPECT_FALSE(x.o.TulirasBont);
                EXPECT_FALSE(x.r.TetelesEditsEnabled);
            }
        }
    }
    // An extra pool with p = 0 arriving with a selection of extra numbers.
    OpcioKornyezet e = otos(10, 5);
    e.VanPluszSzam = true;
    e.PluszSzamDb = 0;
    e.KijeloltPluszSzamDb = 2;
    OpcioDobozok d;
    d.TulirasBontBox = true;
    d.TulirasUD = 2;
    EXPECT_EQ(fut(d, e).r.Hiba, kNemErtelmezhetoFeltetel);
}

TEST(VariationOptions, ExtraPoolLimits)
{
    // n = 20, k = 5, p = 1, q = 6.
    OpcioKornyezet e = otos(20, 5);
    e.VanPluszSzam = true;
    e.PluszSzamDb = 1;
    e.KijeloltPluszSzamDb = 6;
    e.SzamsorHosszMax = 5;
    e.VariacioMeretFelso = 5;
    struct Eset {
        int t;
        std::int64_t l;
    };
    const Eset esetek[] = {
        {0, 3},                  // min(6 div 1, 20 div 5) - 1
        {1, 4 * 4},              // S(1): m = 15, d = 4, b = 3 < d, d = b + 1 -> (b + 1)(b + 1)
        {2, 10 * (15 / 3)},      // S(2)
        {5, 5 + 5 * 15},         // q div p - 1 + C(5,4) * 15
    };
    for (const Eset& c : esetek) {
        OpcioDobozok d;
        d.TulirasBontBox = true;
        d.TulirasUD = c.t;
        EXPECT_EQ(fut(d, e).r.TetelesLimit, c.l) << "T=" << c.t;
    }
}

TEST(VariationOptions, EnabledStatesTable)
{
    struct Eset {
        const char* nev;
        int hibapont;
        bool talalat, teteles, novel, csokkent;
        bool huzasForras;
        // expected
        bool novelEn, gyakEn, optEn, velEn, tetelesEn, felulirasEn;
        int hibapontKi;
    };
    const Eset esetek[] = {
        {"nothing", 0, false, false, false, false, false, false, false, false, false, false, false, 0},
        {"error points", 2, false, false, false, false, false, true, true, true, true, false, false, 2},
        {"Találat", 0, true, false, false, false, false, true, true, false, true, false, false, 0},
        {"Találat Tételes", 0, true, true, false, false, false, true, true, false, true, true, false, 0},
        {"optimisation", 2, false, false, true, false, false, true, true, true, false, false, true, 2},
        {"draws source", 3, false, false, true, false, true, false, false, false, false, false, false, 0},
    };
    for (const Eset& c : esetek) {
        OpcioDobozok d;
        d.HibapontBe = c.hibapont;
        d.TulirasBontBox = c.talalat;
        d.TulirasTetelesBox = c.teteles;
        d.OptBontNovelBox = c.novel;
        d.OptBontCsokkentBox = c.csokkent;
        OpcioKornyezet e = otos(20, 5);
        e.TalArHuzasForras = c.huzasForras;
        e.HuzasSzamsorVariacio = c.huzasForras;
        const Futas x = fut(d, e);
        EXPECT_EQ(x.r.NovelEnabled, c.novelEn) << c.nev;
        EXPECT_EQ(x.r.GyakorisagiEnabled, c.gyakEn) << c.nev;
        EXPECT_EQ(x.r.OptimalizaltEnabled, c.optEn) << c.nev;
        EXPECT_EQ(x.r.VeletlenEnabled, c.velEn) << c.nev;
        EXPECT_EQ(x.r.TetelesEditsEnabled, c.tetelesEn) << c.nev;
        EXPECT_EQ(x.r.FelulirasEnabled, c.felulirasEn) << c.nev;
        EXPECT_EQ(x.r.HibapontEnabled, !c.huzasForras) << c.nev;
        EXPECT_EQ(x.f.Hibapont, c.hibapontKi) << c.nev;
        EXPECT_EQ(x.f.VariacioOpciok.Optimalizalas, c.felulirasEn ? 1 : 0) << c.nev;
    }
}

TEST(VariationOptions, ExclusionsFollowTheBoxTheUserTicked)
{
    OpcioKornyezet e = otos(20, 5);
    OpcioDobozok d;
    d.HibapontBe = 2;
    d.GyakorisagiEloszlasBox = true;
    d.OptimalizaltBox = true;
    d.VeletlenSzamsorokBox = true;
    Futas x = fut(d, e, OpcioForras::Veletlen);
    EXPECT_TRUE(x.o.VeletlenSzamsorok);
    EXPECT_FALSE(x.o.GyakorisagiEloszlas);
    EXPECT_FALSE(x.o.Optimalizalt);
    EXPECT_FALSE(x.r.Dobozok.GyakorisagiEloszlasBox);
    EXPECT_FALSE(x.r.Dobozok.OptimalizaltBox);

    d = x.r.Dobozok;
    d.GyakorisagiEloszlasBox = true;
    x = fut(d, e, OpcioForras::Gyakorisagi);
    EXPECT_TRUE(x.o.GyakorisagiEloszlas);
    EXPECT_FALSE(x.o.VeletlenSzamsorok);

    // Növel and Csökkent exclude each other; the tips are due once the user ticks.
    d = {};
    d.HibapontBe = 1;
    d.OptBontNovelBox = true;
    d.OptBontCsokkentBox = true;
    x = fut(d, e, OpcioForras::Csokkent);
    EXPECT_FALSE(x.r.Dobozok.OptBontNovelBox);
    EXPECT_EQ(x.f.VariacioOpciok.Csokkent, 1);
    EXPECT_EQ(x.r.Tippek, (std::vector<int>{33, 30}));
}

TEST(VariationOptions, TetelesEditsAndSorozat)
{
    OpcioKornyezet e = otos(20, 5);
    OpcioDobozok d;
    d.TulirasBontBox = true;
    d.TulirasUD = 2;  // L = 50
    d.TulirasTetelesBox = true;
    d.TulirasTetelesEdit = "70";
    d.TulirasTetelesMaxEdit = "10";
    Futas x = fut(d, e, OpcioForras::TulirasTetelesMin);
    EXPECT_EQ(x.r.TetelesLimit, 50);
    EXPECT_EQ(x.r.Dobozok.TulirasTetelesEdit, "50");     // capped at L
    EXPECT_EQ(x.r.Dobozok.TulirasTetelesMaxEdit, "50");  // pushed up by the minimum
    EXPECT_FALSE(x.r.SorozatEnabled);                    // min = max

    d.TulirasTetelesEdit = "30";
    d.TulirasTetelesMaxEdit = "5";
    d.TulirasSorozatBox = true;
    x = fut(d, e, OpcioForras::TulirasTetelesMax);
    EXPECT_EQ(x.o.TulirasTetelesMin, 5);  // pulled down by the maximum
    EXPECT_FALSE(x.o.TulirasSorozat);

    d.TulirasTetelesEdit = "3";
    d.TulirasTetelesMaxEdit = "8";
    x = fut(d, e, OpcioForras::Sorozat);
    EXPECT_TRUE(x.r.SorozatEnabled);
    EXPECT_TRUE(x.o.TulirasSorozat);
    EXPECT_EQ(x.r.TulirasTetelesBoxTipp, " 3 - 8 esetben előforduló, 2 találatot elérő számsorok ");
    EXPECT_EQ(x.r.TulirasSorozatBoxTipp,
              " 3 - 8 esetben előforduló, 2 találatot elérő számsorok szekvenciális leválogatása ");
    EXPECT_EQ(x.r.BontasOpcioFelirat, x.r.TulirasTetelesBoxTipp);
}

TEST(VariationOptions, FelulirasProtectsTheCurrentLines)
{
    OpcioKornyezet e = otos(20, 5);
    e.SzamsorDb = 120;
    OpcioDobozok d;
    d.HibapontBe = 1;
    d.OptBontNovelBox = true;
    d.OptBontFelulirasBox = false;
    FeltetelRekordok f;
    VariacioOpcioErtekek o;
    OpcioEredmeny r = VariacioOpciokSzamitasa(d, OpcioForras::Feluliras, e, f, o);
    EXPECT_EQ(f.VariacioOpciok.VedettSzamsorDb(), 120);
    d.OptBontFelulirasBox = true;
    r = VariacioOpciokSzamitasa(d, OpcioForras::Feluliras, e, f, o);
    EXPECT_EQ(f.VariacioOpciok.VedettSzamsorDb(), 0);
    EXPECT_EQ(r.OptBontFelulirasTipp, " Módosított variáció felülírása ");
    EXPECT_EQ(f.VariacioOpciok.Feluliras, 1);
}
