// brisvane-cli anagram: the anagram search from a terminal.
//
//   anagram --dic DIC [--language N] [--min 1..5] [--max 4..25] [--words 1..15]
//           [--answers 1000..10000] [--given WORDS | --verbs [FILE] | --list FILE]
//           [-o FILE] TEXT...
//
// Writes "anagram.txt" in the working directory (or FILE), and prints it when
// stdout is a terminal. Ctrl-C (SIGINT), SIGTERM or the terminal closing (SIGHUP) ends a
// long search early; the answers found so far are kept and the file is always whole.
#include "anagram/AnagramSearch.h"
#include "anagram/Anacon.h"
#include "cli/CliCommands.h"
#include "cli/DictEditCommands.h"
#include "dictionary/BogPoint.h"
#include "dictionary/DictionaryCommands.h"
#include "dictionary/WordFiles.h"
#include "platform/Cp1252.h"
#include "platform/TextFile.h"

#include <atomic>
#include <csignal>
#include <cstdio>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

namespace bv::cli {

namespace {

// Set by SIGINT while a search runs; read by the search between words.
std::atomic<bool> interruptRequested{false};
static_assert(std::atomic<bool>::is_always_lock_free, "the SIGINT handler needs a lock-free flag");

extern "C" void onInterrupt(int) { interruptRequested.store(true, std::memory_order_relaxed); }

// Installs the handler for SIGINT (Ctrl-C), SIGTERM and SIGHUP (the terminal
// closed) for its lifetime and restores the previous ones.
class InterruptGuard {
public:
    InterruptGuard() {
        interruptRequested = false;
        struct sigaction sa {};
        sa.sa_handler = onInterrupt;
        sigemptyset(&sa.sa_mask);
        sigaction(SIGINT, &sa, &oldInt_);
        sigaction(SIGTERM, &sa, &oldTerm_);
        sigaction(SIGHUP, &sa, &oldHup_);
    }
    ~InterruptGuard() {
        sigaction(SIGINT, &oldInt_, nullptr);
        sigaction(SIGTERM, &oldTerm_, nullptr);
        sigaction(SIGHUP, &oldHup_, nullptr);
    }
    InterruptGuard(const InterruptGuard&) = delete;
    InterruptGuard& operator=(const InterruptGuard&) = delete;

private:
    struct sigaction oldInt_ {};
    struct sigaction oldTerm_ {};
    struct sigaction oldHup_ {};
};

struct AnagramOptions {
    std::string dic;
    int language = Language::kSpanish;
    // The anagram dialog's shown values.
    int minLength = 3;
    int maxLength = 25;
    int maxWords = 3;
    int maxAnswers = 2000;
    std::string given;
    std::string verbs;
    std::string list;
    std::string output = std::string(AnagramSearch::kDefaultOutput);
    std::vector<std::string> text;
};

std::string joined(const std::vector<std::string>& parts) {
    std::string s;
    for (const auto& p : parts) {
        if (!s.empty()) s += ' ';
        s += p;
    }
    return s;
}

void run(CliContext& ctx, const AnagramOptions& o, bool verbMode, bool givenMode) {
    Language language;
    language.setLanguage(o.language, ctx.host);
    if (!DictionaryCommands::readsExtension(o.dic)) {
        std::fprintf(stderr, "brisvane-cli: %s: a dictionary is read only from .dic, .DIC, .txt or .TXT\n",
                     o.dic.c_str());
        ctx.exitCode = 1;
        return;
    }
    std::unique_ptr<BogPoint> dict;
    LoadSummary summary;
    summary.quiet = true;
    if (!DictionaryCommands::open(dict, o.dic, language, ctx.host, &summary) || !dict) {
        ctx.exitCode = 1;
        return;
    }

    const AnagramSettings settings = AnagramSettings::checked(o.minLength, o.maxLength, o.maxWords, o.maxAnswers);
    AnagramSearch search(*dict, ctx.host, settings, o.output);
    const std::string text = Cp1252::fromUtf8(joined(o.text));

    AnagramSearch::Result r;
    {
        InterruptGuard guard;
        search.setStopFlag(&interruptRequested);
        if (givenMode) {
            r = search.anagramsWithWords(text, Cp1252::fromUtf8(o.given));
        } else if (verbMode || !o.list.empty()) {
            Anacon list;
            const std::string path =
                verbMode ? (o.verbs.empty() ? std::string(AnagramSearch::kVerbsFile) : o.verbs) : o.list;
            if (::access(path.c_str(), R_OK) != 0)
                std::fprintf(stderr, "brisvane-cli: word list %s cannot be read\n", path.c_str());
            r = verbMode ? search.anagramsWithVerbs(text, list, path) : search.anagramsWithWordFile(text, list, path);
        } else {
            r = search.anagramsOfText(text);
        }
    }

    switch (r.outcome) {
        case AnagramSearch::Outcome::GivenNotInText:
            ctx.exitCode = 1;
            return;
        case AnagramSearch::Outcome::NoFile:
            std::fprintf(stderr, "brisvane-cli: cannot write %s\n", o.output.c_str());
            ctx.exitCode = 1;
            return;
        case AnagramSearch::Outcome::NotFound:
        case AnagramSearch::Outcome::Answers:
            break;
    }

    if (::isatty(STDOUT_FILENO)) {
        std::string bytes;
        if (TextFile::read(o.output, bytes)) {
            std::string shown;
            for (char c : Cp1252::toUtf8(bytes))
                if (c != '\r') shown += c;
            std::fputs(shown.c_str(), stdout);
            if (!shown.empty() && shown.back() != '\n') std::fputc('\n', stdout);
        }
    }
    std::fprintf(stderr, "%d answer%s written to %s%s\n", r.answers, r.answers == 1 ? "" : "s", o.output.c_str(),
                 r.interrupted    ? " (interrupted: the answers found so far)"
                 : r.limitReached ? " (stopped at the answer limit)"
                                  : "");
    if (r.interrupted) ctx.exitCode = 130;
}

}  // namespace

void addAnagramCommands(CLI::App& app, CliContext& ctx) {
    addDictEditCommands(app, ctx);

    auto o = std::make_shared<AnagramOptions>();
    CLI::App* cmd = app.add_subcommand("anagram", "Find anagrams of a text in a dictionary; writes anagram.txt");
    cmd->add_option("--dic", o->dic, "Dictionary file (.dic, .DIC, .txt or .TXT)")->required();
    cmd->add_option("--language", o->language, "Language number (9 Spanish, 0 Danish, 5 Icelandic, 10 English, ...)")
        ->capture_default_str();
    cmd->add_option("--min", o->minLength, "Shortest word used")->check(CLI::Range(1, 5))->capture_default_str();
    cmd->add_option("--max", o->maxLength, "Longest word used")->check(CLI::Range(4, 25))->capture_default_str();
    cmd->add_option("--words", o->maxWords, "Most words in one answer")->check(CLI::Range(1, 15))->capture_default_str();
    cmd->add_option("--answers", o->maxAnswers, "Answers after which the search stops (it writes one more)")
        ->check(CLI::Range(1000, 10000))
        ->capture_default_str();
    auto* given = cmd->add_option("--given", o->given, "Words every answer must contain (they count as one word)");
    auto* verbs = cmd->add_option("--verbs", o->verbs,
                                  "Every answer starts with a word of this list (default verbs.txt in the working "
                                  "directory; data/verbs.txt ships a Spanish one). Write --verbs=FILE, or put "
                                  "--verbs after TEXT, so that it does not take the text's first word")
                      ->expected(0, 1);
    auto* list = cmd->add_option("--list", o->list, "Every answer starts with a word of this word list");
    given->excludes(verbs)->excludes(list);
    verbs->excludes(list);
    cmd->add_option("-o,--output", o->output, "Answer file")->capture_default_str();
    cmd->add_option("TEXT", o->text, "The text to rearrange (names, words or a sentence)")->required();
    cmd->callback([&ctx, o, given, verbs] { run(ctx, *o, verbs->count() > 0, given->count() > 0); });
}

}  // namespace bv::cli
