#include "variation/variation_import.h"

#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <ctime>
#include <memory>
#include <string_view>
#include <vector>

#include "app/messages.h"
#include "app/version.h"
#include "common/text_codec.h"
#include "variation/store_jobs.h"

namespace kvx {

namespace {

// Text lines of a file, read in large blocks. A line ends at CR LF, LF or a
// lone CR; a last line without an ending counts, an ending at the very end
// of the file opens no further line.
class SorOlvaso {
public:
    explicit SorOlvaso(std::FILE* f) : f_(f), buf_(kBlokk) {}

    // False at the end of the file; throws nothing, a read error ends it.
    bool kovetkezo(std::string_view& sor)
    {
        for (;;) {
            // Inside the block: look for the next line ending.
            const char* p = buf_.data() + pos_;
            const char* e = buf_.data() + len_;
            if (crVolt_ && p < e) {
                crVolt_ = false;
                if (*p == '\n') {
                    ++pos_;
                    ++p;
                }
            }
            const char* q = p;
            while (q < e && *q != '\n' && *q != '\r')
                ++q;
            if (q < e) {
                const std::size_t hossz = static_cast<std::size_t>(q - p);
                if (!maradek_.empty()) {
                    maradek_.append(p, hossz);
                    tarolt_.swap(maradek_);
                    maradek_.clear();
                    sor = tarolt_;
                } else {
                    sor = std::string_view(p, hossz);
                }
                crVolt_ = *q == '\r';
                pos_ += hossz + 1;
                return true;
            }
            // The block ran out inside a line: keep its start, read on.
            maradek_.append(p, static_cast<std::size_t>(e - p));
            pos_ = len_;
            if (vege_ || !tolt()) {
                if (maradek_.empty())
                    return false;
                tarolt_.swap(maradek_);
                maradek_.clear();
                sor = tarolt_;
                return true;
            }
        }
    }

private:
    static constexpr std::size_t kBlokk = 1 << 20;
    bool tolt()
    {
        len_ = std::fread(buf_.data(), 1, buf_.size(), f_);
        pos_ = 0;
        if (len_ == 0) {
            vege_ = true;
            return false;
        }
        // A UTF-8 byte-order mark in front of the first line is no character of it.
        if (elso_) {
            elso_ = false;
            if (len_ >= 3 && static_cast<unsigned char>(buf_[0]) == 0xEF &&
                static_cast<unsigned char>(buf_[1]) == 0xBB && static_cast<unsigned char>(buf_[2]) == 0xBF)
                pos_ = 3;
        }
        return true;
    }

    std::FILE* f_;
    std::vector<char> buf_;
    std::size_t pos_ = 0, len_ = 0;
    bool vege_ = false, crVolt_ = false, elso_ = true;
    std::string maradek_, tarolt_;
};

struct FajlZaro {
    void operator()(std::FILE* f) const
    {
        if (f)
            std::fclose(f);
    }
};
using Fajl = std::unique_ptr<std::FILE, FajlZaro>;

bool szamjegy(char c) { return c >= '0' && c <= '9'; }

// A line in UTF-8 counts its characters, not its bytes; any other line is
// single-byte text.
bool utf8Sor(std::string_view s)
{
    for (char c : s)
        if (static_cast<unsigned char>(c) >= 0x80)
            return isValidUtf8(s);
    return false;
}

enum class SorFajta { Kihagyott, Hianyos, TulSok, Szamsor };

// The shape of a line: one to skip (a title, a header, a blank or a short
// line), malformed, holding more numbers than a line, or one to read
// numbers from.
SorFajta sorFajta(std::string_view s, int k, bool utolso)
{
    const bool utf8 = utf8Sor(s);
    std::int64_t karakterek = 0, szamjegyek = 0, elvalasztok = 0, szamok = 0;
    bool szamjegyUtolsoElott = false, elozoSzamjegy = false;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const char c = s[i];
        const auto u = static_cast<unsigned char>(c);
        if (utf8 && u >= 0x80 && u < 0xC0)
            continue;  // the tail of a character already counted
        ++karakterek;
        const bool jegy = szamjegy(c);
        if (jegy) {
            ++szamjegyek;
            if (!elozoSzamjegy)
                ++szamok;
            if (i + 1 < s.size())
                szamjegyUtolsoElott = true;
        } else if (c != ' ') {
            ++elvalasztok;
        }
        elozoSzamjegy = jegy;
    }
    // Not a line of numbers at all: too short to hold one, or no digit but
    // (at most) its last character.
    if (karakterek <= k || !szamjegyUtolsoElott)
        return SorFajta::Kihagyott;
    if (szamjegyek < k || szamjegyek > 2 * k || elvalasztok != k - 1 || (!utolso && karakterek < 2 * k - 1))
        return szamok > k ? SorFajta::TulSok : SorFajta::Hianyos;
    return SorFajta::Szamsor;
}

std::string szamHiba(std::int64_t sor, int poz, int ertek, const char* mi)
{
    return std::to_string(sor) + ". sor " + std::to_string(poz) + ". száma (" + std::to_string(ertek) + ") " + mi;
}

// The file's last change as a local date-time value; 0 when unknown.
double allomanyDatum(const std::string& nev)
{
    struct stat st {};
    if (::stat(nev.c_str(), &st) != 0)
        return 0.0;
    std::tm helyi{};
    const std::time_t t = st.st_mtime;
    localtime_r(&t, &helyi);
    return 25569.0 + static_cast<double>(t + helyi.tm_gmtoff) / 86400.0;
}

// Clears the in-progress flag and closes the wait window however the import ends.
class ImportFolyamat {
public:
    explicit ImportFolyamat(ImportKornyezet& k) : k_(k) { k_.Bontas->ImportFolyamatban = true; }
    ~ImportFolyamat()
    {
        k_.Bontas->ImportFolyamatban = false;
        if (ablak_ && k_.VarakozasVege)
            k_.VarakozasVege();
    }
    void ablak(const std::string& szoveg)
    {
        if (ablak_ && k_.VarakozasVege)
            k_.VarakozasVege();
        ablak_ = true;
        if (k_.VarakozasKi)
            k_.VarakozasKi(szoveg);
    }

private:
    ImportKornyezet& k_;
    bool ablak_ = false;
};

// The variation is gone: no lines, no boundaries, no extension mode.
void tarUrites(ImportKornyezet& k)
{
    FinalizeFBontasMatrix(*k.Tar);
    k.Tar->BontHuzasSorszam.clear();
    k.Tar->ABSZ = 0;
    BontasEgyseg& u = *k.Bontas;
    u.BontasBovites = false;
    u.BovitesKijeloltSzamDb = 0;
    u.BovitesPluszSzamDb = 0;
    u.BovitesFixSzamDb = 0;
    u.Vezerles.BontSzelvszam.store(0);
}

// How many of a line's kk positions hold main-pool numbers.
int foPoziciok(const GameParams& g, int kk)
{
    return g.VanPluszSzam ? std::min(std::clamp(g.SzamsorFoSzamDb, 0, kMaxVariacioMeret), kk) : kk;
}

ImportEredmeny elutasitas(std::string szoveg)
{
    ImportEredmeny r;
    r.Uzenet = std::move(szoveg);
    return r;
}

// The file read and checked whole: its lines as coded values, kk a line.
struct ImportSorok {
    std::string Hiba;  // the refusal; empty when every line is good
    std::vector<std::uint8_t> Ertekek;
    std::int32_t Szamlalt = 0;
    std::array<bool, 256> Hasznalt{};  // the numbers the lines use
    int Kulonbozo = 0;
};

// Reads every line of an open file of osszesSor text lines for a game whose
// lines hold kk numbers; touches nothing but the file.
ImportSorok sorokOlvasasa(std::FILE* f, const std::string& nev, const GameParams& g, int kk, std::int64_t osszesSor)
{
    const int kf = foPoziciok(g, kk);
    const std::string leiras = importSorLeiras(g, false);
    ImportSorok e;
    e.Ertekek.reserve(static_cast<std::size_t>(std::min<std::int64_t>(osszesSor, kImportMaxSor)) *
                      static_cast<std::size_t>(kk));
    SorOlvaso o(f);
    std::string_view s;
    std::int64_t r = 0;
    std::uint8_t sor[kMaxVariacioMeret];
    // Every refusal names the line, as read, and what a line must hold.
    const auto hiba = [&](const std::string& szoveg) {
        e.Hiba = szoveg + importHibasSor(r, s, leiras);
        e.Ertekek.clear();
        return std::move(e);
    };
    while (o.kovetkezo(s)) {
        ++r;
        const SorFajta fajta = sorFajta(s, kk, r >= osszesSor);
        if (fajta == SorFajta::Kihagyott)
            continue;
        if (fajta == SorFajta::Hianyos)
            return hiba(kImportHianyos);
        if (fajta == SorFajta::TulSok)
            return hiba(kImportTulSokSzam);
        std::size_t i = 0;
        for (int p = 0; p < kk; ++p) {
            while (i < s.size() && !szamjegy(s[i]))
                ++i;
            if (i >= s.size())
                return hiba(kImportNemNumerikus);
            int ertek = 0, jegyek = 0;
            while (i < s.size() && szamjegy(s[i]) && jegyek < 3) {
                ertek = ertek * 10 + (s[i] - '0');
                ++jegyek;
                ++i;
            }
            if (jegyek >= 3)
                ertek = 0;
            ++i;  // the terminator
            // An extra number is written as shown; the store keeps it after
            // the main pool, shifted by the pool's display offset.
            const bool extra = g.VanPluszSzam && p >= kf;
            int kod = ertek;
            if (extra && ertek <= g.FoSzamKeszlet)
                kod = g.FoSzamKeszlet + g.PluszSzamEltolas + ertek;
            // A main position takes only main-pool numbers, an extra position
            // only extra-pool numbers: anything else would put an index of
            // the wrong part into the row.
            const int also = extra ? g.FoSzamKeszlet + 1 : 1;
            const int felso = g.VanPluszSzam && !extra ? g.FoSzamKeszlet : g.OsszesSzam;
            if (kod < also || kod > felso)
                return hiba(szamHiba(r, p + 1, kod, "érvénytelen tartományba esik."));
            for (int j = 0; j < p; ++j)
                if (sor[j] == kod)
                    return hiba(szamHiba(r, p + 1, kod, "ismétlődik."));
            sor[p] = static_cast<std::uint8_t>(kod);
        }
        while (i < s.size() && s[i] == ' ')
            ++i;
        if (i < s.size())
            return hiba(masikJatekAllomanySzoveg(nev, true, -1));
        e.Ertekek.insert(e.Ertekek.end(), sor, sor + kk);
        ++e.Szamlalt;
        for (int p = 0; p < kk; ++p)
            if (!e.Hasznalt[sor[p]]) {
                e.Hasznalt[sor[p]] = true;
                ++e.Kulonbozo;
            }
    }
    // An import needs at least one line and more numbers than a line holds.
    if (e.Szamlalt == 0 || e.Kulonbozo <= g.SzamsorHossz)
        e.Hiba = "Érvénytelen formátumú állomány\r\n\r\n" + nev;
    return e;
}

}  // namespace

ImportEredmeny ImportBeolvasas(const std::string& nev, ImportKornyezet& k)
{
    SzamListak& l = *k.Listak;
    const GameParams& g = *k.Jatek;
    const std::string altalanos = ervenytelenAllomanySzoveg(nev, std::string(), true);
    // The ticket is emptied before the lines are stored: a line holds the
    // game's whole line, no fixed numbers.
    const int kk = std::clamp(g.SzamsorHossz, 1, kMaxVariacioMeret);

    // Count the text lines first, without keeping any of them.
    std::int64_t osszesSor = 0;
    {
        Fajl f(std::fopen(nev.c_str(), "rb"));
        if (!f)
            return elutasitas(altalanos);
        SorOlvaso o(f.get());
        std::string_view s;
        while (o.kovetkezo(s))
            if (++osszesSor > kImportMaxSor)
                return elutasitas(kImportTulNagy);
    }

    // Every line is read and checked before anything changes: a refused
    // file leaves the ticket, the conditions and the variation as they were.
    ImportSorok be;
    {
        ImportFolyamat folyamat(k);
        folyamat.ablak(kImportBetoltesSzoveg);
        Fajl f(std::fopen(nev.c_str(), "rb"));
        if (!f)
            return elutasitas(altalanos);
        be = sorokOlvasasa(f.get(), nev, g, kk, osszesSor);
    }
    if (!be.Hiba.empty())
        return elutasitas(std::move(be.Hiba));
    // Now the ticket and the conditions make way (the caller may ask first).
    if (k.Elokeszites && !k.Elokeszites())
        return {};
    if (l.KijeloltSzamDb() > 0 || l.FixSzamDb() > 0)
        return {};

    ImportFolyamat folyamat(k);
    // The selection: the numbers the lines use, ascending, extra-pool
    // numbers after the main ones.
    for (int n = 1; n < static_cast<int>(be.Hasznalt.size()); ++n)
        if (be.Hasznalt[static_cast<std::size_t>(n)])
            SzamJeloles(l, g, *k.Foallapot, n, ModKijelolt, false);
    PluszSzamokAVegere(l, g, *k.Foallapot);
    std::array<std::uint8_t, 256> index{};
    for (std::size_t i = 0; i < l.KijeloltSzamok.size(); ++i)
        index[l.KijeloltSzamok[i]] = static_cast<std::uint8_t>(i);
    const std::int32_t szamlalt = be.Szamlalt;
    const int kf = foPoziciok(g, kk);

    // Preparation of the store and the run state, as before a load.
    VariationStore& t = *k.Tar;
    BontasEgyseg& u = *k.Bontas;
    LMPStatusokTorlese(u);
    tarUrites(k);
    PeldabontasLogTorles(u);
    u.SzerkesztettVariacio = false;
    u.BefejezetlenVariacio = false;
    u.OpcioModosulas = false;
    u.BontasIdotartam.store(0.0);
    u.Allapot.TeljesultFeltetelekA = 0;
    u.Allapot.TeljesultFeltetelekB = 0;
    u.Allapot.VeletlenKiserletek = 0;
    u.Vezerles.VeletlenKiserletek.store(0);
    const std::int32_t csoportFelso = l.KijeloltFoSzamDb - l.VariacioFoMeret;
    u.Allapot.FCsoportIndex = 0;
    u.Allapot.FCsoportFelso = csoportFelso;
    u.Allapot.FCsoportAktiv.assign(static_cast<std::size_t>(std::max(0, csoportFelso + 1)), 0);
    u.Allapot.FCsoportSzamsorok.assign(static_cast<std::size_t>(std::max(0, csoportFelso + 1)),
                                       TTombByte1D(static_cast<std::size_t>(kk), 0));

    folyamat.ablak(kImportVariacioSzoveg);
    if (!SetBontasMatrix(t, szamlalt, kk, nullptr)) {
        tarUrites(k);
        MindenSzamTorlese(l, g, *k.Foallapot);
        return elutasitas(altalanos);
    }
    t.BontSzamGyakorisag.assign(static_cast<std::size_t>(l.KijeloltSzamDb()), 0);
    const bool resz = g.VanPluszSzam && kf < kk;
    for (std::int32_t m = 0; m < szamlalt; ++m) {
        const std::uint8_t* sor = be.Ertekek.data() + static_cast<std::size_t>(m) * static_cast<std::size_t>(kk);
        std::uint8_t* ki = t.sor(m);
        for (int j = 0; j < kk; ++j)
            ki[j] = index[sor[j]];
        if (resz) {
            std::sort(ki, ki + kf);
            std::sort(ki + kf, ki + kk);
        } else {
            std::sort(ki, ki + kk);
        }
        for (int j = 0; j < kk; ++j)
            ++t.BontSzamGyakorisag[ki[j]];
    }
    t.BontSzelvszam = szamlalt;
    t.BontFoglalasMeret = szamlalt;
    t.ABSZ = TeljBontSzelvszam(l.KijeloltSzamDb(), kk, l.KijeloltPluszSzamDb, g.VanPluszSzam, g.PluszSzamDb);
    SetLengthImport_Count(t, 1);
    t.Import_Count[0] = szamlalt;
    u.Vezerles.BontSzelvszam.store(szamlalt);

    // The variation carries this version and the file's date.
    VariacioAllomanyAllapot& a = *k.Allomany;
    VersionBeallitas(a);
    a.AllomanyVerzio = ProgramVerzio();
    if (const double datum = allomanyDatum(nev); datum > 0.0)
        a.VariacioDatum = datum;
    a.BontLottoIndex = g.LottoIndex;
    a.BontIdegenSzamsorDb = 0;

    ImportEredmeny e;
    e.Ok = true;
    e.Sorok = szamlalt;
    return e;
}

}  // namespace kvx
