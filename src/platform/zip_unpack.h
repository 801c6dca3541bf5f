#pragma once
// Unpacking of the downloaded ZIP archives. Only plain files at the top of
// the archive are taken, and only when every member passes: no folders, no
// symbolic links, no absolute or climbing paths, no unexpected names, within
// a member count and a total size. Each member is written to a temporary
// name in the target folder; only when all of them are whole do they take
// their names, all of them or none.
#include <cstdint>
#include <string>
#include <vector>

namespace kvx::platform {

struct ZipKorlatok {
    // Names the archive may hold (case-sensitive); empty allows any plain name.
    std::vector<std::string> Nevek;
    int MaxTagok = 16;
    std::uint64_t MaxKibontott = 64ULL * 1024 * 1024;
};

enum class ZipHiba {
    Nincs,
    Megnyitas,     // missing, not a ZIP archive or damaged
    Tagnev,        // a path, a folder, "..", an absolute or an unexpected name
    Hivatkozas,    // a symbolic link or another special member
    Tul_nagy,      // too many members or too many bytes
    Serult,        // a member could not be read whole (bad data, wrong size)
    Iras,          // the target folder could not be written
};

struct ZipEredmeny {
    ZipHiba Hiba = ZipHiba::Nincs;
    std::vector<std::string> Kibontott;  // the names written
    bool ok() const { return Hiba == ZipHiba::Nincs; }
};

// Unpacks archive into the folder (which must exist). Nothing is written
// unless every member passed the checks; a member that fails while being
// written leaves no file behind, and members written before it are removed.
// The members then replace the files of their names all together: when one
// of them cannot take its name, those already placed are taken back and
// every file that was there stays as it was. The archive itself is left in
// place.
ZipEredmeny Kicsomagolas(const std::string& archive, const std::string& celKonyvtar, const ZipKorlatok& k);

}  // namespace kvx::platform
