// The real server over HTTP: every hostile request gets its status and a JSON message, nothing
// refused is stored, and SIGTERM ends the server with exit code 0 after one log line a request.

#include "tests/server/ServerSupport.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <httplib.h>

#include <arpa/inet.h>
#include <csignal>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

QByteArray game(const QByteArray& replay, int kind, const QString& name)
{
    return QJsonDocument(QJsonObject{{"replay", QString::fromUtf8(replay)},
                                     {"entry", QJsonObject{{"kind", kind}, {"name", name}}}})
        .toJson(QJsonDocument::Compact);
}

// Ink bytes as the game writes them: a surface, strokes of points.
QString ink(int strokes, int pointsEach, int extraBytes = 0)
{
    QByteArray bytes("PINK\x01\x00\x40\x00\x40\x00", 10);
    bytes += char(strokes & 0xff) + QByteArray(1, char(strokes >> 8));
    for (int s = 0; s < strokes; ++s) {
        bytes += char(pointsEach & 0xff) + QByteArray(1, char(pointsEach >> 8));
        for (int p = 0; p < pointsEach; ++p)
            bytes += QByteArray("\x10\x00\x10\x00\x80", 5);
    }
    return QString::fromLatin1((bytes + QByteArray(extraBytes, 'x')).toBase64());
}

struct Row {
    const char* what;
    const char* method;
    std::string path;
    std::string contentType;
    QByteArray body;
    int status;
    const char* message;  // a part of the JSON message
};

}  // namespace

TEST(Server, EveryHostileRequestGetsItsStatusAndMessageAndNothingIsStored)
{
    std::signal(SIGPIPE, SIG_IGN);  // the server may close a connection before a long body is sent
    const QByteArray pack = testFile("sim/replays/bot-pack.replay");
    const QByteArray whole = withoutLine(pack, "folder");
    const QByteArray continued = withoutLine(testFile("sim/replays/bot-continued.replay"), "folder");
    const QByteArray notOurs = withoutLine(whole, "level");
    const std::string json = "application/json";
    const std::string noSet(64, '0');
    const std::vector<Row> rows{
        {"garbage", "POST", "/api/v1/games", json, "\x01\xfe{[garbage", 400, "not JSON"},
        {"an empty body", "POST", "/api/v1/games", json, "", 400, "empty"},
        {"a wrong content type", "POST", "/api/v1/games", "text/plain", game(whole, 0, "Ada"), 415, "application/json"},
        {"JSON of the wrong shape", "POST", "/api/v1/games", json, R"({"replay":5,"entry":{"kind":0,"name":"x"}})", 400,
         "the body is"},
        {"an unknown kind of name", "POST", "/api/v1/games", json, game(whole, 2, "Ada"), 400, "the body is"},
        {"a body cut short", "POST", "/api/v1/games", json, game(whole, 0, "Ada").left(500), 400, "not JSON"},
        {"a body over 1 MiB", "POST", "/api/v1/games", json, game(QByteArray(1 << 20, 'x'), 0, "Ada"), 413,
         "larger than 1048576 bytes"},
        {"a name with NUL", "POST", "/api/v1/games", json, game(whole, 0, QString::fromUtf8("A\0da", 4)), 422,
         "control character"},
        {"a name with an escape", "POST", "/api/v1/games", json, game(whole, 0, "A\x1b[2Jda"), 422,
         "control character"},
        {"10 KB of name", "POST", "/api/v1/games", json, game(whole, 0, QString(10'000, 'n')), 422, "at most 100"},
        {"ink that is no Base64", "POST", "/api/v1/games", json, game(whole, 1, "not ink!"), 422, "Base64"},
        {"ink one byte over", "POST", "/api/v1/games", json, game(whole, 1, ink(512, 32, 1)), 422, "Base64"},
        // Names the table takes go on to the game, which is refused for its own reason.
        {"ink of the maximum size", "POST", "/api/v1/games", json, game(whole, 1, ink(512, 32)), 422, "set's levels"},
        {"SQL and quotes", "POST", "/api/v1/games", json, game(whole, 0, "x'); DROP TABLE games;--\""), 422,
         "set's levels"},
        {"right-to-left marks", "POST", "/api/v1/games", json, game(whole, 0, "\u202eAda\u200f"), 422, "set's levels"},
        {"no replay", "POST", "/api/v1/games", json, game("pondrake-replay 1\nseed x\n", 0, "Ada"), 422,
         "cannot be read: line 2"},
        {"a folder line", "POST", "/api/v1/games", json, game(pack, 0, "Ada"), 422, "names a folder"},
        {"a start line", "POST", "/api/v1/games", json, game(continued, 0, "Ada"), 422,
         "starts at level 22 with a claimed score of 1480"},
        {"a game without its levels", "POST", "/api/v1/games", json, game(notOurs, 0, "Ada"), 422, "set's levels"},
        {"an unknown set", "GET", "/api/v1/sets/" + noSet + "/top", "", "", 404, "no game of this set"},
        {"a set that is no identity", "GET", "/api/v1/sets/levels/top", "", "", 404, "nothing at this address"},
        {"a limit out of range", "GET", "/api/v1/sets/" + noSet + "/top?limit=0", "", "", 400, "limit"},
        {"an unknown game id", "GET", "/api/v1/games/123456/replay", "", "", 404, "no game has this id"},
        {"a path with ..", "GET", "/api/v1/games/../sets", "", "", 404, "nothing at this address"},
        {"a path with encoded ..", "GET", "/api/v1/sets/%2e%2e%2f%2e%2e/top", "", "", 404, "nothing at this address"},
        {"a method not taken", "DELETE", "/api/v1/games", "", "", 404, "nothing at this address"},
    };
    // Room for every POST row, then one too many from a forwarded address.
    RunningServer server({"--rate-limit", QString::number(rows.size()), "--trusted-proxy", "127.0.0.1"});
    ASSERT_NE(server.port(), 0) << server.log().toStdString();
    httplib::Client client("127.0.0.1", server.port());
    client.set_read_timeout(30);
    std::size_t requests = 0;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        httplib::Request request;
        request.method = row.method;
        request.path = row.path;
        request.body = row.body.toStdString();
        if (!row.contentType.empty())
            request.set_header("Content-Type", row.contentType);
        const httplib::Result result = client.send(request);
        ++requests;
        ASSERT_TRUE(result) << httplib::to_string(result.error());
        EXPECT_EQ(result->status, row.status) << result->body;
        EXPECT_EQ(result->get_header_value("Content-Type"), "application/json");
        const QJsonObject answer = QJsonDocument::fromJson(QByteArray::fromStdString(result->body)).object();
        EXPECT_TRUE(answer.value("error").toString().contains(row.message)) << result->body;
    }

    // A body cut short on the wire: the sender is gone before the server could answer it.
    const int wire = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{AF_INET, htons(std::uint16_t(server.port())), {htonl(INADDR_LOOPBACK)}, {}};
    ASSERT_EQ(connect(wire, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    const std::string cut = "POST /api/v1/games HTTP/1.1\r\nContent-Type: application/json\r\n"
                            "Content-Length: 5000\r\n\r\n{\"replay\": \"pondrake";
    ASSERT_EQ(send(wire, cut.data(), cut.size(), 0), ssize_t(cut.size()));
    shutdown(wire, SHUT_WR);
    char reply[512];
    EXPECT_LE(recv(wire, reply, sizeof reply, 0), 0) << "nothing to answer a body that never came";
    close(wire);
    ++requests;

    httplib::Headers from{{"X-Forwarded-For", "203.0.113.9, 127.0.0.1"}};
    for (std::size_t i = 0; i < rows.size(); ++i, ++requests)
        EXPECT_EQ(client.Post("/api/v1/games", from, "{}", "application/json")->status, 400);
    const httplib::Result limited = client.Post("/api/v1/games", from, "{}", "application/json");
    ++requests;
    ASSERT_TRUE(limited);
    EXPECT_EQ(limited->status, 429) << limited->body;
    EXPECT_GE(std::stoi(limited->get_header_value("Retry-After")), 1);
    EXPECT_EQ(client.Post("/api/v1/games", "{}", "application/json")->status, 400) << "another address still sends";

    const httplib::Result sets = client.Get("/api/v1/sets");
    ASSERT_TRUE(sets);
    EXPECT_EQ(sets->body, R"({"sets":[]})") << "nothing refused is stored";
    EXPECT_EQ(client.Get("/health")->status, 200);
    requests += 3;

    EXPECT_EQ(server.stop(), 0);
    QByteArrayList lines = server.log().split('\n');
    lines.removeIf([](const QByteArray& line) { return !line.endsWith(" ms"); });
    EXPECT_EQ(std::size_t(lines.size()), requests) << server.log().toStdString();
    const QRegularExpression line(R"(^(GET|POST|DELETE) /\S+ \d{3} \d+ ms$)");
    for (const QByteArray& logged : lines)
        EXPECT_TRUE(line.match(QString::fromUtf8(logged)).hasMatch()) << logged.toStdString();
}
