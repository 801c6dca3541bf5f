#include "draws/draw_ranges.h"

#include <algorithm>
#include <limits>

namespace kvx {

namespace {

bool KetHuzasos(std::int32_t m) { return m == 1 || m == 3 || m == 6; }
std::int32_t Res(std::int32_t m) { return KetHuzasos(m) ? 1 : 0; }

std::int32_t Jegyek(std::int32_t v)
{
    std::int32_t n = 1;
    while (v >= 10) {
        v /= 10;
        ++n;
    }
    return n;
}

std::string Ezres(std::int64_t v, const std::string& sep)
{
    const bool neg = v < 0;
    std::string d = std::to_string(neg ? -v : v);
    std::string out;
    const std::size_t n = d.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            out += sep;
        out += d[i];
    }
    return neg ? "-" + out : out;
}

// The mode's upper limits of the two fields.
void Korlatok(const HuzSzamaKornyezet& k, HuzSzamaMezok& f)
{
    switch (f.Mod) {
    case 1:
    case 3:
    case 6:
        f.ElsoMin = 1;
        f.ElsoMax = k.N - 1;
        f.UtolsoMin = 2;
        f.UtolsoMax = k.N;
        break;
    case 2:
        f.ElsoMin = 1;
        f.ElsoMax = k.N;
        f.UtolsoMin = 2;
        f.UtolsoMax = k.N;
        break;
    case 4:
        f.ElsoMin = 1;
        f.ElsoMax = k.L;
        f.UtolsoMin = 1;
        f.UtolsoMax = k.L;
        break;
    case 5:
        f.ElsoMin = 1;
        f.ElsoMax = k.C;
        f.UtolsoMin = 1;
        f.UtolsoMax = k.C;
        break;
    default:
        break;
    }
}

void Tarol(HuzSzamaState& s, const HuzSzamaKornyezet& k, const HuzSzamaMezok& f, bool modKetto)
{
    const std::int32_t e = f.Elso.value_or(1);
    const std::int32_t u = f.Utolso.value_or(e);
    switch (f.Mod) {
    case 1: s.SetHuzSzamaElso(e); s.SetHuzSzamaUtolso(u); break;
    case 2:
        if (modKetto && k.TalArElso && k.TalArUtolso) {
            *k.TalArElso = e;
            *k.TalArUtolso = u;
        }
        break;
    case 3: s.SetLHuzSzamaElso(e); s.SetLHuzSzamaUtolso(u); break;
    case 4: s.SetBontSzamsorElso(e); s.SetBontSzamsorUtolso(u); break;
    case 5: s.SetBontBovitesSzamsorElso(e); s.SetBontBovitesSzamsorUtolso(u); break;
    case 6: s.SetVariacioTesztSzamsorElso(e); s.SetVariacioTesztSzamsorUtolso(u); break;
    default: break;
    }
}

// An empty first field counts as 1, an empty last one as just past the first.
void UresMezok(HuzSzamaMezok& f, std::int32_t res)
{
    if (!f.Elso)
        f.Elso = 1;
    if (!f.Utolso)
        f.Utolso = *f.Elso + res;
}

// The count text under the fields.
void Kijeloles(const HuzSzamaKornyezet& k, HuzSzamaMezok& f)
{
    const std::int32_t e = f.Elso.value_or(1);
    const std::int32_t u = f.Utolso.value_or(e);
    f.Label3 = "Kijelölve: " + Ezres(static_cast<std::int64_t>(u) - e + 1, k.EzresElvalaszto) +
               (f.Mod == 4 || f.Mod == 5 ? " számsor" : " húzás");
}

}  // namespace

void Ini(HuzSzamaState& s, std::int32_t N, std::int32_t bontMatrixMeret, TalalatiAranyTartomanyok* talAr)
{
    s.HuzSzamaElso = 1;
    s.HuzSzamaUtolso = N;
    s.LHuzSzamaElso = 1;
    s.LHuzSzamaUtolso = N;
    s.BontSzamsorElso = 1;
    s.BontSzamsorUtolso = std::max(bontMatrixMeret, 1);
    s.BontBovitesSzamsorElso = 1;
    s.BontBovitesSzamsorUtolso = 1;
    s.VariacioTesztSzamsorElso = 1;
    s.VariacioTesztSzamsorUtolso = N;
    s.AktPluszSzam = {0, 0};
    if (talAr && !talAr->TalArAktiv && bontMatrixMeret == 0) {
        std::fill(talAr->ElsoHuzas.begin(), talAr->ElsoHuzas.end(), 1);
        std::fill(talAr->UtolsoHuzas.begin(), talAr->UtolsoHuzas.end(), N);
    }
}

std::int32_t GetAktHuzSzama(HuzSzamaState& s, const DrawsState& d, const GameParams& g, std::int32_t flag)
{
    const std::int32_t elso = flag != 0 ? s.LHuzSzamaElso : s.HuzSzamaElso;
    const std::int32_t utolso = flag != 0 ? s.LHuzSzamaUtolso : s.HuzSzamaUtolso;
    const std::int32_t tol = std::max(elso, 1) - 1;
    const std::int32_t ig = std::min(utolso, d.HuzasokSzama);
    std::int32_t huzasok = 0, plusz = 0;
    for (std::int32_t r = tol; r < ig; ++r) {
        const TTombInt1D& sor = d.Huzasok[static_cast<std::size_t>(r)];
        auto at = [&](std::int32_t c) { return c >= 0 && static_cast<std::size_t>(c) < sor.size() ? sor[static_cast<std::size_t>(c)] : 0; };
        ++huzasok;
        if (g.TobbSorsolas && at(g.MasodikHuzasOszlop) > 0)
            ++huzasok;
        if (g.VanPotSzam) {
            if (at(g.HuzottFoSzamok + 3) > 0)
                ++plusz;
            if (g.PotSzamok > 1 && at(g.HuzottFoSzamok + 4) > 0)
                ++plusz;
            if (g.TobbSorsolas && at(g.MasodikHuzasOszlop + g.HuzottFoSzamok) > 0)
                ++plusz;
        }
    }
    s.AktPluszSzam[flag != 0 ? 1 : 0] = plusz;
    return huzasok;
}

std::optional<std::int32_t> MezoErtek(std::string_view szoveg)
{
    while (!szoveg.empty() && szoveg.front() == ' ')
        szoveg.remove_prefix(1);
    while (!szoveg.empty() && szoveg.back() == ' ')
        szoveg.remove_suffix(1);
    if (szoveg.empty())
        return std::nullopt;
    std::int64_t v = 0;
    for (char c : szoveg) {
        if (c < '0' || c > '9')
            return std::nullopt;
        v = std::min<std::int64_t>(v * 10 + (c - '0'), std::numeric_limits<std::int32_t>::max());
    }
    return static_cast<std::int32_t>(v);
}

HuzSzamaStartEredmeny Start(HuzSzamaState& s, const HuzSzamaKornyezet& k, std::int32_t m, HuzSzamaMezok& f)
{
    f = HuzSzamaMezok{};
    f.Mod = m;
    f.MegseGombTag = -1;
    Korlatok(k, f);
    const std::string elsoHuz = "Első húzás", utolsoHuz = "Utolsó húzás";
    std::int32_t hosszAlap = k.N;
    switch (m) {
    case 1:
        f.Fejlec = "Főszelvény statisztika";
        f.Felirat = " Húzások száma";
        f.BoxFelirat = " Minden húzás";
        f.ElsoCimke = elsoHuz; f.UtolsoCimke = utolsoHuz;
        f.Elso = s.HuzSzamaElso; f.Utolso = s.HuzSzamaUtolso;
        break;
    case 2:
        f.Fejlec = "Találati arány feltétel";
        f.Felirat = " Húzások száma";
        f.BoxFelirat = " Minden húzás";
        f.ElsoCimke = elsoHuz; f.UtolsoCimke = utolsoHuz;
        f.Elso = k.TalArElso ? *k.TalArElso : 1;
        f.Utolso = k.TalArUtolso ? *k.TalArUtolso : k.N;
        break;
    case 3:
        f.Fejlec = k.ListaFelirat;
        f.Felirat = " Húzások száma";
        f.BoxFelirat = " Minden húzás";
        f.ElsoCimke = elsoHuz; f.UtolsoCimke = utolsoHuz;
        f.Elso = s.LHuzSzamaElso; f.Utolso = s.LHuzSzamaUtolso;
        break;
    case 4:
        f.Fejlec = "Számsorok törlése a variáció listájából";
        f.Felirat = " Számsorok törlése";
        f.BoxFelirat = " Bővítmény törlése";
        f.ElsoCimke = "Első számsor"; f.UtolsoCimke = "Utolsó számsor";
        f.Elso = k.KivalasztottSor; f.Utolso = k.KivalasztottSor;
        s.SetBontSzamsorElso(k.KivalasztottSor);
        s.SetBontSzamsorUtolso(k.L);
        hosszAlap = k.L;
        if (k.BovitmenyKezdet <= 0) {
            f.MindHuzEngedelyezett = false;
            f.MindHuz = false;
        }
        break;
    case 5:
        f.Fejlec = "Teszt számsorok beillesztése";
        f.Felirat = " Számsorok hozzáadása";
        f.BoxFelirat = " Minden számsor";
        f.ElsoCimke = "Első számsor"; f.UtolsoCimke = "Utolsó számsor";
        f.Elso = 1; f.Utolso = k.C;
        s.SetBontBovitesSzamsorElso(1);
        s.SetBontBovitesSzamsorUtolso(k.C);
        hosszAlap = k.C;
        break;
    case 6:
        f.Fejlec = "Variáció tesztje a húzások számsoraival";
        f.Felirat = " Húzások száma";
        f.BoxFelirat = " Minden húzás";
        f.ElsoCimke = elsoHuz; f.UtolsoCimke = utolsoHuz;
        f.Elso = s.VariacioTesztSzamsorElso; f.Utolso = s.VariacioTesztSzamsorUtolso;
        break;
    default:
        return {};
    }
    f.MaxHossz = Jegyek(std::max(hosszAlap, 0));
    f.ElsoTipp = " Minimum: 1 \r\n Maximum: " + std::to_string(f.ElsoMax) + " ";
    if (KetHuzasos(m))
        f.UtolsoTipp = " Minimum: 2\r\n Maximum: " + std::to_string(f.UtolsoMax) + " ";
    else if (m == 2)
        f.UtolsoTipp = " Minimum: 1\r\n Maximum: " + std::to_string(f.UtolsoMax) + " ";
    else
        f.UtolsoTipp = f.ElsoTipp;

    Panel2Exit(s, k, f);
    if (KetHuzasos(m) && k.N <= 1) {
        HuzSzamaStartEredmeny e;
        if (k.N == 1)
            e.Figyelmeztetes =
                "Az adatbázis egy sorsolás adatait tartalmazza.\r\n\r\nMinimum két sorsolás szükséges egy tartomány kijelöléséhez.";
        return e;
    }
    return {true, {}};
}

void ElsoHuzBeExit(HuzSzamaState& s, const HuzSzamaKornyezet& k, HuzSzamaMezok& f)
{
    const std::int32_t res = Res(f.Mod);
    UresMezok(f, res);
    std::int32_t& e = *f.Elso;
    std::int32_t& u = *f.Utolso;
    if (e >= f.ElsoMin && e <= f.ElsoMax && e >= u) {
        u = e + res;
        if (KetHuzasos(f.Mod) && e + 1 > f.UtolsoMax)
            u = e;
    }
    if (e > f.ElsoMax)
        e = u - res;
    else if (e < f.ElsoMin)
        e = 1;
    Panel2Exit(s, k, f);
}

void UtolsoHuzBeExit(HuzSzamaState& s, const HuzSzamaKornyezet& k, HuzSzamaMezok& f)
{
    const std::int32_t res = Res(f.Mod);
    UresMezok(f, res);
    std::int32_t& e = *f.Elso;
    std::int32_t& u = *f.Utolso;
    if (u >= f.UtolsoMin && u <= f.UtolsoMax && e >= u) {
        e = u - res;
        if (KetHuzasos(f.Mod) && u < 2)
            e = u;
    }
    if (u > f.UtolsoMax)
        u = f.UtolsoMax;
    else if (u < f.UtolsoMin)
        u = e + res;
    Panel2Exit(s, k, f);
}

void NyilLepes(HuzSzamaState& s, const HuzSzamaKornyezet& k, HuzSzamaMezok& f, bool elso, bool fel)
{
    const std::int32_t res = Res(f.Mod);
    if (elso && !f.Utolso)
        UtolsoHuzBeExit(s, k, f);
    if (!elso && !f.Elso)
        ElsoHuzBeExit(s, k, f);
    UresMezok(f, res);
    std::int32_t& e = *f.Elso;
    std::int32_t& u = *f.Utolso;
    if (elso) {
        if (fel && e < f.ElsoMax)
            ++e;
        else if (!fel && e > f.ElsoMin)
            --e;
        if (e >= u)
            u = e + res;
    } else {
        if (fel && u < f.UtolsoMax)
            ++u;
        else if (!fel && u > f.UtolsoMin)
            --u;
        if (e >= u)
            e = u - res;
    }
    Panel2Exit(s, k, f);
}

void ElsoHuzBeDblClick(HuzSzamaState& s, const HuzSzamaKornyezet& k, HuzSzamaMezok& f)
{
    const std::int32_t res = Res(f.Mod);
    const std::int32_t e = f.Elso.value_or(1);
    const std::int32_t u = f.Utolso.value_or(e + res);
    f.Utolso = u;
    f.Elso = e < u - res ? u - res : f.ElsoMin;
    Panel2Exit(s, k, f);
}

void UtolsoHuzBeDblClick(HuzSzamaState& s, const HuzSzamaKornyezet& k, HuzSzamaMezok& f)
{
    const std::int32_t res = Res(f.Mod);
    const std::int32_t e = f.Elso.value_or(1);
    const std::int32_t u = f.Utolso.value_or(e + res);
    f.Elso = e;
    f.Utolso = u < f.UtolsoMax ? f.UtolsoMax : e + res;
    Panel2Exit(s, k, f);
}

void Panel2Exit(HuzSzamaState& s, const HuzSzamaKornyezet& k, HuzSzamaMezok& f)
{
    const std::int32_t e = f.Elso.value_or(1);
    const std::int32_t u = f.Utolso.value_or(e);
    switch (f.Mod) {
    case 1:
    case 2:
    case 3:
    case 6:
        if (u >= k.N && e < 2)
            MindenHuzas(s, k, f);
        else
            f.MindHuz = false;
        break;
    case 4:
        if (k.BovitmenyKezdet > 0) {
            if (u == k.L && e == k.BovitmenyKezdet)
                MindenHuzas(s, k, f);
            else
                f.MindHuz = false;
        }
        break;
    case 5:
        if (u >= k.C && e < 2)
            MindenHuzas(s, k, f);
        else
            f.MindHuz = false;
        break;
    default:
        break;
    }
    Kijeloles(k, f);
}

void MindenHuzas(HuzSzamaState& s, const HuzSzamaKornyezet& k, HuzSzamaMezok& f)
{
    switch (f.Mod) {
    case 1:
    case 2:
    case 3:
    case 6:
        f.Elso = 1;
        f.Utolso = k.N;
        Korlatok(k, f);
        break;
    case 4:
        f.Utolso = k.BontSzelvszam;
        f.Elso = k.BovitmenyKezdet > 0 ? k.BovitmenyKezdet : 1;
        break;
    case 5:
        f.Utolso = k.OsztalyVan ? k.C : 1;
        f.Elso = 1;
        break;
    default:
        return;
    }
    if (f.Mod != 2)
        Tarol(s, k, f, false);
    if (f.Mod == 4)
        f.MindHuz = k.BovitmenyKezdet > 0 && *f.Elso == k.BovitmenyKezdet && *f.Utolso == k.BontSzelvszam;
    else
        f.MindHuz = true;
    Kijeloles(k, f);
}

void RendbenGombClick(HuzSzamaState& s, const HuzSzamaKornyezet& k, HuzSzamaMezok& f)
{
    f.MegseGombTag = f.Mod;
    ElsoHuzBeExit(s, k, f);
    UtolsoHuzBeExit(s, k, f);
    Tarol(s, k, f, true);
}

}  // namespace kvx
