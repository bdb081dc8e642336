// Level sets as the player meets them in the main window: choosing a set, its own top ten, the
// game kept when the window closes and continued in the next sitting, the remembered switches,
// the editor's Save Level and Play This Set, and a set file dropped, played and exported.

#include "core/Random.h"
#include "editor/FileCommands.h"
#include "editor/frmEditor.h"
#include "files/LevelSet.h"
#include "files/RecordingShelf.h"
#include "files/ScoreFile.h"
#include "files/SetFile.h"
#include "screens/LevelSetDialog.h"
#include "screens/frmGameOver.h"
#include "screens/frmLevel.h"
#include "screens/frmPondrake.h"
#include "screens/frmTopTen.h"
#include "sim/RecordingCheck.h"
#include "tests/support/WindowTestSupport.h"
#include "ui/RecordingWindow.h"
#include "ui/audio/AudioOutput.h"
#include "ui/audio/modSound.h"

#include <QDropEvent>
#include <QListWidget>
#include <QMimeData>

namespace {

// A turtle with water on all four sides: saved at its first step, whichever way it faces.
QByteArray islandLevel(int bonus)
{
    const QByteArray blank = "bbbbbbbbbbbbbbbbbbbb\r\n";
    return "pond1.mid\r\n" + QByteArray::number(bonus) + "\r\n600\r\n400\r\nb$bbbbbbbbbbbbbbbbbb\r\n" +
           "$t$bbbbbbbbbbbbbbbbb\r\nb$bbbbbbbbbbbbbbbbbb\r\n" + blank.repeated(17);
}

// A program folder with a shipped set of one level, the player's folders, and "three", a set of
// three levels beside them. Each window is one sitting.
class LevelSets : public ::testing::Test {
protected:
    QTemporaryDir root;
    const QString program = root.filePath("program"), data = root.filePath("data"), config = root.filePath("config");
    const QString three = root.filePath("three");
    const QString shippedScores = ScoresPath(program);
    modGlobals globals;
    GameRandom random{5};
    AudioOutput audio;
    modSound sound{audio};
    std::unique_ptr<frmPondrake> window;

    void SetUp() override
    {
        QDir().mkpath(program + "/levels");
        QDir().mkpath(three);
        QDir().mkpath(root.filePath("empty"));
        writeFile(SetLevelPath(program + "/levels", 1), islandLevel(100));
        for (int n = 1; n <= 3; ++n)
            writeFile(SetLevelPath(three, Int16(n)), islandLevel(60));
    }

    void sitDown()
    {
        window.reset();  // the window of the sitting before closes first
        window = std::make_unique<frmPondrake>(globals, random, sound, program, shippedScores);
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

    void chooseSet(const QString& folder)
    {
        onNextModal<LevelSetDialog>([folder](LevelSetDialog* dialog) {
            answerFileDialog(folder);
            dialog->butOther->click();
            dialog->accept();
        });
        window->mnuLevelSet->trigger();
    }
};

}  // namespace

TEST_F(LevelSets, ASetIsPlayedKeptWhenTheWindowClosesContinuedWithItsScoreAndHasItsOwnTopTen)
{
    sitDown();
    EXPECT_EQ(window->windowTitle(), "Pondrake");
    EXPECT_FALSE(window->mnuContinue->isEnabled());

    QString told;  // a folder with no level1.txt is no set
    onNextModal<LevelSetDialog>([&](LevelSetDialog* dialog) {
        answerFileDialog(root.filePath("empty"));
        answerNextMessage(told);
        dialog->butOther->click();
        dialog->reject();
    });
    window->mnuLevelSet->trigger();
    EXPECT_TRUE(told.contains("holds no level1.txt")) << told.toStdString();
    EXPECT_EQ(window->windowTitle(), "Pondrake");

    // A folder that vanishes while the dialog is open is refused when chosen; it stays on the list.
    const QString fleeting = root.filePath("fleeting");
    QDir().mkpath(fleeting);
    writeFile(SetLevelPath(fleeting, 1), islandLevel(60));
    onNextModal<LevelSetDialog>([&](LevelSetDialog* dialog) {
        answerFileDialog(fleeting);
        dialog->butOther->click();
        QDir(fleeting).removeRecursively();
        answerNextMessage(told);
        dialog->accept();
        dialog->reject();
    });
    window->mnuLevelSet->trigger();
    EXPECT_TRUE(told.contains("is not there")) << told.toStdString();
    EXPECT_EQ(window->windowTitle(), "Pondrake");

    chooseSet(three);
    EXPECT_EQ(window->windowTitle(), "Pondrake - three");
    window->mnuNew->trigger();
    playLevel();
    EXPECT_EQ(window->lblLevel->text(), "2");
    EXPECT_EQ(window->lblScore->text(), "33");  // 3 + 60 / 2
    window->audio().mnuSoundEffects_Click();

    sitDown();  // closed during level 2's countdown
    EXPECT_EQ(window->windowTitle(), "Pondrake - three") << "the set as left";
    EXPECT_FALSE(window->audio().soundEffects()) << "the switch as left";
    onNextModal<LevelSetDialog>([](LevelSetDialog* dialog) { dialog->accept(); });
    window->mnuLevelSet->trigger();  // the set in play, chosen again
    ASSERT_TRUE(window->mnuContinue->isEnabled()) << window->mnuContinue->toolTip().toStdString();
    window->mnuContinue->trigger();
    EXPECT_EQ(window->lblLevel->text(), "2");
    EXPECT_EQ(window->lblScore->text(), "33");
    EXPECT_EQ(window->lblTime->text(), "60") << "with its bonus: the countdown had not ended";
    EXPECT_FALSE(window->mnuContinue->isEnabled()) << "while the game runs";
    playLevel();

    // The last level: the name goes into the set's own table, whose caption names the set.
    QString caption;
    onNextModal<frmGameOver>([&](frmGameOver* over) {
        onNextModal<frmTopTen>([&](frmTopTen* topTen) {
            caption = topTen->windowTitle();
            topTen->accept();
        });
        auto* name = over->findChild<QLineEdit*>("txtName");
        name->setText("Walker");
        QTest::keyClick(name, Qt::Key_Return);
    });
    playLevel();
    EXPECT_EQ(caption, "Top Ten Scores - three");
    EXPECT_TRUE(readFile(three + "/scores.txt").contains("Walker"));
    EXPECT_FALSE(QFile::exists(shippedScores)) << "the shipped set's table is untouched";
    // The continued game's replay is whole: from level 1, played in the first sitting, found in the
    // set's folder (the shipped set here has one level only).
    const RecordingCheck check = checkRecording(three + "/last.replay", {}, program + "/levels");
    EXPECT_EQ(check.status, RecordingCheck::Matches) << check.json;
    EXPECT_EQ(check.json.find(R"("start")"), std::string::npos) << check.json;
    EXPECT_NE(check.json.find(R"([{"level":1,"file":"level1.txt","matched":true,"attempts":1,"passed":true)"),
              std::string::npos)
        << check.json;
    sitDown();
    EXPECT_FALSE(window->mnuContinue->isEnabled()) << "a finished game is not kept";
}

TEST_F(LevelSets, AChangedOrMissingLevelTurnsContinueOffAndSaysWhy)
{
    sitDown();
    chooseSet(three);
    window->mnuNew->trigger();
    playLevel();
    writeFile(SetLevelPath(three, 2), islandLevel(61));
    sitDown();
    EXPECT_FALSE(window->mnuContinue->isEnabled());
    EXPECT_EQ(window->mnuContinue->toolTip(), "Level 2 of the kept game has been changed since.");

    writeFile(SetLevelPath(three, 2), islandLevel(60));
    sitDown();
    EXPECT_TRUE(window->mnuContinue->isEnabled()) << "the level as it was";

    // Settings that are lost give the shipped set; Continue goes on in the kept game's set, and the
    // replay names that set's folder (the shipped set has no level 2), whatever was shown before.
    ASSERT_TRUE(QFile::remove(config + "/settings.ini"));
    sitDown();
    ASSERT_EQ(window->windowTitle(), "Pondrake");
    window->mnuContinue->trigger();
    window->close();
    const RecordingCheck check = checkRecording(three + "/last.replay", {}, program + "/levels");
    EXPECT_EQ(check.status, RecordingCheck::Matches) << check.json;

    QDir(three).removeRecursively();
    sitDown();
    EXPECT_FALSE(window->mnuContinue->isEnabled());
    EXPECT_TRUE(window->mnuContinue->toolTip().contains("is not there any more"));
    EXPECT_EQ(window->windowTitle(), "Pondrake") << "a remembered set that has gone gives the shipped one";
}

// Another set chosen mid-game gives the game up after the Level Editor's question: its replay
// names the choice before the answer, ends there and plays back to where the game was left.
TEST_F(LevelSets, AGameGivenUpForAnotherSetIsRecordedAndPlaysBackToWhereItWasLeft)
{
    sitDown();
    window->mnuNew->trigger();
    for (int beat = 0; beat < 7; ++beat)  // the countdown to its end, and a second of play
        window->flow().apply({GameInput::Kind::Timer, beat < 6 ? GameTimer::CountDown : GameTimer::Bonus});
    const QString recording = lastRecordingPath(window->files().scoresPath());
    onNextModal<QMessageBox>([](QMessageBox* box) { box->button(QMessageBox::Ok)->click(); });
    chooseSet(three);
    EXPECT_EQ(window->windowTitle(), "Pondrake - three");
    EXPECT_FALSE(window->butEndGame->isEnabled());
    const QRegularExpression end(R"(\n\d+ levelset\n\d+ answer yes\n\d+ end 0\n$)");
    EXPECT_TRUE(end.match(QString::fromUtf8(readFile(recording))).hasMatch()) << readFile(recording).right(80).data();
    const RecordingCheck check = checkRecording(recording, {}, program + "/levels");
    EXPECT_EQ(check.status, RecordingCheck::Matches) << check.json;
}

// Save Level starts in My Levels (made then) with the first free name; Play This Set closes the
// editor and starts a game on that folder.
TEST_F(LevelSets, TheEditorSavesIntoMyLevelsAndPlaysThatSet)
{
    sitDown();
    const QString myLevels = data + "/My Levels";
    QString proposed;
    onNextModal<frmEditor>([&](frmEditor* editor) {
        onNextModal<QFileDialog>([&](QFileDialog* dialog) {
            proposed = dialog->selectedFiles().value(0);
            static_cast<QDialog*>(dialog)->accept();
        });
        editor->findChild<QAction*>("mnuSave")->trigger();
        editor->findChild<QAction*>("mnuPlaySet")->trigger();
    });
    window->mnuLevelEditor->trigger();
    QCoreApplication::processEvents();  // the set's game starts once the editor has gone
    EXPECT_EQ(proposed, myLevels + "/level1.txt");
    EXPECT_TRUE(FileExists(myLevels + "/level1.txt"));
    EXPECT_EQ(window->windowTitle(), "Pondrake - My Levels");
    EXPECT_TRUE(window->butEndGame->isEnabled()) << "a game runs";

    // The next time the editor starts where the last file was saved, and proposes the next name.
    onNextModal<QMessageBox>([&](QMessageBox* box) {
        onNextModal<frmEditor>([&](frmEditor* editor) {
            EXPECT_EQ(editor->files().startFolder(), myLevels);
            onNextModal<QFileDialog>([&](QFileDialog* dialog) {
                proposed = dialog->selectedFiles().value(0);
                dialog->reject();
            });
            editor->findChild<QAction*>("mnuSave")->trigger();
            editor->findChild<QAction*>("mnuExit")->trigger();
        });
        box->button(QMessageBox::Ok)->click();
    });
    window->mnuLevelEditor->trigger();
    EXPECT_EQ(proposed, myLevels + "/level2.txt");
}

// A set file dropped on the window mid-game: the Level Editor's question, then the set imported
// into sets/ and standing idle at its level 1 with a top ten of its own. Played to a top-ten
// entry, the game is saved from the replay window as a self-contained replay that verifies with no
// level on disk; the set exported from the Level Set dialog is the file that was dropped.
TEST_F(LevelSets, ASetDroppedOnTheWindowIsImportedPlayedSavedWithItsGameAndExported)
{
    const SetFile rocks{QStringLiteral("Rocks/Stones"), {}, {}, {islandLevel(60), islandLevel(70)}};
    const QString dropped = root.filePath("rocks.pondrake");
    writeFile(dropped, setFileBytes(rocks));
    sitDown();
    window->mnuNew->trigger();
    const auto drop = [&] {
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(dropped)});
        QDragEnterEvent enter({10, 10}, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window.get(), &enter);
        EXPECT_TRUE(enter.isAccepted());
        QDropEvent drop({10, 10}, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window.get(), &drop);
    };
    QString asked;
    onNextModal<QMessageBox>([&](QMessageBox* box) {
        asked = box->text();
        box->button(QMessageBox::Ok)->click();
    });
    drop();
    EXPECT_EQ(asked, "This will abort your current game.  Continue?");
    const QString imported = data + "/sets/Rocks_Stones";
    EXPECT_EQ(window->files().setFolder(), imported);
    EXPECT_EQ(window->windowTitle(), "Pondrake - Rocks/Stones");
    EXPECT_EQ(window->lblLevel->text(), "1");
    EXPECT_FALSE(window->butEndGame->isEnabled()) << "standing idle";
    EXPECT_EQ(window->files().scoresPath(), imported + "/scores.txt");

    window->mnuNew->trigger();
    playLevel();
    onNextModal<frmGameOver>([&](frmGameOver* over) {
        onNextModal<frmTopTen>([&](frmTopTen* topTen) { topTen->accept(); });
        auto* name = over->findChild<QLineEdit*>("txtName");
        name->setText("Walker");
        QTest::keyClick(name, Qt::Key_Return);
    });
    playLevel();
    const QString saved = root.filePath("game.replay");
    onNextModal<RecordingWindow>([&](RecordingWindow* replay) {
        answerFileDialog(saved);
        replay->butSaveAs->click();
        replay->reject();
    });
    window->mnuWatchLastGame->trigger();
    QDir(imported).removeRecursively();
    const RecordingCheck check = checkRecording(saved, {}, program + "/levels");
    EXPECT_EQ(check.status, RecordingCheck::Matches) << check.json;
    EXPECT_NE(check.json.find(R"("set":{"name":"Rocks/Stones",)"), std::string::npos) << check.json;

    // Dropped again, the set is imported again: its folder had gone. Exported, it is that file.
    drop();
    onNextModal<LevelSetDialog>([&](LevelSetDialog* dialog) {
        answerFileDialog(root.filePath("Rocks_Stones.pondrake"));
        dialog->butExport->click();
        dialog->reject();
    });
    window->mnuLevelSet->trigger();
    EXPECT_EQ(readFile(root.filePath("Rocks_Stones.pondrake")), setFileBytes(rocks));
}
