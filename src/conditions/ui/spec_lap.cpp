#include "conditions/ui/spec_lap.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include <limits>

#include "common/delphi_format.h"
#include "conditions/ui/feltetelek.h"

using namespace kvx;
using namespace kvx::lap;

namespace {

QCheckBox* felteteles(const char* felirat, const char* nev, QWidget* p)
{
    auto* b = new QCheckBox(QString::fromUtf8(felirat), p);
    b->setObjectName(nev);
    QFont f = b->font();
    f.setBold(true);
    b->setFont(f);
    return b;
}

QLabel* felcim(const char* s, QWidget* p)
{
    QLabel* l = cimke(s, p);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    return l;
}

// A typed number of the record's int32 range; empty stays 0 for the
// normalisation to fill in.
std::int32_t szam(const QLineEdit* e)
{
    const std::optional<std::int64_t> v = SorszamErtek(e->text().toStdString());
    return v ? static_cast<std::int32_t>(std::min<std::int64_t>(*v, std::numeric_limits<std::int32_t>::max())) : 0;
}

void szoveg(QLineEdit* e, std::int64_t v)
{
    const QSignalBlocker b(e);
    e->setText(QString::number(v));
}

// The double click of the first end of a range: the last's text when they
// differ, else `also`; of the last end: the first's text, else `felso`.
void ElsoDupla(QLineEdit* elso, const QLineEdit* utolso, const QString& also)
{
    elso->setText(elso->text() != utolso->text() ? utolso->text() : also);
}

void UtolsoDupla(const QLineEdit* elso, QLineEdit* utolso, const QString& felso)
{
    utolso->setText(utolso->text() != elso->text() ? elso->text() : felso);
}

}  // namespace

TSpecLap::TSpecLap(TFeltetelek& ablak, QWidget* lap) : QObject(lap), w_(ablak)
{
    auto* sor = new QVBoxLayout(lap);
    sor->setContentsMargins(4, 4, 4, 4);
    auto edit = [](QWidget* p, const char* nev) {
        auto* e = new TErtekEdit(p);
        e->setObjectName(nev);
        e->setMinimumWidth(56);
        e->setRange(1, 10);
        return e;
    };
    auto gomb = [](QWidget* p, const char* nev, const char* felirat) {
        auto* b = new QPushButton(QString::fromUtf8(felirat), p);
        b->setObjectName(nev);
        b->setAutoDefault(false);
        return b;
    };
    auto* szamok = new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,19}")), this);
    auto beiras = [&](QWidget* p, const char* nev) {
        auto* e = new QLineEdit(p);
        e->setObjectName(nev);
        e->setValidator(szamok);
        e->setAlignment(Qt::AlignRight);
        e->setMinimumWidth(110);
        return e;
    };

    // Számsorok eloszlása.
    Panel21 = new QFrame(lap);
    Panel21->setObjectName("Panel21");
    Panel21->setFrameShape(QFrame::StyledPanel);
    sor->addWidget(Panel21);
    SzamsorokIL = cimke("~", Panel21);
    SzamsorokIL->setObjectName("SzamsorokIL");
    SzamsorokTartomanyBox = felteteles(" Tartományok", "SzamsorokTartomanyBox", Panel21);
    SzamsorokSorozatokBox = felteteles(" Sorozatok", "SzamsorokSorozatokBox", Panel21);
    SzamsorokDbTartomanyEdit = edit(Panel21, "SzamsorokDbTartomanyEdit");
    SzamsorokAktTartomanyEdit = edit(Panel21, "SzamsorokAktTartomanyEdit");
    SzamsorokDbMintaEdit = edit(Panel21, "SzamsorokDbMintaEdit");
    SzamsorokAktMintaEdit = edit(Panel21, "SzamsorokAktMintaEdit");
    SzamsorokTartomanyTipusGroup =
        radioCsoport(Panel21, "SzamsorokTartomanyTipusGroup", "  Típus  ", {"Kizárt", "Keresett"});
    SzamsorokTartomanyModGroup =
        radioCsoport(Panel21, "SzamsorokTartomanyModGroup", "  Mód  ", {"tartományok", "számsorok"});
    SzamsorokSorozatokModGroup =
        radioCsoport(Panel21, "SzamsorokSorozatokModGroup", "  Mód  ", {"tartományának", "számsorának"});
    SzamsorokSorozatokTipusGroup =
        radioCsoport(Panel21, "SzamsorokSorozatokTipusGroup", "  Típus  ", {"kizárása", "keresése"});
    SzamsorokTartomanyMinEdit = beiras(Panel21, "SzamsorokTartomanyMinEdit");
    SzamsorokTartomanyMaxEdit = beiras(Panel21, "SzamsorokTartomanyMaxEdit");
    SzamsorokTartomanyMin = beiras(Panel21, "SzamsorokTartomanyMin");
    SzamsorokTartomanyMax = beiras(Panel21, "SzamsorokTartomanyMax");
    SzamsorokTartomanyMin->setToolTip(QStringLiteral(" Első tartomány sorszáma "));
    SzamsorokTartomanyMax->setToolTip(QStringLiteral(" Utolsó tartomány sorszáma "));
    SzamsorokSorozatokEdit = beiras(Panel21, "SzamsorokSorozatokEdit");
    SzamsorokTartomanyCB = new QComboBox(Panel21);
    SzamsorokTartomanyCB->setObjectName("SzamsorokTartomanyCB");
    SzamsorokSorozatokCB = new QComboBox(Panel21);
    SzamsorokSorozatokCB->setObjectName("SzamsorokSorozatokCB");
    SzamsorokTartomanyKotojel = cimke("-", Panel21);
    SzamsorokTartomanyokRendezesGomb = gomb(Panel21, "SzamsorokTartomanyokRendezesGomb", "Rendez");
    SzamsorokSorozatokRendezesGomb = gomb(Panel21, "SzamsorokSorozatokRendezesGomb", "Rendez");
    {
        auto* g = new QGridLayout(Panel21);
        g->addWidget(felcim("Számsorok eloszlása", Panel21), 0, 0, 1, 3);
        g->addWidget(SzamsorokIL, 0, 6, Qt::AlignRight);
        g->addWidget(SzamsorokTartomanyBox, 1, 0, 1, 2);
        g->addWidget(SzamsorokDbTartomanyEdit, 2, 0);
        g->addWidget(cimke("   tartomány alkalmazása", Panel21), 2, 1);
        g->addWidget(SzamsorokAktTartomanyEdit, 3, 0);
        g->addWidget(cimke("   -dik tartomány", Panel21), 3, 1);
        g->addWidget(SzamsorokTartomanyTipusGroup.Doboz, 2, 2, 2, 2);
        g->addWidget(SzamsorokTartomanyModGroup.Doboz, 2, 4, 2, 2);
        g->addWidget(SzamsorokTartomanyokRendezesGomb, 2, 6);
        g->addWidget(cimke("sorszáma", Panel21), 4, 0, Qt::AlignRight);
        g->addWidget(SzamsorokTartomanyMinEdit, 4, 1);
        g->addWidget(cimke("-", Panel21), 4, 2, Qt::AlignCenter);
        g->addWidget(SzamsorokTartomanyMaxEdit, 4, 3);
        g->addWidget(SzamsorokTartomanyCB, 5, 1);
        g->addWidget(SzamsorokTartomanyMin, 5, 2);
        g->addWidget(SzamsorokTartomanyKotojel, 5, 3, Qt::AlignCenter);
        g->addWidget(SzamsorokTartomanyMax, 5, 4);
        g->addWidget(SzamsorokSorozatokBox, 6, 0, 1, 2);
        g->addWidget(SzamsorokDbMintaEdit, 7, 0);
        g->addWidget(cimke("   minta alkalmazása", Panel21), 7, 1);
        g->addWidget(SzamsorokAktMintaEdit, 8, 0);
        g->addWidget(cimke("   -dik minta", Panel21), 8, 1);
        g->addWidget(SzamsorokSorozatokModGroup.Doboz, 7, 2, 2, 2);
        g->addWidget(SzamsorokSorozatokTipusGroup.Doboz, 7, 4, 2, 2);
        g->addWidget(SzamsorokSorozatokRendezesGomb, 7, 6);
        g->addWidget(cimke("Teljes variáció minden", Panel21), 9, 0, 1, 1, Qt::AlignRight);
        g->addWidget(SzamsorokSorozatokEdit, 9, 1);
        g->addWidget(cimke("- dik", Panel21), 9, 2);
        g->addWidget(SzamsorokSorozatokCB, 9, 3);
        g->setColumnStretch(5, 1);
    }

    // Számok eloszlása - Sorozatok.
    Panel23 = new QFrame(lap);
    Panel23->setObjectName("Panel23");
    Panel23->setFrameShape(QFrame::StyledPanel);
    sor->addWidget(Panel23);
    sor->addStretch(1);
    SorozatAllapotBox = felteteles(" Sorozatok", "SorozatAllapotBox", Panel23);
    DbSorozatEdit = edit(Panel23, "DbSorozatEdit");
    AktSorozatEdit = edit(Panel23, "AktSorozatEdit");
    SMintaMinEdit = edit(Panel23, "SMintaMinEdit");
    SMintaMaxEdit = edit(Panel23, "SMintaMaxEdit");
    SEsetekMinEdit = edit(Panel23, "SEsetekMinEdit");
    SEsetekMaxEdit = edit(Panel23, "SEsetekMaxEdit");
    SDbMintaMinEdit = edit(Panel23, "SDbMintaMinEdit");
    SDbMintaMaxEdit = edit(Panel23, "SDbMintaMaxEdit");
    MindenSorozatGomb = gomb(Panel23, "MindenSorozatGomb", "Mind");
    SSorozatSorrendBox =
        new QCheckBox(QStringLiteral(" Az eloszlások a kijelölt minták sorrendje szerint teljesülnek."), Panel23);
    SSorozatSorrendBox->setObjectName("SSorozatSorrendBox");
    Panel23IL = cimke("~", Panel23);
    Panel23IL->setObjectName("Panel23IL");
    Panel23IL->setVisible(false);
    SDbMintaMinCimke = cimke("Minimum", Panel23);
    SDbMintaMaxCimke = cimke("   maximum", Panel23);
    {
        auto* g = new QGridLayout(Panel23);
        szamokEloszlasa_ = felcim("Számok eloszlása", Panel23);
        g->addWidget(szamokEloszlasa_, 0, 0, 1, 3);
        g->addWidget(Panel23IL, 0, 6, Qt::AlignRight);
        g->addWidget(SorozatAllapotBox, 1, 0, 1, 2);
        g->addWidget(DbSorozatEdit, 2, 1);
        g->addWidget(cimke("   minta alkalmazása", Panel23), 2, 2, 1, 2);
        g->addWidget(AktSorozatEdit, 3, 1);
        g->addWidget(cimke("   -dik minta", Panel23), 3, 2);
        g->addWidget(cimke("Egymást követő 2 szám között minimum", Panel23), 4, 0);
        g->addWidget(SMintaMinEdit, 4, 1);
        g->addWidget(cimke("   maximum", Panel23), 4, 2);
        g->addWidget(SMintaMaxEdit, 4, 3);
        g->addWidget(cimke("   szám távolság lehet.", Panel23), 4, 4);
        g->addWidget(cimke("A minta minimum", Panel23), 5, 0, Qt::AlignRight);
        g->addWidget(SEsetekMinEdit, 5, 1);
        g->addWidget(cimke("   maximum", Panel23), 5, 2);
        g->addWidget(SEsetekMaxEdit, 5, 3);
        g->addWidget(cimke("   esetben fordulhat elő.", Panel23), 5, 4);
        g->addWidget(MindenSorozatGomb, 5, 5);
        g->addWidget(SDbMintaMinCimke, 6, 0, Qt::AlignRight);
        g->addWidget(SDbMintaMinEdit, 6, 1);
        g->addWidget(SDbMintaMaxCimke, 6, 2);
        g->addWidget(SDbMintaMaxEdit, 6, 3);
        g->addWidget(cimke("   minta fordulhat elő egy számsorban.", Panel23), 6, 4, 1, 2);
        g->addWidget(SSorozatSorrendBox, 7, 0, 1, 6);
        g->setColumnStretch(4, 1);
    }

    connect(SzamsorokTartomanyBox, &QCheckBox::clicked, this, &TSpecLap::SzamsorokTartomanyBoxClick);
    connect(SzamsorokSorozatokBox, &QCheckBox::clicked, this, &TSpecLap::SzamsorokSorozatokBoxClick);
    connect(SzamsorokDbTartomanyEdit, &QSpinBox::valueChanged, this, &TSpecLap::SzamsorokAktTartomanyEditChange);
    connect(SzamsorokAktTartomanyEdit, &QSpinBox::valueChanged, this, &TSpecLap::SzamsorokAktTartomanyEditChange);
    for (QButtonGroup* b : {SzamsorokTartomanyTipusGroup.Gombok, SzamsorokTartomanyModGroup.Gombok})
        connect(b, &QButtonGroup::idClicked, this, [this] { SzamsorokTartomanyValtozas(SzamsorokMezo::Nincs); });
    connect(SzamsorokTartomanyCB, &QComboBox::activated, this,
            [this] { SzamsorokTartomanyValtozas(SzamsorokMezo::Nincs); });
    const std::pair<QLineEdit*, SzamsorokMezo> beirasok[] = {{SzamsorokTartomanyMinEdit, SzamsorokMezo::Elso},
                                                             {SzamsorokTartomanyMaxEdit, SzamsorokMezo::Utolso},
                                                             {SzamsorokTartomanyMin, SzamsorokMezo::OsztasMin},
                                                             {SzamsorokTartomanyMax, SzamsorokMezo::OsztasMax}};
    for (const auto& [e, m] : beirasok) {
        const SzamsorokMezo mezo = m;
        connect(e, &QLineEdit::editingFinished, this, [this, mezo] { SzamsorokTartomanyValtozas(mezo); });
    }
    connect(SzamsorokTartomanyokRendezesGomb, &QPushButton::clicked, this,
            &TSpecLap::SzamsorokTartomanyokRendezesGombClick);
    new DuplaKattintas(SzamsorokTartomanyMinEdit, [this] { SzamsorokTartomanyMinEditDblClick(); });
    new DuplaKattintas(SzamsorokTartomanyMaxEdit, [this] { SzamsorokTartomanyMaxEditDblClick(); });
    new DuplaKattintas(SzamsorokTartomanyMin, [this] { SzamsorokTartomanyMinDblClick(); });
    new DuplaKattintas(SzamsorokTartomanyMax, [this] { SzamsorokTartomanyMaxDblClick(); });
    new DuplaKattintas(SzamsorokSorozatokEdit, [this] { SzamsorokSorozatokEditDblClick(); });
    connect(SzamsorokDbMintaEdit, &QSpinBox::valueChanged, this, &TSpecLap::SzamsorokAktMintaEditChange);
    connect(SzamsorokAktMintaEdit, &QSpinBox::valueChanged, this, &TSpecLap::SzamsorokAktMintaEditChange);
    for (QButtonGroup* b : {SzamsorokSorozatokModGroup.Gombok, SzamsorokSorozatokTipusGroup.Gombok})
        connect(b, &QButtonGroup::idClicked, this, &TSpecLap::SzamsorokMintaValtozas);
    connect(SzamsorokSorozatokCB, &QComboBox::activated, this, &TSpecLap::SzamsorokMintaValtozas);
    connect(SzamsorokSorozatokEdit, &QLineEdit::editingFinished, this, &TSpecLap::SzamsorokMintaValtozas);
    connect(SzamsorokSorozatokRendezesGomb, &QPushButton::clicked, this,
            &TSpecLap::SzamsorokSorozatokRendezesGombClick);

    connect(SorozatAllapotBox, &QCheckBox::clicked, this, &TSpecLap::SorozatAllapotBoxClick);
    const std::pair<TErtekEdit*, SorozatMezo> mezok[] = {
        {DbSorozatEdit, SorozatMezo::Db},           {AktSorozatEdit, SorozatMezo::Akt},
        {SMintaMinEdit, SorozatMezo::TavolsagMin},  {SMintaMaxEdit, SorozatMezo::TavolsagMax},
        {SEsetekMinEdit, SorozatMezo::EsetMin},     {SEsetekMaxEdit, SorozatMezo::EsetMax},
        {SDbMintaMinEdit, SorozatMezo::MintaDbMin}, {SDbMintaMaxEdit, SorozatMezo::MintaDbMax}};
    for (const auto& [e, m] : mezok) {
        const SorozatMezo mezo = m;
        connect(e, &QSpinBox::valueChanged, this, [this, mezo] { SorozatValtozas(mezo); });
    }
    connect(SSorozatSorrendBox, &QCheckBox::clicked, this, [this] { SorozatValtozas(SorozatMezo::Sorrend); });
    connect(MindenSorozatGomb, &QPushButton::clicked, this, &TSpecLap::MindenSorozatGombClick);
    connect(SMintaMinEdit, &TErtekEdit::duplaKattintas, this,
            [this] { SMintaMinEdit->setValue(SMintaMinDupla(SMintaMinEdit->value(), SMintaMaxEdit->value())); });
    connect(SMintaMaxEdit, &TErtekEdit::duplaKattintas, this, [this] {
        SMintaMaxEdit->setValue(
            SMintaMaxDupla(SMintaMinEdit->value(), SMintaMaxEdit->value(), SMintaMaxEdit->maximum()));
    });

    sorozatCBAction();
    szamsorokEngedelyezes();
}

// ---------------------------------------------------------------- Számsorok eloszlása

void TSpecLap::szamsorokKornyezet()
{
    const FeltetelekAllapot& a = w_.Allapot;
    const std::uint64_t absz = TeljesVariacioMeret(*a.Listak, *a.Jatek);
    if (absz != kornyezet_.ABSZ || kornyezet_.Lista.empty()) kornyezet_.Lista = kvx::OsztoLista(absz);
    kornyezet_.ABSZ = absz;
    kornyezet_.KijeloltSzamDb = a.Listak->KijeloltSzamDb();
    kornyezet_.VariacioMeret = a.Listak->VariacioMeret;
    const QSignalBlocker b1(SzamsorokTartomanyCB), b2(SzamsorokSorozatokCB);
    for (QComboBox* c : {SzamsorokTartomanyCB, SzamsorokSorozatokCB}) {
        c->clear();
        for (std::int64_t d : kornyezet_.Lista) c->addItem(q(FormatThousands(d)));
    }
}

void TSpecLap::SzamsorokAllapotBoxClick()
{
    TSzamsorokFeltetel& r = w_.Allapot.Feltetelek->SzamsorokFeltetel;
    r.Allapot = (r.Tartomany || r.Sorozat) ? 1 : 0;
    SzamsorokIL->setToolTip(r.Allapot ? QString::fromUtf8(kSzamsorokJelzoTipp) : QString());
    if (!r.Allapot) return;
    szamsorokKornyezet();
    SzamsorokOsztoBeallitas(r, kornyezet_);
}

void TSpecLap::szamsorokEngedelyezes()
{
    const TSzamsorokFeltetel& r = w_.Allapot.Feltetelek->SzamsorokFeltetel;
    const bool t = r.Allapot && r.Tartomany, s = r.Allapot && r.Sorozat;
    for (QWidget* x : Panel21->findChildren<QWidget*>()) {
        if (x->parentWidget() != Panel21 || x == SzamsorokTartomanyBox || x == SzamsorokSorozatokBox) continue;
        int sor = 0, o = 0, ss = 0, os = 0;
        auto* g = static_cast<QGridLayout*>(Panel21->layout());
        const int i = g->indexOf(x);
        if (i < 0) continue;
        g->getItemPosition(i, &sor, &o, &ss, &os);
        if (sor >= 2 && sor <= 5) x->setEnabled(t);
        if (sor >= 7) x->setEnabled(s);
    }
    SzamsorokTartomanyModGroup.SetEnabled(0, !kornyezet_.Lista.empty());
    SzamsorokSorozatokModGroup.SetEnabled(0, !kornyezet_.Lista.empty());
    SzamsorokTartomanyokRendezesGomb->setToolTip(t ? QStringLiteral(" Kijelölt tartományok rendezése ") : QString());
    SzamsorokSorozatokRendezesGomb->setToolTip(s ? QStringLiteral(" Kijelölt minták rendezése ") : QString());
}

void TSpecLap::tartomanyMutat()
{
    TSzamsorokFeltetel& r = w_.Allapot.Feltetelek->SzamsorokFeltetel;
    mutat_ = true;
    const auto a = static_cast<std::size_t>(r.AktTartomany);
    ertek(SzamsorokDbTartomanyEdit, {1, 10}, r.DbTartomany);
    ertek(SzamsorokAktTartomanyEdit, {1, r.DbTartomany}, r.AktTartomany + 1);
    SzamsorokTartomanyTipusGroup.SetItemIndex(r.Tipus[a] ? 1 : 0);
    SzamsorokTartomanyModGroup.SetItemIndex(r.Mod[a] ? 0 : 1);
    const bool tart = r.Mod[a] != 0;
    // Typed serial numbers have the digits of the full variation; the
    // sub-range numbers those of D. (A shorter limit would cut the computed
    // serial numbers shown in sub-range mode.)
    const int hossz = static_cast<int>(std::to_string(kornyezet_.ABSZ).size());
    SzamsorokTartomanyMinEdit->setMaxLength(std::max(hossz, 1));
    SzamsorokTartomanyMaxEdit->setMaxLength(std::max(hossz, 1));
    szoveg(SzamsorokTartomanyMinEdit, r.Elso[a]);
    szoveg(SzamsorokTartomanyMaxEdit, r.Utolso[a]);
    const int dHossz = static_cast<int>(std::to_string(Oszto(kornyezet_, r.Osztas[a])).size());
    SzamsorokTartomanyMin->setMaxLength(std::max(dHossz, 1));
    SzamsorokTartomanyMax->setMaxLength(std::max(dHossz, 1));
    SzamsorokTartomanyMinEdit->setReadOnly(tart);
    SzamsorokTartomanyMaxEdit->setReadOnly(tart);
    for (QWidget* x : {static_cast<QWidget*>(SzamsorokTartomanyCB), static_cast<QWidget*>(SzamsorokTartomanyMin),
                       static_cast<QWidget*>(SzamsorokTartomanyMax), static_cast<QWidget*>(SzamsorokTartomanyKotojel)})
        x->setVisible(tart);
    if (tart) {
        const QSignalBlocker b(SzamsorokTartomanyCB);
        SzamsorokTartomanyCB->setCurrentIndex(r.Osztas[a]);
        SzamsorokTartomanyCB->setToolTip(tipp(SzamsorokOsztoTipp(kornyezet_.ABSZ, Oszto(kornyezet_, r.Osztas[a]))));
        szoveg(SzamsorokTartomanyMin, r.OsztasMin[a]);
        szoveg(SzamsorokTartomanyMax, r.OsztasMax[a]);
    }
    SzamsorokTartomanyokRendezesGomb->setVisible(r.DbTartomany > 1);
    SzamsorokDbTartomanyEdit->setToolTip(tipp(SzamsorokTartomanyokListaja(r, kornyezet_.Lista)));
    mutat_ = false;
}

void TSpecLap::SzamsorokTartomanyBoxClick()
{
    TSzamsorokFeltetel& r = w_.Allapot.Feltetelek->SzamsorokFeltetel;
    r.Tartomany = SzamsorokTartomanyBox->isChecked() ? 1 : 0;
    SzamsorokAllapotBoxClick();
    if (r.Tartomany && kornyezet_.ABSZ == 0) {
        r.Tartomany = 0;
        w_.NemErtFelt(SzamsorokTartomanyBox);
        SzamsorokAllapotBoxClick();
    }
    w_.CBAction(SzamsorokTartomanyBox, nullptr, false);
    if (r.Tartomany) {
        r.AktTartomany = 0;
        SzamsorokTartomanyNormalizalas(r, kornyezet_);
        tartomanyMutat();
    }
    szamsorokEngedelyezes();
    w_.feltetelValtozott();
}

void TSpecLap::SzamsorokTartomanyValtozas(SzamsorokMezo mezo)
{
    TSzamsorokFeltetel& r = w_.Allapot.Feltetelek->SzamsorokFeltetel;
    if (mutat_ || !r.Allapot || !r.Tartomany) return;
    const auto a = static_cast<std::size_t>(r.AktTartomany);
    r.Tipus[a] = SzamsorokTartomanyTipusGroup.ItemIndex() == 1 ? 1 : 0;
    r.Mod[a] = SzamsorokTartomanyModGroup.ItemIndex() == 0 ? 1 : 0;
    if (SzamsorokTartomanyCB->currentIndex() >= 0) r.Osztas[a] = SzamsorokTartomanyCB->currentIndex();
    r.Elso[a] = szam(SzamsorokTartomanyMinEdit);
    r.Utolso[a] = szam(SzamsorokTartomanyMaxEdit);
    r.OsztasMin[a] = szam(SzamsorokTartomanyMin);
    r.OsztasMax[a] = szam(SzamsorokTartomanyMax);
    if (r.Mod[a] && r.OsztasMin[a] == 0) r.OsztasMin[a] = 1;
    if (r.Mod[a] && r.OsztasMax[a] == 0) r.OsztasMax[a] = r.OsztasMin[a];
    SzamsorokTartomanyNormalizalas(r, kornyezet_, mezo);
    tartomanyMutat();
    w_.feltetelValtozott();
}

void TSpecLap::SzamsorokAktTartomanyEditChange()
{
    TSzamsorokFeltetel& r = w_.Allapot.Feltetelek->SzamsorokFeltetel;
    if (mutat_ || !r.Allapot || !r.Tartomany) return;
    r.DbTartomany = SzamsorokDbTartomanyEdit->value();
    r.AktTartomany = SzamsorokAktTartomanyEdit->value() - 1;
    SzamsorokTartomanyNormalizalas(r, kornyezet_);
    tartomanyMutat();
    w_.feltetelValtozott();
}

void TSpecLap::SzamsorokTartomanyokRendezesGombClick()
{
    TSzamsorokFeltetel& r = w_.Allapot.Feltetelek->SzamsorokFeltetel;
    SzamsorokTartomanyokRendezese(r);
    SzamsorokTartomanyNormalizalas(r, kornyezet_);
    tartomanyMutat();
    w_.feltetelValtozott();
}

void TSpecLap::SzamsorokTartomanyMinEditDblClick()
{
    // Computed from the sub-ranges in range mode.
    if (SzamsorokTartomanyMinEdit->isReadOnly()) return;
    ElsoDupla(SzamsorokTartomanyMinEdit, SzamsorokTartomanyMaxEdit, QStringLiteral("1"));
    SzamsorokTartomanyValtozas(SzamsorokMezo::Elso);
}

void TSpecLap::SzamsorokTartomanyMaxEditDblClick()
{
    if (SzamsorokTartomanyMaxEdit->isReadOnly()) return;
    UtolsoDupla(SzamsorokTartomanyMinEdit, SzamsorokTartomanyMaxEdit, QString::number(kornyezet_.ABSZ));
    SzamsorokTartomanyValtozas(SzamsorokMezo::Utolso);
}

void TSpecLap::SzamsorokTartomanyMinDblClick()
{
    ElsoDupla(SzamsorokTartomanyMin, SzamsorokTartomanyMax, QStringLiteral("1"));
    SzamsorokTartomanyValtozas(SzamsorokMezo::OsztasMin);
}

void TSpecLap::SzamsorokTartomanyMaxDblClick()
{
    const TSzamsorokFeltetel& r = w_.Allapot.Feltetelek->SzamsorokFeltetel;
    const std::int64_t d = Oszto(kornyezet_, r.Osztas[static_cast<std::size_t>(r.AktTartomany)]);
    UtolsoDupla(SzamsorokTartomanyMin, SzamsorokTartomanyMax, QString::number(d));
    SzamsorokTartomanyValtozas(SzamsorokMezo::OsztasMax);
}

void TSpecLap::SzamsorokSorozatokEditDblClick()
{
    const TSzamsorokFeltetel& r = w_.Allapot.Feltetelek->SzamsorokFeltetel;
    if (!r.Allapot || !r.Sorozat) return;
    const auto a = static_cast<std::size_t>(r.AktMinta);
    QString uj;
    if (r.MintaMod[a] && !kornyezet_.Lista.empty()) {
        // Every D-th sub-range, or the smallest D offered.
        const QString d = QString::number(Oszto(kornyezet_, r.MintaOsztas[a]));
        const QString most = SzamsorokSorozatokEdit->text();
        uj = most == d || most.isEmpty() ? QString::number(kornyezet_.Lista.front()) : d;
    } else {
        const std::uint64_t fel = kornyezet_.ABSZ / 2;
        uj = static_cast<std::uint64_t>(r.MintaErtek[a]) < fel ? QString::number(fel) : QStringLiteral("2");
    }
    SzamsorokSorozatokEdit->setText(uj);
    SzamsorokMintaValtozas();
}

void TSpecLap::mintaMutat()
{
    TSzamsorokFeltetel& r = w_.Allapot.Feltetelek->SzamsorokFeltetel;
    mutat_ = true;
    const auto a = static_cast<std::size_t>(r.AktMinta);
    ertek(SzamsorokDbMintaEdit, {1, 10}, r.DbMinta);
    ertek(SzamsorokAktMintaEdit, {1, r.DbMinta}, r.AktMinta + 1);
    SzamsorokSorozatokModGroup.SetItemIndex(r.MintaMod[a] ? 0 : 1);
    SzamsorokSorozatokTipusGroup.SetItemIndex(r.MintaTipus[a] ? 1 : 0);
    const std::uint64_t fel = kornyezet_.ABSZ / 2;
    SzamsorokSorozatokEdit->setMaxLength(
        fel < 999999999 ? std::max<int>(1, static_cast<int>(std::to_string(fel).size())) : 10);
    szoveg(SzamsorokSorozatokEdit, r.MintaErtek[a]);
    SzamsorokSorozatokCB->setVisible(r.MintaMod[a] != 0);
    if (r.MintaMod[a]) {
        const QSignalBlocker b(SzamsorokSorozatokCB);
        SzamsorokSorozatokCB->setCurrentIndex(r.MintaOsztas[a]);
        SzamsorokSorozatokCB->setToolTip(
            tipp(SzamsorokOsztoTipp(kornyezet_.ABSZ, Oszto(kornyezet_, r.MintaOsztas[a]))));
    }
    SzamsorokSorozatokRendezesGomb->setVisible(r.DbMinta > 1);
    SzamsorokDbMintaEdit->setToolTip(tipp(SzamsorokSorozatokListaja(r, kornyezet_.Lista)));
    mutat_ = false;
}

void TSpecLap::SzamsorokSorozatokBoxClick()
{
    TSzamsorokFeltetel& r = w_.Allapot.Feltetelek->SzamsorokFeltetel;
    r.Sorozat = SzamsorokSorozatokBox->isChecked() ? 1 : 0;
    SzamsorokAllapotBoxClick();
    if (r.Sorozat && kornyezet_.ABSZ == 0) {
        r.Sorozat = 0;
        w_.NemErtFelt(SzamsorokSorozatokBox);
        SzamsorokAllapotBoxClick();
    }
    w_.CBAction(SzamsorokSorozatokBox, nullptr, false);
    if (r.Sorozat) {
        for (std::int32_t& n : r.MintaErtek) n = std::max(n, 2);
        r.AktMinta = 0;
        SzamsorokMintaNormalizalas(r, kornyezet_);
        mintaMutat();
    }
    szamsorokEngedelyezes();
    w_.feltetelValtozott();
}

void TSpecLap::SzamsorokMintaValtozas()
{
    TSzamsorokFeltetel& r = w_.Allapot.Feltetelek->SzamsorokFeltetel;
    if (mutat_ || !r.Allapot || !r.Sorozat) return;
    const auto a = static_cast<std::size_t>(r.AktMinta);
    r.MintaMod[a] = SzamsorokSorozatokModGroup.ItemIndex() == 0 ? 1 : 0;
    r.MintaTipus[a] = SzamsorokSorozatokTipusGroup.ItemIndex() == 1 ? 1 : 0;
    if (SzamsorokSorozatokCB->currentIndex() >= 0) r.MintaOsztas[a] = SzamsorokSorozatokCB->currentIndex();
    r.MintaErtek[a] = szam(SzamsorokSorozatokEdit);
    SzamsorokMintaNormalizalas(r, kornyezet_);
    mintaMutat();
    w_.feltetelValtozott();
}

void TSpecLap::SzamsorokAktMintaEditChange()
{
    TSzamsorokFeltetel& r = w_.Allapot.Feltetelek->SzamsorokFeltetel;
    if (mutat_ || !r.Allapot || !r.Sorozat) return;
    r.DbMinta = SzamsorokDbMintaEdit->value();
    r.AktMinta = SzamsorokAktMintaEdit->value() - 1;
    SzamsorokMintaNormalizalas(r, kornyezet_);
    mintaMutat();
    w_.feltetelValtozott();
}

void TSpecLap::SzamsorokSorozatokRendezesGombClick()
{
    TSzamsorokFeltetel& r = w_.Allapot.Feltetelek->SzamsorokFeltetel;
    SzamsorokSorozatokRendezese(r);
    SzamsorokMintaNormalizalas(r, kornyezet_);
    mintaMutat();
    w_.feltetelValtozott();
}

// ---------------------------------------------------------------- Sorozatok

void TSpecLap::sorozatCBAction()
{
    w_.CBAction(SorozatAllapotBox, Panel23, true);
    szamokEloszlasa_->setEnabled(true);
}

SorozatKornyezet TSpecLap::sorozatKornyezet() const
{
    const FeltetelekAllapot& a = w_.Allapot;
    SorozatKornyezet e;
    e.KijeloltSzamok = a.Listak->KijeloltSzamok;
    e.KijeloltFoSzamDb = a.Listak->KijeloltFoSzamDb;
    e.VariacioFoMeret = a.Listak->VariacioFoMeret;
    e.VariacioMeret = a.Listak->VariacioMeret;
    e.FixSzamDb = a.Listak->FixSzamDb();
    return e;
}

bool TSpecLap::sorozatMutat(SorozatMezo mezo)
{
    FeltetelRekordok& f = *w_.Allapot.Feltetelek;
    TSorozatFeltetel& r = f.SorozatFeltetel;
    const SorozatNezet v = SorozatNormalizalas(r, f.SorozatSorrend, aktSorozat_, SSorozatSorrendBox->isChecked(),
                                               sorozatKornyezet(), mezo);
    if (v.Ervenytelen) return false;
    mutat_ = true;
    const TMinta& m = r.Minta[static_cast<std::size_t>(aktSorozat_ - 1)];
    ertek(DbSorozatEdit, v.Db, r.DbMinta);
    ertek(AktSorozatEdit, v.Akt, aktSorozat_);
    ertek(SMintaMinEdit, v.Tavolsag, m.TavolsagMin);
    ertek(SMintaMaxEdit, v.Tavolsag, m.TavolsagMax);
    ertek(SEsetekMinEdit, v.Eset, m.EsetMin);
    ertek(SEsetekMaxEdit, v.Eset, m.EsetMax);
    ertek(SDbMintaMinEdit, v.MintaDb, r.MintaDbMin);
    ertek(SDbMintaMaxEdit, v.MintaDb, r.MintaDbMax);
    {
        const QSignalBlocker b(SSorozatSorrendBox);
        SSorozatSorrendBox->setEnabled(v.SorrendEngedelyezett && r.Allapot);
        SSorozatSorrendBox->setText(q(v.SorrendFelirat));
    }
    SDbMintaMinEdit->setVisible(v.MintaDbMinLathato);
    SDbMintaMinCimke->setVisible(v.MintaDbMinLathato);
    SDbMintaMaxCimke->setText(v.MintaDbMinLathato ? QStringLiteral("   maximum") : QString());
    DbSorozatEdit->setToolTip(tipp(v.Lista));
    Panel23IL->setVisible(r.Allapot && w_.Allapot.Jelzok->KijeloltNemSzomszedos);
    Panel23IL->setToolTip(tipp(kSorozatNemSzomszedosTipp));
    MindenSorozatGomb->setToolTip(tipp(kMindenSorozatTipp));
    mutat_ = false;
    return true;
}

void TSpecLap::SorozatAllapotBoxClick()
{
    TSorozatFeltetel& r = w_.Allapot.Feltetelek->SorozatFeltetel;
    r.Allapot = SorozatAllapotBox->isChecked() ? 1 : 0;
    const FeltetelekAllapot& a = w_.Allapot;
    GetSzamsorRendezes(*a.Jelzok, *a.Listak, *a.Jatek, a.SzamsorrendMod ? *a.SzamsorrendMod : 0);
    if (r.Allapot) {
        aktSorozat_ = 1;
        if (!sorozatMutat(SorozatMezo::Nincs)) {
            r.Allapot = 0;
            w_.NemErtFelt(SorozatAllapotBox);
        }
    }
    sorozatCBAction();
    if (r.Allapot) sorozatMutat(SorozatMezo::Nincs);
    Panel23IL->setVisible(r.Allapot && w_.Allapot.Jelzok->KijeloltNemSzomszedos);
    w_.feltetelValtozott();
}

void TSpecLap::SorozatValtozas(SorozatMezo mezo)
{
    TSorozatFeltetel& r = w_.Allapot.Feltetelek->SorozatFeltetel;
    if (mutat_ || !r.Allapot) return;
    r.DbMinta = DbSorozatEdit->value();
    if (mezo == SorozatMezo::Akt) {
        // Another pattern is shown: its own values are loaded, nothing is written.
        aktSorozat_ = AktSorozatEdit->value();
    } else if (mezo != SorozatMezo::Db) {
        TMinta& m = r.Minta[static_cast<std::size_t>(std::clamp(aktSorozat_, 1, 10) - 1)];
        m.TavolsagMin = SMintaMinEdit->value();
        m.TavolsagMax = SMintaMaxEdit->value();
        m.EsetMin = SEsetekMinEdit->value();
        m.EsetMax = SEsetekMaxEdit->value();
        r.MintaDbMin = SDbMintaMinEdit->value();
        r.MintaDbMax = SDbMintaMaxEdit->value();
    }
    sorozatMutat(mezo);
    w_.feltetelValtozott();
}

void TSpecLap::MindenSorozatGombClick()
{
    TSorozatFeltetel& r = w_.Allapot.Feltetelek->SorozatFeltetel;
    MindenSorozat(r, SEsetekMinEdit->value(), SEsetekMaxEdit->value());
    sorozatMutat(SorozatMezo::EsetMin);
    w_.feltetelValtozott();
}

void TSpecLap::Betoltes()
{
    SorozatBetoltes();
    SzamsorokBetoltes();
}

void TSpecLap::SorozatBetoltes()
{
    FeltetelRekordok& f = *w_.Allapot.Feltetelek;
    TSorozatFeltetel& s = f.SorozatFeltetel;
    {
        const QSignalBlocker b(SorozatAllapotBox), b2(SSorozatSorrendBox);
        SorozatAllapotBox->setChecked(s.Allapot != 0);
        SSorozatSorrendBox->setChecked(s.Minta[0].Tartalek > 0);
    }
    aktSorozat_ = 1;
    if (s.Allapot && !sorozatMutat(SorozatMezo::Nincs)) {
        s.Allapot = 0;
        w_.NemErtFelt(SorozatAllapotBox);
    }
    sorozatCBAction();
    if (s.Allapot) sorozatMutat(SorozatMezo::Nincs);
    Panel23IL->setVisible(s.Allapot && w_.Allapot.Jelzok->KijeloltNemSzomszedos);
}

void TSpecLap::SzamsorokBetoltes()
{
    TSzamsorokFeltetel& r = w_.Allapot.Feltetelek->SzamsorokFeltetel;
    const bool t = r.Allapot && r.Tartomany, m = r.Allapot && r.Sorozat;
    {
        const QSignalBlocker b1(SzamsorokTartomanyBox), b2(SzamsorokSorozatokBox);
        SzamsorokTartomanyBox->setChecked(t);
        SzamsorokSorozatokBox->setChecked(m);
    }
    if (t || m) {
        SzamsorokAllapotBoxClick();
        if (t) {
            r.AktTartomany = 0;
            SzamsorokTartomanyNormalizalas(r, kornyezet_);
            tartomanyMutat();
        }
        if (m) {
            r.AktMinta = 0;
            SzamsorokMintaNormalizalas(r, kornyezet_);
            mintaMutat();
        }
    }
    w_.CBAction(SzamsorokTartomanyBox, nullptr, false);
    w_.CBAction(SzamsorokSorozatokBox, nullptr, false);
    szamsorokEngedelyezes();
}
