// Fuzzy parameter files (.par): whatever is read, written and read back gives
// the same values and the same file.
#include "FuzzSupport.h"
#include "engine/FuzzyParametre.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    bvfuzz::QuietHost host;
    const std::string in = bvfuzz::writeScratch("in.par", data, size);
    bv::FuzzyParametre p;
    p.readParameters(in, host);
    const std::string first = p.parameterText();

    const std::string out = bvfuzz::scratchPath("out.par");
    if (!p.writeParameters(out)) bvfuzz::fail("parameters could not be written");
    bv::FuzzyParametre q;
    q.procentBrug = q.samlMax = q.blandtMax = q.AGrclille = q.AGtidlille = q.AGstortit = q.AGantalrcstor = -7;
    long before = host.reports;
    q.readParameters(out, host);
    if (host.reports != before) bvfuzz::fail("written parameter file is refused", first);
    const std::string second = q.parameterText();
    if (first != second) bvfuzz::fail("parameters written, read and written again differ", first, second);
    return 0;
}
