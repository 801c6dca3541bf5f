#include "statistics/stat_result.h"

namespace kvx {

void StatEredmeny::SetSortArray(std::int32_t sorok, std::int32_t oszlopok)
{
    sorok = sorok < 0 ? 0 : sorok;
    oszlopok = oszlopok < 0 ? 0 : oszlopok;
    SortArray.resize(static_cast<std::size_t>(sorok));
    for (TTombInt1D& s : SortArray)
        s.resize(static_cast<std::size_t>(oszlopok), 0);
}

StatOldal SlotOldala(std::int32_t tag)
{
    switch (tag) {
    case 1: case 2:
        return StatOldal::Foszelveny;
    case 3: case 10: case 11: case 12: case 13: case 14: case 15: case 16:
    case 18: case 19: case 23: case 25: case 27: case 29: case 31: case 32:
        return StatOldal::Variacio;
    case 4: case 5: case 6: case 7: case 8: case 9: case 17: case 20: case 21:
    case 22: case 24: case 26: case 28: case 30: case 33:
        return StatOldal::Adatbazis;
    default:
        return StatOldal::Nincs;
    }
}

namespace {

bool ervenyes(std::int32_t tag) { return tag > 0 && tag < kStatSlotDb; }

}  // namespace

bool StatMasolat::Van(std::int32_t tag) const
{
    return ervenyes(tag) && !Tablak[static_cast<std::size_t>(tag)].empty();
}

bool StatMasolat::Betoltes(std::int32_t tag, StatEredmeny& e) const
{
    if (!Van(tag))
        return false;
    e.SortArray = Tablak[static_cast<std::size_t>(tag)];
    e.StatErtekek = Ertekek[static_cast<std::size_t>(tag)];
    return true;
}

void StatMasolat::Tarolas(std::int32_t tag, const StatEredmeny& e)
{
    if (!ervenyes(tag))
        return;
    Tablak[static_cast<std::size_t>(tag)] = e.SortArray;
    Ertekek[static_cast<std::size_t>(tag)] = e.StatErtekek;
}

void StatMasolat::Torles(StatOldal o)
{
    for (std::int32_t t = 1; t < kStatSlotDb; ++t)
        if (SlotOldala(t) == o)
            Tablak[static_cast<std::size_t>(t)].clear();
    if (o == StatOldal::Variacio)
        GyakorisagTabla.clear();
}

void StatMasolat::VMasolatTorles() { Torles(StatOldal::Variacio); }
void StatMasolat::AMasolatTorles() { Torles(StatOldal::Adatbazis); }
void StatMasolat::A1MasolatTorles() { Torles(StatOldal::Foszelveny); }

bool StatMasolat::OldalonVan(StatOldal o) const
{
    for (std::int32_t t = 1; t < kStatSlotDb; ++t)
        if (SlotOldala(t) == o && Van(t))
            return true;
    return false;
}

}  // namespace kvx
