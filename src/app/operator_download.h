#pragma once
// What the up-to-date update of one game fetches from its operator: the
// result file (plain, or inside an archive), the fixed extra files a few
// games need beside it, the numbered result files some archives hold, and
// the files that are cleared from the download folder afterwards. The
// addresses come from the online-access table; the extra files live on the
// same host as the result file.
#include <string>
#include <vector>

#include "app/online_access.h"

namespace kvx {

struct NaprakeszExtra {
    std::string Cim;  // address of the download
    std::string Nev;  // saved under this name in the download folder
    // Not empty: the download is an archive that must hold this file.
    std::string Tag;
};

struct NaprakeszTerv {
    std::string Cim;                  // result address (UTF-8)
    std::string Allomany;             // result file name
    std::string Archivum;             // archive name; empty for a plain file
    std::vector<std::string> ArchivumTagok;  // the names the archive may hold
    std::vector<NaprakeszExtra> Extrak;
    // Numbered result files (games 22, 23): the first existing
    // prefix + n + ".txt" from SorszamKezdet below 3000 is the result file.
    std::string SorszamElotag;
    int SorszamKezdet = 0;
    // Extra files removed from the download folder after the update.
    std::vector<std::string> Torlendo;
    // Which parser reads the file: the Hungarian/Keno one or the other.
    bool KenoHU = false;
};

// The plan for game g in the year ev.
NaprakeszTerv NaprakeszLetoltesTerv(const TOnlineEleresek& t, int g, int ev);

// Game 5 publishes one file per year: the year part of the address
// ("20.." and the 8 characters from there, looked for in the path only, so
// a host or port holding "20" is left alone) gives way to ev + ".csv".
std::string EvesEredmenyCim(const std::string& cim, int ev);

// "scheme://host[:port]" of an address; empty when it has none.
std::string CimGazda(const std::string& cim);

}  // namespace kvx
