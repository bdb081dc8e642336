#include "server/GameVerifier.h"

#include "files/ReplayFile.h"
#include "server/GameSeeds.h"
#include "sim/RecordingPlayer.h"

#include <algorithm>

namespace {

Verdict refused(const QString& message)
{
    Verdict verdict;
    verdict.message = message;
    return verdict;
}

// Why the recording is no whole game carried with its set, or nothing.
std::optional<QString> notWhole(const RecordingReading& reading)
{
    const GameRecording& recording = *reading.recording;
    if (recording.version < ClockedVersion)
        return QStringLiteral("the game was recorded by an earlier version of Pondrake, whose replays do not "
                              "show exactly when each timer fired: the world table can only verify games played "
                              "with this version or a later one");
    if (reading.folderLine)
        return QStringLiteral("the replay names a folder of the machine it was played on: send the "
                              "self-contained replay, which carries its levels and no path");
    if (recording.start)
        return QStringLiteral("the replay starts at level %1 with a claimed score of %2: only a whole "
                              "game, played from level 1, can be verified")
            .arg(recording.start->levelNumber)
            .arg(recording.start->score);
    // A game is never played from files named by a stranger.
    if (!recording.set)
        return QStringLiteral("the replay does not carry its set's levels: only a self-contained replay "
                              "can be verified");
    return std::nullopt;
}

// Plays the game through the rules: nothing when every checkpoint and the end came out as
// recorded, else the level and checkpoint where it went another way.
std::optional<QString> playFault(RecordingPlayer& player, const std::atomic<bool>& stop,
                                 const std::function<void(const RecordingPlayer&)>& watch)
{
    while (!stop.load(std::memory_order_relaxed) && player.step())
        if (watch)
            watch(player);
    if (player.refusal())
        return player.refusal()->english();
    const GameRecording& replay = player.recording();
    if (const std::optional<Divergence>& divergence = player.divergence()) {
        const auto checkpoint =
            std::find_if(replay.events.begin() + std::ptrdiff_t(divergence->event), replay.events.end(),
                         [](const RecordedEvent& e) { return e.kind != RecordedEvent::Kind::Input; });
        const bool levelEnd = checkpoint->kind == RecordedEvent::Kind::LevelOver;
        return QStringLiteral("level %1, at the checkpoint \"%2\": %3")
            .arg(levelEnd ? checkpoint->checkpoint.level : player.levelNumber())
            .arg(QString::fromUtf8(eventLine(*checkpoint)))
            .arg(divergence->message.english());
    }
    if (!player.atEnd())
        return QStringLiteral("the game took too long to verify");
    if (!player.gameEnded())
        return QStringLiteral("the replay stops in level %1, where the game went on: only a game played to its "
                              "end can be verified")
            .arg(player.levelNumber());
    return std::nullopt;
}

}  // namespace

Verdict verifyGame(const QByteArray& replayText, const std::atomic<bool>& stop,
                   const std::function<void(const RecordingPlayer&)>& watch)
{
    RecordingReading reading = readRecording(replayText);
    if (!reading.recording)
        return refused(
            QStringLiteral("the replay cannot be read: line %1: %2").arg(reading.line).arg(reading.error.english()));
    if (const std::optional<QString> fault = notWhole(reading))
        return refused(*fault);
    // The reader took each level line only as the digest of the carried level of its number.
    const SetFile& set = *reading.recording->set;
    Verdict verdict{
        true, 0, setIdentity(set.levels), set.name, int(set.levels.size()), {}, gameSeeds(*reading.recording)};
    RecordingPlayer player(std::move(*reading.recording));
    if (const std::optional<QString> fault = playFault(player, stop, watch))
        return refused(*fault);
    verdict.score = player.field().score;
    return verdict;
}
