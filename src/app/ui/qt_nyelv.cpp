#include "app/ui/qt_nyelv.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QFontMetrics>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <QTreeView>

#include <algorithm>
#include <clocale>
#include <cstring>

namespace kvx {

namespace {

const char* const kKatalogusNev = "QtMagyarKatalogus";

// Texts Qt shows that its Hungarian catalogue has no entry for: labels of
// the print dialog's newer forms and the file dialogs' folder type. A
// context of nullptr stands for any context of the print dialogs (the
// messages of the printer properties are raised from more than one class).
struct PotloSzoveg {
    const char* Kontextus;
    const char* Forras;
    const char* Forditas;
};

constexpr PotloSzoveg kPotloSzovegek[] = {
    {"QPrintSettingsOutput", "Pages", "Oldalak"},
    {"QPrintSettingsOutput",
     "Specify pages or ranges separated by commas. Ranges are specified by two numbers separated by a hyphen. E.g: "
     "3,5-7,9 prints pages 3, 5, 6, 7 and 9.",
     "Oldalak vagy tartományok vesszővel elválasztva; egy tartomány két, kötőjellel összekötött szám. Például a "
     "3,5-7,9 a 3., 5., 6., 7. és 9. oldalt nyomtatja."},
    {"QPrintSettingsOutput", "Double Sided Printing", "Kétoldalas nyomtatás"},
    {"QPrintSettingsOutput", "Off", "Nincs"},
    {"QPrintSettingsOutput", "Long side binding", "Kötés a hosszú oldalon"},
    {"QPrintSettingsOutput", "Short side binding", "Kötés a rövid oldalon"},
    {"QPrintPropertiesWidget", "Advanced", "Speciális"},
    {nullptr, "There are conflicts in some options. Please fix them.",
     "Néhány beállítás ütközik egymással. Javítsa ki őket."},
    {nullptr, "Page Setup Conflicts", "Ütköző oldalbeállítások"},
    {nullptr, "There are conflicts in page setup options. Do you want to fix them?",
     "Az oldal beállításai ütköznek egymással. Kijavítja őket?"},
    {nullptr, "Advanced Option Conflicts", "Ütköző speciális beállítások"},
    {nullptr, "There are conflicts in some advanced options. Do you want to fix them?",
     "Néhány speciális beállítás ütközik egymással. Kijavítja őket?"},
    {nullptr, "Duplex Settings Conflicts", "Ütköző kétoldalas beállítások"},
    {nullptr, "There are conflicts in duplex settings. Do you want to fix them?",
     "A kétoldalas nyomtatás beállításai ütköznek egymással. Kijavítja őket?"},
    {nullptr, "Invalid Pages Definition", "Érvénytelen oldalmegadás"},
    {nullptr,
     "%1 does not follow the correct syntax. Please use ',' to separate ranges and pages, '-' to define ranges and "
     "make sure ranges do not intersect with each other.",
     "A(z) %1 nem a helyes formájú. Vesszővel válassza el az oldalakat és a tartományokat, kötőjellel adja meg a "
     "tartományokat, és ügyeljen arra, hogy a tartományok ne fedjék egymást."},
    {"QAbstractFileIconProvider", "Folder", "Mappa"},
    {"QAbstractFileIconProvider", "Drive", "Meghajtó"},
};

bool nyomtatasiKontextus(const char* kontextus)
{
    return std::strncmp(kontextus, "QPrint", 6) == 0 || std::strncmp(kontextus, "QUnixPrint", 10) == 0 ||
           std::strncmp(kontextus, "QPageSetup", 10) == 0;
}

// Consulted before Qt's catalogue: answers only where that catalogue has
// nothing, so a newer catalogue's own text always wins.
class PotloForditas : public QTranslator {
public:
    PotloForditas(const QTranslator* katalogus, QObject* szulo) : QTranslator(szulo), katalogus_(katalogus) {}

    QString translate(const char* kontextus, const char* forras, const char* egyertelmusites,
                      int n) const override
    {
        if (!kontextus || !forras)
            return {};
        for (const PotloSzoveg& p : kPotloSzovegek) {
            if (std::strcmp(p.Forras, forras) != 0)
                continue;
            if (p.Kontextus ? std::strcmp(p.Kontextus, kontextus) != 0 : !nyomtatasiKontextus(kontextus))
                continue;
            if (katalogus_ && !katalogus_->translate(kontextus, forras, egyertelmusites, n).isEmpty())
                return {};
            return QString::fromUtf8(p.Forditas);
        }
        return {};
    }
    bool isEmpty() const override { return false; }

private:
    const QTranslator* katalogus_;
};

// The file dialog's model as Qt fills it, with the size and the date in
// the default locale.
class MagyarFajlModell : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex& index, int role) const override
    {
        auto* fajlok = qobject_cast<const QFileSystemModel*>(sourceModel());
        if (role != Qt::DisplayRole || !fajlok || (index.column() != 1 && index.column() != 3))
            return QIdentityProxyModel::data(index, role);
        const QModelIndex f = mapToSource(index);
        if (index.column() == 3) {
            const QDateTime ido = fajlok->lastModified(f);
            return ido.isValid() ? FajlDatumSzoveg(ido) : QString();
        }
        if (fajlok->isDir(f))
            return QIdentityProxyModel::data(index, role);
        return QLocale().formattedDataSize(fajlok->size(f));
    }
};

}  // namespace

void QtMagyarNyelv()
{
    // The application set the C library to the session's locale when it
    // was made; its numeric conversions (printf, strtod) stay "C", as the
    // program's own number formatting and parsing expect.
    std::setlocale(LC_NUMERIC, "C");
    QLocale::setDefault(QLocale(QLocale::Hungarian, QLocale::Hungary));
    QCoreApplication* app = QCoreApplication::instance();
    if (!app || app->findChild<QTranslator*>(QString::fromLatin1(kKatalogusNev), Qt::FindDirectChildrenOnly))
        return;
    auto* katalogus = new QTranslator(app);
    katalogus->setObjectName(QString::fromLatin1(kKatalogusNev));
    if (katalogus->load(QLocale(QLocale::Hungarian), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(katalogus);
    QCoreApplication::installTranslator(new PotloForditas(katalogus, app));
}

QString FajlDatumSzoveg(const QDateTime& ido)
{
    return QLocale().toString(ido, QStringLiteral("yyyy. MMM d. H:mm"));
}

void MagyarFajlDialogus(QFileDialog& d)
{
    d.setOption(QFileDialog::DontUseNativeDialog, true);
    if (!dynamic_cast<MagyarFajlModell*>(d.proxyModel()))
        d.setProxyModel(new MagyarFajlModell(&d));
    // The date column holds the longest date whole (the longest month
    // abbreviation, two-digit day and hour).
    if (auto* nezet = d.findChild<QTreeView*>(QStringLiteral("treeView"))) {
        const QFontMetrics fm(nezet->font());
        const int szel = fm.horizontalAdvance(FajlDatumSzoveg(QDateTime(QDate(2024, 9, 30), QTime(23, 59)))) +
                         fm.averageCharWidth() * 3;
        nezet->header()->resizeSection(3, std::max(nezet->header()->sectionSize(3), szel));
    }
}

}  // namespace kvx
