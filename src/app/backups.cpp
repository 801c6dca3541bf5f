#include "app/backups.h"

#include "app/game_table.h"
#include "common/binary_io.h"

#include <filesystem>
#include <string_view>
#include <system_error>
#include <vector>
#include <unistd.h>

namespace kvx {

namespace fs = std::filesystem;

namespace {

bool van(const std::string& p)
{
    std::error_code ec;
    return !p.empty() && fs::is_regular_file(p, ec);
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
    // A copy appears under the new name only when it is whole.
    ec.clear();
    if (fs::exists(fs::symlink_status(hova, ec)))
        return false;
    std::vector<std::uint8_t> adat;
    return readWholeFile(honnan, adat) && writeFileAtomic(hova, std::span<const std::uint8_t>(adat));
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

namespace {

// The generations move one step: the current set gets a second name beside
// the older backup's, `kovetkezo` gives the current name to the next set, and
// the second name replaces the older backup. Killed between two steps, every
// set is still under a name, and the next start finishes or drops the second
// name (BackMasodikNevRendezese). A failed step puts every file back;
// `visszaKovetkezo` returns the next set to where it came from.
bool generacioLepes(const std::string& aktualis, const std::string& egyes, const std::function<bool()>& kovetkezo,
                    const std::function<void()>& visszaKovetkezo, const BackMuveletek& m)
{
    const std::string masodik = BackAtmeneti(egyes);
    torol(m, masodik);
    if (!m.MasodikNev(aktualis, masodik)) {
        torol(m, masodik);
        return false;
    }
    if (!kovetkezo()) {
        torol(m, masodik);
        return false;
    }
    if (!m.Atnevezes(masodik, egyes)) {
        if (visszaKovetkezo)
            visszaKovetkezo();
        m.Atnevezes(masodik, aktualis);
        return false;
    }
    return true;
}

bool azonosTartalom(const std::string& a, const std::string& b)
{
    std::vector<std::uint8_t> x, y;
    return readWholeFile(a, x) && readWholeFile(b, y) && x == y;
}

}  // namespace

bool BackUjMentes(const std::string& aktualis, const std::string& egyes,
                  const std::function<bool(const std::string&)>& iras, const BackMuveletek& m)
{
    const std::string uj = BackAtmeneti(aktualis);
    torol(m, uj);
    if (!iras(uj)) {
        torol(m, uj);
        return false;
    }
    // Where an older generation is kept, the current set replaces it; the
    // older one is given up only after the new set holds the current name.
    if (van(aktualis) && van(egyes)) {
        const bool ok = generacioLepes(
            aktualis, egyes, [&] { return m.Atnevezes(uj, aktualis); }, nullptr, m);
        if (!ok)
            torol(m, uj);
        return ok;
    }
    if (!m.Atnevezes(uj, aktualis)) {
        torol(m, uj);
        return false;
    }
    return true;
}

bool BackMasodikNevRendezese(const std::string& masodik)
{
    const std::string_view utotag(kAtmenetiUtotag);
    if (!std::string_view(masodik).ends_with(utotag))
        return false;
    const std::string egyes = masodik.substr(0, masodik.size() - utotag.size());
    const std::size_t pont = egyes.rfind('.');
    if (pont == std::string::npos || pont == 0 || egyes[pont - 1] != '1')
        return false;
    const std::string aktualis = egyes.substr(0, pont - 1) + egyes.substr(pont);
    // Still the current set itself (or, where no link could be made, a copy
    // of its bytes): the current name was not given away yet.
    std::error_code ec;
    if (van(aktualis) && (fs::equivalent(masodik, aktualis, ec) || azonosTartalom(masodik, aktualis)))
        return false;
    return Atnevezes(masodik, egyes);
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

BackCsere BackKorrekcio(const std::string& aktualis, const std::string& egyes, const BackMuveletek& m)
{
    BackCsere r;
    r.VoltEgyes = van(egyes);
    if (!r.VoltEgyes)
        return r;
    if (!van(aktualis)) {
        r.Sikeres = m.Atnevezes(egyes, aktualis);
        return r;
    }
    r.Sikeres = generacioLepes(
        aktualis, egyes, [&] { return m.Atnevezes(egyes, aktualis); }, [&] { m.Atnevezes(aktualis, egyes); }, m);
    return r;
}

BackCsere BackForgatas(const std::string& aktualis, const std::string& egyes, const std::string& tartalek,
                       const BackMuveletek& m)
{
    if (!van(tartalek))
        return BackKorrekcio(aktualis, egyes, m);
    BackCsere r;
    r.VoltEgyes = van(egyes);
    // The oldest generation is given up only once the work kept aside holds
    // the current name.
    if (van(aktualis))
        r.Sikeres = generacioLepes(
            aktualis, egyes, [&] { return m.Atnevezes(tartalek, aktualis); },
            [&] { m.Atnevezes(aktualis, tartalek); }, m);
    else
        r.Sikeres = m.Atnevezes(tartalek, aktualis);
    // The work kept aside is now the current backup: a restore can bring it back.
    if (r.Sikeres)
        r.VoltEgyes = true;
    return r;
}

}  // namespace kvx
