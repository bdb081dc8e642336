// The wall time of the editor's Check Level on shipped levels: the level read from its file into
// memory, both players over every seed on the machine's cores, the results back on this thread.
#include "editor/LevelCheck.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>

#include <benchmark/benchmark.h>

namespace {

void BM_CheckLevel(benchmark::State& state)
{
    QFile file(QStringLiteral(PONDRAKE_DATA_DIR "/levels/level%1.txt").arg(state.range(0)));
    if (!file.open(QIODevice::ReadOnly)) {
        state.SkipWithError("no such level");
        return;
    }
    const QByteArray level = file.readAll();
    for (auto _ : state) {
        LevelCheck check;
        QEventLoop loop;
        QObject::connect(&check, &LevelCheck::finished, &loop, &QEventLoop::quit);
        check.start(level);
        loop.exec();
    }
}

}  // namespace

BENCHMARK(BM_CheckLevel)->Arg(1)->Arg(12)->Arg(24)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
