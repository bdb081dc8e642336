#include "sim/GameRun.h"

#include "core/HeadlessWindow.h"
#include "core/LevelFlow.h"
#include "core/Random.h"
#include "files/LevelFile.h"
#include "sim/GameRecorder.h"
#include "sim/LoadLevel.h"

#include <algorithm>

namespace {

// The game window over a folder of levels; it records the game as the game window does.
class FolderWindow final : public HeadlessWindow {
public:
    FolderWindow(QString folder, Level& level, Random& random, GameRecorder& recorder)
        : m_folder(std::move(folder)), m_level(level), m_random(random), m_recorder(recorder)
    {
    }

    std::vector<Int16> levelEnds;  // the number of each level ended, in order
    bool levelComplete = false;    // the last load read the whole file
    bool gameOver = false;
    Board boardAtEnd;

    QString path(Int16 levelNumber) const { return m_folder + QStringLiteral("/level%1.txt").arg(levelNumber); }

    Int16 loadLevel(Int16 levelNumber) override
    {
        m_recorder.levelLoaded(levelNumber, path(levelNumber));
        const LevelReading reading = ::loadLevel(path(levelNumber), m_level, m_random);
        levelComplete = reading.status == LevelReadStatus::Complete;
        return reading.turtles();
    }
    bool levelExists(Int16 levelNumber) override { return fileExists(path(levelNumber)); }
    void showLevelOver(const LevelReport& report) override
    {
        m_recorder.levelOver(report);
        levelEnds.push_back(report.levelNumber);
    }
    void showGameOver(std::int32_t) override
    {
        m_recorder.finish();
        gameOver = true;
        boardAtEnd = m_level.board;
    }

private:
    QString m_folder;
    Level& m_level;
    Random& m_random;
    GameRecorder& m_recorder;
};

// Keeps the game as the game window does, and leaves it at the start of the level asked for.
class LeavingKeeper final : public GameKeeper {
public:
    LeavingKeeper(Int16 leaveAt, const GameRecorder& recorder, GameRun& run)
        : m_leaveAt(leaveAt), m_recorder(recorder), m_run(run)
    {
    }
    void keep(const KeptLevel& level) override
    {
        if (m_leaveAt == 0 || level.levelNumber != m_leaveAt || m_run.kept)
            return;
        m_run.kept = level;
        m_run.keptRecording = m_recorder.soFar();
    }
    void forget() override {}

private:
    Int16 m_leaveAt;
    const GameRecorder& m_recorder;
    GameRun& m_run;
};

constexpr int MaxCommandsAtOnce = 64;

}  // namespace

GameRun playGame(const QString& folder, std::uint64_t seed, Player& player, const GamePlay& play)
{
    Level level;
    GameRandom random(~seed);  // the game reseeds it at its start, as the window's is reseeded from the clock
    PlayField field(level, random, GameScoring);
    Clock clock;  // driven by hand at 1x
    GameRun run;
    GameRecorder recorder(clock, random, field, [seed] { return seed; });
    recorder.setFolder(folder);
    recorder.setFinished([&run](const GameRecording& recording) { run.recording = recording; });
    FolderWindow window(folder, level, random, recorder);
    LevelFlow flow(window, field, clock);
    flow.setObserver(&recorder);
    LeavingKeeper keeper(play.leaveAt, recorder, run);
    flow.setKeeper(&keeper);

    flow.start();
    recorder.setEarlierSittings(play.earlier);
    if (play.from)
        flow.apply({.kind = GameInput::Kind::Continue, .start = *play.from});
    else
        flow.apply({GameInput::Kind::NewGame});
    if (!window.levelComplete)
        throw UnreadableLevel{window.path(flow.levelNumber).toStdString()};

    const auto askPlayer = [&] {
        for (int i = 0; i < MaxCommandsAtOnce && !window.gameOver && !run.kept; ++i) {
            const std::optional<Command> command = player.decide(View{field, clock.present()});
            if (!command)
                return;
            giveCommand(flow, level.board, *command);
        }
    };
    const auto attempts = [&] {
        int n = 0;
        for (const Int16 level : window.levelEnds)
            n += level == flow.levelNumber;
        return n;
    };

    bool aborted = false;
    askPlayer();
    while (!window.gameOver && !run.kept) {
        const std::optional<Clock::Due> due = clock.next();
        const std::optional<SimTime> wake = player.wakeAt();
        const bool wakeFirst = wake && *wake > clock.present() && (!due || *wake < due->at);
        const SimTime at = wakeFirst ? *wake : due ? due->at : GameTimeLimit + 1;
        if (at > GameTimeLimit || attempts() >= MaxAttemptsPerLevel) {
            aborted = true;  // the player gives up, as a player would with Abort Game
            flow.apply({GameInput::Kind::Abort});
            flow.apply({.kind = GameInput::Kind::Answer, .yes = true});
            break;
        }
        // `at` is game time; the clock is driven by the time it runs faster than.
        const SimTime ahead = std::max<SimTime>(0, at - clock.present());
        clock.runUntil(clock.driven() + (ahead + clock.speed() - 1) / clock.speed());
        askPlayer();
    }
    recorder.finish();  // a game left ends its recording as the window's closing does
    for (const RecordedEvent& event : run.recording.events)
        if (event.kind == RecordedEvent::Kind::LevelOver)
            run.levelEnds.push_back(event.checkpoint);
    run.won = !aborted && !run.kept;
    run.score = field.score;
    run.saved = field.saved;
    run.lost = field.lost;
    run.board = window.boardAtEnd;
    run.milliseconds = clock.now();
    return run;
}
