// brisvane-cli dict: build dictionary files from word lists and question them.
//
//   dict import [--language N] [-o OUT.dic] FILE...   new dictionary from files, saved as .dic
//   dict info FILE                                     per-length statistics
//   dict grep FILE PATTERN                             words that fit a pattern (. or ? unknown)
//   dict has FILE WORD...                              exit 0 when every word is stored
//
// Words and patterns typed on the command line are UTF-8 and are converted to
// Windows-1252 before the language sees them; output goes back as UTF-8.
#include "cli/CliCommands.h"
#include "dictionary/BogPoint.h"
#include "dictionary/WordFiles.h"
#include "platform/Cp1252.h"

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace bv::cli {

namespace {

namespace fs = std::filesystem;

struct DictOptions {
    int language = Language::kSpanish;
    std::string output;
    std::vector<std::string> files;
    std::string file;
    std::string pattern;
    std::vector<std::string> words;
    long long seed = -1;
};

std::int64_t fileBytes(const std::string& path) {
    std::error_code ec;
    auto n = fs::file_size(path, ec);
    return ec ? 0 : static_cast<std::int64_t>(n);
}

// One line per file on stderr: what was read and what the language could not take.
void printSummary(const std::string& path, const LoadSummary& s) {
    std::int64_t others = s.words - s.stored - s.unknown - s.unfit;
    std::fprintf(stderr, "%s: %lld words read, %lld stored", path.c_str(), static_cast<long long>(s.words),
                 static_cast<long long>(s.stored));
    if (others > 0) std::fprintf(stderr, ", %lld already stored", static_cast<long long>(others));
    if (s.unfit > 0) std::fprintf(stderr, ", %lld skipped for their length", static_cast<long long>(s.unfit));
    if (s.unknown > 0)
        std::fprintf(stderr, ", %lld skipped with letters the language cannot take (first: %s)",
                     static_cast<long long>(s.unknown), s.firstUnknown.c_str());
    std::fprintf(stderr, "\n");
}

// Reads a dictionary the way the Open command does: sized from the file.
std::unique_ptr<BogPoint> openDictionary(CliContext& ctx, const Language& language, const std::string& path) {
    if (!fs::exists(path)) {
        ctx.host.report(path, "Cannot find file", Icon::Error);
        return nullptr;
    }
    auto dict = std::make_unique<BogPoint>(BogPoint::sizeForFile(fileBytes(path)), language, ctx.host);
    LoadSummary s;
    s.quiet = true;
    if (!loadWordFile(*dict, path, &s)) return nullptr;
    if (s.unknown > 0) printSummary(path, s);
    return dict;
}

void runImport(CliContext& ctx, const DictOptions& o) {
    Language language;
    language.setLanguage(o.language, ctx.host);
    std::int64_t bytes = 0;
    for (const auto& f : o.files) {
        if (!fs::exists(f)) {
            ctx.host.report(f, "Cannot find file", Icon::Error);
            ctx.exitCode = 1;
            return;
        }
        bytes += fileBytes(f);
    }
    BogPoint dict(BogPoint::sizeForFile(bytes), language, ctx.host);
    for (const auto& f : o.files) {
        LoadSummary s;
        s.quiet = true;
        if (!loadWordFile(dict, f, &s)) {
            ctx.exitCode = 1;
            return;
        }
        printSummary(f, s);
    }
    std::string out = o.output;
    if (out.empty()) out = fs::path(o.files.front()).stem().string() + ".dic";
    Random random;
    if (o.seed >= 0)
        random.seed(static_cast<std::uint32_t>(o.seed));
    else
        random.seedFromClock();
    if (!saveDicFile(dict, out, random)) {
        ctx.exitCode = 1;
        return;
    }
    std::fprintf(stderr, "%s: %lld words\n", out.c_str(), static_cast<long long>(dict.wordCount()));
}

void runInfo(CliContext& ctx, const DictOptions& o) {
    Language language;
    language.setLanguage(o.language, ctx.host);
    auto dict = openDictionary(ctx, language, o.file);
    if (!dict) {
        ctx.exitCode = 1;
        return;
    }
    std::printf("%s\n", dict->statistics().c_str());
}

void runGrep(CliContext& ctx, const DictOptions& o) {
    Language language;
    language.setLanguage(o.language, ctx.host);
    const std::string pattern = Cp1252::fromUtf8(o.pattern);
    if (pattern.size() < BogPoint::kMinLength || pattern.size() > BogPoint::kMaxLength) {
        std::fprintf(stderr, "the pattern must have 2 to 25 characters\n");
        ctx.exitCode = 2;
        return;
    }
    // A character that is neither a letter nor an unknown-letter mark would cut
    // the search short without a word; refuse the pattern instead.
    for (char c : pattern) {
        if (c != ' ' && c != '.' && c != '?' && language.codeOf(static_cast<unsigned char>(c)) == 0) {
            std::fprintf(stderr, "the pattern has a character the language does not know: %s\n",
                         Cp1252::toUtf8(std::string(1, c)).c_str());
            ctx.exitCode = 2;
            return;
        }
    }
    auto dict = openDictionary(ctx, language, o.file);
    if (!dict) {
        ctx.exitCode = 1;
        return;
    }
    Rotor rotor;
    std::printf("%s\n", Cp1252::toUtf8(dict->grepText(rotor, pattern)).c_str());
}

void runHas(CliContext& ctx, const DictOptions& o) {
    Language language;
    language.setLanguage(o.language, ctx.host);
    auto dict = openDictionary(ctx, language, o.file);
    if (!dict) {
        ctx.exitCode = 1;
        return;
    }
    bool all = true;
    for (const auto& w : o.words) {
        bool has = dict->hasWord(Cp1252::fromUtf8(w));
        std::printf("%s\t%s\n", w.c_str(), has ? "yes" : "no");
        all = all && has;
    }
    ctx.exitCode = all ? 0 : 1;
}

}  // namespace

void addDictCommands(CLI::App& app, CliContext& ctx) {
    auto opts = std::make_shared<DictOptions>();
    CLI::App* dict = app.add_subcommand("dict", "Build dictionary files (.dic) and search them");
    dict->require_subcommand(1);
    auto addLanguage = [&](CLI::App* sub) {
        sub->add_option("--language", opts->language,
                        "Language number: 0 Danish, 2 German, 3 Swedish, 4 Norwegian, 5 Icelandic, "
                        "9 Spanish, 10 English")
            ->capture_default_str();
    };

    CLI::App* import = dict->add_subcommand("import", "Make a .dic file from word lists or dictionary files");
    addLanguage(import);
    import->add_option("-o,--output", opts->output, "The .dic file to write (default: first file's name + .dic)");
    import->add_option("--seed", opts->seed, "Seed of the random order and filler (default: the clock)");
    import->add_option("files", opts->files, "Word lists (UTF-8 or Windows-1252) or .dic files")->required();
    import->callback([&ctx, opts] { runImport(ctx, *opts); });

    CLI::App* info = dict->add_subcommand("info", "Show the words per length of a dictionary");
    addLanguage(info);
    info->add_option("file", opts->file, "Dictionary or word list")->required();
    info->callback([&ctx, opts] { runInfo(ctx, *opts); });

    CLI::App* grep = dict->add_subcommand("grep", "List the words that fit a pattern ('.' or '?' for unknown letters)");
    addLanguage(grep);
    grep->add_option("file", opts->file, "Dictionary or word list")->required();
    grep->add_option("pattern", opts->pattern, "Pattern of 2 to 25 characters")->required();
    grep->callback([&ctx, opts] { runGrep(ctx, *opts); });

    CLI::App* has = dict->add_subcommand("has", "Check words; exit 0 when all of them are stored");
    addLanguage(has);
    has->add_option("file", opts->file, "Dictionary or word list")->required();
    has->add_option("words", opts->words, "Words to look up")->required();
    has->callback([&ctx, opts] { runHas(ctx, *opts); });
}

}  // namespace bv::cli
