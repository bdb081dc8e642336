#pragma once

#include "core/GameInput.h"
#include "core/Int16.h"
#include "files/Phrase.h"
#include "files/sets/SetFileFormat.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

// A recording of a game: its seed, the levels it played and every event that reached the rules,
// in order, each with the game time it arrived at (milliseconds since New Game). On disk it is the
// replay file, a text file of one line each; docs/replay-format.md describes it. Replay files
// travel between players, so the reader takes any bytes and names the first line it cannot accept.

// Version 2 added where a continued game starts; version 3 the levels of the whole set carried in
// the file (a self-contained replay) and a game's later sittings. From version 4 on, every timer
// line stands where the game's clock fired it, so that the clock, not the file, decides when the
// timers fire; the windows of the player's that hold the game are recorded too. Games recorded
// before keep the version they were recorded in.
inline constexpr int RecordingVersion = 4;
// The first version whose timers fire where the game's own clock puts them.
inline constexpr int ClockedVersion = 4;

// Bounds that keep a hostile file from exhausting memory: a game of hours stays far below them.
inline constexpr qint64 MaxRecordingBytes = 64 << 20;
inline constexpr std::size_t MaxRecordingEvents = 2'000'000;

// A level the game played: its number, its file's bare name and the SHA-256 of the file's bytes.
struct RecordedLevel {
    Int16 number = 0;
    QString fileName;
    QByteArray sha256;  // 32 bytes
    friend bool operator==(const RecordedLevel&, const RecordedLevel&) = default;
};

// What the game showed at the end of a level (LevelOver) or of the game (End: only the score).
struct Checkpoint {
    Int16 level = 0;
    bool passed = false;
    Int16 saved = 0;
    Int16 lost = 0;
    std::int32_t score = 0;
    friend bool operator==(const Checkpoint&, const Checkpoint&) = default;
};

struct RecordedEvent {
    // Sitting: the game went on in a later sitting (Continue Game) from input.start, its generator
    // restarted from seed. The kept level is a checkpoint: the rules must have kept that very level.
    enum class Kind : std::uint8_t { Input, LevelOver, End, Sitting };
    Millis at = 0;
    Kind kind = Kind::Input;
    GameInput input{GameInput::Kind::NewGame};
    Checkpoint checkpoint;
    std::uint64_t seed = 0;  // Sitting only
};

struct GameRecording {
    int version = RecordingVersion;  // as recorded: older files keep theirs when written again
    std::uint64_t seed = 0;
    QString folder;                  // where the game found its levels: only the files named below are opened there
    std::optional<KeptLevel> start;  // a continued game: where it started; nothing from New Game
    std::vector<RecordedLevel> levels;
    std::vector<RecordedEvent> events;
    // A self-contained replay carries its set (its name and every level, not only those played)
    // and no folder: it is played from these bytes alone. Only the name and levels are written.
    std::optional<SetFile> set;

    const RecordedLevel* level(Int16 number) const;
};

// The file's bytes. Board positions are written as hexadecimal floats, so they read back bit for bit.
QByteArray recordingBytes(const GameRecording& recording);

// The timer's word in the file ("countdown", "bonus", "turtle", "dog").
const char* timerWord(GameTimer timer);

// The event's line, without its line end: for messages that name an event.
QByteArray eventLine(const RecordedEvent& event);

struct RecordingReading {
    std::optional<GameRecording> recording;  // nothing when the file cannot be used
    int line = 0;                            // the first line that could not be read, from 1
    Phrase error;                            // what is wrong with that line, or nothing
    bool folderLine = false;                 // the file named a folder (a self-contained one is read without it)
};

// A self-contained recording is read without any folder line, and each level line must be the
// digest of the carried level of its number.
RecordingReading readRecording(const QByteArray& bytes);
// Reads at most MaxRecordingBytes; a larger file, a folder or a missing file is refused.
RecordingReading readRecordingFile(const QString& path);

// Makes the recording self-contained with the set it was played in: checks that every level it
// played is that set's level of the same number, then carries the set and drops the folder.
// What stands in the way ("Level 4 has changed since this game was played"), or nothing.
std::optional<Phrase> carrySet(GameRecording& recording, SetFile set);
