#pragma once
// The 44 games: fixed per-game tables and the current game's parameters.
#include <array>
#include <cstdint>
#include <string>

#include "common/numbering.h"

namespace kvx {

constexpr int kJatekokSzama = 44;

// Per-game tables indexed by the game index LottoIndex (0..43).
extern const std::array<const char*, kJatekokSzama + 1> JatekNev;  // 45th entry empty
extern const std::array<const char*, kJatekokSzama> JatekMappa;
extern const std::array<const char*, kJatekokSzama> AdatbazisAllomany;
extern const std::array<const char*, kJatekokSzama> AlternativAllomany;

// Games whose bonus numbers form hit classes of their own.
bool PotSzamTalalatJatek(int lottoIndex);

// The current game's parameters. Every subsystem reads them; they change only
// through JatekParameterek (a ticket rebuild) and the drawn-count helpers.
struct GameParams {
    std::int32_t LottoIndex = 0;

    // Primary values.
    std::int32_t OsszesSzam = 0;        // highest number on the ticket (main + extra pool)
    std::int32_t SzamsorHossz = 0;      // numbers in one line, extras included
    std::int32_t HuzottFoSzamok = 0;    // numbers of one drawing without bonus numbers
    std::int32_t HuzottSzamok = 0;      // number columns of one draw row
    std::int32_t SorsolasokSzama = 0;   // drawings per draw event
    std::int32_t HetiSorsolasok = 0;    // draw events per week
    std::int32_t PotSzamok = 0;         // bonus numbers drawn from the main pool
    std::int32_t PluszSzamKeszlet = 0;  // size of the separate extra pool
    std::int32_t PluszSzamDb = 0;       // extra-pool numbers per line or drawing
    std::int32_t PluszSzamEltolas = 0;  // display offset of extra-pool numbers
    std::string PluszSzamNev;           // " Powerball" ... with a leading blank
    bool KenoJatek = false;
    std::int32_t TalalatKuszob = 0;     // hit threshold of the sample variations
    bool PotSzamTalalat = false;        // bonus numbers form hit classes

    // Derived values.
    bool VanPluszSzam = false;
    std::int32_t MasodikHuzasOszlop = 0;
    std::int32_t FoSzamUtolsoOszlop = 0;
    std::int32_t ElsoHuzasUtolsoOszlop = 0;
    std::int32_t ElsoHuzasFoSzamUtolsoOszlop = 0;
    std::int32_t PluszSzamElsoOszlop = 0;
    bool TobbSorsolas = false;
    std::int32_t HuzottFoSzamokPluszNelkul = 0;
    std::int32_t PotSzamMax = 0;
    bool VanPotSzam = false;
    std::int32_t OsszesSzamMax = 0;
    std::int32_t FoSzamKeszlet = 0;
    std::int32_t TalalatSzorzo = 1;
    std::int32_t VariacioTalalatSzorzo = 1;
    std::int32_t SzamsorHosszMax = 0;
    std::int32_t SzamsorFoSzamDb = 0;
    std::int32_t SzamsorFoSzamMax = 0;

    // Drawn-number counts saved by SorsolasMeretMentese.
    std::int32_t MentettHuzottSzamok = 0;
    std::int32_t MentettHuzottFoSzamok = 0;

    // Extra-pool number as shown: stored FoSzamKeszlet + n is shown n - offset.
    std::int32_t PluszSzamKijelzes(std::int32_t stored) const { return stored - FoSzamKeszlet - PluszSzamEltolas; }
    // Number of entries of a table indexed by hit class.
    std::int32_t TalalatOsztalyokSzama() const { return (SzamsorFoSzamDb + 1) * TalalatSzorzo; }
    std::int32_t VariacioTalalatOsztalyokSzama() const { return (SzamsorFoSzamDb + 1) * VariacioTalalatSzorzo; }
};


// Sets every parameter of the game g.LottoIndex (an index outside 0..43 is
// taken as 0).
void JatekParameterek(GameParams& g);
// The parameters of the game of the given index, as one value.
GameParams JatekParameterei(int index);

// Stores HuzottSzamok and HuzottFoSzamok.
void SorsolasMeretMentese(GameParams& g);
// Sets the drawn counts and recomputes the columns that depend on them
// (not PluszSzamElsoOszlop).
void SorsolasMeretBeallitas(GameParams& g, std::int32_t sorSzelesseg, std::int32_t huzasSzelesseg);
// Applies the saved counts again.
void SorsolasMeretVisszaallitas(GameParams& g);

// Hit class of h main and e extra hits with the given stride.
inline std::int32_t TalalatOsztaly(std::int32_t h, std::int32_t e, std::int32_t szorzo) { return h * szorzo + e; }

// The numbering dimensions of the current game's full variation.
NumberingDims gameNumberingDims(const GameParams& g);

}  // namespace kvx
