#include "sim/SelfContained.h"

#include "sim/RecordingPlayer.h"

SelfContained selfContained(GameRecording recording, SetFile set)
{
    if (const std::optional<Phrase> wrong = carrySet(recording, std::move(set)))
        return {std::nullopt, *wrong};
    RecordingPlayer player(recording);
    player.playToEnd();
    if (player.refusal())
        return {std::nullopt, *player.refusal()};
    // Where it parts (a level added since a won game) is for the one who checks the game: the
    // player needs only to know that the set is not the one played.
    if (player.divergence())
        return {std::nullopt,
                {"SelfContained",
                 QT_TRANSLATE_NOOP("SelfContained", "the set has changed since this game was played"),
                 {}}};
    if (!player.endConfirmed())
        return {std::nullopt,
                {"SelfContained", QT_TRANSLATE_NOOP("SelfContained", "the game does not play to its end"), {}}};
    return {std::move(recording), {}};
}
