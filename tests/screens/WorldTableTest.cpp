// The game and the world table, as the player meets them, against a real pondrake-server on this
// machine with a scratch database: a game sent and its rank shown (a continued one too), a refusal kept, a game kept
// while the table is down and sent at the next start, and a world row watched with the keys.

#include "core/Random.h"
#include "files/LevelSet.h"
#include "files/PlayerSettings.h"
#include "files/ScoreFile.h"
#include "files/WorldOutbox.h"
#include "screens/LevelSetDialog.h"
#include "screens/frmGameOver.h"
#include "screens/frmLevel.h"
#include "screens/frmPondrake.h"
#include "screens/frmTopTen.h"
#include "screens/frmWorldTopTen.h"
#include "sim/RecordingPlayer.h"
#include "tests/server/ServerSupport.h"
#include "tests/support/WindowTestSupport.h"
#include "ui/RecordingWindow.h"
#include "ui/audio/AudioOutput.h"
#include "ui/audio/modSound.h"

#include <QTableWidget>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// A turtle with water on all four sides: saved at its first step, whichever way it faces.
QByteArray islandLevel()
{
    const QByteArray blank = "bbbbbbbbbbbbbbbbbbbb\r\n";
    return "pond1.mid\r\n100\r\n600\r\n400\r\nb$bbbbbbbbbbbbbbbbbb\r\n$t$bbbbbbbbbbbbbbbbb\r\nb$"
           "bbbbbbbbbbbbbbbbbb\r\n" +
           blank.repeated(17);
}

// Generous: the table plays each game through before it answers, on a machine shared by many.
constexpr int Patience = 30'000;

class WorldTable : public ::testing::Test {
protected:
    QTemporaryDir root;
    const QString program = root.filePath("program"), data = root.filePath("data"), config = root.filePath("config");
    const QString scores = ScoresPath(program);
    modGlobals globals;
    GameRandom random{5};
    AudioOutput audio;
    modSound sound{audio};
    std::unique_ptr<frmPondrake> window;

    void SetUp() override
    {
        QDir().mkpath(program + "/levels");
        for (int n = 1; n <= 2; ++n)
            writeFile(SetLevelPath(program + "/levels", Int16(n)), islandLevel());
    }

    // One sitting, with the table at this port (0: none set).
    void sitDown(int port)
    {
        window.reset();
        PlayerSettings settings = ReadPlayerSettings(PlayerSettingsPath(config));
        settings.worldAddress = port ? QStringLiteral("127.0.0.1:%1").arg(port) : QString();
        QDir().mkpath(config);
        ASSERT_TRUE(WritePlayerSettings(PlayerSettingsPath(config), settings));
        window = std::make_unique<frmPondrake>(globals, random, sound, program, scores);
        window->worldClient().setTimeLimits(Patience, Patience);
        window->usePlayerFolders(data, config);
        window->show();
    }

    // From the countdown's first second to the level's end: its window closes at once.
    void playLevel()
    {
        for (int second = 0; second <= 5; ++second)
            window->flow().apply({.kind = GameInput::Kind::Timer, .timer = GameTimer::CountDown});
        onNextModal<frmLevel>([](frmLevel* over) { over->accept(); });
        window->flow().apply({.kind = GameInput::Kind::Timer, .timer = GameTimer::Turtle});
    }

    // Plays the levels from where the game stands to its end, enters the name, answers the one
    // question when it is asked, and returns the top-ten window's world line once it has settled.
    std::string playIntoTopTen(int levels, const QString& name, std::optional<QMessageBox::StandardButton> answer)
    {
        QString line = QStringLiteral("(no line)");
        onNextModal<frmGameOver>([&](frmGameOver* over) {
            if (answer)
                onNextModal<QMessageBox>([&](QMessageBox* box) { box->button(*answer)->click(); });
            onNextModal<frmTopTen>([&](frmTopTen* topTen) {
                EXPECT_TRUE(QTest::qWaitFor(
                    [&] { return !topTen->lblWorld || topTen->lblWorld->text() != "Sending..."; }, Patience));
                if (topTen->lblWorld)
                    line = topTen->lblWorld->text();
                topTen->accept();
            });
            auto* text = over->findChild<QLineEdit*>("txtName");
            text->setText(name);
            QTest::keyClick(text, Qt::Key_Return);
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
    sitDown(server.port());
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
    EXPECT_EQ(rows, QStringList({"1. 106 Ada", "2. 106 Bo"}));
    EXPECT_EQ(watched, "106 at the end: 1, 0") << "the second row's game, played to its score";
}

TEST_F(WorldTable, AGameContinuedInALaterSittingIsSentWholeAndARefusalIsKeptAndNotSentAgain)
{
    RunningServer server({}, "world");
    ASSERT_NE(server.port(), 0) << server.log().toStdString();
    sitDown(server.port());
    window->mnuNew->trigger();
    playLevel();
    sitDown(server.port());  // the game is kept, and goes on in this sitting from level 2
    window->mnuContinue->trigger();
    EXPECT_EQ(playIntoTopTen(1, "Cy", QMessageBox::Yes), "Verified: rank 1 of 1");

    // A game that starts part way (one from before continued games carried their start) is refused.
    QFile part(QStringLiteral(PONDRAKE_TESTS_DIR "/server/games/bot-continued.replay"));
    ASSERT_TRUE(part.open(QIODevice::ReadOnly));
    ASSERT_FALSE(putInOutbox(scores, sendBody(part.readAll(), 0, "Cy")).isEmpty());
    sitDown(server.port());
    EXPECT_TRUE(QTest::qWaitFor([&] { return outboxItems(scores).isEmpty(); }, Patience)) << "sent once, not again";
    const QStringList refused = QDir(outboxFolder(scores)).entryList({"*.refused"});
    ASSERT_EQ(refused.size(), 1);
    const QByteArray reason = readFile(outboxFolder(scores) + "/" + refused[0]);
    EXPECT_TRUE(reason.startsWith("the replay starts at level 22")) << reason.toStdString();
}

TEST_F(WorldTable, AGameKeptWhileTheTableIsDownIsSentAtTheNextStart)
{
    // A port held but never listened on refuses every connection, and no other test can take it.
    const int held = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    ASSERT_EQ(::bind(held, reinterpret_cast<sockaddr*>(&address), length), 0);
    ASSERT_EQ(::getsockname(held, reinterpret_cast<sockaddr*>(&address), &length), 0);
    const int downPort = ntohs(address.sin_port);
    sitDown(downPort);
    window->mnuNew->trigger();
    EXPECT_EQ(playIntoTopTen(2, "Di", QMessageBox::Yes), "Saved; will send when the world table answers");
    ASSERT_EQ(outboxItems(scores).size(), 1);
    ::close(held);

    RunningServer server({}, "world");
    ASSERT_NE(server.port(), 0) << server.log().toStdString();
    sitDown(server.port());
    EXPECT_TRUE(QTest::qWaitFor([&] { return outboxItems(scores).isEmpty(); }, Patience)) << "sent at the start";
    QString state;
    onNextModal<frmWorldTopTen>([&](frmWorldTopTen* world) {
        EXPECT_TRUE(QTest::qWaitFor([&] { return world->grdTop->isVisible(); }, Patience));
        state = world->lblState->text();
        world->accept();
    });
    window->mnuWorldTopTen->trigger();
    EXPECT_TRUE(state.startsWith("Games of this set on the world table: 1.")) << state.toStdString();
}

TEST_F(WorldTable, WithoutAnAddressTheWorldTopTenSaysHowToSetOneUp)
{
    sitDown(0);
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
