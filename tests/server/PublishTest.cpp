// Level sets published to the real server: each hostile set is refused with a sentence and
// nothing of it stored, a level the computer player cannot pass is named, and a fair set is
// published once, whoever sends it again and under whatever name, listed, sorted and served.

#include "files/LevelFile.h"
#include "files/sets/SetFileFormat.h"
#include "tests/server/ServerSupport.h"
#include "tests/support/BoardText.h"

#include <QThread>

namespace {

const LevelTexts Usual{"pond1.mid", "100", "1500", "1500"};

// A turtle at the crossing of four corridors ending in holes, the water beside one: fair.
QByteArray crossing(const LevelTexts& settings = Usual)
{
    return levelFileBytes(settings, boardFromText("rrrrrrrrr/rrrrhrrrr/rrrrbrrrr/rrrrbrrrr/rhbbtbbhr/rrrrbr$rr/"
                                                  "rrrrbrrrr/rrrrhrrrr/rrrrrrrrr"));
}

QByteArray setBytes(const std::vector<QByteArray>& levels, const QString& name = "Crossings",
                    const QString& author = "Kim", const QString& description = "Two ways.\nBoth <fair>.")
{
    return setFileBytes({name, author, description, levels});
}

// What the server answers a set sent: the status and the JSON.
std::pair<int, QJsonObject> publish(httplib::Client& client, const QByteArray& set,
                                    const std::string& type = "application/x-pondrake-set")
{
    const httplib::Result result = client.Post("/api/v1/sets", set.toStdString(), type);
    if (!result)
        return {0, {}};
    return {result->status, QJsonDocument::fromJson(QByteArray::fromStdString(result->body)).object()};
}

// Asks how the set fares until it is no longer judged (a minute at most).
std::pair<int, QJsonObject> verdict(httplib::Client& client, const QString& set)
{
    for (int tries = 0; tries < 600; ++tries) {
        const httplib::Result result = client.Get("/api/v1/sets/" + set.toStdString() + "/publication");
        if (!result)
            return {0, {}};
        if (result->status != 202)
            return {result->status, QJsonDocument::fromJson(QByteArray::fromStdString(result->body)).object()};
        QThread::msleep(100);
    }
    return {202, {}};
}

}  // namespace

TEST(Publish, EachHostileSetIsRefusedWithASentenceAndNothingIsStored)
{
    std::signal(SIGPIPE, SIG_IGN);
    const QByteArray fair = crossing();
    QByteArray strayBase64 = setBytes({fair});
    strayBase64.insert(strayBase64.lastIndexOf("level ") + 10, '*');
    const std::vector<QByteArray> hundredAndOne(101, fair);
    const QByteArray unreadable = fair.left(fair.indexOf("\r\n", 40));
    const struct {
        const char* what;
        QByteArray set;
        int status;
        QString message;
        QString refusal;  // its code and arguments (refusalOf)
    } sentRows[] = {
        {"over 100 levels", setBytes(hundredAndOne), 422, "at most 100 levels, not 101", "too-many-levels [100,101]"},
        {"over 1 MiB", setBytes({QByteArray(800 << 10, 'r')}), 413, "larger than 1048576 bytes",
         "body-too-large [1048576]"},
        {"Base64 with a stray character", strayBase64, 400, "line 6: level 1 is not Base64",
         R"(set-unreadable [6,"level 1 is not Base64)"},
        {"a level that cannot be read whole", setBytes({fair, unreadable}), 400,
         "line 7: level 2 cannot be read as a level: it stops at line 6",
         R"(set-unreadable [7,"level 2 cannot be read as a level: it stops at line 6"])"},
        {"a name with a control character", setBytes({fair}, "Cross\tings"), 400, "control character",
         "set-unreadable [2,"},
        {"an author with a direction mark", setBytes({fair}, "Crossings", "\u202eKim"), 422, "format character",
         R"(text-format-character ["author"])"},
        {"a description with a zero-width space", setBytes({fair}, "Crossings", "Kim", "Two\u200bways"), 422,
         "format character", R"(text-format-character ["description"])"},
    };
    RunningServer server({"--publish-limit", "100"}, "publishing");
    ASSERT_NE(server.port(), 0) << server.log().toStdString();
    httplib::Client client("127.0.0.1", server.port());
    client.set_read_timeout(30);
    for (const auto& row : sentRows) {
        SCOPED_TRACE(row.what);
        const auto [status, answer] = publish(client, row.set);
        EXPECT_EQ(status, row.status);
        EXPECT_TRUE(answer.value("error").toString().contains(row.message))
            << answer.value("error").toString().toStdString();
        EXPECT_TRUE(refusalOf(answer).startsWith(row.refusal)) << refusalOf(answer).toStdString();
    }
    const auto [wrongType, typeRefusal] = publish(client, setBytes({fair}), "application/json");
    EXPECT_EQ(wrongType, 415);
    EXPECT_EQ(refusalOf(typeRefusal), R"(wrong-content-type ["application/x-pondrake-set"])");

    // Judged, then refused: every level that fails is named with its reason, the fair one is not.
    const QByteArray walledOff = levelFileBytes(Usual, boardFromText("rrr/rtr/rrr/5:$$$"));
    const QByteArray neverEnds = crossing({"", "100", "-5", "0"});  // turtles that never move: ten minutes
    const QByteArray tooFast = crossing({"", "100", "1", "1500"});  // a step a millisecond: costly to judge
    const QByteArray hostile = setBytes({fair, walledOff, neverEnds, tooFast});
    const auto [sent, judging] = publish(client, hostile);
    ASSERT_EQ(sent, 202) << QJsonDocument(judging).toJson().toStdString();
    EXPECT_EQ(judging.value("levels").toInt(), 4);
    const auto [status, refused] = verdict(client, judging.value("set").toString());
    EXPECT_EQ(status, 422);
    EXPECT_EQ(refused.value("status").toString(), "refused");
    EXPECT_EQ(refused.value("error").toString(), "level 2: too few turtles can reach water: 0 of 1; "
                                                 "level 3: the computer player passed 0 of 100 runs; "
                                                 "level 4: its creatures step every 1 ms; a level published lets "
                                                 "them step every 100 ms at the fastest");
    EXPECT_EQ(refusalOf(refused), "set-refused [2,3,4]");
    QStringList failures;
    for (const QJsonValue failure : refused.value("failures").toArray())
        failures << refusalOf(failure.toObject());
    EXPECT_EQ(failures,
              QStringList({"level-water-unreachable [0,1]", "level-too-hard [0,100]", "level-too-fast [1,100]"}));
    EXPECT_EQ(publish(client, hostile).first, 422) << "a refusal is remembered, not judged again";

    const QByteArray sets = QByteArray::fromStdString(client.Get("/api/v1/sets?published=1")->body);
    EXPECT_EQ(sets, R"({"more":false,"sets":[]})") << "nothing refused is stored";
    EXPECT_EQ(client.Get("/api/v1/sets/" + judging.value("set").toString().toStdString() + "/file")->status, 404);
    EXPECT_EQ(server.stop(), 0);
}

TEST(Publish, AFairSetIsPublishedOnceListedSortedAndServedAndWarnsOfALevelThatPlaysItself)
{
    std::signal(SIGPIPE, SIG_IGN);
    RunningServer server({"--publish-limit", "5", "--judges", "2"}, "published");
    ASSERT_NE(server.port(), 0) << server.log().toStdString();
    httplib::Client client("127.0.0.1", server.port());
    client.set_read_timeout(30);

    const auto names = [&](const std::string& query) {
        QStringList names;
        const QJsonObject page =
            QJsonDocument::fromJson(QByteArray::fromStdString(client.Get("/api/v1/sets" + query)->body)).object();
        for (const QJsonValue row : page.value("sets").toArray())
            names << row.toObject().value("name").toString() + (row.toObject().value("published").toBool() ? "*" : "");
        return names.join(',');
    };
    EXPECT_EQ(names("?published=1&sort=newest"), "") << "kept until a set is published";

    const QByteArray noTurtle = levelFileBytes(Usual, boardFromText("bbb/b$b"));
    const QByteArray first = setBytes({crossing(), noTurtle});
    // The same set twice at once: judged once, published once.
    const auto [sent, judging] = publish(client, first);
    const auto [again, alsoJudging] = publish(client, first);
    ASSERT_EQ(sent, 202);
    EXPECT_EQ(again, 202);
    const QString id = judging.value("set").toString();
    EXPECT_EQ(alsoJudging.value("set").toString(), id);
    const auto [status, published] = verdict(client, id);
    ASSERT_EQ(status, 200) << QJsonDocument(published).toJson().toStdString();
    const QJsonObject set = published.value("published").toObject();
    EXPECT_EQ(published.value("page").toString(), "/sets/" + id);
    EXPECT_EQ(set.value("name").toString(), "Crossings");
    EXPECT_EQ(set.value("author").toString(), "Kim");
    EXPECT_EQ(set.value("description").toString(), "Two ways.\nBoth <fair>.");
    const QJsonArray verdicts = set.value("verdicts").toArray();
    ASSERT_EQ(verdicts.size(), 2);
    EXPECT_EQ(verdicts[0].toObject().value("passRate").toDouble(), 1.0);
    EXPECT_TRUE(verdicts[1].toObject().value("warning").toString().startsWith("the level plays itself"));
    EXPECT_EQ(refusalOf(verdicts[1].toObject()), "level-plays-itself [100,100]");

    // Sent again under another name: the first publisher's set, at once. Its file comes back as sent.
    const auto [known, stored] = publish(client, setBytes({crossing(), noTurtle}, "Mine Now", "Eve"));
    EXPECT_EQ(known, 200);
    EXPECT_EQ(stored.value("published").toObject().value("author").toString(), "Kim");
    const httplib::Result file = client.Get("/api/v1/sets/" + id.toStdString() + "/file");
    EXPECT_EQ(file->get_header_value("Content-Type"), "application/x-pondrake-set");
    EXPECT_EQ(QByteArray::fromStdString(file->body), first);

    // Its page, before any game of it: the designer's words as text, each level's verdict, the file.
    const std::string page = client.Get("/sets/" + id.toStdString())->body;
    for (const std::string& part :
         {std::string("<p>Both &lt;fair&gt;.</p>"), "/api/v1/sets/" + id.toStdString() + "/file",
          std::string("Plays itself"), std::string("No game of this set has been sent yet.")})
        EXPECT_NE(page.find(part), std::string::npos) << part;

    // An easier set, then one with games before it was published, whose table takes the publisher's name.
    const auto [quickSent, quick] = publish(client, setBytes({noTurtle}, "Quick", "", ""));
    ASSERT_EQ(verdict(client, quick.value("set").toString()).first, 200);
    const QByteArray game = serverGame("continued-whole");
    const QJsonObject sentGame = Client(server.port()).post(gameBody(game, 0, "Ada"));
    std::vector<QByteArray> firstThree;
    for (const QByteArray& line : game.split('\n'))
        if (line.startsWith("setlevel "))
            firstThree.push_back(QByteArray::fromBase64(line.mid(9)));
    const auto [trioSent, trio] = publish(client, setBytes(firstThree, "Opening Trio"));
    EXPECT_EQ(trio.value("set"), sentGame.value("set"));
    ASSERT_EQ(verdict(client, trio.value("set").toString()).first, 200);
    EXPECT_EQ(Client(server.port()).get("/api/v1/sets/" + trio.value("set").toString().toStdString() + "/top")["name"],
              "Opening Trio");
    // Listed before any game of them, by date, by difficulty (like levels 1, 3 and 7) and by games.
    EXPECT_EQ(names("?published=1&sort=newest"), "Opening Trio*,Quick*,Crossings*");
    EXPECT_EQ(names("?sort=difficulty"), "Quick*,Opening Trio*,Crossings*");
    EXPECT_EQ(names("?limit=1"), "Opening Trio*");
    EXPECT_EQ(client.Get("/api/v1/sets?sort=best")->status, 400);

    EXPECT_EQ(publish(client, setBytes({crossing()}, "One more")).first, 429) << "five an hour";
    EXPECT_EQ(server.stop(), 0);
}
