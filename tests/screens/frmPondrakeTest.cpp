#include "screens/frmPondrake.h"

#include "core/Random.h"
#include "editor/frmEditor.h"
#include "screens/frmLevel.h"
#include "ui/AudioOutput.h"
#include "ui/BoardPicture.h"
#include "ui/modSound.h"
#include "tests/support/NextModal.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {

QByteArray levelText(const char* rows[], int count, const char* bonus = "100")
{
    QByteArray text = QByteArray("pond1.mid\r\n") + bonus + "\r\n600\r\n400\r\n";
    for (int i = 0; i < 20; ++i)
        text += QByteArray(i < count ? rows[i] : "bbbbbbbbbbbbbbbbbbbb") + "\r\n";
    return text;
}

class frmPondrakeTest : public ::testing::Test {
protected:
    QTemporaryDir folder;
    QTemporaryDir playerData;  // where this copy keeps its scores: not the program folder
    modGlobals globals;
    GameRandom random{5};
    AudioOutput audio;
    modSound sound{audio};
    std::unique_ptr<frmPondrake> window;

    void writeLevel(int n, QByteArray text)
    {
        QDir(folder.path()).mkpath(QStringLiteral("levels"));
        QFile file(folder.filePath(QStringLiteral("levels/level%1.txt").arg(n)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }

    void open()
    {
        window = std::make_unique<frmPondrake>(globals, random, sound, folder.path(), scoresPath());
        window->show();
    }

    QString scoresPath() const { return playerData.filePath(QStringLiteral("scores.txt")); }

    void countDown()
    {
        for (int i = 0; i < 6; ++i)
            window->flow().timerCountDown_Timer();
    }

    QStringList menuTexts() const
    {
        QStringList texts;
        for (QAction* bar : window->menuBar()->actions()) {
            texts << bar->text();
            if (bar->menu())
                for (QAction* item : bar->menu()->actions())
                    texts << QStringLiteral("  ") + item->text() + (item->isChecked() ? QStringLiteral(" [x]") : QString());
        }
        return texts;
    }
};

const char* OneTurtleAboveWater[] = {"bbbbbbbbbbbbbbbbbbbb", "btbbbbbbbbbbbbbbbbbb", "b$bbbbbbbbbbbbbbbbbb"};

}  // namespace

TEST_F(frmPondrakeTest, StartsIdleWithLevelOneShownAndTheMenusOfTheGame)
{
    writeLevel(1, levelText(OneTurtleAboveWater, 3));
    open();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Pondrake"));
    EXPECT_FALSE(window->butEndGame->isEnabled());
    EXPECT_FALSE(window->butReplay->isEnabled());
    EXPECT_EQ(window->butEndGame->text(), QStringLiteral("Abort Game"));
    EXPECT_EQ(window->butReplay->text(), QStringLiteral("Replay Level"));
    EXPECT_EQ(window->lblLevel->text(), QStringLiteral("1"));
    EXPECT_EQ(window->lblScore->text(), QStringLiteral("0"));
    EXPECT_FALSE(window->lblCountdown->isVisible());
    EXPECT_FALSE(window->timerCountDown.isActive());
    EXPECT_FALSE(window->TimerTurtle.isActive());
    EXPECT_TRUE(isTurtle(globals.board(1, 1)));
    EXPECT_EQ(menuTexts(), (QStringList{"&Game", "  &New Game", "  &Pause", "  &High Scores", "  E&xit", "&Audio",
                                        "  Music Auto-Play [x]", "  Music Stop", "  Sound Effects [x]", "Level Editor", "&Help",
                                        "  Instructions", "  About"}));
}

TEST_F(frmPondrakeTest, NewGameCountsDownAndStartsTheTimersWithTheLevelsPeriods)
{
    writeLevel(1, levelText(OneTurtleAboveWater, 3, "42"));
    open();
    window->mnuNew->trigger();
    EXPECT_TRUE(window->butEndGame->isEnabled());
    EXPECT_TRUE(window->lblCountdown->isVisible());
    EXPECT_EQ(window->lblCountdown->text(), QStringLiteral("5"));
    EXPECT_EQ(window->lblTime->text(), QStringLiteral("42"));
    EXPECT_TRUE(window->timerCountDown.isActive());
    EXPECT_EQ(window->timerCountDown.interval(), 1000);
    EXPECT_FALSE(window->TimerTurtle.isActive());

    for (int i = 0; i < 5; ++i)
        window->flow().timerCountDown_Timer();
    EXPECT_EQ(window->lblCountdown->text(), QStringLiteral("GO!"));
    EXPECT_EQ(window->lblCountdown->palette().color(QPalette::WindowText), QColor(0, 192, 0));
    window->flow().timerCountDown_Timer();
    EXPECT_FALSE(window->lblCountdown->isVisible());
    EXPECT_TRUE(window->TimerTurtle.isActive());
    EXPECT_EQ(window->TimerTurtle.interval(), 600);
    EXPECT_EQ(window->TimerDog.interval(), 400);
    EXPECT_EQ(window->TimerBonus.interval(), 1000);
}

TEST_F(frmPondrakeTest, ADragOnTheBoardSendsATurtleTheWayOfTheDrag)
{
    writeLevel(1, levelText(OneTurtleAboveWater, 3));
    open();
    const QPoint turtle(34 + 17, 34 + 17);
    window->flow().hold();  // a held game takes no commands
    QTest::mousePress(window->pictMain, Qt::LeftButton, {}, turtle);
    EXPECT_FALSE(window->field().selection.SelectionActive);
    QTest::mouseRelease(window->pictMain, Qt::LeftButton, {}, turtle);
    window->flow().release();
    QTest::mousePress(window->pictMain, Qt::LeftButton, {}, turtle);
    EXPECT_TRUE(window->field().selection.SelectionActive);
    QTest::mouseMove(window->pictMain, turtle + QPoint(30, 2));
    QTest::mouseRelease(window->pictMain, Qt::LeftButton, {}, turtle + QPoint(30, 2));
    EXPECT_FALSE(window->field().selection.SelectionActive);
    EXPECT_EQ(globals.board(1, 1), Tile::TurtleRight);
}

TEST_F(frmPondrakeTest, ALevelEndsWithTheLevelOverWindowAndTheGameIsWonWithoutANextLevel)
{
    const char* down[] = {"bbbbbbbbbbbbbbbbbbbb", "bxbbbbbbbbbbbbbbbbbb", "b$bbbbbbbbbbbbbbbbbb"};
    QByteArray text = levelText(down, 3, "10");
    text.replace("bxbb", "btbb");
    writeLevel(1, text);
    open();
    window->mnuNew->trigger();
    countDown();
    globals.board(1, 1) = Tile::TurtleDown;  // the loader drew a random way: make it head for the water

    QString shownLevel;
    QString topName;
    bool replayShown = true;
    onNextModal([&](QWidget* modal) {
        auto* level = qobject_cast<frmLevel*>(modal);
        ASSERT_NE(level, nullptr);
        shownLevel = level->lblLevel->text();
        replayShown = level->lblReplay->isVisible();
        level->Timer1_Timer();
        // Then the game-over window, where a name is typed, and the top ten that shows it.
        onNextModal([&](QWidget* gameOver) {
            onNextModal([&](QWidget* topTen) {
                topName = topTen->findChild<QLabel*>(QStringLiteral("lblScore0"))->text();
                topTen->close();
            });
            QTest::keyClicks(gameOver->findChild<QLineEdit*>(QStringLiteral("txtName")), QStringLiteral("Kim"));
            QTest::keyClick(gameOver->findChild<QLineEdit*>(QStringLiteral("txtName")), Qt::Key_Return);
        });
    });
    window->flow().TimerTurtle_Timer();
    EXPECT_EQ(shownLevel, QStringLiteral("Level 1 Over!"));
    EXPECT_FALSE(replayShown);
    EXPECT_EQ(window->lblScore->text(), QStringLiteral("8"));  // 3 + half of 10
    EXPECT_EQ(window->lblSaved->text(), QStringLiteral("1"));
    EXPECT_TRUE(window->flow().GameOver);
    EXPECT_FALSE(window->butReplay->isEnabled());
    EXPECT_TRUE(window->TimerTurtle.isActive());
    EXPECT_TRUE(window->TimerDog.isActive());

    // Both score windows use the score file the window was given.
    EXPECT_EQ(topName, QStringLiteral("Kim"));
    EXPECT_TRUE(QFile::exists(scoresPath()));
    EXPECT_FALSE(QFile::exists(folder.filePath(QStringLiteral("levels/scores.txt"))));
}

TEST_F(frmPondrakeTest, AbortAsksFirstAndNoKeepsTheGame)
{
    writeLevel(1, levelText(OneTurtleAboveWater, 3));
    open();
    window->mnuNew->trigger();
    QString question;
    onNextModal([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        question = box->windowTitle() + QStringLiteral(": ") + box->text();
        box->button(QMessageBox::No)->click();
    });
    window->butEndGame->click();
    EXPECT_EQ(question, QStringLiteral("Abort Pondrake: Abort current game?"));
    EXPECT_FALSE(window->flow().GameOver);
    EXPECT_TRUE(isTurtle(globals.board(1, 1)));
}

TEST_F(frmPondrakeTest, AZeroPeriodLeavesThatTimerSilent)
{
    QByteArray text = levelText(OneTurtleAboveWater, 3);
    text.replace("\r\n600\r\n400\r\n", "\r\n0\r\n-5\r\n");
    writeLevel(1, text);
    open();
    window->mnuNew->trigger();
    countDown();
    EXPECT_FALSE(window->TimerTurtle.isActive());
    EXPECT_FALSE(window->TimerDog.isActive());
    EXPECT_TRUE(window->TimerBonus.isActive());
}

TEST_F(frmPondrakeTest, PauseIsForARunningGameAndTurningToAnotherProgramPausesIt)
{
    writeLevel(1, levelText(OneTurtleAboveWater, 3));
    open();
    EXPECT_FALSE(window->mnuPause->isEnabled());
    window->applicationStateChanged(Qt::ApplicationInactive);
    EXPECT_FALSE(window->flow().paused()) << "no game runs";

    window->mnuNew->trigger();
    EXPECT_TRUE(window->mnuPause->isEnabled());
    window->applicationStateChanged(Qt::ApplicationInactive);
    EXPECT_TRUE(window->flow().paused());
    EXPECT_TRUE(window->mnuPause->isChecked());
    EXPECT_FALSE(window->timerCountDown.isActive());
    EXPECT_TRUE(window->timerCountDown.isHeld());
    // The board is dimmed under "Paused"; a blank cell in the corner shows it.
    const QRgb shown = window->pictMain->surface().pixel(5, 670);
    const QRgb composed = window->pictMain->pictBackBuffer().pixel(5, 670);
    EXPECT_LT(qGreen(shown), qGreen(composed) / 2);

    window->applicationStateChanged(Qt::ApplicationActive);
    EXPECT_TRUE(window->flow().paused()) << "it stays paused until the player resumes";
    window->mnuPause->trigger();
    EXPECT_FALSE(window->flow().paused());
    EXPECT_FALSE(window->mnuPause->isChecked());
    EXPECT_TRUE(window->timerCountDown.isActive());
    EXPECT_EQ(window->pictMain->surface().pixel(5, 670), composed);
}

TEST_F(frmPondrakeTest, TheLevelEditorCommandAsksDuringAGameAndLeavesTheShellIdleWithTheEditorsBoard)
{
    writeLevel(1, levelText(OneTurtleAboveWater, 3));
    open();
    EXPECT_EQ(window->mnuLevelEditor->menu(), nullptr) << "a command on the menu bar itself";
    window->mnuNew->trigger();
    QString question;
    onNextModal<QMessageBox>([&](QMessageBox* box) {
        question = box->windowTitle() + QStringLiteral(": ") + box->text();
        EXPECT_NE(box->button(QMessageBox::Ok), nullptr);
        box->button(QMessageBox::Cancel)->click();
    });
    window->mnuLevelEditor->trigger();
    EXPECT_EQ(question, QStringLiteral("Level Editor: This will abort your current game.  Continue?"));
    EXPECT_FALSE(window->flow().GameOver);
    EXPECT_TRUE(window->timerCountDown.isActive()) << "Cancel: the game goes on";

    QString editorTitle;
    bool editorModal = false;
    onNextModal<QMessageBox>([&](QMessageBox* box) {
        onNextModal<frmEditor>([&](frmEditor* editor) {
            editorTitle = editor->windowTitle();
            editorModal = editor->isModal();
            editor->Palette_Click(Tile::Rock);
            QTest::mouseClick(editor->pictMain, Qt::LeftButton, {}, QPoint(5, 5));
            editor->mnuExit->trigger();
        });
        box->button(QMessageBox::Ok)->click();
    });
    window->mnuLevelEditor->trigger();
    EXPECT_EQ(editorTitle, QStringLiteral("Level Editor"));
    EXPECT_TRUE(editorModal);
    EXPECT_TRUE(window->flow().GameOver);
    EXPECT_FALSE(window->butEndGame->isEnabled());
    for (const HoldableTimer* timer : {&window->timerCountDown, &window->TimerBonus, &window->TimerTurtle, &window->TimerDog})
        EXPECT_FALSE(timer->isActive());
    EXPECT_EQ(globals.board(0, 0), Tile::Rock) << "the shared board keeps what the editor left";
    EXPECT_EQ(globals.board(1, 1), Tile::Blank);
}

TEST_F(frmPondrakeTest, ALevelsMusicNameWithAFolderInItIsAMissingPiece)
{
    QByteArray text = levelText(OneTurtleAboveWater, 3);
    text.replace("pond1.mid", "../../outside.mid");
    writeLevel(1, text);
    open();
    window->mnuNew->trigger();
    EXPECT_EQ(window->audio().mmcaudio().FileName(), QString());
    writeLevel(1, levelText(OneTurtleAboveWater, 3));
    window->mnuNew->trigger();
    EXPECT_EQ(window->audio().mmcaudio().FileName(), folder.filePath(QStringLiteral("audio/pond1.mid")));
}
