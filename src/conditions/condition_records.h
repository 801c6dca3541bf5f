#pragma once
// Condition records: one fixed-size plain record per condition kind, their
// memory images as the ticket and variation files keep them, the example
// images, the staging images of old file versions, the flags around them and
// the active-condition sets.
//
// Every record lists its fields in file order through mezok(); writing and
// reading go field by field through BinWriter/BinReader, pad and unused bytes
// included, so an image read and written again is byte for byte the same.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "app/game_table.h"
#include "common/binary_io.h"

namespace kvx {

using Pad1 = std::array<std::uint8_t, 1>;
using Pad2 = std::array<std::uint8_t, 2>;
using Pad3 = std::array<std::uint8_t, 3>;
using Int10 = std::array<std::int32_t, 10>;
using Byte10 = std::array<std::uint8_t, 10>;

// Favorizált számok, 20 bytes.
struct TFavFeltetel {
    static constexpr std::size_t kMeret = 20;
    std::uint8_t Allapot = 0;
    Pad3 pad1{};
    std::int32_t ElsoIndex = 0;
    std::int32_t UtolsoIndex = 0;
    std::int32_t TalalatMin = 0;
    std::int32_t TalalatMax = 0;
    template <class S, class F> static void mezok(S& s, F&& f)
    {
        f(s.Allapot); f(s.pad1); f(s.ElsoIndex); f(s.UtolsoIndex); f(s.TalalatMin); f(s.TalalatMax);
    }
    bool operator==(const TFavFeltetel&) const = default;
};

// Mobil / Fix számcsoportok, 12 bytes.
struct TCsoportFeltetel {
    static constexpr std::size_t kMeret = 12;
    std::uint8_t Allapot = 0;
    Pad3 pad1{};
    std::int32_t Meret = 0;
    std::int32_t TalalatMax = 0;
    template <class S, class F> static void mezok(S& s, F&& f)
    {
        f(s.Allapot); f(s.pad1); f(s.Meret); f(s.TalalatMax);
    }
    bool operator==(const TCsoportFeltetel&) const = default;
};

// Állandó számok, Összeg, Ikerszám, Tükör számpár, Prímszám, Számjegy
// páros-páratlan, 12 bytes.
struct TMinMaxFeltetel {
    static constexpr std::size_t kMeret = 12;
    std::uint8_t Allapot = 0;
    Pad3 pad1{};
    std::int32_t Min = 0;
    std::int32_t Max = 0;
    template <class S, class F> static void mezok(S& s, F&& f)
    {
        f(s.Allapot); f(s.pad1); f(s.Min); f(s.Max);
    }
    bool operator==(const TMinMaxFeltetel&) const = default;
};

// Szórás, 12 bytes; the limits are float32 and kept bit for bit.
struct TSzorasFeltetel {
    static constexpr std::size_t kMeret = 12;
    std::uint8_t Allapot = 0;
    Pad3 pad1{};
    float Min = 0;
    float Max = 0;
    template <class S, class F> static void mezok(S& s, F&& f)
    {
        f(s.Allapot); f(s.pad1); f(s.Min); f(s.Max);
    }
};
bool operator==(const TSzorasFeltetel& a, const TSzorasFeltetel& b);  // bitwise

// Számcsoport / Számvégződés páros-páratlan, 16 bytes.
struct TParosFeltetel {
    static constexpr std::size_t kMeret = 16;
    std::uint8_t Allapot = 0;
    Pad3 pad1{};
    std::int32_t Min = 0;
    std::int32_t Max = 0;
    std::uint8_t Jelzo = 0;  // 0 in our files; tells files older than 2500 apart
    Pad3 pad2{};
    template <class S, class F> static void mezok(S& s, F&& f)
    {
        f(s.Allapot); f(s.pad1); f(s.Min); f(s.Max); f(s.Jelzo); f(s.pad2);
    }
    bool operator==(const TParosFeltetel&) const = default;
};

// Számcsoport / Számvégződés / Számjegy ismétlődés, 16 bytes.
struct TIsmetFeltetel {
    static constexpr std::size_t kMeret = 16;
    std::uint8_t Allapot = 0;
    std::uint8_t Szama = 0;  // 1 "Egy", 0 "Több"; the radio's item index is Szama xor 1
    Pad2 pad1{};
    std::int32_t Min = 0;
    std::int32_t Max = 0;
    std::uint8_t CsakTobb = 0;
    Pad3 pad2{};
    template <class S, class F> static void mezok(S& s, F&& f)
    {
        f(s.Allapot); f(s.Szama); f(s.pad1); f(s.Min); f(s.Max); f(s.CsakTobb); f(s.pad2);
    }
    bool operator==(const TIsmetFeltetel&) const = default;
};

// Számcsoport / Számvégződés / Számjegy tételes, 168 bytes.
struct TTetel {
    std::int32_t Kod = 0;
    std::int32_t TalalatMin = 0;
    std::int32_t TalalatMax = 0;
    std::int32_t Tartalek = 0;  // nothing reads it; kept as it stands
    bool operator==(const TTetel&) const = default;
};
struct TTetelesFeltetel {
    static constexpr std::size_t kMeret = 168;
    std::uint8_t Allapot = 0;
    Pad3 pad1{};
    std::int32_t Db = 0;
    std::array<TTetel, 10> Tetel{};
    template <class S, class F> static void mezok(S& s, F&& f)
    {
        f(s.Allapot); f(s.pad1); f(s.Db);
        for (auto& t : s.Tetel) { f(t.Kod); f(t.TalalatMin); f(t.TalalatMax); f(t.Tartalek); }
    }
    bool operator==(const TTetelesFeltetel&) const = default;
};

// Eloszlás - Számcsoportok, 208 bytes.
struct TCsoport {
    std::int32_t ElsoIndex = 0;
    std::int32_t UtolsoIndex = 0;
    std::int32_t TalalatMin = 0;
    std::int32_t TalalatMax = 0;
    std::int32_t Tartalek = 0;
    bool operator==(const TCsoport&) const = default;
};
struct TSzamcsoportokFeltetel {
    static constexpr std::size_t kMeret = 208;
    std::uint8_t Allapot = 0;
    Pad3 pad1{};
    std::int32_t Db = 0;
    std::array<TCsoport, 10> Csoport{};
    template <class S, class F> static void mezok(S& s, F&& f)
    {
        f(s.Allapot); f(s.pad1); f(s.Db);
        for (auto& c : s.Csoport) { f(c.ElsoIndex); f(c.UtolsoIndex); f(c.TalalatMin); f(c.TalalatMax); f(c.Tartalek); }
    }
    bool operator==(const TSzamcsoportokFeltetel&) const = default;
};

// Találati arány, 268 bytes.
struct TTalalatiAranyFeltetel {
    static constexpr std::size_t kMeret = 268;
    std::uint8_t Allapot = 0;
    Pad3 pad1{};
    std::int32_t DbTartomany = 0;
    std::int32_t AktTartomany = 0;
    Byte10 Tipus{};  // 1 "Keresett", 0 "Kizárt"
    Pad2 pad2{};
    Int10 TalalatMin{};
    Int10 TalalatMax{};
    Int10 PBMin{};
    Int10 PBMax{};
    std::uint8_t Forras = 0;  // 0 "variáció", 1 "húzások"
    Pad3 pad3{};
    Int10 ElsoHuzas{};
    Int10 UtolsoHuzas{};
    template <class S, class F> static void mezok(S& s, F&& f)
    {
        f(s.Allapot); f(s.pad1); f(s.DbTartomany); f(s.AktTartomany); f(s.Tipus); f(s.pad2);
        f(s.TalalatMin); f(s.TalalatMax); f(s.PBMin); f(s.PBMax); f(s.Forras); f(s.pad3);
        f(s.ElsoHuzas); f(s.UtolsoHuzas);
    }
    bool operator==(const TTalalatiAranyFeltetel&) const = default;
};

// Terjedelem, 24 bytes.
struct TTerjedelemFeltetel {
    static constexpr std::size_t kMeret = 24;
    std::uint8_t Allapot = 0;
    std::uint8_t Fix = 0;
    Pad2 pad1{};
    std::int32_t FixMin = 0;
    std::int32_t FixMax = 0;
    std::uint8_t Valtozo = 0;
    Pad3 pad2{};
    std::int32_t ValtozoMin = 0;
    std::int32_t ValtozoMax = 0;
    template <class S, class F> static void mezok(S& s, F&& f)
    {
        f(s.Allapot); f(s.Fix); f(s.pad1); f(s.FixMin); f(s.FixMax); f(s.Valtozo); f(s.pad2);
        f(s.ValtozoMin); f(s.ValtozoMax);
    }
    bool operator==(const TTerjedelemFeltetel&) const = default;
};

// Szomszédos számok, 60 bytes.
struct TSzomszedosFeltetel {
    static constexpr std::size_t kMeret = 60;
    std::uint8_t Allapot = 0;
    std::uint8_t Alt = 0;
    Pad2 pad1{};
    std::int32_t SzomszedMin = 0;
    std::int32_t SzomszedMax = 0;
    std::int32_t EsetMin = 0;
    std::int32_t EsetMax = 0;
    std::uint8_t AltSorrend = 0;
    std::uint8_t Mob = 0;
    Pad2 pad2{};
    std::int32_t MobMeret = 0;
    std::int32_t MobTalalatMax = 0;
    std::uint8_t MobSorrend = 0;
    std::uint8_t Fix = 0;
    Pad2 pad3{};
    std::int32_t FixMeret = 0;
    std::int32_t FixTalalatMax = 0;
    std::uint8_t FixSorrend = 0;
    Pad3 pad4{};
    std::array<std::uint8_t, 12> Tartalek{};
    template <class S, class F> static void mezok(S& s, F&& f)
    {
        f(s.Allapot); f(s.Alt); f(s.pad1); f(s.SzomszedMin); f(s.SzomszedMax); f(s.EsetMin); f(s.EsetMax);
        f(s.AltSorrend); f(s.Mob); f(s.pad2); f(s.MobMeret); f(s.MobTalalatMax);
        f(s.MobSorrend); f(s.Fix); f(s.pad3); f(s.FixMeret); f(s.FixTalalatMax);
        f(s.FixSorrend); f(s.pad4); f(s.Tartalek);
    }
    bool operator==(const TSzomszedosFeltetel&) const = default;
};

// Sorozatok, 216 bytes. Minta[0].Tartalek carries the order flag
// SorozatSorrend (0 or 1); the other Tartalek words are never read.
struct TMinta {
    std::int32_t TavolsagMin = 0;
    std::int32_t TavolsagMax = 0;
    std::int32_t EsetMin = 0;
    std::int32_t EsetMax = 0;
    std::int32_t Tartalek = 0;
    bool operator==(const TMinta&) const = default;
};
struct TSorozatFeltetel {
    static constexpr std::size_t kMeret = 216;
    std::uint8_t Allapot = 0;
    Pad3 pad1{};
    std::int32_t DbMinta = 0;
    std::array<TMinta, 10> Minta{};
    std::int32_t MintaDbMin = 0;
    std::int32_t MintaDbMax = 0;
    template <class S, class F> static void mezok(S& s, F&& f)
    {
        f(s.Allapot); f(s.pad1); f(s.DbMinta);
        for (auto& m : s.Minta) { f(m.TavolsagMin); f(m.TavolsagMax); f(m.EsetMin); f(m.EsetMax); f(m.Tartalek); }
        f(s.MintaDbMin); f(s.MintaDbMax);
    }
    bool operator==(const TSorozatFeltetel&) const = default;
};

// Eloszlás - Számkészletek, 132 bytes: per position of the sorted line an
// entry (Elso, Utolso, unused word); the 11th entry has no room for its
// unused word.
struct TSzamkeszletFeltetel {
    static constexpr std::size_t kMeret = 132;
    std::uint8_t Allapot = 0;
    Pad3 pad1{};
    std::array<std::int32_t, 11> Elso{};
    std::array<std::int32_t, 11> Utolso{};
    std::array<std::int32_t, 10> Tartalek{};
    template <class S, class F> static void mezok(S& s, F&& f)
    {
        f(s.Allapot); f(s.pad1);
        for (std::size_t p = 0; p < 10; ++p) { f(s.Elso[p]); f(s.Utolso[p]); f(s.Tartalek[p]); }
        f(s.Elso[10]); f(s.Utolso[10]);
    }
    bool operator==(const TSzamkeszletFeltetel&) const = default;
};

// Számsorok eloszlása, 416 bytes.
struct TSzamsorokFeltetel {
    static constexpr std::size_t kMeret = 416;
    std::uint8_t Allapot = 0;
    Pad3 pad1{};
    std::int32_t KijeloltDb = 0;
    std::int32_t VariacioMeret = 0;
    std::uint8_t Tartomany = 0;
    Pad3 pad2{};
    std::int32_t DbTartomany = 0;
    std::int32_t AktTartomany = 0;
    Byte10 Tipus{};
    Pad2 pad3{};
    Int10 Elso{};
    Int10 Utolso{};
    Byte10 Mod{};
    Pad2 pad4{};
    Int10 Osztas{};
    Int10 OsztasMin{};
    Int10 OsztasMax{};
    std::array<std::uint8_t, 8> Tartalek1{};
    std::uint8_t Sorozat = 0;
    Pad3 pad5{};
    std::int32_t DbMinta = 0;
    std::int32_t AktMinta = 0;
    Byte10 MintaMod{};
    Byte10 MintaTipus{};
    Int10 MintaErtek{};
    Int10 MintaOsztas{};
    Int10 MintaMasolat{};
    std::array<std::uint8_t, 8> Tartalek2{};
    template <class S, class F> static void mezok(S& s, F&& f)
    {
        f(s.Allapot); f(s.pad1); f(s.KijeloltDb); f(s.VariacioMeret); f(s.Tartomany); f(s.pad2);
        f(s.DbTartomany); f(s.AktTartomany); f(s.Tipus); f(s.pad3); f(s.Elso); f(s.Utolso); f(s.Mod); f(s.pad4);
        f(s.Osztas); f(s.OsztasMin); f(s.OsztasMax); f(s.Tartalek1); f(s.Sorozat); f(s.pad5);
        f(s.DbMinta); f(s.AktMinta); f(s.MintaMod); f(s.MintaTipus); f(s.MintaErtek); f(s.MintaOsztas);
        f(s.MintaMasolat); f(s.Tartalek2);
    }
    bool operator==(const TSzamsorokFeltetel&) const = default;
};

// Options of the optimisation group, 104 bytes, stored with the variation
// body. Bytes 12..103 are the engine's optimisation state; the protected
// line count of Felülírás is the int32 at 60.
// The variation options with the optimisation's search state: 104 bytes,
// stored whole in the variation body. Offsets of the image:
//   0 Optimalizalas (OptAktiv)     byte   Növel or Csökkent ticked and enabled
//   1 Feluliras                    byte   lines of the variation may be rewritten
//   2 Csokkent                     byte   Csökkent chosen (clear = Növel)
//   3 Mod (OptGyorskereses)        byte   Mód: quick search
//   4 Rendez                       byte   sort the rewritable lines
//   5 pad1                         3 bytes
//   8 Arany (OptMod)               int32  Mód ratio 0..10
//  12 OptSzamsorHatar              int32  line count of the best copy (0 without one)
//  16 OptMinHatar                  int32  lowest restart row
//  20 pad2                         4 bytes
//  24 OptCiklus                    int64  regeneration cycles
//  32 OptTrillio                   int64  restarts of OptCiklus past 10^18
//  40 OptLegjobbCiklus             int64  cycle of the best copy
//  48 OptLegjobbTrillio            int64
//  56 OptUjraindulas               int32  restart row
//  60 OptVedettSzamsor             int32  protected line count of Felülírás
//  64 OptReferenciaMeret           int32  reference line count
//  68 OptHatarBajt                 byte   first index of the row at the protected count
//  69 OptPause                     byte   the search was paused
//  70 Tartalek                     34 bytes, zero
struct TVariacioOpciok {
    static constexpr std::size_t kMeret = 104;
    std::uint8_t Optimalizalas = 0;  // " Növel" or " Csökkent" ticked and enabled
    std::uint8_t Feluliras = 0;
    std::uint8_t Csokkent = 0;
    std::uint8_t Mod = 0;
    std::uint8_t Rendez = 0;
    Pad3 pad1{};
    std::int32_t Arany = 0;
    std::int32_t OptSzamsorHatar = 0;
    std::int32_t OptMinHatar = 0;
    std::array<std::uint8_t, 4> pad2{};
    std::int64_t OptCiklus = 0;
    std::int64_t OptTrillio = 0;
    std::int64_t OptLegjobbCiklus = 0;
    std::int64_t OptLegjobbTrillio = 0;
    std::int32_t OptUjraindulas = 0;
    std::int32_t OptVedettSzamsor = 0;
    std::int32_t OptReferenciaMeret = 0;
    std::uint8_t OptHatarBajt = 0;
    std::uint8_t OptPause = 0;
    std::array<std::uint8_t, 34> Tartalek{};
    template <class S, class F> static void mezok(S& s, F&& f)
    {
        f(s.Optimalizalas); f(s.Feluliras); f(s.Csokkent); f(s.Mod); f(s.Rendez); f(s.pad1); f(s.Arany);
        f(s.OptSzamsorHatar); f(s.OptMinHatar); f(s.pad2); f(s.OptCiklus); f(s.OptTrillio); f(s.OptLegjobbCiklus);
        f(s.OptLegjobbTrillio); f(s.OptUjraindulas); f(s.OptVedettSzamsor); f(s.OptReferenciaMeret);
        f(s.OptHatarBajt); f(s.OptPause); f(s.Tartalek);
    }
    std::int32_t VedettSzamsorDb() const { return OptVedettSzamsor; }
    void SetVedettSzamsorDb(std::int32_t n) { OptVedettSzamsor = n; }
    bool operator==(const TVariacioOpciok&) const = default;
};

// Writes a record's image field by field.
template <class R> void RekordIras(BinWriter& w, const R& r);
// Reads a record's image; on a short read the record is left as it was and
// the reader is in the failed state.
template <class R> bool RekordOlvasas(BinReader& rd, R& r);

// Size of a record's image.
template <class R> constexpr std::size_t RekordMeret() { return R::kMeret; }

// The conditions unit's data: working images, example images, staging
// images of old files, and the flags around the records.
struct FeltetelRekordok {
    // Working images (the tabs, the check, the files and the engine use these).
    TFavFeltetel FavFeltetel;
    TCsoportFeltetel MobFeltetel;
    TCsoportFeltetel FixFeltetel;
    TParosFeltetel SzcsParosFeltetel;
    TIsmetFeltetel SzcsIsmetFeltetel;
    TTalalatiAranyFeltetel TalalatiAranyFeltetel;
    TParosFeltetel SzvParosFeltetel;
    TIsmetFeltetel SzvIsmetFeltetel;
    TTetelesFeltetel SzamcsoportTetelesFeltetel;
    TMinMaxFeltetel OsszegFeltetel;
    TMinMaxFeltetel IkerszamFeltetel;
    TMinMaxFeltetel TukorszamFeltetel;
    TSzorasFeltetel SzorasFeltetel;
    TTerjedelemFeltetel TerjedelemFeltetel;
    TMinMaxFeltetel PrimszamFeltetel;
    TSzamcsoportokFeltetel SzamcsoportokFeltetel;
    TSzomszedosFeltetel SzomszedosFeltetel;
    TMinMaxFeltetel AllandoFeltetel;
    TTetelesFeltetel SzamvegzodesTetelesFeltetel;
    TTetelesFeltetel SzJTetelesFeltetel;
    TSorozatFeltetel SorozatFeltetel;
    TMinMaxFeltetel SzJParosFeltetel;
    TIsmetFeltetel SzJIsmetFeltetel;
    TSzamkeszletFeltetel SzamkeszletFeltetel;
    TSzamsorokFeltetel SzamsorokFeltetel;

    // Example images, written by the sample-variation builder.
    TFavFeltetel FavFeltetelPelda;
    TCsoportFeltetel MobFeltetelPelda;
    TCsoportFeltetel FixFeltetelPelda;
    TParosFeltetel SzcsParosFeltetelPelda;
    TIsmetFeltetel SzcsIsmetFeltetelPelda;
    TTalalatiAranyFeltetel TalalatiAranyFeltetelPelda;
    TParosFeltetel SzvParosFeltetelPelda;
    TIsmetFeltetel SzvIsmetFeltetelPelda;
    TMinMaxFeltetel OsszegFeltetelPelda;
    TMinMaxFeltetel IkerszamFeltetelPelda;
    TMinMaxFeltetel TukorszamFeltetelPelda;

    // Staging images for files of old versions (read and converted by the
    // file reader only).
    std::array<std::uint8_t, 212> RegiFeltetelek{};
    std::array<std::uint8_t, 12> RegiSzcsIsmetFeltetel{};
    std::array<std::uint8_t, 12> RegiSzvIsmetFeltetel{};
    std::array<std::uint8_t, 24> RegiTalalatiAranyFeltetel{};
    std::array<std::uint8_t, 188> RegiTalalatiAranyFeltetel2{};
    std::array<std::uint8_t, 12> RegiTerjedelemFeltetel{};
    std::array<std::uint8_t, 12> RegiSzorasFeltetel{};
    std::array<std::uint8_t, 56> RegiSzomszedosFeltetel{};

    // Flags and values around the records.
    bool FeltetelJelzo = false;        // at least one condition is selected
    bool LetiltottFeltetelek = false;  // switched off for hand editing of the lines
    std::uint8_t Hibapont = 0;         // error points of the variation
    std::uint8_t TalArAdatbazisTipus = 1;  // 1 the program's database, 0 a user database
    bool TalArAktiv = false;
    bool HuzasSzamsorVariacio = false;
    bool SorozatSorrend = false;
    TVariacioOpciok VariacioOpciok;
};


// The condition block of the ticket and variation files: 26 items, 2,037 bytes.
struct FeltetelBlokkElem {
    const char* Nev;
    std::size_t Eltolas;  // from the start of the block
    std::size_t Meret;
};
inline constexpr std::size_t kFeltetelBlokkMeret = 2037;
extern const std::array<FeltetelBlokkElem, 26> kFeltetelBlokk;

void FeltetelBlokkIras(BinWriter& w, const FeltetelRekordok& f);
// Reads the whole block into a copy and applies it only when all 2,037 bytes
// were there; otherwise f is untouched and the reader is in the failed state.
bool FeltetelBlokkOlvasas(BinReader& rd, FeltetelRekordok& f);

// Active-condition set: the conditions word and the sub-conditions word.
struct TFeltetelMaszk {
    std::uint64_t Feltetelek = 0;
    std::uint64_t AlFeltetelek = 0;
    bool Feltetel(int bit) const { return bit >= 0 && bit < 64 && ((Feltetelek >> bit) & 1u); }
    bool AlFeltetel(int bit) const { return bit >= 0 && bit < 64 && ((AlFeltetelek >> bit) & 1u); }
    void SetFeltetel(int bit) { Feltetelek |= std::uint64_t{1} << bit; }
    void SetAlFeltetel(int bit) { AlFeltetelek |= std::uint64_t{1} << bit; }
    void Torles() { Feltetelek = AlFeltetelek = 0; }
    bool operator==(const TFeltetelMaszk&) const = default;
};
void MaszkIras(BinWriter& w, const TFeltetelMaszk& m);
bool MaszkOlvasas(BinReader& rd, TFeltetelMaszk& m);

// Condition numbers: bits of the conditions word.
enum FeltetelBit : int {
    BitFav = 0,
    BitMob = 1,
    BitFix = 2,
    BitSzcsParos = 3,
    BitSzcsIsmet = 4,
    BitTalalatiArany = 5,
    BitSzvParos = 6,
    BitSzvIsmet = 7,
    BitSzamcsoportTeteles = 8,
    BitOsszeg = 9,
    BitIkerszam = 10,
    BitTukorszam = 11,
    BitSzoras = 12,
    BitTerjedelem = 13,
    BitPrimszam = 14,
    BitSzamcsoportok = 15,
    BitSzomszedos = 16,
    BitAllando = 17,
    BitSzamvegzodesTeteles = 18,
    BitSzJTeteles = 19,
    BitSorozat = 20,
    BitSzJParos = 21,
    BitSzJIsmet = 22,
    BitSzamkeszlet = 23,
    BitSzamsorok = 24,
    BitTalalat = 25,          // the " Találat" option; set by the engine only
    BitOptimalizalas = 26,    // an improvement by optimisation; set by the engine only
};
inline constexpr int kFeltetelekSzama = 25;  // conditions 0..24 have check boxes

// Bits of the sub-conditions word.
enum AlFeltetelBit : int {
    AlBitTerjedelemFix = 0,
    AlBitTerjedelemValtozo = 1,
    AlBitSzomszedosAlt = 2,
    AlBitSzomszedosMob = 3,
    AlBitSzomszedosFix = 4,
    AlBitSzamsorokTartomany = 5,
    AlBitSzamsorokSorozat = 6,
};

// One row of the condition table: check box caption, its box, the tab.
// Conditions with sub-conditions have one box per sub-condition.
struct FeltetelLeiras {
    int Bit;
    const char* Felirat;
    const char* Lap;
    std::array<const char*, 3> Dobozok;  // check box names (unused entries null)
    std::array<int, 3> AlBitek;          // sub-condition bits of those boxes, -1 when none
};
extern const std::array<FeltetelLeiras, kFeltetelekSzama> kFeltetelTabla;

// Check boxes that an active set ticks, in table order: the box of every set
// condition bit; for Terjedelem, Szomszédos and Számsorok eloszlása only the
// boxes whose sub-condition bit is also set.
std::vector<std::string> BejelolendoDobozok(const TFeltetelMaszk& m);

// Whether any working record is selected (its Allapot or a sub-condition byte).
bool VanKijeloltFeltetel(const FeltetelRekordok& f);

// Selects the conditions of an active set in the records: the Allapot of
// every set condition bit; for Terjedelem, Szomszédos and Számsorok eloszlása
// only the sub-conditions whose bit is also set (and then the Allapot).
// Nothing is ever unselected.
void FeltetelekMaszkbol(FeltetelRekordok& f, const TFeltetelMaszk& m);

// Item-name tables of the Tételes conditions (index = Kod).
extern const std::array<const char*, 10> kSzamcsoportNevek;
extern const std::array<const char*, 10> kSzamvegNevek;

namespace detail {

struct MezoIro {
    BinWriter& w;
    void operator()(std::uint8_t v) const { w.u8(v); }
    void operator()(std::int32_t v) const { w.i32(v); }
    void operator()(std::int64_t v) const { w.i64(v); }
    void operator()(float v) const { w.f32(v); }
    template <class T, std::size_t N> void operator()(const std::array<T, N>& a) const
    {
        for (const T& v : a) (*this)(v);
    }
};

struct MezoOlvaso {
    BinReader& rd;
    void operator()(std::uint8_t& v) const { rd.u8(v); }
    void operator()(std::int32_t& v) const { rd.i32(v); }
    void operator()(std::int64_t& v) const { rd.i64(v); }
    void operator()(float& v) const { rd.f32(v); }
    template <class T, std::size_t N> void operator()(std::array<T, N>& a) const
    {
        for (T& v : a) (*this)(v);
    }
};

}  // namespace detail

template <class R> void RekordIras(BinWriter& w, const R& r)
{
    R::mezok(r, detail::MezoIro{w});
}

template <class R> bool RekordOlvasas(BinReader& rd, R& r)
{
    if (!rd.has(R::kMeret)) {
        rd.skip(R::kMeret);  // puts the reader in the failed state
        return false;
    }
    R uj;
    R::mezok(uj, detail::MezoOlvaso{rd});
    if (!rd.ok()) return false;
    r = uj;
    return true;
}

}  // namespace kvx
