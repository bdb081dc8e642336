#include "tests/editor/EditorTestSupport.h"

#include "editor/SettingsPanel.h"

#include <QPushButton>
#include <QSlider>

namespace {

using EditorUndo = EditorTest;

QByteArray blankRows(int count)
{
    QByteArray rows;
    for (int i = 0; i < count; ++i)
        rows += "bbbbbbbbbbbbbbbbbbbb\r\n";
    return rows;
}

}  // namespace

TEST_F(EditorUndo, PlacementsAnOpenedLevelAndASettingUndoBackToTheEmptyBoardAndRedoAsMade)
{
    writeFile(QStringLiteral("levels/level3.txt"), "pond3.mid\r\n120\r\n800\r\n600\r\n" + blankRows(19) +
                                                        "ttbbbbbbbbbbbbbbbbbh\r\n");
    const std::vector<std::string> empty(BoardSize, std::string(BoardSize, 'b'));
    place("pictRock", {{0, 0}});
    place("pictWater", {{1, 0}});
    answerFileDialog(path(QStringLiteral("levels/level3.txt")));
    editor->mnuOpen->trigger();
    enter(editor->txtBonus, QStringLiteral("250"));
    const Board made = globals.board;
    ASSERT_EQ(made(19, 19), Tile::Hole);
    EXPECT_EQ(editor->mnuUndo->text(), QStringLiteral("&Undo Change Bonus"));

    editor->mnuUndo->trigger();
    EXPECT_EQ(editor->txtBonus->text(), QStringLiteral("120"));
    EXPECT_EQ(editor->sliderBonus->value(), 120);
    editor->mnuUndo->trigger();  // the opened level: board and settings together
    EXPECT_EQ(rowOf(globals.board, 0), "r$bbbbbbbbbbbbbbbbbb");
    EXPECT_EQ(rowOf(globals.board, 19), empty[19]);
    EXPECT_EQ(editor->frameControl->settings(), (LevelSettingsText{"", "100", "1500", "1000"}));
    EXPECT_EQ(editor->sliderTurtle->value(), 1500);
    editor->mnuUndo->trigger();
    editor->mnuUndo->trigger();
    EXPECT_EQ(rowsOf(globals.board), empty);
    EXPECT_FALSE(editor->mnuUndo->isEnabled());
    EXPECT_TRUE(editor->mnuRedo->isEnabled());

    for (int step = 0; step < 4; ++step)
        editor->mnuRedo->trigger();
    EXPECT_FALSE(editor->mnuRedo->isEnabled());
    EXPECT_EQ(globals.board, made);
    answerFileDialog(path(QStringLiteral("levels/made.txt")));
    editor->mnuSave->trigger();
    EXPECT_EQ(readFile(QStringLiteral("levels/made.txt")),
              "pond3.mid\r\n250\r\n800\r\n600\r\n" + blankRows(19) + "ttbbbbbbbbbbbbbbbbbh\r\n");
}

TEST_F(EditorUndo, ATestIsNoStepAndNothingDoneDuringItIsRecorded)
{
    place("pictTurtleLeft", {{3, 3}});
    editor->butTest->click();
    EXPECT_FALSE(editor->mnuUndo->isEnabled());
    editor->mnuNew->trigger();
    QTest::keyClick(editor->sliderDog, Qt::Key_End);
    editor->butTest->click();
    EXPECT_TRUE(editor->mnuUndo->isEnabled());
    EXPECT_FALSE(editor->mnuRedo->isEnabled());
    EXPECT_EQ(editor->document().history().count(), 1);
    EXPECT_EQ(editor->txtDog->text(), QStringLiteral("3000")) << "the change itself stays";
    editor->mnuUndo->trigger();
    EXPECT_EQ(globals.board(3, 3), Tile::Blank);

    // New Level outside a test is a step of its own.
    editor->mnuRedo->trigger();
    editor->mnuNew->trigger();
    EXPECT_EQ(globals.board(3, 3), Tile::Blank);
    editor->mnuUndo->trigger();
    EXPECT_EQ(globals.board(3, 3), Tile::TurtleLeft);
}

TEST_F(EditorUndo, OneDragOfASliderIsOneStepAndANewActionDropsTheRedoSteps)
{
    QSlider* slider = editor->sliderTurtle;
    for (int drag = 0; drag < 2; ++drag) {
        slider->setSliderDown(true);  // the designer takes the handle
        for (int value : {1400, 1100, 900})
            slider->setValue(value + 10 * drag);
        slider->setSliderDown(false);
    }
    EXPECT_EQ(editor->document().history().count(), 2);
    editor->mnuUndo->trigger();
    EXPECT_EQ(editor->txtTurtle->text(), QStringLiteral("900"));
    editor->mnuUndo->trigger();
    EXPECT_EQ(editor->txtTurtle->text(), QStringLiteral("1500"));
    EXPECT_EQ(slider->value(), 1500);

    editor->mnuRedo->trigger();
    place("pictHole", {{0, 0}});
    EXPECT_FALSE(editor->mnuRedo->isEnabled());
    place("pictHole", {{0, 0}});  // the cell holds a hole already: no step
    EXPECT_EQ(editor->document().history().count(), 2);

    // Two presses of Enter are two steps, not one.
    enter(editor->txtBonus, QStringLiteral("200"));
    enter(editor->txtBonus, QStringLiteral("300"));
    editor->mnuUndo->trigger();
    EXPECT_EQ(editor->txtBonus->text(), QStringLiteral("200"));
}

TEST_F(EditorUndo, TheKeysOfUndoAndRedo)
{
    editor->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(editor.get()));
    place("pictRock", {{2, 2}});
    QTest::keyClick(editor->pictMain, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(globals.board(2, 2), Tile::Blank);
    QTest::keyClick(editor->pictMain, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(globals.board(2, 2), Tile::Rock);
    QTest::keyClick(editor->pictMain, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(editor->pictMain, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(globals.board(2, 2), Tile::Rock);
}
