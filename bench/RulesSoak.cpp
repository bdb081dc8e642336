// The soak of the rules for as long as asked: rules_soak [ticks, default 1000000] [seed, default the clock].
// Prints what it went through, or the first invariant broken with its board; exits 1 then.
// Random boards, any mix of every code (with codes the game does not know),
// random mouse commands between random ticks. After every tick: turtles are conserved (those on
// the board plus those saved and lost make the start, and the count in play is right); only codes
// of the tile table stand in the play area, except where an unknown code stood from the start;
// rocks, holes and water stay put; column 20 and row 20 are never touched; the selection is
// inactive or on the kind of creature it picked up.
#include "core/MouseCommands.h"
#include "core/PlayField.h"
#include "core/Random.h"

#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <optional>
#include <random>
#include <string>

namespace {

struct SoakReport {
    long long ticks = 0, boards = 0, mouseCommands = 0;
    long long selections = 0;  // presses that picked up a turtle or a dog
    long long commands = 0;    // releases that gave a selected creature a command
    long long saved = 0, lost = 0;
    std::optional<std::string> fault;  // the first invariant broken, with the tick and the board
};

// The sixteen codes of the tile table, then codes the game does not know.
constexpr std::u32string_view Codes = U"brh$awdxjilmk@12AtZ \uFFFD";

int turtlesOn(const Board& board)
{
    int turtles = 0;
    for (int row = 0; row < BoardSize; ++row)
        for (int col = 0; col < BoardSize; ++col)
            turtles += isTurtle(board(col, row));
    return turtles;
}

// The play area a row a line: a code of one byte as itself, any other as '?'.
std::string boardText(const Board& board)
{
    std::string text;
    for (int row = 0; row < BoardSize; ++row) {
        for (int col = 0; col < BoardSize; ++col)
            text += board(col, row) > 0x20 && board(col, row) < 0x7f ? static_cast<char>(board(col, row)) : '?';
        text += '\n';
    }
    return text;
}

// Rocks, holes, water and every code off the table (the empty cell too): no rule moves or makes one.
bool standsStill(TileCode code)
{
    const std::size_t i = Codes.find(code);
    return (i >= 1 && i <= 3) || i >= 16;
}

// Mostly on the board, sometimes far off it or no number at all.
float coordinate(Random& random)
{
    static constexpr float odd[] = {-1.0f,
                                    680.0f,
                                    -1.0e9f,
                                    3.0e38f,
                                    std::numeric_limits<float>::infinity(),
                                    std::numeric_limits<float>::quiet_NaN()};
    return random.below(20) == 0 ? odd[random.below(std::size(odd))] : static_cast<float>(random.next() * 700 - 10);
}

SoakReport soakRules(long long ticks, std::uint64_t seed)
{
    SoakReport report;
    GameRandom random(seed);
    Level level;
    while (report.ticks < ticks && !report.fault) {
        // Any mix over all 21 x 21 cells: each board weighs every code anew, from all but absent to
        // all but everywhere; a quarter of the boards also hold unknown codes and empty cells.
        ++report.boards;
        std::vector<double> weights(random.below(4) == 0 ? Codes.size() + 1 : 16);
        for (double& weight : weights)
            weight = std::pow(random.next(), 3);
        std::discrete_distribution<std::size_t> pick(weights.begin(), weights.end());
        std::mt19937 engine(random.below(1 << 30));
        for (int row = 0; row < GridSize; ++row)
            for (int col = 0; col < GridSize; ++col) {
                const std::size_t i = pick(engine);
                level.board(col, row) = i < Codes.size() ? Codes[i] : Tile::Empty;
            }
        const Board start = level.board;
        const int turtles = turtlesOn(start);
        PlayField field(level, random, GameScoring);
        field.turtlesInLevel = static_cast<Int16>(turtles);
        field.time = static_cast<Int16>(random.below(200));
        Selection& selection = field.selection;
        DragPoints drag;
        bool selectedTurtle = false;

        for (int t = 1 + random.below(300); t > 0 && report.ticks < ticks && !report.fault; --t) {
            for (int m = random.below(4); m > 0; --m, ++report.mouseCommands) {
                const int kind = random.below(3);
                if (kind == 0 &&
                    !mouseDown(level.board, selection, drag, coordinate(random), coordinate(random)).sound.empty()) {
                    ++report.selections;
                    selectedTurtle = isTurtle(level.board(selection.selectionCol, selection.selectionRow));
                } else if (kind == 1) {
                    mouseMove(selection, drag, coordinate(random), coordinate(random));
                } else if (kind == 2) {
                    report.commands += !mouseUp(level.board, selection, drag).sound.empty();
                }
            }
            ++report.ticks;
            field.moveCreatures(random.below(2) == 0);

            const Board& board = level.board;
            std::string fault;
            for (int row = 0; row < GridSize; ++row)
                for (int col = 0; col < GridSize; ++col)
                    if (board(col, row) != start(col, row) &&
                        (col == BoardSize || row == BoardSize || standsStill(board(col, row)) ||
                         standsStill(start(col, row))))
                        fault = "column 20 or row 20 touched, a code off the table made, or a standing one moved";
            const int now = turtlesOn(board);
            if (now + field.saved + field.lost != turtles || field.turtlesInLevel != now)
                fault = "turtles not conserved";
            const TileCode held = selection.selectionActive ? board(selection.selectionCol, selection.selectionRow) : 0;
            if (selection.selectionActive && !(selectedTurtle ? isTurtle(held) : isDog(held)))
                fault = "the selection lost its creature";
            if (!fault.empty()) {
                fault += " at tick " + std::to_string(report.ticks) + ":\n";
                fault += boardText(board);
                report.fault = fault;
            }
        }
        report.saved += field.saved;
        report.lost += field.lost;
    }
    return report;
}

}  // namespace

int main(int argc, char* argv[])
{
    const long long ticks = argc > 1 ? std::atoll(argv[1]) : 1'000'000;
    const auto seed =
        argc > 2 ? std::strtoull(argv[2], nullptr, 10)
                 : static_cast<unsigned long long>(std::chrono::steady_clock::now().time_since_epoch().count());
    const auto start = std::chrono::steady_clock::now();
    const SoakReport report = soakRules(ticks, seed);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("seed %llu: %lld ticks on %lld boards, %lld mouse commands (%lld pick-ups, %lld commands), "
                "%lld turtles saved, %lld lost, in %.1f s\n",
                seed, report.ticks, report.boards, report.mouseCommands, report.selections, report.commands,
                report.saved, report.lost, seconds);
    if (report.fault) {
        std::printf("FAULT: %s", report.fault->c_str());
        return 1;
    }
    std::printf("every invariant held after every tick and every batch of mouse commands\n");
    return 0;
}
