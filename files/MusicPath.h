#pragma once

#include <QString>

// A music name, from line 1 of a level file or typed into the editor, names a file in the program
// folder's audio/ and nothing else.

// The name holds no folder: not empty, no "/" or "\", not "." or "..", not absolute.
bool isBareFileName(const QString& name);

// programFolder/audio/name, or an empty path when the name is not a bare file name: such a name is
// a missing piece, like a name that is not there, and never opens a file outside audio/.
QString musicPath(const QString& programFolder, const QString& name);
