// brisvane-cli dict: change a dictionary file with the dictionary commands.
//
//   dict add DIC FILE... (-o OUT.dic | --in-place)        add the words of word lists or dictionaries
//   dict subtract DIC FILE... (-o OUT.dic | --in-place)   remove the words the files hold
//   dict join DIC FILE (-o OUT.dic | --in-place)          keep only the words FILE also holds
//   dict new-word DIC WORD... (-o OUT.dic | --in-place)   store single words
//   dict remove-word DIC WORD... (-o OUT.dic | --in-place)
//   dict new --capacity N -o OUT.dic                      an empty dictionary for N words
//
// DIC is read as the Open command reads it (sized by the file). The result is
// written atomically, so an interrupted or failed save never damages DIC.
#include "cli/DictEditCommands.h"

#include "dictionary/BogPoint.h"
#include "dictionary/DictionaryCommands.h"
#include "dictionary/WordFiles.h"
#include "platform/Cp1252.h"
#include "platform/Random.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <system_error>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace bv::cli {

namespace {

namespace fs = std::filesystem;

struct EditOptions {
    std::string dic;
    std::vector<std::string> files;
    std::vector<std::string> words;
    std::string output;
    bool inPlace = false;
    int language = Language::kSpanish;
    long long seed = -1;
    long long capacity = 0;
};

void fail(CliContext& ctx, const std::string& what) {
    std::fprintf(stderr, "brisvane-cli: %s\n", what.c_str());
    ctx.exitCode = 1;
}

void seedRandom(Random& random, long long seed) {
    if (seed >= 0)
        random.seed(static_cast<std::uint32_t>(seed));
    else
        random.seedFromClock();
}

// Where the result goes; empty (and the reason given) when the options do not say.
std::string target(CliContext& ctx, const EditOptions& o) {
    if (o.inPlace == !o.output.empty()) {
        fail(ctx, "give either -o OUT.dic or --in-place");
        return {};
    }
    std::string out = o.inPlace ? o.dic : o.output;
    if (!DictionaryCommands::savesExtension(out)) {
        fail(ctx, out + ": a dictionary is saved only under a name ending in .dic or .DIC");
        return {};
    }
    return out;
}

// Writes beside the target and renames, so the target is whole or untouched.
bool saveAtomic(CliContext& ctx, const BogPoint& dict, const std::string& out, Random& random) {
    fs::path dir = fs::path(out).parent_path();
    std::string tmpl = (dir.empty() ? fs::path(".") : dir).string() + "/.bv-dic-XXXXXX";
    int fd = ::mkstemp(tmpl.data());
    if (fd < 0) {
        fail(ctx, "cannot write in the directory of " + out);
        return false;
    }
    ::close(fd);
    if (!saveDicFile(dict, tmpl, random)) {
        std::error_code ec;
        fs::remove(tmpl, ec);
        fail(ctx, "cannot write " + out);
        return false;
    }
    ::chmod(tmpl.c_str(), 0644);
    std::error_code ec;
    fs::rename(tmpl, out, ec);
    if (ec) {
        fs::remove(tmpl, ec);
        fail(ctx, "cannot replace " + out);
        return false;
    }
    return true;
}

struct Session {
    Language language;
    std::unique_ptr<BogPoint> dict;
    Random random;
};

// Reads DIC as Open does; words the language cannot take are counted, not
// reported one by one.
bool openDic(CliContext& ctx, const EditOptions& o, Session& s) {
    s.language.setLanguage(o.language, ctx.host);
    seedRandom(s.random, o.seed);
    if (!DictionaryCommands::readsExtension(o.dic)) {
        fail(ctx, o.dic + ": a dictionary is read only from a name ending in .dic, .DIC, .txt or .TXT");
        return false;
    }
    LoadSummary summary;
    summary.quiet = true;
    if (!DictionaryCommands::open(s.dict, o.dic, s.language, ctx.host, &summary) || !s.dict) {
        ctx.exitCode = 1;
        return false;
    }
    if (summary.unknown > 0)
        std::fprintf(stderr, "%s: %lld words skipped with letters the language cannot take (first: %s)\n",
                     o.dic.c_str(), static_cast<long long>(summary.unknown), summary.firstUnknown.c_str());
    return true;
}

bool checkFiles(CliContext& ctx, const std::vector<std::string>& files) {
    for (const auto& f : files) {
        if (!DictionaryCommands::readsExtension(f)) {
            fail(ctx, f + ": only files ending in .txt, .TXT, .dic or .DIC are read");
            return false;
        }
        if (!fs::exists(f)) {
            ctx.host.report(f, DictionaryCommands::kMissingFileCaption, Icon::Error);
            ctx.exitCode = 1;
            return false;
        }
    }
    return true;
}

void finish(CliContext& ctx, Session& s, const std::string& out, std::int64_t before) {
    if (!saveAtomic(ctx, *s.dict, out, s.random)) return;
    std::fprintf(stderr, "%s: %lld words (%+lld)\n", out.c_str(), static_cast<long long>(s.dict->wordCount()),
                 static_cast<long long>(s.dict->wordCount() - before));
}

void runFiles(CliContext& ctx, const EditOptions& o, const std::string& what) {
    std::string out = target(ctx, o);
    if (out.empty() || !checkFiles(ctx, o.files)) return;
    Session s;
    if (!openDic(ctx, o, s)) return;
    const std::int64_t before = s.dict->wordCount();
    for (const auto& f : o.files) {
        bool done = true;
        if (what == "add") {
            LoadSummary summary;
            summary.quiet = true;
            done = DictionaryCommands::add(*s.dict, f, &summary);
            if (summary.unknown > 0)
                std::fprintf(stderr, "%s: %lld words skipped with letters the language cannot take (first: %s)\n",
                             f.c_str(), static_cast<long long>(summary.unknown), summary.firstUnknown.c_str());
        } else if (what == "subtract") {
            done = DictionaryCommands::subtract(*s.dict, f);
        } else {
            done = DictionaryCommands::join(s.dict, f, s.random);
        }
        if (!done) {
            fail(ctx, f + ": cannot be read; nothing written");
            return;
        }
    }
    finish(ctx, s, out, before);
}

void runWords(CliContext& ctx, const EditOptions& o, bool adding) {
    std::string out = target(ctx, o);
    if (out.empty()) return;
    Session s;
    if (!openDic(ctx, o, s)) return;
    const std::int64_t before = s.dict->wordCount();
    for (const auto& w : o.words) {
        std::string word = Cp1252::fromUtf8(w);
        if (adding)
            DictionaryCommands::registerWord(*s.dict, word);
        else
            DictionaryCommands::deleteWord(*s.dict, word);
    }
    finish(ctx, s, out, before);
}

void runNew(CliContext& ctx, const EditOptions& o) {
    if (!DictionaryCommands::savesExtension(o.output)) {
        fail(ctx, o.output + ": a dictionary is saved only under a name ending in .dic or .DIC");
        return;
    }
    // A number typed here is not cut to the dialog's seven digits.
    if (o.capacity < DictionaryCommands::kNewSizeLow || o.capacity > DictionaryCommands::kNewSizeHigh) {
        ctx.host.report(DictionaryCommands::rangeMessage(), DictionaryCommands::kRangeCaption, Icon::Error);
        ctx.exitCode = 1;
        return;
    }
    Session s;
    s.language.setLanguage(o.language, ctx.host);
    seedRandom(s.random, o.seed);
    if (!DictionaryCommands::newDictionary(s.dict, std::to_string(o.capacity), s.language, ctx.host)) {
        ctx.exitCode = 1;
        return;
    }
    finish(ctx, s, o.output, 0);
}

CLI::App* dictCommand(CLI::App& app) {
    try {
        return app.get_subcommand("dict");
    } catch (const CLI::OptionNotFound&) {
        CLI::App* dict = app.add_subcommand("dict", "Dictionary files: build, question and change them");
        dict->require_subcommand(1);
        return dict;
    }
}

void common(CLI::App* cmd, EditOptions& o, bool output) {
    cmd->add_option("--language", o.language, "Language number of the words (9 Spanish, 0 Danish, 10 English, ...)")
        ->capture_default_str();
    cmd->add_option("--seed", o.seed, "Seed of the random filler of the saved file (default: the clock)");
    if (output) {
        auto* out = cmd->add_option("-o,--output", o.output, "Dictionary file to write (.dic or .DIC)");
        auto* in = cmd->add_flag("--in-place", o.inPlace, "Replace DIC itself (atomically)");
        out->excludes(in);
    }
}

}  // namespace

void addDictEditCommands(CLI::App& app, CliContext& ctx) {
    CLI::App* dict = dictCommand(app);
    auto o = std::make_shared<EditOptions>();

    struct FileCommand {
        const char* name;
        const char* help;
    };
    for (const FileCommand& fc :
         {FileCommand{"add", "Add the words of word lists or dictionary files to a dictionary"},
          FileCommand{"subtract", "Remove from a dictionary the words that files hold"},
          FileCommand{"join", "Keep only the words that a file also holds (through bygtmp.dic in the working directory)"}}) {
        CLI::App* cmd = dict->add_subcommand(fc.name, fc.help);
        cmd->add_option("DIC", o->dic, "Dictionary to change (.dic, .DIC, .txt or .TXT)")->required();
        auto* files = cmd->add_option("FILE", o->files, "Word list or dictionary file")->required();
        if (std::string(fc.name) == "join") files->expected(1);
        common(cmd, *o, true);
        std::string what = fc.name;
        cmd->callback([&ctx, o, what] { runFiles(ctx, *o, what); });
    }

    CLI::App* newWord = dict->add_subcommand("new-word", "Store single words in a dictionary");
    newWord->add_option("DIC", o->dic, "Dictionary to change")->required();
    newWord->add_option("WORD", o->words, "Words (UTF-8)")->required();
    common(newWord, *o, true);
    newWord->callback([&ctx, o] { runWords(ctx, *o, true); });

    CLI::App* removeWord = dict->add_subcommand("remove-word", "Remove single words from a dictionary");
    removeWord->add_option("DIC", o->dic, "Dictionary to change")->required();
    removeWord->add_option("WORD", o->words, "Words (UTF-8)")->required();
    common(removeWord, *o, true);
    removeWord->callback([&ctx, o] { runWords(ctx, *o, false); });

    CLI::App* fresh = dict->add_subcommand("new", "Write an empty dictionary with room for N words");
    fresh->add_option("--capacity", o->capacity, "Words to make room for (1000 to 2000000)")->required();
    fresh->add_option("-o,--output", o->output, "Dictionary file to write (.dic or .DIC)")->required();
    common(fresh, *o, false);
    fresh->callback([&ctx, o] { runNew(ctx, *o); });
}

}  // namespace bv::cli
