#include "sim/ReplayRecorder.h"

#include "core/PlayField.h"
#include "core/Random.h"
#include "files/FileBytes.h"

#include <QFileInfo>

#include <chrono>
#include <cstdio>

ReplayRecorder::ReplayRecorder(Clock& clock, Random& random, const PlayField& field,
                               std::function<std::uint64_t()> newSeed)
    : m_clock(clock), m_random(random), m_field(field), m_newSeed(std::move(newSeed))
{
}

Millis ReplayRecorder::since(Millis at) const
{
    // A timer that fired late, after an input stamped later than its moment, keeps the order.
    const Millis last = m_replay->events.empty() ? 0 : m_replay->events.back().at;
    return std::max(last, at - m_start);
}

void ReplayRecorder::add(ReplayEvent event, Millis at)
{
    if (m_replay->events.size() >= MaxReplayEvents) {
        m_tooLong = true;
        return;
    }
    event.at = since(at);
    m_replay->events.push_back(event);
}

void ReplayRecorder::observe(const GameInput& input)
{
    const bool continued = input.kind == GameInput::Kind::Continue;
    if (input.kind == GameInput::Kind::NewGame || continued) {
        finish();  // New Game during a game abandons it
        const std::uint64_t seed = m_newSeed();
        m_random.reseed(seed);  // before the flow loads the first level, which draws the turtles' ways
        m_replay = Replay{seed, m_folder, continued ? std::optional(input.start) : std::nullopt, {}, {}};
        m_tooLong = false;
        m_start = m_clock.present();
    }
    if (!m_replay)
        return;
    // A timer is stamped with the moment it was due; everything else with the present.
    add({0, ReplayEvent::Kind::Input, input, {}},
        input.kind == GameInput::Kind::Timer ? m_clock.now() : m_clock.present());
}

void ReplayRecorder::setFolder(const QString& folder)
{
    m_folder = folder;
    // A game continued in another set starts before the window has loaded anything from that set.
    if (m_replay && m_replay->levels.empty())
        m_replay->folder = folder;
}

void ReplayRecorder::levelLoaded(Int16 number, const QString& path)
{
    if (!m_replay || m_replay->level(number))
        return;
    m_replay->levels.push_back({number, QFileInfo(path).fileName(), fileSha256(path)});
}

void ReplayRecorder::levelOver(const LevelReport& report)
{
    if (!m_replay)
        return;
    const Checkpoint checkpoint{report.levelNumber, !report.replay, report.saved, report.lost, m_field.score};
    add({0, ReplayEvent::Kind::LevelOver, {GameInput::Kind::WindowClosed}, checkpoint}, m_clock.present());
}

void ReplayRecorder::finish()
{
    if (!m_replay)
        return;
    const Millis at = since(m_clock.present());
    std::optional<Replay> replay = std::exchange(m_replay, std::nullopt);
    if (m_tooLong) {
        std::fprintf(stderr, "pondrake: the game was too long to keep as a replay\n");
        return;
    }
    Checkpoint end;
    end.score = m_field.score;
    replay->events.push_back({at, ReplayEvent::Kind::End, {GameInput::Kind::WindowClosed}, end});
    if (m_finished)
        m_finished(*replay);
}

std::uint64_t seedFromClock()
{
    return static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
}
