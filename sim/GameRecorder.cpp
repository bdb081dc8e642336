#include "sim/GameRecorder.h"

#include "core/PlayField.h"
#include "core/Random.h"
#include "files/FileBytes.h"

#include <QFileInfo>

#include <chrono>
#include <cstdio>

GameRecorder::GameRecorder(Clock& clock, Random& random, const PlayField& field, std::function<std::uint64_t()> newSeed)
    : m_clock(clock), m_random(random), m_field(field), m_newSeed(std::move(newSeed))
{
}

Millis GameRecorder::since(Millis at) const
{
    // A timer that fired late, after an input stamped later than its moment, keeps the order.
    const Millis last = m_recording->events.empty() ? 0 : m_recording->events.back().at;
    return std::max(last, at - m_start);
}

void GameRecorder::add(RecordedEvent event, Millis at)
{
    if (m_recording->events.size() >= MaxRecordingEvents) {
        m_tooLong = true;
        return;
    }
    event.at = since(at);
    m_recording->events.push_back(event);
}

void GameRecorder::observe(const GameInput& input)
{
    if (input.kind == GameInput::Kind::NewGame || input.kind == GameInput::Kind::Continue) {
        begin(input);
        if (m_recording && !m_recording->events.empty())
            return;  // a later sitting of a kept game: its sitting event stands for the Continue
    }
    if (!m_recording)
        return;
    // A timer is stamped with the moment it was due, any other input with the moment it arrived.
    add({0, RecordedEvent::Kind::Input, input, {}}, m_clock.now());
}

void GameRecorder::begin(const GameInput& input)
{
    finish();  // New Game during a game abandons it
    const std::uint64_t seed = m_newSeed();
    m_random.reseed(seed);  // before the flow loads the first level, which draws the turtles' ways
    m_tooLong = false;
    std::optional<GameRecording> earlier = std::exchange(m_earlier, std::nullopt);
    if (input.kind == GameInput::Kind::NewGame || !earlier || earlier->events.empty()) {
        m_recording = GameRecording{};
        m_recording->seed = seed;
        m_recording->folder = m_folder;
        if (input.kind == GameInput::Kind::Continue)
            m_recording->start = input.start;
        m_start = m_clock.now();
        return;
    }
    // The earlier sittings without their end (and in their set's folder), then this one, its times
    // following theirs.
    m_recording = std::move(earlier);
    m_recording->events.pop_back();
    const Millis last = m_recording->events.empty() ? 0 : m_recording->events.back().at;
    m_start = m_clock.now() - last;
    RecordedEvent sitting{last, RecordedEvent::Kind::Sitting, input, {}, seed};
    m_recording->events.push_back(sitting);
}

void GameRecorder::setFolder(const QString& folder)
{
    m_folder = folder;
    // A game continued in another set starts before the window has loaded anything from that set.
    if (m_recording && m_recording->levels.empty())
        m_recording->folder = folder;
}

void GameRecorder::levelLoaded(Int16 number, const QString& path)
{
    if (!m_recording || m_recording->level(number))
        return;
    m_recording->levels.push_back({number, QFileInfo(path).fileName(), fileSha256(path)});
}

void GameRecorder::levelOver(const LevelReport& report)
{
    if (!m_recording)
        return;
    const Checkpoint checkpoint{report.levelNumber, !report.replay, report.saved, report.lost, m_field.score};
    add({0, RecordedEvent::Kind::LevelOver, {GameInput::Kind::WindowClosed}, checkpoint}, m_clock.now());
}

std::optional<GameRecording> GameRecorder::soFar() const
{
    if (!m_recording || m_tooLong)
        return std::nullopt;
    GameRecording recording = *m_recording;
    Checkpoint end;
    end.score = m_field.score;
    recording.events.push_back({since(m_clock.now()), RecordedEvent::Kind::End, {GameInput::Kind::WindowClosed}, end});
    return recording;
}

void GameRecorder::finish()
{
    if (!m_recording)
        return;
    const Millis at = since(m_clock.now());
    std::optional<GameRecording> recording = std::exchange(m_recording, std::nullopt);
    if (m_tooLong) {
        std::fprintf(stderr, "pondrake: the game was too long to keep as a replay\n");
        return;
    }
    Checkpoint end;
    end.score = m_field.score;
    recording->events.push_back({at, RecordedEvent::Kind::End, {GameInput::Kind::WindowClosed}, end});
    if (m_finished)
        m_finished(*recording);
}

std::uint64_t seedFromClock()
{
    return static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
}
