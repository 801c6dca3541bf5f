#include "conditions/line_range_conditions.h"

#include <gtest/gtest.h>

#include <limits>

#include "app/main_state.h"
#include "common/numbering.h"
#include "conditions/consistency_check.h"
#include "conditions/markers.h"
#include "conditions/variation_options.h"

using namespace kvx;

namespace {

// The divisor walk written plainly, counting up one by one.
std::vector<std::int64_t> Bejaras(std::uint64_t a)
{
    std::vector<std::int64_t> v;
    if (a < 2) return v;
    std::uint64_t i = 2;
    while (a / i > 999999999) ++i;
    const std::uint64_t q = a / i;
    while (i <= q && v.size() < 1000) {
        if (a % i == 0) {
            if (i > a / i) break;
            v.push_back(static_cast<std::int64_t>(i));
            i += 2;
        } else {
            ++i;
        }
    }
    for (std::size_t j = v.size(); j-- > 0;)
        v.push_back(static_cast<std::int64_t>(a / static_cast<std::uint64_t>(v[j])));
    return v;
}

std::uint64_t C(int n, int k)
{
    return static_cast<std::uint64_t>(*BinomalisEgyutthato(n, k));
}

SzamsorokKornyezet Kornyezet(std::uint64_t absz)
{
    SzamsorokKornyezet e;
    e.ABSZ = absz;
    e.KijeloltSzamDb = 12;
    e.VariacioMeret = 5;
    e.Lista = OsztoLista(absz);
    return e;
}

}  // namespace

TEST(Szamsorok, DivisorListFollowsThePlainWalk)
{
    EXPECT_EQ(OsztoLista(12), (std::vector<std::int64_t>{2, 6}));
    EXPECT_EQ(OsztoLista(36), (std::vector<std::int64_t>{2, 4, 6, 6, 9, 18}));
    EXPECT_EQ(OsztoLista(4), (std::vector<std::int64_t>{2, 2}));
    EXPECT_TRUE(OsztoLista(7).empty());
    EXPECT_TRUE(OsztoLista(1).empty());
    // The plain walk is slow beyond these (it counts up to the cofactor
    // limit); these still finish in moments.
    for (std::uint64_t a : {std::uint64_t{12}, std::uint64_t{36}, std::uint64_t{4}, std::uint64_t{7}, C(90, 5),
                            C(80, 10), C(45, 6), std::uint64_t{720720}, std::uint64_t{1000003}})
        EXPECT_EQ(OsztoLista(a), Bejaras(a)) << a;
    // Every value of a large variation's list divides it and fits 32 bits.
    const std::uint64_t nagy = C(90, 10);
    const std::vector<std::int64_t> l = OsztoLista(nagy);
    ASSERT_FALSE(l.empty());
    for (std::int64_t d : l) {
        EXPECT_EQ(nagy % static_cast<std::uint64_t>(d), 0u);
        EXPECT_LE(d, 999999999);
    }
}

TEST(Szamsorok, SerialNumbersStayWithinTheRecordsInt32)
{
    const std::int32_t max = std::numeric_limits<std::int32_t>::max();
    struct Eset {
        std::uint64_t absz;
        std::int32_t felso;
    };
    const Eset esetek[] = {{792, 792}, {C(60, 10), max}, {C(90, 10), max}, {0, 1}};
    for (const Eset& c : esetek) EXPECT_EQ(SorszamFelso(c.absz), c.felso) << c.absz;

    EXPECT_EQ(SorszamErtek(""), std::nullopt);
    EXPECT_EQ(SorszamErtek("12a"), std::nullopt);
    EXPECT_EQ(SorszamErtek("75394027566"), 75394027566);
    EXPECT_EQ(SorszamErtek("9223372036854775807"), std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(SorszamErtek("99999999999999999999"), std::numeric_limits<std::int64_t>::max());

    // Typed serial numbers and a sub-range product beyond 32 bits.
    SzamsorokKornyezet e = Kornyezet(C(90, 10));
    TSzamsorokFeltetel r;
    r.DbTartomany = 1;
    r.Elso[0] = max;
    r.Utolso[0] = max;
    SzamsorokTartomanyNormalizalas(r, e);
    EXPECT_EQ(r.Utolso[0], max);
    r.Mod[0] = 1;
    r.Osztas[0] = 0;  // D = the first divisor; its sub-ranges hold billions of lines
    const std::int64_t d = e.Lista[0];
    r.OsztasMin[0] = static_cast<std::int32_t>(d);
    r.OsztasMax[0] = static_cast<std::int32_t>(d);
    SzamsorokTartomanyNormalizalas(r, e);
    EXPECT_EQ(r.Elso[0], max);
    EXPECT_EQ(r.Utolso[0], max);
    r.MintaErtek[0] = max;
    r.DbMinta = 1;
    SzamsorokMintaNormalizalas(r, e);
    EXPECT_EQ(r.MintaErtek[0], max);
    EXPECT_GT(r.MintaMasolat[0], 0);
}

TEST(Szamsorok, SubRangesGiveSerialNumbers)
{
    SzamsorokKornyezet e = Kornyezet(12);
    TSzamsorokFeltetel r;
    r.DbTartomany = 1;
    r.Mod[0] = 1;
    r.Osztas[0] = 1;  // D = 6
    r.OsztasMin[0] = 2;
    r.OsztasMax[0] = 3;
    SzamsorokTartomanyNormalizalas(r, e);
    EXPECT_EQ(r.Elso[0], 3);
    EXPECT_EQ(r.Utolso[0], 6);
    r.Allapot = r.Tartomany = 1;
    EXPECT_EQ(SzamsorokTartomanyokList(r, 0, e.Lista),
              "  1. tartomány: 3. - 6. sorszámú számsorok kizárása. \r\n         6 tartományból: 2. - 3. sorszámú "
              "tartományok ");

    // No divisor (7 lines): the sub-range modes are off.
    SzamsorokKornyezet h = Kornyezet(7);
    h.KijeloltSzamDb = r.KijeloltDb = 7;
    h.VariacioMeret = r.VariacioMeret = 6;
    r.MintaMod[0] = 1;
    SzamsorokOsztoBeallitas(r, h);
    EXPECT_EQ(r.Mod[0], 0);
    EXPECT_EQ(r.MintaMod[0], 0);
    EXPECT_EQ(r.Osztas[0], 0);
    SzamsorokTartomanyNormalizalas(r, h);
    EXPECT_EQ(r.Utolso[0], 6);

    // A changed selection switches every entry to line mode.
    TSzamsorokFeltetel s;
    s.KijeloltDb = 12;
    s.VariacioMeret = 5;
    s.Mod[3] = 1;
    s.Osztas[3] = 40;
    SzamsorokOsztoBeallitas(s, e);
    EXPECT_EQ(s.Mod[3], 1) << "same selection: kept";
    EXPECT_EQ(s.Osztas[3], 1) << "beyond the list: the last item";
    e.KijeloltSzamDb = 13;
    SzamsorokOsztoBeallitas(s, e);
    EXPECT_EQ(s.Mod[3], 0);
    EXPECT_EQ(s.KijeloltDb, 13);
}

// The last serial number below the first takes the first's value, whichever
// end moved; the first stays as given. Sub-ranges: a last moved below the
// first takes the first with it.
TEST(Szamsorok, ALastBelowTheFirstTakesTheFirst)
{
    const SzamsorokKornyezet e = Kornyezet(792);
    struct Eset {
        SzamsorokMezo mezo;
        std::int32_t mod, elso, utolso, vElso, vUtolso;
    };
    const Eset esetek[] = {
        {SzamsorokMezo::Utolso, 0, 150, 140, 150, 150},
        {SzamsorokMezo::Elso, 0, 300, 200, 300, 300},
        {SzamsorokMezo::Utolso, 0, 150, 999, 150, 792},
        {SzamsorokMezo::OsztasMax, 1, 3, 2, 2, 2},
        {SzamsorokMezo::OsztasMin, 1, 3, 2, 3, 3},
    };
    for (const Eset& c : esetek) {
        SCOPED_TRACE(::testing::Message() << c.elso << "-" << c.utolso << " mode " << c.mod);
        TSzamsorokFeltetel r;
        r.DbTartomany = 1;
        r.Mod[0] = static_cast<std::uint8_t>(c.mod);
        r.Osztas[0] = 2;  // D = 6 in sub-range mode
        (c.mod ? r.OsztasMin : r.Elso)[0] = c.elso;
        (c.mod ? r.OsztasMax : r.Utolso)[0] = c.utolso;
        SzamsorokTartomanyNormalizalas(r, e, c.mezo);
        EXPECT_EQ((c.mod ? r.OsztasMin : r.Elso)[0], c.vElso);
        EXPECT_EQ((c.mod ? r.OsztasMax : r.Utolso)[0], c.vUtolso);
    }
}

TEST(Szamsorok, PatternsAndSorting)
{
    SzamsorokKornyezet e = Kornyezet(36);
    TSzamsorokFeltetel r;
    r.Allapot = r.Sorozat = 1;
    r.DbMinta = 2;
    r.MintaErtek[0] = 0;
    r.MintaTipus[0] = 1;
    SzamsorokMintaNormalizalas(r, e);
    EXPECT_EQ(r.MintaErtek[0], 2) << "at least every 2nd";
    EXPECT_EQ(r.MintaMasolat[0], 2);
    r.AktMinta = 1;
    r.MintaMod[1] = 1;
    r.MintaOsztas[1] = 1;  // D = 4: sub-ranges of 9 lines
    r.MintaErtek[1] = 30;
    SzamsorokMintaNormalizalas(r, e);
    EXPECT_EQ(r.MintaErtek[1], 4) << "held to D";
    EXPECT_EQ(r.MintaMasolat[1], 9);
    EXPECT_EQ(SzamsorokSorozatokList(r, 1, e.Lista),
              "  2. minta: a teljes variáció minden 4. tartományának kizárása. \r\n         A teljes variáció 4 "
              "tartományra osztott. ");
    r.MintaErtek[0] = 18;
    r.MintaMasolat[0] = 18;
    SzamsorokSorozatokRendezese(r);
    EXPECT_EQ(r.MintaMasolat[0], 9);
    EXPECT_EQ(r.MintaMod[0], 1);
    EXPECT_EQ(r.MintaErtek[1], 18);

    TSzamsorokFeltetel t;
    t.DbTartomany = 2;
    t.Tipus = {0, 1};
    t.Elso = {50, 1};
    t.Utolso = {60, 100};
    SzamsorokTartomanyokRendezese(t);
    EXPECT_EQ(t.Elso[0], 1);
    EXPECT_EQ(t.Tipus[0], 1);
    EXPECT_EQ(t.Utolso[1], 60);
}

// The consistency check quotes the lists the tabs show.
TEST(Szamsorok, TheCheckQuotesTheListsOfTheTabs)
{
    GameParams g;
    g.LottoIndex = 0;
    JatekParameterek(g);
    SzamListak l;
    MainState ms;
    ListakInicializalasa(l, g, ms);
    for (int n = 1; n <= 12; ++n) SzamJeloles(l, g, ms, n, ModKijelolt, false);
    if (l.VariacioMeret != 5) VariacioMeretBeallitas(l, g, 5);
    FeltetelRekordok f;
    FeltetelekRekordokReset(f, g);
    TSzamsorokFeltetel& r = f.SzamsorokFeltetel;
    r.Allapot = r.Tartomany = 1;
    r.DbTartomany = 2;
    r.Tipus = {1, 0};
    r.Elso = {10, 10};
    r.Utolso = {20, 30};
    f.FeltetelJelzo = true;
    SzamJelzok j;
    SzamJelzoBeallitas(j, l, g, f, 0);
    const VariacioOpcioErtekek o;
    const EllenorzesBemenet be = EllenorzesBemenetKeszites(f, g, l, j, o);
    EXPECT_EQ(be.Listak.SzamsorokDbTartomanyEdit,
              " Kijelölt tartományok listája\r\n  1. tartomány: 10. - 20. sorszámú számsorok keresése. \r\n  2. "
              "tartomány: 10. - 30. sorszámú számsorok kizárása. ");
    const EllenorzesEredmeny e = FeltetelekEllenorzese(be, false);
    EXPECT_FALSE(e.Ok);
    EXPECT_NE(e.EllenorzesUzenet.find(be.Listak.SzamsorokDbTartomanyEdit), std::string::npos) << e.EllenorzesUzenet;
    EXPECT_EQ(e.EllenorzesLap, LapSpec);
    EXPECT_TRUE(be.Listak.DbSorozatEdit.starts_with(" Kijelölt minták listája"));
    EXPECT_TRUE(be.Listak.DbTartomanyEdit.starts_with(" Kijelölt tartományok listája"));
}
