#pragma once
// Simpelarr: the fill engine's work grid.
//
// A width x height matrix of one-byte cells, each BLANK (an empty letter cell),
// BLOCK (any clue cell of the crossword document) or a letter in its external,
// upper-case Windows-1252 form; a zero byte is never stored. Sides are 1 to 40
// (the document admits 2 to 40); the constructor clamps other values into that
// range. The cells live inside the object (no heap), so a grid is cheap to copy.
//
// The grid owns its slot list, built by deriveSlots(). The list is a vector kept
// in *list order*: the order a head-inserting linked list would have after
// deriveSlots walked the across runs row by row and then the down runs column by
// column, i.e. the down slots of the last column come first and the across slots
// of the first row come last. findSlot() returns the first match in that order and
// forced-word placement visits candidates in it, so the order is part of the
// contract. Pointers to slots stay valid until the next deriveSlots(), copy
// assignment or destruction. Copying a grid copies size, cells and host, never the
// slot list.
//
// Failures are reported through `host` (may be null: then reports are dropped)
// and the operation leaves the grid unchanged; nothing throws.
// findSlot, slotAt, refreshSlot, placeWord, hasBlank and isDuplicate never allocate.
//
// Runs longer than EtOrd::kMaxLen (39) cells cannot be held by a slot. Such a grid
// is refused: deriveSlots() returns false and leaves the slot list empty; callers
// that start work on a grid call checkRuns() first, which reports the problem.
#include "engine/EtOrd.h"
#include "platform/Host.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace bv {

inline constexpr char BLANK = ' ';
inline constexpr char BLOCK = '#';

class Simpelarr {
public:
    static constexpr int kMaxSide = 40;

    // Every cell BLANK, no slots.
    Simpelarr(int width, int height, Host* host);
    // Same size, cells and host; the copy has no slots.
    Simpelarr(const Simpelarr& other);
    Simpelarr& operator=(const Simpelarr& other);
    Simpelarr(Simpelarr&&) noexcept = default;
    Simpelarr& operator=(Simpelarr&&) noexcept = default;
    ~Simpelarr() = default;

    int width() const { return width_; }
    int height() const { return height_; }
    Host* host() const { return host_; }
    void setHost(Host* host) { host_ = host; }

    // Sets cell (x, y) to c. c == 0: nothing happens, nothing is reported.
    // Outside the grid: nothing written, report "Llamada errónea en simpelarr::put".
    void put(char c, int x, int y);
    // The cell in column x of row y. Positions outside the grid read as BLOCK
    // (the edge behaves like a clue cell), so a stray position never reads memory
    // outside the grid.
    char get(int x, int y) const;
    bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
    // Row y as text of `width` characters (y must be inside the grid).
    std::string_view row(int y) const { return {rows_[static_cast<std::size_t>(y)], static_cast<std::size_t>(width_)}; }
    // All rows, for progress display.
    std::vector<std::string> rowTexts() const;

    // Rebuilds the slot list from the cells (list order: see the class comment).
    // False, with an empty list, when a run of non-BLOCK cells is longer than
    // EtOrd::kMaxLen.
    bool deriveSlots();
    // Length of the longest run of non-BLOCK cells across or down, and its start.
    int longestRun(int* atX = nullptr, int* atY = nullptr, int* atRet = nullptr) const;
    // True when every run fits a slot; otherwise reports
    // "El modelo tiene una palabra de %d casillas en (%d,%d); caben como máximo 39"
    // with caption "Modelo no válido" and answers false.
    bool checkRuns() const;

    // The slots in list order.
    std::span<EtOrd> slots() { return slots_; }
    std::span<const EtOrd> slots() const { return slots_; }

    // Steps 1 and 2 of findSlot without any report: the slot of direction `ret`
    // that starts at (x, y), or else the one whose run contains the cell (x and y
    // are clamped to the last column / row first). Null when there is none, and
    // for negative coordinates or a `ret` other than 0 and 1.
    EtOrd* slotAt(int x, int y, int ret);
    // slotAt, and when it finds nothing: report "La ruta y modelo no vienen bien"
    // / "Corrige la ruta" (error icon), then the across slot through the first
    // non-BLOCK diagonal cell (i, i), i = 1, 2, ...; null when there is none.
    EtOrd* findSlot(int x, int y, int ret);

    // Moves the slot's start back to the true start of its run, then re-reads
    // `letters` and `len` from the cells (at most EtOrd::kMaxLen). A start outside
    // the grid gives len 0 and empty letters.
    EtOrd& refreshSlot(EtOrd& slot) const;
    // Writes `letters` into the cells from the slot's start (BLANKs included, so
    // placing a saved copy empties cells again). A slot that would run past the
    // edge (or starts outside the grid) is not written: report with the word as
    // text and "Se colocó una palabra demasiado extensa en el crucigrama" as caption.
    void placeWord(const EtOrd& slot);
    // True when `letters` hold a BLANK.
    static bool hasBlank(const EtOrd& slot);
    // True when another record of the list (not `slot` itself) has the same len,
    // the same first character and equal letters.
    bool isDuplicate(const EtOrd& slot) const;

private:
    void report(std::string_view text, std::string_view caption, Icon icon) const;

    int width_;
    int height_;
    Host* host_;
    char rows_[kMaxSide][kMaxSide + 1];
    std::vector<EtOrd> slots_;
};

}  // namespace bv
