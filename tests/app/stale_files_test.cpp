#include "app/stale_files.h"

#include "app/folders.h"
#include "common/binary_io.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <unistd.h>

namespace kvx {
namespace {

namespace fs = std::filesystem;

// Which names count as a writer's leftovers, folder by folder. Process 42
// still runs, 7 has ended.
TEST(ElhagyottAtmenetiNev, OnlyTheWritersOwnPatternsInTheirFolders)
{
    struct Eset {
        const char* nev;
        AtmenetiHely hely;
        bool elhagyott;
    };
    const Eset esetek[] = {
        {"Huzas5.ldb.tmp7.0123456789abcdef", AtmenetiHely::Dat, true},
        {"Huzas5.ldb.tmp42.0123456789abcdef", AtmenetiHely::Dat, false},  // still being written
        {"Huzas5.ldb.tmp7.0123456789abcde", AtmenetiHely::Dat, false},    // 15 digits
        {"Huzas5.ldb.tmp7.0123456789ABCDEF", AtmenetiHely::Dat, false},
        {"Huzas5.ldb.tmp.0123456789abcdef", AtmenetiHely::Dat, false},
        {".tmp7.0123456789abcdef", AtmenetiHely::Dat, false},
        {"Huzas5.ldb.tmp", AtmenetiHely::Dat, false},
        {"Huzas5.ldb", AtmenetiHely::Dat, false},
        {"Huzas5.ldb.naprakesz", AtmenetiHely::Dat, true},
        {"Sajat.ldb.naprakesz", AtmenetiHely::Dat, false},
        {"Online.odb.tmp", AtmenetiHely::Dat, false},
        {"Online.odb.tmp", AtmenetiHely::Cache, true},
        {"Huzas5.ldb.naprakesz", AtmenetiHely::Cache, false},
        {"bontlist.rtf.tmp7.00000000ffffffff", AtmenetiHely::List, true},
        {"bontlist.rtf.tmp", AtmenetiHely::List, false},
        {"backOtos.tip.uj", AtmenetiHely::Back, true},
        {"backOtos1.top.uj", AtmenetiHely::Back, true},
        {"backKeno3.tip.uj", AtmenetiHely::Back, true},
        {"backOtos2.tip.uj", AtmenetiHely::Back, false},
        {"backOtos.txt.uj", AtmenetiHely::Back, false},
        {"backValami.tip.uj", AtmenetiHely::Back, false},
        {"backOtos.tip.uj", AtmenetiHely::Dat, false},
        // The generations of a backup are never temporary, "3" included.
        {"backOtos.tip", AtmenetiHely::Back, false},
        {"backOtos3.tip", AtmenetiHely::Back, false},
        {"backKeno3.tip", AtmenetiHely::Back, false},
        {"backOtos2.tip", AtmenetiHely::Back, false},
        {"backOtos.tip.tmp7.0123456789abcdef", AtmenetiHely::Back, true},
        // In a game's saved-files and private-database folders only the
        // safe writer's names of what is written there; a user's files of
        // other kinds, however alike, stay.
        {"proba.tip.tmp7.0123456789abcdef", AtmenetiHely::Lotto, true},
        {"proba.top.tmp7.0123456789abcdef", AtmenetiHely::Lotto, true},
        {"export.html.tmp7.0123456789abcdef", AtmenetiHely::Lotto, true},
        {"proba.tip.tmp42.0123456789abcdef", AtmenetiHely::Lotto, false},
        {"jegyzet.doc.tmp7.0123456789abcdef", AtmenetiHely::Lotto, false},
        {".tip.tmp7.0123456789abcdef", AtmenetiHely::Lotto, false},
        {"proba.tip.tmp", AtmenetiHely::Lotto, false},
        {"proba.tip~", AtmenetiHely::Lotto, false},
        {"backOtos.tip.uj", AtmenetiHely::Lotto, false},
        {"Sajat.pdb.tmp7.0123456789abcdef", AtmenetiHely::Private, true},
        {"Sajat.tip.tmp7.0123456789abcdef", AtmenetiHely::Private, false},
        {"Sajat.pdb.tmp", AtmenetiHely::Private, false},
        {"Sajat.pdb.naprakesz", AtmenetiHely::Private, false},
        // In the program folder only the INI file's own.
        {"kavarex.ini.tmp7.0123456789abcdef", AtmenetiHely::Program, true},
        {"kavarex.tmp7.0123456789abcdef", AtmenetiHely::Program, false},
        {"kavarex.ini.naprakesz", AtmenetiHely::Program, false},
    };
    const auto el = [](long pid) { return pid == 42; };
    for (const Eset& e : esetek)
        EXPECT_EQ(ElhagyottAtmenetiNev(e.nev, e.hely, "kavarex.ini", el), e.elhagyott) << e.nev;
}

// At start the leftovers go from every folder the writers use, and only
// they; a folder, or a name of another program, stays.
TEST(ElhagyottAtmenetiAllomanyok, RemovedFromTheProgramsFoldersOnly)
{
    const fs::path dir = fs::temp_directory_path() / ("kvx_stale_" + std::to_string(::getpid()));
    fs::remove_all(dir);
    Folders f;
    KonyvtarakBeallitasa(f, (dir / "kavarex").string());
    ASSERT_TRUE(KonyvtarakLetrehozasa(f));
    const std::string mine = ".tmp" + std::to_string(::getpid()) + ".0123456789abcdef";
    const std::set<std::string> elhagyott = {
        f.DatKonyvtar + "Huzas5.ldb" + mine,   f.DatKonyvtar + "Huzas5.ldb.naprakesz",
        f.CacheKonyvtar + "Online.odb.tmp",    f.ListKonyvtar + "huzlist.rtf" + mine,
        f.BackKonyvtar + "backOtos.tip.uj",    f.BackKonyvtar + "backOtos1.tip.uj",
        f.ProgramKonyvtar + "kavarex.ini" + mine,
        f.LottoKonyvtar + "Otos/proba.top" + mine, f.LottoKonyvtar + "VL/export.csv" + mine,
        f.PrivateKonyvtar + "Hatos/sajat.pdb" + mine,
    };
    const std::set<std::string> marad = {
        f.DatKonyvtar + "Huzas5.ldb",        f.BackKonyvtar + "backOtos.tip",
        f.BackKonyvtar + "backOtos3.tip",    f.ProgramKonyvtar + "kavarex.ini",
        f.ProgramKonyvtar + "readme.txt" + mine, f.PrivateKonyvtar + "Huzas5.ldb" + mine,
        // The user's files in the game folders, look-alikes included.
        f.LottoKonyvtar + "Otos/proba.top",  f.LottoKonyvtar + "Otos/jegyzet.doc" + mine,
        f.LottoKonyvtar + "Otos/proba.top.tmp", f.LottoKonyvtar + "proba.top" + mine,
        f.PrivateKonyvtar + "Hatos/sajat.pdb", f.PrivateKonyvtar + "Hatos/sajat.tip" + mine,
    };
    for (const char* mappa : {"Otos", "VL"})
        fs::create_directories(f.LottoKonyvtar + mappa);
    fs::create_directories(f.PrivateKonyvtar + "Hatos");
    for (const std::set<std::string>* s : {&elhagyott, &marad})
        for (const std::string& p : *s)
            ASSERT_TRUE(writeFileAtomic(p, std::string_view("x"))) << p;
    fs::create_directories(f.BackKonyvtar + "backHatos.tip.uj");

    const std::vector<std::string> torolt = ElhagyottAtmenetiAllomanyokTorlese(f);
    EXPECT_EQ(std::set<std::string>(torolt.begin(), torolt.end()), elhagyott);
    for (const std::string& p : elhagyott)
        EXPECT_FALSE(fs::exists(p)) << p;
    for (const std::string& p : marad)
        EXPECT_TRUE(fs::exists(p)) << p;
    EXPECT_TRUE(fs::is_directory(f.BackKonyvtar + "backHatos.tip.uj"));
    fs::remove_all(dir);
}

}  // namespace
}  // namespace kvx
