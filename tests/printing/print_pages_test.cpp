#include "printing/print_pages.h"
#include "printing/rtf_writer.h"
#include "common/binary_io.h"

#include "printing/nyomtatas_fixture.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

using namespace kvx;
using namespace kvx::testing;

namespace {

NyomtatasEgyseg Egyseg(bool lapozas = true)
{
    NyomtatasEgyseg n;
    n.NyomtLapozas = lapozas;
    n.Fejlec = {"12 szám variációja 100 számsorra - Magyar 5/90", "3.1.0.0", "2026. 12. 10."};
    return n;
}

std::string Olvas(const std::string& f)
{
    std::ifstream in(f, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

}  // namespace

TEST(NyomtatasiPuffer, AnAppendedTextSplitsIntoLinesAtEveryLineBreak)
{
    struct Eset {
        const char* be;
        std::vector<std::string> sorok;
    } esetek[] = {
        {"egy", {"egy"}},
        {"", {""}},
        {"egy\r\nkettő", {"egy", "kettő"}},
        {"egy\r\n", {"egy", ""}},
        {"\r\negy", {"", "egy"}},
        {"a\nb\rc\r\n\r\nd", {"a", "b", "c", "", "d"}},
    };
    for (const Eset& e : esetek) {
        NyomtatasEgyseg n;
        n.Hozzaad(e.be, true);
        EXPECT_EQ(n.Sorok(), e.sorok) << e.be;
        for (const NyomtSor& s : n.ListaPuffer)
            EXPECT_TRUE(s.Vastag);
    }
}

TEST(NyomtatasiPuffer, HeaderLineAlignsTheDateAndThePageNumberByTheVersionsLength)
{
    // The date ends at column 18 + len(version) + 30, the page text 40 - len
    // (version) further: 88 characters whatever the version's length.
    for (const std::string v : {"3.1.0.0", "10.12.3.45", ""}) {
        const std::string s = FejlecSor(v, "2026. 12. 10.", true, 2, 13);
        const std::string eleje = " Kavarex Personal " + v;
        ASSERT_EQ(s.substr(0, eleje.size()), eleje);
        EXPECT_EQ(s.substr(eleje.size()), std::string(8, ' ') + "Készült: 2026. 12. 10." +
                                               std::string(40 - v.size() - 10, ' ') + "2/13 oldal");
    }
    EXPECT_EQ(FejlecSor("1.0", "x", false, 1, 1), " Kavarex Personal 1.0" + std::string(20, ' ') + "Készült: x");
    EXPECT_EQ(BontListaCim("12 szám variációja ", 12345, "Magyar 5/90"),
              "12 szám variációja 12 345 számsorra - Magyar 5/90");
    EXPECT_EQ(BontListaCim("12 szám variációja ", 0, "Magyar 5/90"), "12 szám variációja - Magyar 5/90");
}

TEST(NyomtatasiPuffer, PageBreakTestAtTheEndOfA71LinePage)
{
    struct Eset {
        int sorok, k;
        bool elfer;
    } esetek[] = {{67, 3, true}, {68, 3, false}, {66, 4, true}, {67, 4, false}, {69, 2, false}, {68, 2, true}};
    for (const Eset& e : esetek) {
        NyomtatasEgyseg n = Egyseg();
        OldalMeretek(n, true);
        for (int i = 0; i < e.sorok; ++i)
            n.Hozzaad("sor");
        EXPECT_EQ(OldalTores(n, e.k), e.elfer) << e.sorok << " + " << e.k;
        if (e.elfer) {
            EXPECT_EQ(n.SorDb(), e.sorok);
            EXPECT_EQ(n.NyomtOldal, 1);
        } else {
            // A form feed, then the next page's head.
            ASSERT_EQ(n.SorDb(), e.sorok + 4);
            EXPECT_EQ(n.ListaPuffer[e.sorok].Szoveg, kLapdobasSor);
            EXPECT_EQ(n.NyomtOldalKezdet, e.sorok + 1);
            EXPECT_EQ(n.ListaPuffer[e.sorok + 1], (NyomtSor{n.Fejlec.Cim, true}));
            EXPECT_NE(n.ListaPuffer[e.sorok + 2].Szoveg.find("2/1 oldal"), std::string::npos);
            EXPECT_EQ(n.ListaPuffer[e.sorok + 3].Szoveg, ElvalasztoVonal());
            EXPECT_EQ(n.NyomtOldal, 2);
            EXPECT_EQ(n.NyomtSorokSzama, kAllomanyOldalListaSorok);
        }
    }
}

TEST(NyomtatasiPuffer, WithoutPagingANewPageWritesNoFormFeedAndNoSecondHead)
{
    NyomtatasEgyseg n = Egyseg(false);
    BontListaFejlec(n);
    ASSERT_EQ(n.SorDb(), 3);
    EXPECT_EQ(n.ListaPuffer[1].Szoveg.find("oldal"), std::string::npos);
    n.Hozzaad("x");
    UjOldal(n);
    EXPECT_EQ(n.Sorok(), (std::vector<std::string>{n.Fejlec.Cim, n.ListaPuffer[1].Szoveg, ElvalasztoVonal(), "x"}));
    EXPECT_EQ(ElvalasztoVonal(), [] {
        std::string s;
        for (int i = 0; i < 90; ++i)
            s += "—";
        return s;
    }());
}

TEST(NyomtatasiPuffer, PagesEndAfterTheirFormFeedLine)
{
    const auto puffer = [](std::vector<std::string> sorok) {
        std::vector<NyomtSor> p;
        for (auto& s : sorok)
            p.push_back({s, false});
        return p;
    };
    EXPECT_EQ(LapokFelosztasa(puffer({"a", "b"})).size(), 1u);
    EXPECT_EQ(LapokFelosztasa(puffer({})).size(), 1u);
    const auto lapok = LapokFelosztasa(puffer({"a", "\f", "b", "c", "\f", "d"}));
    ASSERT_EQ(lapok.size(), 3u);
    EXPECT_EQ(lapok[0], puffer({"a", "\f"}));
    EXPECT_EQ(lapok[1], puffer({"b", "c", "\f"}));
    EXPECT_EQ(lapok[2], puffer({"d"}));
    EXPECT_EQ(LapokFelosztasa(puffer({"a", "\f"})).size(), 1u);
}

TEST(NyomtatasiPuffer, PrintableRectangleLeavesTheMarginLessThePrintersOffset)
{
    struct Eset {
        double dpi;
        int offX, offY, w, h;
        LapTeglalap t;
    } esetek[] = {
        // 25 mm at 600 dpi is 591 pixels.
        {600, 0, 0, 4960, 7016, {591, 591, 4960 - 591, 7016 - 591}},
        {600, 100, 50, 4960, 7016, {491, 541, 4960 - 491, 7016 - 541}},
        // An offset beyond the margin leaves that side's margin at 0.
        {600, 700, 0, 4960, 7016, {0, 591, 4960, 7016 - 591}},
        // Margins that would cross: the whole page.
        {600, 0, 0, 1000, 7016, {0, 0, 0, 0}},
    };
    for (const Eset& e : esetek)
        EXPECT_EQ(NyomtatasiTeglalap(e.dpi, e.dpi, e.offX, e.offY, e.w, e.h, 25), e.t) << e.w << " " << e.offX;
}

TEST(RtfIro, HungarianLettersAreUnicodeEscapesAndAFormFeedIsAPageBreak)
{
    std::vector<NyomtSor> p = {{"Árvíztűrő tükörfúrógép — ő ű", true}, {"{x}\\y", false}, {"\f", false}, {"vége", false}};
    const std::string rtf = RtfSzoveg(p, 8);
    EXPECT_EQ(rtf.find('\f'), std::string::npos);
    for (unsigned char c : rtf)
        ASSERT_LT(c, 0x80) << "an RTF file is plain ASCII";
    EXPECT_NE(rtf.find("\\u337\\'f5"), std::string::npos);   // ő
    EXPECT_NE(rtf.find("\\u369\\'fb"), std::string::npos);   // ű
    EXPECT_NE(rtf.find("\\u8212\\'97"), std::string::npos);  // em dash
    EXPECT_NE(rtf.find("\\page"), std::string::npos);
    EXPECT_NE(rtf.find("\\{x\\}\\\\y"), std::string::npos);
    EXPECT_NE(rtf.find("\\fs16"), std::string::npos);
    EXPECT_NE(rtf.find("Courier New"), std::string::npos);
}

TEST(RtfIro, AReaderGetsTheLinesBoldHeadingsAndPageBreaksBack)
{
    NyTempDir dir;
    NyomtatasEgyseg n = Egyseg();
    BontListaFejlec(n);
    n.Hozzaad("    Variációra kijelölt számok:\r\n             1 -  2 - 90");
    n.Hozzaad("Események - Prímszám", true);
    n.Hozzaad("  Nem szerepelhetnek prímszám egy számsorban.");
    UjOldal(n);
    n.Hozzaad("Szelvény ára: 300 forint     Variáció költsége: 30 000 forint");
    const std::string f = dir.file("bontlist.rtf");
    ASSERT_TRUE(RtfMentes(f, n.ListaPuffer));
    std::vector<NyomtSor> olvasott = RtfOlvasas(f);
    std::vector<NyomtSor> vart = Tomoritve(n.ListaPuffer);
    // The reader ends the line before a page break itself.
    ASSERT_EQ(olvasott.size(), vart.size());
    for (std::size_t i = 0; i < vart.size(); ++i)
        EXPECT_EQ(olvasott[i], vart[i]) << i << ": " << olvasott[i].Szoveg;
}

TEST(RtfIro, AFailedSaveKeepsTheOldFileAndLeavesNoTemporaryFile)
{
    NyTempDir dir;
    const std::string f = dir.file("huzlist.rtf");
    ASSERT_TRUE(writeFileAtomic(f, std::string_view("régi")));
    // A folder where the file's temporary twin should go cannot be made:
    // the target is a name inside a regular file.
    EXPECT_FALSE(RtfMentes(f + "/x.rtf", {{"új", false}}));
    EXPECT_EQ(Olvas(f), "régi");
    ASSERT_TRUE(RtfMentes(f, {{"új", false}}));
    EXPECT_NE(Olvas(f).find("\\u250"), std::string::npos);
    std::size_t db = 0;
    for (auto& e : std::filesystem::directory_iterator(std::filesystem::path(f).parent_path()))
        (void)e, ++db;
    EXPECT_EQ(db, 1u);
}

TEST(RtfIro, ShortDateOfADayCount)
{
    EXPECT_EQ(RovidDatum(0), "1899. 12. 30.");
    EXPECT_EQ(RovidDatum(46366.75), "2026. 12. 10.");
}
