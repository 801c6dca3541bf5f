// The range dialog on the offscreen platform: it is opened modally and driven
// through its edits and buttons, as a user would.
#include "draws/ui/huzszama.h"
#include "app/ui/program.h"

#include "app/game_table.h"
#include "draws/draw_ranges.h"
#include "draws/draws_table.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {

// A draws table of n draws for game 0 (the stored ranges only count rows).
void Huzasok(std::int32_t n)
{
    kvx::GameParams& g = kvx::game();
    g.LottoIndex = 0;
    kvx::JatekParameterek(g);
    kvx::DrawsState& d = kvx::draws();
    kvx::SetHuzasok(d, n, g.HuzottSzamok + 3);
    for (std::int32_t i = 0; i < n; ++i)
        d.Huzasok[static_cast<std::size_t>(i)][0] = i + 1;
    d.AdatbazisBetoltve = true;
}

// Replaces an edit's text by typing, as the user does after selecting it.
void Beir(QLineEdit* edit, const QString& szoveg)
{
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, szoveg);
}

// Runs `lepesek` once the modal dialog is up.
void Kozben(THuzSzama& w, std::function<void()> lepesek)
{
    QTimer::singleShot(0, &w, [&w, lepesek] {
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
        w.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&w));
        lepesek();
    });
}

class HuzSzamaAblak : public ::testing::Test {
protected:
    // A fresh program state for every test.
    kvx::Program program_;

protected:
    void SetUp() override
    {
        Huzasok(20);
        ablak_ = std::make_unique<THuzSzama>(program_.HuzasokV());
    }
    std::unique_ptr<THuzSzama> ablak_;
};

TEST_F(HuzSzamaAblak, MainTicketRangeTypedAndAccepted)
{
    THuzSzama& w = *ablak_;
    const kvx::HuzSzamaState& s = kvx::huzSzama();
    ASSERT_EQ(s.GetHuzSzamaElso(), 1);
    ASSERT_EQ(s.GetHuzSzamaUtolso(), 20);

    QString fejlec, cim, elsoCimke, doboz, kijeloles;
    bool bejelolve = false;
    Kozben(w, [&] {
        fejlec = w.HuzSzamaFejlec->text();
        cim = w.windowTitle();
        elsoCimke = w.ElsoHuzBeCimke->text();
        doboz = w.MindHuzBox->text();
        bejelolve = w.MindHuzBox->isChecked();
        Beir(w.ElsoHuzBe, "5");
        QTest::keyClick(w.ElsoHuzBe, Qt::Key_Return);  // on to the last field
        Beir(w.UtolsoHuzBe, "12");
        QTest::keyClick(w.UtolsoHuzBe, Qt::Key_Down);   // one arrow step down
        kijeloles = w.Label3->text();
        QTest::mouseClick(w.RendbenGomb, Qt::LeftButton);
    });
    EXPECT_TRUE(w.Start(1));

    EXPECT_EQ(fejlec, QStringLiteral("Főszelvény statisztika"));
    EXPECT_EQ(cim, QStringLiteral(" Húzások száma"));
    EXPECT_EQ(elsoCimke, QStringLiteral("Első húzás"));
    EXPECT_EQ(doboz, QStringLiteral(" Minden húzás"));
    EXPECT_TRUE(bejelolve);  // the stored pair was the whole table
    EXPECT_EQ(kijeloles, QStringLiteral("Kijelölve: 7 húzás"));
    EXPECT_EQ(s.GetHuzSzamaElso(), 5);
    EXPECT_EQ(s.GetHuzSzamaUtolso(), 11);
    EXPECT_EQ(w.MegseGombTag(), 1);
    // The other pairs are untouched.
    EXPECT_EQ(s.GetLHuzSzamaUtolso(), 20);
}

TEST_F(HuzSzamaAblak, TestLinesOfAHitClassLimitedToTheClass)
{
    THuzSzama& w = *ablak_;
    kvx::HuzSzamaKornyezet k = THuzSzama::Kornyezet();
    k.C = 1500;
    k.OsztalyVan = true;

    QString cim, elsoCimke, doboz, kijeloles, tipp, utolso;
    bool bejelolve = true;
    Kozben(w, [&] {
        cim = w.windowTitle();
        elsoCimke = w.ElsoHuzBeCimke->text();
        doboz = w.MindHuzBox->text();
        Beir(w.ElsoHuzBe, "30");
        Beir(w.UtolsoHuzBe, "9999");  // above C: the class's line count
        QTest::keyClick(w.UtolsoHuzBe, Qt::Key_Return);  // clicks Rendben
        utolso = w.UtolsoHuzBe->text();
        bejelolve = w.MindHuzBox->isChecked();
        kijeloles = w.Label3->text();
        tipp = w.UtolsoHuzBe->toolTip();
    });
    EXPECT_TRUE(w.Start(5, k));

    EXPECT_EQ(cim, QStringLiteral(" Számsorok hozzáadása"));
    EXPECT_EQ(elsoCimke, QStringLiteral("Első számsor"));
    EXPECT_EQ(doboz, QStringLiteral(" Minden számsor"));
    EXPECT_EQ(utolso, QStringLiteral("1500"));
    EXPECT_FALSE(bejelolve);
    EXPECT_EQ(kijeloles, QStringLiteral("Kijelölve: ") + QString::number(1471).insert(1, QLocale().groupSeparator()) +
                             QStringLiteral(" számsor"));
    EXPECT_EQ(tipp, QStringLiteral(" Minimum: 1 \n Maximum: 1500 "));
    const kvx::HuzSzamaState& s = kvx::huzSzama();
    EXPECT_EQ(s.GetBontBovitesSzamsorElso(), 30);
    EXPECT_EQ(s.GetBontBovitesSzamsorUtolso(), 1500);
    EXPECT_EQ(w.MegseGombTag(), 5);
}

// The box puts the whole range into the fields; it is stored at once (so a
// later Mégse keeps it), except for the hit-ratio range, which only Rendben
// writes.
TEST_F(HuzSzamaAblak, WholeRangeBoxThenCancel)
{
    THuzSzama& w = *ablak_;
    kvx::HuzSzamaState& s = kvx::huzSzama();
    std::int32_t talArElso = 4, talArUtolso = 9;
    s.SetVariacioTesztSzamsorElso(4);
    s.SetVariacioTesztSzamsorUtolso(9);
    for (int mode : {6, 2}) {
        SCOPED_TRACE(mode);
        kvx::HuzSzamaKornyezet k = THuzSzama::Kornyezet();
        k.TalArElso = &talArElso;
        k.TalArUtolso = &talArUtolso;
        QString elotte, utana;
        bool bejelolve = false;
        Kozben(w, [&] {
            elotte = w.ElsoHuzBe->text() + "-" + w.UtolsoHuzBe->text();
            bejelolve = w.MindHuzBox->isChecked();
            QTest::mouseClick(w.MindHuzBox, Qt::LeftButton, {}, QPoint(8, w.MindHuzBox->height() / 2));
            utana = w.ElsoHuzBe->text() + "-" + w.UtolsoHuzBe->text() + (w.MindHuzBox->isChecked() ? " x" : "");
            QTest::mouseClick(w.MegseGomb, Qt::LeftButton);
        });
        EXPECT_FALSE(w.Start(mode, k));
        EXPECT_EQ(elotte, QStringLiteral("4-9"));
        EXPECT_FALSE(bejelolve);
        EXPECT_EQ(utana, QStringLiteral("1-20 x"));
        EXPECT_EQ(w.MegseGombTag(), -1);
    }
    EXPECT_EQ(s.GetVariacioTesztSzamsorElso(), 1);
    EXPECT_EQ(s.GetVariacioTesztSzamsorUtolso(), 20);
    EXPECT_EQ(talArElso, 4);
    EXPECT_EQ(talArUtolso, 9);
}

// A first draw at or above the last is corrected when the field is left, and
// the user sees the correction in the edits.
TEST_F(HuzSzamaAblak, FirstAboveLastIsCorrected)
{
    struct Eset {
        int mode;
        QString elso;         // typed into the first field (last holds 10)
        QString vartElso, vartUtolso;
    };
    const Eset esetek[] = {
        {3, "15", "15", "16"},  // within limits: last follows with a gap of one
        {3, "19", "19", "20"},  // the largest first draw
        {3, "20", "9", "10"},   // above the first field's maximum: last - 1
        {3, "0", "1", "10"},    // below its minimum: 1
    };
    THuzSzama& w = *ablak_;
    for (const Eset& e : esetek) {
        SCOPED_TRACE(e.elso.toStdString());
        kvx::huzSzama().SetLHuzSzamaElso(3);
        kvx::huzSzama().SetLHuzSzamaUtolso(10);
        QString elso, utolso;
        Kozben(w, [&] {
            Beir(w.ElsoHuzBe, e.elso);
            QTest::keyClick(w.ElsoHuzBe, Qt::Key_Return);
            elso = w.ElsoHuzBe->text();
            utolso = w.UtolsoHuzBe->text();
            QTest::mouseClick(w.RendbenGomb, Qt::LeftButton);
        });
        EXPECT_TRUE(w.Start(e.mode));
        EXPECT_EQ(elso, e.vartElso);
        EXPECT_EQ(utolso, e.vartUtolso);
        EXPECT_EQ(kvx::huzSzama().GetLHuzSzamaElso(), e.vartElso.toInt());
        EXPECT_EQ(kvx::huzSzama().GetLHuzSzamaUtolso(), e.vartUtolso.toInt());
    }
}

TEST_F(HuzSzamaAblak, OneDrawDatabaseWarnsInsteadOfOpening)
{
    Huzasok(1);
    THuzSzama& w = *ablak_;
    QString szoveg, cim;
    bool dialogusLatszott = false;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        dialogusLatszott = w.isVisible();
        if (!box)
            return;
        szoveg = box->text();
        cim = box->windowTitle();
        box->accept();
    });
    EXPECT_FALSE(w.Start(6));
    EXPECT_FALSE(dialogusLatszott);
    EXPECT_EQ(cim, QStringLiteral(" Figyelmeztetés"));
    EXPECT_EQ(szoveg, QStringLiteral("Az adatbázis egy sorsolás adatait tartalmazza.\n\n"
                                     "Minimum két sorsolás szükséges egy tartomány kijelöléséhez."));
    EXPECT_EQ(w.MegseGombTag(), -1);
}

}  // namespace
