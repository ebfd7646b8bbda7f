#pragma once
// Route: the order in which the generator visits the word slots, plus the two
// seed positions for the random starting letters.
//
// The program owns exactly one current Route and hands it to whoever needs it
// (generator, batches, route editor, rule-file loading). The stops are kept in a
// vector in visiting order; the first stop with a negative column is the end
// marker and everything after it is ignored. A route that has been built or read
// ends with end markers; an empty route (no stops at all) means "no route".
// Stop pointers stay valid until the next operation that adds or removes stops
// (read, autoRoute, optimiseRoute, discard, insertAfter, erase).
//
// Messages go through the work grid's Host; file failures return false silently,
// the caller decides whether to report them.
#include "engine/Simpelarr.h"
#include "engine/Vejstop.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace bv {

// A seed position: column, row, direction. Column >= 1 names a slot directly;
// column 0 means the slot of the first stop (seedA) or the second stop (seedB);
// a negative column means no seed letter.
struct SeedPosition {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t ret = 0;
};

class Route {
public:
    Route() = default;
    Route(const Route&) = delete;
    Route& operator=(const Route&) = delete;
    Route(Route&&) noexcept = default;
    Route& operator=(Route&&) noexcept = default;

    SeedPosition seedA;
    SeedPosition seedB;

    bool empty() const { return stops_.empty(); }
    std::size_t size() const { return stops_.size(); }
    std::vector<Vejstop>& stops() { return stops_; }
    const std::vector<Vejstop>& stops() const { return stops_; }
    // First stop; null for an empty route.
    Vejstop* first() { return stops_.empty() ? nullptr : stops_.data(); }
    const Vejstop* first() const { return stops_.empty() ? nullptr : stops_.data(); }
    // The stop after `s`; null after the last (a route edited down to no end
    // marker is treated as ending there).
    Vejstop* next(const Vejstop* s);
    const Vejstop* next(const Vejstop* s) const;
    // Position of `s` in the list; size() when it is not a stop of this route.
    std::size_t indexOf(const Vejstop* s) const;
    // Number of stops before the first end marker.
    std::size_t stopCount() const;

    // Editing (route editor): inserts `stop` after index `at` (at the front when
    // `at` >= size() and the route is empty) and answers its index; erase removes
    // the stop at `index`.
    std::size_t insertAfter(std::size_t at, const Vejstop& stop);
    void erase(std::size_t index);
    // Appends a stop at the end.
    void append(const Vejstop& stop) { stops_.push_back(stop); }

    // Replaces the route by the file's content. False (route unchanged, nothing
    // reported) when the file cannot be read.
    bool readRoute(const std::string& path);
    // Writes the route (CRLF line ends). False when the file cannot be written.
    bool writeRoute(const std::string& path) const;
    // The file text writeRoute writes.
    std::string routeText() const;
    // nr = 1, 2, ... on every stop that has a successor.
    void renumberRoute();
    // The stop k places before `s`; the first stop when fewer than k stops come
    // before it or `s` is not in the route. Null for an empty route.
    Vejstop* predecessor(const Vejstop* s, int k);
    // Frees every stop; the seeds stay.
    void discard() { stops_.clear(); }

    // Replaces the route by the most-constrained-slot-next order of `grid`'s slots.
    // `grid` should hold only BLOCK and BLANK cells; it is changed (the chosen
    // slots are filled with 'X'). False, route discarded, when the grid's runs do
    // not fit slots (reported through the grid's host).
    bool autoRoute(Simpelarr& grid);
    // Removes stops that name the same slot as an earlier stop, and sets every
    // stop's rc. `model` gives the grid's size and clue cells (BLOCK); its letters
    // are ignored and it is not changed. False, route unchanged, when the model's
    // runs do not fit slots (reported).
    bool optimiseRoute(const Simpelarr& model);

    // autoRoute's choice: is slot a a better next slot than the current choice b?
    static bool better(const EtOrd& a, const EtOrd* b);
    // May the word of slot p constrain slot t? (p crosses t, or a third slot
    // crosses both.) `grid` must have derived slots.
    static bool linked(Simpelarr& grid, const EtOrd* p, const EtOrd* t);
    // Does the cell (cx, cy) lie on a slot that reaches slot t (see linked)?
    static bool touches(Simpelarr& grid, int cx, int cy, const EtOrd* t);

private:
    std::vector<Vejstop> stops_;
};

}  // namespace bv
