#include "engine/Simpelarr.h"

#include "EngineTestSupport.h"
#include "platform/ScriptedHost.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

using bv::BLANK;
using bv::BLOCK;
using bv::EtOrd;
using bv::Simpelarr;
using bvtest::describe;
using bvtest::describeAll;
using bvtest::gridOf;

TEST(Simpelarr, CreateFillsBlankAndCopyKeepsCellsButNoSlots) {
    bv::ScriptedHost host;
    Simpelarr g(3, 2, &host);
    EXPECT_EQ(g.width(), 3);
    EXPECT_EQ(g.height(), 2);
    EXPECT_EQ(g.row(0), "   ");
    EXPECT_EQ(g.row(1), "   ");
    g.put('A', 1, 1);
    ASSERT_TRUE(g.deriveSlots());
    ASSERT_FALSE(g.slots().empty());

    Simpelarr copy(g);
    EXPECT_EQ(copy.host(), &host);
    EXPECT_EQ(copy.row(1), " A ");
    EXPECT_TRUE(copy.slots().empty());
    EXPECT_EQ(g.slots().size(), 5u);  // the original keeps its list

    Simpelarr assigned(2, 2, nullptr);
    assigned.deriveSlots();
    assigned = g;
    EXPECT_EQ(assigned.width(), 3);
    EXPECT_TRUE(assigned.slots().empty());
}

// The slot list is in reverse creation order: down slots of the last column
// first, across slots of the first row last.
TEST(Simpelarr, DeriveSlotsGivesListOrder) {
    struct Case {
        const char* picture;
        const char* slots;
    };
    const Case cases[] = {
        // 3 x 2 without clue cells: two across slots of 3, three down slots of 2.
        {".../...", "2,0,d,2,'  ' 1,0,d,2,'  ' 0,0,d,2,'  ' 0,1,a,3,'   ' 0,0,a,3,'   '"},
        // A clue cell in the last column starts nothing; letters are read into the slots.
        {"AB#/CD.", "2,1,d,1,' ' 1,0,d,2,'BD' 0,0,d,2,'AC' 0,1,a,3,'CD ' 0,0,a,2,'AB'"},
        // Two adjacent clue cells start nothing between them.
        {".##./....",
         "3,0,d,2,'  ' 2,1,d,1,' ' 1,1,d,1,' ' 0,0,d,2,'  ' 0,1,a,4,'    ' 3,0,a,1,' ' 0,0,a,1,' '"},
        // A single cell enclosed by clue cells gives an across and a down slot of length 1.
        {"###/#.#/###", "1,1,d,1,' ' 1,1,a,1,' '"},
        // No letter cell at all: no slots.
        {"##/##", ""},
    };
    for (const Case& c : cases) {
        Simpelarr g = gridOf(c.picture, nullptr);
        EXPECT_TRUE(g.deriveSlots());
        EXPECT_EQ(describeAll(g), c.slots) << c.picture;
    }
}

TEST(Simpelarr, EveryLetterCellBelongsToOneAcrossAndOneDownSlot) {
    Simpelarr g = gridOf("#..#./...#./#.#../...../.#...", nullptr);
    ASSERT_TRUE(g.deriveSlots());
    for (int y = 0; y < g.height(); ++y) {
        for (int x = 0; x < g.width(); ++x) {
            int across = 0, down = 0;
            for (const EtOrd& s : g.slots()) {
                bool covers = s.ret == bv::kAcross ? (s.y == y && x >= s.x && x < s.x + s.len)
                                                   : (s.x == x && y >= s.y && y < s.y + s.len);
                if (covers) ++(s.ret == bv::kAcross ? across : down);
            }
            int expected = g.get(x, y) == BLOCK ? 0 : 1;
            EXPECT_EQ(across, expected) << x << "," << y;
            EXPECT_EQ(down, expected) << x << "," << y;
        }
    }
}

TEST(Simpelarr, RunsLongerThanASlotAreRefused) {
    bv::ScriptedHost host;
    // 39 cells fit.
    Simpelarr fits(40, 2, &host);
    fits.put(BLOCK, 0, 0);
    fits.put(BLOCK, 0, 1);
    EXPECT_TRUE(fits.checkRuns());
    EXPECT_TRUE(fits.deriveSlots());
    EXPECT_EQ(fits.slots().front().ret, bv::kDown);
    EXPECT_EQ(fits.slots().back().len, 39);

    // 40 cells do not: empty list, and the check reports where.
    Simpelarr wide(40, 3, &host);
    wide.put(BLOCK, 0, 0);
    wide.put(BLOCK, 0, 2);
    int x = 0, y = 0, ret = 0;
    EXPECT_EQ(wide.longestRun(&x, &y, &ret), 40);
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 1);
    EXPECT_FALSE(wide.deriveSlots());
    EXPECT_TRUE(wide.slots().empty());
    EXPECT_TRUE(host.messages.empty());
    EXPECT_FALSE(wide.checkRuns());
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "El modelo tiene una palabra de 40 casillas en (0,1); caben como máximo 39");
    EXPECT_EQ(host.messages[0].caption, "Modelo no válido");

    Simpelarr tall(2, 40, &host);
    EXPECT_FALSE(tall.deriveSlots());
}

TEST(Simpelarr, PutWritesInsideAndReportsOutside) {
    struct Case {
        char c;
        int x, y;
        bool reported;
        const char* rows;
    };
    const Case cases[] = {
        {'A', 0, 0, false, "A  |   "},  {'B', 2, 1, false, "   |  B"}, {0, 1, 1, false, "   |   "},
        {0, 9, 9, false, "   |   "},    {'A', 3, 0, true, "   |   "}, {'A', 0, 2, true, "   |   "},
        {'A', -1, 0, true, "   |   "},  {'A', 0, -1, true, "   |   "},
    };
    for (const Case& c : cases) {
        bv::ScriptedHost host;
        Simpelarr g(3, 2, &host);
        g.put(c.c, c.x, c.y);
        EXPECT_EQ(std::string(g.row(0)) + "|" + std::string(g.row(1)), c.rows) << c.x << "," << c.y;
        if (c.reported) {
            ASSERT_EQ(host.messages.size(), 1u);
            EXPECT_EQ(host.messages[0].text, "Llamada errónea en simpelarr::put");
            EXPECT_EQ(host.messages[0].caption, "ERROR");
        } else {
            EXPECT_TRUE(host.messages.empty()) << c.x << "," << c.y;
        }
    }
}

TEST(Simpelarr, GetOutsideTheGridReadsAsClueCell) {
    Simpelarr g(2, 2, nullptr);
    EXPECT_EQ(g.get(0, 0), BLANK);
    EXPECT_EQ(g.get(2, 0), BLOCK);
    EXPECT_EQ(g.get(0, -1), BLOCK);
}

TEST(Simpelarr, FindSlotByStartByContainedCellAndClamped) {
    bv::ScriptedHost host;
    //  . . # . .
    //  . . . . .
    //  # . . # .
    Simpelarr g = gridOf("..#../...../#..#.", &host);
    ASSERT_TRUE(g.deriveSlots());
    struct Case {
        int x, y, ret;
        const char* slot;
    };
    const Case cases[] = {
        {3, 0, 0, "3,0,a,2,'  '"},   // start of a slot
        {4, 0, 0, "3,0,a,2,'  '"},   // a cell in the middle
        {2, 1, 0, "0,1,a,5,'     '"},
        {2, 2, 1, "2,1,d,2,'  '"},   // down slot starting under a clue cell
        {1, 2, 1, "1,0,d,3,'   '"},
        {9, 1, 0, "0,1,a,5,'     '"},  // past the right edge: clamped to the last column
        {4, 9, 1, "4,0,d,3,'   '"},    // past the bottom: clamped to the last row
        {2, 0, 0, "0,0,a,2,'  '"},     // a clue cell right after a run belongs to that run's look-up
    };
    for (const Case& c : cases) {
        EtOrd* s = g.findSlot(c.x, c.y, c.ret);
        ASSERT_NE(s, nullptr) << c.x << "," << c.y;
        EXPECT_EQ(describe(*s), c.slot) << c.x << "," << c.y;
        EXPECT_EQ(s, g.slotAt(c.x, c.y, c.ret));
    }
    EXPECT_TRUE(host.messages.empty());
}

TEST(Simpelarr, FindSlotMismatchReportsAndFallsBackToTheDiagonal) {
    struct Case {
        const char* picture;
        int x, y, ret;
        const char* fallback;  // "" for none
    };
    const Case cases[] = {
        // (0,0) is a clue cell at the start of its row: no across slot starts at or
        // runs through it. The first non-clue diagonal cell is (1,1); its across
        // slot is returned.
        {"#../.../...", 0, 0, 0, "0,1,a,3,'   '"},
        // Diagonal cell (1,1) is a clue cell, (2,2) is not.
        {"...#/.#../..../#...", 3, 0, 1, "0,2,a,4,'    '"},
        // A direction other than 0 and 1 never matches.
        {".../.../...", 0, 0, 2, "0,1,a,3,'   '"},
        // Negative positions name no slot.
        {".../.../...", -1, 0, 0, "0,1,a,3,'   '"},
        // Every diagonal cell is a clue cell: nothing.
        {"#../.#./..#", 0, 0, 0, ""},
    };
    for (const Case& c : cases) {
        bv::ScriptedHost host;
        Simpelarr g = gridOf(c.picture, &host);
        ASSERT_TRUE(g.deriveSlots());
        EtOrd* s = g.findSlot(c.x, c.y, c.ret);
        EXPECT_EQ(s ? describe(*s) : std::string(), c.fallback) << c.picture;
        ASSERT_EQ(host.messages.size(), 1u) << c.picture;
        EXPECT_EQ(host.messages[0].text, "La ruta y modelo no vienen bien");
        EXPECT_EQ(host.messages[0].caption, "Corrige la ruta");
        EXPECT_EQ(host.messages[0].icon, bv::Icon::Error);
        EXPECT_EQ(g.slotAt(c.x, c.y, c.ret), nullptr);
    }
}

TEST(Simpelarr, RefreshSlotMovesToTheStartAndRereadsTheCells) {
    Simpelarr g = gridOf("#..../.AB#./.....", nullptr);
    ASSERT_TRUE(g.deriveSlots());
    struct Case {
        int x, y, ret;
        const char* after;
    };
    const Case cases[] = {
        {2, 1, 0, "0,1,a,3,' AB'"},
        {4, 2, 0, "0,2,a,5,'     '"},
        {1, 2, 1, "1,0,d,3,' A '"},
        {0, 2, 1, "0,1,d,2,'  '"},
    };
    for (const Case& c : cases) {
        EtOrd spare;  // a record that is not in the list, as the generator uses one
        spare.x = c.x;
        spare.y = c.y;
        spare.ret = static_cast<std::int8_t>(c.ret);
        spare.len = 0;
        EXPECT_EQ(describe(g.refreshSlot(spare)), c.after);
    }

    // A slot of the list follows cell changes.
    EtOrd* s = g.findSlot(0, 1, 0);
    g.put('Z', 0, 1);
    EXPECT_EQ(describe(g.refreshSlot(*s)), "0,1,a,3,'ZAB'");

    // A start outside the grid reads nothing.
    EtOrd outside;
    outside.x = 7;
    outside.y = 0;
    outside.ret = 0;
    EXPECT_EQ(g.refreshSlot(outside).len, 0);
    EXPECT_EQ(outside.word(), "");
}

TEST(Simpelarr, PlaceWordWritesLettersAndRestoresBlanks) {
    Simpelarr g = gridOf("..../..../....", nullptr);
    ASSERT_TRUE(g.deriveSlots());
    EtOrd* across = g.findSlot(0, 1, 0);
    EtOrd saved = *across;  // the generator's undo copy: all blank
    across->setWord("RO S");
    g.placeWord(*across);
    EXPECT_EQ(g.row(1), "RO S");

    // A copy whose letters are partly blank empties those cells again.
    EtOrd partly = *across;
    partly.setWord("R  S");
    g.placeWord(partly);
    EXPECT_EQ(g.row(1), "R  S");
    g.placeWord(saved);
    EXPECT_EQ(g.row(1), "    ");

    EtOrd* down = g.findSlot(2, 0, 1);
    down->setWord("ABC");
    g.placeWord(*down);
    EXPECT_EQ(g.get(2, 0), 'A');
    EXPECT_EQ(g.get(2, 2), 'C');
}

TEST(Simpelarr, PlaceWordPastTheEdgeReportsAndWritesNothing) {
    struct Case {
        int x, y, ret, len;
        const char* word;
        const char* reportText;
    };
    const Case cases[] = {
        {1, 1, 1, 3, "ABC", "ABC"},              // y + len > height
        {2, 0, 0, 3, "\xC6" "BL", "ÆBL"},        // x + len > width; the word is shown as UTF-8
        {3, 0, 1, 1, "A", "A"},                  // column outside the grid
        {-1, 0, 0, 1, "A", "A"},
    };
    for (const Case& c : cases) {
        bv::ScriptedHost host;
        Simpelarr g = gridOf(".../.../...", &host);
        EtOrd s;
        s.x = c.x;
        s.y = c.y;
        s.ret = static_cast<std::int8_t>(c.ret);
        s.len = c.len;
        s.setWord(c.word);
        g.placeWord(s);
        EXPECT_EQ(std::string(g.row(0)) + std::string(g.row(1)) + std::string(g.row(2)), "         ");
        ASSERT_EQ(host.messages.size(), 1u);
        EXPECT_EQ(host.messages[0].text, c.reportText);
        EXPECT_EQ(host.messages[0].caption, "Se colocó una palabra demasiado extensa en el crucigrama");
    }
}

TEST(Simpelarr, HasBlankAndIsDuplicate) {
    Simpelarr g = gridOf("...#/#.../..##/#...", nullptr);
    ASSERT_TRUE(g.deriveSlots());
    EtOrd* a = g.findSlot(0, 0, 0);
    EtOrd* b = g.findSlot(1, 1, 0);
    EtOrd* c = g.findSlot(1, 3, 0);
    EXPECT_TRUE(Simpelarr::hasBlank(*a));
    a->setWord("SOL");
    EXPECT_FALSE(Simpelarr::hasBlank(*a));
    b->setWord("SO ");
    EXPECT_TRUE(Simpelarr::hasBlank(*b));

    EXPECT_FALSE(g.isDuplicate(*a));  // compared with itself only
    b->setWord("SOL");
    EXPECT_TRUE(g.isDuplicate(*a));
    EXPECT_TRUE(g.isDuplicate(*b));
    b->setWord("SOD");
    c->setWord("SOL");
    EXPECT_TRUE(g.isDuplicate(*a));
    c->setWord("SAL");
    EXPECT_FALSE(g.isDuplicate(*a));

    // A copy outside the list counts the list record it came from.
    EtOrd copy = *a;
    EXPECT_TRUE(g.isDuplicate(copy));
}

// The look-up tables made by deriveSlots must answer as the walk of the slot
// list does: the first slot starting at the cell, else (after clamping) the
// first one starting where the run through the cell begins.
namespace {
const EtOrd* slotByWalk(const Simpelarr& g, int x, int y, int ret) {
    if ((ret != 0 && ret != 1) || x < 0 || y < 0) return nullptr;
    for (const EtOrd& s : g.slots())
        if (s.ret == ret && s.x == x && s.y == y) return &s;
    y = std::min(y, g.height() - 1);
    x = std::min(x, g.width() - 1);
    if (ret != 0) {
        while (y >= 1 && g.get(x, y - 1) != BLOCK) --y;
    } else {
        while (x > 0 && g.get(x - 1, y) != BLOCK) --x;
    }
    for (const EtOrd& s : g.slots())
        if (s.ret == ret && s.x == x && s.y == y) return &s;
    return nullptr;
}

void expectLookupsAsWalk(Simpelarr& g, const std::string& picture) {
    for (int ret = -1; ret <= 2; ++ret)
        for (int y = -1; y <= g.height() + 1; ++y)
            for (int x = -1; x <= g.width() + 1; ++x)
                EXPECT_EQ(g.slotAt(x, y, ret), slotByWalk(g, x, y, ret))
                    << picture << " at " << x << "," << y << " ret " << ret;
}
}  // namespace

TEST(Simpelarr, SlotLookupAnswersAsTheListWalk) {
    for (const std::string picture : {"..#/...", "#.#.#./....#./#..#../.#..../...#.#/#.#...", "##/##", "#..#/..../#..#"}) {
        Simpelarr g = gridOf(picture, nullptr);
        ASSERT_TRUE(g.deriveSlots());
        expectLookupsAsWalk(g, picture);
        // A clue cell put into a run after the slots were made: the look-ups
        // follow the cells again, as the walk does.
        if (g.width() > 1 && g.height() > 1) {
            g.put(BLOCK, 1, 1);
            expectLookupsAsWalk(g, picture + " with a new clue cell");
            ASSERT_TRUE(g.deriveSlots());
            expectLookupsAsWalk(g, picture + " derived again");
        }
    }
}

TEST(Simpelarr, DuplicateTestComparesOnlyWholeEqualWordsOfOtherSlots) {
    Simpelarr g = gridOf("...#/#.../...#/#...", nullptr);
    ASSERT_TRUE(g.deriveSlots());
    EtOrd* a = g.findSlot(0, 0, bv::kAcross);
    EtOrd* b = g.findSlot(1, 1, bv::kAcross);
    EtOrd* c = g.findSlot(0, 2, bv::kAcross);
    ASSERT_TRUE(a && b && c);
    a->setWord("CAS");
    b->setWord("CAS");
    EXPECT_TRUE(g.isDuplicate(*a));
    EXPECT_TRUE(g.isDuplicate(*b));
    c->setWord("CA");  // the same first letters, a shorter text
    EXPECT_FALSE(g.isDuplicate(*c));
    b->setWord("CAT");
    EXPECT_FALSE(g.isDuplicate(*a));
    // A record outside the list is compared with every slot of its length.
    EtOrd spare = *b;
    EXPECT_TRUE(g.isDuplicate(spare));
}
