#include "server/GameVerifier.h"

#include "files/ReplayFile.h"
#include "server/GameSeeds.h"
#include "server/Refusal.h"
#include "sim/RecordingPlayer.h"

#include <algorithm>

namespace {

Verdict refused(Refusal refusal)
{
    Verdict verdict;
    verdict.message = std::move(refusal.message);
    verdict.code = std::move(refusal.code);
    verdict.args = std::move(refusal.args);
    return verdict;
}

// Why the recording is no whole game carried with its set, or nothing.
std::optional<Refusal> notWhole(const RecordingReading& reading)
{
    const GameRecording& recording = *reading.recording;
    if (recording.version < ClockedVersion)
        return Refusal{QStringLiteral("the game was recorded by an earlier version of Pondrake, whose replays do not "
                                      "show exactly when each timer fired: the world table can only verify games "
                                      "played with this version or a later one"),
                       QStringLiteral("replay-too-old"),
                       {}};
    if (reading.folderLine)
        return Refusal{QStringLiteral("the replay names a folder of the machine it was played on: send the "
                                      "self-contained replay, which carries its levels and no path"),
                       QStringLiteral("replay-names-folder"),
                       {}};
    if (recording.start)
        return Refusal{QStringLiteral("the replay starts at level %1 with a claimed score of %2: only a whole "
                                      "game, played from level 1, can be verified")
                           .arg(recording.start->levelNumber)
                           .arg(recording.start->score),
                       QStringLiteral("replay-not-from-start"),
                       {int(recording.start->levelNumber), int(recording.start->score)}};
    // A game is never played from files named by a stranger.
    if (!recording.set)
        return Refusal{QStringLiteral("the replay does not carry its set's levels: only a self-contained replay "
                                      "can be verified"),
                       QStringLiteral("replay-without-levels"),
                       {}};
    return std::nullopt;
}

// Plays the game through the rules: nothing when every checkpoint and the end came out as
// recorded, else the level and checkpoint where it went another way.
std::optional<Refusal> playFault(RecordingPlayer& player, const std::atomic<bool>& stop,
                                 const std::function<void(const RecordingPlayer&)>& watch)
{
    while (!stop.load(std::memory_order_relaxed) && player.step())
        if (watch)
            watch(player);
    if (player.refusal()) {
        const QString detail = player.refusal()->english();
        return Refusal{detail, QStringLiteral("replay-not-played"), {detail}};
    }
    const GameRecording& replay = player.recording();
    if (const std::optional<Divergence>& divergence = player.divergence()) {
        const auto checkpoint =
            std::find_if(replay.events.begin() + std::ptrdiff_t(divergence->event), replay.events.end(),
                         [](const RecordedEvent& e) { return e.kind != RecordedEvent::Kind::Input; });
        const bool levelEnd = checkpoint->kind == RecordedEvent::Kind::LevelOver;
        const int level = levelEnd ? checkpoint->checkpoint.level : player.levelNumber();
        const QString line = QString::fromUtf8(eventLine(*checkpoint));
        const QString detail = divergence->message.english();
        return Refusal{QStringLiteral("level %1, at the checkpoint \"%2\": %3").arg(level).arg(line).arg(detail),
                       QStringLiteral("replay-diverged"),
                       {level, line, detail}};
    }
    if (!player.atEnd())
        return Refusal{QStringLiteral("the game took too long to verify"), QStringLiteral("verification-stopped"), {}};
    if (!player.gameEnded())
        return Refusal{QStringLiteral("the replay stops in level %1, where the game went on: only a game played to "
                                      "its end can be verified")
                           .arg(player.levelNumber()),
                       QStringLiteral("replay-unfinished"),
                       {player.levelNumber()}};
    return std::nullopt;
}

}  // namespace

Verdict verifyGame(const QByteArray& replayText, const std::atomic<bool>& stop,
                   const std::function<void(const RecordingPlayer&)>& watch)
{
    RecordingReading reading = readRecording(replayText);
    if (!reading.recording)
        return refused(
            {QStringLiteral("the replay cannot be read: line %1: %2").arg(reading.line).arg(reading.error.english()),
             QStringLiteral("replay-unreadable"),
             {reading.line, reading.error.english()}});
    if (std::optional<Refusal> fault = notWhole(reading))
        return refused(std::move(*fault));
    // The reader took each level line only as the digest of the carried level of its number.
    const SetFile& set = *reading.recording->set;
    Verdict verdict{
        true, 0, setIdentity(set.levels), set.name, int(set.levels.size()), {}, gameSeeds(*reading.recording)};
    RecordingPlayer player(std::move(*reading.recording));
    if (std::optional<Refusal> fault = playFault(player, stop, watch))
        return refused(std::move(*fault));
    verdict.score = player.field().score;
    return verdict;
}
