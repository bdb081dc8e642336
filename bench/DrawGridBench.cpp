// A redraw of the board picture as the player gets it: DrawGrid (400 tile copies into the back
// buffer, one 682 x 684 copy to the picture) and the repaint of what changed, on a screen of 1, of
// 1.5 and of 1.25 device pixels per point. At 1.5 a cell is 51 device pixels and shows its tile
// scaled once; at 1.25 the board is scaled where it changed. Prints the ratios at the end: a
// redraw at 1x against a plain memcpy of DrawGrid's bytes (the same board again repaints nothing,
// so that one is DrawGrid alone: nothing but block copies, near 1 and at most 2), and each redraw
// at 1.5 (at most 2) and at 1.25 against the same at 1x.
#include "ui/BoardPicture.h"

#include <QApplication>
#include <QFile>
#include <QScreen>
#include <QTemporaryDir>
#include <QWindow>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr std::size_t ComposeBytes = 400u * 34 * 34 * 4;
constexpr std::size_t CopyBytes = 682u * 684 * 4;  // the whole picture, see DrawGrid

TileSet benchTiles()
{
    TileSet tiles;
    int shade = 0;
    for (const TileFile& entry : TileTable) {
        // Indexed pixels, as GIFs decode: the tile set converts them once.
        QImage image(34, 34, QImage::Format_Indexed8);
        image.setColorTable({qRgb(shade, 255 - shade, 90), qRgb(10, 20, shade)});
        image.fill(0);
        for (int i = 0; i < 34; ++i)
            image.setPixel(i, i, 1);
        tiles.setTile(entry.code, image);
        shade += 15;
    }
    return tiles;
}

// Every cell a tile, the codes in a pattern that shift moves by one code.
Board fullBoard(int shift = 0)
{
    Board board;
    for (int row = 0; row < BoardSize; ++row)
        for (int col = 0; col < BoardSize; ++col)
            board(col, row) = TileTable[(col * 7 + row * 3 + shift) % TileTable.size()].code;
    return board;
}

// The board after a tick: eight creatures stepped one cell to the side (sixteen cells changed).
Board afterATick()
{
    Board board = fullBoard();
    for (int i = 0; i < 8; ++i)
        std::swap(board(2 * i, 2 * i + 1), board(2 * i + 1, 2 * i + 1));
    return board;
}

// A picture shown on the screen of that ratio, its first frame painted.
std::unique_ptr<BoardPicture> shownPicture(benchmark::State& state, qreal ratio)
{
    auto picture = std::make_unique<BoardPicture>();
    for (QScreen* screen : QGuiApplication::screens())
        if (qFuzzyCompare(screen->devicePixelRatio(), ratio)) {
            picture->setScreen(screen);
            picture->move(screen->geometry().topLeft());
        }
    picture->setTiles(benchTiles());
    picture->show();
    for (int round = 0; round < 100 && !picture->windowHandle()->isExposed(); ++round)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    QCoreApplication::processEvents();
    if (!picture->windowHandle()->isExposed() || picture->devicePixelRatioF() != ratio)
        state.SkipWithError("the picture is not shown at the ratio asked for");
    return picture;
}

// Each round redraws the boards in turn (one board: the same picture again, as the redraw timer
// does between ticks), and the event loop paints what changed into the window's back store of
// device pixels. The argument is the ratio in hundredths.
void redraw(benchmark::State& state, const std::vector<Board>& boards, const Selection& selection, DragPoints drag = {})
{
    const auto picture = shownPicture(state, state.range(0) / 100.0);
    const Int16 dragEnd = drag.dragEndX;
    std::size_t round = 0;
    for (auto _ : state) {
        picture->drawGrid(boards[round % boards.size()], selection, drag);
        QCoreApplication::processEvents();
        ++round;
        drag.dragEndX = static_cast<Int16>(dragEnd + round % 32);  // the pointer moves to and fro while dragging
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * (ComposeBytes + CopyBytes));
}

void Redraw(benchmark::State& state) { redraw(state, {fullBoard()}, Selection{}); }
BENCHMARK(Redraw)->Arg(100)->Arg(150)->Arg(125)->Unit(benchmark::kMicrosecond);

void RedrawAfterATick(benchmark::State& state) { redraw(state, {fullBoard(), afterATick()}, Selection{}); }
BENCHMARK(RedrawAfterATick)->Arg(100)->Arg(150)->Arg(125)->Unit(benchmark::kMicrosecond);

// With the box and a long drag line drawn over the copied board.
void RedrawWhileDragging(benchmark::State& state)
{
    redraw(state, {fullBoard()}, Selection{true, 7, 9}, DragPoints{255, 320, 400, 100});
}
BENCHMARK(RedrawWhileDragging)->Arg(100)->Arg(150)->Arg(125)->Unit(benchmark::kMicrosecond);

// Every cell changes, as when a level starts: the worst case for a fractional ratio.
void RedrawNewBoard(benchmark::State& state) { redraw(state, {fullBoard(), fullBoard(1)}, Selection{}); }
BENCHMARK(RedrawNewBoard)->Arg(100)->Arg(150)->Arg(125)->Unit(benchmark::kMicrosecond);

void Memcpy(benchmark::State& state)
{
    std::vector<char> from(ComposeBytes + CopyBytes, 1), to(ComposeBytes + CopyBytes);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), from.size());
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * from.size());
}
BENCHMARK(Memcpy)->Unit(benchmark::kMicrosecond);

class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        // One time per benchmark: the median when repetitions are asked for, else the one run.
        for (const Run& run : runs) {
            const std::string name =
                run.run_name.function_name + (run.run_name.args.empty() ? "" : "/" + run.run_name.args);
            if (run.run_type == Run::RT_Aggregate ? run.aggregate_name == "median" : !medians.count(name))
                times[name] = run.GetAdjustedCPUTime();
            if (run.run_type == Run::RT_Aggregate)
                medians.insert(name);
        }
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> times;
    std::set<std::string> medians;
};

}  // namespace

int main(int argc, char* argv[])
{
    // Two offscreen screens of 1 and 1.5 device pixels per point, scaled by Qt as QT_SCALE_FACTOR
    // scales a real screen: windows keep their back store in device pixels.
    QTemporaryDir folder;
    QFile config(folder.filePath(QStringLiteral("screens.json")));
    if (!config.open(QIODevice::WriteOnly) ||
        config.write(R"({"screens": [{"name": "r1", "x": 0, "y": 0, "width": 1800, "height": 1800},
                                     {"name": "r15", "x": 1800, "y": 0, "width": 1800, "height": 1800},
                                     {"name": "r125", "x": 3600, "y": 0, "width": 1800, "height": 1800}]})") < 0)
        return 1;
    config.close();
    setenv("QT_QPA_PLATFORM", qPrintable(QStringLiteral("offscreen:configfile=") + config.fileName()), 1);
    setenv("QT_SCREEN_SCALE_FACTORS", "r1=1;r15=1.5;r125=1.25", 1);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    const auto& t = reporter.times;
    for (const char* name : {"Redraw", "RedrawAfterATick", "RedrawWhileDragging", "RedrawNewBoard"}) {
        const std::string one = std::string(name) + "/100";
        if (t.count(one) && t.count("Memcpy") && t.at("Memcpy") > 0)
            std::printf("%s at 1x / memcpy of DrawGrid's %zu bytes: %.2f\n", name, ComposeBytes + CopyBytes,
                        t.at(one) / t.at("Memcpy"));
        for (const auto& [arg, ratio] : {std::pair{"150", "1.5"}, std::pair{"125", "1.25"}})
            if (const std::string fractional = std::string(name) + "/" + arg;
                t.count(one) && t.count(fractional) && t.at(one) > 0)
                std::printf("%s at %sx / at 1x: %.2f\n", name, ratio, t.at(fractional) / t.at(one));
    }
    return 0;
}
