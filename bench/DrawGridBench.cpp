// DrawGrid (400 tile copies into the back buffer, one 682 x 684 copy to the picture) against a
// plain memcpy of the same number of bytes. Prints the ratio at the end. A redraw is meant to be
// nothing but block copies, so the ratio should stay near 1, and at most 2.
#include "ui/BoardPicture.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <set>
#include <string>
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

Board fullBoard()
{
    Board board;
    for (int row = 0; row < BoardSize; ++row)
        for (int col = 0; col < BoardSize; ++col)
            board(col, row) = TileTable[(col * 7 + row * 3) % TileTable.size()].code;
    return board;
}

void redraw(benchmark::State& state, const Selection& selection, const DragPoints& drag)
{
    BoardPicture pict;
    pict.setTiles(benchTiles());
    const Board board = fullBoard();
    for (auto _ : state) {
        pict.DrawGrid(board, selection, drag);
        benchmark::DoNotOptimize(pict.surface().constBits());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * (ComposeBytes + CopyBytes));
}

void DrawGrid(benchmark::State& state) { redraw(state, Selection{}, DragPoints{}); }
BENCHMARK(DrawGrid)->Unit(benchmark::kMicrosecond);

// With the box and a long drag line drawn over the copied board.
void DrawGridWhileDragging(benchmark::State& state)
{
    redraw(state, Selection{true, 7, 9}, DragPoints{255, 320, 600, 100});
}
BENCHMARK(DrawGridWhileDragging)->Unit(benchmark::kMicrosecond);

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
            const std::string& name = run.run_name.function_name;
            if (run.run_type == Run::RT_Aggregate ? run.aggregate_name == "median" : !medians.count(name))
                times[name] = run.GetAdjustedRealTime();
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
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    const auto& t = reporter.times;
    if (t.count("Memcpy") && t.at("Memcpy") > 0) {
        for (const char* name : {"DrawGrid", "DrawGridWhileDragging"})
            if (t.count(name))
                std::printf("%s / memcpy of the same %zu bytes: %.2f\n", name, ComposeBytes + CopyBytes,
                            t.at(name) / t.at("Memcpy"));
    }
    return 0;
}
