#pragma once
// Every command of the main window's menus in one table: where it sits, its
// caption, shortcut and hint, and whether it works in this build. The window
// builds its menus and toolbar from this table.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <ostream>
#include <string_view>
#include <vector>

// Every command of the table below by its name (the handler's component
// name), in table order, then the shell's two toolbar-only buttons. Each
// becomes a kvx::ParancsId; main_menu.cpp checks, when it compiles, that the
// table holds every id but the two buttons exactly once.
#define KVX_PARANCSOK(X) \
    X(Megnyits1) X(Mentsmsknt1) X(Visszatlts1) X(BELLTSOK1) X(Kilps1) X(Kijellmind1) X(Vletlenszmok1) \
    X(Szmsorrend1) X(Vltozatlan1) X(Nvekv1) X(Cskken1) X(Vletlen1) X(Ments3) X(rls3) X(Bontsszmai1) \
    X(Fixszmok1) X(llandszmok1) X(Vletlenszmok2) X(Mind1) X(Normlalak1) X(Szmoksorrenje1) X(Hnyszorhztk1) \
    X(Hnyhzsta1) X(Hzsokszma1) X(Listzs1) X(Ellenrzs2) X(rls1) X(InfoGomb) X(Start1) X(Listzs2) X(Ellenrzs1) \
    X(eszt1) X(Mdosts1) X(Beilleszts1) X(Bvtmnytrlse1) X(BovitmenyBeilleszt) X(PauseTorles) X(Rendezs1) \
    X(Eredetisorrend1) X(Vglegesszmsorrend1) X(Ments2) X(Listanyomtatsa2) X(Lista1) X(Szelvnyek1) X(rls2) \
    X(Listzs3) X(Keress1) X(Hzsokszma2) X(Ments1) X(Listanyomtatsa1) X(Nyomtats3) X(Kavarexadatbzis1) \
    X(Alternatvadatbzis1) X(Betlts1) X(jadatbzis1) X(Ments4) X(Vletlenszmsorok1) X(Fellrs1) X(Bvts1) \
    X(Megnyits2) X(Mentsmsknt2) X(Hzsokalapjn1) X(Vletlen2) X(Sajtszmokkal1) X(Honlap1) X(Rekordnyeremnyek1) \
    X(Kziadatbevitel1) X(Varicifeltltse1) X(Naprakszadatbzis1) X(Aktulisadatbzisfrisstse1) \
    X(Mindenadatbzisfrisstse1) X(Elrsekfrisstse1) X(Kavarexaweben1) X(Kavarexkalkultoraweben1) \
    X(Kavarexszimultoraweben1) X(Varicikletltse1) X(jverzikeresse1) X(makrk1) X(mogats1) X(Fejleszts1) \
    X(Nvjegy1) X(StatisztikaGomb) X(KavarexadatbzisGomb)

namespace kvx {

// A command's typed id: a misspelt command does not compile.
enum class ParancsId : std::uint8_t {
#define KVX_PARANCS_ENUM(n) n,
    KVX_PARANCSOK(KVX_PARANCS_ENUM)
#undef KVX_PARANCS_ENUM
    Nincs,  // a separator's row
};
inline constexpr std::size_t kParancsokSzama = static_cast<std::size_t>(ParancsId::Nincs);

// The command's name: the object name of its action.
constexpr const char* ParancsNev(ParancsId id)
{
    constexpr const char* nevek[] = {
#define KVX_PARANCS_NEV(n) #n,
        KVX_PARANCSOK(KVX_PARANCS_NEV)
#undef KVX_PARANCS_NEV
        ""};
    return nevek[static_cast<std::size_t>(id)];
}
// Test expectations and traces name the command.
inline std::ostream& operator<<(std::ostream& o, ParancsId id) { return o << ParancsNev(id); }
// The id of a name read at run time (an object name); nullopt when none.
std::optional<ParancsId> ParancsIdNevbol(std::string_view nev);

// Hint of a command whose feature is not built yet.
inline constexpr const char* kNemElerheto = "Ez a funkció még nem érhető el.";

enum class PontFajta : std::uint8_t {
    Parancs,    // a plain command
    Almenu,     // opens a submenu (its items name it as their menu)
    Valaszto,   // a radio item (the number order)
    Elvalaszto, // a separator
};

struct FomenuPont {
    // Path of the menu that holds the item: "Fájl", "Számsor/Törlés", ...
    const char* Menu;
    // The command (its handler's component name); Nincs for a separator.
    ParancsId Id;
    const char* Felirat;
    const char* Gyorsbillentyu;  // "Ctrl+M", "F1" or ""
    const char* Tipp;            // hint while the command is available
    bool Kesz;                   // the command works in this build
    PontFajta Fajta = PontFajta::Parancs;
    std::int32_t Tag = 0;
    bool Eszkoztar = false;      // also a toolbar button

    const char* Nev() const { return ParancsNev(Id); }
};

// The top-level menus in their order; "Játék" is the game menu, built from
// the game table.
const std::vector<const char*>& FomenuSorrend();
// Every item in menu order.
const std::vector<FomenuPont>& FomenuPontok();
// The item of the command; nullptr for Nincs and the toolbar-only buttons.
const FomenuPont* FomenuPontKeres(ParancsId id);

}  // namespace kvx
