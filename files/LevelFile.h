#pragma once

#include "core/Int16.h"
#include "core/modGlobals.h"

#include <QByteArray>
#include <QString>

class Random;

// A level file: 24 text lines, each ending with CR LF: the music file name, the bonus seconds,
// the turtle period and the dog period (milliseconds), then 20 rows of 20 tile codes, row 0 first.
// Every turtle is written "t"; the reader gives each "t" a random direction and counts it.

enum class LevelReadStatus {
    Complete,  // all 24 lines were read
    Missing,   // no file could be opened at the path: only TurtlesInLevel changed (to 0)
    Stopped,   // a line was missing or a number out of range: what came after keeps its old value
};

// Reads a level file into the shared board and level settings. Whatever was read before a failure
// stays; everything after it keeps its earlier value. linesRead, when given, receives the number of
// lines read and used: 24 for a complete file, else the reading stopped at line linesRead + 1.
LevelReadStatus LoadLevelFile(const QString& path, modGlobals& globals, Random& random, int* linesRead = nullptr);
// The same reading from the bytes of a level file held in memory (never Missing).
LevelReadStatus LoadLevelBytes(const QByteArray& bytes, modGlobals& globals, Random& random, int* linesRead = nullptr);

// A file exists at the path and holds at least one byte. Never fails.
bool FileExists(const QString& path);

// The file of level N in the program folder: levels/levelN.txt.
QString LevelPath(const QString& programFolder, Int16 levelNumber);

LevelReadStatus LoadLevel(Int16 levelNumber, const QString& programFolder, modGlobals& globals, Random& random);

// The four settings lines as the level designer typed them; written unchanged.
struct LevelSettingsText {
    QString music;
    QString bonus;
    QString turtleInterval;
    QString dogInterval;
    friend bool operator==(const LevelSettingsText&, const LevelSettingsText&) = default;
};

// The bytes of a level file for these settings and this board.
QByteArray LevelFileBytes(const LevelSettingsText& settings, const Board& board);

// Writes the level file as a whole or not at all: a failed save leaves any earlier file as it was.
bool SaveLevelFile(const QString& path, const LevelSettingsText& settings, const Board& board);
