#include "engine/TvangDialogRecord.h"

#include "engine/Tvang.h"
#include "platform/TextFile.h"

#include <climits>

namespace bv {

TvangDialogRecord openTvangDialog(const TvangSettings& settings, const std::string& tvangPath) {
    TvangDialogRecord r;
    std::string bytes;
    if (TextFile::read(tvangPath, bytes)) {
        for (const std::string& w : Tvang::wordLines(std::move(bytes))) {
            if (!r.words.empty()) r.words += kLineEnd;
            r.words += w;
        }
        if (r.words.size() > TvangDialogRecord::kWordsMax) r.words.resize(TvangDialogRecord::kWordsMax);
    }
    r.useWordFile = settings.useWordFile;
    r.wordFileCount = std::to_string(settings.wordFileCount);
    r.wordFilePath = settings.wordFilePath.substr(0, TvangDialogRecord::kPathMax);
    return r;
}

int tvangCountValue(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    long long v = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        v = v * 10 + (text[i] - '0');
        if (v > INT_MAX) v = static_cast<long long>(INT_MAX) + 1;  // held, never overflows
    }
    if (negative) v = -v;
    if (v > INT_MAX) return INT_MAX;
    if (v < INT_MIN) return INT_MIN;
    return static_cast<int>(v);
}

bool acceptTvangDialog(const TvangDialogRecord& record, TvangSettings& settings, const std::string& tvangPath,
                       Host& host) {
    const std::string field = record.words.substr(0, TvangDialogRecord::kWordsMax);
    std::string text;
    bool first = true;
    for (const std::string& line : TextFile::splitLines(field)) {
        if (!first) text += kLineEnd;
        text += line;
        first = false;
    }
    text += kLineEnd;
    if (!TextFile::writeAtomic(tvangPath, text)) {
        host.report(TvangDialogRecord::kWriteFailedText, TvangDialogRecord::kWriteFailedCaption, Icon::Error);
        return false;
    }
    settings.useWordFile = record.useWordFile;
    settings.wordFileCount = tvangCountValue(record.wordFileCount.substr(0, TvangDialogRecord::kCountMax));
    settings.wordFilePath = record.wordFilePath.substr(0, TvangDialogRecord::kPathMax);
    return true;
}

bool browseTvangDialog(TvangDialogRecord& record, Host& host) {
    auto chosen = host.chooseFile(TvangDialogRecord::kBrowseCaption, "", false);
    if (!chosen) return false;
    record.wordFilePath = chosen->substr(0, TvangDialogRecord::kPathMax);
    return true;
}

void helpTvangDialog(Host& host) {
    host.report(TvangDialogRecord::kHelpText, TvangDialogRecord::kHelpCaption, Icon::Information);
}

}  // namespace bv
