#include "sim/SelfContained.h"

#include "sim/RecordingPlayer.h"

SelfContained selfContained(GameRecording recording, SetFile set)
{
    if (const std::optional<QString> wrong = carrySet(recording, std::move(set)))
        return {std::nullopt, *wrong};
    RecordingPlayer player(recording);
    player.playToEnd();
    if (player.refusal())
        return {std::nullopt, QString::fromStdString(*player.refusal())};
    if (player.divergence())
        return {std::nullopt, QStringLiteral("the set has changed since this game was played: ") +
                                  QString::fromStdString(player.divergence()->message)};
    if (!player.endConfirmed())
        return {std::nullopt, QStringLiteral("the game does not play to its end")};
    return {std::move(recording), {}};
}
