#pragma once
// FuzzyParametre: the seven whole numbers that steer the generator's word choice
// and its timed returns. One record per program, owned by the program and read by
// the generator at every use.
//
// Values read from a file are taken as they are; only setFromTexts (the dialog's
// check) compares values with their ranges. Messages go through the Host given
// to each call; nothing throws.
#include "engine/OpTransport.h"
#include "platform/Host.h"

#include <cstdint>
#include <string>

namespace bv {

struct FuzzyParametre {
    std::int32_t procentBrug = 5;    // % chance that a later fitting word is exchanged in
    std::int32_t samlMax = 60;       // words collected before exchanging starts
    std::int32_t blandtMax = 999;    // exchanges one search may make
    std::int32_t AGrclille = 0;      // size of a small return
    std::int32_t AGtidlille = 0;     // seconds before the next timed return
    std::int32_t AGstortit = 0;      // small returns before a large one
    std::int32_t AGantalrcstor = 0;  // size of a large return

    static constexpr int kFileVersion = 4;

    // Replaces the values by the file's. Unreadable file: report "Fracasada el
    // probar abrir el archivo" (caption: the file name). Version not 1..5: report
    // "Número de versión desconocida" (caption: the first line, line end
    // included). Either way nothing changes. A value line without an integer, and
    // every line missing at the end of a short file, leaves its parameter as it was.
    void readParameters(const std::string& path, Host& host);
    // Writes the eight-line file (CRLF line ends). False when it cannot be written;
    // nothing is reported.
    bool writeParameters(const std::string& path) const;
    // The file text writeParameters writes.
    std::string parameterText() const;

    // Converts the texts in dialog order (leading blanks skipped, conversion stops
    // at the first non-digit, no digits give 0), storing each value; at the first
    // value outside its range, report "El valor de %s debe ser entre %d y %d" /
    // "Ha sido dado un valor erróneo" and answer false. The values before it and
    // the invalid one itself keep their new values.
    bool setFromTexts(const OpTransport& texts, Host& host);
    // The current values as decimal texts.
    OpTransport makeTransport() const;
};

}  // namespace bv
