#include "tests/editor/EditorTestSupport.h"

#include "tests/support/AudioTestSupport.h"

#include <QLabel>
#include <QPushButton>
#include <QSlider>

namespace {

using EditorTestMode = EditorTest;

// The k-th draw of a test's start gives the k-th turtle (columns first) this way.
constexpr double Left = 0.0, Right = 0.3, Up = 0.6, Down = 0.9;

}  // namespace

TEST_F(EditorTestMode, TestLevelTurnsThePlacedTurtlesAtRandomAndEndTestBringsThePlacedBoardBack)
{
    place("pictTurtleLeft", {{2, 0}, {0, 3}, {5, 5}, {2, 1}});
    const Board placed = globals.board;
    random.script = {Left, Right, Up, Down};  // scanned (0,3), (2,0), (2,1), (5,5)
    editor->butTest->click();
    EXPECT_FALSE(editor->EditMode());
    EXPECT_EQ(editor->butTest->text(), QStringLiteral("End Test"));
    EXPECT_EQ(globals.board(0, 3), Tile::TurtleLeft);
    EXPECT_EQ(globals.board(2, 0), Tile::TurtleRight);
    EXPECT_EQ(globals.board(2, 1), Tile::TurtleUp);
    EXPECT_EQ(globals.board(5, 5), Tile::TurtleDown);
    EXPECT_EQ(editor->test().TimerTurtle.interval(), 1500);
    EXPECT_EQ(editor->test().TimerDog.interval(), 1000);
    EXPECT_EQ(editor->test().TimerBonus.interval(), 1000);
    EXPECT_TRUE(editor->test().TimerDog.isActive());

    place("pictRock", {{9, 9}});
    EXPECT_EQ(globals.board(9, 9), Tile::Blank) << "a click places nothing during a test";
    editor->test().TimerTurtle_Timer();
    EXPECT_NE(globals.board, editor->test().SavedBoard());

    editor->butTest->click();
    EXPECT_TRUE(editor->EditMode());
    EXPECT_EQ(editor->butTest->text(), QStringLiteral("Test Level"));
    EXPECT_EQ(globals.board, placed);
    EXPECT_FALSE(editor->test().TimerBonus.isActive());

    // Again, from the same placed board, with new draws.
    random.script = {Down, Up, Right, Left};
    editor->butTest->click();
    EXPECT_EQ(globals.board(0, 3), Tile::TurtleDown);
    EXPECT_EQ(globals.board(5, 5), Tile::TurtleLeft);
    editor->butTest->click();
    EXPECT_EQ(globals.board, placed);
}

TEST_F(EditorTestMode, ASavedTurtleScoresOnePlusHalfTheBonusAndTheKthLossCostsTenTimesK)
{
    struct Case {
        const char* bonus;
        const char* score;
    };
    // Each test starts its count afresh, from the board as placed.
    place("pictTurtleLeft", {{0, 0}});
    place("pictWater", {{1, 0}});
    for (const Case c : {Case{"100", "51"}, Case{"5", "3"}, Case{"abc", "1"}}) {
        SCOPED_TRACE(c.bonus);
        editor->txtBonus->setText(QLatin1String(c.bonus));  // as typed, without Enter
        random.script = {Right};
        editor->butTest->click();
        EXPECT_EQ(editor->lblTime->text(), QLatin1String(c.bonus));
        fire(editor->test().TimerTurtle);
        EXPECT_EQ(editor->lblScore->text(), QLatin1String(c.score));
        EXPECT_EQ(editor->lblSaved->text(), QStringLiteral("1"));
        editor->butTest->click();
    }

    editor->mnuNew->trigger();
    place("pictTurtleLeft", {{0, 0}, {0, 2}});
    place("pictHole", {{1, 0}, {1, 2}});
    editor->txtBonus->setText(QStringLiteral("1"));
    for (const char* score : {"-30", "-10"}) {  // the second test loses only its first turtle
        random.script = {Right, Right};
        editor->butTest->click();
        if (QByteArray(score) == "-10")
            globals.board(0, 2) = Tile::Blank;
        fire(editor->test().TimerTurtle);
        EXPECT_EQ(editor->lblScore->text(), QLatin1String(score));
        editor->butTest->click();
    }
    EXPECT_EQ(editor->lblLost->text(), QStringLiteral("1"));

    // No turtle is left, and the test runs on: no level end, the bonus clock goes down to 0.
    random.script = {Right, Right};
    editor->butTest->click();
    fire(editor->test().TimerTurtle);
    fire(editor->test().TimerTurtle);
    EXPECT_EQ(QApplication::activeModalWidget(), editor.get());
    EXPECT_TRUE(editor->test().TimerTurtle.isActive());
    fire(editor->test().TimerBonus);
    fire(editor->test().TimerBonus);
    EXPECT_EQ(editor->lblTime->text(), QStringLiteral("0"));
    editor->butTest->click();
    EXPECT_EQ(editor->lblScore->text(), QStringLiteral("-30")) << "End Test leaves the test's last values";
}

TEST_F(EditorTestMode, TheTurtleAndDogSlidersChangeARunningTestsBeatAtOnce)
{
    editor->txtTurtle->setText(QStringLiteral("0"));  // typed without Enter: a beat that never ticks
    editor->txtDog->setText(QStringLiteral("1"));     // the shortest beat there is
    editor->butTest->click();
    EXPECT_FALSE(editor->test().TimerTurtle.isActive());
    EXPECT_TRUE(editor->test().TimerDog.isActive());
    QTest::keyClick(editor->sliderTurtle, Qt::Key_Home);
    EXPECT_TRUE(editor->test().TimerTurtle.isActive());
    EXPECT_EQ(editor->test().TimerTurtle.interval(), 50);
    enter(editor->txtDog, QStringLiteral("400"));
    EXPECT_EQ(editor->test().TimerDog.interval(), 400);
    enter(editor->txtBonus, QStringLiteral("300"));
    EXPECT_EQ(editor->test().TimerBonus.interval(), 1000) << "the bonus clock keeps its second";
    editor->butTest->click();
    QTest::keyClick(editor->sliderTurtle, Qt::Key_End);
    EXPECT_FALSE(editor->test().TimerTurtle.isActive()) << "outside a test the beats stay off";
}

TEST_F(EditorTestMode, TheGamesMouseCommandsSteerDuringATest)
{
    place("pictDogSit", {{4, 4}});
    editor->butTest->click();
    const QPoint dog(4 * 34 + 17, 4 * 34 + 17);
    QTest::mousePress(editor->pictMain, Qt::LeftButton, {}, dog);
    EXPECT_TRUE(editor->test().field().selection.SelectionActive);
    QTest::mouseMove(editor->pictMain, dog + QPoint(0, 40));
    QTest::mouseRelease(editor->pictMain, Qt::LeftButton, {}, dog + QPoint(0, 40));
    EXPECT_EQ(globals.board(4, 4), Tile::DogDown);
    fire(editor->test().TimerDog);
    EXPECT_EQ(globals.board(4, 5), Tile::DogDown);

    // Ending the test while the dog is held lets it go: edit mode shows no selection.
    QTest::mousePress(editor->pictMain, Qt::LeftButton, {}, dog + QPoint(0, 34));
    editor->butTest->click();
    EXPECT_FALSE(editor->test().field().selection.SelectionActive);
    QTest::mouseRelease(editor->pictMain, Qt::LeftButton, {}, dog + QPoint(0, 34));
}

TEST_F(EditorTestMode, NewLevelDuringATestEmptiesTheBoardTheTestRunsOnAndEndTestBringsThePlacedBoardBack)
{
    place("pictAlien", {{7, 7}});
    const Board placed = globals.board;
    editor->butTest->click();
    editor->mnuNew->trigger();
    EXPECT_EQ(rowOf(globals.board, 7), std::string(BoardSize, 'b'));
    EXPECT_FALSE(editor->EditMode());
    EXPECT_EQ(editor->butTest->text(), QStringLiteral("End Test"));
    EXPECT_TRUE(editor->test().TimerTurtle.isActive());
    editor->butTest->click();
    EXPECT_EQ(globals.board, placed);
}

TEST_F(EditorTestMode, TheMusicOfTheBoxLoopsDuringATestAndStopsAtEndTest)
{
    ASSERT_TRUE(writeWav(path(QStringLiteral("audio/song.wav")), 20000));
    ASSERT_TRUE(writeWav(path(QStringLiteral("outside.wav")), 20000));
    const auto mode = [&] { return editor->audio().mmcaudio().mode(); };

    editor->txtMusicFile->setText(QStringLiteral("song.wav"));
    editor->butTest->click();
    EXPECT_TRUE(eventually([&] { return mode() == MusicDevice::Mode::Playing; }));
    editor->butTest->click();
    EXPECT_EQ(mode(), MusicDevice::Mode::NotOpen);
    editor->audioMenu.mnuMusicAutoPlay->trigger();  // checking it in edit mode starts nothing
    editor->audioMenu.mnuMusicAutoPlay->trigger();
    EXPECT_EQ(mode(), MusicDevice::Mode::NotOpen);

    // A name with a folder in it is a missing piece, even when the file is there.
    editor->txtMusicFile->setText(QStringLiteral("../outside.wav"));
    editor->butTest->click();
    EXPECT_EQ(editor->audio().mmcaudio().FileName(), QString());
    EXPECT_EQ(mode(), MusicDevice::Mode::NotOpen);
}
