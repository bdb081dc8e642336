#include "tools/sim/BotPlayer.h"
#include "tools/sim/TurtlePlan.h"

#include "tests/support/BoardText.h"

#include <gtest/gtest.h>

namespace {

const std::string_view Pond = "$$$$$$$$$$$$$$$$$$$$";

std::optional<Way> bestWay(const Board& board, int col, int row)
{
    const Hazards hazards(board);
    const WayToWater ahead(board, hazards, TurnCost);
    const std::optional<TurtlePlan> plan = planWay(board, hazards, ahead, col, row, *facingOf(board(col, row)));
    if (!plan)
        return std::nullopt;
    return plan->first;
}

bool sameCommand(const std::optional<Command>& a, const Command& b)
{
    return a && a->col == b.col && a->row == b.row && a->direction == b.direction;
}

}  // namespace

TEST(Bot, TheTurtleNearestHarmIsTurnedFirstAndNeverIntoTheHole)
{
    const Board board = boardFromRows({"", "bbhabbbb", "", "bbbbbbbbw", "", Pond});
    const std::vector<TurtleNeed> needs = turtleNeeds(board, Hazards(board));
    ASSERT_EQ(needs.size(), 2u);
    EXPECT_EQ(needs[0].col, 3);  // one step from the hole
    EXPECT_EQ(needs[0].urgency, 1);
    EXPECT_EQ(needs[0].want, Way::Down);
    EXPECT_EQ(needs[1].col, 8);  // walking away from the water, to the edge in four ticks
    EXPECT_EQ(needs[1].want, Way::Down);
    EXPECT_GT(needs[1].urgency, needs[0].urgency);

    BotPlayer bot;
    EXPECT_TRUE(sameCommand(bot.choose(board, 0), {3, 1, DragDirection::Down}));
}

TEST(Bot, ATurtleAlreadyOnItsWayToTheWaterIsLeftAlone)
{
    const Board board = boardFromRows({"", "bbbbxbbbbb", "", "", "", Pond});
    EXPECT_TRUE(turtleNeeds(board, Hazards(board)).empty());
    BotPlayer bot;
    EXPECT_FALSE(bot.choose(board, 0));
}

TEST(Bot, ATurtleCrossesAFootRowOnlyWhileTheFootIsAway)
{
    // The foot steps under the turtle at the next tick: the turtle steps aside instead.
    const std::optional<Way> aside = bestWay(boardFromRows({"", "", "bbbbbx", "bbbb2", "", Pond}), 5, 2);
    EXPECT_TRUE(aside == Way::Left || aside == Way::Right);
    // Far away, it is no threat.
    EXPECT_EQ(bestWay(boardFromRows({"", "", "bbbbbx", "bbbbbbbbbbbbbbb2", "", Pond}), 5, 2), Way::Down);
    // A foot walking along under the turtle stays under it: the turtle turns back to get past.
    EXPECT_EQ(bestWay(boardFromRows({"", "", "bbbbbbbbbba", "bbbbbbbbbb1", "", Pond}), 10, 2), Way::Right);
}

TEST(Bot, GivesNoMoreThanOneCommandIn400Milliseconds)
{
    modGlobals globals;
    globals.board = boardFromRows({"", "bhabbbbbbbbbbbbdhb", "", "", "", Pond});
    BotPlayer bot;
    Selection selection;
    DragPoints drag;
    const std::optional<Command> first = bot.decide({globals, 6000});
    ASSERT_TRUE(first);
    giveCommand(globals.board, selection, drag, *first);
    EXPECT_FALSE(bot.decide({globals, 6000}));
    EXPECT_FALSE(bot.decide({globals, 6399}));
    EXPECT_EQ(bot.wakeAt(), 6400);
    const std::optional<Command> second = bot.decide({globals, 6400});
    ASSERT_TRUE(second);
    EXPECT_NE(second->col, first->col);
    EXPECT_FALSE(bot.wakeAt());
}

// --- Dogs ---------------------------------------------------------------------------------------

TEST(Bot, CountsTheWaysIntoDangerThatTurtlesCanWanderTo)
{
    const Board board = boardFromRows({
        "dbhbbbbbbbbbbbbbbbbb",
        "bbbbbbbbbbbbbbbbbbhb",
        "rr$rrrrrrrrrrrrrrrrr",
        "rrrrrrrrrrrrrrrrrrrr",
        "rrr",
        "rxr",  // boxed in: no water, no danger
        "rrr",
    });
    const Exposure exposure = exposureOf(board);
    EXPECT_EQ(exposure.openSides, 6);
    EXPECT_EQ(exposure.turtlesWithWater, 1);
}

TEST(Bot, SendsADogToShutAPocketOfHoles)
{
    const Board board = boardFromRows({
        "rrrrrrrrr",
        "rbbbbbbbr",
        "rbkbbbbbr",
        "rbbbbdbbr",
        "rrbrrrbrr",
        "rhbhr$$$r",
        "rrhrr$$$r",
        "rrrrrrrrr",
    });
    EXPECT_TRUE(sameCommand(dogMove(board, false), {2, 2, DragDirection::Down}));
    EXPECT_FALSE(dogMove(board, true));  // a dog sent a moment ago is left to settle
    BotPlayer bot;
    EXPECT_TRUE(sameCommand(bot.choose(board, 0), {2, 2, DragDirection::Down}));
}

TEST(Bot, NeverShutsTheTurtlesOutOfTheWater)
{
    const Board board = boardFromRows({
        "rrrrrrrrr",
        "rbbkbbbbr",
        "rbbbbbdbr",
        "rrrbrrrrr",
        "rhbbb$$$r",
        "rrrrrrrrr",
    });
    EXPECT_FALSE(dogMove(board, false));
}

TEST(Bot, MakesAWalkingDogSitWhereItBlocksBest)
{
    const Board board = boardFromRows({
        "rrrrrrrrr",
        "rbbbdbb$r",
        "rrrrmrrrr",
        "rhbbbbbhr",
        "rbbbbbbbr",
        "rrrrrrrrr",
    });
    EXPECT_TRUE(sameCommand(dogMove(board, true), {4, 2, DragDirection::None}));
}
