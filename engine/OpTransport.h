#pragma once
// OpTransport: the parameter dialog's transfer record, the seven fuzzy
// parameters as decimal texts in dialog order. The dialog's edit fields take at
// most kDialogDigits characters; the record itself holds any value, so a record
// made from values above 999 (read from a file) is complete and nothing overflows.
#include <string>

namespace bv {

struct OpTransport {
    static constexpr int kDialogDigits = 3;

    std::string procentBrug;
    std::string samlMax;
    std::string blandtMax;
    std::string AGrclille;
    std::string AGtidlille;
    std::string AGstortit;
    std::string AGantalrcstor;
};

}  // namespace bv
