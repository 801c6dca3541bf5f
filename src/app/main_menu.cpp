#include "app/main_menu.h"

#include <iterator>

namespace kvx {

namespace {

constexpr bool K = true;   // works now
constexpr bool N = false;  // later work: disabled with kNemElerheto
constexpr PontFajta A = PontFajta::Almenu;
constexpr PontFajta R = PontFajta::Valaszto;
constexpr PontFajta E = PontFajta::Elvalaszto;
constexpr PontFajta P = PontFajta::Parancs;
using Id = ParancsId;

}  // namespace

const std::vector<const char*>& FomenuSorrend()
{
    static const std::vector<const char*> sorrend = {"Fájl",        "Játék",    "Számsor",     "Főszelvény", "Feltételek",
                                                      "Variáció",    "Adatbázis", "Példabontás", "Internet",   "Súgó"};
    return sorrend;
}

namespace {

constexpr FomenuPont kPontok[] = {
        // Fájl
        {"Fájl", Id::Megnyits1, "Megnyitás", "", " Számsor, variáció, import állományok megnyitása ", K, P, 0, true},
        {"Fájl", Id::Mentsmsknt1, "Mentés másként", "", " Számsor, variáció, export állományok mentése ", K, P, 0, true},
        {"Fájl", Id::Visszatlts1, "Visszatöltés", "", " Nincs visszatölthető állomány ", K, P, 0, true},
        {"Fájl", Id::Nincs, "", "", "", K, E},
        {"Fájl", Id::BELLTSOK1, "Beállítások", "", " Program beállítások ", K},
        {"Fájl", Id::Nincs, "", "", "", K, E},
        {"Fájl", Id::Kilps1, "Kilépés", "", " Kilépés a programból ", K},

        // Számsor
        {"Számsor", Id::Kijellmind1, "Kijelölés mind", "Ctrl+M", " Minden szám kijelölése ", K},
        {"Számsor", Id::Vletlenszmok1, "Véletlen számok", "Ctrl+W", " Egy/több véletlen szám generálása ", K},
        {"Számsor", Id::Szmsorrend1, "Számsorrend", "", " A kijelölt számsor sorrendje ", K, A},
        {"Számsor/Számsorrend", Id::Vltozatlan1, "Változatlan", "", " Kijelölés sorrendje ", K, R, 0},
        {"Számsor/Számsorrend", Id::Nvekv1, "Növekvő", "", " Növekvő sorrend ", K, R, 1},
        {"Számsor/Számsorrend", Id::Cskken1, "Csökkenő", "", " Csökkenő sorrend ", K, R, 2},
        {"Számsor/Számsorrend", Id::Vletlen1, "Véletlen", "", " Véletlen sorrend ", K, R, 3},
        {"Számsor", Id::Nincs, "", "", "", K, E},
        {"Számsor", Id::Ments3, "Mentés", "", " Számsor és feltételek mentése ", K},
        {"Számsor", Id::rls3, "Törlés", "", " Számok törlése a főszelvényről ", K, A},
        {"Számsor/Törlés", Id::Bontsszmai1, "Variáció számai", "", " Variáció számainak törlése ", K, P, 0},
        {"Számsor/Törlés", Id::Fixszmok1, "Fix számok", "", " Fix számok törlése ", K, P, 1},
        {"Számsor/Törlés", Id::llandszmok1, "Állandó számok", "", " Állandó számok törlése ", K, P, 2},
        {"Számsor/Törlés", Id::Vletlenszmok2, "Véletlen számok", "", " Véletlen számok törlése ", K, P, 3},
        {"Számsor/Törlés", Id::Nincs, "", "", "", K, E},
        {"Számsor/Törlés", Id::Mind1, "Minden szám", "", " Minden szám törlése ", K, P, 0, true},

        // Főszelvény
        {"Főszelvény", Id::Normlalak1, "Normál alak", "Ctrl+N", " Főszelvény normál alakja ", K, P, 0},
        {"Főszelvény", Id::Szmoksorrenje1, "Számok sorrendje", "Ctrl+S", " Számok kijelölési sorrendje ", K, P, 3},
        {"Főszelvény", Id::Hnyszorhztk1, "Hányszor húzták", "", " Hányszor húzták a számokat ", K, P, 1},
        {"Főszelvény", Id::Hnyhzsta1, "Hány húzás óta...", "", " Hány húzás óta nem sorsolták a számokat ", K, P, 2},
        {"Főszelvény", Id::Nincs, "", "", "", K, E},
        {"Főszelvény", Id::Hzsokszma1, "Húzások száma", "Ctrl+H", " Húzások számának (keresési tartomány) beállítása ", K},

        // Feltételek
        {"Feltételek", Id::Listzs1, "Kijelölés", "Ctrl+F", " Feltételek kijelölése, hibapont beállítása ", K, P, 0, true},
        {"Feltételek", Id::Ellenrzs2, "Ellenőrzés", "", " Feltételek ellenőrzése ", N},
        {"Feltételek", Id::rls1, "Törlés", "", " Feltételek törlése ", N},
        {"Feltételek", Id::Nincs, "", "", "", K, E},
        {"Feltételek", Id::InfoGomb, "Információk", "", " Információk a variációról ", K, P, 0, true},

        // Variáció
        {"Variáció", Id::Start1, "Start", "", " Variáció készítése ", K, P, 0, true},
        {"Variáció", Id::Listzs2, "Listázás", "", " Variáció listája ", N},
        {"Variáció", Id::Ellenrzs1, "Ellenőrzés", "", " Variáció ellenőrzése ", N},
        {"Variáció", Id::eszt1, "Teszt", "", " Variáció tesztje ", N},
        {"Variáció", Id::Nincs, "", "", "", K, E},
        {"Variáció", Id::Mdosts1, "Módosítás", "", " Feltételek, hibapont módosítása - variáció törlése ", N},
        {"Variáció", Id::Beilleszts1, "Bővítés", "", " Variáció bővítése és/vagy a számsor módosítása ", N},
        {"Variáció", Id::Bvtmnytrlse1, "Bővítmény törlése", "", " Utolsó bővítmény törlése ", N},
        {"Variáció", Id::BovitmenyBeilleszt, "Bővítmény egyesítése", "", " Bővítmény(ek) egyesítése a variáció törzsével ", N},
        {"Variáció", Id::PauseTorles, "Pause törlés", "", " Pause státusz törlése ", K},
        {"Variáció", Id::Nincs, "", "", "", K, E},
        {"Variáció", Id::Rendezs1, "Indexek rendezése", "", " Variáció indexeinek rendezése ", N},
        {"Variáció", Id::Eredetisorrend1, "Indexek korábbi sorrendje", "", " Indexek korábbi sorrendjének visszaállítása ", N},
        {"Variáció", Id::Vglegesszmsorrend1, "Aktuális sorrend rögzítése", "", " Indexek aktuális sorrendjének rögzítése ", N},
        {"Variáció", Id::Nincs, "", "", "", K, E},
        {"Variáció", Id::Ments2, "Mentés", "", " Variáció mentése ", N},
        {"Variáció", Id::Listanyomtatsa2, "Nyomtatás", "", " Variáció listájának nyomtatása ", K},
        {"Variáció", Id::Lista1, "Nyomtatás állományba", "", " Variáció listájának nyomtatása állományba ", K},
        {"Variáció", Id::Szelvnyek1, "Szelvények kitöltése", "", " Szelvények kitöltése nyomtatóval ", K},
        {"Variáció", Id::Nincs, "", "", "", K, E},
        {"Variáció", Id::rls2, "Törlés", "", " Variáció törlése ", K},

        // Adatbázis
        {"Adatbázis", Id::Listzs3, "Listázás", "Ctrl+A", " Húzások listája ", K, P, 0, true},
        {"Adatbázis", Id::Keress1, "Keresés", "", " Számsor keresése a húzások listájában ", K, P, 0, true},
        {"Adatbázis", Id::Hzsokszma2, "Húzások száma", "Ctrl+Alt+H", " Húzások számának (keresési tartomány) beállítása ", K},
        {"Adatbázis", Id::Nincs, "", "", "", K, E},
        {"Adatbázis", Id::Ments1, "Mentés", "", " Módosított adatbázis mentése ", K},
        {"Adatbázis", Id::Listanyomtatsa1, "Nyomtatás", "", " Nyomtatás ", K},
        {"Adatbázis", Id::Nyomtats3, "Nyomtatás állományba", "", " Húzások listájának nyomtatása állományba ", K},
        {"Adatbázis", Id::Nincs, "", "", "", K, E},
        {"Adatbázis", Id::Kavarexadatbzis1, "Kavarex adatbázis", "", " Kavarex adatbázis visszatöltése ", K},
        {"Adatbázis", Id::Alternatvadatbzis1, "Alternatív adatbázis", "", " Alternatív, felhasználói adatbázisok létrehozása, betöltése ", K, A},
        {"Adatbázis/Alternatív adatbázis", Id::Betlts1, "Betöltés", "", " Alternatív adatbázis betöltése ", K, P, 1},
        {"Adatbázis/Alternatív adatbázis", Id::jadatbzis1, "Új adatbázis", "", " Alternatív adatbázis létrehozása ", K, P, 2},
        {"Adatbázis/Alternatív adatbázis", Id::Ments4, "Mentés", "", " Alternatív adatbázis mentése ", K, P, 3},
        {"Adatbázis/Alternatív adatbázis", Id::Vletlenszmsorok1, "Véletlen számsorok", "", " Véletlen számsorok ", K, A},
        {"Adatbázis/Alternatív adatbázis/Véletlen számsorok", Id::Fellrs1, "Felülírás", "", " Adatbázis felülírása véletlen számsorokkal ", K, P, 4},
        {"Adatbázis/Alternatív adatbázis/Véletlen számsorok", Id::Bvts1, "Bővítés", "", " Aktuális lista bővítése véletlen számsorokkal ", K, P, 6},
        {"Adatbázis/Alternatív adatbázis", Id::Nincs, "", "", "", K, E},
        {"Adatbázis/Alternatív adatbázis", Id::Megnyits2, "Megnyitás", "", " Privát adatbázis megnyitása ", K, P, 5},
        {"Adatbázis/Alternatív adatbázis", Id::Mentsmsknt2, "Mentés másként", "", " Privát adatbázis mentése ", K},

        // Példabontás
        {"Példabontás", Id::Hzsokalapjn1, "Húzások alapján", "", " Példabontás (variáció) készítése a kijelölt húzás számsora alapján ", K, P, 0, true},
        {"Példabontás", Id::Vletlen2, "Véletlen számokkal", "", " Példabontás véletlen számsor alapján ", K},
        {"Példabontás", Id::Sajtszmokkal1, "Saját számokkal", "", " Példabontás a kijelölt számok alapján ", K},

        // Internet
        {"Internet", Id::Honlap1, "Honlap", "", " A játékot üzemeltető Társaság honlapja ", K, P, 0},
        {"Internet", Id::Rekordnyeremnyek1, "Rekord nyeremények", "", " Rekord nyeremények ", K, P, 14},
        {"Internet", Id::Nincs, "", "", "", K, E},
        {"Internet", Id::Kziadatbevitel1, "Kézi adatbevitel", "", " Számsor kijelölése - online fogadás ", K, P, 10},
        {"Internet", Id::Varicifeltltse1, "Variáció feltöltése", "", " Aktuális variáció játékba küldése - online fogadás ", N, P, 11},
        {"Internet", Id::Nincs, "", "", "", K, E},
        {"Internet", Id::Naprakszadatbzis1, "Naprakész adatbázis", "", " Naprakész adatbázis letöltése a játékot üzemeltető Társaság honlapjáról ", N, P, 9},
        {"Internet", Id::Aktulisadatbzisfrisstse1, "Aktuális adatbázis frissítése", "", " Adatbázis frissítése a program honlapjáról ", K, P, 7},
        {"Internet", Id::Mindenadatbzisfrisstse1, "Minden adatbázis frissítése", "", " Minden adatbázis frissítése a program honlapjáról ", K, P, 8},
        {"Internet", Id::Elrsekfrisstse1, "Elérések frissítése", "", " Online elérések frissítése ", K, P, 13},
        {"Internet", Id::Nincs, "", "", "", K, E},
        {"Internet", Id::Kavarexaweben1, "Kavarex a weben", "", " Kavarex a weben ", K, P, 2},
        {"Internet", Id::Kavarexkalkultoraweben1, "Kavarex kalkulátor a weben", "", " Kavarex kalkulátor a weben ", K, P, 3},
        {"Internet", Id::Kavarexszimultoraweben1, "Kavarex szimulátor a weben", "", " Kavarex szimulátor a weben ", K, P, 4},
        {"Internet", Id::Varicikletltse1, "Variációk letöltése", "", " Variációk letöltése ", K, P, 5},
        {"Internet", Id::Nincs, "", "", "", K, E},
        {"Internet", Id::jverzikeresse1, "Új verzió keresése", "", " Új verzió keresése ", N, P, 6},

        // Súgó
        {"Súgó", Id::makrk1, "Témakörök", "F1", " Súgó témakörök ", K, P, 0, true},
        {"Súgó", Id::Nincs, "", "", "", K, E},
        {"Súgó", Id::mogats1, "Támogatás", "", " Támogatás ", K},
        {"Súgó", Id::Fejleszts1, "Fejlesztés", "", " Fejlesztés - a felhasználói igények szerint ", K},
        {"Súgó", Id::Nincs, "", "", "", K, E},
        {"Súgó", Id::Nvjegy1, "Névjegy", "", " Névjegy ", true},
};

// Every id but the toolbar-only buttons is in the table once, every row but
// a separator has an id.
consteval bool TablaEsIdkEgyeznek()
{
    int db[kParancsokSzama + 1] = {};
    for (const FomenuPont& p : kPontok) {
        if ((p.Fajta == PontFajta::Elvalaszto) != (p.Id == ParancsId::Nincs))
            return false;
        ++db[static_cast<std::size_t>(p.Id)];
    }
    for (std::size_t i = 0; i < kParancsokSzama; ++i) {
        const auto id = static_cast<ParancsId>(i);
        const bool gomb = id == ParancsId::StatisztikaGomb || id == ParancsId::KavarexadatbzisGomb;
        if (db[i] != (gomb ? 0 : 1))
            return false;
    }
    return true;
}
static_assert(TablaEsIdkEgyeznek(), "the command table and KVX_PARANCSOK (main_menu.h) must name the same commands");

}  // namespace

const std::vector<FomenuPont>& FomenuPontok()
{
    static const std::vector<FomenuPont> pontok(std::begin(kPontok), std::end(kPontok));
    return pontok;
}

const FomenuPont* FomenuPontKeres(ParancsId id)
{
    for (const FomenuPont& p : FomenuPontok())
        if (p.Fajta != PontFajta::Elvalaszto && p.Id == id)
            return &p;
    return nullptr;
}

std::optional<ParancsId> ParancsIdNevbol(std::string_view nev)
{
    for (std::size_t i = 0; i < kParancsokSzama; ++i)
        if (nev == ParancsNev(static_cast<ParancsId>(i)))
            return static_cast<ParancsId>(i);
    return std::nullopt;
}

}  // namespace kvx
