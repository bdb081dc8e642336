#pragma once

#include "files/sets/SetFileFormat.h"

#include <QString>

#include <optional>

// The set played from a folder as one value: its name and the bytes of every level a game in it
// can reach, level 1 first. Nothing when a level cannot be read whole within the set's bounds.
std::optional<SetFile> folderSetFile(const QString& setFolder, const QString& name);
