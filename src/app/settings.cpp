#include "app/settings.h"

#include "app/ini_file.h"
#include "app/version.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <system_error>

namespace kvx {

namespace fs = std::filesystem;

namespace {

constexpr const char* kKavarex = "Kavarex";
constexpr const char* kHI = "HI";
constexpr const char* kPrice = "Price";
constexpr const char* kCurrency = "Currency";
// Key prefixes of the last used folders, by kind.
constexpr const char* kFajtaKulcs[4] = {"DirTO", "DirTS", "DirPO", "DirPS"};

std::string str(int n)
{
    return std::to_string(n);
}

std::string ptcKulcs(int i, int j)
{
    return "PTC" + str(i) + str(j);
}

bool keno(int jatek)
{
    return jatek >= 8 && jatek <= 16;
}

// Ticket look defaults per kind. Kinds 1..5 start from kind 0's values and
// change the slots listed here.
void szelvenyBeallitasAlap(Settings& s, std::int32_t sorMagassag)
{
    const std::array<std::int32_t, kSzelvenyErtekek> alap = {
        kSzurkeSzoveg,                                            // 0 form
        static_cast<std::int32_t>(std::lround(sorMagassag * 2.39)),  // 1 cell size
        RGB(255, 255, 255),                                       // 2 cell
        RGB(231, 230, 227),                                       // 3 marked cell
        s.BetuMeret,                                              // 4 number font size
        RGB(0, 0, 0),                                             // 5 number font
        RGB(255, 255, 255),                                       // 6
        RGB(255, 250, 240),                                       // 7 info panel
        RGB(16, 16, 16),                                          // 8 info panel font
        RGB(0, 0, 0),                                             // 9 selected
        RGB(0, 128, 128),                                         // 10 fixed
        RGB(255, 0, 0),                                           // 11 constant
        RGB(0, 120, 180),                                         // 12 extra-number font
        RGB(128, 0, 128),                                         // 13 random
        RGB(255, 255, 255),                                       // 14 extra-number cell
    };
    for (auto& fajta : s.SzelvenyBeallitas)
        fajta = alap;

    auto& v = s.SzelvenyBeallitas[1];  // variation
    v[0] = RGB(130, 100, 10);
    v[2] = RGB(255, 250, 240);
    v[3] = RGB(240, 220, 165);
    v[6] = RGB(240, 220, 165);
    v[7] = RGB(255, 255, 255);
    v[14] = RGB(255, 240, 185);

    auto& e = s.SzelvenyBeallitas[2];  // variation check
    e[0] = RGB(130, 100, 10);
    e[2] = RGB(255, 253, 254);
    e[3] = RGB(240, 220, 165);
    e[7] = RGB(255, 255, 225);

    auto& h = s.SzelvenyBeallitas[3];  // draws
    h[0] = RGB(105, 115, 95);
    h[2] = RGB(250, 255, 240);
    h[3] = RGB(210, 220, 200);
    h[6] = RGB(210, 220, 200);
    h[7] = RGB(255, 255, 255);
    h[14] = RGB(230, 240, 220);

    auto& b = s.SzelvenyBeallitas[4];  // draw entry
    b[2] = RGB(255, 255, 245);
    b[3] = RGB(210, 220, 200);
    b[5] = RGB(0, 0, 128);

    auto& k = s.SzelvenyBeallitas[5];  // draw search
    k[0] = RGB(105, 115, 95);
    k[2] = RGB(255, 255, 245);
    k[3] = RGB(210, 220, 200);
    k[5] = RGB(0, 0, 128);
    k[7] = RGB(255, 255, 225);
}

// The older layout of the last used folders wrote, for G games, kind 0 as
// keys Dir0 .. Dir(G-1) and kind 1 as DirG .. Dir(2G-1). G is recovered
// from the highest key present: an odd highest index H gives G = (H+1)/2.
// An even highest index means a key is missing and G cannot be told, so no
// folder is taken rather than giving one game's folder to another. Every
// Dir0 .. Dir87 key is removed either way.
void regiKonyvtarKulcsok(IniFile& ini, Folders& f)
{
    constexpr int kMaxKulcs = 2 * kJatekokSzama - 1;
    int legfelso = -1;
    for (int i = kMaxKulcs; i >= 0; --i) {
        if (ini.ValueExists(kKavarex, "Dir" + str(i))) {
            legfelso = i;
            break;
        }
    }
    if (legfelso >= 0 && legfelso % 2 == 1) {
        const int jatekok = (legfelso + 1) / 2;
        for (int g = 0; g < jatekok; ++g) {
            auto& megnyit = f.UtolsoKonyvtarak[kSzamsorMegnyitas][static_cast<std::size_t>(g)];
            auto& ment = f.UtolsoKonyvtarak[kSzamsorMentes][static_cast<std::size_t>(g)];
            megnyit = ini.ReadString(kKavarex, "Dir" + str(g), megnyit);
            ment = ini.ReadString(kKavarex, "Dir" + str(jatekok + g), ment);
        }
    }
    for (int i = 0; i <= kMaxKulcs; ++i)
        ini.DeleteKey(kKavarex, "Dir" + str(i));
}

// Removes a downloaded installer named in the file. Only a plain file name
// inside the cache folder is followed: any path in front is dropped and "."
// or ".." are refused, so nothing outside the cache folder is ever deleted.
void cacheTakaritas(const std::string& nev, const Folders& f)
{
    std::error_code ec;
    const std::size_t vag = nev.find_last_of("/\\");
    const std::string allomany = vag == std::string::npos ? nev : nev.substr(vag + 1);
    if (!allomany.empty() && allomany != "." && allomany != "..") {
        const fs::path p = fs::path(f.CacheKonyvtar) / allomany;
        if (fs::is_regular_file(fs::symlink_status(p, ec)))
            fs::remove(p, ec);
    }
    for (int a = 0; a <= 2; ++a) {
        for (int b = 0; b <= 9; ++b) {
            const fs::path p = fs::path(f.CacheKonyvtar) / ("Kavarex20" + str(a) + str(b) + ".exe");
            if (fs::is_regular_file(fs::symlink_status(p, ec)))
                fs::remove(p, ec);
        }
    }
}

}  // namespace

double AlapJegyAr(int jatek)
{
    if (jatek >= 0 && jatek <= 2)
        return 350.0;
    if (keno(jatek))
        return 300.0;
    return 2.0;
}

std::int32_t AlapPenznem(int jatek)
{
    return jatek >= 0 && jatek <= 16 ? 0 : 1;
}

void SzelvenyMeretekBeallitasa(Settings& s, std::int32_t sorMagassag)
{
    for (auto& fajta : s.SzelvenyBeallitas) {
        fajta[1] = static_cast<std::int32_t>(std::lround(sorMagassag * 2.39));
        fajta[4] = s.BetuMeret;
    }
}

void SzelvIniAlap(Settings& s, GameParams& g, MainState& m, std::int32_t sorMagassag)
{
    g.LottoIndex = 0;
    s.Jovahagyas = true;
    s.JovahagyasVariacio = true;
    s.AutomatikusNev = true;
    s.Inform = true;
    s.Hangjelzes = true;
    s.UjVerzioKereses = true;
    s.BiztonsagiMentes = true;
    m.Mentve = false;
    s.SzamsorrendMod = 0;
    s.SzamsorrendAlkalmaz = true;
    s.ShowHint = true;
    s.UzenetekLog.fill(1);
    s.InditasokSzama = 0;

    for (int i = 0; i < kJatekokSzama; ++i) {
        s.JegyAr[static_cast<std::size_t>(i)] = AlapJegyAr(i);
        s.PenznemIndex[static_cast<std::size_t>(i)] = AlapPenznem(i);
    }
    s.SzelvenyOrigoX = {21, 21, 26, 20, 30};
    s.SzelvenyOrigoY = {16, 16, 16, 24, 16};
    for (auto& sor : s.NyomtatasiMargok)
        sor.fill(0.0);

    szelvenyBeallitasAlap(s, sorMagassag);
}

std::int32_t AlapBetuMeret(std::int32_t kepernyoSzelesseg, std::int32_t pontPerHuvelyk)
{
    if (kepernyoSzelesseg > 2559 || pontPerHuvelyk > 120)
        return 14;
    if (kepernyoSzelesseg > 1919)
        return 12;
    if (pontPerHuvelyk < 101)
        return kepernyoSzelesseg < 1601 ? 8 : 10;
    return 12;
}

void AblakMinimum(std::int32_t kepernyoSzelesseg, std::int32_t kepernyoMagassag, const KepernyoTeglalap& munkaTerulet,
                  std::int32_t meretIndex, std::int32_t& minSzelesseg, std::int32_t& minMagassag)
{
    const std::int32_t dx = kepernyoSzelesseg - munkaTerulet.Szelesseg;
    const std::int32_t dy = kepernyoMagassag - munkaTerulet.Magassag;
    if (kepernyoSzelesseg >= 1024) {
        minSzelesseg = 1024 - dx;
        minMagassag = 720 - dy;
    } else {
        minSzelesseg = 800 - dx;
        minMagassag = 600 - dy;
    }
    if (meretIndex > 1 && kepernyoSzelesseg >= 1280)
        minSzelesseg = 1280 - dx;
}

KepernyoTeglalap AblakIllesztes(KepernyoTeglalap r, const AblakKorlatok& k)
{
    const KepernyoTeglalap& w = k.MunkaTerulet;
    r.Felso = std::max(r.Felso, 0);
    r.Bal = std::max(r.Bal, 0);
    r.Magassag = std::max(r.Magassag, k.MinMagassag);
    r.Szelesseg = std::max(r.Szelesseg, k.MinSzelesseg);
    r.Szelesseg = std::min(r.Szelesseg, w.Szelesseg);
    r.Magassag = std::min(r.Magassag, w.Magassag);
    // Move the rectangle in rather than stretch it: it keeps its size and
    // lies within the work area.
    r.Bal = std::clamp(r.Bal, w.Bal, w.Bal + w.Szelesseg - r.Szelesseg);
    r.Felso = std::clamp(r.Felso, w.Felso, w.Felso + w.Magassag - r.Magassag);
    return r;
}

std::string IniAllomanyHibaUzenet(const std::string& path, bool mentes)
{
    return std::string("Hiba történt ") + "a " + path + " állományának " + (mentes ? "mentése" : "betöltése") +
           " során.";
}

std::string IniSerultUzenet(const std::string& path)
{
    return "Sérült a " + path + " állománya.";
}

void SerultIniEltavolitasa(const std::string& path, bool olvashatatlan)
{
    std::error_code ec;
    if (olvashatatlan) {
        const std::string bak = path + ".bak";
        fs::remove_all(bak, ec);
        fs::rename(path, bak, ec);
        if (!ec)
            return;
    }
    fs::remove(path, ec);
}

void KavarexIniOlvasOld(const IniFile& ini, Settings& s, GameParams& g, Folders& f)
{
    const std::int32_t jatek = ini.ReadInteger(kKavarex, "Jatek", 5);
    if (jatek < 5 || jatek > 12)
        return;
    g.LottoIndex = jatek - 5;
    s.Jovahagyas = ini.ReadBool(kKavarex, "Jovahagyas", true);
    s.Inform = ini.ReadBool(kKavarex, "Inform", true);
    s.Hangjelzes = ini.ReadBool(kKavarex, "Sound", true);
    s.BiztonsagiMentes = ini.ReadBool(kKavarex, "BackLog", true);
    s.ShowHint = ini.ReadBool(kKavarex, "HintStatus", true);
    for (int i = 0; i < 8; ++i) {
        // An empty entry names no folder: the start value stays.
        const std::string dir = ini.ReadString(kKavarex, "IniDir" + str(i), "");
        if (!dir.empty())
            f.UtolsoKonyvtarak[kSzamsorMegnyitas][static_cast<std::size_t>(i)] = dir;
    }
}

std::optional<std::int32_t> IniBetuMeret(const std::string& path)
{
    IniFile ini;
    if (!ini.LoadFromFile(path))
        return std::nullopt;
    const std::int32_t meret = ini.ReadInteger(kKavarex, "Size", 0);
    if (meret >= 8 && meret <= 20 && meret % 2 == 0)
        return meret;
    return std::nullopt;
}

IniEredmeny KavarexIniOlvas(Settings& s, GameParams& g, Folders& f, const AblakKorlatok& k)
{
    IniFile ini;
    if (!ini.LoadFromFile(f.IniAllomany))
        return {false, IniAllomanyHibaUzenet(f.IniAllomany, false)};

    const std::int32_t start = ini.ReadInteger(kKavarex, "Start", -1);
    const std::int32_t penznem = ini.ReadInteger("Bontas", "Penznem", -1);
    ini.DeleteKey(kKavarex, "Set");
    ini.DeleteKey(kKavarex, "Version");
    if (start == -1 || penznem != -1) {
        KavarexIniOlvasOld(ini, s, g, f);
        return {false, {}};
    }

    const std::int32_t jatek = ini.ReadInteger(kKavarex, "Game", 0);
    g.LottoIndex = (jatek >= 0 && jatek < kJatekokSzama) ? jatek : 0;
    s.Jovahagyas = ini.ReadBool(kKavarex, "Approve", s.Jovahagyas);
    s.JovahagyasVariacio = ini.ReadBool(kKavarex, "ApproveVari", s.JovahagyasVariacio);
    s.Inform = ini.ReadBool(kKavarex, "Info", s.Inform);
    s.Hangjelzes = ini.ReadBool(kKavarex, "Sound", s.Hangjelzes);
    s.AutomatikusNev = ini.ReadBool(kKavarex, "AutoName", s.AutomatikusNev);
    s.UjVerzioKereses = ini.ReadBool(kKavarex, "Search", s.UjVerzioKereses);
    s.ShowHint = ini.ReadBool(kKavarex, "Hint", s.ShowHint);
    s.InditasokSzama = start < 0 ? 1 : start + 1;
    const std::int32_t meret = ini.ReadInteger(kKavarex, "Size", 0);
    if (meret >= 8 && meret <= 20 && meret % 2 == 0)
        s.BetuMeret = meret;

    KepernyoTeglalap ablak;
    ablak.Felso = ini.ReadInteger(kKavarex, "FT", 0);
    ablak.Bal = ini.ReadInteger(kKavarex, "FL", 0);
    ablak.Szelesseg = ini.ReadInteger(kKavarex, "FW", 0);
    ablak.Magassag = ini.ReadInteger(kKavarex, "FH", 0);
    ablak = AblakIllesztes(ablak, k);
    s.AblakFelso = ablak.Felso;
    s.AblakBal = ablak.Bal;
    s.AblakSzelesseg = ablak.Szelesseg;
    s.AblakMagassag = ablak.Magassag;

    s.BiztonsagiMentes = ini.ReadBool(kKavarex, "BackLog", s.BiztonsagiMentes);
    s.BackTipus = ini.ReadString(kKavarex, "Back", s.BackTipus);
    if (s.BackTipus.empty())
        s.BackTipus = "top";
    for (int i = 0; i < kUzenetekSzama; ++i) {
        auto& jelzo = s.UzenetekLog[static_cast<std::size_t>(i)];
        jelzo = ini.ReadBool(kHI, "HI" + str(i), jelzo != 0) ? 1 : 0;
    }

    if (ini.ValueExists(kKavarex, "DirTO0")) {
        for (int g2 = 0; g2 < kJatekokSzama; ++g2)
            for (int fajta = 0; fajta < 4; ++fajta) {
                auto& dir = f.UtolsoKonyvtarak[static_cast<std::size_t>(fajta)][static_cast<std::size_t>(g2)];
                dir = ini.ReadString(kKavarex, kFajtaKulcs[fajta] + str(g2), dir);
            }
    } else {
        for (int tipp : {5, 14, 15, 24, 28})
            s.UzenetekLog[static_cast<std::size_t>(tipp)] = 1;
        regiKonyvtarKulcsok(ini, f);
    }

    if (!ini.SectionExists(kPrice)) {
        ini.DeleteKey(kCurrency, "Currency");
        for (int i = 0; i < kJatekokSzama; ++i)
            ini.DeleteKey(kCurrency, str(i));
        if (ini.ReadSection(kCurrency).empty())
            ini.EraseSection(kCurrency);
    } else {
        for (int i = 0; i < kJatekokSzama; ++i) {
            const auto gi = static_cast<std::size_t>(i);
            double ar = ini.ReadFloat(kPrice, str(i), s.JegyAr[gi]);
            if (ar < 0 || ar > 999999)
                ar = 2.0;
            s.JegyAr[gi] = ar;
            // Only an index of the currency list is usable.
            const std::int32_t penz = ini.ReadInteger(kCurrency, str(i), s.PenznemIndex[gi]);
            s.PenznemIndex[gi] = (penz >= 0 && penz < kPenznemekSzama) ? penz : AlapPenznem(i);
        }
    }

    for (int i = 0; i < kSzelvenyTipusok; ++i)
        for (int j = 0; j < 3; ++j) {
            double v = ini.ReadFloat(kKavarex, ptcKulcs(i, j), 0.0);
            if (v > 4 || v < -4)
                v = 0;
            s.NyomtatasiMargok[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)] = v;
        }

    cacheTakaritas(ini.ReadString(kKavarex, "Cache", ""), f);

    // Keys removed above stay removed; the file is written again at the end
    // of the run anyway, so a failure here changes nothing that matters.
    if (ini.Modified())
        ini.SaveToFile(f.IniAllomany);

    return {ini.ReadInteger("Ticket", "SetColor", -1) == -1, {}};
}

IniEredmeny KavarexIniIras(const Settings& s, const GameParams& g, const Folders& f, std::int32_t kepernyoSzelesseg,
                           std::int32_t kepernyoMagassag)
{
    IniFile ini;
    std::error_code ec;
    if (fs::exists(f.IniAllomany, ec))
        ini.LoadFromFile(f.IniAllomany);

    ini.WriteInteger(kKavarex, "Game", g.LottoIndex);
    ini.WriteBool(kKavarex, "Approve", s.Jovahagyas);
    ini.WriteBool(kKavarex, "ApproveVari", s.JovahagyasVariacio);
    ini.WriteBool(kKavarex, "Info", s.Inform);
    ini.WriteBool(kKavarex, "Sound", s.Hangjelzes);
    ini.WriteBool(kKavarex, "AutoName", s.AutomatikusNev);
    ini.WriteBool(kKavarex, "Search", s.UjVerzioKereses);
    ini.WriteBool(kKavarex, "Hint", s.ShowHint);
    ini.WriteInteger(kKavarex, "Start", s.InditasokSzama);
    ini.WriteInteger(kKavarex, "Size", s.BetuMeret);
    ini.WriteInteger(kKavarex, "SW", kepernyoSzelesseg);
    ini.WriteInteger(kKavarex, "SH", kepernyoMagassag);
    ini.WriteInteger(kKavarex, "FT", s.AblakFelso);
    ini.WriteInteger(kKavarex, "FL", s.AblakBal);
    ini.WriteInteger(kKavarex, "FW", s.AblakSzelesseg);
    ini.WriteInteger(kKavarex, "FH", s.AblakMagassag);
    ini.WriteInteger(kKavarex, "VersionI", VerzioSzam());
    ini.WriteBool(kKavarex, "BackLog", s.BiztonsagiMentes);
    ini.WriteString(kKavarex, "Back", s.BackTipus);
    ini.WriteString(kKavarex, "Dir", f.ProgramKonyvtar);
    for (int i = 0; i < kJatekokSzama; ++i) {
        const auto gi = static_cast<std::size_t>(i);
        ini.WriteString(kKavarex, "DirTO" + str(i), f.UtolsoKonyvtarak[kSzamsorMegnyitas][gi]);
        ini.WriteString(kKavarex, "DirTS" + str(i), f.UtolsoKonyvtarak[kSzamsorMentes][gi]);
        ini.WriteString(kKavarex, "DirPO" + str(i), f.UtolsoKonyvtarak[kPrivateMegnyitas][gi]);
        ini.WriteString(kKavarex, "DirPS" + str(i), f.UtolsoKonyvtarak[kPrivateMentes][gi]);
    }
    for (int i = 0; i < kJatekokSzama; ++i) {
        const auto gi = static_cast<std::size_t>(i);
        ini.WriteInteger(kCurrency, str(i), s.PenznemIndex[gi]);
        ini.WriteFloat(kPrice, str(i), s.JegyAr[gi]);
    }
    for (int i = 0; i < kUzenetekSzama; ++i)
        ini.WriteBool(kHI, "HI" + str(i), s.UzenetekLog[static_cast<std::size_t>(i)] != 0);
    for (int i = 0; i < kSzelvenyTipusok; ++i)
        for (int j = 0; j < 3; ++j)
            ini.WriteFloat(kKavarex, ptcKulcs(i, j),
                           s.NyomtatasiMargok[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)]);

    if (!ini.SaveToFile(f.IniAllomany))
        return {false, IniAllomanyHibaUzenet(f.IniAllomany, true)};
    return {};
}

}  // namespace kvx
