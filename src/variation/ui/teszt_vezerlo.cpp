#include "variation/ui/teszt_vezerlo.h"

#include <algorithm>

#include "app/ui/program.h"
#include "common/delphi_format.h"
#include "conditions/markers.h"
#include "variation/hit_ratio_check.h"
#include "variation/line_condition_check.h"
#include "variation/ui/bontteszt.h"
#include "variation/ui/variacio_vezerlo.h"
#include "draws/draw_ranges.h"

using namespace kvx;

TesztVezerlo& Program::Teszt()
{
    if (!teszt_)
        teszt_ = Megtart(std::make_unique<TesztVezerlo>(*this, Variacio()));
    return *teszt_;
}

TesztVezerlo::TesztVezerlo(Program& program, VariacioVezerlo& variacio, QObject* parent)
    : QObject(parent), p_(program), variacio_(variacio)
{
    // A deleted variation takes its test result with it.
    // So do edited lines and a new run: the result no longer describes them.
    for (auto jel : {&VariacioVezerlo::torles, &VariacioVezerlo::szerkesztesElott, &VariacioVezerlo::futasIndul})
        connect(&variacio_, jel, this, [this] {
            if (!fut_)
                Torles();
        });
}

TesztVezerlo::~TesztVezerlo() = default;

void TesztVezerlo::Elokeszites(bool feltetelek, std::int32_t listaSzint)
{
    const VariationStore& t = p_.Tar;
    const SzamListak& l = p_.Szamok;
    const GameParams& g = p_.Jatek;
    TesztBemenet be;
    be.B = Beallitas;
    be.Jatek = g;
    be.KijeloltSzamok = l.KijeloltSzamok;
    be.KijeloltFoSzamDb = l.KijeloltFoSzamDb;
    be.FixSzamok = l.FixSzamok;
    be.ListaSzint = listaSzint;
    // The test reads a copy of the lines: the store keeps its width and
    // contents whatever happens during the test.
    be.SorHossz = t.BontMatrixSorHossz;
    be.SorDb = std::max(0, std::min(t.BontSzelvszam, t.BontMatrixMeret));
    if (t.FBontasMatrix && be.SorHossz > 0)
        be.Sorok.assign(t.FBontasMatrix,
                        t.FBontasMatrix + static_cast<std::size_t>(be.SorDb) * static_cast<std::size_t>(be.SorHossz));
    else
        be.SorDb = 0;
    const DrawsState& d = p_.Huzasok;
    std::int32_t elso = p_.HuzSzama.GetVariacioTesztSzamsorElso();
    std::int32_t utolso = p_.HuzSzama.GetVariacioTesztSzamsorUtolso();
    if (Beallitas.HuzasokTeszt) {
        const std::int32_t n = static_cast<std::int32_t>(d.Huzasok.size());
        elso = std::clamp(elso, 1, std::max(n, 1));
        utolso = std::clamp(utolso, elso, std::max(n, 1));
        if (n > 0)
            be.Huzasok.assign(d.Huzasok.begin() + (elso - 1), d.Huzasok.begin() + utolso);
        be.ElsoSorszam = elso;
    }
    ABSZTEST = SetABSZTEST(Beallitas, g, d.Huzasok, elso, utolso, l.KijeloltFoSzamDb, l.KijeloltPluszSzamDb);
    tesztFejlec_ = FormatThousands(t.BontSzelvszam) + " számsor tesztje: ";
    if (Beallitas.HuzasokTeszt) {
        tesztFejlec_ += std::to_string(p_.HuzSzama.GetVariacioTesztSzamsorElso()) + ". - " +
                        std::to_string(p_.HuzSzama.GetVariacioTesztSzamsorUtolso()) + ". húzások számsoraival, " +
                        std::to_string(ABSZTEST) + " számsorral";
    } else {
        if (g.VanPluszSzam)
            tesztFejlec_ += std::to_string(Beallitas.TesztValtozoFoSzamDb) + "/" + std::to_string(l.KijeloltFoSzamDb) +
                            " + " + std::to_string(Beallitas.TesztPluszSzamDb) + "/" +
                            std::to_string(l.KijeloltPluszSzamDb);
        else
            tesztFejlec_ += std::to_string(Beallitas.TesztValtozoSzamDb) + "/" + std::to_string(l.KijeloltSzamDb());
        tesztFejlec_ += " teljes variációjával, " + FormatThousands(ABSZTEST) + " számsorral";
    }
    FeltetelekTeszt = feltetelek;
    if (feltetelek) {
        FeltetelRekordok& f = p_.Feltetelek;
        // The markers the conditions read are set as a run start sets them.
        SzamJelzoBeallitas(p_.SzamJelzok_, l, g, f, p_.Beallitasok.SzamsorrendMod);
        auto sor = std::make_shared<SorFeltetelTeszt>();
        sor->Elokeszites(f, p_.SzamJelzok_, l, g, p_.Beallitasok.SzamsorrendMod, true);
        std::shared_ptr<TalalatiAranyTeszt> talar;
        if (f.TalalatiAranyFeltetel.Allapot != 0 && d.AdatbazisBetoltve) {
            talar = std::make_shared<TalalatiAranyTeszt>();
            talar->Elokeszites(f.TalalatiAranyFeltetel, d, g, l.KijeloltSzamok, l.KijeloltFoSzamDb, l.VariacioMeret,
                               l.VariacioFoMeret);
        }
        be.FeltetelTeszt = true;
        be.Feltetel = [sor, talar]() -> TesztFeltetelFv {
            // Each thread judges with copies of its own.
            auto s = std::make_shared<SorFeltetelTeszt>(*sor);
            auto ta = talar ? std::make_shared<TalalatiAranyTeszt>(*talar) : nullptr;
            return [s, ta](std::uint8_t* x) {
                std::int32_t poz = 0;
                if (s->VanFeltetel && !s->FeltVizsgalat(x, poz))
                    return false;
                return !ta || ta->FeltVizsgTalalatiArany(x);
            };
        };
    }
    teszt_ = std::make_unique<VariacioTeszt>(std::move(be));
    eredmeny_ = TesztEredmeny{};
    vanEredmeny_ = false;
    peldabontasLog_.clear();
    fut_ = true;
    emit tesztIndul();
}

bool TesztVezerlo::Futtatas()
{
    return teszt_ && teszt_->BontasGepiEllenorzes();
}

void TesztVezerlo::Befejezes(bool kesz)
{
    fut_ = false;
    peldabontasLog_.clear();
    if (kesz && teszt_ && teszt_->Eredmeny().Kesz) {
        eredmeny_ = teszt_->Eredmeny();
        vanEredmeny_ = true;
        peldabontasLog_ = BontasTesztLista(riportBemenet(), eredmeny_.Szamok, true);
    }
    emit tesztVege(vanEredmeny_);
}

void TesztVezerlo::Leallitas()
{
    if (teszt_)
        teszt_->Leallitas();
}

TesztRiportBemenet TesztVezerlo::riportBemenet() const
{
    TesztRiportBemenet r;
    r.B = teszt_ ? teszt_->Bemenet().B : Beallitas;
    r.Jatek = p_.Jatek;
    r.FixSzamDb = p_.Szamok.FixSzamDb();
    r.FeltetelTeszt = FeltetelekTeszt;
    r.FeltetelJelzo = p_.Feltetelek.FeltetelJelzo;
    r.ImportCountMeret = static_cast<std::int32_t>(p_.Tar.Import_Count.size());
    r.BontMatrixMeret = p_.Tar.BontMatrixMeret;
    r.VariacioMeret = p_.Szamok.VariacioMeret;
    r.ABSZTEST = ABSZTEST;
    return r;
}

std::string TesztVezerlo::KozbensoRiport() const
{
    if (!teszt_)
        return {};
    return BontasTesztLista(riportBemenet(), teszt_->Pillanatkep(), false);
}

std::int64_t TesztVezerlo::TesztSzamsorDb() const
{
    return teszt_ ? teszt_->TesztSzamsorDb() : 0;
}

TesztLista TesztVezerlo::Lista(std::int32_t c, const std::string& allapot) const
{
    TesztListaBemenet be;
    be.B = teszt_ ? teszt_->Bemenet().B : Beallitas;
    be.Jatek = p_.Jatek;
    be.KijeloltSzamok = p_.Szamok.KijeloltSzamok;
    be.AllapotSzoveg = allapot;
    be.VanRiport = vanEredmeny_ && !peldabontasLog_.empty();
    be.Osztaly = c;
    return BontasTesztHianyzoLista(be, eredmeny_);
}

std::int64_t TesztVezerlo::PeldaDb(std::int32_t c) const
{
    if (!vanEredmeny_ || c < 0 || static_cast<std::size_t>(c) >= eredmeny_.TesztTalalatDb.size())
        return 0;
    return eredmeny_.TesztTalalatDb[static_cast<std::size_t>(c)];
}

bool TesztVezerlo::BeillesztesEngedelyezett(std::int32_t c) const
{
    BeillesztesHelyzet h;
    h.VanRiport = vanEredmeny_ && !peldabontasLog_.empty();
    h.VanLista = h.VanRiport;
    h.B = teszt_ ? teszt_->Bemenet().B : Beallitas;
    h.VariacioMeret = p_.Szamok.VariacioMeret;
    h.OsztalyPeldaDb = PeldaDb(c);
    h.BontMatrixMeret = p_.Tar.BontMatrixMeret;
    h.KijeloltSzamDb = p_.Szamok.KijeloltSzamDb();
    h.OsszesSzam = p_.Jatek.OsszesSzam;
    return !fut_ && !variacio_.Fut() && kvx::BeillesztesEngedelyezett(h);
}

bool TesztVezerlo::Beillesztes(std::int32_t c, std::int32_t elso, std::int32_t utolso)
{
    if (!BeillesztesEngedelyezett(c) || !teszt_)
        return false;
    const std::vector<std::uint8_t> sorok = TesztSorok(eredmeny_, teszt_->Bemenet().B, c, elso, utolso,
                                                       p_.Szamok.KijeloltSzamok, p_.Tar.BontMatrixSorHossz);
    const std::int32_t L = p_.Tar.BontMatrixSorHossz;
    if (sorok.empty() || L <= 0)
        return false;
    return variacio_.BontSzamsorTesztHozzaadas(sorok.data(), static_cast<std::int32_t>(sorok.size()) / L);
}

void TesztVezerlo::Torles()
{
    teszt_.reset();
    eredmeny_ = TesztEredmeny{};
    vanEredmeny_ = false;
    peldabontasLog_.clear();
}

void TesztVezerlo::TesztElvetese()
{
    if (fut_)
        return;
    // Hidden as its Kilépés does: closing would start the test anew when
    // its options changed.
    if (TBontTeszt* w = ablak_; w && w->isVisible())
        w->hide();
    peldabontasLog_.clear();
}
