// The replay file's reader; the writer and the table of event words are in ReplayFile.cpp.
#include "files/ReplayFile.h"

#include "files/FileBytes.h"
#include "files/MusicPath.h"
#include "files/NumberText.h"
#include "files/ReplayFileWords.h"
#include "files/TextLines.h"
#include "files/sets/SetLevelSection.h"

#include <QCryptographicHash>

#include <algorithm>
#include <cctype>
#include <set>

namespace {

constexpr qsizetype MaxLine = 1024;
constexpr Millis MaxTime = Millis(1) << 40;  // about 35 years of play

// Reads the file line by line; fail() records the first fault and ends the reading.
class Reader {
public:
    explicit Reader(const QByteArray& bytes) : m_lines(bytes, LineEnd::Lf, SetLevelSection::maxLineBytes() + 1) {}

    RecordingReading read()
    {
        GameRecording recording;
        if (!header(recording))
            return fault();
        recording.events.reserve(std::size_t(m_lines.rest().count('\n')) + 1);  // a line each
        while (const std::optional<QByteArrayView> line = m_lines.next()) {
            if (!event(*line, recording))
                return fault();
        }
        if (recording.events.empty() || recording.events.back().kind != RecordedEvent::Kind::End) {
            fail(Phrase{ReplayFileWords::Context,
                        QT_TRANSLATE_NOOP("ReplayFile", "the file ends before the game's final score: it is cut short"),
                        {}});
            return fault();
        }
        return {std::move(recording), 0, {}, m_folderLine};
    }

private:
    std::optional<QByteArray> next()
    {
        const std::optional<QByteArrayView> line = m_lines.next();
        return line ? std::optional(line->toByteArray()) : std::nullopt;
    }

    bool fail(const Phrase& message)
    {
        m_error = message;
        return false;
    }
    RecordingReading fault() const { return {std::nullopt, m_lines.number(), m_error, false}; }

    bool header(GameRecording& recording)
    {
        const std::optional<QByteArray> first = next();
        const QByteArrayList magic = first ? first->split(' ') : QByteArrayList();
        if (magic.size() != 2 || magic[0] != ReplayFileWords::Magic)
            return fail(
                Phrase{ReplayFileWords::Context, QT_TRANSLATE_NOOP("ReplayFile", "this is no replay file"), {}});
        const std::optional<int> version = wholeNumber<int>(magic[1]);
        if (!version || *version < 1)
            return fail(Phrase{
                ReplayFileWords::Context, QT_TRANSLATE_NOOP("ReplayFile", "the replay's version is no number"), {}});
        if (*version > RecordingVersion)
            return fail(Phrase{ReplayFileWords::Context,
                               QT_TRANSLATE_NOOP("ReplayFile", "this replay was made by a newer version of the game"),
                               {}});
        bool seeded = false;
        m_version = *version;
        recording.version = *version;
        // The events begin with the first line that starts like a number.
        while (!m_lines.atEnd() && !std::isdigit(static_cast<unsigned char>(m_lines.rest().front())) &&
               m_lines.rest().front() != '-') {
            const QByteArray line = *next();
            if (line.startsWith("setlevel ") && m_version >= 3) {
                if (!setLevel(line.mid(9), recording))
                    return false;
                continue;
            }
            if (line.size() > MaxLine)
                return fail(
                    Phrase{ReplayFileWords::Context, QT_TRANSLATE_NOOP("ReplayFile", "the line is too long"), {}});
            // A folder or file name ending in a carriage return would not read back as written.
            if (std::any_of(line.begin(), line.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; }))
                return fail(
                    Phrase{ReplayFileWords::Context,
                           QT_TRANSLATE_NOOP("ReplayFile", "a line of the replay's header holds a control character"),
                           {}});
            // Names are read as UTF-8: bytes that are not would come back as other characters.
            if (QString::fromUtf8(line).toUtf8() != line)
                return fail(Phrase{ReplayFileWords::Context,
                                   QT_TRANSLATE_NOOP("ReplayFile", "a line of the replay's header is not UTF-8 text"),
                                   {}});
            const qsizetype space = line.indexOf(' ');
            const QByteArray word = space < 0 ? line : line.left(space);
            const QByteArray rest = space < 0 ? QByteArray() : line.mid(space + 1);
            if (word == "seed" && !seeded) {
                const std::optional<std::uint64_t> seed = wholeNumber<std::uint64_t>(rest);
                if (!seed)
                    return fail(Phrase{
                        ReplayFileWords::Context, QT_TRANSLATE_NOOP("ReplayFile", "the seed is a whole number"), {}});
                recording.seed = *seed;
                seeded = true;
            } else if (word == "folder" && !m_folderLine) {
                recording.folder = QString::fromUtf8(rest);
                m_folderLine = true;
            } else if (word == "start" && !recording.start && m_version >= 2) {
                if (!start(rest, recording))
                    return false;
            } else if (word == "set" && !recording.set && m_version >= 3 && recording.levels.empty()) {
                if (const std::optional<Phrase> wrong = setNameProblem(QString::fromUtf8(rest)))
                    return fail(*wrong);
                recording.set = SetFile{QString::fromUtf8(rest), {}, {}, {}};
            } else if (word == "level") {
                if (!level(rest, recording))
                    return false;
            } else {
                return fail(Phrase{ReplayFileWords::Context,
                                   QT_TRANSLATE_NOOP("ReplayFile", "unknown line in the replay's header"),
                                   {}});
            }
        }
        if (!seeded)
            return fail(
                Phrase{ReplayFileWords::Context, QT_TRANSLATE_NOOP("ReplayFile", "the replay has no seed"), {}});
        if (recording.set && m_levels.levels().empty())
            return fail(
                Phrase{ReplayFileWords::Context,
                       QT_TRANSLATE_NOOP("ReplayFile", "the replay names its set but carries none of its levels"),
                       {}});
        if (recording.set) {
            recording.set->levels = std::move(m_levels.levels());
            recording.folder.clear();  // a path of another machine is never looked in
        }
        return true;
    }

    // A level of the set the replay carries: after its name, before the levels the game played.
    bool setLevel(const QByteArray& text, GameRecording& recording)
    {
        if (!recording.set || !recording.levels.empty())
            return fail(Phrase{
                ReplayFileWords::Context,
                QT_TRANSLATE_NOOP("ReplayFile", "the set's levels follow its name and come before the levels played"),
                {}});
        const Phrase wrong = m_levels.add(text);
        return wrong.isEmpty() || fail(wrong);
    }

    // Where a continued game starts, within what a kept game can hold.
    bool start(const QByteArray& text, GameRecording& recording)
    {
        recording.start = ReplayFileWords::readKeptLevel(ReplayFileWords::fieldsOf(text));
        return recording.start ||
               fail(Phrase{ReplayFileWords::Context,
                           QT_TRANSLATE_NOOP("ReplayFile",
                                             "a game's start is its level, score, saved, lost and fresh or replay"),
                           {}});
    }

    bool level(const QByteArray& text, GameRecording& recording)
    {
        const QByteArrayList fields = text.split(' ');
        const Int16 number = fields.size() >= 3 ? wholeNumber<Int16>(fields[0]).value_or(0) : 0;
        const QByteArray hash = fields.size() >= 3 ? QByteArray::fromHex(fields[1]) : QByteArray();
        const QString name = QString::fromUtf8(text.mid(fields[0].size() + fields.value(1).size() + 2));
        if (number < 1 || hash.size() != 32 || fields[1].size() != 64 || !isBareFileName(name) ||
            name.contains(u'\n') || text.size() > MaxLine)
            return fail(Phrase{
                ReplayFileWords::Context,
                QT_TRANSLATE_NOOP("ReplayFile", "a level is its number, the SHA-256 of its file and the file's name"),
                {}});
        if (!m_levelNumbers.insert(number).second)
            return fail(Phrase{ReplayFileWords::Context,
                               QT_TRANSLATE_NOOP("ReplayFile", "level %1 is named twice"),
                               {QString::number(number)}});
        const std::vector<QByteArray>& carried = m_levels.levels();
        if (recording.set &&
            (std::size_t(number) > carried.size() ||
             QCryptographicHash::hash(carried[std::size_t(number) - 1], QCryptographicHash::Sha256) != hash))
            return fail(Phrase{ReplayFileWords::Context,
                               QT_TRANSLATE_NOOP("ReplayFile", "level %1 is not the level %1 that the replay carries"),
                               {QString::number(number)}});
        recording.levels.push_back({number, name, hash});
        return true;
    }

    bool event(QByteArrayView line, GameRecording& recording)
    {
        if (line.size() > MaxLine)
            return fail(Phrase{ReplayFileWords::Context, QT_TRANSLATE_NOOP("ReplayFile", "the line is too long"), {}});
        if (recording.events.size() >= MaxRecordingEvents)
            return fail(Phrase{ReplayFileWords::Context,
                               QT_TRANSLATE_NOOP("ReplayFile", "the replay holds more events than a game can"),
                               {}});
        if (!recording.events.empty() && recording.events.back().kind == RecordedEvent::Kind::End)
            return fail(
                Phrase{ReplayFileWords::Context, QT_TRANSLATE_NOOP("ReplayFile", "events follow the game's end"), {}});
        const ReplayFileWords::Fields fields = ReplayFileWords::fieldsOf(line);
        RecordedEvent event;
        const std::optional<Millis> at = wholeNumber<Millis>(fields[0]);
        if (!at || *at < 0 || *at > MaxTime || fields.size() < 2)
            return fail(Phrase{ReplayFileWords::Context,
                               QT_TRANSLATE_NOOP("ReplayFile", "an event is its time in milliseconds and its word"),
                               {}});
        if (!recording.events.empty() && *at < recording.events.back().at)
            return fail(Phrase{ReplayFileWords::Context, QT_TRANSLATE_NOOP("ReplayFile", "the time goes back"), {}});
        event.at = *at;
        if (const Phrase wrong = ReplayFileWords::readEvent(fields, event); !wrong.isEmpty())
            return fail(wrong);
        // A game starts once: with New Game, or where the header's start says with continue.
        const GameInput::Kind first = recording.start ? GameInput::Kind::Continue : GameInput::Kind::NewGame;
        const bool starts = event.kind == RecordedEvent::Kind::Input && (event.input.kind == GameInput::Kind::NewGame ||
                                                                         event.input.kind == GameInput::Kind::Continue);
        if (starts != recording.events.empty())
            return fail(starts
                            ? Phrase{ReplayFileWords::Context,
                                     QT_TRANSLATE_NOOP("ReplayFile",
                                                       "a replay holds one game: New Game comes first and only once"),
                                     {}}
                            : Phrase{ReplayFileWords::Context,
                                     QT_TRANSLATE_NOOP("ReplayFile", "the game must start with New Game"),
                                     {}});
        if (starts && event.input.kind != first)
            return fail(
                recording.start
                    ? Phrase{ReplayFileWords::Context,
                             QT_TRANSLATE_NOOP("ReplayFile", "a game with a start in its header begins with continue"),
                             {}}
                    : Phrase{ReplayFileWords::Context,
                             QT_TRANSLATE_NOOP("ReplayFile", "a game continued needs its start in the header"),
                             {}});
        if (starts && recording.start)
            event.input.start = *recording.start;
        const bool window = event.kind == RecordedEvent::Kind::Input && event.input.kind == GameInput::Kind::Window;
        if ((event.kind == RecordedEvent::Kind::Sitting && m_version < 3) || (window && m_version < 4))
            return fail(Phrase{ReplayFileWords::Context, QT_TRANSLATE_NOOP("ReplayFile", "unknown event"), {}});
        recording.events.push_back(event);
        return true;
    }

    // Only the levels a self-contained replay carries take longer lines.
    Lines<QByteArrayView> m_lines;
    std::set<Int16> m_levelNumbers;  // a file may name thousands: no search through a list
    SetLevelSection m_levels;
    bool m_folderLine = false;
    int m_version = 0;
    Phrase m_error;
};

}  // namespace

RecordingReading readRecording(const QByteArray& bytes) { return Reader(bytes).read(); }

RecordingReading readRecordingFile(const QString& path)
{
    const std::optional<FileHead> head = readFileHead(path, MaxRecordingBytes);
    if (!head)
        return {std::nullopt, 0,
                Phrase{ReplayFileWords::Context, QT_TRANSLATE_NOOP("ReplayFile", "the replay cannot be read"), {}},
                false};
    if (head->cut)
        return {std::nullopt, 0,
                Phrase{ReplayFileWords::Context,
                       QT_TRANSLATE_NOOP("ReplayFile", "the replay is larger than any game makes"),
                       {}},
                false};
    return readRecording(head->bytes);
}
