#pragma once
// The program's file types ".tip" (number set) and ".top" (variation) for the
// current user: a shared-mime-info package and a .desktop entry under the
// user's XDG data folder. Each is written only when it is missing, the
// package when it differs, the entry when the executable it names no longer
// exists (then with the current one). The desktop databases are refreshed
// after a write when their tools are installed, without waiting for them;
// without the tools the files alone are written.
#include <QString>

namespace kvx::platform {

// $XDG_DATA_HOME, or ~/.local/share when it is unset or not absolute.
QString xdgAdatKonyvtar();

struct FajltipusEredmeny {
    bool Irva = false;           // both files in place
    bool MimeIrva = false;       // the package was written now
    bool AsztaliIrva = false;    // the entry was written now
    QString MimeCsomag;          // path of the mime package
    QString AsztaliBejegyzes;    // path of the .desktop file
};

FajltipusEredmeny FajltipusokRegisztralasa(const QString& programUtvonal,
                                           const QString& ikonUtvonal = QString());

}  // namespace kvx::platform
