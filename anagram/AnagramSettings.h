#pragma once
// AnagramSettings: the limits of one anagram search, as the anagram dialog (or
// the command line) gives them. A value outside its accepted range is replaced
// by the range's fallback, never rejected.
#include <string_view>

namespace bv {

struct AnagramSettings {
    static constexpr int kMinLengthLow = 1, kMinLengthHigh = 5, kMinLengthFallback = 1;
    static constexpr int kMaxLengthLow = 4, kMaxLengthHigh = 25, kMaxLengthFallback = 25;
    static constexpr int kMaxAnswersLow = 1000, kMaxAnswersHigh = 10000, kMaxAnswersFallback = 2000;
    static constexpr int kMaxWordsLow = 1, kMaxWordsHigh = 15, kMaxWordsFallback = 6;

    int minLength = 1;      // shortest word used
    int maxLength = 25;     // longest word used
    int maxAnswers = 1000;  // answers after which the search stops (it writes one more)
    int maxWords = 10;      // most words in one answer

    // The settings a search takes from the four values read from the dialog.
    static AnagramSettings checked(int minLength, int maxLength, int maxWords, int maxAnswers);
    // The same from the texts the dialog's lists show: the first 3 characters
    // (5 for the answers) read as a decimal number, no digits giving 0.
    static AnagramSettings fromTexts(std::string_view minLength, std::string_view maxLength,
                                     std::string_view maxWords, std::string_view maxAnswers);
};

}  // namespace bv
