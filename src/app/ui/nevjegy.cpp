#include "app/ui/nevjegy.h"
#include "app/ui/program.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <cmath>

#include "app/maker_info.h"
#include "app/messages.h"
#include "app/ui/uzenetek.h"

namespace kvx {

namespace {

// A label that reports clicks.
class LinkCimke : public QLabel {
public:
    LinkCimke(const QString& szoveg, int tag, QWidget* p, std::function<void(int)> katt)
        : QLabel(szoveg, p), tag_(tag), katt_(std::move(katt))
    {
        setCursor(Qt::PointingHandCursor);
        setProperty("Tag", tag);
    }

protected:
    void mouseReleaseEvent(QMouseEvent* e) override
    {
        if (e->button() == Qt::LeftButton && isEnabled() && rect().contains(e->position().toPoint()))
            katt_(tag_);
        QLabel::mouseReleaseEvent(e);
    }

private:
    int tag_;
    std::function<void(int)> katt_;
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
    auto katt = [this](int tag) { Label4Click(tag); };

    Label1 = new QLabel(this);
    VersionCimke = new QLabel(QStringLiteral("Kavarex Personal"), this);
    VersionLabel = new QLabel(QStringLiteral("Verzió: ") + verzioSzoveg, this);
    VariantLabel = new QLabel(QStringLiteral("Online: ") + onlineSorszam, this);
    KeszultCimke = new QLabel(QStringLiteral("Lottójátékosok számsor- és variációkészítő programja"), this);
    Label2 = new QLabel(QString(), this);
    Label3 = new LinkCimke(QString::fromStdString(c.Honlap), 2, this, katt);
    Label4 = new LinkCimke(QStringLiteral("Kavarex kalkulátor"), 3, this, katt);
    Label6 = new LinkCimke(QStringLiteral("Kavarex szimulátor"), 4, this, katt);
    MailCimke = new LinkCimke(QString::fromStdString(c.Email), 1, this, katt);
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
        l->setEnabled(static_cast<bool>(internet_));
        l->setToolTip(internet_ ? QString() : hint);
    }
    LicencButton->setEnabled(static_cast<bool>(licenc_));
    LicencButton->setToolTip(licenc_ ? QString() : hint);
}

void TNevjegy::setInternetMegszStart(std::function<void(int)> fn)
{
    internet_ = std::move(fn);
    allapotFrissites();
}

void TNevjegy::setLicencMegnyitas(std::function<void()> fn)
{
    licenc_ = std::move(fn);
    allapotFrissites();
}

void TNevjegy::Start(bool ujVerzioGombLathato)
{
    show();
    raise();
    if (ujVerzioGombLathato && internet_) internet_(6);
}

void TNevjegy::OKButtonClick() { close(); }

void TNevjegy::LicencButtonClick()
{
    if (licenc_) licenc_();
}

void TNevjegy::Label4Click(int tag)
{
    TamogatasGombTag = 0;
    if (internet_) internet_(tag);
}

void TNevjegy::TamogatasGombClick()
{
    TamogatasGombTag = 1;
    if (!JovahagyasKerdes(QString::fromStdString(tamogatasKerdes(gyartoCimek())))) return;
    if (internet_)
        internet_(1);
    else
        InformacioUzenet(QString::fromUtf8(kNemErhetoEl));
}

}  // namespace kvx
