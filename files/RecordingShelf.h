#pragma once

#include "files/ScoreFile.h"

#include <QByteArray>
#include <QString>

#include <optional>

// Where replays are kept: beside the score table the game used. The last game's replay is always
// last.replay; each entry of the top ten that has a replay keeps it in a file named after a hash
// of the entry's bytes, with the number of identical entries above it to tell twins apart, so the
// score file's format stays as it is. A replay whose entry has left the table is deleted.

QString lastRecordingPath(const QString& scoresPath);

// The replay file of the table's entry at place (0 for the top).
QString entryRecordingPath(const QString& scoresPath, const ScoreTable& table, int place);

// Writes the last game's replay. When the game entered the top ten at newEntry (the table as it
// now stands on disk), its replay is kept for that entry and the replays of entries that dropped
// out are deleted. Returns false, after one line on stderr, when a replay could not be written;
// the score is never touched.
bool keepRecording(const QString& scoresPath, const QByteArray& recording, std::optional<int> newEntry);
