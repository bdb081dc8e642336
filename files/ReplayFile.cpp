#include "files/ReplayFile.h"

#include "files/NumberText.h"
#include "files/ReplayFileWords.h"
#include "files/sets/SetLevelSection.h"

#include <QCryptographicHash>

#include <algorithm>
#include <array>

namespace {

// What follows an event's word.
enum class Args { None, Timer, Point, Answer, LevelOver, End, Sitting };

struct EventWord {
    QByteArrayView word;
    RecordedEvent::Kind kind;
    GameInput::Kind input;
    Args args;
};

// Every event word of the format; a new input is one more row. A reader refuses a word it does
// not know, naming its line.
constexpr std::array<EventWord, 20> Words{{
    {"timer", RecordedEvent::Kind::Input, GameInput::Kind::Timer, Args::Timer},
    {"down", RecordedEvent::Kind::Input, GameInput::Kind::MouseDown, Args::Point},
    {"move", RecordedEvent::Kind::Input, GameInput::Kind::MouseMove, Args::Point},
    {"up", RecordedEvent::Kind::Input, GameInput::Kind::MouseUp, Args::Point},
    {"letgo", RecordedEvent::Kind::Input, GameInput::Kind::LetGo, Args::None},
    {"new", RecordedEvent::Kind::Input, GameInput::Kind::NewGame, Args::None},
    {"continue", RecordedEvent::Kind::Input, GameInput::Kind::Continue, Args::None},  // where: the header's start
    {"replay", RecordedEvent::Kind::Input, GameInput::Kind::Replay, Args::None},
    {"abort", RecordedEvent::Kind::Input, GameInput::Kind::Abort, Args::None},
    {"highscores", RecordedEvent::Kind::Input, GameInput::Kind::HighScores, Args::None},
    {"editor", RecordedEvent::Kind::Input, GameInput::Kind::LevelEditor, Args::None},
    {"levelset", RecordedEvent::Kind::Input, GameInput::Kind::LevelSet, Args::None},
    {"pause", RecordedEvent::Kind::Input, GameInput::Kind::Pause, Args::None},
    {"resume", RecordedEvent::Kind::Input, GameInput::Kind::Resume, Args::None},
    {"answer", RecordedEvent::Kind::Input, GameInput::Kind::Answer, Args::Answer},
    {"window", RecordedEvent::Kind::Input, GameInput::Kind::Window, Args::None},  // version 4 on
    {"closed", RecordedEvent::Kind::Input, GameInput::Kind::WindowClosed, Args::None},
    {"levelover", RecordedEvent::Kind::LevelOver, GameInput::Kind::WindowClosed, Args::LevelOver},
    {"end", RecordedEvent::Kind::End, GameInput::Kind::WindowClosed, Args::End},
    {"sitting", RecordedEvent::Kind::Sitting, GameInput::Kind::Continue, Args::Sitting},  // version 3 on
}};

constexpr std::array<const char*, 4> TimerWords{"countdown", "bonus", "turtle", "dog"};

const EventWord& wordOf(const RecordedEvent& event)
{
    for (const EventWord& word : Words)
        if (word.kind == event.kind && (word.kind != RecordedEvent::Kind::Input || word.input == event.input.kind))
            return word;
    return Words.back();  // every kind has its row
}

// Reads one line's fields into an event; an empty message when they fit.
Phrase readArgs(Args args, const ReplayFileWords::Fields& fields, RecordedEvent& event)
{
    const auto count = [&](qsizetype n) { return fields.size() == n + 2; };
    switch (args) {
    case Args::None:
        return count(0) ? Phrase()
                        : Phrase{ReplayFileWords::Context,
                                 QT_TRANSLATE_NOOP("ReplayFile", "this event takes nothing after its word"),
                                 {}};
    case Args::Timer:
        for (std::size_t i = 0; i < TimerWords.size(); ++i)
            if (count(1) && fields[2] == TimerWords[i]) {
                event.input.timer = AllTimers[i];
                return {};
            }
        return Phrase{ReplayFileWords::Context,
                      QT_TRANSLATE_NOOP("ReplayFile", "a timer is countdown, bonus, turtle or dog"),
                      {}};
    case Args::Point: {
        const std::optional<float> x = count(2) ? hexFloat(fields[2]) : std::nullopt;
        const std::optional<float> y = count(2) ? hexFloat(fields[3]) : std::nullopt;
        if (!x || !y)
            return Phrase{ReplayFileWords::Context,
                          QT_TRANSLATE_NOOP("ReplayFile", "a board position is two hexadecimal floating-point numbers"),
                          {}};
        event.input.x = *x;
        event.input.y = *y;
        return {};
    }
    case Args::Answer:
        if (!count(1) || (fields[2] != "yes" && fields[2] != "no"))
            return Phrase{ReplayFileWords::Context, QT_TRANSLATE_NOOP("ReplayFile", "an answer is yes or no"), {}};
        event.input.yes = fields[2] == "yes";
        return {};
    case Args::LevelOver: {
        const auto level = count(5) ? wholeNumber<Int16>(fields[2]) : std::nullopt;
        const auto saved = count(5) ? wholeNumber<Int16>(fields[4]) : std::nullopt;
        const auto lost = count(5) ? wholeNumber<Int16>(fields[5]) : std::nullopt;
        const auto score = count(5) ? wholeNumber<std::int32_t>(fields[6]) : std::nullopt;
        if (!level || !saved || !lost || !score || (fields[3] != "passed" && fields[3] != "failed"))
            return Phrase{ReplayFileWords::Context,
                          QT_TRANSLATE_NOOP("ReplayFile",
                                            "a level's end is its number, passed or failed, saved, lost and the score"),
                          {}};
        event.checkpoint = {*level, fields[3] == "passed", *saved, *lost, *score};
        return {};
    }
    case Args::End: {
        const auto score = count(1) ? wholeNumber<std::int32_t>(fields[2]) : std::nullopt;
        if (!score)
            return Phrase{
                ReplayFileWords::Context, QT_TRANSLATE_NOOP("ReplayFile", "the game's end is its final score"), {}};
        event.checkpoint.score = *score;
        return {};
    }
    case Args::Sitting: {
        const std::optional<std::uint64_t> seed = count(6) ? wholeNumber<std::uint64_t>(fields[2]) : std::nullopt;
        const std::optional<KeptLevel> kept =
            seed ? ReplayFileWords::readKeptLevel({fields.begin() + 3, fields.end()}) : std::nullopt;
        if (!kept)
            return Phrase{
                ReplayFileWords::Context,
                QT_TRANSLATE_NOOP("ReplayFile",
                                  "a later sitting is its seed, then the level, score, saved, lost and fresh or "
                                  "replay it went on from"),
                {}};
        event.seed = *seed;
        event.input.start = *kept;
        return {};
    }
    }
    return Phrase{ReplayFileWords::Context, QT_TRANSLATE_NOOP("ReplayFile", "unknown arguments"), {}};
}

}  // namespace

const char* timerWord(GameTimer timer) { return TimerWords[static_cast<std::size_t>(timer)]; }

ReplayFileWords::Fields ReplayFileWords::fieldsOf(QByteArrayView line)
{
    Fields fields;
    for (qsizetype from = 0;;) {
        const qsizetype space = line.indexOf(' ', from);
        fields.append(line.sliced(from, (space < 0 ? line.size() : space) - from));
        if (space < 0)
            return fields;
        from = space + 1;
    }
}

std::optional<KeptLevel> ReplayFileWords::readKeptLevel(const Fields& fields)
{
    const auto number = [&](int i, int low) {
        const std::optional<Int16> value = fields.size() == 5 ? wholeNumber<Int16>(fields[i]) : std::nullopt;
        return value && *value >= low ? value : std::nullopt;
    };
    const auto level = number(0, 1), score = number(1, -32768), saved = number(2, 0), lost = number(3, 0);
    if (!level || !score || !saved || !lost || (fields[4] != "fresh" && fields[4] != "replay"))
        return std::nullopt;
    return KeptLevel{*level, *score, *saved, *lost, fields[4] == "replay"};
}

QByteArray ReplayFileWords::keptLevelText(const KeptLevel& kept)
{
    return QByteArray::number(kept.levelNumber) + ' ' + QByteArray::number(kept.score) + ' ' +
           QByteArray::number(kept.saved) + ' ' + QByteArray::number(kept.lost) + (kept.replay ? " replay" : " fresh");
}

Phrase ReplayFileWords::readEvent(const Fields& fields, RecordedEvent& event)
{
    for (const EventWord& word : Words) {
        if (fields[1] != word.word)
            continue;
        event.kind = word.kind;
        event.input.kind = word.input;
        return readArgs(word.args, fields, event);
    }
    return Phrase{ReplayFileWords::Context, QT_TRANSLATE_NOOP("ReplayFile", "unknown event"), {}};
}

const RecordedLevel* GameRecording::level(Int16 number) const
{
    for (const RecordedLevel& level : levels)
        if (level.number == number)
            return &level;
    return nullptr;
}

QByteArray eventLine(const RecordedEvent& event)
{
    const EventWord& word = wordOf(event);
    QByteArray line = QByteArray::number(event.at) + ' ' + word.word.toByteArray();
    const Checkpoint& c = event.checkpoint;
    switch (word.args) {
    case Args::None:
        break;
    case Args::Timer:
        line += QByteArray(" ") + timerWord(event.input.timer);
        break;
    case Args::Point:
        line += ' ' + hexFloatText(event.input.x) + ' ' + hexFloatText(event.input.y);
        break;
    case Args::Answer:
        line += event.input.yes ? " yes" : " no";
        break;
    case Args::LevelOver:
        line += ' ' + QByteArray::number(c.level) + (c.passed ? " passed " : " failed ") + QByteArray::number(c.saved) +
                ' ' + QByteArray::number(c.lost) + ' ' + QByteArray::number(c.score);
        break;
    case Args::End:
        line += ' ' + QByteArray::number(c.score);
        break;
    case Args::Sitting:
        line += ' ' + QByteArray::number(event.seed) + ' ' + ReplayFileWords::keptLevelText(event.input.start);
        break;
    }
    return line;
}

QByteArray recordingBytes(const GameRecording& recording)
{
    // A game recorded before the clock decided keeps the lowest version that holds what it carries,
    // so that nobody takes its timers for the clock's.
    const bool sittings = std::any_of(recording.events.begin(), recording.events.end(),
                                      [](const RecordedEvent& e) { return e.kind == RecordedEvent::Kind::Sitting; });
    const int version = recording.version >= ClockedVersion ? recording.version
                        : recording.set || sittings         ? 3
                        : recording.start                   ? 2
                                                            : 1;
    QByteArray bytes = ReplayFileWords::Magic + ' ' + QByteArray::number(version) + '\n';
    bytes += "seed " + QByteArray::number(recording.seed) + '\n';
    if (!recording.folder.isEmpty() && !recording.set)
        bytes += "folder " + recording.folder.toUtf8() + '\n';
    if (const std::optional<KeptLevel>& s = recording.start)
        bytes += "start " + ReplayFileWords::keptLevelText(*s) + '\n';
    if (const std::optional<SetFile>& set = recording.set) {
        bytes += "set " + set->name.toUtf8() + '\n';
        for (const QByteArray& level : set->levels)
            bytes += "setlevel " + SetLevelSection::text(level) + '\n';
    }
    for (const RecordedLevel& level : recording.levels)
        bytes += "level " + QByteArray::number(level.number) + ' ' + level.sha256.toHex() + ' ' +
                 level.fileName.toUtf8() + '\n';
    for (const RecordedEvent& event : recording.events)
        bytes += eventLine(event) + '\n';
    return bytes;
}

std::optional<Phrase> carrySet(GameRecording& recording, SetFile set)
{
    for (const RecordedLevel& level : recording.levels) {
        const std::size_t number = std::size_t(level.number);
        if (number > set.levels.size())
            return Phrase{ReplayFileWords::Context,
                          QT_TRANSLATE_NOOP("ReplayFile", "Level %1 is not in the set any more"),
                          {QString::number(level.number)}};
        if (QCryptographicHash::hash(set.levels[number - 1], QCryptographicHash::Sha256) != level.sha256)
            return Phrase{ReplayFileWords::Context,
                          QT_TRANSLATE_NOOP("ReplayFile", "Level %1 has changed since this game was played"),
                          {QString::number(level.number)}};
    }
    set.author.clear();  // a replay carries the set's name and levels only
    set.description.clear();
    recording.set = std::move(set);
    recording.folder.clear();
    return std::nullopt;
}
