// The six shipped models fill with the Spanish dictionary the build makes: each
// rule file is loaded as the guide loads it, a few crosswords are built through
// the document and written as basic crossword files, and every file is checked
// by its properties (every slot a dictionary word, the document agreeing with
// the file, no word twice anywhere in the grid). The same seed gives the same bytes.
#include "TempDir.h"

#include "documents/KpointModel.h"
#include "engine/BasicBatch.h"
#include "engine/Simpelarr.h"
#include "platform/ScriptedHost.h"
#include "platform/WorkTickClock.h"
#include "shell/AppState.h"
#include "shell/RuleFileLoader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

using namespace bv;
namespace fs = std::filesystem;

const std::string kData = std::string(BV_SOURCE_DIR) + "/data";
const std::string kDic = std::string(BV_BINARY_DIR) + "/dic";

class ShippedModels : public ::testing::TestWithParam<int> {
protected:
    // One program state for all models: the dictionary is read once, as when the
    // guide opens one model after another.
    static void SetUpTestSuite() {
        dir_ = new test::TempDir;
        host_ = new ScriptedHost;
        IniProfile registry(*dir_ / "registry.ini");
        registry.setString("HKEY_CLASSES_ROOT\\w5.Application\\Dictionary", "@", kDic);
        registry.setString("HKEY_CLASSES_ROOT\\w5.Application\\ModelOgVej", "@", kData);
        registry.setString("HKEY_CLASSES_ROOT\\w5.Application\\Skabelon", "@", kData);
        registry.setString("HKEY_CLASSES_ROOT\\w5.Application\\Gemmested", "@", dir_->str());
        registry.flush();
        app_ = new AppState(*host_, AppState::Paths{dir_->str(), *dir_ / "W5E.ini", *dir_ / "registry.ini"});
        app_->simpleMenu = false;
    }
    static void TearDownTestSuite() {
        delete app_;
        delete host_;
        delete dir_;
    }

    // Fresh run state, the given seed, returns timed by work: a repeatable run.
    static void restart(unsigned seed) {
        app_->random.seed(seed);
        app_->rotor = Rotor{};
        app_->fillRunState = FillRunState{};
        app_->clock = std::make_unique<WorkTickClock>();
    }

    // Builds one crossword into `outDir` and answers its file's bytes.
    static std::string buildOne(const std::string& outDir) {
        fs::create_directories(outDir);
        const fs::path previous = fs::current_path();
        fs::current_path(outDir);
        BasicBatch batch(app_->fillWorld(), app_->counters, app_->counters, *host_);
        KpointModel model(app_->document);
        int r = 0;
        for (int attempt = 0; attempt < 200 && r <= 0; ++attempt) r = batch.makeBasic(model);
        fs::current_path(previous);
        std::string bytes;
        if (r > 0) TextFile::read(app_->counters.lastBasicPath, bytes);
        return bytes;
    }

    static test::TempDir* dir_;
    static ScriptedHost* host_;
    static AppState* app_;
};

test::TempDir* ShippedModels::dir_ = nullptr;
ScriptedHost* ShippedModels::host_ = nullptr;
AppState* ShippedModels::app_ = nullptr;

TEST_P(ShippedModels, FillsWithDictionaryWordsOnEverySlotOfTheRoute) {
    const std::string name = "model" + std::to_string(GetParam());
    ASSERT_TRUE(loadRuleFile(*app_, *host_, kData + "/" + name + ".skb"));
    ASSERT_TRUE(host_->reports().empty()) << host_->reports().front().text;
    ASSERT_GT(app_->dictionary->wordCount(), 50000);
    ASSERT_FALSE(app_->route.empty());
    EXPECT_EQ(app_->language.number(), 9);

    // Seeds that fill every model within a few attempts keep the test quick under
    // the sanitizers; bench_fill runs seeds 1..30 on every model.
    for (unsigned seed : {1u, 5u}) {
        restart(seed);
        const std::string bytes = buildOne(*dir_ / (name + "-" + std::to_string(seed)));
        ASSERT_FALSE(bytes.empty()) << name << " seed " << seed << " did not fill";

        std::vector<std::string> lines = TextFile::splitLines(bytes);
        const int w = app_->document.width(), h = app_->document.height();
        ASSERT_EQ(lines[0], std::to_string(w) + "\t" + std::to_string(h));
        ASSERT_EQ(lines.size(), static_cast<std::size_t>(h) + 1);

        // The grid as written, cell by cell against the document.
        Simpelarr grid(w, h, host_);
        for (int y = 0; y < h; ++y) {
            ASSERT_EQ(lines[y + 1].size(), static_cast<std::size_t>(w));
            for (int x = 0; x < w; ++x) {
                const char c = lines[y + 1][x];
                grid.put(c, x, y);
                if (app_->document.isClue(x + 1, y + 1)) {
                    EXPECT_EQ(c, '#');
                } else {
                    EXPECT_NE(c, ' ') << name << " cell " << x << "," << y << " left empty";
                    EXPECT_EQ(app_->document.letterOf(x + 1, y + 1), c);
                }
            }
        }
        ASSERT_TRUE(grid.deriveSlots());
        for (const Vejstop& stop : app_->route.stops()) {
            if (stop.isEndMarker()) break;
            EtOrd* slot = grid.slotAt(stop.x, stop.y, stop.ret);
            ASSERT_NE(slot, nullptr);
            const std::string word(slot->word());
            EXPECT_GE(word.size(), 2u);
            EXPECT_TRUE(app_->dictionary->hasWord(word)) << name << ": " << word;
        }
        // Runs that crossing words completed are not stops of the route; they
        // are dictionary words all the same, and no word stands twice in the
        // whole grid.
        std::set<std::string> words;
        for (const EtOrd& s : grid.slots()) {
            if (s.len >= 2) {
                EXPECT_TRUE(app_->dictionary->hasWord(s.word())) << name << ": " << s.word();
                EXPECT_TRUE(words.insert(std::string(s.word())).second) << name << ": " << s.word() << " twice";
            }
        }
    }
}

TEST_P(ShippedModels, SameSeedGivesTheSameBytes) {
    const std::string name = "model" + std::to_string(GetParam());
    ASSERT_TRUE(loadRuleFile(*app_, *host_, kData + "/" + name + ".skb"));
    restart(7);
    const std::string first = buildOne(*dir_ / (name + "-again-a"));
    restart(7);
    const std::string second = buildOne(*dir_ / (name + "-again-b"));
    ASSERT_FALSE(first.empty());
    EXPECT_EQ(first, second);
}

std::string modelName(const ::testing::TestParamInfo<int>& p) { return "model" + std::to_string(p.param); }

INSTANTIATE_TEST_SUITE_P(AllSix, ShippedModels, ::testing::Range(1, 7), modelName);

}  // namespace
