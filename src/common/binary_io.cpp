#include "common/binary_io.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <bit>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>

namespace kvx {

static_assert(std::endian::native == std::endian::little || std::endian::native == std::endian::big);

bool BinReader::take(void* dst, std::size_t n)
{
    if (!has(n)) {
        ok_ = false;
        return false;
    }
    if (n)
        std::memcpy(dst, data_.data() + pos_, n);
    pos_ += n;
    return true;
}

namespace {
template <typename T>
T fromLE(const std::uint8_t* p)
{
    T v = 0;
    for (std::size_t i = 0; i < sizeof(T); ++i)
        v = static_cast<T>(v | (static_cast<T>(p[i]) << (8 * i)));
    return v;
}
template <typename T>
void toLE(std::vector<std::uint8_t>& buf, T v)
{
    for (std::size_t i = 0; i < sizeof(T); ++i)
        buf.push_back(static_cast<std::uint8_t>((v >> (8 * i)) & 0xFF));
}
}  // namespace

bool BinReader::u8(std::uint8_t& v) { return take(&v, 1); }
bool BinReader::i8(std::int8_t& v) { return take(&v, 1); }

bool BinReader::u16(std::uint16_t& v)
{
    std::uint8_t b[2];
    if (!take(b, 2)) return false;
    v = fromLE<std::uint16_t>(b);
    return true;
}
bool BinReader::i16(std::int16_t& v)
{
    std::uint16_t u;
    if (!u16(u)) return false;
    v = static_cast<std::int16_t>(u);
    return true;
}
bool BinReader::u32(std::uint32_t& v)
{
    std::uint8_t b[4];
    if (!take(b, 4)) return false;
    v = fromLE<std::uint32_t>(b);
    return true;
}
bool BinReader::i32(std::int32_t& v)
{
    std::uint32_t u;
    if (!u32(u)) return false;
    v = static_cast<std::int32_t>(u);
    return true;
}
bool BinReader::u64(std::uint64_t& v)
{
    std::uint8_t b[8];
    if (!take(b, 8)) return false;
    v = fromLE<std::uint64_t>(b);
    return true;
}
bool BinReader::i64(std::int64_t& v)
{
    std::uint64_t u;
    if (!u64(u)) return false;
    v = static_cast<std::int64_t>(u);
    return true;
}
bool BinReader::f32(float& v)
{
    std::uint32_t u;
    if (!u32(u)) return false;
    v = std::bit_cast<float>(u);
    return true;
}
bool BinReader::f64(double& v)
{
    std::uint64_t u;
    if (!u64(u)) return false;
    v = std::bit_cast<double>(u);
    return true;
}
bool BinReader::boolean(bool& v)
{
    std::uint8_t b;
    if (!u8(b)) return false;
    v = b != 0;
    return true;
}
bool BinReader::bytes(void* dst, std::size_t n) { return take(dst, n); }
bool BinReader::bytes(std::vector<std::uint8_t>& dst, std::size_t n)
{
    if (!has(n)) {
        ok_ = false;
        return false;
    }
    dst.assign(data_.begin() + static_cast<std::ptrdiff_t>(pos_), data_.begin() + static_cast<std::ptrdiff_t>(pos_ + n));
    pos_ += n;
    return true;
}
bool BinReader::skip(std::size_t n)
{
    if (!has(n)) {
        ok_ = false;
        return false;
    }
    pos_ += n;
    return true;
}
bool BinReader::seek(std::size_t p)
{
    if (!ok_ || p > data_.size()) {
        ok_ = false;
        return false;
    }
    pos_ = p;
    return true;
}

void BinWriter::u16(std::uint16_t v) { toLE(buf_, v); }
void BinWriter::u32(std::uint32_t v) { toLE(buf_, v); }
void BinWriter::u64(std::uint64_t v) { toLE(buf_, v); }
void BinWriter::f32(float v) { u32(std::bit_cast<std::uint32_t>(v)); }
void BinWriter::f64(double v) { u64(std::bit_cast<std::uint64_t>(v)); }
void BinWriter::bytes(const void* src, std::size_t n)
{
    const auto* p = static_cast<const std::uint8_t*>(src);
    buf_.insert(buf_.end(), p, p + n);
}
void BinWriter::patchU32(std::size_t at, std::uint32_t v)
{
    for (std::size_t i = 0; i < 4 && at + i < buf_.size(); ++i)
        buf_[at + i] = static_cast<std::uint8_t>((v >> (8 * i)) & 0xFF);
}

bool readWholeFile(const std::string& path, std::vector<std::uint8_t>& out)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    in.seekg(0, std::ios::end);
    const auto end = in.tellg();
    if (end < 0)
        return false;
    in.seekg(0, std::ios::beg);
    std::vector<std::uint8_t> buf(static_cast<std::size_t>(end));
    if (!buf.empty() && !in.read(reinterpret_cast<char*>(buf.data()), static_cast<std::streamsize>(buf.size())))
        return false;
    out.swap(buf);
    return true;
}

namespace {

// Creates a new temporary file beside `path`, exclusively: an existing name,
// and a symbolic link planted there in particular, is never opened, so the
// write cannot reach another file. The mode asked for is the one a new file
// gets (the umask applies).
int ujIdeiglenes(const std::string& path, std::string& tmp)
{
    std::random_device rd;
    for (int proba = 0; proba < 100; ++proba) {
        char utotag[48];
        std::snprintf(utotag, sizeof utotag, ".tmp%ld.%08x%08x", static_cast<long>(::getpid()),
                      static_cast<unsigned>(rd()), static_cast<unsigned>(rd()));
        tmp = path + utotag;
        const int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

bool mindentIr(int fd, const std::uint8_t* p, std::size_t n)
{
    while (n > 0) {
        const ssize_t k = ::write(fd, p, n);
        if (k < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        p += k;
        n -= static_cast<std::size_t>(k);
    }
    return true;
}

// Makes the rename itself durable: the folder's entry is flushed too.
void mappaSzinkron(const std::string& path)
{
    std::filesystem::path mappa = std::filesystem::path(path).parent_path();
    if (mappa.empty())
        mappa = ".";
    const int fd = ::open(mappa.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

bool writeFileAtomic(const std::string& path, std::span<const std::uint8_t> data)
{
    std::string tmp;
    const int fd = ujIdeiglenes(path, tmp);
    if (fd < 0)
        return false;
    // A file that is replaced keeps its permission bits.
    struct stat regi {};
    bool ok = true;
    if (::stat(path.c_str(), &regi) == 0 && S_ISREG(regi.st_mode))
        ok = ::fchmod(fd, regi.st_mode & 07777) == 0;
    ok = ok && mindentIr(fd, data.data(), data.size());
    ok = ok && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    if (ok)
        ok = ::rename(tmp.c_str(), path.c_str()) == 0;
    if (!ok) {
        ::unlink(tmp.c_str());
        return false;
    }
    mappaSzinkron(path);
    return true;
}

bool AtomiIrasIdeiglenesNev(std::string_view nev, std::string* cel, long* pid)
{
    const std::size_t tmp = nev.rfind(".tmp");
    if (tmp == std::string_view::npos || tmp == 0)
        return false;
    std::string_view farok = nev.substr(tmp + 4);
    const std::size_t pont = farok.find('.');
    if (pont == 0 || pont == std::string_view::npos || pont > 10 || farok.size() - pont - 1 != 16)
        return false;
    long p = 0;
    for (const char c : farok.substr(0, pont)) {
        if (c < '0' || c > '9')
            return false;
        p = p * 10 + (c - '0');
    }
    for (const char c : farok.substr(pont + 1))
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f')))
            return false;
    if (cel)
        *cel = std::string(nev.substr(0, tmp));
    if (pid)
        *pid = p;
    return true;
}

void FajlmeretJelzesKikapcsolasa() { ::signal(SIGXFSZ, SIG_IGN); }

bool writeFileAtomic(const std::string& path, std::string_view text)
{
    return writeFileAtomic(path, std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

}  // namespace kvx
