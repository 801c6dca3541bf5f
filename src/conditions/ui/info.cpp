#include "conditions/ui/info.h"

#include <algorithm>

#include <QFontMetrics>
#include <QFrame>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextEdit>
#include <QVBoxLayout>

#include "app/main_menu.h"
#include "app/ui/ablak_elhelyezes.h"
#include "app/settings.h"
#include "app/messages.h"
#include "app/ui/uzenetek.h"
#include "app/ui/program.h"
#include "app/ui/ablak_segedek.h"
#include "app/window_geometry.h"

using namespace kvx;

TInfo::TInfo(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Info"));
    FormCreate();
}

void TInfo::FormCreate()
{
    setWindowTitle(QStringLiteral(" Információk a variációról"));
    auto* fo = new QVBoxLayout(this);
    fo->setContentsMargins(4, 4, 4, 4);
    BontInfo = new QTextEdit(this);
    BontInfo->setObjectName("BontInfo");
    BontInfo->setReadOnly(true);
    BontInfo->setLineWrapMode(QTextEdit::NoWrap);
    QFont f(QStringLiteral("Courier New"));
    f.setStyleHint(QFont::Monospace);
    // The fixed font takes the text size like every other text.
    f.setPointSizeF(9.0 * std::max(8, settings().BetuMeret) / 8.0);
    BontInfo->setFont(f);
    fo->addWidget(BontInfo, 1);
    Panel1 = new QFrame(this);
    Panel1->setObjectName("Panel1");
    auto* gombok = new QHBoxLayout(Panel1);
    gombok->setContentsMargins(0, 0, 0, 0);
    Button1 = new QPushButton(QStringLiteral("Kilépés"), Panel1);
    Button1->setObjectName("Button1");
    Button2 = new QPushButton(QStringLiteral("Nyomtatás"), Panel1);
    Button2->setObjectName("Button2");
    Button4 = new QPushButton(QStringLiteral("Diagram"), Panel1);
    Button4->setObjectName("Button4");
    // Printing and the diagram are switched on by whoever provides them.
    for (QPushButton* b : {Button2, Button4}) {
        b->setEnabled(false);
        b->setToolTip(QString::fromUtf8(kNemElerheto));
    }
    for (QPushButton* b : {Button1, Button2, Button4}) {
        b->setAutoDefault(false);
        gombok->addWidget(b);
    }
    fo->addWidget(Panel1);
    connect(Button1, &QPushButton::clicked, this, &TInfo::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TInfo::Button2Click);
    connect(Button4, &QPushButton::clicked, this, &TInfo::Diagram);
    // The description's separator line is 90 characters: the window shows
    // it whole, at a width of its own; only its height changes.
    teljesSzelesseg_ = std::max(560, QFontMetrics(f).horizontalAdvance(QString(92, QLatin1Char('M'))) + 40);
    setFixedWidth(teljesSzelesseg_);
    resize(teljesSzelesseg_, 600);
}

void TInfo::Start()
{
    Listazas();
    show();
    raise();
    activateWindow();
    kvx::AblakElhelyezese(this);
    Settings& b = settings();
    FormHeightSizeWarning(this, true, b.BetuMeret, b.UzenetekLog[17]);
}

void TInfo::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    FormShow();
}

void TInfo::resizeEvent(QResizeEvent* e)
{
    QDialog::resizeEvent(e);
    FormResize();
}

void TInfo::FormShow()
{
    if (!meretezve_) {
        meretezve_ = true;
        MagassagBeallitas();
    }
    FormResize();
    DiagramAllapot();
    BontInfo->setFocus();
}

int TInfo::legkisebbMagassag() const
{
    // Eight lines of the description in sight at the least, with the
    // buttons under them.
    const QMargins m = layout()->contentsMargins();
    const int sorok = 8 * QFontMetrics(BontInfo->font()).lineSpacing() + 2 * BontInfo->frameWidth() +
                      2 * static_cast<int>(BontInfo->document()->documentMargin()) +
                      BontInfo->horizontalScrollBar()->sizeHint().height();
    return sorok + layout()->spacing() + Panel1->sizeHint().height() + m.top() + m.bottom();
}

void TInfo::MagassagBeallitas()
{
    const int keret = std::max(0, frameGeometry().height() - geometry().height());
    const AblakElhelyezes* e = AblakElhelyezes::Keres(this);
    const int max = e ? e->LegnagyobbMeret(this).height() : QWIDGETSIZE_MAX;
    setMinimumHeight(std::min(legkisebbMagassag(), max));
    if (!e) return;
    // The main window's client area less its title, menu and toolbar band
    // above and as much again below (the band as the main window's own
    // measure, wherever it stands on the screen).
    const FoablakMeretek f = e->Meretek();
    const int sav = GetFormSetTop(f) - f.Top;
    resize(width(), std::max(minimumHeight(), f.ClientHeight - 2 * sav - keret));
}

void TInfo::FormResize()
{
    const AblakElhelyezes* e = AblakElhelyezes::Keres(this);
    const QRect munka = e ? e->AblakTerulet() : (screen() ? screen()->availableGeometry() : QRect());
    if (!munka.isValid()) return;
    // Narrower than its text only where the work area is (the text then
    // scrolls sideways).
    const int keretSzelesseg = std::max(0, frameGeometry().width() - geometry().width());
    const int szeles = std::min(teljesSzelesseg_, munka.width() - keretSzelesseg);
    if (width() != szeles || minimumWidth() != szeles) setFixedWidth(szeles);
    const int keret = std::max(0, frameGeometry().height() - geometry().height());
    const int max = std::max(minimumHeight(), munka.height() - keret);
    if (maximumHeight() != max) setMaximumHeight(max);
}

void TInfo::DiagramAllapot()
{
    const bool sorok = VanSor && VanSor();
    Button4->setEnabled(diagram_ && sorok);
    Button4->setToolTip(diagram_ ? QString() : QString::fromUtf8(kNemElerheto));
}

void TInfo::Listazas()
{
    InfoSorok uj;
    if (Epito) {
        uj = Epito();
    } else {
        SzamJelzoBeallitas(szamJelzok(), szamListak(), game(), feltetelRekordok(), settings().SzamsorrendMod);
        uj = VariacioInfoSorok({&game(), &szamListak(), &feltetelRekordok(), &szamJelzok()});
    }
    // The same lines: the display, its scroll position and selection stay.
    if (!sorok_.empty() && uj == sorok_) return;
    const int elso = BontInfo->verticalScrollBar()->value();
    BontInfo->clear();
    QTextCursor c(BontInfo->document());
    QTextBlockFormat bekezdes;
    bekezdes.setLeftMargin(10);
    QTextCharFormat normal, felkover;
    felkover.setFontWeight(QFont::Bold);
    normal.setFontWeight(QFont::Normal);
    for (std::size_t i = 0; i < uj.size(); ++i) {
        if (i == 0)
            c.setBlockFormat(bekezdes);
        else
            c.insertBlock(bekezdes);
        c.insertText(QString::fromStdString(uj[i].Szoveg), uj[i].Felkover ? felkover : normal);
    }
    sorok_ = std::move(uj);
    DiagramAllapot();
    BontInfo->moveCursor(QTextCursor::Start);
    // The reader keeps their place.
    BontInfo->verticalScrollBar()->setValue(elso);
}

void TInfo::ListaTorlese(bool bezar)
{
    if (bezar) close();
    BontInfo->clear();
    sorok_.clear();
}

void TInfo::Button1Click() { close(); }

void TInfo::NyomtatasEngedelyezes()
{
    Button2->setEnabled(true);
    Button2->setToolTip(QString());
}

void TInfo::DiagramEngedelyezes()
{
    diagram_ = true;
    DiagramAllapot();
}

void TInfo::Diagram() { emit diagramKerve(); }

void TInfo::Button2Click()
{
    const int v = IgenNemMegseKerdes(QStringLiteral(
        "Információk nyomtatása\r\n\r\n  Igen  -  állományba nyomtat\r\n  Nem  -  papírra nyomtat\r\n  Mégse  -  nem nyomtat"));
    if (v == mrYes)
        emit nyomtatasKerve(true);
    else if (v == mrNo)
        emit nyomtatasKerve(false);
}
