#pragma once

// Distinct games for the server tests, made by the game's own computer player.

#include "files/ReplayFile.h"
#include "files/sets/FolderAsSetFile.h"
#include "files/sets/SetPaths.h"
#include "sim/BotPlayer.h"
#include "sim/GameRun.h"
#include "sim/SelfContained.h"

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

#include <vector>

// Games of the set "First Three", the shipped pack's first levels, played by the computer player
// from seeds first, first + 1, ...: each seed another game.
inline std::vector<QByteArray> botGames(std::uint64_t first, int count)
{
    const QTemporaryDir folder;
    for (Int16 n = 1; n <= 3; ++n)
        QFile::copy(levelPathInSet(PONDRAKE_DATA_DIR "/levels", n), levelPathInSet(folder.path(), n));
    const std::optional<SetFile> set = folderSetFile(folder.path(), "First Three");
    std::vector<QByteArray> games;
    for (std::uint64_t seed = first; seed < first + std::uint64_t(count); ++seed) {
        BotPlayer bot;
        games.push_back(recordingBytes(*selfContained(playGame(folder.path(), seed, bot).recording, *set).recording));
    }
    return games;
}
