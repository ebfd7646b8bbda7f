// Forced words: "tvang.txt" (readTvangFile) and the word file that words are
// drawn from (loadFromWordFile), then placed into a model's slots. Whatever
// the bytes, the list holds at most 100 prepared words of 1 to 39 letters,
// drawn words fit a slot of the model, and placing them stays inside the grid.
#include "FuzzSupport.h"
#include "dictionary/BogPoint.h"
#include "dictionary/Language.h"
#include "dictionary/Rotor.h"
#include "engine/BatchState.h"
#include "engine/FillRunState.h"
#include "engine/FillWorld.h"
#include "engine/ForcedBatch.h"
#include "engine/PictureModel.h"
#include "engine/Route.h"
#include "engine/RunCounters.h"
#include "engine/Tvang.h"
#include "engine/TvangSettings.h"
#include "platform/Random.h"
#include "platform/TickClock.h"

#include <optional>
#include <set>

namespace {

void checkList(const bv::Tvang& list) {
    if (list.count() < 0 || list.count() > bv::Tvang::kEntries) bvfuzz::fail("list count out of range");
    for (int i = 0; i < list.count(); ++i) {
        std::string_view w = list.word(i);
        if (w.empty() || w.size() > static_cast<std::size_t>(bv::Tvang::kMaxLetters))
            bvfuzz::fail("forced word of a length out of range", w);
        if (bv::Tvang::prepareLine(w) != w) bvfuzz::fail("forced word not prepared", w);
        if (static_cast<std::size_t>(list.entry(i).len) != w.size()) bvfuzz::fail("entry length differs", w);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 100000) return 0;
    std::string bytes(reinterpret_cast<const char*>(data), size);
    for (const std::string& line : bv::Tvang::wordLines(bytes))
        if (line.empty() || bv::Tvang::prepareLine(line) != line) bvfuzz::fail("word line not prepared", line);

    const std::string path = bvfuzz::writeScratch("tvang.txt", data, size);
    bvfuzz::QuietHost host;
    bv::Tvang fromFile;
    if (!fromFile.readTvangFile(path, host)) bvfuzz::fail("scratch file could not be read");
    checkList(fromFile);

    // The word-file mode on a 7 x 5 model.
    bv::Language language;
    language.setLanguage(bv::Language::kSpanish, host);
    bv::BogPoint dictionary(1000, language, host);
    bv::Rotor rotor;
    bv::Route route;
    bv::FuzzyParametre params;
    bv::Random random(size);
    bv::ManualTickClock clock;
    bv::FillRunState runState;
    bv::RunCounters counters;
    bv::BatchState state;
    bool simpleMenu = false;
    bv::FillWorld world{dictionary, rotor, route, params, random, clock, runState, counters, simpleMenu};
    bv::TvangSettings settings;
    settings.wordFileCount = 1 + static_cast<int>(size % 120);
    std::optional<bv::Tvang> list;
    bv::ForcedBatch batch(world, counters, state, host, settings, list);
    const std::vector<std::string> rows = {"       ", " #  #  ", "   #   ", "##     ", "     # "};
    bv::PictureModel doc(rows);

    bv::Tvang drawn;
    if (batch.loadFromWordFile(drawn, doc, path)) {
        checkList(drawn);
        bv::Simpelarr model(7, 5, &host);
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 7; ++x)
                if (rows[y][x] == '#') model.put(bv::BLOCK, x, y);
        model.deriveSlots();
        std::set<std::size_t> lengths;
        for (const bv::EtOrd& slot : model.slots()) lengths.insert(static_cast<std::size_t>(slot.len));
        for (int i = 0; i < drawn.count(); ++i)
            if (!lengths.count(drawn.word(i).size())) bvfuzz::fail("drawn word fits no slot", drawn.word(i));
        if (settings.wordFileCount < drawn.count()) bvfuzz::fail("more words drawn than asked for");
        list = drawn;
        bv::Simpelarr grid(7, 5, &host);
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 7; ++x)
                if (rows[y][x] == '#') grid.put(bv::BLOCK, x, y);
        batch.placeForced(grid, 0);
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 7; ++x)
                if ((grid.get(x, y) == bv::BLOCK) != (rows[y][x] == '#')) bvfuzz::fail("placing changed a clue cell");
    }
    return 0;
}
