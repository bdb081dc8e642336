// The game and the world table, as the player meets them, against a real pondrake-server on this
// machine with a scratch database: a game sent and its rank shown, and a world row watched with the
// keys. How the client takes every kind of answer (a refusal kept, no address set, a table that is
// down) is its own tests' work; continued games are the recorder's and the server's.

#include "files/PlayerSettings.h"
#include "files/WorldOutbox.h"
#include "screens/frmWorldTopTen.h"
#include "sim/RecordingPlayer.h"
#include "tests/server/ServerSupport.h"
#include "tests/support/GameWindowTest.h"
#include "ui/RecordingWindow.h"

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
    ASSERT_TRUE(WritePlayerSettings(PlayerSettingsPath(config), settings));
    sitDown([](frmPondrake& window) { window.worldClient().setTimeLimits(Patience, Patience); });

    // Played to its end, the game is sent once the player agrees; the top ten shows its rank.
    window->mnuNew->trigger();
    QString line = QStringLiteral("(no line)");
    onNextModal<QMessageBox>([](QMessageBox* box) { box->button(QMessageBox::Yes)->click(); });
    enterName("Ada", [&line](frmTopTen& topTen) {
        EXPECT_TRUE(
            QTest::qWaitFor([&] { return !topTen.lblWorld || topTen.lblWorld->text() != "Sending..."; }, Patience));
        if (topTen.lblWorld)
            line = topTen.lblWorld->text();
    });
    playLevel();
    playLevel();
    EXPECT_EQ(line, "Verified: rank 1 of 1");
    EXPECT_TRUE(outboxItems(scores).isEmpty());
    settings = ReadPlayerSettings(PlayerSettingsPath(config));
    EXPECT_TRUE(settings.sendTopTenGames && settings.worldAsked) << "asked once, and remembered";

    QStringList rows;
    QString watched;
    onNextModal<frmWorldTopTen>([&](frmWorldTopTen* world) {
        ASSERT_TRUE(QTest::qWaitFor([&] { return world->grdTop->isVisible(); }, Patience))
            << world->lblState->text().toStdString();
        for (int r = 0; r < world->grdTop->rowCount(); ++r)
            rows << world->grdTop->item(r, 0)->text() + " " + world->grdTop->item(r, 1)->text() + " " +
                        world->grdTop->item(r, 2)->text();
        rows << world->lblState->text();
        onNextModal<RecordingWindow>([&](RecordingWindow* replay) {
            replay->seek(replay->length());
            const RecordingPlayer& played = replay->player();
            watched = QStringLiteral("%1 at the end: %2, %3")
                          .arg(replay->status.score->text())
                          .arg(played.atEnd() && played.endConfirmed())
                          .arg(played.divergence().has_value());
            replay->accept();
        });
        QTest::keyClick(world->grdTop, Qt::Key_Return);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !watched.isEmpty(); }, Patience));
        world->accept();
    });
    window->mnuWorldTopTen->trigger();
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows[0], "1. 106 Ada");
    EXPECT_TRUE(rows[1].startsWith("Games of this set on the world table: 1.")) << rows[1].toStdString();
    EXPECT_EQ(watched, "106 at the end: 1, 0") << "the row's game, played to its score";
}

}  // namespace
