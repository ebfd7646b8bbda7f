#include "dictionary/DictionaryCommands.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

namespace bv {

namespace {

std::string_view extensionOf(std::string_view path) {
    auto dot = path.rfind('.');
    return dot == std::string_view::npos ? std::string_view() : path.substr(dot);
}

std::string fieldText(std::string_view word) { return std::string(word.substr(0, DictionaryCommands::kWordField)); }

// The join trusts its intermediate file only when the filter wrote it: it
// exists and opens with the dictionary-file marker.
bool startsAsDicFile(const std::string& path) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return false;
    int first = std::fgetc(f);
    std::fclose(f);
    return first == '=';
}

}  // namespace

bool DictionaryCommands::readsExtension(std::string_view path) {
    std::string_view ext = extensionOf(path);
    return ext == ".txt" || ext == ".TXT" || ext == ".dic" || ext == ".DIC";
}

bool DictionaryCommands::savesExtension(std::string_view path) {
    std::string_view ext = extensionOf(path);
    return ext == ".dic" || ext == ".DIC";
}

std::optional<std::string> DictionaryCommands::chooseFile(Host& host, std::string_view caption, bool forSaving,
                                                          std::string& fileName) {
    std::optional<std::string> chosen = host.chooseFile(caption, kFileFilter, forSaving);
    if (chosen) fileName = *chosen;
    return chosen;
}

bool DictionaryCommands::open(std::unique_ptr<BogPoint>& current, const std::string& path, const Language& language,
                              Host& host, LoadSummary* summary) {
    std::error_code ec;
    auto size = std::filesystem::file_size(path, ec);
    if (ec || !std::filesystem::is_regular_file(path, ec)) {
        host.report(path, kMissingFileCaption, Icon::Error);
        return false;
    }
    const std::int64_t n = BogPoint::sizeForFile(static_cast<std::int64_t>(size));
    current.reset();
    current = std::make_unique<BogPoint>(n, language, host);
    if (readsExtension(path)) loadWordFile(*current, path, summary);
    return true;
}

bool DictionaryCommands::add(BogPoint& current, const std::string& path, LoadSummary* summary) {
    if (!readsExtension(path)) return false;
    return loadWordFile(current, path, summary);
}

bool DictionaryCommands::subtract(BogPoint& current, const std::string& path) {
    if (!readsExtension(path)) return false;
    subtractWordFile(current, path);
    return true;
}

bool DictionaryCommands::join(std::unique_ptr<BogPoint>& current, const std::string& path, Random& random,
                              const std::string& joinFile) {
    if (!readsExtension(path)) return false;
    // A stale intermediate file from an earlier join must never stand in for
    // this one, nor a cut-off one for a whole one: if the filter cannot write
    // it completely, the dictionary is kept.
    std::error_code ec;
    std::filesystem::remove(joinFile, ec);
    if (!filterWordFile(*current, path, joinFile, random)) return false;
    if (!startsAsDicFile(joinFile)) return false;

    const Language& language = current->language();
    Host& host = current->host();
    current.reset();
    current = std::make_unique<BogPoint>(kJoinSize, language, host);
    loadWordFile(*current, joinFile);
    return true;
}

bool DictionaryCommands::save(const BogPoint& current, const std::string& path, Random& random) {
    if (!savesExtension(path)) return false;
    return saveDicFile(current, path, random);
}

void DictionaryCommands::information(const BogPoint& current, Host& host) {
    host.report(current.statistics(), kInformationCaption, Icon::Information);
}

void DictionaryCommands::registerWord(BogPoint& current, std::string_view word) {
    std::string w = fieldText(word);
    if (w.empty()) return;
    current.addWord(w);
}

void DictionaryCommands::testWord(BogPoint& current, std::string_view word, Host& host) {
    std::string w = fieldText(word);
    if (w.empty()) return;
    bool stored = current.hasWord(w);
    host.report(kTestText, stored ? kTestFoundCaption : kTestMissingCaption, Icon::Information);
}

void DictionaryCommands::deleteWord(BogPoint& current, std::string_view word) {
    std::string w = fieldText(word);
    if (w.empty()) return;
    if (current.hasWord(w)) current.removeWord(w);
}

std::int64_t DictionaryCommands::readNumber(std::string_view entry) {
    std::size_t i = 0;
    while (i < entry.size() && (entry[i] == ' ' || entry[i] == '\t')) ++i;
    std::int64_t n = 0;
    for (; i < entry.size() && entry[i] >= '0' && entry[i] <= '9' && n < kNewSizeHigh * 10; ++i)
        n = n * 10 + (entry[i] - '0');
    return n;
}

std::string DictionaryCommands::rangeMessage() {
    char text[160];
    std::snprintf(text, sizeof text, "El valor de %s debe ser entre %d y %d", std::string(kRangeName).c_str(),
                  static_cast<int>(kNewSizeLow), static_cast<int>(kNewSizeHigh));
    return text;
}

bool DictionaryCommands::newDictionary(std::unique_ptr<BogPoint>& current, std::string_view entry,
                                       const Language& language, Host& host) {
    std::int64_t n = readNumber(entry.substr(0, kNewSizeField));
    if (n < kNewSizeLow || n > kNewSizeHigh) {
        host.report(rangeMessage(), kRangeCaption, Icon::Error);
        return false;
    }
    current.reset();
    current = std::make_unique<BogPoint>(n, language, host);
    host.report(kNewDoneText, kNewDoneCaption, Icon::Information);
    return true;
}

bool DictionaryCommands::newDictionary(std::unique_ptr<BogPoint>& current, const Language& language, Host& host) {
    std::string entry(kNewInitial);
    for (;;) {
        std::optional<std::string> typed = host.inputLine(kNewPrompt, kNewTitle, entry);
        if (!typed) return false;
        entry = typed->substr(0, kNewSizeField);
        if (newDictionary(current, entry, language, host)) return true;
    }
}

}  // namespace bv
