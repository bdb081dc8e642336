#pragma once

#include "files/ReplayFile.h"

#include <QString>

class QWidget;

// Save As... in the replay window: writes the game as a self-contained replay, carrying every
// level of its set and the set's name and no folder, so that anyone can watch and verify it. A
// game that is not self-contained yet takes its set from levelsFolder, the folder it is played
// from; a set changed since the game is told in a message box instead. True when written.
bool saveSelfContained(QWidget* parent, const GameRecording& recording, const QString& levelsFolder,
                       const QString& programFolder);
