// A game played in the window as a player plays it: the computer player's commands given with the
// mouse on a wall moved by hand, through Fast Forward, a pause, High Scores and every window that
// holds the game, a level-over window left open a long while, and a close and Continue Game in a
// later sitting. Its replay must verify by the clock: the game records exactly what its clock did.
// With PONDRAKE_RECORD_GOLDEN=FILE the replay is also copied there (how
// tests/sim/replays/played-3-levels.replay is made).

#include "files/RecordingShelf.h"
#include "screens/LanguageDialog.h"
#include "screens/LevelSetDialog.h"
#include "screens/WorldTableDialog.h"
#include "screens/WorldTopTenWindow.h"
#include "sim/BotPlayer.h"
#include "sim/RecordingCheck.h"
#include "tests/support/GameWindowTest.h"
#include "ui/BoardPicture.h"

namespace {

// The shipped pack, whose first three levels the game plays.
class PlayedGame : public GameWindowTest {
protected:
    std::unique_ptr<BotPlayer> bot;

    void SetUp() override
    {
        QDir().mkpath(program + "/levels");
        for (Int16 n = 1; n <= 24; ++n)
            ASSERT_TRUE(
                QFile::copy(levelPathInSet(PONDRAKE_DATA_DIR "/levels", n), levelPathInSet(program + "/levels", n)));
    }

    void sitDownWithBot()
    {
        sitDown();
        bot = std::make_unique<BotPlayer>();  // its pace counts in this sitting's game time
    }

    // Plays on for ms of the wall: the alarm rings at each moment it is set for, and the player looks
    // after each ring and whenever it asked to, giving each command as a hand does: press on the
    // cell's middle, drag 20 pixels its way, release.
    void playFor(Millis ms)
    {
        static const std::map<DragDirection, QPoint> ways{{DragDirection::Left, {-20, 0}},
                                                          {DragDirection::Right, {20, 0}},
                                                          {DragDirection::Up, {0, -20}},
                                                          {DragDirection::Down, {0, 20}},
                                                          {DragDirection::None, {0, 0}}};
        WallClock& clock = window->clock();
        for (const Millis end = wall + ms;;) {
            while (const std::optional<Command> command = bot->decide(View{window->field(), clock.present()})) {
                const QPoint from(command->col * CellPixels + 17, command->row * CellPixels + 17);
                QTest::mousePress(window->board(), Qt::LeftButton, {}, from);
                QTest::mouseMove(window->board(), from + ways.at(command->direction));
                QTest::mouseRelease(window->board(), Qt::LeftButton, {}, from + ways.at(command->direction));
            }
            Millis next = clock.alarm().isActive() ? std::min(end, clock.wakesAt()) : end;
            if (const std::optional<SimTime> wake = bot->wakeAt(); wake && *wake > clock.present())
                next = std::min(next, wall + (*wake - clock.present() + clock.speed() - 1) / clock.speed());
            wall = std::max(wall, next);
            if (clock.alarm().isActive() && clock.wakesAt() <= wall)
                QMetaObject::invokeMethod(&clock.alarm(), "timeout");
            else if (wall >= end)
                return;
        }
    }

    // Plays until a level-over window has come and gone, left open for keepOpen ms of the wall.
    void playToLevelEnd(Millis keepOpen = 0)
    {
        bool over = false;
        onNextModal<LevelOverWindow>([this, keepOpen, &over](LevelOverWindow* window) {
            wall += keepOpen;
            over = true;
            window->accept();
        });
        for (int second = 0; !over; ++second) {
            ASSERT_LT(second, 3600) << "an hour of play without a level's end";
            playFor(1000);
        }
    }

    // A window of the player's open over the game for a while.
    template <class Dialog>
    void lookAt(QAction* opens, Millis open)
    {
        onNextModal<Dialog>([this, open](Dialog* dialog) {
            wall += open;
            dialog->reject();
        });
        opens->trigger();
    }
};

}  // namespace

TEST_F(PlayedGame, EveryGamePlayedInTheWindowVerifiesByTheClock)
{
    sitDownWithBot();
    window->actions().newGame->trigger();
    playToLevelEnd(60'000);  // a level-over window left open a minute

    // Level 2 through its countdown and at 2x, with every window that holds the game opened.
    lookAt<TopTenWindow>(window->actions().highScores, 3000);
    playFor(3500);
    window->actions().fastForward->trigger();
    playFor(4000);
    window->actions().pause->trigger();
    wall += 2500;
    window->actions().pause->trigger();
    playFor(1700);
    lookAt<LevelSetDialog>(window->actions().levelSet, 2100);
    lookAt<LanguageDialog>(window->actions().language, 1300);
    lookAt<WorldTableDialog>(window->actions().worldTable, 900);
    lookAt<WorldTopTenWindow>(window->actions().worldTopTen, 1100);
    playFor(2300);
    window->actions().fastForward->trigger();
    while (window->flow().levelNumber < 3)
        playToLevelEnd();

    // Level 3, left in the middle: continued in the next sitting from its start.
    playFor(9000);
    sitDownWithBot();
    window->actions().continueGame->trigger();
    while (window->flow().levelNumber < 4)
        playToLevelEnd();
    onNextModal<QMessageBox>([](QMessageBox* box) { box->button(QMessageBox::Yes)->click(); });
    enterName("Bot");
    window->actions().abortGame->trigger();

    const QString replay = lastRecordingPath(scores);
    const RecordingCheck check = checkRecording(replay, {}, program + "/levels");
    EXPECT_EQ(check.status, RecordingCheck::Matches) << check.json;
    const QString text = QString::fromUtf8(readFile(replay));
    for (const char* seen : {" highscores\n", " pause\n", " resume\n", " sitting ", " levelover 3 ", " answer yes\n"})
        EXPECT_TRUE(text.contains(QLatin1String(seen))) << seen;
    EXPECT_EQ(text.count(" window\n"), 4) << "Level Set..., Language..., World Table... and World Top Ten...";
    const QRegularExpressionMatch first = QRegularExpression(R"((\d+) levelover 1 [^\n]*\n(\d+) closed\n)").match(text);
    EXPECT_EQ(first.captured(2).toLongLong() - first.captured(1).toLongLong(), 60'000);
    if (const QByteArray golden = qgetenv("PONDRAKE_RECORD_GOLDEN"); !golden.isEmpty())
        writeFile(QString::fromLocal8Bit(golden), text.toUtf8());
}
