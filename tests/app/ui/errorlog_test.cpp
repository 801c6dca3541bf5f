#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QStandardItemModel>
#include <QTableView>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

#include <optional>
#include <stdexcept>

#include "app/ui/kavarex_application.h"
#include "app/ui/program.h"
#include "app/ui/megszakitas.h"
#include "app/ui/uzenetablak.h"
#include "draws/draws_table.h"
#include "shell/inditas.h"
#include "tickets/number_lists.h"
#include "valaszolo.h"

namespace kvx {
namespace {

using teszt::Valaszolo;

class Dobalo : public QWidget {
public:
    bool event(QEvent* e) override
    {
        if (e->type() == QEvent::User) throw std::out_of_range("Tartományon kívüli index");
        return QWidget::event(e);
    }
};

class HibaNaploTest : public ::testing::Test {
protected:
    // A fresh program state for every test.
    kvx::Program program_;

protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        mentett = hibaKezeloBeallitasok();
        hibaKezeloBeallitasok().ListKonyvtar = dir.path() + u'/';
        hibaKezeloBeallitasok().Kilepes = [this] { ++kilepes; };
        // The state lines as the program body fills them.
        hibaKezeloBeallitasok().AllapotSorok = HibaAllapotSorok;
        program_.Huzasok.HuzasokSzama = 42;
        program_.Szamok.KijeloltSzamok = {3, 9, 14, 22, 27, 31, 40};
        program_.Szamok.KijeloltFoSzamDb = 7;
    }
    void TearDown() override { hibaKezeloBeallitasok() = mentett; }

    QString naplo() const
    {
        QFile f(dir.path() + QStringLiteral("/KVXError.log"));
        if (!f.open(QIODevice::ReadOnly)) return {};
        return QString::fromUtf8(f.readAll());
    }

    QTemporaryDir dir;
    HibaKezeloBeallitasok mentett;
    int kilepes = 0;
};

TEST_F(HibaNaploTest, ExceptionInAnEventHandlerIsLoggedAndAsked)
{
    Dobalo w;
    w.setWindowTitle(QStringLiteral("Dobáló"));
    {
        // No to quitting, then the ordinary error display.
        Valaszolo v({QStringLiteral("Nem"), QStringLiteral("OK")});
        QEvent e(QEvent::User);
        EXPECT_FALSE(vedettErtesites(qApp, &w, &e));
        ASSERT_EQ(v.Latott.size(), 2);
        EXPECT_TRUE(v.Latott[0].Szoveg.contains(QStringLiteral("Tartományon kívüli index")));
        EXPECT_TRUE(v.Latott[0].Szoveg.endsWith(QStringLiteral("Leállítja a program futását? Kilép a programból?")));
        EXPECT_EQ(v.Latott[1].Szoveg, QStringLiteral("Tartományon kívüli index"));
    }
    EXPECT_EQ(kilepes, 0);
    {
        Valaszolo v({QStringLiteral("Igen")});
        QEvent e(QEvent::User);
        vedettErtesites(qApp, &w, &e);
    }
    EXPECT_EQ(kilepes, 1);

    const QString s = naplo();
    EXPECT_EQ(s.count(QStringLiteral("Tartományon kívüli index\nErrorName: std::out_of_range\n"
                                     "ErrorParent: std::logic_error\n")),
              2);
    // The receiver's meta class and its parent.
    EXPECT_TRUE(s.contains(QStringLiteral("ClassName: QWidget\nClassParent: QObject\n")));
    // The state lines come from the program's state.
    EXPECT_TRUE(s.contains(QStringLiteral("DataBase Count F: 42\n")));
    EXPECT_TRUE(s.contains(QStringLiteral("Variation N: 7")));
    EXPECT_TRUE(s.contains(QStringLiteral("FThreadLog: -1\n")));
    // Two reports, each closed by an empty line.
    EXPECT_EQ(s.count(QStringLiteral("FWinPlatform: 0\n\n")), 2);
    EXPECT_TRUE(s.endsWith(QStringLiteral("FWinPlatform: 0\n\n")));
}

// A wait window showing when the error comes closes before the question,
// which would otherwise stand behind it.
TEST_F(HibaNaploTest, TheWaitWindowClosesBeforeTheQuestion)
{
    QWidget foablak;
    TUzenetAblak varakozo(&foablak);
    program_.VarakozoAblak = &varakozo;
    varakozo.UzenetKi(QStringLiteral("Munka"), 0, kFeladatNincs, false);
    ASSERT_TRUE(varakozo.isVisible());
    std::optional<bool> latszottKerdeskor;
    QTimer valaszolo;
    QObject::connect(&valaszolo, &QTimer::timeout, [&] {
        QWidget* m = QApplication::activeModalWidget();
        if (!m)
            return;
        const bool kerdes = m->objectName() == QStringLiteral("KVXException");
        if (kerdes && !latszottKerdeskor)
            latszottKerdeskor = varakozo.isVisible();
        for (QAbstractButton* b : m->findChildren<QAbstractButton*>())
            if (b->text() == (kerdes ? QStringLiteral("Nem") : QStringLiteral("OK")))
                b->click();
    });
    valaszolo.start(10);
    Dobalo w;
    QEvent e(QEvent::User);
    vedettErtesites(qApp, &w, &e);
    program_.VarakozoAblak = nullptr;
    ASSERT_TRUE(latszottKerdeskor.has_value());
    EXPECT_FALSE(*latszottKerdeskor);
    EXPECT_FALSE(varakozo.isVisible());
    EXPECT_EQ(kilepes, 0);
}

// The draws list's and the variation list's grids are described when their
// windows exist, counted as the grids show them (the header is row 0).
TEST_F(HibaNaploTest, GridsOfTheListWindowsAreDescribed)
{
    Dobalo w;
    const auto hiba = [&w] {
        Valaszolo v({QStringLiteral("Nem"), QStringLiteral("OK")});
        QEvent e(QEvent::User);
        vedettErtesites(qApp, &w, &e);
    };
    hiba();
    EXPECT_FALSE(naplo().contains(QStringLiteral("Table Row"))) << naplo().toStdString();

    QWidget huzLista, bontLista;
    QStandardItemModel huzasok(3, 8), sorok(250, 6);
    auto* huzTabla = new QTableView(&huzLista);
    huzTabla->setObjectName(QStringLiteral("HuzTabla"));
    huzTabla->setModel(&huzasok);
    huzTabla->setCurrentIndex(huzasok.index(1, 3));
    auto* bontTabla = new QTableView(&bontLista);
    bontTabla->setObjectName(QStringLiteral("BontTabla"));
    bontTabla->setModel(&sorok);
    bontTabla->setCurrentIndex(sorok.index(199, 0));
    QFile::remove(dir.path() + QStringLiteral("/KVXError.log"));
    hiba();
    const QString s = naplo();
    EXPECT_TRUE(s.contains(QStringLiteral("DataBase Count F: 42\nDataBase Table Rows: 4\nDataBase Table Row: 2\n"
                                          "Variation version: ")))
        << s.toStdString();
    EXPECT_TRUE(s.contains(QStringLiteral("Variation Table Rows: 251\nVariation Table Row: 200\nVariation N: ")))
        << s.toStdString();
}

TEST_F(HibaNaploTest, UnwritableLogStillAsks)
{
    hibaKezeloBeallitasok().ListKonyvtar = dir.path() + QStringLiteral("/nincs/ilyen/");
    Dobalo w;
    Valaszolo v({QStringLiteral("Igen")});
    QEvent e(QEvent::User);
    vedettErtesites(qApp, &w, &e);
    ASSERT_EQ(v.Latott.size(), 1);
    EXPECT_EQ(kilepes, 1);
}

TEST_F(HibaNaploTest, ExceptionInAWorkerEndsUpInTheLog)
{
    SzalNyilvantartas ny;
    bool sikeres = true;
    MegszakitasLeiras l;
    l.Munka = [](std::stop_token) { throw std::runtime_error("Munkaszál hiba"); };
    l.VegeKezelo = [&](bool ok) { sikeres = ok; };
    Valaszolo v({QStringLiteral("Nem"), QStringLiteral("OK")});
    auto sz = Megszakitas::Indit(std::move(l), ny);
    QElapsedTimer t;
    t.start();
    while (v.Latott.size() < 2 && t.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    ny.Bevar(sz);
    EXPECT_FALSE(sikeres);
    EXPECT_TRUE(ny.Tetlen());
    EXPECT_TRUE(naplo().startsWith(QStringLiteral("Munkaszál hiba\nErrorName: std::runtime_error\n")));
}

}  // namespace
}  // namespace kvx
