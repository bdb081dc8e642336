#pragma once

#include "core/Board.h"
#include "core/Int16.h"

#include <string>

// The four settings of a level as text, as the editor's boxes hold them: Save Level writes them
// unchanged ("abc" included) and the editor's test reads them leniently. UTF-8.
struct LevelTexts {
    std::string music;
    std::string bonus;
    std::string turtleInterval;
    std::string dogInterval;
    friend bool operator==(const LevelTexts&, const LevelTexts&) = default;
};

// A level: its board and its four settings, each as the value a game plays with and as text
// beside it. Placing a level file (placeLevel) sets both from what it read; the editor changes
// the texts alone, which a game never reads, so the values stay those of the last file placed.
// The game window and the editor share one for the whole run: what one leaves, a level file that
// stops early keeps for the other.
struct Level {
    Board board;
    std::string music;  // file name under the audio folder, UTF-8
    Int16 bonus = 0;
    Int16 turtleInterval = 0;
    Int16 dogInterval = 0;
    LevelTexts texts;
};
