#pragma once

#include "core/Board.h"
#include "core/Level.h"
#include "core/LevelReading.h"

#include <QByteArray>
#include <QString>

// A level file: 24 text lines, each ending with CR LF: the music file name, the bonus seconds,
// the turtle period and the dog period (milliseconds), then 20 rows of 20 tile codes, row 0 first.
// Every turtle is written "t"; placing the level (placeLevel) gives each its way and counts it.

// Reads a level file as far as it goes: a missing line or a number out of range stops the reading
// there, and what came before it is what the reading got.
LevelReading readLevelFile(const QString& path);
// The same reading from the bytes of a level file held in memory (never Missing).
LevelReading readLevelBytes(const QByteArray& bytes);

// A file exists at the path and holds at least one byte. Never fails.
bool fileExists(const QString& path);

// The bytes of a level file for these settings, written as typed, and this board.
QByteArray levelFileBytes(const LevelTexts& texts, const Board& board);

// Writes the level file as a whole or not at all: a failed save leaves any earlier file as it was.
bool saveLevelFile(const QString& path, const LevelTexts& texts, const Board& board);
