#include "app/messages.h"

#include <gtest/gtest.h>

namespace kvx {
namespace {

TEST(Uzenetek, FailedBoxNeverAnswersYes)
{
    // Every question routine answers its last button when the box cannot be
    // shown: No for the yes/no questions, Cancel for the three-way one.
    struct Eset {
        UzenetRutin r;
        int vart;
    };
    const Eset esetek[] = {
        {UzenetRutin::HibaUzenet, mrOk},           {UzenetRutin::HibaKerdes, mrNo},
        {UzenetRutin::FigyelmeztetoKerdes, mrNo},  {UzenetRutin::FigyelmeztetoUzenet, mrOk},
        {UzenetRutin::JovahagyasKerese, mrNo},     {UzenetRutin::JovahagyasKerdes, mrNo},
        {UzenetRutin::IgenNemMegseKerdes, mrCancel}, {UzenetRutin::InformacioUzenet, mrOk},
        {UzenetRutin::HasznosInformacio, mrNo},
    };
    for (const auto& e : esetek) {
        const UzenetLeiras l = uzenetLeiras(e.r);
        EXPECT_EQ(sikertelenEredmeny(l.Gombok), e.vart) << l.Cim;
        EXPECT_NE(sikertelenEredmeny(l.Gombok), mrYes);
    }
}

TEST(Uzenetek, ButtonOrderAndCaptions)
{
    const UzenetLeiras l = uzenetLeiras(UzenetRutin::IgenNemMegseKerdes);
    ASSERT_EQ(gombokSzama(l.Gombok), 3);
    EXPECT_STREQ(gombFelirat(gombSorrendben(l.Gombok, 0)), "Igen");
    EXPECT_STREQ(gombFelirat(gombSorrendben(l.Gombok, 1)), "Nem");
    EXPECT_STREQ(gombFelirat(gombSorrendben(l.Gombok, 2)), "Mégse");
    EXPECT_EQ(l.RendszerJelzok, 0x223u);
    EXPECT_STREQ(uzenetLeiras(UzenetRutin::HasznosInformacio).Cim, " Hasznos információ");
    EXPECT_EQ(uzenetLeiras(UzenetRutin::JovahagyasKerdes).Hang, 4);
    EXPECT_EQ(uzenetLeiras(UzenetRutin::JovahagyasKerese).Hang, -1);
}

TEST(Uzenetek, FileErrorTexts)
{
    EXPECT_EQ(allomanyHibaSzoveg(0, 0, ""), "Hiba történt a számsor állományának betöltése során.");
    EXPECT_EQ(allomanyHibaSzoveg(2, 1, ""), "Hiba történt az adatbázis állományának mentése során.");
    EXPECT_EQ(allomanyHibaSzoveg(3, 1, "/x/kavarex.ini"),
              "Hiba történt a /x/kavarex.ini állományának mentése során.");
    EXPECT_EQ(ervenytelenAllomanySzoveg("a.tip", "Saját.", false), "Saját.\r\n\r\na.tip");
}

TEST(Uzenetek, OtherGameFileNamesTheGameOnlyForAValidIndex)
{
    const std::string ervenyes = masikJatekAllomanySzoveg("x.tip", false, 0);
    EXPECT_NE(ervenyes.find("A program megkísérli betölteni: "), std::string::npos);
    for (int index : {-1, 45}) {
        const std::string s = masikJatekAllomanySzoveg("x.tip", false, index);
        EXPECT_EQ(s, "Nem az aktuális játékhoz tartozó állomány.\r\n\r\nx.tip") << index;
    }
    EXPECT_EQ(masikJatekAllomanySzoveg("x.tip", true, 3),
              "Nem az aktuális játékhoz tartozó állomány - vagy módosult a játék számkészlete, "
              "szabályzata\r\n\r\nx.tip");
}

TEST(Uzenetek, ExtraNumberHistory)
{
    EXPECT_EQ(pluszSzamTortenet(1, 794), "");
    EXPECT_NE(pluszSzamTortenet(1, 795).find("2007. 30. játékhetéig"), std::string::npos);
    EXPECT_NE(pluszSzamTortenet(38, 865).find("3 plusz számot"), std::string::npos);
    EXPECT_EQ(pluszSzamTortenet(38, 866), "");
    EXPECT_EQ(pluszSzamTortenet(2, 0), "");
    const std::string tipp = pluszSzamTippSzoveg(true, true, "T");
    EXPECT_TRUE(tipp.ends_with("\r\n\r\nT"));
    EXPECT_EQ(pluszSzamTippSzoveg(true, false, "T").find("T", tipp.size() - 1), std::string::npos);
}

TEST(Uzenetek, UsefulInformationTextPerPresentation)
{
    EXPECT_EQ(hasznosInformacioSzoveg("X", false),
              "X\r\n\r\nErre legközelebb is emlékeztesse a program?\r\n\r\n");
    EXPECT_EQ(hasznosInformacioSzoveg("X", true),
              "X\r\n\r\n\r\n\r\nErre legközelebb is emlékeztesse a program?");
}

TEST(Uzenetek, UnfinishedVariationNoticeDue)
{
    EXPECT_FALSE(befejezetlenVariacioErtesitendo(false, {true, true, true}));
    EXPECT_FALSE(befejezetlenVariacioErtesitendo(true, {false, false, false}));
    EXPECT_TRUE(befejezetlenVariacioErtesitendo(true, {false, true, false}));
}

TEST(Uzenetek, OwnDialogArithmetic)
{
    EXPECT_EQ(cimkeMaxSzelesseg(1.25, 2000), 620);
    EXPECT_EQ(cimkeMaxSzelesseg(2.5, 1000), 960);  // narrow work area
    EXPECT_DOUBLE_EQ(dialogusSkala(1.256), 1.26);
    // Row right-aligned at 200..400 in a 420 wide client, first left 200:
    // gap 20, shift -(200-20)/2 = -90 centres it.
    EXPECT_EQ(gombSorEltolas(200, 325, 75, 420), -90);
    EXPECT_EQ(gombSorEltolas(20, 325, 75, 420), 0);
    EXPECT_EQ(gombSorEltolas(21, 325, 75, 420), 0);  // -(1/2) rounds toward zero

    DialogusMeretek m{10, 300, 40, 400, 200, 200, 190, 1024, 768};
    EXPECT_TRUE(dialogusElfogadhato(m));
    DialogusMeretek magas = m;
    magas.DialogusMagassag = 900;
    EXPECT_FALSE(dialogusElfogadhato(magas));
    DialogusMeretek gombKivul = m;
    gombKivul.UtolsoGombAlja = 201;
    EXPECT_FALSE(dialogusElfogadhato(gombKivul));
}

}  // namespace
}  // namespace kvx
