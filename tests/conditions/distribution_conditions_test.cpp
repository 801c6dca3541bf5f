// Normalisation of the distribution conditions and their list texts.
#include "conditions/distribution_conditions.h"

#include <gtest/gtest.h>

using namespace kvx;

namespace {

EloszlasKornyezet kornyezet(int n, int k, int allando = 0)
{
    EloszlasKornyezet e;
    e.KijeloltFoSzamDb = n;
    e.VariacioFoMeret = k;
    e.VariacioMeret = k;
    e.AllandoSzamDb = allando;
    for (int i = 1; i <= n; ++i) e.KijeloltSzamok.push_back(static_cast<std::uint8_t>(i * 2));
    return e;
}

}  // namespace

TEST(DistributionConditions, FavouriteTable)
{
    struct Eset {
        const char* nev;
        TFavFeltetel be;
        FavMezo mezo;
        TFavFeltetel ki;
        int talalatMax;  // limit of both hit up-downs
    };
    const Eset esetek[] = {
        {"group of 3 with k = 5 cuts the hits", {1, {}, 2, 4, 1, 4}, FavMezo::Nincs, {1, {}, 2, 4, 1, 3}, 3},
        {"first raised past last drags it", {1, {}, 9, 4, 0, 2}, FavMezo::Elso, {1, {}, 9, 9, 0, 1}, 1},
        {"last lowered below first drags it", {1, {}, 9, 4, 0, 2}, FavMezo::Utolso, {1, {}, 4, 4, 0, 1}, 1},
        {"hit min raised above max raises max", {1, {}, 1, 10, 4, 2}, FavMezo::TalalatMin, {1, {}, 1, 10, 4, 4}, 5},
        {"hit max lowered below min lowers min", {1, {}, 1, 10, 4, 2}, FavMezo::TalalatMax, {1, {}, 1, 10, 2, 2}, 5},
        {"zero record from a file", {1, {}, 0, 0, 0, 0}, FavMezo::Nincs, {1, {}, 1, 1, 0, 0}, 1},
        {"positions past the selection", {1, {}, 30, 40, 9, 9}, FavMezo::Nincs, {1, {}, 12, 12, 1, 1}, 1},
    };
    const EloszlasKornyezet e = kornyezet(12, 5);
    for (const Eset& c : esetek) {
        TFavFeltetel r = c.be;
        const FavNezet v = FavNormalizalas(r, e, c.mezo);
        EXPECT_EQ(r, c.ki) << c.nev;
        EXPECT_EQ(v.TalalatMax.Max, c.talalatMax) << c.nev;
        EXPECT_EQ(v.Utolso, (Korlat{1, 12})) << c.nev;
        EXPECT_FALSE(v.Ervenytelen);
    }
    TFavFeltetel r{1, {}, 2, 4, 0, 1};
    EXPECT_EQ(FavNormalizalas(r, e).Label2, "A számcsoport 3 számából minimum");
    EXPECT_TRUE(FavNormalizalas(r, kornyezet(0, 5)).Ervenytelen);
}

TEST(DistributionConditions, ConstantNumbers)
{
    TMinMaxFeltetel r{1, {}, 3, 1};
    EXPECT_TRUE(AllandoNormalizalas(r, kornyezet(10, 5, 0)).Ervenytelen);
    const AllandoNezet v = AllandoNormalizalas(r, kornyezet(10, 5, 2), MinMaxMezo::Min);
    EXPECT_EQ(v.Max, (Korlat{0, 2}));  // min(VariacioMeret, AllandoSzamDb)
    EXPECT_EQ(r.Min, 2);
    EXPECT_EQ(r.Max, 2);
    r = {1, {}, 2, 0};
    AllandoNormalizalas(r, kornyezet(10, 5, 4), MinMaxMezo::Max);
    EXPECT_EQ(r.Min, 0);
}

TEST(DistributionConditions, MobileAndFixedGroupsTable)
{
    struct Eset {
        const char* nev;
        bool mob;
        int n, k;
        TCsoportFeltetel be;
        bool ervenytelen;
        Korlat meret, talalat;
        TCsoportFeltetel ki;
    };
    const Eset esetek[] = {
        {"mobile 20/6 W 5: K 2..4", true, 20, 6, {1, {}, 5, 1}, false, {2, 15}, {2, 4}, {1, {}, 5, 2}},
        {"mobile W above its maximum", true, 20, 6, {1, {}, 40, 9}, false, {2, 15}, {4, 5}, {1, {}, 15, 5}},
        {"mobile zero record", true, 20, 6, {1, {}, 0, 0}, false, {2, 15}, {1, 1}, {1, {}, 2, 1}},
        {"mobile too few numbers", true, 10, 6, {1, {}, 5, 2}, true, {}, {}, {1, {}, 5, 2}},
        {"fixed 9/5 refused", false, 9, 5, {1, {}, 2, 1}, true, {}, {}, {1, {}, 2, 1}},
        {"fixed 20/5 W 4", false, 20, 5, {1, {}, 4, 3}, false, {2, 10}, {1, 3}, {1, {}, 4, 3}},
        {"line of one number", true, 20, 1, {1, {}, 3, 1}, true, {}, {}, {1, {}, 3, 1}},
        {"line of no number", false, 20, 0, {1, {}, 3, 1}, true, {}, {}, {1, {}, 3, 1}},
    };
    for (const Eset& c : esetek) {
        TCsoportFeltetel r = c.be;
        const EloszlasKornyezet e = kornyezet(c.n, c.k);
        const CsoportNezet v = c.mob ? MobNormalizalas(r, e) : FixNormalizalas(r, e);
        EXPECT_EQ(v.Ervenytelen, c.ervenytelen) << c.nev;
        EXPECT_EQ(r, c.ki) << c.nev;
        if (c.ervenytelen) continue;
        EXPECT_EQ(v.Meret, c.meret) << c.nev;
        EXPECT_EQ(v.TalalatMax, c.talalat) << c.nev;
    }
    EXPECT_EQ(CsoportMeretDupla(5, {2, 15}), 15);
    EXPECT_EQ(CsoportMeretDupla(15, {2, 15}), 2);
}

TEST(DistributionConditions, NumberGroupsTable)
{
    const EloszlasKornyezet e = kornyezet(12, 5);
    TSzamcsoportokFeltetel r;
    r.Allapot = 1;
    r.Db = 3;
    r.Csoport[0] = {1, 5, 0, 1, 0};
    r.Csoport[1] = {8, 6, 2, 1, 0};    // first past last: the last follows
    r.Csoport[2] = {10, 20, 3, 9, 0};  // last past the selection, hits past the size
    std::int32_t akt = 7;
    SzamcsoportNezet v = SzamcsoportNormalizalas(r, akt, e);
    EXPECT_EQ(akt, 3);  // held within 1..Db
    EXPECT_EQ(r.Csoport[1].UtolsoIndex, 8);
    EXPECT_EQ(r.Csoport[1].TalalatMin, 1);
    EXPECT_EQ(r.Csoport[1].TalalatMax, 1);
    EXPECT_EQ(r.Csoport[2].UtolsoIndex, 12);
    EXPECT_EQ(r.Csoport[2].TalalatMin, 3);
    EXPECT_EQ(r.Csoport[2].TalalatMax, 3);
    EXPECT_EQ(v.TalalatMax, (Korlat{0, 3}));
    EXPECT_EQ(v.MinLabel, "A számcsoport 3 számából minimum");

    // The group being edited: a max lowered below its min lowers the min.
    akt = 1;
    r.Csoport[0].TalalatMin = 4;
    r.Csoport[0].TalalatMax = 2;
    SzamcsoportNormalizalas(r, akt, e, SzamcsoportMezo::TalalatMax);
    EXPECT_EQ(r.Csoport[0].TalalatMin, 2);

    r.Db = 0;
    v = SzamcsoportNormalizalas(r, akt, e, SzamcsoportMezo::Db);
    EXPECT_EQ(r.Db, 1);
    EXPECT_EQ(v.DbTipp, " Kijelölt számcsoportok listája\r\n" + SzamcsoportList(r, 0));

    r.Db = 3;
    SzamcsoportokMinden(r, 2, 4);
    EXPECT_EQ(r.Csoport[0].TalalatMin, 2);
    EXPECT_EQ(r.Csoport[0].TalalatMax, 4);
    EXPECT_EQ(r.Csoport[1].TalalatMin, 1);  // a group of one number
    EXPECT_EQ(r.Csoport[1].TalalatMax, 1);
}

TEST(DistributionConditions, ListTexts)
{
    TSzamcsoportokFeltetel r;
    r.Db = 2;
    r.Csoport[0] = {1, 5, 0, 1, 0};
    r.Csoport[1] = {12, 25, 2, 10, 0};
    EXPECT_EQ(SzamcsoportList(r, 0), "  1. számcsoport  5 száma:  1. -  5. számig terjed, minimum 0, maximum 1 találat. ");
    EXPECT_EQ(SzamcsoportList(r, 1), "  2. számcsoport 14 száma: 12. - 25. számig terjed, minimum 2, maximum 10 találat. ");

    TTombByte1D sel;
    for (int i = 1; i <= 17; ++i) sel.push_back(static_cast<std::uint8_t>(i));
    std::string vart = " Számcsoport számai: \r\n";
    for (int i = 1; i <= 17; ++i) {
        vart += ' ';
        vart += std::to_string(i);
        vart += ' ';
        if (i == 15) vart += "\r\n";
    }
    EXPECT_EQ(SzamcsoportSzamai(true, 0, 16, sel, 17), vart);
    EXPECT_EQ(SzamcsoportSzamai(false, 1, 2, sel, 17), " Index számkészlete  2 szám: \r\n 2  3 ");
    EXPECT_EQ(SzamcsoportSzamai(true, 3, 2, sel, 17), "");
    EXPECT_EQ(SzamcsoportSzamai(true, 0, 17, sel, 17), "");  // past the selection
    // Exactly 15 numbers: no break after the last.
    const std::string fejlec = " Számcsoport számai: \r\n";
    EXPECT_EQ(SzamcsoportSzamai(true, 0, 14, sel, 17).find("\r\n", fejlec.size()), std::string::npos);
    EXPECT_EQ(ElsoPozicioDupla(4, 4), 1);
    EXPECT_EQ(ElsoPozicioDupla(2, 4), 4);
    EXPECT_EQ(UtolsoPozicioDupla(4, 4, 12), 12);
    EXPECT_EQ(UtolsoPozicioDupla(2, 4, 12), 2);
}

TEST(DistributionConditions, ActiveSetSelectsRecordsWithoutUnselecting)
{
    FeltetelRekordok f;
    f.OsszegFeltetel.Allapot = 1;
    EXPECT_TRUE(VanKijeloltFeltetel(f));
    TFeltetelMaszk m;
    m.SetFeltetel(BitFav);
    m.SetFeltetel(BitSzamcsoportok);
    m.SetFeltetel(BitTerjedelem);  // without sub-bits: nothing
    m.SetFeltetel(BitSzomszedos);
    m.SetAlFeltetel(AlBitSzomszedosMob);
    FeltetelekMaszkbol(f, m);
    EXPECT_EQ(f.FavFeltetel.Allapot, 1);
    EXPECT_EQ(f.SzamcsoportokFeltetel.Allapot, 1);
    EXPECT_EQ(f.OsszegFeltetel.Allapot, 1);  // kept
    EXPECT_EQ(f.TerjedelemFeltetel.Allapot, 0);
    EXPECT_EQ(f.SzomszedosFeltetel.Mob, 1);
    EXPECT_EQ(f.SzomszedosFeltetel.Alt, 0);
    EXPECT_FALSE(VanKijeloltFeltetel(FeltetelRekordok{}));
}
