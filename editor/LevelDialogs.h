#pragma once

#include "files/LevelFile.h"

#include <QString>

#include <optional>

class QWidget;

// The editor's file dialogs and what it tells the designer about files. The dialogs are Qt's own,
// not the desktop's, so they behave alike everywhere and tests can answer them. Each returns
// nothing when cancelled.
namespace LevelDialogs {

// The "..." button: a music file from audio/ (or any folder); only its bare name is kept.
std::optional<QString> chooseMusic(QWidget* parent, const QString& programFolder);

// Open Level: an existing file, starting in the folder given.
std::optional<QString> chooseLevelToOpen(QWidget* parent, const QString& folder);

// Save Level, starting in the folder given with the name proposed, and showing level files first: a name without an
// extension gets ".txt", and replacing a file is asked first. The score table is never offered up: a name that is (or
// leads to) a table of scores is refused with a message, and the dialog stays open for another name.
std::optional<QString> chooseLevelToSave(QWidget* parent, const QString& folder, const QString& proposedName);

// Whether saving a level under this path would write over a table of scores: its name, or the
// name of the file a link there leads to, is "scores.txt" in any case.
bool isScoreTable(const QString& path);

// What Open Level says when the file could not be read whole: opened not at all (Missing), or
// stopped at a line (level.linesRead lines were read). Nothing for a complete file.
std::optional<QString> openProblem(const QString& path, const LevelReading& level);
void tellOpenProblem(QWidget* parent, const QString& message);

// Save Level could not write the file; whatever was there is as it was.
void tellSaveFailed(QWidget* parent, const QString& path);

}  // namespace LevelDialogs
