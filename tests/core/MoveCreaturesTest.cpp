#include "core/PlayField.h"

#include "core/Random.h"
#include "tests/support/BoardText.h"

#include <gtest/gtest.h>

#include <memory>
#include <tuple>

namespace {

// Scripted draws. NewTurtleDirection maps 0..3 to a, w, x, d.
constexpr double DrawA = 0.1, DrawW = 0.3, DrawX = 0.6, DrawD = 0.9;
constexpr double roll(int r) { return (r - 0.5) / 10; }  // the tick's roll, 1 to 10
constexpr double key(int k) { return (k - 0.5) / 9; }    // an alien's keypad key, 1 to 9

using Sounds = std::vector<std::string_view>;

class TickTest : public ::testing::Test {
protected:
    modGlobals globals;
    std::unique_ptr<SequenceRandom> random;
    std::unique_ptr<PlayField> field;

    void start(std::initializer_list<std::string_view> rows, std::vector<double> draws,
               ScoringRule scoring = GameScoring)
    {
        globals.board = boardFromRows(rows);
        random = std::make_unique<SequenceRandom>(std::move(draws));
        field = std::make_unique<PlayField>(globals, *random, scoring);
    }

    Sounds tick(bool turtleTick)
    {
        const TickResult result = field->MoveCreatures(turtleTick);
        EXPECT_EQ(random->remaining(), 0u) << "every scripted draw is used, and no more";
        return result.sounds;
    }

    std::string row(int r) const { return rowOf(globals.board, r); }
};

}  // namespace

// --- Turtles -------------------------------------------------------------------------------

TEST_F(TickTest, TurtlesSideBySideFacingRightTheBackOneTurnsTheFrontOneWalks)
{
    // The back turtle is blocked by one facing right: a draw of "d" is refused, "w" taken.
    start({"", "", "", "bbbbbddbbbbbbbbbbbbb"}, {DrawD, DrawW, roll(1)});
    EXPECT_EQ(tick(true), Sounds{"boing"});
    EXPECT_EQ(row(3), "bbbbbwbdbbbbbbbbbbbb");
}

TEST_F(TickTest, TurtlesSideBySideFacingLeftWalkTogether)
{
    start({"", "", "", "bbbbbaabbbbbbbbbbbbb"}, {roll(1)});
    EXPECT_EQ(tick(true), Sounds{});
    EXPECT_EQ(row(3), "bbbbaabbbbbbbbbbbbbb");
}

TEST_F(TickTest, ATurtleMovingDownOrRightMovesOnlyOncePerTick)
{
    start({"xbbbbbbbbdbbbbbbbbbb"}, {roll(1)});
    tick(true);
    EXPECT_EQ(row(0), "bbbbbbbbbbdbbbbbbbbb");
    EXPECT_EQ(row(1), "xbbbbbbbbbbbbbbbbbbb");
}

TEST_F(TickTest, ATurtleAboveWaterIsSavedAndOneAtTheBottomEdgeTurns)
{
    start({"", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "bxbbbbbbbbbbbbbbbbbb",
           "b$bbbbbbbbbbbbbbbbbx"},
          {DrawX, DrawA, roll(1)});
    globals.TurtlesInLevel = 2;
    EXPECT_EQ(tick(true), (Sounds{"water", "boing"}));
    EXPECT_EQ(row(18), "bbbbbbbbbbbbbbbbbbbb");
    EXPECT_EQ(row(19), "b$bbbbbbbbbbbbbbbbba");  // the draw of "x" is refused
    EXPECT_EQ(field->saved, 1);
    EXPECT_EQ(field->TurtlesSavedInLevel, 1);
    EXPECT_EQ(globals.TurtlesInLevel, 1);
}

TEST_F(TickTest, TurtlesFacingOutAtEveryEdgeTurnWithoutMoving)
{
    start({"wbbbbbbbbbbbbbbbbbbd", "abbbbbbbbbbbbbbbbbbb"}, {DrawW, DrawX, DrawD, DrawA, DrawD, roll(1)});
    EXPECT_EQ(tick(true), Sounds{"boing"});
    EXPECT_EQ(row(0), "xbbbbbbbbbbbbbbbbbba");
    EXPECT_EQ(row(1), "dbbbbbbbbbbbbbbbbbbb");
}

TEST_F(TickTest, ATurtleBlockedByARockADogOrAnInertCodeMayKeepItsDirection)
{
    // Any direction may be drawn, its own included: the blocker is not a turtle.
    start({"drbbbbbbbbbbbbbbbbbb", "dAbbbbbbbbbbbbbbbbbb", "dkbbbbbbbbbbbbbbbbbb", "d"}, {DrawD, DrawD, DrawD, DrawW, roll(1)});
    globals.board(1, 3) = Tile::Empty;
    EXPECT_EQ(tick(true), Sounds{"boing"});
    EXPECT_EQ(row(0), "drbbbbbbbbbbbbbbbbbb");
    EXPECT_EQ(row(1), "dAbbbbbbbbbbbbbbbbbb");
    EXPECT_EQ(row(2), "dkbbbbbbbbbbbbbbbbbb");
    EXPECT_EQ(row(3), "w.bbbbbbbbbbbbbbbbbb");
}

TEST_F(TickTest, TurtlesMeetingAHoleAnAlienOrAFootAreLostAndTheHazardStays)
{
    start({"dhbbbbbbbbbbbbbbbbbb", "d@rbbbbbbbbbbbbbbbbb", "d1rbbbbbbbbbbbbbbbbb"}, {roll(10)});
    globals.TurtlesInLevel = 3;
    EXPECT_EQ(tick(true), (Sounds{"step", "fall", "alien"}));
    EXPECT_EQ(row(0), "bhbbbbbbbbbbbbbbbbbb");
    EXPECT_EQ(row(1), "b@rbbbbbbbbbbbbbbbbb");  // aliens move on the dog tick only
    EXPECT_EQ(row(2), "1brbbbbbbbbbbbbbbbbb");  // the foot then walks into the freed cell
    EXPECT_EQ(field->lost, 3);
    EXPECT_EQ(globals.TurtlesInLevel, 0);
}

TEST_F(TickTest, ManySavesInOneTickPlayWaterOnce)
{
    start({"xxxbbbbbbbbbbbbbbbbb", "$$$"}, {roll(1)});
    EXPECT_EQ(tick(true), Sounds{"water"});
    EXPECT_EQ(field->saved, 3);
    EXPECT_EQ(row(0), "bbbbbbbbbbbbbbbbbbbb");
}

TEST_F(TickTest, OneRollServesEverySoundInAFixedOrder)
{
    // Roll 3: the foot and the hole say "oops" (below 4 and 5), the alien still says "alien".
    start({"dhbbbbbbbbbbbbbbbbbb", "d@rbbbbbbbbbbbbbbbbb", "d1rbbbbbbbbbbbbbbbbb", "d$", "a"}, {DrawX, roll(3)});
    EXPECT_EQ(tick(true), (Sounds{"oops", "oops", "alien", "water", "boing"}));

    start({"d1rbbbbbbbbbbbbbbbbb", "dhbbbbbbbbbbbbbbbbbb", "d@rbbbbbbbbbbbbbbbbb"}, {roll(1)});
    EXPECT_EQ(tick(true), (Sounds{"oops", "oops", "oops"}));
    start({"d1rbbbbbbbbbbbbbbbbb", "dhbbbbbbbbbbbbbbbbbb"}, {roll(4)});
    EXPECT_EQ(tick(true), (Sounds{"step", "oops"}));
}

TEST_F(TickTest, ATickInWhichNothingHappensStillDrawsOneRoll)
{
    start({"rhb$k"}, {roll(5)});
    EXPECT_EQ(tick(true), Sounds{});
    start({"rhb$k"}, {roll(5)});
    EXPECT_EQ(tick(false), Sounds{});
}

TEST_F(TickTest, EachBeatMovesOnlyItsOwnCreatures)
{
    start({"bdbbbbbbbbbbbbbbbbbb", "blbbbbbbbbbbbbbbbbbb", "b2bbbbbbbbbbbbbbbbbb"}, {roll(1)});
    tick(false);
    EXPECT_EQ(row(0), "bdbbbbbbbbbbbbbbbbbb");
    EXPECT_EQ(row(1), "bblbbbbbbbbbbbbbbbbb");
    EXPECT_EQ(row(2), "b2bbbbbbbbbbbbbbbbbb");

    random = std::make_unique<SequenceRandom>(std::vector<double>{roll(1)});
    field = std::make_unique<PlayField>(globals, *random, GameScoring);
    tick(true);
    EXPECT_EQ(row(0), "bbdbbbbbbbbbbbbbbbbb");
    EXPECT_EQ(row(1), "bblbbbbbbbbbbbbbbbbb");
    EXPECT_EQ(row(2), "bb2bbbbbbbbbbbbbbbbb");
}

// --- Feet ----------------------------------------------------------------------------------

TEST_F(TickTest, AFootTakesATurtlesCellAndWalkingRightStepsTwice)
{
    start({"", "", "", "", "", "2xbbbbbbbbbbbbbbbbbb"}, {roll(4)});
    globals.TurtlesInLevel = 1;
    EXPECT_EQ(tick(true), Sounds{"step"});
    EXPECT_EQ(row(5), "bb2bbbbbbbbbbbbbbbbb");
    EXPECT_EQ(row(6), "bbbbbbbbbbbbbbbbbbbb");
    EXPECT_EQ(field->lost, 1);
    EXPECT_EQ(globals.TurtlesInLevel, 0);
}

TEST_F(TickTest, AFootWalkingLeftOntoATurtleStepsOnce)
{
    // The turtle, blocked by a rock, turns; then the foot on its right takes its cell.
    start({"bbbbrbbbbbbbbbbbbbbb", "bbbbw1bbbbbbbbbbbbbb"}, {DrawA, roll(4)});
    EXPECT_EQ(tick(true), (Sounds{"step", "boing"}));
    EXPECT_EQ(row(1), "bbbb1bbbbbbbbbbbbbbb");
}

TEST_F(TickTest, FeetTurnAboutSilentlyAtTheEdgeAndAtAnyObstacle)
{
    start({"1bbbbbbbbbbbbbbbbbb2", "bbbr1bbbb21bbbbbbbbb", "bbbbbbbbbb2h"}, {roll(1)});
    EXPECT_EQ(tick(true), Sounds{});
    EXPECT_EQ(row(0), "2bbbbbbbbbbbbbbbbbb1");
    EXPECT_EQ(row(1), "bbbr2bbbb12bbbbbbbbb");
    EXPECT_EQ(row(2), "bbbbbbbbbb1hbbbbbbbb");
}

// --- Dogs and aliens -----------------------------------------------------------------------

TEST_F(TickTest, WalkingDogsStepIntoBlankCellsAndWaitOtherwise)
{
    start({"jbbbbbbbbbbbbbbbbbbl", "bbbbbbbbbbbbbbbbbbbb", "rlbbbbbbbbbbbbbbbbbb", "bmbbbbbbbbbbbbbbbbbb",
           "bxbbbbbbbbbbbbbbbbbb", "bbbkbbbbbbbbbbbbbbbb"},
          {roll(1)});
    tick(false);
    EXPECT_EQ(row(0), "jbbbbbbbbbbbbbbbbbbl");  // at the edges
    EXPECT_EQ(row(2), "rblbbbbbbbbbbbbbbbbb");
    EXPECT_EQ(row(3), "bmbbbbbbbbbbbbbbbbbb");  // a turtle below: the dog waits
    EXPECT_EQ(row(5), "bbbkbbbbbbbbbbbbbbbb");  // a sitting dog never moves

    start({"", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "bmbibbbbbbbbbbbbbbbb"},
          {roll(1)});
    globals.board(3, 18) = Tile::Rock;
    tick(false);
    EXPECT_EQ(row(19), "bmbibbbbbbbbbbbbbbbb");
}

TEST_F(TickTest, AnAlienBoxedInByRocksAndEdgesStaysAndTheTickEnds)
{
    // Right, down and down-right are rocks; every other key leaves the board, until 5.
    start({"@r", "rr"}, {key(6), key(2), key(3), key(4), key(7), key(8), key(9), key(1), key(5), roll(1)});
    EXPECT_EQ(tick(false), Sounds{});
    EXPECT_EQ(row(0), "@rbbbbbbbbbbbbbbbbbb");
}

TEST_F(TickTest, AnAlienHopsToABlankNeighbourOnceAndTakesTurtles)
{
    // Key 8 is up, 3 is down-right; the alien that hopped down is not moved again.
    start({"", "bbb@bbbbbbbbbbbbbbbb", "", "", "", "bbbbbbbbbb@bbbbbbbbb"}, {key(8), key(3), roll(1)});
    tick(false);
    EXPECT_EQ(row(0), "bbb@bbbbbbbbbbbbbbbb");
    EXPECT_EQ(row(1), "bbbbbbbbbbbbbbbbbbbb");
    EXPECT_EQ(row(6), "bbbbbbbbbbb@bbbbbbbb");

    // Taking a turtle to its right sets no moved flag: the scan meets the alien again.
    start({"", "", "", "bbbb@xbbbbbbbbbbbbbb"}, {key(6), key(6), roll(2)});
    globals.TurtlesInLevel = 1;
    EXPECT_EQ(tick(false), Sounds{"alien"});
    EXPECT_EQ(row(3), "bbbbbb@bbbbbbbbbbbbb");
    EXPECT_EQ(field->lost, 1);
    EXPECT_EQ(globals.TurtlesInLevel, 0);
}

// --- Scoring -------------------------------------------------------------------------------

TEST_F(TickTest, ASaveAddsAFixedPartPlusHalfTheBonusTimeRoundedHalfToEven)
{
    // The game adds 3 + time / 2; the editor's test 1 + time / 2.
    const std::tuple<ScoringRule, int, int> cases[] = {
        {GameScoring, 0, 3}, {GameScoring, 1, 3},  {GameScoring, 3, 5},  {GameScoring, 5, 5},    {GameScoring, 7, 7},
        {GameScoring, 9, 7}, {GameScoring, 10, 8}, {GameScoring, 11, 9}, {TestScoring, 100, 51}, {TestScoring, 5, 3},
    };
    for (auto [rule, time, points] : cases) {
        start({"x", "$"}, {roll(1)}, rule);
        field->time = static_cast<Int16>(time);
        tick(true);
        EXPECT_EQ(field->score, points) << time << " seconds left, " << "base " << rule.savedBase;
    }
}

TEST_F(TickTest, TheKthTurtleLostInALevelCostsFiveTimesKOrTenTimesKInTheEditorsTest)
{
    start({"xxxbbbbbbbbbbbbbbbbb", "hhh"}, {roll(9)});
    globals.TurtlesInLevel = 3;
    EXPECT_EQ(tick(true), Sounds{"fall"});
    EXPECT_EQ(field->score, -30);
    EXPECT_EQ(field->lost, 3);
    EXPECT_EQ(field->TurtlesLostInLevel, 3);
    EXPECT_EQ(globals.TurtlesInLevel, 0);

    start({"xx", "hh"}, {roll(9)}, TestScoring);
    tick(true);
    EXPECT_EQ(field->score, -30); // 10, then 20
}

TEST_F(TickTest, TotalsSaturateInsteadOfOverflowing)
{
    start({"xbx", "$bh"}, {roll(9)});
    field->score = 32760;
    field->time = 100;
    field->saved = 32767;
    tick(true);
    EXPECT_EQ(field->saved, 32767);
    EXPECT_EQ(field->score, 32767 - 5);  // the save is capped, then the loss counts

    start({"x", "h"}, {roll(9)});
    field->score = -32766;
    tick(true);
    EXPECT_EQ(field->score, -32768);
}

// --- Selection -----------------------------------------------------------------------------

TEST_F(TickTest, TheSelectionFollowsItsCreatureAndIsDroppedWhenTheCreatureIsGone)
{
    struct Case {
        const char* what;
        std::initializer_list<std::string_view> rows;
        std::vector<double> draws;
        bool turtleTick;
        Int16 col, row;       // the selected creature
        bool kept;            // the selection afterwards
        Int16 toCol, toRow;   // where it then is
    };
    const Case cases[] = {
        {"a walking turtle", {"bd"}, {roll(1)}, true, 1, 0, true, 2, 0},
        {"a walking dog", {"", "bbbbbl"}, {roll(1)}, false, 5, 1, true, 6, 1},
        {"a turtle saved", {"", "", "x", "$"}, {roll(1)}, true, 0, 2, false, 0, 0},
        {"a turtle taken by a foot", {"2x"}, {roll(9)}, true, 1, 0, false, 0, 0},
        {"a turtle taken by an alien", {"@x"}, {key(6), key(5), roll(9)}, false, 1, 0, false, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        start(c.rows, c.draws);
        field->selection = {true, c.col, c.row};
        tick(c.turtleTick);
        EXPECT_EQ(field->selection.SelectionActive, c.kept);
        if (c.kept) {
            EXPECT_EQ(field->selection.SelectionCol, c.toCol);
            EXPECT_EQ(field->selection.SelectionRow, c.toRow);
        }
    }
}

TEST(NewTurtleDirection, WithANonTurtleCodeTheFirstDrawIsTaken)
{
    modGlobals globals;
    SequenceRandom random({DrawA, DrawW, DrawX, DrawD, DrawA, DrawA, DrawW});
    PlayField field(globals, random, GameScoring);
    EXPECT_EQ(field.NewTurtleDirection(Tile::Rock), Tile::TurtleLeft);
    EXPECT_EQ(field.NewTurtleDirection(Tile::Rock), Tile::TurtleUp);
    EXPECT_EQ(field.NewTurtleDirection(Tile::Rock), Tile::TurtleDown);
    EXPECT_EQ(field.NewTurtleDirection(Tile::Rock), Tile::TurtleRight);
    EXPECT_EQ(field.NewTurtleDirection(Tile::TurtleLeft), Tile::TurtleUp);  // two "a" refused
}
