#pragma once
// IniProfile: a private-profile INI file (rule files, the settings file, the
// registry store).
//
// Semantics follow the classic private-profile calls: section and key names
// match without regard to ASCII case; blanks around names and values are
// dropped and a value in matching double quotes loses them; a missing key gives
// the caller's default, an empty value gives empty text; getInt reads an
// optional sign and leading digits (a value that does not start with a number
// is 0). Writes change the lines in memory in place and keep every other line
// (unknown sections, keys, comments) as it was; flush() writes the file
// atomically. Values are bytes (Windows-1252) and are not converted.
#include <string>
#include <string_view>
#include <vector>

namespace bv {

class IniProfile {
public:
    IniProfile() = default;
    // Reads `path` if it exists; a missing file is an empty profile.
    explicit IniProfile(std::string path);

    // Reads the file again; false when it exists but cannot be read.
    bool reload();
    const std::string& path() const { return path_; }
    void setPath(std::string path) { path_ = std::move(path); }

    bool hasKey(std::string_view section, std::string_view key) const;
    bool hasSection(std::string_view section) const;
    std::string getString(std::string_view section, std::string_view key, std::string_view dflt) const;
    int getInt(std::string_view section, std::string_view key, int dflt) const;
    std::vector<std::string> sections() const;
    std::vector<std::string> keys(std::string_view section) const;

    void setString(std::string_view section, std::string_view key, std::string_view value);
    void setInt(std::string_view section, std::string_view key, int value);
    void removeKey(std::string_view section, std::string_view key);
    void removeSection(std::string_view section);

    bool dirty() const { return dirty_; }
    // Writes the profile to its path (CRLF lines); false with a reason on failure.
    bool flush(std::string* error = nullptr);
    // The file's bytes as flush would write them.
    std::string text() const;

    // Parses text as the file's content (for tests and in-memory profiles).
    void parse(std::string_view text);

private:
    // Index of the section header line, or npos.
    size_t findSection(std::string_view section) const;
    // Index of the key line within the section starting at `header`, or npos.
    size_t findKey(size_t header, std::string_view key) const;
    size_t sectionEnd(size_t header) const;

    std::string path_;
    std::vector<std::string> lines_;
    bool dirty_ = false;
};

}  // namespace bv
