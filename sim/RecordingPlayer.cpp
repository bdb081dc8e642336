#include "sim/RecordingPlayer.h"

#include "files/FileBytes.h"
#include "sim/LoadLevel.h"

#include <QCryptographicHash>
#include <QFileInfo>

#include <array>

namespace {

// What the replay window shows of a level's end, as the level-over window told it. The counts
// stand after words of their own, so that no language needs a plural form for two counts at once.
Phrase levelOverPhrase(const Checkpoint& c)
{
    return {"RecordingPlayer",
            c.passed ? QT_TRANSLATE_NOOP("RecordingPlayer", "Level %1 passed. Saved: %2, lost: %3")
                     : QT_TRANSLATE_NOOP("RecordingPlayer", "Level %1 failed. Saved: %2, lost: %3"),
            {QString::number(c.level), QString::number(c.saved), QString::number(c.lost)}};
}

// The sentences that name a timer, one for each timer in GameTimer's order, so that each
// language says each timer its own way.
using TimerTexts = std::array<const char*, AllTimers.size()>;
// Played as recorded: the file fires a timer the rules have stopped.
constexpr TimerTexts FiredStopped{QT_TRANSLATE_NOOP("RecordingPlayer", "the countdown timer fired, but it was stopped"),
                                  QT_TRANSLATE_NOOP("RecordingPlayer", "the bonus timer fired, but it was stopped"),
                                  QT_TRANSLATE_NOOP("RecordingPlayer", "the turtle timer fired, but it was stopped"),
                                  QT_TRANSLATE_NOOP("RecordingPlayer", "the dog timer fired, but it was stopped")};
// By the clock: the clock fires a timer the file does not fire there.
constexpr TimerTexts ClockFires{
    QT_TRANSLATE_NOOP("RecordingPlayer", "at %1 ms the countdown timer fires, where the file has no such firing"),
    QT_TRANSLATE_NOOP("RecordingPlayer", "at %1 ms the bonus timer fires, where the file has no such firing"),
    QT_TRANSLATE_NOOP("RecordingPlayer", "at %1 ms the turtle timer fires, where the file has no such firing"),
    QT_TRANSLATE_NOOP("RecordingPlayer", "at %1 ms the dog timer fires, where the file has no such firing")};
// By the clock: the file fires a timer where the clock fires none.
constexpr TimerTexts FileFires{
    QT_TRANSLATE_NOOP("RecordingPlayer", "at %1 ms the file has the countdown timer fire, where the clock fires none"),
    QT_TRANSLATE_NOOP("RecordingPlayer", "at %1 ms the file has the bonus timer fire, where the clock fires none"),
    QT_TRANSLATE_NOOP("RecordingPlayer", "at %1 ms the file has the turtle timer fire, where the clock fires none"),
    QT_TRANSLATE_NOOP("RecordingPlayer", "at %1 ms the file has the dog timer fire, where the clock fires none")};

const char* timerText(const TimerTexts& texts, GameTimer timer) { return texts[static_cast<std::size_t>(timer)]; }
QString millis(Millis at) { return QString::number(at); }

}  // namespace

RecordingPlayer::RecordingPlayer(GameRecording recording, const QString& levelsFolder, Timing timing)
    // The generator starts from the seed, as the recorder reseeds the game's at New Game (or
    // Continue), the first event: nothing draws from it before.
    : m_recording(std::move(recording)), m_folder(levelsFolder), m_random(m_recording.seed),
      m_field(m_level, m_random, GameScoring), m_timing(timing), m_flow(*this, m_field, m_clock)
{
    m_flow.setKeeper(this);
    for (const RecordedLevel& level : m_recording.levels) {
        const QString number = QString::number(level.number);
        if (m_recording.set) {
            const QByteArray* carried = carriedLevel(level.number);
            m_matched.push_back(carried &&
                                QCryptographicHash::hash(*carried, QCryptographicHash::Sha256) == level.sha256);
            if (!m_matched.back() && !m_refusal)
                m_refusal =
                    Phrase{Context,
                           QT_TRANSLATE_NOOP("RecordingPlayer", "Level %1 is not the level %1 that the replay carries"),
                           {number}};
            continue;
        }
        const QString path = m_folder + u'/' + level.fileName;
        m_matched.push_back(fileSha256(path) == level.sha256);
        if (m_matched.back() || m_refusal)
            continue;
        m_refusal =
            QFileInfo(path).isFile()
                ? Phrase{Context,
                         QT_TRANSLATE_NOOP("RecordingPlayer", "Level %1 has changed since this game was played"),
                         {number}}
                : Phrase{Context,
                         QT_TRANSLATE_NOOP("RecordingPlayer",
                                           "Level %1 needs the file %2 with the SHA-256 %3, which cannot be "
                                           "found"),
                         {number, level.fileName, QString::fromLatin1(level.sha256.toHex())}};
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

void RecordingPlayer::diverge(const Phrase& message)
{
    if (!m_divergence)
        m_divergence = Divergence{m_next > 0 ? m_next - 1 : 0, message};  // the event last taken
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
            return diverge(event.input.kind == GameInput::Kind::Answer
                               ? QT_TRANSLATE_NOOP("RecordingPlayer", "an answer to a question the game did not ask")
                           : event.input.kind == GameInput::Kind::WindowClosed
                               ? QT_TRANSLATE_NOOP("RecordingPlayer", "a window closed that the game did not open")
                               : QT_TRANSLATE_NOOP("RecordingPlayer", "an input the game did not take here"));
        return m_flow.apply(event.input);
    case RecordedEvent::Kind::LevelOver:
        if (m_checked != m_next - 1)
            diverge(QT_TRANSLATE_NOOP("RecordingPlayer", "the game went on where level %1 ended"),
                    {QString::number(event.checkpoint.level)});
        return;
    case RecordedEvent::Kind::Sitting:
        if (arriveAt(event.at))
            goOn(event);
        return;
    case RecordedEvent::Kind::End:
        m_happened = {"RecordingPlayer",
                      QT_TRANSLATE_NOOP("RecordingPlayer", "Game over. Score: %1"),
                      {QString::number(m_field.score)}};
        if (m_field.score != event.checkpoint.score)
            return diverge(Phrase::counted(Context,
                                           QT_TRANSLATE_N_NOOP("RecordingPlayer", "the game ends on %n points, not %1"),
                                           m_field.score, {QString::number(event.checkpoint.score)}));
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
            return diverge(timerText(FiredStopped, timer));
        return m_flow.apply({.kind = GameInput::Kind::Timer, .timer = timer});
    }
    const std::optional<Clock::Due> due = m_clock.next();
    if (due && (due->at < event.at || (due->at == event.at && due->timer != timer)))
        return diverge(timerText(ClockFires, due->timer), {millis(due->at)});
    if (!due || due->at > event.at)
        return diverge(timerText(FileFires, timer), {millis(event.at)});
    m_clock.fireNextBy(event.at);  // through the flow, which the clock tells
}

// Moves the clock to the moment of an event that is not a firing: no timer may be due by then,
// as the game fires those first.
bool RecordingPlayer::arriveAt(Millis at)
{
    if (m_timing == Timing::AsRecorded)
        return true;
    if (const std::optional<Clock::Due> due = m_clock.next(); due && due->at <= at) {
        diverge(timerText(ClockFires, due->timer), {millis(due->at)});
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
            return diverge(QT_TRANSLATE_NOOP("RecordingPlayer", "the game went on while its window was open"));
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
        return diverge(QT_TRANSLATE_NOOP("RecordingPlayer",
                                         "the game went on in a later sitting while one of its windows was open"));
    if (!m_kept)
        return diverge(QT_TRANSLATE_NOOP("RecordingPlayer",
                                         "the game went on in a later sitting, but the rules kept no level to go on "
                                         "from"));
    if (*m_kept != claimed)  // what the rules kept, which the file's sitting does not name
        return diverge(
            m_kept->replay
                ? QT_TRANSLATE_NOOP("RecordingPlayer", "the game went on in a later sitting from another level "
                                                       "than the rules kept: a replay of level %1 (score: %2, "
                                                       "saved: %3, lost: %4)")
                : QT_TRANSLATE_NOOP("RecordingPlayer", "the game went on in a later sitting from another level "
                                                       "than the rules kept: level %1 (score: %2, saved: %3, "
                                                       "lost: %4)"),
            {QString::number(m_kept->levelNumber), QString::number(m_kept->score), QString::number(m_kept->saved),
             QString::number(m_kept->lost)});
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
        diverge(QT_TRANSLATE_NOOP("RecordingPlayer", "the game reached level %1, which the replay never played"),
                {QString::number(levelNumber)});
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
    const QStringList counts{QString::number(reached.level), QString::number(reached.saved),
                             QString::number(reached.lost)};
    if (!next || next->kind != RecordedEvent::Kind::LevelOver)
        return diverge(reached.passed
                           ? QT_TRANSLATE_NOOP("RecordingPlayer", "Level %1 passed here (saved: %2, lost: %3), where "
                                                                  "the game went on")
                           : QT_TRANSLATE_NOOP("RecordingPlayer", "Level %1 failed here (saved: %2, lost: %3), where "
                                                                  "the game went on"),
                       counts);
    if (next->checkpoint != reached)  // how the rules ended the level, which the game did not show
        return diverge(
            reached.passed
                ? QT_TRANSLATE_NOOP("RecordingPlayer", "Level %1 passed (saved: %2, lost: %3, score: %4), where "
                                                       "the game showed another end")
                : QT_TRANSLATE_NOOP("RecordingPlayer", "Level %1 failed (saved: %2, lost: %3, score: %4), where "
                                                       "the game showed another end"),
            counts + QStringList{QString::number(reached.score)});
    m_checked = m_next;
    m_levelEnds.push_back(reached);
    playWindow();
}

void RecordingPlayer::gameEnds()
{
    m_gameEnded = true;
    // The game's recording ends as its end shows: its end line follows at once.
    if (atEnd() || m_recording.events[m_next].kind != RecordedEvent::Kind::End)
        diverge(QT_TRANSLATE_NOOP("RecordingPlayer", "the game ended here, where it went on"));
}
