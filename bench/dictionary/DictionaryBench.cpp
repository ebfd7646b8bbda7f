// bench_dictionary: word-list import, .dic load and the generator's two pattern
// questions on the Debian word lists. Prints one table; each figure is the best
// of a few runs in thread CPU time, since the machine is shared.
//
//   bench_dictionary [--runs N] [--questions N]
#include "dictionary/BogPoint.h"
#include "dictionary/WordFiles.h"
#include "platform/ScriptedHost.h"

#include <ctime>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

using namespace bv;
namespace fs = std::filesystem;

namespace {

// CPU time of this thread: the machine is shared, and wall time would count
// the time other processes had the core.
double cpuSeconds() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

template <class F>
double best(int runs, F&& f) {
    double b = 1e30;
    for (int i = 0; i < runs; ++i) {
        double t0 = cpuSeconds();
        f();
        b = std::min(b, cpuSeconds() - t0);
    }
    return b;
}

void row(const char* what, double value, const char* unit, const char* note = "") {
    std::printf("| %-44s | %14.0f | %-10s | %s\n", what, value, unit, note);
}

struct Source {
    const char* name;
    int language;
    const char* path;
};

std::int64_t memoryBytes(const BogPoint& d) {
    std::int64_t b = 0;
    for (int len = 2; len <= 25; ++len) b += d.ordstribe(len).reservedBytes();
    return b;
}

// Patterns as a generator meets them: a stored word of a crossword-like length
// with some letters known (each kept with probability 1/2, at least one).
struct Question {
    std::string codes;     // letter codes and blanks
    std::string external;  // the same pattern in external form
    int position;          // a blank position (for lettersAt)
};

std::vector<Question> makeQuestions(const BogPoint& d, int count, Random& r) {
    std::vector<std::string> words;
    Random order(7);
    d.forEachWord([&](const char* c) {
        int n = static_cast<int>(std::strlen(c));
        if (n >= 3 && n <= 12) words.emplace_back(c);
        return true;
    }, order);
    std::vector<Question> qs;
    while (static_cast<int>(qs.size()) < count && !words.empty()) {
        std::string w = words[static_cast<std::size_t>(r.next() * 32768 + r.next()) % words.size()];
        std::string pat = w;
        int known = 0;
        for (char& c : pat) {
            if (r.next() & 1) c = ' ';
            else ++known;
        }
        if (known == 0 || known == static_cast<int>(w.size())) continue;
        int pos;
        do pos = r.below(static_cast<int>(w.size()));
        while (pat[pos] != ' ');
        std::string ext(pat.size(), ' ');
        for (std::size_t i = 0; i < pat.size(); ++i) ext[i] = pat[i] == ' ' ? '.' : d.language().externalOf(pat[i]);
        qs.push_back({pat, ext, pos});
    }
    return qs;
}

}  // namespace

int main(int argc, char** argv) {
    int runs = 5, nQuestions = 200000;
    for (int i = 1; i + 1 < argc; ++i) {
        if (!std::strcmp(argv[i], "--runs")) runs = std::atoi(argv[++i]);
        else if (!std::strcmp(argv[i], "--questions")) nQuestions = std::atoi(argv[++i]);
    }
    const Source sources[] = {{"spanish", 9, "/usr/share/dict/spanish"}, {"danish", 0, "/usr/share/dict/danish"}};
    std::printf("| %-44s | %14s | %-10s |\n", "measure", "value", "unit");
    std::printf("|%s|%s|%s|\n", std::string(46, '-').c_str(), std::string(16, '-').c_str(), std::string(12, '-').c_str());
    const std::string tmp = (fs::temp_directory_path() / "bench_dictionary.dic").string();
    for (const Source& src : sources) {
        if (!fs::exists(src.path)) {
            std::printf("| %-44s | %14s | %-10s |\n", src.path, "missing", "");
            continue;
        }
        Language language;
        ScriptedHost host;
        language.setLanguage(src.language, host);
        const std::int64_t n = BogPoint::sizeForFile(static_cast<std::int64_t>(fs::file_size(src.path)));
        LoadSummary summary;
        std::int64_t stored = 0;
        double t = best(runs, [&] {
            BogPoint d(n, language, host);
            LoadSummary s;
            s.quiet = true;
            loadWordFile(d, src.path, &s);
            summary = s;
            stored = d.wordCount();
        });
        std::string label = std::string(src.name) + " list import (" + std::to_string(summary.words) + " lines)";
        row(label.c_str(), summary.words / t, "words/s");
        row((std::string(src.name) + " list import, whole file").c_str(), t * 1000, "ms");

        BogPoint d(n, language, host);
        LoadSummary s;
        s.quiet = true;
        loadWordFile(d, src.path, &s);
        Random random(1);
        saveDicFile(d, tmp, random);
        t = best(runs, [&] {
            BogPoint back(n, language, host);
            loadWordFile(back, tmp);
        });
        row((std::string(src.name) + " .dic load").c_str(), stored / t, "words/s");
        t = best(runs, [&] { saveDicFile(d, tmp, random); });
        row((std::string(src.name) + " .dic save").c_str(), stored / t, "words/s");
        std::int64_t letters = 0;
        Random order(1);
        d.forEachWord([&](const char* c) { letters += static_cast<std::int64_t>(std::strlen(c)); return true; }, order);
        row((std::string(src.name) + " memory per word (reserved)").c_str(),
            static_cast<double>(memoryBytes(d)) / static_cast<double>(stored), "bytes",
            ("cells in use: " + std::to_string(4 * letters / stored) + " bytes/word").c_str());

        Random qr(12345);
        std::vector<Question> qs = makeQuestions(d, nQuestions, qr);
        std::vector<LetterSet> sets(25, 0xFFFFFFFFu);
        // How long the list is that each question walks (the rarest known letter's).
        std::uint64_t walked = 0, oneKnown = 0;
        for (const Question& q : qs) {
            const Ordstribe& st = d.ordstribe(static_cast<int>(q.codes.size()));
            auto r = st.chooseRarest(q.codes.c_str(), st.length());
            walked += static_cast<std::uint64_t>(st.list(r.p1, q.codes[r.p1]).count);
            oneKnown += r.known == 1;
        }
        std::string walk = "avg list " + std::to_string(walked / std::max<std::size_t>(qs.size(), 1)) + " words, " +
                           std::to_string(100 * oneKnown / std::max<std::size_t>(qs.size(), 1)) + "% one known letter";
        volatile std::uint64_t sink = 0;
        t = best(runs, [&] {
            for (const Question& q : qs) {
                LetterSet set = 0;
                d.lettersAt(q.codes.c_str(), q.position, static_cast<int>(q.codes.size()), set);
                sink = sink + set;
            }
        });
        row((std::string(src.name) + " lettersAt").c_str(), qs.size() / t, "questions/s", walk.c_str());
        Rotor rotor;
        std::uint64_t offered = 0;
        t = best(runs, [&] {
            offered = 0;
            for (const Question& q : qs)
                d.collectCandidates(rotor, static_cast<int>(q.external.size()), q.external, sets.data(),
                                    [&](const char*) { ++offered; return true; });
        });
        row((std::string(src.name) + " collectCandidates").c_str(), qs.size() / t, "questions/s",
            ("avg " + std::to_string(offered / std::max<std::size_t>(qs.size(), 1)) + " candidates").c_str());
        t = best(runs, [&] {
            for (const Question& q : qs) {
                LetterSet set = 0;
                d.lettersAt(q.codes.c_str(), q.position, static_cast<int>(q.codes.size()), set);
                d.collectCandidates(rotor, static_cast<int>(q.external.size()), q.external, sets.data(),
                                    [&](const char*) { return true; });
            }
        });
        row((std::string(src.name) + " lettersAt + collectCandidates").c_str(), 2 * qs.size() / t, "questions/s");
    }
    fs::remove(tmp);
    return 0;
}
