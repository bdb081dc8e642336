#pragma once

#include "core/Board.h"
#include "core/Int16.h"
#include "core/modGlobals.h"

#include <string_view>
#include <vector>

class Random;

// The aliases of the sound effects that the rules ask for; the window plays them.
namespace Sound {
inline constexpr std::string_view Step = "step";
inline constexpr std::string_view Fall = "fall";
inline constexpr std::string_view Alien = "alien";
inline constexpr std::string_view Oops = "oops";
inline constexpr std::string_view Water = "water";
inline constexpr std::string_view Boing = "boing";
}  // namespace Sound

// What one tick did, for the window to show: the sounds to play, in order. Every tick ends with
// a redraw, even one in which nothing moved.
struct TickResult {
    std::vector<std::string_view> sounds;
};

// Points for a saved turtle (base + half the remaining bonus seconds, rounded half to even) and
// for a lost one (factor x the number lost so far in the level, the new one included).
struct ScoringRule {
    int savedBase;
    int lossFactor;
};
inline constexpr ScoringRule GameScoring{3, 5};
inline constexpr ScoringRule TestScoring{1, 10};

// One field of play over the shared board: the game window and the editor's test each own one.
// It holds the selection and the counters the player sees, and runs the creature ticks.
class PlayField {
public:
    PlayField(modGlobals& globals, Random& random, ScoringRule scoring);

    // One beat: turtles and feet when turtleTick is true, walking dogs and aliens otherwise.
    TickResult MoveCreatures(bool turtleTick);

    void SaveTurtle(int col, int row);
    void LoseTurtle(int col, int row);
    TileCode NewTurtleDirection(TileCode code);
    void PickAlienTarget(int& col, int& row);

    modGlobals& globals() { return m_globals; }
    Board& board() { return m_globals.board; }
    const Board& board() const { return m_globals.board; }

    Selection selection;
    // The totals the player sees: score, remaining bonus seconds, turtles saved and lost in the game.
    Int16 score = 0;
    Int16 time = 0;
    Int16 saved = 0;
    Int16 lost = 0;
    Int16 TurtlesSavedInLevel = 0;
    Int16 TurtlesLostInLevel = 0;

private:
    // What happened during one tick; each kind sounds at most once.
    struct TickEvents {
        bool foot = false;
        bool hole = false;
        bool alien = false;
        bool water = false;
        bool bump = false;
    };
    void moveTurtle(int col, int row, TickEvents& events);
    void moveFoot(int col, int row, TickEvents& events);
    void moveDog(int col, int row);
    void moveAlien(int col, int row, TickEvents& events);

    modGlobals& m_globals;
    Random& m_random;
    ScoringRule m_scoring;
};
