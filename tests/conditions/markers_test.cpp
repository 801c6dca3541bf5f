#include "conditions/markers.h"

#include <gtest/gtest.h>

namespace kvx {
namespace {

GameParams jatek(int index) { return kvx::JatekParameterei(index); }

struct Kijeloles {
    Kijeloles(int index, std::initializer_list<int> szamok, int mode = ModKijelolt) : g(jatek(index))
    {
        ListakInicializalasa(l, g, ms);
        for (int n : szamok) SzamJeloles(l, g, ms, n, mode, false);
    }
    SzamJelzok jelzok(const FeltetelRekordok& f = {}, int rend = 0)
    {
        SzamJelzok j;
        SzamJelzoBeallitas(j, l, g, f, rend);
        return j;
    }
    GameParams g;
    SzamListak l;
    MainState ms;
};

TEST(Markers, TwinsAndMirrorPairs)
{
    Kijeloles k(0, {12, 21, 33});
    SzamJelzok j = k.jelzok();
    EXPECT_TRUE(j.SzamJelzo[0] & JelzoTukor);
    EXPECT_TRUE(j.SzamJelzo[1] & JelzoTukor);
    EXPECT_FALSE(j.SzamJelzo[2] & JelzoTukor);
    EXPECT_TRUE(j.SzamJelzo[2] & JelzoIker);
    EXPECT_FALSE(j.SzamJelzo[0] & JelzoIker);
    EXPECT_EQ(j.TukorPar, (TTombInt1D{1, 0, -1}));
    EXPECT_EQ(j.TukorszamMaxUD, 1);
    EXPECT_EQ(j.IkerszamMaxUD, 1);
    // Digits 1, 2, 2, 1, 3, 3: each digit repeats once.
    EXPECT_EQ(j.SzjCsoportDb, 3);
    EXPECT_EQ(j.SzjIsmetOsszes, 3);
    EXPECT_EQ(j.SzjIsmetEgy, 1);
    EXPECT_EQ(j.SzjIsmetCsoportDb, 3);
    EXPECT_EQ(j.SzJParosUD, 2);
    EXPECT_EQ(j.SzJParosMaxUD, 4);
    EXPECT_EQ(j.SzamjegyIndex[0], (TTombByte1D{1, 2, 3}));
    EXPECT_EQ(j.SzamjegyIndex[1], (TTombByte1D{2, 1, 3}));

    // 90 has no mirror partner (09 is not a two-digit number), nor does 11.
    Kijeloles k2(0, {90, 9, 11, 45, 54});
    j = k2.jelzok();
    EXPECT_EQ(j.TukorPar, (TTombInt1D{-1, -1, -1, 4, 3}));
    EXPECT_EQ(j.TukorszamMaxUD, 1);
}

TEST(Markers, OneDigitSelection)
{
    Kijeloles k(0, {1, 2, 3, 5});
    SzamJelzok j = k.jelzok();
    EXPECT_EQ(j.IkerszamMaxUD, 0);
    EXPECT_EQ(j.TukorszamMaxUD, 0);
    EXPECT_EQ(j.SzcsCsoportDb, 1);
    EXPECT_EQ(j.EgyjegyuDb, 4);
    EXPECT_EQ(j.SzcsIsmetOsszes, 3);
    EXPECT_EQ(j.SzcsIsmetEgy, 3);
    EXPECT_EQ(j.SzcsIsmetCsoportDb, 1);
    EXPECT_EQ(j.SzamjegyIndex[0], (TTombByte1D{255, 255, 255, 255}));
    EXPECT_EQ(j.SzcsParosUD, 4);  // tens group 0 is even
    EXPECT_EQ(j.SzvParosUD, 1);
    EXPECT_EQ(j.SzvParosMaxUD, 3);
}

TEST(Markers, PrimesEvenAndGroups)
{
    Kijeloles k(0, {2, 9, 11, 49, 53, 89, 90});
    SzamJelzok j = k.jelzok();
    const bool primek[] = {true, false, true, false, true, true, false};
    for (std::size_t i = 0; i < 7; ++i) EXPECT_EQ((j.SzamJelzo[i] & JelzoPrim) != 0, primek[i]) << i;
    EXPECT_EQ(j.SzamJelzo[0] & (JelzoParos | JelzoParosCsoport), JelzoParos | JelzoParosCsoport);  // 2
    EXPECT_EQ(j.SzamJelzo[2] & (JelzoParos | JelzoParosCsoport), 0);                              // 11
    EXPECT_EQ(j.CsoportIndex, (TTombInt1D{0, 0, 1, 4, 5, 8, 9}));
    EXPECT_EQ(j.VegzodesIndex, (TTombInt1D{2, 9, 1, 9, 3, 9, 0}));
    EXPECT_EQ(j.SzvIsmetOsszes, 2);  // three numbers end in 9
    EXPECT_EQ(j.SzvIsmetEgy, 2);
    EXPECT_EQ(j.SzvCsoportDb, 5);
}

TEST(Markers, ConstantAndFavouriteBits)
{
    Kijeloles k(24, {3, 17, 40});
    SzamJeloles(k.l, k.g, k.ms, 52, ModAllando, false);  // a constant Lucky Star
    SzamJeloles(k.l, k.g, k.ms, 17, ModKijelolt, true);
    SzamJeloles(k.l, k.g, k.ms, 17, ModAllando, false);
    ASSERT_EQ(k.l.KijeloltSzamok, (TTombByte1D{3, 40, 17, 52}));
    FeltetelRekordok f;
    f.FavFeltetel.ElsoIndex = 2;  // positions 2..3, whether or not the condition is ticked
    f.FavFeltetel.UtolsoIndex = 3;
    SzamJelzok j = k.jelzok(f);
    EXPECT_EQ(j.SzamJelzo.size(), 4u);
    EXPECT_EQ(j.TukorPar.size(), 3u);  // main-pool numbers only
    EXPECT_FALSE(j.SzamJelzo[0] & JelzoFavorizalt);
    EXPECT_TRUE(j.SzamJelzo[1] & JelzoFavorizalt);
    EXPECT_TRUE(j.SzamJelzo[2] & JelzoFavorizalt);
    EXPECT_TRUE(j.SzamJelzo[2] & JelzoAllando);
    EXPECT_EQ(j.SzamJelzo[3], JelzoAllando);  // the extra number carries only the constant bit
}

TEST(Markers, OrderFlags)
{
    SzamJelzok j = Kijeloles(0, {3, 4, 9}).jelzok({}, 1);
    EXPECT_TRUE(j.Novekvo);
    EXPECT_TRUE(j.Rendezett);
    EXPECT_TRUE(j.VanSzomszedos);
    EXPECT_TRUE(j.KijeloltNemSzomszedos);
    EXPECT_EQ(j.SzamsorrendNeve, "Növekvő - rendezett ");

    j = Kijeloles(0, {9, 3, 4}).jelzok();
    EXPECT_FALSE(j.Novekvo);
    EXPECT_FALSE(j.Rendezett);
    EXPECT_TRUE(j.VanSzomszedos);
    EXPECT_EQ(j.RendezettSzamok, (TTombByte1D{3, 4, 9}));
    EXPECT_EQ(j.SzamsorrendNeve, "Változatlan");

    j = Kijeloles(0, {7}).jelzok();
    EXPECT_TRUE(j.Novekvo);
    EXPECT_FALSE(j.Rendezett);
    EXPECT_FALSE(j.VanSzomszedos);

    // Extra-pool numbers do not count as neighbours or break the order.
    j = Kijeloles(24, {5, 20, 50, 51, 52}).jelzok();
    EXPECT_TRUE(j.Rendezett);
    EXPECT_FALSE(j.VanSzomszedos);
    EXPECT_TRUE(j.KijeloltNemSzomszedos);
}

FeltetelRekordok teleFeltetelek()
{
    FeltetelRekordok f;
    std::vector<std::uint8_t> be(kFeltetelBlokkMeret, 0x7B);
    BinReader rd(be);
    EXPECT_TRUE(FeltetelBlokkOlvasas(rd, f));
    f.FavFeltetelPelda.Allapot = 1;
    f.TalalatiAranyFeltetelPelda.DbTartomany = 4;
    f.RegiFeltetelek.fill(9);
    f.RegiSzomszedosFeltetel.fill(9);
    f.VariacioOpciok.Optimalizalas = 1;
    f.VariacioOpciok.SetVedettSzamsorDb(50);
    f.Hibapont = 2;
    f.FeltetelJelzo = true;
    f.TalArAktiv = true;
    f.SorozatSorrend = true;
    return f;
}

// The reset gives what a newly created conditions window has: ticking the
// hit-ratio condition afterwards starts from one searched range of valid
// limits over draw 1..1, on the program's database.
TEST(Markers, ResetGivesTheDefaultsOfANewConditionsWindow)
{
    for (int index = 0; index < kJatekokSzama; ++index) {
        SCOPED_TRACE(index);
        const GameParams g = jatek(index);
        FeltetelRekordok f = teleFeltetelek();
        FeltetelekRekordokReset(f, g);

        FeltetelRekordok uj;
        FeltetelekKezdoertekei(uj, g);
        BinWriter a, b;
        FeltetelBlokkIras(a, f);
        FeltetelBlokkIras(b, uj);
        EXPECT_EQ(a.data(), b.data());

        const TTalalatiAranyFeltetel& t = f.TalalatiAranyFeltetel;
        EXPECT_EQ(t.Allapot, 0);
        EXPECT_EQ(t.DbTartomany, 1);
        EXPECT_EQ(t.Forras, 0);
        for (std::size_t i = 0; i < 10; ++i) {
            EXPECT_EQ(t.Tipus[i], 1);
            EXPECT_EQ(t.TalalatMin[i], 1);
            EXPECT_EQ(t.TalalatMax[i], g.SzamsorFoSzamDb);
            EXPECT_LE(t.TalalatMin[i], t.TalalatMax[i]);
            EXPECT_EQ(t.ElsoHuzas[i], 1);
            EXPECT_EQ(t.UtolsoHuzas[i], 1);
        }
        EXPECT_EQ(f.TalArAdatbazisTipus, 1);
        EXPECT_EQ(f.Hibapont, 0);
        EXPECT_FALSE(f.FeltetelJelzo);
        EXPECT_FALSE(f.TalArAktiv);
        EXPECT_FALSE(f.SorozatSorrend);
        EXPECT_EQ(f.FavFeltetel, TFavFeltetel{});
        EXPECT_EQ(f.SzamsorokFeltetel, TSzamsorokFeltetel{});
        EXPECT_EQ(f.FavFeltetelPelda, TFavFeltetel{});
        EXPECT_EQ(f.TalalatiAranyFeltetelPelda, TTalalatiAranyFeltetel{});
        EXPECT_EQ(f.RegiFeltetelek, decltype(f.RegiFeltetelek){});
        EXPECT_EQ(f.RegiSzomszedosFeltetel, decltype(f.RegiSzomszedosFeltetel){});
        EXPECT_EQ(f.VariacioOpciok, TVariacioOpciok{});
    }
}

TEST(Markers, ClearingWritesTheBackupWhenAllowedAndBeforeClearing)
{
    struct Eset {
        bool szamsor, import, engedely, mentes;
    };
    for (Eset e : {Eset{true, false, true, true}, Eset{true, false, false, false}, Eset{true, true, true, false},
                   Eset{false, false, true, false}}) {
        SCOPED_TRACE(testing::Message() << e.szamsor << e.import << e.engedely);
        FeltetelRekordok f;
        f.FavFeltetel.Allapot = 1;
        SetFeltetelJelzo(f, true, false);
        FeltetelTorlesHelyzet h;
        h.VariacioVanSzamsor = e.szamsor;
        h.ImportFolyamatban = e.import;
        h.BackMentesEngedely = e.engedely;
        EXPECT_EQ(FeltetelTorlesMentes(h), e.mentes);
        int mentve = 0;
        FeltetelTorlesEredmeny r = FeltetelekTorlese(f, h, [&] {
            ++mentve;
            EXPECT_EQ(f.FavFeltetel.Allapot, 1);  // the backup still holds the conditions
        });
        EXPECT_EQ(r.AutomatikusMentes, e.mentes);
        EXPECT_EQ(mentve, e.mentes ? 1 : 0);
        EXPECT_EQ(r.VariacioTorlendo, e.szamsor && !e.import);
        EXPECT_EQ(f.FavFeltetel.Allapot, 0);
    }
}

TEST(Markers, ClearingUnticksConditionsButKeepsTheirValues)
{
    FeltetelRekordok f = teleFeltetelek();
    f.FeltetelJelzo = true;
    FeltetelTorlesEredmeny r = FeltetelekTorlese(f, {});
    EXPECT_TRUE(r.FeltetelekTorolve);
    EXPECT_TRUE(r.HibapontTorolve);
    EXPECT_EQ(f.Hibapont, 0);
    EXPECT_FALSE(f.FeltetelJelzo);
    EXPECT_FALSE(f.TalArAktiv);
    EXPECT_EQ(f.SzomszedosFeltetel.Allapot | f.SzomszedosFeltetel.Alt | f.SzomszedosFeltetel.Mob |
                  f.SzomszedosFeltetel.Fix,
              0);
    EXPECT_EQ(f.TerjedelemFeltetel.Fix | f.TerjedelemFeltetel.Valtozo, 0);
    EXPECT_EQ(f.SzamsorokFeltetel.Tartomany | f.SzamsorokFeltetel.Sorozat, 0);
    EXPECT_EQ(f.SzamkeszletFeltetel.Allapot, 0);
    EXPECT_EQ(f.OsszegFeltetel.Min, 0x7B7B7B7B);  // values stay for when it is ticked again
    EXPECT_EQ(f.SzomszedosFeltetel.AltSorrend, 0x7B);
    EXPECT_EQ(f.FavFeltetelPelda.Allapot, 1);      // only the working images

    // Nothing selected: the records are left alone, the error points still go.
    FeltetelRekordok g;
    g.OsszegFeltetel.Allapot = 1;  // a stale flag without FeltetelJelzo
    g.Hibapont = 1;
    r = FeltetelekTorlese(g, {});
    EXPECT_FALSE(r.FeltetelekTorolve);
    EXPECT_EQ(g.OsszegFeltetel.Allapot, 1);
    EXPECT_EQ(g.Hibapont, 0);

    // In extension mode the error points stay.
    g.Hibapont = 2;
    FeltetelTorlesHelyzet h;
    h.BontasBovites = true;
    h.TulirasBont = true;
    r = FeltetelekTorlese(g, h);
    EXPECT_FALSE(r.HibapontTorolve);
    EXPECT_EQ(g.Hibapont, 2);
}

TEST(Markers, ConditionFlagDerivesHitRatioFlags)
{
    FeltetelRekordok f;
    f.TalalatiAranyFeltetel.Allapot = 1;
    f.TalalatiAranyFeltetel.Forras = 1;
    SetFeltetelJelzo(f, true, false);
    EXPECT_TRUE(f.TalArAktiv);
    EXPECT_TRUE(f.HuzasSzamsorVariacio);
    SetFeltetelJelzo(f, true, true);
    EXPECT_FALSE(f.HuzasSzamsorVariacio);
    SetFeltetelJelzo(f, false, false);
    EXPECT_FALSE(f.TalArAktiv);
}

}  // namespace
}  // namespace kvx
