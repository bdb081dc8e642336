#include "bench/ServerBurst.h"

#include <QFile>

#include <httplib.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <thread>
#include <vector>

namespace {

// The process's resident memory in MB.
double residentMb(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024;
    return 0;
}

}  // namespace

void burstMemory(int port, qint64 pid)
{
    const double before = residentMb(pid);
    const std::string body =
        R"({"replay":")" + std::string((1 << 20) - 64, 'x') + R"(","entry":{"kind":0,"name":"B"}})";
    std::atomic<double> peak{before};
    std::atomic<bool> sending{true};
    const std::jthread watch([&] {
        for (; sending; std::this_thread::sleep_for(std::chrono::milliseconds(5)))
            peak = std::max(peak.load(), residentMb(pid));
    });
    {
        std::vector<std::jthread> senders;
        senders.reserve(30);
        for (int i = 0; i < 30; ++i)
            senders.emplace_back([&] {
                httplib::Client client("127.0.0.1", port);
                client.set_read_timeout(60);
                client.Post("/api/v1/games", body, "application/json");
            });
    }
    sending = false;
    std::this_thread::sleep_for(std::chrono::seconds(3));
    std::printf("memory: %.0f MB, %.0f MB at the peak of a burst of 30 bodies of 1 MiB, %.0f MB 3 s after\n", before,
                peak.load(), residentMb(pid));
}
