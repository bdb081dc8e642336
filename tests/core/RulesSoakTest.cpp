#include "tests/support/RulesSoak.h"

#include <gtest/gtest.h>

// The invariants are listed in RulesSoak.h; bench/rules_soak runs the same soak for longer.
TEST(RulesSoak, AHundredThousandTicksOfRandomBoardsAndMouseCommandsKeepEveryInvariant)
{
    const SoakReport report = soakRules(100'000, 20261206);
    ASSERT_FALSE(report.fault) << *report.fault;
    EXPECT_EQ(report.ticks, 100'000);
    // It reaches what it watches: turtles saved and lost, creatures picked up and commanded.
    EXPECT_GT(std::min({report.saved, report.lost, report.selections, report.commands}), 1000);
}
