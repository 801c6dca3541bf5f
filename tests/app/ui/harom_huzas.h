#pragma once
// Test helper: a draws database of game 0 with three draws (or as many as
// asked), written into the
// Dat subfolder of a program folder where start-up looks for it.
#include <QDir>
#include <QString>

#include <cstddef>
#include <string>

#include "app/game_table.h"
#include "common/arrays.h"
#include "common/binary_io.h"
#include "draws/database_file.h"

namespace kvx::teszt {

// The path of the database written, empty when it could not be written.
// `db` draws (at most 49), one a week.
inline std::string haromHuzasAdatbazis(const QString& mappa, int db = 3)
{
    GameParams g;
    g.LottoIndex = 0;
    JatekParameterek(g);
    TTombInt2D sorok;
    for (int i = 1; i <= db; ++i) {
        TTombInt1D sor{i, 2020, i, 1 + i, 10 + i, 20 + i, 30 + i, 40 + i};
        sor.resize(static_cast<std::size_t>(g.HuzottSzamok + 3), 0);
        sorok.push_back(sor);
    }
    if (!QDir(mappa).mkpath(QStringLiteral("Dat")))
        return {};
    const std::string nev = QDir(mappa).filePath(QStringLiteral("Dat/")).toStdString() + AdatbazisAllomany[0];
    if (!writeFileAtomic(nev, AdatbazisKep(sorok, g, HuzasIroVerzio())))
        return {};
    return nev;
}

}  // namespace kvx::teszt
