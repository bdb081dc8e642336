// server_games: self-contained games for the world table's server, made by the game's own code.
//
//   server_games golden TESTS LEVELS OUT   the server tests' games (tests/server/games): the golden
//                                          recordings of TESTS/sim/replays carried with the shipped
//                                          pack, and a game continued and recorded whole
//   server_games bot FIRST COUNT LEVELS OUT  COUNT computer-player games of the pack from seed FIRST,
//                                          as bot-SEED.replay (the load bench's games)
//
// Every game written has been played through the rules from its carried levels to its recorded
// end (selfContained), so each is one the server must accept.
#include "files/FileBytes.h"
#include "files/sets/SetPaths.h"
#include "sim/BotPlayer.h"
#include "sim/EarlierSittings.h"
#include "sim/GameRun.h"
#include "sim/SelfContained.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void fail(const QString& message)
{
    std::fprintf(stderr, "server_games: %s\n", qPrintable(message));
    std::exit(1);
}

// The set in a folder of level1.txt, level2.txt, ... under the name given.
SetFile setOf(const QString& folder, const QString& name, int levels = 0)
{
    SetFile set{name, {}, {}, {}};
    const int count = levels > 0 ? levels : countSetLevels(folder);
    for (Int16 n = 1; n <= count; ++n) {
        const std::optional<FileHead> level = readFileHead(levelPathInSet(folder, n), MaxSetLevelBytes);
        if (!level || level->cut)
            fail(QStringLiteral("cannot read level %1 in %2").arg(n).arg(folder));
        set.levels.push_back(level->bytes);
    }
    return set;
}

void write(const QString& path, GameRecording recording, const SetFile& set)
{
    const SelfContained carried = selfContained(std::move(recording), set);
    if (!carried.recording)
        fail(path + ": " + carried.problem.english());
    if (!replaceFile(path, recordingBytes(*carried.recording)))
        fail(QStringLiteral("cannot write ") + path);
}

GameRecording golden(const QString& path)
{
    RecordingReading reading = readRecordingFile(path);
    if (!reading.recording)
        fail(QStringLiteral("%1: line %2: %3").arg(path).arg(reading.line).arg(reading.error.english()));
    return std::move(*reading.recording);
}

// A game of the first three levels, left at the start of level 2 and continued: recorded whole.
GameRecording continuedWhole(const QString& levels, const QString& scratch)
{
    for (Int16 n = 1; n <= 3; ++n)
        QFile::copy(levelPathInSet(levels, n), levelPathInSet(scratch, n));
    BotPlayer first, second;
    const GameRun left = playGame(scratch, 5, first, {{}, {}, 2});
    if (!left.kept || !left.keptRecording)
        fail(QStringLiteral("the first sitting kept no game"));
    const std::optional<GameRecording> earlier =
        earlierSittings(recordingBytes(*left.keptRecording), *left.kept, scratch);
    if (!earlier)
        fail(QStringLiteral("the kept game does not lead to its kept level"));
    return playGame(scratch, 6, second, {left.kept, earlier, 0}).recording;
}

}  // namespace

int main(int argc, char* argv[])
{
    const QStringList args = [&] {
        QStringList list;
        for (int i = 1; i < argc; ++i)
            list << QString::fromLocal8Bit(argv[i]);
        return list;
    }();
    if (args.size() == 4 && args[0] == u"golden") {
        const QString replays = args[1] + QStringLiteral("/sim/replays/"), out = args[3] + u'/';
        const SetFile pack = setOf(args[2], ShippedSetName);
        for (const char* name : {"played-3-levels", "bot-pack", "bot-continued"})
            write(out + QString::fromLatin1(name) + ".replay", golden(replays + name + ".replay"), pack);
        const QTemporaryDir scratch;
        write(out + "continued-whole.replay", continuedWhole(args[2], scratch.path()),
              setOf(args[2], QStringLiteral("First Three"), 3));
        return 0;
    }
    bool firstOk = false, countOk = false;
    const std::uint64_t first = args.value(1).toULongLong(&firstOk);
    const int count = args.value(2).toInt(&countOk);
    if (args.size() == 5 && args[0] == u"bot" && firstOk && countOk) {
        const SetFile pack = setOf(args[3], ShippedSetName);
        for (std::uint64_t seed = first; seed < first + std::uint64_t(count); ++seed) {
            BotPlayer bot;
            write(QStringLiteral("%1/bot-%2.replay").arg(args[4]).arg(seed), playGame(args[3], seed, bot).recording,
                  pack);
        }
        return 0;
    }
    fail(QStringLiteral("usage: server_games golden TESTS LEVELS OUT | bot FIRST COUNT LEVELS OUT"));
}
