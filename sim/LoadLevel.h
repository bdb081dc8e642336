#pragma once

#include "core/LevelReading.h"

#include <QByteArray>
#include <QString>

class Random;
struct modGlobals;

// Reads the level file at path and lays it over the board and the level's settings (placeLevel),
// the turtles' ways drawn from the game's generator. The game window's loadLevel and the editor's
// LoadLevelFile come down to this one routine: the caller forms the path. What the reading got comes back.
LevelReading loadLevel(const QString& path, modGlobals& globals, Random& random);
// The same from a level file's bytes held in memory: a level that a replay or a set file carries.
LevelReading loadLevelBytes(const QByteArray& bytes, modGlobals& globals, Random& random);
