#include "variation/ui/bontellszelveny.h"
#include "app/ui/program.h"
#include "variation/ui/variacio_vezerlo.h"

#include <QPointer>
#include <QPushButton>

#include <random>

#include "app/game_table.h"
#include "app/messages.h"
#include "app/settings.h"
#include "app/ui/uzenetablak.h"
#include "app/ui/uzenetek.h"
#include "app/wait_jobs.h"
#include "tickets/number_lists.h"
#include "tickets/ui/szelvenyek.h"
#include "variation/variation_store.h"
#include "draws/draws_table.h"
#include "draws/draw_editing.h"

using namespace kvx;

namespace {

QString q(const char* s) { return QString::fromUtf8(s); }

constexpr const char* kPeldabontasTipp =
    "Egy példabontás (variáció) ellenőrzését végzi.\r\n\r\nA variáció egyetlen - a Főszelvényen más színnel "
    "jelölt - számsor tulajdonságai alapján készült.\r\nAz ellenőrzés során a program hatékonyságát, annak helyes "
    "működését vizsgálja.";

// A selected number that occurs in no line of the variation.
constexpr std::int32_t kNemSzereploSzin = 160 | (160 << 8) | (164 << 16);
// Added to the bonus mark's font colour of such a number.
constexpr std::int32_t kNemSzereploPluszSzin = 130 | (60 << 8) | (20 << 16);
// Above this many lines the count shows the wait window.
constexpr std::int32_t kVarakozasSorok = 100000;

}  // namespace

void BontEllSzelvenyBekotes()
{
    SzelvenyekAllapot& s = szelvenyek();
    s.BontEllEpites = [](QWidget* foablak) {
        szelvenyek().BontEllSzelveny = new TBontEllSzelveny(Program::aktualis().Variacio(), foablak);
    };
    s.BontEllLebontas = [] {
        QPointer<TBontEllSzelveny>& p = szelvenyek().BontEllSzelveny;
        if (p)
            SzelvenyLebontasa(p.data());
        p = nullptr;
    };
}

TBontEllSzelveny::TBontEllSzelveny(VariacioVezerlo& vezerlo, QWidget* foablak)
    : TSzelveny(QStringLiteral("BESz"), kvx::FajtaBontEllSzelveny, true, true, true, QStringLiteral(" Variáció ellenőrzés"), foablak),
      vezerlo_(vezerlo)
{
    // The list's editing commands open this ticket for a line; an edit or a
    // deletion of the lines starts it anew.
    connect(&vezerlo, &VariacioVezerlo::szamsorBevitelKerve, this, &TBontEllSzelveny::SzamsorBevitel);
    connect(&vezerlo, &VariacioVezerlo::ellenorzesKerve, this, &TBontEllSzelveny::EllenorzesInditas);
    connect(&vezerlo, &VariacioVezerlo::szerkesztesElott, this, &TBontEllSzelveny::Torles);
    connect(&vezerlo, &VariacioVezerlo::torles, this, &TBontEllSzelveny::Torles);
    // A run changes the lines under a check: the check ends with it.
    connect(&vezerlo, &VariacioVezerlo::futasIndul, this, &TBontEllSzelveny::Torles);
    for (TSzamPanel* p : SzamPanelek)
        connect(p, &TSzamPanel::Kattintas, this, &TBontEllSzelveny::SzamClick);
    if (TorlesGomb)
        connect(TorlesGomb, &QPushButton::clicked, this, &TBontEllSzelveny::TorlesGombClick);
    if (KilepesGomb)
        connect(KilepesGomb, &QPushButton::clicked, this, &TBontEllSzelveny::Torles);
}

void TBontEllSzelveny::Szinezes()
{
    const SzelvenySor& look = Look();
    const SzamListak& l = szamListak();
    const GameParams& g = game();
    const VariationStore& t = variationStore();
    const BontListaNezet nezet = vezerlo_.ListaNezet();
    for (std::size_t i = 0; i < SzamPanelek.size(); ++i) {
        TSzamPanel* p = SzamPanelek[i];
        const int n = p->Tag;
        const SzamSzerep sz = SzamSzerepe(l, n);
        std::int32_t betu = look[SzeletBetuSzin];
        switch (sz) {
        case SzamSzerep::Kijelolt: betu = look[SzeletKijelolt]; break;
        case SzamSzerep::Allando: betu = look[SzeletAllando]; break;
        case SzamSzerep::Veletlen: betu = look[SzeletVeletlen]; break;
        case SzamSzerep::Fix: betu = look[SzeletFix]; break;
        case SzamSzerep::Nincs: break;
        }
        const bool kattinthato = BontEllKattinthato(l, n);
        bool nemSzerepel = false;
        if (kattinthato) {
            // Grey when no line of the variation holds the number.
            const auto pos = std::find(l.KijeloltSzamok.begin(), l.KijeloltSzamok.end(), static_cast<std::uint8_t>(n)) -
                             l.KijeloltSzamok.begin();
            nemSzerepel = static_cast<std::size_t>(pos) < t.BontSzamGyakorisag.size() &&
                          t.BontSzamGyakorisag[static_cast<std::size_t>(pos)] == 0;
            if (nemSzerepel)
                betu = kNemSzereploSzin;
        }
        // In the check mode of a game with bonus numbers the fixed numbers
        // are underlined: they count in every line, bonus hits included.
        const bool alahuzott = sz == SzamSzerep::Fix && Jelolesek.Mod == BontEllEllenorzes && g.VanPotSzam;
        p->setText(kattinthato || sz == SzamSzerep::Fix ? QString::fromStdString(SzamFelirat(g, static_cast<int>(i)))
                                                        : QStringLiteral("-"));
        p->setToolTip(QString::fromStdString(BontEllSzamTipp(Jelolesek, nezet, n)).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        if (Jelolesek.PotJelolt(n))
            PanelSzinezes(p, {look[SzeletJelolt],
                              nemSzerepel ? SzinOsszeg(look[SzeletPluszBetu], kNemSzereploPluszSzin)
                                          : look[SzeletPluszBetu],
                              true, alahuzott});
        else if (Jelolesek.Jelolt(n))
            PanelSzinezes(p, {look[SzeletJelolt], betu, true, alahuzott});
        else
            PanelSzinezes(p, {look[SzeletCellaSzin], betu, false, alahuzott});
    }
}

void TBontEllSzelveny::ModBeallitas(int mod)
{
    Torles();
    Jelolesek.Mod = mod;
    peldaTippVolt_ = false;
    Jelolesek.PotSzamok.assign(static_cast<std::size_t>(std::max(game().PotSzamok, 0)), 0);
    SzamsorTomb.clear();
    TorlesGomb->setText(q(kBontEllTorles));
    TorlesGomb->setToolTip(q(kTippSzamokTorlese));
    QString felirat, tipp;
    if (mod == BontEllEllenorzes) {
        felirat = bontasEgyseg().Peldabontas ? QStringLiteral(" Példabontás ellenőrzés")
                                             : QStringLiteral(" Variáció ellenőrzés");
        tipp = QStringLiteral(" Számsor keresése a variáció listájában ");
    } else if (mod == BontEllModositas) {
        felirat = QString::fromStdString(ModositasFelirat(vezerlo_.ModositottSzamsorIndex + 1));
        tipp = felirat + QStringLiteral(" ");
    } else {
        felirat = q(kFeliratSzamsorBeolvasas);
        tipp = q(kTippSzamsorBeillesztese);
    }
    setWindowTitle(felirat);
    InfoPanel->setToolTip(tipp);
    if (InfoPanel2)
        InfoPanel2->setToolTip(tipp);
    Szinezes();
    show();
    EllenorzesKijelzes();
}

void TBontEllSzelveny::EllenorzesInditas(const TTombByte1D& szamok, const TTombByte1D& potSzamok, const QString& felirat)
{
    ModBeallitas(BontEllEllenorzes);
    if (szamok.empty() && potSzamok.empty())
        return;
    // One batch: the lines are counted once, after the last mark.
    const GameParams& g = game();
    for (std::uint8_t n : szamok)
        if (n >= 1)
            BontEllSzamClick(Jelolesek, szamListak(), g, n, 0);
    for (std::uint8_t n : potSzamok)
        if (n >= 1)
            BontEllSzamClick(Jelolesek, szamListak(), g, n, 50);
    Szinezes();
    if (!felirat.isEmpty())
        setWindowTitle(felirat);
    Ellenorzes();
}

void TBontEllSzelveny::Ellenorzes()
{
    if (Jelolesek.Mod == BontEllEllenorzes)
        szamlalas();
    EllenorzesKijelzes();
}

void TBontEllSzelveny::szamlalas()
{
    // A long count shows the wait window while it runs.
    struct Varakozas {
        QPointer<TUzenetAblak> w;
        ~Varakozas()
        {
            if (w)
                w->UzenetVege();
        }
    } v{variationStore().BontSzelvszam > kVarakozasSorok ? Program::aktualis().VarakozoAblak : nullptr};
    if (v.w)
        v.w->UzenetKi(QStringLiteral("Találati arányok beállítása"), 0, kFeladatNincs, false);
    vezerlo_.Ellenorzes(Jelolesek);
}

void TBontEllSzelveny::Torles()
{
    if (!isVisible())
        return;
    hide();
    Jelolesek.Torles();
    SzamsorTomb.clear();
    Szinezes();
    vezerlo_.EllenorzesTorles();
}

void TBontEllSzelveny::SzamClick(TSzamPanel* panel)
{
    if (!panel)
        return;
    const int mod = koteg_ ? 0 : GetBillentyuMod();
    const BontEllKattintas k = BontEllSzamClick(Jelolesek, szamListak(), game(), panel->Tag, mod);
    if (k == BontEllKattintas::Elutasitva)
        return;
    // All bonus slots used on the program's own database: how Shift marks them.
    if (k == BontEllKattintas::PotJelolve && !koteg_ && Jelolesek.PotDb == game().PotSzamok &&
        settings().UzenetekLog[kTippPluszSzam] && adatbazisFajta().AdatbazisTipus)
        PluszSzamTipp(false, game().LottoIndex, huzLista().KivRekord);
    Szinezes();
    if (Jelolesek.Mod != BontEllEllenorzes)
        GombBeallitas();
    if (!koteg_)
        Ellenorzes();
}

void TBontEllSzelveny::GombBeallitas()
{
    const SzamListak& l = szamListak();
    if (BontEllKesz(Jelolesek, l)) {
        SzamsorTomb = BontEllSzamsorTomb(Jelolesek, l);
        TorlesGomb->setText(q(kBontEllBeillesztes));
        TorlesGomb->setToolTip(q(Jelolesek.Mod == BontEllModositas ? kTippModositott : kTippUjSzamsor));
    } else {
        SzamsorTomb.clear();
        if (Jelolesek.Mod == BontEllModositas) {
            TorlesGomb->setText(q(kBontEllKijeloles));
            TorlesGomb->setToolTip(q(kTippAktualisBeolvasas));
        } else {
            TorlesGomb->setText(q(kBontEllTorles));
            TorlesGomb->setToolTip(q(kTippSzamokTorlese));
        }
    }
    TorlesGomb->setEnabled(true);
}

void TBontEllSzelveny::TorlesGombClick()
{
    // A complete line goes into the store; otherwise the mode starts again.
    const TTombByte1D sor = SzamsorTomb;
    if (Jelolesek.Mod == BontEllEllenorzes) {
        // The check starts again through the main window's command.
        vezerlo_.EllenorzesParancs();
    } else if (Jelolesek.Mod == BontEllModositas) {
        if (!sor.empty())
            vezerlo_.BontSzamsorModositas(sor);
        else
            vezerlo_.BontSzamsorModositasStart(vezerlo_.ModositottSzamsorIndex + 1);
    } else {
        if (!sor.empty())
            vezerlo_.BontSzamsorHozzaadas(sor);
        else
            vezerlo_.BontSzamsorHozzaadasStart();
    }
}

void TBontEllSzelveny::SzamsorBevitel(int mod)
{
    ModBeallitas(mod);
    // Shift+Ctrl: a random line of the selection goes in at once.
    if (VariacioVezerlo::BillentyuMod() == 200) {
        VeletlenSzamsor(false);
        if (!SzamsorTomb.empty())
            TorlesGombClick();
        return;
    }
    if (mod == BontEllModositas)
        AktSzamsorKijeloles();
    else
        EllenorzesKijelzes();
}

void TBontEllSzelveny::VeletlenSzamsor(bool force)
{
    if (VariacioVezerlo::BillentyuMod() != 200 || (!force && Jelolesek.Mod == BontEllEllenorzes))
        return;
    std::mt19937 gen{std::random_device{}()};
    const TTombByte1D v = BontEllVeletlenSzamsor(szamListak(), [&gen](int lo, int hi) {
        return std::uniform_int_distribution<int>(lo, hi)(gen);
    });
    koteg_ = true;
    for (std::uint8_t n : v)
        if (n >= 1 && static_cast<std::size_t>(n) <= SzamPanelek.size())
            SzamClick(SzamPanelek[n - 1]);
    koteg_ = false;
    EllenorzesKijelzes();
}

void TBontEllSzelveny::AktSzamsorKijeloles()
{
    const TTombByte1D v = BontEllSorSzamai(variationStore(), szamListak(), vezerlo_.ModositottSzamsorIndex);
    koteg_ = true;
    for (std::uint8_t n : v)
        if (n >= 1 && static_cast<std::size_t>(n) <= SzamPanelek.size() && !Jelolesek.Jelolt(n))
            SzamClick(SzamPanelek[n - 1]);
    koteg_ = false;
    GombBeallitas();
    EllenorzesKijelzes();
}

void TBontEllSzelveny::EllenorzesKijelzes()
{
    const BontListaNezet n = vezerlo_.ListaNezet();
    const bool ellenorzes = Jelolesek.Mod == BontEllEllenorzes;
    const bool ures = Jelolesek.Jeloltek.empty() && Jelolesek.PotDb == 0;
    // The check mode shows the controller's count; the entry modes count
    // the line being entered here, and the list's search follows it too.
    if (!ures && !ellenorzes)
        szamlalas();
    TTombInt1D talalatok;
    if (!ures)
        talalatok = vezerlo_.BontEllTalalatok();
    const BontEllInfo info = BontEllInfoKeszites(Jelolesek, n, game().PotSzamTalalat, talalatok);
    InfoCimke->setText(InfoSzoveg(info.Szoveg));
    if (InfoCimke2)
        InfoCimke2->setText(InfoSzoveg(info.Szoveg2));
    if (ellenorzes && !ures && !peldaTippVolt_ && bontasEgyseg().Peldabontas && settings().UzenetekLog[0]) {
        // The first check of an example wheel says what is being checked.
        peldaTippVolt_ = true;
        settings().UzenetekLog[0] = HasznosInformacio(QString::fromUtf8(kPeldabontasTipp)) ? 1 : 0;
    }
    // Nothing marked: no search in the list, and nothing to clear or take.
    if (ures)
        vezerlo_.EllenorzesTorles();
    TorlesGomb->setEnabled(!ures);
    MagassagIgazitas();
    if (isVisible())
        raise();
}
