#include "app/operator_download.h"

#include "common/text_codec.h"

namespace kvx {

std::string CimGazda(const std::string& cim)
{
    const std::size_t sema = cim.find("://");
    if (sema == std::string::npos)
        return {};
    const std::size_t ut = cim.find('/', sema + 3);
    return ut == std::string::npos ? cim : cim.substr(0, ut);
}

std::string EvesEredmenyCim(const std::string& cim, int ev)
{
    std::string uj = cim;
    const std::size_t gazda = CimGazda(cim).size();
    const std::size_t p = uj.find("20", gazda);
    if (p != std::string::npos)
        uj.erase(p, 8);
    return uj + std::to_string(ev) + ".csv";
}

NaprakeszTerv NaprakeszLetoltesTerv(const TOnlineEleresek& t, int g, int ev)
{
    const auto i = static_cast<std::size_t>(g);
    NaprakeszTerv p;
    p.Cim = cp1250ToUtf8(t.EredmenyCim[i]);
    p.Allomany = cp1250ToUtf8(t.EredmenyAllomany[i]);
    p.Archivum = cp1250ToUtf8(t.EredmenyArchivum[i]);
    p.KenoHU = (g >= 0 && g <= 4) || (g >= 6 && g <= 21) || g == 25;
    if (g == 5 && p.Archivum.empty()) {
        p.Cim = EvesEredmenyCim(p.Cim, ev);
        p.Allomany = "NN_W2D_STAT_Lotto_" + std::to_string(ev) + ".csv";
    }
    const std::string gazda = CimGazda(p.Cim);
    switch (g) {
    case 4:
        p.Extrak.push_back({gazda + "/Documents/Csv/loto2.csv", "loto2.csv", {}});
        break;
    case 41:
        p.Extrak.push_back({gazda + "/api/v1/games/5129/results-csv", "wednesday-lotto.csv", {}});
        break;
    case 40:
        p.Extrak.push_back({gazda + "/static/csv/loto/superloto_201907.zip", "superloto_201907.zip", "superloto_201907.csv"});
        p.Extrak.push_back({gazda + "/static/csv/loto/lotonoel_201703.zip", "lotonoel_201703.zip", "lotonoel2017.csv"});
        p.Torlendo = {"superloto_201907.csv", "lotonoel2017.csv"};
        break;
    case 22:
        p.SorszamElotag = "Maxima_Results__402-";
        p.SorszamKezdet = 1189;
        p.Torlendo = {"Maxima_Results__1-402.txt"};
        break;
    case 23:
        p.SorszamElotag = "SuperLoto_Results__918-";
        p.SorszamKezdet = 1592;
        p.Torlendo = {"readme.txt", "SuperLoto_Results__1-538.txt", "SuperLoto_Results__539-796.txt",
                      "SuperLoto_Results__797-917.txt"};
        break;
    case 37:
        p.Torlendo = {"losa_6aus49_bis_02.12.2000.txt", "lomi_6aus49_bis_02.12.2000.txt", "lomi_7aus38.txt"};
        break;
    default:
        break;
    }
    if (!p.Archivum.empty()) {
        // The archive may hold the result file, the files cleared with it
        // and the numbered files; nothing else is unpacked.
        p.ArchivumTagok.push_back(p.Allomany);
        p.ArchivumTagok.insert(p.ArchivumTagok.end(), p.Torlendo.begin(), p.Torlendo.end());
        if (!p.SorszamElotag.empty())
            for (int n = p.SorszamKezdet; n < 3000; ++n)
                p.ArchivumTagok.push_back(p.SorszamElotag + std::to_string(n) + ".txt");
    }
    return p;
}

}  // namespace kvx
