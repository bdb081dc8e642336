#include "sim/EarlierSittings.h"

#include "sim/RecordingPlayer.h"

#include <algorithm>

std::optional<GameRecording> earlierSittings(const QByteArray& bytes, const KeptLevel& kept, const QString& setFolder)
{
    RecordingReading reading = readRecording(bytes);
    if (!reading.recording)
        return std::nullopt;
    RecordingPlayer player(std::move(*reading.recording), setFolder);
    player.playToEnd();
    if (player.refusal() || player.divergence() || !player.endConfirmed() || player.kept() != kept)
        return std::nullopt;
    // It played by the clock, whatever version kept it: the game continued from it is recorded so.
    GameRecording earlier = player.recording();
    earlier.version = std::max(earlier.version, RecordingVersion);
    return earlier;
}
