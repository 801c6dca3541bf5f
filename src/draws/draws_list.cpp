#include "draws/draws_list.h"

#include "common/delphi_format.h"
#include "common/line_info.h"
#include "common/numbering.h"
#include "draws/hit_class.h"
#include "app/game_grid.h"

#include <algorithm>

namespace kvx {

namespace {

std::int32_t Ertek(const DrawsState& d, std::int32_t sor, std::int32_t oszlop)
{
    if (sor < 1 || sor > d.HuzasokSzama || oszlop < 0)
        return 0;
    const TTombInt1D& r = d.Huzasok[static_cast<std::size_t>(sor - 1)];
    return static_cast<std::size_t>(oszlop) < r.size() ? r[static_cast<std::size_t>(oszlop)] : 0;
}

bool VanMasodik(const DrawsState& d, const GameParams& g, std::int32_t sor)
{
    return g.TobbSorsolas && Ertek(d, sor, g.MasodikHuzasOszlop) >= 1;
}

std::string Sor(std::int32_t cimke, const std::string& szint, std::int64_t db, bool rovid)
{
    std::string s = rovid ? Format("%2.0u", {cimke}) : Format("%4.0u", {cimke});
    if (!szint.empty())
        s += "+" + szint;
    else if (rovid)
        s += "  ";
    return s + " találat:" + Format("%8.0u", {db}) + "\r\n";
}

}  // namespace

std::int32_t GetKivRekord(HuzListaState& s, const DrawsState& d)
{
    if (s.KivRekord <= 0 || s.KivRekord > d.HuzasokSzama)
        s.KivRekord = 1;
    return s.KivRekord;
}

void HuzTablaSelectCell(HuzListaState& s, const DrawsState& d, const GameParams& g, std::int32_t oszlop,
                        std::int32_t sor)
{
    const bool sorValtas = sor != s.KivRekord;
    const bool voltMasodik = s.KivSzamsorOszlop != 3;
    s.KivRekord = sor;
    GetKivRekord(s, d);
    const bool masodik = VanMasodik(d, g, s.KivRekord) &&
                         (oszlop >= g.MasodikHuzasOszlop || (sorValtas && oszlop != 3 && voltMasodik));
    s.KivSzamsorOszlop = masodik ? g.MasodikHuzasOszlop : 3;
    s.MasodikSzamsorKijelolt = g.TobbSorsolas && !masodik;
}

std::optional<std::int32_t> SorsolasValtoOszlop(const HuzListaState& s, const DrawsState& d, const GameParams& g,
                                                std::int32_t sor, SorsolasBillentyu k)
{
    if (!g.TobbSorsolas || !d.AdatbazisBetoltve)
        return std::nullopt;
    if ((k == SorsolasBillentyu::Jobbra || k == SorsolasBillentyu::Tab) && s.MasodikSzamsorKijelolt &&
        Ertek(d, sor, g.MasodikHuzasOszlop) > 0)
        return g.MasodikHuzasOszlop;
    if ((k == SorsolasBillentyu::Balra || k == SorsolasBillentyu::Tab) && !s.MasodikSzamsorKijelolt)
        return 3;
    return std::nullopt;
}

std::int32_t TalalatEloszlasMeret(const GameParams& g)
{
    if (g.PotSzamTalalat)
        return g.HuzottFoSzamokPluszNelkul * g.TalalatSzorzo + 1;
    return (g.HuzottFoSzamokPluszNelkul + 1) * g.TalalatSzorzo + g.PotSzamok;
}

void TalalatEloszlasSzamitas(HuzListaState& s, const DrawsState& d, const GameParams& g, std::int32_t elso,
                             std::int32_t utolso)
{
    const std::int32_t kiv = GetKivRekord(s, d);
    s.KivSzamok.assign(static_cast<std::size_t>(std::max(g.HuzottFoSzamok, 0)), 0);
    for (std::int32_t i = 0; i < g.HuzottFoSzamok; ++i)
        s.KivSzamok[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(Ertek(d, kiv, s.KivSzamsorOszlop + i));
    s.KivPotSzamok.assign(static_cast<std::size_t>(std::max(g.PotSzamok, 0)), 0);
    if (g.VanPotSzam)
        for (std::int32_t i = 0; i < g.PotSzamok; ++i)
            s.KivPotSzamok[static_cast<std::size_t>(i)] =
                static_cast<std::uint8_t>(Ertek(d, kiv, 3 + g.HuzottFoSzamok + i));

    const std::int32_t meret = TalalatEloszlasMeret(g);
    s.TalalatEloszlas.assign(static_cast<std::size_t>(std::max(meret, 0)), 0);
    elso = std::max(elso, 1);
    utolso = std::min(utolso, d.HuzasokSzama);
    const std::int32_t sorsolasok = g.TobbSorsolas ? 2 : 1;
    for (std::int32_t r = elso; r <= utolso; ++r) {
        const TTombInt1D& sor = d.Huzasok[static_cast<std::size_t>(r - 1)];
        for (std::int32_t h = 0; h < sorsolasok; ++h) {
            const std::int32_t kezdet = h == 0 ? 3 : g.MasodikHuzasOszlop;
            if (Ertek(d, r, kezdet) <= 0)
                continue;
            // Main hits and separate-pool hits; the bonus numbers are paired
            // below, draw against draw.
            const SzamsorTalalat t =
                SzamsorTalalatai(g, sor, std::span<const std::uint8_t>(s.KivSzamok), h, TalalatSzorzoTipus::Variacio);
            std::int32_t j = t.Fo;
            std::int32_t k = t.Plusz;
            if (g.VanPotSzam) {
                if (j == g.SzamsorHossz && !g.PotSzamTalalat)
                    ++j;
                if (g.PotSzamTalalat || j == g.SzamsorHossz - 1) {
                    for (std::int32_t p = 0; p < g.PotSzamok; ++p) {
                        const std::int32_t b = Ertek(d, r, kezdet + g.HuzottFoSzamok + p);
                        if (b <= 0)
                            continue;
                        for (std::uint8_t kp : s.KivPotSzamok)
                            if (kp != 0 && kp == b)
                                ++k;
                    }
                }
                // The top class has no bonus levels: a full main hit with a
                // matching bonus is the full hit.
                if (g.PotSzamTalalat && j >= g.SzamsorHossz)
                    k = 0;
            }
            const std::int32_t osztaly = TalalatOsztaly(j, k, g.TalalatSzorzo);
            if (osztaly >= 0 && osztaly < meret)
                ++s.TalalatEloszlas[static_cast<std::size_t>(osztaly)];
        }
    }
}

std::string IsmetlodoHuzasTipp(std::int32_t kivRekord)
{
    return std::to_string(kivRekord) + ". húzás számsora: többször szerepel a listában ";
}

HLRiport HLRiportKiir(HuzListaState& s, const DrawsState& d, const GameParams& g, std::int32_t elso,
                      std::int32_t utolso)
{
    HLRiport r;
    const std::int32_t kiv = GetKivRekord(s, d);
    r.Felirat = Format(" %d. húzás számsora", {kiv});
    r.Szoveg = Format(" %d. - %d. húzások\r\n", {elso, utolso});

    TTombInt1D t = s.TalalatEloszlas;
    if (t.empty())
        t.assign(static_cast<std::size_t>(std::max(TalalatEloszlasMeret(g), 1)), 0);
    // The selected row hits itself in the top class.
    if (kiv >= elso && kiv <= utolso && t.back() > 0)
        --t.back();
    s.IsmetlodoHuzas = t.back() > 0 ? kiv : 0;

    auto db = [&](std::int32_t i) -> std::int64_t {
        return i >= 0 && static_cast<std::size_t>(i) < t.size() ? t[static_cast<std::size_t>(i)] : 0;
    };
    const bool rovid = g.VanPotSzam || g.VanPluszSzam;
    const std::int32_t sz = g.TalalatSzorzo;
    for (std::int32_t m = g.HuzottFoSzamokPluszNelkul; m >= 0; --m) {
        if (g.VanPluszSzam) {
            for (std::int32_t e = g.PluszSzamDb; e >= 1; --e)
                r.Szoveg += Sor(m, std::to_string(e), db(m * sz + e), rovid);
            r.Szoveg += Sor(m, "", db(m * sz), rovid);
        } else if (g.PotSzamTalalat) {
            if (m < g.HuzottFoSzamokPluszNelkul)
                for (std::int32_t e = g.PotSzamok; e >= 1; --e)
                    r.Szoveg += Sor(m, std::to_string(e), db(m * sz + e), rovid);
            r.Szoveg += Sor(m, "", db(m * sz), rovid);
        } else if (g.VanPotSzam) {
            // Layout: 0 .. SzamsorHossz - 1 plain, then "n-1 + bonus", then the full hit.
            if (m == g.SzamsorHossz) {
                r.Szoveg += Sor(m, "", db(m + 1), rovid);
            } else {
                if (m == g.SzamsorHossz - 1)
                    r.Szoveg += Sor(m, "1", db(g.SzamsorHossz), rovid);
                r.Szoveg += Sor(m, "", db(m), rovid);
            }
        } else {
            r.Szoveg += Sor(m, "", db(m), rovid);
        }
    }

    TTombByte1D sor = s.KivSzamok;
    const auto kitoltott = std::count_if(sor.begin(), sor.end(), [](std::uint8_t v) { return v > 0; });
    if (kitoltott == g.SzamsorHossz && static_cast<std::int32_t>(sor.size()) == g.SzamsorHossz) {
        TTombByte1D rendezett = sor;
        if (const auto ssz = SzamsorSorszamaTV(rendezett, gameNumberingDims(g))) {
            const std::string szam = FormatThousands(static_cast<std::int64_t>(*ssz));
            const bool hosszu = std::to_string(*ssz).size() > 11;
            r.Szoveg += hosszu ? "\r\n S:" + Format("%17s", {szam}) + "." : "\r\n Ssz:" + Format("%15s", {szam}) + ".";
        }
    }

    const int jatek = g.LottoIndex;
    const bool csoport = PluszPanelJatek(jatek) || g.PotSzamTalalat;
    std::int32_t mod1 = 0, mod2 = -1;
    if (TizesRacsJatek(jatek) || (csoport && (jatek == 38 || jatek == 41 || jatek == 42))) {
        mod1 = 4;
        mod2 = 5;
    } else if (csoport) {
        mod1 = 1;
        mod2 = 2;
    }
    TTombByte1D info = s.KivSzamok;
    // The properties text opens with its own line break.
    r.Szoveg += SegedszelvenyInfo(info, mod1);
    if (mod2 >= 0) {
        TTombByte1D info2 = s.KivSzamok;
        r.Szoveg2 = SegedszelvenyInfo(info2, mod2);
    }
    return r;
}

bool PotOszlop(const GameParams& g, std::int32_t oszlop)
{
    if (!g.VanPotSzam)
        return false;
    const std::int32_t utolso = g.HuzottSzamok + 2;
    return oszlop == g.SzamsorHossz + 3 || oszlop == utolso || (g.LottoIndex == 38 && oszlop >= g.SzamsorHossz + 3);
}

bool PluszOszlop(const GameParams& g, std::int32_t oszlop)
{
    return g.VanPluszSzam && oszlop >= g.HuzottFoSzamokPluszNelkul + 3;
}

HuzCella HuzTablaFejlec(const GameParams& g, std::int32_t oszlop)
{
    static constexpr const char* kFejlecek[3] = {"Húzás", "Év", "Hét"};
    std::string szoveg;
    if (oszlop >= 0 && oszlop < 3) {
        szoveg = std::string(kFejlecek[oszlop]);
    } else if (PotOszlop(g, oszlop)) {
        szoveg = std::string(1, '+');
    } else {
        std::int32_t hely = oszlop - 2;
        // The second drawing counts from 1 again.
        if (g.TobbSorsolas && oszlop >= g.MasodikHuzasOszlop)
            hely = oszlop - g.MasodikHuzasOszlop + 1;
        szoveg = std::to_string(hely) + ".";
    }
    HuzCella c;
    c.Szoveg = std::move(szoveg);
    c.Hatter = HuzCellaHatter::Fejlec;
    c.Szurke = true;
    return c;
}

HuzCella HuzTablaCella(const HuzListaState& s, const DrawsState& d, const GameParams& g, std::int32_t sor,
                       std::int32_t oszlop, std::int32_t listaElso, std::int32_t listaUtolso)
{
    HuzCella c;
    c.Szurke = sor < listaElso || sor > listaUtolso;
    const bool kivalasztott = sor == s.KivRekord;
    const std::int32_t v = Ertek(d, sor, oszlop);
    if (oszlop == 0) {
        c.Szoveg = std::to_string(v) + ".";
        c.Hatter = HuzCellaHatter::Sorszam;
        c.Vastag = kivalasztott;
        c.Piros = kivalasztott && s.IsmetlodoHuzas == sor && sor > 0;
        return c;
    }
    if (oszlop <= 2) {
        c.Szoveg = std::to_string(v) + (oszlop == 2 ? "." : "");
        c.Hatter = HuzCellaHatter::Hatter;
        return c;
    }
    // Every number cell shows its value: a 0 is a bonus number or a second
    // drawing the draw does not have.
    c.Szoveg = std::to_string(PluszOszlop(g, oszlop) && v > g.FoSzamKeszlet ? g.PluszSzamKijelzes(v) : v);
    const bool pot = PotOszlop(g, oszlop);
    const bool plusz = PluszOszlop(g, oszlop);
    const std::int32_t masodikKezdet = g.TobbSorsolas ? g.MasodikHuzasOszlop : g.HuzottSzamok + 3;
    const bool masodikSor = oszlop >= masodikKezdet;
    const std::int32_t tovabbi = g.PotSzamok + g.SzamsorHossz + 3;
    if (kivalasztott) {
        const bool kijeloltSor = !g.TobbSorsolas || masodikSor == (s.KivSzamsorOszlop != 3);
        if (!kijeloltSor) {
            c.Hatter = masodikSor && !VanMasodik(d, g, sor) ? HuzCellaHatter::Fajta1Szelet6 : HuzCellaHatter::Fajta3Szelet6;
        } else if (pot) {
            c.Hatter = HuzCellaHatter::Fajta1Szelet6;
        } else if (plusz) {
            c.Hatter = HuzCellaHatter::Fajta3Szelet14;
        } else if (g.LottoIndex == 17 && oszlop >= g.SzamsorHossz + 3) {
            c.Hatter = HuzCellaHatter::Fajta3Szelet6;
            c.Vastag = true;
        } else {
            c.Hatter = HuzCellaHatter::Kiemelo;
            c.Vastag = true;
            c.Feher = true;
        }
        return c;
    }
    if (oszlop >= tovabbi && !(pot && !masodikSor)) {
        if (g.LottoIndex >= 8)
            c.Hatter = HuzCellaHatter::Fajta3Szelet6;
        else if (g.LottoIndex == 7)
            c.Hatter = HuzCellaHatter::Fajta3Szelet14;
        else
            c.Hatter = HuzCellaHatter::Fajta1Szelet6;
        return c;
    }
    c.Hatter = pot || plusz ? HuzCellaHatter::Fajta3Szelet14 : HuzCellaHatter::Fajta3Szelet6;
    return c;
}

FoglaltHuzas FoglaltHuzasok(std::int32_t huzasokSzama, std::int32_t kivRekord, std::int32_t bontSzelvszam,
                            bool talArAktiv, std::int32_t talaranyElsoHuzas, std::int32_t talaranyUtolsoHuzas)
{
    FoglaltHuzas f;
    const bool nyito = huzasokSzama < 2;
    const bool foglalt = bontSzelvszam > 0 && talArAktiv && kivRekord <= talaranyUtolsoHuzas;
    if (!nyito && !foglalt)
        return f;
    const std::string elotag =
        nyito ? " Nyitó számsor: " : " Variáció - Találati arány feltétel \r\n Foglalt tartomány: ";
    if (nyito || kivRekord <= talaranyUtolsoHuzas) {
        f.Beszuras = false;
        f.BeszurasTipp = elotag + "nem szúrható be új húzás ";
        f.Torles = false;
        f.TorlesTipp = elotag + "nem törölhető a húzás ";
    }
    if (talArAktiv && kivRekord >= talaranyElsoHuzas && kivRekord <= talaranyUtolsoHuzas &&
        (foglalt || nyito)) {
        f.Modositas = false;
        f.ModositasTipp = elotag + " nem módosítható a húzás ";
    }
    return f;
}

}  // namespace kvx
