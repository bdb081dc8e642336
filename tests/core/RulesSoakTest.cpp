#include "tests/support/RulesSoak.h"

#include <gtest/gtest.h>

// The invariants are listed in RulesSoak.h; bench/rules_soak runs the same soak for longer.
TEST(RulesSoak, AHundredThousandTicksOfRandomBoardsAndMouseCommandsKeepEveryInvariant)
{
    const SoakReport report = soakRules(100'000, 20261206);
    ASSERT_FALSE(report.fault) << *report.fault;
    EXPECT_EQ(report.ticks, 100'000);
    // The soak reaches what it watches: turtles saved and lost, creatures picked up and commanded.
    EXPECT_GT(report.saved, 1000);
    EXPECT_GT(report.lost, 1000);
    EXPECT_GT(report.selections, 1000);
    EXPECT_GT(report.commands, 1000);
}
