#pragma once

#include "core/KeptLevel.h"
#include "files/ReplayFile.h"

#include <QByteArray>
#include <QString>

#include <optional>

// The recording kept with a kept game (the game so far, as GameRecorder::soFar() gave it when the
// level was kept), when it reads and plays through the rules in the set's folder to that very kept
// level. A later sitting goes on from it, so that the continued game is recorded whole. Nothing
// when it does not (kept by an older version, left behind by a killed game, a level changed since):
// the continued game is then recorded from its kept level.
std::optional<GameRecording> earlierSittings(const QByteArray& bytes, const KeptLevel& kept, const QString& setFolder);
