#include "platform/Random.h"

#include <gtest/gtest.h>

TEST(Random, ClassicSequenceAndRange) {
    bv::Random r(1);
    // The classic C library sequence for seed 1.
    EXPECT_EQ(r.next(), 41);
    EXPECT_EQ(r.next(), 18467);
    EXPECT_EQ(r.next(), 6334);
    bv::Random a(12345), b(12345);
    for (int i = 0; i < 1000; ++i) {
        int x = a.next();
        EXPECT_EQ(x, b.next());
        EXPECT_GE(x, 0);
        EXPECT_LE(x, bv::Random::kMax);
    }
    EXPECT_EQ(a.below(0), 0);
}
