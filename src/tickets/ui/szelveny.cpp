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
#include <QScrollArea>
#include <QScrollBar>

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
    // The grid and the info panels scroll where the area a window may take
    // cannot hold them; the buttons stay under them in sight.
    gorgeto_ = new QScrollArea(this);
    gorgeto_->setFrameShape(QFrame::NoFrame);
    gorgeto_->setFocusPolicy(Qt::NoFocus);
    gorgeto_->setWidgetResizable(false);
    lap_ = new QWidget;
    gorgeto_->setWidget(lap_);

    const GameParams& g = game();
    const SzelvenySor& look = Look();

    InfoLathato = infoPanel;
    InfoPanel = new QFrame(lap_);
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
        InfoPanel2 = new QFrame(sajat ? lap_ : InfoPanel);
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

    racsAlatt_ = new QFrame(lap_);
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
        auto* p = new TSzamPanel(i + 1, lap_);
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
    QFont szamBetu = font();
    if (look[SzeletBetuMeret] > 0)
        szamBetu.setPointSize(look[SzeletBetuMeret]);
    // A cell holds its two-digit number with a margin on each side, whatever
    // the cell size set; the ticket keeps that size on any screen (its
    // content scrolls where the screen is too small).
    const int margo = std::max(1, kozeli(2 * MeretSzorzo()));
    const int legkisebb = QFontMetrics(szamBetu).horizontalAdvance(QStringLiteral("88")) + 2 * margo;
    int S = std::max({look[SzeletCella], 8, legkisebb});
    // A ticket whose info text is known at its widest (the main ticket,
    // info under the grid) has smaller cells rather than a scrolling grid,
    // as long as they hold their numbers and the text its lines.
    if (const int infoKell = InfoSzelesseg(); infoKell > 0 && InfoLathato && !JobbInfoPanel(SzelvenyTipus, g)) {
        if (const kvx::AblakElhelyezes* e = kvx::AblakElhelyezes::Keres(this)) {
            const int hely = e->LegnagyobbMeret(this).height();
            const int sorok = g.VanPluszSzam ? 6 : 5;
            const int info = std::max(sorok * sorMagassag_ + 2 * keretSzelesseg_,
                                      sorok * QFontMetrics(InfoCimke->font()).lineSpacing() + 3 * keretSzelesseg_);
            const auto racs = kvx::JatekRacs(g.LottoIndex);
            const auto szeles = [this](int s) {
                return RacsSzelesseg(Oszlopok, s) + (Oszlopok < 5 ? (5 - Oszlopok) * (s + 2) : 0);
            };
            while (S > legkisebb && RacsAlja(SzamElrendezes(g, racs, S), S) + info > hely &&
                   szeles(S - 1) >= infoKell + 2 * keretSzelesseg_)
                --S;
        }
    }
    const int racsSzelesseg = RacsSzelesseg(Oszlopok, S);
    int szelesseg = racsSzelesseg;

    jobbInfo_ = InfoLathato && JobbInfoPanel(SzelvenyTipus, g);
    const int jobbSzelesseg = jobbInfo_ ? JobbInfoSzelesseg(g, S, racsSzelesseg) : 0;
    szelesseg += jobbSzelesseg;

    hatter(this, look[SzeletAblak]);
    hatter(lap_, look[SzeletAblak]);

    const std::vector<Cella> cellak = SzamElrendezes(g, kvx::JatekRacs(g.LottoIndex), S);
    for (std::size_t i = 0; i < SzamPanelek.size() && i < cellak.size(); ++i) {
        SzamPanelek[i]->setGeometry(cellak[i].Bal, cellak[i].Felso, S, S);
        SzamPanelek[i]->setContentsMargins(margo, 0, margo, 0);
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
        if (InfoPanel2->parentWidget() == lap_) {
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
    if (GombPanel->isVisibleTo(this))
        GombPanel->resize(GombPanel->width(), 2 * sorMagassag_);

    ablakMeret(szelesseg, std::max(magassag, grafikaAlja_));
    if (lathato)
        show();
}

void TSzelveny::ablakMeret(int szelesseg, int magassag)
{
    lap_->setFixedSize(szelesseg, magassag);
    const int gh = GombPanel->isVisibleTo(this) ? GombPanel->height() : 0;
    // The area the window may take; the content scrolls beyond it.
    QSize max(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    if (const kvx::AblakElhelyezes* e = kvx::AblakElhelyezes::Keres(this))
        max = e->LegnagyobbMeret(this);
    const int fuggoleges = gorgeto_->verticalScrollBar()->sizeHint().width();
    const int vizszintes = gorgeto_->horizontalScrollBar()->sizeHint().height();
    bool v = magassag > max.height() - gh;
    const bool h = szelesseg + (v ? fuggoleges : 0) > max.width();
    v = v || magassag + (h ? vizszintes : 0) > max.height() - gh;
    const int w = std::min(szelesseg + (v ? fuggoleges : 0), max.width());
    const int lathato = std::max(1, std::min(magassag + (h ? vizszintes : 0), max.height() - gh));
    gorgeto_->setGeometry(0, 0, w, lathato);
    if (gh > 0) {
        const int bh = kozeli(1.7 * sorMagassag_);
        const int kw = w / 2 - kozeli(6 * MeretSzorzo());
        KilepesGomb->setGeometry(4, (gh - bh) / 2, kw, bh);
        TorlesGomb->setGeometry(kozeli(9 * MeretSzorzo()) + kw, (gh - bh) / 2, kw, bh);
        GombPanel->setGeometry(0, lathato, w, gh);
    }
    setFixedSize(w, lathato + gh);
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
        if (InfoPanel2 && InfoPanel2->parentWidget() != lap_) {
            InfoCimke2->adjustSize();
            szoveg = std::max(szoveg, InfoCimke2->y() + InfoCimke2->height());
        }
        const int h = szoveg + 3 * keretSzelesseg_;
        InfoPanel->setGeometry(0, G, lap_->width(), h);
        magassag = G + h;
        if (InfoPanel2 && InfoPanel2->parentWidget() != lap_) {
            InfoPanel2->resize(InfoPanel2->width(), h);
            if (ElvalasztoVonal)
                ElvalasztoVonal->resize(1, h);
        }
    }
    if (InfoPanel2 && InfoPanel2->parentWidget() == lap_) {
        InfoCimke2->adjustSize();
        const int h2 = std::max(InfoCimke2->height() + 2 * keretSzelesseg_, Info2Magassag());
        InfoPanel2->setGeometry(0, G, InfoPanel2->width(), h2);
        magassag = std::max(magassag, G + h2);
    }
    racsAlattKitoltes(magassag);
    const int regi = height();
    ablakMeret(lap_->width(), std::max(magassag, G));
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
