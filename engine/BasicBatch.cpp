#include "engine/BasicBatch.h"

#include "engine/Generator.h"
#include "platform/Cp1252.h"
#include "platform/TextFile.h"

#include <cstdio>
#include <ctime>
#include <filesystem>
#include <sys/resource.h>

namespace bv {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kPriorityFailedText = "SetPriorityCLASS virkede ikke";
constexpr std::string_view kPriorityFailedCaption = "ØV";
// The document may be larger than a work grid can be; such a model cannot be
// filled and is refused before any work grid is made.
constexpr std::string_view kModelTooLargeCaption = "Modelo no válido";

}  // namespace

BasicBatch::BasicBatch(const FillWorld& world, RunCounters& counters, BatchState& state, Host& host)
    : world_(world), counters_(counters), state_(state), host_(host) {}

std::string BasicBatch::basicName(int width, int number, int height) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "x%d_%3.3d.%3.3d", width, number, height);
    return buf;
}

std::string BasicBatch::nextBasicName(const ModelGrid& doc) {
    for (;;) {
        std::string name = basicName(doc.width(), state_.nameCounter, doc.height());
        ++state_.nameCounter;
        std::error_code ec;
        // symlink_status: a dangling link still takes the name.
        if (!fs::exists(fs::symlink_status(name, ec))) return name;
    }
}

std::string BasicBatch::gridText(const Simpelarr& grid) {
    std::string text = std::to_string(grid.width()) + "\t" + std::to_string(grid.height());
    text += kLineEnd;
    for (int y = 0; y < grid.height(); ++y) {
        text += grid.row(y);
        text += kLineEnd;
    }
    return text;
}

bool BasicBatch::writeGrid(const Simpelarr& grid, const std::string& name) {
    if (TextFile::writeNew(name, gridText(grid))) return true;
    host_.report(Cp1252::toUtf8(name), kWriteFailedCaption, Icon::Error);
    return false;
}

int BasicBatch::countFiles() {
    int count = 1;
    std::error_code ec;
    for (fs::directory_iterator it(".", ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code typeError;
        if (!it->is_directory(typeError)) ++count;
    }
    return count;
}

bool BasicBatch::save(const ModelGrid& doc, const Simpelarr& grid) {
    std::string name = nextBasicName(doc);
    // writeNew refuses a name that appeared since nextBasicName looked (another
    // program saving into the same directory); then the next free name is taken.
    while (!TextFile::writeNew(name, gridText(grid))) {
        std::error_code ec;
        if (!fs::exists(fs::symlink_status(name, ec))) {
            host_.report(Cp1252::toUtf8(name), kWriteFailedCaption, Icon::Error);
            return false;
        }
        name = nextBasicName(doc);
    }
    std::error_code ec;
    std::string dir = fs::current_path(ec).string();
    state_.lastBasicPath = dir + "/" + name;
    ++counters_.savedCount;
    if (countFiles() > kFileWarningLimit) host_.report(kTooManyFilesText, kTooManyFilesCaption, Icon::Error);
    return true;
}

int BasicBatch::attempt(const ModelGrid& doc, bool keepLetters, Simpelarr& grid) {
    for (int y = 0; y < grid.height(); ++y) {
        for (int x = 0; x < grid.width(); ++x) {
            if (doc.isClue(x + 1, y + 1))
                grid.put(BLOCK, x, y);
            else if (keepLetters)
                grid.put(doc.letterOf(x + 1, y + 1), x, y);
        }
    }
    Generator generator(world_);
    host_.showCounters(generator.countersLine(), [this] {
        if (counters_.attemptStart == 0) return std::string();
        std::tm tmv{};
        localtime_r(&counters_.attemptStart, &tmv);
        char buf[64];
        std::strftime(buf, sizeof buf, "%d-%m-%Y %H:%M:%S", &tmv);
        return std::string(buf);
    }());
    return generator.runFill(grid, !keepLetters);
}

bool BasicBatch::acceptsSize(const ModelGrid& doc) {
    if (doc.width() >= 1 && doc.height() >= 1 && doc.width() <= Simpelarr::kMaxSide &&
        doc.height() <= Simpelarr::kMaxSide)
        return true;
    char text[160];
    std::snprintf(text, sizeof text, "El modelo tiene %d × %d casillas; caben como máximo %d × %d", doc.width(),
                  doc.height(), Simpelarr::kMaxSide, Simpelarr::kMaxSide);
    host_.report(text, kModelTooLargeCaption, Icon::Error);
    return false;
}

int BasicBatch::makeBasic(ModelGrid& doc) {
    counters_.attemptStart = std::time(nullptr);
    if (!acceptsSize(doc)) return Generator::kRefused;
    Simpelarr grid(doc.width(), doc.height(), &host_);
    ++counters_.attemptCount;
    int r = attempt(doc, false, grid);
    if (r > 0) {
        if (!save(doc, grid)) return kNotSaved;
        for (int y = 0; y < grid.height(); ++y)
            for (int x = 0; x < grid.width(); ++x)
                if (grid.get(x, y) != BLOCK) doc.setLetter(x + 1, y + 1, grid.get(x, y));
    }
    return r;
}

int BasicBatch::makeBasicKeeping(const ModelGrid& doc) {
    counters_.attemptStart = std::time(nullptr);
    if (!acceptsSize(doc)) return Generator::kRefused;
    Simpelarr grid(doc.width(), doc.height(), &host_);
    ++counters_.attemptCount;
    int r = attempt(doc, true, grid);
    if (r > 0 && !save(doc, grid)) return kNotSaved;
    return r;
}

void BasicBatch::lowerPriority() {
    if (!lowerPriority_) return;
    // The idle class of the original is the weakest nice level here; it is not
    // raised again after the run, as the original never restores it.
    if (::setpriority(PRIO_PROCESS, 0, 19) != 0)
        host_.report(kPriorityFailedText, kPriorityFailedCaption, Icon::Error);
}

bool BasicBatch::askContinue() { return host_.askYesNo(kContinueText, kContinueCaption, Icon::Question); }

void BasicBatch::runGeneration(ModelGrid& doc, const std::string& saveDir, bool keepLetters) {
    if (world_.route.empty()) {
        host_.report(kNoRouteText, kNoRouteCaption, Icon::Warning);
        return;
    }
    lowerPriority();

    std::error_code ec;
    const fs::path previous = fs::current_path(ec);
    fs::current_path(saveDir, ec);
    if (ec) {
        // Saving into whatever directory happens to be current would scatter the
        // crosswords; the run does not start.
        host_.report(Cp1252::toUtf8(saveDir), kWriteFailedCaption, Icon::Error);
        return;
    }
    host_.setStatusText(kRunStatusText);

    for (;;) {
        const int r = keepLetters ? makeBasicKeeping(doc) : makeBasic(doc);
        if (r > 0 && onSaved) onSaved(state_.lastBasicPath);
        if (r < Generator::kUserLimit && !askContinue()) break;
        if (host_.pollKey() && !askContinue()) break;
        if (world_.simpleMenu && counters_.savedCount >= state_.targetCount) break;
        if (keepGoing && !keepGoing()) break;
    }

    host_.setStatusText("");
    fs::current_path(previous, ec);
}

}  // namespace bv
