#pragma once
// RecentFiles: the list of the last four rule files, newest first, kept in the
// settings file (section "Recent File List", keys File1..File4) so that it
// survives a restart. The frame's menu shows it; rule-file loads add to it.
#include "platform/IniProfile.h"

#include <string>
#include <string_view>
#include <vector>

namespace bv {

class RecentFiles {
public:
    static constexpr int kMax = 4;
    static constexpr std::string_view kSection = "Recent File List";

    RecentFiles() = default;
    // Reads the list from `profile`, which must outlive this object.
    explicit RecentFiles(IniProfile& profile);

    const std::vector<std::string>& names() const { return names_; }
    // Puts `name` at the top (removing an equal entry lower down), keeps four,
    // and writes the list through.
    void add(std::string_view name);

private:
    void save();

    IniProfile* profile_ = nullptr;
    std::vector<std::string> names_;
};

}  // namespace bv
