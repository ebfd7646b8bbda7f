#include "anagram/AnagramSettings.h"

namespace bv {

namespace {
int inRange(int v, int low, int high, int fallback) { return v < low || v > high ? fallback : v; }
}  // namespace

AnagramSettings AnagramSettings::checked(int minLength, int maxLength, int maxWords, int maxAnswers) {
    AnagramSettings s;
    s.minLength = inRange(minLength, kMinLengthLow, kMinLengthHigh, kMinLengthFallback);
    s.maxLength = inRange(maxLength, kMaxLengthLow, kMaxLengthHigh, kMaxLengthFallback);
    s.maxWords = inRange(maxWords, kMaxWordsLow, kMaxWordsHigh, kMaxWordsFallback);
    s.maxAnswers = inRange(maxAnswers, kMaxAnswersLow, kMaxAnswersHigh, kMaxAnswersFallback);
    return s;
}

}  // namespace bv
