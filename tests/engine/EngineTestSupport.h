#pragma once
// Small helpers shared by the engine tests: grids drawn as text, slot summaries,
// the words of a grid read from its cells, temporary directories.
#include "engine/GridPicture.h"
#include "engine/Simpelarr.h"

#include <cstdlib>
#include <filesystem>
#include <map>
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

// Every complete word of two or more letters, across and down, read from the
// cells (not from slot texts), with the number of times it stands in the grid.
inline std::map<std::string, int> wordCounts(const bv::Simpelarr& grid) {
    std::map<std::string, int> counts;
    auto run = [&](int x, int y, int dx, int dy) {
        std::string w;
        for (; grid.inside(x, y) && grid.get(x, y) != bv::BLOCK; x += dx, y += dy) w += grid.get(x, y);
        if (w.size() >= 2 && w.find(bv::BLANK) == std::string::npos) ++counts[w];
    };
    for (int y = 0; y < grid.height(); ++y)
        for (int x = 0; x < grid.width(); ++x) {
            if (grid.get(x, y) == bv::BLOCK) continue;
            if (x == 0 || grid.get(x - 1, y) == bv::BLOCK) run(x, y, 1, 0);
            if (y == 0 || grid.get(x, y - 1) == bv::BLOCK) run(x, y, 0, 1);
        }
    return counts;
}

// "WORD xN, ..." for the words that stand more than once; empty when none does.
inline std::string repeatedWords(const bv::Simpelarr& grid) {
    std::string out;
    for (const auto& [word, n] : wordCounts(grid))
        if (n > 1) out += (out.empty() ? "" : ", ") + word + " x" + std::to_string(n);
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
