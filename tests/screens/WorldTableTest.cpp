// The game and the world table, as the player meets them, against a real pondrake-server on this
// machine with a scratch database: a game sent and its rank shown, and a world row watched with the
// keys. How the client takes every kind of answer (a refusal kept, no address set, a table that is
// down) is its own tests' work; continued games are the recorder's and the server's. Then what
// leaves the outbox at the start, whatever lies in or beside it.

#include "files/PlayerSettings.h"
#include "files/WorldOutbox.h"
#include "screens/WorldPanel.h"
#include "screens/WorldTopTenWindow.h"
#include "sim/RecordingPlayer.h"
#include "tests/server/ServerSupport.h"
#include "tests/support/GameWindowTest.h"
#include "ui/RecordingWindow.h"
#include "ui/net/OutboxSender.h"

#include <QCryptographicHash>
#include <QDirIterator>
#include <QTableWidget>

namespace {

// Generous: the table plays each game through before it answers, on a machine shared by many.
constexpr int Patience = 30'000;

using WorldTable = GameWindowTest;

TEST_F(WorldTable, AGameSentShowsItsRankAndAWorldRowOpenedByEnterPlaysIt)
{
    RunningServer server({}, "world");
    ASSERT_NE(server.port(), 0) << server.log().toStdString();
    writeIslandSet(program + "/levels", 2);
    PlayerSettings settings;
    settings.worldAddress = QStringLiteral("127.0.0.1:%1").arg(server.port());
    QDir().mkpath(config);
    ASSERT_TRUE(writePlayerSettings(playerSettingsPath(config), settings));
    sitDown([](MainWindow& window) { window.world().client().setTimeLimits(Patience, Patience); });

    // Played to its end, the game is sent once the player agrees; the top ten shows its rank.
    window->actions().newGame->trigger();
    QString line = QStringLiteral("(no line)");
    onNextModal<QMessageBox>([](QMessageBox* box) { box->button(QMessageBox::Yes)->click(); });
    enterName("Ada", [&line](TopTenWindow& topTen) {
        EXPECT_TRUE(
            QTest::qWaitFor([&] { return !topTen.worldLabel || topTen.worldLabel->text() != "Sending..."; }, Patience));
        if (topTen.worldLabel)
            line = topTen.worldLabel->text();
    });
    playLevel();
    playLevel();
    EXPECT_EQ(line, "Verified: rank 1 of 1");
    EXPECT_TRUE(outboxItems(data).isEmpty());
    settings = readPlayerSettings(playerSettingsPath(config));
    EXPECT_TRUE(settings.sendTopTenGames && settings.worldAsked) << "asked once, and remembered";

    QStringList rows;
    QString watched;
    onNextModal<WorldTopTenWindow>([&](WorldTopTenWindow* world) {
        EXPECT_TRUE(QTest::qWaitFor([&] { return world->topTable->isVisible(); }, Patience))
            << world->stateLabel->text().toStdString();
        for (int r = 0; r < world->topTable->rowCount(); ++r)
            rows << world->topTable->item(r, 0)->text() + " " + world->topTable->item(r, 1)->text() + " " +
                        world->topTable->item(r, 2)->text();
        rows << world->stateLabel->text();
        onNextModal<RecordingWindow>([&](RecordingWindow* replay) {
            replay->seek(replay->length());
            const RecordingPlayer& played = replay->player();
            watched = QStringLiteral("%1 at the end: %2, %3")
                          .arg(replay->status.score->text())
                          .arg(played.atEnd() && played.endConfirmed())
                          .arg(played.divergence().has_value());
            replay->accept();
        });
        QTest::keyClick(world->topTable, Qt::Key_Return);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !watched.isEmpty(); }, Patience));
        // A row whose game plays to another score, or a table of another set, shows no game.
        WorldTopTenWindow otherSet(window->world().client(), settings.worldAddress, QString(64, u'b'), program,
                                   nullptr);
        for (auto [shown, score] : {std::pair{world, 107}, {&otherSet, 106}}) {
            shown->showTop({QString(), 1, {WorldRow{1, 1, false, QStringLiteral("Ada"), {}, score, {}}}});  // game 1
            QString told;
            answerNextMessage(told);
            QTest::keyClick(shown->topTable, Qt::Key_Return);
            EXPECT_TRUE(QTest::qWaitFor([&] { return !told.isEmpty(); }, Patience));
            EXPECT_EQ(told, QStringLiteral("World Top Ten: The game the world table sent for this row does not play to "
                                           "its score of %1 in this set, so it is not shown.")
                                .arg(score));
        }
        world->accept();
    });
    window->actions().worldTopTen->trigger();
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows[0], "1. 106 Ada");
    EXPECT_TRUE(rows[1].startsWith("Games of this set on the world table: 1.")) << rows[1].toStdString();
    EXPECT_EQ(watched, "106 at the end: 1, 0") << "the row's game, played to its score";
}

// At the start only the game's own items leave the player's outbox, and only while the player
// sends games: nothing planted in the outbox or beside a set's table is read or sent, and nothing
// outside the outbox is written.
TEST_F(WorldTable, OnlyTheGamesOwnItemsLeaveTheOutbox)
{
    const QString address = QStringLiteral("127.0.0.1:1");  // nobody answers: whatever was sent stays for later
    const QByteArray body = sendBody(serverGame("played-3-levels"), 0, "Ada"), id(64, 'a');
    const QString old = QCryptographicHash::hash(body, QCryptographicHash::Sha256).toHex().left(32) + ".json";
    const QString secret = root.filePath("secret"), nowhere = root.filePath("nowhere"), set = root.filePath("set");
    const QString earlier = data + "/levels/outbox/";
    const QString item = data + "/outbox/" + QString::fromLatin1(id) + "/x.game";
    const auto own = [&] { return putInOutbox(data, id, body); };
    const auto outside = [&] {  // every file but the outbox's, with its bytes
        QStringList files;
        for (QDirIterator it(root.path(), QDir::Files | QDir::System, QDirIterator::Subdirectories); it.hasNext();)
            if (const QString f = it.next(); !f.startsWith(data + "/outbox") && !f.startsWith(earlier))
                files << f + readFile(f).toBase64();
        files.sort();
        return files;
    };
    using Settings = PlayerSettings;
    const std::tuple<const char*, std::function<void(Settings&)>, bool> rows[] = {
        {"an earlier version's item in the data folder", [&](Settings&) { writeFile(earlier + old, body); }, true},
        {"the switch off", [&](Settings& s) { s.sendTopTenGames = false, own(); }, false},
        {"an item linking to a private file", [&](Settings&) { QFile::link(secret, item); }, false},
        {"an item without the first line", [&](Settings&) { writeFile(item, body); }, false},
        {"an earlier version's item in the set's folder",
         [&](Settings& s) { s.levelSet = set, writeIslandSet(set, 1), writeFile(set + "/outbox/" + old, body); },
         false},
        {"an earlier version's item behind a linked folder in the data folder",
         [&](Settings&) { QFile::link(set, data + "/My Levels"), writeFile(set + "/outbox/" + old, body); }, false},
        {"a refusal linking nowhere", [&](Settings&) { QFile::link(nowhere, own().replace(".game", ".refused")); },
         false},
    };
    for (const auto& [what, plant, sends] : rows) {
        SCOPED_TRACE(what);
        window.reset();
        QDir(data).removeRecursively();
        QDir(set).removeRecursively();
        makeTree(root.path(), "data/levels/outbox/ set/outbox/ data/outbox/" + QString::fromLatin1(id) + "/");
        writeFile(secret, "pondrake-outbox 1\n" + body);
        Settings settings;
        settings.worldAddress = address, settings.sendTopTenGames = true;
        plant(settings);
        ASSERT_TRUE(QDir().mkpath(config) && writePlayerSettings(playerSettingsPath(config), settings));
        const QStringList before = outside();
        sitDown();
        EXPECT_EQ(window->world().outbox().busy(), sends) << "a game on its way, or none";
        EXPECT_TRUE(QTest::qWaitFor([&] { return !window->world().outbox().busy(); }, Patience));
        EXPECT_EQ(outside(), before);
    }
    // A refusal takes the place of a link at its name, and writes nothing where the link points.
    EXPECT_TRUE(refusedFromOutbox(own(), "No.") && outboxRefusal(own()) == "No.");
    EXPECT_FALSE(QFileInfo::exists(nowhere));
}

}  // namespace
