#include "engine/ForcedBatch.h"

#include "engine/Generator.h"
#include "dictionary/BogPoint.h"
#include "dictionary/Language.h"
#include "platform/Cp1252.h"
#include "platform/TextFile.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <set>

namespace bv {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kModelTooLargeCaption = "Modelo no válido";

// A work grid of the document's size: BLOCK in every clue cell, BLANK elsewhere.
Simpelarr emptyGrid(const ModelGrid& doc, Host* host) {
    Simpelarr grid(doc.width(), doc.height(), host);
    for (int y = 0; y < grid.height(); ++y)
        for (int x = 0; x < grid.width(); ++x)
            if (doc.isClue(x + 1, y + 1)) grid.put(BLOCK, x, y);
    return grid;
}

bool sizeFits(const ModelGrid& doc) {
    return doc.width() >= 1 && doc.height() >= 1 && doc.width() <= Simpelarr::kMaxSide &&
           doc.height() <= Simpelarr::kMaxSide;
}

std::string attemptStartText(std::time_t t) {
    if (t == 0) return {};
    std::tm tmv{};
    localtime_r(&t, &tmv);
    char buf[64];
    std::strftime(buf, sizeof buf, "%d-%m-%Y %H:%M:%S", &tmv);
    return buf;
}

// The Host the generator sees during one attempt: everything goes to the real
// Host, except that once the run state counts `budget` more timed returns than at
// the start, key polls answer Esc (and the attempt is marked given up).
class BudgetHost : public Host {
public:
    BudgetHost(Host& inner, const FillRunState& state, int budget)
        : inner_(inner), state_(state), budget_(budget), start_(state.timedReturnTotal) {}
    bool tripped() const { return tripped_; }

    void report(std::string_view t, std::string_view c, Icon i) override { inner_.report(t, c, i); }
    bool askYesNo(std::string_view t, std::string_view c, Icon i) override { return inner_.askYesNo(t, c, i); }
    bool askOkCancel(std::string_view t, std::string_view c, Icon i) override { return inner_.askOkCancel(t, c, i); }
    std::optional<int> pollKey() override {
        if (budget_ > 0 && state_.timedReturnTotal - start_ >= budget_) {
            tripped_ = true;
            return kKeyEsc;
        }
        return inner_.pollKey();
    }
    void showProgress(std::string_view s, const std::vector<std::string>& rows) override {
        inner_.showProgress(s, rows);
    }
    void showCounters(std::string_view c, std::string_view a) override { inner_.showCounters(c, a); }
    void setStatusText(std::string_view t) override { inner_.setStatusText(t); }
    std::optional<std::string> inputLine(std::string_view p, std::string_view c, std::string_view i) override {
        return inner_.inputLine(p, c, i);
    }
    std::optional<std::string> chooseFile(std::string_view c, std::string_view f, bool s) override {
        return inner_.chooseFile(c, f, s);
    }

private:
    Host& inner_;
    const FillRunState& state_;
    int budget_;
    int start_;
    bool tripped_ = false;
};

}  // namespace

ForcedBatch::ForcedBatch(const FillWorld& world, RunCounters& counters, BatchState& state, Host& host,
                         TvangSettings& settings, std::optional<Tvang>& list)
    : world_(world),
      counters_(counters),
      state_(state),
      host_(host),
      settings_(settings),
      list_(list),
      batch_(world, counters, state, host) {}

int ForcedBatch::drawIndex(int n) {
    if (n <= 0) return 0;
    if (n <= Random::kMax + 1) return world_.random.below(n);
    const long long hi = world_.random.next();
    const long long v = (hi << 15) | world_.random.next();
    return static_cast<int>(v % n);
}

bool ForcedBatch::spellWord(std::string& word) const {
    const Language& language = world_.dictionary.language();
    for (char& c : word) {
        const unsigned char code = language.codeOf(static_cast<unsigned char>(c));
        if (code == 0) return false;
        c = language.externalOf(code);
    }
    return true;
}

std::vector<std::string> ForcedBatch::keepFitting(const ModelGrid& doc, std::vector<std::string> words) {
    if (!sizeFits(doc)) return {};
    Simpelarr grid = emptyGrid(doc, &host_);
    grid.deriveSlots();
    bool lengths[EtOrd::kMaxLen + 1] = {};
    for (const EtOrd& s : grid.slots())
        if (s.len >= 0 && s.len <= EtOrd::kMaxLen) lengths[s.len] = true;
    std::erase_if(words, [&](const std::string& w) {
        return !Tvang::fitsAnEntry(w) || !lengths[w.size()];
    });
    return words;
}

bool ForcedBatch::loadFromWordFile(Tvang& list, const ModelGrid& doc, const std::string& path) {
    std::string bytes;
    if (!TextFile::read(path, bytes)) return false;
    std::vector<std::string> words = Tvang::wordLines(std::move(bytes));
    // A word that stands twice in the file is one word: drawing it twice would
    // give fewer different forced words than asked for.
    std::set<std::string> seen;
    std::erase_if(words, [&](std::string& w) { return !spellWord(w) || !seen.insert(w).second; });
    words = keepFitting(doc, std::move(words));
    if (words.empty()) return false;
    if (clockSeeding_ && !seededThisRun_) {
        world_.random.seedFromClock();
        seededThisRun_ = true;
    }
    const int available = static_cast<int>(words.size());
    if (available < settings_.wordFileCount) settings_.wordFileCount = available;
    // A list holds 100 entries; a larger setting draws a full list.
    const int wanted = std::min(settings_.wordFileCount, Tvang::kEntries);
    std::vector<bool> chosen(words.size(), false);
    for (int drawn = 0; drawn < wanted;) {
        const int i = drawIndex(available);
        if (chosen[static_cast<std::size_t>(i)]) continue;
        chosen[static_cast<std::size_t>(i)] = true;
        list.add(words[static_cast<std::size_t>(i)]);
        ++drawn;
    }
    return true;
}

bool ForcedBatch::placeForced(Simpelarr& grid, int i) {
    if (!list_) return true;
    for (; i < list_->count(); ++i) {
        const EtOrd& word = list_->entry(i);
        grid.deriveSlots();
        EtOrd* fitting[kMaxCandidateSlots];
        int n = 0;
        for (EtOrd& s : grid.slots()) {
            if (n == kMaxCandidateSlots) break;
            if (s.len != word.len) continue;
            bool fits = true;
            for (int c = 0; c < s.len && fits; ++c)
                fits = s.letters[c] == BLANK || s.letters[c] == word.letters[c];
            if (fits) fitting[n++] = &s;
        }
        if (n == 0) return false;
        EtOrd* slot = n == 1 ? fitting[0] : fitting[world_.random.below(n)];
        slot->setWord(word.word());
        grid.placeWord(*slot);
    }
    return true;
}

int ForcedBatch::makeForced(ModelGrid& doc) {
    counters_.attemptStart = std::time(nullptr);
    if (!sizeFits(doc)) {
        char text[160];
        std::snprintf(text, sizeof text, "El modelo tiene %d × %d casillas; caben como máximo %d × %d", doc.width(),
                      doc.height(), Simpelarr::kMaxSide, Simpelarr::kMaxSide);
        host_.report(text, kModelTooLargeCaption, Icon::Error);
        return Generator::kRefused;
    }
    Simpelarr grid = emptyGrid(doc, &host_);
    ++counters_.attemptCount;
    // A model with a run no slot can hold is refused (and reported) once, instead
    // of failing every placement silently.
    if (!grid.checkRuns()) return Generator::kRefused;

    bool placed = false;
    for (int t = 0; t < kPlacementTries && !placed; ++t) {
        Simpelarr copy(grid);
        if (placeForced(copy, 0)) {
            grid = copy;
            placed = true;
        }
    }
    if (!placed) return kNotPlaced;
    host_.showProgress(kStartStatus, grid.rowTexts());

    {
        Simpelarr copy(grid);
        world_.route.autoRoute(copy);
    }

    Generator generator(world_);
    host_.showCounters(generator.countersLine(), attemptStartText(counters_.attemptStart));
    BudgetHost budgetHost(host_, world_.runState, returnBudget_);
    if (returnBudget_ > 0) grid.setHost(&budgetHost);
    int r = generator.runFill(grid, false);
    grid.setHost(&host_);
    if (budgetHost.tripped() && r < Generator::kUserLimit) r = kGivenUp;
    if (r <= 0) return r;
    if (!batch_.save(doc, grid)) return BasicBatch::kNotSaved;
    for (int y = 0; y < grid.height(); ++y)
        for (int x = 0; x < grid.width(); ++x)
            if (grid.get(x, y) != BLOCK) doc.setLetter(x + 1, y + 1, grid.get(x, y));
    return r;
}

bool ForcedBatch::checkRoute() {
    if (!world_.route.empty()) return true;
    host_.report(BasicBatch::kNoRouteText, BasicBatch::kNoRouteCaption, Icon::Warning);
    return false;
}

bool ForcedBatch::askContinue() {
    return host_.askYesNo(BasicBatch::kContinueText, BasicBatch::kContinueCaption, Icon::Question);
}

ForcedBatch::RunResult ForcedBatch::runCommand(ModelGrid& doc, const std::string& saveDir,
                                               const std::string& tvangPath,
                                               const std::function<bool()>& showDialog) {
    RunResult res;
    if (!checkRoute()) return res;
    list_.reset();
    if (!showDialog || !showDialog()) {
        res.end = RunEnd::Cancelled;
        return res;
    }
    return runForced(doc, saveDir, tvangPath);
}

ForcedBatch::RunResult ForcedBatch::runForced(ModelGrid& doc, const std::string& saveDir,
                                              const std::string& tvangPath) {
    RunResult res;
    if (!checkRoute()) return res;
    list_.reset();
    if (!settings_.useWordFile) {
        list_.emplace();
        // An unreadable "tvang.txt" would make every placement fail for ever;
        // the run ends with the report instead.
        if (!list_->readTvangFile(tvangPath, host_)) {
            res.end = RunEnd::NoTvangFile;
            return res;
        }
        Tvang spelled;
        std::string refused;
        for (int i = 0; i < list_->count(); ++i) {
            std::string w(list_->word(i));
            if (spellWord(w)) spelled.add(w);
            else refused += "\n" + std::string(list_->word(i));
        }
        if (!refused.empty())
            host_.report(std::string(kNotSpelledText) + Cp1252::toUtf8(refused), Tvang::kTooLongCaption,
                         Icon::Warning);
        *list_ = spelled;
    }
    std::error_code ec;
    const std::string wordFile =
        settings_.wordFilePath.empty() ? std::string() : fs::absolute(settings_.wordFilePath, ec).string();

    batch_.lowerPriority();
    const fs::path previous = fs::current_path(ec);
    fs::current_path(saveDir, ec);
    if (ec) {
        host_.report(Cp1252::toUtf8(saveDir), BasicBatch::kWriteFailedCaption, Icon::Error);
        res.end = RunEnd::NoSaveDir;
        return res;
    }
    host_.setStatusText(BasicBatch::kRunStatusText);
    seededThisRun_ = false;

    int k = 0;
    for (;;) {
        if (settings_.useWordFile && k % kReloadEvery == 0) {
            list_.reset();
            list_.emplace();
            if (!loadFromWordFile(*list_, doc, wordFile)) {
                res.end = RunEnd::NoWordFile;
                break;
            }
            k = 0;
        }
        ++k;
        ++res.attempts;
        const int r = makeForced(doc);
        if (r > 0) {
            ++res.saved;
            if (onSaved) onSaved(state_.lastBasicPath);
        }
        if (r < Generator::kUserLimit && !askContinue()) {
            res.end = RunEnd::UserStopped;
            break;
        }
        if (host_.pollKey() && !askContinue()) {
            res.end = RunEnd::UserStopped;
            break;
        }
        if ((world_.simpleMenu && counters_.savedCount >= state_.targetCount) ||
            (saveLimit_ > 0 && res.saved >= saveLimit_)) {
            res.end = RunEnd::TargetReached;
            break;
        }
        if (attemptLimit_ > 0 && res.attempts >= attemptLimit_) {
            res.end = RunEnd::AttemptLimit;
            break;
        }
    }

    host_.setStatusText("");
    fs::current_path(previous, ec);
    return res;
}

}  // namespace bv
