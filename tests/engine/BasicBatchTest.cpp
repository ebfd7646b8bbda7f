// Basic crosswords: the step, the file and its name, the file-count warning and
// the generation loops, on tiny models whose route has a single stop so that
// each fill is decided by a handful of words.
#include "EngineTestSupport.h"

#include "dictionary/BogPoint.h"
#include "dictionary/Language.h"
#include "engine/BasicBatch.h"
#include "engine/FillRunState.h"
#include "engine/FillWorld.h"
#include "engine/PictureModel.h"
#include "engine/Route.h"
#include "platform/ScriptedHost.h"
#include "platform/TextFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <string>
#include <vector>

namespace {

using namespace bv;
namespace fs = std::filesystem;

// Everything a batch borrows, with a one-stop route and no seed letters.
struct Batch {
    ScriptedHost host;
    Language language;
    BogPoint dic{20000, language, host};
    Rotor rotor;
    Route route;
    FuzzyParametre params;
    Random random{7};
    ManualTickClock clock;
    FillRunState runState;
    RunCounters counters;
    BatchState state;
    bool simpleMenu = false;
    FillWorld world{dic, rotor, route, params, random, clock, runState, counters, simpleMenu};
    BasicBatch batch{world, counters, state, host};

    Batch(std::initializer_list<const char*> words, int stopX, int stopY) {
        language.setLanguage(Language::kSpanish, host);
        for (const char* w : words) dic.addWord(w);
        Vejstop stop;
        stop.x = stopX;
        stop.y = stopY;
        stop.ret = kAcross;
        Vejstop end;
        end.x = -1;
        end.y = 1;
        end.ret = kDown;
        route.append(stop);
        route.append(end);
        route.seedA.x = -1;
        route.seedB.x = -1;
        batch.setPriorityLowering(false);
    }
};

// Runs the test inside a fresh directory and comes back afterwards.
struct InTempDir {
    bvtest::TempDir dir;
    fs::path previous = fs::current_path();
    InTempDir() { fs::current_path(dir.path); }
    ~InTempDir() { fs::current_path(previous); }
};

std::string readAll(const std::string& path) {
    std::string bytes;
    TextFile::read(path, bytes);
    return bytes;
}

// 5 x 3, one clue cell at column 2, row 1; the route fills the bottom row. The
// crossing runs take their letters from the short words.
const std::vector<std::string> kSmall = {" #   ", "     ", "     "};
const std::initializer_list<const char*> kSaltoWords = {"SALTO", "XXS", "XXL", "XXT", "XXO", "XA"};

TEST(BasicBatch, SavesTheFilledGridAsWidthHeightLineAndRows) {
    InTempDir tmp;
    Batch b(kSaltoWords, 0, 2);
    PictureModel doc(kSmall);

    ASSERT_EQ(b.batch.makeBasic(doc), 1);

    EXPECT_EQ(readAll("x5_000.003"), "5\t3\r\n #   \r\n     \r\nSALTO\r\n");
    EXPECT_EQ(b.counters.savedCount, 1);
    EXPECT_EQ(b.counters.attemptCount, 1);
    EXPECT_EQ(b.state.lastBasicPath, (fs::current_path() / "x5_000.003").string());
    // The document now holds the crossword; its clue cell stays a clue cell.
    EXPECT_EQ(doc.rows()[2], "SALTO");
    EXPECT_TRUE(doc.isClue(2, 1));
    EXPECT_TRUE(b.host.reports().empty());
}

TEST(BasicBatch, NamesFollowWidthCounterHeightAndSkipTakenNames) {
    struct Case {
        std::vector<std::string> existing;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {{}, {"x15_000.018", "x15_001.018"}},
        {{"x15_001.018"}, {"x15_000.018", "x15_002.018"}},
        {{"x15_000.018", "x15_001.018"}, {"x15_002.018", "x15_003.018"}},
    };
    // 15 x 18: one five-letter run in the top row, everything else clue cells.
    std::vector<std::string> rows(18, std::string(15, '#'));
    rows[0] = "     ##########";
    for (const Case& c : cases) {
        InTempDir tmp;
        for (const std::string& name : c.existing) std::ofstream(name) << "taken";
        Batch b({"SALTO"}, 0, 0);
        PictureModel doc(rows);
        std::vector<std::string> saved;
        for (std::size_t i = 0; i < c.expected.size(); ++i) {
            ASSERT_EQ(b.batch.makeBasic(doc), 1);
            saved.push_back(fs::path(b.state.lastBasicPath).filename().string());
        }
        EXPECT_EQ(saved, c.expected);
        for (const std::string& name : c.existing) EXPECT_EQ(readAll(name), "taken");
    }
}

TEST(BasicBatch, NameNumberHasAtLeastThreeDigits) {
    EXPECT_EQ(BasicBatch::basicName(15, 7, 18), "x15_007.018");
    EXPECT_EQ(BasicBatch::basicName(15, 1234, 18), "x15_1234.018");
    EXPECT_EQ(BasicBatch::basicName(5, 0, 3), "x5_000.003");
}

TEST(BasicBatch, WarnsOnceTheSaveDirectoryHoldsMoreThan600Files) {
    struct Case {
        int filesBefore;
        bool warned;
    };
    for (Case c : {Case{598, false}, Case{599, true}}) {
        InTempDir tmp;
        for (int i = 0; i < c.filesBefore; ++i) std::ofstream("f" + std::to_string(i));
        fs::create_directory("a-directory-does-not-count");
        Batch b(kSaltoWords, 0, 2);
        PictureModel doc(kSmall);
        ASSERT_EQ(b.batch.makeBasic(doc), 1);
        EXPECT_EQ(BasicBatch::countFiles(), c.filesBefore + 2);
        auto reports = b.host.reports();
        ASSERT_EQ(reports.size(), c.warned ? 1u : 0u) << c.filesBefore;
        if (c.warned) {
            EXPECT_EQ(reports[0].text, BasicBatch::kTooManyFilesText);
            EXPECT_EQ(reports[0].caption, "Advertencia");
            EXPECT_EQ(reports[0].icon, Icon::Error);
        }
    }
}

TEST(BasicBatch, CountFilesOfAnEmptyDirectoryIsOne) {
    InTempDir tmp;
    EXPECT_EQ(BasicBatch::countFiles(), 1);
}

TEST(BasicBatch, UnwritableDirectoryIsReportedAndNothingCounts) {
    InTempDir tmp;
    fs::create_directory("gone");
    fs::current_path("gone");
    fs::remove(fs::current_path());  // even root cannot create files here
    Batch b(kSaltoWords, 0, 2);
    PictureModel doc(kSmall);

    EXPECT_EQ(b.batch.makeBasic(doc), BasicBatch::kNotSaved);

    auto reports = b.host.reports();
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0].text, "x5_000.003");
    EXPECT_EQ(reports[0].caption, "Nombre del archivo vencido");
    EXPECT_EQ(b.counters.savedCount, 0);
    EXPECT_TRUE(b.state.lastBasicPath.empty());
    EXPECT_EQ(doc.rows(), kSmall);
}

TEST(BasicBatch, KeepingRunKeepsTheDocumentLettersAndLeavesTheDocumentAlone) {
    InTempDir tmp;
    fs::create_directory("out");
    // SALTO fits the open row as well, but not the placed A and B.
    Batch b({"SALTO", "CABOS", "XXS", "XXL", "XXT", "XXO", "XXC", "XXB", "XA"}, 0, 2);
    b.simpleMenu = true;
    b.state.targetCount = 3;
    const std::vector<std::string> rows = {" #   ", "     ", " AB  "};
    PictureModel doc(rows);

    b.batch.runGeneration(doc, "out", true);

    EXPECT_EQ(b.counters.savedCount, 3);
    for (const char* name : {"out/x5_000.003", "out/x5_001.003", "out/x5_002.003"})
        EXPECT_EQ(readAll(name), "5\t3\r\n #   \r\n     \r\nCABOS\r\n") << name;
    EXPECT_EQ(doc.rows(), rows);
    EXPECT_EQ(fs::current_path(), tmp.dir.path);
}

TEST(BasicBatch, SimpleMenuRunStopsAtTheTarget) {
    InTempDir tmp;
    Batch b(kSaltoWords, 0, 2);
    b.simpleMenu = true;
    b.state.targetCount = 4;
    PictureModel doc(kSmall);
    std::vector<std::string> announced;
    b.batch.onSaved = [&](const std::string& path) { announced.push_back(path); };

    b.batch.runGeneration(doc, tmp.dir.path.string(), false);

    EXPECT_EQ(b.counters.savedCount, 4);
    EXPECT_EQ(announced.size(), 4u);
    EXPECT_EQ(BasicBatch::countFiles(), 5);
    EXPECT_EQ(b.host.statusTexts.front(), BasicBatch::kRunStatusText);
    EXPECT_EQ(b.host.statusTexts.back(), "");
    for (const auto& m : b.host.messages) EXPECT_NE(m.kind, "yesno");
}

TEST(BasicBatch, EscDuringAFillAsksAndTheAnswerDecides) {
    for (bool yes : {true, false}) {
        InTempDir tmp;
        Batch b(kSaltoWords, 0, 2);
        b.simpleMenu = true;
        b.state.targetCount = 1;
        // The next stop visit runs the periodic key check, which takes the Esc.
        b.runState.visitCounter = 127;
        b.host.keys = {kKeyEsc};
        b.host.answers = {yes};
        PictureModel doc(kSmall);

        b.batch.runGeneration(doc, tmp.dir.path.string(), false);

        std::vector<ScriptedHost::Message> questions;
        for (const auto& m : b.host.messages)
            if (m.kind == "yesno") questions.push_back(m);
        ASSERT_EQ(questions.size(), 1u);
        EXPECT_EQ(questions[0].text, "Interrumpida la generación del crucigrama. Quiere Ud. continuar?.");
        EXPECT_EQ(questions[0].caption, "Quiere Ud. hacer más?.");
        EXPECT_EQ(b.counters.attemptCount, yes ? 2 : 1);
        EXPECT_EQ(b.counters.savedCount, yes ? 1 : 0);
        EXPECT_EQ(fs::current_path(), tmp.dir.path);
    }
}

TEST(BasicBatch, KeyBetweenCrosswordsAsksToo) {
    InTempDir tmp;
    Batch b(kSaltoWords, 0, 2);
    b.simpleMenu = true;
    b.state.targetCount = 3;
    // First attempt: no check in the generator; then the loop finds a key.
    b.host.keys = {std::optional<int>('x')};
    b.host.answers = {false};
    PictureModel doc(kSmall);

    b.batch.runGeneration(doc, tmp.dir.path.string(), false);

    EXPECT_EQ(b.counters.savedCount, 1);
    ASSERT_EQ(b.host.messages.size(), 1u);
    EXPECT_EQ(b.host.messages[0].kind, "yesno");
}

TEST(BasicBatch, NoRouteNoRun) {
    InTempDir tmp;
    Batch b(kSaltoWords, 0, 2);
    b.route.discard();
    PictureModel doc(kSmall);

    b.batch.runGeneration(doc, tmp.dir.path.string(), false);

    auto reports = b.host.reports();
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0].text, "Busca o haz una ruta pasaje a través del crucigrama antes de que autogeneres");
    EXPECT_EQ(reports[0].caption, "De nuevo");
    EXPECT_EQ(b.counters.attemptCount, 0);
}

}  // namespace

// A run stopped in the middle (Esc, or a stop signal, which the command line
// turns into Esc) or by a save that fails leaves the working directory where
// it was before the run, with every crossword saved so far whole.
TEST(BasicBatch, StoppedRunRestoresTheWorkingDirectory) {
    enum class Stop { EscInFill, FailedSave };
    for (Stop stop : {Stop::EscInFill, Stop::FailedSave}) {
        InTempDir tmp;
        fs::create_directory("save");
        Batch b(kSaltoWords, 0, 2);
        b.simpleMenu = true;
        b.state.targetCount = 3;
        PictureModel doc(kSmall);
        if (stop == Stop::EscInFill) {
            b.runState.visitCounter = 127;
            b.host.keys = {kKeyEsc};
        } else {
            b.batch.onSaved = [&](const std::string&) { fs::remove_all(tmp.dir.path / "save"); };
        }
        b.host.answers = {false};

        b.batch.runGeneration(doc, (tmp.dir.path / "save").string(), false);

        EXPECT_EQ(fs::current_path(), tmp.dir.path);
        if (stop == Stop::EscInFill) {
            EXPECT_EQ(b.counters.savedCount, 0);
            EXPECT_TRUE(fs::is_empty(tmp.dir.path / "save"));
        } else {
            // The first crossword was saved, then the directory vanished: the
            // second one is reported and not counted.
            EXPECT_EQ(b.counters.savedCount, 1);
            ASSERT_FALSE(b.host.reports().empty());
            EXPECT_EQ(b.host.reports().back().caption, "Nombre del archivo vencido");
        }
    }
}
