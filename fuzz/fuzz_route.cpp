// Route files (.vej): a route read from any bytes, written and read back,
// writes the same bytes again.
#include "FuzzSupport.h"
#include "engine/Route.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string in = bvfuzz::writeScratch("in.vej", data, size);
    bv::Route route;
    if (!route.readRoute(in)) bvfuzz::fail("scratch file could not be read");
    if (route.empty() || !route.stops().back().isEndMarker()) bvfuzz::fail("route read without an end marker");
    const std::string first = route.routeText();

    const std::string out = bvfuzz::scratchPath("out.vej");
    if (!route.writeRoute(out)) bvfuzz::fail("route could not be written");
    if (bvfuzz::readScratch(out) != first) bvfuzz::fail("written file differs from routeText");
    bv::Route again;
    if (!again.readRoute(out)) bvfuzz::fail("written route could not be read");
    const std::string second = again.routeText();
    if (first != second) bvfuzz::fail("route written, read and written again differs", first, second);
    if (again.stopCount() != route.stopCount()) bvfuzz::fail("stop count changed");
    return 0;
}
