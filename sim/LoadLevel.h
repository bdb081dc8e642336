#pragma once

#include "core/Level.h"
#include "core/LevelReading.h"

#include <QByteArray>
#include <QString>

class Random;

// Reads the level file at path and lays it over the level that stands, the one the caller keeps
// (placeLevel): a file that stops early keeps the rest of that previous level. The turtles' ways
// are drawn from the game's generator. The game window's loadLevel and the editor's Open Level
// come down to this one routine: the caller forms the path. What the reading got comes back.
LevelReading loadLevel(const QString& path, Level& level, Random& random);
// The same from a level file's bytes held in memory: a level that a replay or a set file carries.
LevelReading loadLevelBytes(const QByteArray& bytes, Level& level, Random& random);
