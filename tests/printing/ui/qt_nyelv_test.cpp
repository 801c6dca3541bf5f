// Qt's own dialogs in the program's language under a C session (the test
// main sets LC_ALL=C.UTF-8): the file dialogs of the number sets, the
// private databases and the PDF output write their dates with Hungarian
// month names, their sizes and folder types in Hungarian; the print dialog
// of the slip options shows Hungarian labels, also those Qt's catalogue
// lacks, and without a printer it says that the output goes to a PDF file;
// the page set-up shows its numbers with a decimal comma.
#include "shell/foablak.h"
#include "shell/formok.h"
#include "app/ui/program.h"
#include "draws/ui/adatbazis_parancsok.h"
#include "printing/ui/nyomtatas_vezerlo.h"
#include "printing/ui/nyomtopc.h"
#include "variation/ui/filedialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QDoubleSpinBox>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QPageSetupDialog>
#include <QPointer>
#include <QPrintDialog>
#include <QScrollBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>

#include "app/settings.h"
#include "app/ui/valaszolo.h"
#include "variation/ui/allomany_parancsok.h"
#include "printing/nyomtatas_fixture.h"
#include "printing/print_pages.h"
#include "tickets/file_helpers.h"

namespace {

using namespace kvx;

// Waits for the next modal dialog of type D that the program opens, hands
// it to `nez` once `kesz` holds for it (or after 5 s), then closes it.
template <class D>
class DialogusNezo : public QObject {
public:
    DialogusNezo(std::function<bool(D*)> kesz, std::function<void(D*)> nez)
        : kesz_(std::move(kesz)), nez_(std::move(nez))
    {
        connect(&idozito_, &QTimer::timeout, this, [this] {
            auto* d = qobject_cast<D*>(QApplication::activeModalWidget());
            if (!d || !d->isVisible() || d == kesz_d_)
                return;
            if (d != latott_) {
                latott_ = d;
                ora_.start();
            }
            if (!kesz_(d) && ora_.elapsed() < 5000)
                return;
            kesz_d_ = d;
            nez_(d);
            d->reject();
        });
        idozito_.start(10);
    }

private:
    std::function<bool(D*)> kesz_;
    std::function<void(D*)> nez_;
    QTimer idozito_;
    QElapsedTimer ora_;
    QPointer<D> latott_, kesz_d_;
};

class QtNyelvTest : public ::testing::Test {
protected:
    kvx::Program program_;

    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        ASSERT_TRUE(minta_.isValid());
        window_ = std::make_unique<TFoablak>(dir_.filePath(QStringLiteral("kavarex")));
        FormokLetrehozasa(*window_);
        settings().UzenetekLog.fill(0);  // no once-only tips
        window_->Nyomtatas()->NyomtatoElerheto = [] { return false; };
        window_->show();
    }
    void TearDown() override { window_.reset(); }

    static void Kep(QWidget* w, const char* nev)
    {
        if (const QString d = qEnvironmentVariable("KAVAREX_KEPEK"); !d.isEmpty())
            w->grab().save(QDir(d).filePath(QString::fromUtf8(nev)));
    }

    QTemporaryDir dir_;
    QTemporaryDir minta_;
    std::unique_ptr<TFoablak> window_;
};

// What a file dialog's detail view shows for the files of the sample
// folder: per name, its size, type and date columns.
using Sorok = std::map<QString, QStringList>;

Sorok Oszlopok(QFileDialog* d)
{
    Sorok s;
    auto* nezet = d->findChild<QTreeView*>(QStringLiteral("treeView"));
    if (!nezet || !nezet->model())
        return s;
    const QAbstractItemModel* m = nezet->model();
    const QModelIndex gyoker = nezet->rootIndex();
    for (int i = 0; i < m->rowCount(gyoker); ++i)
        s[m->index(i, 0, gyoker).data().toString()] = {m->index(i, 1, gyoker).data().toString(),
                                                       m->index(i, 2, gyoker).data().toString(),
                                                       m->index(i, 3, gyoker).data().toString()};
    return s;
}

TEST_F(QtNyelvTest, TheFileDialogsWriteDatesSizesAndFolderTypesInHungarian)
{
    ASSERT_EQ(QLocale::system().language(), QLocale::C);
    // A file of every kind the dialogs filter for, three bytes each, last
    // changed on 11 December 2024 at 9:05, and a folder.
    const QDateTime ido(QDate(2024, 12, 11), QTime(9, 5));
    QDir minta(minta_.path());
    ASSERT_TRUE(minta.mkdir(QStringLiteral("Mappa1")));
    const QStringList fajlok{QStringLiteral("a.tip"), QStringLiteral("a.top"), QStringLiteral("a.pdb"),
                             QStringLiteral("a.pdf")};
    for (const QString& n : fajlok) {
        QFile f(minta.filePath(n));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_EQ(f.write("abc"), 3);
        ASSERT_TRUE(f.flush());
        ASSERT_TRUE(f.setFileTime(ido, QFileDevice::FileModificationTime));
    }

    struct Eset {
        const char* nev;
        const char* kep;
        std::function<void()> nyitas;
    };
    program_.Huzasok = kvx::testing::Huzasok(program_.Jatek, 10);
    program_.Huzasok.AdatbazisBetoltve = true;
    const Eset esetek[] = {
        {"number set", "fajldialogus_szamsor.png",
         [this] { kvx::Program::aktualis().AllomanyParancsai().Dialogusok()->AllomanyDialogus(ModMegnyitas, QString(), false); }},
        {"private database", "fajldialogus_privat.png",
         [] { kvx::Program::aktualis().AdatbazisParancsai().PrivatAllomanyValasztas(false); }},
        // The draw list on paper, without a printer, asks for its PDF file.
        {"PDF output", "fajldialogus_pdf.png",
         [this] {
             teszt::Valaszolo igen({QStringLiteral("Igen")});
             window_->Nyomtatas()->Listanyomtatsa1Click();
         }},
    };
    for (const Eset& e : esetek) {
        SCOPED_TRACE(e.nev);
        Sorok sorok;
        bool latott = false;
        DialogusNezo<QFileDialog> nezo(
            [&](QFileDialog* d) {
                if (QDir(d->directory()).canonicalPath() != minta.canonicalPath()) {
                    d->setDirectory(minta.path());
                    return false;
                }
                const Sorok s = Oszlopok(d);
                return s.count(QStringLiteral("Mappa1")) && s.size() >= 2;
            },
            [&](QFileDialog* d) {
                latott = true;
                sorok = Oszlopok(d);
                Kep(d, e.kep);
                // The date column, as the user scrolls to it.
                if (auto* nezet = d->findChild<QTreeView*>(QStringLiteral("treeView"))) {
                    nezet->horizontalScrollBar()->setValue(nezet->horizontalScrollBar()->maximum());
                    Kep(d, (QStringLiteral("datum_") + QString::fromUtf8(e.kep)).toUtf8().constData());
                }
            });
        e.nyitas();
        ASSERT_TRUE(latott);
        ASSERT_TRUE(sorok.count(QStringLiteral("Mappa1")));
        EXPECT_EQ(sorok[QStringLiteral("Mappa1")].value(1).toStdString(), "Mappa");
        int fajlDb = 0;
        for (const QString& n : fajlok) {
            if (!sorok.count(n))
                continue;
            ++fajlDb;
            EXPECT_EQ(sorok[n].value(0).toStdString(), "3 bájt") << n.toStdString();
            EXPECT_EQ(sorok[n].value(2).toStdString(), "2024. dec. 11. 9:05") << n.toStdString();
        }
        EXPECT_GE(fajlDb, 1);
    }
}

TEST_F(QtNyelvTest, ThePrintDialogSpeaksHungarianAndWithoutAPrinterNamesThePdf)
{
    ASSERT_EQ(QLocale::system().language(), QLocale::C);
    TNyomtOpc* opc = formok().NyomtOpc;
    ASSERT_NE(opc, nullptr);
    std::map<QString, QString> szovegek;  // object name -> text shown
    QString cim, megjegyzes;
    bool megjegyzesLathato = false, nyomtatokLathato = true, tartomanyLathato = false;
    DialogusNezo<QPrintDialog> nezo([](QPrintDialog*) { return true; },
                                    [&](QPrintDialog* d) {
                                        cim = d->windowTitle();
                                        for (QAbstractButton* b : d->findChildren<QAbstractButton*>())
                                            szovegek[b->objectName()] = b->text();
                                        for (QGroupBox* g : d->findChildren<QGroupBox*>())
                                            szovegek[g->objectName()] = g->title();
                                        for (QLabel* l : d->findChildren<QLabel*>())
                                            szovegek[l->objectName()] = l->text();
                                        if (auto* t = d->findChild<QTabWidget*>(QStringLiteral("tabs")))
                                            for (int i = 0; i < t->count(); ++i)
                                                szovegek[QStringLiteral("tab%1").arg(i)] = t->tabText(i);
                                        if (QWidget* m = d->findChild<QLabel*>(QStringLiteral("PdfMegjegyzes"))) {
                                            megjegyzes = static_cast<QLabel*>(m)->text();
                                            megjegyzesLathato = m->isVisibleTo(d);
                                        }
                                        if (QWidget* g = d->findChild<QGroupBox*>(QStringLiteral("printerGroup")))
                                            nyomtatokLathato = g->isVisibleTo(d);
                                        tartomanyLathato = d->findChild<QGroupBox*>(QStringLiteral("gbPrintRange"))
                                                               ->isVisibleTo(d);
                                        Kep(d, "nyomtatasi_dialogus.png");
                                    });
    opc->NyomtTulGombClick();
    EXPECT_EQ(cim.toStdString(), "Nyomtatás");
    const std::map<QString, QString> vart = {
        {QStringLiteral("gbPrintRange"), QStringLiteral("Nyomtatási tartomány")},
        {QStringLiteral("printAll"), QStringLiteral("Összes nyomtatása")},
        {QStringLiteral("printRange"), QStringLiteral("Oldalak ettől")},
        {QStringLiteral("pagesRadioButton"), QStringLiteral("Oldalak")},
        {QStringLiteral("duplex"), QStringLiteral("Kétoldalas nyomtatás")},
        {QStringLiteral("noDuplex"), QStringLiteral("Nincs")},
        {QStringLiteral("duplexLong"), QStringLiteral("Kötés a hosszú oldalon")},
        {QStringLiteral("duplexShort"), QStringLiteral("Kötés a rövid oldalon")},
        {QStringLiteral("tab0"), QStringLiteral("Másolatok")},
        {QStringLiteral("tab1"), QStringLiteral("Beállítások")},
    };
    for (const auto& [nev, szoveg] : vart) {
        ASSERT_TRUE(szovegek.count(nev)) << nev.toStdString();
        EXPECT_EQ(szovegek[nev].toStdString(), szoveg.toStdString()) << nev.toStdString();
    }
    // No printer: the empty printer list gives way to the note.
    EXPECT_EQ(megjegyzes.toStdString(), kNincsNyomtatoPdfba);
    EXPECT_TRUE(megjegyzesLathato);
    EXPECT_FALSE(nyomtatokLathato);
    // Nothing else to show: the range is open at once.
    EXPECT_TRUE(tartomanyLathato);

    // The page set-up of the settings writes its margins with a decimal comma.
    QPageSetupDialog* beallitas = window_->Nyomtatas()->PrSetupCreate();
    ASSERT_NE(beallitas, nullptr);
    QStringList margok;
    DialogusNezo<QPageSetupDialog> margoNezo([](QPageSetupDialog*) { return true; },
                                             [&](QPageSetupDialog* d) {
                                                 for (QDoubleSpinBox* s : d->findChildren<QDoubleSpinBox*>())
                                                     if (s->isVisibleTo(d))
                                                         margok << s->text();
                                             });
    beallitas->exec();
    ASSERT_FALSE(margok.isEmpty());
    for (const QString& m : margok) {
        EXPECT_TRUE(m.contains(u',')) << m.toStdString();
        EXPECT_FALSE(m.contains(u'.')) << m.toStdString();
    }
}

}  // namespace
