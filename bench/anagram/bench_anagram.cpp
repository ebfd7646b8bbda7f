// bench_anagram: anagram searches of Spanish phrases of 8, 12 and 16 letters on
// the Spanish dictionary of the build, in the standard mode, with the anagram
// dialog's default limits and with wider ones. Prints one table: answers found,
// answers per second, and the time until the search stopped at its answer limit
// (or "-" when it ended by trying every combination first). The verb mode
// (every answer opens with a verb of data/verbs.txt) is timed beside it.
//
//   bench_anagram [DIC] [--repeat N]
#include "anagram/AnagramSearch.h"
#include "dictionary/BogPoint.h"
#include "dictionary/DictionaryCommands.h"
#include "dictionary/WordFiles.h"
#include "platform/ScriptedHost.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

struct Phrase {
    const char* text;
    int letters;
};

struct Limits {
    const char* name;
    int minLength, maxLength, maxWords, maxAnswers;
};

}  // namespace

int main(int argc, char** argv) {
    std::string dic = std::string(BV_DIC_DIR) + "/spanish.dic";
    int repeat = 3;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "--repeat" && i + 1 < argc)
            repeat = std::max(1, std::atoi(argv[++i]));
        else
            dic = a;
    }

    bv::ScriptedHost host;
    bv::Language language;
    language.setLanguage(bv::Language::kSpanish, host);
    std::unique_ptr<bv::BogPoint> dict;
    auto t0 = Clock::now();
    bv::LoadSummary summary;
    summary.quiet = true;
    if (!std::filesystem::exists(dic) || !bv::DictionaryCommands::open(dict, dic, language, host, &summary)) {
        std::fprintf(stderr, "bench_anagram: cannot read %s (build the 'dictionaries' target first)\n", dic.c_str());
        return 1;
    }
    double loadMs = std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
    std::printf("dictionary %s: %lld words, loaded in %.0f ms\n\n", dic.c_str(),
                static_cast<long long>(dict->wordCount()), loadMs);

    // On tmpfs when there is one, so that the table shows the search and not
    // the disk's flush of the answer file.
    const std::filesystem::path tmp =
        std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : std::filesystem::temp_directory_path();
    const std::string out = (tmp /
                             ("bench-anagram-" + std::to_string(::getpid()) + ".txt"))
                                .string();
    const Phrase phrases[] = {{"casa roja", 8}, {"sol de la tarde", 12}, {"el mar esta en calma", 16}};
    const Limits limits[] = {{"dialog 3-25 w3 a2000", 3, 25, 3, 2000}, {"wide 2-25 w5 a10000", 2, 25, 5, 10000}};

    std::printf("%-22s %3s  %-9s %-22s %8s %10s %12s %14s\n", "phrase", "len", "mode", "limits", "answers",
                "time ms", "answers/s", "to limit ms");
    // The verb mode reads the shipped Spanish verb list once and keeps it.
    bv::Anacon verbs;
    const std::string verbsPath = std::string(BV_SOURCE_DIR) + "/data/verbs.txt";
    for (const Phrase& p : phrases) {
        for (const Limits& l : limits) {
            for (bool verbMode : {false, true}) {
                auto settings = bv::AnagramSettings::checked(l.minLength, l.maxLength, l.maxWords, l.maxAnswers);
                bv::AnagramSearch search(*dict, host, settings, out);
                double best = 1e300;
                bv::AnagramSearch::Result r;
                for (int k = 0; k < repeat; ++k) {
                    auto s = Clock::now();
                    r = verbMode ? search.anagramsWithVerbs(p.text, verbs, verbsPath) : search.anagramsOfText(p.text);
                    best = std::min(best, std::chrono::duration<double, std::milli>(Clock::now() - s).count());
                }
                char toLimit[32] = "-";
                if (r.limitReached) std::snprintf(toLimit, sizeof toLimit, "%.2f", best);
                std::printf("%-22s %3d  %-9s %-22s %8d %10.2f %12.0f %14s\n", p.text, p.letters,
                            verbMode ? "verbs" : "standard", l.name, r.answers, best,
                            best > 0 ? r.answers / (best / 1000.0) : 0.0, toLimit);
            }
        }
    }
    std::filesystem::remove(out);
    return 0;
}
