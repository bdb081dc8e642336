#include "tests/support/RulesSoak.h"

#include "core/MouseCommands.h"
#include "core/PlayField.h"
#include "core/Random.h"
#include "tests/support/BoardText.h"

#include <cmath>
#include <limits>
#include <random>

namespace {

// The sixteen codes of the tile table, then codes the game does not know.
constexpr std::u32string_view Codes = U"brh$awdxjilmk@12AtZ \uFFFD";

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

}  // namespace

SoakReport soakRules(long long ticks, std::uint64_t seed)
{
    SoakReport report;
    GameRandom random(seed);
    modGlobals globals;
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
                globals.board(col, row) = i < Codes.size() ? Codes[i] : Tile::Empty;
            }
        const Board start = globals.board;
        const int turtles = turtlesOn(start);
        globals.TurtlesInLevel = static_cast<Int16>(turtles);
        PlayField field(globals, random, GameScoring);
        field.time = static_cast<Int16>(random.below(200));
        Selection& selection = field.selection;
        DragPoints drag;
        bool selectedTurtle = false;

        for (int t = 1 + random.below(300); t > 0 && report.ticks < ticks && !report.fault; --t) {
            for (int m = random.below(4); m > 0; --m, ++report.mouseCommands) {
                const int kind = random.below(3);
                if (kind == 0 &&
                    !mouseDown(globals.board, selection, drag, coordinate(random), coordinate(random)).sound.empty()) {
                    ++report.selections;
                    selectedTurtle = isTurtle(globals.board(selection.SelectionCol, selection.SelectionRow));
                } else if (kind == 1) {
                    mouseMove(selection, drag, coordinate(random), coordinate(random));
                } else if (kind == 2) {
                    report.commands += !mouseUp(globals.board, selection, drag).sound.empty();
                }
            }
            ++report.ticks;
            field.MoveCreatures(random.below(2) == 0);

            const Board& board = globals.board;
            std::string fault;
            for (int row = 0; row < GridSize; ++row)
                for (int col = 0; col < GridSize; ++col)
                    if (board(col, row) != start(col, row) &&
                        (col == BoardSize || row == BoardSize || standsStill(board(col, row)) ||
                         standsStill(start(col, row))))
                        fault = "column 20 or row 20 touched, a code off the table made, or a standing one moved";
            const int now = turtlesOn(board);
            if (now + field.saved + field.lost != turtles || globals.TurtlesInLevel != now)
                fault = "turtles not conserved";
            const TileCode held = selection.SelectionActive ? board(selection.SelectionCol, selection.SelectionRow) : 0;
            if (selection.SelectionActive && !(selectedTurtle ? isTurtle(held) : isDog(held)))
                fault = "the selection lost its creature";
            if (!fault.empty()) {
                fault += " at tick " + std::to_string(report.ticks) + ":\n";
                for (const std::string& row : rowsOf(board))
                    fault += row + "\n";
                report.fault = fault;
            }
        }
        report.saved += field.saved;
        report.lost += field.lost;
    }
    return report;
}
