// The world table in SQL, on SQLite or on the PostgreSQL database the environment names: the
// same replay bytes make one row, ranks and the top ten follow the scores, and every name comes
// back exactly as it went in.

#include "server/Storage.h"
#include "server/Schema.h"
#include "tests/server/ServerSupport.h"

#include <QSqlDatabase>
#include <QSqlQuery>

namespace {

NewGame newGame(const QByteArray& set, std::int32_t score, const QString& name, const QByteArray& replay)
{
    return {set,    "Pack " + QString::fromLatin1(set.left(4)),
            24,     0,
            name,   score,
            replay, QByteArray::number(qHash(replay), 16).rightJustified(64, '0')};
}

DatabaseConfig config(const QTemporaryDir& dir, const char* database)
{
    QString error;
    const QString url = testDatabaseUrl(database);
    return *(url.isEmpty() ? sqliteConfig(dir.path(), error) : postgresConfig(url, error));
}

}  // namespace

TEST(Storage, StoresEachReplayOnceRanksByScoreAndKeepsNamesExactly)
{
    const QTemporaryDir dir;
    Storage storage(config(dir, "storage"));
    QString error;
    ASSERT_TRUE(storage.prepare(error)) << error.toStdString();
    ASSERT_TRUE(storage.prepare(error)) << "a second start finds the schema at its version";
    const QByteArray set(64, 'a'), other(64, 'b');
    const QStringList names{"x'); DROP TABLE games;--", "\"quoted\" \\ back", "\u202eAda\u200f", "", "Zoë 🐢"};
    std::vector<StoredGame> stored;
    stored.reserve(std::size_t(names.size()));
    for (int i = 0; i < names.size(); ++i)
        stored.push_back(storage.store(newGame(set, 100 * (i % 3), names[i], "replay " + QByteArray::number(i))));
    storage.store(newGame(other, 999, "elsewhere", "other replay"));

    const StoredGame again = storage.store(newGame(set, 5000, "forger", "replay 0"));
    EXPECT_EQ(again.id, stored[0].id) << "the same replay bytes never make a second row";
    EXPECT_EQ(again.name, names[0]);
    EXPECT_EQ(storage.gameByReplay(newGame(set, 0, "", "replay 0").replaySha256)->id, stored[0].id);

    // Scores 0, 100, 200, 0, 100: best first, the earlier game first among equals.
    const std::vector<StoredGame> top = storage.top(set, 10);
    ASSERT_EQ(top.size(), 5u);
    const std::vector<qint64> order{stored[2].id, stored[1].id, stored[4].id, stored[0].id, stored[3].id};
    for (std::size_t i = 0; i < top.size(); ++i) {
        EXPECT_EQ(top[i].id, order[i]);
        EXPECT_EQ(storage.rankOf(top[i]), std::make_pair(qint64(i + 1), qint64(5)));
    }
    for (std::size_t i = 0; i < stored.size(); ++i)
        EXPECT_EQ(storage.gameByReplay(newGame(set, 0, "", "replay " + QByteArray::number(int(i))).replaySha256)->name,
                  names[int(i)]);
    EXPECT_EQ(storage.top(set, 2).size(), 2u);
    EXPECT_EQ(*storage.replay(stored[4].id), "replay 4");
    EXPECT_FALSE(storage.replay(-1));

    const std::vector<SetSummary> sets = storage.sets();
    ASSERT_EQ(sets.size(), 2u);
    EXPECT_EQ(sets[0].id, set);
    EXPECT_EQ(sets[0].games, 5);
    EXPECT_EQ(sets[0].best, 200);
    EXPECT_EQ(sets[1].best, 999);
    EXPECT_FALSE(storage.set(QByteArray(64, 'c')));
}

TEST(Storage, RefusesADatabaseOfANewerSchema)
{
    const QTemporaryDir dir;
    const DatabaseConfig db = config(dir, "schema");
    {
        QSqlDatabase raw = QSqlDatabase::addDatabase(db.driver, "raw");
        raw.setDatabaseName(db.databaseName);
        raw.setHostName(db.host);
        raw.setUserName(db.user);
        ASSERT_TRUE(raw.open());
        QSqlQuery(raw).exec("DROP TABLE IF EXISTS schema_version");
        QSqlQuery(raw).exec("CREATE TABLE schema_version (version INTEGER NOT NULL)");
        QSqlQuery(raw).exec(QString("INSERT INTO schema_version VALUES (%1)").arg(SchemaVersion + 1));
    }
    QSqlDatabase::removeDatabase("raw");
    QString error;
    EXPECT_FALSE(Storage(db).prepare(error));
    EXPECT_TRUE(error.contains("newer pondrake-server")) << error.toStdString();
}
