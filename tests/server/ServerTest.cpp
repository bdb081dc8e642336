// The real server over HTTP: every hostile request gets its status and a JSON message and nothing
// refused is stored; a whole game is taken, ranked in its own set and kept once, its name exactly
// as sent; SIGTERM ends the server with exit code 0 after one log line a request.

#include "files/sets/SetFileFormat.h"
#include "server/GameFrames.h"
#include "tests/server/BotGames.h"
#include "tests/server/ServerSupport.h"

#include <QRegularExpression>

#include <csignal>

namespace {

// Ink bytes as the game writes them: a surface (the name pad's unless wider), strokes of points.
QString ink(int strokes, int pointsEach, int extraBytes = 0, char width = 0x51)
{
    QByteArray bytes = QByteArray("PINK\x01\x00", 6) + width + QByteArray("\x01\x31\x00", 3);
    bytes += char(strokes & 0xff) + QByteArray(1, char(strokes >> 8));
    for (int s = 0; s < strokes; ++s) {
        bytes += char(pointsEach & 0xff) + QByteArray(1, char(pointsEach >> 8));
        for (int p = 0; p < pointsEach; ++p)
            bytes += QByteArray("\x10\x00\x10\x00\x80", 5);
    }
    return QString::fromLatin1((bytes + QByteArray(extraBytes, 'x')).toBase64());
}

// The first line holding the text, without its line end.
QByteArray lineWith(const QByteArray& replay, const QByteArray& text)
{
    const qsizetype at = replay.indexOf(text);
    const qsizetype start = replay.lastIndexOf('\n', at) + 1;
    return replay.mid(start, replay.indexOf('\n', at) - start);
}

QByteArray replaced(QByteArray replay, const QByteArray& from, const QByteArray& to)
{
    return replay.replace(from, to);
}

// The identity of the shipped pack's first levels.
QString shippedIdentity(int levels)
{
    std::vector<QByteArray> bytes;
    for (int n = 1; n <= levels; ++n)
        bytes.push_back(readFile(QStringLiteral(PONDRAKE_DATA_DIR "/levels/level%1.txt").arg(n)));
    return QString::fromLatin1(setIdentity(bytes));
}

struct Row {
    const char* what;
    const char* method;
    std::string path;
    std::string contentType;
    QByteArray body;
    int status;
    QString message;  // a part of the JSON message
    QString refusal;  // the start of its code and arguments (refusalOf)
};

}  // namespace

TEST(Server, EveryHostileRequestGetsItsStatusAndMessageAndNothingIsStored)
{
    std::signal(SIGPIPE, SIG_IGN);  // the server may close a connection before a long body is sent
    const QByteArray pack = serverGame("bot-pack"), whole = serverGame("continued-whole");
    const QByteArray sitting = lineWith(whole, " sitting "), level1 = lineWith(pack, " levelover 1 ");
    // Lines 5 and 6 carry levels 2 and 3.
    const QByteArray changed = replaced(pack, pack.split('\n')[4], pack.split('\n')[5]);
    const QByteArray three = serverGame("played-3-levels");
    // Cut where level 2 is played, after the pause, its end mended to the score it had there.
    const QByteArray left = three.left(three.indexOf(lineWith(three, " resume"))) + "110000 end 135\n";
    const auto post = [](const QByteArray& replay, int kind = 0, const QString& name = "Ada") {
        return gameBody(replay, kind, name);
    };
    const std::string json = "application/json", games = "/api/v1/games", noSet(64, '0');
    const auto posted = [&](const char* what, const QByteArray& body, int status, const QString& message,
                            const QString& refusal) {
        return Row{what, "POST", games, json, body, status, message, refusal};
    };
    const std::vector<Row> rows{
        posted("an empty body", "", 400, "empty", "empty-body []"),
        {"a wrong content type", "POST", games, "text/plain", post(pack), 415, "application/json",
         R"(wrong-content-type ["application/json"])"},
        posted("JSON of the wrong shape", R"({"replay":5,"entry":{"kind":0,"name":"x"}})", 400, "the body is",
               "malformed-body []"),
        posted("an unknown kind of name", post(pack, 2), 400, "the body is", "malformed-body []"),
        posted("a body cut short", post(pack).left(500), 400, "not JSON", "not-json [\""),
        posted("a body over 1 MiB", post(QByteArray(1 << 20, 'x')), 413, "larger than 1048576 bytes",
               "body-too-large [1048576]"),
        posted("a name with NUL", post(pack, 0, QString::fromUtf8("A\0da", 4)), 422, "control character",
               R"(text-control-character ["name"])"),
        posted("a right-to-left override", post(pack, 0, "\u202eAda"), 422, "format character",
               R"(text-format-character ["name"])"),
        posted("a tag beyond 16 bits", post(pack, 0, QString::fromUcs4(U"Ada\U000E0041")), 422, "format character",
               R"(text-format-character ["name"])"),
        posted("10 KB of name", post(pack, 0, QString(10'000, 'n')), 422, "at most 100", "name-too-long [100]"),
        posted("ink one byte over", post(pack, 1, ink(512, 32, 1)), 422, "Base64", "ink-unreadable []"),
        posted("ink wider than the name pad", post(pack, 1, ink(1, 1, 0, 0x52)), 422, "name pad of 337 by 49 pixels",
               "ink-too-large [337,49]"),
        posted("a forged score", post(replaced(pack, " end 5571", " end 30000")), 422,
               "end 30000\": the game ends on 5571 points, not 30000", "replay-diverged ["),
        posted("a forged checkpoint", post(replaced(pack, level1, level1 + "9")), 422,
               "level 1, at the checkpoint \"" + level1 + "9\"", "replay-diverged [1,\"" + level1 + "9\","),
        posted("a forged start", post(replaced(serverGame("bot-continued"), "\nstart 22 1480 ", "\nstart 22 30000 ")),
               422, "starts at level 22 with a claimed score of 30000", "replay-not-from-start [22,30000]"),
        posted("a forged sitting", post(replaced(whole, sitting, replaced(sitting, " 135 ", " 30000 "))), 422,
               "another level than the rules kept: level 2 (score: 135,", "replay-diverged [2,"),
        posted("levels changed after the game", post(changed), 422,
               "cannot be read: line 29: level 2 is not the level 2 that the replay carries",
               "replay-unreadable [29,\"level 2 is not"),
        posted("a folder line", post(replaced(pack, "\nset ", "\nfolder /home/kim/levels\nset ")), 422,
               "names a folder", "replay-names-folder []"),
        posted("an empty folder line", post(replaced(pack, "\nset ", "\nfolder \nset ")), 422, "names a folder",
               "replay-names-folder []"),
        posted("a game from before the clock decided", post(replaced(pack, "replay 4\n", "replay 3\n")), 422,
               "recorded by an earlier version", "replay-too-old []"),
        // The clock decides when the timers fire: a timer left out, moved or added is named before
        // any checkpoint, so the refusal tells a forger nothing to mend.
        posted("no bonus ticks",
               post(QString::fromUtf8(three).remove(QRegularExpression("\n\\d+ timer bonus(?=\n)")).toUtf8()), 422,
               "at 7000 ms the bonus timer fires, where the file has no such firing", "replay-diverged [1,"),
        posted("a turtle step put off", post(replaced(three, "\n7500 timer turtle\n", "\n7501 timer turtle\n")), 422,
               "at 7500 ms the turtle timer fires, where the file has no such firing", "replay-diverged [1,"),
        posted("an extra dog step", post(replaced(three, "\n7000 timer dog\n", "\n7000 timer dog\n7000 timer dog\n")),
               422, "at 7000 ms the file has the dog timer fire, where the clock fires none", "replay-diverged [1,"),
        posted("an end in the middle of a level", post(left), 422, "stops in level 2", "replay-unfinished [2]"),
        posted("a replay without its levels",
               post(replaced(readFile(PONDRAKE_TEST_DIR "/sim/replays/bot-pack.replay"), "folder data/levels\n", "")),
               422, "does not carry its set's levels", "replay-without-levels []"),
        {"an unknown set", "GET", "/api/v1/sets/" + noSet + "/top", "", "", 404, "no game of this set",
         "no-games-of-set []"},
        {"a limit out of range", "GET", "/api/v1/sets/" + noSet + "/top?limit=0", "", "", 400, "limit",
         "bad-limit [100]"},
        {"a page of sets too long", "GET", "/api/v1/sets?limit=101", "", "", 400, "limit one from 1 to 100",
         "bad-page [100]"},
        {"an unknown game id", "GET", "/api/v1/games/123456/replay", "", "", 404, "no game has this id",
         "no-such-game []"},
        {"an unknown game's frames", "GET", "/api/v1/games/123456/frames", "", "", 404, "no game has this id",
         "no-such-game []"},
        {"a path with ..", "GET", "/api/v1/games/../sets", "", "", 404, "nothing at this address",
         "no-such-address []"},
    };
    // Room for every row, then one too many from a forwarded address.
    const QString perMinute = QString::number(rows.size());
    RunningServer server({"--rate-limit", perMinute, "--read-limit", perMinute, "--trusted-proxy", "127.0.0.1"},
                         "refusals");
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
        EXPECT_TRUE(refusalOf(answer).startsWith(row.refusal)) << result->body;
    }

    // One client through the trusted proxy, sending or reading, is refused past its limit, whatever
    // it puts before the proxy's own line (how an address is read: ClientAddress in VerifierTest).
    const auto from = [](std::initializer_list<std::string> forwardedFor) {
        httplib::Headers headers;
        for (const std::string& line : forwardedFor)
            headers.emplace("X-Forwarded-For", line);
        return headers;
    };
    const std::vector<std::pair<const char*, std::function<httplib::Result(const std::string&)>>> clients{
        {"its own line before the proxy's",
         [&](const std::string& n) {
             return client.Post(games, from({"198.51.100." + n, "203.0.113.10"}), "{}", json);
         }},
        {"reads", [&](const std::string& n) { return client.Get("/api/v1/sets?limit=" + n, from({"192.0.2.7"})); }},
    };
    for (const auto& [what, send] : clients) {
        SCOPED_TRACE(what);
        for (std::size_t i = 1; i <= rows.size(); ++i, ++requests)
            EXPECT_NE(send(std::to_string(i))->status, 429);
        const httplib::Result limited = send("99");
        ++requests;
        ASSERT_TRUE(limited);
        EXPECT_EQ(limited->status, 429) << limited->body;
        EXPECT_TRUE(refusalOf(jsonOf(limited->body.c_str())).startsWith("rate-limited [")) << limited->body;
        EXPECT_GE(std::stoi(limited->get_header_value("Retry-After")), 1);
    }
    EXPECT_EQ(client.Post(games, "{}", json)->status, 400) << "another address still sends";

    const httplib::Result sets = client.Get("/api/v1/sets");
    ASSERT_TRUE(sets);
    EXPECT_EQ(sets->body, R"({"more":false,"sets":[]})") << "nothing refused is stored";
    EXPECT_EQ(client.Get("/health")->status, 200);
    requests += 3;

    EXPECT_EQ(server.stop(), 0);
    QByteArrayList lines = server.log().split('\n');
    lines.removeIf([](const QByteArray& line) { return !line.endsWith(" ms"); });
    EXPECT_EQ(std::size_t(lines.size()), requests) << server.log().toStdString();
    const QRegularExpression line(R"(^(GET|POST) /\S+ \d{3} \d+ ms$)");
    for (const QByteArray& logged : lines)
        EXPECT_TRUE(line.match(QString::fromUtf8(logged)).hasMatch()) << logged.toStdString();
}

TEST(Server, TakesWholeGamesRanksEachInItsOwnSetAndKeepsEachGameOnceWithItsNameExactly)
{
    const QByteArray pack = serverGame("bot-pack"), three = serverGame("played-3-levels");
    const QByteArray whole = serverGame("continued-whole");
    const std::vector<QByteArray> bots = botGames(1000, 13);
    RunningServer server({"--rate-limit", "0"}, "accepted");
    ASSERT_NE(server.port(), 0) << server.log().toStdString();
    Client client(server.port());
    const QString packId = shippedIdentity(24), firstThree = shippedIdentity(3);

    // The pack's first game gives it another name: the pack keeps its own.
    const QByteArray renamed = replaced(pack, "\nset Pondrake Levels\n", "\nset Impostor\n");
    const QJsonObject ada = client.post(gameBody(renamed, 0, "Ada"));
    EXPECT_EQ(ada, jsonOf(R"({"id": %1, "set": "%2", "rank": 1, "games": 1, "stored": "new", "score": 5571,
                              "entry": {"kind": 0, "name": "Ada"}, "date": "%3"})",
                          {QString::number(ada["id"].toInt()), packId, ada["date"].toString()}));
    // Read now, so that the reads at the end show the games stored after, not an answer kept from here.
    EXPECT_EQ(client.get("/api/v1/sets/" + packId.toStdString() + "/top?limit=2")["games"], 1);
    EXPECT_EQ(client.get("/api/v1/sets")["sets"].toArray().size(), 1);
    EXPECT_EQ(client.post(gameBody(three, 0, "Bob"))["rank"], 2);

    // The same game in other bytes is the one stored: the sender's own again, or another's.
    QByteArrayList header = pack.left(pack.indexOf("\nlevel ")).split('\n');
    header.move(1, header.size() - 1);  // the seed after the carried levels
    QJsonObject already = ada;
    already["stored"] = "already";
    already["games"] = 2;
    struct Copy {
        const char* what;
        QByteArray replay;
        QString name;
        int status;
    };
    for (const Copy& copy :
         {Copy{"the set's own name", pack, "Ada", 200}, Copy{"re-timed", variant(pack, 1), "Ada", 200},
          Copy{"CR LF", replaced(pack, "\n", "\r\n"), "Ada", 200},
          Copy{"the header reordered", header.join('\n') + pack.mid(pack.indexOf("\nlevel ")), "Ada", 200},
          Copy{"under another name", variant(pack, 2), "Eve", 409}}) {
        SCOPED_TRACE(copy.what);
        httplib::Client http("127.0.0.1", server.port());
        const httplib::Result result =
            http.Post("/api/v1/games", gameBody(copy.replay, 0, copy.name).toStdString(), "application/json");
        ASSERT_TRUE(result);
        EXPECT_EQ(result->status, copy.status);
        QJsonObject answer = QJsonDocument::fromJson(QByteArray::fromStdString(result->body)).object();
        EXPECT_EQ(answer.take("error").toString().isEmpty(), copy.status == 200) << result->body;
        EXPECT_EQ(refusalOf({{"code", answer.take("code")}, {"args", answer.take("args")}}),
                  copy.status == 200 ? " []" : "game-elsewhere []");
        EXPECT_EQ(answer, already);
    }

    // Names the table takes come back exactly, each with a game of its own.
    const std::vector<std::pair<int, QString>> names{
        {0, "x'); DROP TABLE games;--\"\\"}, {0, "Zo\u00eb \U0001F422"}, {0, ""}, {1, ink(512, 32)}};
    std::vector<std::pair<int, qint64>> scores;  // of the first three's games, by arrival
    for (std::size_t i = 0; i < names.size(); ++i) {
        const QJsonObject answer = client.post(gameBody(bots[i], names[i].first, names[i].second));
        EXPECT_EQ(answer["entry"], (QJsonObject{{"kind", names[i].first}, {"name", names[i].second}}));
        scores.emplace_back(-answer["score"].toInt(), answer["id"].toInteger());
    }
    // A game of the first three levels is filed under them, whatever name its set carries.
    const QJsonObject cy = client.post(gameBody(whole, 0, "Cy"));
    EXPECT_EQ(cy["set"], firstThree);
    // Its first sitting, left after level 1, draws so little from its seed that seed 3 plays it
    // the same: it is still Cy's game by its later sitting's seed.
    EXPECT_EQ(client.post(gameBody(replaced(whole, "\nseed 5\n", "\nseed 3\n"), 0, "Di"))["entry"], cy["entry"]);
    scores.emplace_back(-cy["score"].toInt(), cy["id"].toInteger());
    std::sort(scores.begin(), scores.end());  // best first, equal scores by arrival

    const QJsonArray top = client.get("/api/v1/sets/" + firstThree.toStdString() + "/top?limit=100")["top"].toArray();
    ASSERT_EQ(top.size(), qsizetype(scores.size()));
    for (std::size_t i = 0; i < scores.size(); ++i)
        EXPECT_EQ(top[qsizetype(i)]["id"].toInteger(), scores[i].second) << "rank " << i + 1;
    EXPECT_EQ(client.get("/api/v1/sets"),
              jsonOf(R"({"sets": [{"set": "%1", "name": "First Three", "levels": 3, "games": 5, "best": %2},
                                  {"set": "%3", "name": "Pondrake Levels", "levels": 24, "games": 2, "best": 5571}],
                         "more": false})",
                     {firstThree, QString::number(-scores.front().first), packId}));
    EXPECT_EQ(client.get("/api/v1/sets?limit=1")["more"], true);
    const QJsonObject second = client.get("/api/v1/sets?offset=1&limit=1");
    EXPECT_EQ(second["sets"][0]["set"], packId);
    EXPECT_EQ(second["more"], false);
    EXPECT_EQ(client.raw("/api/v1/games/" + std::to_string(ada["id"].toInt()) + "/replay"), renamed);
    EXPECT_EQ(client.raw("/api/v1/games/" + std::to_string(ada["id"].toInt()) + "/frames"),
              gameFrames(renamed, std::atomic<bool>{false}).json);

    // Ten names of the largest ink: the answer takes the rows that fit in a mebibyte and says so.
    for (std::size_t i = 4; i < bots.size(); ++i)
        EXPECT_EQ(client.post(gameBody(bots[i], 1, ink(512, 32)))["stored"], "new");
    const std::string path = "/api/v1/sets/" + firstThree.toStdString() + "/top?limit=";
    EXPECT_EQ(client.get(path + "4")["truncated"], false);
    const QByteArray bounded = client.raw(path + "100");
    EXPECT_LE(bounded.size(), 1 << 20);
    const qsizetype rows = QJsonDocument::fromJson(bounded)["top"].toArray().size();
    EXPECT_TRUE(rows >= 9 && rows < qsizetype(bots.size()) + 1) << rows;
    EXPECT_EQ(QJsonDocument::fromJson(bounded)["truncated"], true);
}

TEST(Server, AGameOverItsProcessorTimeIsRefusedAndAFullQueueAnswers503WithRetryAfter)
{
    // Every game takes more than a millisecond of processor time to verify.
    RunningServer server({"--rate-limit", "0", "--queue", "1", "--threads", "1", "--verify-cpu", "1"}, "queue");
    ASSERT_NE(server.port(), 0) << server.log().toStdString();
    const QByteArray pack = serverGame("bot-pack");
    EXPECT_TRUE(Client(server.port()).post(gameBody(pack, 0, "Q"))["error"].toString().contains("processor time"));
    std::optional<Sent> full;
    // One game is verified while the others arrive: rounds until one of them finds the queue full.
    for (int n = 0; n < 160 && !full; n += 8) {
        for (const Sent& sent : sendAtOnce(server.port(), std::vector(8, gameBody(pack, 0, "Q")))) {
            EXPECT_TRUE(sent.status == 422 || sent.status == 503) << sent.status;
            if (sent.status == 503)
                full = sent;
        }
    }
    ASSERT_TRUE(full) << "eight games at once never found a queue of one full";
    EXPECT_EQ(full->retryAfter, "2");
}
