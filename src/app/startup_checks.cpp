#include "app/startup_checks.h"

#include <cmath>

namespace kvx {
namespace {

constexpr double kElavultNapok = 20;
const char* const kEleresek = "internetes hivatkozások, online fogadások eléréseinek";

}  // namespace

InditasiEredmeny InditasiEllenorzes(const InditasiAllapot& a, const std::string& honlap, const InditasiValaszok& v)
{
    InditasiEredmeny e;
    bool verzioKereses = a.UjVerzioKereses;

    if (a.AdatbazisNapok && *a.AdatbazisNapok > kElavultNapok) {
        e.AdatbazisKora = static_cast<int>(std::lround(*a.AdatbazisNapok));
        verzioKereses = false;
        if (v.InternetElerheto()) {
            e.Muvelet = InditasiMuvelet::TeljesFrissites;
            return e;
        }
        v.Figyelmeztetes(std::to_string(e.AdatbazisKora) + " napja nem frissült a húzások adatbázisa." +
                         "\r\n\r\nJavaslat:\r\n1. Kapcsolódjon az internetre\r\n"
                         "2. Kattintson az Adatbázis - Minden adatbázis frissítése menüpontra");
    }

    if (verzioKereses && a.VerzioKeresesElerheto && !a.VanKijeloles && !a.VanVariacio && v.InternetElerheto()) {
        e.Muvelet = InditasiMuvelet::VerzioKereses;
        return e;
    }

    if (!a.OnlineOdbVan) {
        if (v.HibaKerdes("Hiányzik az internetes hivatkozások, online fogadások eléréseinek adatbázisa.\r\n\r\n"
                         "Javaslat:\r\n  - kattintson az Online fogadás - Elérések frissítése menüpontra\r\n"
                         "  - vagy telepítse újra a programot\r\n\r\nLetölti az adatbázist?"))
            e.Muvelet = InditasiMuvelet::EleresFrissites;
        return e;
    }
    if (!a.OnlineNapok)
        return e;
    const long napok = std::lround(*a.OnlineNapok);
    if (napok <= kElavultNapok)
        return e;
    const std::string eleje = std::to_string(napok) + " napja nem frissült az " + kEleresek + " adatbázisa.\r\n\r\n";
    if (v.InternetElerheto()) {
        if (v.Jovahagyas(eleje + "Forrás: " + honlap + "\r\n\r\nFrissíti az adatbázist?"))
            e.Muvelet = InditasiMuvelet::EleresFrissites;
    } else {
        v.Figyelmeztetes(eleje + "Javaslat:\r\n1. Kapcsolódjon az internetre\r\n"
                                 "2. Kattintson az Online fogadás - Elérések frissítése menüpontra");
    }
    return e;
}

}  // namespace kvx
