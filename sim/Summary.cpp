#include "sim/Summary.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const std::size_t mid = values.size() / 2;
    return values.size() % 2 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}

std::string number(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.3f", value);
    std::string out = text;
    out.erase(out.find_last_not_of('0') + 1);  // 0.500 is written 0.5, 12.000 as 12
    if (out.back() == '.')
        out.pop_back();
    return out;
}

}  // namespace

std::string jsonString(const std::string& text)
{
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + '"';
}

double SeedSummary::commandsPerSaved() const { return static_cast<double>(commands) / std::max(1, saved); }

SeedSummary summarize(const std::string& path, std::uint64_t firstSeed, int seeds, const PlayerFactory& player)
{
    SeedSummary summary;
    std::vector<double> scores;
    std::vector<double> seconds;
    for (int i = 0; i < seeds; ++i) {
        const std::unique_ptr<Player> one = player();
        const RunOutcome run = playLevel(path, firstSeed + static_cast<std::uint64_t>(i), *one);
        ++summary.runs;
        summary.passed += run.passed ? 1 : 0;
        summary.commands += run.commands;
        summary.dogCommands += run.dogCommands;
        summary.saved += run.saved;
        summary.lost += run.lost;
        scores.push_back(run.score);
        seconds.push_back(static_cast<double>(run.milliseconds) / 1000);
    }
    summary.passRate = summary.runs ? static_cast<double>(summary.passed) / summary.runs : 0;
    summary.medianScore = median(scores);
    summary.medianSeconds = median(seconds);
    return summary;
}

double leastSquaresSlope(const std::vector<double>& xs, const std::vector<double>& ys)
{
    const std::size_t n = std::min(xs.size(), ys.size());
    if (n == 0)
        return 0;
    double meanX = 0;
    double meanY = 0;
    for (std::size_t i = 0; i < n; ++i) {
        meanX += xs[i] / static_cast<double>(n);
        meanY += ys[i] / static_cast<double>(n);
    }
    double across = 0;
    double spread = 0;
    for (std::size_t i = 0; i < n; ++i) {
        across += (xs[i] - meanX) * (ys[i] - meanY);
        spread += (xs[i] - meanX) * (xs[i] - meanX);
    }
    return spread > 0 ? across / spread : 0;
}

std::string runJson(const std::string& path, const std::string& player, std::uint64_t seed, const RunOutcome& run)
{
    return "{\"level\":" + jsonString(path) + ",\"player\":" + jsonString(player) +
           ",\"seed\":" + std::to_string(seed) + ",\"passed\":" + (run.passed ? "true" : "false") +
           ",\"ended\":" + (run.ended ? "true" : "false") + ",\"saved\":" + std::to_string(run.saved) +
           ",\"lost\":" + std::to_string(run.lost) + ",\"score\":" + std::to_string(run.score) +
           ",\"seconds\":" + number(run.milliseconds / 1000.0) + ",\"commands\":" + std::to_string(run.commands) +
           ",\"dog_commands\":" + std::to_string(run.dogCommands) + "}";
}

std::string summaryJson(const std::string& path, const std::string& player, std::uint64_t firstSeed,
                        const SeedSummary& summary)
{
    return "{\"level\":" + jsonString(path) + ",\"player\":" + jsonString(player) +
           ",\"seeds\":" + std::to_string(summary.runs) + ",\"first_seed\":" + std::to_string(firstSeed) +
           ",\"pass_rate\":" + number(summary.passRate) + ",\"median_score\":" + number(summary.medianScore) +
           ",\"median_seconds\":" + number(summary.medianSeconds) + ",\"saved\":" + std::to_string(summary.saved) +
           ",\"lost\":" + std::to_string(summary.lost) + ",\"commands\":" + std::to_string(summary.commands) +
           ",\"dog_commands\":" + std::to_string(summary.dogCommands) +
           ",\"commands_per_saved\":" + number(summary.commandsPerSaved()) + "}";
}
