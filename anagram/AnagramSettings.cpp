#include "anagram/AnagramSettings.h"

namespace bv {

namespace {
int inRange(int v, int low, int high, int fallback) { return v < low || v > high ? fallback : v; }

int leadingNumber(std::string_view text, std::size_t width) {
    text = text.substr(0, width);
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    int n = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) n = n * 10 + (text[i] - '0');
    return n;
}
}  // namespace

AnagramSettings AnagramSettings::checked(int minLength, int maxLength, int maxWords, int maxAnswers) {
    AnagramSettings s;
    s.minLength = inRange(minLength, kMinLengthLow, kMinLengthHigh, kMinLengthFallback);
    s.maxLength = inRange(maxLength, kMaxLengthLow, kMaxLengthHigh, kMaxLengthFallback);
    s.maxWords = inRange(maxWords, kMaxWordsLow, kMaxWordsHigh, kMaxWordsFallback);
    s.maxAnswers = inRange(maxAnswers, kMaxAnswersLow, kMaxAnswersHigh, kMaxAnswersFallback);
    return s;
}

AnagramSettings AnagramSettings::fromTexts(std::string_view minLength, std::string_view maxLength,
                                           std::string_view maxWords, std::string_view maxAnswers) {
    return checked(leadingNumber(minLength, 3), leadingNumber(maxLength, 3), leadingNumber(maxWords, 3),
                   leadingNumber(maxAnswers, 5));
}

}  // namespace bv
