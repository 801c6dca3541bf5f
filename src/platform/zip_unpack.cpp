#include "platform/zip_unpack.h"

#include <zip.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>

namespace kvx::platform {

namespace {

struct ZipZaro {
    zip_t* z;
    ~ZipZaro() { if (z) zip_discard(z); }
};

bool tiszta_nev(const std::string& n)
{
    if (n.empty() || n.size() > 255 || n == "." || n == "..")
        return false;
    for (const char c : n)
        if (c == '/' || c == '\\' || c == ':' || static_cast<unsigned char>(c) < 0x20)
            return false;
    return true;
}

// Writes one member to ut (created exclusively, never through a link).
ZipHiba kiir(zip_t* z, zip_uint64_t index, zip_uint64_t meret, const std::string& ut)
{
    ::unlink(ut.c_str());
    const int fd = ::open(ut.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd < 0)
        return ZipHiba::Iras;
    zip_file_t* zf = zip_fopen_index(z, index, 0);
    if (!zf) {
        ::close(fd);
        return ZipHiba::Serult;
    }
    ZipHiba hiba = ZipHiba::Nincs;
    zip_uint64_t osszes = 0;
    char puffer[65536];
    for (;;) {
        const zip_int64_t n = zip_fread(zf, puffer, sizeof puffer);
        if (n < 0) {
            hiba = ZipHiba::Serult;
            break;
        }
        if (n == 0)
            break;
        osszes += static_cast<zip_uint64_t>(n);
        if (osszes > meret) {  // more than the directory announced
            hiba = ZipHiba::Serult;
            break;
        }
        for (zip_int64_t irt = 0; irt < n;) {
            const ssize_t w = ::write(fd, puffer + irt, static_cast<std::size_t>(n - irt));
            if (w <= 0) {
                hiba = ZipHiba::Iras;
                break;
            }
            irt += w;
        }
        if (hiba != ZipHiba::Nincs)
            break;
    }
    // Closing checks the CRC of what was read.
    if (zip_fclose(zf) != 0 && hiba == ZipHiba::Nincs)
        hiba = ZipHiba::Serult;
    if (hiba == ZipHiba::Nincs && osszes != meret)
        hiba = ZipHiba::Serult;
    if (hiba == ZipHiba::Nincs && ::fsync(fd) != 0)
        hiba = ZipHiba::Iras;
    if (::close(fd) != 0 && hiba == ZipHiba::Nincs)
        hiba = ZipHiba::Iras;
    if (hiba != ZipHiba::Nincs)
        ::unlink(ut.c_str());
    return hiba;
}

struct Tag {
    zip_uint64_t index;
    zip_uint64_t meret;
    std::string nev;
};

// Puts every staged member in place of its name, or none: a file already
// there is first moved aside, and when any step fails the members already
// placed are removed and the files moved aside return, so the folder holds
// what it held before. The staged files that were not placed are left to
// the caller.
bool csere(const std::filesystem::path& cel, const std::vector<Tag>& tagok, const std::vector<std::string>& ideiglenes)
{
    struct Lepes {
        std::string vegso;
        std::string felre;  // where the old file waits; empty when there was none
        bool athelyezve = false;
    };
    std::vector<Lepes> lepesek;
    const auto visszaallit = [&] {
        for (auto it = lepesek.rbegin(); it != lepesek.rend(); ++it) {
            if (it->athelyezve)
                ::unlink(it->vegso.c_str());
            if (!it->felre.empty())
                std::rename(it->felre.c_str(), it->vegso.c_str());
        }
    };
    for (std::size_t i = 0; i < tagok.size(); ++i) {
        Lepes l;
        l.vegso = (cel / tagok[i].nev).string();
        // Hidden and ending in ".tmp", like the staged names: a crash in
        // between leaves only names that are cleared as temporary files.
        const std::string felre = (cel / ("." + tagok[i].nev + ".regi.tmp")).string();
        struct stat st;
        // Only a file (or a link) is moved aside; anything else in the way
        // makes the rename below fail.
        if (::lstat(l.vegso.c_str(), &st) == 0 && (S_ISREG(st.st_mode) || S_ISLNK(st.st_mode))) {
            ::unlink(felre.c_str());
            if (std::rename(l.vegso.c_str(), felre.c_str()) != 0) {
                visszaallit();
                return false;
            }
            l.felre = felre;
        }
        lepesek.push_back(l);
        if (std::rename(ideiglenes[i].c_str(), l.vegso.c_str()) != 0) {
            visszaallit();
            return false;
        }
        lepesek.back().athelyezve = true;
    }
    for (const Lepes& l : lepesek)
        if (!l.felre.empty())
            ::unlink(l.felre.c_str());
    return true;
}

}  // namespace

ZipEredmeny Kicsomagolas(const std::string& archive, const std::string& celKonyvtar, const ZipKorlatok& k)
{
    ZipEredmeny e;
    int hibakod = 0;
    ZipZaro z{zip_open(archive.c_str(), ZIP_RDONLY | ZIP_CHECKCONS, &hibakod)};
    if (!z.z) {
        e.Hiba = ZipHiba::Megnyitas;
        return e;
    }
    const zip_int64_t n = zip_get_num_entries(z.z, 0);
    if (n < 0) {
        e.Hiba = ZipHiba::Megnyitas;
        return e;
    }
    if (n > k.MaxTagok) {
        e.Hiba = ZipHiba::Tul_nagy;
        return e;
    }

    std::vector<Tag> tagok;
    std::uint64_t osszes = 0;
    for (zip_int64_t i = 0; i < n; ++i) {
        const auto idx = static_cast<zip_uint64_t>(i);
        zip_stat_t st;
        zip_stat_init(&st);
        if (zip_stat_index(z.z, idx, 0, &st) != 0 || !(st.valid & ZIP_STAT_NAME) || !(st.valid & ZIP_STAT_SIZE)) {
            e.Hiba = ZipHiba::Megnyitas;
            return e;
        }
        zip_uint8_t opsys = 0;
        zip_uint32_t attr = 0;
        if (zip_file_get_external_attributes(z.z, idx, 0, &opsys, &attr) == 0 && opsys == ZIP_OPSYS_UNIX) {
            const mode_t mod = static_cast<mode_t>(attr >> 16);
            if ((mod & S_IFMT) != 0 && !S_ISREG(mod)) {
                e.Hiba = S_ISDIR(mod) ? ZipHiba::Tagnev : ZipHiba::Hivatkozas;
                return e;
            }
        }
        const std::string nev = st.name;
        if (!tiszta_nev(nev)) {
            e.Hiba = ZipHiba::Tagnev;
            return e;
        }
        if (!k.Nevek.empty() && std::find(k.Nevek.begin(), k.Nevek.end(), nev) == k.Nevek.end()) {
            e.Hiba = ZipHiba::Tagnev;
            return e;
        }
        for (const Tag& t : tagok)
            if (t.nev == nev) {
                e.Hiba = ZipHiba::Tagnev;
                return e;
            }
        if ((st.valid & ZIP_STAT_ENCRYPTION_METHOD) && st.encryption_method != ZIP_EM_NONE) {
            e.Hiba = ZipHiba::Serult;
            return e;
        }
        if (st.size > k.MaxKibontott || osszes + st.size > k.MaxKibontott) {
            e.Hiba = ZipHiba::Tul_nagy;
            return e;
        }
        osszes += st.size;
        tagok.push_back({idx, st.size, nev});
    }

    // Every member to its temporary name first; the renames come only when
    // all of them are whole, so a bad member replaces nothing.
    const std::filesystem::path cel(celKonyvtar);
    std::vector<std::string> ideiglenes;
    const auto takarit = [&] {
        for (const std::string& t : ideiglenes)
            ::unlink(t.c_str());
    };
    for (const Tag& t : tagok) {
        const std::string ut = (cel / (t.nev + ".tmp")).string();
        const ZipHiba h = kiir(z.z, t.index, t.meret, ut);
        if (h != ZipHiba::Nincs) {
            takarit();
            e.Hiba = h;
            return e;
        }
        ideiglenes.push_back(ut);
    }
    if (!csere(cel, tagok, ideiglenes)) {
        takarit();
        e.Hiba = ZipHiba::Iras;
        return e;
    }
    for (const Tag& t : tagok)
        e.Kibontott.push_back(t.nev);
    return e;
}

}  // namespace kvx::platform
