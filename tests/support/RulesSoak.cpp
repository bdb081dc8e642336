#include "tests/support/RulesSoak.h"

#include "core/MouseCommands.h"
#include "core/PlayField.h"
#include "core/Random.h"
#include "tests/support/BoardText.h"

#include <array>
#include <cmath>
#include <limits>
#include <string_view>
#include <vector>

namespace {

constexpr std::u32string_view TableCodes = U"brh$awdxjilmk@12";
constexpr std::u32string_view UnknownCodes = U"AtZ \uFFFD";  // and the empty cell

// What a code is to the checks, looked up once per cell: cheap enough for a million ticks.
enum class Kind : unsigned char { Unknown, Standing, Turtle, Dog, Alien, Foot, Blank };

Kind kindOf(TileCode code)
{
    static const auto table = [] {
        std::array<Kind, 128> kinds{};
        for (const TileCode c : TableCodes)
            kinds[c] = c == Tile::Rock || c == Tile::Hole || c == Tile::Water ? Kind::Standing
                       : isTurtle(c)                                        ? Kind::Turtle
                       : isDog(c)                                           ? Kind::Dog
                       : c == Tile::Alien                                   ? Kind::Alien
                       : isFoot(c)                                          ? Kind::Foot
                                                                            : Kind::Blank;
        return kinds;
    }();
    return code < table.size() ? table[code] : Kind::Unknown;
}

// Codes no rule moves: where one stands, it stands for good, and none appears anywhere else.
bool staysPut(Kind kind) { return kind == Kind::Unknown || kind == Kind::Standing; }

struct Census {
    int turtles = 0;
    int dogs = 0;
    int aliens = 0;
    std::array<int, BoardSize> feetInRow{};
    friend bool operator==(const Census&, const Census&) = default;
};

class Soak {
public:
    explicit Soak(std::uint64_t seed) : m_random(seed) {}

    SoakReport run(long long ticks)
    {
        while (m_report.ticks < ticks && !m_report.fault) {
            newBoard();
            const long long length = 1 + m_random.below(300);
            for (long long t = 0; t < length && m_report.ticks < ticks && !m_report.fault; ++t) {
                const int commands = m_random.below(4);
                for (int m = 0; m < commands && !m_report.fault; ++m)
                    mouseCommand();
                if (commands > 0 && !m_report.fault)
                    check("after mouse commands");
                if (!m_report.fault)
                    tick();
            }
            m_report.saved += m_field->saved;
            m_report.lost += m_field->lost;
        }
        return m_report;
    }

private:
    // Any mix: each board weighs every code anew, from all but absent to all but everywhere.
    void newBoard()
    {
        ++m_report.boards;
        static const std::u32string codes = std::u32string(TableCodes) + std::u32string(UnknownCodes) + Tile::Empty;
        const bool unknown = m_random.below(4) == 0;
        std::vector<double> weights(codes.size());
        double total = 0;
        for (std::size_t i = 0; i < codes.size(); ++i) {
            weights[i] = std::pow(m_random.next(), 3) * (i < TableCodes.size() ? 1.0 : unknown ? 0.1 : 0.0);
            total += weights[i];
        }
        for (int row = 0; row < GridSize; ++row)
            for (int col = 0; col < GridSize; ++col) {
                double pick = m_random.next() * total;
                std::size_t i = 0;
                while (i + 1 < codes.size() && (pick -= weights[i]) >= 0)
                    ++i;
                m_globals.board(col, row) = codes[i];
            }
        m_start = m_globals.board;
        m_startCensus = {};
        for (int row = 0; row < BoardSize; ++row)
            for (int col = 0; col < BoardSize; ++col)
                count(m_startCensus, m_start(col, row), row);
        m_globals.TurtlesInLevel = static_cast<Int16>(m_startCensus.turtles);
        m_field.emplace(m_globals, m_random, GameScoring);
        m_field->time = static_cast<Int16>(m_random.below(200));
        m_selectedTurtle = false;
        m_drag = {};
    }

    // A coordinate for the pointer: mostly on the board, sometimes far off it or no number at all.
    float coordinate()
    {
        static constexpr float odd[] = {-1.0f, 680.0f, -1.0e9f, 3.0e38f, std::numeric_limits<float>::infinity(),
                                        -std::numeric_limits<float>::infinity(), std::numeric_limits<float>::quiet_NaN()};
        if (m_random.below(20) == 0)
            return odd[m_random.below(std::size(odd))];
        return static_cast<float>(m_random.next() * 700.0 - 10.0);
    }

    void mouseCommand()
    {
        ++m_report.mouseCommands;
        Selection& selection = m_field->selection;
        switch (m_random.below(3)) {
        case 0: {
            const bool wasActive = selection.SelectionActive;
            const Selection before = selection;
            const MouseOutcome outcome = mouseDown(m_globals.board, selection, m_drag, coordinate(), coordinate());
            if (!outcome.sound.empty()) {
                ++m_report.selections;
                m_selectedTurtle = isTurtle(m_globals.board(selection.SelectionCol, selection.SelectionRow));
            } else if (wasActive != selection.SelectionActive || before.SelectionCol != selection.SelectionCol ||
                       before.SelectionRow != selection.SelectionRow) {
                m_report.fault = "a silent press moved the selection";
            }
            break;
        }
        case 1:
            mouseMove(selection, m_drag, coordinate(), coordinate());
            break;
        default:
            if (!mouseUp(m_globals.board, selection, m_drag).sound.empty())
                ++m_report.commands;
            break;
        }
    }

    void tick()
    {
        ++m_report.ticks;
        m_field->MoveCreatures(m_random.below(2) == 0);
        check("after a tick");
    }

    void fail(const std::string& what, const char* when)
    {
        std::string text = what + " " + when + " (tick " + std::to_string(m_report.ticks) + ", board " +
                           std::to_string(m_report.boards) + "):\n";
        for (const std::string& row : rowsOf(m_globals.board))
            text += row + "\n";
        m_report.fault = text;
    }

    static void count(Census& census, TileCode code, int row)
    {
        switch (kindOf(code)) {
        case Kind::Turtle: ++census.turtles; break;
        case Kind::Dog: ++census.dogs; break;
        case Kind::Alien: ++census.aliens; break;
        case Kind::Foot: ++census.feetInRow[row]; break;
        default: break;
        }
    }

    void check(const char* when)
    {
        const Board& board = m_globals.board;
        Census now;
        for (int row = 0; row < GridSize; ++row)
            for (int col = 0; col < GridSize; ++col) {
                const TileCode code = board(col, row);
                const TileCode start = m_start(col, row);
                if (col == BoardSize || row == BoardSize) {
                    if (code != start)
                        return fail("column 20 or row 20 touched", when);
                    continue;
                }
                if (code != start && (staysPut(kindOf(code)) || staysPut(kindOf(start))))
                    return fail("an unknown or standing code moved or appeared", when);
                count(now, code, row);
            }
        if (now.turtles + m_field->saved + m_field->lost != m_startCensus.turtles ||
            m_globals.TurtlesInLevel != now.turtles)
            return fail("turtles not conserved", when);
        if (now.dogs != m_startCensus.dogs || now.aliens != m_startCensus.aliens ||
            now.feetInRow != m_startCensus.feetInRow)
            return fail("dogs, aliens or feet not conserved", when);
        const Selection& selection = m_field->selection;
        if (selection.SelectionActive) {
            if (selection.SelectionCol < 0 || selection.SelectionCol >= BoardSize || selection.SelectionRow < 0 ||
                selection.SelectionRow >= BoardSize)
                return fail("the selection left the board", when);
            const TileCode held = board(selection.SelectionCol, selection.SelectionRow);
            if (m_selectedTurtle ? !isTurtle(held) : !isDog(held))
                return fail("the selection lost its creature", when);
        }
    }

    GameRandom m_random;
    modGlobals m_globals;
    std::optional<PlayField> m_field;
    Board m_start;
    Census m_startCensus;
    bool m_selectedTurtle = false;
    DragPoints m_drag;
    SoakReport m_report;
};

}  // namespace

SoakReport soakRules(long long ticks, std::uint64_t seed)
{
    return Soak(seed).run(ticks);
}
