#include "engine/Route.h"

#include "EngineTestSupport.h"
#include "platform/ScriptedHost.h"
#include "platform/TextFile.h"

#include <gtest/gtest.h>

using bv::Route;
using bv::Simpelarr;
using bv::Vejstop;
using bvtest::gridOf;
using bvtest::TempDir;

namespace {

std::string readAll(const std::string& path) {
    std::string bytes;
    EXPECT_TRUE(bv::TextFile::read(path, bytes));
    return bytes;
}

void writeFile(const std::string& path, const std::string& bytes) {
    ASSERT_TRUE(bv::TextFile::writeAtomic(path, bytes));
}

Vejstop stopAt(int x, int y, int ret, int rc = 0, int type = 0) {
    Vejstop s;
    s.x = x;
    s.y = y;
    s.ret = static_cast<std::int8_t>(ret);
    s.rc = rc;
    s.Type = type;
    return s;
}

// "x,y,a|d rc" for every stop before the end marker.
std::string describeStops(const Route& r) {
    std::string out;
    for (std::size_t i = 0; i < r.stopCount(); ++i) {
        const Vejstop& s = r.stops()[i];
        out += (out.empty() ? "" : " ") + std::to_string(s.x) + "," + std::to_string(s.y) + "," +
               (s.ret == 0 ? "a" : "d") + " " + std::to_string(s.rc);
    }
    return out;
}

}  // namespace

TEST(Route, FreshStopAndEmptyRoute) {
    Vejstop s;
    EXPECT_EQ(s.x, -1);
    EXPECT_EQ(s.y, -1);
    EXPECT_EQ(s.len, -1);
    EXPECT_EQ(s.ret, 0);
    EXPECT_EQ(s.rc, 0);
    EXPECT_EQ(s.slotRef, nullptr);
    EXPECT_TRUE(s.isEndMarker());
    Route r;
    EXPECT_TRUE(r.empty());
    EXPECT_EQ(r.first(), nullptr);
    EXPECT_EQ(r.predecessor(nullptr, 1), nullptr);
}

TEST(Route, ReadStopLinesWithAndWithoutHeader) {
    struct Case {
        const char* file;
        const char* stops;
        int seedA[3];
        int seedBx;
        std::size_t size;  // stops read plus the two closing end markers
    };
    const Case cases[] = {
        // No header: the first stop gives seedA, seedB gets no letter.
        {"3 4 1 2 0\n", "3,4,d 2", {3, 4, 1}, -1, 3},
        // Only column and row: direction, rc and Type are 0.
        {"5 6\r\n", "5,6,a 0", {5, 6, 0}, -1, 3},
        // Header; stop lines end at the first line with fewer than two numbers.
        {"-2 1 2 0 0 3 1\r\n0 0 0 0 1\r\n2 0 1 3 2\r\n7\r\n4 4 0 0 0\r\n", "0,0,a 0 2,0,d 3", {1, 2, 0}, 0, 4},
        // A written file: stops, end-marker line and closing line.
        {"-2 0 0 0 0 0 0\r\n1 0 0 0 0 \r\n-1 -1 0 0 0 \r\n-1 -1 0 0 \r\n", "1,0,a 0", {0, 0, 0}, 0, 5},
        // An empty file: only end markers; seedA from the (fresh) first stop.
        {"", "", {-1, -1, 0}, -1, 2},
    };
    TempDir dir;
    for (const Case& c : cases) {
        writeFile(dir.file("r.vej"), c.file);
        Route r;
        ASSERT_TRUE(r.readRoute(dir.file("r.vej"))) << c.file;
        EXPECT_EQ(describeStops(r), c.stops) << c.file;
        EXPECT_EQ(r.size(), c.size) << c.file;
        EXPECT_EQ(r.seedA.x, c.seedA[0]) << c.file;
        EXPECT_EQ(r.seedA.y, c.seedA[1]) << c.file;
        EXPECT_EQ(r.seedA.ret, c.seedA[2]) << c.file;
        EXPECT_EQ(r.seedB.x, c.seedBx) << c.file;
        EXPECT_TRUE(r.stops().back().isEndMarker());
    }
}

TEST(Route, ReadSetsNumbersTypeAndClearsStatistics) {
    TempDir dir;
    writeFile(dir.file("r.vej"), "-2 0 0 0 0 0 0\n1 0 0 0 3\n0 1 1 2 1\n-1 -1 0 0 0\n");
    Route r;
    r.append(stopAt(9, 9, 0));
    r.stops()[0].visits = 5;
    ASSERT_TRUE(r.readRoute(dir.file("r.vej")));
    ASSERT_EQ(r.stopCount(), 2u);
    EXPECT_EQ(r.stops()[0].nr, 1);
    EXPECT_EQ(r.stops()[0].Type, 3);
    EXPECT_EQ(r.stops()[0].len, -1);
    EXPECT_EQ(r.stops()[0].visits, 0);
    EXPECT_EQ(r.stops()[1].nr, 2);
    EXPECT_EQ(r.stops()[1].rc, 2);
    EXPECT_EQ(r.stops()[1].Type, 1);
}

TEST(Route, UnreadableFileChangesNothing) {
    Route r;
    r.append(stopAt(1, 2, 1));
    r.seedA = {4, 4, 1};
    EXPECT_FALSE(r.readRoute("/nonexistent/dir/route.vej"));
    ASSERT_EQ(r.size(), 1u);
    EXPECT_EQ(r.stops()[0].x, 1);
    EXPECT_EQ(r.seedA.x, 4);
}

TEST(Route, WriteIsByteExactAndRoundTrips) {
    TempDir dir;
    Route r;
    r.seedA = {0, 0, 0};
    r.seedB = {-1, 2, 1};
    r.append(stopAt(1, 0, 0, 0, 0));
    r.append(stopAt(0, 1, 1, 3, 2));
    r.append(stopAt(-1, -1, 0));
    r.append(stopAt(5, 5, 0));  // after the end marker: not written
    ASSERT_TRUE(r.writeRoute(dir.file("a.vej")));
    const std::string expected =
        "-2 0 0 0 -1 2 1\r\n1 0 0 0 0 \r\n0 1 1 3 2 \r\n-1 -1 0 0 0 \r\n-1 -1 0 0 \r\n";
    EXPECT_EQ(readAll(dir.file("a.vej")), expected);

    Route back;
    ASSERT_TRUE(back.readRoute(dir.file("a.vej")));
    EXPECT_EQ(describeStops(back), "1,0,a 0 0,1,d 3");
    ASSERT_TRUE(back.writeRoute(dir.file("b.vej")));
    EXPECT_EQ(readAll(dir.file("b.vej")), expected);

    // The same file with LF line ends reads the same.
    std::string lf;
    for (char ch : expected)
        if (ch != '\r') lf += ch;
    writeFile(dir.file("lf.vej"), lf);
    Route fromLf;
    ASSERT_TRUE(fromLf.readRoute(dir.file("lf.vej")));
    EXPECT_EQ(fromLf.routeText(), expected);
}

TEST(Route, WriteEmptyRoutes) {
    Route onlyMarker;
    onlyMarker.append(Vejstop{});
    EXPECT_EQ(onlyMarker.routeText(), "-2 0 0 0 0 0 0\r\n-1 -1 0 0 0 \r\n-1 -1 0 0 \r\n");
    Route none;
    EXPECT_EQ(none.routeText(), "-2 0 0 0 0 0 0\r\n-1 -1 0 0 \r\n");
    EXPECT_FALSE(none.writeRoute("/nonexistent/dir/route.vej"));
}

TEST(Route, RenumberAndPredecessor) {
    Route r;
    for (int i = 0; i < 5; ++i) r.append(stopAt(i, 0, 0));
    r.renumberRoute();
    EXPECT_EQ(r.stops()[0].nr, 1);
    EXPECT_EQ(r.stops()[3].nr, 4);
    EXPECT_EQ(r.stops()[4].nr, 0);  // the last stop has no successor

    struct Case {
        int of, k, expected;
    };
    const Case cases[] = {{3, 1, 2}, {3, 2, 1}, {3, 3, 0}, {3, 4, 0}, {3, 50, 0}, {0, 1, 0}, {4, 4, 0}, {4, 1, 3}};
    for (const Case& c : cases)
        EXPECT_EQ(r.predecessor(&r.stops()[c.of], c.k), &r.stops()[c.expected]) << c.of << " " << c.k;
    Vejstop stranger;
    EXPECT_EQ(r.predecessor(&stranger, 1), r.first());
    EXPECT_EQ(r.next(&r.stops()[4]), nullptr);
    EXPECT_EQ(r.next(&r.stops()[1]), &r.stops()[2]);
}

TEST(Route, EditingInsertsAfterAndErases) {
    Route r;
    EXPECT_EQ(r.insertAfter(0, stopAt(1, 1, 0)), 0u);
    r.append(stopAt(-1, -1, 0));
    EXPECT_EQ(r.insertAfter(0, stopAt(2, 2, 1)), 1u);
    EXPECT_EQ(describeStops(r), "1,1,a 0 2,2,d 0");
    r.erase(0);
    EXPECT_EQ(describeStops(r), "2,2,d 0");
    r.erase(9);
    EXPECT_EQ(r.size(), 2u);
}

TEST(Route, BetterPrefersMoreFilledThenLonger) {
    auto slot = [](const char* letters, int len) {
        bv::EtOrd s;
        s.setWord(letters);
        s.len = len;
        return s;
    };
    const bv::EtOrd full = slot("XX", 2), empty3 = slot("   ", 3), empty2 = slot("  ", 2), one3 = slot("X  ", 3),
                    one4 = slot(" X  ", 4), two3 = slot("XX ", 3),
                    otherOne3 = slot("  X", 3);
    struct Case {
        const bv::EtOrd* a;
        const bv::EtOrd* b;
        bool expected;
    };
    const Case cases[] = {
        {&empty3, nullptr, true}, {&empty3, &empty3, false}, {&full, &empty3, false},   {&empty3, &full, true},
        {&two3, &one4, true},     {&one4, &two3, false},     {&one4, &one3, true},       {&one3, &one4, false},
        {&empty2, &empty3, false}, {&empty3, &empty2, true}, {&one3, &otherOne3, true},
    };
    for (const Case& c : cases) EXPECT_EQ(Route::better(*c.a, c.b), c.expected) << c.a->word() << "|";
}

TEST(Route, AutoRouteOnAnOpenGridTakesTheMostConstrainedSlotNext) {
    bv::ScriptedHost host;
    Simpelarr g(3, 3, &host);
    Route r;
    ASSERT_TRUE(r.autoRoute(g));
    // All six slots have length 3 and none is filled, so the last in list order
    // (the across slot of the top row) comes first; then always the open slot with
    // most cells fixed, the last such in list order.
    EXPECT_EQ(describeStops(r), "0,0,a 0 0,0,d 0 0,1,a 0 1,0,d 0 0,2,a 0 2,0,d 0");
    ASSERT_EQ(r.size(), 8u);
    for (std::size_t i = 6; i < 8; ++i) {
        EXPECT_EQ(r.stops()[i].x, -1);
        EXPECT_EQ(r.stops()[i].y, 1);
        EXPECT_EQ(r.stops()[i].ret, 1);
    }
    EXPECT_EQ(r.stops()[0].len, 3);
    for (const Vejstop& s : r.stops()) EXPECT_EQ(s.slotRef, nullptr);
    EXPECT_EQ(g.row(2), "XXX");  // the grid handed in has been filled with X

    Simpelarr model(3, 3, &host);
    ASSERT_TRUE(r.optimiseRoute(model));
    EXPECT_EQ(r.stopCount(), 6u);
    EXPECT_TRUE(host.messages.empty());
}

TEST(Route, AutoRouteRepeatsTheFirstFullSlotAndOptimiseRemovesIt) {
    //   # .
    //   . .
    // The across slot of row 1 is longest, then the down slot of column 1 has a
    // fixed cell. Then every slot is full and the first slot of the list (that
    // same down slot) is appended once more before the loop ends.
    bv::ScriptedHost host;
    Simpelarr g = gridOf("#./..", &host);
    Route r;
    ASSERT_TRUE(r.autoRoute(g));
    EXPECT_EQ(describeStops(r), "0,1,a 0 1,0,d 0 1,0,d 0");
    ASSERT_TRUE(r.optimiseRoute(gridOf("#./..", &host)));
    EXPECT_EQ(describeStops(r), "0,1,a 0 1,0,d 0");
    EXPECT_TRUE(host.messages.empty());
}

TEST(Route, AutoRouteOnAGridWithoutLetterCellsGivesOnlyEndMarkers) {
    Simpelarr g = gridOf("##/##", nullptr);
    Route r;
    ASSERT_TRUE(r.autoRoute(g));
    EXPECT_EQ(r.stopCount(), 0u);
    EXPECT_EQ(r.size(), 2u);
}

TEST(Route, AutoAndOptimiseRefuseRunsTooLongForASlot) {
    bv::ScriptedHost host;
    Simpelarr g(40, 2, &host);
    Route r;
    r.append(stopAt(0, 0, 0, 7));
    r.append(stopAt(-1, -1, 0));
    EXPECT_FALSE(r.optimiseRoute(g));
    EXPECT_EQ(r.stops()[0].rc, 7);  // unchanged
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].caption, "Modelo no válido");
    EXPECT_FALSE(r.autoRoute(g));
    EXPECT_TRUE(r.empty());
}

// Four independent 2 x 2 corners separated by clue cells:
//   . . # . .
//   . . # . .
//   # # # # #
//   . . # . .
//   . . # . .
TEST(Route, OptimiseSetsBackJumpCounts) {
    const char* picture = "..#../..#../#####/..#../..#..";
    bv::ScriptedHost host;
    Route r;
    r.append(stopAt(0, 0, 0, 9));  // top-left across: the first stop keeps its rc
    r.append(stopAt(3, 0, 0, 9));  // top-right across: the second stop gets 0
    r.append(stopAt(0, 3, 0, 9));  // bottom-left across: linked to nothing before it
    r.append(stopAt(3, 3, 0, 9));  // bottom-right across: linked to nothing before it
    r.append(stopAt(3, 0, 1, 9));  // top-right down: crosses stop 2, three places back
    r.append(stopAt(4, 0, 1, 9));  // top-right down: shares the across slots with the one before
    r.append(stopAt(0, 4, 0, 9));  // bottom-left across: nearest linked stop is four places back
    r.append(stopAt(-1, -1, 0));
    ASSERT_TRUE(r.optimiseRoute(gridOf(picture, &host)));
    EXPECT_EQ(describeStops(r), "0,0,a 9 3,0,a 0 0,3,a 1 3,3,a 2 3,0,d 2 4,0,d 0 0,4,a 3");
    EXPECT_TRUE(host.messages.empty());
}

TEST(Route, LinkedAndTouches) {
    Simpelarr g = gridOf("..#../..#../#####/..#../..#..", nullptr);
    ASSERT_TRUE(g.deriveSlots());
    auto slot = [&](int x, int y, int ret) { return g.slotAt(x, y, ret); };
    struct Case {
        int px, py, pret, tx, ty, tret;
        bool expected;
    };
    const Case cases[] = {
        {0, 0, 0, 0, 0, 1, true},   // crossing
        {0, 0, 0, 0, 1, 0, true},   // both crossed by the down slot (0,0)
        {0, 0, 0, 3, 0, 0, false},  // other corner
        {0, 0, 0, 3, 0, 1, false},
        {0, 0, 0, 0, 3, 0, false},
        {3, 0, 1, 4, 0, 1, true},   // both crossed by the across slot (3,0)
    };
    for (const Case& c : cases)
        EXPECT_EQ(Route::linked(g, slot(c.px, c.py, c.pret), slot(c.tx, c.ty, c.tret)), c.expected)
            << c.px << "," << c.py << "," << c.pret << " -> " << c.tx << "," << c.ty << "," << c.tret;
    EXPECT_FALSE(Route::linked(g, nullptr, slot(0, 0, 0)));
    EXPECT_FALSE(Route::touches(g, 0, 0, nullptr));
    // The row bound includes the position one past the slot's last cell: a down
    // slot covering rows 0 and 1 is touched from row 2, one covering row 0 only is not.
    bv::Simpelarr open = gridOf(".../.../...", nullptr);
    ASSERT_TRUE(open.deriveSlots());
    bv::EtOrd t = *open.slotAt(1, 0, 1);
    t.len = 2;
    EXPECT_TRUE(Route::touches(open, 0, 2, &t));
    t.len = 1;
    EXPECT_FALSE(Route::touches(open, 0, 2, &t));
}

TEST(Route, OptimiseKeepsTheFirstOfStopsNamingOneSlot) {
    bv::ScriptedHost host;
    Route r;
    r.append(stopAt(0, 0, 1));
    r.append(stopAt(2, 0, 0));  // middle cell of the top across slot
    r.append(stopAt(0, 2, 1));  // the same down slot as the first stop
    r.append(stopAt(0, 0, 0));  // the same across slot as the second stop
    r.append(stopAt(1, 1, 0));
    r.append(stopAt(-1, -1, 0));
    r.append(stopAt(0, 0, 0));  // after the end marker: left alone
    ASSERT_TRUE(r.optimiseRoute(gridOf("..../..../....", &host)));
    EXPECT_EQ(describeStops(r), "0,0,d 0 2,0,a 0 1,1,a 0");
    EXPECT_EQ(r.size(), 5u);
    for (const Vejstop& s : r.stops()) EXPECT_EQ(s.slotRef, nullptr);
}

TEST(Route, OptimiseReportsAMismatchingStopOnce) {
    bv::ScriptedHost host;
    Route r;
    r.append(stopAt(1, 1, 0));
    r.append(stopAt(0, 0, 0));  // a clue cell at the start of its row
    r.append(stopAt(1, 2, 1));
    r.append(stopAt(-1, -1, 0));
    ASSERT_TRUE(r.optimiseRoute(gridOf("#../.../...", &host)));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "La ruta y modelo no vienen bien");
    EXPECT_EQ(host.messages[0].caption, "Corrige la ruta");
    // The fallback gave the across slot through (1,1), which the first stop names
    // already, so the mismatching stop goes as a duplicate.
    EXPECT_EQ(describeStops(r), "1,1,a 0 1,2,d 0");
}

TEST(Route, BackJumpSearchGivesUpAfter249Places) {
    // 400 isolated single cells: no slot is linked to another cell's slots, so
    // every stop jumps back to the first stop, as long as it lies within 249 places.
    Simpelarr g(40, 40, nullptr);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x)
            if (x % 2 == 0 || y % 2 == 0) g.put(bv::BLOCK, x, y);
    Route r;
    for (int i = 0; i < 260; ++i) r.append(stopAt(1 + 2 * (i % 20), 1 + 2 * (i / 20), 0, 77));
    r.append(stopAt(-1, -1, 0));
    ASSERT_TRUE(r.optimiseRoute(g));
    ASSERT_EQ(r.stopCount(), 260u);
    EXPECT_EQ(r.stops()[0].rc, 77);
    EXPECT_EQ(r.stops()[1].rc, 0);
    EXPECT_EQ(r.stops()[100].rc, 99);
    EXPECT_EQ(r.stops()[249].rc, 248);
    EXPECT_EQ(r.stops()[250].rc, 77);  // the first stop is 250 places back
    EXPECT_EQ(r.stops()[259].rc, 77);
}
