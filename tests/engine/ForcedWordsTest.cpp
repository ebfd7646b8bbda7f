// Forced words: the list and its file, the dialog's button effects, placement
// into slots, and whole runs on small models with a small in-memory dictionary.
#include "engine/ForcedBatch.h"
#include "engine/PictureModel.h"
#include "engine/Route.h"
#include "engine/Tvang.h"
#include "engine/TvangDialogRecord.h"

#include "dictionary/BogPoint.h"
#include "dictionary/Language.h"
#include "dictionary/Rotor.h"
#include "platform/ScriptedHost.h"
#include "platform/TextFile.h"
#include "tests/engine/EngineTestSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace bv {
namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

constexpr const char* kWords =
    "CAT DOG COD DOC COW CAD TAD TOD GOD COT CUT HUT HAT BAT RAT SAT MAT PAT FAT EAT OAT ACE ICE AGE APE ARE "
    "ATE AWE AXE DYE EYE OWE USE BAD BED BID BUD DAD DID MAD MUD RED RID SAD TED ZED BOG COG FOG HOG JOG LOG "
    "TOG BEG LEG PEG KEG RUG BUG HUG JUG MUG TUG BAR CAR EAR FAR JAR TAR WAR OAR ODE ONE OWN TON TEN TIN TAN "
    "NET NOT NUT NIT ANT ART ASH ASK AND END ODD ADD EGG ILL ALL ELL "
    "CATS DOGS COWS BARN BARD CARD CART DART DOTE NOTE TONE CONE BONE BODE CODE MODE RODE ROTE RATE DATE GATE "
    "HATE LATE MATE SATE FATE TAME CAME DAME GAME NAME SAME LAME FAME TIDE RIDE SIDE WIDE HIDE BIDE "
    "TOAD ROAD LOAD GOAD LEAD READ BEAD DEAD HEAD MEAD ";

// A program world for one test: dictionary, route, parameters, random source,
// clock, run state, counters, batch state, the forced-word settings and list.
struct RecordingHost : ScriptedHost {
    std::vector<std::vector<std::string>> starts;  // grids shown as "Tvang start:"
    std::function<void()> onCounters;
    std::function<void()> onPoll;
    std::optional<int> pollKey() override {
        if (onPoll) onPoll();
        return ScriptedHost::pollKey();
    }
    void showProgress(std::string_view status, const std::vector<std::string>& rows) override {
        ScriptedHost::showProgress(status, rows);
        if (status == ForcedBatch::kStartStatus) starts.push_back(rows);
    }
    void showCounters(std::string_view line, std::string_view start) override {
        ScriptedHost::showCounters(line, start);
        if (onCounters) onCounters();
    }
};

struct World {
    explicit World(uint32_t seed = 11) : random(seed) {
        std::istringstream in{std::string(kWords)};
        std::string w;
        while (in >> w) dict.addWord(w);
        batch.setClockSeeding(false);
        batch.setPriorityLowering(false);
    }

    Language language;
    RecordingHost host;
    BogPoint dict{1000, language, host};
    Rotor rotor;
    Route route;
    FuzzyParametre params;
    Random random;
    ManualTickClock clock;
    FillRunState runState;
    RunCounters counters;
    bool simpleMenu = true;
    FillWorld fw{dict, rotor, route, params, random, clock, runState, counters, simpleMenu};
    BatchState state;
    TvangSettings settings;
    std::optional<Tvang> list;
    ForcedBatch batch{fw, counters, state, host, settings, list};
    bvtest::TempDir dir;

    // A route is needed to start a run at all; its content does not matter, since
    // every attempt replaces it.
    void anyRoute(const PictureModel& doc) {
        Simpelarr g(doc.width(), doc.height(), &host);
        for (int y = 0; y < g.height(); ++y)
            for (int x = 0; x < g.width(); ++x)
                if (doc.isClue(x + 1, y + 1)) g.put(BLOCK, x, y);
        route.autoRoute(g);
    }
    void forced(std::initializer_list<const char*> words) {
        list.emplace();
        for (const char* w : words) ASSERT_TRUE(list->add(w));
    }
    std::string writeFile(const std::string& name, const std::string& bytes) {
        std::string path = dir.file(name);
        EXPECT_TRUE(TextFile::writeAtomic(path, bytes));
        return path;
    }
    std::vector<fs::path> savedFiles() const {
        std::vector<fs::path> out;
        for (const auto& e : fs::directory_iterator(dir.path / "save")) out.push_back(e.path());
        return out;
    }
};

// Two across slots of 3 (rows 0 and 2) and one down slot of 3 crossing both.
PictureModel hookModel() { return PictureModel({"   ", " ##", "   "}); }
// Across slots 4, 3, 3, 4 with no crossings (all down runs are single cells).
PictureModel rowsModel() { return PictureModel({"    #   ", "########", "   #    "}); }

// All words of a filled grid, across and down, of two letters or more.
std::set<std::string> wordsOf(const std::vector<std::string>& rows) {
    Simpelarr g(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()), nullptr);
    for (int y = 0; y < g.height(); ++y)
        for (int x = 0; x < g.width(); ++x) g.put(rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)], x, y);
    g.deriveSlots();
    std::set<std::string> out;
    for (const EtOrd& s : g.slots())
        if (s.len >= 2) out.insert(std::string(s.word()));
    return out;
}

std::vector<std::string> basicRows(const fs::path& file) {
    std::string bytes;
    EXPECT_TRUE(TextFile::read(file.string(), bytes));
    auto lines = TextFile::splitLines(bytes);
    lines.erase(lines.begin());
    return lines;
}

// --- the list and "tvang.txt" --------------------------------------------------

TEST(TvangFile, LinesArePreparedAndEmptyOnesSkipped) {
    struct Case {
        const char* name;
        std::string bytes;
        std::vector<std::string> words;
    };
    const std::vector<Case> cases = {
        {"trailing blanks, tabs and controls go", "cat  \r\ndog\t\x01\r\n", {"CAT", "DOG"}},
        {"leading blanks stay", "  cow\n", {"  COW"}},
        {"empty and blank lines skipped", "\r\n   \r\nox\r\n\r\n", {"OX"}},
        {"Windows-1252 small letters to capitals", "a\xf1o\xe9\x9a\xff\n", {"A\xd1O\xc9\x8a\x9f"}},
        {"UTF-8 file transcoded", "\xEF\xBB\xBF" "a\xc3\xb1o\n", {"A\xd1O"}},
        {"last line without line end", "uno\ndos", {"UNO", "DOS"}},
        {"byte 0x7F is not a control to strip", "ab\x7f\n", {"AB\x7f"}},
    };
    for (const Case& c : cases) {
        bvtest::TempDir dir;
        ASSERT_TRUE(TextFile::writeAtomic(dir.file("tvang.txt"), c.bytes));
        ScriptedHost host;
        Tvang list;
        ASSERT_TRUE(list.readTvangFile(dir.file("tvang.txt"), host)) << c.name;
        std::vector<std::string> got;
        for (int i = 0; i < list.count(); ++i) {
            got.emplace_back(list.word(i));
            EXPECT_EQ(list.entry(i).len, static_cast<int>(list.word(i).size())) << c.name;
        }
        EXPECT_EQ(got, c.words) << c.name;
        EXPECT_TRUE(host.reports().empty()) << c.name;
    }
}

TEST(TvangFile, HoldsAtMostHundredEntries) {
    bvtest::TempDir dir;
    std::string bytes;
    for (int i = 0; i < 120; ++i) bytes += "W" + std::to_string(i) + "\r\n";
    ASSERT_TRUE(TextFile::writeAtomic(dir.file("tvang.txt"), bytes));
    ScriptedHost host;
    Tvang list;
    ASSERT_TRUE(list.readTvangFile(dir.file("tvang.txt"), host));
    EXPECT_EQ(list.count(), 100);
    EXPECT_EQ(list.word(0), "W0");
    EXPECT_EQ(list.word(99), "W99");
    EXPECT_FALSE(list.add("MORE"));
}

TEST(TvangFile, TooLongLinesAreSkippedAndNamedOnce) {
    bvtest::TempDir dir;
    const std::string forty(40, 'a');
    const std::string fortyFive(45, 'b');
    ASSERT_TRUE(TextFile::writeAtomic(dir.file("tvang.txt"), "sol\n" + forty + "\n" + std::string(39, 'c') +
                                                                  "\n" + fortyFive + "\nmar\n"));
    ScriptedHost host;
    Tvang list;
    ASSERT_TRUE(list.readTvangFile(dir.file("tvang.txt"), host));
    ASSERT_EQ(list.count(), 3);
    EXPECT_EQ(list.word(1), std::string(39, 'C'));
    EXPECT_EQ(list.word(2), "MAR");
    ASSERT_EQ(host.reports().size(), 1u);
    EXPECT_THAT(host.reports()[0].text, HasSubstr(std::string(40, 'A')));
    EXPECT_THAT(host.reports()[0].text, HasSubstr(std::string(45, 'B')));
    EXPECT_EQ(host.reports()[0].caption, Tvang::kTooLongCaption);
}

TEST(TvangFile, UnreadableFileIsReportedWithItsName) {
    bvtest::TempDir dir;
    ScriptedHost host;
    Tvang list;
    EXPECT_FALSE(list.readTvangFile(dir.file("tvang.txt"), host));
    ASSERT_EQ(host.reports().size(), 1u);
    EXPECT_EQ(host.reports()[0].text, "Kunne ikke finde/åbne filen");
    EXPECT_EQ(host.reports()[0].caption, dir.file("tvang.txt"));
    EXPECT_EQ(list.count(), 0);
}

// --- the dialog's buttons -----------------------------------------------------

TEST(TvangDialog, OkWritesTheFileAndTakesTheSettings) {
    bvtest::TempDir dir;
    ScriptedHost host;
    TvangSettings settings;
    TvangDialogRecord r;
    r.words = "casa\r\nperro";
    r.useWordFile = false;
    r.wordFileCount = "12 palabras";
    r.wordFilePath = "/tmp/lista.txt";
    ASSERT_TRUE(acceptTvangDialog(r, settings, dir.file("tvang.txt"), host));
    std::string bytes;
    ASSERT_TRUE(TextFile::read(dir.file("tvang.txt"), bytes));
    EXPECT_EQ(bytes, "casa\r\nperro\r\n");
    EXPECT_FALSE(settings.useWordFile);
    EXPECT_EQ(settings.wordFileCount, 12);
    EXPECT_EQ(settings.wordFilePath, "/tmp/lista.txt");
    EXPECT_TRUE(host.reports().empty());

    // Opening the dialog again shows what was stored.
    TvangDialogRecord again = openTvangDialog(settings, dir.file("tvang.txt"));
    EXPECT_EQ(again.words, "CASA\r\nPERRO");
    EXPECT_FALSE(again.useWordFile);
    EXPECT_EQ(again.wordFileCount, "12");
    EXPECT_EQ(again.wordFilePath, "/tmp/lista.txt");
}

TEST(TvangDialog, OkWhenTheFileCannotBeCreatedKeepsTheSettings) {
    bvtest::TempDir dir;
    ScriptedHost host;
    TvangSettings settings;
    settings.wordFilePath = "antes.txt";
    TvangDialogRecord r;
    r.words = "casa";
    r.useWordFile = false;
    r.wordFileCount = "3";
    r.wordFilePath = "despues.txt";
    EXPECT_FALSE(acceptTvangDialog(r, settings, dir.file("no-such-dir/tvang.txt"), host));
    ASSERT_EQ(host.reports().size(), 1u);
    EXPECT_EQ(host.reports()[0].text, "Kunne ikke finde/åbne filen Tvang.txt\nDin opsætning er IKKE ændret");
    EXPECT_EQ(host.reports()[0].caption, "FEJL");
    EXPECT_TRUE(settings.useWordFile);
    EXPECT_EQ(settings.wordFileCount, 6);
    EXPECT_EQ(settings.wordFilePath, "antes.txt");
}

TEST(TvangDialog, NumberFieldConversion) {
    const std::vector<std::pair<const char*, int>> cases = {
        {"6", 6}, {"  14", 14}, {"7x", 7}, {"", 0}, {"abc", 0}, {"-3", -3}, {"+5", 5},
        {"9999999999999999999", 2147483647}, {"-9999999999999999999", -2147483647 - 1},
    };
    for (const auto& [text, value] : cases) EXPECT_EQ(tvangCountValue(text), value) << text;
}

TEST(TvangDialog, BrowseAndHelp) {
    ScriptedHost host;
    TvangDialogRecord r;
    r.wordFilePath = "old.txt";
    host.inputs.push_back(std::nullopt);
    EXPECT_FALSE(browseTvangDialog(r, host));
    EXPECT_EQ(r.wordFilePath, "old.txt");
    host.inputs.push_back(std::string("/data/words.txt"));
    EXPECT_TRUE(browseTvangDialog(r, host));
    EXPECT_EQ(r.wordFilePath, "/data/words.txt");

    helpTvangDialog(host);
    ASSERT_EQ(host.reports().size(), 1u);
    EXPECT_EQ(host.reports()[0].text, "Denne hjælpefunktion er endnu ikke implementeret");
    EXPECT_EQ(host.reports()[0].caption, "Endnu ikke implementeret");
}

// --- fitting and drawing from a word file ------------------------------------

TEST(ForcedWords, KeepFittingDropsLengthsNoSlotHas) {
    World w;
    PictureModel doc = rowsModel();  // slots of 4 and 3 (and single cells)
    EXPECT_THAT(w.batch.keepFitting(doc, {"SOL", "MESA", "AGUA", "CASAS", "YO", "A", "PAN"}),
                ElementsAre("SOL", "MESA", "AGUA", "A", "PAN"));
}

TEST(ForcedWords, WordFileWithFewerFittingWordsLowersTheCount) {
    World w;
    PictureModel doc = rowsModel();
    const std::string path = w.writeFile("words.txt", "sol\ncasas\nmesa\nyo\npan\nSOL\nagua\nelefante\n");
    w.settings.wordFileCount = 6;
    for (int round = 0; round < 3; ++round) {
        Tvang list;
        ASSERT_TRUE(w.batch.loadFromWordFile(list, doc, path));
        std::set<std::string> got;
        for (int i = 0; i < list.count(); ++i) got.emplace(list.word(i));
        EXPECT_EQ(got, (std::set<std::string>{"SOL", "MESA", "PAN", "AGUA"}));
        EXPECT_EQ(w.settings.wordFileCount, 4);
    }
}

TEST(ForcedWords, WordFileDrawsDifferentWords) {
    World w;
    PictureModel doc = rowsModel();
    std::string bytes;
    for (int i = 0; i < 50; ++i) bytes += std::string(1, static_cast<char>('A' + i % 26)) +
                                          std::string(1, static_cast<char>('A' + i / 26)) + "X\n";
    const std::string path = w.writeFile("words.txt", bytes);
    w.settings.wordFileCount = 20;
    Tvang list;
    ASSERT_TRUE(w.batch.loadFromWordFile(list, doc, path));
    std::set<std::string> got;
    for (int i = 0; i < list.count(); ++i) got.emplace(list.word(i));
    EXPECT_EQ(list.count(), 20);
    EXPECT_EQ(got.size(), 20u);
    EXPECT_EQ(w.settings.wordFileCount, 20);
}

TEST(ForcedWords, WordFileFailures) {
    World w;
    PictureModel doc = rowsModel();
    Tvang list;
    EXPECT_FALSE(w.batch.loadFromWordFile(list, doc, w.dir.file("missing.txt")));
    EXPECT_FALSE(w.batch.loadFromWordFile(list, doc, w.writeFile("long.txt", "casas\nelefante\n")));
    EXPECT_EQ(list.count(), 0);
    EXPECT_EQ(w.settings.wordFileCount, 6);
    EXPECT_TRUE(w.host.reports().empty());
}

TEST(ForcedWords, LargeWordFilesReachEveryIndex) {
    World w;
    bool high = false;
    for (int i = 0; i < 2000 && !high; ++i) {
        const int v = w.batch.drawIndex(100000);
        ASSERT_GE(v, 0);
        ASSERT_LT(v, 100000);
        high = v > Random::kMax;
    }
    EXPECT_TRUE(high);
}

// --- placement ----------------------------------------------------------------

TEST(ForcedWords, SameLengthWordsGoToDifferentSlots) {
    for (uint32_t seed = 1; seed <= 20; ++seed) {
        World w(seed);
        w.forced({"MESA", "AGUA"});
        Simpelarr g(8, 3, &w.host);
        for (int x = 0; x < 8; ++x) g.put(BLOCK, x, 1);
        g.put(BLOCK, 4, 0);
        g.put(BLOCK, 3, 2);
        ASSERT_TRUE(w.batch.placeForced(g, 0)) << seed;
        const std::set<std::string> words = wordsOf(g.rowTexts());
        EXPECT_TRUE(words.count("MESA") && words.count("AGUA")) << seed;
    }
}

TEST(ForcedWords, PlacementFailsWhenTheFirstWordBlocksTheSecond) {
    // CAT down the first column leaves no slot for DOG; CAT across leaves row 2.
    int ok = 0, failed = 0;
    for (uint32_t seed = 1; seed <= 40; ++seed) {
        World w(seed);
        w.forced({"CAT", "DOG"});
        Simpelarr g = bvtest::gridOf(".../.##/...", &w.host);
        if (w.batch.placeForced(g, 0)) {
            ++ok;
            const auto words = wordsOf(g.rowTexts());
            EXPECT_TRUE(words.count("CAT") && words.count("DOG"));
        } else {
            ++failed;
        }
    }
    EXPECT_GT(ok, 0);
    EXPECT_GT(failed, 0);
}

TEST(ForcedWords, NoListPlacesNothing) {
    World w;
    Simpelarr g = bvtest::gridOf(".../.##/...", &w.host);
    EXPECT_TRUE(w.batch.placeForced(g, 0));
    EXPECT_EQ(g.rowTexts(), (std::vector<std::string>{"   ", " ##", "   "}));
}

TEST(ForcedWords, AttemptStartsAgainFromTheEmptyGridAfterAFailedTry) {
    World w(3);
    PictureModel doc = hookModel();
    w.forced({"CAT", "DOG"});
    fs::create_directory(w.dir.path / "save");
    const fs::path before = fs::current_path();
    fs::current_path(w.dir.path / "save");
    for (int i = 0; i < 10; ++i) {
        const int r = w.batch.makeForced(doc);
        ASSERT_GT(r, 0);
        ASSERT_FALSE(w.host.starts.empty());
        // The grid shown before the fill holds exactly the two words, across; a
        // failed try (CAT down the first column) has left nothing behind.
        const auto& start = w.host.starts.back();
        ASSERT_EQ(start.size(), 3u);
        EXPECT_EQ(start[1], " ##") << i;
        EXPECT_EQ((std::set<std::string>{start[0], start[2]}), (std::set<std::string>{"CAT", "DOG"})) << i;
    }
    fs::current_path(before);
}

// --- runs ---------------------------------------------------------------------

TEST(ForcedRun, EverySavedCrosswordHoldsEveryForcedWord) {
    World w;
    PictureModel doc = hookModel();
    w.anyRoute(doc);
    ASSERT_TRUE(TextFile::writeAtomic(w.dir.file("tvang.txt"), "cat\r\ndog\r\n"));
    w.settings.useWordFile = false;
    w.state.targetCount = 5;
    fs::create_directory(w.dir.path / "save");
    std::vector<std::string> saved;
    w.batch.onSaved = [&](const std::string& p) { saved.push_back(p); };
    w.batch.setAttemptLimit(500);
    const auto res = w.batch.runForced(doc, (w.dir.path / "save").string(), w.dir.file("tvang.txt"));
    EXPECT_EQ(res.end, ForcedBatch::RunEnd::TargetReached);
    EXPECT_EQ(res.saved, 5);
    EXPECT_EQ(w.counters.savedCount, 5);
    ASSERT_EQ(w.savedFiles().size(), 5u);
    EXPECT_EQ(saved.size(), 5u);
    for (const fs::path& f : w.savedFiles()) {
        const auto rows = basicRows(f);
        const auto words = wordsOf(rows);
        EXPECT_TRUE(words.count("CAT")) << f;
        EXPECT_TRUE(words.count("DOG")) << f;
        for (const std::string& word : words) EXPECT_TRUE(w.dict.hasWord(word) || word == "CAT") << word;
    }
    // The document holds the last crossword.
    EXPECT_EQ(doc.rows(), basicRows(w.state.lastBasicPath));
    EXPECT_EQ(w.host.statusTexts.front(), BasicBatch::kRunStatusText);
}

TEST(ForcedRun, RouteIsTheAutomaticRouteOfTheLastForcedGrid) {
    World w(5);
    PictureModel doc({"    #", "# # #", "     ", "# # #", "    #"});
    w.anyRoute(doc);
    const std::string words = w.writeFile("words.txt", "toad\nnote\ncode\n");
    w.settings.useWordFile = true;
    w.settings.wordFileCount = 2;
    w.state.targetCount = 3;
    w.batch.setAttemptLimit(300);
    fs::create_directory(w.dir.path / "save");
    w.settings.wordFilePath = words;
    const auto res = w.batch.runForced(doc, (w.dir.path / "save").string(), w.dir.file("tvang.txt"));
    ASSERT_GT(res.attempts, 0);
    ASSERT_FALSE(w.host.starts.empty());

    Simpelarr last(5, 5, nullptr);
    const auto& rows = w.host.starts.back();
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 5; ++x) last.put(rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)], x, y);
    Route expected;
    ASSERT_TRUE(expected.autoRoute(last));
    ASSERT_EQ(w.route.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const Vejstop& a = w.route.stops()[i];
        const Vejstop& b = expected.stops()[i];
        EXPECT_EQ(std::tie(a.x, a.y, a.ret), std::tie(b.x, b.y, b.ret)) << i;
        EXPECT_EQ(a.rc, 0) << i;
    }
}

TEST(ForcedRun, WordThatFitsNoSlotFailsEveryAttemptUntilTheLimit) {
    World w;
    PictureModel doc = rowsModel();
    w.anyRoute(doc);
    ASSERT_TRUE(TextFile::writeAtomic(w.dir.file("tvang.txt"), "casas\n"));
    w.settings.useWordFile = false;
    w.batch.setAttemptLimit(7);
    fs::create_directory(w.dir.path / "save");
    const auto res = w.batch.runForced(doc, (w.dir.path / "save").string(), w.dir.file("tvang.txt"));
    EXPECT_EQ(res.end, ForcedBatch::RunEnd::AttemptLimit);
    EXPECT_EQ(res.attempts, 7);
    EXPECT_EQ(res.saved, 0);
    EXPECT_EQ(w.counters.attemptCount, 7);
    EXPECT_TRUE(w.savedFiles().empty());
    EXPECT_EQ(w.host.progressCalls, 0);  // no grid ever got its forced words
}

TEST(ForcedRun, WordThatFitsNoSlotFailsUntilTheUserStops) {
    World w;
    PictureModel doc = rowsModel();
    w.anyRoute(doc);
    w.settings.useWordFile = false;
    ASSERT_TRUE(TextFile::writeAtomic(w.dir.file("tvang.txt"), "casas\n"));
    w.host.keys = {std::nullopt, 'x', std::nullopt, std::nullopt, kKeyEsc};
    w.host.answers = {true, false};
    fs::create_directory(w.dir.path / "save");
    const fs::path before = fs::current_path();
    const auto res = w.batch.runForced(doc, (w.dir.path / "save").string(), w.dir.file("tvang.txt"));
    EXPECT_EQ(res.end, ForcedBatch::RunEnd::UserStopped);
    EXPECT_EQ(res.attempts, 5);
    ASSERT_EQ(w.host.messages.size(), 2u);
    EXPECT_EQ(w.host.messages[1].text, "Interrumpida la generación del crucigrama. Quiere Ud. continuar?.");
    EXPECT_EQ(w.host.messages[1].caption, "Quiere Ud. hacer más?.");
    EXPECT_EQ(fs::current_path(), before);
    EXPECT_EQ(w.host.statusTexts.back(), "");
}

TEST(ForcedRun, UnreadableTvangFileEndsTheRunBeforeAnyAttempt) {
    World w;
    PictureModel doc = rowsModel();
    w.anyRoute(doc);
    w.settings.useWordFile = false;
    const auto res = w.batch.runForced(doc, w.dir.path.string(), w.dir.file("tvang.txt"));
    EXPECT_EQ(res.end, ForcedBatch::RunEnd::NoTvangFile);
    EXPECT_EQ(res.attempts, 0);
    ASSERT_EQ(w.host.reports().size(), 1u);
    EXPECT_EQ(w.host.reports()[0].text, "Kunne ikke finde/åbne filen");
}

TEST(ForcedRun, WordsWithCharactersThatAreNoLettersAreNotUsed) {
    World w;  // Danish: A-Z, Æ, Ø, Å
    PictureModel doc = rowsModel();
    w.anyRoute(doc);
    ASSERT_TRUE(TextFile::writeAtomic(w.dir.file("tvang.txt"), "ca1a\n\xe6" "ble\nsol\nla s\n"));
    w.settings.useWordFile = false;
    w.batch.setAttemptLimit(1);
    fs::create_directory(w.dir.path / "save");
    w.batch.runForced(doc, (w.dir.path / "save").string(), w.dir.file("tvang.txt"));
    ASSERT_TRUE(w.list.has_value());
    ASSERT_EQ(w.list->count(), 2);
    EXPECT_EQ(w.list->word(0), "\xc6" "BLE");
    EXPECT_EQ(w.list->word(1), "SOL");
    ASSERT_EQ(w.host.reports().size(), 1u);
    EXPECT_THAT(w.host.reports()[0].text, HasSubstr("CA1A"));
    EXPECT_THAT(w.host.reports()[0].text, HasSubstr("LA S"));

    // Drawn from a word file, such words are left out silently.
    Tvang list;
    w.settings.wordFileCount = 5;
    ASSERT_TRUE(w.batch.loadFromWordFile(list, doc, w.writeFile("words.txt", "ca1a\nsol\nla s\n")));
    ASSERT_EQ(list.count(), 1);
    EXPECT_EQ(list.word(0), "SOL");
}

TEST(ForcedRun, NoRouteNoRun) {
    World w;
    PictureModel doc = rowsModel();
    w.forced({"SOL"});
    const auto res = w.batch.runForced(doc, w.dir.path.string(), w.dir.file("tvang.txt"));
    EXPECT_EQ(res.end, ForcedBatch::RunEnd::NoRoute);
    ASSERT_EQ(w.host.reports().size(), 1u);
    EXPECT_EQ(w.host.reports()[0].caption, "De nuevo");
    EXPECT_TRUE(w.list.has_value());  // checked before the list is discarded
}

TEST(ForcedRun, CommandShowsTheDialogOnlyWithARouteAndRunsOnlyAfterOk) {
    World w;
    PictureModel doc = rowsModel();
    int dialogs = 0;
    auto cancel = [&] { ++dialogs; return false; };
    EXPECT_EQ(w.batch.runCommand(doc, w.dir.path.string(), w.dir.file("tvang.txt"), cancel).end,
              ForcedBatch::RunEnd::NoRoute);
    EXPECT_EQ(dialogs, 0);

    w.anyRoute(doc);
    w.forced({"SOL"});
    EXPECT_EQ(w.batch.runCommand(doc, w.dir.path.string(), w.dir.file("tvang.txt"), cancel).end,
              ForcedBatch::RunEnd::Cancelled);
    EXPECT_EQ(dialogs, 1);
    EXPECT_FALSE(w.list.has_value());  // discarded before the dialog
    EXPECT_TRUE(w.host.statusTexts.empty());
    EXPECT_EQ(w.counters.attemptCount, 0);

    // OK: the dialog wrote "tvang.txt" and switched the word file off.
    TvangDialogRecord record = openTvangDialog(w.settings, w.dir.file("tvang.txt"));
    record.words = "pan";
    record.useWordFile = false;
    auto ok = [&] { ++dialogs; return acceptTvangDialog(record, w.settings, w.dir.file("tvang.txt"), w.host), true; };
    fs::create_directory(w.dir.path / "save");
    w.batch.setSaveLimit(2);
    const auto res = w.batch.runCommand(doc, (w.dir.path / "save").string(), w.dir.file("tvang.txt"), ok);
    EXPECT_EQ(res.end, ForcedBatch::RunEnd::TargetReached);
    EXPECT_EQ(res.saved, 2);
    ASSERT_TRUE(w.list.has_value());
    EXPECT_EQ(w.list->count(), 1);
    EXPECT_EQ(w.list->word(0), "PAN");  // the list stays after the run
    for (const fs::path& f : w.savedFiles()) EXPECT_TRUE(wordsOf(basicRows(f)).count("PAN")) << f;
}

TEST(ForcedRun, ReturnBudgetGivesUpALongAttemptWithoutAsking) {
    // 20 rows of thirteen independent two-letter slots: one fill visits 260
    // stops, so the generator checks keys and the timer twice; the clock jumps
    // ten seconds at every key poll, so each check orders a timed return.
    auto run = [](int budget, int& result, int& questions, int& returns) {
        World w;
        // Every pair of letters: enough different words for 260 slots.
        for (char a = 'A'; a <= 'Z'; ++a)
            for (char b = 'A'; b <= 'Z'; ++b) w.dict.addWord(std::string{a, b});
        w.params.AGtidlille = 1;
        w.params.AGrclille = 1;
        w.params.AGstortit = 100;
        w.params.AGantalrcstor = 1;
        std::vector<std::string> rows;
        for (int r = 0; r < 20; ++r) {
            std::string row;
            for (int i = 0; i < 13; ++i) row += "..#";
            row += ".";
            std::replace(row.begin(), row.end(), '.', ' ');
            rows.push_back(row.substr(0, 39));
            rows.push_back(std::string(39, '#'));
        }
        rows.pop_back();
        PictureModel doc(rows);
        w.forced({"OX"});
        w.host.onPoll = [&] { w.clock.now += 10000; };
        w.runState.timerArmed = true;  // as after the program's first fill
        w.batch.setReturnBudget(budget);
        fs::create_directory(w.dir.path / "save");
        const fs::path before = fs::current_path();
        fs::current_path(w.dir.path / "save");
        result = w.batch.makeForced(doc);
        fs::current_path(before);
        questions = static_cast<int>(w.host.messages.size());
        returns = w.runState.timedReturnTotal;
    };
    int r = 0, questions = 0, returns = 0;
    run(0, r, questions, returns);
    EXPECT_EQ(r, 1);
    EXPECT_GE(returns, 2);  // the budget below is really reached
    run(1, r, questions, returns);
    EXPECT_EQ(r, ForcedBatch::kGivenUp);
    EXPECT_EQ(questions, 0);
}

TEST(ForcedRun, WordFileIsReadAgainBeforeAttemptsOneSixEleven) {
    // The word file disappears during the third attempt: the draw before the
    // sixth attempt finds nothing and the run ends silently after five.
    World w;
    PictureModel doc = rowsModel();
    w.anyRoute(doc);
    w.settings.useWordFile = true;
    w.settings.wordFileCount = 1;
    w.settings.wordFilePath = w.writeFile("words.txt", "casas\nsol\n");  // SOL fits
    fs::create_directory(w.dir.path / "save");
    int attempts = 0;
    w.host.onCounters = [&] {
        if (++attempts == 3) fs::remove(w.dir.file("words.txt"));
    };
    w.state.targetCount = 1000;
    const auto res = w.batch.runForced(doc, (w.dir.path / "save").string(), "tvang.txt");
    EXPECT_EQ(res.end, ForcedBatch::RunEnd::NoWordFile);
    EXPECT_EQ(res.attempts, 5);
    EXPECT_EQ(res.saved, 5);
    EXPECT_TRUE(w.host.reports().empty());
    for (const fs::path& f : w.savedFiles()) EXPECT_TRUE(wordsOf(basicRows(f)).count("SOL")) << f;
}

TEST(ForcedRun, RelativeWordFileIsTakenFromTheStartDirectory) {
    World w;
    PictureModel doc = rowsModel();
    w.anyRoute(doc);
    w.writeFile("words.txt", "sol\n");
    fs::create_directory(w.dir.path / "save");
    const fs::path before = fs::current_path();
    fs::current_path(w.dir.path);
    w.settings.wordFilePath = "words.txt";
    w.batch.setAttemptLimit(2);
    const auto res = w.batch.runForced(doc, "save", "tvang.txt");
    fs::current_path(before);
    EXPECT_EQ(res.end, ForcedBatch::RunEnd::AttemptLimit);
    EXPECT_EQ(res.saved, 2);
}

TEST(ForcedRun, SameSeedSameCrosswords) {
    auto run = [](std::vector<std::vector<std::string>>& out) {
        World w(99);
        PictureModel doc = hookModel();
        w.anyRoute(doc);
        w.settings.wordFilePath = w.writeFile("words.txt", "cat\ndog\ncow\nhat\nbed\nred\nant\n");
        w.settings.wordFileCount = 2;
        w.state.targetCount = 6;
        w.batch.setAttemptLimit(200);
        fs::create_directory(w.dir.path / "save");
        w.batch.onSaved = [&](const std::string& p) { out.push_back(basicRows(p)); };
        w.batch.runForced(doc, (w.dir.path / "save").string(), "tvang.txt");
    };
    std::vector<std::vector<std::string>> a, b;
    run(a);
    run(b);
    EXPECT_EQ(a.size(), 6u);
    EXPECT_EQ(a, b);
}

}  // namespace
}  // namespace bv
