#include "engine/Generator.h"

#include "dictionary/BogPoint.h"
#include "dictionary/Language.h"
#include "platform/Cp1252.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstring>
#include <ctime>

namespace bv {

namespace {

constexpr char kWrongStopText[] =
    "De la ruta 2 llamada equivocada en top/n Estas seguro que hay una ruta a disposición?";
constexpr char kWrongStopCaption[] = "Generar";
constexpr char kClueCellText[] =
    "Prueba encontrar una palabra en una casilla de palabras claves/nErrores en el camino";
constexpr char kNoSlotText[] = "No se puede encontrar la palabra a través de skafordet/n Error en el camino";
constexpr char kNoSlotCaption[] = "Interrumpe";
constexpr char kLongSlotCaption[] = "Generar";

std::string_view alphabetOf(const Language& language) {
    return {reinterpret_cast<const char*>(language.alphabet().data()), language.alphabet().size()};
}

// Copies a slot's letters into a fixed pattern field, NUL-terminated.
template <std::size_t N>
void copyPattern(char (&to)[N], const EtOrd& slot) {
    const std::string_view w = slot.word();
    const std::size_t n = std::min(w.size(), N - 1);
    std::memcpy(to, w.data(), n);
    std::memset(to + n, 0, N - n);
}

std::string attemptStartText(std::time_t t) {
    if (t == 0) return {};
    std::tm tmv{};
    localtime_r(&t, &tmv);
    char buf[64];
    std::strftime(buf, sizeof buf, "%d-%m-%Y %H:%M:%S", &tmv);
    return buf;
}

}  // namespace

Generator::Generator(const FillWorld& world) : w_(world) {}

int runFill(const FillWorld& world, Simpelarr& grid, bool seeded) {
    Generator generator(world);
    return generator.runFill(grid, seeded);
}

int Generator::keyReturn(int key) {
    if (key == '0') return -20;
    if (key >= '1' && key <= '9') return -2 * (key - '0');
    return 0;
}

std::string Generator::countersLine() const {
    char buf[160];
    std::snprintf(buf, sizeof buf, "Guarda: %d intenta %d retornos %d                    ",
                  w_.counters.savedCount, w_.counters.attemptCount, w_.runState.timedReturnTotal);
    return buf;
}

void Generator::report(Simpelarr& grid, std::string_view text, std::string_view caption) {
    if (Host* host = grid.host()) host->report(text, caption, Icon::Error);
}

void Generator::showProgress(Simpelarr& grid) {
    Host* host = grid.host();
    if (host == nullptr) return;
    std::vector<std::string> rows = grid.rowTexts();
    for (std::string& row : rows) row = Cp1252::toUtf8(row);
    host->showProgress(Cp1252::toUtf8(w_.runState.statusText), rows);
    host->showCounters(countersLine(), attemptStartText(w_.counters.attemptStart));
}

// The statistics of a stop add up over every run of the program's life; a long
// batch may pass the range of the counters, which then stay at their maximum.
void Generator::addElapsed(Vejstop& stop, uint32_t since) {
    const int64_t sum = int64_t{stop.elapsed} + (w_.clock.ticks() - since);
    stop.elapsed = static_cast<int32_t>(std::min<int64_t>(sum, INT32_MAX));
}

Vejstop* Generator::nextStop(Vejstop* stop) { return w_.route.next(stop); }

int Generator::runFill(Simpelarr& grid, bool seeded) {
    userInterrupted_ = false;
    Vejstop* first = w_.route.first();
    if (first == nullptr) return 0;

    // The dictionary holds words of 2 to 25 letters: a longer slot could never be
    // filled, so such a grid is refused before anything is written into it.
    if (!grid.checkRuns()) return kRefused;
    int atX = 0, atY = 0, atRet = 0;
    const int longest = grid.longestRun(&atX, &atY, &atRet);
    if (longest > kMaxWordLength) {
        char text[200];
        std::snprintf(text, sizeof text,
                      "La palabra en (%d,%d) tiene %d casillas; el diccionario solo tiene palabras de 2 a %d letras",
                      atX, atY, longest, kMaxWordLength);
        report(grid, text, kLongSlotCaption);
        return kRefused;
    }

    context_ = std::make_unique<DB_Klasse>();
    shared_ = std::make_unique<GrepPak>(GrepPak::kSharedSize);

    if (seeded) {
        grid.deriveSlots();
        // Column 0 stands for the slot of the first (seedA) or second (seedB) stop;
        // an end marker names no slot, so it gets no letter.
        Vejstop* second = first->isEndMarker() ? nullptr : nextStop(first);
        const SeedPosition seeds[2] = {w_.route.seedA, w_.route.seedB};
        const Vejstop* standIns[2] = {first, second};
        for (int i = 0; i < 2; ++i) {
            const SeedPosition& s = seeds[i];
            if (s.x >= 1) {
                seedLetter(grid, s.x, s.y, s.ret);
            } else if (s.x == 0) {
                const Vejstop* stop = standIns[i];
                if (stop != nullptr && !stop->isEndMarker()) seedLetter(grid, stop->x, stop->y, stop->ret);
            }
        }
    }
    grid.deriveSlots();
    writer_.assign(static_cast<std::size_t>(grid.width()) * static_cast<std::size_t>(grid.height()), -1);
    depth_ = 0;

    int result = generate(grid, first);

    // A deep back-jump or large timed return can pass more stops than the route
    // has above it, which would reach the caller as "interrupted by the user";
    // only Esc may do that.
    if (result < kUserLimit && !userInterrupted_) result = kUserLimit;

    context_.reset();
    shared_.reset();
    collecting_ = nullptr;
    return result;
}

void Generator::seedLetter(Simpelarr& grid, int x, int y, int ret) {
    EtOrd* slot = grid.findSlot(x, y, ret != 0 ? kDown : kAcross);
    if (slot == nullptr) return;
    // Read the cells again: an earlier seed letter may sit in this slot while its
    // letters still show the cell empty, and placing them would erase it.
    grid.refreshSlot(*slot);
    if (slot->len < 1) return;
    const int pos = w_.random.below(slot->len);
    if (slot->letters[pos] == BLANK) {
        const int place = 1 + w_.random.below(26);
        slot->letters[pos] = w_.dictionary.language().externalOf(static_cast<unsigned char>(0x40 + place));
    }
    grid.placeWord(*slot);
}

void Generator::crossingInfo(Simpelarr& grid, int x, int y, int ret, Krydsinfo& record) {
    EtOrd spare;
    EtOrd* c = grid.findSlot(x, y, ret);
    if (c == nullptr) {
        spare.x = x;
        spare.y = y;
        spare.ret = static_cast<std::int8_t>(ret);
        spare.len = 0;
        c = &spare;
    }
    grid.refreshSlot(*c);
    if (Simpelarr::hasBlank(*c)) {
        copyPattern(record.letters, *c);
        record.len = c->len;
        record.pos = ret != 0 ? y - c->y : x - c->x;
        record.letter = (record.pos >= 0 && record.pos < c->len) ? c->letters[record.pos] : 0;
        record.set = 0;
    } else {
        record.clear();
    }
}

void Generator::startCollecting(GrepPak& list) {
    collecting_ = &list;
    exchangeBudget_ = w_.params.blandtMax;
    // samlMax words of the slot's length must fit the buffer; a larger value read
    // from a parameter file is held to what fits instead of writing past it.
    // Neither changes while the dictionary offers the words of one search.
    collectLimit_ = std::min(std::max(w_.params.samlMax, 1), list.roomFor());
}

bool Generator::takeCandidate(const char* codes) {
    if (collecting_ == nullptr) return false;
    GrepPak& list = *collecting_;
    const int limit = collectLimit_;
    if (list.count() < limit) {
        list.append(codes);
        return true;
    }
    if (exchangeBudget_ <= 0) return false;
    const int r1 = w_.random.below(100);
    if (r1 < w_.params.procentBrug) {
        --exchangeBudget_;
        const int r2 = w_.random.below(list.count());
        list.overwrite(r2, codes);
    }
    return true;
}

bool Generator::findCandidates(DB_Klasse& context, GrepPak& list) {
    list.reset(context.length);
    LetterSet sets[DB_Klasse::kCrossings] = {};
    const int cells = std::min<int>(context.length, DB_Klasse::kCrossings);
    for (int i = 0; i < cells; ++i) {
        Krydsinfo& k = context.crossings[i];
        if (k.letter != BLANK) continue;  // the pattern already fixes this cell
        if (k.len < 2) {
            sets[i] = ~LetterSet{0};
            continue;
        }
        if (k.len > kMaxWordLength) return false;
        k.set = 0;
        char codes[Krydsinfo::kPatternSize + 1];
        w_.dictionary.language().patternToCodes(std::string_view(k.letters, std::strlen(k.letters)), codes);
        std::memcpy(k.letters, codes, sizeof k.letters - 1);
        k.letters[sizeof k.letters - 1] = 0;
        if (!w_.dictionary.lettersAt(k.letters, k.pos, k.len, k.set)) return false;
        sets[i] = k.set;
    }
    if (std::strlen(context.pattern) < 2) return false;
    startCollecting(list);
    w_.dictionary.collectCandidates(w_.rotor, context.length, context.pattern, sets,
                                    [this](const char* word) { return takeCandidate(word); });
    collecting_ = nullptr;
    return list.count() > 0;
}

int Generator::periodicCheck(Simpelarr& grid, const Vejstop& stop) {
    FillRunState& st = w_.runState;
    ++st.visitCounter;
    if ((st.visitCounter & kCheckBit) == 0) return 0;

    Host* host = grid.host();
    const std::optional<int> key = host != nullptr ? host->pollKey() : std::nullopt;
    if (key) {
        char status[96];
        std::snprintf(status, sizeof status, "ruta nr. %d (%d,%d) corrige %d         ", stop.nr, stop.x, stop.y,
                      static_cast<int>(stop.ret));
        st.statusText = status;
        showProgress(grid);
        if (*key == kKeyEsc) {
            userInterrupted_ = true;
            return kInterrupted;
        }
        if (const int value = keyReturn(*key); value != 0) return value;
    } else if (w_.simpleMenu) {
        showProgress(grid);
    }

    const int t = st.timedReturn(w_.clock.ticks(), w_.params);
    st.visitCounter = static_cast<unsigned>(t);
    return t != 0 ? -t : 0;
}

int Generator::generate(Simpelarr& grid, Vejstop* stop) {
    // A route edited down to no end marker ends after its last stop.
    if (stop == nullptr) return 1;
    const uint32_t start = w_.clock.ticks();
    if (stop->visits < INT32_MAX) ++stop->visits;

    if (stop->x >= grid.width() || stop->y >= grid.height() || (stop->x >= 0 && stop->y < 0)) {
        report(grid, kWrongStopText, kWrongStopCaption);
        return 0;
    }
    if (stop->isEndMarker()) return 1;

    if (grid.get(stop->x, stop->y) == BLOCK) {
        char caption[48];
        std::snprintf(caption, sizeof caption, "(%d,%d)", stop->x, stop->y);
        w_.runState.statusText = caption;
        report(grid, kClueCellText, caption);
        return generate(grid, nextStop(stop));
    }

    EtOrd* slot = grid.findSlot(stop->x, stop->y, stop->ret);
    if (slot == nullptr) {
        report(grid, kNoSlotText, kNoSlotCaption);
        return kNoSlot;
    }
    grid.refreshSlot(*slot);

    if (const int check = periodicCheck(grid, *stop); check != 0) return check;

    if (!Simpelarr::hasBlank(*slot)) {
        addElapsed(*stop, start);
        // A single letter is no word: it is neither looked up nor compared with
        // other slots (its own one-cell crossing would always look like a twin).
        if (slot->len == 1) return generate(grid, nextStop(stop));
        if (grid.isDuplicate(*slot)) return 0;
        if (w_.dictionary.hasWord(slot->word())) return generate(grid, nextStop(stop));
        return 0;
    }
    return searchStop(grid, *stop, *slot, start);
}

int Generator::searchStop(Simpelarr& grid, Vejstop& stop, EtOrd& slot, uint32_t since) {
    if (!context_) context_ = std::make_unique<DB_Klasse>();  // generate called outside runFill
    if (!shared_) shared_ = std::make_unique<GrepPak>(GrepPak::kSharedSize);
    DB_Klasse& ctx = *context_;
    GrepPak& shared = *shared_;
    shared.savedSlot = slot;

    copyPattern(ctx.pattern, slot);
    ctx.slot = &slot;
    ctx.length = slot.len;
    const int crossRet = slot.ret == kAcross ? kDown : kAcross;
    const int cells = std::min<int>(slot.len, DB_Klasse::kCrossings);
    for (int i = 0; i < cells; ++i) {
        const int cx = slot.ret == kAcross ? slot.x + i : slot.x;
        const int cy = slot.ret == kAcross ? slot.y : slot.y + i;
        crossingInfo(grid, cx, cy, crossRet, ctx.crossings[i]);
    }

    if (!findCandidates(ctx, shared)) {
        addElapsed(stop, since);
        // A negative rc (from a hand-made route file) would turn into a positive,
        // "filled" result; it backtracks like rc 0.
        return -std::max(stop.rc, 0);
    }

    GrepPak own = shared.privateCopy();
    const std::string_view alphabet = alphabetOf(w_.dictionary.language());
    own.nextCandidate(slot, alphabet);
    addElapsed(stop, since);

    // The copy taken before the search: its BLANKs are the cells this stop fills.
    const EtOrd& before = own.savedSlot;

    // Every letter in the grid when the first searching stop begins was there
    // before the search (a generate called outside runFill sizes the table here).
    const std::size_t cellCount = static_cast<std::size_t>(grid.width()) * static_cast<std::size_t>(grid.height());
    if (writer_.size() != cellCount) writer_.assign(cellCount, -1);
    if (depth_ == 0) std::fill(writer_.begin(), writer_.end(), -1);
    const int depth = depth_++;
    struct Leave {
        int& depth;
        ~Leave() { --depth; }
    } leave{depth_};
    // Whatever word goes in, the cells this stop fills are its own.
    for (int i = 0; i < before.len && i < EtOrd::kMaxLen; ++i) {
        if (before.letters[i] != BLANK) continue;
        const int cx = before.ret == kAcross ? before.x + i : before.x;
        const int cy = before.ret == kAcross ? before.y : before.y + i;
        writer_[static_cast<std::size_t>(cy) * static_cast<std::size_t>(grid.width()) + static_cast<std::size_t>(cx)] =
            depth;
    }

    int result = 0;
    bool triedOne = false;
    // The deepest earlier searching stop that wrote a letter of a crossing some
    // candidate would have repeated; -1 while none did.
    int culprit = -1;
    for (;;) {
        bool haveWord = true;
        for (;;) {
            if (!grid.isDuplicate(slot)) {
                grid.placeWord(slot);
                const int c = repeatCulprit(grid, before);
                if (c == kNoRepeat) break;
                culprit = std::max(culprit, std::min(c, depth - 1));
                takeBack(grid, before);
            }
            if (!own.nextCandidate(slot, alphabet)) {
                haveWord = false;
                break;
            }
        }
        if (!haveWord) {
            // Every candidate left would repeat a word. When none could be
            // placed at all, the slot is as good as without candidates, and the
            // search goes back at least to the latest stop that can change a
            // repeated crossing: the stops between cannot undo the repetition.
            // A stop that receives r < 0 answers r + 1 (each searching stop
            // undoing its word), so the one at depth `culprit` receives 0 and
            // tries its next word. Without such a stop (every candidate was a
            // word standing elsewhere, or the crossing's other letters were
            // there before the search) the rc alone decides.
            if (triedOne) {
                result = 0;
            } else {
                const int toCulprit = culprit >= 0 ? depth - 1 - culprit : 0;
                result = -std::max({stop.rc, 0, toCulprit});
            }
            break;
        }
        triedOne = true;
        const int r = generate(grid, nextStop(&stop));
        if (r > 0) return 1;  // the word stays; `own` is released on return
        if (r < 0) {
            result = r + 1;
            break;
        }
        if (!own.nextCandidate(slot, alphabet)) {
            result = 0;
            break;
        }
        // The next candidate is compared with the grid as it was before this
        // stop, not with the crossing words the previous one made.
        takeBack(grid, before);
    }
    slot = before;
    takeBack(grid, before);
    return result;
}

int Generator::refreshFilledCrossings(Simpelarr& grid, const EtOrd& before, EtOrd* (&crossings)[EtOrd::kMaxLen]) {
    const int crossRet = before.ret == kAcross ? kDown : kAcross;
    int n = 0;
    for (int i = 0; i < before.len && i < EtOrd::kMaxLen; ++i) {
        if (before.letters[i] != BLANK) continue;
        const int cx = before.ret == kAcross ? before.x + i : before.x;
        const int cy = before.ret == kAcross ? before.y : before.y + i;
        EtOrd* c = grid.slotAt(cx, cy, crossRet);
        if (c == nullptr) continue;
        grid.refreshSlot(*c);
        crossings[n++] = c;
    }
    return n;
}

int Generator::latestWriter(const Simpelarr& grid, const EtOrd& slot, const EtOrd& before) const {
    int latest = -1;
    for (int j = 0; j < slot.len && j < EtOrd::kMaxLen; ++j) {
        const int cx = slot.ret == kAcross ? slot.x + j : slot.x;
        const int cy = slot.ret == kAcross ? slot.y : slot.y + j;
        const bool mine = before.ret == kAcross ? cy == before.y && cx >= before.x && cx < before.x + before.len
                                                : cx == before.x && cy >= before.y && cy < before.y + before.len;
        if (mine) continue;
        latest = std::max(latest, writer_[static_cast<std::size_t>(cy) * static_cast<std::size_t>(grid.width()) +
                                          static_cast<std::size_t>(cx)]);
    }
    return latest;
}

int Generator::repeatCulprit(Simpelarr& grid, const EtOrd& before) const {
    // All of them are read first, so that two crossings this word completes are
    // compared with each other as they now stand.
    EtOrd* crossings[EtOrd::kMaxLen];
    const int n = refreshFilledCrossings(grid, before, crossings);
    int culprit = kNoRepeat;
    for (int i = 0; i < n; ++i) {
        const EtOrd& c = *crossings[i];
        if (c.len < 2 || Simpelarr::hasBlank(c) || !grid.isDuplicate(c)) continue;
        // Changing either the crossing's other letters or the slot it equals
        // ends the repetition; the latest stop that wrote any of them is the one
        // to go back to.
        culprit = std::max(culprit, latestWriter(grid, c, before));
        const std::string_view w = c.word();
        for (const EtOrd& twin : grid.slots()) {
            if (&twin != &c && twin.len == c.len && twin.word() == w)
                culprit = std::max(culprit, latestWriter(grid, twin, before));
        }
    }
    return culprit;
}

void Generator::takeBack(Simpelarr& grid, const EtOrd& before) {
    grid.placeWord(before);
    EtOrd* crossings[EtOrd::kMaxLen];
    refreshFilledCrossings(grid, before, crossings);
}

}  // namespace bv
