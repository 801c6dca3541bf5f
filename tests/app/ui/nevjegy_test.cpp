// The about box without the main window's wiring: its links ask for their
// internet actions once the actions exist, the support button asks its
// question before it asks for the mail, "Licenc" opens the help of the main
// window the box belongs to, and its two commands are registered by the box.
#include "app/ui/nevjegy.h"

#include "app/maker_info.h"
#include "app/messages.h"
#include "app/shell_state.h"
#include "app/ui/parancs_tar.h"
#include "app/ui/program.h"
#include "app/ui/sugo.h"

#include <QAction>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <gtest/gtest.h>

#include "valaszolo.h"

namespace {

using kvx::InternetMuvelet;
using kvx::TNevjegy;
using kvx::teszt::Valaszolo;

// Records the anchors of the local pages the program asks the desktop to open.
class UrlNaplo : public QObject {
    Q_OBJECT
public:
    UrlNaplo() { QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "megnyit"); }
    ~UrlNaplo() override { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }
    QStringList Horgonyok;

public slots:
    void megnyit(const QUrl& u) { Horgonyok << u.fragment(); }
};

class NevjegyTest : public ::testing::Test {
protected:
    void SetUp() override { nevjegy_ = new TNevjegy(&foablak_, QStringLiteral("1.0.0.0"), QStringLiteral("5")); }
    QList<QLabel*> linkek() const
    {
        return {nevjegy_->Label3, nevjegy_->Label4, nevjegy_->Label6, nevjegy_->MailCimke};
    }

    kvx::Program program_;
    QMainWindow foablak_;
    TNevjegy* nevjegy_ = nullptr;
};

TEST_F(NevjegyTest, LinksAskForTheirActionsOnceTheActionsExist)
{
    nevjegy_->show();
    QList<InternetMuvelet> kert;
    QObject::connect(nevjegy_, &TNevjegy::internetKerve, [&](InternetMuvelet m) { kert << m; });
    for (QLabel* l : linkek()) {
        EXPECT_FALSE(l->isEnabled()) << l->objectName().toStdString();
        EXPECT_EQ(l->toolTip(), QString::fromUtf8(kvx::kNemErhetoEl));
    }
    nevjegy_->Start(true);
    EXPECT_TRUE(kert.isEmpty());
    nevjegy_->InternetElerheto();
    for (QLabel* l : linkek()) {
        EXPECT_TRUE(l->isEnabled()) << l->objectName().toStdString();
        QTest::mouseClick(l, Qt::LeftButton);
    }
    EXPECT_EQ(kert, (QList<InternetMuvelet>{InternetMuvelet::KavarexHonlap, InternetMuvelet::Kalkulator,
                                            InternetMuvelet::Szimulator, InternetMuvelet::Level}));
    EXPECT_EQ(nevjegy_->TamogatasGombTag, 0);
    // With the new-version button showing, the box asks for the version check.
    kert.clear();
    nevjegy_->Start(true);
    EXPECT_EQ(kert, QList<InternetMuvelet>{InternetMuvelet::UjVerzio});
}

TEST_F(NevjegyTest, SupportAsksFirstAndWithoutTheActionsSaysItIsNotAvailable)
{
    kvx::uzenetBeallitasok().Jovahagyas = true;
    QList<InternetMuvelet> kert;
    {
        Valaszolo v({QStringLiteral("Igen"), QStringLiteral("OK")});
        nevjegy_->TamogatasGomb->click();
        ASSERT_EQ(v.Latott.size(), 2);
        EXPECT_TRUE(v.Latott[1].Szoveg.contains(QString::fromUtf8(kvx::kNemErhetoEl).trimmed()))
            << v.Latott[1].Szoveg.toStdString();
    }
    EXPECT_EQ(nevjegy_->TamogatasGombTag, 1);
    QObject::connect(nevjegy_, &TNevjegy::internetKerve, [&](InternetMuvelet m) { kert << m; });
    nevjegy_->InternetElerheto();
    {
        Valaszolo v({QStringLiteral("Nem")});
        nevjegy_->Tamogatas();
        EXPECT_EQ(v.Latott.size(), 1);
    }
    EXPECT_TRUE(kert.isEmpty());
    {
        Valaszolo v({QStringLiteral("Igen")});
        nevjegy_->Tamogatas();
        EXPECT_EQ(v.Latott.size(), 1);
    }
    EXPECT_EQ(kert, QList<InternetMuvelet>{InternetMuvelet::Level});
}

// The licence opens the help of the main window the box belongs to; a box
// without one has no help to open.
TEST_F(NevjegyTest, LicenceOpensTheHelpOfItsMainWindow)
{
    EXPECT_FALSE(nevjegy_->LicencButton->isEnabled());
    QTemporaryDir dir;
    const QString oldal = dir.filePath(QStringLiteral("kavarex.html"));
    QFile f(oldal);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    auto* sugo = new kvx::Sugo(&foablak_, nullptr);
    sugo->Allomany = oldal;
    TNevjegy nevjegy(&foablak_, QStringLiteral("1.0.0.0"), QStringLiteral("5"));
    ASSERT_TRUE(nevjegy.LicencButton->isEnabled());
    QStringList horgonyok;
    {
        UrlNaplo naplo;
        nevjegy.LicencButton->click();
        horgonyok = naplo.Horgonyok;
    }
    EXPECT_EQ(horgonyok, QStringList{QStringLiteral("k%1").arg(kvx::kSugoLicenc)});
    // The page has gone: the box says the help is missing.
    sugo->Allomany.clear();
    Valaszolo v({QStringLiteral("OK")});
    nevjegy.LicencButton->click();
    ASSERT_EQ(v.Latott.size(), 1);
    EXPECT_TRUE(v.Latott[0].Szoveg.contains(QStringLiteral("Hiányzik a Súgó állománya")));
}

TEST_F(NevjegyTest, ItsCommandsShowTheBoxAndAskTheSupportQuestion)
{
    new kvx::ParancsTar(&foablak_);
    kvx::NevjegyBekotese(*nevjegy_);
    ASSERT_FALSE(nevjegy_->isVisible());
    kvx::Parancs(kvx::ParancsId::Nvjegy1)->trigger();
    EXPECT_TRUE(nevjegy_->isVisible());
    kvx::uzenetBeallitasok().Jovahagyas = true;
    Valaszolo v({QStringLiteral("Nem")});
    kvx::Parancs(kvx::ParancsId::mogats1)->trigger();
    ASSERT_EQ(v.Latott.size(), 1);
    EXPECT_EQ(QString(v.Latott[0].Szoveg).remove(QChar('\r')),
              QString::fromStdString(kvx::tamogatasKerdes(kvx::gyartoCimek())).remove(QChar('\r')));
    EXPECT_EQ(nevjegy_->TamogatasGombTag, 1);
}

}  // namespace

#include "nevjegy_test.moc"
