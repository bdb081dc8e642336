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
    const Board board = boardFromRows({"bbhabbbb", "", "", "bbbbbbbbw", "", Pond});
    const std::vector<TurtleNeed> needs = turtleNeeds(board, Hazards(board));
    ASSERT_EQ(needs.size(), 2u);
    EXPECT_EQ(needs[0].col, 3);  // one step from the hole
    EXPECT_EQ(needs[0].urgency, 1);
    EXPECT_EQ(needs[0].want, Way::Down);
    EXPECT_EQ(needs[1].col, 8);  // walking away from the water: at the edge it bumps at its fourth tick
    EXPECT_EQ(needs[1].urgency, 5);
    EXPECT_EQ(needs[1].want, Way::Down);

    BotPlayer bot;
    EXPECT_TRUE(sameCommand(bot.choose(board, 0), {3, 0, DragDirection::Down}));
}

TEST(Bot, SoonerHarmComesFirstWhateverTheOtherTurtleGains)
{
    const Board board = boardFromRows({
        "rrrrrrrrrr",
        "rbdbbbhrrr",  // four ticks from the hole, with no way but back
        "rbrrrrrrrr",
        "rbbbdrbbbr",  // bumps into the rock at the next tick
        "rbbbbbbbbr",
        Pond,
    });
    const std::vector<TurtleNeed> needs = turtleNeeds(board, Hazards(board));
    ASSERT_EQ(needs.size(), 2u);
    EXPECT_EQ(needs[0].row, 3);
    EXPECT_EQ(needs[0].urgency, 2);
    EXPECT_EQ(needs[1].row, 1);
    EXPECT_EQ(needs[1].want, Way::Left);
}

TEST(Bot, ATurtleWithNoWayToTheWaterIsStillTurnedAwayFromAHole)
{
    const Board board = boardFromRows({"", "bbhabbbb"});
    const std::vector<TurtleNeed> needs = turtleNeeds(board, Hazards(board));
    ASSERT_EQ(needs.size(), 1u);
    EXPECT_EQ(needs[0].urgency, 1);
    EXPECT_EQ(needs[0].want, Way::Down);  // the longest walk before it bumps
}

TEST(Bot, ATurtleGivesAnAlienAWideBerth)
{
    // Turning down now passes right beside the alien; walking on two cells first does not.
    const Board board = boardFromRows({"", "bbbbbd", "", "bbbb@", "", Pond});
    EXPECT_TRUE(turtleNeeds(board, Hazards(board)).empty());
    EXPECT_EQ(bestWay(board, 5, 1), Way::Right);
}

TEST(Bot, ATurtleAlreadyOnItsWayToTheWaterIsLeftAlone)
{
    const Board board = boardFromRows({"", "bbbbxbbbbb", "", "", "", Pond});
    EXPECT_TRUE(turtleNeeds(board, Hazards(board)).empty());
    BotPlayer bot;
    EXPECT_FALSE(bot.choose(board, 0));
}

TEST(Bot, ForeseesAFootWalkingItsStretchAndTurningAboutAtItsEnds)
{
    // The stretch is what the foot can walk into: blanks and turtles, up to a rock or the edge.
    const std::vector<FootTrack> feet = footTracks(boardFromRows({"", "bbrbx2bbbrb", "", "1bbhb"}));
    ASSERT_EQ(feet.size(), 2u);
    EXPECT_EQ(feet[0].first, 3);
    EXPECT_EQ(feet[0].last, 8);
    EXPECT_EQ(feet[1].first, 0);
    EXPECT_EQ(feet[1].last, 2);
    std::string walk;
    for (int ticks = 0; ticks <= 9; ++ticks)
        walk += static_cast<char>('0' + feet[0].colAfter(ticks));
    EXPECT_EQ(walk, "5678876543");  // a tick to turn at each end
    EXPECT_EQ(feet[1].colAfter(1), 0);
    EXPECT_EQ(feet[1].colAfter(2), 1);
}

TEST(Bot, ATurtleCrossesAFootRowOnlyWhileTheFootIsAway)
{
    // Stepping down now, the turtle would stand in the foot's row when the foot, scanned first,
    // steps onto it: the turtle steps aside instead.
    const std::optional<Way> aside = bestWay(boardFromRows({"", "", "bbbbbx", "bbb2", "", Pond}), 5, 2);
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

TEST(Bot, SendsADogToShutAPocketOfHolesButNotForOneHoleSide)
{
    // The left gap leads to a cell between two holes, the right one to the water.
    const Board fromAbove = boardFromRows({
        "rrrrrrrrr",
        "rbbbdbbbr",
        "rbkbbbbbr",
        "rbbbbbbbr",
        "rrbrrrbrr",
        "rhbhr$$$r",
        "rrrrr$$$r",
    });
    EXPECT_TRUE(sameCommand(dogMove(fromAbove, false), {2, 2, DragDirection::Down}));
    // Sent left, this dog must sit before it passes the gap to the water.
    const Board fromTheSide = boardFromRows({
        "rrrrrrrrr",
        "rbbbdbbbr",
        "rbbbbbbbr",
        "rbbbbbbkr",
        "rrbrrrbrr",
        "rhbhr$$$r",
        "rrrrr$$$r",
    });
    EXPECT_TRUE(sameCommand(dogMove(fromTheSide, false), {7, 3, DragDirection::Left}));
    const Board oneHoleSide = boardFromRows({
        "rrrrrrrrr",
        "rbbbdbbbr",
        "rbkbbbbbr",
        "rbbbbbbbr",
        "rrbrrrbrr",
        "rrbhr$$$r",
        "rrrrr$$$r",
    });
    EXPECT_FALSE(dogMove(oneHoleSide, false));
}

TEST(Bot, LeavesADogItSentToSettleAndPutsAnUrgentTurtleFirst)
{
    const Board board = boardFromRows({
        "rrrrrrrrr",
        "rbbbdbbbr",
        "rbkbbbbbr",
        "rbbbbbbbr",
        "rrbrrrbrr",
        "rhbhr$$$r",
        "rrrrr$$$r",
        "rrrrrrrrr",
    });
    BotPlayer bot;
    EXPECT_TRUE(sameCommand(bot.choose(board, 0), {2, 2, DragDirection::Down}));
    EXPECT_FALSE(dogMove(board, true));
    EXPECT_FALSE(bot.choose(board, DogSettling - 1));

    // A turtle three ticks from a hole is turned before any dog is sent.
    Board threatened = board;
    threatened(1, 1) = Tile::Hole;
    threatened(4, 1) = Tile::TurtleLeft;
    BotPlayer fresh;
    const std::optional<Command> first = fresh.choose(threatened, 0);
    ASSERT_TRUE(first);
    EXPECT_EQ(first->col, 4);
    EXPECT_EQ(first->row, 1);
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
