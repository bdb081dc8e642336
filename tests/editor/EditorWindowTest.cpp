// The level editor used as a designer uses it: the palette and clicks on the board, typing into
// the boxes, tests of the level, its files, and undo.

#include "editor/EditorWindow.h"
#include "core/Level.h"
#include "core/Random.h"
#include "editor/CheckCommand.h"
#include "editor/FileCommands.h"
#include "editor/LevelDialogs.h"
#include "editor/PanelRule.h"
#include "editor/PublishCommand.h"
#include "editor/SettingsPanel.h"
#include "editor/StatusColumn.h"
#include "files/LevelFile.h"
#include "sim/RecordingPlayer.h"
#include "tests/support/AudioTestSupport.h"
#include "tests/support/BoardText.h"
#include "tests/support/CannedServer.h"
#include "tests/support/WindowTestSupport.h"
#include "ui/BoardPicture.h"
#include "ui/RecordingWindow.h"
#include "ui/audio/AudioOutput.h"
#include "ui/audio/SoundEffects.h"
#include "ui/net/WorldClient.h"

#include <QProgressDialog>
#include <QSignalSpy>
#include <QToolButton>

namespace {

// The k-th draw of a test's start turns the k-th turtle (columns first) this way.
constexpr double Left = 0.0, Right = 0.3, Up = 0.6, Down = 0.9;

const Board Level7Board = boardFromText("19:tbbbbbbbbbbbbbbbbbbh");
const QByteArray Level7 = levelFileBytes({"pond2.mid", "120", "800", "600"}, Level7Board);

class Editor : public ::testing::Test {
protected:
    QTemporaryDir folder;
    Level level;
    SequenceRandom random{{}};  // each test gives the draws it needs
    AudioOutput output;
    SoundEffects sound{output};
    EditorWindow editor{level, random, sound, folder.path()};

    // The editor's controls, by their names.
    template <class Control = QAction>
    Control* named(const char* name)
    {
        return editor.findChild<Control*>(QLatin1String(name));
    }
    BoardPicture* board = named<BoardPicture>("board");
    QPushButton* testButton = named<QPushButton>("testButton");
    QLineEdit *musicFileEdit = named<QLineEdit>("musicFileEdit"), *bonusEdit = named<QLineEdit>("bonusEdit"),
              *turtleEdit = named<QLineEdit>("turtleEdit"), *dogEdit = named<QLineEdit>("dogEdit");
    QSlider* turtleSlider = named<QSlider>("turtleSlider");
    QLabel *timeLabel = named<QLabel>("timeLabel"), *savedLabel = named<QLabel>("savedLabel");
    QAction *newAction = named("newAction"), *openAction = named("openAction"), *saveAction = named("saveAction"),
            *checkAction = named("checkAction"), *exitAction = named("exitAction"), *undoAction = named("undoAction"),
            *redoAction = named("redoAction");

    void SetUp() override
    {
        QDir(folder.path()).mkpath(QStringLiteral("levels"));
        QDir(folder.path()).mkpath(QStringLiteral("audio"));
        editor.show();
    }
    QString path(const char* name) const { return folder.filePath(QLatin1String(name)); }
    TestMode& test() { return editor.test(); }
    LevelTexts settings() { return named<SettingsPanel>("settingsPanel")->settings(); }
    void clickAt(QPoint at) { QTest::mouseClick(board, Qt::LeftButton, {}, at); }
    void place(const char* picture, std::initializer_list<CellIndex> cells)
    {
        named<QToolButton>(picture)->click();
        for (const CellIndex cell : cells)
            clickAt({34 * cell.col + 17, 34 * cell.row + 17});
    }
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
    expectLayout(*named<SettingsPanel>("settingsPanel")->parentWidget(), "editor/layout.txt");  // on a square screen
    EXPECT_EQ(PanelRule::panelPlace({1024, 768}), QPoint(774, 0));
    EXPECT_EQ(PanelRule::panelPlace({800, 1280}), QPoint(0, 704));
}

TEST_F(Editor, AClickPlacesThePickedCodeInThePressCellAndAPointOnABorderGoesToTheEvenCell)
{
    for (int i = 0; i < int(StatusColumn::Palette.size()); ++i) {
        named<QToolButton>(StatusColumn::Palette[i].name)->click();
        clickAt({34 * i + 17, 10});
    }
    clickAt({34, 40});  // between columns 0 and 1
    clickAt({68, 40});  // between columns 1 and 2
    EXPECT_EQ(rowsOf(level.board)[0], "21$@bhrkabbbbbbbbbbb");
    EXPECT_EQ(rowsOf(level.board)[1], "ababbbbbbbbbbbbbbbbb");
}

// Enter sets the slider to the typed number and is swallowed; the box follows only when the
// slider moves.
TEST_F(Editor, EnterSetsTheSliderToTheTypedNumberAndTheBoxFollowsOnlyWhenTheSliderMoves)
{
    using Case = std::tuple<QLineEdit*, const char*, int, const char*>;  // box, typed, slider, shown
    for (const auto& [box, typed, slider, shown] :
         {Case{bonusEdit, "250.5", 250, "250"}, Case{turtleEdit, "1e3", 1000, "1000"},
          Case{turtleEdit, "1000.4", 1000, "1000.4"},  // the slider stands there already
          Case{turtleEdit, "5000", 3000, "3000"}, Case{dogEdit, "abc", 50, "50"}}) {
        QSignalSpy returnPressed(box, &QLineEdit::returnPressed);
        enter(box, typed);
        EXPECT_EQ(returnPressed.count(), 0) << "the Enter key is swallowed";
        EXPECT_EQ(editor.findChild<QSlider*>(box->objectName().chopped(4) + "Slider")->value(), slider) << typed;
        EXPECT_EQ(box->text(), QLatin1String(shown));
    }
}

TEST_F(Editor, EachTestTurnsThePlacedTurtlesAfreshAndEndTestBringsThePlacedBoardBackEvenAfterNewLevel)
{
    place("turtleButton", {{2, 0}, {0, 3}, {5, 5}, {2, 1}});
    level.board(20, 3) = level.board(3, 20) = Tile::TurtleLeft;  // outside the play area
    const Board placed = level.board;
    const auto at = [this](int col, int row) { return char(level.board(col, row)); };
    const std::array timers{GameTimer::Turtle, GameTimer::Dog, GameTimer::Bonus};
    // The draws for (0,3), (2,0), (2,1) and (5,5); the ways of those four and of the two outside.
    for (const auto& [draws, ways] : {std::pair{std::vector{Left, Right, Up, Down}, "adwxaa"},
                                      std::pair{std::vector{Down, Up, Right, Left}, "xwdaaa"}}) {
        random = SequenceRandom(draws);
        testButton->click();
        EXPECT_EQ((std::string{at(0, 3), at(2, 0), at(2, 1), at(5, 5), at(20, 3), at(3, 20)}), ways);
        newAction->trigger();  // empties the board the test runs on, and is no step
        EXPECT_EQ(rowsOf(level.board)[5], std::string(BoardSize, 'b'));
        testButton->click();
        EXPECT_EQ(level.board, placed);
        EXPECT_EQ(editor.document().history().count(), 4);
        for (const GameTimer timer : timers)
            EXPECT_FALSE(beats().isOn(timer));
    }
}

TEST_F(Editor, TheBeatsAndTheMusicRunDuringATestAndStopAtItsEnd)
{
    writeFile(path("audio/song.wav"), "RIFF");
    musicFileEdit->setText(QStringLiteral("song.wav"));
    bonusEdit->setText(QStringLiteral("1"));
    turtleEdit->setText(QStringLiteral("0"));  // typed without Enter: never ticks
    dogEdit->setText(QStringLiteral("1"));     // the shortest beat there is
    place("alienButton", {{5, 5}});
    random = SequenceRandom({0.6, 0.5});  // the alien hops right (keypad 6), then the beat's roll
    Millis wall = 0;                      // the test's clock on a wall of our own
    test().clock().setWall([&wall] { return wall; });
    testButton->click();
    EXPECT_NE(editor.audio().musicDevice().mode(), MusicDevice::Mode::NotOpen);
    wall = 1;  // the dog's beat is due, and the turtle's 0 never
    ASSERT_TRUE(QMetaObject::invokeMethod(&test().clock().alarm(), "timeout"));
    EXPECT_EQ(rowOf(level.board, 5).substr(5, 2), "b@");
    QTest::keyClick(turtleSlider, Qt::Key_Home);  // the sliders change the beats at once
    enter(dogEdit, "400");
    EXPECT_EQ(beats().next()->timer, GameTimer::Turtle) << "the shortest beat now";
    EXPECT_EQ(QList({beats().period(GameTimer::Turtle), beats().period(GameTimer::Dog)}), QList<Int16>({50, 400}));
    EXPECT_EQ(settings(), (LevelTexts{"song.wav", "1", "50", "400"}));
    testButton->click();
    EXPECT_EQ(editor.audio().musicDevice().mode(), MusicDevice::Mode::NotOpen);
}

// Save Level ends a test and leaves its music to the end of its pass, where it stops.
TEST_F(Editor, AfterATestEndedBySaveTheMusicStopsWhereItsPassEnds)
{
    ASSERT_TRUE(writeWav(path("audio/song.wav"), 1000));
    musicFileEdit->setText(QStringLiteral("song.wav"));
    const MusicDevice& music = editor.audio().musicDevice();
    testButton->click();
    ASSERT_TRUE(eventually([&] { return music.mode() == MusicDevice::Mode::Playing && !music.loadsPending(); }));
    onNextModal<QFileDialog>([](QFileDialog* dialog) { dialog->reject(); });
    saveAction->trigger();
    ASSERT_TRUE(test().editMode());
    EXPECT_TRUE(eventually([&] { return music.mode() == MusicDevice::Mode::NotOpen; }, 20000));
}

// Every change is a step, back to the empty board, and redo gives the same file again. A level
// file shows the settings it holds and no more: a file that stops early leaves the boxes after the
// line it stopped at as they were, one that cannot be opened leaves all four and is told. Only a
// file read whole is the level as saved.
TEST_F(Editor, EveryChangeUndoesBackToTheEmptyBoardAndOpeningAFileShowsOnlyTheSettingsItHeld)
{
    writeFile(path("levels/level7.txt"), Level7);
    place("rockButton", {{0, 0}, {0, 0}});  // the second click changes nothing: no step
    place("waterButton", {{1, 0}});
    dogEdit->setText(QStringLiteral("abc"));  // typed without Enter: no step
    random = SequenceRandom({Up});            // for the file's turtle
    editor.files().openLevelFile(path("levels/level7.txt"));
    EXPECT_FALSE(editor.document().isModified());
    turtleSlider->setSliderDown(true);  // one drag is one step
    for (int value : {1400, 1100, 900})
        turtleSlider->setValue(value);
    turtleSlider->setSliderDown(false);
    enter(bonusEdit, "250");
    enter(bonusEdit, "300");
    ASSERT_EQ(editor.document().history().count(), 6);

    for (int step = 0; step < 3; ++step)
        undoAction->trigger();
    EXPECT_EQ(settings(), (LevelTexts{"pond2.mid", "120", "800", "600"}));  // as the file holds them
    EXPECT_EQ(turtleSlider->value(), 800);
    undoAction->trigger();  // the opened level: board and settings together
    EXPECT_EQ(rowsOf(level.board)[0], "r$bbbbbbbbbbbbbbbbbb");
    EXPECT_EQ(settings(), (LevelTexts{"", "100", "1500", "abc"}));
    undoAction->trigger();
    EXPECT_TRUE(undoAction->text().startsWith("&Undo Place ")) << undoAction->text().toStdString();
    undoAction->trigger();
    EXPECT_EQ(rowsOf(level.board), rowsOf(boardFromText("")));
    EXPECT_EQ(undoAction->text(), "&Undo");
    EXPECT_TRUE(redoAction->text().startsWith("&Redo Place ")) << redoAction->text().toStdString();

    for (int step = 0; step < 6; ++step)
        redoAction->trigger();
    dogEdit->setText(QStringLiteral("abc"));  // saved as typed
    answerFileDialog(path("levels/made"));
    saveAction->trigger();
    EXPECT_EQ(readFile(path("levels/made.txt")), levelFileBytes({"pond2.mid", "300", "900", "abc"}, Level7Board));

    using Case = std::tuple<QByteArray, LevelTexts, const char*>;  // the file; the boxes and the bonus after
    QString told;
    musicFileEdit->setText(QStringLiteral("mine.mid"));
    for (const auto& [bytes, boxes, bonus] :
         {Case{"", {"mine.mid", "300", "900", "abc"}, "120"},  // the bonus of the last file read
          Case{"a.mid\r\n50\r\n700\r\n400\r\n", {"a.mid", "50", "700", "400"}, "50"},
          Case{"b.mid\r\n60\r\n900\r\n", {"b.mid", "60", "900", "400"}, "60"},
          Case{"c.mid\r\n70\r\n", {"c.mid", "70", "900", "400"}, "70"}}) {
        answerNextMessage(told);
        if (bytes.isEmpty()) {  // no such file
            editor.files().openLevelFile(path("levels/none.txt"));
            EXPECT_TRUE(told.contains(QStringLiteral("could not be opened"))) << told.toStdString();
        } else {
            writeFile(path("levels/short.txt"), bytes);
            answerFileDialog(path("levels/short.txt"));
            openAction->trigger();
        }
        EXPECT_EQ(settings(), boxes) << bytes.toStdString();
        EXPECT_EQ(timeLabel->text(), QLatin1String(bonus));
        EXPECT_TRUE(editor.document().isModified());
    }
}

// Save Level ends a test and keeps its board (Open Level goes the same way): one step, which undo
// takes back to the board as placed and redo brings forward again. The steps before the test stay.
TEST_F(Editor, ATestEndedBySaveOrOpenKeepsItsBoardAsOneStepThatUndoAndRedoTakeBackAndForth)
{
    place("turtleButton", {{3, 3}});
    const Board placed = level.board;
    random = SequenceRandom({Right, 0.5});  // the turtle's way, then the beat's roll
    testButton->click();
    test().apply({.kind = GameInput::Kind::Timer, .timer = GameTimer::Turtle});  // a beat, without waiting
    QTest::mousePress(board, Qt::LeftButton, {}, {34 * 4 + 17, 34 * 3 + 17});
    EXPECT_TRUE(test().field().selection.selectionActive);
    answerFileDialog(path("levels/tested"));
    saveAction->trigger();
    const Board tested = level.board;
    EXPECT_EQ(rowOf(tested, 3).substr(3, 2), "bd");
    EXPECT_FALSE(test().field().selection.selectionActive) << "it belonged to the test";
    EXPECT_FALSE(editor.document().isModified()) << "just saved";
    EXPECT_EQ(editor.document().history().count(), 2);
    EXPECT_EQ(editor.document().history().text(1), QStringLiteral("Keep Test Board"));
    undoAction->trigger();
    EXPECT_EQ(level.board, placed);
    EXPECT_TRUE(editor.document().isModified());
    redoAction->trigger();
    EXPECT_EQ(level.board, tested);
    EXPECT_FALSE(editor.document().isModified()) << "back where it was saved";
}

// Save Level never writes over a table of scores, whatever the
// case of its name, a name the dialog completes, or a link that leads to it: the designer is told
// and the dialog stays open for another name. A name that only resembles the table's is a level.
TEST_F(Editor, SaveLevelRefusesEveryNameOfAScoreTableAndLeavesItByteForByte)
{
    writeFile(path("levels/scores.txt"), "the table");
    ASSERT_TRUE(QFile::link(path("levels/scores.txt"), path("levels/link.txt")));
    for (const char* name : {"levels/SCORES.TXT", "levels/link.txt", "elsewhere/Scores.txt"})
        EXPECT_TRUE(LevelDialogs::isScoreTable(path(name))) << name;
    EXPECT_FALSE(LevelDialogs::isScoreTable(path("levels/myscores.txt")));
    QString told;
    bool stillOpen = false;
    onNextModal<QFileDialog>([&](QFileDialog* dialog) {
        answerNextMessage(told);
        dialog->selectFile(path("levels/Scores"));
        static_cast<QDialog*>(dialog)->accept();
        stillOpen = dialog->isVisible();
        dialog->reject();
    });
    saveAction->trigger();
    EXPECT_TRUE(stillOpen && told.contains(QStringLiteral("table of high scores"))) << told.toStdString();
    EXPECT_EQ(readFile(path("levels/scores.txt")), "the table");
}

// The level is never set aside unsaved without the designer's word: Exit and the close box ask,
// and only Save that wrote the file or Discard let the editor close; the title names the file and
// marks unsaved changes, text typed without Enter being one.
TEST_F(Editor, ExitAndTheCloseBoxAskBeforeUnsavedWorkIsLostAndTheTitleNamesTheFile)
{
    const auto title = [this] {
        return editor.windowTitle().replace(QStringLiteral("[*]"), editor.isWindowModified() ? "*" : "").toStdString();
    };
    const QString question = QStringLiteral("Save changes to this level?");
    QString asked;
    answerNextMessage(asked, QMessageBox::Cancel);  // the first question, which only the rock below brings
    EXPECT_EQ(title(), "Level Editor - Untitled");
    exitAction->trigger();
    EXPECT_FALSE(editor.isVisible()) << "nothing to lose";
    editor.show();
    place("rockButton", {{2, 2}});
    exitAction->trigger();
    EXPECT_TRUE(editor.isVisible() && asked.contains(question)) << asked.toStdString();
    EXPECT_EQ(title(), "Level Editor - Untitled*");
    const struct {
        QMessageBox::StandardButton button;  // to the close box's question
        const char* savedAs;                 // the file the save dialog is given; nullptr: the dialog is cancelled
        bool closed;
        const char* titleAfter;
    } cases[] = {{QMessageBox::Save, nullptr, false, "Level Editor - Untitled*"},
                 {QMessageBox::Save, "levels/level3.txt", true, "Level Editor - level3.txt"},
                 {QMessageBox::Discard, nullptr, true, "Level Editor - level3.txt*"}};
    for (const auto& [button, savedAs, closed, titleAfter] : cases) {
        SCOPED_TRACE(titleAfter);
        editor.show();
        if (button == QMessageBox::Discard)
            dogEdit->setText(QStringLiteral("700"));  // typed without Enter
        if (savedAs)
            answerFileDialog(path(savedAs));
        else if (button == QMessageBox::Save)
            onNextModal<QFileDialog>([](QFileDialog* dialog) { dialog->reject(); });
        asked.clear();
        answerNextMessage(asked, button);
        editor.close();
        EXPECT_TRUE(asked.contains(question));
        EXPECT_EQ(editor.isVisible(), !closed);
        EXPECT_EQ(rowOf(level.board, 2)[2], 'r') << "the rock stays";
        EXPECT_EQ(title(), titleAfter);
    }
    EXPECT_EQ(readFile(path("levels/level3.txt")), levelFileBytes({"", "100", "1500", "1000"}, boardFromText("2:bbr")));
}

// Check Level judges the level as it stands in the editor, as placed when a test runs, and
// Watch shows the computer player's game on it; Cancel, or a test started, stops a check and
// leaves the editor as it was.
TEST_F(Editor, CheckLevelJudgesTheLevelAsPlacedAndACancelledCheckLeavesTheEditorAsItWas)
{
    // A turtle walled in beside one that can reach the water: the level never ends. The test
    // saves the second, which leaves too few turtles that could.
    place("turtleButton", {{1, 1}, {10, 10}});
    place("rockButton", {{0, 1}, {2, 1}, {1, 0}, {1, 2}});
    place("waterButton", {{9, 10}});
    std::vector<double> draws(50, 0.5);
    draws[0] = draws[1] = Left;
    random = SequenceRandom(draws);
    testButton->click();
    test().apply({.kind = GameInput::Kind::Timer, .timer = GameTimer::Turtle});  // a beat, without waiting
    ASSERT_EQ(rowOf(level.board, 10)[10], 'b') << "saved in the test";
    EXPECT_EQ(savedLabel->text(), QStringLiteral("1"));
    checkAction->trigger();
    ASSERT_TRUE(eventually([this] { return editor.check().resultWindow() != nullptr; }, 60000));
    EXPECT_EQ(editor.check().resultWindow()->verdictLabel()->text(),
              QStringLiteral("Too hard for the computer player"));
    QSignalSpy watching(&editor.check(), &CheckCommand::watching);
    editor.check().resultWindow()->watchButton()->click();
    ASSERT_EQ(watching.count(), 1);
    auto* replay = qobject_cast<RecordingWindow*>(watching.front().front().value<QWidget*>());
    ASSERT_NE(replay, nullptr);
    EXPECT_EQ(replay->player().refusal(), std::nullopt) << "the level it watches is the one checked";
    EXPECT_GT(replay->length(), 0);
    replay->close();
    testButton->click();

    enter(turtleEdit, "1");  // and a quick beat: each run takes long
    const Board before = level.board;
    const int steps = editor.document().history().count();
    for (const bool byTest : {false, true}) {
        QSignalSpy cancelled(&editor.check(), &CheckCommand::cancelled);
        checkAction->trigger();
        auto* progress = editor.findChild<QProgressDialog*>();
        ASSERT_TRUE(progress && progress->isVisible() && editor.check().running());
        byTest ? testButton->click() : progress->findChild<QPushButton*>()->click();  // its Cancel
        if (byTest) {
            EXPECT_EQ(savedLabel->text(), QStringLiteral("0")) << "each test counts afresh";
        }
        EXPECT_FALSE(editor.check().running() || progress->isVisible());
        EXPECT_TRUE(eventually([&] { return !cancelled.isEmpty(); }, 60000)) << "its runs have stopped";
        EXPECT_EQ(editor.check().resultWindow(), nullptr);
        if (byTest)
            testButton->click();
    }
    EXPECT_EQ(level.board, before);
    EXPECT_EQ(editor.document().history().count(), steps);
}

// The keys steer a test and the board takes the focus when it starts; once the test ends they
// leave the board alone and the cursor is gone. Escape never closes the editor.
TEST_F(Editor, DuringATestTheKeysCommandTheBoardAndAfterItTheyLeaveItAloneAndEscapeNeverClosesTheEditor)
{
    place("turtleButton", {{0, 0}});
    random = SequenceRandom({Right});
    bonusEdit->setFocus();
    testButton->click();
    EXPECT_EQ(editor.focusWidget(), board);
    const auto framed = [&] { return board->surface().pixel(2, 2) != board->backBuffer().pixel(2, 2); };
    QTest::keyClick(board, Qt::Key_Tab);
    EXPECT_TRUE(framed());
    QTest::keyClick(board, Qt::Key_Space);
    QTest::keyClick(board, Qt::Key_Down);
    EXPECT_EQ(level.board(0, 0), Tile::TurtleDown);

    testButton->click();
    EXPECT_FALSE(framed());
    for (const Qt::Key key : {Qt::Key_Tab, Qt::Key_Space, Qt::Key_Up, Qt::Key_Escape})
        QTest::keyClick(board, key);
    EXPECT_EQ(level.board(0, 0), Tile::TurtleLeft) << "the placed board, untouched";
    EXPECT_TRUE(editor.isVisible()) << "Escape never closes the editor";
}

// Between tests the keys paint: 1 to 9 choose the palette's pictures, the arrows move a cursor
// and Space or Enter places the picture on its square; a mouse press hides the cursor.
TEST_F(Editor, KeysAlonePaintTheBoardWithThePictureTheyChoose)
{
    const auto framed = [&](int col, int row) {
        const QPoint inside(34 * col + 2, 34 * row + 2);
        return board->surface().pixel(inside) != board->backBuffer().pixel(inside);
    };
    for (const Qt::Key key : {Qt::Key_3, Qt::Key_Right, Qt::Key_Right, Qt::Key_Down, Qt::Key_Space})
        QTest::keyClick(board, key);
    EXPECT_EQ(level.board(1, 1), Tile::Water);
    EXPECT_TRUE(framed(1, 1));
    for (const Qt::Key key : {Qt::Key_9, Qt::Key_Left, Qt::Key_Return})
        QTest::keyClick(board, key);
    QTest::keyClick(board, Qt::Key_1, Qt::ControlModifier);  // the menus' own: the turtle is painted again
    QTest::keyClick(board, Qt::Key_Space);
    EXPECT_EQ(level.board(0, 1), Tile::TurtleLeft);
    QTest::mousePress(board, Qt::LeftButton, {}, QPoint(300, 300));
    EXPECT_FALSE(framed(0, 1));
    random = SequenceRandom({Right, Right});  // the board keeps Tab in a test: Ctrl+T starts and ends it
    for (const char* caption : {"Test Level", "End Test", "Test Level"}) {
        EXPECT_EQ(testButton->text() + u' ' + testButton->shortcut().toString(), QString(caption) + " Ctrl+T");
        testButton->click();
    }
}

// File > Publish Set... against a small table of canned answers: the question names what goes,
// the set goes as a set file, its judging is asked after until the verdict, which is told.
TEST_F(Editor, PublishSetSendsTheFolderAsksAfterItsJudgingAndTellsTheVerdict)
{
    const SetFile mine{QStringLiteral("mine"), {}, {}, {Level7, Level7}};
    const QByteArray id = setIdentity(mine.levels), set = R"({"set":")" + id + R"(","status":)";
    const QByteArray judging = http(202, set + R"("judging","levels":2,"judged":1})");
    const QByteArray verdicts = R"("verdicts":[{"level":1,"passRate":1},{"level":2,"warning":"it plays itself"}])";
    const std::tuple<const char*, QList<QByteArray>, QString> rows[] = {
        {"published",
         {judging, http(200, set + R"("published","page":"/x","published":{)" + verdicts + "}}")},
         "Published: http://ADDRESS/x\n\nWarnings:\nLevel 2: it plays itself"},
        {"refused",
         {judging, judging, http(422, set + R"("refused","error":"a","failures":[{"level":2,"reason":"b"}]})")},
         "The world table did not publish the set: \n\nLevel 2: b\n\nOpen such a level and use File > Check Level to "
         "see how the computer player fares."},
        {"not a set file", {http(400, R"({"error":"line 7: no"})")}, "line 7: no"},
        {"not JSON", {http(202, "<html>")}, "The world table's answer is not one the game can read."},
        {"cancelled", {judging}, ""},
    };
    for (const char* file : {"mine/level1.txt", "mine/level2.txt"})
        QDir().mkpath(path("mine")), writeFile(path(file), Level7);
    editor.files().useSetFolders({}, path("mine/level1.txt"));
    for (const auto& [what, answers, verdict] : rows) {
        SCOPED_TRACE(what);
        CannedServer table(answers);
        editor.files().useWorldTable(table.address());
        editor.files().worldClient().setTimeLimits(1000, 1000);
        QString asked, told;
        onNextModal<QMessageBox>([&, cancel = verdict.isEmpty()](QMessageBox* box) {
            asked = box->text();
            if (cancel)
                onNextModal<QProgressDialog>([](QProgressDialog* p) {
                    EXPECT_TRUE(QTest::qWaitFor([p] { return p->maximum() == 2; })) << "judging shown";
                    QTest::keyClick(p, Qt::Key_Escape);
                });
            else
                answerNextMessage(told);
            box->button(QMessageBox::Yes)->click();
        });
        named("publishSetAction")->trigger();
        EXPECT_TRUE(asked.contains("\n\nLevels: 2\nName: mine\nAuthor: (none)\n\n")) << asked.toStdString();
        EXPECT_EQ(told.replace(table.address(), "ADDRESS"), verdict.isEmpty() ? "" : "Publish Set: " + verdict);
        if (verdict.isEmpty())
            QTest::qWait(PublishCommand::PollMillis * 3 / 2);  // cancelled, the table is asked no more
        ASSERT_FALSE(table.heads.isEmpty());
        EXPECT_EQ(readSetFile(table.bodies[0]).set, mine);
        EXPECT_TRUE(table.heads[0].startsWith("POST /api/v1/sets ") &&
                    table.heads[0].contains("Content-Type: application/x-pondrake-set"));
        for (qsizetype i = 1; i < table.heads.size(); ++i)
            EXPECT_TRUE(table.heads[i].startsWith("GET /api/v1/sets/" + id + "/publication "));
        EXPECT_EQ(table.heads.size(), answers.size()) << "asked until the verdict, and no more";
    }
}
