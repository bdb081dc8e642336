// PostgreSQL restarted under a running server: the requests made while it is down fail with a
// status, and every request after it is up is answered as if nothing had happened.

#include "tests/server/BotGames.h"
#include "tests/server/ServerSupport.h"

TEST(ServerRestart, APostgreSQLRestartCostsOnlyTheRequestsMadeWhileItIsDown)
{
    // with_postgres.sh's command that starts and stops its cluster.
    const QString cluster = qEnvironmentVariable("PONDRAKE_TEST_POSTGRES_CLUSTER");
    if (cluster.isEmpty())
        GTEST_SKIP() << "only on PostgreSQL (with_postgres.sh)";
    const std::vector<QByteArray> games = botGames(2000, 2);
    RunningServer server({"--rate-limit", "0", "--connection-limit", "0"}, "restart");
    ASSERT_NE(server.port(), 0) << server.log().toStdString();
    const auto status = [&](const char* method, const std::string& path, const QByteArray& body = {}) {
        httplib::Client client("127.0.0.1", server.port());
        client.set_read_timeout(60);
        httplib::Request request;
        request.method = method;
        request.path = path;
        request.body = body.toStdString();
        request.set_header("Content-Type", "application/json");
        const httplib::Result result = client.send(request);
        return result ? result->status : 0;
    };
    const qint64 id = Client(server.port()).post(gameBody(games[0], 0, "Ada"))["id"].toInteger();
    ASSERT_GT(id, 0);
    const std::string replay = "/api/v1/games/" + std::to_string(id) + "/replay";

    ASSERT_EQ(QProcess::execute(cluster, {"stop"}), 0);
    for (const int down : {status("GET", "/health"), status("GET", replay),
                           status("POST", "/api/v1/games", gameBody(games[1], 0, "Bo"))})
        EXPECT_TRUE(down == 500 || down == 503) << down;
    EXPECT_EQ(status("GET", "/health"), 503);
    ASSERT_EQ(QProcess::execute(cluster, {"start"}), 0);

    // More requests at once than the server has connections, each of them broken by the restart.
    std::vector<std::jthread> readers;
    readers.reserve(12);
    std::atomic<int> failed{0};
    for (int i = 0; i < 12; ++i)
        readers.emplace_back([&] { failed += status("GET", replay) == 200 ? 0 : 1; });
    readers.clear();
    EXPECT_EQ(failed, 0);
    EXPECT_EQ(status("GET", "/health"), 200);
    EXPECT_EQ(status("POST", "/api/v1/games", gameBody(games[1], 0, "Bo")), 200);
    EXPECT_EQ(server.stop(), 0);
}
