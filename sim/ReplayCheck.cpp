#include "sim/ReplayCheck.h"

#include "sim/ReplayPlayer.h"
#include "sim/Summary.h"

#include <QFileInfo>

#include <algorithm>

namespace {

std::string levelsJson(const ReplayPlayer& player)
{
    std::string out = "[";
    const Replay& replay = player.replay();
    for (std::size_t i = 0; i < replay.levels.size(); ++i) {
        const ReplayLevel& level = replay.levels[i];
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
std::string startJson(const Replay& replay)
{
    if (!replay.start)
        return {};
    const KeptLevel& s = *replay.start;
    return ",\"start\":{\"level\":" + std::to_string(s.levelNumber) + ",\"score\":" + std::to_string(s.score) +
           ",\"saved\":" + std::to_string(s.saved) + ",\"lost\":" + std::to_string(s.lost) +
           ",\"replay\":" + (s.replay ? "true" : "false") + "}";
}

}  // namespace

ReplayCheck checkReplay(const QString& path, const QString& levelsFolder, const QString& fallbackFolder)
{
    const std::string file = jsonString(path.toStdString());
    ReplayReading reading = readReplayFile(path);
    if (!reading.replay)
        return {ReplayCheck::Unreadable, "{\"replay\":" + file +
                                             ",\"verdict\":\"unreadable\",\"line\":" + std::to_string(reading.line) +
                                             ",\"message\":" + jsonString(reading.error.toStdString()) + "}"};
    const QString& named = reading.replay->folder;
    const QString folder = !levelsFolder.isEmpty()                        ? levelsFolder
                           : !named.isEmpty() && QFileInfo(named).isDir() ? named
                                                                          : fallbackFolder;
    ReplayPlayer player(std::move(*reading.replay), folder);
    player.playToEnd();
    const Replay& replay = player.replay();
    const bool matches = !player.refusal() && !player.divergence() && player.endConfirmed();
    std::string json = "{\"replay\":" + file + ",\"verdict\":" + (matches ? "\"matches\"" : "\"diverges\"") +
                       ",\"score\":" + std::to_string(player.field().score) +
                       ",\"seconds\":" + std::to_string(replay.events.back().at / 1000) +
                       ",\"events\":" + std::to_string(replay.events.size()) + startJson(replay) +
                       ",\"levels\":" + levelsJson(player);
    if (player.refusal()) {
        json += ",\"message\":" + jsonString(*player.refusal());
    } else if (const std::optional<Divergence>& divergence = player.divergence()) {
        const ReplayEvent& event = replay.events[divergence->event];
        json += ",\"message\":" + jsonString(divergence->message) +
                ",\"event\":" + jsonString(eventLine(event).toStdString()) +
                ",\"event_index\":" + std::to_string(divergence->event);
        const auto checkpoint = std::find_if(replay.events.begin() + divergence->event, replay.events.end(),
                                             [](const ReplayEvent& e) { return e.kind != ReplayEvent::Kind::Input; });
        if (checkpoint != replay.events.end())
            json += ",\"checkpoint\":" + jsonString(eventLine(*checkpoint).toStdString());
    }
    return {matches ? ReplayCheck::Matches : ReplayCheck::Diverges, json + "}"};
}
