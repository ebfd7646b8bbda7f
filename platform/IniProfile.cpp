#include "platform/IniProfile.h"

#include "platform/TextFile.h"

#include <cerrno>
#include <cstdlib>
#include <sys/stat.h>

namespace bv {

namespace {
constexpr size_t npos = std::string::npos;

std::string_view trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

bool sameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        auto x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
        if (x >= 'A' && x <= 'Z') x = static_cast<unsigned char>(x + 32);
        if (y >= 'A' && y <= 'Z') y = static_cast<unsigned char>(y + 32);
        if (x != y) return false;
    }
    return true;
}

// "[name]" -> name; false when the line is no section header.
bool headerName(std::string_view line, std::string_view& name) {
    auto t = trim(line);
    if (t.size() < 2 || t.front() != '[') return false;
    auto close = t.find(']');
    if (close == std::string_view::npos) return false;
    name = trim(t.substr(1, close - 1));
    return true;
}

// "key=value" -> key, value; false when the line has no '=' or is a comment.
bool keyValue(std::string_view line, std::string_view& key, std::string_view& value) {
    auto t = trim(line);
    if (t.empty() || t.front() == ';' || t.front() == '[') return false;
    auto eq = t.find('=');
    if (eq == std::string_view::npos) return false;
    key = trim(t.substr(0, eq));
    value = trim(t.substr(eq + 1));
    return true;
}
}  // namespace

IniProfile::IniProfile(std::string path) : path_(std::move(path)) { reload(); }

bool IniProfile::reload() {
    lines_.clear();
    dirty_ = false;
    std::string bytes;
    if (!TextFile::read(path_, bytes)) {
        struct stat st;
        return ::stat(path_.c_str(), &st) != 0;  // missing is fine, unreadable is not
    }
    parse(bytes);
    return true;
}

void IniProfile::parse(std::string_view text) {
    lines_ = TextFile::splitLines(text);
    dirty_ = false;
}

size_t IniProfile::findSection(std::string_view section) const {
    for (size_t i = 0; i < lines_.size(); ++i) {
        std::string_view name;
        if (headerName(lines_[i], name) && sameName(name, trim(section))) return i;
    }
    return npos;
}

size_t IniProfile::sectionEnd(size_t header) const {
    size_t i = header + 1;
    std::string_view name;
    while (i < lines_.size() && !headerName(lines_[i], name)) ++i;
    return i;
}

size_t IniProfile::findKey(size_t header, std::string_view key) const {
    size_t end = sectionEnd(header);
    for (size_t i = header + 1; i < end; ++i) {
        std::string_view k, v;
        if (keyValue(lines_[i], k, v) && sameName(k, trim(key))) return i;
    }
    return npos;
}

bool IniProfile::hasSection(std::string_view section) const { return findSection(section) != npos; }

bool IniProfile::hasKey(std::string_view section, std::string_view key) const {
    size_t h = findSection(section);
    return h != npos && findKey(h, key) != npos;
}

std::string IniProfile::getString(std::string_view section, std::string_view key,
                                  std::string_view dflt) const {
    size_t h = findSection(section);
    if (h == npos) return std::string(dflt);
    size_t k = findKey(h, key);
    if (k == npos) return std::string(dflt);
    std::string_view name, value;
    keyValue(lines_[k], name, value);
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return std::string(value);
}

int IniProfile::getInt(std::string_view section, std::string_view key, int dflt) const {
    if (!hasKey(section, key)) return dflt;
    std::string v = getString(section, key, "");
    size_t i = 0;
    bool neg = false;
    if (i < v.size() && (v[i] == '-' || v[i] == '+')) neg = v[i++] == '-';
    long long n = 0;
    while (i < v.size() && v[i] >= '0' && v[i] <= '9') {
        n = n * 10 + (v[i++] - '0');
        if (n > 0x7FFFFFFFLL) n = 0x7FFFFFFFLL;
    }
    return static_cast<int>(neg ? -n : n);
}

std::vector<std::string> IniProfile::sections() const {
    std::vector<std::string> out;
    for (const auto& l : lines_) {
        std::string_view name;
        if (headerName(l, name)) out.emplace_back(name);
    }
    return out;
}

std::vector<std::string> IniProfile::keys(std::string_view section) const {
    std::vector<std::string> out;
    size_t h = findSection(section);
    if (h == npos) return out;
    size_t end = sectionEnd(h);
    for (size_t i = h + 1; i < end; ++i) {
        std::string_view k, v;
        if (keyValue(lines_[i], k, v)) out.emplace_back(k);
    }
    return out;
}

void IniProfile::setString(std::string_view section, std::string_view key, std::string_view value) {
    std::string line = std::string(trim(key)) + "=" + std::string(value);
    dirty_ = true;
    size_t h = findSection(section);
    if (h == npos) {
        lines_.push_back("[" + std::string(trim(section)) + "]");
        lines_.push_back(line);
        return;
    }
    size_t k = findKey(h, key);
    if (k != npos) {
        lines_[k] = line;
        return;
    }
    // After the section's last non-blank line.
    size_t end = sectionEnd(h);
    size_t at = end;
    while (at > h + 1 && trim(lines_[at - 1]).empty()) --at;
    lines_.insert(lines_.begin() + static_cast<long>(at), line);
}

void IniProfile::setInt(std::string_view section, std::string_view key, int value) {
    setString(section, key, std::to_string(value));
}

void IniProfile::removeKey(std::string_view section, std::string_view key) {
    size_t h = findSection(section);
    if (h == npos) return;
    size_t k = findKey(h, key);
    if (k == npos) return;
    lines_.erase(lines_.begin() + static_cast<long>(k));
    dirty_ = true;
}

void IniProfile::removeSection(std::string_view section) {
    size_t h = findSection(section);
    if (h == npos) return;
    lines_.erase(lines_.begin() + static_cast<long>(h), lines_.begin() + static_cast<long>(sectionEnd(h)));
    dirty_ = true;
}

std::string IniProfile::text() const {
    std::string out;
    for (const auto& l : lines_) {
        out += l;
        out += kLineEnd;
    }
    return out;
}

bool IniProfile::flush(std::string* error) {
    if (path_.empty()) {
        if (error) *error = "no file name";
        return false;
    }
    if (!TextFile::writeAtomic(path_, text(), error)) return false;
    dirty_ = false;
    return true;
}

}  // namespace bv
