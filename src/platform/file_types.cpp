#include "platform/file_types.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>

namespace kvx::platform {

namespace {

const char* const kMimeXml =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
    "  <mime-type type=\"application/x-kavarex-tip\">\n"
    "    <comment>Kavarex: számsor</comment>\n"
    "    <glob pattern=\"*.tip\"/>\n"
    "  </mime-type>\n"
    "  <mime-type type=\"application/x-kavarex-top\">\n"
    "    <comment>Kavarex: variáció</comment>\n"
    "    <glob pattern=\"*.top\"/>\n"
    "  </mime-type>\n"
    "</mime-info>\n";

bool iras(const QString& utvonal, const QByteArray& tartalom)
{
    if (!QDir().mkpath(QFileInfo(utvonal).absolutePath())) return false;
    QSaveFile f(utvonal);
    if (!f.open(QIODevice::WriteOnly)) return false;
    if (f.write(tartalom) != tartalom.size()) {
        f.cancelWriting();
        return false;
    }
    return f.commit();
}

// Quotes an argument of the Exec key of a desktop entry.
QString execIdezet(const QString& s)
{
    QString r;
    for (QChar c : s) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\') r += u'\\';
        r += c;
    }
    QString idezett = QStringLiteral("\"") + r + QStringLiteral("\"");
    // The desktop-entry escape layer doubles backslashes once more.
    idezett.replace(QStringLiteral("\\"), QStringLiteral("\\\\"));
    idezett.replace(QStringLiteral("%"), QStringLiteral("%%"));
    return idezett;
}

QByteArray tartalom(const QString& utvonal)
{
    QFile f(utvonal);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The program an Exec key starts: its first argument with both escape
// layers undone; empty when the key holds none.
QString execProgram(const QString& ertek)
{
    // The desktop-entry layer: "\\" stands for one backslash.
    QString v;
    for (int i = 0; i < ertek.size(); ++i) {
        if (ertek[i] == u'\\' && i + 1 < ertek.size()) {
            v += ertek[++i];
            continue;
        }
        v += ertek[i];
    }
    v.replace(QStringLiteral("%%"), QStringLiteral("%"));
    v = v.trimmed();
    if (!v.startsWith(u'"')) return v.section(u' ', 0, 0);
    QString r;
    for (int i = 1; i < v.size(); ++i) {
        if (v[i] == u'\\' && i + 1 < v.size()) {
            r += v[++i];
            continue;
        }
        if (v[i] == u'"') return r;
        r += v[i];
    }
    return QString();
}

// The executable the user's entry names still exists.
bool bejegyzesProgramjaVan(const QString& bejegyzes)
{
    for (const QString& sor : QString::fromUtf8(tartalom(bejegyzes)).split(u'\n')) {
        if (!sor.startsWith(QStringLiteral("Exec="))) continue;
        const QFileInfo program(execProgram(sor.mid(5)));
        return program.isFile() && program.isExecutable();
    }
    return false;
}

// Starts a desktop database tool and lets it run on its own: the program
// neither waits for it nor reaps it (it is started detached).
void inditHaVan(const QString& program, const QStringList& argumentumok)
{
    // The window tests register into a throw-away folder and start no
    // desktop tool: a process started from a program that already runs
    // threads is what the thread sanitizer cannot follow.
    if (qEnvironmentVariableIsSet("KAVAREX_NO_DESKTOP_TOOLS")) return;
    const QString utvonal = QStandardPaths::findExecutable(program);
    if (utvonal.isEmpty()) return;
    QProcess p;
    p.setProgram(utvonal);
    p.setArguments(argumentumok);
    p.setStandardInputFile(QProcess::nullDevice());
    p.setStandardOutputFile(QProcess::nullDevice());
    p.setStandardErrorFile(QProcess::nullDevice());
    p.startDetached();
}

}  // namespace

QString xdgAdatKonyvtar()
{
    const QString xdg = qEnvironmentVariable("XDG_DATA_HOME");
    if (!xdg.isEmpty() && QDir::isAbsolutePath(xdg)) return QDir::cleanPath(xdg);
    return QDir::homePath() + QStringLiteral("/.local/share");
}

FajltipusEredmeny FajltipusokRegisztralasa(const QString& programUtvonal, const QString& ikonUtvonal)
{
    FajltipusEredmeny e;
    const QString adat = xdgAdatKonyvtar();
    e.MimeCsomag = adat + QStringLiteral("/mime/packages/kavarex.xml");
    e.AsztaliBejegyzes = adat + QStringLiteral("/applications/kavarex.desktop");

    QString asztali = QStringLiteral(
        "[Desktop Entry]\n"
        "Type=Application\n"
        "Name=Kavarex Personal\n"
        "Exec=%1 %f\n"
        "MimeType=application/x-kavarex-tip;application/x-kavarex-top;\n"
        "Terminal=false\n"
        "Categories=Utility;\n")
                          .arg(execIdezet(programUtvonal));
    if (!ikonUtvonal.isEmpty()) asztali += QStringLiteral("Icon=") + ikonUtvonal + u'\n';

    // The package is the same for every copy: written when it is missing or
    // differs. The entry names the copy that opens the files: a copy whose
    // executable still exists keeps it, so two copies do not take the files
    // from each other at every start.
    const QByteArray mimeTartalom(kMimeXml);
    bool mime = tartalom(e.MimeCsomag) == mimeTartalom;
    if (!mime) {
        mime = iras(e.MimeCsomag, mimeTartalom);
        e.MimeIrva = mime;
    }
    bool desk = QFileInfo::exists(e.AsztaliBejegyzes) && bejegyzesProgramjaVan(e.AsztaliBejegyzes);
    if (!desk) {
        desk = iras(e.AsztaliBejegyzes, asztali.toUtf8());
        e.AsztaliIrva = desk;
    }
    e.Irva = mime && desk;
    if (e.MimeIrva) inditHaVan(QStringLiteral("update-mime-database"), {adat + QStringLiteral("/mime")});
    if (e.AsztaliIrva)
        inditHaVan(QStringLiteral("update-desktop-database"), {adat + QStringLiteral("/applications")});
    return e;
}

}  // namespace kvx::platform
