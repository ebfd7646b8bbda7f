#pragma once
// TextFile: whole-file reading and safe writing shared by every file format.
//
// Formats are Windows-1252 text. Readers accept CRLF and LF line ends; writers
// use CRLF, as the formats' own program writes them, so that files made here
// read back byte for byte wherever the formats are read.
// writeAtomic never leaves a half-written file: it writes a temporary file in the
// same directory, flushes it and renames it over the target. A target that is a
// symbolic link keeps its link (the file it names is replaced). A target that
// exists and is no regular file (a device such as /dev/null or /dev/stdout, a
// FIFO) is written in place: renaming over it would put a plain file there.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace bv {

inline constexpr std::string_view kLineEnd = "\r\n";

struct TextFile {
    // Whole files are read into memory; nothing the program reads comes near this.
    static constexpr std::size_t kMaxReadSize = std::size_t{1} << 30;
    // False (and `bytes` empty) when the file cannot be opened or read, is no
    // regular file (a directory, a device such as /dev/zero, a FIFO: reading
    // those would never end or would wait for a writer), or is larger than `maxBytes`.
    static bool read(const std::string& path, std::string& bytes, std::size_t maxBytes = kMaxReadSize);
    // True when `path` names a regular file this process can open for reading.
    static bool isReadableFile(const std::string& path);
    // Splits at LF; a CR before the LF is dropped; a last line without LF counts.
    static std::vector<std::string> splitLines(std::string_view bytes);
    // False (and the target untouched) when anything fails, with errno's text in `error`.
    static bool writeAtomic(const std::string& path, std::string_view bytes, std::string* error = nullptr);
    // Like writeAtomic, but fails when `path` already exists (no overwrite, no race).
    static bool writeNew(const std::string& path, std::string_view bytes, std::string* error = nullptr);
};

}  // namespace bv
