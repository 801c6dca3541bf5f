// Build step: turns the readable online-access table into the binary
// "Online.odb" that ships with the program.
//   kavarex_online_odb <source.tsv> <Online.odb>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "app/online_source.h"
#include "common/binary_io.h"

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <source.tsv> <Online.odb>\n", argv[0]);
        return 2;
    }
    std::ifstream be(argv[1], std::ios::binary);
    if (!be) {
        std::fprintf(stderr, "%s: cannot be read\n", argv[1]);
        return 1;
    }
    std::ostringstream ss;
    ss << be.rdbuf();
    const kvx::OnlineForras f = kvx::OnlineForrasOlvasas(ss.str());
    if (!f.Tabla) {
        std::fprintf(stderr, "%s: %s\n", argv[1], f.Hiba.c_str());
        return 1;
    }
    const std::vector<std::uint8_t> kep = kvx::OnlineEleresekIras(*f.Tabla);
    if (!kvx::writeFileAtomic(argv[2], std::span<const std::uint8_t>(kep))) {
        std::fprintf(stderr, "%s: cannot be written\n", argv[2]);
        return 1;
    }
    return 0;
}
