#pragma once

#include "core/MouseCommands.h"
#include "core/TileCodes.h"

#include <QString>

// What stands in a square of the board, in the words a screen reader says: "Turtle heading east".
// Headings are the compass's: left is west, up is north.
QString tileName(TileCode code);

// A square as a screen reader names it: what stands there, whether the player holds it, and where,
// rows and columns counted from 1: "Turtle heading east, picked up, row 4, column 7".
QString cellName(TileCode code, CellIndex cell, bool pickedUp);
