#pragma once

#include "core/Board.h"
#include "core/Int16.h"
#include "core/Level.h"
#include "core/MouseCommands.h"
#include "core/Sound.h"

#include <string_view>
#include <vector>

class Random;

// What a window shows of a play field and plays for it: the game window, the editor's test.
class FieldView {
public:
    virtual ~FieldView() = default;
    // Plays a sound effect when the window's Sound Effects switch is on.
    virtual void playEffect(std::string_view alias) = 0;
    virtual void drawGrid() = 0;
    // The score and the turtles saved and lost changed (the game window shows the bonus too).
    virtual void showTotals() = 0;
    // The bonus seconds left changed.
    virtual void showBonus() = 0;
};

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

// One field of play over the level's board, which the game window and the editor share: the game
// window and the editor's test each own one. It holds the selection, the drag, the counters the
// player sees and the turtles still in play, and runs the creature ticks.
class PlayField {
public:
    PlayField(Level& level, Random& random, ScoringRule scoring);

    // One beat: turtles and feet when turtleTick is true, walking dogs and aliens otherwise.
    TickResult moveCreatures(bool turtleTick);

    // The events of play, as the game and the editor's test take them; what they change is shown
    // on the view. A beat of the creatures plays its sounds, then shows the totals and the board.
    void creatureBeat(FieldView& view, bool turtleTick);
    // One second of the bonus clock, which stops at 0.
    void bonusBeat(FieldView& view);
    // The mouse on the board, in board pixels: press, move and release.
    void mouseDown(FieldView& view, float x, float y);
    void mouseMove(FieldView& view, float x, float y);
    void mouseUp(FieldView& view);
    // Lets go of the selected creature without a command, which a release always gives.
    void letGo(FieldView& view);
    const DragPoints& drag() const { return m_drag; }

    // A new game or test: score and game totals to 0. A new level: its counts of saved and lost
    // turtles to 0. Either drops the selection.
    void resetGame();
    void resetLevel();

    void saveTurtle(int col, int row);
    void loseTurtle(int col, int row);
    TileCode newTurtleDirection(TileCode code);
    void pickAlienTarget(int& col, int& row);

    Level& level() { return m_level; }
    Board& board() { return m_level.board; }
    const Board& board() const { return m_level.board; }

    Selection selection;
    // The totals the player sees: score, remaining bonus seconds, turtles saved and lost in the game.
    Int16 score = 0;
    Int16 time = 0;
    Int16 saved = 0;
    Int16 lost = 0;
    Int16 turtlesSavedInLevel = 0;
    Int16 turtlesLostInLevel = 0;
    // The turtles still in play: those the level placed (LevelReading::turtles), less each saved
    // or lost since.
    Int16 turtlesInLevel = 0;

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
    void show(FieldView& view, const MouseOutcome& outcome);

    Level& m_level;
    Random& m_random;
    ScoringRule m_scoring;
    DragPoints m_drag;
    MovedMap m_moved;  // the cells a creature stepped into during the tick under way
};
