#include "app/ui/statisztika_bekotes.h"

#include <QAction>
#include <QAbstractItemModel>
#include <QTableView>

#include "app/ui/foablak.h"
#include "app/ui/formok.h"
#include "app/ui/program.h"
#include "app/ui/uzenetek.h"
#include "draws/ui/huzlista.h"
#include "draws/ui/huzszama.h"
#include "statistics/ui/statisztika.h"
#include "tickets/ui/foszelveny.h"
#include "tickets/ui/szelvenyek.h"
#include "variation/ui/bontlista.h"

using namespace kvx;

void StatisztikaGombClick(TStatisztika& s)
{
    if (s.Fut())
        return;
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

void StatisztikaBekotese(TFoablak& foablak, TStatisztika& s)
{
    if (QAction* gomb = foablak.Akcio(QStringLiteral("StatisztikaGomb"))) {
        const QString tipp = QStringLiteral(" Statisztika ");
        gomb->setEnabled(true);
        gomb->setToolTip(tipp);
        gomb->setStatusTip(tipp);
        QObject::connect(gomb, &QAction::triggered, &s, [&s] { StatisztikaGombClick(s); });
    }
    // A double click on a bar marks its number as a click on the ticket would.
    QObject::connect(&s, &TStatisztika::szamJelolesKerve, &s, [](int szam) {
        TFoszelveny* fo = szelvenyek().Foszelveny;
        if (!fo || szam < 1 || static_cast<std::size_t>(szam) > fo->SzamPanelek.size())
            return;
        fo->SzamClick(fo->SzamPanelek[static_cast<std::size_t>(szam - 1)]);
    });
    QObject::connect(&s, &TStatisztika::huzasSorKerve, &s, [](int sor) {
        THuzLista* l = formok().HuzLista;
        if (!l || !draws().AdatbazisBetoltve)
            return;
        l->Start();
        if (QAbstractItemModel* m = l->HuzTabla->model(); m && sor >= 1 && sor <= m->rowCount())
            l->HuzTabla->setCurrentIndex(m->index(sor - 1, std::min(3, m->columnCount() - 1)));
    });
    QObject::connect(&s, &TStatisztika::variacioSorKerve, &s, [&foablak](int sor) {
        foablak.Listzs2Click();
        if (TBontLista* l = formok().BontLista)
            l->AktSorKijelol(sor);
    });
    QObject::connect(&s, &TStatisztika::tartomanyKerve, &s, [](int mod) {
        THuzSzama* d = formok().HuzSzama;
        if (!d || !draws().AdatbazisBetoltve)
            return;
        HuzSzamaKornyezet k = THuzSzama::Kornyezet();
        k.ListaFelirat = adatbazisFajta().AdatbazisFelirat;
        d->Start(mod, k);
    });
}
