#pragma once
// Little-endian field-by-field reading and writing of our binary files.
// The reader never reads past its end: every read is checked, and a failed
// read leaves the reader in the failed state so that a caller can test once
// after a group of fields.
#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kvx {

class BinReader {
public:
    explicit BinReader(std::span<const std::uint8_t> data) : data_(data) {}

    std::size_t size() const { return data_.size(); }
    std::size_t pos() const { return pos_; }
    std::size_t remaining() const { return ok_ ? data_.size() - pos_ : 0; }
    bool ok() const { return ok_; }
    bool atEnd() const { return pos_ >= data_.size(); }
    // True when n more bytes can be read.
    bool has(std::size_t n) const { return ok_ && data_.size() - pos_ >= n; }

    bool u8(std::uint8_t& v);
    bool i8(std::int8_t& v);
    bool u16(std::uint16_t& v);
    bool i16(std::int16_t& v);
    bool u32(std::uint32_t& v);
    bool i32(std::int32_t& v);
    bool u64(std::uint64_t& v);
    bool i64(std::int64_t& v);
    bool f32(float& v);
    bool f64(double& v);
    bool boolean(bool& v);
    bool bytes(void* dst, std::size_t n);
    bool bytes(std::vector<std::uint8_t>& dst, std::size_t n);
    bool skip(std::size_t n);
    bool seek(std::size_t p);

    // Convenience forms; a failed read gives 0 and sets the failed state.
    std::uint8_t u8() { std::uint8_t v = 0; u8(v); return v; }
    std::uint16_t u16() { std::uint16_t v = 0; u16(v); return v; }
    std::int16_t i16() { std::int16_t v = 0; i16(v); return v; }
    std::uint32_t u32() { std::uint32_t v = 0; u32(v); return v; }
    std::int32_t i32() { std::int32_t v = 0; i32(v); return v; }
    std::uint64_t u64() { std::uint64_t v = 0; u64(v); return v; }
    std::int64_t i64() { std::int64_t v = 0; i64(v); return v; }
    float f32() { float v = 0; f32(v); return v; }
    double f64() { double v = 0; f64(v); return v; }

private:
    bool take(void* dst, std::size_t n);
    std::span<const std::uint8_t> data_;
    std::size_t pos_ = 0;
    bool ok_ = true;
};

class BinWriter {
public:
    void u8(std::uint8_t v) { buf_.push_back(v); }
    void i8(std::int8_t v) { buf_.push_back(static_cast<std::uint8_t>(v)); }
    void u16(std::uint16_t v);
    void i16(std::int16_t v) { u16(static_cast<std::uint16_t>(v)); }
    void u32(std::uint32_t v);
    void i32(std::int32_t v) { u32(static_cast<std::uint32_t>(v)); }
    void u64(std::uint64_t v);
    void i64(std::int64_t v) { u64(static_cast<std::uint64_t>(v)); }
    void f32(float v);
    void f64(double v);
    void boolean(bool v) { u8(v ? 1 : 0); }
    void bytes(const void* src, std::size_t n);
    void bytes(std::span<const std::uint8_t> src) { bytes(src.data(), src.size()); }
    void zeros(std::size_t n) { buf_.insert(buf_.end(), n, 0); }
    // Overwrites an already written 32-bit field (for counts known only later).
    void patchU32(std::size_t at, std::uint32_t v);

    std::size_t size() const { return buf_.size(); }
    const std::vector<std::uint8_t>& data() const { return buf_; }
    std::vector<std::uint8_t>& data() { return buf_; }

private:
    std::vector<std::uint8_t> buf_;
};

// Reads a whole file. False when it cannot be opened or read.
bool readWholeFile(const std::string& path, std::vector<std::uint8_t>& out);

// Writes a file safely: to a new temporary file beside it (path + ".tmp" and
// a unique tail, created exclusively, never through a symbolic link), flushed
// to the disk, then renamed over the old file, whose permission bits it keeps;
// the folder is flushed after the rename. False on any failure, in which case
// the old file is untouched and the temporary file is removed.
bool writeFileAtomic(const std::string& path, std::span<const std::uint8_t> data);
bool writeFileAtomic(const std::string& path, std::string_view text);

// The name is one writeFileAtomic's temporary files get: the target's name,
// ".tmp", the writer's process id, "." and 16 hexadecimal digits. `cel`
// receives the target's name and `pid` the process id.
bool AtomiIrasIdeiglenesNev(std::string_view nev, std::string* cel = nullptr, long* pid = nullptr);

// A write past the process's file-size limit (ulimit -f) then fails with an
// error like a full disk, instead of the limit's signal ending the program
// with the temporary file left behind. Called once at start.
void FajlmeretJelzesKikapcsolasa();

}  // namespace kvx
