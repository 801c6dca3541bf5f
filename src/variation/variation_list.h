#pragma once
// What the variation list shows: the cell texts of a row, the extension
// stripes and grey line numbers, the selected line with its fixed numbers,
// its hit distribution over the whole variation, and the report text. The
// list window asks for one visible row at a time, so a list of a million
// lines costs nothing until it is scrolled.
#include <cstdint>
#include <string>
#include <vector>

#include "app/game_table.h"
#include "common/arrays.h"
#include "tickets/ticket_layout.h"
#include "variation/variation_store.h"

namespace kvx {

// Largest variation the list shows.
inline constexpr std::int32_t kBontListaMaxSor = 1000000;
inline constexpr const char* kSzovegListaTulNagy =
    "Több mint 1 millió számsor listáját kérte.\r\n\r\nAz aktuális verzió ezt nem teszi lehetővé.";
inline constexpr const char* kTippListaTulNagy = " Az aktuális verzió nem listáz 1 milliónál több számsort. ";

// The state the list reads.
struct BontListaNezet {
    const VariationStore* Tar = nullptr;
    const GameParams* Jatek = nullptr;
    TTombByte1D KijeloltSzamok;
    TTombByte1D FixSzamok;
    TTombByte1D AllandoSzamok;   // constant numbers (coloured on the auxiliary ticket)
    TTombByte1D VeletlenSzamok;  // random numbers
    std::int32_t VariacioMeret = 0;
    std::int32_t VariacioFoMeret = 0;
    std::int32_t KijeloltFoSzamDb = 0;
    std::int32_t KijeloltPluszSzamDb = 0;
    bool HuzasMod = false;   // built from the draws: rows hold numbers
    bool Rendezett = false;  // the rows are sorted (the earlier order can be restored)

    std::int32_t SorDb() const { return Tar ? Tar->BontMatrixMeret : 0; }
    std::int32_t ElsoSzamOszlop() const { return HuzasMod ? 2 : 1; }
    // Stored positions of a row.
    std::int32_t SorHossz() const { return HuzasMod ? Jatek->SzamsorHossz : VariacioMeret; }
    std::int32_t OszlopDb() const
    {
        return SorHossz() + (HuzasMod ? 0 : static_cast<std::int32_t>(FixSzamok.size())) + 1 + (HuzasMod ? 1 : 0);
    }
};

enum class CellaFajta { Sorszam, Huzas, Szam, PluszSzam, FixSzam };

CellaFajta BontListaCellaFajta(const BontListaNezet& n, std::int32_t oszlop);
// Header text of a column.
std::string BontListaFejlec(const BontListaNezet& n, std::int32_t oszlop);
// Text of a data cell; sor is the 1-based line number.
std::string BontListaCella(const BontListaNezet& n, std::int32_t sor, std::int32_t oszlop);
// 1 when the line lies in an odd-numbered extension stripe (drawn darker).
int ImportDrawCell(const BontListaNezet& n, std::int32_t sor);
// The line number is grey: boundaries exist and the lines are sorted or the
// line is not in the newest extension.
bool SzurkeSorszam(const BontListaNezet& n, std::int32_t sor);
// The first line of an extension part (underlined while in stored order).
bool ReszElsoSora(const BontListaNezet& n, std::int32_t sor);

// The selected line as stored, followed by the fixed numbers outside draw mode.
TTombByte1D KivSzamsorKeszites(const BontListaNezet& n, std::int32_t sor);
// Lines of the variation per hit class against the selected line (itself included).
TTombInt1D TalalatEloszlasSzamitas(const BontListaNezet& n, const TTombByte1D& kiv);

// How each number of the auxiliary ticket is marked for the selected line:
// one entry per ticket number (element i is number i + 1).
std::vector<SegedJeloles> SegedszelvenyJelolesek(const BontListaNezet& n, std::int32_t sor);

// The line-information texts of a line for a ticket: the part appended to
// the report and the part of the second info panel (empty when the game has
// none). The line is given as ticket numbers; extra-pool numbers are left
// out. ellenorzo: the variation-check ticket (games 38, 41 and 42 use the
// ten-column texts there).
struct SorInfoSzovegek {
    std::string Hozzafuzes;
    std::string Masodik;
};
SorInfoSzovegek SorInfoKeszites(const GameParams& g, bool potSzamTalalat, TTombByte1D szamok, bool ellenorzo);

// The hit rows of a distribution over the list's classes, from the top
// class down: "   m találat:   count" (with an extra pool "m+e találat:"
// rows first).
std::string TalalatSorok(const GameParams& g, const TTombInt1D& e, std::int32_t teto);
// "\r\n Ssz:" + the ordinal with thousands separators + "." (" S:" above
// 12 digits); empty when the line has no ordinal.
std::string SorszamSzoveg(const BontListaNezet& n, std::vector<std::uint8_t> tomb);

struct BLRiport {
    std::string Felirat;       // the auxiliary ticket's caption
    std::string Szoveg;        // the report
    std::string Szoveg2;       // the second info panel (line information)
    std::vector<SegedJeloles> Jelolesek;  // how each ticket number is marked
    std::int32_t TobbszorosSor = 0;  // the line when another line holds the same numbers
};
BLRiport BLRiportKeszites(const BontListaNezet& n, std::int32_t sor, TTombInt1D eloszlas, bool peldabontas,
                          bool potSzamTalalat = false);

// The line's numbers as ticket numbers: the selected numbers of its varied
// positions and the fixed numbers (the stored numbers in draw mode).
TTombByte1D SorSzamai(const BontListaNezet& n, std::int32_t sor);

// The Felülírás boundary of the optimisation: only with optimisation and
// Felülírás on and lines stored. Returns false when it does not apply;
// otherwise the protected line count becomes sor and the first stored byte
// of the next line (0 after the last line) is kept beside it.
struct TVariacioOpciok;
bool FelulirasHatarBeallitas(TVariacioOpciok& o, const VariationStore& t, std::int32_t sor);

// " " + line + ". számsor: többször szerepel a listában "
std::string TobbszorosTipp(std::int32_t sor);

}  // namespace kvx
