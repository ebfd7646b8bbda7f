#pragma once
// TvangSettings: the three settings of "Generar con palabras obligatorias...",
// held while the program runs and never stored when it ends. Owned by the
// application state (or a test or the command line) and borrowed by the dialog
// effects (TvangDialogRecord) and the run loop (ForcedBatch), which lowers
// wordFileCount when a word file holds fewer fitting words.
#include <string>

namespace bv {

struct TvangSettings {
    // Take the words at random from the word file instead of from "tvang.txt".
    bool useWordFile = true;
    // How many words to draw from the word file.
    int wordFileCount = 6;
    // The word file (a path as the file dialog or the user gave it).
    std::string wordFilePath;
};

}  // namespace bv
