#pragma once
// PathName: how the program's stored names become Linux paths.
//
// Rule files, settings and registry values may carry names written on Windows
// ("..\Plavetta\", "D:\Data\x.ktd"). A '\' is taken as a directory separator;
// letters are never case-folded. A name with a drive prefix ("D:") keeps it as
// an ordinary part of the name.
#include <string>
#include <string_view>

namespace bv {

struct PathName {
    // '\' becomes '/'.
    static std::string native(std::string_view name);
    // `dir` + '/' + `name` (no doubled separator); an empty dir gives `name`.
    static std::string join(std::string_view dir, std::string_view name);
    // True when the name stands on its own: it begins with a separator, or has
    // a drive or scheme prefix (contains ':').
    static bool isRooted(std::string_view name);
    // The last part of a name: after the last '/', '\' or ':'.
    static std::string baseName(std::string_view name);
    // Everything before the base name, without the trailing separator ("" when none).
    static std::string directoryOf(std::string_view name);
    // A name as it goes into a message (UTF-8): file names on Linux are usually
    // UTF-8 already; other bytes are taken as Windows-1252.
    static std::string forMessage(std::string_view name);
    // Can the file be opened for reading?
    static bool readable(const std::string& name);
};

}  // namespace bv
