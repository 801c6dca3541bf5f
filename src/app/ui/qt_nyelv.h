#pragma once
// Qt's own texts in the program's language. The program speaks Hungarian
// whatever the session's locale: Hungarian is the default QLocale (the
// numbers of spin boxes and the dialogs' dates), Qt's Hungarian catalogue is
// loaded for every Qt module the program shows (widgets, print support: one
// catalogue, "qtbase"), and the program supplies the texts that catalogue
// lacks (the print dialog's "Pages" and a few more of its newer labels, the
// file dialogs' "Folder").
//
// The program's own stored formats do not follow any locale: its INI, CSV
// and report numbers are written by its own formatter and parsed by its own
// readers, and the C library's numeric conversions keep the "C" locale
// whatever the session asks for.
class QDateTime;
class QFileDialog;
class QString;

namespace kvx {

// Once the application exists: the default locale, the catalogues, and the
// C library's numeric locale. Calling it again changes nothing.
void QtMagyarNyelv();

// A file dialog of the program: Qt's own widgets (never the desktop's
// dialog, which speaks the session's language), with its size and date
// columns written in the default locale, the dates with the month's name
// ("2024. dec. 11. 9:05"); Qt writes them in the session's locale.
void MagyarFajlDialogus(QFileDialog& d);

// The date column's text of a modification time (the default locale).
QString FajlDatumSzoveg(const QDateTime& ido);

}  // namespace kvx
