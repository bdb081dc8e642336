#pragma once

#include "core/GameTimer.h"
#include "core/KeptLevel.h"

// Everything from outside that reaches the rules of a game, in the order it arrives: a timer's
// firing, the mouse on the board (and the keys that stand for it), the player's commands, and the
// answers and closings of the windows the flow opened. A game is its seed plus these; each enters
// through LevelFlow::apply, where a recorder watches them.
struct GameInput {
    enum class Kind {
        Timer,  // timer fired
        MouseDown,
        MouseMove,
        MouseUp,  // on the board at (x, y), in board pixels as the rules take them
        LetGo,    // the selected creature let go without a command (Escape)
        NewGame,
        Continue,  // a game kept from another sitting goes on where `start` says
        Replay,
        Abort,  // the Abort Game button
        HighScores,
        LevelEditor,
        LevelSet,  // another level set chosen: a running game is given up, after the Level Editor's question
        Pause,
        Resume,
        Answer,        // the question the flow asked was answered: yes or no
        Window,        // a window of the player's opened over the game, holding it until it closes
        WindowClosed,  // that window, or one the flow opened (level over, game over, top ten, editor), closed
    };
    Kind kind;
    GameTimer timer = GameTimer::CountDown;
    float x = 0;
    float y = 0;
    bool yes = false;
    KeptLevel start = {};  // Continue only
};

class InputObserver {
public:
    virtual ~InputObserver() = default;
    // Called as the input arrives, before the rules act on it; answers and closings once known.
    virtual void observe(const GameInput& input) = 0;
};
