#include "app/ui/sugo_parancsok.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QWidget>

#include <string>

#include "app/folders.h"
#include "app/maker_info.h"
#include "app/shell_state.h"
#include "app/ui/parancs_tar.h"
#include "app/ui/program.h"
#include "app/ui/sugo.h"
#include "app/ui/uzenetek.h"

using namespace kvx;

namespace {

QString utf8(const std::string& s)
{
    return QString::fromStdString(s);
}

}  // namespace

SugoParancsok& Program::SugoParancsai()
{
    if (!sugoParancsok_)
        sugoParancsok_ = Megtart(std::make_unique<SugoParancsok>());
    return *sugoParancsok_;
}

SugoParancsok::SugoParancsok(QObject* parent) : QObject(parent) {}

void SugoParancsok::ParancsokBekotese(QWidget* foablak)
{
    foablak_ = foablak;
    ParancsTar& t = *ParancsTar::aktualis();
    t.Kezelo(ParancsId::makrk1, foablak, [this] { makrk1Click(); });
    // The pop-up menu of the main window: "Mi ez?".
    miEz_ = new QAction(QStringLiteral("Mi ez?"), foablak);
    miEz_->setObjectName("Miez1");
    miEzKapcsolat_ = connect(miEz_, &QAction::triggered, foablak, [this] { Miez1Click(); });
    foablak->addAction(miEz_);
    // The windows find the help through their parent, the main window; the
    // main window's own topic is the help's contents.
    sugo_ = new Sugo(foablak, miEz_);
    Sugo::KontextusBeallitas(foablak, kSugoTemakorok);
    t.Kezelo(ParancsId::Fejleszts1, foablak, [this] { Fejleszts1Click(); });
}

void SugoParancsok::SugoEllenorzes(const QString& programAllomany)
{
    const std::string alap = QFileInfo(programAllomany).completeBaseName().toStdString();
    const std::string& program = folders().ProgramKonyvtar;
    // The help files of older versions go.
    for (const char* kit : {".cnt", ".hlp", ".chm"})
        QFile::remove(utf8(SugoAllomany(program, alap, kit)));
    const QString chm = utf8(SugoAllomany(program, alap));
    QAction* temak = Parancs(ParancsId::makrk1);
    if (QFile::exists(chm)) {
        sugo_->Allomany = chm;
        return;
    }
    sugo_->Allomany.clear();
    const QString tipp = QString::fromUtf8(kSugoHianyzik);
    // The same action is the menu item and the toolbar button.
    kvx::ParancsBeallitas(temak, false, tipp);
    miEz_->setVisible(false);
    disconnect(miEzKapcsolat_);
    if (InditasiDobozok())
        ProgramHibaUzenet(tipp);
}

void SugoParancsok::makrk1Click()
{
    sugo_->Megnyitas(kSugoTemakorok);
}

void SugoParancsok::Miez1Click()
{
    // The topic of the control the pop-up was opened on.
    const QWidget* cel = sugo_->Celpont();
    sugo_->MiEz(cel ? cel : foablak_.data());
}

void SugoParancsok::Fejleszts1Click()
{
    InformacioUzenet(QString::fromStdString(fejlesztesSzoveg(gyartoCimek())));
}
