// server_load_bench: the world table's server under load, measured, never asserted.
//
//   server_load_bench SERVER GAMES [--database URL] [--clients N] [--readers N] [--reads N] [--sets N]
//
// First the bare verification rate: every game in the folder GAMES (*.replay, self-contained)
// verified in this process, on one thread and then on one thread per core. Then the real server
// SERVER is started (SQLite in a scratch folder, or the PostgreSQL database URL) with no rate limit;
// clients submit every game once, over keep-alive connections, while readers ask for the top ten
// of the shipped pack. It prints the submissions' throughput and latency, the reads' latency while
// the submissions ran, the server's CPU time, and whether every game answered 200 is a stored row.
// With --sets N, N level sets of the shipped pack's 24 levels (each with its own bonuses, so each
// is another set) are published at once as the submissions start: it prints how long the judges
// took per set and per level, and the games accepted each second while sets were judged.
// Around that: the server's memory through a burst of 30 bodies of 1 MiB at once, on the fresh
// server, and at the end reads over one kept-alive connection, the server idle.
#include "bench/BenchServer.h"
#include "bench/ServerBurst.h"
#include "files/sets/SetFileFormat.h"
#include "server/GameVerifier.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <httplib.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <malloc.h>
#include <mutex>
#include <numeric>
#include <thread>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

double ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

double percentile(std::vector<double> values, double p)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, std::size_t(p * double(values.size())))];
}

// Games a second when threads verify all the games between them.
double bareRate(const std::vector<QByteArray>& games, unsigned threads, int& refused)
{
    std::atomic<std::size_t> next{0};
    std::atomic<int> wrong{0};
    const std::atomic<bool> go{false};
    const auto start = Clock::now();
    std::vector<std::jthread> pool;
    for (unsigned t = 0; t < threads; ++t)
        pool.emplace_back([&] {
            for (std::size_t i; (i = next++) < games.size();)
                wrong += verifyGame(games[i], go).accepted ? 0 : 1;
        });
    pool.clear();
    refused = wrong;
    return double(games.size()) / (ms(Clock::now() - start) / 1000);
}

// The process's CPU time so far, in seconds (user and system).
double cpuSeconds(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray text = stat.readAll();
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    return double(fields.value(11).toLongLong() + fields.value(12).toLongLong()) / double(sysconf(_SC_CLK_TCK));
}

// Reads over one kept-alive connection: their latencies in ms.
std::vector<double> readKeptAlive(int port, const std::string& set, int reads)
{
    httplib::Client client("127.0.0.1", port);
    client.set_keep_alive(true);
    std::vector<double> took;
    for (int i = 0; i < reads; ++i) {
        const auto start = Clock::now();
        if (const httplib::Result r = client.Get("/api/v1/sets/" + set + "/top?limit=10"); r && r->status == 200)
            took.push_back(ms(Clock::now() - start));
    }
    return took;
}

struct Options {
    QString server, games, database;
    int clients = 8, readers = 2, reads = 20000, sets = 0;
};

struct Load {
    std::vector<double> submitted, readDuring, readAfter;  // latencies in ms
    std::vector<Clock::time_point> acceptedAt;
    std::atomic<int> accepted{0}, already{0}, full{0}, failed{0}, readsFailed{0};
};

// The shipped pack as set number n: each level's bonus raised by n, so that each set is another.
QByteArray packAsSet(int n)
{
    SetFile set{QStringLiteral("Bench %1").arg(n), QStringLiteral("Bench"), QString(), {}};
    for (int level = 1; level <= 24; ++level) {
        QFile file(QStringLiteral(PONDRAKE_DATA_DIR "/levels/level%1.txt").arg(level));
        if (!file.open(QIODevice::ReadOnly))
            return {};
        QList<QByteArray> lines = file.readAll().split('\n');
        lines[1] = QByteArray::number(lines[1].trimmed().toInt() + n) + '\r';
        set.levels.push_back(lines.join('\n'));
    }
    return setFileBytes(set);
}

// Publishes the sets at once and asks after each until it is judged: when each was done.
struct Published {
    Clock::time_point start;
    std::vector<Clock::time_point> done;
    int refused = 0;
};

Published publishAll(int port, const std::vector<QByteArray>& sets)
{
    Published published{Clock::now(), {}, 0};
    httplib::Client client("127.0.0.1", port);
    client.set_read_timeout(60);
    std::vector<std::string> waiting;
    for (const QByteArray& set : sets)
        if (const httplib::Result r = client.Post("/api/v1/sets", set.toStdString(), "application/x-pondrake-set");
            r && r->status == 202)
            waiting.push_back(r->get_header_value("Location"));
        else if (published.refused++ == 0)
            std::fprintf(stderr, "first set refused: %d %s\n", r ? r->status : 0, r ? r->body.c_str() : "");
    while (!waiting.empty()) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        std::erase_if(waiting, [&](const std::string& poll) {
            const httplib::Result r = client.Get(poll);
            if (r && r->status == 202)
                return false;
            if (r && r->status == 200)
                published.done.push_back(Clock::now());
            else
                ++published.refused;
            return true;
        });
    }
    return published;
}

void submitAll(int port, const std::vector<QByteArray>& bodies, int clients, Load& load)
{
    std::atomic<std::size_t> next{0};
    std::mutex mutex;
    std::vector<std::jthread> pool;
    pool.reserve(std::size_t(clients));
    for (int c = 0; c < clients; ++c)
        pool.emplace_back([&] {
            httplib::Client client("127.0.0.1", port);
            client.set_read_timeout(60);
            for (std::size_t i = next++; i < bodies.size();) {
                const auto start = Clock::now();
                const httplib::Result r = client.Post("/api/v1/games", bodies[i].toStdString(), "application/json");
                const double took = ms(Clock::now() - start);
                if (r && r->status == 503) {  // the queue is full: again a moment later
                    ++load.full;
                    std::this_thread::sleep_for(std::chrono::milliseconds(20));
                    continue;
                }
                if (!r || r->status != 200) {
                    if (load.failed++ == 0)
                        std::fprintf(stderr, "first failure: %d %s\n", r ? r->status : 0, r ? r->body.c_str() : "");
                } else if (r->body.find("\"stored\":\"new\"") != std::string::npos) {
                    ++load.accepted;
                    const std::lock_guard lock(mutex);
                    load.acceptedAt.push_back(Clock::now());
                } else
                    ++load.already;
                const std::lock_guard lock(mutex);
                load.submitted.push_back(took);
                i = next++;
            }
        });
}

void readTop(int port, const std::string& set, int readers, int reads, const std::atomic<bool>& submitting, Load& load)
{
    std::atomic<int> next{0};
    std::mutex mutex;
    std::vector<std::jthread> pool;
    pool.reserve(std::size_t(readers));
    for (int c = 0; c < readers; ++c)
        pool.emplace_back([&] {
            httplib::Client client("127.0.0.1", port);
            while (next++ < reads) {
                const bool during = submitting;
                const auto start = Clock::now();
                const httplib::Result r = client.Get("/api/v1/sets/" + set + "/top?limit=10");
                const double took = ms(Clock::now() - start);
                if (!r || (r->status != 200 && r->status != 404))  // 404 until the set's first game is in
                    ++load.readsFailed;
                const std::lock_guard lock(mutex);
                (during && submitting ? load.readDuring : load.readAfter).push_back(took);
            }
        });
}

std::optional<Options> readOptions(const QStringList& args)
{
    Options options;
    if (args.size() < 2 || args.size() % 2 != 0)
        return std::nullopt;
    options.server = args[0];
    options.games = args[1];
    for (qsizetype i = 2; i + 1 < args.size(); i += 2) {
        const QString& value = args[i + 1];
        if (args[i] == u"--database")
            options.database = value;
        else if (args[i] == u"--clients")
            options.clients = value.toInt();
        else if (args[i] == u"--readers")
            options.readers = value.toInt();
        else if (args[i] == u"--reads")
            options.reads = value.toInt();
        else if (args[i] == u"--sets")
            options.sets = value.toInt();
        else
            return std::nullopt;
    }
    if (options.clients < 1 || options.readers < 0 || options.reads < 0 || options.sets < 0)
        return std::nullopt;
    return options;
}

}  // namespace

int main(int argc, char* argv[])
{
    // The server's own allocator settings (server/main.cpp), so that the bare rate is comparable.
    mallopt(M_MMAP_THRESHOLD, 64 << 20);
    mallopt(M_TRIM_THRESHOLD, 256 << 20);
    mallopt(M_ARENA_MAX, 1);
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    const std::optional<Options> options = readOptions(args);
    if (!options) {
        std::fputs("usage: server_load_bench SERVER GAMES [--database URL] [--clients N] [--readers N] [--reads N] "
                   "[--sets N]\n",
                   stderr);
        return 2;
    }
    std::vector<QByteArray> games, bodies;
    QByteArray packSet;
    for (const QFileInfo& file : QDir(options->games).entryInfoList({"*.replay"}, QDir::Files, QDir::Name)) {
        QFile in(file.filePath());
        if (!in.open(QIODevice::ReadOnly))
            return 2;
        games.push_back(in.readAll());
        bodies.push_back(QJsonDocument(QJsonObject{{"replay", QString::fromUtf8(games.back())},
                                                   {"entry", QJsonObject{{"kind", 0}, {"name", file.baseName()}}}})
                             .toJson(QJsonDocument::Compact));
    }
    if (games.empty())
        return 2;
    const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    int refused1 = 0, refusedN = 0;
    const double one = bareRate(games, 1, refused1), all = bareRate(games, cores, refusedN);
    std::printf("games: %zu (bytes %.1f KB on average)\n", games.size(),
                double(std::accumulate(games.begin(), games.end(), qsizetype(0),
                                       [](qsizetype n, const QByteArray& g) { return n + g.size(); })) /
                    double(games.size()) / 1024);
    std::printf("bare verification: %.0f games/s on 1 thread, %.0f games/s on %u threads (refused: %d)\n", one, all,
                cores, refused1 + refusedN);
    const std::atomic<bool> go{false};
    for (const QByteArray& game : games)
        if (const Verdict verdict = verifyGame(game, go); verdict.levelCount == 24) {
            packSet = verdict.set;
            break;
        }

    const BenchServer server(
        options->server, options->database.isEmpty() ? QStringList() : QStringList{"--database", options->database});
    const int port = server.port();
    if (port == 0) {
        std::fputs("the server did not start\n", stderr);
        return 1;
    }

    burstMemory(port, server.pid());
    Load load;
    std::atomic<bool> submitting{true};
    const double cpuBefore = cpuSeconds(server.pid());
    const auto start = Clock::now();
    std::jthread readers(
        [&] { readTop(port, packSet.toStdString(), options->readers, options->reads, submitting, load); });
    std::vector<QByteArray> sets;
    for (int n = 1; n <= options->sets; ++n)
        sets.push_back(packAsSet(n));
    Published published;
    std::jthread publishing([&] { published = publishAll(port, sets); });
    submitAll(port, bodies, options->clients, load);
    submitting = false;
    const double wall = ms(Clock::now() - start) / 1000;
    const double cpu = cpuSeconds(server.pid()) - cpuBefore;
    readers.join();
    const double wallAll = ms(Clock::now() - start) / 1000;

    const std::vector<double> keptAlive = readKeptAlive(port, packSet.toStdString(), 2000);
    httplib::Client client("127.0.0.1", port);
    qint64 rows = 0;
    if (const httplib::Result sets = client.Get("/api/v1/sets"))
        for (const QJsonValue set : QJsonDocument::fromJson(QByteArray::fromStdString(sets->body))["sets"].toArray())
            rows += set["games"].toInteger();

    std::printf("submissions: %d accepted, %d already stored, %d failed, %d answered 503 (sent again) in %.2f s: "
                "%.0f accepted/s; latency p50 %.1f ms, p99 %.1f ms (%d clients)\n",
                load.accepted.load(), load.already.load(), load.failed.load(), load.full.load(), wall,
                double(load.accepted) / wall, percentile(load.submitted, 0.5), percentile(load.submitted, 0.99),
                options->clients);
    std::printf("reads: %zu while submitting, p50 %.1f ms, p99 %.1f ms; %zu after, p50 %.1f ms, p99 %.1f ms; "
                "%d failed; %.0f reads/s overall (%d readers)\n",
                load.readDuring.size(), percentile(load.readDuring, 0.5), percentile(load.readDuring, 0.99),
                load.readAfter.size(), percentile(load.readAfter, 0.5), percentile(load.readAfter, 0.99),
                load.readsFailed.load(), double(load.readDuring.size() + load.readAfter.size()) / wallAll,
                options->readers);
    std::printf("reads over a kept-alive connection, the server idle: %zu, p50 %.2f ms, p99 %.2f ms\n",
                keptAlive.size(), percentile(keptAlive, 0.5), percentile(keptAlive, 0.99));
    std::printf("server CPU while submitting: %.2f s in %.2f s, %.0f%% of one core (%u cores)\n", cpu, wall,
                100 * cpu / wall, cores);
    publishing.join();
    if (!sets.empty()) {
        std::vector<double> each;  // seconds from the first set sent to each set published
        for (const Clock::time_point done : published.done)
            each.push_back(ms(done - published.start) / 1000);
        const double judging = each.empty() ? 0 : *std::max_element(each.begin(), each.end());
        const auto during = std::count_if(load.acceptedAt.begin(), load.acceptedAt.end(), [&](Clock::time_point at) {
            return at >= published.start && ms(at - published.start) / 1000 <= judging;
        });
        const double games = std::min(judging, wall);
        std::printf("sets: %zu of 24 levels published, %d refused, all judged in %.1f s: %.2f s a set, %.0f ms a "
                    "level (one judge); games accepted while sets were judged: %.0f/s over %.1f s\n",
                    published.done.size(), published.refused, judging,
                    judging / double(std::max<std::size_t>(1, each.size())),
                    1000 * judging / double(std::max<std::size_t>(1, 24 * each.size())),
                    games > 0 ? double(during) / games : 0, games);
    }
    std::printf("nothing lost: %d accepted, %lld rows stored: %s\n", load.accepted.load(), rows,
                rows == load.accepted ? "equal" : "DIFFERENT");
    return rows == load.accepted && load.failed == 0 ? 0 : 1;
}
