#pragma once
// Small helpers shared by the engine tests: grids drawn as text, slot summaries,
// temporary directories.
#include "engine/GridPicture.h"
#include "engine/Simpelarr.h"

#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace bvtest {

// A work grid from a picture such as "..#/...": '#' clue cell, '.' empty cell,
// other characters letters; '/' separates rows.
inline bv::Simpelarr gridOf(const std::string& picture, bv::Host* host) {
    std::string text = picture;
    for (char& c : text)
        if (c == '/') c = '\n';
    std::string error;
    auto p = bv::GridPicture::parse(text, error);
    if (!p) std::abort();
    return p->makeGrid(host, true);
}

// "x,y,a|d,len,'letters'" for one slot.
inline std::string describe(const bv::EtOrd& s) {
    return std::to_string(s.x) + "," + std::to_string(s.y) + "," + (s.ret == bv::kAcross ? "a" : "d") + "," +
           std::to_string(s.len) + ",'" + std::string(s.word()) + "'";
}

inline std::string describeAll(const bv::Simpelarr& g) {
    std::string out;
    for (const bv::EtOrd& s : g.slots()) out += (out.empty() ? "" : " ") + describe(s);
    return out;
}

struct TempDir {
    std::filesystem::path path;
    TempDir() {
        std::string t = (std::filesystem::temp_directory_path() / "bvengine-XXXXXX").string();
        path = ::mkdtemp(t.data());
    }
    ~TempDir() { std::filesystem::remove_all(path); }
    std::string file(const std::string& name) const { return (path / name).string(); }
};

}  // namespace bvtest
