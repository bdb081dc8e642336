#include "server/GameVerifier.h"

#include "files/ReplayFile.h"
#include "sim/RecordingPlayer.h"

#include <algorithm>

namespace {

Verdict refused(const QString& message)
{
    Verdict verdict;
    verdict.message = message;
    return verdict;
}

}  // namespace

Verdict verifyGame(const QByteArray& replayText, [[maybe_unused]] const std::atomic<bool>& stop)
{
    const RecordingReading reading = readRecording(replayText);
    if (!reading.recording)
        return refused(QStringLiteral("the replay cannot be read: line %1: %2").arg(reading.line).arg(reading.error));
    const GameRecording& replay = *reading.recording;
    if (!replay.folder.isEmpty())
        return refused(QStringLiteral("the replay names a folder of the machine it was played on: send the "
                                      "self-contained replay, which carries its levels and no path"));
    if (replay.start)
        return refused(QStringLiteral("the replay starts at level %1 with a claimed score of %2: only a whole "
                                      "game, played from level 1, can be verified")
                           .arg(replay.start->levelNumber)
                           .arg(replay.start->score));
    // The levels of the set travel inside a self-contained replay, to be played by verdictOfPlay
    // (which takes stop); this reader's format has no place for them yet, and a game is never
    // played from files named by a stranger.
    return refused(QStringLiteral("the replay does not carry its set's levels: only a self-contained replay "
                                  "can be verified"));
}

Verdict verdictOfPlay(RecordingPlayer& player, const std::atomic<bool>& stop)
{
    player.playToEnd(&stop);
    if (player.refusal())
        return refused(QString::fromStdString(*player.refusal()));
    const GameRecording& replay = player.recording();
    if (const std::optional<Divergence>& divergence = player.divergence()) {
        const auto checkpoint =
            std::find_if(replay.events.begin() + std::ptrdiff_t(divergence->event), replay.events.end(),
                         [](const RecordedEvent& e) { return e.kind != RecordedEvent::Kind::Input; });
        const bool levelEnd = checkpoint->kind == RecordedEvent::Kind::LevelOver;
        return refused(QStringLiteral("level %1, at the checkpoint \"%2\": %3")
                           .arg(levelEnd ? checkpoint->checkpoint.level : player.levelNumber())
                           .arg(QString::fromUtf8(eventLine(*checkpoint)))
                           .arg(QString::fromStdString(divergence->message)));
    }
    if (!player.atEnd() || !player.endConfirmed())
        return refused(QStringLiteral("the game took too long to verify"));
    Verdict verdict;
    verdict.accepted = true;
    verdict.score = player.field().score;
    return verdict;
}
