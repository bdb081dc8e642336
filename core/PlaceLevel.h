#pragma once

#include "core/LevelReading.h"

class Random;
struct modGlobals;

// Lays a reading over the board and the level's settings: what was read replaces what stood there,
// everything else keeps the previous level's. TurtlesInLevel becomes the number of "t" read; each
// gets its way from the game's generator, row by row from row 0, each row from column 0.
void placeLevel(const LevelReading& level, modGlobals& globals, Random& random);
