// The level editor used as a designer uses it: the palette and clicks on the board, typing into
// the boxes, tests of the level, its files, and undo.

#include "editor/frmEditor.h"
#include "core/Random.h"
#include "core/modGlobals.h"
#include "editor/CheckCommand.h"
#include "editor/FileCommands.h"
#include "editor/SettingBox.h"
#include "editor/SettingsPanel.h"
#include "sim/RecordingPlayer.h"
#include "tests/support/AudioTestSupport.h"
#include "tests/support/BoardText.h"
#include "tests/support/WindowTestSupport.h"
#include "ui/BoardPicture.h"
#include "ui/HelpWindow.h"
#include "ui/RecordingWindow.h"
#include "ui/audio/AudioOutput.h"
#include "ui/audio/modSound.h"

#include <QProgressDialog>
#include <QSignalSpy>
#include <QTextBrowser>
#include <QToolButton>

namespace {

// The k-th draw of a test's start turns the k-th turtle (columns first) this way.
constexpr double Left = 0.0, Right = 0.3, Up = 0.6, Down = 0.9;

const QByteArray Level7 = "pond2.mid\r\n120\r\n800\r\n600\r\n" + QByteArray("bbbbbbbbbbbbbbbbbbbb\r\n").repeated(19) +
                          "tbbbbbbbbbbbbbbbbbbh\r\n";

class Editor : public ::testing::Test {
protected:
    QTemporaryDir folder;
    modGlobals globals;
    SequenceRandom random{{}};  // each test gives the draws it needs
    AudioOutput output;
    modSound sound{output};
    frmEditor editor{globals, random, sound, folder.path()};

    // The editor's controls, by their names.
    template <class Control = QAction>
    Control* named(const char* name)
    {
        return editor.findChild<Control*>(QLatin1String(name));
    }
    BoardPicture* pictMain = named<BoardPicture>("pictMain");
    QPushButton* butTest = named<QPushButton>("butTest");
    QLineEdit *txtMusicFile = named<QLineEdit>("txtMusicFile"), *txtBonus = named<QLineEdit>("txtBonus"),
              *txtTurtle = named<QLineEdit>("txtTurtle"), *txtDog = named<QLineEdit>("txtDog");
    QSlider* sliderTurtle = named<QSlider>("sliderTurtle");
    QLabel *lblScore = named<QLabel>("lblScore"), *lblTime = named<QLabel>("lblTime"),
           *lblSaved = named<QLabel>("lblSaved");
    QAction *mnuNew = named("mnuNew"), *mnuOpen = named("mnuOpen"), *mnuSave = named("mnuSave"),
            *mnuCheck = named("mnuCheck"), *mnuExit = named("mnuExit"), *mnuUndo = named("mnuUndo"),
            *mnuRedo = named("mnuRedo");

    void SetUp() override
    {
        QDir(folder.path()).mkpath(QStringLiteral("levels"));
        QDir(folder.path()).mkpath(QStringLiteral("audio"));
        editor.show();
    }
    QString path(const char* name) const { return folder.filePath(QLatin1String(name)); }
    TestMode& test() { return editor.test(); }
    LevelSettingsText settings() { return named<SettingsPanel>("frameControl")->settings(); }
    void clickAt(QPoint at) { QTest::mouseClick(pictMain, Qt::LeftButton, {}, at); }
    void place(const char* picture, std::initializer_list<CellIndex> cells)
    {
        named<QToolButton>(picture)->click();
        for (const CellIndex cell : cells)
            clickAt({34 * cell.col + 17, 34 * cell.row + 17});
    }
    // A beat of the test's clock, without waiting for it.
    void fire(GameTimer timer) { test().timerFired(timer); }
    const Clock& beats() { return test().clock(); }
    static void enter(QLineEdit* box, const char* text)
    {
        box->clear();
        QTest::keyClicks(box, QLatin1String(text));
        QTest::keyClick(box, Qt::Key_Return);
    }
};

}  // namespace

TEST_F(Editor, TheLayoutAndThePanelRightOfTheColumnOnALandscapeScreenAndBelowTheBoardOtherwise)
{
    expectLayout(*named<SettingsPanel>("frameControl")->parentWidget(), "editor/layout.txt");  // on a square screen
    EXPECT_EQ(frmEditor::PanelPlace({1024, 768}), QPoint(774, 0));
    EXPECT_EQ(frmEditor::PanelPlace({800, 1280}), QPoint(0, 704));
}

TEST_F(Editor, AClickPlacesThePickedCodeInThePressCellAndAPointOnABorderGoesToTheEvenCell)
{
    for (int i = 0; i < int(StatusColumn::Palette.size()); ++i) {
        named<QToolButton>(StatusColumn::Palette[i].picture)->click();
        clickAt({34 * i + 17, 10});
    }
    clickAt({34, 40});  // between columns 0 and 1
    clickAt({68, 40});  // between columns 1 and 2
    EXPECT_EQ(rowsOf(globals.board)[0], "21$@bhrkabbbbbbbbbbb");
    EXPECT_EQ(rowsOf(globals.board)[1], "ababbbbbbbbbbbbbbbbb");
}

TEST_F(Editor, EnterSetsTheSliderToTheTypedNumberAndTheBoxFollowsOnlyWhenTheSliderMoves)
{
    using Case = std::tuple<QLineEdit*, const char*, int, const char*>;  // box, typed, slider, shown
    for (const auto& [box, typed, slider, shown] :
         {Case{txtBonus, "250.5", 250, "250"}, Case{txtTurtle, "1e3", 1000, "1000"},
          Case{txtTurtle, "1000.4", 1000, "1000.4"},  // the slider stands there already
          Case{txtTurtle, "5000", 3000, "3000"}, Case{txtDog, "abc", 50, "50"}}) {
        QSignalSpy returnPressed(box, &QLineEdit::returnPressed);
        enter(box, typed);
        EXPECT_EQ(returnPressed.count(), 0) << "the Enter key is swallowed";
        EXPECT_EQ(editor.findChild<QSlider*>("slider" + box->objectName().mid(3))->value(), slider) << typed;
        EXPECT_EQ(box->text(), QLatin1String(shown));
    }
}

// The program's own setting (open, undo) may be beyond the slider: the next move reports it as
// the setting before, so that undoing the move gives it back.
TEST(SettingBox, AfterTheProgramsOwnSettingTheSliderWritesItsValueAndReportsThatSettingAsBefore)
{
    QWidget panel;
    SettingBox box(&panel, {50, 3000, 100, 250, 100, QStringLiteral("1500")});
    QSignalSpy changed(&box, &SettingBox::changed);
    box.show(QStringLiteral("9000"));
    box.slider->setValue(700);
    EXPECT_EQ(QStringList({box.text->text(), changed.value(0).value(0).toString()}), QStringList({"700", "9000"}));
}

TEST_F(Editor, EachTestTurnsThePlacedTurtlesAfreshAndEndTestBringsThePlacedBoardBackEvenAfterNewLevel)
{
    place("pictTurtleLeft", {{2, 0}, {0, 3}, {5, 5}, {2, 1}});
    globals.board(20, 3) = globals.board(3, 20) = Tile::TurtleLeft;  // outside the play area
    const Board placed = globals.board;
    const auto at = [this](int col, int row) { return char(globals.board(col, row)); };
    const std::array timers{GameTimer::Turtle, GameTimer::Dog, GameTimer::Bonus};
    // The draws for (0,3), (2,0), (2,1) and (5,5); the ways of those four and of the two outside.
    for (const auto& [draws, ways] : {std::pair{std::vector{Left, Right, Up, Down}, "adwxaa"},
                                      std::pair{std::vector{Down, Up, Right, Left}, "xwdaaa"}}) {
        random = SequenceRandom(draws);
        butTest->click();
        EXPECT_EQ((std::string{at(0, 3), at(2, 0), at(2, 1), at(5, 5), at(20, 3), at(3, 20)}), ways);
        EXPECT_EQ(QList({beats().period(timers[0]), beats().period(timers[1]), beats().period(timers[2])}),
                  QList<Int16>({1500, 1000, 1000}));
        mnuNew->trigger();  // empties the board the test runs on, and is no step
        EXPECT_EQ(rowsOf(globals.board)[5], std::string(BoardSize, 'b'));
        for (const GameTimer timer : timers)
            EXPECT_TRUE(beats().isOn(timer));
        butTest->click();
        EXPECT_EQ(globals.board, placed);
        EXPECT_EQ(editor.document().history().count(), 4);
        EXPECT_TRUE(mnuUndo->isEnabled()) << "back in edit mode";
        for (const GameTimer timer : timers)
            EXPECT_FALSE(beats().isOn(timer));
    }
}

TEST_F(Editor, ASavedTurtleScoresOnePlusHalfTheBonusAndTheKthLossCostsTenTimesK)
{
    place("pictTurtleLeft", {{0, 0}, {0, 4}, {0, 6}});  // saved at the first beat, lost at the second and third
    place("pictWater", {{1, 0}});
    place("pictHole", {{2, 4}, {3, 6}});
    for (const auto& [bonus, scores] :
         {std::pair{"100", QStringList{"51", "41", "21"}}, std::pair{"5", QStringList{"3", "-7", "-27"}}}) {
        txtBonus->setText(QLatin1String(bonus));                        // as typed, without Enter
        random = SequenceRandom({Right, Right, Right, 0.5, 0.5, 0.5});  // then a roll for the sounds of each beat
        butTest->click();
        QStringList shown;
        for (int beat = 0; beat < 3; ++beat) {
            fire(GameTimer::Turtle);
            shown << lblScore->text();
        }
        EXPECT_EQ(shown, scores) << "each test counts afresh";
        EXPECT_EQ(QStringList({lblSaved->text(), named<QLabel>("lblLost")->text()}), QStringList({"1", "2"}));
        butTest->click();
    }
    mnuNew->trigger();  // counts afresh too
    EXPECT_EQ(QStringList({lblScore->text(), lblSaved->text()}), QStringList({"0", "0"}));
}

TEST_F(Editor, TheBeatsTheBonusClockAndTheMusicRunDuringATestAndStopAtItsEnd)
{
    writeFile(path("audio/song.wav"), "RIFF");
    txtMusicFile->setText(QStringLiteral("song.wav"));
    txtBonus->setText(QStringLiteral("1"));
    txtTurtle->setText(QStringLiteral("0"));  // typed without Enter: never ticks
    txtDog->setText(QStringLiteral("1"));     // the shortest beat there is
    place("pictAlien", {{5, 5}});
    random = SequenceRandom({0.6, 0.5});  // the alien hops right (keypad 6), then the beat's roll
    Millis wall = 0;                      // the test's clock on a wall of our own
    test().clock().setWall([&wall] { return wall; });
    butTest->click();
    EXPECT_NE(editor.audio().mmcaudio().mode(), MusicDevice::Mode::NotOpen);
    wall = 1;  // the dog's beat is due, and the turtle's 0 never
    ASSERT_TRUE(QMetaObject::invokeMethod(&test().clock().alarm(), "timeout"));
    EXPECT_EQ(rowOf(globals.board, 5).substr(5, 2), "b@");
    fire(GameTimer::Bonus);
    fire(GameTimer::Bonus);
    EXPECT_EQ(lblTime->text(), QStringLiteral("0")) << "the bonus clock stops at 0";
    QTest::keyClick(sliderTurtle, Qt::Key_Home);  // the sliders change the beats at once
    enter(txtDog, "400");
    EXPECT_EQ(beats().next()->timer, GameTimer::Turtle) << "the shortest beat now";
    EXPECT_EQ(QList({beats().period(GameTimer::Turtle), beats().period(GameTimer::Dog)}), QList<Int16>({50, 400}));
    EXPECT_EQ(settings(), (LevelSettingsText{"song.wav", "1", "50", "400"}));
    butTest->click();
    EXPECT_EQ(editor.audio().mmcaudio().mode(), MusicDevice::Mode::NotOpen);
}

TEST_F(Editor, EveryChangeUndoesBackToTheEmptyBoardAndRedoesToTheSameFileAndAFailedSaveLeavesTheOldOne)
{
    writeFile(path("levels/level7.txt"), Level7);
    place("pictRock", {{0, 0}, {0, 0}});  // the second click changes nothing: no step
    place("pictWater", {{1, 0}});
    txtDog->setText(QStringLiteral("abc"));  // typed without Enter: no step
    QString told;
    answerNextMessage(told);
    editor.files().OpenLevelFile(path("levels/nothing.txt"));  // changes nothing: no step
    EXPECT_TRUE(told.contains(QStringLiteral("could not be opened"))) << told.toStdString();
    random = SequenceRandom({Up});  // for the file's turtle
    editor.files().OpenLevelFile(path("levels/level7.txt"));
    sliderTurtle->setSliderDown(true);  // one drag is one step
    for (int value : {1400, 1100, 900})
        sliderTurtle->setValue(value);
    sliderTurtle->setSliderDown(false);
    enter(txtBonus, "250");
    enter(txtBonus, "300");
    ASSERT_EQ(editor.document().history().count(), 6);

    for (int step = 0; step < 3; ++step)
        mnuUndo->trigger();
    EXPECT_EQ(settings(), (LevelSettingsText{"pond2.mid", "120", "800", "600"}));  // as the file holds them
    EXPECT_EQ(
        QList({named<QSlider>("sliderBonus")->value(), sliderTurtle->value(), named<QSlider>("sliderDog")->value()}),
        QList({120, 800, 600}));
    mnuUndo->trigger();  // the opened level: board and settings together
    EXPECT_EQ(rowsOf(globals.board)[0], "r$bbbbbbbbbbbbbbbbbb");
    EXPECT_EQ(settings(), (LevelSettingsText{"", "100", "1500", "abc"}));
    mnuUndo->trigger();
    mnuUndo->trigger();
    EXPECT_EQ(rowsOf(globals.board), std::vector<std::string>(BoardSize, std::string(BoardSize, 'b')));

    for (int step = 0; step < 6; ++step)
        mnuRedo->trigger();
    txtDog->setText(QStringLiteral("abc"));  // saved as typed
    answerFileDialog(path("levels/made"));
    mnuSave->trigger();
    QByteArray made = Level7;  // every turtle saved as t, whichever way it looks
    EXPECT_EQ(readFile(path("levels/made.txt")), made.replace("120\r\n800\r\n600", "300\r\n900\r\nabc"));

    // A name so long that no file beside it can be made: the new level cannot take its place.
    const QString name = folder.filePath(QStringLiteral("levels/") + QString(250, u'x') + QStringLiteral(".txt"));
    writeFile(name, "the old level");
    answerFileDialog(name);
    onNextModal<QMessageBox>([&](QMessageBox* replace) {
        answerNextMessage(told);
        replace->button(QMessageBox::Yes)->click();
    });
    mnuSave->trigger();
    EXPECT_TRUE(told.contains(QStringLiteral("could not be saved"))) << told.toStdString();
    EXPECT_EQ(readFile(name), "the old level");
}

// Save Level and Open Level end a test and keep its board: one step, which undo takes back to the
// board as placed and redo brings forward again, so that the level saved after undo and redo is
// the same file byte for byte. The steps before the test stay in the history.
TEST_F(Editor, ATestEndedBySaveOrOpenKeepsItsBoardAsOneStepThatUndoAndRedoTakeBackAndForth)
{
    place("pictTurtleLeft", {{3, 3}});
    const Board placed = globals.board;
    random = SequenceRandom({Right, 0.5});  // the turtle's way, then the beat's roll
    butTest->click();
    fire(GameTimer::Turtle);
    QTest::mousePress(pictMain, Qt::LeftButton, {}, {34 * 4 + 17, 34 * 3 + 17});
    EXPECT_TRUE(test().field().selection.SelectionActive);
    answerFileDialog(path("levels/tested"));
    mnuSave->trigger();
    const Board tested = globals.board;
    EXPECT_EQ(rowOf(tested, 3).substr(3, 2), "bd");
    EXPECT_FALSE(test().field().selection.SelectionActive) << "it belonged to the test";
    EXPECT_FALSE(editor.document().isModified()) << "just saved";
    mnuUndo->trigger();
    EXPECT_EQ(rowsOf(globals.board), rowsOf(placed));
    EXPECT_TRUE(editor.document().isModified());
    mnuRedo->trigger();
    EXPECT_EQ(rowsOf(globals.board), rowsOf(tested));
    EXPECT_FALSE(editor.document().isModified()) << "back where it was saved";
    answerFileDialog(path("levels/again"));
    mnuSave->trigger();
    EXPECT_EQ(readFile(path("levels/again.txt")), readFile(path("levels/tested.txt")));
    txtDog->setText(QStringLiteral("700"));  // typed without Enter: no step, yet a change
    EXPECT_TRUE(editor.document().isModified());

    random = SequenceRandom({Down, 0.5});
    butTest->click();
    fire(GameTimer::Turtle);
    onNextModal<QFileDialog>([](QFileDialog* dialog) { dialog->reject(); });
    mnuOpen->trigger();
    EXPECT_EQ(rowOf(globals.board, 4).substr(4, 1), "x") << "as the test left it";
    EXPECT_EQ(editor.document().history().count(), 3);
    EXPECT_EQ(editor.document().history().text(0) + ", " + editor.document().history().text(2),
              QStringLiteral("Place Turtle, Keep Test Board"));
    mnuUndo->trigger();
    EXPECT_EQ(rowsOf(globals.board), rowsOf(tested));
    mnuUndo->trigger();
    EXPECT_EQ(rowsOf(globals.board), rowsOf(placed));
}

// A level file shows the settings it holds and no more: a file that stops early leaves the boxes
// after the line it stopped at as they were, one that cannot be opened leaves all four. Only a file
// read whole is the level as saved.
TEST_F(Editor, OpeningAFileShowsOnlyTheSettingsItHeldAndOnlyAWholeOneLeavesTheLevelUnmodified)
{
    using Case = std::tuple<QByteArray, LevelSettingsText, const char*>;  // the file; the boxes and the bonus after
    writeFile(path("levels/level7.txt"), Level7);
    random = SequenceRandom({Up});
    editor.files().OpenLevelFile(path("levels/level7.txt"));
    EXPECT_FALSE(editor.document().isModified());
    txtMusicFile->setText(QStringLiteral("mine.mid"));
    for (const auto& [bytes, boxes, bonus] :
         {Case{"", {"mine.mid", "120", "800", "600"}, "120"},
          Case{"a.mid\r\n50\r\n700\r\n400\r\n", {"a.mid", "50", "700", "400"}, "50"},
          Case{"b.mid\r\n60\r\n900\r\n", {"b.mid", "60", "900", "400"}, "60"},
          Case{"c.mid\r\n70\r\n", {"c.mid", "70", "900", "400"}, "70"}}) {
        QString told;
        answerNextMessage(told);
        if (bytes.isEmpty()) {  // no such file
            editor.files().OpenLevelFile(path("levels/none.txt"));
        } else {
            writeFile(path("levels/short.txt"), bytes);
            answerFileDialog(path("levels/short.txt"));
            mnuOpen->trigger();
        }
        EXPECT_EQ(settings(), boxes) << bytes.toStdString();
        EXPECT_EQ(lblTime->text(), QLatin1String(bonus));
        EXPECT_TRUE(editor.document().isModified());
    }
}

// Save Level offers level files first and never writes over a table of scores, whatever the
// case of its name, the folder it is in, a name the dialog completes, or a link that leads to it;
// the designer is told and the dialog stays open for another name. A name that only resembles
// the table's is a level like any other.
TEST_F(Editor, SaveLevelRefusesEveryNameOfAScoreTableAndLeavesItByteForByte)
{
    const QByteArray table = " 0 \r\n 120 \r\nKim\r\n";
    QDir(folder.path()).mkpath(QStringLiteral("elsewhere"));
    writeFile(path("levels/scores.txt"), table);
    writeFile(path("elsewhere/SCORES.TXT"), table);
    ASSERT_TRUE(QFile::link(path("levels/scores.txt"), path("levels/link.txt")));
    writeFile(path("levels/myscores.txt"), "an older level");
    place("pictRock", {{0, 0}});
    const struct {
        const char* name;  // as the designer gives it
        bool refused;
        const char* told;  // the refusal, or the question to replace a level, answered Yes
    } cases[] = {{"levels/scores.txt", true, "table of high scores"},
                 {"elsewhere/SCORES.TXT", true, "table of high scores"},
                 {"levels/Scores", true, "table of high scores"},
                 {"levels/link.txt", true, "table of high scores"},
                 {"levels/myscores.txt", false, "already exists"}};
    for (const auto& [name, refused, expected] : cases) {
        SCOPED_TRACE(name);
        QString told, filter;
        bool stillOpen = false;
        onNextModal<QFileDialog>([&, name = path(name)](QFileDialog* dialog) {
            filter = dialog->nameFilters().value(0);
            onNextModal<QMessageBox>([&told](QMessageBox* box) {
                told = box->text();
                if (QAbstractButton* yes = box->button(QMessageBox::Yes))
                    yes->click();
                else
                    box->reject();
            });
            dialog->selectFile(name);
            static_cast<QDialog*>(dialog)->accept();
            stillOpen = dialog->isVisible();
            if (stillOpen)
                dialog->reject();
        });
        mnuSave->trigger();
        EXPECT_EQ(filter, QStringLiteral("Level files (*.txt)"));
        EXPECT_EQ(stillOpen, refused);
        EXPECT_TRUE(told.contains(QLatin1String(expected))) << told.toStdString();
        EXPECT_EQ(readFile(path("levels/scores.txt")), table);
        EXPECT_EQ(readFile(path("elsewhere/SCORES.TXT")), table);
    }
    EXPECT_EQ(readFile(path("levels/Scores.txt")), "(missing)");
    EXPECT_TRUE(readFile(path("levels/myscores.txt")).contains("rbbbbbbbbbbbbbbbbbbb\r\n"));
}

TEST_F(Editor, HelpInstructionsOpenAtTheEditorsSectionInAWindowOverTheEditor)
{
    writeFile(path("instruct.html"), "<h1>Playing</h1>" + QByteArray("<p>On and on.</p>").repeated(200) +
                                         "<h2 id=\"editor\">Making levels</h2><p>Paint.</p>");
    named("mnuInstructions")->trigger();
    auto* help = editor.findChild<HelpWindow*>();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->browser()->source(), QUrl::fromLocalFile(path("instruct.html")).resolved(QUrl("#editor")));
}

// Save Level and a cancelled Open Level end a test and leave its board. The music plays on to the
// end of its pass and stops there; a test started while it still plays has music of its own.
TEST_F(Editor, AfterATestEndedBySaveOrOpenTheMusicEndsWithItsPassAndTheNextTestHasItsOwn)
{
    // Long enough for a file dialog to come and go within its first pass on a slow machine.
    ASSERT_TRUE(writeWav(path("audio/song.wav"), 1200));
    txtMusicFile->setText(QStringLiteral("song.wav"));
    txtTurtle->setText(QStringLiteral("0"));  // no beats: the tests take as long as they take
    txtDog->setText(QStringLiteral("0"));
    const MusicDevice& music = editor.audio().mmcaudio();
    const auto plays = [&] { return music.mode() == MusicDevice::Mode::Playing && !music.loadsPending(); };
    for (QAction* ending : {mnuSave, mnuOpen}) {
        for (const bool waitForTheEnd : {false, true}) {
            butTest->click();
            ASSERT_TRUE(eventually(plays));
            onNextModal<QFileDialog>([](QFileDialog* dialog) { dialog->reject(); });
            ending->trigger();
            ASSERT_TRUE(test().EditMode());
            EXPECT_TRUE(plays()) << "it plays on";
            if (waitForTheEnd) {
                EXPECT_TRUE(eventually([&] { return music.mode() == MusicDevice::Mode::NotOpen; }, 5000));
            }
            butTest->click();
            ASSERT_TRUE(eventually(plays));
            QCoreApplication::sendPostedEvents();  // the done event of a piece closed just now
            EXPECT_TRUE(plays()) << ending->text().toStdString() << " " << waitForTheEnd;
            butTest->click();
        }
    }
}

// The level is never set aside unsaved without the designer's word: Exit and the close box ask,
// and only Save that wrote the file or Discard let the editor close; the title names the file and
// marks unsaved changes, text typed without Enter being one. Ctrl+S saves, Ctrl+N starts anew.
TEST_F(Editor, ExitAndTheCloseBoxAskBeforeUnsavedWorkIsLostAndTheTitleNamesTheFile)
{
    // Answers the question with the button given if it is asked; nothing when it is not.
    const auto answer = [](QMessageBox::StandardButton button, QString& asked) {
        asked.clear();
        QTimer::singleShot(0, [button, &asked] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                asked = box->text();
                box->button(button)->click();
            }
        });
    };
    const auto title = [this] {
        return editor.windowTitle().replace(QStringLiteral("[*]"), editor.isWindowModified() ? "*" : "").toStdString();
    };
    QString asked;
    EXPECT_EQ(title(), "Level Editor - Untitled");
    answer(QMessageBox::Cancel, asked);
    mnuExit->trigger();
    QCoreApplication::processEvents();
    EXPECT_EQ(asked, QString()) << "nothing to lose";
    EXPECT_FALSE(editor.isVisible());

    editor.show();
    place("pictRock", {{2, 2}});
    EXPECT_EQ(title(), "Level Editor - Untitled*");
    const struct {
        QAction* exit;  // nullptr: the close box
        QMessageBox::StandardButton button;
        const char* savedAs;  // the file the save dialog is given; nullptr: the dialog is cancelled
        bool closed;
        const char* titleAfter;
    } cases[] = {{mnuExit, QMessageBox::Cancel, nullptr, false, "Level Editor - Untitled*"},
                 {nullptr, QMessageBox::Cancel, nullptr, false, "Level Editor - Untitled*"},
                 {nullptr, QMessageBox::Save, nullptr, false, "Level Editor - Untitled*"},
                 {mnuExit, QMessageBox::Save, "levels/level3.txt", true, "Level Editor - level3.txt"}};
    for (const auto& [exit, button, savedAs, closed, titleAfter] : cases) {
        SCOPED_TRACE(std::string(exit ? "Exit " : "close box ") + (savedAs ? savedAs : "-"));
        if (button == QMessageBox::Save && savedAs)
            answerFileDialog(path(savedAs));
        else if (button == QMessageBox::Save)
            onNextModal<QFileDialog>([](QFileDialog* dialog) { dialog->reject(); });
        answer(button, asked);
        exit ? exit->trigger() : (void)editor.close();
        EXPECT_EQ(asked, QStringLiteral("Save changes to this level?"));
        EXPECT_EQ(editor.isVisible(), !closed);
        EXPECT_EQ(rowOf(globals.board, 2)[2], 'r') << "the rock stays";
        EXPECT_EQ(title(), titleAfter);
    }
    EXPECT_TRUE(readFile(path("levels/level3.txt")).contains("bbrbbbbbbbbbbbbbbbbb\r\n"));

    editor.show();
    txtDog->setText(QStringLiteral("700"));  // typed without Enter
    EXPECT_EQ(title(), "Level Editor - level3.txt*");
    answer(QMessageBox::Discard, asked);
    editor.close();
    EXPECT_EQ(asked, QStringLiteral("Save changes to this level?"));
    EXPECT_FALSE(editor.isVisible());

    editor.show();
    editor.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&editor));
    answerFileDialog(path("levels/keys.txt"));
    QTest::keyClick(&editor, Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(readFile(path("levels/keys.txt"))
                    .endsWith("bbrbbbbbbbbbbbbbbbbb\r\n" + QByteArray("bbbbbbbbbbbbbbbbbbbb\r\n").repeated(17)));
    EXPECT_EQ(title(), "Level Editor - keys.txt");
    editor.activateWindow();  // back from the file dialog
    ASSERT_TRUE(QTest::qWaitForWindowActive(&editor));
    QTest::keyClick(&editor, Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(rowOf(globals.board, 2)[2], 'b');
    EXPECT_EQ(title(), "Level Editor - Untitled*");
}

// Check Level judges the level as it stands in the editor, saved or not, and as placed during a
// test; Cancel, or a test started, stops a check and leaves the editor as it was.
TEST_F(Editor, CheckLevelJudgesTheLevelAsItStandsAndACancelledCheckLeavesTheEditorAsItWas)
{
    const auto verdict = [this] {
        EXPECT_TRUE(eventually([this] { return editor.check().resultWindow() != nullptr; }, 60000));
        CheckLevelWindow* shown = editor.check().resultWindow();
        const QString text = shown ? shown->lblVerdict->text() : QString();
        if (shown)
            shown->close();
        QCoreApplication::processEvents();
        return text.toStdString();
    };
    place("pictTurtleLeft", {{1, 1}});
    place("pictWater", {{0, 1}, {2, 1}, {1, 0}, {1, 2}});
    answerFileDialog(path("levels/round.txt"));
    mnuSave->trigger();
    mnuCheck->trigger();
    ASSERT_TRUE(eventually([this] { return editor.check().resultWindow() != nullptr; }, 60000));
    QSignalSpy watching(&editor.check(), &CheckCommand::watching);
    editor.check().resultWindow()->butWatch->click();  // the computer player's game, recorded
    ASSERT_EQ(watching.count(), 1);
    auto* replay = qobject_cast<RecordingWindow*>(watching.front().front().value<QWidget*>());
    ASSERT_NE(replay, nullptr);
    EXPECT_EQ(replay->player().refusal(), std::nullopt) << "the level it watches is the one checked";
    EXPECT_GT(replay->length(), 0);
    replay->close();
    EXPECT_EQ(verdict(), "Plays itself");
    place("pictRock", {{0, 1}, {2, 1}, {1, 0}, {1, 2}});  // not saved
    mnuCheck->trigger();
    EXPECT_EQ(verdict(), "Cannot be passed: too few turtles can reach water");

    place("pictTurtleLeft", {{10, 10}});  // one of two turtles can reach the water: the other never ends
    place("pictWater", {{9, 10}});
    mnuCheck->trigger();
    EXPECT_EQ(verdict(), "Too hard for the computer player");
    std::vector<double> draws(50, 0.5);
    draws[0] = draws[1] = Left;
    random = SequenceRandom(draws);
    butTest->click();
    fire(GameTimer::Turtle);
    EXPECT_EQ(rowOf(globals.board, 10)[10], 'b') << "saved in the test";
    mnuCheck->trigger();
    EXPECT_EQ(verdict(), "Too hard for the computer player") << "the board as placed";
    butTest->click();

    // A turtle walled in and a quick beat: the level never ends, each run takes long.
    enter(txtTurtle, "1");
    const Board before = globals.board;
    const int steps = editor.document().history().count();
    for (const bool byTest : {false, true}) {
        mnuCheck->trigger();
        auto* progress = editor.findChild<QProgressDialog*>();
        ASSERT_NE(progress, nullptr);
        EXPECT_TRUE(progress->isVisible());
        EXPECT_TRUE(editor.check().running());
        if (byTest)
            butTest->click();
        else
            progress->findChild<QPushButton*>()->click();  // its Cancel
        EXPECT_FALSE(editor.check().running());
        EXPECT_FALSE(progress->isVisible());
        QTest::qWait(50);
        EXPECT_EQ(editor.check().resultWindow(), nullptr);
        if (byTest)
            butTest->click();
    }
    EXPECT_EQ(rowsOf(globals.board), rowsOf(before));
    EXPECT_EQ(editor.document().history().count(), steps);
}

// The keys play a test as they play a game, through the test's own field; once the test ends
// they leave the board alone and the cursor is gone.
TEST_F(Editor, DuringATestTheKeysCommandTheBoardAndAfterItTheyLeaveItAlone)
{
    place("pictTurtleLeft", {{0, 0}, {5, 5}});
    random = SequenceRandom({Right, Right});
    butTest->click();
    const auto framed = [&] { return pictMain->surface().pixel(2, 2) != pictMain->pictBackBuffer().pixel(2, 2); };
    QTest::keyClick(pictMain, Qt::Key_Tab);
    EXPECT_TRUE(framed());
    QTest::keyClick(pictMain, Qt::Key_Space);
    QTest::keyClick(pictMain, Qt::Key_Down);
    EXPECT_EQ(globals.board(0, 0), Tile::TurtleDown);
    QTest::keyClick(pictMain, Qt::Key_Tab);
    QTest::keyClick(pictMain, Qt::Key_Return);
    QTest::keyClick(pictMain, Qt::Key_Escape);
    EXPECT_FALSE(test().field().selection.SelectionActive);
    EXPECT_EQ(globals.board(5, 5), Tile::TurtleRight);
    EXPECT_TRUE(editor.isVisible()) << "Escape let go; it never closes the editor";

    butTest->click();
    EXPECT_FALSE(framed());
    for (const Qt::Key key : {Qt::Key_Tab, Qt::Key_Space, Qt::Key_Down})
        QTest::keyClick(pictMain, key);
    EXPECT_FALSE(framed());
    EXPECT_EQ(globals.board(0, 0), Tile::TurtleLeft) << "the placed board, untouched";
}
