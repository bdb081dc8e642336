// The replay file's reader; the writer and the table of event words are in ReplayFile.cpp.
#include "files/ReplayFile.h"

#include "files/FileBytes.h"
#include "files/MusicPath.h"
#include "files/NumberText.h"
#include "files/ReplayFileWords.h"

#include <algorithm>
#include <cctype>
#include <set>

namespace {

constexpr qsizetype MaxLine = 1024;
constexpr Millis MaxTime = Millis(1) << 40;  // about 35 years of play

// Reads the file line by line; fail() records the first fault and ends the reading.
class Reader {
public:
    explicit Reader(const QByteArray& bytes) : m_bytes(bytes) {}

    RecordingReading read()
    {
        GameRecording recording;
        if (!header(recording))
            return fault();
        while (const std::optional<QByteArray> line = next()) {
            if (!event(*line, recording))
                return fault();
        }
        if (recording.events.empty() || recording.events.back().kind != RecordedEvent::Kind::End) {
            fail(QStringLiteral("the file ends before the game's final score: it is cut short"));
            return fault();
        }
        return {std::move(recording), 0, {}};
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

    RecordingReading fault() const { return {std::nullopt, m_line, m_error}; }

    bool header(GameRecording& recording)
    {
        const std::optional<QByteArray> first = next();
        const QByteArrayList magic = first ? first->split(' ') : QByteArrayList();
        if (magic.size() != 2 || magic[0] != ReplayFileWords::Magic)
            return fail(QStringLiteral("this is no replay file"));
        const std::optional<int> version = wholeNumber<int>(magic[1]);
        if (!version || *version < 1)
            return fail(QStringLiteral("the replay's version is no number"));
        if (*version > RecordingVersion)
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
                recording.seed = *seed;
                seeded = true;
            } else if (word == "folder" && recording.folder.isEmpty() && line.size() <= MaxLine) {
                recording.folder = QString::fromUtf8(rest);
            } else if (word == "start" && !recording.start && m_version >= 2) {
                if (!start(rest, recording))
                    return false;
            } else if (word == "level") {
                if (!level(rest, recording))
                    return false;
            } else {
                return fail(QStringLiteral("unknown line in the replay's header"));
            }
        }
        return seeded || fail(QStringLiteral("the replay has no seed"));
    }

    // Where a continued game starts, within what a kept game can hold.
    bool start(const QByteArray& text, GameRecording& recording)
    {
        const QByteArrayList fields = text.split(' ');
        const auto number = [&](int i, int low) {
            const std::optional<Int16> value = fields.size() == 5 ? wholeNumber<Int16>(fields[i]) : std::nullopt;
            return value && *value >= low ? value : std::nullopt;
        };
        const auto level = number(0, 1), score = number(1, -32768), saved = number(2, 0), lost = number(3, 0);
        if (!level || !score || !saved || !lost || (fields[4] != "fresh" && fields[4] != "replay"))
            return fail(QStringLiteral("a game's start is its level, score, saved, lost and fresh or replay"));
        recording.start = KeptLevel{*level, *score, *saved, *lost, fields[4] == "replay"};
        return true;
    }

    bool level(const QByteArray& text, GameRecording& recording)
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
        recording.levels.push_back({number, name, hash});
        return true;
    }

    bool event(const QByteArray& line, GameRecording& recording)
    {
        if (line.size() > MaxLine)
            return fail(QStringLiteral("the line is too long"));
        if (recording.events.size() >= MaxRecordingEvents)
            return fail(QStringLiteral("the replay holds more events than a game can"));
        if (!recording.events.empty() && recording.events.back().kind == RecordedEvent::Kind::End)
            return fail(QStringLiteral("events follow the game's end"));
        const QByteArrayList fields = line.split(' ');
        RecordedEvent event;
        const std::optional<Millis> at = wholeNumber<Millis>(fields[0]);
        if (!at || *at < 0 || *at > MaxTime || fields.size() < 2)
            return fail(QStringLiteral("an event is its time in milliseconds and its word"));
        if (!recording.events.empty() && *at < recording.events.back().at)
            return fail(QStringLiteral("the time goes back"));
        event.at = *at;
        if (const QString wrong = ReplayFileWords::readEvent(fields, event); !wrong.isEmpty())
            return fail(wrong);
        // A game starts once: with New Game, or where the header's start says with continue.
        const GameInput::Kind first = recording.start ? GameInput::Kind::Continue : GameInput::Kind::NewGame;
        const bool starts = event.kind == RecordedEvent::Kind::Input && (event.input.kind == GameInput::Kind::NewGame ||
                                                                         event.input.kind == GameInput::Kind::Continue);
        if (starts != recording.events.empty())
            return fail(starts ? QStringLiteral("a replay holds one game: New Game comes first and only once")
                               : QStringLiteral("the game must start with New Game"));
        if (starts && event.input.kind != first)
            return fail(recording.start ? QStringLiteral("a game with a start in its header begins with continue")
                                        : QStringLiteral("a game continued needs its start in the header"));
        if (starts && recording.start)
            event.input.start = *recording.start;
        recording.events.push_back(event);
        return true;
    }

    const QByteArray& m_bytes;
    std::set<Int16> m_levelNumbers;  // a file may name thousands: no search through a list
    qsizetype m_pos = 0;
    int m_line = 0;
    int m_version = 0;
    QString m_error;
};

}  // namespace

RecordingReading readRecording(const QByteArray& bytes) { return Reader(bytes).read(); }

RecordingReading readRecordingFile(const QString& path)
{
    const std::optional<FileHead> head = readFileHead(path, MaxRecordingBytes);
    if (!head)
        return {std::nullopt, 0, QStringLiteral("the replay cannot be read")};
    if (head->cut)
        return {std::nullopt, 0, QStringLiteral("the replay is larger than any game makes")};
    return readRecording(head->bytes);
}
