#pragma once
// Generator: fills one work grid with dictionary words along the current route.
//
// It walks the route stop by stop, recursively. At every stop it collects the
// words that fit the slot's letters and, through a look-ahead on every crossing
// slot, leave each crossing still fillable; it places one and goes on. A stop
// whose slot has no candidate answers -rc, which the stops above pass upwards
// (each undoing its word and adding one) until the stop rc + 1 places above
// receives 0 and tries its next word. Randomness comes in through the seed
// letters and the exchange of candidates beyond the first `samlMax`; a timer
// orders small and large returns when the search stays stuck; every 128 stop
// visits the host is asked for a key: Esc interrupts, a digit key throws away
// the last words.
//
// Results (of runFill and generate): 1 filled; 0 no fill; negative: unwinding in
// progress, below -200 the user interrupted. runFill answers below -200 only
// after Esc (or kRefused): a back-jump or timed return deeper than the route
// reaches its caller as -200, a failed attempt. The grid is left filled (1) or
// as it was after the seed letters (anything else), since every stop restores
// its slot from a copy on the way back; undoing never allocates.
//
// No word stands twice in a filled grid. A candidate is rejected when it equals
// another slot's word, and also when a crossing slot that it completes (one that
// is no stop of the route, say) would then equal another complete slot, the
// candidate itself or another crossing it completes. Slot texts are kept true to
// the cells for this: the crossings a stop fills are read again when its word
// goes in and when it is taken back. A stop none of whose candidates could be
// placed because each would repeat a word jumps back to the latest searching
// stop that wrote a letter of a repeated crossing, or of the slot that crossing
// equals, outside this stop's cells (the only stops that can end the
// repetition), or by its rc when that goes further; plain backtracking would
// make the stop above, which mostly cannot change the repeated word, try all its
// words again. For this the generator keeps, for every cell, the depth of the
// searching stop that wrote its letter (-1 for letters that were there when the
// search began). A completed slot of one cell is accepted as it is: a single
// letter is neither looked up nor taken for a repeated word.
//
// A Generator borrows everything from its FillWorld; the search context and the
// shared candidate list exist only while runFill runs. Messages go through the
// grid's host (none when it has none); nothing throws.
#include "engine/DB_Klasse.h"
#include "engine/FillWorld.h"
#include "engine/GrepPak.h"
#include "engine/Simpelarr.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace bv {

class Generator {
public:
    static constexpr int kInterrupted = -10000;  // Esc
    static constexpr int kNoSlot = -100;         // a stop names no slot of the grid
    // A grid with a slot longer than the dictionary's words; below -200, so that
    // the batch loops ask the user instead of retrying an impossible grid.
    static constexpr int kRefused = -20000;
    static constexpr int kUserLimit = -200;      // results below it mean "interrupted"
    static constexpr int kMaxWordLength = DB_Klasse::kMaxLength;
    static constexpr unsigned kCheckBit = 128;   // the periodic check runs while set

    explicit Generator(const FillWorld& world);
    Generator(const Generator&) = delete;
    Generator& operator=(const Generator&) = delete;

    // One run: seed letters (when `seeded`), then generate from the route's first
    // stop. A route without any stop gives 0 (nothing can be filled); a grid
    // holding a slot of more than 25 cells is refused with a report and gives
    // kRefused.
    int runFill(Simpelarr& grid, bool seeded);
    // Fills from `stop` on; see the results above. The grid's slots must be
    // derived. Called outside runFill it makes its search context itself.
    int generate(Simpelarr& grid, Vejstop* stop);
    // Puts one random letter into the slot through (x, y) in direction `ret`
    // (any non-zero ret is down), unless the chosen cell already holds a letter.
    void seedLetter(Simpelarr& grid, int x, int y, int ret);

    // Look-ahead record for the crossing slot through (x, y) in direction `ret`.
    void crossingInfo(Simpelarr& grid, int x, int y, int ret, Krydsinfo& record);
    // Collects the candidates of the context's slot into `list`; false when there
    // is none (or some open crossing cannot take any letter).
    bool findCandidates(DB_Klasse& context, GrepPak& list);
    // Starts collecting into `list` with a fresh exchange budget (findCandidates
    // does this itself; tests use it to drive takeCandidate directly).
    void startCollecting(GrepPak& list);
    // The visitor of the dictionary's candidate walk: keeps the first samlMax
    // words, then exchanges later ones in at random until the budget is spent;
    // false stops the walk. Words are letter codes, the list's length.
    bool takeCandidate(const char* codes);
    // Value of a key at the periodic check: -20 for '0', -2d for digit d, 0 else.
    static int keyReturn(int key);
    // The counters line shown by showCounters.
    std::string countersLine() const;

private:
    void report(Simpelarr& grid, std::string_view text, std::string_view caption);
    void showProgress(Simpelarr& grid);
    void addElapsed(Vejstop& stop, uint32_t since);
    int periodicCheck(Simpelarr& grid, const Vejstop& stop);
    int searchStop(Simpelarr& grid, Vejstop& stop, EtOrd& slot, uint32_t since);
    // Re-reads the crossing slots through the cells that are BLANK in `before`
    // (the copy of a stop's slot taken before its search) and lists them.
    static int refreshFilledCrossings(Simpelarr& grid, const EtOrd& before,
                                      EtOrd* (&crossings)[EtOrd::kMaxLen]);
    static constexpr int kNoRepeat = -2;
    // After a stop's word went in: kNoRepeat when no crossing it completed is a
    // word of two or more letters that stands elsewhere in the grid; else the
    // deepest searching stop that wrote a letter of such a crossing, or of the
    // slot it equals, outside the stop's own cells (-1 when none did: all those
    // letters were there before the search).
    int repeatCulprit(Simpelarr& grid, const EtOrd& before) const;
    // The deepest searching stop that wrote a letter of `slot` outside the cells
    // of `before` (-1: none).
    int latestWriter(const Simpelarr& grid, const EtOrd& slot, const EtOrd& before) const;
    // Writes `before` into the cells (emptying again the cells the stop filled)
    // and re-reads the crossings through them, so that no complete text is left
    // behind for cells that are empty now. The slot's own record is not touched.
    static void takeBack(Simpelarr& grid, const EtOrd& before);
    Vejstop* nextStop(Vejstop* stop);

    FillWorld w_;
    std::unique_ptr<DB_Klasse> context_;
    std::unique_ptr<GrepPak> shared_;
    GrepPak* collecting_ = nullptr;  // the list takeCandidate fills
    int exchangeBudget_ = 0;
    int collectLimit_ = 0;  // words kept before exchanging, for the search in hand
    bool userInterrupted_ = false;
    // Per cell (y * width + x): the depth of the searching stop whose word wrote
    // the letter, -1 for a letter that was there before the search. Read only
    // for cells that hold a letter. Sized before the search starts.
    std::vector<int> writer_;
    int depth_ = 0;  // searching stops active (each adds one on a back-jump)
};

// Convenience for the batch layer: one Generator, one run.
int runFill(const FillWorld& world, Simpelarr& grid, bool seeded);

}  // namespace bv
