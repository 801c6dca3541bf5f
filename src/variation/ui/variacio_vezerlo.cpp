#include "variation/ui/variacio_vezerlo.h"

#include "app/ui/program.h"
#include "app/ui/uzenetek.h"
#include "conditions/markers.h"
#include "tickets/ui/szelveny_vezerlo.h"

using namespace kvx;

VariacioVezerlo::VariacioVezerlo(Program& program, SzelvenyVezerlo& szelveny, QObject* parent)
    : QObject(parent), p_(program)
{
    // A change of the main ticket's numbers must first be agreed here: the
    // stored lines are positions in the selection and stand for other
    // numbers once it changes.
    szelveny.ValtozasEngedelyezes = [this] { return TorlesEng2(); };
}

void VariacioVezerlo::FutasKezdete()
{
    fut_ = true;
    emit futasIndul();
}

void VariacioVezerlo::FutasVege()
{
    if (!fut_)
        return;
    fut_ = false;
    emit futasVege();
    emit valtozott();
}

kvx::TorlesKornyezet VariacioVezerlo::TorlesKornyezet()
{
    kvx::TorlesKornyezet k;
    k.AblakokBezarasa = [this] { emit torles(); };
    k.ParancsokFrissitese = [this] { emit valtozott(); };
    k.StatuszFrissites = [this] { emit valtozott(); };
    k.JovahagyasKerese = [](const std::string& s) { return JovahagyasKerese(QString::fromStdString(s)); };
    k.KijeloltSzamDb = p_.Szamok.KijeloltSzamDb();
    k.FeltetelJelzo = p_.Feltetelek.FeltetelJelzo;
    k.FeltetelekTorlese = [this] {
        FeltetelTorlesHelyzet h;
        h.BackMentesEngedely = p_.Beallitasok.BiztonsagiMentes;
        FeltetelekTorlese(p_.Feltetelek, h);
        emit feltetelekTorolve();
    };
    const BontasEgyseg& u = p_.Bontas;
    const SzamListak& l = p_.Szamok;
    k.BovitesAzonosSzamok = u.BontasBovites && l.KijeloltSzamDb() == u.BovitesKijeloltSzamDb &&
                            l.FixSzamDb() == u.BovitesFixSzamDb;
    if (NagyFeladat)
        k.NagyFeladat = NagyFeladat;
    k.FeltetelAblakBezarasa = [this] {
        bool nyitva = false;
        emit feltetelAblakBezarasa(&nyitva);
        return nyitva;
    };
    k.FeltetelAblakMegnyitasa = [this] { emit feltetelAblakMegnyitasa(); };
    return k;
}

bool VariacioVezerlo::TorlesEng1()
{
    if (fut_)
        return false;
    const bool r = kvx::BontTorlesEng1(p_.Tar, p_.Bontas, p_.Fo.Mentve, TorlesKornyezet());
    emit valtozott();
    return r;
}

bool VariacioVezerlo::TorlesEng2()
{
    if (fut_)
        return false;
    const bool r =
        kvx::BontTorlesEng2(p_.Tar, p_.Bontas, p_.Fo.Mentve, p_.Feltetelek.LetiltottFeltetelek, TorlesKornyezet());
    emit valtozott();
    return r;
}

void VariacioVezerlo::BontasTorlese(bool truncate)
{
    kvx::BontasTorlese(p_.Tar, p_.Bontas, truncate, p_.Fo.Mentve, TorlesKornyezet());
    emit valtozott();
}

void VariacioVezerlo::SzerkesztettVariacioBeallitas(bool e)
{
    kvx::SzerkesztettVariacioBeallitas(p_.Tar, p_.Bontas, e, p_.Fo.Mentve, TorlesKornyezet());
    emit valtozott();
}

kvx::ParancsHelyzet VariacioVezerlo::ParancsHelyzet() const
{
    // During a run the store is the worker's: the commands wait for its end.
    kvx::ParancsHelyzet h;
    if (!fut_) {
        const VariationStore& t = p_.Tar;
        h = BontasParancsHelyzet(t, p_.Bontas, p_.Szamok, p_.Feltetelek.HuzasSzamsorVariacio, t.BontSzelvszam > 0);
    }
    h.JatekNev = JatekNev[static_cast<std::size_t>(p_.Jatek.LottoIndex)];
    return h;
}
