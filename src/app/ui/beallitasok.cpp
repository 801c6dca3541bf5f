#include "app/ui/beallitasok.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <limits>
#include <iterator>

#include "app/shell_state.h"
#include "app/ui/ablak_elhelyezes.h"
#include "app/ui/sugo.h"
#include "app/settings_dialog.h"
#include "app/ui/program.h"
#include "app/ui/uzenetek.h"
#include "common/delphi_format.h"
#include "platform/system_info.h"

using namespace kvx;

namespace {

QString q(const std::string& s)
{
    return QString::fromStdString(s);
}

char tizedesJel()
{
    return formatSettings().decimalSeparator;
}

constexpr const char* kJovahagyasFigyelmeztetes =
    "Akkor kapcsolja ki a szolgáltatást, ha gyakorlott felhasználó.\r\nA szolgáltatás védelmet biztosít a variációra "
    "kijelölt számsorok, a beállított feltételek, a variációk és az adatbázisok részére. \r\n\r\nA szolgáltatás "
    "használatával elkerülhető a véletlen adatvesztés.\r\nNem minden művelet tartozik a beállítás hatálya alá.";
constexpr const char* kBackLogFigyelmeztetes =
    "Amennyiben letiltja a biztonsági másolatok készítése szolgáltatást, visszavonhatatlanul törlődik az utoljára "
    "kijelölt számsor és az ahhoz rendelt feltételek - a variáció adatai. \r\n\r\nA szolgáltatás használatával "
    "elkerülhető a véletlen adatvesztés.";
constexpr const char* kBackTipusTipp =
    " Ha kijelölt az opció, maximum 100 000 számsorig készít biztonsági másolatot a program, \r\n különben csak a "
    "variációra kijelölt számsor és a kapcsolódó beállítások kerülnek mentésre. \r\n A beállítás a Visszatöltés "
    "funkció működését is szabályozza. \r\n További információk, Súgó: Tartalom - Beállítások - Általános ";
constexpr const char* kMemo1 =
    "Ha több számsort engedélyezne, a Windows csak a virtuális memóriában tudná tárolni a variáció adatait. Abban az "
    "esetben nem csak a variáció készítése tartana tovább, hanem az egyéb alkalmazások működése is bizonytalanná "
    "válhatna.";
constexpr const char* kMemo2 =
    "Jelentősen növekedhet a variáció készítésének időtartama.\n\r\n\rA program nem teszi lehetővé 1 milliónál több "
    "számsor listázását és mentését, a 10 000 számsort meghaladó listák nyomtatását, több mint 1 000 számsor esetén, "
    "a segédsorsjegyek nyomtatóval történő kitöltését.";

QCheckBox* doboz(const char* felirat, const char* nev, QWidget* szulo)
{
    auto* c = new QCheckBox(QString::fromUtf8(felirat), szulo);
    c->setObjectName(QString::fromUtf8(nev));
    return c;
}

}  // namespace

TBeallitasok::TBeallitasok(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Beallitasok"));
    SzabadMemoria = [] { return kvx::platform::SzabadMemoria(); };
    FormCreate();
}

void TBeallitasok::FormCreate()
{
    setWindowTitle(QStringLiteral(" Program beállítások"));
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    auto* fo = new QVBoxLayout(this);
    Lapok = new QTabWidget(this);
    Lapok->setObjectName(QStringLiteral("PageControl1"));
    fo->addWidget(Lapok);

    // "Általános"
    auto* altalanos = new QWidget(Lapok);
    auto* al = new QVBoxLayout(altalanos);
    JovahagyasCheck = doboz(" Jóváhagyás kérése", "JovahagyasCheck", altalanos);
    BuborekKiBeBox = doboz(" Súgóbuborék engedélyezése ", "BuborekKiBeBox", altalanos);
    InformCheck = doboz(" Hasznos információk", "InformCheck", altalanos);
    InformAllapotCheck = doboz(" Minden üzenet engedélyezése", "InformAllapotCheck", altalanos);
    InformAllapotCheck->setToolTip(QStringLiteral(" Letiltott információs üzenetek engedélyezése "));
    NewVersionCheck = doboz(" Új verzió keresése", "NewVersionCheck", altalanos);
    SoundCheckBox = doboz(" Hangjelzések", "SoundCheckBox", altalanos);
    BackLogCheck = doboz(" Biztonsági másolat készítése", "BackLogCheck", altalanos);
    BackTipusaGomb = doboz(" Variáció mentése", "BackTipusaGomb", altalanos);
    BackTipusaGomb->setToolTip(QString::fromUtf8(kBackTipusTipp));
    AllomanyNeveBox = doboz(" Automatikus névadás", "AllomanyNeveBox", altalanos);
    for (QCheckBox* c : {JovahagyasCheck, BuborekKiBeBox, InformCheck, InformAllapotCheck, NewVersionCheck,
                         SoundCheckBox, BackLogCheck, BackTipusaGomb, AllomanyNeveBox})
        al->addWidget(c);
    InformAllapotCheck->setContentsMargins(20, 0, 0, 0);
    BackTipusaGomb->setContentsMargins(20, 0, 0, 0);
    auto* arSor = new QHBoxLayout;
    arSor->addWidget(new QLabel(QStringLiteral("Szelvény ára"), altalanos));
    SzelvArEdit = new QLineEdit(altalanos);
    SzelvArEdit->setObjectName(QStringLiteral("SzelvArEdit"));
    SzelvArEdit->setMaxLength(6);
    SzelvArEdit->installEventFilter(this);
    arSor->addWidget(SzelvArEdit);
    ComboBox1 = new QComboBox(altalanos);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    for (const char* p : {" forint", " euro", " kuna", " lei", " dinar", " hrivnya", " dollar", " korona", " litas"})
        ComboBox1->addItem(QString::fromUtf8(p));
    arSor->addWidget(ComboBox1);
    al->addLayout(arSor);
    auto* meretSor = new QHBoxLayout;
    meretSor->addWidget(new QLabel(QStringLiteral("Szöveg-és ablak méretek módosítása"), altalanos));
    MeretvaltasBox = new QComboBox(altalanos);
    MeretvaltasBox->setObjectName(QStringLiteral("MeretvaltasBox"));
    for (const char* p : {"100%", "125%", "150%", "175%", "200%", "225%", "250%"})
        MeretvaltasBox->addItem(QString::fromUtf8(p));
    meretSor->addWidget(MeretvaltasBox);
    al->addLayout(meretSor);
    Button1 = new QPushButton(QStringLiteral("Nyomtató beállítás"), altalanos);
    Button1->setObjectName(QStringLiteral("Button1"));
    al->addWidget(Button1);
    al->addStretch();
    Lapok->addTab(altalanos, QStringLiteral("Általános"));

    // "Variáció"
    auto* variacio = new QWidget(Lapok);
    auto* vl = new QVBoxLayout(variacio);
    auto* csoport = new QGroupBox(QStringLiteral("   Erőforrások védelme   "), variacio);
    auto* cl = new QVBoxLayout(csoport);
    cl->addWidget(new QLabel(QStringLiteral("Variáció engedélyezett mérete:"), csoport));
    BontMaxMereteTB = new QSlider(Qt::Horizontal, csoport);
    BontMaxMereteTB->setObjectName(QStringLiteral("BontMaxMereteTB"));
    BontMaxMereteTB->setTickPosition(QSlider::TicksBelow);
    BontMaxMereteTB->setPageStep(10);
    cl->addWidget(BontMaxMereteTB);
    Label2 = new QLabel(csoport);
    Label2->setObjectName(QStringLiteral("Label2"));
    cl->addWidget(Label2);
    Memo1Label = new QLabel(QString::fromUtf8(kMemo1), csoport);
    Memo1Label->setObjectName(QStringLiteral("Memo1Label"));
    Memo2Label = new QLabel(QString::fromUtf8(kMemo2).replace(QStringLiteral("\n\r"), QStringLiteral("\n")), csoport);
    Memo2Label->setObjectName(QStringLiteral("Memo2Label"));
    for (QLabel* l : {Memo1Label, Memo2Label}) {
        l->setWordWrap(true);
        cl->addWidget(l);
    }
    JovahagyasCheckVariation = doboz(" Jóváhagyás kérése", "JovahagyasCheckVariation", csoport);
    cl->addWidget(JovahagyasCheckVariation);
    vl->addWidget(csoport);
    vl->addStretch();
    Lapok->addTab(variacio, QStringLiteral("Variáció"));

    // "Információk"
    auto* info = new QWidget(Lapok);
    auto* il = new QVBoxLayout(info);
    auto* ics = new QGroupBox(QStringLiteral("   Könyvtárstruktúra   "), info);
    auto* icl = new QVBoxLayout(ics);
    Memo3Label = new QLabel(ics);
    Memo3Label->setObjectName(QStringLiteral("Memo3Label"));
    Memo3Label->setWordWrap(true);
    Memo3Label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    icl->addWidget(Memo3Label);
    il->addWidget(ics);
    il->addStretch();
    Lapok->addTab(info, QStringLiteral("Információk"));

    // Each tab has its help topic; the rest of the window (tab bar, buttons)
    // takes the topic of the tab shown.
    const int temak[] = {kvx::kSugoBeallitasAltalanos, kvx::kSugoBeallitasVariacio, kvx::kSugoBeallitasInformaciok};
    for (int i = 0; i < Lapok->count(); ++i)
        kvx::Sugo::KontextusBeallitas(Lapok->widget(i), temak[i]);
    kvx::Sugo::KontextusBeallitas(this, temak[0]);
    connect(Lapok, &QTabWidget::currentChanged, this, [this, temak](int i) {
        if (i >= 0 && i < static_cast<int>(std::size(temak)))
            kvx::Sugo::KontextusBeallitas(this, temak[i]);
    });

    auto* gombok = new QHBoxLayout;
    ResetGomb = new QPushButton(QStringLiteral("Reset"), this);
    ResetGomb->setObjectName(QStringLiteral("ResetGomb"));
    ResetGomb->setToolTip(QStringLiteral(" Alapértelmezett beállítások alkalmazása "));
    KilepesGomb = new QPushButton(QStringLiteral("Kilépés"), this);
    KilepesGomb->setObjectName(QStringLiteral("KilepesGomb"));
    gombok->addWidget(ResetGomb);
    gombok->addStretch();
    gombok->addWidget(KilepesGomb);
    fo->addLayout(gombok);

    connect(KilepesGomb, &QPushButton::clicked, this, &TBeallitasok::KilepesGombClick);
    connect(ResetGomb, &QPushButton::clicked, this, &TBeallitasok::ResetGombClick);
    connect(Button1, &QPushButton::clicked, this, [this] { emit nyomtatoBeallitas(); });
    connect(JovahagyasCheck, &QCheckBox::clicked, this, &TBeallitasok::JovahagyasCheckClick);
    connect(BackLogCheck, &QCheckBox::clicked, this, &TBeallitasok::BackLogCheckClick);
    connect(InformCheck, &QCheckBox::clicked, this, &TBeallitasok::InformCheckClick);
    for (QCheckBox* c : {BuborekKiBeBox, InformAllapotCheck, NewVersionCheck, SoundCheckBox, BackTipusaGomb,
                         AllomanyNeveBox, JovahagyasCheckVariation})
        connect(c, &QCheckBox::clicked, this, &TBeallitasok::BuborekKiBeBoxClick);
    connect(ComboBox1, &QComboBox::activated, this, &TBeallitasok::BuborekKiBeBoxClick);
    connect(MeretvaltasBox, &QComboBox::activated, this, &TBeallitasok::MeretvaltasBoxChange);
    connect(BontMaxMereteTB, &QSlider::valueChanged, this, [this] {
        BontMaxMereteTBChange();
        if (!betoltes_)
            BeallitasokAlkalmazasa();
    });
    connect(SzelvArEdit, &QLineEdit::textEdited, this, &TBeallitasok::SzelvArEditChange);
    connect(SzelvArEdit, &QLineEdit::editingFinished, this, &TBeallitasok::SzelvArEditExit);
}

int TBeallitasok::meretIndex() const
{
    return std::clamp((settings().BetuMeret - 8) / 2, 0, 6);
}

void TBeallitasok::MeretIndexKijelzes()
{
    const QSignalBlocker b(MeretvaltasBox);
    MeretvaltasBox->setCurrentIndex(meretIndex());
}

void TBeallitasok::BeallitasokStart(bool mutat)
{
    Program& p = Program::aktualis();
    const Settings& s = p.Beallitasok;
    betoltes_ = true;
    const std::int64_t teljes =
        VariacioMeret.Teljes ? VariacioMeret.Teljes(p.Jatek) : std::numeric_limits<std::int64_t>::max();
    const std::uint64_t szabad = SzabadMemoria ? SzabadMemoria().value_or(UINT64_MAX) : UINT64_MAX;
    maximum_ = BontMaxMaximum(szabad, teljes);
    memoriaKorlat_ = BontMemoriaKorlat(szabad, teljes);
    BontMaxMereteTB->setRange(1, CsuszkaLepesDb(maximum_));
    BontMaxMereteTB->setTickInterval(1);
    const std::int64_t engedelyezett = VariacioMeret.Olvasas ? VariacioMeret.Olvasas() : maximum_;
    BontMaxMereteTB->setValue(CsuszkaAllas(std::min(engedelyezett, maximum_), maximum_));
    BontMaxMereteTBChange();

    JovahagyasCheck->setChecked(s.Jovahagyas);
    JovahagyasCheckVariation->setChecked(s.JovahagyasVariacio);
    BuborekKiBeBox->setChecked(s.ShowHint);
    InformCheck->setChecked(s.Inform);
    NewVersionCheck->setChecked(s.UjVerzioKereses);
    SoundCheckBox->setChecked(s.Hangjelzes);
    BackLogCheck->setChecked(s.BiztonsagiMentes);
    BackTipusaGomb->setChecked(s.BackTipus == "top");
    BackTipusaGomb->setEnabled(s.BiztonsagiMentes);
    AllomanyNeveBox->setChecked(s.AutomatikusNev);
    MeretIndexKijelzes();
    InformAllapotCheck->setChecked(std::all_of(s.UzenetekLog.begin(), s.UzenetekLog.end(),
                                               [](std::uint8_t v) { return v != 0; }));
    InformAllapotCheck->setEnabled(s.Inform);
    const auto j = static_cast<std::size_t>(std::clamp(p.Jatek.LottoIndex, 0, kJatekokSzama - 1));
    ComboBox1->setCurrentIndex(std::clamp(s.PenznemIndex[j], 0, kPenznemekSzama - 1));
    ArSzovegKiiras(s.JegyAr[j]);
    Memo3Label->setText(q(KonyvtarStrukturaSzoveg(p.Konyvtarak.ProgramKonyvtar, p.Jatek.LottoIndex))
                            .replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    betoltes_ = false;
    if (mutat) {
        Lapok->setCurrentIndex(0);
        show();
        kvx::AblakElhelyezese(this);
        raise();
    }
}

void TBeallitasok::BontMaxMereteTBChange()
{
    const std::int64_t meret = CsuszkaMeret(BontMaxMereteTB->value(), maximum_);
    Label2->setText(q(BontMeretSzoveg(meret)));
    Memo1Label->setEnabled(meret == maximum_ && memoriaKorlat_);
    Memo2Label->setEnabled(meret > 1000000);
}

void TBeallitasok::BeallitasokAlkalmazasa()
{
    if (!isVisible())
        return;
    Program& p = Program::aktualis();
    Settings& s = p.Beallitasok;
    if (VariacioMeret.Iras)
        VariacioMeret.Iras(CsuszkaMeret(BontMaxMereteTB->value(), maximum_));
    s.ShowHint = BuborekKiBeBox->isChecked();
    if (InformAllapotCheck->isChecked())
        s.UzenetekLog.fill(1);
    s.Jovahagyas = JovahagyasCheck->isChecked();
    s.JovahagyasVariacio = JovahagyasCheckVariation->isChecked();
    s.AutomatikusNev = AllomanyNeveBox->isChecked();
    s.Inform = InformCheck->isChecked();
    s.BiztonsagiMentes = BackLogCheck->isChecked();
    s.Hangjelzes = SoundCheckBox->isChecked();
    s.UjVerzioKereses = NewVersionCheck->isChecked();
    s.BackTipus = BackTipusaGomb->isChecked() ? "top" : "tip";
    const auto j = static_cast<std::size_t>(std::clamp(p.Jatek.LottoIndex, 0, kJatekokSzama - 1));
    s.PenznemIndex[j] = ComboBox1->currentIndex();
    // Only a typed change moves the price: the games that share it keep
    // their stored prices otherwise.
    const double ar = ArErtek(SzelvArEdit->text().toStdString(), tizedesJel(), s.JegyAr[j]);
    if (ar != s.JegyAr[j])
        JegyArBeallitas(s.JegyAr, p.Jatek.LottoIndex, ar);
    emit alkalmazva();
}

void TBeallitasok::KilepesGombClick()
{
    close();
}

void TBeallitasok::ResetGombClick()
{
    betoltes_ = true;
    BontMaxMereteTB->setValue(CsuszkaAllas(kBontMeretLepes, maximum_));
    BontMaxMereteTBChange();
    betoltes_ = false;
    for (QCheckBox* c : {BuborekKiBeBox, JovahagyasCheck, InformCheck, InformAllapotCheck, BackLogCheck, BackTipusaGomb,
                         SoundCheckBox, AllomanyNeveBox, NewVersionCheck, JovahagyasCheckVariation}) {
        c->setChecked(true);
        c->setEnabled(true);
    }
    settings().UzenetekLog.fill(1);
    BeallitasokAlkalmazasa();
}

bool TBeallitasok::eventFilter(QObject* obj, QEvent* e)
{
    if (obj == SzelvArEdit && e->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(e);
        switch (k->key()) {
        case Qt::Key_Backspace:
        case Qt::Key_Delete:
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Home:
        case Qt::Key_End:
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
            return QDialog::eventFilter(obj, e);
        default:
            break;
        }
        if (k->modifiers() & (Qt::ShiftModifier | Qt::AltModifier | Qt::ControlModifier))
            return true;
        const QString t = k->text();
        if (t.size() != 1 || t[0].unicode() > 127)
            return true;
        QString most = SzelvArEdit->text();
        if (SzelvArEdit->hasSelectedText())
            most.remove(SzelvArEdit->selectionStart(), SzelvArEdit->selectedText().size());
        if (!ArBillentyuElfogadva(most.toStdString(), t[0].toLatin1(), tizedesJel()))
            return true;
    }
    return QDialog::eventFilter(obj, e);
}

void TBeallitasok::SzelvArEditChange()
{
    // Six digits, or two decimals after the separator.
    const std::string t = SzelvArEdit->text().toStdString();
    const std::size_t p = t.find(tizedesJel());
    SzelvArEdit->setMaxLength(p == std::string::npos ? 6 : static_cast<int>(p) + 3);
    const std::string igazitott = ArSzovegIgazitas(t, tizedesJel());
    if (igazitott != t)
        SzelvArEdit->setText(q(igazitott));
}

void TBeallitasok::ArSzovegKiiras(double ar)
{
    // The length limit of the text typed last must not cut the stored price.
    SzelvArEdit->setMaxLength(32767);
    SzelvArEdit->setText(q(ArSzoveg(ar, tizedesJel())));
    SzelvArEditChange();
}

void TBeallitasok::SzelvArEditExit()
{
    Program& p = Program::aktualis();
    const auto j = static_cast<std::size_t>(std::clamp(p.Jatek.LottoIndex, 0, kJatekokSzama - 1));
    const double tarolt = p.Beallitasok.JegyAr[j];
    const double ar = ArErtek(SzelvArEdit->text().toStdString(), tizedesJel(), tarolt);
    if (ar == tarolt)
        ArSzovegKiiras(tarolt);
    BeallitasokAlkalmazasa();
}

void TBeallitasok::JovahagyasCheckClick()
{
    if (!JovahagyasCheck->isChecked() && isVisible())
        FigyelmeztetoUzenet(QString::fromUtf8(kJovahagyasFigyelmeztetes));
    BeallitasokAlkalmazasa();
}

void TBeallitasok::BackLogCheckClick()
{
    if (!BackLogCheck->isChecked() && isVisible())
        FigyelmeztetoUzenet(QString::fromUtf8(kBackLogFigyelmeztetes));
    BackTipusaGomb->setEnabled(BackLogCheck->isChecked());
    BeallitasokAlkalmazasa();
}

void TBeallitasok::InformCheckClick()
{
    InformAllapotCheck->setEnabled(InformCheck->isChecked());
    BeallitasokAlkalmazasa();
}

void TBeallitasok::BuborekKiBeBoxClick()
{
    BeallitasokAlkalmazasa();
}

void TBeallitasok::MeretvaltasBoxChange(int index)
{
    if (isVisible() && index != meretIndex())
        emit meretValtas(index);
    MeretIndexKijelzes();
}
