#include "variation/ui/bontas.h"
#include "app/ui/program.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPalette>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>

#include <chrono>
#include <random>
#include <utility>

#include "app/game_table.h"
#include "app/main_menu.h"
#include "app/main_state.h"
#include "app/settings.h"
#include "app/ui/ablak_elhelyezes.h"
#include "app/ui/megszakitas.h"
#include "app/ui/uzenetek.h"
#include "app/wait_jobs.h"
#include "variation/ui/variacio_vezerlo.h"
#include "conditions/condition_records.h"
#include "conditions/markers.h"
#include "draws/draws_table.h"
#include "platform/system_info.h"
#include "platform/taskbar_progress.h"
#include "tickets/number_lists.h"
#include "variation/condition_filter.h"
#include "variation/generation_run.h"
#include "variation/hit_ratio_check.h"
#include "variation/line_condition_check.h"

using namespace kvx;

namespace {

QString q(const std::string& s)
{
    return QString::fromStdString(s);
}

double most()
{
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

// Indicator boxes of the run window: the conditions, then the options.
struct Jelzo {
    const char* Felirat;
    int Bit;     // condition bit, -1 for an option
};
constexpr Jelzo kJelzok[] = {
    {"Mobil számcsoportok", BitMob},          {"Fix számcsoportok", BitFix},
    {"Számcsoport - Páros-páratlan", BitSzcsParos}, {"Számcsoport - Ismétlődés", BitSzcsIsmet},
    {"Tükör számpár", BitTukorszam},          {"Számvégződés - Páros-páratlan", BitSzvParos},
    {"Számvégződés - Ismétlődés", BitSzvIsmet}, {"Összeg", BitOsszeg},
    {"Favorizált számok", BitFav},            {"Ikerszám", BitIkerszam},
    {"Találati arány", BitTalalatiArany},    {"Szórás", BitSzoras},
    {"Terjedelem", BitTerjedelem},            {"Prímszám", BitPrimszam},
    {"Számcsoportok", BitSzamcsoportok},      {"Szomszédos számok", BitSzomszedos},
    {"Állandó számok", BitAllando},           {"Számok eloszlása", BitSorozat},
    {"Számcsoport - Tételes", BitSzamcsoportTeteles}, {"Számjegy - Tételes", BitSzJTeteles},
    {"Számvégződés - Tételes", BitSzamvegzodesTeteles}, {"Számjegy - Páros-páratlan", BitSzJParos},
    {"Számjegy - Ismétlődés", BitSzJIsmet},   {"Számkészletek", BitSzamkeszlet},
    {"Számsorok eloszlása", BitSzamsorok},    {"Gyakorisági eloszlás", -1},
    {"Optimalizált", -2},                     {"Véletlen számsorok", -3},
    {"Találat", -4},
    // The optimisation's options, ticked only while it is switched on.
    {"Felülírás", -5},                        {"Növel", -6},
    {"Csökkent", -7},                         {"Rendez", -8},
    {"Mód ", -9},
};

// The line-count label in grey while the optimisation search goes.
const QColor kOptSzurke(128, 128, 128);

}  // namespace

TBontas::TBontas(VariacioVezerlo& vezerlo, QWidget* parent) : QDialog(parent), vezerlo_(vezerlo)
{
    setObjectName(QStringLiteral("Bontas"));
    FormCreate();
}

TBontas::~TBontas()
{
    BontasMegszakitasa();
    if (szal_)
        szalak().Bevar(szal_);
}

void TBontas::BontasPosition() { kvx::AblakElhelyezese(this); }

void TBontas::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    BontasPosition();
}

void TBontas::gombBeallitas(QPushButton* b, int tag, const char* tipp)
{
    b->setProperty("Tag", tag);
    b->setToolTip(QString::fromUtf8(tipp));
}

void TBontas::FormCreate()
{
    setWindowTitle(QStringLiteral(" Variáció készítése"));
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    auto* fo = new QVBoxLayout(this);
    const auto cimke = [this](const char* nev, const QString& szoveg) {
        auto* l = new QLabel(szoveg, this);
        l->setObjectName(QString::fromUtf8(nev));
        return l;
    };
    VariacioFejlec = cimke("VariacioFejlec", QString());
    QFont f = VariacioFejlec->font();
    f.setBold(true);
    VariacioFejlec->setFont(f);
    SzelvSzamCimke = cimke("SzelvSzamCimke", QStringLiteral("0 számsor"));
    SzelvSzamCimke->setFont(f);
    TarolvaCimke = cimke("TarolvaCimke", QString());
    IdoCimke = cimke("IdoCimke", QStringLiteral("Időtartam: 00:00:00"));
    KoltsegCimke = cimke("KoltsegCimke", QStringLiteral("Variáció költsége: 0"));
    Label5 = cimke("Label5", QStringLiteral("Hibapont: 1"));
    Label4 = cimke("Label4", QStringLiteral("Folyamat: 0 %"));
    BontFolyamatPB = new QProgressBar(this);
    BontFolyamatPB->setObjectName(QStringLiteral("BontFolyamatPB"));
    BontFolyamatPB->setRange(0, 100);
    BontFolyamatPB->setTextVisible(false);
    for (QLabel* l : {VariacioFejlec, SzelvSzamCimke, TarolvaCimke, IdoCimke, KoltsegCimke, Label5})
        fo->addWidget(l);
    fo->addWidget(Label4);
    fo->addWidget(BontFolyamatPB);

    // The condition indicators scroll where the screen leaves the window
    // no room for them all, a few rows of them always in sight.
    auto* jelzoLap = new QWidget;
    auto* racs = new QGridLayout(jelzoLap);
    racs->setContentsMargins(0, 0, 0, 0);
    int i = 0;
    for (const Jelzo& j : kJelzok) {
        auto* c = new QCheckBox(QString::fromUtf8(j.Felirat), jelzoLap);
        c->setEnabled(false);
        racs->addWidget(c, i / 3, i % 3);
        Jelzok.push_back(c);
        ++i;
    }
    fo->addWidget(new kvx::TartalomGorgeto(jelzoLap, 4, this));

    const auto gomb = [this](const char* nev, const char* felirat) {
        auto* b = new QPushButton(QString::fromUtf8(felirat), this);
        b->setObjectName(QString::fromUtf8(nev));
        b->setAutoDefault(false);
        return b;
    };
    StopGomb = gomb("StopGomb", "Stop");
    PauseGomb = gomb("PauseGomb", "Pause");
    BreakGomb = gomb("BreakGomb", "Break");
    KilepesGomb = gomb("KilepesGomb", "Háttérben");
    ListaGomb = gomb("ListaGomb", "Lista");
    EllenorzesGomb = gomb("EllenorzesGomb", "Ellenőrzés");
    ModositGomb = gomb("ModositGomb", "Módosítás");
    MentesGomb = gomb("MentesGomb", "Mentés");
    TesztGomb = gomb("TesztGomb", "Teszt");
    TorlesGomb = gomb("TorlesGomb", "Törlés");
    BovitesGomb = gomb("BovitesGomb", "Bővítés");
    InfoGomb = gomb("InfoGomb", "Info");
    gombBeallitas(StopGomb, 0, " Folyamat leállítása ");
    gombBeallitas(PauseGomb, 4, " Folyamat felfüggesztése ");
    gombBeallitas(BreakGomb, 7, " Folyamat megszakítása ");
    gombBeallitas(KilepesGomb, 0, " Variáció készítése a háttérben ");
    gombBeallitas(EllenorzesGomb, 1, " Variáció ellenőrzése ");
    gombBeallitas(ListaGomb, 2, " Variáció listája ");
    gombBeallitas(MentesGomb, 3, " Variáció, export állományok mentése ");
    gombBeallitas(ModositGomb, 4, " Feltételek, hibapont módosítása - variáció listájának törlése ");
    gombBeallitas(TesztGomb, 5, " Variáció tesztje ");
    gombBeallitas(TorlesGomb, 6, " Variáció törlése ");
    gombBeallitas(BovitesGomb, 8, " Számsor és/vagy variáció módosítása ");
    gombBeallitas(InfoGomb, 9, " Információk a variációról ");
    auto* sor1 = new QHBoxLayout;
    for (QPushButton* b : {StopGomb, PauseGomb, BreakGomb, KilepesGomb})
        sor1->addWidget(b);
    auto* sor2 = new QHBoxLayout;
    for (QPushButton* b : {ListaGomb, EllenorzesGomb, ModositGomb, MentesGomb, TesztGomb, TorlesGomb, BovitesGomb,
                           InfoGomb})
        sor2->addWidget(b);
    fo->addLayout(sor1);
    fo->addLayout(sor2);

    connect(StopGomb, &QPushButton::clicked, this, &TBontas::StopGombClick);
    connect(KilepesGomb, &QPushButton::clicked, this, &TBontas::KilepesGombClick);
    connect(PauseGomb, &QPushButton::clicked, this, [this] { PauseGombClick(PauseGomb->property("Tag").toInt()); });
    connect(BreakGomb, &QPushButton::clicked, this, [this] {
        const int tag = BreakGomb->property("Tag").toInt();
        if (tag == 7)
            PauseGombClick(tag);
        else
            EllenorzesGombClick(tag);
    });
    for (QPushButton* b : {ListaGomb, EllenorzesGomb, ModositGomb, MentesGomb, TesztGomb, TorlesGomb, BovitesGomb,
                           InfoGomb})
        connect(b, &QPushButton::clicked, this, [this, b] { EllenorzesGombClick(b->property("Tag").toInt()); });

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &TBontas::Timer1Timer);

    BontasEgyseg& u = bontasEgyseg();
    u.SzamsorHossz = game().SzamsorHossz;
    BontasPauseTorlese(u);
    u.Vezerles.FBontStatus.store(true);
    for (QPushButton* b : {StopGomb, PauseGomb, BreakGomb, ListaGomb, EllenorzesGomb, ModositGomb, MentesGomb,
                           TesztGomb, TorlesGomb, BovitesGomb, InfoGomb})
        b->setEnabled(false);
}

bool TBontas::Fut() const
{
    return szal_ && bontasEgyseg().BontMegszAktiv.load();
}

void TBontas::Bevar()
{
    QElapsedTimer t;
    t.start();
    while (szal_ && (szalak().FThreadLog() > 0) && t.elapsed() < 600000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        if (!bontasEgyseg().BontMegszAktiv.load() && !isVisible())
            break;
        QThread::msleep(2);
    }
}

bool TBontas::GetBontStatus() const
{
    return bontasEgyseg().Vezerles.FBontStatus.load();
}

void TBontas::BontasMegszakitasa()
{
    bontasEgyseg().Vezerles.BontasMegszakitasa();
}

void TBontas::szelvSzamKiiras(std::int64_t n, const QString& elotag)
{
    if (bemenet_ && bemenet_->TulirasSorozat) {
        // The cycle on the line-count label, the lines beside it.
        TarolvaCimke->setText(q(SzelvSzamSzoveg(n)));
        SzelvSzamCimke->setText(q(SorozatCiklusSzoveg(bontasEgyseg().Vezerles.TulirasSorozatAkt.load(),
                                                      bemenet_->TulirasTetelesMin, bemenet_->TulirasTetelesMax)));
        return;
    }
    SzelvSzamCimke->setText(elotag + q(SzelvSzamSzoveg(n)));
}

void TBontas::koltsegKiiras(std::int64_t n)
{
    const Settings& s = settings();
    const auto j = static_cast<std::size_t>(game().LottoIndex);
    KoltsegCimke->setText(q(KoltsegSzoveg(n, s.JegyAr[j], s.PenznemIndex[j])));
}

namespace {

// A resumed run keeps its Tételes window when every value lies within it.
bool folytatasElott(const BontasAllapot& a, const BontasBemenet& b)
{
    const auto bent = [&](std::int32_t x) { return x >= b.TulirasTetelesMin && x <= b.TulirasTetelesMax; };
    return bontasEgyseg().Vezerles.BontasPause.load() && bent(a.TulirasAktMin) && bent(a.TulirasAktMax) &&
           bent(a.TulirasSorozatAkt);
}

}  // namespace

void TBontas::jelzokBeallitasa(const BontasBemenet& b)
{
    const TFeltetelMaszk& m = bontasEgyseg().KijeloltFeltetelek;
    const TVariacioOpciok& o = feltetelRekordok().VariacioOpciok;
    const bool opt = b.Opt != nullptr;
    // Shown where the work area holds the window with its indicators
    // scrolling (a few lines of them in sight), not only with all of them.
    const QScreen* scr = screen();
    const bool latszik = !scr || scr->availableGeometry().height() >= minimumSizeHint().height();
    for (std::size_t i = 0; i < Jelzok.size(); ++i) {
        const int bit = kJelzok[i].Bit;
        bool be = false;
        switch (bit) {
        case -1: be = b.GyakorisagiEloszlas; break;
        case -2: be = b.Optimalizalt; break;
        case -3: be = b.VeletlenSzamsorok; break;
        case -4: be = b.TulirasBont; break;
        case -5: be = opt && o.Feluliras; break;
        case -6: be = opt && !o.Csokkent; break;
        case -7: be = opt && o.Csokkent; break;
        case -8: be = opt && o.Rendez; break;
        case -9:
            Jelzok[i]->setText(QStringLiteral("Mód %1").arg(o.Arany));
            be = opt && o.Mod;
            break;
        default: be = m.Feltetel(bit);
        }
        Jelzok[i]->setVisible(latszik);
        Jelzok[i]->setChecked(be);
    }
}

bool TBontas::BontasIndul()
{
    if (Fut())
        return false;
    bemenet_.reset();
    BontasEgyseg& u = bontasEgyseg();
    VariationStore& t = variationStore();
    const SzamListak& l = szamListak();
    const GameParams& g = game();
    FeltetelRekordok& f = feltetelRekordok();
    MainState& ms = mainState();

    // 1. Markers and the snapshot the worker reads.
    ms.Mentve = false;
    SzamJelzoBeallitas(szamJelzok(), l, g, f, settings().SzamsorrendMod);
    const std::int32_t dbFeltetel = GetDbFeltetel(f, u.KijeloltFeltetelek);
    sorTeszt_ = std::make_unique<SorFeltetelTeszt>();
    sorTeszt_->Elokeszites(f, szamJelzok(), l, g, settings().SzamsorrendMod, false);
    BontasBemenetKornyezet bk;
    bk.BontasBovites = u.BontasBovites;
    bk.AdatbazisBetoltve = draws().AdatbazisBetoltve;
    bk.VanSorFeltetel = sorTeszt_->VanFeltetel;
    bk.HuzasokSzama = draws().HuzasokSzama;
    const VariacioOpcioErtekek& o = variacioOpcioErtekek();
    if (o.VeletlenSzamsorok)
        bk.VeletlenMag = std::random_device{}();
    auto b = std::make_unique<BontasBemenet>(BontasBemenetKeszites(l, f, o, g, bk));
    // The Csökkent / Növel search follows the run and keeps its state in the options record.
    if (f.VariacioOpciok.Optimalizalas)
        b->Opt = &f.VariacioOpciok;
    if (b->TalArAktiv) {
        talarTeszt_ = std::make_unique<TalalatiAranyTeszt>();
        talarTeszt_->Elokeszites(f.TalalatiAranyFeltetel, draws(), g, l.KijeloltSzamok, l.KijeloltFoSzamDb,
                                 l.VariacioMeret, l.VariacioFoMeret);
    } else {
        talarTeszt_.reset();
    }
    if (BontasBemenetEllenorzes(*b) != BontasHiba::Nincs) {
        HibaUzenet(QStringLiteral("A kijelölt számokból nem készíthető variáció."));
        return false;
    }
    const bool folytatas = u.Vezerles.BontasPause.load();

    // The store's questions and messages reach the GUI thread from the worker.
    auto env = std::make_unique<TarolasKornyezet>();
    env->SzabadMemoria = [] {
        const auto m = platform::SzabadMemoria();
        return m ? static_cast<std::int64_t>(std::min<std::uint64_t>(*m, INT64_MAX)) : INT64_MAX;
    };
    env->JovahagyasKerdes = [](const std::string& s) {
        return !SzalNyilvantartas::SajatLeallitasKerve() && JovahagyasKerdes(q(s));
    };
    env->InformacioUzenet = [](const std::string& s) { InformacioUzenet(q(s)); };
    env->HibaUzenet = [](const std::string& s) { HibaUzenet(q(s)); };
    env->JovahagyasVariacio = settings().JovahagyasVariacio;
    env->OptimalizaltKereses = b->Opt != nullptr;
    env->NovelesJelzo = [this](NovelesJelzes j) { novelesJelzes(j); };

    // 6, 11. The first allocation: when it does not fit the run does not
    // start and nothing else changes. A large one runs behind the wait window.
    const std::int32_t regiSorok = t.BontMatrixMeret;
    const bool bovitett = t.Import_Count.size() > 1;
    const auto foglalo = [this](std::int64_t sorok, const std::function<bool()>& munka) {
        if (!vezerlo_.NagyFeladat || sorok <= kBontAblakosMeret)
            return munka();
        bool futott = false, ok = false;
        vezerlo_.NagyFeladat(kFeladatBontMatrixFoglalas, [&] {
            ok = munka();
            futott = true;
        });
        // The wait window runs nothing while another worker is busy.
        return futott ? ok : munka();
    };
    if (BontasElsoFoglalas(t, *b, folytatas, *env, foglalo) != BontasHiba::Nincs)
        return false;
    u.Allapot.ElsoFoglalasKesz = true;
    // A variation of drawn lines: the drawings the candidates meet are the
    // lines (the draws table does not change while a run goes).
    if (talarTeszt_ && b->HuzasSzamsorVariacio)
        talarTeszt_->HuzasModBeallitas(HuzasTaroloKeszites(t, draws().Huzasok, *b, *env, u.Vezerles, u.Allapot));

    // 2. Not resuming: nothing fulfilled yet; a new run starts its time anew.
    if (!folytatas) {
        u.Allapot.TeljesultFeltetelekA = 0;
        u.Allapot.TeljesultFeltetelekB = 0;
        u.BontasIdotartam = 0;
    }
    // 4. Buttons.
    StopGomb->setEnabled(true);
    PauseGomb->setEnabled(!f.HuzasSzamsorVariacio);
    BreakGomb->setEnabled(!f.HuzasSzamsorVariacio);
    for (QPushButton* gb : {ListaGomb, ModositGomb, EllenorzesGomb, MentesGomb, TorlesGomb, BovitesGomb, TesztGomb,
                            InfoGomb})
        gb->setEnabled(false);
    KilepesGomb->setEnabled(true);
    // 8. Labels. The stored lines are shown for the optimisation's best
    // copy and for the Sorozat cycles.
    SzelvSzamCimke->setPalette(QPalette());
    szelvSzamKiiras(std::max<std::int64_t>(regiSorok, 0));
    TarolvaCimke->setVisible(b->Opt != nullptr || b->TulirasSorozat);
    TarolvaCimke->setText(QStringLiteral("Tárolva: ") + q(SzelvSzamSzoveg(t.BontSzelvszam)));
    if (b->TulirasSorozat) {
        // A resumed run keeps its cycle when it lies within the window.
        const BontasAllapot& a = u.Allapot;
        const bool bent = folytatasElott(a, *b);
        const std::int32_t akt = bent ? a.TulirasSorozatAkt : b->TulirasTetelesMin;
        u.Vezerles.TulirasSorozatAkt.store(akt);
        SzelvSzamCimke->setText(q(SorozatCiklusSzoveg(akt, b->TulirasTetelesMin, b->TulirasTetelesMax)));
    }
    koltsegKiiras(regiSorok);
    VariacioFejlec->setText(q(BontasFejlec(l.KijeloltFoSzamDb, l.FixSzamDb(), g.VanPluszSzam, l.KijeloltPluszSzamDb,
                                           g.PluszSzamNev, bovitett)));
    Label5->setText(QStringLiteral("Hibapont: %1").arg(b->Hibapont));
    jelzokBeallitasa(*b);
    (void)dbFeltetel;
    // 10. Duration.
    IdoCimke->setText(q(VariacioIdotartama(u.BontasIdotartam)));
    SetABSZV(l.KijeloltFoSzamDb, l.VariacioFoMeret, absvAlap_, absvOszto_);
    // 14. Button captions.
    BreakGomb->setText(QStringLiteral("Break"));
    BreakGomb->setToolTip(QStringLiteral(" Folyamat megszakítása "));
    BreakGomb->setProperty("Tag", 7);
    MentesGomb->setText(QStringLiteral("Mentés"));
    MentesGomb->setToolTip(QStringLiteral(" Variáció, export állományok mentése "));
    KilepesGomb->setText(QStringLiteral("Háttérben"));
    KilepesGomb->setToolTip(QStringLiteral(" Variáció készítése a háttérben "));
    // 15, 16. Run status, the pause moved into the resume flag, caption.
    u.Vezerles.FBontStatus.store(true);
    u.Allapot.BontasFolytatas = folytatas;
    u.Vezerles.BontasPause.store(false);
    // The progress of the last run is not this one's.
    u.Vezerles.BontSzelvszam.store(t.BontSzelvszam);
    u.Vezerles.FFolyamatAlap.store(0);
    // A sample run is shown under the caption its builder gave; any other
    // run is an ordinary one.
    mentettFelirat_ = q(u.PeldabontasFelirat);
    setWindowTitle(mentettFelirat_.isEmpty() ? QStringLiteral(" Variáció készítése") : mentettFelirat_);
    u.Peldabontas = !mentettFelirat_.isEmpty();
    Label4->setText(QStringLiteral("Folyamat: 0%"));
    BontFolyamatPB->setValue(0);
    gomb_ = BontasGomb::Nincs;

    kornyezet_ = std::move(env);
    bemenet_ = std::move(b);
    const bool bovites = bemenet_->BontasBovites;
    const bool aktualisSorok = StopAktualisSorok(bovites, f.VariacioOpciok);
    // The time a question is open does not count as run time. With
    // confirmations off Pause and Break take effect without a question.
    const bool jovahagyas = uzenetBeallitasok().Jovahagyas;
    u.Vezerles.PauseVizsgalat = [this, jovahagyas] {
        if (SzalNyilvantartas::SajatLeallitasKerve())
            return false;
        // The question quotes where the run stands: the line count shows it
        // first (the timer stops refreshing once the pause is asked).
        const auto felirat = [this] {
            const BontasVezerles& v = bontasEgyseg().Vezerles;
            std::int32_t n = v.BontSzelvszam.load();
            // During the optimisation search: the cycles so far, the one
            // its best copy came from, and that copy's lines.
            QString elotag;
            if (bemenet_ && bemenet_->Opt && v.OptFut.load() && v.OptCiklus.load() > 0) {
                elotag = q(OptMegszakitasElotag(v.OptTrillio.load(), v.OptCiklus.load(), v.OptLegjobbCiklus.load()));
                n = v.OptLegjobb.load();
            }
            szelvSzamKiiras(n, elotag);
            koltsegKiiras(n);
        };
        GuiSzalonFuttatas(felirat, false);
        if (!jovahagyas) {
            platform::SetTaskbarProgressState(4);
            return true;
        }
        const double kezdet = most();
        const bool igen = JovahagyasKerdes(q(MegszakitasUzenet(gombTag_.load())));
        bontasEgyseg().BontasKezdoIdo += most() - kezdet;
        if (igen)
            platform::SetTaskbarProgressState(4);
        return igen;
    };
    // The optimisation's proposal: the taskbar shows the run paused and the
    // time the question is open is no run time.
    javaslatFut_.store(false);
    u.Vezerles.OptFut.store(false);
    u.Vezerles.OptTesztFut.store(false);
    u.Vezerles.OptJavaslatKerdes = [this](const std::string& s) {
        if (SzalNyilvantartas::SajatLeallitasKerve())
            return false;
        GuiSzalonFuttatas([] { platform::SetTaskbarProgressState(4); }, false);
        javaslatFut_.store(true);
        const double kezdet = most();
        const bool igen = JovahagyasKerdes(q(s));
        bontasEgyseg().BontasKezdoIdo += most() - kezdet;
        javaslatFut_.store(false);
        GuiSzalonFuttatas([] { platform::SetTaskbarProgressState(2); }, false);
        return igen;
    };
    u.Vezerles.StopVizsgalat = [bovites, aktualisSorok] {
        if (SzalNyilvantartas::SajatLeallitasKerve())
            return true;
        const double kezdet = most();
        const bool igen = JovahagyasKerese(q(StopUzenet(bovites, aktualisSorok)));
        bontasEgyseg().BontasKezdoIdo += most() - kezdet;
        return igen;
    };

    // 18. Show the window and start the worker.
    vezerlo_.FutasKezdete();
    resize(sizeHint());
    show();
    BontasPosition();
    KilepesGomb->setFocus();
    platform::SetTaskbarProgressState(2);
    MegszakitasLeiras m;
    m.Form = this;
    m.Idozito = Timer1;
    m.Munka = [this](std::stop_token st) { munka(st); };
    m.VegeKezelo = [this](bool) { vegeKezelo(); };
    szal_ = Megszakitas::Indit(std::move(m));
    return szal_ != nullptr;
}

void TBontas::munka(std::stop_token st)
{
    BontasEgyseg& u = bontasEgyseg();
    u.BontMegszAktiv.store(true);
    std::stop_callback leallit(st, [&u] { u.Vezerles.BontasMegszakitasa(); });
    u.BontasKezdoIdo = most();
    u.BontasZaroIdo = u.BontasKezdoIdo.load();
    try {
        FeltetelSzuro szuro{sorTeszt_.get(), talarTeszt_.get()};
        BontasFuttatas(variationStore(), *bemenet_, u.Allapot, u.Vezerles, *kornyezet_, szuro);
        szuro.TeljesultBeirasa(u.Allapot);
    } catch (...) {
        u.BontMegszAktiv.store(false);
        throw;
    }
    u.Allapot.BontasBefejezetlen = u.Vezerles.BontasPause.load() || !u.Vezerles.FBontStatus.load();
    u.BontMegszAktiv.store(false);
    u.BontasZaroIdo = most();
    if (!u.Allapot.BontasBefejezetlen)
        u.SzerkesztettVariacio = false;
    u.BontasIdotartam += u.BontasZaroIdo - u.BontasKezdoIdo;
}

void TBontas::novelesJelzes(NovelesJelzes j)
{
    // The worker touches no widget: the window's changes are posted to the
    // GUI thread, in order.
    switch (j) {
    case NovelesJelzes::Kezdet:
        novelesKezdet_ = most();
        novelesFut_.store(true);
        break;
    case NovelesJelzes::FoglalasKezdet:
        GuiSzalonKuldes(this, [this] { kiterjesztesKijelzes(true); });
        break;
    case NovelesJelzes::FoglalasVege:
        GuiSzalonKuldes(this, [this] { kiterjesztesKijelzes(false); });
        break;
    case NovelesJelzes::Vege:
        // The growth, its questions included, does not count as run time.
        bontasEgyseg().BontasKezdoIdo += most() - novelesKezdet_;
        novelesFut_.store(false);
        break;
    }
}

void TBontas::kiterjesztesKijelzes(bool be)
{
    if (be) {
        SzelvSzamCimke->setText(QStringLiteral("Variáció tömbjének kiterjesztése..."));
        QPalette p = SzelvSzamCimke->palette();
        p.setColor(QPalette::WindowText, QColor(0, 128, 128));
        SzelvSzamCimke->setPalette(p);
        for (QPushButton* b : {StopGomb, PauseGomb, BreakGomb, KilepesGomb})
            b->setEnabled(false);
        return;
    }
    // Back to the line count; while the optimisation search goes, grey and
    // after its cycle counter.
    const BontasVezerles& v = bontasEgyseg().Vezerles;
    QPalette p;
    QString elotag;
    if (bemenet_ && bemenet_->Opt && v.OptFut.load()) {
        p.setColor(QPalette::WindowText, kOptSzurke);
        elotag = q(OptCiklusElotag(v.OptTrillio.load(), v.OptCiklus.load()));
    }
    SzelvSzamCimke->setPalette(p);
    szelvSzamKiiras(v.BontSzelvszam.load(), elotag);
    if (!Fut())
        return;  // the end of the run sets the buttons
    const bool huzas = feltetelRekordok().HuzasSzamsorVariacio;
    StopGomb->setEnabled(true);
    KilepesGomb->setEnabled(true);
    PauseGomb->setEnabled(!huzas);
    BreakGomb->setEnabled(!huzas);
}

void TBontas::vegeKezelo()
{
    // The worker has ended: the store is the GUI thread's again.
    vezerlo_.FutasVege();
    Vege();
    if (!GetBontStatus())
        KilepesGombClick();
    else if (variationStore().BontSzelvszam > 0)
        BontStatVizsg();
}

void TBontas::BontStatVizsg()
{
    auto& naplo = settings().UzenetekLog;
    if (!naplo[kHianyzoSzamTippIndex])
        return;
    const VariationStore& t = variationStore();
    const BontasEgyseg& u = bontasEgyseg();
    const SzamListak& l = szamListak();
    const GameParams& g = game();
    const FeltetelRekordok& f = feltetelRekordok();
    BontStatBemenet be;
    be.TalArHuzasForras = f.TalalatiAranyFeltetel.Allapot != 0 && f.TalalatiAranyFeltetel.Forras == 1;
    be.VanTeljesult = u.Allapot.TeljesultFeltetelekA != 0;
    be.PeldabontasInfo = ProbabontasPBInfo(peldabontasInfo(), false);
    be.KijeloltSzamok = l.KijeloltSzamok;
    be.KijeloltFoSzamDb = l.KijeloltFoSzamDb;
    be.BontSzamGyakorisag = t.BontSzamGyakorisag;
    be.VanPluszSzam = g.VanPluszSzam;
    be.PluszSzamNev = g.PluszSzamNev;
    be.FoSzamKeszlet = g.FoSzamKeszlet;
    be.PluszSzamEltolas = g.PluszSzamEltolas;
    const std::string s = BontStatVizsgSzoveg(be);
    if (!s.empty())
        naplo[kHianyzoSzamTippIndex] = HasznosInformacio(q(s)) ? 1 : 0;
}

PeldabontasInfoBemenet TBontas::peldabontasInfo() const
{
    const GameParams& g = game();
    const SzamListak& l = szamListak();
    PeldabontasInfoBemenet p;
    p.Peldabontas = bontasEgyseg().Peldabontas;
    p.VanPluszSzam = g.VanPluszSzam;
    p.Hibapont = feltetelRekordok().Hibapont;
    p.MindenSzamKijelolt = l.KijeloltSzamDb() + l.FixSzamDb() >= g.OsszesSzam;
    p.SzamsorFoSzamDb = g.SzamsorFoSzamDb;
    p.PluszSzamDb = g.PluszSzamDb;
    p.PluszSzamKeszlet = g.PluszSzamKeszlet;
    p.BontSzelvszam = variationStore().BontSzelvszam;
    return p;
}

void TBontas::veletlenTipp()
{
    auto& naplo = settings().UzenetekLog;
    if (bemenet_ && bemenet_->VeletlenSzamsorok && naplo[kVeletlenTippIndex])
        naplo[kVeletlenTippIndex] = HasznosInformacio(QString::fromUtf8(kVeletlenTipp)) ? 1 : 0;
}

void TBontas::Vege()
{
    BontasEgyseg& u = bontasEgyseg();
    VariationStore& t = variationStore();
    const bool status = u.Vezerles.FBontStatus.load();
    const bool pause = u.Vezerles.BontasPause.load();
    const bool vanSor = t.BontSzelvszam > 0;
    // 1.
    BontFolyamatPB->setValue(100);
    StopGomb->setEnabled(false);
    PauseGomb->setEnabled(false);
    KilepesGomb->setText(QStringLiteral("Kilépés"));
    KilepesGomb->setToolTip(QString());
    Label4->setText(QStringLiteral("Folyamat: 100%"));
    platform::SetTaskbarProgressState(0);
    // 2.
    if (vanSor && status) {
        BreakGomb->setText(QStringLiteral("Statisztika"));
        BreakGomb->setToolTip(statisztikaElerheto_ ? QString() : QString::fromUtf8(kNemElerheto));
        BreakGomb->setProperty("Tag", 10);
        BreakGomb->setEnabled(statisztikaElerheto_);
        ImportCountVege(t);
    } else {
        BreakGomb->setEnabled(false);
        // The lines that the store kept when it ended the run close their
        // part of the variation like the lines of a finished run.
        if (vanSor && u.Allapot.TarolasLeallitas)
            ImportCountVege(t);
    }
    // 3.
    u.BefejezetlenVariacio = vanSor && (pause || !status || u.Allapot.BontasBefejezetlen);
    vezerlo_.Ertesites();
    // 4.
    const FeltetelRekordok& f = feltetelRekordok();
    VegeBemenet be;
    be.BontSzelvszam = t.BontSzelvszam;
    be.ABSZ = t.ABSZ;
    be.BontasPause = pause;
    be.BontStatus = status;
    be.BontasBefejezetlen = u.Allapot.BontasBefejezetlen;
    be.KijeloltDb = GetDbFeltetel(f, be.Kijelolt);
    be.Teljesult = TeljesultMaszk(u.Allapot);
    be.Hibapont = f.Hibapont;
    be.Felirat = mentettFelirat_.toStdString();
    if (bemenet_) {
        be.TalalatTeteles = bemenet_->TulirasBont && bemenet_->TulirasTeteles;
        be.TulirasTetelesMin = bemenet_->TulirasTetelesMin;
        be.TulirasTetelesMax = bemenet_->TulirasTetelesMax;
        be.TulirasTetelesLimit = static_cast<std::int32_t>(kTetelesLimitTalalattal);
    }
    const TVariacioOpciok& vo = f.VariacioOpciok;
    be.Optimalizalas = vo.Optimalizalas != 0;
    be.Csokkent = vo.Csokkent != 0;
    be.Bovites = u.BontasBovites;
    be.Feluliras = vo.Feluliras != 0;
    be.OptVedettSzamsor = vo.VedettSzamsorDb();
    be.OptMod = vo.Arany;
    be.OptGyorskereses = vo.Mod != 0;
    be.OptElsoCiklus = vo.OptLegjobbCiklus <= 1 && vo.OptLegjobbTrillio == 0;
    const VegeJelentes j = VegeJelentesKeszites(be);
    UtolsoJelentes = q(j.Szoveg);
    UtolsoJelentesHiba = j.HibaDoboz;
    IdoCimke->setText(q(VariacioIdotartama(u.BontasIdotartam)));
    if (!vanSor) {
        // 5. Nothing stored: the worker closes the window.
        KilepesGomb->setFocus();
        u.Vezerles.FBontStatus.store(false);
        if (!u.Allapot.BontasBefejezetlen)
            veletlenTipp();
        if (!j.Szoveg.empty())
            HibaUzenet(UtolsoJelentes);
        return;
    }
    // 6. Lines stored.
    u.OpcioModosulas = false;
    szelvSzamKiiras(t.BontSzelvszam);
    if (bemenet_ && bemenet_->Opt && t.OptLegjobbSzamsorDb > 0) {
        // The search's cycles, and the cycle its best variation came from.
        SzelvSzamCimke->setText(q(OptCiklusSzoveg(vo.OptTrillio, vo.OptCiklus)));
        TarolvaCimke->setText(q(OptTaroltSzoveg(vo.OptLegjobbTrillio, vo.OptLegjobbCiklus, t.BontSzelvszam)));
        TarolvaCimke->setVisible(true);
    }
    koltsegKiiras(t.BontSzelvszam);
    TorlesGomb->setEnabled(true);
    VanNincsBontas(true);
    // The lines can be extended at once, unless they are an extension
    // already or are the draws' own lines.
    BovitesGomb->setEnabled(!u.BontasBovites && !f.HuzasSzamsorVariacio);
    ListaGomb->setFocus();
    veletlenTipp();
    if (!j.Szoveg.empty() && status)
        InformacioUzenet(UtolsoJelentes);
    if (!status && u.Allapot.TarolasLeallitas)
        InformacioUzenet(q(TarolasLeallitasSzoveg(t.BontSzelvszam)));
    if (pause)
        KilepesGombClick();
}

void TBontas::Timer1Timer()
{
    BontasEgyseg& u = bontasEgyseg();
    const BontasVezerles& v = u.Vezerles;
    if (!Timer1->isActive() || v.FHibapontMenet.load() < 0 || !v.FBontStatus.load() || v.BontasPause.load() ||
        novelesFut_.load() || javaslatFut_.load())
        return;
    IdoCimke->setText(q(VariacioIdotartama(most() - u.BontasKezdoIdo + u.BontasIdotartam)));
    const std::int32_t n = v.BontSzelvszam.load(std::memory_order_relaxed);
    // The optimisation search: after its first cycle the label counts the
    // cycles, and the stored-lines label and the cost follow its best copy;
    // its trial of a rewritable variation says so.
    const bool opt = bemenet_ && bemenet_->Opt && v.OptFut.load(std::memory_order_relaxed);
    const bool teszt = opt && v.OptTesztFut.load(std::memory_order_relaxed);
    const std::int64_t ciklus = v.OptCiklus.load(std::memory_order_relaxed);
    const std::int64_t trillio = v.OptTrillio.load(std::memory_order_relaxed);
    const bool ciklusok = opt && (ciklus > 1 || trillio > 0);
    szelvSzamKiiras(n, ciklusok ? q(OptCiklusElotag(trillio, ciklus)) : QString());
    if (teszt)
        SzelvSzamCimke->setText(SzelvSzamCimke->text() + QStringLiteral(" tesztje"));
    if (!ciklusok || teszt) {
        koltsegKiiras(n);
    } else {
        SzelvSzamCimke->setText(SzelvSzamCimke->text() + QStringLiteral(" vizsgálata"));
        if (const std::int32_t b = v.OptLegjobb.load(std::memory_order_relaxed); b >= 1 && b <= 999999999) {
            TarolvaCimke->setText(q(OptTaroltSzoveg(v.OptLegjobbTrillio.load(std::memory_order_relaxed),
                                                    v.OptLegjobbCiklus.load(std::memory_order_relaxed), b)));
            koltsegKiiras(b);
        }
    }
    const std::int32_t kf = bemenet_ ? bemenet_->VariacioFoMeret : 0;
    std::uint8_t sor[kMaxVariacioMeret]{};
    for (std::int32_t i = 0; i < kf && i < kMaxVariacioMeret; ++i)
        sor[i] = v.FAktSzamsor[static_cast<std::size_t>(i)].load(std::memory_order_relaxed);
    const std::int32_t p = FolyamatSzazalek(sor, kf, absvAlap_, absvOszto_, v.FFolyamatAlap.load());
    BontFolyamatPB->setValue(p);
    Label4->setText(QStringLiteral("Folyamat: %1%").arg(p));
    platform::SetTaskbarProgressValue(100, static_cast<std::uint64_t>(p));
}

void TBontas::StopGombClick()
{
    BontasEgyseg& u = bontasEgyseg();
    if (u.Vezerles.FBontStatus.load() && !u.Vezerles.BontasPause.load())
        u.Vezerles.BontasMegszakitasa();
}

void TBontas::PauseGombClick(int tag)
{
    BontasEgyseg& u = bontasEgyseg();
    if (!u.Vezerles.FBontStatus.load() || u.Vezerles.BontasPause.load())
        return;
    gomb_ = static_cast<BontasGomb>(tag);
    gombTag_.store(tag);
    u.Vezerles.PauseKeres();
}

void TBontas::EllenorzesGombClick(int tag)
{
    gomb_ = static_cast<BontasGomb>(tag);
    KilepesGombClick();
}

void TBontas::KilepesGombClick()
{
    if (StopGomb->isEnabled() && isVisible() && GetBontStatus()) {
        // The run goes on in the background.
        if (QWidget* fo = parentWidget())
            fo->showMinimized();
        return;
    }
    hide();
    vezerlo_.BontasAblakBezarva(gomb_);
}

void TBontas::closeEvent(QCloseEvent* e)
{
    // The window closes only through its buttons while a run goes on.
    if (Fut()) {
        e->ignore();
        return;
    }
    QDialog::closeEvent(e);
}

void TBontas::reject()
{
    if (!Fut())
        KilepesGombClick();
}

ParancsHelyzet TBontas::ParancsHelyzetKeszites(bool e) const
{
    ParancsHelyzet h = BontasParancsHelyzet(variationStore(), bontasEgyseg(), szamListak(),
                                            feltetelRekordok().HuzasSzamsorVariacio, e);
    h.JatekNev = JatekNev[static_cast<std::size_t>(game().LottoIndex)];
    return h;
}

void TBontas::VanNincsBontas(bool e)
{
    const ParancsHelyzet h = ParancsHelyzetKeszites(e);
    const std::vector<ParancsAllapot> tabla = kvx::VanNincsBontas(h);
    // Check, modify and info hand their action to the main window when the
    // window closes; they follow the menu items they stand for.
    const std::pair<QPushButton*, kvx::ParancsKulcs> gombok[] = {
        {EllenorzesGomb, ParancsId::Ellenrzs1}, {ModositGomb, VariacioGomb::BontasModositGomb}, {InfoGomb, VariacioGomb::BontasInfoGomb}};
    for (const auto& [b, nev] : gombok) {
        if (const ParancsAllapot* p = ParancsKeres(tabla, nev)) {
            b->setEnabled(p->Engedelyezett);
            b->setToolTip(q(p->Tipp));
        }
    }
    if (!e)
        BovitesGomb->setEnabled(false);
    if (const ParancsAllapot* p = ParancsKeres(tabla, VariacioGomb::BontasTesztGomb)) {
        TesztGomb->setEnabled(p->Engedelyezett);
        TesztGomb->setToolTip(q(p->Tipp));
    }
    TorlesGomb->setEnabled(e);
    ListaGomb->setEnabled(e);
    MentesGomb->setEnabled(e);
    vezerlo_.Ertesites();
}
