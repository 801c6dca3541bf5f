#include "printing/ui/nyomtopc.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

#include "app/shell_state.h"
#include "app/ui/ablak_elhelyezes.h"
#include "app/ui/ablak_segedek.h"
#include "app/ui/sugo.h"
#include "app/game_table.h"
#include "app/settings_dialog.h"
#include "app/ui/program.h"
#include "app/ui/uzenetek.h"
#include "common/delphi_format.h"
#include "variation/ui/variacio_vezerlo.h"

using namespace kvx;

namespace {

// The track bars: position 42 is no offset, one step is 0.1 mm.
constexpr int kKozep = 42;

const char* const kTobbMint100 =
    "Több mint 100 segédsorsjegy kitöltésére tett kísérletet.\r\n\r\nAz aktuális verzió ezt nem teszi lehetővé.\r\n\r\n"
    "Javaslat: Használja a \"Nyomtatási tartomány\" beállításának lehetőségét. Nyomtatandó oldalak (segédsorsjegyek) "
    "száma: 1-30-ig, 31-60-ig stb.";
const char* const kTobbMint30 =
    "Több mint 30 segédsorsjegy kitöltésére készül.\r\n\r\nJavaslat:\r\n- Ellenőrizze a nyomtató tálcájába helyezett "
    "segédsorsjegyek számát, pozícióját.\r\n- Használja a \"Nyomtatási tartomány\" beállításának lehetőségét. "
    "Nyomtatandó oldalak (segédsorsjegyek) száma: 1-30-ig, 31-60-ig stb.\r\n\r\nMégis folytatja a nyomtatást?";

QString mm(double v)
{
    return QString::fromStdString(ArSzoveg(std::round(v * 10.0) / 10.0, formatSettings().decimalSeparator));
}

QSlider* csuszka(const char* nev, int tag, const char* tipp, QWidget* szulo)
{
    auto* s = new QSlider(Qt::Horizontal, szulo);
    s->setObjectName(QString::fromUtf8(nev));
    s->setProperty("Tag", tag);
    s->setRange(2, 82);
    s->setSingleStep(2);
    s->setPageStep(2);
    s->setTickInterval(2);
    s->setTickPosition(QSlider::TicksBelow);
    s->setValue(kKozep);
    s->setToolTip(QString::fromUtf8(tipp));
    return s;
}

}  // namespace

TNyomtOpc::TNyomtOpc(NyomtatasVezerlo* nyomtatas, QWidget* parent) : QDialog(parent), nyomtatas_(nyomtatas)
{
    setObjectName(QStringLiteral("NyomtOpc"));
    FormCreate();
    // Lines deleted, edited (in place too) or generated anew: the next
    // filling offers every sheet again.
    VariacioVezerlo& v = Program::aktualis().Variacio();
    for (auto jel : {&VariacioVezerlo::torles, &VariacioVezerlo::szerkesztesElott, &VariacioVezerlo::futasIndul})
        connect(&v, jel, this, [this] { NyomtTartomanyReset = true; });
}

void TNyomtOpc::FormCreate()
{
    setWindowTitle(QStringLiteral(" Szelvények kitöltése nyomtatóval"));
    kvx::Sugo::KontextusBeallitas(this, kvx::kSugoSzelvenyKitoltes);
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    auto* fo = new QVBoxLayout(this);
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont f = Label1->font();
    f.setBold(true);
    Label1->setFont(f);
    fo->addWidget(Label1);
    NyomtTulGomb = new QPushButton(QStringLiteral("Nyomtatási tartomány    -    Nyomtató tulajdonsága"), this);
    NyomtTulGomb->setObjectName(QStringLiteral("NyomtTulGomb"));
    fo->addWidget(NyomtTulGomb);

    JokerGroup = new QGroupBox(QStringLiteral("  Joker  "), this);
    JokerGroup->setObjectName(QStringLiteral("JokerGroup"));
    JokerGroup->setToolTip(QStringLiteral(" Joker jelölése a szelvényen "));
    auto* jl = new QHBoxLayout(JokerGroup);
    JokerGombok = new QButtonGroup(this);
    int i = 0;
    for (const char* t : {" Igen", " Nem", " Jelöletlen"}) {
        auto* r = new QRadioButton(QString::fromUtf8(t), JokerGroup);
        JokerGombok->addButton(r, i++);
        jl->addWidget(r);
    }
    fo->addWidget(JokerGroup);

    auto* racs = new QGridLayout;
    SorszamBox = new QCheckBox(QStringLiteral(" Segédsorsjegyek sorszámozása"), this);
    SorszamBox->setObjectName(QStringLiteral("SorszamBox"));
    SorszamBox->setChecked(true);
    OtHetesBox = new QCheckBox(QStringLiteral(" 5 hetes"), this);
    OtHetesBox->setObjectName(QStringLiteral("OtHetesBox"));
    OtHetesBox->setToolTip(QStringLiteral(" Szelvény 5 hetes előfizetése "));
    TovabbiJokerBox = new QCheckBox(QStringLiteral(" További Joker játék"), this);
    TovabbiJokerBox->setObjectName(QStringLiteral("TovabbiJokerBox"));
    TovabbiJokerBox->setToolTip(QStringLiteral(" További Joker játék lehetősége "));
    TetUpDown = new QSpinBox(this);
    TetUpDown->setObjectName(QStringLiteral("TetUpDown"));
    TetUpDown->setRange(1, 5);
    TetUpDown->setToolTip(QStringLiteral(" Megjátszott tét szorzója "));
    SorsolasUpDown = new QSpinBox(this);
    SorsolasUpDown->setObjectName(QStringLiteral("SorsolasUpDown"));
    SorsolasUpDown->setRange(1, 14);
    SorsolasUpDown->setToolTip(QStringLiteral(" Ahány sorsolásra (napra) fogad "));
    for (QSpinBox* s : {TetUpDown, SorsolasUpDown}) {
        // Read-only text: the value changes through the arrows only.
        s->setReadOnly(false);
        s->setKeyboardTracking(false);
        s->findChild<QLineEdit*>()->setReadOnly(true);
    }
    racs->addWidget(SorszamBox, 0, 0, 1, 2);
    racs->addWidget(OtHetesBox, 1, 0, 1, 2);
    racs->addWidget(TovabbiJokerBox, 2, 0, 1, 2);
    racs->addWidget(new QLabel(QStringLiteral("Tét "), this), 0, 2);
    racs->addWidget(TetUpDown, 0, 3);
    racs->addWidget(new QLabel(QStringLiteral("Sorsolások száma "), this), 1, 2);
    racs->addWidget(SorsolasUpDown, 1, 3);
    fo->addLayout(racs);

    GroupBox2 = new QGroupBox(QStringLiteral("  Segédsorsjegy kalibráció  "), this);
    GroupBox2->setObjectName(QStringLiteral("GroupBox2"));
    auto* gl = new QGridLayout(GroupBox2);
    TBTopLeftLabel = new QLabel(QStringLiteral("Bal felső margó: "), GroupBox2);
    TBTopRightLabel = new QLabel(QStringLiteral("Jobb felső margó: "), GroupBox2);
    TBLeftLabel = new QLabel(QStringLiteral("Bal margó: "), GroupBox2);
    TBTopLeftLabel->setObjectName(QStringLiteral("TBTopLeftLabel"));
    TBTopRightLabel->setObjectName(QStringLiteral("TBTopRightLabel"));
    TBLeftLabel->setObjectName(QStringLiteral("TBLeftLabel"));
    TrackBarTopLeft = csuszka("TrackBarTopLeft", 1, " Első szelvény 1. sorába nyomtatott karakter pozíciója. ", GroupBox2);
    TrackBarTopRight =
        csuszka("TrackBarTopRight", 2, " Utolsó szelvény 1. sorába nyomtatott karakter pozíciója. ", GroupBox2);
    TrackBarLeft = csuszka("TrackBarLeft", 0, " Első szelvény 1. oszlopába nyomtatott karakter pozíciója. ", GroupBox2);
    gl->addWidget(TBTopLeftLabel, 0, 0);
    gl->addWidget(TrackBarTopLeft, 1, 0);
    gl->addWidget(TBTopRightLabel, 0, 1);
    gl->addWidget(TrackBarTopRight, 1, 1);
    gl->addWidget(TBLeftLabel, 2, 0);
    gl->addWidget(TrackBarLeft, 3, 0);
    fo->addWidget(GroupBox2);

    auto* gombok = new QHBoxLayout;
    TesztGomb = new QPushButton(QStringLiteral("Tesztoldal nyomtatása"), this);
    TesztGomb->setObjectName(QStringLiteral("TesztGomb"));
    NyomtatasGomb = new QPushButton(QStringLiteral("Nyomtatás"), this);
    NyomtatasGomb->setObjectName(QStringLiteral("NyomtatasGomb"));
    MegseGomb = new QPushButton(QStringLiteral("Mégse"), this);
    MegseGomb->setObjectName(QStringLiteral("MegseGomb"));
    gombok->addWidget(TesztGomb);
    gombok->addStretch();
    gombok->addWidget(NyomtatasGomb);
    gombok->addWidget(MegseGomb);
    fo->addLayout(gombok);

    connect(NyomtatasGomb, &QPushButton::clicked, this, &TNyomtOpc::NyomtatasGombClick);
    connect(MegseGomb, &QPushButton::clicked, this, &TNyomtOpc::MegseGombClick);
    connect(NyomtTulGomb, &QPushButton::clicked, this, &TNyomtOpc::NyomtTulGombClick);
    connect(TesztGomb, &QPushButton::clicked, this, &TNyomtOpc::TesztGombClick);
    connect(SorsolasUpDown, &QSpinBox::valueChanged, this, &TNyomtOpc::SorsolasEditChange);
    for (QSlider* s : {TrackBarTopLeft, TrackBarTopRight, TrackBarLeft})
        connect(s, &QSlider::valueChanged, this, [this, s] { TrackBarTopLeftChange(s); });
    JokerValasztas = kJokerNem;
    SegedSorszamozas = true;
    NyomtTartomanyReset = true;
}

void TNyomtOpc::Start()
{
    const Program& p = Program::aktualis();
    const std::int32_t lapok = nyomtatas_ ? nyomtatas_->SzelvenyLapokSzama() : 0;
    // A changed variation offers every sheet again; a kept range never
    // reaches past the sheets there are now.
    if (p.Tar.BontSzelvszam != utolsoSorok_)
        NyomtTartomanyReset = true;
    utolsoSorok_ = p.Tar.BontSzelvszam;
    if (NyomtTartomanyReset) {
        Tol = 1;
        Ig = lapok;
        NyomtTartomanyReset = false;
    }
    Ig = std::clamp(Ig, 1, std::max(lapok, 1));
    Tol = std::clamp(Tol, 1, Ig);
    if (QAbstractButton* b = JokerGombok->button(JokerValasztas))
        b->setChecked(true);
    SorszamBox->setChecked(SegedSorszamozas);
    const int t = SzelvenyTipus(p.Jatek.LottoIndex);
    TetUpDown->setEnabled(t == 3);
    SorsolasUpDown->setEnabled(t == 3);
    OtHetesBox->setEnabled(t <= 2);
    Label1->setText(QString::fromUtf8(JatekNev[static_cast<std::size_t>(std::clamp(p.Jatek.LottoIndex, 0, kJatekokSzama - 1))]) +
                    QStringLiteral(" - normál szelvény kitöltése"));
    // The options print the variation's lines: nothing may change them while
    // the window is open.
    tiltas_ = kvx::AblakTiltas::MindenMasAblak(this);
    // A window the screen cannot hold says so before it opens: the size it
    // will open in (what its controls need at least), with its frame once
    // it has one.
    const QSize kivant = (testAttribute(Qt::WA_Resized) ? size() : sizeHint())
                             .expandedTo(minimumSize())
                             .expandedTo(layout()->totalMinimumSize());
    Settings& b = settings();
    kvx::FormHeightSizeWarning(this, false, b.BetuMeret, b.UzenetekLog[17],
                               kivant + (frameGeometry().size() - geometry().size()));
    show();
    kvx::AblakElhelyezese(this);
    raise();
    activateWindow();
}

void TNyomtOpc::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    FormShow();
}

void TNyomtOpc::hideEvent(QHideEvent* e)
{
    QDialog::hideEvent(e);
    // Closed (not minimised): the other windows are usable again.
    if (!isVisible())
        tiltas_.Vege();
}

void TNyomtOpc::FormShow()
{
    const Program& p = Program::aktualis();
    const auto t = static_cast<std::size_t>(SzelvenyTipus(p.Jatek.LottoIndex));
    const auto& m = p.Beallitasok.NyomtatasiMargok[t];
    const std::pair<QSlider*, double> sorrend[] = {{TrackBarTopLeft, m[1]}, {TrackBarTopRight, m[2]}, {TrackBarLeft, m[0]}};
    for (const auto& [s, v] : sorrend) {
        const QSignalBlocker b(s);
        s->setValue(static_cast<int>(std::lround(v * 10.0 + kKozep)));
        TrackBarTopLeftChange(s);
    }
}

void TNyomtOpc::TrackBarTopLeftChange(QSlider* kuldo)
{
    Settings& s = settings();
    const int lotto = game().LottoIndex;
    const int t = SzelvenyTipus(lotto);
    const auto ti = static_cast<std::size_t>(t);
    const int tag = kuldo->property("Tag").toInt();
    const double eltolas = (kuldo->value() - kKozep) / 10.0;
    s.NyomtatasiMargok[ti][static_cast<std::size_t>(tag)] = eltolas;
    const double oy = s.SzelvenyOrigoY[ti], ox = s.SzelvenyOrigoX[ti];
    const QString sor = QStringLiteral("\r\n");
    switch (tag) {
    case 1:
        TBTopLeftLabel->setText(QStringLiteral("Bal felső margó: ") + mm(oy + eltolas) + QStringLiteral(" mm"));
        kuldo->setToolTip(QStringLiteral(" 1. szelvény első sorába nyomtatott karakter pozíciója. ") + sor +
                          QStringLiteral(" Alapértelmezett érték: ") + mm(oy) + QStringLiteral(" mm"));
        break;
    case 2:
        TBTopRightLabel->setText(QStringLiteral("Jobb felső margó: ") + mm(oy + eltolas) + QStringLiteral(" mm"));
        kuldo->setToolTip(QStringLiteral(" ") + QString::number(SzelvenyElsoSorPanelDb(t)) +
                          QStringLiteral(". szelvény első sorába nyomtatott karakter pozíciója. ") + sor +
                          QStringLiteral(" Alapértelmezett érték: ") + mm(oy) + QStringLiteral(" mm"));
        break;
    default:
        TBLeftLabel->setText(QStringLiteral("Bal margó: ") + mm(ox + eltolas) + QStringLiteral(" mm"));
        kuldo->setToolTip((t == 3 ? QStringLiteral(" 1. szelvény Játék típusa és a Tét jelölőnégyzetekbe nyomtatott "
                                                   "karakter pozíciója. ")
                                  : QStringLiteral(" 1. szelvény első oszlopába nyomtatott karakter pozíciója. ")) +
                          sor + QStringLiteral(" Alapértelmezett érték: ") + mm(ox) + QStringLiteral(" mm"));
        break;
    }
}

void TNyomtOpc::SorsolasEditChange(int ertek)
{
    // The choices are 1 to 7 and 14: a step past 7 jumps.
    const QSignalBlocker b(SorsolasUpDown);
    if (ertek == 13)
        SorsolasUpDown->setValue(7);
    else if (ertek > 7)
        SorsolasUpDown->setValue(14);
}

NyomtatasVezerlo::SzelvenyOpciok TNyomtOpc::Opciok() const
{
    NyomtatasVezerlo::SzelvenyOpciok o;
    o.Tol = Tol;
    o.Ig = Ig;
    o.JokerValasztas = JokerGombok->checkedId() < 0 ? kJokerNem : JokerGombok->checkedId();
    o.OtHetes = OtHetesBox->isEnabled() && OtHetesBox->isChecked();
    o.TovabbiJoker = TovabbiJokerBox->isChecked();
    o.Sorsolasok = SorsolasUpDown->value();
    o.Tet = TetUpDown->value();
    o.Sorszamozas = SorszamBox->isChecked();
    return o;
}

void TNyomtOpc::Nyomtatas(std::int32_t tol, std::int32_t ig)
{
    JokerValasztas = JokerGombok->checkedId() < 0 ? kJokerNem : JokerGombok->checkedId();
    SegedSorszamozas = SorszamBox->isChecked();
    NyomtatasVezerlo::SzelvenyOpciok o = Opciok();
    o.Tol = tol;
    o.Ig = ig;
    if (nyomtatas_)
        nyomtatas_->SzelvenyekNyomtatasa(o);
}

void TNyomtOpc::NyomtatasGombClick()
{
    const std::int32_t n = Ig - Tol + 1;
    if (n > 100) {
        InformacioUzenet(QString::fromUtf8(kTobbMint100));
        return;
    }
    if (n > 30 && !FigyelmeztetoKerdes(QString::fromUtf8(kTobbMint30))) {
        NyomtTulGombClick();
        return;
    }
    Nyomtatas(Tol, Ig);
    close();
}

void TNyomtOpc::TesztGombClick()
{
    Nyomtatas(1, 1);
}

void TNyomtOpc::MegseGombClick()
{
    close();
}

void TNyomtOpc::NyomtTulGombClick()
{
    QPrintDialog* d = nyomtatas_ ? nyomtatas_->PrDialogCreate() : nullptr;
    if (!d)
        return;
    const std::int32_t lapok = nyomtatas_->SzelvenyLapokSzama();
    d->setOptions(QAbstractPrintDialog::PrintPageRange);
    d->setMinMax(1, std::max(lapok, 1));
    d->setFromTo(Tol, Ig);
    d->setPrintRange(QAbstractPrintDialog::PageRange);
    if (d->exec() != QDialog::Accepted)
        return;
    if (d->printRange() == QAbstractPrintDialog::PageRange && d->fromPage() > 0) {
        Tol = std::clamp(d->fromPage(), 1, std::max(lapok, 1));
        Ig = std::clamp(d->toPage(), Tol, std::max(lapok, 1));
    } else {
        Tol = 1;
        Ig = lapok;
    }
}

