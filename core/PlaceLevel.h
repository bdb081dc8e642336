#pragma once

#include "core/Level.h"
#include "core/LevelReading.h"

class Random;

// Lays a reading over the level that stands: what was read replaces what stood there, value and
// text, and everything else keeps the previous level's. Each "t" gets its way from the game's
// generator, row by row from row 0, each row from column 0; how many there were, and so the
// turtles in play, is LevelReading::turtles().
void placeLevel(const LevelReading& reading, Level& level, Random& random);
