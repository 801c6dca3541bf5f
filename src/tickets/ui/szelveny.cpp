#include "tickets/ui/szelveny.h"
#include "app/ui/program.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QFrame>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPalette>
#include <QPushButton>

#include <algorithm>
#include <cmath>

#include "app/game_table.h"
#include "app/ui/ablak_elhelyezes.h"
#include "app/ui/sugo.h"
#include "app/shell_state.h"
#include "app/settings.h"

using namespace kvx;

namespace {

QColor szin(std::int32_t rgb)
{
    return QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
}

void hatter(QWidget* w, std::int32_t rgb)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Window, szin(rgb));
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

void betuSzin(QWidget* w, std::int32_t rgb)
{
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, szin(rgb));
    w->setPalette(p);
}

int kozeli(double x)
{
    return static_cast<int>(std::nearbyint(x));  // halves to even
}

}  // namespace

TSzamPanel::TSzamPanel(int tag, QWidget* parent) : QLabel(parent), Tag(tag)
{
    setAlignment(Qt::AlignCenter);
    setFrameShape(QFrame::NoFrame);
    setAutoFillBackground(true);
}

void TSzamPanel::mousePressEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton)
        balLenyomva_ = true;
    e->accept();
}

void TSzamPanel::mouseReleaseEvent(QMouseEvent* e)
{
    const bool kattintas = e->button() == Qt::LeftButton && balLenyomva_ && rect().contains(e->position().toPoint());
    if (e->button() == Qt::LeftButton)
        balLenyomva_ = false;
    e->accept();
    emit EgerFel();
    if (kattintas)
        emit Kattintas(this);
}

void TSzamPanel::mouseMoveEvent(QMouseEvent* e)
{
    if (e->buttons() & Qt::RightButton)
        emit JobbGombMozgas(e->globalPosition().toPoint());
    e->accept();
}

TSzelveny::TSzelveny(const QString& name, int kind, bool torlesGomb, bool kilepesGomb, bool infoPanel,
                     const QString& caption, QWidget* foablak)
    : QDialog(foablak, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(name);
    setAttribute(Qt::WA_DeleteOnClose, false);
    SzelvenyTipus = std::clamp(kind, 0, kSzelvenyFajtak - 1);
    if (foablak)
        setFont(foablak->font());
    sorMagassag_ = QFontMetrics(font()).boundingRect(QStringLiteral("Í")).height();
    keretSzelesseg_ = kozeli(3 * MeretSzorzo());
    Bezaras = false;
    setWindowTitle(caption);
    setSizeGripEnabled(false);

    const GameParams& g = game();
    const SzelvenySor& look = Look();

    InfoLathato = infoPanel;
    InfoPanel = new QFrame(this);
    InfoPanel->setFrameShape(QFrame::NoFrame);
    InfoCimke = new QLabel(InfoPanel);
    QFont fix(QStringLiteral("Courier New"));
    fix.setStyleHint(QFont::Monospace);
    fix.setPointSize(font().pointSize() > 0 ? font().pointSize() : 9);
    InfoCimke->setFont(fix);
    InfoCimke->move(keretSzelesseg_, keretSzelesseg_);
    hatter(InfoPanel, look[SzeletInfo]);
    betuSzin(InfoCimke, look[SzeletInfoBetu]);
    InfoPanel->setVisible(InfoLathato);
    // Right-click on the panel: "Mi ez?" opens the help at the ticket's info.
    kvx::Sugo::KontextusBeallitas(InfoPanel, kSugoSzelvenyInfo);

    TizesRacs = TizesRacsJatek(g.LottoIndex);
    PluszPanel = PluszPanelJatek(g.LottoIndex);

    if (MasodikInfoPanel(SzelvenyTipus, g, kvx::JatekRacs(g.LottoIndex).PotSzamTalalat)) {
        const bool sajat = PluszPanel || kvx::JatekRacs(g.LottoIndex).PotSzamTalalat;
        InfoPanel2 = new QFrame(sajat ? static_cast<QWidget*>(this) : InfoPanel);
        InfoPanel2->setFrameShape(QFrame::NoFrame);
        if (!sajat) {
            ElvalasztoVonal = new QLabel(InfoPanel2);
            ElvalasztoVonal->setFixedWidth(1);
            hatter(ElvalasztoVonal, RGB(227, 227, 227));
        }
        hatter(InfoPanel2, look[SzeletInfo]);
        InfoCimke2 = new QLabel(InfoPanel2);
        InfoCimke2->setFont(fix);
        betuSzin(InfoCimke2, look[SzeletInfoBetu]);
        // On ten-column games the right half's text starts on the same line
        // as the left half's.
        InfoCimke2->move(sajat ? keretSzelesseg_ : 2, keretSzelesseg_);
    }

    racsAlatt_ = new QFrame(this);
    racsAlatt_->setFrameShape(QFrame::NoFrame);
    racsAlatt_->hide();

    GombPanel = new QFrame(this);
    GombPanel->setFrameShape(QFrame::NoFrame);
    KilepesGomb = new QPushButton(QStringLiteral("Kilépés"), GombPanel);
    TorlesGomb = new QPushButton(QStringLiteral("Törlés"), GombPanel);
    TorlesGomb->setToolTip(QStringLiteral(" Számok törlése "));
    KilepesGomb->setVisible(kilepesGomb);
    TorlesGomb->setVisible(torlesGomb);
    GombPanel->setVisible(torlesGomb || kilepesGomb);

    // Every kind but the draw entry derives the game parameters again.
    if (SzelvenyTipus != FajtaHuzBeSzelveny)
        JatekParameterek(game());
    JatekRacs();

    for (int i = 0; i < game().OsszesSzam; ++i) {
        auto* p = new TSzamPanel(i + 1, this);
        p->setText(QString::fromStdString(SzamFelirat(game(), i)));
        SzamPanelek.push_back(p);
    }

    Elrendezes();
    Tag = 1000;
}

TSzelveny::~TSzelveny() { Bezaras = true; }

void TSzelveny::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    kvx::AblakElhelyezese(this);
}

const SzelvenySor& TSzelveny::Look() const
{
    return settings().SzelvenyBeallitas[static_cast<std::size_t>(SzelvenyTipus)];
}

double TSzelveny::MeretSzorzo() const { return settings().BetuMeret / 8.0; }

void TSzelveny::JatekRacs()
{
    const JatekRacsAdat r = kvx::JatekRacs(game().LottoIndex);
    Oszlopok = r.Oszlopok;
    Sorok = r.Sorok;
    ElsoSorEltolas = r.ElsoSorEltolas;
    game().PotSzamTalalat = r.PotSzamTalalat;
}

void TSzelveny::PanelSzinezes(TSzamPanel* panel, const PanelSzin& sz)
{
    panel->Szin = sz;
    QPalette p = panel->palette();
    p.setColor(QPalette::Window, szin(sz.Cella));
    p.setColor(QPalette::WindowText, szin(sz.Betu));
    panel->setPalette(p);
    QFont f = panel->font();
    if (f.bold() != sz.Vastag || f.underline() != sz.Alahuzott) {
        f.setBold(sz.Vastag);
        f.setUnderline(sz.Alahuzott);
        panel->setFont(f);
    }
}

void TSzelveny::Szinezes()
{
    SzinekAlaphelyzet();
}

void TSzelveny::SzinekAlaphelyzet()
{
    const PanelSzin sz = AlapPanelSzin(Look());
    for (TSzamPanel* p : SzamPanelek)
        PanelSzinezes(p, sz);
}

TSzamPanel* TSzelveny::PanelItt(QPoint globalPos) const
{
    QWidget* w = childAt(mapFromGlobal(globalPos));
    return qobject_cast<TSzamPanel*>(w);
}

QString TSzelveny::InfoSzoveg(const std::string& s)
{
    QString q = QString::fromStdString(s);
    q.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return q;
}

int TSzelveny::InfoMagassag()
{
    if (!InfoLathato)
        return 0;
    const int n = InfoSorokSzama(SzelvenyTipus, game(), InfoPanel2 != nullptr);
    const QFontMetrics fm(InfoCimke->font());
    return std::max(0, (n + 1) * fm.lineSpacing() - 2 * sorMagassag_);
}

int TSzelveny::Info2Magassag()
{
    if (!InfoPanel2)
        return 0;
    const int n = (game().LottoIndex == 41 || game().LottoIndex == 42) ? 14 : 8;
    const QFontMetrics fm(InfoCimke2->font());
    return std::max(0, (n + 1) * fm.lineSpacing() - 2 * sorMagassag_);
}

void TSzelveny::Elrendezes()
{
    const bool lathato = isVisible();
    hide();
    JatekRacs();

    const GameParams& g = game();
    const SzelvenySor& look = Look();
    int S = std::max(look[SzeletCella], 8);
    // At a large text size on a low screen the cells give way: the ticket
    // stays on the work area under the main window's toolbar.
    if (const kvx::AblakElhelyezes* e = kvx::AblakElhelyezes::Keres(this)) {
        const QRect munka = e->MunkaTerulet();
        const QRect sav = e->EszkoztarSav();
        const int keret = lathato ? std::max(0, frameGeometry().height() - height()) : 0;
        const int hely = munka.bottom() - std::max(sav.bottom(), munka.top()) - keret - 2 * sorMagassag_;
        const int info = !InfoLathato || JobbInfoPanel(SzelvenyTipus, g) ? 0
                         : SzelvenyTipus == FajtaFoszelveny
                             ? (g.VanPluszSzam ? 6 : 5) * sorMagassag_ + 2 * keretSzelesseg_
                             : InfoMagassag() + (InfoPanel2 ? Info2Magassag() : 0);
        const auto racs = kvx::JatekRacs(g.LottoIndex);
        while (S > 8 && RacsAlja(SzamElrendezes(g, racs, S), S) + info > hely)
            --S;
    }
    const int racsSzelesseg = RacsSzelesseg(Oszlopok, S);
    int szelesseg = racsSzelesseg;

    jobbInfo_ = InfoLathato && JobbInfoPanel(SzelvenyTipus, g);
    const int jobbSzelesseg = jobbInfo_ ? JobbInfoSzelesseg(g, S, racsSzelesseg) : 0;
    szelesseg += jobbSzelesseg;

    hatter(this, look[SzeletAblak]);

    const std::vector<Cella> cellak = SzamElrendezes(g, kvx::JatekRacs(g.LottoIndex), S);
    QFont szamBetu = font();
    if (look[SzeletBetuMeret] > 0)
        szamBetu.setPointSize(look[SzeletBetuMeret]);
    for (std::size_t i = 0; i < SzamPanelek.size() && i < cellak.size(); ++i) {
        SzamPanelek[i]->setGeometry(cellak[i].Bal, cellak[i].Felso, S, S);
        SzamPanelek[i]->setFont(szamBetu);
    }
    Szinezes();
    grafikaAlja_ = RacsAlja(cellak, S);

    // The main ticket keeps room for its info text on narrow grids.
    if (SzelvenyTipus == FajtaFoszelveny && Oszlopok < 5)
        szelesseg += (5 - Oszlopok) * (S + 2);

    hatter(InfoPanel, look[SzeletInfo]);
    betuSzin(InfoCimke, look[SzeletInfoBetu]);
    int magassag = grafikaAlja_;
    if (InfoLathato) {
        const int h1 = SzelvenyTipus == FajtaFoszelveny
                           ? (g.VanPluszSzam ? 6 : 5) * sorMagassag_ + 2 * keretSzelesseg_
                           : InfoMagassag();
        if (jobbInfo_) {
            InfoPanel->setGeometry(racsSzelesseg, 0, jobbSzelesseg, std::max(h1, grafikaAlja_));
            magassag = std::max(grafikaAlja_, h1);
        } else {
            InfoPanel->setGeometry(0, grafikaAlja_, szelesseg, h1);
            magassag = grafikaAlja_ + h1;
        }
        if (SzelvenyTipus != FajtaFoszelveny)
            InfoCimke->clear();
    }
    if (InfoPanel2) {
        const int h2 = Info2Magassag();
        if (InfoPanel2->parentWidget() == this) {
            // Extra pool or bonus classes: a panel of its own below the grid.
            InfoPanel2->setGeometry(0, grafikaAlja_, racsSzelesseg, h2);
            magassag = std::max(magassag, grafikaAlja_ + h2);
        } else {
            // Ten-column games: the right half of the info panel.
            const int w2 = InfoPanel->width() / 2 - keretSzelesseg_ + 1;
            InfoPanel2->setGeometry(InfoPanel->width() - w2, 0, w2, InfoPanel->height());
            if (ElvalasztoVonal)
                ElvalasztoVonal->setGeometry(0, 0, 1, InfoPanel->height());
        }
        InfoCimke2->clear();
    }

    racsAlattKitoltes(magassag);

    // Buttons under everything.
    if (GombPanel->isVisibleTo(this)) {
        const int gh = 2 * sorMagassag_;
        const int bh = kozeli(1.7 * sorMagassag_);
        const int kw = szelesseg / 2 - kozeli(6 * MeretSzorzo());
        KilepesGomb->setGeometry(4, (gh - bh) / 2, kw, bh);
        TorlesGomb->setGeometry(kozeli(9 * MeretSzorzo()) + kw, (gh - bh) / 2, kw, bh);
        GombPanel->setGeometry(0, magassag, szelesseg, gh);
        magassag += gh;
    }

    setFixedSize(szelesseg, std::max(magassag, grafikaAlja_));
    if (lathato)
        show();
}

void TSzelveny::MagassagIgazitas()
{
    if (!InfoLathato || !InfoPanel)
        return;
    InfoCimke->adjustSize();
    const int G = grafikaAlja_;
    int magassag = G;
    if (jobbInfo_) {
        magassag = std::max(G, InfoCimke->y() + InfoCimke->height() + 2 * keretSzelesseg_);
        InfoPanel->resize(InfoPanel->width(), magassag);
    } else {
        // A second panel inside the info panel (ten-column games) shares its height.
        int szoveg = InfoCimke->height();
        if (InfoPanel2 && InfoPanel2->parentWidget() != this) {
            InfoCimke2->adjustSize();
            szoveg = std::max(szoveg, InfoCimke2->y() + InfoCimke2->height());
        }
        const int h = szoveg + 3 * keretSzelesseg_;
        InfoPanel->setGeometry(0, G, width(), h);
        magassag = G + h;
        if (InfoPanel2 && InfoPanel2->parentWidget() != this) {
            InfoPanel2->resize(InfoPanel2->width(), h);
            if (ElvalasztoVonal)
                ElvalasztoVonal->resize(1, h);
        }
    }
    if (InfoPanel2 && InfoPanel2->parentWidget() == this) {
        InfoCimke2->adjustSize();
        const int h2 = std::max(InfoCimke2->height() + 2 * keretSzelesseg_, Info2Magassag());
        InfoPanel2->setGeometry(0, G, InfoPanel2->width(), h2);
        magassag = std::max(magassag, G + h2);
    }
    racsAlattKitoltes(magassag);
    if (GombPanel->isVisibleTo(this)) {
        GombPanel->move(0, magassag);
        magassag += GombPanel->height();
    }
    const int regi = height();
    setFixedSize(width(), std::max(magassag, G));
    // Grown with its text after it was placed: it keeps off the windows
    // beside it.
    if (isVisible() && height() > regi)
        kvx::AblakElhelyezese(this);
}

void TSzelveny::racsAlattKitoltes(int magassag)
{
    if (!racsAlatt_)
        return;
    // The form colour draws the lines between the cells; a whole area of it
    // below a short grid looks like a hole in the window.
    const bool kell = jobbInfo_ && InfoPanel && magassag > grafikaAlja_;
    racsAlatt_->setVisible(kell);
    if (!kell)
        return;
    hatter(racsAlatt_, Look()[SzeletInfo]);
    racsAlatt_->setGeometry(0, grafikaAlja_, InfoPanel->x(), magassag - grafikaAlja_);
    racsAlatt_->lower();
}

void TSzelveny::closeEvent(QCloseEvent* e)
{
    // Only destruction closes a ticket; the user cannot.
    if (Bezaras)
        e->accept();
    else
        e->ignore();
}

void TSzelveny::reject()
{
    if (Bezaras)
        QDialog::reject();
}

void TSzelveny::keyPressEvent(QKeyEvent* e)
{
    if ((e->modifiers() & Qt::AltModifier) && GombPanel && GombPanel->isVisible()) {
        e->accept();
        return;
    }
    QDialog::keyPressEvent(e);
}
