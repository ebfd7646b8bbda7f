// Forced words on a shipped model with the Spanish dictionary the build makes:
// the rule file is loaded as the guide loads it, "tvang.txt" names the words,
// and a run of the forced-word command saves crosswords that all hold them.
#include "TempDir.h"

#include "documents/KpointModel.h"
#include "engine/ForcedBatch.h"
#include "engine/Simpelarr.h"
#include "platform/ScriptedHost.h"
#include "platform/WorkTickClock.h"
#include "shell/AppState.h"
#include "shell/RuleFileLoader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace {

using namespace bv;
namespace fs = std::filesystem;

const std::string kData = std::string(BV_SOURCE_DIR) + "/data";
const std::string kDic = std::string(BV_BINARY_DIR) + "/dic";

TEST(ForcedShippedModel, EveryCrosswordHoldsTheForcedWords) {
    if (!fs::exists(kDic + "/spanish.dic")) GTEST_SKIP() << "no " << kDic << "/spanish.dic";
    test::TempDir dir;
    ScriptedHost host;
    IniProfile registry(dir / "registry.ini");
    registry.setString("HKEY_CLASSES_ROOT\\w5.Application\\Dictionary", "@", kDic);
    registry.setString("HKEY_CLASSES_ROOT\\w5.Application\\ModelOgVej", "@", kData);
    registry.setString("HKEY_CLASSES_ROOT\\w5.Application\\Skabelon", "@", kData);
    registry.setString("HKEY_CLASSES_ROOT\\w5.Application\\Gemmested", "@", dir.str());
    registry.flush();
    AppState app(host, AppState::Paths{dir.str(), dir / "W5E.ini", dir / "registry.ini"});
    app.simpleMenu = false;
    ASSERT_TRUE(loadRuleFile(app, host, kData + "/model1.skb"));
    ASSERT_FALSE(app.route.empty());
    app.random.seed(3);
    app.clock = std::make_unique<WorkTickClock>();

    // Words of two lengths the model has (4 and 6), in lower case with an accent
    // as a user types them.
    const std::string tvang = dir.write("tvang.txt", "casa\r\nsol\xe9\r\npuerta\r\n");
    TvangSettings settings;
    settings.useWordFile = false;
    std::optional<Tvang> list;
    ForcedBatch batch(app.fillWorld(), app.counters, app.counters, host, settings, list);
    batch.setClockSeeding(false);
    batch.setPriorityLowering(false);
    batch.setSaveLimit(3);
    batch.setAttemptLimit(400);
    batch.setReturnBudget(30);
    std::vector<std::string> saved;
    batch.onSaved = [&](const std::string& p) { saved.push_back(p); };
    KpointModel model(app.document);
    const auto res = batch.runForced(model, dir.mkdir("out"), tvang);
    ASSERT_EQ(res.saved, 3) << "after " << res.attempts << " attempts";
    ASSERT_TRUE(list.has_value());
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->word(1), "SOLE");  // É spelled as the dictionary's E

    for (const std::string& path : saved) {
        std::string bytes;
        ASSERT_TRUE(TextFile::read(path, bytes));
        const std::vector<std::string> lines = TextFile::splitLines(bytes);
        const int w = app.document.width(), h = app.document.height();
        ASSERT_EQ(lines.size(), static_cast<std::size_t>(h) + 1);
        Simpelarr grid(w, h, nullptr);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) grid.put(lines[y + 1][x], x, y);
        ASSERT_TRUE(grid.deriveSlots());
        std::set<std::string> words;
        for (const EtOrd& s : grid.slots())
            if (s.len >= 2) words.insert(std::string(s.word()));
        for (const char* forced : {"CASA", "SOLE", "PUERTA"}) EXPECT_TRUE(words.count(forced)) << path << " " << forced;
        for (const std::string& word : words)
            EXPECT_EQ(word.find(' '), std::string::npos) << path << ": " << word << " not filled";
    }
    // The document holds the last crossword.
    const std::vector<std::string> last = [&] {
        std::string bytes;
        TextFile::read(saved.back(), bytes);
        return TextFile::splitLines(bytes);
    }();
    for (int y = 1; y <= app.document.height(); ++y)
        for (int x = 1; x <= app.document.width(); ++x)
            if (!app.document.isClue(x, y)) {
                EXPECT_EQ(app.document.letterOf(x, y), last[y][x - 1]);
            }
}

}  // namespace
