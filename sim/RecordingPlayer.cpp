#include "sim/RecordingPlayer.h"

#include "files/FileBytes.h"
#include "sim/LoadLevel.h"

#include <QCryptographicHash>
#include <QFileInfo>
#include <QLocale>

namespace {

// What the replay window shows of a level's end, as the level-over window told it.
Phrase levelOverPhrase(const Checkpoint& c)
{
    return {"RecordingPlayer",
            c.passed ? QT_TRANSLATE_NOOP("RecordingPlayer", "Level %1 passed: %2 saved, %3 lost")
                     : QT_TRANSLATE_NOOP("RecordingPlayer", "Level %1 failed: %2 saved, %3 lost"),
            {QString::number(c.level), QString::number(c.saved), QString::number(c.lost)}};
}

std::string levelOverText(const Checkpoint& c) { return levelOverPhrase(c).english().toStdString(); }

// "19,750 ms": a moment of the game as the messages name it.
std::string millisText(Millis at)
{
    return QLocale(QLocale::English, QLocale::UnitedStates).toString(qlonglong(at)).toStdString() + " ms";
}

std::string keptText(const KeptLevel& k)
{
    return "level " + std::to_string(k.levelNumber) + (k.replay ? " (a replay)" : "") + " with " +
           std::to_string(k.score) + " points, " + std::to_string(k.saved) + " saved and " + std::to_string(k.lost) +
           " lost";
}

}  // namespace

RecordingPlayer::RecordingPlayer(GameRecording recording, const QString& levelsFolder, Timing timing)
    // The generator starts from the seed, as the recorder reseeds the game's at New Game (or
    // Continue), the first event: nothing draws from it before.
    : m_recording(std::move(recording)), m_folder(levelsFolder), m_random(m_recording.seed),
      m_field(m_level, m_random, GameScoring), m_timing(timing), m_flow(*this, m_field, m_clock)
{
    m_flow.setKeeper(this);
    for (const RecordedLevel& level : m_recording.levels) {
        const std::string number = std::to_string(level.number);
        if (m_recording.set) {
            const QByteArray* carried = carriedLevel(level.number);
            m_matched.push_back(carried &&
                                QCryptographicHash::hash(*carried, QCryptographicHash::Sha256) == level.sha256);
            if (!m_matched.back() && !m_refusal)
                m_refusal = QStringLiteral("Level %1 is not the level %1 that the replay carries")
                                .arg(level.number)
                                .toStdString();
            continue;
        }
        const QString path = m_folder + u'/' + level.fileName;
        m_matched.push_back(fileSha256(path) == level.sha256);
        if (m_matched.back() || m_refusal)
            continue;
        m_refusal = QFileInfo(path).isFile()
                        ? "Level " + number + " has changed since this game was played"
                        : "Level " + number + " needs the file " + level.fileName.toStdString() + " with the SHA-256 " +
                              level.sha256.toHex().toStdString() + ", which cannot be found";
    }
}

RecordingPlayer::Timing RecordingPlayer::timingFor(const GameRecording& recording, const QString& levelsFolder)
{
    if (recording.version >= ClockedVersion)
        return Timing::Clock;
    RecordingPlayer byClock(recording, levelsFolder);
    byClock.playToEnd();
    return byClock.divergence() ? Timing::AsRecorded : Timing::Clock;
}

const QByteArray* RecordingPlayer::carriedLevel(Int16 number) const
{
    const std::vector<QByteArray>& levels = m_recording.set->levels;
    return number >= 1 && std::size_t(number) <= levels.size() ? &levels[std::size_t(number) - 1] : nullptr;
}

void RecordingPlayer::diverge(std::string message)
{
    if (!m_divergence)
        m_divergence = Divergence{m_next > 0 ? m_next - 1 : 0, std::move(message)};  // the event last taken
}

bool RecordingPlayer::step()
{
    if (m_refusal || m_divergence || atEnd())
        return false;
    play(m_recording.events[m_next++]);
    return !m_divergence;
}

void RecordingPlayer::playToEnd(const std::atomic<bool>* stop)
{
    while ((!stop || !stop->load(std::memory_order_relaxed)) && step()) {
    }
}

void RecordingPlayer::play(const RecordedEvent& event)
{
    switch (event.kind) {
    case RecordedEvent::Kind::Input:
        if (event.input.kind == GameInput::Kind::Timer)
            return fire(event);
        if (!arriveAt(event.at))
            return;
        if (!m_flow.takes(event.input))
            return diverge(event.input.kind == GameInput::Kind::Answer ? "an answer to a question the game did not ask"
                           : event.input.kind == GameInput::Kind::WindowClosed
                               ? "a window closed that the game did not open"
                               : "an input the game did not take here");
        return m_flow.apply(event.input);
    case RecordedEvent::Kind::LevelOver:
        if (m_checked != m_next - 1)
            diverge("the game went on where level " + std::to_string(event.checkpoint.level) + " ended");
        return;
    case RecordedEvent::Kind::Sitting:
        if (arriveAt(event.at))
            goOn(event);
        return;
    case RecordedEvent::Kind::End:
        m_happened = {"RecordingPlayer",
                      QT_TRANSLATE_NOOP("RecordingPlayer", "Game over: %1 points"),
                      {QString::number(m_field.score)}};
        if (m_field.score != event.checkpoint.score)
            return diverge("the game ends on " + std::to_string(m_field.score) + " points, not " +
                           std::to_string(event.checkpoint.score));
        m_endConfirmed = true;
        return;
    }
}

// A timer line fires its timer. By the clock it must be the very firing the clock has next, at
// that moment: a firing left out, added or moved shows here.
void RecordingPlayer::fire(const RecordedEvent& event)
{
    const GameTimer timer = event.input.timer;
    if (m_timing == Timing::AsRecorded) {
        if (!m_clock.isOn(timer) || m_clock.isHeld(timer) || m_clock.period(timer) <= 0)
            return diverge(std::string("the ") + timerWord(timer) + " timer fired, but it was stopped");
        return m_flow.apply({.kind = GameInput::Kind::Timer, .timer = timer});
    }
    const std::optional<Clock::Due> due = m_clock.next();
    if (due && due->at < event.at)
        return diverge("at " + millisText(due->at) + " the " + timerWord(due->timer) +
                       " timer fires; the file has none");
    if (due && due->at == event.at && due->timer != timer)
        return diverge("at " + millisText(due->at) + " the " + timerWord(due->timer) +
                       " timer fires first; the file has the " + timerWord(timer) + " timer");
    if (!due || due->at > event.at)
        return diverge("at " + millisText(event.at) + " the file has the " + timerWord(timer) +
                       " timer fire, where the clock fires none");
    m_clock.fireNextBy(event.at);  // through the flow, which the clock tells
}

// Moves the clock to the moment of an event that is not a firing: no timer may be due by then,
// as the game fires those first.
bool RecordingPlayer::arriveAt(Millis at)
{
    if (m_timing == Timing::AsRecorded)
        return true;
    if (const std::optional<Clock::Due> due = m_clock.next(); due && due->at <= at) {
        diverge("at " + millisText(due->at) + " the " + timerWord(due->timer) + " timer fires; the file has none");
        return false;
    }
    m_clock.runUntil(at);  // nothing fires on the way
    return true;
}

// The flow opened a window and waits for it: the events recorded while it was open play here, up
// to its closing, so that the flow goes on at the moment it closed.
void RecordingPlayer::playWindow()
{
    while (!m_divergence && !atEnd()) {
        const RecordedEvent& event = m_recording.events[m_next];
        if (event.kind == RecordedEvent::Kind::Input && event.input.kind == GameInput::Kind::WindowClosed) {
            ++m_next;
            arriveAt(event.at);
            return;
        }
        if (event.kind == RecordedEvent::Kind::End || event.kind == RecordedEvent::Kind::Sitting) {
            ++m_next;
            return diverge("the game went on while its window was open");
        }
        if (!step())
            return;
    }
}

// The game went on in a later sitting: no window of the last one is open, and the level it goes on
// from is the one the rules kept, not whatever the file claims.
void RecordingPlayer::goOn(const RecordedEvent& sitting)
{
    const KeptLevel& claimed = sitting.input.start;
    if (m_flow.windowOpen() || m_flow.asking())
        return diverge("the game went on in a later sitting while one of its windows was open");
    if (!m_kept)
        return diverge("the game went on from " + keptText(claimed) + ", but the rules kept no level to go on from");
    if (*m_kept != claimed)
        return diverge("the game went on from " + keptText(claimed) + ", where the rules kept " + keptText(*m_kept));
    m_random.reseed(sitting.seed);  // as the game's recorder did before the flow went on
    m_flow.apply({.kind = GameInput::Kind::Continue, .start = *m_kept});
}

bool RecordingPlayer::levelExists(Int16 levelNumber)
{
    // A self-contained replay carries the whole set: the game is won only past its last level.
    return m_recording.set ? carriedLevel(levelNumber) != nullptr : m_recording.level(levelNumber) != nullptr;
}

Int16 RecordingPlayer::loadLevel(Int16 levelNumber)
{
    ++m_levelsStarted;
    const RecordedLevel* level = m_recording.level(levelNumber);
    if (!level) {
        diverge("the game reached level " + std::to_string(levelNumber) + ", which the replay never played");
        return m_field.turtlesInLevel;  // nothing is placed, and nothing more is played
    }
    if (const QByteArray* carried = m_recording.set ? carriedLevel(levelNumber) : nullptr)
        return loadLevelBytes(*carried, m_level, m_random).turtles();
    return ::loadLevel(m_folder + u'/' + level->fileName, m_level, m_random).turtles();
}

void RecordingPlayer::showLevelOver(const LevelReport& report)
{
    const Checkpoint reached{report.levelNumber, !report.replay, report.saved, report.lost, m_field.score};
    m_happened = levelOverPhrase(reached);
    const RecordedEvent* next = atEnd() ? nullptr : &m_recording.events[m_next];
    if (!next || next->kind != RecordedEvent::Kind::LevelOver)
        return diverge(levelOverText(reached) + " here, where the game went on");
    if (next->checkpoint != reached)
        return diverge(levelOverText(reached) + " with " + std::to_string(reached.score) +
                       " points, where the game showed " + levelOverText(next->checkpoint) + " with " +
                       std::to_string(next->checkpoint.score) + " points");
    m_checked = m_next;
    m_levelEnds.push_back(reached);
    playWindow();
}

void RecordingPlayer::gameEnds()
{
    m_gameEnded = true;
    // The game's recording ends as its end shows: its end line follows at once.
    if (atEnd() || m_recording.events[m_next].kind != RecordedEvent::Kind::End)
        diverge("the game ended here, where it went on");
}
