#include "files/ReplayFile.h"

#include "files/FileBytes.h"
#include "files/MusicPath.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <set>

namespace {

const QByteArray Magic = "pondrake-replay";
constexpr qsizetype MaxLine = 1024;
constexpr Millis MaxTime = Millis(1) << 40;  // about 35 years of play

// What follows an event's word.
enum class Args { None, Timer, Point, Answer, LevelOver, End };

struct EventWord {
    const char* word;
    ReplayEvent::Kind kind;
    GameInput::Kind input;
    Args args;
};

// Every event word of the format. A later version adds rows here; a reader meets an unknown word
// only in a file of a newer version, which it refuses by the header before.
constexpr std::array<EventWord, 17> Words{{
    {"timer", ReplayEvent::Kind::Input, GameInput::Kind::Timer, Args::Timer},
    {"down", ReplayEvent::Kind::Input, GameInput::Kind::MouseDown, Args::Point},
    {"move", ReplayEvent::Kind::Input, GameInput::Kind::MouseMove, Args::Point},
    {"up", ReplayEvent::Kind::Input, GameInput::Kind::MouseUp, Args::Point},
    {"letgo", ReplayEvent::Kind::Input, GameInput::Kind::LetGo, Args::None},
    {"new", ReplayEvent::Kind::Input, GameInput::Kind::NewGame, Args::None},
    {"continue", ReplayEvent::Kind::Input, GameInput::Kind::Continue, Args::None},  // where: the header's start
    {"replay", ReplayEvent::Kind::Input, GameInput::Kind::Replay, Args::None},
    {"abort", ReplayEvent::Kind::Input, GameInput::Kind::EndGame, Args::None},
    {"highscores", ReplayEvent::Kind::Input, GameInput::Kind::HighScores, Args::None},
    {"editor", ReplayEvent::Kind::Input, GameInput::Kind::LevelEditor, Args::None},
    {"pause", ReplayEvent::Kind::Input, GameInput::Kind::Pause, Args::None},
    {"resume", ReplayEvent::Kind::Input, GameInput::Kind::Resume, Args::None},
    {"answer", ReplayEvent::Kind::Input, GameInput::Kind::Answer, Args::Answer},
    {"closed", ReplayEvent::Kind::Input, GameInput::Kind::WindowClosed, Args::None},
    {"levelover", ReplayEvent::Kind::LevelOver, GameInput::Kind::WindowClosed, Args::LevelOver},
    {"end", ReplayEvent::Kind::End, GameInput::Kind::WindowClosed, Args::End},
}};

constexpr std::array<const char*, 4> TimerWords{"countdown", "bonus", "turtle", "dog"};

const EventWord& wordOf(const ReplayEvent& event)
{
    for (const EventWord& word : Words)
        if (word.kind == event.kind && (word.kind != ReplayEvent::Kind::Input || word.input == event.input.kind))
            return word;
    return Words.back();  // every kind has its row
}

QByteArray floatText(float value)
{
    std::array<char, 64> text{};
    const auto [end, error] = std::to_chars(text.data(), text.data() + text.size(), value, std::chars_format::hex);
    return QByteArray(text.data(), error == std::errc() ? end - text.data() : 0);
}

template <typename Number>
std::optional<Number> wholeNumber(const QByteArray& text)
{
    Number value{};
    const char* end = text.constData() + text.size();
    const auto [stop, error] = std::from_chars(text.constData(), end, value);
    if (error != std::errc() || stop != end || text.startsWith('+'))
        return std::nullopt;
    return value;
}

std::optional<float> hexFloat(const QByteArray& text)
{
    float value = 0;
    const char* end = text.constData() + text.size();
    const auto [stop, error] = std::from_chars(text.constData(), end, value, std::chars_format::hex);
    // The writer always gives the exponent: without one, decimal-looking digits would read as hex.
    if (error != std::errc() || stop != end || !std::isfinite(value) || !text.contains('p'))
        return std::nullopt;
    return value;
}

// Reads one line's fields into an event; an empty message when they fit.
QString readArgs(Args args, const QByteArrayList& fields, ReplayEvent& event)
{
    const auto count = [&](qsizetype n) { return fields.size() == n + 2; };
    switch (args) {
    case Args::None:
        return count(0) ? QString() : QStringLiteral("this event takes nothing after its word");
    case Args::Timer:
        for (std::size_t i = 0; i < TimerWords.size(); ++i)
            if (count(1) && fields[2] == TimerWords[i]) {
                event.input.timer = AllTimers[i];
                return {};
            }
        return QStringLiteral("a timer is countdown, bonus, turtle or dog");
    case Args::Point: {
        const std::optional<float> x = count(2) ? hexFloat(fields[2]) : std::nullopt;
        const std::optional<float> y = count(2) ? hexFloat(fields[3]) : std::nullopt;
        if (!x || !y)
            return QStringLiteral("a board position is two hexadecimal floating-point numbers");
        event.input.x = *x;
        event.input.y = *y;
        return {};
    }
    case Args::Answer:
        if (!count(1) || (fields[2] != "yes" && fields[2] != "no"))
            return QStringLiteral("an answer is yes or no");
        event.input.yes = fields[2] == "yes";
        return {};
    case Args::LevelOver: {
        const auto level = count(5) ? wholeNumber<Int16>(fields[2]) : std::nullopt;
        const auto saved = count(5) ? wholeNumber<Int16>(fields[4]) : std::nullopt;
        const auto lost = count(5) ? wholeNumber<Int16>(fields[5]) : std::nullopt;
        const auto score = count(5) ? wholeNumber<std::int32_t>(fields[6]) : std::nullopt;
        if (!level || !saved || !lost || !score || (fields[3] != "passed" && fields[3] != "failed"))
            return QStringLiteral("a level's end is its number, passed or failed, saved, lost and the score");
        event.checkpoint = {*level, fields[3] == "passed", *saved, *lost, *score};
        return {};
    }
    case Args::End: {
        const auto score = count(1) ? wholeNumber<std::int32_t>(fields[2]) : std::nullopt;
        if (!score)
            return QStringLiteral("the game's end is its final score");
        event.checkpoint.score = *score;
        return {};
    }
    }
    return QStringLiteral("unknown arguments");
}

// Reads the file line by line; fail() records the first fault and ends the reading.
class Reader {
public:
    explicit Reader(const QByteArray& bytes) : m_bytes(bytes) {}

    ReplayReading read()
    {
        Replay replay;
        if (!header(replay))
            return fault();
        while (const std::optional<QByteArray> line = next()) {
            if (!event(*line, replay))
                return fault();
        }
        if (replay.events.empty() || replay.events.back().kind != ReplayEvent::Kind::End) {
            fail(QStringLiteral("the file ends before the game's final score: it is cut short"));
            return fault();
        }
        return {std::move(replay), 0, {}};
    }

private:
    std::optional<QByteArray> next()
    {
        if (m_pos >= m_bytes.size())
            return std::nullopt;
        qsizetype end = m_bytes.indexOf('\n', m_pos);
        if (end < 0)
            end = m_bytes.size();
        QByteArray line = m_bytes.mid(m_pos, std::min(end - m_pos, MaxLine + 1));
        m_pos = end + 1;
        ++m_line;
        if (line.endsWith('\r'))
            line.chop(1);
        return line;
    }

    bool fail(const QString& message)
    {
        m_error = message;
        return false;
    }

    ReplayReading fault() const { return {std::nullopt, m_line, m_error}; }

    bool header(Replay& replay)
    {
        const std::optional<QByteArray> first = next();
        const QByteArrayList magic = first ? first->split(' ') : QByteArrayList();
        if (magic.size() != 2 || magic[0] != Magic)
            return fail(QStringLiteral("this is no replay file"));
        const std::optional<int> version = wholeNumber<int>(magic[1]);
        if (!version || *version < 1)
            return fail(QStringLiteral("the replay's version is no number"));
        if (*version > ReplayVersion)
            return fail(QStringLiteral("this replay was made by a newer version of the game"));
        bool seeded = false;
        m_version = *version;
        // The events begin with the first line that starts like a number.
        while (m_pos < m_bytes.size() && !std::isdigit(static_cast<unsigned char>(m_bytes[m_pos])) &&
               m_bytes[m_pos] != '-') {
            const QByteArray line = *next();
            // A folder or file name ending in a carriage return would not read back as written.
            if (std::any_of(line.begin(), line.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; }))
                return fail(QStringLiteral("a line of the replay's header holds a control character"));
            // Names are read as UTF-8: bytes that are not would come back as other characters.
            if (QString::fromUtf8(line).toUtf8() != line)
                return fail(QStringLiteral("a line of the replay's header is not UTF-8 text"));
            const qsizetype space = line.indexOf(' ');
            const QByteArray word = space < 0 ? line : line.left(space);
            const QByteArray rest = space < 0 ? QByteArray() : line.mid(space + 1);
            if (word == "seed" && !seeded) {
                const std::optional<std::uint64_t> seed = wholeNumber<std::uint64_t>(rest);
                if (!seed)
                    return fail(QStringLiteral("the seed is a whole number"));
                replay.seed = *seed;
                seeded = true;
            } else if (word == "folder" && replay.folder.isEmpty() && line.size() <= MaxLine) {
                replay.folder = QString::fromUtf8(rest);
            } else if (word == "start" && !replay.start && m_version >= 2) {
                if (!start(rest, replay))
                    return false;
            } else if (word == "level") {
                if (!level(rest, replay))
                    return false;
            } else {
                return fail(QStringLiteral("unknown line in the replay's header"));
            }
        }
        return seeded || fail(QStringLiteral("the replay has no seed"));
    }

    // Where a continued game starts, within what a kept game can hold.
    bool start(const QByteArray& text, Replay& replay)
    {
        const QByteArrayList fields = text.split(' ');
        const auto number = [&](int i, int low) {
            const std::optional<Int16> value = fields.size() == 5 ? wholeNumber<Int16>(fields[i]) : std::nullopt;
            return value && *value >= low ? value : std::nullopt;
        };
        const auto level = number(0, 1), score = number(1, -32768), saved = number(2, 0), lost = number(3, 0);
        if (!level || !score || !saved || !lost || (fields[4] != "fresh" && fields[4] != "replay"))
            return fail(QStringLiteral("a game's start is its level, score, saved, lost and fresh or replay"));
        replay.start = KeptLevel{*level, *score, *saved, *lost, fields[4] == "replay"};
        return true;
    }

    bool level(const QByteArray& text, Replay& replay)
    {
        const QByteArrayList fields = text.split(' ');
        const Int16 number = fields.size() >= 3 ? wholeNumber<Int16>(fields[0]).value_or(0) : 0;
        const QByteArray hash = fields.size() >= 3 ? QByteArray::fromHex(fields[1]) : QByteArray();
        const QString name = QString::fromUtf8(text.mid(fields[0].size() + fields.value(1).size() + 2));
        if (number < 1 || hash.size() != 32 || fields[1].size() != 64 || !isBareFileName(name) ||
            name.contains(u'\n') || text.size() > MaxLine)
            return fail(QStringLiteral("a level is its number, the SHA-256 of its file and the file's name"));
        if (!m_levelNumbers.insert(number).second)
            return fail(QStringLiteral("level %1 is named twice").arg(number));
        replay.levels.push_back({number, name, hash});
        return true;
    }

    bool event(const QByteArray& line, Replay& replay)
    {
        if (line.size() > MaxLine)
            return fail(QStringLiteral("the line is too long"));
        if (replay.events.size() >= MaxReplayEvents)
            return fail(QStringLiteral("the replay holds more events than a game can"));
        if (!replay.events.empty() && replay.events.back().kind == ReplayEvent::Kind::End)
            return fail(QStringLiteral("events follow the game's end"));
        const QByteArrayList fields = line.split(' ');
        ReplayEvent event;
        const std::optional<Millis> at = wholeNumber<Millis>(fields[0]);
        if (!at || *at < 0 || *at > MaxTime || fields.size() < 2)
            return fail(QStringLiteral("an event is its time in milliseconds and its word"));
        if (!replay.events.empty() && *at < replay.events.back().at)
            return fail(QStringLiteral("the time goes back"));
        event.at = *at;
        for (const EventWord& word : Words) {
            if (fields[1] != word.word)
                continue;
            event.kind = word.kind;
            event.input.kind = word.input;
            if (const QString wrong = readArgs(word.args, fields, event); !wrong.isEmpty())
                return fail(wrong);
            // A game starts once: with New Game, or where the header's start says with continue.
            const GameInput::Kind first = replay.start ? GameInput::Kind::Continue : GameInput::Kind::NewGame;
            const bool starts =
                event.kind == ReplayEvent::Kind::Input &&
                (event.input.kind == GameInput::Kind::NewGame || event.input.kind == GameInput::Kind::Continue);
            if (starts != replay.events.empty())
                return fail(starts ? QStringLiteral("a replay holds one game: New Game comes first and only once")
                                   : QStringLiteral("the game must start with New Game"));
            if (starts && event.input.kind != first)
                return fail(replay.start ? QStringLiteral("a game with a start in its header begins with continue")
                                         : QStringLiteral("a game continued needs its start in the header"));
            if (starts && replay.start)
                event.input.start = *replay.start;
            replay.events.push_back(event);
            return true;
        }
        return fail(QStringLiteral("unknown event"));
    }

    const QByteArray& m_bytes;
    std::set<Int16> m_levelNumbers;  // a file may name thousands: no search through a list
    qsizetype m_pos = 0;
    int m_line = 0;
    int m_version = 0;
    QString m_error;
};

}  // namespace

const ReplayLevel* Replay::level(Int16 number) const
{
    for (const ReplayLevel& level : levels)
        if (level.number == number)
            return &level;
    return nullptr;
}

QByteArray eventLine(const ReplayEvent& event)
{
    const EventWord& word = wordOf(event);
    QByteArray line = QByteArray::number(event.at) + ' ' + word.word;
    const Checkpoint& c = event.checkpoint;
    switch (word.args) {
    case Args::None:
        break;
    case Args::Timer:
        line += QByteArray(" ") + TimerWords[static_cast<std::size_t>(event.input.timer)];
        break;
    case Args::Point:
        line += ' ' + floatText(event.input.x) + ' ' + floatText(event.input.y);
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
    }
    return line;
}

QByteArray replayBytes(const Replay& replay)
{
    // Version 1 readers still take every game from New Game.
    QByteArray bytes = Magic + ' ' + (replay.start ? "2" : "1") + '\n';
    bytes += "seed " + QByteArray::number(replay.seed) + '\n';
    if (!replay.folder.isEmpty())
        bytes += "folder " + replay.folder.toUtf8() + '\n';
    if (const std::optional<KeptLevel>& s = replay.start)
        bytes += "start " + QByteArray::number(s->levelNumber) + ' ' + QByteArray::number(s->score) + ' ' +
                 QByteArray::number(s->saved) + ' ' + QByteArray::number(s->lost) + (s->replay ? " replay" : " fresh") +
                 '\n';
    for (const ReplayLevel& level : replay.levels)
        bytes += "level " + QByteArray::number(level.number) + ' ' + level.sha256.toHex() + ' ' +
                 level.fileName.toUtf8() + '\n';
    for (const ReplayEvent& event : replay.events)
        bytes += eventLine(event) + '\n';
    return bytes;
}

ReplayReading readReplay(const QByteArray& bytes) { return Reader(bytes).read(); }

ReplayReading readReplayFile(const QString& path)
{
    const std::optional<FileHead> head = readFileHead(path, MaxReplayBytes);
    if (!head)
        return {std::nullopt, 0, QStringLiteral("the replay cannot be read")};
    if (head->cut)
        return {std::nullopt, 0, QStringLiteral("the replay is larger than any game makes")};
    return readReplay(head->bytes);
}

QByteArray fileSha256(const QString& path)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    QFile file(path);
    if (QFileInfo(path).isFile() && file.open(QIODevice::ReadOnly))  // a pipe would wait for a writer
        hash.addData(&file);
    return hash.result();
}
