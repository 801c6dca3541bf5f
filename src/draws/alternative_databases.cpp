#include "draws/alternative_databases.h"

#include "app/messages.h"
#include "common/binary_io.h"
#include "common/delphi_format.h"
#include "draws/result_parsers.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <vector>

namespace kvx {

const char* const kKlonozasTipp =
    "Minden adatbázist klónozhat\r\n\r\nAlternatív adatbázisba: Adatbázis - Alternatív adatbázis - Mentés\r\n"
    "Privát adatbázisba: Adatbázis - Alternatív adatbázis - Mentés másként";
const char* const kVeletlenAdatbazisTipp =
    "Véletlen számsorokkal módosított adatbázis\r\n\r\nLehetséges, hogy több azonos számsort generál a program, "
    "ezért automatikusan meghívásra kerül az ezt ellenőrző eljárás:\r\nStatisztika - [Aktuális adatbázis] - "
    "Találati arányok";
const char* const kAllomanyLetrehozasHiba = "Nem sikerült létrehozni az állományt.";
const char* const kPrivatMegnyitasSzuro =
    "Privát adatbázis (*.pdb)|*.pdb|Import adatbázis csv (*.csv)|*.csv|Import adatbázis txt (*.txt)|*.txt";
const char* const kPrivatMentesSzuro = "Privát adatbázis (*.pdb)|*.pdb";

std::string PrivatMentesAutomatikusNev(std::int32_t huzasokSzama)
{
    return std::to_string(huzasokSzama) + "_huzas";
}

std::string PrivatMentesCel(const std::string& nev)
{
    const std::size_t per = nev.find_last_of("/\\");
    const std::string allomany = per == std::string::npos ? nev : nev.substr(per + 1);
    if (allomany.empty())
        return {};
    const std::size_t pont = allomany.find_last_of('.');
    if (pont == std::string::npos)
        return nev + ".pdb";
    std::string kiterjesztes = allomany.substr(pont + 1);
    std::transform(kiterjesztes.begin(), kiterjesztes.end(), kiterjesztes.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return kiterjesztes == "pdb" ? nev : std::string();
}

std::string PrivatMentesNemPdbUzenet(const std::string& nev)
{
    return "Privát adatbázis csak \"pdb\" kiterjesztésű állományba menthető.\r\n\r\nAz adatbázis nem került "
           "mentésre:\r\n" + nev;
}

std::int32_t VeletlenHuzasokMaximum(std::int32_t huzasokSzama, std::int32_t sorsolasokSzama)
{
    const std::int32_t max = 10000 / std::max<std::int32_t>(1, sorsolasokSzama);
    if (huzasokSzama + max > kMaxHuzasok)
        return std::max<std::int32_t>(0, kMaxHuzasok - huzasokSzama);
    return max;
}

AdatbazisKerdes AdatbazisKerdesSzoveg(const AdatbazisKerdesAdatok& a)
{
    const std::string q = "\r\n\r\nBiztos felülírja az adatbázist?";
    // The warning that names the file is given only where there is a file to lose.
    std::string w = "\r\n\r\nAz adatbázis már létezik - felülírása nem visszavonható:\r\n" + a.AlternativUtvonal +
                    "\r\n\r\nSzükség esetén mentse privát adatbázisba:\r\nAdatbázis - Alternatív adatbázis - "
                    "Mentés másként" + q;
    if (!a.AlternativLetezik)
        w.clear();
    std::string mit;
    if (a.Tag == kVeletlenFeluliras) {
        w = q;
        mit = "véletlen számsorokkal";
    } else if (a.BeepitettVagyPrivat) {
        mit = "a " + a.AdatbazisFelirat + " tartalmával";
    }
    AdatbazisKerdes k;
    switch (a.Tag) {
    case kAlternativUj:
        k.Szoveg = "Alternatív adatbázis létrehozása" + w;
        break;
    case kAlternativMentes:
        if (a.BeepitettVagyPrivat)
            k.Szoveg = "Alternatív adatbázis felülírása " + mit + w;
        break;
    case kVeletlenFeluliras:
        k.Szoveg = "Adatbázis felülírása " + mit + w;
        break;
    case kVeletlenBovites:
        k.Szoveg = "Adatbázis bővítése " + FormatThousands(a.VeletlenSorok) + " véletlen számsorral" + q;
        break;
    default:
        break;
    }
    k.Mindig = (a.Tag == kAlternativUj || a.Tag == kAlternativMentes) && a.AlternativLetezik;
    return k;
}

HianyzoReszek HianyzoReszekVizsgalata(const DrawsState& d, const GameParams& g)
{
    HianyzoReszek h;
    if (!g.TobbSorsolas && !g.VanPotSzam)
        return h;
    const std::int64_t kell = std::int64_t{d.HuzasokSzama} * std::max<std::int32_t>(1, g.SorsolasokSzama);
    std::int64_t sorok = 0;
    std::int64_t pluszos = 0;
    const auto masodik = static_cast<std::size_t>(g.MasodikHuzasOszlop);
    const auto pot1 = static_cast<std::size_t>(3 + g.HuzottFoSzamok);
    const auto pot2 = static_cast<std::size_t>(g.MasodikHuzasOszlop + g.HuzottFoSzamok);
    for (const TTombInt1D& sor : d.Huzasok) {
        auto at = [&](std::size_t c) { return c < sor.size() ? sor[c] : 0; };
        ++sorok;
        if (g.TobbSorsolas && at(masodik) > 0)
            ++sorok;
        if (g.VanPotSzam) {
            pluszos += at(pot1) > 0 ? 1 : 0;
            if (g.TobbSorsolas)
                pluszos += at(pot2) > 0 ? 1 : 0;
        }
    }
    h.Szamsorok = g.TobbSorsolas && sorok < kell;
    h.PluszSzamok = g.VanPotSzam && pluszos < kell;
    return h;
}

std::string MasodikFeltoltesKerdes(std::int32_t tag)
{
    if (tag == kVeletlenFeluliras)
        return "Kitölti véletlen számokkal a hiányzó számsorok helyét?";
    return "Kitölti véletlen számokkal a 2. számsorokat?";
}

std::string PluszFeltoltesKerdes(std::int32_t tag)
{
    if (tag == kVeletlenFeluliras)
        return "Kitölti véletlen számokkal a hiányzó plusz számok helyét?";
    return "Kitölti véletlen számokkal a plusz számokat?";
}

bool VeletlenHuzasokHozzaadasa(DrawsState& d, const GameParams& g, std::int32_t darab, std::int32_t ev,
                               std::int32_t het)
{
    if (darab < 0 || d.HuzasokSzama + darab > kMaxHuzasok)
        return false;
    const std::int32_t oszlopok = d.Oszlopszam > 0 ? d.Oszlopszam : g.HuzottSzamok + 3;
    d.Oszlopszam = oszlopok;
    d.Huzasok.reserve(static_cast<std::size_t>(d.HuzasokSzama + darab));
    for (std::int32_t i = 0; i < darab; ++i) {
        TTombInt1D sor(static_cast<std::size_t>(oszlopok), 0);
        sor[0] = d.HuzasokSzama + 1;
        sor[1] = ev;
        sor[2] = het;
        d.Huzasok.push_back(std::move(sor));
        ++d.HuzasokSzama;
    }
    d.HuzasokUtolsoIndex = d.HuzasokSzama > 0 ? d.HuzasokSzama - 1 : 0;
    return true;
}

namespace {

// `db` distinct values in lo..hi (inclusive) that are not in `kizart`,
// chosen among the free values so the draw always ends.
std::vector<std::int32_t> kulonbozo(std::int32_t db, std::int32_t lo, std::int32_t hi,
                                    const std::vector<std::int32_t>& kizart, const VeletlenFn& veletlen)
{
    std::vector<std::int32_t> szabad;
    for (std::int32_t v = lo; v <= hi; ++v)
        if (std::find(kizart.begin(), kizart.end(), v) == kizart.end())
            szabad.push_back(v);
    std::vector<std::int32_t> ki;
    for (std::int32_t i = 0; i < db && !szabad.empty(); ++i) {
        const std::int32_t n = static_cast<std::int32_t>(szabad.size());
        const std::int32_t j = std::clamp<std::int32_t>(veletlen(n), 0, n - 1);
        ki.push_back(szabad[static_cast<std::size_t>(j)]);
        szabad.erase(szabad.begin() + j);
    }
    std::sort(ki.begin(), ki.end());
    return ki;
}

// One drawing from column c0: main numbers, extra-pool numbers, then `pot`
// bonus numbers.
void huzasKitoltes(TTombInt1D& sor, std::size_t c0, const GameParams& g, std::int32_t pot, const VeletlenFn& veletlen)
{
    const std::int32_t foSzamok = g.HuzottFoSzamok - g.PluszSzamDb;
    const std::int32_t keszlet = g.FoSzamKeszlet > 0 ? g.FoSzamKeszlet : g.OsszesSzam;
    const std::vector<std::int32_t> fo = kulonbozo(foSzamok, 1, keszlet, {}, veletlen);
    const std::vector<std::int32_t> plusz =
        g.VanPluszSzam ? kulonbozo(g.PluszSzamDb, keszlet + 1, g.OsszesSzam, {}, veletlen) : std::vector<std::int32_t>{};
    const std::vector<std::int32_t> potSzamok = kulonbozo(pot, 1, keszlet, fo, veletlen);
    std::size_t c = c0;
    auto ir = [&](const std::vector<std::int32_t>& v) {
        for (std::int32_t x : v)
            if (c < sor.size())
                sor[c++] = x;
    };
    ir(fo);
    ir(plusz);
    // Declined bonus numbers stay empty.
    for (std::int32_t i = 0; i < g.PotSzamok && pot == 0; ++i)
        if (c < sor.size())
            sor[c++] = 0;
    ir(potSzamok);
}

}  // namespace

bool VeletlenSzamsorGeneralasa(DrawsState& d, const GameParams& g, const VeletlenGeneralas& p,
                               const VeletlenFn& veletlen)
{
    const auto pot1 = static_cast<std::size_t>(3 + g.HuzottFoSzamok);
    const auto masodik = static_cast<std::size_t>(g.MasodikHuzasOszlop);
    const auto pot2 = static_cast<std::size_t>(g.MasodikHuzasOszlop + g.HuzottFoSzamok);
    for (std::int32_t r = std::max<std::int32_t>(0, p.ElsoSor); r < d.HuzasokSzama; ++r) {
        if (p.Leallitas.stop_requested())
            return false;
        if (p.SorIndex)
            p.SorIndex->store(r, std::memory_order_relaxed);
        TTombInt1D& sor = d.Huzasok[static_cast<std::size_t>(r)];
        auto at = [&](std::size_t c) { return c < sor.size() ? sor[c] : 0; };
        std::int32_t pot = g.VanPotSzam ? g.PotSzamok : 0;
        if (!p.PluszFeltoltes && at(pot1) == 0)
            pot = 0;
        const bool vanMasodik = g.TobbSorsolas && at(masodik) > 0;
        std::int32_t pot2Db = g.VanPotSzam ? g.PotSzamok : 0;
        if (!p.PluszFeltoltes && at(pot2) == 0)
            pot2Db = 0;
        huzasKitoltes(sor, 3, g, pot, veletlen);
        // A second drawing is drawn where the row has one, and where it has
        // none only when filling was asked for.
        if (g.TobbSorsolas && (p.MasodikFeltoltes || vanMasodik))
            huzasKitoltes(sor, masodik, g, pot2Db, veletlen);
    }
    return true;
}

std::string ImportCelUtvonal(const std::string& privateKonyvtar, const std::string& jatekMappa,
                             const std::string& importAllomany)
{
    std::string nev = std::filesystem::path(importAllomany).filename().string();
    nev = nev.size() > 4 ? nev.substr(0, nev.size() - 4) : std::string();
    return (std::filesystem::path(privateKonyvtar) / jatekMappa / (nev + ".pdb")).string();
}

HuzasImportEredmeny HuzasokImportBeolvasasa(const std::string& importAllomany, const GameParams& g, std::int32_t ev,
                                       std::int32_t ho, std::int32_t nap)
{
    HuzasImportEredmeny e;
    std::vector<std::string> sorok;
    if (!AllomanySorai(importAllomany, sorok)) {
        e.Uzenet = "Hiba történt: " + importAllomany + " megnyitása.";
        return e;
    }
    // Blank lines closing the file are no draws.
    while (!sorok.empty() && sorok.back().find_first_not_of(" \t") == std::string::npos)
        sorok.pop_back();
    // A file of no draws would make an empty database that looks imported.
    if (sorok.empty()) {
        e.Uzenet = ImportHibaUzenet(importAllomany);
        return e;
    }
    // The file is a database of the game as it draws, whatever draw size a
    // user's database loaded before gave it.
    GameParams jatek = g;
    SorsolasMeretVisszaallitas(jatek);
    FrissitesKornyezet k;
    k.Jatek = &jatek;
    k.AdatbazisUtvonal = importAllomany;
    k.FajlNev = importAllomany;
    k.AdatbazisTipus = false;
    k.Ma = Datum{ev, ho, nap};
    k.Iras = [&e](const std::vector<std::uint8_t>& kep) {
        e.Kep = kep;
        return true;
    };
    const FrissitesEredmeny r = HuzasokFrissitesKenoHU(k, sorok, 0, true);
    if (r.Siker) {
        e.Siker = true;
        e.Huzasok = r.KilepesGombTag;
        return e;
    }
    e.Kep.clear();
    e.Uzenet = ImportHibaUzenet(importAllomany);
    if (r.HibasSor >= 0 && r.HibasSor < static_cast<std::int32_t>(sorok.size()))
        e.Uzenet += importHibasSor(r.HibasSor + 1, sorok[static_cast<std::size_t>(r.HibasSor)],
                                   importSorLeiras(jatek, true));
    return e;
}

HuzasImportEredmeny HuzasokImportIrasa(const HuzasImportEredmeny& beolvasott, const std::string& cel)
{
    HuzasImportEredmeny e;
    e.Huzasok = beolvasott.Huzasok;
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(cel).parent_path(), ec);
    if (!beolvasott.Siker || !writeFileAtomic(cel, beolvasott.Kep)) {
        e.Uzenet = kAdatbazisMentesHiba;
        return e;
    }
    e.Siker = true;
    return e;
}

}  // namespace kvx
