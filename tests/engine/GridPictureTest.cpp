#include "engine/GridPicture.h"

#include "EngineTestSupport.h"
#include "engine/Route.h"

#include <gtest/gtest.h>

using bv::GridPicture;

TEST(GridPicture, RefusesFaultyPictures) {
    struct Case {
        std::string text;
        const char* error;
    };
    const Case cases[] = {
        {"", "the grid picture is empty"},
        {"\n\n", "the grid picture is empty"},
        {"#..\n#.\n", "row 2 has 2 cells, row 1 has 3; all rows must be equally wide"},
        {"#\n.\n", "the grid is 1 x 2 cells; width and height must be between 2 and 40"},
        {"##..\n", "the grid is 4 x 1 cells; width and height must be between 2 and 40"},
        {std::string(41, '.') + "\n" + std::string(41, '#') + "\n",
         "the grid is 41 x 2 cells; width and height must be between 2 and 40"},
        {std::string("#.\n#") + '\0' + "\n", "row 2 holds a zero byte"},
    };
    for (const Case& c : cases) {
        std::string error;
        EXPECT_FALSE(GridPicture::parse(c.text, error).has_value());
        EXPECT_EQ(error, c.error);
    }
    std::string error;
    EXPECT_FALSE(GridPicture::readFile("/nonexistent/grid.txt", error));
    EXPECT_EQ(error, "cannot read /nonexistent/grid.txt");
}

TEST(GridPicture, ReadsRowsWithEitherLineEndAndUtf8Letters) {
    std::string error;
    // CRLF, a trailing empty line, and a UTF-8 letter (Æ) that becomes one Windows-1252 byte.
    auto p = GridPicture::parse("#.Æ\r\n#. \r\n\r\n", error);
    ASSERT_TRUE(p) << error;
    EXPECT_EQ(p->width(), 3);
    EXPECT_EQ(p->height(), 2);
    EXPECT_TRUE(p->isClue(0, 1));
    EXPECT_FALSE(p->isClue(2, 1));
    EXPECT_TRUE(p->isClue(3, 0));  // outside

    bv::Simpelarr blank = p->makeGrid(nullptr);
    EXPECT_EQ(blank.row(0), "#  ");
    EXPECT_EQ(blank.row(1), "#  ");
    bv::Simpelarr letters = p->makeGrid(nullptr, true);
    EXPECT_EQ(letters.row(0), "# \xC6");
    EXPECT_EQ(letters.row(1), "#  ");
}

// The shipped sample pictures are Scandinavian-style: every word of two or more
// letters starts right after a clue cell, never at the grid's edge.
TEST(GridPicture, SamplePicturesHaveAClueBeforeEveryWord) {
    for (const char* name : {"scandi10.txt", "small5.txt"}) {
        std::string error;
        auto p = GridPicture::readFile(std::string(BV_SOURCE_DIR) + "/data/grids/" + name, error);
        ASSERT_TRUE(p) << error;
        bv::Simpelarr g = p->makeGrid(nullptr);
        ASSERT_TRUE(g.deriveSlots()) << name;
        for (const bv::EtOrd& s : g.slots()) {
            if (s.len < 2) continue;
            EXPECT_EQ(s.ret == bv::kAcross ? g.get(s.x - 1, s.y) : g.get(s.x, s.y - 1), bv::BLOCK) << name;
            EXPECT_TRUE(s.ret == bv::kAcross ? s.x > 0 : s.y > 0) << name << " " << bvtest::describe(s);
        }
        bv::Route r;
        bv::Simpelarr work(g);
        ASSERT_TRUE(r.autoRoute(work));
        ASSERT_TRUE(r.optimiseRoute(g));
        EXPECT_GT(r.stopCount(), 0u);
    }
}
