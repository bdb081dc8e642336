// The game and the world table, as the player meets them, against a real pondrake-server on this
// machine with a scratch database: a game sent and its rank shown (a continued one too), a refusal
// kept, and a world row watched with the keys. How the client takes every kind of answer, a table
// that is down among them, is its own tests' work.

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

class WorldTable : public GameWindowTest {
protected:
    void SetUp() override { writeIslandSet(program + "/levels", 2); }

    // One sitting, with the table at this port (0: none set).
    void sitDownWith(int port)
    {
        PlayerSettings settings = ReadPlayerSettings(PlayerSettingsPath(config));
        settings.worldAddress = port ? QStringLiteral("127.0.0.1:%1").arg(port) : QString();
        QDir().mkpath(config);
        ASSERT_TRUE(WritePlayerSettings(PlayerSettingsPath(config), settings));
        sitDown([](frmPondrake& window) { window.worldClient().setTimeLimits(Patience, Patience); });
    }

    // Plays the levels from where the game stands to its end, enters the name, answers the one
    // question when it is asked, and returns the top-ten window's world line once it has settled.
    std::string playIntoTopTen(int levels, const QString& name, std::optional<QMessageBox::StandardButton> answer)
    {
        QString line = QStringLiteral("(no line)");
        if (answer)
            onNextModal<QMessageBox>([answer](QMessageBox* box) { box->button(*answer)->click(); });
        enterName(name, [&line](frmTopTen& topTen) {
            EXPECT_TRUE(
                QTest::qWaitFor([&] { return !topTen.lblWorld || topTen.lblWorld->text() != "Sending..."; }, Patience));
            if (topTen.lblWorld)
                line = topTen.lblWorld->text();
        });
        for (int level = 0; level < levels; ++level)
            playLevel();
        return line.toStdString();
    }
};

TEST_F(WorldTable, AGameSentShowsItsRankAndAWorldRowOpenedByEnterPlaysIt)
{
    RunningServer server({}, "world");
    ASSERT_NE(server.port(), 0) << server.log().toStdString();
    sitDownWith(server.port());
    window->mnuNew->trigger();
    EXPECT_EQ(playIntoTopTen(2, "Ada", QMessageBox::Yes), "Verified: rank 1 of 1");
    EXPECT_TRUE(outboxItems(scores).isEmpty());
    const PlayerSettings settings = ReadPlayerSettings(PlayerSettingsPath(config));
    EXPECT_TRUE(settings.sendTopTenGames && settings.worldAsked) << "asked once, and remembered";

    // Asked no more: the next game goes at once.
    window->mnuNew->trigger();
    EXPECT_EQ(playIntoTopTen(2, "Bo", std::nullopt), "Verified: rank 2 of 2") << "equal scores rank by arrival";

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
        QTest::keyClick(world->grdTop, Qt::Key_Down);
        QTest::keyClick(world->grdTop, Qt::Key_Return);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !watched.isEmpty(); }, Patience));
        world->accept();
    });
    window->mnuWorldTopTen->trigger();
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ(rows.mid(0, 2), QStringList({"1. 106 Ada", "2. 106 Bo"}));
    EXPECT_TRUE(rows[2].startsWith("Games of this set on the world table: 2.")) << rows[2].toStdString();
    EXPECT_EQ(watched, "106 at the end: 1, 0") << "the second row's game, played to its score";
}

// The game is kept at the window's close and goes on from level 2 in the next sitting; a game in
// the outbox that the table refuses is sent at the start, once, and its refusal kept.
TEST_F(WorldTable, AGameContinuedInALaterSittingIsSentWholeAndARefusalIsKeptAndNotSentAgain)
{
    RunningServer server({}, "world");
    ASSERT_NE(server.port(), 0) << server.log().toStdString();
    sitDownWith(server.port());
    window->mnuNew->trigger();
    playLevel();
    sitDownWith(server.port());
    window->mnuContinue->trigger();
    EXPECT_EQ(playIntoTopTen(1, "Cy", QMessageBox::Yes), "Verified: rank 1 of 1");

    // A game that starts part way (one from before continued games carried their start) is refused.
    QFile part(QStringLiteral(PONDRAKE_TESTS_DIR "/server/games/bot-continued.replay"));
    ASSERT_TRUE(part.open(QIODevice::ReadOnly));
    ASSERT_FALSE(putInOutbox(scores, sendBody(part.readAll(), 0, "Cy")).isEmpty());
    sitDownWith(server.port());
    EXPECT_TRUE(QTest::qWaitFor([&] { return outboxItems(scores).isEmpty(); }, Patience)) << "sent once, not again";
    const QStringList refused = QDir(outboxFolder(scores)).entryList({"*.refused"});
    ASSERT_EQ(refused.size(), 1);
    const QByteArray reason = readFile(outboxFolder(scores) + "/" + refused[0]);
    EXPECT_TRUE(reason.startsWith("the replay starts at level 22")) << reason.toStdString();
}

TEST_F(WorldTable, WithoutAnAddressTheWorldTopTenSaysHowToSetOneUp)
{
    sitDownWith(0);
    QString state;
    onNextModal<frmWorldTopTen>([&](frmWorldTopTen* world) {
        state = world->lblState->text();
        world->accept();
    });
    window->mnuWorldTopTen->trigger();
    EXPECT_TRUE(state.startsWith("No world table is set up")) << state.toStdString();
    window->mnuNew->trigger();
    EXPECT_EQ(playIntoTopTen(2, "Ed", std::nullopt), "(no line)") << "nothing asked, nothing sent";
    EXPECT_FALSE(QDir(outboxFolder(scores)).exists());
}

}  // namespace
