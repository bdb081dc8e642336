// pondrake_sim: plays one level file without a window, on a simulated clock, and prints the
// outcome as one line of JSON. See tools/sim/README.md.
#include "files/FileBytes.h"
#include "sim/BotPlayer.h"
#include "sim/GameRun.h"
#include "sim/Players.h"
#include "sim/RecordingCheck.h"
#include "sim/Summary.h"

#include <QList>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

namespace {

const char* const Usage =
    "usage: pondrake_sim (--idle | --bot | --script FILE) [--seed S | --seeds N [--first-seed S]]\n"
    "                    [--record FILE] [--trace] LEVEL_FILE\n"
    "       pondrake_sim --bot --game DIR [--seed S] [--from L,SCORE,SAVED,LOST,fresh|replay]\n"
    "                    [--replay-out FILE]\n"
    "       pondrake_sim --verify FILE [--levels DIR]\n"
    "  --idle          nobody touches the board\n"
    "  --bot           the computer player\n"
    "  --script FILE   replays recorded commands: milliseconds column row up|down|left|right|none\n"
    "  --seed S        the random seed of one run (default 1)\n"
    "  --seeds N       plays N seeds from --first-seed (default 1) and prints a summary\n"
    "  --record FILE   writes the commands of one run as a script\n"
    "  --trace         prints the board to stderr whenever it changes\n"
    "  --game DIR      plays a whole game through DIR/level1.txt, level2.txt, ...\n"
    "  --from ...      continues the game from a kept level instead of New Game\n"
    "  --replay-out F  writes that game as a replay file\n"
    "  --verify FILE   plays a replay and checks it: exit 0 when it matches, 1 when it\n"
    "                  diverges, 2 when it cannot be read\n"
    "  --levels DIR    where --verify finds the levels (default: the folder the replay\n"
    "                  names, else the program's levels/); a self-contained replay\n"
    "                  carries its levels and needs none\n";

std::optional<std::uint64_t> wholeNumber(const char* text)
{
    char* end = nullptr;
    if (!text || !*text || *text == '-')
        return std::nullopt;
    const unsigned long long value = std::strtoull(text, &end, 10);
    if (*end)
        return std::nullopt;
    return value;
}

// A kept level as LEVEL,SCORE,SAVED,LOST,fresh|replay, within what a kept game holds.
std::optional<KeptLevel> keptLevel(const char* text)
{
    const QList<QByteArray> fields = QByteArray(text ? text : "").split(',');
    if (fields.size() != 5 || (fields[4] != "fresh" && fields[4] != "replay"))
        return std::nullopt;
    int values[4] = {};
    constexpr int Lowest[4] = {1, -32768, 0, 0};
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        values[i] = fields[i].toInt(&ok);
        if (!ok || values[i] < Lowest[i] || values[i] > 32767 || fields[i] != QByteArray::number(values[i]))
            return std::nullopt;
    }
    return KeptLevel{Int16(values[0]), Int16(values[1]), Int16(values[2]), Int16(values[3]), fields[4] == "replay"};
}

int fail(const std::string& message)
{
    std::cerr << "pondrake_sim: " << message << (message.ends_with('\n') ? "" : "\n");
    return 2;
}

// The levels/ folder beside this program, as the build and an installation lay it out.
QString programLevels()
{
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    return QString::fromStdString((self.parent_path() / "levels").string());
}

std::string gameJson(const QString& folder, std::uint64_t seed, const GameRun& run)
{
    std::string levels = "[";
    for (const Checkpoint& end : run.levelEnds)
        levels += (levels.size() > 1 ? ",{" : "{") + std::string("\"level\":") + std::to_string(end.level) +
                  ",\"passed\":" + (end.passed ? "true" : "false") + ",\"saved\":" + std::to_string(end.saved) +
                  ",\"lost\":" + std::to_string(end.lost) + ",\"score\":" + std::to_string(end.score) + "}";
    return "{\"game\":" + jsonString(folder.toStdString()) + ",\"player\":\"bot\",\"seed\":" + std::to_string(seed) +
           ",\"won\":" + (run.won ? "true" : "false") + ",\"score\":" + std::to_string(run.score) +
           ",\"seconds\":" + std::to_string(run.milliseconds / 1000) +
           ",\"events\":" + std::to_string(run.recording.events.size()) + ",\"levels\":" + levels + "]}";
}

}  // namespace

int main(int argc, char** argv)
{
    std::string playerName;
    std::string scriptPath;
    std::string recordPath;
    std::string level;
    std::uint64_t seed = 1;
    std::optional<std::uint64_t> seeds;
    bool trace = false;
    std::string verifyPath;
    std::string levelsDir;
    std::string gameDir;
    std::string recordingOut;
    GamePlay play;

    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const char* value = i + 1 < argc ? argv[i + 1] : nullptr;
        const auto number = [&]() -> std::optional<std::uint64_t> {
            ++i;
            return wholeNumber(value);
        };
        if (arg == "--idle" || arg == "--bot") {
            playerName = arg.substr(2);
        } else if (arg == "--script" && value) {
            playerName = "script";
            scriptPath = argv[++i];
        } else if (arg == "--record" && value) {
            recordPath = argv[++i];
        } else if (arg == "--verify" && value) {
            verifyPath = argv[++i];
        } else if (arg == "--levels" && value) {
            levelsDir = argv[++i];
        } else if (arg == "--game" && value) {
            gameDir = argv[++i];
        } else if (arg == "--from") {
            play.from = keptLevel(value);
            ++i;
            if (!play.from)
                return fail("--from needs LEVEL,SCORE,SAVED,LOST,fresh|replay\n" + std::string(Usage));
        } else if (arg == "--replay-out" && value) {
            recordingOut = argv[++i];
        } else if (arg == "--trace") {
            trace = true;
        } else if (arg == "--seed" || arg == "--first-seed") {
            const std::optional<std::uint64_t> n = number();
            if (!n)
                return fail(arg + " needs a whole number\n" + Usage);
            seed = *n;
        } else if (arg == "--seeds") {
            seeds = number();
            if (!seeds || *seeds == 0 || *seeds > 1000000)
                return fail("--seeds needs a whole number from 1 to 1000000\n" + std::string(Usage));
        } else if (arg == "--help" || arg == "-h") {
            std::cout << Usage;
            return 0;
        } else if (!arg.empty() && arg.front() != '-' && level.empty()) {
            level = arg;
        } else {
            return fail("unexpected argument " + arg + "\n" + Usage);
        }
    }
    if (!verifyPath.empty()) {
        if (!playerName.empty() || !level.empty() || !gameDir.empty() || play.from)
            return fail("--verify plays a replay alone\n" + std::string(Usage));
        const RecordingCheck check =
            checkRecording(QString::fromStdString(verifyPath), QString::fromStdString(levelsDir), programLevels());
        std::cout << check.json << std::endl;
        return check.status;
    }
    if (!gameDir.empty()) {
        if (playerName != "bot" || !level.empty() || seeds)
            return fail("--game is played by --bot with one --seed\n" + std::string(Usage));
        const QString folder = QString::fromStdString(gameDir);
        BotPlayer bot;
        try {
            const GameRun run = playGame(folder, seed, bot, play);
            std::cout << gameJson(folder, seed, run) << std::endl;
            if (!recordingOut.empty() &&
                !replaceFile(QString::fromStdString(recordingOut), recordingBytes(run.recording)))
                return fail("cannot write the replay " + recordingOut);
        } catch (const UnreadableLevel& unreadable) {
            return fail("cannot read the level file " + unreadable.path + " whole");
        }
        return 0;
    }
    if (!recordingOut.empty() || !levelsDir.empty() || play.from)
        return fail("--replay-out and --from go with --game, --levels with --verify\n" + std::string(Usage));
    if (playerName.empty() || level.empty())
        return fail(std::string("a player and a level file are needed\n") + Usage);
    if (seeds && (trace || !recordPath.empty()))
        return fail("--record and --trace follow one run: use --seed, not --seeds");

    std::vector<TimedCommand> script;
    if (!scriptPath.empty()) {
        std::ifstream in(scriptPath);
        if (!in)
            return fail("cannot read the script " + scriptPath);
        try {
            script = readScript(in);
        } catch (const ScriptError& error) {
            return fail(scriptPath + ":" + std::to_string(error.line) + ": " + error.message);
        }
    }
    const PlayerFactory makePlayer = [&]() -> std::unique_ptr<Player> {
        if (playerName == "bot")
            return std::make_unique<BotPlayer>();
        if (playerName == "script")
            return std::make_unique<ScriptPlayer>(script);
        return std::make_unique<IdlePlayer>();
    };

    try {
        if (seeds) {
            const SeedSummary summary = summarize(level, seed, static_cast<int>(*seeds), makePlayer);
            std::cout << summaryJson(level, playerName, seed, summary) << std::endl;
            return 0;
        }
        const std::unique_ptr<Player> player = makePlayer();
        ScriptWritingPlayer watcher(*player, trace ? &std::cerr : nullptr);
        const RunOutcome run = playLevel(level, seed, watcher);
        std::cout << runJson(level, playerName, seed, run) << std::endl;
        if (!recordPath.empty()) {
            std::ofstream out(recordPath);
            for (const TimedCommand& command : watcher.commands())
                out << scriptLine(command) << "\n";
            if (!out.flush())
                return fail("cannot write the script " + recordPath);
        }
    } catch (const UnreadableLevel& unreadable) {
        return fail("cannot read the level file " + unreadable.path + " whole");
    }
    return 0;
}
