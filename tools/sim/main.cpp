// pondrake_sim: plays one level file without a window, on a simulated clock, and prints the
// outcome as one line of JSON. See tools/sim/README.md.
#include "sim/BotPlayer.h"
#include "sim/Players.h"
#include "sim/Summary.h"

#include <cstring>
#include <fstream>
#include <iostream>
#include <string>

namespace {

const char* const Usage =
    "usage: pondrake_sim (--idle | --bot | --script FILE) [--seed S | --seeds N [--first-seed S]]\n"
    "                    [--record FILE] [--trace] LEVEL_FILE\n"
    "  --idle          nobody touches the board\n"
    "  --bot           the computer player\n"
    "  --script FILE   replays recorded commands: milliseconds column row up|down|left|right|none\n"
    "  --seed S        the random seed of one run (default 1)\n"
    "  --seeds N       plays N seeds from --first-seed (default 1) and prints a summary\n"
    "  --record FILE   writes the commands of one run as a script\n"
    "  --trace         prints the board to stderr whenever it changes\n";

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

int fail(const std::string& message)
{
    std::cerr << "pondrake_sim: " << message << (message.ends_with('\n') ? "" : "\n");
    return 2;
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
        RecordingPlayer watcher(*player, trace ? &std::cerr : nullptr);
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
