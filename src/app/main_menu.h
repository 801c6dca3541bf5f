#pragma once
// Every command of the main window's menus in one table: where it sits, its
// caption, shortcut and hint, and whether it works in this build. The window
// builds its menus and toolbar from this table.
#include <cstdint>
#include <string_view>
#include <vector>

namespace kvx {

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
    // The handler's component name (the item's object name).
    const char* Nev;
    const char* Felirat;
    const char* Gyorsbillentyu;  // "Ctrl+M", "F1" or ""
    const char* Tipp;            // hint while the command is available
    bool Kesz;                   // the command works in this build
    PontFajta Fajta = PontFajta::Parancs;
    std::int32_t Tag = 0;
    bool Eszkoztar = false;      // also a toolbar button
};

// The top-level menus in their order; "Játék" is the game menu, built from
// the game table.
const std::vector<const char*>& FomenuSorrend();
// Every item in menu order.
const std::vector<FomenuPont>& FomenuPontok();
// The item of the given name; nullptr when none.
const FomenuPont* FomenuPontKeres(std::string_view nev);

}  // namespace kvx
