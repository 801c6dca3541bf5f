#include "app/online_access.h"

#include "common/binary_io.h"
#include "common/text_codec.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <ostream>
#include <string_view>

namespace kvx {

const char* const kErvenytelenOnlineOdb =
    "Érvénytelen állomány: Online.odb\r\n\r\nJavaslat:\r\n  - kattintson az Online fogadás - Elérések "
    "frissítése menüpontra\r\n  - vagy telepítse újra a programot";

namespace {

constexpr std::size_t kRovid = 256;

void rovidOlvas(BinReader& r, RovidSzoveg& s)
{
    std::uint8_t mezo[kRovid] = {};
    r.bytes(mezo, kRovid);
    s.assign(reinterpret_cast<const char*>(mezo + 1), mezo[0]);
}

void rovidIr(BinWriter& w, const RovidSzoveg& s)
{
    const std::size_t n = std::min<std::size_t>(s.size(), 255);
    w.u8(static_cast<std::uint8_t>(n));
    w.bytes(s.data(), n);
    w.zeros(255 - n);
}

template <class T, class F>
void tabla(JatekTabla<T>& t, F f)
{
    for (T& e : t)
        f(e);
}

// The record's fields in file order, for reading and writing alike.
template <class Rw>
void mezok(Rw& rw, TOnlineEleresek& t)
{
    for (std::int32_t& v : t.Verzio) rw.i32(v);
    rw.i32(t.Sorszam);
    tabla(t.KalkulatorKod, [&](std::int32_t& v) { rw.i32(v); });
    rw.rovid(t.RekordNyeremenyek);
    for (JatekTabla<RovidSzoveg>* s : {&t.KeziFogadas, &t.Feltoltes1, &t.Feltoltes2, &t.Feltoltes3, &t.Feltoltes4})
        tabla(*s, [&](RovidSzoveg& v) { rw.rovid(v); });
    tabla(t.FeltoltesSzam, [&](std::int32_t& v) { rw.i32(v); });
    tabla(t.Feltoltes5, [&](RovidSzoveg& v) { rw.rovid(v); });
    tabla(t.Feltoltes6, [&](RovidSzoveg& v) { rw.rovid(v); });
    tabla(t.FeltoltesElfogadott, [&](std::uint8_t& v) { rw.u8(v); });
    tabla(t.FeltoltesMaximum, [&](std::int32_t& v) { rw.i32(v); });
    for (JatekTabla<RovidSzoveg>* s : {&t.TarsasagHonlap, &t.EredmenyAllomany, &t.EredmenyCim, &t.EredmenyArchivum})
        tabla(*s, [&](RovidSzoveg& v) { rw.rovid(v); });
}

struct Olvaso {
    BinReader& r;
    void i32(std::int32_t& v) { r.i32(v); }
    void u8(std::uint8_t& v) { r.u8(v); }
    void rovid(RovidSzoveg& s) { rovidOlvas(r, s); }
};
struct Iro {
    BinWriter& w;
    void i32(std::int32_t& v) { w.i32(v); }
    void u8(std::uint8_t& v) { w.u8(v); }
    void rovid(RovidSzoveg& s) { rovidIr(w, s); }
};

std::int64_t verzioErtek(const std::array<std::int32_t, 4>& v)
{
    if (v[0] < 0)
        return INT64_MAX;
    for (std::size_t i = 1; i < 4; ++i)
        if (v[i] < 0 || v[i] > 9)
            return INT64_MAX;
    return std::int64_t{v[0]} * 1000 + v[1] * 100 + v[2] * 10 + v[3];
}

std::string verzioSzoveg(const std::array<std::int32_t, 4>& v)
{
    return std::to_string(v[0]) + "." + std::to_string(v[1]) + "." + std::to_string(v[2]) + "." +
           std::to_string(v[3]);
}

std::string u8(const RovidSzoveg& s) { return cp1250ToUtf8(s); }

}  // namespace

std::int64_t TOnlineEleresek::OnlineVerzio() const { return verzioErtek(Verzio); }
std::string TOnlineEleresek::OnlineVerzioSzoveg() const { return verzioSzoveg(Verzio); }

std::optional<TOnlineEleresek> OnlineEleresekOlvasas(std::span<const std::uint8_t> adat)
{
    if (adat.size() != kOnlineEleresekMeret)
        return std::nullopt;
    BinReader r(adat);
    Olvaso o{r};
    TOnlineEleresek t;
    mezok(o, t);
    if (!r.ok() || !r.atEnd())
        return std::nullopt;
    return t;
}

std::vector<std::uint8_t> OnlineEleresekIras(const TOnlineEleresek& t)
{
    BinWriter w;
    Iro i{w};
    TOnlineEleresek masolat = t;
    mezok(i, masolat);
    return std::move(w.data());
}

OnlineBetoltes OnlineEleresBetoltes(const std::string& path, std::int32_t verzioSzam, TOnlineEleresek& t)
{
    std::vector<std::uint8_t> adat;
    if (!readWholeFile(path, adat))
        return OnlineBetoltes::Megnyitas;
    std::optional<TOnlineEleresek> uj = OnlineEleresekOlvasas(adat);
    if (!uj)
        return OnlineBetoltes::Meret;
    t = std::move(*uj);
    return t.OnlineVerzio() > verzioSzam ? OnlineBetoltes::UjabbVerzio : OnlineBetoltes::Rendben;
}

bool OnlineEleresMentes(const std::string& path, const TOnlineEleresek& t)
{
    return writeFileAtomic(path, OnlineEleresekIras(t));
}

LetoltottTablaEredmeny LetoltottTablaEllenorzes(std::span<const std::uint8_t> adat, std::int32_t betoltottSorszam,
                                                std::int32_t verzioSzam)
{
    LetoltottTablaEredmeny e;
    // The whole record is checked before anything else is believed: a
    // longer or shorter file is no table of ours.
    std::optional<TOnlineEleresek> t = OnlineEleresekOlvasas(adat);
    if (!t) {
        e.Allapot = LetoltottTabla::Meret;
        return e;
    }
    e.Verzio = t->OnlineVerzio();
    e.VerzioSzoveg = t->OnlineVerzioSzoveg();
    if (e.Verzio > verzioSzam) {
        e.Allapot = LetoltottTabla::UjabbVerzio;
        return e;
    }
    // Once a table is in use, only one made for this very version replaces it.
    if (betoltottSorszam != 0 && e.Verzio != verzioSzam) {
        e.Allapot = LetoltottTabla::MasVerzio;
        return e;
    }
    if (t->Sorszam <= betoltottSorszam) {
        e.Allapot = LetoltottTabla::NemUjabb;
        return e;
    }
    e.Allapot = LetoltottTabla::Elfogadva;
    e.Tabla = std::move(t);
    return e;
}

std::string BlokkSzoveg(const std::string& torzs)
{
    constexpr std::size_t kBlokk = 1024;
    std::string szoveg;
    for (std::size_t i = 0; i < torzs.size(); i += kBlokk) {
        const std::string_view blokk = std::string_view(torzs).substr(i, kBlokk);
        szoveg += blokk.substr(0, blokk.find('\0'));
    }
    return szoveg;
}

std::optional<std::int64_t> SorszamSzoveg(const std::string& szoveg)
{
    if (szoveg.empty() || szoveg.size() > 9)
        return std::nullopt;
    std::int64_t v = 0;
    for (const char c : szoveg) {
        if (c < '0' || c > '9')
            return std::nullopt;
        v = v * 10 + (c - '0');
    }
    return v;
}

std::optional<std::string> VerzioSzovegbol(const std::string& szoveg)
{
    if (szoveg.size() != 4)
        return std::nullopt;
    std::string s;
    for (std::size_t i = 0; i < 4; ++i) {
        if (szoveg[i] < '0' || szoveg[i] > '9')
            return std::nullopt;
        s.push_back(szoveg[i]);
        if (i < 3)
            s.push_back('.');
    }
    return s;
}

std::ostream& operator<<(std::ostream& o, InternetMuvelet m)
{
    // The enumerator's own spelling; an action without a case warns (-Wswitch).
#define KVX_MUVELET(n) \
    case InternetMuvelet::n: return o << #n;
    switch (m) {
        KVX_MUVELET(TarsasagHonlap)
        KVX_MUVELET(Level)
        KVX_MUVELET(KavarexHonlap)
        KVX_MUVELET(Kalkulator)
        KVX_MUVELET(Szimulator)
        KVX_MUVELET(VariaciokLetoltese)
        KVX_MUVELET(UjVerzio)
        KVX_MUVELET(AktualisAdatbazis)
        KVX_MUVELET(MindenAdatbazis)
        KVX_MUVELET(NaprakeszAdatbazis)
        KVX_MUVELET(KeziAdatbevitel)
        KVX_MUVELET(VariacioFeltoltes)
        KVX_MUVELET(EleresekFrissitese)
        KVX_MUVELET(RekordNyeremenyek)
    }
#undef KVX_MUVELET
    return o << "InternetMuvelet(" << static_cast<int>(m) << ')';
}

std::string UrlKodolas(const std::string& ertek)
{
    static const char* const hex = "0123456789ABCDEF";
    std::string s;
    for (const char ch : ertek) {
        const auto c = static_cast<unsigned char>(ch);
        if (std::isalnum(c) || c == '-' || c == '.' || c == '_' || c == '~') {
            s.push_back(static_cast<char>(c));
        } else {
            s.push_back('%');
            s.push_back(hex[c >> 4]);
            s.push_back(hex[c & 15]);
        }
    }
    return s;
}

bool CimEngedett(const std::string& cim, bool levelIs)
{
    std::string sema;
    for (const char c : cim) {
        if (c == ':')
            break;
        sema.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(c))));
    }
    if (sema.size() == cim.size())
        return false;
    for (const char c : cim)
        if (static_cast<unsigned char>(c) < 0x20 || c == ' ')
            return false;
    if (sema == "http" || sema == "https")
        return cim.size() > sema.size() + 3 && cim.compare(sema.size(), 3, "://") == 0 &&
               cim.size() > sema.size() + 3 && cim[sema.size() + 3] != '/';
    return levelIs && sema == "mailto";
}

std::string KalkulatorCim(const std::string& alap, std::int32_t kod, bool keno, std::int32_t szamsorHossz)
{
    std::string s = alap + std::to_string(kod);
    if (keno)
        s += "&jt=" + std::to_string(szamsorHossz) + "&tt=" + std::to_string(20 - szamsorHossz);
    return s;
}

std::string FeltoltesCim(const TOnlineEleresek& t, int g, std::int64_t sorok, const std::string& allomany)
{
    const std::string p1 = u8(t.Feltoltes1[g]), p2 = u8(t.Feltoltes2[g]), p3 = u8(t.Feltoltes3[g]),
                      p4 = u8(t.Feltoltes4[g]), p5 = u8(t.Feltoltes5[g]), p6 = u8(t.Feltoltes6[g]);
    const std::string l = std::to_string(sorok);
    const std::string f = UrlKodolas(allomany);
    const std::int32_t u = t.FeltoltesSzam[g];
    std::string s = p1;
    if (u >= 0)
        s += p4 + std::to_string(u);
    if (!p6.empty())
        s += p5 + p6;
    return s + p2 + l + p3 + f;
}

std::string FeltoltesFelosztasSzoveg(std::int64_t m, std::int64_t l)
{
    const auto n = [](std::int64_t v) { return std::to_string(v); };
    std::string s = "Az online fogadást lebonyolító Társaság által meghatározott számsorok maximuma: " + n(m) +
                    "\r\n\r\n" + "Amennyiben ennél több számsort akar játékba küldeni, járjon el az alábbiak szerint:" +
                    "\r\n\r\n" + "1. Mentse el a (teljes) variációt - jegyezze meg az állomány nevét." + "\r\n" +
                    "2. Törölje a variáció " + n(m + 1) + ". - " + n(l) + ". sorszámig terjedő számsorait." + "\r\n" +
                    "3. Kattintson a Variáció feltöltése menüpontra - küldje játékba az első " + n(m) +
                    " számsort." + "\r\n" + "4. Töltse vissza az 1. pont szerint mentett variációt." + "\r\n" +
                    "5. Törölje a variáció számsorai közül az első " + n(m) + " számsort." + "\r\n" +
                    "6. Kattintson a Variáció feltöltése menüpontra - küldje játékba a ";
    if (2 * m < l)
        s += "következő (" + n(m + 1) + "-" + n(2 * m) + "-ig terjedő) " + n(m) + " számsort." + "\r\n\r\n" +
             "7. Folytassa a 4. 5. 6. pontban foglaltak szerint - amíg játékba nem küld minden számsort.";
    else
        s += "maradék (" + n(m + 1) + "-" + n(l) + "-ig terjedő) " + n(l - m) + " számsort.";
    return s;
}

std::string FeltoltesMegjegyzes(bool elfogadott, const std::string& jatekNev)
{
    if (elfogadott)
        return {};
    return "A(z) " + jatekNev +
           " online fogadását lebonyolító Társaság esetében nem tisztázott, fel tudják-e dolgozni a variáció "
           "állományát." +
           "\r\n\r\n" +
           "Ezért előfordulhat, hogy manuálisan, egyenként kell megadnia a variáció számsorait - esetleg be sem "
           "töltődik a meghívott oldal." +
           "\r\n" + "Ez esetben, válassza az Online fogadás - Kézi adatbevitel menüpontot." + "\r\n\r\n";
}

OnlineMenuAllapot OnlineFogadasBeallitasok(const TOnlineEleresek& t, int g, const std::string& n, bool valtozatVan)
{
    OnlineMenuAllapot a;
    if (g < 0 || g >= kJatekokSzama)
        return a;
    a.NaprakeszLathato = !t.EredmenyAllomany[g].empty();
    a.TarsasagLathato = !t.TarsasagHonlap[g].empty();
    a.TarsasagFelirat = g == 41 ? "Ausztrál Mon && Wed" : n;
    if (g == 24 || g == 30) {
        a.TarsasagFelirat += " nyerőszámok";
        a.TarsasagTipp = " " + a.TarsasagFelirat + " ";
    } else {
        a.TarsasagFelirat += " honlap";
        a.TarsasagTipp = " " + n + " játékot üzemeltető Társaság honlapja ";
    }
    a.RekordLathato = !t.RekordNyeremenyek.empty();
    a.KeziEngedett = !t.KeziFogadas[g].empty();
    if (a.KeziEngedett) {
        a.KeziTipp = " Számsor kijelölése - online fogadás ";
        a.KeziKep = 57;
    } else {
        a.KeziTipp = " " + n + " - nincs lehetőség online fogadásra ";
        a.KeziKep = 1;
    }
    a.FeltoltesLehetseges = !t.Feltoltes1[g].empty();
    if (!valtozatVan || a.FeltoltesLehetseges) {
        a.FeltoltesTipp = valtozatVan ? " Aktuális variáció játékba küldése - online fogadás " : " Nincs kész variáció ";
    } else {
        a.FeltoltesTipp = " " + n + " - nincs lehetőség online küldésre ";
    }
    if (a.FeltoltesLehetseges)
        a.FeltoltesKep = t.FeltoltesElfogadott[g] ? 56 : 46;
    a.NaprakeszTipp = " " + n + " naprakész adatbázisának letöltése a játékot üzemeltető Társaság honlapjáról ";
    a.AktualisTipp = " " + n + " adatbázisának frissítése a program honlapjáról ";
    return a;
}

}  // namespace kvx
