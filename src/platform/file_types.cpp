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
    "    <comment>Kavarex számsor</comment>\n"
    "    <glob pattern=\"*.tip\"/>\n"
    "  </mime-type>\n"
    "  <mime-type type=\"application/x-kavarex-top\">\n"
    "    <comment>Kavarex variáció</comment>\n"
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

void futtatHaVan(const QString& program, const QStringList& argumentumok)
{
    // The window tests register into a throw-away folder and start no
    // desktop tool: a process started from a program that already runs
    // threads is what the thread sanitizer cannot follow.
    if (qEnvironmentVariableIsSet("KAVAREX_NO_DESKTOP_TOOLS")) return;
    const QString utvonal = QStandardPaths::findExecutable(program);
    if (utvonal.isEmpty()) return;
    QProcess p;
    p.start(utvonal, argumentumok);
    if (!p.waitForFinished(10000)) p.kill(), p.waitForFinished(1000);
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

    const bool mime = iras(e.MimeCsomag, QByteArray(kMimeXml));
    const bool desk = iras(e.AsztaliBejegyzes, asztali.toUtf8());
    e.Irva = mime && desk;
    if (mime) futtatHaVan(QStringLiteral("update-mime-database"), {adat + QStringLiteral("/mime")});
    if (desk)
        futtatHaVan(QStringLiteral("update-desktop-database"),
                    {adat + QStringLiteral("/applications")});
    return e;
}

}  // namespace kvx::platform
