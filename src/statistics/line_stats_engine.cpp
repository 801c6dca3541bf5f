#include "statistics/line_stats_engine.h"

#include "statistics/line_sum_stats.h"
#include "statistics/number_set_stats.h"
#include "statistics/pair_stats.h"

namespace kvx {

bool SzamsorStatTag(std::int32_t tag)
{
    switch (tag) {
    case 8: case 9: case 14: case 15: case 16: case 17: case 18: case 19: case 20: case 21: case 22: case 23:
    case 26: case 27:
        return true;
    default:
        return false;
    }
}

SzamsorBejarasBemenet SzamsorBejarasBeallitasa(const StatMunkavaltozok& v, const GameParams& g,
                                               bool huzasSzamsorVariacio, const TTombByte1D& kijeloltSzamok,
                                               std::int32_t kijeloltFoSzamDb)
{
    SzamsorBejarasBemenet b;
    b.Jatek = g;
    b.Elso = v.TartomanyElso;
    b.Utolso = v.TartomanyUtolso;
    b.HuzasSzamsorVariacio = huzasSzamsorVariacio;
    b.KijeloltSzamok = kijeloltSzamok;
    b.KijeloltFoSzamDb = kijeloltFoSzamDb;
    b.K = v.VizsgaltSzamDb;
    b.VizsgaltSorDb = v.VizsgaltSorDb;
    if (v.SzamparStat) {
        b.Poziciok = true;
        b.PluszDb = g.VanPluszSzam && g.PluszSzamDb > 1 ? g.PluszSzamDb : 0;
    }
    return b;
}

bool SzomszedosStatTag(std::int32_t tag)
{
    return tag >= 18 && tag <= 21;
}

bool SzamsorStatLekerdezes(std::int32_t tag, StatMasolat& c, const SzamsorBejarasBemenet& b, StatFutas& f,
                           StatEredmeny& e, std::shared_ptr<const SzomszedosEredmeny>* szomszed)
{
    f.CiklusDb.store(1);
    f.Ciklus.store(1);
    // A neighbour slot without the line table of its source is built again:
    // the text report could not be shown from it.
    const bool tablaHianyzik = SzomszedosStatTag(tag) && szomszed && !*szomszed;
    if (!tablaHianyzik && c.Betoltes(tag, e))
        return f.StatisztikaFut.load();
    switch (tag) {
    case 8: case 14: OsszegStatisztika(b, f, e); break;
    case 9: case 15: SzorasStatisztika(b, f, e); break;
    case 16: case 17: TerjedelemStatisztika(b, f, e); break;
    case 22: case 23: SzamparStatisztika(b, f, e); break;
    case 26: case 27: EgymastKovetoSzamStatisztika(b, f, e); break;
    case 18: case 19: case 20: case 21: {
        SzomszedosEredmeny s;
        SzomszedosSzamok(b, f, e, s);
        if (szomszed && f.StatisztikaFut.load())
            *szomszed = std::make_shared<const SzomszedosEredmeny>(std::move(s));
        break;
    }
    default: return false;
    }
    if (!f.StatisztikaFut.load())
        return false;
    c.Tarolas(tag, e);
    return true;
}

bool SorszamStatTag(std::int32_t tag)
{
    return tag == 24 || tag == 25 || tag == 32 || tag == 33;
}

std::int32_t SorszamStatPar(std::int32_t tag)
{
    switch (tag) {
    case 24: return 33;
    case 33: return 24;
    case 25: return 32;
    case 32: return 25;
    default: return 0;
    }
}

bool SorszamStatLekerdezes(std::int32_t tag, StatMasolat& c, const SzamsorBejarasBemenet& b, const NumberingDims& d,
                           std::int64_t N, std::int32_t f, std::shared_ptr<const SorszamTablak>& tablak, StatFutas& fu,
                           StatEredmeny& e)
{
    fu.CiklusDb.store(1);
    fu.Ciklus.store(1);
    const bool lepes = tag == 32 || tag == 33;
    // One walk fills the tables of both statistics of a source: the slot of
    // either shows that the kept tables are those of the data as it stands.
    if (!(c.Van(tag) || c.Van(SorszamStatPar(tag))) || !tablak) {
        auto uj = std::make_shared<SorszamTablak>(SorszamEloszlasSzamitas(b, d, N, tag == 25 || tag == 32, fu));
        if (!fu.StatisztikaFut.load())
            return false;
        tablak = std::move(uj);
    }
    SorszamEloszlasTabla(*tablak, f, lepes, e);
    c.Tarolas(tag, e);
    return fu.StatisztikaFut.load();
}

bool SzamkeszletStatTag(std::int32_t tag)
{
    return tag >= 28 && tag <= 31;
}

bool SzamkeszletStatLekerdezes(std::int32_t tag, StatMasolat& c, const SzamsorBejarasBemenet& b, std::int32_t f,
                               std::shared_ptr<const TTombInt2D>& tabla, StatFutas& fu, StatEredmeny& e)
{
    fu.CiklusDb.store(1);
    fu.Ciklus.store(1);
    if (!c.Van(tag) || !tabla || (b.Adatbazis() && b.Jatek.LottoIndex == 17)) {
        auto uj = std::make_shared<const TTombInt2D>(SzamkeszletTablaEpites(b, fu));
        if (!fu.StatisztikaFut.load()) {
            tabla.reset();
            return false;
        }
        tabla = std::move(uj);
    }
    SzamkeszletEredmeny(*tabla, f, b, e);
    c.Tarolas(tag, e);
    return fu.StatisztikaFut.load();
}

}  // namespace kvx
