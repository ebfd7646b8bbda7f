// A whole rule-file load and one fill from what it loaded. The input holds up
// to five files separated by lines "--8<--": the rule file (.skb), the model
// (.ktd), the route (.vej), the parameters (.par) and the word list that serves
// as dictionary. They are written as rules.skb, m.ktd, r.vej, p.par and w.txt
// in a scratch directory that is also the current directory, the settings file
// and the installer's directories; the rule file may name any of them, or
// anything else. Whatever loads, a basic crossword is attempted: a filled one
// must be written whole, with the document's size. The host presses Esc after
// a bounded number of key polls, so every attempt ends.
#include "FuzzSupport.h"
#include "documents/KpointModel.h"
#include "engine/BasicBatch.h"
#include "platform/IniProfile.h"
#include "platform/TextFile.h"
#include "shell/AppState.h"
#include "shell/RuleFileLoader.h"

#include <filesystem>
#include <string_view>

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kSeparator = "\n--8<--\n";
constexpr const char* kNames[] = {"rules.skb", "m.ktd", "r.vej", "p.par", "w.txt"};

class EscHost : public bvfuzz::QuietHost {
public:
    std::optional<int> pollKey() override {
        if (++polls_ > 64) return 27;
        return std::nullopt;
    }

private:
    int polls_ = 0;
};

const std::string& scratchDir() {
    static const std::string dir = [] {
        std::string d = fs::path(bvfuzz::scratchPath("x")).parent_path().string();
        fs::current_path(d);
        return d;
    }();
    return dir;
}

void writeInstallerFiles(const std::string& dir) {
    // The installer's directories all point at the scratch directory, so a data
    // file the rule file names with a foreign directory is still looked for here.
    bv::IniProfile settings(dir + "/W5E.ini");
    for (const char* key : {"Gemmested", "Dictionary", "ModelOgVej", "Parametre", "Skabelon"})
        settings.setString("Opsat", key, dir);
    settings.flush();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string& dir = scratchDir();
    static const bool once = (writeInstallerFiles(dir), true);
    (void)once;

    std::string_view rest(reinterpret_cast<const char*>(data), size);
    for (const char* name : kNames) {
        std::size_t cut = rest.find(kSeparator);
        std::string_view part = rest.substr(0, cut);
        std::string path = dir + "/" + name;
        if (!bv::TextFile::writeAtomic(path, part)) return 0;
        rest = cut == std::string_view::npos ? std::string_view() : rest.substr(cut + kSeparator.size());
    }

    EscHost host;
    bv::AppState app(host, bv::AppState::Paths{dir, dir + "/W5E.ini", dir + "/registry.ini"});
    (void)bv::loadRuleFile(app, host, dir + "/rules.skb");
    if (fs::current_path() != dir) bvfuzz::fail("the load left another current directory");

    const int w = app.document.width(), h = app.document.height();
    if (w < 1 || h < 1 || app.route.empty()) return 0;
    app.random.seed(static_cast<unsigned>(size));
    bv::BasicBatch batch(app.fillWorld(), app.counters, app.counters, host);
    bv::KpointModel model(app.document);
    // A few attempts, as a run makes them; Esc (below -200) ends them early.
    int r = 0;
    for (int attempt = 0; attempt < 8 && r <= 0 && r > -200; ++attempt) r = batch.makeBasic(model);
    if (r <= 0) return 0;

    std::string bytes;
    if (!bv::TextFile::read(app.counters.lastBasicPath, bytes)) bvfuzz::fail("saved crossword cannot be read");
    fs::remove(app.counters.lastBasicPath);
    const std::vector<std::string> lines = bv::TextFile::splitLines(bytes);
    if (lines.size() != static_cast<std::size_t>(h) + 1 || lines[0] != std::to_string(w) + "\t" + std::to_string(h))
        bvfuzz::fail("saved crossword has not the document's size", bytes);
    for (std::size_t y = 1; y < lines.size(); ++y)
        if (lines[y].size() != static_cast<std::size_t>(w)) bvfuzz::fail("saved crossword row of another width", bytes);
    return 0;
}
