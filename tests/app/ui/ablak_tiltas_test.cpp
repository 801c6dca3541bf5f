// The switch-off token on a small set of real windows: a main window with
// its menu bar and toolbar, forms that are its child windows, a dialog of a
// form, and a window of its own (as the wait window is).
#include "app/ui/ablak_tiltas.h"

#include <QApplication>
#include <QDialog>
#include <QMainWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace {

using kvx::AblakTiltas;

class AblakTiltasTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        fo_ = std::make_unique<QMainWindow>();
        menu_ = fo_->menuBar()->addMenu(QStringLiteral("Fájl"));
        eszkoztar_ = fo_->addToolBar(QStringLiteral("Eszköztár"));
        kero_ = new QDialog(fo_.get());
        lista_ = new QDialog(fo_.get());
        feltetelek_ = new QDialog(fo_.get());
        for (QDialog* f : {kero_, lista_, feltetelek_})
            gomb(f);
        kerdes_ = new QDialog(kero_);
        gomb(kerdes_);
        listaDialogus_ = new QDialog(lista_);
        varakozas_ = std::make_unique<QDialog>();
        fo_->show();
        for (QDialog* f : {kero_, lista_, feltetelek_})
            f->show();
        varakozas_->show();
    }

    static QPushButton* gomb(QWidget* w)
    {
        auto* b = new QPushButton(QStringLiteral("OK"), w);
        b->setObjectName(QStringLiteral("gomb"));
        return b;
    }
    // A click on the window's button reaches it.
    static bool kattinthato(QWidget* w)
    {
        auto* b = w->findChild<QPushButton*>(QStringLiteral("gomb"), Qt::FindDirectChildrenOnly);
        int db = 0;
        QObject::connect(b, &QPushButton::clicked, b, [&db] { ++db; });
        QTest::mouseClick(b, Qt::LeftButton);
        b->disconnect();
        return db == 1;
    }

    std::unique_ptr<QMainWindow> fo_;
    QMenu* menu_ = nullptr;
    QToolBar* eszkoztar_ = nullptr;
    QDialog* kero_ = nullptr;
    QDialog* lista_ = nullptr;
    QDialog* feltetelek_ = nullptr;
    QDialog* kerdes_ = nullptr;         // a dialog the asker holds
    QDialog* listaDialogus_ = nullptr;  // a dialog a named form holds
    std::unique_ptr<QDialog> varakozas_;
};

// The token switches off what it names and nothing else: a form under a
// switched-off main window stays usable, and so do the asker and its own
// dialogs even when they are named; the end gives back exactly the states.
TEST_F(AblakTiltasTest, SwitchesOffTheNamedWindowsOnlyAndNeverTheAsker)
{
    {
        const AblakTiltas t({fo_.get(), lista_, kero_, kerdes_}, kero_);
        EXPECT_TRUE(t.Aktiv());
        EXPECT_FALSE(fo_->isEnabled());
        EXPECT_FALSE(fo_->menuBar()->isEnabled());
        EXPECT_FALSE(eszkoztar_->isEnabled());
        EXPECT_FALSE(lista_->isEnabled());
        EXPECT_FALSE(kattinthato(lista_));
        // Not named: a child window of the main window keeps working.
        EXPECT_TRUE(feltetelek_->isEnabled());
        EXPECT_TRUE(kattinthato(feltetelek_));
        // The asker and its dialog, named or not, keep working.
        EXPECT_TRUE(kero_->isEnabled());
        EXPECT_TRUE(kattinthato(kero_));
        EXPECT_TRUE(kerdes_->isEnabled());
        // A dialog held by a named form is no window the token named.
        EXPECT_TRUE(listaDialogus_->isEnabled());
        EXPECT_TRUE(varakozas_->isEnabled());
    }
    for (QWidget* w : {static_cast<QWidget*>(fo_.get()), static_cast<QWidget*>(lista_), static_cast<QWidget*>(kero_),
                       static_cast<QWidget*>(feltetelek_), static_cast<QWidget*>(eszkoztar_)})
        EXPECT_TRUE(w->isEnabled()) << w->metaObject()->className();
    EXPECT_TRUE(kattinthato(lista_));
}

// Every window of the program but the asker and the exceptions: the main
// window and the windows it holds; a window of its own is none of them.
TEST_F(AblakTiltasTest, EveryOtherWindowIsTheMainWindowAndItsForms)
{
    const std::vector<QWidget*> v = kvx::ProgramAblakai();
    const auto benne = [&v](const QWidget* w) { return std::find(v.begin(), v.end(), w) != v.end(); };
    EXPECT_TRUE(benne(fo_.get()));
    EXPECT_TRUE(benne(kero_));
    EXPECT_TRUE(benne(lista_));
    EXPECT_TRUE(benne(feltetelek_));
    EXPECT_FALSE(benne(varakozas_.get()));
    EXPECT_FALSE(benne(kerdes_));  // a form's dialog follows its form
    EXPECT_FALSE(benne(menu_));    // a menu is no window of the program

    const AblakTiltas t = AblakTiltas::MindenMasAblak(kero_, {feltetelek_});
    EXPECT_FALSE(fo_->isEnabled());
    EXPECT_FALSE(lista_->isEnabled());
    EXPECT_TRUE(feltetelek_->isEnabled());
    EXPECT_TRUE(kero_->isEnabled());
    EXPECT_TRUE(varakozas_->isEnabled());
}

// Two tokens on one window: it comes back when the last one ends, in either
// order; a window its owner had switched off stays off; the owner's own
// states inside a window held are its own again afterwards.
TEST_F(AblakTiltasTest, TokensNestAndAWindowOffForItsOwnReasonsStaysOff)
{
    for (bool elsoEloszor : {true, false}) {
        auto a = std::make_unique<AblakTiltas>(std::vector<QWidget*>{fo_.get(), lista_}, kero_);
        auto b = std::make_unique<AblakTiltas>(std::vector<QWidget*>{lista_}, nullptr);
        (elsoEloszor ? a : b).reset();
        EXPECT_FALSE(lista_->isEnabled()) << elsoEloszor;
        EXPECT_EQ(fo_->isEnabled(), elsoEloszor);
        (elsoEloszor ? b : a).reset();
        EXPECT_TRUE(lista_->isEnabled()) << elsoEloszor;
        EXPECT_TRUE(fo_->isEnabled()) << elsoEloszor;
    }

    // Its owner switched the list off, and one button of the conditions.
    lista_->setEnabled(false);
    QPushButton* b = feltetelek_->findChild<QPushButton*>(QStringLiteral("gomb"));
    b->setEnabled(false);
    QPushButton* masik = gomb(feltetelek_);
    {
        const AblakTiltas t = AblakTiltas::MindenMasAblak(nullptr);
        EXPECT_FALSE(lista_->isEnabled());
        EXPECT_FALSE(feltetelek_->isEnabled());
        // While held the owner changes its own buttons.
        b->setEnabled(true);
        masik->setEnabled(false);
        EXPECT_FALSE(b->isEnabled());
    }
    EXPECT_FALSE(lista_->isEnabled());
    EXPECT_TRUE(feltetelek_->isEnabled());
    EXPECT_TRUE(b->isEnabled());
    EXPECT_FALSE(masik->isEnabled());
}

// Message boxes asked while a token holds are usable, whichever window
// they belong to, and so is a held window that the program shows modally
// (it waits for its answer); that window is off again when it has gone.
TEST_F(AblakTiltasTest, BoxesAskedMeanwhileAndModalWindowsCanBeAnswered)
{
    const AblakTiltas t = AblakTiltas::MindenMasAblak(kero_);
    QDialog* modalis = new QDialog(fo_.get());
    gomb(modalis);
    const AblakTiltas t2({modalis}, nullptr);
    ASSERT_FALSE(modalis->isEnabled());

    bool dobozHasznalhato = false, modalisHasznalhato = false;
    for (QWidget* szulo : {static_cast<QWidget*>(fo_.get()), static_cast<QWidget*>(lista_)}) {
        QTimer::singleShot(0, [&dobozHasznalhato] {
            QWidget* w = QApplication::activeModalWidget();
            dobozHasznalhato = w && w->isEnabled();
            if (auto* mb = qobject_cast<QMessageBox*>(w))
                QTest::mouseClick(mb->button(QMessageBox::Ok), Qt::LeftButton);
        });
        QMessageBox doboz(QMessageBox::Information, QStringLiteral("Kavarex"), QStringLiteral("?"), QMessageBox::Ok,
                          szulo);
        EXPECT_EQ(doboz.exec(), QMessageBox::Ok) << szulo->metaObject()->className();
        EXPECT_TRUE(dobozHasznalhato);
    }
    QTimer::singleShot(0, [&modalisHasznalhato, modalis] {
        modalisHasznalhato = kattinthato(modalis);
        modalis->accept();
    });
    modalis->exec();
    EXPECT_TRUE(modalisHasznalhato);
    EXPECT_FALSE(modalis->isEnabled());
}

// A token hands its windows over when moved and ends once; a window gone
// while held is no trouble; replacing a token keeps the windows both name
// off in between and gives back the rest.
TEST_F(AblakTiltasTest, MovedTokensEndOnceAndWindowsMayGoWhileHeld)
{
    AblakTiltas t({lista_, feltetelek_}, nullptr);
    int valtozasok = 0;
    struct Figyelo : QObject {
        int* db;
        explicit Figyelo(int* d) : db(d) {}
        bool eventFilter(QObject*, QEvent* e) override
        {
            if (e->type() == QEvent::EnabledChange)
                ++*db;
            return false;
        }
    } figyelo(&valtozasok);
    lista_->installEventFilter(&figyelo);
    t = AblakTiltas({lista_}, nullptr);
    EXPECT_EQ(valtozasok, 0);
    EXPECT_FALSE(lista_->isEnabled());
    EXPECT_TRUE(feltetelek_->isEnabled());

    AblakTiltas masik(std::move(t));
    EXPECT_FALSE(t.Aktiv());
    t.Vege();
    EXPECT_FALSE(lista_->isEnabled());
    masik.Vege();
    EXPECT_TRUE(lista_->isEnabled());
    masik.Vege();
    EXPECT_TRUE(lista_->isEnabled());
    lista_->removeEventFilter(&figyelo);

    {
        const AblakTiltas h({lista_, fo_.get()}, nullptr);
        delete lista_;
        lista_ = nullptr;
    }
    EXPECT_TRUE(fo_->isEnabled());
    // The main window goes while a token still holds it: one kept by a form,
    // which goes with the main window, and one kept outside.
    struct TokenesAblak : QDialog {
        using QDialog::QDialog;
        AblakTiltas Tiltas;
    };
    auto* birtokos = new TokenesAblak(fo_.get());
    birtokos->Tiltas = AblakTiltas::MindenMasAblak(birtokos);
    auto kivul = std::make_unique<AblakTiltas>(AblakTiltas::MindenMasAblak(nullptr));
    ASSERT_FALSE(fo_->isEnabled());
    fo_.reset();
    kivul.reset();
}

}  // namespace
