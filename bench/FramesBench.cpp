// frames_bench: a game's frames, which the page that plays a game back draws, measured, never
// asserted.
//
//   frames_bench SERVER REPLAY...
//
// For each self-contained game: the time to make its frames in this process (the median of 20),
// and their bytes as JSON beside the replay's own. Then, on the real server SERVER (SQLite in a
// scratch folder), the game sent and its frames asked once, which makes and keeps them, then 200
// times more over one kept-alive connection, gzip accepted: the median and slowest answer, and the
// bytes that crossed the wire.
#include "bench/BenchServer.h"
#include "server/GameFrames.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>

#include <httplib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc < 3) {
        std::fputs("usage: frames_bench SERVER REPLAY...\n", stderr);
        return 2;
    }
    const BenchServer server(QString::fromLocal8Bit(argv[1]), {});
    if (server.port() == 0) {
        std::fputs("the server did not start\n", stderr);
        return 1;
    }
    httplib::Client client("127.0.0.1", server.port());
    client.set_read_timeout(30);
    client.set_decompress(false);
    const std::atomic<bool> go{false};
    for (int i = 2; i < argc; ++i) {
        QFile file(QString::fromLocal8Bit(argv[i]));
        if (!file.open(QIODevice::ReadOnly))
            return 2;
        const QByteArray replay = file.readAll();
        std::vector<double> making;
        QByteArray json;
        for (int run = 0; run < 20; ++run) {
            const auto start = Clock::now();
            json = gameFrames(replay, go).json;
            making.push_back(ms(Clock::now() - start));
        }
        const QByteArray body = QJsonDocument(QJsonObject{{"replay", QString::fromUtf8(replay)},
                                                          {"entry", QJsonObject{{"kind", 0}, {"name", "Bench"}}}})
                                    .toJson(QJsonDocument::Compact);
        const httplib::Result sent = client.Post("/api/v1/games", body.toStdString(), "application/json");
        const qint64 id = sent ? QJsonDocument::fromJson(QByteArray::fromStdString(sent->body))["id"].toInteger() : 0;
        if (id == 0 || json.isEmpty()) {
            std::printf("%s: not accepted\n", argv[i]);
            return 1;
        }
        const std::string path = "/api/v1/games/" + std::to_string(id) + "/frames";
        const httplib::Headers gzip{{"Accept-Encoding", "gzip"}};
        const auto first = Clock::now();
        client.Get(path, gzip);
        const double made = ms(Clock::now() - first);
        std::vector<double> served;
        std::size_t wire = 0;
        for (int run = 0; run < 200; ++run) {
            const auto start = Clock::now();
            const httplib::Result answer = client.Get(path, gzip);
            served.push_back(ms(Clock::now() - start));
            wire = answer && answer->get_header_value("Content-Encoding") == "gzip" ? answer->body.size() : 0;
        }
        std::printf("%s: replay %lld bytes; frames %lld bytes, made in %.2f ms (median of 20); on the server: "
                    "%.2f ms the first time, then median %.2f ms, slowest %.2f ms, %zu bytes gzip-compressed "
                    "(%.0f%% of the replay)\n",
                    qPrintable(QFileInfo(file).fileName()), replay.size(), json.size(), median(making), made,
                    median(served), *std::max_element(served.begin(), served.end()), wire,
                    100.0 * double(wire) / double(replay.size()));
    }
    return 0;
}
