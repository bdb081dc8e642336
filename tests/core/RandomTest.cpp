#include "core/Random.h"

#include <gtest/gtest.h>

#include <stdexcept>

TEST(Random, BelowIsTheWholePartOfTheValueTimesTheRange)
{
    SequenceRandom random({0.0, 0.2499, 0.25, 0.9999999999999999});
    EXPECT_EQ(random.below(4), 0);
    EXPECT_EQ(random.below(4), 0);
    EXPECT_EQ(random.below(4), 1);
    EXPECT_EQ(random.below(4), 3);  // never the range itself
}

TEST(Random, ScriptedSequenceRefusesValuesOutsideTheUnitRangeAndReportsRunningOut)
{
    EXPECT_THROW(SequenceRandom({1.0}), std::invalid_argument);
    EXPECT_THROW(SequenceRandom({-0.1}), std::invalid_argument);
    SequenceRandom random({0.5});
    EXPECT_EQ(random.remaining(), 1u);
    random.next();
    EXPECT_THROW(random.next(), std::logic_error);
}

TEST(Random, GameRandomStaysInTheUnitRangeAndCoversEveryChoice)
{
    GameRandom random(12345);
    int seen[9] = {};
    for (int i = 0; i < 9000; ++i) {
        const double v = random.next();
        ASSERT_GE(v, 0.0);
        ASSERT_LT(v, 1.0);
        ++seen[random.below(9)];
    }
    for (int count : seen)
        EXPECT_GT(count, 800);  // about 1000 each
}

TEST(Random, SameSeedSameSequence)
{
    GameRandom a(7), b(7);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(a.next(), b.next());
}
