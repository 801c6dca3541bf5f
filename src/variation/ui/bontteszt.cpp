#include "variation/ui/bontteszt.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QEvent>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTextEdit>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <chrono>
#include <cmath>

#include "app/shell_state.h"
#include "app/settings.h"
#include "app/ui/ablak_elhelyezes.h"
#include "app/ui/ablak_segedek.h"
#include "app/ui/megszakitas.h"
#include "app/ui/program.h"
#include "app/ui/uzenetek.h"
#include "common/delphi_format.h"
#include "platform/taskbar_progress.h"
#include "variation/ui/teszt_vezerlo.h"
#include "variation/ui/variacio_vezerlo.h"
#include "draws/draws_table.h"

using namespace kvx;

namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }

// The report texts use "\r\n"; the text area wants plain line breaks.
QString sorok(const std::string& s)
{
    QString t = q(s);
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return t;
}

double most()
{
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

}  // namespace

int TesztSpinBox::valueFromText(const QString& s) const
{
    // "3+1" is class 3 x stride + 1: the position is kept, the text only shows it.
    bool ok = false;
    const int v = s.toInt(&ok);
    return ok && !Szoveg ? v : value();
}

bool TesztSpinBox::eventFilter(QObject* o, QEvent* e)
{
    if (e->type() == QEvent::MouseButtonDblClick && DuplaKattintas) {
        DuplaKattintas();
        return true;
    }
    return QSpinBox::eventFilter(o, e);
}

void TesztSpinBox::showEvent(QShowEvent* e)
{
    lineEdit()->installEventFilter(this);
    QSpinBox::showEvent(e);
}

TBontTeszt::TBontTeszt(TesztVezerlo& teszt, VariacioVezerlo& variacio, QWidget* parent)
    : QDialog(parent), teszt_(teszt), variacio_(variacio)
{
    setObjectName(QStringLiteral("BontTeszt"));
    Ora = most;
    FormCreate();
}

TBontTeszt::~TBontTeszt()
{
    teszt_.Leallitas();
    if (szal_)
        szalak().Bevar(szal_);
}

void TBontTeszt::FormCreate()
{
    setWindowTitle(QStringLiteral(" Variáció tesztje"));
    auto* fo = new QVBoxLayout(this);
    TesztFejlec = new QLabel(this);
    TesztFejlec->setObjectName(QStringLiteral("TesztFejlec"));
    QFont vastag = TesztFejlec->font();
    vastag.setBold(true);
    TesztFejlec->setFont(vastag);
    fo->addWidget(TesztFejlec);

    Panel2 = new QWidget(this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    auto* p2 = new QHBoxLayout(Panel2);
    p2->setContentsMargins(0, 0, 0, 0);
    Label1 = new QLabel(QStringLiteral("Folyamat: 0%"), Panel2);
    Label1->setObjectName(QStringLiteral("Label1"));
    BontFolyamatTesztPB = new QProgressBar(Panel2);
    BontFolyamatTesztPB->setObjectName(QStringLiteral("BontFolyamatTesztPB"));
    BontFolyamatTesztPB->setRange(0, 100);
    BontFolyamatTesztPB->setTextVisible(false);
    ElteltIdoLabel = new QLabel(QStringLiteral("Időtartam: 0:00:00"), Panel2);
    ElteltIdoLabel->setObjectName(QStringLiteral("ElteltIdoLabel"));
    HatralevoIdoLabel = new QLabel(QStringLiteral("Hátralévő: 0:00:00"), Panel2);
    HatralevoIdoLabel->setObjectName(QStringLiteral("HatralevoIdoLabel"));
    p2->addWidget(Label1);
    p2->addWidget(BontFolyamatTesztPB, 1);
    p2->addWidget(ElteltIdoLabel);
    p2->addWidget(HatralevoIdoLabel);
    fo->addWidget(Panel2);

    RichEdit1 = new QTextEdit(this);
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->setReadOnly(true);
    RichEdit1->setLineWrapMode(QTextEdit::NoWrap);
    QFont kod(QStringLiteral("Courier New"));
    kod.setStyleHint(QFont::Monospace);
    // The report's columns take the text size like every other text.
    kod.setPointSizeF(9.0 * std::max(8, settings().BetuMeret) / 8.0);
    RichEdit1->setFont(kod);
    RichEdit1->document()->setDocumentMargin(8);
    fo->addWidget(RichEdit1, 1);

    auto* opciok = new QHBoxLayout;
    UpDown1 = new TesztSpinBox(this);
    UpDown1->setObjectName(QStringLiteral("UpDown1"));
    UpDown1->setRange(2, 20);
    UpDown1->setValue(20);
    UpDown1->setToolTip(QStringLiteral(" Variáció számsorából kisorsolt számok mennyisége "));
    TesztListDbTalalatraUpDown = new TesztSpinBox(this);
    TesztListDbTalalatraUpDown->setObjectName(QStringLiteral("TesztListDbTalalatraUpDown"));
    TesztListDbTalalatraUpDown->setRange(0, 20);
    TesztListDbTalalatraUpDown->setValue(5);
    TesztListDbTalalatraUpDown->Szoveg = [this](int v) {
        return q(TesztListPositionText(v, teszt_.Beallitas));
    };
    opciok->addWidget(UpDown1);
    opciok->addWidget(new QLabel(QStringLiteral("találat"), this));
    opciok->addSpacing(12);
    opciok->addWidget(TesztListDbTalalatraUpDown);
    opciok->addWidget(new QLabel(QStringLiteral("találatos számsorok"), this));
    opciok->addSpacing(12);
    FeltetelekLogCB = new QCheckBox(QStringLiteral(" Feltételek vizsgálata"), this);
    FeltetelekLogCB->setObjectName(QStringLiteral("FeltetelekLogCB"));
    FeltetelekLogCB->setToolTip(QStringLiteral(" Feltételek tételes vizsgálatának engedélyezése/tiltása "));
    FeltetelekLogCB->setChecked(true);
    HuzasokLogCB = new QCheckBox(QStringLiteral(" Húzások számsoraival"), this);
    HuzasokLogCB->setObjectName(QStringLiteral("HuzasokLogCB"));
    HuzasokLogCB->setToolTip(QStringLiteral(" Variáció tesztjének indítása/tiltása a húzások számsoraival "));
    HuzasokLogCB->setChecked(true);
    ReszletekCheckBox = new QCheckBox(QStringLiteral(" Részletek"), this);
    ReszletekCheckBox->setObjectName(QStringLiteral("ReszletekCheckBox"));
    ReszletekCheckBox->setToolTip(QStringLiteral(" Találati arányok megjelenítése/tiltása "));
    ReszletekCheckBox->setChecked(true);
    opciok->addWidget(FeltetelekLogCB);
    opciok->addWidget(HuzasokLogCB);
    opciok->addWidget(ReszletekCheckBox);
    opciok->addStretch(1);
    fo->addLayout(opciok);

    auto* gombok = new QHBoxLayout;
    const auto gomb = [this](const char* nev, const char* felirat, const char* tipp) {
        auto* b = new QPushButton(QString::fromUtf8(felirat), this);
        b->setObjectName(QString::fromUtf8(nev));
        b->setAutoDefault(false);
        if (tipp)
            b->setToolTip(QString::fromUtf8(tipp));
        return b;
    };
    BovitesTesztGomb = gomb("BovitesTesztGomb", "Beillesztés", nullptr);
    BovitesTesztGomb->setEnabled(false);
    HuzasokSzamaGomb = gomb("HuzasokSzamaGomb", "Húzások száma", " Húzások számának beállítása ");
    HuzasokSzamaGomb->setEnabled(false);
    StopGomb = gomb("StopGomb", "Stop", " Teszt leállítása, ablak bezárása ");
    HatterbenGomb = gomb("HatterbenGomb", "Háttérben", " Teszt folyamata a háttérben ");
    KilepesGomb = gomb("KilepesGomb", "Kilépés", nullptr);
    for (QPushButton* b : {BovitesTesztGomb, HuzasokSzamaGomb})
        gombok->addWidget(b);
    gombok->addStretch(1);
    for (QPushButton* b : {StopGomb, HatterbenGomb, KilepesGomb})
        gombok->addWidget(b);
    fo->addLayout(gombok);

    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(500);

    connect(Timer2, &QTimer::timeout, this, &TBontTeszt::Timer2Timer);
    connect(StopGomb, &QPushButton::clicked, this, &TBontTeszt::StopGombClick);
    connect(KilepesGomb, &QPushButton::clicked, this, &TBontTeszt::KilepesGombClick);
    connect(HatterbenGomb, &QPushButton::clicked, this, &TBontTeszt::HatterbenGombClick);
    connect(HuzasokSzamaGomb, &QPushButton::clicked, this, &TBontTeszt::HuzasokSzamaGombClick);
    connect(BovitesTesztGomb, &QPushButton::clicked, this, &TBontTeszt::BovitesTesztGombClick);
    connect(FeltetelekLogCB, &QCheckBox::clicked, this, &TBontTeszt::FeltetelekLogCBClick);
    connect(HuzasokLogCB, &QCheckBox::clicked, this, &TBontTeszt::FeltetelekLogCBClick);
    connect(ReszletekCheckBox, &QCheckBox::clicked, this, &TBontTeszt::ReszletekCheckBoxClick);
    connect(UpDown1, &QSpinBox::valueChanged, this, &TBontTeszt::UpDown1Click);
    UpDown1->DuplaKattintas = [this] { LabeledEdit1DblClick(); };
    // The values change through the arrows only.
    UpDown1->Szerkeszto()->setReadOnly(true);
    TesztListDbTalalatraUpDown->Szerkeszto()->setReadOnly(true);
    connect(TesztListDbTalalatraUpDown, &QSpinBox::valueChanged, this, [this](int v) {
        UDIrany = v >= elozoOsztaly_ ? 1 : -1;
        TesztListDbTalalatraUpDownClick();
    });
    resize(640, 480);
}

void TBontTeszt::Beallitas(const TesztElokeszites& e)
{
    // The handlers stay detached while the main window sets the controls.
    const QSignalBlocker b1(HuzasokLogCB), b2(FeltetelekLogCB), b3(UpDown1), b4(TesztListDbTalalatraUpDown);
    HuzasokLogCB->setEnabled(e.HuzasokLogEngedelyezett);
    HuzasokLogCB->setChecked(e.HuzasokLogPipa);
    UpDown1->setToolTip(q(e.SzamTipp));
    UpDown1->setRange(e.SzamMin, e.SzamMax);
    UpDown1->setValue(e.SzamPozicio);
    FeltetelekLogCB->setEnabled(e.FeltetelekLogEngedelyezett);
    TesztListDbTalalatraUpDown->setRange(0, e.ListaMax);
    TesztListDbTalalatraUpDown->setValue(e.ListaPozicio);
    elozoOsztaly_ = e.ListaPozicio;
    TesztListDbTalalatraHint();
    TesztListDbTalalatraUpDown->setEnabled(false);
}

void TBontTeszt::TesztListDbTalalatraHint()
{
    const int c = TesztListDbTalalatraUpDown->value();
    const QString tipp = q(TesztListDbTalalatraTipp(c, teszt_.Beallitas));
    TesztListDbTalalatraUpDown->setToolTip(tipp);
    // The edit shows the class text (the stride may have changed).
    TesztListDbTalalatraUpDown->Szerkeszto()->setText(q(TesztListPositionText(c, teszt_.Beallitas)));
}

void TBontTeszt::BontTesztBetoltes()
{
    TesztFejlec->setText(q(teszt_.TesztFejlec()));
    RichEdit1->clear();
    ElteltIdoLabel->setText(QStringLiteral("Időtartam: ") + q(TesztIdoSzoveg(0)));
}

void TBontTeszt::Start()
{
    if (teszt_.Fut() || variacio_.Fut())
        return;
    Tag = 0;
    const bool feltetelek = FeltetelekLogCB->isChecked() && FeltetelekLogCB->isEnabled();
    if (!teszt_.PeldabontasLog().empty()) {
        // A finished test is on show: only the class can be chosen again.
        TesztListDbTalalatraUpDown->setEnabled(true);
        meretFigyelmeztetes();
        BontTesztHeightBeallitas();
        show();
        raise();
        return;
    }
    teszt_.Elokeszites(feltetelek, TesztListDbTalalatraUpDown->value());
    FMeretIgazitas = true;
    BontTesztBetoltes();
    HatralevoIdoLabel->setText(QStringLiteral("Hátralévő: 0:00:00 "));
    Label1->setText(QStringLiteral("Folyamat: 0%"));
    BontFolyamatTesztPB->setValue(0);
    TesztListDbTalalatraUpDownClick();
    KilepesGomb->setEnabled(false);
    HuzasokSzamaGomb->setEnabled(false);
    BovitesTesztGomb->setEnabled(false);
    StopGomb->setEnabled(true);
    HatterbenGomb->setEnabled(true);
    ReszletekCheckBox->setEnabled(true);
    kesz_.store(false);
    kezdoIdo_ = Ora();
    zaroIdo_ = kezdoIdo_;
    meretFigyelmeztetes();
    BontTesztHeightBeallitas();
    show();
    raise();
    HatterbenGomb->setFocus();
    platform::SetTaskbarProgressState(2);
    MegszakitasLeiras m;
    m.Form = this;
    m.Idozito = Timer2;
    m.Munka = [this](std::stop_token st) {
        std::stop_callback leallit(st, [this] { teszt_.Leallitas(); });
        kesz_.store(teszt_.Futtatas());
    };
    m.VegeKezelo = [this](bool sikeres) { vegeKezelo(sikeres && kesz_.load()); };
    szal_ = Megszakitas::Indit(std::move(m));
    if (!szal_)
        vegeKezelo(false);
}

void TBontTeszt::vegeKezelo(bool kesz)
{
    Timer2->stop();
    zaroIdo_ = Ora();
    ReszletekCheckBox->setEnabled(false);
    teszt_.Befejezes(kesz);
    if (!teszt_.PeldabontasLog().empty())
        TesztVege();
    else
        KilepesGombClick();
}

void TBontTeszt::Timer2Timer()
{
    const std::int64_t db = teszt_.TesztSzamsorDb();
    if (db <= 0)
        return;
    const double eltelt = Ora() - kezdoIdo_;
    ElteltIdoLabel->setText(QStringLiteral("Időtartam: ") + q(TesztIdoSzoveg(eltelt)));
    const TesztIdoBecsles b = TesztIdoBecslese(db, teszt_.ABSZTEST, eltelt);
    if (b.TobbMintEgyNap) {
        HatralevoIdoLabel->setText(QStringLiteral("Hátralévő: több mint 1 nap"));
        if (b.Leallitas) {
            // The test stops first, then the user reads why.
            Timer2->stop();
            platform::SetTaskbarProgressState(3);
            StopGombClick();
            FigyelmeztetoUzenet(q(EgyNapUzenet(b.HatralevoNap)));
            return;
        }
    } else {
        HatralevoIdoLabel->setText(QStringLiteral("Hátralévő: ") + q(TesztIdoSzoveg(b.HatralevoNap * 86400.0)));
    }
    if (FReszletek)
        RichEdit1->setPlainText(sorok(teszt_.KozbensoRiport()));
    if (FMeretIgazitas) {
        if (FReszletek) {
            BontTesztHeightBeallitas();
        } else {
            RichEdit1->setPlainText(QStringLiteral("\nVariáció tesztje..."));
            legkisebbMagassag();
            magassagBeallitas(minimumHeight());
        }
        FMeretIgazitas = false;
    }
    BontFolyamatTesztPB->setValue(b.Szazalek);
    Label1->setText(QStringLiteral("Folyamat: %1%").arg(b.Szazalek));
    platform::SetTaskbarProgressValue(100, static_cast<std::uint64_t>(b.Szazalek));
}

void TBontTeszt::TesztVege()
{
    if (teszt_.PeldabontasLog().empty())
        return;
    HatterbenGomb->setEnabled(false);
    KilepesGomb->setEnabled(true);
    StopGomb->setEnabled(false);
    HuzasokSzamaGomb->setEnabled(Program::aktualis().Huzasok.AdatbazisBetoltve);
    const Program& p = Program::aktualis();
    VariacioAllapot v;
    v.BontMatrixMeret = p.Tar.BontMatrixMeret;
    v.BontSzelvszam = p.Tar.BontSzelvszam;
    v.BontStatus = p.Bontas.Vezerles.FBontStatus.load();
    v.BontasPause = p.Bontas.Vezerles.BontasPause.load();
    v.BontasBefejezetlen = p.Bontas.Allapot.BontasBefejezetlen;
    v.SzerkesztettVariacio = p.Bontas.SzerkesztettVariacio;
    const TesztLista l = teszt_.Lista(TesztListDbTalalatraUpDown->value(), GetMNBString(v));
    // The list follows the report on a line of its own.
    RichEdit1->setPlainText(sorok(teszt_.PeldabontasLog() + "\r\n" + l.Szoveg));
    BovitesTesztGomb->setToolTip(q(l.BeillesztTipp));
    BontFolyamatTesztPB->setValue(100);
    Label1->setText(QStringLiteral("Folyamat: 100%"));
    ElteltIdoLabel->setText(QStringLiteral("Időtartam: ") + q(TesztIdoSzoveg(zaroIdo_ - kezdoIdo_)));
    HatralevoIdoLabel->setText(QStringLiteral("Hátralévő: ") + q(TesztIdoSzoveg(0)));
    BovitesGombStatus();
    TesztListDbTalalatraUpDown->setEnabled(true);
    platform::SetTaskbarProgressState(0);
    BontTesztHeightBeallitas();
}

bool TBontTeszt::opcioValtozott() const
{
    const bool feltetelek = FeltetelekLogCB->isChecked() && FeltetelekLogCB->isEnabled();
    return feltetelek != teszt_.FeltetelekTeszt || HuzasokLogCB->isChecked() != teszt_.Beallitas.HuzasokTeszt ||
           UpDown1->value() != teszt_.Beallitas.TesztSzamsorHossz;
}

void TBontTeszt::KilepesGombClick()
{
    if (teszt_.Fut())
        return;
    hide();
    platform::SetTaskbarProgressState(0);
    if (opcioValtozott()) {
        teszt_.PeldabontasLogTorles();
        emit ujrainditasKerve();
    } else if (Tag == -1) {
        Tag = 0;
        emit beillesztesKerve(TesztListDbTalalatraUpDown->value());
    }
}

void TBontTeszt::BovitesGombStatus()
{
    const Program& p = Program::aktualis();
    const int c = TesztListDbTalalatraUpDown->value();
    BovitesTesztGomb->setEnabled(teszt_.BeillesztesEngedelyezett(c));
    HuzasokSzamaGomb->setEnabled(p.Huzasok.AdatbazisBetoltve && !teszt_.PeldabontasLog().empty() &&
                                 teszt_.Beallitas.TesztSzamsorHossz == p.Jatek.HuzottFoSzamok);
}

void TBontTeszt::StopGombClick()
{
    teszt_.Leallitas();
    teszt_.PeldabontasLogTorles();
}

void TBontTeszt::HatterbenGombClick()
{
    if (StopGomb->isEnabled() && isVisible() && teszt_.Fut())
        if (QWidget* fo = parentWidget())
            fo->showMinimized();
}

void TBontTeszt::FeltetelekLogCBClick()
{
    const bool befejezett = !teszt_.Fut();
    StopGombClick();
    // A running test ends first and closes the window, which restarts it.
    if (befejezett)
        KilepesGombClick();
}

void TBontTeszt::UpDown1Click()
{
    // The draw test takes whole draws.
    if (UpDown1->value() < UpDown1->maximum()) {
        const QSignalBlocker b(HuzasokLogCB);
        HuzasokLogCB->setChecked(false);
    }
    FeltetelekLogCBClick();
}

void TBontTeszt::LabeledEdit1DblClick()
{
    const QSignalBlocker b(UpDown1);
    UpDown1->setValue(UpDown1->value() == UpDown1->maximum() ? UpDown1->minimum() : UpDown1->maximum());
    UpDown1Click();
}

void TBontTeszt::HuzasokSzamaGombClick()
{
    if (Program::aktualis().Huzasok.AdatbazisBetoltve)
        emit tartomanyKerve();
}

void TBontTeszt::BovitesTesztGombClick()
{
    Tag = -1;
    KilepesGombClick();
}

void TBontTeszt::TesztListDbTalalatraUpDownClick()
{
    const GameParams& g = Program::aktualis().Jatek;
    const TesztBeallitas& b = teszt_.Beallitas;
    int c = TesztListDbTalalatraUpDown->value();
    if (b.HuzasokTeszt && g.VanPotSzam && !g.VanPluszSzam && b.TesztTalalatSzorzo > 1) {
        const int max = TesztListDbTalalatraUpDown->maximum();
        const int s = b.TesztTalalatSzorzo;
        const int sorHossz = Program::aktualis().Szamok.VariacioMeret + Program::aktualis().Szamok.FixSzamDb();
        // Classes that cannot occur are stepped over: a bonus hit counts
        // only one below a full hit where it forms no classes of its own.
        const auto lehetetlen = [&](int x) {
            if (g.PotSzamTalalat)
                return g.PotSzamok > 1 && x == max;
            return x % s != 0 && !(x / s == sorHossz - 1 && x % s == 1);
        };
        if (lehetetlen(c)) {
            const int uj = std::clamp(c + UDIrany, 0, max);
            c = lehetetlen(uj) ? std::clamp(uj + UDIrany, 0, max) : uj;
            const QSignalBlocker bl(TesztListDbTalalatraUpDown);
            TesztListDbTalalatraUpDown->setValue(c);
        }
    }
    elozoOsztaly_ = c;
    TesztListDbTalalatraHint();
    if (!teszt_.Fut())
        TesztVege();
}

void TBontTeszt::ReszletekCheckBoxClick()
{
    FReszletek = ReszletekCheckBox->isChecked();
    FMeretIgazitas = true;
    HatterbenGomb->setFocus();
}

QRect TBontTeszt::munkaTerulet() const
{
    if (const AblakElhelyezes* e = AblakElhelyezes::Keres(this))
        return e->AblakTerulet();
    const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
    return s ? s->availableGeometry() : QRect(0, 0, 1024, 768);
}

int TBontTeszt::jelentesNelkuliMagassag() const
{
    // Everything but the report: header, progress panel, options, buttons
    // and the margins between them.
    return layout()->totalMinimumSize().height() - RichEdit1->minimumSizeHint().height();
}

void TBontTeszt::legkisebbMagassag()
{
    // The report keeps ten lines in sight at the least (with the scroll bar
    // its long lines bring).
    const int sor = QFontMetrics(RichEdit1->font()).lineSpacing();
    const int min = jelentesNelkuliMagassag() + 10 * sor + 2 * RichEdit1->frameWidth() + 2 * 8 +
                    RichEdit1->horizontalScrollBar()->sizeHint().height();
    setMinimumHeight(std::min(min, munkaTerulet().height() - keretMagassag()));
}

int TBontTeszt::keretMagassag() const
{
    return isVisible() ? std::max(0, frameGeometry().height() - geometry().height()) : 0;
}

void TBontTeszt::magassagBeallitas(int magassag)
{
    // Within the work area, centred vertically on the main window.
    const QRect munka = munkaTerulet();
    const int keret = keretMagassag();
    magassag = std::clamp(magassag, minimumHeight(), std::max(minimumHeight(), munka.height() - keret));
    resize(width(), magassag);
    int teto = y();
    if (const QWidget* fo = parentWidget(); fo && fo->isVisible()) {
        const QRect f = fo->frameGeometry();
        teto = f.top() + (f.height() - magassag - keret) / 2;
    }
    teto = std::clamp(teto, munka.top(), std::max(munka.top(), munka.bottom() + 1 - magassag - keret));
    move(x(), teto);
    // Grown or shrunk, it still leaves the other windows free where it can.
    if (isVisible())
        kvx::AblakElhelyezese(this);
}

void TBontTeszt::BontTesztHeightBeallitas()
{
    // Room for the table: one text line per class and some twenty more.
    const Program& p = Program::aktualis();
    const int m = p.Jatek.KenoJatek ? p.Jatek.SzamsorHossz : TesztListDbTalalatraUpDown->maximum();
    const int sorMagassag = QFontMetrics(RichEdit1->font()).lineSpacing();
    const int kell = (m + 1) * std::max(teszt_.Beallitas.TesztTalalatSzorzo, 1) + 20;
    legkisebbMagassag();
    const int magassag = jelentesNelkuliMagassag() + kell * sorMagassag;
    // As wide as the longest line of the text (the conditions columns), but
    // never wider than the work area.
    const QFontMetrics fm(RichEdit1->font());
    int szeles = 0;
    for (const QString& sor : RichEdit1->toPlainText().split(QLatin1Char('\n')))
        szeles = std::max(szeles, fm.horizontalAdvance(sor));
    const QRect munka = munkaTerulet();
    const int keretSzelesseg = isVisible() ? std::max(0, frameGeometry().width() - geometry().width()) : 0;
    const int szelesseg = std::min(width() - RichEdit1->viewport()->width() + szeles + 2 * 8 + 4,
                                   munka.width() - keretSzelesseg);
    if (width() < szelesseg || width() > munka.width() - keretSzelesseg) {
        resize(std::min(std::max(width(), szelesseg), munka.width() - keretSzelesseg), height());
        move(std::clamp(x(), munka.left(), std::max(munka.left(), munka.right() + 1 - frameGeometry().width())), y());
    }
    if (height() < magassag || frameGeometry().bottom() > munka.bottom() || frameGeometry().top() < munka.top())
        magassagBeallitas(std::max(height(), magassag));
}

void TBontTeszt::meretFigyelmeztetes()
{
    Settings& b = settings();
    FormHeightSizeWarning(this, true, b.BetuMeret, b.UzenetekLog[17]);
}

void TBontTeszt::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    kvx::AblakElhelyezese(this);
}

void TBontTeszt::closeEvent(QCloseEvent* e)
{
    // While the test runs closing means Stop: the window closes when the
    // worker has ended.
    if (teszt_.Fut()) {
        StopGombClick();
        e->ignore();
        return;
    }
    QDialog::closeEvent(e);
    platform::SetTaskbarProgressState(0);
}

void TBontTeszt::reject()
{
    if (teszt_.Fut()) {
        StopGombClick();
        return;
    }
    KilepesGombClick();
}
