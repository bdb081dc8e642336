#pragma once

#include "core/Int16.h"
#include "files/Phrase.h"

#include <QString>

// A level set: a folder holding level1.txt, level2.txt, ... and played from level 1 up to the
// first number without a file. The program's own levels/ folder is the shipped set; the player's
// data folder holds "My Levels"; any other folder the player picks is a set as well.

// The file of level N in a set's folder: levelN.txt.
QString levelPathInSet(const QString& setFolder, Int16 levelNumber);

QString shippedSetFolder(const QString& programFolder);
QString myLevelsFolder(const QString& playerDataFolder);

// Whether two paths name the same folder (links followed, a trailing "/" ignored).
bool sameFolder(const QString& a, const QString& b);

// The number of levels a game in the set can reach: level 1, 2, ... while each file exists and
// is not empty. A folder, pipe or unreadable entry under a level's name ends the set there.
int countSetLevels(const QString& setFolder);

// Why a folder cannot be played as a set, or nothing when it can.
enum class SetProblem { None, NoFolder, Unreadable, NoFirstLevel };
SetProblem checkLevelSet(const QString& setFolder);
Phrase levelSetProblemText(const QString& setFolder, SetProblem problem);

// The name the player sees: "My Levels", the shipped set's, an imported set's own (kept in its
// folder), or the folder's own name.
Phrase levelSetName(const QString& setFolder, const QString& programFolder, const QString& playerDataFolder);
// The shipped set's name in English: the name its exported file carries.
inline const QString ShippedSetName = QStringLiteral("Pondrake Levels");

// The first levelN.txt name from level1.txt up that no entry of the folder takes.
QString nextFreeLevelName(const QString& setFolder);
