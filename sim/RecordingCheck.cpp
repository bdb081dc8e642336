#include "sim/RecordingCheck.h"

#include "sim/RecordingPlayer.h"
#include "sim/Summary.h"

#include <QFileInfo>

#include <algorithm>

namespace {

std::string levelsJson(const RecordingPlayer& player)
{
    std::string out = "[";
    const GameRecording& recording = player.recording();
    for (std::size_t i = 0; i < recording.levels.size(); ++i) {
        const RecordedLevel& level = recording.levels[i];
        int saved = 0;
        int lost = 0;
        int attempts = 0;
        bool passed = false;
        for (const Checkpoint& end : player.levelEnds())
            if (end.level == level.number) {
                ++attempts;
                saved += end.saved;
                lost += end.lost;
                passed = passed || end.passed;
            }
        out += (i ? ",{" : "{") + std::string("\"level\":") + std::to_string(level.number) +
               ",\"file\":" + jsonString(level.fileName.toStdString()) +
               ",\"matched\":" + (player.levelsMatched()[i] ? "true" : "false") +
               ",\"attempts\":" + std::to_string(attempts) + ",\"passed\":" + (passed ? "true" : "false") +
               ",\"saved\":" + std::to_string(saved) + ",\"lost\":" + std::to_string(lost) + "}";
    }
    return out + "]";
}

// A continued game says where it started; a game from New Game says nothing.
std::string startJson(const GameRecording& recording)
{
    if (!recording.start)
        return {};
    const KeptLevel& s = *recording.start;
    return ",\"start\":{\"level\":" + std::to_string(s.levelNumber) + ",\"score\":" + std::to_string(s.score) +
           ",\"saved\":" + std::to_string(s.saved) + ",\"lost\":" + std::to_string(s.lost) +
           ",\"replay\":" + (s.replay ? "true" : "false") + "}";
}

// A self-contained replay names the set it carries.
std::string setJson(const GameRecording& recording)
{
    if (!recording.set)
        return {};
    return ",\"set\":{\"name\":" + jsonString(recording.set->name.toStdString()) + ",\"identity\":\"" +
           setIdentity(recording.set->levels).toStdString() +
           "\",\"levels\":" + std::to_string(recording.set->levels.size()) + "}";
}

}  // namespace

RecordingCheck checkRecording(const QString& path, const QString& levelsFolder, const QString& fallbackFolder)
{
    const std::string file = jsonString(path.toStdString());
    RecordingReading reading = readRecordingFile(path);
    if (!reading.recording)
        return {RecordingCheck::Unreadable,
                "{\"replay\":" + file + ",\"verdict\":\"unreadable\",\"line\":" + std::to_string(reading.line) +
                    ",\"message\":" + jsonString(reading.error.english().toStdString()) + "}"};
    const QString& named = reading.recording->folder;
    const QString folder = !levelsFolder.isEmpty()                        ? levelsFolder
                           : !named.isEmpty() && QFileInfo(named).isDir() ? named
                                                                          : fallbackFolder;
    RecordingPlayer player(std::move(*reading.recording), folder);  // a self-contained one looks in no folder
    player.playToEnd();
    const GameRecording& recording = player.recording();
    const bool matches = !player.refusal() && !player.divergence() && player.endConfirmed() && player.gameEnded();
    std::string json = "{\"replay\":" + file + ",\"verdict\":" + (matches ? "\"matches\"" : "\"diverges\"") +
                       ",\"score\":" + std::to_string(player.field().score) +
                       ",\"seconds\":" + std::to_string(recording.events.back().at / 1000) +
                       ",\"events\":" + std::to_string(recording.events.size()) + startJson(recording) +
                       setJson(recording) + ",\"levels\":" + levelsJson(player);
    if (player.refusal()) {
        json += ",\"message\":" + jsonString(player.refusal()->english().toStdString());
    } else if (!player.divergence() && !player.gameEnded()) {
        json += ",\"message\":" + jsonString("the file ends in level " + std::to_string(player.levelNumber()) +
                                             ", where the game went on: it was never played to its end");
    } else if (const std::optional<Divergence>& divergence = player.divergence()) {
        const RecordedEvent& event = recording.events[divergence->event];
        json += ",\"message\":" + jsonString(divergence->message.english().toStdString()) +
                ",\"event\":" + jsonString(eventLine(event).toStdString()) +
                ",\"event_index\":" + std::to_string(divergence->event);
        const auto checkpoint =
            std::find_if(recording.events.begin() + divergence->event, recording.events.end(),
                         [](const RecordedEvent& e) { return e.kind != RecordedEvent::Kind::Input; });
        if (checkpoint != recording.events.end())
            json += ",\"checkpoint\":" + jsonString(eventLine(*checkpoint).toStdString());
    }
    return {matches ? RecordingCheck::Matches : RecordingCheck::Diverges, json + "}"};
}
