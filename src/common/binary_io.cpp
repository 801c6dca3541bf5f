#include "common/binary_io.h"

#include <bit>
#include <cstdio>
#include <filesystem>
#include <fstream>

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

bool writeFileAtomic(const std::string& path, std::span<const std::uint8_t> data)
{
    const std::string tmp = path + ".tmp";
    {
        std::FILE* f = std::fopen(tmp.c_str(), "wb");
        if (!f)
            return false;
        bool ok = data.empty() || std::fwrite(data.data(), 1, data.size(), f) == data.size();
        ok = (std::fflush(f) == 0) && ok;
        ok = (std::fclose(f) == 0) && ok;
        if (!ok) {
            std::error_code ec;
            std::filesystem::remove(tmp, ec);
            return false;
        }
    }
    std::error_code ec;
    std::filesystem::rename(tmp, path, ec);
    if (ec) {
        std::filesystem::remove(tmp, ec);
        return false;
    }
    return true;
}

bool writeFileAtomic(const std::string& path, std::string_view text)
{
    return writeFileAtomic(path, std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

}  // namespace kvx
