#include "server/GameSeeds.h"

#include <algorithm>

std::vector<std::uint64_t> gameSeeds(const GameRecording& recording)
{
    std::vector<std::uint64_t> seeds{recording.seed};
    for (const RecordedEvent& event : recording.events)
        if (event.kind == RecordedEvent::Kind::Sitting)
            seeds.push_back(event.seed);
    std::sort(seeds.begin(), seeds.end());
    seeds.erase(std::unique(seeds.begin(), seeds.end()), seeds.end());
    return seeds;
}
