// The world table as a stranger: a tiny server answers each row's bytes, and the game's client
// makes of them a line for the player, never a crash, a hang or a number taken on trust.

#include "files/WorldOutbox.h"
#include "tests/support/CannedServer.h"
#include "tests/support/FileTestSupport.h"
#include "ui/Translations.h"
#include "ui/net/AnswerJson.h"
#include "ui/net/OutboxSender.h"
#include "ui/net/WorldClient.h"
#include "ui/net/WorldTable.h"

#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

const QByteArray Top = R"({"set":"ab","name":"P","games":57,"top":[)"
                       R"({"rank":1,"id":17,"entry":{"kind":0,"name":"<b>Ada</b>"},"score":212,"date":"d"},)"
                       R"({"rank":2,"id":18,"entry":{"kind":1,"name":"!!"},"score":200,"date":"d"}]})";

QByteArray row(const char* fields) { return R"({"games":1,"top":[)" + QByteArray(fields) + "]}"; }

struct Case {
    const char* what;
    const char* ask;  // send, top or replay
    QByteArray answer;
    const char* outcome;
    const char* sent = "pondrake-replay 4\n";  // the replay of a game sent
};

#define LATER "Saved; will send when the world table answers | outbox 1"
#define ELSEWHERE "This game is already on the world table under another name. | outbox 0, refusal kept"
#define ADA R"("entry":{"kind":0,"name":"Ada"})"

// Only the API's own refusal of a game is final; the table's entry must be the game's own.
const Case Cases[] = {
    {"a refusal not in the API's words", "send", http(422, "no"), LATER},
    {"a body not of the API's shape", "send", http(400, R"({"error":"No."})"), "No. | outbox 0, refusal kept"},
    {"a body not sent as JSON", "send", http(415, R"({"error":"No."})"), "No. | outbox 0, refusal kept"},
    {"no such address", "send", http(404, R"({"error":"Not found."})"), LATER},
    {"a rank past the games", "send", http(200, R"({"rank":58,"games":57,)" ADA "}"), LATER},
    {"the name refused", "send", http(422, R"({"error":"No."})"), "No. | outbox 0, refusal kept"},
    {"a game of an earlier version refused", "send", http(422, R"({"error":"No."})"),
     "This game was recorded by an earlier version of Pondrake, which the world table can no longer check. | outbox "
     "0, refusal kept",
     "pondrake-replay 3\n"},
    {"the game stored under another name", "send", http(409, R"({"error":"No.","entry":{"kind":0,"name":"Bob"}})"),
     ELSEWHERE},
    {"a 200 naming another kind", "send", http(200, R"({"rank":3,"games":57,"entry":{"kind":1,"name":"Ada"}})"),
     ELSEWHERE},
    {"the game stored under its own name", "send", http(200, R"({"rank":3,"games":57,)" ADA "}"),
     "Verified: rank 3 of 57 | outbox 0"},

    {"the table", "top", http(200, Top), "57 games: 1. <b>Ada</b> 212 #17, 2. (ink 0 strokes) 200 #18"},
    {"no game of the set", "top", http(404, R"({"error":"No game of this set is stored."})"),
     "No game of this set is stored."},
    // A refusal whose code the game knows it says itself; else the table's sentence stands.
    {"a known code", "top", http(404, R"({"error":"No game.","code":"no-games-of-set","args":[]})"),
     "No game of this set is on the world table yet."},
    {"an unknown code", "top", http(404, R"({"error":"No game.","code":"no-games-yet","args":[]})"), "No game."},
    {"a known code with args of another kind", "send",
     http(422, R"({"error":"No.","code":"name-too-long","args":["100"]})"), "No. | outbox 0, refusal kept"},
    {"a known code with an arg too many", "top", http(400, R"({"error":"No.","code":"bad-limit","args":[100,1]})"),
     "No."},
    {"not JSON", "top", http(200, "<html>"), "The world table's answer is not one the game can read."},
    {"a fractional score", "top", http(200, row(R"({"rank":1,"id":1,"entry":{"kind":0,"name":"A"},"score":1.5})")),
     "The world table's answer is not one the game can read."},
    {"an answer announced over 1 MiB", "top", "HTTP/1.1 200 X\r\nContent-Length: 1048577\r\n\r\n{",
     "The world table's answer is too large to read."},
    {"an answer over 1 MiB with no length", "top",
     "HTTP/1.1 200 X\r\nConnection: close\r\n\r\n" + QByteArray(1100000, ' '),
     "The world table's answer is too large to read."},
    {"a redirect to another host", "top", http(302, "", "Location: http://127.0.0.1:OTHER/\r\n"),
     "The world table at ADDRESS sent the game elsewhere; the game does not follow."},
    {"a slow table", "top", "", "Cannot reach the world table at ADDRESS"},

    {"a replay that does not read", "replay",
     http(200, "pondrake-replay 9\n", "Content-Type: application/x-pondrake-replay\r\n"),
     "The game from the world table does not read: VERSION (line 1)."},
    {"a replay without its levels", "replay", http(200, "REPLAY", "Content-Type: application/x-pondrake-replay\r\n"),
     "The game from the world table does not carry its levels."},
};

QString waitFor(const std::function<QString()>& outcome)
{
    QString got;
    // Ten seconds is far beyond the one-second limit the client is given here.
    EXPECT_TRUE(QTest::qWaitFor([&] { return !(got = outcome()).isEmpty(); }, 10'000));
    return got;
}

}  // namespace

TEST(WorldAnswers, EveryAnswerGivesALineAndNothingElse)
{
    const QByteArray plainReplay = readFile(PONDRAKE_TESTS_DIR "/sim/replays/played-3-levels.replay");
    for (const Case& c : Cases) {
        SCOPED_TRACE(c.what);
        CannedServer other(http(200, Top));
        QByteArray answer = c.answer;
        answer.replace("OTHER", QByteArray::number(other.serverPort())).replace("REPLAY", plainReplay);
        CannedServer table(answer);
        const QString address = QStringLiteral("127.0.0.1:%1").arg(table.serverPort());
        WorldClient client;
        client.setTimeLimits(1000, 1000);
        QString outcome;
        QTemporaryDir data;
        OutboxSender sender(client);
        QString item;
        if (c.ask == std::string("send")) {
            item = putInOutbox(data.path(), QByteArray(64, 'a'), sendBody(c.sent, 0, "Ada"));
            QObject::connect(&sender, &OutboxSender::sent, [&](const QString&, const SendVerdict& verdict) {
                const QString refusal = outboxRefusal(item);
                outcome = verdict.line + QStringLiteral(" | outbox %1").arg(outboxItems(data.path()).size()) +
                          (refusal == verdict.line ? ", refusal kept" : "");
            });
            sender.send(address, {item});
        } else if (c.ask == std::string("top")) {
            client.get(address, QStringLiteral("/api/v1/sets/ab/top"), &client, [&](const WorldAnswer& a) {
                const TopReading reading = readTop(a, address);
                if (!reading.top)
                    return void(outcome = reading.message);
                QStringList rows;
                for (const WorldRow& r : reading.top->rows)
                    rows << QStringLiteral("%1. %2 %3 #%4")
                                .arg(r.rank)
                                .arg(r.handwritten ? QStringLiteral("(ink %1 strokes)").arg(r.ink.strokes().size())
                                                   : r.typedName)
                                .arg(r.score)
                                .arg(r.id);
                outcome = QStringLiteral("%1 games: ").arg(reading.top->games) + rows.join(", ");
            });
        } else {
            client.get(address, QStringLiteral("/api/v1/games/9/replay"), &client, [&](const WorldAnswer& a) {
                const ReplayReading reading = readReplay(a, address);
                outcome = reading.recording ? QStringLiteral("a replay") : reading.message;
            });
        }
        QString got = waitFor([&] { return outcome; });
        got.replace(address, "ADDRESS");
        got.replace(QRegularExpression("does not read: .* \\(line 1\\)"), "does not read: VERSION (line 1)");
        EXPECT_EQ(got.toStdString(), c.outcome);
        EXPECT_EQ(table.requests, 1) << "one request, never repeated";
        EXPECT_EQ(other.requests, 0) << "a redirect is never followed";
    }
}

// An address is http unless it names https; another scheme is no address, and a last slash goes.
TEST(WorldAnswers, AnAddressIsHttpOrHttpsWithoutItsLastSlash)
{
    EXPECT_TRUE(WorldClient::baseUrl(QStringLiteral("ftp://host/")).isEmpty());
    EXPECT_EQ(WorldClient::baseUrl(QStringLiteral("example.org:8080/pond/")).toString(),
              "http://example.org:8080/pond");
}

// The game says a refusal it knows in the player's language, a count in the language's plural form.
TEST(WorldAnswers, AKnownRefusalIsSaidInThePlayersLanguage)
{
    const QString program = QCoreApplication::applicationDirPath();
    ASSERT_EQ(Translations::install(program, QStringLiteral("de")), "de");
    const auto said = [](int status, const QByteArray& body) {
        CannedServer table(http(status, body));
        WorldClient client;
        QString text;
        client.get(QStringLiteral("127.0.0.1:%1").arg(table.serverPort()), QStringLiteral("/api/v1/sets"), &client,
                   [&](const WorldAnswer& answer) { text = AnswerJson::errorText(answer); });
        return waitFor([&] { return text; }).toStdString();
    };
    EXPECT_EQ(said(429, R"({"error":"wait","code":"rate-limited","args":["reads",1]})"),
              "Zu viele Anfragen von hier: Warte 1 Sekunde.");
    EXPECT_EQ(said(429, R"({"error":"wait","code":"rate-limited","args":["reads",30]})"),
              "Zu viele Anfragen von hier: Warte 30 Sekunden.");
    EXPECT_EQ(said(422, R"({"error":"the name holds a control character","code":"text-control-character",)"
                        R"("args":["name"]})"),
              "Name: enthält ein Steuerzeichen.");
    EXPECT_EQ(said(429, R"({"error":"wait 1 s","code":"rate-limited","args":["pages",1]})"), "wait 1 s");
    Translations::install(program, Translations::English);
}
