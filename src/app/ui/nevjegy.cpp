#include "app/ui/nevjegy.h"
#include "app/ui/program.h"

#include <QAction>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <cmath>
#include <functional>

#include "app/maker_info.h"
#include "app/messages.h"
#include "app/shell_state.h"
#include "app/ui/parancs_tar.h"
#include "app/ui/sugo.h"
#include "app/ui/uzenetek.h"

namespace kvx {

namespace {

// A label that reports clicks with the internet action it stands for.
class LinkCimke : public QLabel {
public:
    LinkCimke(const QString& szoveg, InternetMuvelet muvelet, QWidget* p, std::function<void(InternetMuvelet)> katt)
        : QLabel(szoveg, p), muvelet_(muvelet), katt_(std::move(katt))
    {
        setCursor(Qt::PointingHandCursor);
        setProperty("Tag", static_cast<int>(muvelet));
    }

protected:
    void mouseReleaseEvent(QMouseEvent* e) override
    {
        if (e->button() == Qt::LeftButton && isEnabled() && rect().contains(e->position().toPoint()))
            katt_(muvelet_);
        QLabel::mouseReleaseEvent(e);
    }

private:
    InternetMuvelet muvelet_;
    std::function<void(InternetMuvelet)> katt_;
};

void szin(QLabel* l, const QColor& szoveg, const QColor* hatter = nullptr)
{
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, szoveg);
    if (hatter) {
        p.setColor(QPalette::Window, *hatter);
        l->setAutoFillBackground(true);
    }
    l->setPalette(p);
}

}  // namespace

TNevjegy::TNevjegy(QWidget* parent, const QString& verzioSzoveg, const QString& onlineSorszam,
                   double meretSzorzo)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Nevjegy"));
    setWindowTitle(QStringLiteral(" Névjegy"));
    const GyartoCimek& c = gyartoCimek();
    auto katt = [this](InternetMuvelet m) { Label4Click(m); };

    Label1 = new QLabel(this);
    VersionCimke = new QLabel(QStringLiteral("Kavarex Personal"), this);
    VersionLabel = new QLabel(QStringLiteral("Verzió: ") + verzioSzoveg, this);
    VariantLabel = new QLabel(QStringLiteral("Online: ") + onlineSorszam, this);
    KeszultCimke = new QLabel(QStringLiteral("Lottójátékosok számsor- és variációkészítő programja"), this);
    Label2 = new QLabel(QString(), this);
    Label3 = new LinkCimke(QString::fromStdString(c.Honlap), InternetMuvelet::KavarexHonlap, this, katt);
    Label4 = new LinkCimke(QStringLiteral("Kavarex kalkulátor"), InternetMuvelet::Kalkulator, this, katt);
    Label6 = new LinkCimke(QStringLiteral("Kavarex szimulátor"), InternetMuvelet::Szimulator, this, katt);
    MailCimke = new LinkCimke(QString::fromStdString(c.Email), InternetMuvelet::Level, this, katt);
    OKButton = new QPushButton(QStringLiteral("Bezárás"), this);
    LicencButton = new QPushButton(QStringLiteral("Licenc"), this);
    TamogatasGomb = new QPushButton(QStringLiteral("Támogatás"), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label4->setObjectName(QStringLiteral("Label4"));
    Label6->setObjectName(QStringLiteral("Label6"));
    MailCimke->setObjectName(QStringLiteral("MailCimke"));
    OKButton->setObjectName(QStringLiteral("OKButton"));
    LicencButton->setObjectName(QStringLiteral("LicencButton"));
    TamogatasGomb->setObjectName(QStringLiteral("TamogatasGomb"));

    connect(OKButton, &QPushButton::clicked, this, &TNevjegy::OKButtonClick);
    connect(LicencButton, &QPushButton::clicked, this, &TNevjegy::LicencButtonClick);
    connect(TamogatasGomb, &QPushButton::clicked, this, &TNevjegy::TamogatasGombClick);
    FormCreate(meretSzorzo);
    allapotFrissites();
}

void TNevjegy::FormCreate(double meretSzorzo)
{
    const double skala = meretSzorzo > 1.0 ? std::round(meretSzorzo * 100) / 100.0 : 1.0;
    auto px = [skala](int v) { return static_cast<int>(std::lround(v * skala)); };
    QFont f(QStringLiteral("Tahoma"));
    f.setPointSizeF(8.0 * skala);
    setFont(f);
    setFixedSize(px(408), px(186));

    const QColor sotet(44, 65, 82), cim(36, 100, 156), szoveg(24, 45, 62), link(54, 75, 92);
    const QColor feher(Qt::white);
    szin(Label1, feher, &sotet);
    QFont cf = f;
    cf.setBold(true);
    cf.setPointSizeF(12.0 * skala);
    VersionCimke->setFont(cf);
    szin(VersionCimke, cim);
    for (QLabel* l : {VersionLabel, VariantLabel, KeszultCimke, Label2}) szin(l, szoveg);
    for (QLabel* l : {Label3, Label4, Label6, MailCimke}) {
        szin(l, feher, &link);
        l->setIndent(px(6));
    }

    // Left column: the dark panel with the links stacked 1 pixel apart.
    const int panelSzel = px(170);
    Label1->setGeometry(0, 0, panelSzel, px(186));
    const int linkMag = px(20);
    Label4->setGeometry(px(8), px(70), panelSzel - px(16), linkMag);
    Label6->setGeometry(px(8), Label4->y() + Label4->height() + 1, panelSzel - px(16), linkMag);
    Label3->setGeometry(px(8), Label6->y() + Label6->height() + 1, panelSzel - px(16), linkMag);
    MailCimke->setGeometry(px(8), Label3->y() + Label3->height() + 1, panelSzel - px(16), linkMag);

    const int x = panelSzel + px(14);
    const int w = px(408) - x - px(10);
    VersionCimke->setGeometry(x, px(10), w, px(24));
    VersionLabel->setGeometry(x, px(40), w, px(16));
    VariantLabel->setGeometry(x, px(58), w, px(16));
    KeszultCimke->setGeometry(x, px(80), w, px(36));
    KeszultCimke->setWordWrap(true);
    Label2->setGeometry(x, px(118), w, px(16));
    const int gombSzel = px(70), gombMag = px(25), gombTeto = px(186) - gombMag - px(10);
    TamogatasGomb->setGeometry(x, gombTeto, gombSzel, gombMag);
    LicencButton->setGeometry(x + gombSzel + px(6), gombTeto, gombSzel, gombMag);
    OKButton->setGeometry(px(408) - px(10) - gombSzel, gombTeto, gombSzel, gombMag);
    OKButton->setDefault(true);
}

void TNevjegy::allapotFrissites()
{
    const QString hint = QString::fromUtf8(kNemErhetoEl);
    for (QLabel* l : {Label3, Label4, Label6, MailCimke}) {
        l->setEnabled(internet_);
        l->setToolTip(internet_ ? QString() : hint);
    }
    // Without a main window there is no help to open.
    const bool sugo = Sugo::Keres(this) != nullptr;
    LicencButton->setEnabled(sugo);
    LicencButton->setToolTip(sugo ? QString() : hint);
}

void TNevjegy::InternetElerheto()
{
    internet_ = true;
    allapotFrissites();
}

void TNevjegy::Start(bool ujVerzioGombLathato)
{
    show();
    raise();
    if (ujVerzioGombLathato && internet_) emit internetKerve(InternetMuvelet::UjVerzio);
}

void TNevjegy::OnlineSorszam(const QString& sorszam)
{
    VariantLabel->setText(QStringLiteral("Online: ") + sorszam);
}

void TNevjegy::OKButtonClick() { close(); }

void TNevjegy::LicencButtonClick()
{
    // The help of the main window this box belongs to, at the licence.
    const Sugo* sugo = Sugo::Keres(this);
    if (!sugo || sugo->Allomany.isEmpty())
        HibaUzenet(QString::fromUtf8(kSugoHianyzik));
    else
        sugo->Megnyitas(kSugoLicenc);
}

void TNevjegy::Label4Click(InternetMuvelet muvelet)
{
    TamogatasGombTag = 0;
    if (internet_) emit internetKerve(muvelet);
}

void TNevjegy::TamogatasGombClick() { Tamogatas(); }

void TNevjegy::Tamogatas()
{
    TamogatasGombTag = 1;
    if (!JovahagyasKerdes(QString::fromStdString(tamogatasKerdes(gyartoCimek())))) return;
    if (internet_)
        emit internetKerve(InternetMuvelet::Level);
    else
        InformacioUzenet(QString::fromUtf8(kNemErhetoEl));
}

void NevjegyBekotese(TNevjegy& nevjegy)
{
    ParancsTar& t = *ParancsTar::aktualis();
    t.Kezelo(ParancsId::Nvjegy1, &nevjegy, [&nevjegy] { nevjegy.Start(); });
    // "Támogatás" asks and mails exactly as the box's button does.
    t.Kezelo(ParancsId::mogats1, &nevjegy, [&nevjegy] { nevjegy.Tamogatas(); });
}

}  // namespace kvx
