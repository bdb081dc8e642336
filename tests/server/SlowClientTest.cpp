// Slow clients against the real server: one address holds no more than its share of the
// connections, a request sent a header line at a time is cut at the deadline, and /health answers
// meanwhile. A fast one is cut once its headers pass what any request needs.

#include "tests/server/ServerSupport.h"

#include <arpa/inet.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

struct SlowClient {
    int socket = -1;
    std::string answer;
    bool open = true;
};

// A connection from the address (127.0.0.x: all of them are this machine's) that has sent the
// first line of a request and no more.
SlowClient slowClient(int port, const std::string& from)
{
    sockaddr_in address{};
    address.sin_family = AF_INET;
    inet_pton(AF_INET, from.c_str(), &address.sin_addr);
    const int socket = ::socket(AF_INET, SOCK_STREAM, 0);
    EXPECT_EQ(::bind(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0) << from;
    inet_pton(AF_INET, "127.0.0.1", &address.sin_addr);
    address.sin_port = htons(std::uint16_t(port));
    EXPECT_EQ(::connect(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0) << from;
    ::send(socket, "GET /health HTTP/1.1\r\n", 22, MSG_NOSIGNAL);
    return {socket, {}, true};
}

}  // namespace

TEST(ServerConnections, SlowClientsHoldNoMoreThanTheirShareAndNoLongerThanTheDeadline)
{
    // Eleven threads for connections: one game waiting, two for the verifier, eight more.
    RunningServer server({"--queue", "1", "--threads", "1", "--connection-limit", "4", "--request-timeout", "3"},
                         "queue");
    ASSERT_NE(server.port(), 0) << server.log().toStdString();
    // Forty from one address, of which four are served, and one from each of six others.
    std::vector<SlowClient> clients;
    clients.reserve(46);
    for (int i = 0; i < 46; ++i)
        clients.push_back(slowClient(server.port(), "127.0.0." + std::to_string(i < 40 ? 2 : i - 37)));
    httplib::Client health("127.0.0.1", server.port());
    health.set_connection_timeout(1);
    health.set_read_timeout(1);
    const httplib::Result answer = health.Get("/health");
    ASSERT_TRUE(answer) << "no answer within a second";
    EXPECT_EQ(answer->status, 200);

    // A header line from each every tenth of a second, until the server has closed them all: ten
    // seconds is far beyond the deadline on a busy machine.
    int open = int(clients.size());
    for (int round = 0; round < 100 && open > 0; ++round) {
        for (SlowClient& client : clients) {
            pollfd ready{client.socket, POLLIN, 0};
            char bytes[512];
            ssize_t n = 1;
            while (client.open && ::poll(&ready, 1, 0) > 0 && (n = ::recv(client.socket, bytes, sizeof bytes, 0)) > 0)
                client.answer.append(bytes, std::size_t(n));
            if (client.open && n <= 0) {
                client.open = false;
                ::close(client.socket);
                --open;
            } else if (client.open) {
                ::send(client.socket, "X-Slow: yes\r\n", 13, MSG_NOSIGNAL);
            }
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    EXPECT_EQ(open, 0) << "connections outlived the deadline";
    const auto refused = std::count_if(clients.begin(), clients.end(), [](const SlowClient& client) {
        return client.answer.starts_with("HTTP/1.1 429 ");
    });
    EXPECT_EQ(refused, 36) << "one address holds four connections, no more";

    // Header lines without end, as fast as they go: a server that kept reading them for the three
    // seconds would take far more than 32 MB.
    const SlowClient flood = slowClient(server.port(), "127.0.0.2");
    const std::string lines = std::string(1000, 'y').insert(0, "X-Flood: ").append("\r\n");
    std::size_t sent = 0;
    for (ssize_t n = 0; n >= 0 && sent < (32u << 20);
         n = ::send(flood.socket, lines.data(), lines.size(), MSG_NOSIGNAL))
        sent += std::size_t(n);
    EXPECT_LT(sent, 32u << 20) << "the server read every header line";
    ::close(flood.socket);
    EXPECT_EQ(server.stop(), 0) << server.log().toStdString();
}
