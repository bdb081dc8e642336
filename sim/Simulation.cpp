#include "sim/Simulation.h"

#include "core/HeadlessWindow.h"
#include "core/LevelFlow.h"
#include "core/PlaceLevel.h"
#include "core/Random.h"
#include "files/LevelFile.h"

namespace {

// The game window of a level being tried: its one level is that level, and the level-over window
// only notes what it would show.
class SimWindow final : public HeadlessWindow {
public:
    SimWindow(const LevelReading& reading, Level& level, Random& random)
        : m_reading(reading), m_level(level), m_random(random)
    {
    }

    std::optional<LevelReport> report;
    Board boardAtEnd;
    bool levelComplete = false;  // the last load read the whole file

    // There is one level: passing it wins the game.
    Int16 loadLevel(Int16) override
    {
        placeLevel(m_reading, m_level, m_random);
        levelComplete = m_reading.status == LevelReadStatus::Complete;
        return m_reading.turtles();
    }
    void showLevelOver(const LevelReport& levelReport) override
    {
        if (!report) {
            report = levelReport;
            boardAtEnd = m_level.board;
        }
    }

private:
    const LevelReading& m_reading;
    Level& m_level;
    Random& m_random;
};

// A player gets no more than this many commands at one instant: a guard against a player that
// never stops answering.
constexpr int MaxCommandsAtOnce = 64;

}  // namespace

TileCode giveCommand(LevelFlow& flow, const Board& board, const Command& command)
{
    constexpr float DragPixels = 20;
    const float x = command.col * CellPixels + CellPixels / 2.0f;
    const float y = command.row * CellPixels + CellPixels / 2.0f;
    const TileCode pressed = command.col >= 0 && command.col < BoardSize && command.row >= 0 && command.row < BoardSize
                                 ? board(command.col, command.row)
                                 : Tile::Empty;
    flow.apply({.kind = GameInput::Kind::MouseDown, .x = x, .y = y});
    const float dx = command.direction == DragDirection::Left    ? -DragPixels
                     : command.direction == DragDirection::Right ? DragPixels
                                                                 : 0;
    const float dy = command.direction == DragDirection::Up     ? -DragPixels
                     : command.direction == DragDirection::Down ? DragPixels
                                                                : 0;
    if (command.direction != DragDirection::None)
        flow.apply({.kind = GameInput::Kind::MouseMove, .x = x + dx, .y = y + dy});
    flow.apply({.kind = GameInput::Kind::MouseUp, .x = x + dx, .y = y + dy});
    return pressed;
}

namespace {

RunOutcome play(const LevelReading& reading, const std::string& name, std::uint64_t seed, Player& player,
                const std::atomic<bool>* stop)
{
    Level level;
    GameRandom random(seed);
    PlayField field(level, random, GameScoring);
    Clock clock;  // driven by hand at 1x: its driving time is game time
    SimWindow window(reading, level, random);
    LevelFlow flow(window, field, clock);
    RunOutcome outcome;

    flow.start();
    if (!window.levelComplete)
        throw UnreadableLevel{name};
    flow.apply({GameInput::Kind::NewGame});

    const auto askPlayer = [&] {
        for (int i = 0; i < MaxCommandsAtOnce; ++i) {
            const std::optional<Command> command = player.decide(View{field, clock.present()});
            if (!command)
                return;
            ++outcome.commands;
            if (isDog(giveCommand(flow, level.board, *command)))
                ++outcome.dogCommands;
        }
    };

    askPlayer();
    while (!window.report) {
        const std::optional<Clock::Due> due = clock.next();
        const std::optional<SimTime> wake = player.wakeAt();
        const bool wakeFirst = wake && *wake > clock.present() && (!due || *wake < due->at);
        const SimTime at = wakeFirst ? *wake : due ? due->at : TimeLimit + 1;
        if (at > TimeLimit || (stop && stop->load(std::memory_order_relaxed)))
            break;
        clock.runUntil(at);  // the player looks once every timer due at that moment has fired
        if (window.report)
            break;
        askPlayer();
    }

    if (window.report) {
        outcome.ended = true;
        outcome.passed = !window.report->replay;
        outcome.saved = window.report->saved;
        outcome.lost = window.report->lost;
        outcome.milliseconds = clock.now();
        outcome.board = window.boardAtEnd;
    } else {
        outcome.board = level.board;
        outcome.saved = field.turtlesSavedInLevel;
        outcome.lost = field.turtlesLostInLevel;
        outcome.milliseconds = TimeLimit;
    }
    outcome.score = field.score;
    return outcome;
}

}  // namespace

RunOutcome playLevel(const std::string& path, std::uint64_t seed, Player& player)
{
    return play(readLevelFile(QString::fromStdString(path)), path, seed, player, nullptr);
}

RunOutcome playLevelBytes(const QByteArray& level, std::uint64_t seed, Player& player, const std::atomic<bool>* stop)
{
    return play(readLevelBytes(level), "(level in memory)", seed, player, stop);
}
