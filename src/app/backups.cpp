#include "app/backups.h"

#include "app/game_table.h"

#include <filesystem>
#include <string_view>
#include <system_error>
#include <unistd.h>

namespace kvx {

namespace fs = std::filesystem;

namespace {

bool van(const std::string& p)
{
    std::error_code ec;
    return !p.empty() && fs::is_regular_file(p, ec);
}

// A name beside `p` for a file on its way ("back...3.tip" for "back....tip").
std::string atmeneti(const std::string& p)
{
    const std::size_t pont = p.rfind('.');
    if (pont == std::string::npos)
        return p + ".3";
    return p.substr(0, pont) + "3" + p.substr(pont);
}

}  // namespace

bool Atnevezes(const std::string& honnan, const std::string& hova)
{
    std::error_code ec;
    fs::rename(honnan, hova, ec);
    return !ec;
}

bool MasodikNev(const std::string& honnan, const std::string& hova)
{
    std::error_code ec;
    fs::create_hard_link(honnan, hova, ec);
    if (!ec)
        return true;
    ec.clear();
    if (fs::copy_file(honnan, hova, fs::copy_options::none, ec) && !ec)
        return true;
    fs::remove(hova, ec);
    return false;
}

namespace {

constexpr std::string_view kAtmenetiUtotag = ".uj";

void torol(const BackMuveletek& m, const std::string& p)
{
    if (m.Torles) {
        m.Torles(p);
        return;
    }
    std::error_code ec;
    fs::remove(p, ec);
}

}  // namespace

std::string BackAtmeneti(const std::string& backAllomany)
{
    return backAllomany + std::string(kAtmenetiUtotag);
}

bool BackAtmenetiNev(const std::string& nev)
{
    // "back" + game folder + ("" or "1") + "." + kind + ".uj"
    std::string_view n(nev);
    if (!n.starts_with("back") || !n.ends_with(kAtmenetiUtotag))
        return false;
    n.remove_prefix(4);
    n.remove_suffix(kAtmenetiUtotag.size());
    if (!n.ends_with(".tip") && !n.ends_with(".top"))
        return false;
    n.remove_suffix(4);
    if (n.ends_with('1'))
        n.remove_suffix(1);
    for (const char* mappa : JatekMappa)
        if (n == mappa)
            return true;
    return false;
}

bool BackUjMentes(const std::string& aktualis, const std::string& egyes,
                  const std::function<bool(const std::string&)>& iras, const BackMuveletek& m)
{
    const std::string uj = BackAtmeneti(aktualis);
    torol(m, uj);
    if (!iras(uj)) {
        torol(m, uj);
        return false;
    }
    // Where an older generation is kept, the current set takes its place;
    // it stays under its own name while a second name of it replaces the
    // older backup.
    if (van(aktualis) && van(egyes)) {
        const std::string masodik = BackAtmeneti(egyes);
        torol(m, masodik);
        if (!m.MasodikNev(aktualis, masodik)) {
            torol(m, uj);
            return false;
        }
        if (!m.Atnevezes(masodik, egyes)) {
            torol(m, masodik);
            torol(m, uj);
            return false;
        }
    }
    if (!m.Atnevezes(uj, aktualis)) {
        torol(m, uj);
        return false;
    }
    return true;
}

std::string BackHibaOka(const std::string& backKonyvtar, const std::string& allomany)
{
    std::error_code ec;
    if (!fs::is_directory(backKonyvtar, ec))
        return "A(z) " + backKonyvtar + " mappa nem érhető el.";
    if (::access(backKonyvtar.c_str(), W_OK) != 0)
        return "A(z) " + backKonyvtar + " mappa írásvédett.";
    const fs::space_info hely = fs::space(backKonyvtar, ec);
    if (!ec && hely.available < 1024 * 1024)
        return "Nincs elég szabad hely a(z) " + backKonyvtar + " mappa lemezén.";
    return "A(z) " + allomany + " állomány nem írható.";
}

std::string BackAllomany(const Folders& f, int jatek, const std::string& n, const std::string& fajta)
{
    const int j = jatek < 0 || jatek >= kJatekokSzama ? 0 : jatek;
    return f.BackKonyvtar + "back" + JatekMappa[static_cast<std::size_t>(j)] + n + "." + fajta;
}

std::string BackIrasFajta(const std::string& backTipus, std::int64_t bontMatrixMeret)
{
    if (backTipus == "top" && bontMatrixMeret > 100000)
        return "tip";
    return backTipus == "top" ? "top" : "tip";
}

bool BackEsedekes(const BackHelyzet& h, const std::string& fajta)
{
    if (h.KijeloltEsFixSzamDb <= h.SzamsorHossz || !h.Engedely || h.Mentve)
        return false;
    return fajta != "top" || h.BontMatrixMeret > 0;
}

BackCsere BackKorrekcio(const std::string& aktualis, const std::string& egyes, const AtnevezesFn& atnevez)
{
    BackCsere r;
    r.VoltEgyes = van(egyes);
    if (!r.VoltEgyes)
        return r;
    if (!van(aktualis)) {
        r.Sikeres = atnevez(egyes, aktualis);
        return r;
    }
    const std::string ketto = atmeneti(aktualis);
    if (!atnevez(aktualis, ketto)) {
        r.Sikeres = false;
        return r;
    }
    if (!atnevez(egyes, aktualis)) {
        atnevez(ketto, aktualis);
        r.Sikeres = false;
        return r;
    }
    if (!atnevez(ketto, egyes)) {
        atnevez(aktualis, egyes);
        atnevez(ketto, aktualis);
        r.Sikeres = false;
    }
    return r;
}

BackCsere BackForgatas(const std::string& aktualis, const std::string& egyes, const std::string& tartalek,
                       const AtnevezesFn& atnevez)
{
    if (!van(tartalek))
        return BackKorrekcio(aktualis, egyes, atnevez);
    BackCsere r;
    r.VoltEgyes = van(egyes);
    // The older backup steps aside first; it is removed only once the new
    // generations are in place.
    const std::string regi = atmeneti(egyes);
    if (r.VoltEgyes && !atnevez(egyes, regi)) {
        r.Sikeres = false;
        return r;
    }
    auto visszaRegi = [&] {
        if (r.VoltEgyes)
            atnevez(regi, egyes);
    };
    if (van(aktualis) && !atnevez(aktualis, egyes)) {
        visszaRegi();
        r.Sikeres = false;
        return r;
    }
    if (!atnevez(tartalek, aktualis)) {
        atnevez(egyes, aktualis);
        visszaRegi();
        r.Sikeres = false;
        return r;
    }
    if (r.VoltEgyes) {
        std::error_code ec;
        fs::remove(regi, ec);
    }
    // The work kept aside is now the current backup: a restore can bring it back.
    r.VoltEgyes = true;
    return r;
}

}  // namespace kvx
