#include "draws/database_file.h"

#include "draws/draw_ranges.h"

#include <filesystem>
#include <limits>
#include <new>

namespace kvx {

const char* const kErvenytelenMeretUzenet = "Érvénytelen méretű állomány.";
const char* const kTulSokHuzasUzenet =
    "Több mint 100 000 húzás adatainak betöltését kezdeményezte.\r\nAz aktuális verzió ezt nem teszi lehetővé.";
const char* const kErvenytelenAllomanyUzenet =
    "Érvénytelen, sérült vagy foglalt állomány - esetleg módosult a játék számkészlete, szabályzata.";
const char* const kAdatbazisBetoltesHiba = "Hiba történt az adatbázis állományának betöltése során.";
const char* const kAdatbazisMentesHiba = "Hiba történt az adatbázis állományának mentése során.";

namespace {

constexpr const char* kCRLF = "\r\n";

std::string sz(std::int64_t v) { return std::to_string(v); }

bool OlvasVerzio(BinReader& r, THuzVerzio& v)
{
    r.i32(v.Fo);
    r.i32(v.Al);
    r.i32(v.Kiadas);
    return r.ok();
}

std::string MasikJatekKerdes(std::int32_t fajlJatek, const std::string& utvonal)
{
    return std::string("Egy másik játék, a(z) ") + JatekNev[static_cast<std::size_t>(fajlJatek)] +
           " húzásainak adatbázisát tölti be." + kCRLF +
           "Amennyiben érvénytelen adatot tartalmaz az állomány, a program megszakítja a betöltés folyamatát." +
           kCRLF + kCRLF + "Sikeres betöltés esetén" + kCRLF +
           "Ha módosítja az adatbázis tartalmát, a program automatikusan, az alábbi útvonalon menti az állományt:" +
           kCRLF + utvonal + kCRLF + kCRLF +
           "Klónozhatja az adatbázist, módosíthatja nevét és elérésének útvonalát:" + kCRLF +
           "Adatbázis - Alternatív adatbázis - Mentés másként" + kCRLF + kCRLF +
           "Folytatja az adatbázis betöltését?";
}

// Message for a first record that holds fewer numbers than the game draws.
std::string KevesSzamUzenet(const GameParams& p, const THuzRekord& rek, std::int32_t R, std::int32_t V)
{
    const std::string nev = JatekNev[static_cast<std::size_t>(p.LottoIndex)];
    if (p.VanPotSzam)
        return nev + ": " + sz(p.SzamsorHossz) + " törzsszámot és " + sz(p.PotSzamok) + " plusz számot sorsolnak" +
               kCRLF + kCRLF + "Az import adatbázisnak minimum " + sz(p.SzamsorHossz) +
               " törzsszámot kell tartalmaznia.";
    if (p.VanPluszSzam) {
        std::int32_t fo = 0, plusz = 0;
        for (std::int32_t i = 0; i < p.SzamsorHossz && i < static_cast<std::int32_t>(kHuzRekordSzamok); ++i) {
            const std::uint8_t b = rek.Szamok[static_cast<std::size_t>(i)];
            if (i < p.SzamsorFoSzamDb) {
                if (b != 0)
                    ++fo;
            } else if (b != 0 && b != p.FoSzamKeszlet) {
                ++plusz;
            }
        }
        return nev + ": " + sz(p.SzamsorFoSzamDb) + " törzsszámot és " + sz(p.PluszSzamDb) + p.PluszSzamNev +
               " számot sorsolnak" + kCRLF + kCRLF + sz(R) + ". húzás: törzsszámok " + sz(fo) + " db, " +
               p.PluszSzamNev + " számok " + sz(plusz) + " db";
    }
    std::string s;
    if (p.KenoJatek)
        s = nev + ": 20 számot sorsolnak" + kCRLF + "Import adatbázis esetén, a számsoroknak minimum " +
            sz(p.SzamsorHossz) + " számot kell tartalmazniuk.";
    else
        s = nev + ": " + sz(p.SzamsorHossz) + " számot sorsolnak";
    const bool kovetkezoNemNulla =
        static_cast<std::size_t>(V) < kHuzRekordSzamok && rek.Szamok[static_cast<std::size_t>(V)] != 0;
    if (kovetkezoNemNulla)
        s += std::string(kCRLF) + kCRLF + sz(R) + ". húzás számainak mennyisége " + sz(V);
    else
        s += std::string(kCRLF) + kCRLF + sz(R) + ". húzás " + sz(V + 1) + ". száma nulla.";
    return s;
}

// True when a non-zero value occurs twice among b[from..to).
bool VanIsmetles(const std::array<std::uint8_t, kHuzRekordSzamok>& b, std::int32_t from, std::int32_t to)
{
    std::array<bool, 256> volt{};
    for (std::int32_t i = from; i < to; ++i) {
        const std::uint8_t v = b[static_cast<std::size_t>(i)];
        if (v == 0)
            continue;
        if (volt[v])
            return true;
        volt[v] = true;
    }
    return false;
}

// Checks the numbers of record R against the game p and stores them into
// `sor`. Returns the message of the first rule that fails, empty when valid.
std::string SzamokEllenorzese(const GameParams& p, const THuzRekord& rek, std::int32_t R, TTombInt1D& sor)
{
    const auto& b = rek.Szamok;
    const std::string Rs = sz(R);
    const std::int32_t huzott = std::min<std::int32_t>(p.HuzottSzamok, static_cast<std::int32_t>(kHuzRekordSzamok));
    const std::int32_t elsoVege = p.SzamsorHossz + p.PotSzamok;  // bytes of the first drawing
    for (std::int32_t Z = 3; Z <= huzott + 2; ++Z) {
        const std::int32_t k = Z - 2;
        const std::uint8_t v = b[static_cast<std::size_t>(k - 1)];
        // 1. Range.
        if (v > p.OsszesSzam) {
            if (p.VanPluszSzam && k > p.SzamsorFoSzamDb)
                return Rs + ". húzás " + sz(k - p.SzamsorFoSzamDb) + "." + p.PluszSzamNev +
                       " száma érvénytelen tartományba esik.";
            // The bonus numbers follow the line's SzamsorHossz numbers; the
            // last main number is not a bonus number.
            if (p.VanPotSzam && k > p.SzamsorHossz && k <= p.SzamsorHossz + p.PotSzamok)
                return Rs + ". húzás " + sz(k - p.SzamsorHossz) +
                       ". plusz száma érvénytelen tartományba esik.";
            return Rs + ". húzás " + sz(k) + ". száma érvénytelen tartományba esik.";
        }
        // 2. Missing main number.
        if (v == 0 && k <= p.SzamsorFoSzamDb)
            return Rs + ". húzás " + sz(k) + ". törzsszáma nulla - hiányos számsor.";
        // 3. Missing extra-pool number.
        if (p.VanPluszSzam && k > p.SzamsorFoSzamDb && p.LottoIndex != 37 &&
            (v == 0 || v == p.FoSzamKeszlet))
            return Rs + ". húzás " + sz(k - p.SzamsorFoSzamDb) + "." + p.PluszSzamNev +
                   " száma nulla - hiányos számsor.";
        // 4. The first drawing as a whole.
        if (Z == elsoVege + 2) {
            for (std::int32_t i = 0; i + 1 < elsoVege; ++i)
                if (b[static_cast<std::size_t>(i)] != 0 && b[static_cast<std::size_t>(i)] == b[static_cast<std::size_t>(i + 1)])
                    return Rs + ". húzás azonos számokat tartalmaz.";
            if (p.VanPotSzam) {
                for (std::int32_t i = 0; i < p.SzamsorHossz; ++i)
                    for (std::int32_t j = p.SzamsorHossz; j < elsoVege; ++j)
                        if (b[static_cast<std::size_t>(j)] != 0 && b[static_cast<std::size_t>(i)] == b[static_cast<std::size_t>(j)])
                            return Rs + ". húzás " + sz(i + 1) + ". törzsszáma azonos a plusz számmal.";
            }
            if (p.PotSzamok > 1) {
                std::int32_t nulla = 0;
                for (std::int32_t j = p.SzamsorHossz; j < elsoVege; ++j)
                    if (b[static_cast<std::size_t>(j)] == 0)
                        ++nulla;
                const bool megengedett = p.LottoIndex == 38 && nulla == 1;
                if (nulla > 0 && nulla < p.PotSzamok && !megengedett)
                    return Rs + ". húzás egyik plusz száma nulla - hiányos számsor.";
            }
        }
        // 5. The second drawing of a two-drawing game.
        if (p.TobbSorsolas && Z == elsoVege + 3) {
            const std::int32_t s0 = elsoVege;
            const std::int32_t utolso = huzott - 1;
            std::int32_t nulla = 0;
            for (std::int32_t i = s0; i < s0 + p.SzamsorHossz && i < huzott; ++i)
                if (b[static_cast<std::size_t>(i)] == 0)
                    ++nulla;
            if (nulla > 0 && nulla < p.SzamsorHossz)
                return Rs + ". húzás 2. számsorából egy/több törzsszám nulla.";
            if (p.VanPotSzam && nulla > 0 && b[static_cast<std::size_t>(utolso)] != 0)
                return Rs + ". húzás 2. számsorának plusz száma csak nulla lehet.";
            if (nulla == 0) {
                for (std::int32_t i = s0; i < utolso; ++i)
                    if (b[static_cast<std::size_t>(i)] == b[static_cast<std::size_t>(i + 1)])
                        return Rs + ". húzás 2. számsora azonos számokat tartalmaz.";
                if (p.VanPotSzam)
                    for (std::int32_t i = s0; i < utolso; ++i)
                        if (b[static_cast<std::size_t>(i)] == b[static_cast<std::size_t>(utolso)])
                            return Rs + ". húzás 2. számsorának " + sz(i - p.SzamsorHossz) +
                                   ". törzsszáma azonos a plusz számmal.";
            }
        }
        sor[static_cast<std::size_t>(Z)] = v;
    }
    // A number drawn twice is refused even when the two are not neighbours
    // (a file whose numbers are not in order, or numbers past the line length).
    const std::int32_t elsoHuzas = std::min(p.HuzottFoSzamok + p.PotSzamok, huzott);
    if (VanIsmetles(b, 0, elsoHuzas))
        return Rs + ". húzás azonos számokat tartalmaz.";
    if (p.TobbSorsolas && VanIsmetles(b, elsoVege, huzott))
        return Rs + ". húzás 2. számsora azonos számokat tartalmaz.";
    return {};
}

}  // namespace

bool THuzVerzio::Ervenyes() const
{
    return Fo >= 0 && Al >= 0 && Kiadas >= 0 && Osszetett() <= std::numeric_limits<std::int32_t>::max();
}

bool OlvasHuzFejlec(BinReader& r, THuzFejlec& f)
{
    OlvasVerzio(r, f.Verzio);
    r.i32(f.LottoIndex);
    return r.ok();
}

void IrHuzFejlec(BinWriter& w, const THuzFejlec& f)
{
    w.i32(f.Verzio.Fo);
    w.i32(f.Verzio.Al);
    w.i32(f.Verzio.Kiadas);
    w.i32(f.LottoIndex);
}

bool OlvasHuzRekord(BinReader& r, THuzRekord& rek)
{
    r.i32(rek.Sorszam);
    r.u16(rek.Ev);
    r.u8(rek.Het);
    r.bytes(rek.Szamok.data(), rek.Szamok.size());
    return r.ok();
}

bool OlvasHuzRekordRegi(BinReader& r, THuzRekord& rek, std::int32_t huzottSzamok)
{
    std::array<std::uint8_t, kHuzRekordRegiSzamok> szamok{};
    r.skip(4);
    r.i32(rek.Sorszam);
    r.u16(rek.Ev);
    r.u8(rek.Het);
    r.bytes(szamok.data(), szamok.size());
    if (!r.ok())
        return false;
    const std::size_t n = static_cast<std::size_t>(std::clamp<std::int32_t>(huzottSzamok, 0, kHuzRekordRegiSzamok));
    for (std::size_t i = 0; i < n; ++i)
        rek.Szamok[i] = szamok[i];
    return true;
}

void IrHuzRekord(BinWriter& w, const THuzRekord& rek)
{
    w.i32(rek.Sorszam);
    w.u16(rek.Ev);
    w.u8(rek.Het);
    w.bytes(rek.Szamok.data(), rek.Szamok.size());
}

THuzVerzio HuzasIroVerzio()
{
    THuzVerzio v{KAVAREX_VERSION_MAJOR, KAVAREX_VERSION_MINOR, KAVAREX_VERSION_PATCH};
    if (v.Osszetett() < 2660)
        v = THuzVerzio{2, 6, 6};
    return v;
}

HuzasRekordEllenorzes::HuzasRekordEllenorzes(const GameParams& g, bool adatbazisTipus)
    : p_(g), adatbazisTipus_(adatbazisTipus)
{
}

std::string HuzasRekordEllenorzes::Ellenoriz(const THuzRekord& rek, TTombInt1D& sor)
{
    const std::int32_t R = ++r_;
    const std::string Rs = std::to_string(R);
    if (R == 1) {
        std::int32_t V = 0;
        const std::int32_t korlat = std::min<std::int32_t>(p_.HuzottSzamok + 1, kHuzRekordSzamok);
        while (V < korlat && rek.Szamok[static_cast<std::size_t>(V)] != 0)
            ++V;
        if (V < p_.HuzottSzamok && V < p_.SzamsorHossz)
            return KevesSzamUzenet(p_, rek, R, V);
        if ((p_.KenoJatek || p_.LottoIndex == 17) && !adatbazisTipus_)
            SorsolasMeretBeallitas(p_, V, V);
    }
    const auto oszlopok = static_cast<std::size_t>(p_.HuzottSzamok + 3);
    if (sor.size() != oszlopok)
        sor.assign(oszlopok, 0);

    if (rek.Sorszam < 1 || rek.Sorszam > kMaxHuzasok)
        return Rs + ". húzás sorszáma érvénytelen tartományba esik.";
    sor[0] = rek.Sorszam;

    std::int32_t ev = rek.Ev;
    std::int32_t het = rek.Het;
    if (adatbazisTipus_ && R > 1) {
        // A year end moves a draw by one year at most. A week-1 draw follows
        // a predecessor already moved into the next year only when it is
        // one year behind it: a year further back is not a year end, and
        // moving it would move it again on every load of the saved file.
        if (het >= 52 && elozoEv_ < ev)
            het = 1;
        if (het == 1 && ((elozoEv_ == ev && elozoHet_ >= 52) || (elozoEv_ == ev + 1 && elozoHet_ == 1)))
            ++ev;
    }
    if (ev < 1901 || ev > 10000)
        return Rs + ". húzás évszáma érvénytelen tartományba esik.";
    sor[1] = ev;
    if (het < 1 || het > 53)
        return Rs + ". húzás hete érvénytelen tartományba esik.";
    sor[2] = het;
    elozoEv_ = ev;
    elozoHet_ = het;
    return SzamokEllenorzese(p_, rek, R, sor);
}

THuzRekord HuzRekordSorbol(const TTombInt1D& sor, std::int32_t huzottSzamok)
{
    auto at = [&](std::size_t c) { return c < sor.size() ? sor[c] : 0; };
    THuzRekord rek;
    rek.Sorszam = at(0);
    rek.Ev = static_cast<std::uint16_t>(at(1) & 0xFFFF);
    rek.Het = static_cast<std::uint8_t>(at(2) & 0xFF);
    const std::size_t huzott = static_cast<std::size_t>(std::clamp<std::int32_t>(huzottSzamok, 0, kHuzRekordSzamok));
    for (std::size_t j = 0; j < huzott; ++j)
        rek.Szamok[j] = static_cast<std::uint8_t>(at(3 + j) & 0xFF);
    return rek;
}

BetoltesEredmeny HuzasAdatbazisOlvasas(std::span<const std::uint8_t> adat, const GameParams& g,
                                       const BetoltesBeallitasok& beall, const std::string& utvonal,
                                       BetoltottAdatbazis& ki)
{
    auto hiba = [](BetoltesAllapot a, std::string u, std::int32_t huzas = 0) {
        return BetoltesEredmeny{a, std::move(u), huzas};
    };
    const std::size_t meret = adat.size();
    // The header must be whole; a header alone is an empty database; records
    // must be whole (a cut record is never read past the end of the file).
    if (meret < kHuzFejlecMeret || (meret > kHuzFejlecMeret && meret < kHuzFejlecMeret + kHuzRekordMeret) ||
        (meret - kHuzFejlecMeret) % kHuzRekordMeret != 0)
        return hiba(BetoltesAllapot::Ervenytelen, kErvenytelenMeretUzenet);

    BinReader r(adat);
    THuzFejlec fej;
    if (!OlvasHuzFejlec(r, fej))
        return hiba(BetoltesAllapot::Ervenytelen, kErvenytelenMeretUzenet);
    if (!fej.Verzio.Ervenyes())
        return hiba(BetoltesAllapot::Ervenytelen, kErvenytelenAllomanyUzenet);
    const auto verzio = static_cast<std::int32_t>(fej.Verzio.Osszetett());

    if (verzio >= 2660) {
        if (fej.LottoIndex < 0 || fej.LottoIndex >= kJatekokSzama)
            return hiba(BetoltesAllapot::Ervenytelen, kErvenytelenAllomanyUzenet);
        const bool fajlKeno = fej.LottoIndex >= 8 && fej.LottoIndex <= 16;
        const bool masik = g.KenoJatek ? !fajlKeno : fej.LottoIndex != g.LottoIndex;
        if (masik && !(beall.Kerdes && beall.Kerdes(MasikJatekKerdes(fej.LottoIndex, utvonal))))
            return hiba(BetoltesAllapot::Elutasitva, {});
    }

    const std::size_t darab = (meret - kHuzFejlecMeret) / kHuzRekordMeret;
    if (darab > static_cast<std::size_t>(kMaxHuzasok))
        return hiba(BetoltesAllapot::TulSokHuzas, kTulSokHuzasUzenet);
    const std::int32_t n = static_cast<std::int32_t>(darab);

    GameParams p = g;
    SorsolasMeretVisszaallitas(p);
    BetoltottAdatbazis uj;
    uj.Verzio = verzio;
    uj.FajlJatek = fej.LottoIndex;
    SetHuzasok(uj.Tabla, 0, p.HuzottSzamok + 3);

    HuzasRekordEllenorzes ellenorzes(p, beall.AdatbazisTipus);
    THuzRekord rek;  // number bytes zeroed once
    for (std::int32_t R = 1; R <= n; ++R) {
        const bool ok = verzio >= 2000 ? OlvasHuzRekord(r, rek) : OlvasHuzRekordRegi(r, rek, p.HuzottSzamok);
        if (!ok)
            return hiba(BetoltesAllapot::Ervenytelen, kErvenytelenMeretUzenet);
        if (R == 1) {
            // The first record fixes the draw size, and with it the table's.
            TTombInt1D elso;
            std::string uzenet = ellenorzes.Ellenoriz(rek, elso);
            if (!uzenet.empty())
                return hiba(BetoltesAllapot::Ervenytelen, std::move(uzenet), R);
            p = ellenorzes.Jatek();
            SetHuzasok(uj.Tabla, n, p.HuzottSzamok + 3);
            uj.Tabla.Huzasok[0] = std::move(elso);
            continue;
        }
        std::string uzenet = ellenorzes.Ellenoriz(rek, uj.Tabla.Huzasok[static_cast<std::size_t>(R - 1)]);
        if (!uzenet.empty())
            return hiba(BetoltesAllapot::Ervenytelen, std::move(uzenet), R);
    }
    uj.HuzottSzamok = p.HuzottSzamok;
    uj.HuzottFoSzamok = p.HuzottFoSzamok;
    uj.Tabla.AdatbazisBetoltve = true;
    ki = std::move(uj);
    return {};
}

BetoltesEredmeny HuzasokBe(DrawsState& d, GameParams& g, const std::string& utvonal,
                           const BetoltesBeallitasok& beall, HuzSzamaState* tartomanyok)
{
    std::error_code ec;
    if (!std::filesystem::is_regular_file(utvonal, ec))
        return {BetoltesAllapot::NincsAllomany, {}};
    try {
        std::vector<std::uint8_t> adat;
        if (!readWholeFile(utvonal, adat))
            return {BetoltesAllapot::OlvasasiHiba, kAdatbazisBetoltesHiba};
        BetoltottAdatbazis uj;
        BetoltesEredmeny e = HuzasAdatbazisOlvasas(adat, g, beall, utvonal, uj);
        if (!e.sikeres())
            return e;
        SorsolasMeretBeallitas(g, uj.HuzottSzamok, uj.HuzottFoSzamok);
        d = std::move(uj.Tabla);
        if (tartomanyok) {
            tartomanyok->SetHuzSzamaElso(1);
            tartomanyok->SetHuzSzamaUtolso(d.HuzasokSzama);
        }
        return e;
    } catch (const std::bad_alloc&) {
        return {BetoltesAllapot::OlvasasiHiba, kAdatbazisBetoltesHiba};
    }
}

std::vector<std::uint8_t> AdatbazisKep(const TTombInt2D& sorok, const GameParams& g, const THuzVerzio& verzio)
{
    BinWriter w;
    w.data().reserve(kHuzFejlecMeret + kHuzRekordMeret * sorok.size());
    IrHuzFejlec(w, THuzFejlec{verzio, g.LottoIndex});
    for (const TTombInt1D& sor : sorok)
        IrHuzRekord(w, HuzRekordSorbol(sor, g.HuzottSzamok));
    return std::move(w.data());
}

std::vector<std::uint8_t> AdatbazisKep(const DrawsState& d, const GameParams& g, const THuzVerzio& verzio)
{
    return AdatbazisKep(d.Huzasok, g, verzio);
}

bool AdatbazisMentese(const DrawsState& d, const GameParams& g, const std::string& utvonal, const THuzVerzio& verzio)
{
    try {
        const std::vector<std::uint8_t> kep = AdatbazisKep(d, g, verzio);
        return writeFileAtomic(utvonal, kep);
    } catch (const std::bad_alloc&) {
        return false;
    }
}

}  // namespace kvx
