#include "variation/ui/filedialogs.h"
#include "app/ui/program.h"

#include "app/shell_state.h"

#include <QFileDialog>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHeaderView>
#include <QScreen>
#include <QTreeView>
#include <QFileInfo>
#include <QLineEdit>
#include <QRegularExpression>
#include <QWidget>

#include <algorithm>
#include <cmath>

#include "app/ui/qt_nyelv.h"
#include "app/ui/uzenetek.h"
#include "conditions/markers.h"
#include "tickets/file_helpers.h"
#include "conditions/variation_options.h"
#include "variation/generation_run.h"
#include "variation/store_jobs.h"
#include "variation/variation_export.h"
#include "variation/variation_file.h"
#include "variation/variation_import.h"
#include "variation/variation_store.h"

#include <chrono>

using namespace kvx;

namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }
std::string s(const QString& q) { return q.toStdString(); }

// The wait window for as long as the object lives.
class Varakozas {
public:
    Varakozas(const TAllomanyDialogusok& d, const std::string& szoveg) : d_(d)
    {
        if (d_.VarakozasKi) d_.VarakozasKi(q(szoveg));
    }
    ~Varakozas()
    {
        if (d_.VarakozasKi && d_.VarakozasVege) d_.VarakozasVege();
    }
    Varakozas(const Varakozas&) = delete;
    Varakozas& operator=(const Varakozas&) = delete;

private:
    const TAllomanyDialogusok& d_;
};

std::string varakozasSzoveg(const QString& nev, int jatek, bool mentes)
{
    const int j = jatek < 0 || jatek >= kJatekokSzama ? 0 : jatek;
    return VariacioVarakozasSzoveg(s(nev), JatekMappa[static_cast<std::size_t>(j)], mentes);
}

// The extension of a filter entry "Variáció export állománya csv (*.csv)".
QString szuroKiterjesztes(const QString& szuro)
{
    static const QRegularExpression minta(QStringLiteral(R"(\(\*\.([^)\s;]+)\))"));
    const QRegularExpressionMatch m = minta.match(szuro);
    return m.hasMatch() ? m.captured(1) : QString();
}

}  // namespace

AllomanyDialogusAllapot AllomanyDialogusAllapot::Program()
{
    AllomanyDialogusAllapot a;
    a.Jatek = &game();
    a.Listak = &szamListak();
    a.Feltetelek = &feltetelRekordok();
    a.Konyvtarak = &folders();
    a.Foallapot = &mainState();
    a.Beallitasok = &settings();
    a.VariacioOpciok = &variacioOpcioErtekek();
    return a;
}

TAllomanyDialogusok::TAllomanyDialogusok(QWidget* foablak, const AllomanyDialogusAllapot& allapot)
    : QObject(foablak), Allapot(allapot), foablak_(foablak)
{
    auto keszit = [&](QFileDialog::AcceptMode m) {
        auto* d = new QFileDialog(foablak);
        kvx::MagyarFajlDialogus(*d);
        d->setAcceptMode(m);
        d->setSizeGripEnabled(true);
        d->setOption(QFileDialog::ReadOnly, false);
        d->setFileMode(m == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
        return d;
    };
    OpenDialog1 = keszit(QFileDialog::AcceptOpen);
    OpenDialog1->setObjectName("OpenDialog1");
    SaveDialog1 = keszit(QFileDialog::AcceptSave);
    SaveDialog1->setObjectName("SaveDialog1");
    // A name typed without an extension takes the chosen entry's: "csv"
    // chosen and "lista" typed is "lista.csv".
    connect(SaveDialog1, &QFileDialog::filterSelected, this,
            [this](const QString& szuro) { SaveDialog1->setDefaultSuffix(szuroKiterjesztes(szuro)); });
    // The open dialog starts on the second filter entry.
    szurokBeallitasa(OpenDialog1, kMegnyitasSzuro, 2);

    // The program's message boxes (they centre on the main window).
    Uzenet = [](UzenetFajta f, const QString& t) {
        switch (f) {
        case UzenetFajta::Hiba: kvx::HibaUzenet(t); break;
        case UzenetFajta::Informacio: InformacioUzenet(t); break;
        case UzenetFajta::Figyelmeztetes: FigyelmeztetoUzenet(t); break;
        }
    };
    Kerdes = [](const QString& t) { return FigyelmeztetoKerdes(t); };
    Mind1Click = [this] { MindenSzamTorlese(*Allapot.Listak, *Allapot.Jatek, *Allapot.Foallapot); };
    JatekValtas = [this](int i) {
        Allapot.Jatek->LottoIndex = i;
        JatekParameterek(*Allapot.Jatek);
        ListakInicializalasa(*Allapot.Listak, *Allapot.Jatek, *Allapot.Foallapot);
    };
    Tipp = [](const QString& t) { return static_cast<std::uint8_t>(HasznosInformacio(t) ? 1 : 0); };
    SzabadHely = [](const std::string& konyvtar) { return kvx::SzabadHely(konyvtar); };
    Import = [this](const QString& nev) {
        ImportKornyezet k;
        k.Listak = Allapot.Listak;
        k.Jatek = Allapot.Jatek;
        k.Foallapot = Allapot.Foallapot;
        k.Tar = &variationStore();
        k.Bontas = &bontasEgyseg();
        k.Allomany = &variacioAllomany();
        k.Elokeszites = [this] {
            Mind1Click();
            return true;
        };
        const ImportEredmeny r = ImportBeolvasas(s(nev), k);
        if (!r.Ok && !r.Uzenet.empty()) Uzenet(UzenetFajta::Hiba, q(r.Uzenet));
        return r.Ok;
    };
}

void TAllomanyDialogusok::nevTorlese(QFileDialog* d)
{
    // selectFile() ignores an empty name, so the last chosen name would stay
    // in the name box and be offered again, even in another game's folder.
    if (auto* edit = d->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
        edit->clear();
    d->setHistory({});
}

void TAllomanyDialogusok::meretBeallitas(QFileDialog* d)
{
    // The dialog grows with the text size: its size at the smallest text
    // size, scaled, within the screen; the name column shows long names.
    const int betu = Allapot.Beallitasok ? std::max(8, Allapot.Beallitasok->BetuMeret) : 8;
    const double szorzo = betu / 8.0;
    QSize meret(static_cast<int>(std::lround(620 * szorzo)), static_cast<int>(std::lround(400 * szorzo)));
    const QScreen* k = foablak_ && foablak_->screen() ? foablak_->screen() : QGuiApplication::primaryScreen();
    if (k)
        meret = meret.boundedTo(k->availableGeometry().size() * 9 / 10);
    d->resize(meret.expandedTo(d->minimumSizeHint()));
    if (auto* nezet = d->findChild<QTreeView*>(QStringLiteral("treeView")))
        nezet->header()->resizeSection(0, std::max(nezet->header()->sectionSize(0),
                                                   QFontMetrics(d->font()).averageCharWidth() * 36));
}

void TAllomanyDialogusok::szurokBeallitasa(QFileDialog* d, const std::string& szuro, int index)
{
    QStringList lista;
    for (const SzuroElem& e : SzuroElemek(szuro)) lista << q(e.Leiras);
    d->setNameFilters(lista);
    if (index >= 1 && index <= lista.size()) d->selectNameFilter(lista[index - 1]);
}

void TAllomanyDialogusok::tippMutatas(int index, const char* szoveg)
{
    if (!Allapot.Beallitasok) return;
    auto& flag = Allapot.Beallitasok->UzenetekLog[static_cast<std::size_t>(index)];
    if (flag == 1) flag = Tipp(q(szoveg));
}

bool TAllomanyDialogusok::dialogusFuttatas(QFileDialog* d, int fajta, QString& nev, int& szuroIndex)
{
    Folders& f = *Allapot.Konyvtarak;
    const int jatek = Allapot.Jatek->LottoIndex;
    d->setDirectory(q(KezdoKonyvtar(f, fajta, jatek)));
    meretBeallitas(d);
    const bool ok = d->exec() == QDialog::Accepted && !d->selectedFiles().isEmpty();
    nev = ok ? d->selectedFiles().first() : QString();
    szuroIndex = static_cast<int>(d->nameFilters().indexOf(d->selectedNameFilter())) + 1;
    UtolsoKonyvtarFrissites(f, fajta, jatek, ok, s(nev));
    return ok;
}

bool TAllomanyDialogusok::AllomanyDialogus(int mod, const QString& fajta, bool kerdes)
{
    SaveDialog1->setProperty("Tag", mod);
    nevTorlese(OpenDialog1);
    nevTorlese(SaveDialog1);
    switch (mod) {
    case ModMegnyitas: return megnyitas(kerdes);
    case ModMentes: return mentes(fajta);
    default:
        // Private databases belong to the draws database work.
        Uzenet(UzenetFajta::Informacio, q(kNemElerheto));
        return false;
    }
}

bool TAllomanyDialogusok::megnyitas(bool kerdes)
{
    const SzamListak& l = *Allapot.Listak;
    const bool jovahagyas = Allapot.Beallitasok ? Allapot.Beallitasok->Jovahagyas : true;
    if (kerdes && jovahagyas && Allapot.BontMatrixMeret == 0 && !Allapot.Foallapot->Mentve &&
        l.KijeloltSzamDb() + l.FixSzamDb() > Allapot.Jatek->SzamsorHossz &&
        Kerdes(QStringLiteral("Menti a kijelölt számsort és a kapcsolódó adatokat?")))
        AllomanyDialogus(ModMentes, QStringLiteral("tip"), false);

    OpenDialog1->setWindowTitle(q(kMegnyitasCim));
    tippMutatas(kMegnyitasTippIndex, kMegnyitasTipp);
    QString nev;
    int index = 0;
    if (!dialogusFuttatas(OpenDialog1, kSzamsorMegnyitas, nev, index)) return false;

    switch (MegnyitasDontes(s(nev))) {
    case MegnyitasCel::Valasszon:
        Uzenet(UzenetFajta::Informacio, q(kValasszonAllomanyt));
        return megnyitas(true);
    case MegnyitasCel::Szamsor: return SzamsorBetoltese(nev);
    case MegnyitasCel::Variacio: return VariacioBetoltese(nev);
    case MegnyitasCel::Import: {
        // The lines become the variation of an empty ticket; the import
        // clears the ticket only once the file was found good.
        std::string uzenet;
        if (!AllomanyHozzaferheto(s(nev), uzenet)) {
            Uzenet(UzenetFajta::Hiba, q(uzenet));
            return false;
        }
        if (Import(nev)) emit variacioValtozas();
        return false;
    }
    case MegnyitasCel::Egyeb: break;
    }
    // A name that merely contains one of the endings: nothing to load.
    Uzenet(UzenetFajta::Informacio, q(kValasszonAllomanyt));
    return false;
}

SzamsorOpciok TAllomanyDialogusok::taroltOpciok() const
{
    SzamsorOpciok k;
    if (const kvx::VariacioOpcioErtekek* o = Allapot.VariacioOpciok) {
        k.GyakorisagiEloszlas = o->GyakorisagiEloszlas ? 1 : 0;
        k.Optimalizalt = o->Optimalizalt ? 1 : 0;
        k.VeletlenSzamsorok = o->VeletlenSzamsorok ? 1 : 0;
    }
    return k;
}

bool TAllomanyDialogusok::mentes(const QString& fajta)
{
    const SzamListak& l = *Allapot.Listak;
    const GameParams& g = *Allapot.Jatek;
    const MentesBeallitas b = MentesDialogusBeallitas(s(fajta), Allapot.BontMatrixMeret);
    SaveDialog1->setWindowTitle(q(b.Cim));
    szurokBeallitasa(SaveDialog1, b.Szuro, b.SzuroIndex);
    SaveDialog1->setDefaultSuffix(q(b.AlapKiterjesztes));
    if (Allapot.Beallitasok && Allapot.Beallitasok->AutomatikusNev) {
        AutomatikusNevAdatok a;
        a.KijeloltFoSzamDb = l.KijeloltFoSzamDb;
        a.VanPluszSzam = g.VanPluszSzam;
        a.KijeloltPluszSzamDb = l.KijeloltPluszSzamDb;
        a.FixSzamDb = l.FixSzamDb();
        a.Variacio = b.AlapKiterjesztes == "top";
        a.BontMatrixMeret = Allapot.BontMatrixMeret;
        a.Hibapont = Allapot.Feltetelek->Hibapont;
        const SzamsorOpciok o = taroltOpciok();
        a.VeletlenSzamsorok = o.VeletlenSzamsorok;
        a.GyakorisagiEloszlas = o.GyakorisagiEloszlas;
        a.Optimalizalt = o.Optimalizalt;
        if (const kvx::VariacioOpcioErtekek* v = Allapot.VariacioOpciok) {
            a.TulirasBont = v->TulirasBont;
            a.Tuliras = v->Tuliras;
            a.TulirasTeteles = v->TulirasTeteles;
            a.TulirasSorozat = v->TulirasSorozat;
        }
        const TVariacioOpciok& opt = Allapot.Feltetelek->VariacioOpciok;
        a.Optimalizalas = opt.Optimalizalas != 0;
        a.Csokkent = opt.Csokkent != 0;
        a.Feluliras = opt.Feluliras != 0;
        a.Rendez = opt.Rendez != 0;
        a.Mod = opt.Mod != 0;
        a.Arany = opt.Arany;
        a.VariacioAllapot = Allapot.VariacioAllapot;
        a.Peldabontas = Allapot.Peldabontas;
        SaveDialog1->selectFile(q(AutomatikusNev(a)));
    }
    tippMutatas(kMentesTippIndex, kMentesTipp);
    QString nev;
    int index = 0;
    if (!dialogusFuttatas(SaveDialog1, kSzamsorMentes, nev, index)) return false;

    const std::string szuro = b.Szuro;
    const MentesDontesEredmeny d = MentesDontes(s(fajta), index, szuro, s(nev), Allapot.BontMatrixMeret);
    if (d.Cel == MentesCel::Variacio || d.Cel == MentesCel::Export) {
        // Room for the lines and the ticket part, checked before anything
        // is written: a full disk must not end in a half-written file.
        const std::int64_t hely = SzabadHely(AllomanyKonyvtara(s(nev), std::string()));
        if (hely >= 0 && hely < Allapot.BontMatrixMeret * g.SzamsorHossz + 1024) {
            Uzenet(UzenetFajta::Hiba, q(kNincsSzabadHely));
            return false;
        }
        if (!VariacioMentesMegengedett(Allapot.BontMatrixMeret)) {
            Uzenet(UzenetFajta::Informacio, q(kTobbMintEgyMillio));
            return false;
        }
        if (d.Cel == MentesCel::Variacio) return VariacioMentese(nev);
        return ExportKiiras(nev, q(d.ExportFormatum));
    }
    if (d.Cel == MentesCel::Semmi) {
        // The chosen entry and ending do not name a file this program writes.
        Uzenet(UzenetFajta::Informacio, q(kValasszonAllomanyt));
        return false;
    }
    const std::int64_t hely = SzabadHely(AllomanyKonyvtara(s(nev), std::string()));
    if (hely >= 0 && hely < l.KijeloltSzamDb() + 1024) {
        Uzenet(UzenetFajta::Hiba, q(kNincsSzabadHely));
        return false;
    }
    return SzamsorMentese(nev);
}

bool TAllomanyDialogusok::SzamsorMentese(const QString& nev)
{
    const SzamsorKep kep = SzamsorKepKeszites(*Allapot.Listak, *Allapot.Jatek, *Allapot.Feltetelek,
                                              Allapot.Beallitasok ? Allapot.Beallitasok->SzamsorrendMod : 0,
                                              taroltOpciok());
    // A number set the reader would refuse is saved only when the user insists.
    const std::string hiba = SzamsorKepEllenorzes(kep, *Allapot.Jatek);
    if (!hiba.empty() && !Kerdes(q(hiba + "\r\n\r\nMégis menti az állományt?"))) {
        Allapot.Foallapot->Mentve = false;
        return false;
    }
    std::string uzenet;
    const bool ok = kvx::SzamsorMentese(s(nev), kep, uzenet);
    if (!ok) Uzenet(UzenetFajta::Hiba, q(uzenet));
    Allapot.Foallapot->Mentve = ok;
    return ok;
}

bool TAllomanyDialogusok::SzamsorBetoltese(const QString& nev) { return betoltes(nev, false); }

bool TAllomanyDialogusok::VariacioBetoltese(const QString& nev) { return betoltes(nev, true); }

bool TAllomanyDialogusok::betoltes(const QString& nev, bool variacio)
{
    SzamsorOlvasasKornyezet env;
    env.Jatek = Allapot.Jatek;
    env.Feltetelek = Allapot.Feltetelek;
    env.AdatbazisBetoltve = Allapot.AdatbazisBetoltve;
    env.AdatbazisTipus = Allapot.AdatbazisTipus;
    env.HuzasokSzama = Allapot.HuzasokSzama;
    std::vector<std::uint8_t> adat;
    SzamsorOlvasasEredmeny r = kvx::SzamsorBetoltese(s(nev), env, &adat);

    // A file of another game is checked whole under that game first; the
    // program switches only when the file is sound.
    GameParams masik;
    if (r.HibaFajta == SzamsorHiba::MasikJatek) {
        masik.LottoIndex = r.JatekIndex;
        JatekParameterek(masik);
        FeltetelRekordok alap;
        FeltetelekRekordokReset(alap, masik);
        env.Jatek = &masik;
        env.Feltetelek = &alap;
        r = kvx::SzamsorBetoltese(s(nev), env, &adat);
    }
    if (!r.Ok) {
        Uzenet(UzenetFajta::Hiba, q(r.Uzenet));
        return false;
    }
    // The variation body is read against the ticket part before anything
    // is applied: a refused body leaves the program as it was.
    TorzsOlvasasEredmeny torzs;
    if (variacio) {
        {
            const Varakozas v(*this, varakozasSzoveg(nev, env.Jatek->LottoIndex, false));
            torzs = VariacioTorzsBetoltese(adat, r.Vege, r.Kep, *env.Jatek);
        }
        if (torzs.HibaFajta == TorzsHiba::Hibas) {
            Uzenet(UzenetFajta::Hiba, q(TorzsHibaUzenet(s(nev), torzs)));
            if (!TorzsHianyzikMagyarazat(r.AllomanyVerzioSzam, torzs))
                return false;
            // A number set written over a variation file by an old version:
            // it opens as the number set it is.
            Uzenet(UzenetFajta::Hiba, q(kTorzsHianyzikSzoveg));
            variacio = false;
        }
    }
    if (r.TalArKerdes && !Kerdes(q(kTalArMasikAdatbazisKerdes))) return false;

    // The numbers on the ticket go first (their clearing may be asked and
    // refused); only then does a file of another game switch the game, so
    // the switch never drops unsaved numbers unasked.
    const bool masikJatek = r.Kep.LottoIndex != Allapot.Jatek->LottoIndex;
    if (masikJatek)
        Uzenet(UzenetFajta::Figyelmeztetes, q(masikJatekAllomanySzoveg(s(nev), false, r.Kep.LottoIndex)));
    Mind1Click();
    if (Allapot.Listak->KijeloltSzamDb() > 0 || Allapot.Listak->FixSzamDb() > 0) return false;
    if (masikJatek) {
        JatekValtas(r.Kep.LottoIndex);
        if (Allapot.Jatek->LottoIndex != r.Kep.LottoIndex) return false;
    }

    for (const std::string& w : r.Figyelmeztetesek) Uzenet(UzenetFajta::Figyelmeztetes, q(w));
    SzamsorKepAlkalmazas(r.Kep, *Allapot.Listak, *Allapot.Jatek, *Allapot.Foallapot, *Allapot.Feltetelek);
    if (Allapot.AdatbazisBetoltve) TalalatiAranyIllesztes(Allapot.Feltetelek->TalalatiAranyFeltetel, Allapot.HuzasokSzama);
    // The variation options are the file's: all unticked first (the
    // optimisation of the numbers before must not run on these), then its
    // three stored ones (a variation's body brings the Találat option and
    // the optimisation after this).
    kvx::VariacioOpcioErtekek nincs;
    kvx::VariacioOpcioinakTorlese(Allapot.Feltetelek->VariacioOpciok,
                                  Allapot.VariacioOpciok ? *Allapot.VariacioOpciok : nincs);
    if (kvx::VariacioOpcioErtekek* o = Allapot.VariacioOpciok) {
        o->GyakorisagiEloszlas = r.Kep.Opciok.GyakorisagiEloszlas != 0;
        o->Optimalizalt = r.Kep.Opciok.Optimalizalt != 0;
        o->VeletlenSzamsorok = r.Kep.Opciok.VeletlenSzamsorok != 0;
    }
    if (Allapot.Beallitasok) Allapot.Beallitasok->SzamsorrendMod = r.Kep.SzamsorrendMod;
    emit betoltve(r.Kep);
    if (variacio) {
        VariationStore& t = variationStore();
        if (torzs.Ok) {
            VariacioAllomanyAllapot& a = variacioAllomany();
            BontasEgyseg& u = bontasEgyseg();
            {
                const Varakozas v(*this, varakozasSzoveg(nev, Allapot.Jatek->LottoIndex, false));
                VariacioTorzsAlkalmazas(torzs.Torzs, t, u, variacioOpcioErtekek(), *Allapot.Feltetelek, a);
            }
            // Lines whose hit ratio was met on draws this database does not
            // hold: the variation counts as edited, not as made here.
            if (r.TalArKerdes)
                u.SzerkesztettVariacio = true;
            if (u.BontasBovites && Import_log_true) {
                // The extension state needs the counts of the numbers it
                // extends; the options-changed flag stays the file's.
                const bool opcio = u.OpcioModosulas;
                u.BontasBovites = false;
                Import_log_true();
                u.OpcioModosulas = opcio;
            }
            const SzamListak& l = *Allapot.Listak;
            const GameParams& g = *Allapot.Jatek;
            t.ABSZ = TeljBontSzelvszam(l.KijeloltSzamDb(), l.VariacioMeret, l.KijeloltPluszSzamDb, g.VanPluszSzam,
                                       g.PluszSzamDb);
            a.BontLottoIndex = g.LottoIndex;
            // Lines whose hit ratio was met on another game's draws.
            a.BontIdegenSzamsorDb = masikJatek && Allapot.Feltetelek->TalArAktiv ? t.BontSzelvszam : 0;
            if (MegszakitatottStatus)
                MegszakitatottStatus();
        } else {
            // Over a million lines: the numbers, conditions and options of
            // the ticket part stay, the store stays empty.
            FinalizeFBontasMatrix(t);
            Uzenet(UzenetFajta::Informacio, q(torzs.Hiba));
        }
        emit variacioValtozas();
        if (torzs.Ok) {
            // The one-time tip about the state of the loaded run.
            const BontasEgyseg& u = bontasEgyseg();
            if (Allapot.Beallitasok && Allapot.Beallitasok->UzenetekLog[2] == 1) {
                const VariacioAllapot v = VariacioAllapotMost(t.BontMatrixMeret, t.BontSzelvszam, u);
                const std::string tipp = BetoltesUtaniTipp(v.BontasPause, GetMNBString(v));
                if (!tipp.empty())
                    Allapot.Beallitasok->UzenetekLog[2] = Tipp(q(tipp));
            }
            const std::string figy = AllandoSzamokFigyelmeztetes(torzs.Torzs.VerzioSzam, *Allapot.Feltetelek,
                                                                 *Allapot.Listak, *Allapot.Jatek);
            if (!figy.empty())
                Uzenet(UzenetFajta::Figyelmeztetes, q(figy));
        }
        if (!torzs.Ok) return false;
    }
    Allapot.Listak->SzamsorrendAlkalmaz = true;
    Allapot.Foallapot->Mentve = true;
    return true;
}

bool TAllomanyDialogusok::ExportKiiras(const QString& nev, const QString& formatum)
{
    VariationStore& t = variationStore();
    // The stored order goes out, not a sorted view of it.
    BontListEredetiSorrend(t);
    const VariacioAllomanyAllapot& a = variacioAllomany();
    ExportFejlec fejlec;
    fejlec.VariacioVerzio = a.VariacioVerzio;
    fejlec.VariacioDatum = a.VariacioDatum != 0.0 ? a.VariacioDatum : MaiDatum();
    std::string uzenet;
    bool ok = false;
    {
        const Varakozas v(*this, "Export állomány mentése");
        ok = kvx::ExportKiiras(s(nev), s(formatum), t, *Allapot.Listak, *Allapot.Jatek, fejlec, uzenet);
    }
    if (!ok) Uzenet(UzenetFajta::Hiba, q(uzenet));
    return ok;
}

bool TAllomanyDialogusok::VariacioMentese(const QString& nev)
{
    VariationStore& t = variationStore();
    // The stored order goes into the file, not a sorted view of it.
    BontListEredetiSorrend(t);
    VariacioAllomanyAllapot& a = variacioAllomany();
    if (a.VariacioDatum == 0.0) a.VariacioDatum = MaiDatum();
    const SzamsorKep kep = SzamsorKepKeszites(*Allapot.Listak, *Allapot.Jatek, *Allapot.Feltetelek,
                                              Allapot.Beallitasok ? Allapot.Beallitasok->SzamsorrendMod : 0,
                                              taroltOpciok());
    const VariacioTorzs torzs = VariacioTorzsKeszites(t, bontasEgyseg(), variacioOpcioErtekek(), *Allapot.Feltetelek,
                                                      *Allapot.Listak, a);
    std::string uzenet;
    bool ok = false;
    {
        const Varakozas v(*this, varakozasSzoveg(nev, Allapot.Jatek->LottoIndex, true));
        ok = VariacioAllomanyIras(s(nev), kep, torzs, uzenet);
    }
    if (!ok) Uzenet(UzenetFajta::Hiba, q(uzenet));
    Allapot.Foallapot->Mentve = ok;
    return ok;
}
