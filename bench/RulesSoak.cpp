// The soak of the rules for as long as asked: rules_soak [ticks, default 1000000] [seed, default the clock].
// Prints what it went through, or the first invariant broken with its board; exits 1 then.
#include "tests/support/RulesSoak.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

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
