#pragma once
// ForcedBatch: basic crosswords that must contain given words
// ("Generar con palabras obligatorias...").
//
// Before each fill the words of the forced-word list (Tvang) are put into random
// fitting slots of an empty work grid (placeForced, up to 100 tries from the
// empty grid); the current route is then replaced by the automatic route of that
// grid, so that the slots around the forced words come first (every rc 0, no
// optimisation, and it stays the current route after the run); the generator
// fills the rest without seed letters, and a full grid is saved like every basic
// crossword (through BasicBatch::save).
//
// The words come from "tvang.txt" or, with TvangSettings::useWordFile, drawn at
// random from a word file: a fresh draw before attempts 1, 6, 11, ... of a run.
// When fewer words of the file fit the model than wordFileCount asks for, the
// setting itself is lowered to that number.
//
// Randomness: every draw (word choice, slot choice, the generator's) comes from
// the world's Random. With clock seeding on (the program's way), the first draw
// from the word file in a run seeds that Random from the clock; later reloads of
// the same run go on with the sequence, since reseeding from a clock in seconds
// within one second would repeat the very same attempts. With clock seeding off
// (an explicit seed), a run is reproducible.
//
// A ForcedBatch borrows everything: the fill world (the route is replaced by
// every attempt), counters, batch state, Host, the settings and the program's
// forced-word list (none when empty). Results of makeForced are those of
// BasicBatch's steps: above 0 saved, below -200 interrupted / refused / not
// saved, anything else a failed attempt. Nothing throws.
#include "engine/BasicBatch.h"
#include "engine/BatchState.h"
#include "engine/FillWorld.h"
#include "engine/ModelGrid.h"
#include "engine/RunCounters.h"
#include "engine/Simpelarr.h"
#include "engine/Tvang.h"
#include "engine/TvangSettings.h"
#include "platform/Host.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace bv {

class ForcedBatch {
public:
    static constexpr std::string_view kStartStatus = "Tvang start:";
    static constexpr int kPlacementTries = 100;
    static constexpr int kMaxCandidateSlots = 40;
    static constexpr int kReloadEvery = 5;
    // Result of an attempt whose forced words could not all be placed.
    static constexpr int kNotPlaced = -1;
    // Words of "tvang.txt" with a character that is no letter of the current
    // language are not used (the generator would write over that cell); one
    // report names them.
    static constexpr std::string_view kNotSpelledText =
        "Estas palabras tienen caracteres que no son letras del idioma y no se usan como palabras obligatorias:";
    // Result of an attempt given up at its return budget (a failed attempt).
    static constexpr int kGivenUp = -2;

    // How a run ended.
    enum class RunEnd {
        NoRoute,        // there was no route: "De nuevo", nothing done
        Cancelled,      // the dialog did not end with OK
        NoTvangFile,    // "tvang.txt" could not be read (reported), no attempt made
        NoWordFile,     // the word file is missing or none of its words fits
        NoSaveDir,      // the save directory could not be entered (reported)
        UserStopped,    // No to "Quiere Ud. hacer más?."
        TargetReached,  // simple menu on and savedCount reached targetCount, or the save limit
        AttemptLimit,   // the attempt limit of this run was reached
    };
    struct RunResult {
        RunEnd end = RunEnd::NoRoute;
        int attempts = 0;  // makeForced calls of this run
        int saved = 0;     // crosswords saved by this run
    };

    ForcedBatch(const FillWorld& world, RunCounters& counters, BatchState& state, Host& host,
                TvangSettings& settings, std::optional<Tvang>& list);
    ForcedBatch(const ForcedBatch&) = delete;
    ForcedBatch& operator=(const ForcedBatch&) = delete;

    // Fills `list` with wordFileCount different words of the word file `path`,
    // chosen at random among those whose length some slot of `doc` has. False
    // (silently) when the file cannot be read or no word fits. Lowers
    // settings.wordFileCount to the number of fitting words when it is larger;
    // never draws more words than a list holds. Words are spelled as spellWord
    // does (those it refuses are left out) and counted once however often they
    // stand in the file.
    bool loadFromWordFile(Tvang& list, const ModelGrid& doc, const std::string& path);
    bool loadFromWordFile(Tvang& list, const ModelGrid& doc) {
        return loadFromWordFile(list, doc, settings_.wordFilePath);
    }
    // The word in the dictionary's external form (each letter through the current
    // language's code map, so that accented or small forms become the letters the
    // generator writes); false when some character is no letter of the language.
    bool spellWord(std::string& word) const;
    // The words that can be entries (Tvang::fitsAnEntry) and whose length equals
    // the length of some slot of `doc`, in order.
    std::vector<std::string> keepFitting(const ModelGrid& doc, std::vector<std::string> words);
    // Places the forced words from entry i on, each into a random slot (among the
    // first 40 in slot-list order) of its length whose cells are BLANK or already
    // hold the word's letter; greedy, without going back. True when there is no
    // list or every word found a slot; false as soon as one finds none (the grid
    // then holds the words placed so far).
    bool placeForced(Simpelarr& grid, int i);
    // One attempt with forced words (see the class comment).
    int makeForced(ModelGrid& doc);

    // The command after its dialog closed with OK: discards the forced-word list,
    // reads "tvang.txt" from `tvangPath` (when the word file is not used), lowers
    // the priority, makes `saveDir` current and repeats makeForced until the user
    // stops, the simple menu's target is reached, the attempt limit is reached, or
    // the word file gives no words. The previous current directory is restored.
    // A relative word-file path is taken from the directory current at the start.
    RunResult runForced(ModelGrid& doc, const std::string& saveDir, const std::string& tvangPath);

    // Reports "De nuevo" and answers false when there is no route (the command
    // checks this before it shows its dialog).
    bool checkRoute();

    // The whole command "Generar con palabras obligatorias...": without a route
    // "De nuevo" and nothing else; otherwise the forced-word list is discarded and
    // `showDialog` runs (the desktop program's dialog over TvangDialogRecord,
    // which updates the settings); unless it ends with OK, nothing more happens;
    // then runForced.
    RunResult runCommand(ModelGrid& doc, const std::string& saveDir, const std::string& tvangPath,
                         const std::function<bool()>& showDialog);

    void setClockSeeding(bool on) { clockSeeding_ = on; }
    // At most this many attempts per run; 0: no limit (the program's way).
    void setAttemptLimit(int n) { attemptLimit_ = n; }
    // The run ends once it has saved this many crosswords; 0: no such limit (the
    // program's runs stop through the simple menu's target instead).
    void setSaveLimit(int n) { saveLimit_ = n; }
    void setPriorityLowering(bool on) { batch_.setPriorityLowering(on); }
    // Gives up an attempt once the generator has made this many timed returns in
    // it (each comes after AGtidlille seconds without progress), as an Esc would
    // but without the question: the attempt fails with kGivenUp and the run goes
    // on. Forced words can leave a crossing that the search circles around for a
    // very long time; runs that nobody watches use this. 0: never (the program's
    // way: the user presses Esc).
    void setReturnBudget(int n) { returnBudget_ = n; }
    // Called after every saved crossword with its full path.
    std::function<void(const std::string&)> onSaved;

    // 0..n-1, as even as the program's random source allows: one draw (next() % n)
    // for n up to 32768, two draws combined beyond, so that every word of a large
    // word file can be chosen.
    int drawIndex(int n);

private:
    bool askContinue();

    FillWorld world_;
    RunCounters& counters_;
    BatchState& state_;
    Host& host_;
    TvangSettings& settings_;
    std::optional<Tvang>& list_;
    BasicBatch batch_;
    bool clockSeeding_ = true;
    bool seededThisRun_ = false;
    int attemptLimit_ = 0;
    int saveLimit_ = 0;
    int returnBudget_ = 0;
};

}  // namespace bv
