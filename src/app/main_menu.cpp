#include "app/main_menu.h"

namespace kvx {

namespace {

constexpr bool K = true;   // works now
constexpr bool N = false;  // later work: disabled with kNemElerheto
constexpr PontFajta A = PontFajta::Almenu;
constexpr PontFajta R = PontFajta::Valaszto;
constexpr PontFajta E = PontFajta::Elvalaszto;
constexpr PontFajta P = PontFajta::Parancs;

}  // namespace

const std::vector<const char*>& FomenuSorrend()
{
    static const std::vector<const char*> sorrend = {"Fájl",        "Játék",    "Számsor",     "Főszelvény", "Feltételek",
                                                      "Variáció",    "Adatbázis", "Példabontás", "Internet",   "Súgó"};
    return sorrend;
}

const std::vector<FomenuPont>& FomenuPontok()
{
    static const std::vector<FomenuPont> pontok = {
        // Fájl
        {"Fájl", "Megnyits1", "Megnyitás", "", " Számsor, variáció, import állományok megnyitása ", K, P, 0, true},
        {"Fájl", "Mentsmsknt1", "Mentés másként", "", " Számsor, variáció, export állományok mentése ", K, P, 0, true},
        {"Fájl", "Visszatlts1", "Visszatöltés", "", " Nincs visszatölthető állomány ", K, P, 0, true},
        {"Fájl", "", "", "", "", K, E},
        {"Fájl", "BELLTSOK1", "Beállítások", "", " Program beállítások ", K},
        {"Fájl", "", "", "", "", K, E},
        {"Fájl", "Kilps1", "Kilépés", "", " Kilépés a programból ", K},

        // Számsor
        {"Számsor", "Kijellmind1", "Kijelölés mind", "Ctrl+M", " Minden szám kijelölése ", K},
        {"Számsor", "Vletlenszmok1", "Véletlen számok", "Ctrl+W", " Egy/több véletlen szám generálása ", K},
        {"Számsor", "Szmsorrend1", "Számsorrend", "", " A kijelölt számsor sorrendje ", K, A},
        {"Számsor/Számsorrend", "Vltozatlan1", "Változatlan", "", " Kijelölés sorrendje ", K, R, 0},
        {"Számsor/Számsorrend", "Nvekv1", "Növekvő", "", " Növekvő sorrend ", K, R, 1},
        {"Számsor/Számsorrend", "Cskken1", "Csökkenő", "", " Csökkenő sorrend ", K, R, 2},
        {"Számsor/Számsorrend", "Vletlen1", "Véletlen", "", " Véletlen sorrend ", K, R, 3},
        {"Számsor", "", "", "", "", K, E},
        {"Számsor", "Ments3", "Mentés", "", " Számsor és feltételek mentése ", K},
        {"Számsor", "rls3", "Törlés", "", " Számok törlése a főszelvényről ", K, A},
        {"Számsor/Törlés", "Bontsszmai1", "Variáció számai", "", " Variáció számainak törlése ", K, P, 0},
        {"Számsor/Törlés", "Fixszmok1", "Fix számok", "", " Fix számok törlése ", K, P, 1},
        {"Számsor/Törlés", "llandszmok1", "Állandó számok", "", " Állandó számok törlése ", K, P, 2},
        {"Számsor/Törlés", "Vletlenszmok2", "Véletlen számok", "", " Véletlen számok törlése ", K, P, 3},
        {"Számsor/Törlés", "", "", "", "", K, E},
        {"Számsor/Törlés", "Mind1", "Minden szám", "", " Minden szám törlése ", K, P, 0, true},

        // Főszelvény
        {"Főszelvény", "Normlalak1", "Normál alak", "Ctrl+N", " Főszelvény normál alakja ", K, P, 0},
        {"Főszelvény", "Szmoksorrenje1", "Számok sorrendje", "Ctrl+S", " Számok kijelölési sorrendje ", K, P, 3},
        {"Főszelvény", "Hnyszorhztk1", "Hányszor húzták", "", " Hányszor húzták a számokat ", K, P, 1},
        {"Főszelvény", "Hnyhzsta1", "Hány húzás óta...", "", " Hány húzás óta nem sorsolták a számokat ", K, P, 2},
        {"Főszelvény", "", "", "", "", K, E},
        {"Főszelvény", "Hzsokszma1", "Húzások száma", "Ctrl+H", " Húzások számának (keresési tartomány) beállítása ", K},

        // Feltételek
        {"Feltételek", "Listzs1", "Kijelölés", "Ctrl+F", " Feltételek kijelölése, hibapont beállítása ", K, P, 0, true},
        {"Feltételek", "Ellenrzs2", "Ellenőrzés", "", " Feltételek ellenőrzése ", N},
        {"Feltételek", "rls1", "Törlés", "", " Feltételek törlése ", N},
        {"Feltételek", "", "", "", "", K, E},
        {"Feltételek", "InfoGomb", "Információk", "", " Információk a variációról ", K, P, 0, true},

        // Variáció
        {"Variáció", "Start1", "Start", "", " Variáció készítése ", K, P, 0, true},
        {"Variáció", "Listzs2", "Listázás", "", " Variáció listája ", N},
        {"Variáció", "Ellenrzs1", "Ellenőrzés", "", " Variáció ellenőrzése ", N},
        {"Variáció", "eszt1", "Teszt", "", " Variáció tesztje ", N},
        {"Variáció", "", "", "", "", K, E},
        {"Variáció", "Mdosts1", "Módosítás", "", " Feltételek, hibapont módosítása - variáció törlése ", N},
        {"Variáció", "Beilleszts1", "Bővítés", "", " Variáció bővítése és/vagy a számsor módosítása ", N},
        {"Variáció", "Bvtmnytrlse1", "Bővítmény törlése", "", " Utolsó bővítmény törlése ", N},
        {"Variáció", "BovitmenyBeilleszt", "Bővítmény egyesítése", "", " Bővítmény(ek) egyesítése a variáció törzsével ", N},
        {"Variáció", "PauseTorles", "Pause törlés", "", " Pause státusz törlése ", K},
        {"Variáció", "", "", "", "", K, E},
        {"Variáció", "Rendezs1", "Indexek rendezése", "", " Variáció indexeinek rendezése ", N},
        {"Variáció", "Eredetisorrend1", "Indexek korábbi sorrendje", "", " Indexek korábbi sorrendjének visszaállítása ", N},
        {"Variáció", "Vglegesszmsorrend1", "Aktuális sorrend rögzítése", "", " Indexek aktuális sorrendjének rögzítése ", N},
        {"Variáció", "", "", "", "", K, E},
        {"Variáció", "Ments2", "Mentés", "", " Variáció mentése ", N},
        {"Variáció", "Listanyomtatsa2", "Nyomtatás", "", " Variáció listájának nyomtatása ", K},
        {"Variáció", "Lista1", "Nyomtatás állományba", "", " Variáció listájának nyomtatása állományba ", K},
        {"Variáció", "Szelvnyek1", "Szelvények kitöltése", "", " Szelvények kitöltése nyomtatóval ", K},
        {"Variáció", "", "", "", "", K, E},
        {"Variáció", "rls2", "Törlés", "", " Variáció törlése ", K},

        // Adatbázis
        {"Adatbázis", "Listzs3", "Listázás", "Ctrl+A", " Húzások listája ", K, P, 0, true},
        {"Adatbázis", "Keress1", "Keresés", "", " Számsor keresése a húzások listájában ", K, P, 0, true},
        {"Adatbázis", "Hzsokszma2", "Húzások száma", "Ctrl+Alt+H", " Húzások számának (keresési tartomány) beállítása ", K},
        {"Adatbázis", "", "", "", "", K, E},
        {"Adatbázis", "Ments1", "Mentés", "", " Módosított adatbázis mentése ", K},
        {"Adatbázis", "Listanyomtatsa1", "Nyomtatás", "", " Nyomtatás ", K},
        {"Adatbázis", "Nyomtats3", "Nyomtatás állományba", "", " Húzások listájának nyomtatása állományba ", K},
        {"Adatbázis", "", "", "", "", K, E},
        {"Adatbázis", "Kavarexadatbzis1", "Kavarex adatbázis", "", " Kavarex adatbázis visszatöltése ", K},
        {"Adatbázis", "Alternatvadatbzis1", "Alternatív adatbázis", "", " Alternatív, felhasználói adatbázisok létrehozása, betöltése ", K, A},
        {"Adatbázis/Alternatív adatbázis", "Betlts1", "Betöltés", "", " Alternatív adatbázis betöltése ", K, P, 1},
        {"Adatbázis/Alternatív adatbázis", "jadatbzis1", "Új adatbázis", "", " Alternatív adatbázis létrehozása ", K, P, 2},
        {"Adatbázis/Alternatív adatbázis", "Ments4", "Mentés", "", " Alternatív adatbázis mentése ", K, P, 3},
        {"Adatbázis/Alternatív adatbázis", "Vletlenszmsorok1", "Véletlen számsorok", "", " Véletlen számsorok ", K, A},
        {"Adatbázis/Alternatív adatbázis/Véletlen számsorok", "Fellrs1", "Felülírás", "", " Adatbázis felülírása véletlen számsorokkal ", K, P, 4},
        {"Adatbázis/Alternatív adatbázis/Véletlen számsorok", "Bvts1", "Bővítés", "", " Aktuális lista bővítése véletlen számsorokkal ", K, P, 6},
        {"Adatbázis/Alternatív adatbázis", "", "", "", "", K, E},
        {"Adatbázis/Alternatív adatbázis", "Megnyits2", "Megnyitás", "", " Privát adatbázis megnyitása ", K, P, 5},
        {"Adatbázis/Alternatív adatbázis", "Mentsmsknt2", "Mentés másként", "", " Privát adatbázis mentése ", K},

        // Példabontás
        {"Példabontás", "Hzsokalapjn1", "Húzások alapján", "", " Példabontás (variáció) készítése a kijelölt húzás számsora alapján ", K, P, 0, true},
        {"Példabontás", "Vletlen2", "Véletlen számokkal", "", " Példabontás véletlen számsor alapján ", K},
        {"Példabontás", "Sajtszmokkal1", "Saját számokkal", "", " Példabontás a kijelölt számok alapján ", K},

        // Internet
        {"Internet", "Honlap1", "Honlap", "", " A játékot üzemeltető Társaság honlapja ", K, P, 0},
        {"Internet", "Rekordnyeremnyek1", "Rekord nyeremények", "", " Rekord nyeremények ", K, P, 14},
        {"Internet", "", "", "", "", K, E},
        {"Internet", "Kziadatbevitel1", "Kézi adatbevitel", "", " Számsor kijelölése - online fogadás ", K, P, 10},
        {"Internet", "Varicifeltltse1", "Variáció feltöltése", "", " Aktuális variáció játékba küldése - online fogadás ", N, P, 11},
        {"Internet", "", "", "", "", K, E},
        {"Internet", "Naprakszadatbzis1", "Naprakész adatbázis", "", " Naprakész adatbázis letöltése a játékot üzemeltető Társaság honlapjáról ", N, P, 9},
        {"Internet", "Aktulisadatbzisfrisstse1", "Aktuális adatbázis frissítése", "", " Adatbázis frissítése a program honlapjáról ", K, P, 7},
        {"Internet", "Mindenadatbzisfrisstse1", "Minden adatbázis frissítése", "", " Minden adatbázis frissítése a program honlapjáról ", K, P, 8},
        {"Internet", "Elrsekfrisstse1", "Elérések frissítése", "", " Online elérések frissítése ", K, P, 13},
        {"Internet", "", "", "", "", K, E},
        {"Internet", "Kavarexaweben1", "Kavarex a weben", "", " Kavarex a weben ", K, P, 2},
        {"Internet", "Kavarexkalkultoraweben1", "Kavarex kalkulátor a weben", "", " Kavarex kalkulátor a weben ", K, P, 3},
        {"Internet", "Kavarexszimultoraweben1", "Kavarex szimulátor a weben", "", " Kavarex szimulátor a weben ", K, P, 4},
        {"Internet", "Varicikletltse1", "Variációk letöltése", "", " Variációk letöltése ", K, P, 5},
        {"Internet", "", "", "", "", K, E},
        {"Internet", "jverzikeresse1", "Új verzió keresése", "", " Új verzió keresése ", N, P, 6},

        // Súgó
        {"Súgó", "makrk1", "Témakörök", "F1", " Súgó témakörök ", K, P, 0, true},
        {"Súgó", "", "", "", "", K, E},
        {"Súgó", "mogats1", "Támogatás", "", " Támogatás ", K},
        {"Súgó", "Fejleszts1", "Fejlesztés", "", " Fejlesztés - a felhasználói igények szerint ", K},
        {"Súgó", "", "", "", "", K, E},
        {"Súgó", "Nvjegy1", "Névjegy", "", " Névjegy ", true},
    };
    return pontok;
}

const FomenuPont* FomenuPontKeres(std::string_view nev)
{
    for (const FomenuPont& p : FomenuPontok())
        if (p.Fajta != PontFajta::Elvalaszto && nev == p.Nev)
            return &p;
    return nullptr;
}

}  // namespace kvx
