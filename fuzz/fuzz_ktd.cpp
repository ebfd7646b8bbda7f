// Crossword file (.ktd): both layouts (BEGIN/END rows and the old line format),
// KODEFELT records and the picture section. A document read from any bytes must
// write a file that reads back to a document writing the same bytes.
#include "FuzzSupport.h"
#include "dictionary/Language.h"
#include "documents/Kpoint.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    bvfuzz::QuietHost host;
    bv::Language language;
    auto isLetter = [&](unsigned char b) { return language.isLetter(b); };
    std::string_view bytes(reinterpret_cast<const char*>(data), size);

    bv::Kpoint doc;
    if (!doc.readCrosswordText(bytes, host, isLetter)) return 0;
    if (doc.width() < 1 || doc.width() > bv::Kpoint::kMaxSide || doc.height() < 1 ||
        doc.height() > bv::Kpoint::kMaxSide)
        bvfuzz::fail("size out of range after a successful read");
    const std::string first = doc.crosswordText();

    bv::Kpoint again;
    if (!again.readCrosswordText(first, host, isLetter)) bvfuzz::fail("written document does not read back", first);
    const std::string second = again.crosswordText();
    if (first != second) bvfuzz::fail("written, read and written again differs", first, second);
    return 0;
}
