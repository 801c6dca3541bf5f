#pragma once
// The program's file types ".tip" (number set) and ".top" (variation) for the
// current user: a shared-mime-info package and a .desktop entry under the
// user's XDG data folder. Registering again replaces the earlier entries with
// the current executable. The desktop databases are refreshed only when their
// tools are installed; without them the files alone are written.
#include <QString>

namespace kvx::platform {

// $XDG_DATA_HOME, or ~/.local/share when it is unset or not absolute.
QString xdgAdatKonyvtar();

struct FajltipusEredmeny {
    bool Irva = false;           // both files written
    QString MimeCsomag;          // path of the mime package
    QString AsztaliBejegyzes;    // path of the .desktop file
};

FajltipusEredmeny FajltipusokRegisztralasa(const QString& programUtvonal,
                                           const QString& ikonUtvonal = QString());

}  // namespace kvx::platform
