// The statistics window's wiring (see statisztika_bekotes.h).
#include "statistics/ui/statisztika_bekotes.h"

#include "app/ui/parancs_tar.h"
#include <QAction>
#include <QPointer>
#include <QAbstractItemModel>
#include <QEvent>
#include <QPushButton>
#include <QTableView>

#include <algorithm>

#include "app/main_state.h"
#include "app/ui/program.h"
#include "app/ui/uzenetek.h"
#include "conditions/ui/info.h"
#include "draws/ui/adatbazis_parancsok.h"
#include "draws/ui/huzasok_vezerlo.h"
#include "draws/ui/huzlista.h"
#include "draws/ui/huzszama.h"
#include "statistics/stat_table.h"
#include "statistics/ui/statisztika.h"
#include "tickets/ui/foszelveny.h"
#include "tickets/ui/szelveny_vezerlo.h"
#include "tickets/ui/szelvenyek.h"
#include "variation/ui/bontas.h"
#include "variation/ui/bontlista.h"
#include "variation/ui/variacio_parancsok.h"

using namespace kvx;

namespace {

// The database statistic "Találati arányok" (menu tag).
constexpr std::int32_t kTalalatiAranyokStat = 4;

// The main ticket's range command works on a loaded database only (the
// database's own follows the database commands).
void TartomanyParancsok()
{
    const bool van = draws().AdatbazisBetoltve;
    const QString tipp = van ? QStringLiteral(" Húzások számának (keresési tartomány) beállítása ")
                             : QStringLiteral(" Hiányzik a húzások listája ");
    if (QAction* a = kvx::Parancs(ParancsId::Hzsokszma1)) {
        kvx::ParancsBeallitas(a, van, tipp);
    }
}

// The range dialog in mode 1 (main ticket) or 3 (database); true unless
// it was cancelled. The results it invalidates are dropped by the window,
// which hears of the new range from the draws controller.
bool TartomanyDialogus(THuzSzama* d, int mod)
{
    if (!d || !draws().AdatbazisBetoltve)
        return false;
    HuzSzamaKornyezet k = THuzSzama::Kornyezet();
    k.ListaFelirat = adatbazisFajta().AdatbazisFelirat;
    return d->Start(mod, k);
}

// Coming back to the main window, the statistics window showing beside it
// (and idle) is painted and fitted again: what lay over it is gone.
class AktivalasKovetes : public QObject {
public:
    AktivalasKovetes(QObject& foablak, TStatisztika& s) : QObject(&foablak), s_(&s) { foablak.installEventFilter(this); }

protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::WindowActivate && o == parent() && s_ && !mainState().Kilepes && s_->isVisible() &&
            s_->isEnabled() && !s_->Fut()) {
            const QAction* gomb = kvx::Parancs(ParancsId::StatisztikaGomb);
            if (gomb && gomb->isEnabled())
                s_->RandomizeArrays();
        }
        return false;
    }

private:
    QPointer<TStatisztika> s_;
};

}  // namespace

void StatisztikaGombClick(TStatisztika& s)
{
    if (s.Fut())
        return;
    // The lines are counted in their earlier order, as the printouts and the
    // test number them.
    Program::aktualis().VariacioParancsai().EredetiSorrend();
    if (s.isVisible()) {
        s.raise();
        s.activateWindow();
        return;
    }
    if (!draws().AdatbazisBetoltve && variationStore().BontSzelvszam == 0) {
        HibaUzenet(QStringLiteral("Hiányzik a Kavarex adatbázis, nincs kész/betöltött variáció."));
        return;
    }
    s.StatisztikaKeszites(draws().AdatbazisBetoltve ? 1 : 3);
}

QAction* StatisztikaGombLetrehozasa(kvx::ParancsTar& parancsok, QObject* tulajdonos)
{
    auto* gomb = new QAction(QStringLiteral("Statisztika"), tulajdonos);
    // Nothing answers it before the window exists.
    kvx::ParancsBeallitas(gomb, false, QString::fromUtf8(kNemElerheto));
    parancsok.Felvesz(ParancsId::StatisztikaGomb, gomb);
    return gomb;
}

void StatisztikaBekotese(QObject& foablak, TStatisztika& s, const StatisztikaAblakok& f)
{
    QPointer<THuzSzama> tartomany = f.Tartomany;
    QPointer<THuzLista> huzLista = f.HuzLista;
    QPointer<TBontLista> bontLista = f.BontLista;
    if (QAction* gomb = kvx::Parancs(ParancsId::StatisztikaGomb)) {
        const QString tipp = QStringLiteral(" Statisztika ");
        kvx::ParancsBeallitas(gomb, true, tipp);
        QObject::connect(gomb, &QAction::triggered, &s, [&s] { StatisztikaGombClick(s); });
    }
    // A double click on a bar marks its number as a click on the ticket would.
    QObject::connect(&s, &TStatisztika::szamJelolesKerve, &s, [](int szam) {
        if (TFoszelveny* fo = szelvenyek().Foszelveny)
            fo->SzamJeloles(szam);
    });
    // The bars take the colours of the numbers' roles on the main ticket.
    QObject::connect(&Program::aktualis().Szelveny(), &SzelvenyVezerlo::szamokValtoztak, &s,
                     [&s] { s.SelectionSortBox->update(); });
    QObject::connect(&s, &TStatisztika::huzasSorKerve, &s, [huzLista](int sor, int oszlop) {
        THuzLista* l = huzLista;
        if (!l || !draws().AdatbazisBetoltve)
            return;
        l->Start();
        if (QAbstractItemModel* m = l->HuzTabla->model(); m && sor >= 1 && sor <= m->rowCount())
            l->HuzTabla->setCurrentIndex(m->index(sor - 1, std::clamp(oszlop, 0, m->columnCount() - 1)));
    });
    QObject::connect(&s, &TStatisztika::variacioSorKerve, &s, [bontLista](int sor) {
        Program::aktualis().VariacioParancsai().Listazas();
        if (TBontLista* l = bontLista)
            l->AktSorKijelol(sor);
    });
    // The window shows the lines by their row: a sort closes it.
    QObject::connect(&Program::aktualis().VariacioParancsai(), &VariacioParancsok::rendezesElott, &s, [&s] {
        if (s.isVisible())
            s.close();
    });
    QObject::connect(&s, &TStatisztika::tartomanyKerve, &s, [tartomany](int mod) { TartomanyDialogus(tartomany, mod); });

    new AktivalasKovetes(foablak, s);

    // The main window's two range commands.
    TartomanyParancsok();
    HuzasokVezerlo& h = Program::aktualis().HuzasokV();
    QObject::connect(&h, &HuzasokVezerlo::betoltve, &foablak, [] { TartomanyParancsok(); });
    QObject::connect(&h, &HuzasokVezerlo::lezaras, &foablak, [&foablak] {
        // Emitted before the table goes: the commands follow once it has.
        QMetaObject::invokeMethod(&foablak, [] { TartomanyParancsok(); }, Qt::QueuedConnection);
    });
    if (QAction* a = kvx::Parancs(ParancsId::Hzsokszma1))
        QObject::connect(a, &QAction::triggered, &s, [&s, tartomany] {
            // A new main-ticket range shows its counts at once.
            if (TartomanyDialogus(tartomany, 1) && !s.isVisible() && !s.Fut())
                s.StatisztikaKeszites(1);
        });

    // The window shows results of the draws being left.
    AdatbazisParancsok& ap = Program::aktualis().AdatbazisParancsai();
    QObject::connect(&ap, &AdatbazisParancsok::valtasElott, &s, [&s] {
        if (s.isVisible())
            s.close();
    });
    // Random draws may repeat one another: the hit-ratio statistic finds
    // identical lines, as the database's tip promises while it exists.
    ap.TalalatiAranyStatisztikaKesz = [] {
        const StatLeiras* l = StatLeirasTag(kTalalatiAranyokStat);
        return l && l->Kesz;
    };
    QObject::connect(&ap, &AdatbazisParancsok::talalatiAranyStatisztikaKerve, &s,
                     [&s] { s.StatisztikaKeszites(kTalalatiAranyokStat); });

    // The run window's "Statisztika" after a run asks the same of the
    // information window's "Diagram".
    if (TBontas* bontas = f.Bontas)
        bontas->StatisztikaEngedelyezes();
    // The information window's "Diagram": the frequency distribution of the lines.
    if (TInfo* info = f.Info) {
        info->DiagramEngedelyezes();
        QObject::connect(info, &TInfo::diagramKerve, &s, [&s] {
            if (!s.Fut() && variationStore().BontSzelvszam > 0)
                s.StatisztikaKeszites(3);
        });
    }
}
