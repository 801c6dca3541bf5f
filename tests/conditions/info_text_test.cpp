// The information text: lines with bold headings, number rows, and the
// condition blocks of the tabs.
#include "conditions/info_text.h"

#include <gtest/gtest.h>

#include <string>

#include "valasztas.h"

using namespace kvx;
using teszt::Valasztas;

namespace {

InfoSorok szoveg(Valasztas& v)
{
    SzamJelzoBeallitas(v.j, v.l, v.g, v.f, 0);
    return VariacioInfoSorok({&v.g, &v.l, &v.f, &v.j});
}

bool van(const InfoSorok& s, const InfoSor& sor)
{
    for (const InfoSor& x : s)
        if (x == sor) return true;
    return false;
}

}  // namespace

TEST(InfoText, EntriesSplitIntoLinesThatKeepTheirBoldFlag)
{
    InfoSorok s;
    InfoHozzaad(s, "\r\nHibapont: 0");
    InfoHozzaad(s, "Fej\r\nmásodik", true);
    const InfoSorok vart = {{"", false}, {"Hibapont: 0", false}, {"Fej", true}, {"második", true}};
    EXPECT_EQ(s, vart);
}

TEST(InfoText, NumberRowsOfFifteen)
{
    std::vector<std::int32_t> szamok;
    for (int i = 1; i <= 31; ++i) szamok.push_back(i);
    InfoSorok s;
    InfoHozzaad(s, SzamSorok(szamok));
    ASSERT_EQ(s.size(), 3u);
    EXPECT_EQ(s[0].Szoveg, std::string(12, ' ') + " 1 -  2 -  3 -  4 -  5 -  6 -  7 -  8 -  9 - 10 - 11 - 12 - 13 - 14 - 15");
    EXPECT_EQ(s[2].Szoveg, std::string(12, ' ') + "31");
}

TEST(InfoText, NoConditionAndConditionBlocks)
{
    Valasztas v(0, {2, 11, 3, 40, 22}, 3);
    InfoSorok s = szoveg(v);
    ASSERT_GE(s.size(), 2u);
    EXPECT_EQ(s[0].Szoveg, "    Variációra kijelölt számok:");
    EXPECT_EQ(s[1].Szoveg, std::string(12, ' ') + " 2 - 11 -  3 - 40 - 22");
    EXPECT_TRUE(van(s, {"Nincs kijelölt feltétel.", false}));
    EXPECT_TRUE(van(s, {"Hibapont: 0", false}));

    struct Eset {
        std::int32_t min, max;
        const char* sor;
    };
    const Eset esetek[] = {{0, 0, "  Nem szerepelhetnek prímszám egy számsorban."},
                           {2, 2, "  Egy számsorban, pontosan 2 prímszám szerepelhet."},
                           {1, 3, "  Egy számsorban minimum 1, maximum 3 prímszám szerepelhet."}};
    for (const Eset& c : esetek) {
        v.f.PrimszamFeltetel = {1, {}, c.min, c.max};
        s = szoveg(v);
        EXPECT_TRUE(van(s, {"Események - Prímszám", true}));
        EXPECT_TRUE(van(s, {c.sor, false})) << c.sor;
        EXPECT_FALSE(van(s, {"Nincs kijelölt feltétel.", false}));
    }
    v.f.PrimszamFeltetel.Allapot = 0;
    v.f.SzcsIsmetFeltetel = {1, 0, {}, 0, 1, 0, {}};
    v.f.SzamcsoportTetelesFeltetel.Allapot = 1;
    v.f.SzamcsoportTetelesFeltetel.Db = 1;
    v.f.SzamcsoportTetelesFeltetel.Tetel[0] = {1, 1, 1, 0};
    s = szoveg(v);
    EXPECT_TRUE(van(s, {"Számcsoport - Ismétlődés", true}));
    EXPECT_TRUE(van(s, {"  Egy számcsoport ismétlődhet egy számsorban, minimum 0, maximum 1 esetben. ", false}));
    EXPECT_TRUE(van(s, {"Számcsoport - Tételes", true}));
    EXPECT_TRUE(van(s, {"  1 számcsoport alkalmazása", false}));
    EXPECT_TRUE(van(s, {"    1. Tízes számcsoportból minimum 1, maximum 1 találat elérése. ", false}));
}
