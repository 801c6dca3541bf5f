// Number pools per position: the presets, the bounds every place is pulled
// into, the drag between first and last, and the texts.
#include "conditions/number_pools.h"

#include <gtest/gtest.h>

#include <string>

using namespace kvx;

namespace {

SzamkeszletKornyezet kornyezet(int n, int k)
{
    SzamkeszletKornyezet e;
    e.KijeloltFoSzamDb = n;
    e.VariacioFoMeret = k;
    for (int i = 1; i <= n; ++i) e.KijeloltSzamok.push_back(static_cast<std::uint8_t>(i));
    return e;
}

// "1..3 4..7" of the first k places.
std::string helyek(const TSzamkeszletFeltetel& r, int k)
{
    std::string s;
    for (int p = 0; p < k; ++p) {
        if (p) s += ' ';
        s += std::to_string(r.Elso[static_cast<std::size_t>(p)]) + ".." +
             std::to_string(r.Utolso[static_cast<std::size_t>(p)]);
    }
    return s;
}

}  // namespace

TEST(NumberPools, PresetsAfterTheBoundsAreApplied)
{
    struct Eset {
        int n, k;
        const char *minimalis, *optimalis, *alap;
    };
    const Eset esetek[] = {
        {10, 3, "1..3 4..7 8..10", "1..8 2..9 4..10", "1..8 2..9 3..10"},
        {20, 5, "1..4 5..8 9..12 13..16 17..20", "1..13 2..12 5..16 9..19 9..20", "1..16 2..17 3..18 4..19 5..20"},
        {11, 10, "1..1 2..3 4..4 5..5 6..6 7..7 8..8 9..9 10..10 11..11",
         "1..2 2..3 3..4 4..5 5..6 6..7 7..8 8..9 9..10 10..11", "1..2 2..3 3..4 4..5 5..6 6..7 7..8 8..9 9..10 10..11"},
        {12, 10, "1..1 2..3 4..5 6..6 7..7 8..8 9..9 10..10 11..11 12..12",
         "1..3 2..4 3..5 4..6 5..7 6..8 7..9 8..10 9..11 10..12", "1..3 2..4 3..5 4..6 5..7 6..8 7..9 8..10 9..11 10..12"},
        {90, 10, "1..9 10..18 19..27 28..36 37..45 46..54 55..63 64..72 73..81 82..90",
         "1..31 2..29 8..38 17..47 26..56 35..65 44..74 53..83 62..89 60..90",
         "1..81 2..82 3..83 4..84 5..85 6..86 7..87 8..88 9..89 10..90"},
        {5, 5, "1..1 2..2 3..3 4..4 5..5", "1..1 2..2 3..3 4..4 5..5", "1..1 2..2 3..3 4..4 5..5"},
    };
    for (const Eset& c : esetek) {
        const SzamkeszletKornyezet e = kornyezet(c.n, c.k);
        const std::string nev = std::to_string(c.n) + "/" + std::to_string(c.k);
        const struct {
            void (*preset)(TSzamkeszletFeltetel&, std::int32_t, std::int32_t);
            const char* vart;
        } presetek[] = {{SzamokReset, c.minimalis}, {SzamokOptimalis, c.optimalis}, {SzamokAlapertelmezett, c.alap}};
        for (const auto& p : presetek) {
            TSzamkeszletFeltetel r{};
            r.Allapot = 1;
            // Places beyond k are neither shown nor changed.
            r.Elso[10] = r.Utolso[10] = 77;
            if (c.k < 10) r.Elso[static_cast<std::size_t>(c.k)] = 55;
            p.preset(r, c.n, c.k);
            std::int32_t akt = 1;
            SzamkeszletNormalizalas(r, akt, e);
            EXPECT_EQ(helyek(r, c.k), p.vart) << nev;
            EXPECT_EQ(r.Utolso[10], 77) << nev;
            if (c.k < 10) {
                EXPECT_EQ(r.Elso[static_cast<std::size_t>(c.k)], 55) << nev;
            }
        }
    }
    TSzamkeszletFeltetel r{};
    SzamokReset(r, 10, 3);
    EXPECT_EQ(GetSzamokIndexMinMax(r, 3, true), 1);
    EXPECT_EQ(GetSzamokIndexMinMax(r, 3, false), 10);
}

TEST(NumberPools, BoundsAndDrag)
{
    const SzamkeszletKornyezet e = kornyezet(10, 3);
    // A record that never held a stretch starts from the default preset.
    TSzamkeszletFeltetel r{};
    r.Allapot = 1;
    std::int32_t akt = 9;
    SzamkeszletNezet v = SzamkeszletNormalizalas(r, akt, e);
    EXPECT_EQ(helyek(r, 3), "1..8 2..9 3..10");
    EXPECT_EQ(akt, 3) << "the place is held within 1..k";
    EXPECT_EQ(v.Elso, (Korlat{3, 10}));

    // Place 2: the first raised past the last drags it; the last lowered
    // below the first drags that.
    akt = 2;
    r.Elso[1] = 7;
    r.Utolso[1] = 5;
    SzamkeszletNormalizalas(r, akt, e, SzamkeszletMezo::Elso);
    EXPECT_EQ(helyek(r, 3), "1..8 7..7 3..10");
    r.Elso[1] = 6;
    r.Utolso[1] = 4;
    SzamkeszletNormalizalas(r, akt, e, SzamkeszletMezo::Utolso);
    EXPECT_EQ(helyek(r, 3), "1..8 4..4 3..10");
    // Values from a file beyond the bounds, in places not shown too.
    r.Elso[0] = -5;
    r.Utolso[0] = 99;
    r.Elso[2] = 1;
    r.Utolso[2] = 2;
    v = SzamkeszletNormalizalas(r, akt, e);
    EXPECT_EQ(helyek(r, 3), "1..8 4..4 3..3");
    EXPECT_EQ(v.AktTipp, " Indexek tartománya\r\n  1. index számkészlete  8 szám:  1. -  8. számig terjed. \r\n"
                         "  2. index számkészlete  1 szám:  4. -  4. számig terjed. \r\n"
                         "  3. index számkészlete  1 szám:  3. -  3. számig terjed. ");
    EXPECT_EQ(v.ElsoTipp, " 2. index minimuma, első számának pozíciója \r\n Index számkészlete  1 szám: \r\n 4 ");

    EXPECT_TRUE(SzamkeszletNormalizalas(r, akt, kornyezet(2, 3)).Ervenytelen);
    EXPECT_TRUE(SzamkeszletNormalizalas(r, akt, kornyezet(5, 0)).Ervenytelen);
}

TEST(NumberPools, IndicatorAndDoubleClicks)
{
    SzamkeszletKornyezet e = kornyezet(10, 3);
    TSzamkeszletFeltetel r{};
    r.Allapot = 1;
    std::int32_t akt = 1;
    EXPECT_FALSE(SzamkeszletNormalizalas(r, akt, e).ILLathato);
    e.Novekvo = false;
    e.Terjedelem.Allapot = 1;
    e.Terjedelem.Fix = 1;
    e.Terjedelem.FixMin = 2;
    e.Terjedelem.FixMax = 10;
    const SzamkeszletNezet v = SzamkeszletNormalizalas(r, akt, e);
    EXPECT_TRUE(v.ILLathato);
    EXPECT_EQ(v.ILTipp, " Nem növekvő a variációra kijelölt számok sorrendje. \r\n Indexek számkészlete: kijelölt "
                        "számok sorrendje szerint. \r\n\r\n Terjedelem - Fix feltétel beállítása szerint:\r\n  - 2. - "
                        "10. sorszámú számok vesznek részt a variációban. ");
    EXPECT_EQ(SzamkeszletElsoDupla(2, 5, 5), 2);
    EXPECT_EQ(SzamkeszletElsoDupla(2, 3, 5), 5);
    EXPECT_EQ(SzamkeszletUtolsoDupla(5, 5, 9), 9);
    EXPECT_EQ(SzamkeszletUtolsoDupla(3, 5, 9), 3);
}
