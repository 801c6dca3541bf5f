// The main window's list-printing commands: the draws list and the
// variation list, on paper (into a PDF file where no printer is installed)
// or into an RTF file in the list folder.
#include "app/ui/parancs_tar.h"
#include "shell/foablak.h"
#include "app/ui/program.h"

#include <QAction>

#include "app/ui/uzenetek.h"
#include "printing/print_pages.h"
#include "shell/formok.h"
#include "printing/ui/nyomtatas_vezerlo.h"
#include "printing/ui/nyomtopc.h"

using namespace kvx;

void TFoablak::NyomtatasParancsokBekotese()
{
    Nyomtatas = new NyomtatasVezerlo(this);
    connect(kvx::Parancs("Listanyomtatsa1"), &QAction::triggered, this, [this] { Listanyomtatsa1Click(); });
    connect(kvx::Parancs("Nyomtats3"), &QAction::triggered, this, [this] { Nyomtats3Click(); });
    connect(kvx::Parancs("Listanyomtatsa2"), &QAction::triggered, this, [this] { Listanyomtatsa2Click(); });
    connect(kvx::Parancs("Lista1"), &QAction::triggered, this, [this] { Lista1Click(); });
    connect(kvx::Parancs("Szelvnyek1"), &QAction::triggered, this, [this] { SzelvenyKitoltesStart(); });
}

bool TFoablak::NyomtatasKerdes(const char* menuPont)
{
    QAction* a = kvx::Parancs(menuPont);
    const QString tipp = a ? a->toolTip() : QString();
    return JovahagyasKerdes(QString::fromUtf8(kElinditjaANyomtatast) + "\r\n\r\n" + tipp);
}

void TFoablak::Listanyomtatsa1Click()
{
    const kvx::DrawsState& d = kvx::Program::aktualis().Huzasok;
    if (!d.AdatbazisBetoltve || d.HuzasokSzama <= 0)
        return;
    if (!NyomtatasKerdes("Listanyomtatsa1"))
        return;
    Nyomtatas->HuzListaNyomtatas(false);
}

void TFoablak::Nyomtats3Click()
{
    const kvx::DrawsState& d = kvx::Program::aktualis().Huzasok;
    if (!d.AdatbazisBetoltve || d.HuzasokSzama <= 0)
        return;
    Nyomtatas->HuzListaNyomtatas(true);
}

void TFoablak::Listanyomtatsa2Click()
{
    if (!NyomtatasKerdes("Listanyomtatsa2"))
        return;
    if (kvx::Program::aktualis().Tar.BontSzelvszam > kMaxNyomtatottSzamsor) {
        InformacioUzenet(QString::fromUtf8(kTobbMint10000));
        return;
    }
    // Numbered as every other report numbers the lines: in their earlier order.
    Eredetisorrend1Click();
    Nyomtatas->BontListaNyomtatas(false);
}

void TFoablak::Lista1Click()
{
    if (kvx::Program::aktualis().Tar.BontSzelvszam > kMaxNyomtatottSzamsor) {
        InformacioUzenet(QString::fromUtf8(kTobbMint10000));
        return;
    }
    Eredetisorrend1Click();
    Nyomtatas->BontListaNyomtatas(true);
}

void TFoablak::SzelvenyKitoltesStart()
{
    const std::int64_t sorok = kvx::Program::aktualis().Tar.BontSzelvszam;
    if (sorok <= 0)
        return;
    // Slip layouts exist for the first three games, the Keno games and game 30 only.
    if (!SzelvenyKitoltesJatek(game().LottoIndex)) {
        InformacioUzenet(QString::fromUtf8(kSzelvenyNemElerheto));
        return;
    }
    if (sorok > kMaxKitoltottSzamsor) {
        InformacioUzenet(QString::fromUtf8(kTobbMint1000Szelveny));
        return;
    }
    if (!BefejezetlenKerdes(QStringLiteral("Mégis kitölti a szelvényeket?")))
        return;
    Eredetisorrend1Click();
    TNyomtOpc* w = formok().NyomtOpc;
    if (!w)
        return;
    w->Start();
}
