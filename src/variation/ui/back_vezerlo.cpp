// The automatic backups and the restore command (see back_vezerlo.h).
#include "variation/ui/back_vezerlo.h"

#include <QAction>
#include <QWidget>

#include "app/backups.h"
#include "app/folders.h"
#include "app/main_state.h"
#include "app/settings.h"
#include "app/ui/parancs_tar.h"
#include "app/ui/program.h"
#include "app/ui/uzenetek.h"
#include "draws/ui/adatbazis_parancsok.h"
#include "tickets/number_lists.h"
#include "variation/ui/filedialogs.h"
#include "tickets/ui/szamsor_parancsok.h"
#include "conditions/ui/feltetelek.h"
#include "variation/ui/allomany_parancsok.h"
#include "variation/ui/variacio_parancsok.h"
#include "variation/ui/variacio_vezerlo.h"
#include "variation/variation_store.h"

#include <filesystem>

using namespace kvx;

namespace {

bool letezik(const std::string& utvonal)
{
    std::error_code ec;
    return std::filesystem::is_regular_file(utvonal, ec);
}

std::string backFajta()
{
    return settings().BackTipus == "top" ? "top" : "tip";
}

std::string backUt(const std::string& n, const std::string& fajta)
{
    return BackAllomany(folders(), game().LottoIndex, n, fajta);
}

void torol(const std::string& utvonal)
{
    std::error_code ec;
    std::filesystem::remove(utvonal, ec);
}

// The question after a backup that could not be written: why, and whether
// the work goes all the same.
QString backHibaKerdes(const std::string& ut)
{
    const bool variacio = ut.ends_with(".top");
    return QStringLiteral("Nem sikerült a biztonsági mentés.\r\n") +
           QString::fromStdString(BackHibaOka(folders().BackKonyvtar, ut)) +
           (variacio ? QStringLiteral("\r\n\r\nMentés nélkül a variáció nem tölthető vissza.\r\n\r\n"
                                      "Mégis törli a variációt?")
                     : QStringLiteral("\r\n\r\nMentés nélkül a számsor nem tölthető vissza.\r\n\r\n"
                                      "Mégis törli a számsort?"));
}

}  // namespace

BackVezerlo& Program::Back()
{
    if (!back_)
        back_ = Megtart(std::make_unique<BackVezerlo>(*this));
    return *back_;
}

BackVezerlo::BackVezerlo(Program& program, QObject* parent) : QObject(parent), p_(program) {}

bool BackVezerlo::kerdes(const QString& q)
{
    return ProgramKerdes(q);
}

BackVezerlo::~BackVezerlo() = default;

void BackVezerlo::Bekotes(const QObject* kontextus)
{
    ParancsTar::aktualis()->Kezelo(ParancsId::Visszatlts1, kontextus, [this] { BackVisszatoltesGombClick(); });
    p_.Variacio().BackMentese = [this] { return BackMentese(); };
    // Every game keeps its own backups: the restore command follows the
    // draws database's game.
    connect(&p_.AdatbazisParancsai(), &AdatbazisParancsok::mentesekFrissitendok, kontextus,
            [this] { VanElmentettUtolsoBontas(); });
}

bool BackVezerlo::BackMentese()
{
    // Only while the statistics button can be used: a run, a test or a
    // statistic in progress holds the work that would be written.
    if (!kvx::ParancsElerheto(ParancsId::StatisztikaGomb) || !settings().BiztonsagiMentes)
        return true;
    const BackIras r = BackTipusaBeallitas("");
    if (r.Hiba)
        return kerdes(backHibaKerdes(r.Ut));
    if (r.Ut.empty() && !kvx::Parancs(ParancsId::Visszatlts1)->isEnabled())
        VanElmentettUtolsoBontas();
    return true;
}

BackVezerlo::BackIras BackVezerlo::BackTipusaBeallitas(const std::string& n)
{
    const std::int64_t sorok = variationStore().BontSzelvszam;
    const std::string fajta = BackIrasFajta(settings().BackTipus, sorok);
    const SzamListak& l = szamListak();
    BackHelyzet h;
    h.KijeloltEsFixSzamDb = l.KijeloltSzamDb() + l.FixSzamDb();
    h.SzamsorHossz = game().SzamsorHossz;
    h.Engedely = backMentesEngedely_;
    h.Mentve = mainState().Mentve;
    h.BontMatrixMeret = sorok;
    TAllomanyDialogusok* dialogusok = p_.AllomanyParancsai().Dialogusok();
    if (!BackEsedekes(h, fajta) || !dialogusok || folders().BackKonyvtar.empty())
        return {};
    std::error_code ec;
    std::filesystem::create_directories(folders().BackKonyvtar, ec);
    const std::string ut = backUt(n, fajta);
    p_.AllomanyParancsai().DialogusAllapotFrissites();
    // A backup does not save the user's work: it stays unsaved.
    const bool mentve = mainState().Mentve;
    const auto iras = [&](const std::string& hova) {
        const QString nev = QString::fromStdString(hova);
        return fajta == "top" ? dialogusok->VariacioMentese(nev) : dialogusok->SzamsorMentese(nev);
    };
    // The current backup becomes the older one only once the new one is whole.
    const bool ok = n.empty() ? BackUjMentes(ut, backUt("1", fajta), iras) : iras(ut);
    mainState().Mentve = mentve;
    VanElmentettUtolsoBontas();
    BackIras r;
    r.Ut = ut;
    r.Hiba = !ok;
    return r;
}

bool BackVezerlo::VanElmentettUtolsoBontas()
{
    const bool van = letezik(backUt("", backFajta()));
    const QString tipp = !van ? QStringLiteral(" Nincs visszatölthető állomány ")
                         : backFajta() != "tip" ? QStringLiteral(" Utolsó (nem mentett) variáció visszatöltése ")
                                                : QStringLiteral(" Utolsó (nem mentett) számsor visszatöltése ");
    if (QAction* a = kvx::Parancs(ParancsId::Visszatlts1)) {
        kvx::ParancsBeallitas(a, van, tipp);
    }
    return van;
}

void BackVezerlo::BackVisszatoltesGombClick()
{
    const std::string fajta = backFajta();
    const std::string aktualis = backUt("", fajta);
    TAllomanyDialogusok* dialogusok = p_.AllomanyParancsai().Dialogusok();
    if (!letezik(aktualis) || !dialogusok) {
        VanElmentettUtolsoBontas();
        return;
    }
    if (bontasEgyseg().BontasBovites)
        p_.Variacio().Import_log_false();
    // The unsaved work waits aside under a spare name: no backup is touched
    // before the newest one has loaded. Work that cannot be kept aside is
    // replaced only when the user says so.
    const BackIras felre = BackTipusaBeallitas("2");
    if (felre.Hiba && !kerdes(backHibaKerdes(felre.Ut)))
        return;
    const std::string tartalek = felre.Hiba ? std::string() : felre.Ut;
    const std::string tartalekFajta = tartalek.empty() ? fajta : tartalek.substr(tartalek.rfind('.') + 1);
    backMentesEngedely_ = false;
    if (!p_.SzamsorParancsai().TorlesJovahagyas(0)) {
        if (!tartalek.empty())
            torol(tartalek);
        backMentesEngedely_ = true;
        return;
    }
    // The question was answered: the load clears the ticket without asking again.
    const bool mentve = mainState().Mentve;
    mainState().Mentve = true;
    p_.AllomanyParancsai().DialogusAllapotFrissites();
    const QString nev = QString::fromStdString(aktualis);
    bool ok = fajta == "top" ? dialogusok->VariacioBetoltese(nev) : dialogusok->SzamsorBetoltese(nev);
    ok = ok && mainState().Mentve;
    if (ok) {
        BackCsere r;
        if (!tartalek.empty() && tartalekFajta == fajta) {
            r = BackForgatas(aktualis, backUt("1", fajta), tartalek);
        } else {
            r = BackKorrekcio(aktualis, backUt("1", fajta));
            if (!tartalek.empty())
                Atnevezes(tartalek, backUt("", tartalekFajta));
        }
        VariacioParancsok& vp = p_.VariacioParancsai();
        if (TFeltetelek* f = vp.Ablakok().Feltetelek)
            f->BeolvFeltKijelolese();
        if (fajta == "tip")
            vp.FeltetelekMegnyitasa();
        else if (kvx::Parancs(ParancsId::Listzs2)->isEnabled())
            vp.Listazas();
        VanElmentettUtolsoBontas();
        if (!r.VoltEgyes) {
            QAction* a = kvx::Parancs(ParancsId::Visszatlts1);
            kvx::ParancsBeallitas(a, false, QStringLiteral(" Visszatöltés sikeres "));
        }
    } else {
        // The backup could not be read: the work kept aside comes back.
        if (!tartalek.empty()) {
            const QString vissza = QString::fromStdString(tartalek);
            if (tartalekFajta == "top")
                dialogusok->VariacioBetoltese(vissza);
            else
                dialogusok->SzamsorBetoltese(vissza);
            torol(tartalek);
            mainState().Mentve = false;
        } else {
            mainState().Mentve = mentve;
        }
        VanElmentettUtolsoBontas();
    }
    backMentesEngedely_ = true;
    p_.Variacio().StatuszFrissites();
}
