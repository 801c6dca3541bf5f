#include "app/ini_file.h"

#include "common/binary_io.h"
#include "common/text_codec.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <system_error>

namespace kvx {

namespace {

std::string_view trim(std::string_view s)
{
    std::size_t b = 0, e = s.size();
    while (b < e && (s[b] == ' ' || s[b] == '\t' || s[b] == '\r' || s[b] == '\n'))
        ++b;
    while (e > b && (s[e - 1] == ' ' || s[e - 1] == '\t' || s[e - 1] == '\r' || s[e - 1] == '\n'))
        --e;
    return s.substr(b, e - b);
}

char lower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string lowerName(std::string_view s)
{
    std::string l(s);
    for (char& c : l)
        c = lower(c);
    return l;
}

}  // namespace

bool IniFile::ParseInteger(std::string_view text, std::int32_t& value)
{
    text = trim(text);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    if (text.empty())
        return false;
    std::int32_t v = 0;
    auto [p, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (ec != std::errc() || p != text.data() + text.size())
        return false;
    value = v;
    return true;
}

bool IniFile::ParseFloat(std::string_view text, double& value)
{
    std::string t(trim(text));
    if (!t.empty() && t.front() == '+')
        t.erase(0, 1);
    std::size_t separators = 0;
    for (char& c : t) {
        if (c == ',')
            c = '.';
        if (c == '.')
            ++separators;
    }
    if (t.empty() || separators > 1)
        return false;
    double v = 0;
    auto [p, ec] = std::from_chars(t.data(), t.data() + t.size(), v, std::chars_format::general);
    if (ec != std::errc() || p != t.data() + t.size() || !std::isfinite(v))
        return false;
    value = v;
    return true;
}

std::string IniFile::FormatFloat(double value)
{
    char buf[64];
    auto [p, ec] = std::to_chars(buf, buf + sizeof buf, value);
    if (ec != std::errc())
        return "0";
    return std::string(buf, p);
}

void IniFile::Section::reindex()
{
    index.clear();
    lastKey = npos;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (!lines[i].isKey)
            continue;
        index.emplace(lowerName(lines[i].key), i);
        lastKey = i;
    }
}

void IniFile::reindexSections()
{
    sectionIndex_.clear();
    for (std::size_t i = 0; i < sections_.size(); ++i)
        if (sections_[i].header)
            sectionIndex_.emplace(lowerName(sections_[i].name), i);
}

IniFile::Section& IniFile::addSection(std::string_view name)
{
    sections_.push_back(Section{});
    Section& s = sections_.back();
    s.name = std::string(name);
    s.header = true;
    sectionIndex_.emplace(lowerName(name), sections_.size() - 1);
    return s;
}

void IniFile::LoadFromString(std::string_view text)
{
    sections_.clear();
    sectionIndex_.clear();
    modified_ = false;
    sections_.push_back(Section{});  // lines before the first header
    std::size_t current = 0;

    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string_view::npos)
            end = text.size();
        // A kept line keeps every byte up to its "\n": a CR before it (a
        // Windows line end, or one of the line's own) is written back too.
        const std::string_view raw = text.substr(pos, end - pos);
        pos = end + 1;

        const std::string_view t = trim(raw);
        if (t.size() >= 2 && t.front() == '[' && t.find(']') != std::string_view::npos) {
            const std::string_view name = trim(t.substr(1, t.find(']') - 1));
            const auto it = sectionIndex_.find(lowerName(name));
            if (it != sectionIndex_.end()) {
                current = it->second;
            } else {
                addSection(name);
                current = sections_.size() - 1;
            }
            continue;
        }
        Section& s = sections_[current];
        const std::size_t eq = t.find('=');
        const bool comment = !t.empty() && (t.front() == ';' || t.front() == '#');
        if (!comment && eq != std::string_view::npos && !trim(t.substr(0, eq)).empty()) {
            const std::string_view key = trim(t.substr(0, eq));
            // The first of two equal keys counts; a later one is kept as text.
            if (s.index.emplace(lowerName(key), s.lines.size()).second) {
                s.lastKey = s.lines.size();
                s.lines.push_back(Line{true, std::string(key), std::string(trim(t.substr(eq + 1)))});
                continue;
            }
        }
        s.lines.push_back(Line{false, {}, std::string(raw)});
    }
}

bool IniFile::LoadFromFile(const std::string& path)
{
    std::vector<std::uint8_t> bytes;
    if (!readWholeFile(path, bytes)) {
        LoadFromString({});
        return false;
    }
    const std::string text = toUtf8Detect(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    LoadFromString(text);
    return true;
}

std::string IniFile::ToString() const
{
    std::size_t size = 0;
    for (const Section& s : sections_) {
        size += s.name.size() + 3;
        for (const Line& l : s.lines)
            size += l.key.size() + l.value.size() + 2;
    }
    std::string out;
    out.reserve(size);
    for (const Section& s : sections_) {
        if (s.header) {
            out += '[';
            out += s.name;
            out += "]\n";
        }
        for (const Line& l : s.lines) {
            if (l.isKey) {
                out += l.key;
                out += '=';
            }
            out += l.value;
            out += '\n';
        }
    }
    return out;
}

bool IniFile::SaveToFile(const std::string& path) const
{
    return writeFileAtomic(path, std::string_view(ToString()));
}

const IniFile::Section* IniFile::findSection(std::string_view name) const
{
    const auto it = sectionIndex_.find(lowerName(name));
    return it == sectionIndex_.end() ? nullptr : &sections_[it->second];
}

IniFile::Section* IniFile::findSection(std::string_view name)
{
    const auto it = sectionIndex_.find(lowerName(name));
    return it == sectionIndex_.end() ? nullptr : &sections_[it->second];
}

const IniFile::Line* IniFile::findKey(std::string_view section, std::string_view key) const
{
    const Section* s = findSection(section);
    if (!s)
        return nullptr;
    const auto it = s->index.find(lowerName(key));
    return it == s->index.end() ? nullptr : &s->lines[it->second];
}

bool IniFile::SectionExists(std::string_view section) const
{
    return findSection(section) != nullptr;
}

bool IniFile::ValueExists(std::string_view section, std::string_view key) const
{
    return findKey(section, key) != nullptr;
}

std::vector<std::string> IniFile::ReadSections() const
{
    std::vector<std::string> names;
    for (const Section& s : sections_)
        if (s.header)
            names.push_back(s.name);
    return names;
}

std::vector<std::string> IniFile::ReadSection(std::string_view section) const
{
    std::vector<std::string> keys;
    if (const Section* s = findSection(section))
        for (const Line& l : s->lines)
            if (l.isKey)
                keys.push_back(l.key);
    return keys;
}

std::string IniFile::ReadString(std::string_view section, std::string_view key, std::string_view def) const
{
    const Line* l = findKey(section, key);
    return l ? l->value : std::string(def);
}

std::int32_t IniFile::ReadInteger(std::string_view section, std::string_view key, std::int32_t def) const
{
    const Line* l = findKey(section, key);
    std::int32_t v = def;
    if (l && ParseInteger(l->value, v))
        return v;
    return def;
}

bool IniFile::ReadBool(std::string_view section, std::string_view key, bool def) const
{
    return ReadInteger(section, key, def ? 1 : 0) != 0;
}

double IniFile::ReadFloat(std::string_view section, std::string_view key, double def) const
{
    const Line* l = findKey(section, key);
    double v = def;
    if (l && ParseFloat(l->value, v))
        return v;
    return def;
}

void IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value)
{
    modified_ = true;
    Section* s = findSection(section);
    if (!s)
        s = &addSection(section);
    std::string lowerKey = lowerName(key);
    if (const auto it = s->index.find(lowerKey); it != s->index.end()) {
        s->lines[it->second].value = std::string(value);
        return;
    }
    // After the section's last key: the lines that move are no keys, so the
    // index stays valid.
    const std::size_t at = s->lastKey == npos ? 0 : s->lastKey + 1;
    s->lines.insert(s->lines.begin() + static_cast<std::ptrdiff_t>(at), Line{true, std::string(key), std::string(value)});
    s->index.emplace(std::move(lowerKey), at);
    s->lastKey = at;
}

void IniFile::WriteInteger(std::string_view section, std::string_view key, std::int32_t value)
{
    WriteString(section, key, std::to_string(value));
}

void IniFile::WriteBool(std::string_view section, std::string_view key, bool value)
{
    WriteString(section, key, value ? "1" : "0");
}

void IniFile::WriteFloat(std::string_view section, std::string_view key, double value)
{
    WriteString(section, key, FormatFloat(value));
}

void IniFile::DeleteKey(std::string_view section, std::string_view key)
{
    Section* s = findSection(section);
    if (!s)
        return;
    const auto it = s->index.find(lowerName(key));
    if (it == s->index.end())
        return;
    s->lines.erase(s->lines.begin() + static_cast<std::ptrdiff_t>(it->second));
    s->reindex();
    modified_ = true;
}

void IniFile::EraseSection(std::string_view section)
{
    const auto it = sectionIndex_.find(lowerName(section));
    if (it == sectionIndex_.end())
        return;
    sections_.erase(sections_.begin() + static_cast<std::ptrdiff_t>(it->second));
    reindexSections();
    modified_ = true;
}

}  // namespace kvx
