// Check Level's judgement: small levels and the verdicts they earn, a judgement stopped, the
// turtles that can reach the water, and where a level's effort stands among the shipped levels.

#include "sim/LevelJudge.h"
#include "files/LevelFile.h"
#include "tests/support/BoardText.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// A turtle at the crossing of four corridors walled in by rocks, each ending in a hole; the water
// lies beside the right-hand corridor, so a turtle left alone walks straight into a hole.
const char* const Crossing =
    "rrrrrrrrr/rrrrhrrrr/rrrrbrrrr/rrrrbrrrr/rhbbtbbhr/rrrrbr$rr/rrrrbrrrr/rrrrhrrrr/rrrrrrrrr";

// Rows of turtles between rows of holes, the water at each row's end: far more turtles facing a
// hole than the computer player can turn before they walk.
std::string hallways()
{
    std::string text;
    for (int row = 0; row < BoardSize; ++row)
        text += (row % 2 ? "h" + std::string(18, 't') + "$" : std::string(20, 'h')) + "/";
    return text;
}

CheckResult checked(const LevelTexts& settings, const char* board)
{
    const std::atomic<bool> go{false};
    return judgeLevel(levelFileBytes(settings, boardFromText(board)), go).value_or(CheckResult{});
}

}  // namespace

TEST(LevelJudge, EachLevelEarnsTheFirstVerdictThatAppliesBadSettingsGetOneTooAndAStopEndsIt)
{
    const LevelTexts usual{"pond1.mid", "100", "1500", "1500"};
    const std::string Hallways = hallways();
    const char *const TooFew = "Cannot be passed: too few turtles can reach water",
                      *const TooHard = "Too hard for the computer player",
                      *const Outside = "Cannot be played: the %1 period lies outside -32768 to 32767";
    const struct {
        const char* name;
        LevelTexts settings;
        const char* board;
        QString verdict;
        int endless;  // runs of either player that reached the time limit
    } cases[] = {
        {"no turtle", usual, "bbb/b$b", "Plays itself", 0},
        {"walled in: not played", usual, "rrr/rtr/rrr/5:$$$", TooFew, 0},
        {"one of three walled in: the level never ends", usual, "rrr/rtr/rrr/5:$t$/6:btb", TooHard, 200},
        {"crossing", usual, Crossing, "Fair", 0},
        {"crossing, a bonus that is no number reads as 0", {"", "abc", "1500", "1500"}, Crossing, "Fair", 0},
        {"hallways between holes", usual, Hallways.c_str(), TooHard, 0},
        {"turtles that never move", {"", "100", "-5", "0"}, Crossing, TooHard, 200},
        {"turtle period out of range", {"", "100", "40000", "1500"}, Crossing, QString(Outside).arg("turtle"), 0},
        {"dog period out of range", {"", "100", "1500", "-40000"}, Crossing, QString(Outside).arg("dog"), 0},
    };
    for (const auto& [name, settings, board, verdict, endless] : cases) {
        SCOPED_TRACE(name);
        const CheckResult result = checked(settings, board);
        EXPECT_EQ(result.verdict(), verdict);
        EXPECT_EQ(endlessRuns(result.botRuns) + endlessRuns(result.idleRuns), endless);
    }
    const std::atomic<bool> stopped{true};
    EXPECT_FALSE(judgeLevel(levelFileBytes(usual, boardFromText(Crossing)), stopped));
}

// Which turtles (x, on the board as the reader leaves them) have a way to the water, around
// whatever never moves, and where a measure of effort stands among the shipped levels.
TEST(LevelVerdict, AWayToWaterGoesRoundRocksAndHolesAndThroughCreaturesAndEffortFindsTheNearestLevel)
{
    const struct {
        const char* board;
        int turtles;
        int reaching;
    } reaches[] = {
        {"xrrrr/brrrr/bbb$r/rrrrr", 1, 1},            // down the first column, then right
        {"xh$/rrr", 1, 0},                            // a hole shuts it in
        {"xk$/rrr/4:x@$/rrr", 2, 2},                  // a dog and an alien move away
        {"x.$/rrr", 1, 0},                            // a cell nothing can enter
        {"xxx/rrr/5:bbb", 3, 0},                      // no water at all
        {"x$x/rrr/5:rrrrrrr/rxrrrxr/rrrrrrr", 4, 2},  // half of them: not too few
    };
    for (const auto& [board, turtles, reaching] : reaches) {
        SCOPED_TRACE(board);
        const WaterReach reach = waterReach(boardFromText(board));
        EXPECT_EQ(reach.turtles, turtles);
        EXPECT_EQ(reach.reaching, reaching);
    }
    EXPECT_FALSE((WaterReach{4, 2}.tooFew()));
    EXPECT_TRUE((WaterReach{5, 2}.tooFew()));

    // Each shipped level's own measure finds it (or one as hard); below and above the table, the
    // easiest and the hardest.
    const auto& shipped = ShippedDifficulty;
    for (std::size_t i = 0; i < shipped.size(); ++i)
        EXPECT_EQ(shipped[aboutAsHardAs(shipped[i]) - 1], shipped[i]) << i;
    EXPECT_EQ(aboutAsHardAs(0.0), std::min_element(shipped.begin(), shipped.end()) - shipped.begin() + 1);
    EXPECT_EQ(aboutAsHardAs(1e6), std::max_element(shipped.begin(), shipped.end()) - shipped.begin() + 1);
}
