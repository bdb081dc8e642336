// The computer player's quicker way to its choice gives the same choice: on every board it is
// shown while it plays shipped levels, the most pressing need is the first of all the needs.
#include "sim/BotPlayer.h"

#include <gtest/gtest.h>

namespace {

// Plays as the bot and, at every look, sets the quick choice against the full one.
class ComparingPlayer final : public Player {
public:
    int looks = 0;
    int differences = 0;

    std::optional<Command> decide(const View& view) override
    {
        const Board& board = view.globals.board;
        const Hazards hazards(board);
        const WayToWater ahead(board, hazards, TurnCost);
        const std::vector<TurtleNeed> all = turtleNeeds(board, hazards, ahead);
        const std::optional<TurtleNeed> first = mostPressingNeed(board, hazards, ahead);
        ++looks;
        if (all.empty() != !first ||
            (first && (first->col != all.front().col || first->row != all.front().row ||
                       first->want != all.front().want || first->urgency != all.front().urgency)))
            ++differences;
        return m_bot.decide(view);
    }
    std::optional<SimTime> wakeAt() const override { return m_bot.wakeAt(); }

private:
    BotPlayer m_bot;
};

}  // namespace

TEST(BotSearch, TheMostPressingNeedIsTheFirstOfAllNeedsOnEveryBoardOfTheShippedLevels)
{
    for (const int level : {5, 12, 18, 23, 24}) {
        ComparingPlayer player;
        playLevel(PONDRAKE_DATA_DIR "/levels/level" + std::to_string(level) + ".txt", 7, player);
        EXPECT_GT(player.looks, 20) << level;
        EXPECT_EQ(player.differences, 0) << level;
    }
}
