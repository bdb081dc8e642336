// A server killed while it takes games has kept every game it answered 200, in a table that is
// whole, which an older schema's server migrates (one row a game, a forged one hidden once it is
// verified again) and a newer schema's server refuses.

#include "server/DatabaseConfig.h"
#include "tests/server/BotGames.h"
#include "tests/server/ServerSupport.h"

#include <QSqlDatabase>
#include <QSqlQuery>

#include <csignal>

TEST(ServerKill, EveryGameAnswered200OutlivesASigkillInAWholeTable)
{
    const std::vector<QByteArray> replays = botGames(1000, 60);
    std::vector<QByteArray> bodies;
    for (std::size_t i = 0; i < replays.size(); ++i)
        bodies.push_back(gameBody(replays[i], 0, QStringLiteral("K%1").arg(i)));
    const QTemporaryDir data;
    std::vector<Sent> sent;
    {
        RunningServer server({"--rate-limit", "0", "--connection-limit", "0"}, "kill", data.path());
        ASSERT_NE(server.port(), 0) << server.log().toStdString();
        std::atomic<int> answered{0};
        const qint64 pid = server.pid();
        sent = sendAtOnce(server.port(), bodies, [&](const Sent& s) {
            if (s.status == 200 && ++answered == 20)
                ::kill(pid_t(pid), SIGKILL);
        });
    }
    const auto accepted = std::count_if(sent.begin(), sent.end(), [](const Sent& s) { return s.status == 200; });
    EXPECT_GE(accepted, 20);
    EXPECT_LT(accepted, qsizetype(replays.size())) << "the server died while games were on their way";

    RunningServer again({"--rate-limit", "0"}, "kill", data.path());
    ASSERT_NE(again.port(), 0) << again.log().toStdString();
    Client client(again.port());
    for (std::size_t i = 0; i < sent.size(); ++i)
        EXPECT_TRUE(sent[i].status != 200 ||
                    client.raw("/api/v1/games/" + std::to_string(sent[i].id) + "/replay") == replays[i])
            << "game " << i << " was answered 200 and lost";
    const QJsonObject sets = client.get("/api/v1/sets");
    EXPECT_GE(sets["sets"][0]["games"].toInteger(), accepted);
    EXPECT_EQ(again.stop(), 0);

    const QString url = testDatabaseUrl("kill");
    // Runs the statements on the table; the first answer of the first that has one.
    const auto sql = [&](const QStringList& statements) {
        QString first, error;
        {
            const DatabaseConfig config =
                *(url.isEmpty() ? sqliteConfig(data.path(), error) : postgresConfig(url, error));
            QSqlDatabase table = QSqlDatabase::addDatabase(config.driver, "killed");
            table.setDatabaseName(config.databaseName);
            table.setHostName(config.host);
            table.setUserName(config.user);
            EXPECT_TRUE(table.open());
            for (const QString& statement : statements) {
                QSqlQuery query(table);
                EXPECT_TRUE(query.exec(statement)) << statement.toStdString();
                if (first.isNull() && query.next())
                    first = query.value(0).toString();
            }
        }
        QSqlDatabase::removeDatabase("killed");
        return first;
    };
    if (url.isEmpty()) {  // PostgreSQL was never killed
        EXPECT_EQ(sql({"PRAGMA integrity_check"}), "ok");
    }
    // The table as a server of schema version 1 left it, when a set kept neither its count nor its
    // best, and a game was one row for each replay's bytes: with a copy of the first game under
    // another name, and a forged game of another seed that claims another end.
    const QString text = url.isEmpty() ? "CAST(replay AS TEXT)" : "convert_from(replay, 'UTF8')";
    const QString bytes = url.isEmpty() ? "CAST(%1 AS BLOB)" : "convert_to(%1, 'UTF8')";
    const auto firstAs = [](const char* name, const QString& score, const QString& replay) {
        return QString("INSERT INTO games (set_id, kind, name, score, submitted, replay_sha256, replay) SELECT set_id, "
                       "0, '%1', %2, submitted, '%1', %3 FROM games WHERE id = (SELECT MIN(id) FROM games)")
            .arg(name, score, replay);
    };
    sql({"DROP TABLE published", "DROP TABLE seeds", "DROP INDEX games_by_score",
         "CREATE INDEX games_by_score ON games (set_id, score DESC, id)", "ALTER TABLE games DROP COLUMN hidden",
         "ALTER TABLE games DROP COLUMN verified", "ALTER TABLE sets DROP COLUMN games",
         "ALTER TABLE sets DROP COLUMN best", firstAs("Copy", "score", "replay"),
         firstAs("Forger", "CAST('10' || score AS INTEGER)",
                 bytes.arg(QString("replace(replace(%1, 'seed ', 'seed 1'), ' end ', ' end 10')").arg(text))),
         "UPDATE schema_version SET version = 1"});
    const QString forged = sql({"SELECT MAX(id) FROM games"});
    {
        RunningServer migrated({}, "kill", data.path());
        ASSERT_TRUE(migrated.waitFor("stored games again: ")) << migrated.log().toStdString();
        EXPECT_TRUE(migrated.log().contains("game " + forged.toUtf8() + " hidden: ")) << migrated.log().toStdString();
        EXPECT_TRUE(migrated.log().contains(" 1 hidden")) << migrated.log().toStdString();
        EXPECT_EQ(Client(migrated.port()).get("/api/v1/sets"), sets) << "one row a game, counted again from the games";
        EXPECT_EQ(migrated.stop(), 0);
    }
    sql({"UPDATE schema_version SET version = version + 1"});
    const RunningServer newer({}, "kill", data.path());
    EXPECT_EQ(newer.port(), 0) << "a table of a newer server is left alone";
    EXPECT_TRUE(newer.log().contains("made by a newer pondrake-server")) << newer.log().toStdString();
}
