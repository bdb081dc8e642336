#pragma once

#include "core/Board.h"
#include "core/Int16.h"

#include <string>

// The state that the game window and the editor share for the whole run: the one Board, its
// MovedMap and the settings of the level last loaded. Made once in main and passed by reference.
struct modGlobals {
    Board board;
    MovedMap movedMap;
    std::string LevelMusic;  // file name under the audio folder, UTF-8
    Int16 LevelBonus = 0;
    Int16 LevelTurtleInterval = 0;
    Int16 LevelDogInterval = 0;
    Int16 TurtlesInLevel = 0;  // turtles still in play
};
