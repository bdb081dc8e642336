#include "sim/RecordingPlayer.h"

#include "files/FileBytes.h"
#include "sim/LoadLevel.h"

#include <QCryptographicHash>
#include <QFileInfo>

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
std::string keptText(const KeptLevel& k)
{
    return "level " + std::to_string(k.levelNumber) + (k.replay ? " (a replay)" : "") + " with " +
           std::to_string(k.score) + " points, " + std::to_string(k.saved) + " saved and " + std::to_string(k.lost) +
           " lost";
}

}  // namespace

RecordingPlayer::RecordingPlayer(GameRecording recording, const QString& levelsFolder)
    // The generator starts from the seed, as the recorder reseeds the game's at New Game (or
    // Continue), the first event: nothing draws from it before.
    : m_recording(std::move(recording)), m_folder(levelsFolder), m_random(m_recording.seed),
      m_field(m_globals, m_random, GameScoring), m_flow(*this, m_field, m_clock)
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

const QByteArray* RecordingPlayer::carriedLevel(Int16 number) const
{
    const std::vector<QByteArray>& levels = m_recording.set->levels;
    return number >= 1 && std::size_t(number) <= levels.size() ? &levels[std::size_t(number) - 1] : nullptr;
}

void RecordingPlayer::diverge(std::string message)
{
    if (!m_divergence)
        m_divergence = Divergence{m_next, std::move(message)};
}

const RecordedEvent* RecordingPlayer::upcoming() const
{
    return m_next + 1 < m_recording.events.size() ? &m_recording.events[m_next + 1] : nullptr;
}

bool RecordingPlayer::timerMayFire(GameTimer timer) const
{
    return m_clock.isOn(timer) && !m_clock.isHeld(timer) && m_clock.period(timer) > 0;
}

bool RecordingPlayer::step()
{
    if (m_refusal || m_divergence || atEnd())
        return false;
    const RecordedEvent& event = m_recording.events[m_next];
    switch (event.kind) {
    case RecordedEvent::Kind::Input:
        play(event.input);
        break;
    case RecordedEvent::Kind::LevelOver:
        if (m_checked != m_next)
            diverge("the game went on where level " + std::to_string(event.checkpoint.level) + " ended");
        break;
    case RecordedEvent::Kind::Sitting:
        goOn(event);
        break;
    case RecordedEvent::Kind::End:
        if (m_field.score != event.checkpoint.score)
            diverge("the game ends on " + std::to_string(m_field.score) + " points, not " +
                    std::to_string(event.checkpoint.score));
        else
            m_endConfirmed = true;
        m_happened = {"RecordingPlayer",
                      QT_TRANSLATE_NOOP("RecordingPlayer", "Game over: %1 points"),
                      {QString::number(m_field.score)}};
        break;
    }
    ++m_next;
    return !m_divergence;
}

void RecordingPlayer::playToEnd(const std::atomic<bool>* stop)
{
    while ((!stop || !stop->load(std::memory_order_relaxed)) && step()) {
    }
}

// The game went on in a later sitting: no window of the last one is open, and the level it goes on
// from is the one the rules kept, not whatever the file claims.
void RecordingPlayer::goOn(const RecordedEvent& sitting)
{
    const KeptLevel& claimed = sitting.input.start;
    if (m_openWindows > 0 || m_flow.asking())
        return diverge("the game went on in a later sitting while one of its windows was open");
    if (!m_kept)
        return diverge("the game went on from " + keptText(claimed) + ", but the rules kept no level to go on from");
    if (*m_kept != claimed)
        return diverge("the game went on from " + keptText(claimed) + ", where the rules kept " + keptText(*m_kept));
    m_random.reseed(sitting.seed);  // as the game's recorder did before the flow went on
    m_flow.apply({.kind = GameInput::Kind::Continue, .start = *m_kept});
}

void RecordingPlayer::play(const GameInput& input)
{
    if (input.kind == GameInput::Kind::Timer && !timerMayFire(input.timer))
        return diverge(std::string("the ") + timerWord(input.timer) + " timer fired, but it was stopped");
    if (input.kind == GameInput::Kind::WindowClosed) {
        // The flow went on when its window returned: a closing only confirms that one was open.
        if (m_openWindows == 0)
            return diverge("a window closed that the game did not open");
        --m_openWindows;
        return;
    }
    if (!m_flow.takes(input))
        return diverge(input.kind == GameInput::Kind::Answer ? "an answer to a question the game did not ask"
                                                             : "an input the game did not take here");
    m_flow.apply(input);
}

bool RecordingPlayer::levelExists(Int16 levelNumber)
{
    // A self-contained replay carries the whole set: the game is won only past its last level.
    return m_recording.set ? carriedLevel(levelNumber) != nullptr : m_recording.level(levelNumber) != nullptr;
}

void RecordingPlayer::loadLevel(Int16 levelNumber)
{
    const RecordedLevel* level = m_recording.level(levelNumber);
    if (!level)
        return diverge("the game reached level " + std::to_string(levelNumber) + ", which the replay never played");
    if (const QByteArray* carried = m_recording.set ? carriedLevel(levelNumber) : nullptr)
        LoadLevelBytes(*carried, m_globals, m_random);
    else
        LoadLevel(m_folder + u'/' + level->fileName, m_globals, m_random);
}

void RecordingPlayer::showLevelOver(const LevelReport& report)
{
    ++m_openWindows;
    const Checkpoint reached{report.levelNumber, !report.replay, report.saved, report.lost, m_field.score};
    m_happened = levelOverPhrase(reached);
    const RecordedEvent* next = upcoming();
    if (!next || next->kind != RecordedEvent::Kind::LevelOver)
        return diverge(levelOverText(reached) + " here, where the game went on");
    if (next->checkpoint != reached)
        return diverge(levelOverText(reached) + " with " + std::to_string(reached.score) +
                       " points, where the game showed " + levelOverText(next->checkpoint) + " with " +
                       std::to_string(next->checkpoint.score) + " points");
    m_checked = m_next + 1;
    m_levelEnds.push_back(reached);
}

void RecordingPlayer::showGameOver(std::int32_t)
{
    ++m_openWindows;
    gameEnds();
}

void RecordingPlayer::gameEnds()
{
    // Only the windows and questions of this moment lie between here and the recorded end.
    for (std::size_t i = m_next + 1; i < m_recording.events.size(); ++i) {
        const RecordedEvent& event = m_recording.events[i];
        if (event.kind == RecordedEvent::Kind::End)
            return;
        const GameInput::Kind kind = event.input.kind;
        if (event.kind == RecordedEvent::Kind::Input && kind != GameInput::Kind::Answer &&
            kind != GameInput::Kind::WindowClosed && kind != GameInput::Kind::Pause && kind != GameInput::Kind::Resume)
            break;
    }
    diverge("the game ended here, where it went on");
}
