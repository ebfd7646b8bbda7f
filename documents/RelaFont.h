#pragma once
// RelaFont: the layout of the text of one crossword cell, in ten lines.
//
// The program does not interpret these values: it creates them with their
// defaults, reads them from crossword files and writes them back unchanged, so
// that the designer program finds the layout it stored. Field names follow the
// layout dump of the format ("Lin, Hoj, Vægt, defvægt, Op").
#include <array>

namespace bv {

struct RelaFont {
    static constexpr int kLines = 10;

    std::array<double, kLines> hoj;      // height of each line, in percent
    std::array<bool, kLines> defVaegt;   // the line has a weight of its own
    std::array<double, kLines> vaegt;    // weight of each line
    std::array<double, kLines> op;       // vertical offset of each line
    double extra = 0.0;                  // one further value, carried unchanged

    RelaFont() {
        hoj.fill(45.0);
        defVaegt.fill(false);
        vaegt.fill(0.36);
        op.fill(-0.1);
        op[0] = 0.0;
    }

    bool operator==(const RelaFont&) const = default;
};

}  // namespace bv
