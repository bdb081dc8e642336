#pragma once

#include "core/KeptLevel.h"
#include "files/KeptGame.h"
#include "files/ReplayFile.h"

#include <optional>

class GameRecorder;
class PlayerFiles;

// The game window's keeper of the game across sittings: the kept game (PlayerFiles) and, beside
// it, the recording of the game so far, written as each level starts, so that a game continued
// later is recorded whole from level 1.
class KeptSittings final : public GameKeeper {
public:
    KeptSittings(PlayerFiles& files, const GameRecorder& recorder);

    void keep(const KeptLevel& level) override;
    void forget() override;

    // The recording the kept game goes on from, when it plays to that very kept level.
    std::optional<GameRecording> earlierSittings(const KeptGame& kept) const;

private:
    QString path() const;

    PlayerFiles& m_files;
    const GameRecorder& m_recorder;
};
