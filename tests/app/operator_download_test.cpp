#include "app/operator_download.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace kvx {
namespace {

TEST(OperatorDownload, YearlyAddressIsRebuiltInItsPathOnly)
{
    const struct {
        const char* cim;
        const char* varhato;
    } esetek[] = {
        {"https://op.example/dl/NN_W2D_STAT_Lotto_2019.csv", "https://op.example/dl/NN_W2D_STAT_Lotto_2026.csv"},
        // A host or port holding "20" is not the year.
        {"http://127.0.0.1:42017/NN_W2D_STAT_Lotto_2019.csv", "http://127.0.0.1:42017/NN_W2D_STAT_Lotto_2026.csv"},
        {"https://op.example/lotto/", "https://op.example/lotto/2026.csv"},
    };
    for (const auto& e : esetek)
        EXPECT_EQ(EvesEredmenyCim(e.cim, 2026), e.varhato) << e.cim;
    EXPECT_EQ(CimGazda("http://127.0.0.1:42017/a/b.csv"), "http://127.0.0.1:42017");
    EXPECT_EQ(CimGazda("no address"), "");
}

TEST(OperatorDownload, PlanFollowsTheGame)
{
    TOnlineEleresek t;
    for (int g = 0; g < kJatekokSzama; ++g) {
        const std::string n = std::to_string(g);
        t.EredmenyCim[g] = std::string("https://op.example/res/").append(n).append("/file_2019.csv");
        t.EredmenyAllomany[g] = std::string("f").append(n).append(".csv");
    }
    t.EredmenyArchivum[22] = "maxima.zip";

    const NaprakeszTerv ausztria = NaprakeszLetoltesTerv(t, 5, 2026);
    EXPECT_EQ(ausztria.Allomany, "NN_W2D_STAT_Lotto_2026.csv");
    EXPECT_EQ(ausztria.Cim, "https://op.example/res/5/file_2026.csv");
    EXPECT_FALSE(ausztria.KenoHU);

    const NaprakeszTerv ukran = NaprakeszLetoltesTerv(t, 22, 2026);
    EXPECT_EQ(ukran.Archivum, "maxima.zip");
    for (const char* nev : {"f22.csv", "Maxima_Results__1-402.txt", "Maxima_Results__402-1189.txt", "Maxima_Results__402-2999.txt"})
        EXPECT_NE(std::find(ukran.ArchivumTagok.begin(), ukran.ArchivumTagok.end(), nev), ukran.ArchivumTagok.end()) << nev;
    EXPECT_EQ(std::find(ukran.ArchivumTagok.begin(), ukran.ArchivumTagok.end(), "Maxima_Results__402-1188.txt"),
              ukran.ArchivumTagok.end());
    EXPECT_EQ(ukran.SorszamKezdet, 1189);

    // The fixed extra files come from the result file's host.
    const NaprakeszTerv szlovak = NaprakeszLetoltesTerv(t, 4, 2026);
    ASSERT_EQ(szlovak.Extrak.size(), 1u);
    EXPECT_EQ(szlovak.Extrak[0].Cim, "https://op.example/Documents/Csv/loto2.csv");
    EXPECT_EQ(szlovak.Extrak[0].Nev, "loto2.csv");
    const NaprakeszTerv francia = NaprakeszLetoltesTerv(t, 40, 2026);
    ASSERT_EQ(francia.Extrak.size(), 2u);
    EXPECT_EQ(francia.Extrak[1].Cim, "https://op.example/static/csv/loto/lotonoel_201703.zip");
    EXPECT_EQ(francia.Extrak[1].Tag, "lotonoel2017.csv");

    for (int g : {0, 4, 6, 21, 25})
        EXPECT_TRUE(NaprakeszLetoltesTerv(t, g, 2026).KenoHU) << g;
    for (int g : {5, 22, 23, 24, 26, 43})
        EXPECT_FALSE(NaprakeszLetoltesTerv(t, g, 2026).KenoHU) << g;
}

}  // namespace
}  // namespace kvx
