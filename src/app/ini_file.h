#pragma once
// A small INI file: [section] headers and key=value lines.
//
// Section and key names compare case-insensitively (ASCII), the order of
// sections and keys is kept, and lines that are neither a header nor a
// key=value pair (comments, blank lines, stray text) are kept where they
// stand, byte for byte, so a file written back changes only what the
// program changed.
// The first of two equal keys in a section is the one read and written; a
// repeated section header continues the earlier section.
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace kvx {

class IniFile {
public:
    IniFile() = default;

    // Reads a file (UTF-8 or Windows-1250, taken as UTF-8). False when the
    // file cannot be read; the contents are then empty.
    bool LoadFromFile(const std::string& path);
    // Replaces the contents by the parsed text.
    void LoadFromString(std::string_view text);
    // The whole file as UTF-8 text with "\n" line ends (a kept line keeps a
    // CR it ended in).
    std::string ToString() const;
    // Writes the file safely (temporary file, then rename). False on failure.
    bool SaveToFile(const std::string& path) const;

    bool SectionExists(std::string_view section) const;
    bool ValueExists(std::string_view section, std::string_view key) const;
    std::vector<std::string> ReadSections() const;
    std::vector<std::string> ReadSection(std::string_view section) const;  // key names

    std::string ReadString(std::string_view section, std::string_view key, std::string_view def) const;
    // A missing key or a value that is not a whole decimal number gives def.
    std::int32_t ReadInteger(std::string_view section, std::string_view key, std::int32_t def) const;
    // Non-zero is true; a missing or malformed value gives def.
    bool ReadBool(std::string_view section, std::string_view key, bool def) const;
    // Accepts both "." and "," as the decimal separator, so a file stays
    // readable whatever the locale was when it was written; a missing or
    // malformed value gives def.
    double ReadFloat(std::string_view section, std::string_view key, double def) const;

    // Writing a key that does not exist appends it to its section (after the
    // section's last key), a section that does not exist is appended to the file.
    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void WriteInteger(std::string_view section, std::string_view key, std::int32_t value);
    void WriteBool(std::string_view section, std::string_view key, bool value);  // 1 or 0
    void WriteFloat(std::string_view section, std::string_view key, double value);  // '.' separator

    void DeleteKey(std::string_view section, std::string_view key);
    void EraseSection(std::string_view section);

    // True after any change since the last load.
    bool Modified() const { return modified_; }

    // Number formatting shared with callers that build INI values themselves.
    static std::string FormatFloat(double value);
    static bool ParseFloat(std::string_view text, double& value);
    static bool ParseInteger(std::string_view text, std::int32_t& value);

private:
    static constexpr std::size_t npos = static_cast<std::size_t>(-1);
    struct Line {
        bool isKey = false;
        std::string key;    // trimmed key name (isKey)
        std::string value;  // trimmed value (isKey) or the raw line
    };
    struct Section {
        std::string name;  // empty for the lines before the first header
        bool header = false;
        std::vector<Line> lines;
        // Lower-case key name -> its line, beside the kept order; every
        // lookup is one hash, so reading a large file stays linear.
        std::unordered_map<std::string, std::size_t> index;
        std::size_t lastKey = npos;  // line of the last key, npos when none
        void reindex();
    };
    const Section* findSection(std::string_view name) const;
    Section* findSection(std::string_view name);
    const Line* findKey(std::string_view section, std::string_view key) const;
    Section& addSection(std::string_view name);
    void reindexSections();

    std::vector<Section> sections_;
    // Lower-case section name -> its place in sections_ (headers only).
    std::unordered_map<std::string, std::size_t> sectionIndex_;
    bool modified_ = false;
};

}  // namespace kvx
