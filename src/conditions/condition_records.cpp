#include "conditions/condition_records.h"

#include <bit>
#include <cstring>
#include <type_traits>

namespace kvx {

bool operator==(const TSzorasFeltetel& a, const TSzorasFeltetel& b)
{
    return a.Allapot == b.Allapot && a.pad1 == b.pad1 &&
           std::bit_cast<std::uint32_t>(a.Min) == std::bit_cast<std::uint32_t>(b.Min) &&
           std::bit_cast<std::uint32_t>(a.Max) == std::bit_cast<std::uint32_t>(b.Max);
}

namespace {

// The block's items in file order; the one place that fixes the order.
template <class S, class F> void blokkElemek(S& f, F&& fn)
{
    fn("FavFeltetel", f.FavFeltetel);
    fn("MobFeltetel", f.MobFeltetel);
    fn("FixFeltetel", f.FixFeltetel);
    fn("SzcsParosFeltetel", f.SzcsParosFeltetel);
    fn("SzcsIsmetFeltetel", f.SzcsIsmetFeltetel);
    fn("TalalatiAranyFeltetel", f.TalalatiAranyFeltetel);
    fn("SzvParosFeltetel", f.SzvParosFeltetel);
    fn("SzvIsmetFeltetel", f.SzvIsmetFeltetel);
    fn("OsszegFeltetel", f.OsszegFeltetel);
    fn("IkerszamFeltetel", f.IkerszamFeltetel);
    fn("TukorszamFeltetel", f.TukorszamFeltetel);
    fn("SzorasFeltetel", f.SzorasFeltetel);
    fn("TerjedelemFeltetel", f.TerjedelemFeltetel);
    fn("PrimszamFeltetel", f.PrimszamFeltetel);
    fn("SzamcsoportokFeltetel", f.SzamcsoportokFeltetel);
    fn("SzomszedosFeltetel", f.SzomszedosFeltetel);
    fn("TalArAdatbazisTipus", f.TalArAdatbazisTipus);
    fn("AllandoFeltetel", f.AllandoFeltetel);
    fn("SzamcsoportTetelesFeltetel", f.SzamcsoportTetelesFeltetel);
    fn("SzamvegzodesTetelesFeltetel", f.SzamvegzodesTetelesFeltetel);
    fn("SzJTetelesFeltetel", f.SzJTetelesFeltetel);
    fn("SorozatFeltetel", f.SorozatFeltetel);
    fn("SzJParosFeltetel", f.SzJParosFeltetel);
    fn("SzJIsmetFeltetel", f.SzJIsmetFeltetel);
    fn("SzamkeszletFeltetel", f.SzamkeszletFeltetel);
    fn("SzamsorokFeltetel", f.SzamsorokFeltetel);
}

template <class T> constexpr std::size_t elemMeret()
{
    if constexpr (std::is_same_v<T, std::uint8_t>)
        return 1;
    else
        return T::kMeret;
}

std::array<FeltetelBlokkElem, 26> blokkTabla()
{
    std::array<FeltetelBlokkElem, 26> t{};
    const FeltetelRekordok minta;
    std::size_t i = 0, eltolas = 0;
    blokkElemek(minta, [&](const char* nev, const auto& elem) {
        const std::size_t meret = elemMeret<std::remove_cvref_t<decltype(elem)>>();
        t[i++] = {nev, eltolas, meret};
        eltolas += meret;
    });
    return t;
}

}  // namespace

const std::array<FeltetelBlokkElem, 26> kFeltetelBlokk = blokkTabla();

void FeltetelBlokkIras(BinWriter& w, const FeltetelRekordok& f)
{
    blokkElemek(f, [&](const char*, const auto& elem) {
        if constexpr (std::is_same_v<std::remove_cvref_t<decltype(elem)>, std::uint8_t>)
            w.u8(elem);
        else
            RekordIras(w, elem);
    });
}

bool FeltetelBlokkOlvasas(BinReader& rd, FeltetelRekordok& f)
{
    if (!rd.has(kFeltetelBlokkMeret)) {
        rd.skip(kFeltetelBlokkMeret);
        return false;
    }
    FeltetelRekordok uj = f;
    blokkElemek(uj, [&](const char*, auto& elem) {
        if constexpr (std::is_same_v<std::remove_cvref_t<decltype(elem)>, std::uint8_t>)
            rd.u8(elem);
        else
            RekordOlvasas(rd, elem);
    });
    if (!rd.ok()) return false;
    f = uj;
    return true;
}

void MaszkIras(BinWriter& w, const TFeltetelMaszk& m)
{
    w.u64(m.Feltetelek);
    w.u64(m.AlFeltetelek);
}

bool MaszkOlvasas(BinReader& rd, TFeltetelMaszk& m)
{
    TFeltetelMaszk uj;
    rd.u64(uj.Feltetelek);
    rd.u64(uj.AlFeltetelek);
    if (!rd.ok()) return false;
    m = uj;
    return true;
}

const std::array<FeltetelLeiras, kFeltetelekSzama> kFeltetelTabla = {{
    {BitFav, " Favorizált számok", " Eloszlás ", {"FavAllapotBox", nullptr, nullptr}, {-1, -1, -1}},
    {BitMob, " Mobil számcsoportok", " Eloszlás ", {"MobAllapotBox", nullptr, nullptr}, {-1, -1, -1}},
    {BitFix, " Fix számcsoportok", " Eloszlás ", {"FixAllapotBox", nullptr, nullptr}, {-1, -1, -1}},
    {BitSzcsParos, " Páros-páratlan", " Számcsoport ", {"SzcsParosBox", nullptr, nullptr}, {-1, -1, -1}},
    {BitSzcsIsmet, " Ismétlődés", " Számcsoport ", {"SzcsIsmetBox", nullptr, nullptr}, {-1, -1, -1}},
    {BitTalalatiArany, " Találati arány", " Találati arány ", {"TalArAllapotBox", nullptr, nullptr}, {-1, -1, -1}},
    {BitSzvParos, " Páros-páratlan", " Számvégződés ", {"SzvParosBox", nullptr, nullptr}, {-1, -1, -1}},
    {BitSzvIsmet, " Ismétlődés", " Számvégződés ", {"SzvIsmetBox", nullptr, nullptr}, {-1, -1, -1}},
    {BitSzamcsoportTeteles, " Tételes", " Számcsoport ", {"SzamcsoportTetelesAllapotBox", nullptr, nullptr},
     {-1, -1, -1}},
    {BitOsszeg, " Összeg", " Math ", {"EsemOsszegBox", nullptr, nullptr}, {-1, -1, -1}},
    {BitIkerszam, " Ikerszám", " Események ", {"IkerszamBox", nullptr, nullptr}, {-1, -1, -1}},
    {BitTukorszam, " Tükör számpár", " Események ", {"TukorszamBox", nullptr, nullptr}, {-1, -1, -1}},
    {BitSzoras, " Szórás", " Math ", {"MathSzorasBox", nullptr, nullptr}, {-1, -1, -1}},
    {BitTerjedelem, "Terjedelem", " Math ", {"FixTartomanyBox", "MobilTartomanyBox", nullptr},
     {AlBitTerjedelemFix, AlBitTerjedelemValtozo, -1}},
    {BitPrimszam, " Prímszám", " Események ", {"PrimszamBox", nullptr, nullptr}, {-1, -1, -1}},
    {BitSzamcsoportok, " Számcsoportok", " Eloszlás ", {"SzamcsoportAllapotBox", nullptr, nullptr}, {-1, -1, -1}},
    {BitSzomszedos, "Szomszédos számok", " Események ", {"SzomszedosAltBox", "SzomszedosMobBox", "SzomszedosFixBox"},
     {AlBitSzomszedosAlt, AlBitSzomszedosMob, AlBitSzomszedosFix}},
    {BitAllando, " Állandó számok", " Eloszlás ", {"AllandoAllapotBox", nullptr, nullptr}, {-1, -1, -1}},
    {BitSzamvegzodesTeteles, " Tételes", " Számvégződés ", {"SzamvegzodesTetelesAllapotBox", nullptr, nullptr},
     {-1, -1, -1}},
    {BitSzJTeteles, " Tételes", " Számjegy ", {"SzJTetelesAllapotBox", nullptr, nullptr}, {-1, -1, -1}},
    {BitSorozat, " Sorozatok", " Spec ", {"SorozatAllapotBox", nullptr, nullptr}, {-1, -1, -1}},
    {BitSzJParos, " Páros-páratlan", " Számjegy ", {"SzJParosBox", nullptr, nullptr}, {-1, -1, -1}},
    {BitSzJIsmet, " Ismétlődés", " Számjegy ", {"SzJIsmetBox", nullptr, nullptr}, {-1, -1, -1}},
    {BitSzamkeszlet, " Számkészletek", " Eloszlás ", {"SzamokAllapotBox", nullptr, nullptr}, {-1, -1, -1}},
    {BitSzamsorok, "Számsorok eloszlása", " Spec ", {"SzamsorokTartomanyBox", "SzamsorokSorozatokBox", nullptr},
     {AlBitSzamsorokTartomany, AlBitSzamsorokSorozat, -1}},
}};

std::vector<std::string> BejelolendoDobozok(const TFeltetelMaszk& m)
{
    std::vector<std::string> dobozok;
    for (const FeltetelLeiras& f : kFeltetelTabla) {
        if (!m.Feltetel(f.Bit)) continue;
        for (std::size_t i = 0; i < f.Dobozok.size(); ++i) {
            if (!f.Dobozok[i]) continue;
            if (f.AlBitek[i] >= 0 && !m.AlFeltetel(f.AlBitek[i])) continue;
            dobozok.emplace_back(f.Dobozok[i]);
        }
    }
    return dobozok;
}

namespace {

// The Allapot byte of every working record with its condition bit; the
// conditions with sub-conditions are handled apart.
template <class F, class Fn> void allapotok(F& f, Fn&& fn)
{
    fn(BitFav, f.FavFeltetel.Allapot);
    fn(BitMob, f.MobFeltetel.Allapot);
    fn(BitFix, f.FixFeltetel.Allapot);
    fn(BitSzcsParos, f.SzcsParosFeltetel.Allapot);
    fn(BitSzcsIsmet, f.SzcsIsmetFeltetel.Allapot);
    fn(BitTalalatiArany, f.TalalatiAranyFeltetel.Allapot);
    fn(BitSzvParos, f.SzvParosFeltetel.Allapot);
    fn(BitSzvIsmet, f.SzvIsmetFeltetel.Allapot);
    fn(BitSzamcsoportTeteles, f.SzamcsoportTetelesFeltetel.Allapot);
    fn(BitOsszeg, f.OsszegFeltetel.Allapot);
    fn(BitIkerszam, f.IkerszamFeltetel.Allapot);
    fn(BitTukorszam, f.TukorszamFeltetel.Allapot);
    fn(BitSzoras, f.SzorasFeltetel.Allapot);
    fn(BitPrimszam, f.PrimszamFeltetel.Allapot);
    fn(BitSzamcsoportok, f.SzamcsoportokFeltetel.Allapot);
    fn(BitAllando, f.AllandoFeltetel.Allapot);
    fn(BitSzamvegzodesTeteles, f.SzamvegzodesTetelesFeltetel.Allapot);
    fn(BitSzJTeteles, f.SzJTetelesFeltetel.Allapot);
    fn(BitSorozat, f.SorozatFeltetel.Allapot);
    fn(BitSzJParos, f.SzJParosFeltetel.Allapot);
    fn(BitSzJIsmet, f.SzJIsmetFeltetel.Allapot);
    fn(BitSzamkeszlet, f.SzamkeszletFeltetel.Allapot);
}

}  // namespace

bool VanKijeloltFeltetel(const FeltetelRekordok& f)
{
    bool van = false;
    allapotok(f, [&](int, std::uint8_t a) { van = van || a != 0; });
    const TTerjedelemFeltetel& t = f.TerjedelemFeltetel;
    const TSzomszedosFeltetel& sz = f.SzomszedosFeltetel;
    const TSzamsorokFeltetel& ss = f.SzamsorokFeltetel;
    return van || t.Allapot || t.Fix || t.Valtozo || sz.Allapot || sz.Alt || sz.Mob || sz.Fix || ss.Allapot ||
           ss.Tartomany || ss.Sorozat;
}

void FeltetelekMaszkbol(FeltetelRekordok& f, const TFeltetelMaszk& m)
{
    allapotok(f, [&](int bit, std::uint8_t& a) {
        if (m.Feltetel(bit)) a = 1;
    });
    auto al = [&](int bit, int alBit, std::uint8_t& b, std::uint8_t& allapot) {
        if (m.Feltetel(bit) && m.AlFeltetel(alBit)) b = allapot = 1;
    };
    TTerjedelemFeltetel& t = f.TerjedelemFeltetel;
    al(BitTerjedelem, AlBitTerjedelemFix, t.Fix, t.Allapot);
    al(BitTerjedelem, AlBitTerjedelemValtozo, t.Valtozo, t.Allapot);
    TSzomszedosFeltetel& sz = f.SzomszedosFeltetel;
    al(BitSzomszedos, AlBitSzomszedosAlt, sz.Alt, sz.Allapot);
    al(BitSzomszedos, AlBitSzomszedosMob, sz.Mob, sz.Allapot);
    al(BitSzomszedos, AlBitSzomszedosFix, sz.Fix, sz.Allapot);
    TSzamsorokFeltetel& ss = f.SzamsorokFeltetel;
    al(BitSzamsorok, AlBitSzamsorokTartomany, ss.Tartomany, ss.Allapot);
    al(BitSzamsorok, AlBitSzamsorokSorozat, ss.Sorozat, ss.Allapot);
}

const std::array<const char*, 10> kSzamcsoportNevek = {
    "Nullás", "Tízes", "Húszas", "Harmincas", "Negyvenes", "Ötvenes", "Hatvanas", "Hetvenes", "Nyolcvanas", "Kilencvenes",
};
const std::array<const char*, 10> kSzamvegNevek = {
    "Nullás", "Egyes", "Kettes", "Hármas", "Négyes", "Ötös", "Hatos", "Hetes", "Nyolcas", "Kilences",
};

}  // namespace kvx
