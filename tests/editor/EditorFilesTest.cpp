#include "tests/editor/EditorTestSupport.h"

#include "editor/FileCommands.h"
#include "editor/SettingsPanel.h"

#include <QLabel>
#include <QPushButton>
#include <QSlider>

namespace {

using EditorFiles = EditorTest;

QByteArray blankRows(int count)
{
    QByteArray rows;
    for (int i = 0; i < count; ++i)
        rows += "bbbbbbbbbbbbbbbbbbbb\r\n";
    return rows;
}

const QByteArray OpenedLevel = "pond2.mid\r\n120\r\n800\r\n600\r\n"
                               "tbbbbbbbbbbbbbbbbbbr\r\n" +
                               blankRows(18) + "bbbbbbbbbbbbbbbbbbb$\r\n";

}  // namespace

TEST_F(EditorFiles, OpenLevelReadsTheBoardAndShowsTheFilesSettingsWithTheSlidersAtThem)
{
    writeFile(QStringLiteral("levels/level7.txt"), OpenedLevel);
    bool timersOffWhileAsking = false;
    onNextModal<QFileDialog>([&](QFileDialog* dialog) {
        timersOffWhileAsking = !editor->Timer1.isActive();
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Open Level"));
        EXPECT_EQ(QDir(dialog->directory()).canonicalPath(), QDir(path(QStringLiteral("levels"))).canonicalPath());
        dialog->selectFile(path(QStringLiteral("levels/level7.txt")));
        static_cast<QDialog*>(dialog)->accept();
    });
    random.script = {0.3};
    editor->mnuOpen->trigger();
    EXPECT_TRUE(timersOffWhileAsking);
    EXPECT_TRUE(editor->Timer1.isActive());
    EXPECT_EQ(rowOf(globals.board, 0), "wbbbbbbbbbbbbbbbbbbr");
    EXPECT_EQ(rowOf(globals.board, 19), "bbbbbbbbbbbbbbbbbbb$");
    EXPECT_EQ(editor->txtMusicFile->text(), QStringLiteral("pond2.mid"));
    EXPECT_EQ(editor->txtBonus->text(), QStringLiteral("120"));
    EXPECT_EQ(editor->txtTurtle->text(), QStringLiteral("800"));
    EXPECT_EQ(editor->txtDog->text(), QStringLiteral("600"));
    EXPECT_EQ(editor->lblTime->text(), QStringLiteral("120"));
    EXPECT_EQ(editor->sliderBonus->value(), 120);
    EXPECT_EQ(editor->sliderTurtle->value(), 800);
    EXPECT_EQ(editor->sliderDog->value(), 600);

    // A value outside a slider's range: the slider at its end, the box keeps the file's value.
    QByteArray slow = OpenedLevel;
    slow.replace("\r\n800\r\n", "\r\n5000\r\n");
    writeFile(QStringLiteral("slow.txt"), slow);
    editor->files().OpenLevelFile(path(QStringLiteral("slow.txt")));
    EXPECT_EQ(editor->sliderTurtle->value(), 3000);
    EXPECT_EQ(editor->txtTurtle->text(), QStringLiteral("5000"));
    EXPECT_EQ(editor->frameControl->settings().turtleInterval, QStringLiteral("5000"));
    QTest::keyClick(editor->sliderTurtle, Qt::Key_Left);
    EXPECT_EQ(editor->txtTurtle->text(), QStringLiteral("2900"));
    editor->mnuUndo->trigger();
    EXPECT_EQ(editor->txtTurtle->text(), QStringLiteral("5000")) << "undo gives back what the file held";
}

TEST_F(EditorFiles, AFileThatCannotBeOpenedChangesNothingAndOneThatStopsEarlySaysWhere)
{
    place("pictRock", {{0, 0}});
    editor->txtMusicFile->setText(QStringLiteral("mine.mid"));
    editor->txtDog->setText(QStringLiteral("abc"));
    const Board before = globals.board;
    globals.LevelMusic = "read.before.mid";  // a level the game read earlier must not show up

    QString message;
    readNextMessage(message);
    editor->files().OpenLevelFile(path(QStringLiteral("levels/nothing.txt")));
    EXPECT_TRUE(message.contains(QStringLiteral("could not be opened"))) << message.toStdString();
    EXPECT_EQ(globals.board, before);
    EXPECT_EQ(editor->txtMusicFile->text(), QStringLiteral("mine.mid"));
    EXPECT_EQ(editor->txtBonus->text(), QStringLiteral("100"));
    EXPECT_EQ(editor->txtDog->text(), QStringLiteral("abc"));
    EXPECT_EQ(editor->lblTime->text(), QStringLiteral("0"));

    // A number out of range on line 3: the music and the bonus are this file's, the rest stays.
    writeFile(QStringLiteral("fast.txt"), "new.mid\r\n90\r\n40000\r\n600\r\n" + blankRows(20));
    readNextMessage(message);
    editor->files().OpenLevelFile(path(QStringLiteral("fast.txt")));
    EXPECT_TRUE(message.contains(QStringLiteral("at line 3"))) << message.toStdString();
    EXPECT_EQ(editor->txtMusicFile->text(), QStringLiteral("new.mid"));
    EXPECT_EQ(editor->txtBonus->text(), QStringLiteral("90"));
    EXPECT_EQ(editor->txtTurtle->text(), QStringLiteral("1500"));
    EXPECT_EQ(editor->txtDog->text(), QStringLiteral("abc"));
    EXPECT_EQ(globals.board, before);

    // Two rows only: they replace the top of the board, the rows below stay.
    writeFile(QStringLiteral("short.txt"), "x.mid\r\n1\r\n2\r\n3\r\nhhhhhhhhhhhhhhhhhhhh\r\nhh\r\n");
    readNextMessage(message);
    editor->files().OpenLevelFile(path(QStringLiteral("short.txt")));
    EXPECT_TRUE(message.contains(QStringLiteral("at line 7"))) << message.toStdString();
    EXPECT_EQ(rowOf(globals.board, 0), std::string(20, 'h'));
    EXPECT_EQ(rowOf(globals.board, 1), "hh..................");
    EXPECT_EQ(rowOf(globals.board, 2), rowOf(before, 2));
    EXPECT_EQ(editor->txtDog->text(), QStringLiteral("3"));
}

TEST_F(EditorFiles, SaveLevelWritesEveryTurtleAsTAndTheFourTextsAsTyped)
{
    place("pictTurtleLeft", {{3, 0}, {0, 19}});
    place("pictDogSit", {{19, 0}});
    place("pictFootRight", {{5, 1}});
    globals.board(3, 0) = Tile::TurtleUp;  // as a test would have left it
    editor->txtMusicFile->setText(QStringLiteral("my song.mid"));
    enter(editor->txtBonus, QStringLiteral("250.5"));
    editor->txtTurtle->setText(QStringLiteral(" 800 "));
    editor->txtDog->setText(QStringLiteral("abc"));
    bool timersOffWhileAsking = false;
    onNextModal<QFileDialog>([&](QFileDialog* dialog) {
        timersOffWhileAsking = !editor->Timer1.isActive();
        dialog->selectFile(path(QStringLiteral("levels/mine")));
        static_cast<QDialog*>(dialog)->accept();
    });
    editor->mnuSave->trigger();
    EXPECT_TRUE(timersOffWhileAsking);
    EXPECT_TRUE(editor->Timer1.isActive());
    const QByteArray expected = "my song.mid\r\n250\r\n 800 \r\nabc\r\n"
                                "bbbtbbbbbbbbbbbbbbbk\r\n"
                                "bbbbb2bbbbbbbbbbbbbb\r\n" +
                                blankRows(17) + "tbbbbbbbbbbbbbbbbbbb\r\n";
    EXPECT_EQ(readFile(QStringLiteral("levels/mine.txt")), expected) << "a name without extension gets .txt";

    // Replacing a file is asked first; No keeps it.
    writeFile(QStringLiteral("levels/level1.txt"), "old");
    for (const auto answer : {QMessageBox::No, QMessageBox::Yes}) {
        answerFileDialog(path(QStringLiteral("levels/level1.txt")));
        onNextModal<QMessageBox>([answer](QMessageBox* box) {
            if (answer == QMessageBox::No)  // the dialog stays open for another name
                onNextModal<QFileDialog>([](QFileDialog* dialog) { dialog->reject(); });
            box->button(answer)->click();
        });
        editor->mnuSave->trigger();
        EXPECT_EQ(readFile(QStringLiteral("levels/level1.txt")), answer == QMessageBox::No ? "old" : expected);
    }
}

TEST_F(EditorFiles, AFailedSaveSaysSoAndLeavesTheOldFileAsItWas)
{
    // A name so long that no file beside it can be made: the new level cannot take its place.
    const QString name = QStringLiteral("levels/") + QString(250, u'x') + QStringLiteral(".txt");
    writeFile(name, "the old level");
    place("pictRock", {{0, 0}});
    answerFileDialog(path(name));
    QString message;
    onNextModal<QMessageBox>([&](QMessageBox* replace) {
        readNextMessage(message);
        replace->button(QMessageBox::Yes)->click();
    });
    editor->mnuSave->trigger();
    EXPECT_TRUE(message.contains(QStringLiteral("could not be saved"))) << message.toStdString();
    EXPECT_EQ(readFile(name), "the old level");
}

TEST_F(EditorFiles, OpenAndSaveEndARunningTestWithoutBringingBackThePlacedBoard)
{
    place("pictDogSit", {{4, 4}});
    globals.board(4, 4) = Tile::DogRight;  // a dog set walking
    editor->butTest->click();
    editor->test().TimerDog_Timer();
    ASSERT_EQ(globals.board(5, 4), Tile::DogRight);

    answerFileDialog(QString());  // cancelled
    editor->mnuOpen->trigger();
    EXPECT_TRUE(editor->EditMode());
    EXPECT_EQ(editor->butTest->text(), QStringLiteral("Test Level"));
    EXPECT_FALSE(editor->test().TimerDog.isActive());
    EXPECT_EQ(globals.board(5, 4), Tile::DogRight) << "the board as the test left it";

    editor->butTest->click();
    editor->test().TimerDog_Timer();
    answerFileDialog(path(QStringLiteral("levels/during.txt")));
    editor->mnuSave->trigger();
    EXPECT_TRUE(editor->EditMode());
    EXPECT_EQ(readFile(QStringLiteral("levels/during.txt")).split('\n').at(8), "bbbbbblbbbbbbbbbbbbb\r");
}

TEST_F(EditorFiles, TheMusicButtonKeepsOnlyTheChosenFilesName)
{
    QDir(folder.path()).mkpath(QStringLiteral("elsewhere"));
    writeFile(QStringLiteral("elsewhere/song.mid"), "MThd");
    onNextModal<QFileDialog>([&](QFileDialog* dialog) {
        EXPECT_EQ(dialog->nameFilters(), (QStringList{"Midi (*.mid *.rmi)", "MP3 (*.mp3)"}));
        dialog->selectFile(path(QStringLiteral("elsewhere/song.mid")));
        static_cast<QDialog*>(dialog)->accept();
    });
    editor->butMusic->click();
    EXPECT_EQ(editor->txtMusicFile->text(), QStringLiteral("song.mid"));
    answerFileDialog(QString());
    editor->butMusic->click();
    EXPECT_EQ(editor->txtMusicFile->text(), QStringLiteral("song.mid"));
    EXPECT_TRUE(editor->Timer1.isActive());
}
