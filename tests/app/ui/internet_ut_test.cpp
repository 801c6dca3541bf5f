// A fresh installation whose INI file points the maker's site at a local
// server: the current game's database is fetched through the menu and the
// draws list shows it.
#include <QAbstractItemModel>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTableView>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "app/game_table.h"
#include "shell/foablak.h"
#include "shell/formok.h"
#include "app/ui/program.h"
#include "common/arrays.h"
#include "draws/database_file.h"
#include "draws/ui/huzlista.h"
#include "http_szerver.h"
#include "valaszolo.h"

namespace {

using kvx::teszt::HttpSzerver;
using kvx::teszt::Valaszolo;

class InternetUtTest : public ::testing::Test {
protected:
    kvx::Program program_;
    QTemporaryDir dir_;
    HttpSzerver szerver_;
    std::unique_ptr<TFoablak> window_;

    void TearDown() override { window_.reset(); }
};

TEST_F(InternetUtTest, FreshInstallDownloadsTheDatabaseThroughTheMenuAndListsIt)
{
    // Four draws of the 5/90 game, as the maker's site serves them.
    kvx::GameParams g;
    g.LottoIndex = 0;
    kvx::JatekParameterek(g);
    kvx::TTombInt2D sorok;
    for (int i = 1; i <= 4; ++i) {
        kvx::TTombInt1D sor{i, 2024, i, i, 10 + i, 20 + i, 30 + i, 40 + i};
        sor.resize(static_cast<std::size_t>(g.HuzottSzamok + 3), 0);
        sorok.push_back(sor);
    }
    const std::vector<std::uint8_t> kep = kvx::AdatbazisKep(sorok, g, kvx::HuzasIroVerzio());
    const std::string nev = kvx::AdatbazisAllomany[0];
    szerver_.beallit("/hu/download/Database/" + nev, {200, std::string(kep.begin(), kep.end())});

    // Nothing but an INI file that names the site.
    {
        QFile ini(dir_.filePath(QStringLiteral("kavarex.ini")));
        ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
        ini.write(QByteArray("[Kavarex]\r\nStart=1\r\nGame=0\r\nHost=") + QByteArray::fromStdString(szerver_.cim("")) +
                  "\r\n");
    }
    window_ = std::make_unique<TFoablak>(dir_.filePath(QStringLiteral("kavarex")));
    FormokLetrehozasa(*window_);
    ASSERT_FALSE(kvx::draws().AdatbazisBetoltve);
    EXPECT_EQ(program_.Gyarto.Honlap, szerver_.cim(""));

    QAction* frissites = window_->Akcio(kvx::ParancsId::Aktulisadatbzisfrisstse1);
    ASSERT_TRUE(frissites->isEnabled());
    Valaszolo v({QStringLiteral("Igen"), QStringLiteral("Nem")});
    frissites->trigger();
    QApplication::processEvents();

    // The question named the local site as the source (the connection
    // window that shows while the site is probed is no question).
    const auto kerdes = std::find_if(v.Latott.begin(), v.Latott.end(), [](const kvx::teszt::LatottDoboz& d) {
        return d.ObjektumNev != QStringLiteral("InternetLetoltesAblak");
    });
    ASSERT_NE(kerdes, v.Latott.end());
    EXPECT_TRUE(kerdes->Szoveg.contains(QString::fromStdString("Forrás: " + szerver_.cim("")))) << kerdes->Szoveg.toStdString();
    EXPECT_EQ(szerver_.kert().back(), "/hu/download/Database/" + nev);
    EXPECT_TRUE(QFile::exists(dir_.filePath(QStringLiteral("Dat/")) + QString::fromStdString(nev)));
    EXPECT_TRUE(QDir(dir_.filePath(QStringLiteral("Dat/Cache"))).isEmpty());

    // The draws are loaded and listed.
    EXPECT_TRUE(kvx::draws().AdatbazisBetoltve);
    EXPECT_EQ(kvx::draws().HuzasokSzama, 4);
    THuzLista* lista = formok().HuzLista;
    ASSERT_NE(lista, nullptr);
    EXPECT_TRUE(lista->isVisible());
    const QAbstractItemModel* m = lista->HuzTabla->model();
    QStringList cellak;
    for (int r = 0; r < m->rowCount(); ++r)
        for (int c = 0; c < m->columnCount(); ++c)
            cellak << m->data(m->index(r, c)).toString();
    for (const char* szam : {"41", "42", "43", "44"})
        EXPECT_TRUE(cellak.contains(QString::fromLatin1(szam))) << szam << " " << cellak.join(' ').toStdString();
}

}  // namespace
