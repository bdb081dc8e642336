// Level sets as the player meets them in the main window: choosing a set, its own top ten, the
// game kept when the window closes and continued in a later sitting, the remembered switches,
// the editor's Save Level and Play This Set, and a set file dropped, played and exported.

#include "editor/EditorWindow.h"
#include "files/RecordingShelf.h"
#include "files/sets/SetFileFormat.h"
#include "screens/LevelSetDialog.h"
#include "sim/RecordingCheck.h"
#include "tests/support/GameWindowTest.h"

#include <QDropEvent>
#include <QListWidget>
#include <QMimeData>
#include <QTest>

namespace {

// Beside the shipped set of one level: "three", a set of three levels. Each window is one sitting.
class LevelSets : public GameWindowTest {
protected:
    const QString three = root.filePath("three");

    void SetUp() override
    {
        GameWindowTest::SetUp();
        writeIslandSet(three, 3, 60);
    }

    void chooseSet(const QString& folder)
    {
        onNextModal<LevelSetDialog>([folder](LevelSetDialog* dialog) {
            answerFileDialog(folder);
            dialog->otherFolderButton->setFocus();  // as the click of a mouse gives it
            dialog->otherFolderButton->click();
            ASSERT_EQ(dialog->focusWidget(), dialog->setList);  // so that Enter plays the folder chosen
            QTest::keyClick(dialog->setList, Qt::Key_Return);
        });
        window->actions().levelSet->trigger();
    }

    void expectReplayPlaysBack(const QString& replay)
    {
        const RecordingCheck check = checkRecording(replay, {}, program + "/levels");
        EXPECT_EQ(check.status, RecordingCheck::Matches) << check.json;
    }
};

}  // namespace

TEST_F(LevelSets, ASetIsPlayedKeptAndContinuedWhileItsLevelsStandAndHasItsOwnTopTen)
{
    sitDown();
    EXPECT_FALSE(window->actions().continueGame->isEnabled());

    // A set that vanishes while the dialog is open is refused when chosen, and not played.
    const QString fleeting = root.filePath("fleeting");
    writeIslandSet(fleeting, 1);
    QString told;
    onNextModal<LevelSetDialog>([&](LevelSetDialog* dialog) {
        answerFileDialog(fleeting);
        answerNextMessage(told);
        dialog->otherFolderButton->click();
        QDir(fleeting).removeRecursively();
        dialog->accept();
        dialog->reject();
    });
    window->actions().levelSet->trigger();
    EXPECT_TRUE(told.contains("is not there")) << told.toStdString();
    EXPECT_EQ(window->windowTitle(), "Pondrake");

    chooseSet(three);
    EXPECT_EQ(window->windowTitle(), "Pondrake - three");
    window->actions().newGame->trigger();
    playLevel();
    EXPECT_EQ(window->status().scoreLabel->text(), "33");  // 3 + 60 / 2
    window->audio().toggleSoundEffects();

    writeFile(levelPathInSet(three, 2), islandLevel(61));
    sitDown();  // closed during level 2's countdown
    EXPECT_EQ(window->windowTitle(), "Pondrake - three") << "the set as left";
    EXPECT_FALSE(window->audio().soundEffects()) << "the switch as left";
    EXPECT_FALSE(window->actions().continueGame->isEnabled());
    EXPECT_EQ(window->actions().continueGame->toolTip(), "Level 2 of the kept game has been changed since.");

    // The level as it was, and settings that are lost: the shipped set is shown, and Continue goes
    // on in the kept game's set, with its bonus: the countdown had not ended.
    writeFile(levelPathInSet(three, 2), islandLevel(60));
    ASSERT_TRUE(QFile::remove(config + "/settings.ini"));
    sitDown();
    ASSERT_EQ(window->windowTitle(), "Pondrake");
    ASSERT_TRUE(window->actions().continueGame->isEnabled()) << window->actions().continueGame->toolTip().toStdString();
    window->actions().continueGame->trigger();
    EXPECT_EQ(QStringList({window->status().levelLabel->text(), window->status().scoreLabel->text(),
                           window->status().bonusLabel->text()}),
              QStringList({"2", "33", "60"}));
    EXPECT_FALSE(window->actions().continueGame->isEnabled()) << "while the game runs";
    onNextModal<LevelSetDialog>([](LevelSetDialog* dialog) { dialog->accept(); });
    window->actions().levelSet->trigger();  // the set in play, chosen again: its game goes on
    EXPECT_TRUE(window->status().abortButton->isEnabled());
    playLevel();

    // The last level: the name goes into the set's own table, whose caption names the set. The
    // game, continued, plays back whole from the set's folder.
    QString caption;
    enterName("Walker", [&](TopTenWindow& topTen) { caption = topTen.windowTitle(); });
    playLevel();
    EXPECT_EQ(caption, "Top Ten Scores - three");
    EXPECT_TRUE(readFile(three + "/scores.txt").contains("Walker"));
    EXPECT_FALSE(QFile::exists(scores)) << "the shipped set's table is untouched";
    expectReplayPlaysBack(three + "/last.replay");
    sitDown();
    EXPECT_FALSE(window->actions().continueGame->isEnabled()) << "a finished game is not kept";

    QDir(three).removeRecursively();
    sitDown();
    EXPECT_EQ(window->windowTitle(), "Pondrake") << "a remembered set that has gone gives the shipped one";
}

// Save Level starts in My Levels (made then) with the first free name; Play This Set closes the
// editor and starts a game on that folder.
TEST_F(LevelSets, TheEditorSavesIntoMyLevelsAndPlaysThatSet)
{
    sitDown();
    const QString myLevels = data + "/My Levels";
    QString proposed;
    onNextModal<EditorWindow>([&](EditorWindow* editor) {
        onNextModal<QFileDialog>([&](QFileDialog* dialog) {
            proposed = dialog->selectedFiles().value(0);
            static_cast<QDialog*>(dialog)->accept();
        });
        editor->findChild<QAction*>("saveAction")->trigger();
        editor->findChild<QAction*>("playSetAction")->trigger();
    });
    window->actions().levelEditor->trigger();
    QCoreApplication::processEvents();  // the set's game starts once the editor has gone
    EXPECT_EQ(proposed, myLevels + "/level1.txt");
    EXPECT_TRUE(fileExists(myLevels + "/level1.txt"));
    EXPECT_EQ(window->windowTitle(), "Pondrake - My Levels");
    EXPECT_TRUE(window->status().abortButton->isEnabled()) << "a game runs";
}

// A set file dropped on the window mid-game: the Level Editor's question, then the game given up
// (its replay names the choice before the answer, ends there and plays back to where it was left)
// and the set imported into sets/, standing idle at its level 1 with a top ten of its own; the set
// exported from the Level Set dialog is the file dropped.
TEST_F(LevelSets, ASetDroppedOnTheWindowIsImportedAndExportedAsDropped)
{
    const SetFile rocks{QStringLiteral("Rocks/Stones"), {}, {}, {islandLevel(60), islandLevel(70)}};
    const QString dropped = root.filePath("rocks.pondrake");
    writeFile(dropped, setFileBytes(rocks));
    sitDown();
    window->actions().newGame->trigger();
    runClock(6500);  // the countdown to its end, and half a second of play
    QString asked;
    onNextModal<QMessageBox>([&](QMessageBox* box) {
        asked = box->text();
        box->button(QMessageBox::Ok)->click();
    });
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(dropped)});
    QDragEnterEvent enter({10, 10}, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window.get(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop({10, 10}, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window.get(), &drop);
    EXPECT_EQ(asked, "This will abort your current game.  Continue?");
    const QString givenUp = lastRecordingPath(scores);
    const QRegularExpression end(R"(\n\d+ levelset\n\d+ answer yes\n\d+ end 0\n$)");
    EXPECT_TRUE(end.match(QString::fromUtf8(readFile(givenUp))).hasMatch()) << readFile(givenUp).right(80).data();
    expectReplayPlaysBack(givenUp);
    const QString imported = data + "/sets/Rocks_Stones";
    EXPECT_EQ(window->files().setFolder(), imported);
    EXPECT_EQ(window->windowTitle(), "Pondrake - Rocks/Stones");
    EXPECT_EQ(window->status().levelLabel->text(), "1");
    EXPECT_FALSE(window->status().abortButton->isEnabled()) << "standing idle";
    EXPECT_EQ(window->files().scoresPath(), imported + "/scores.txt");

    // Exported from the Level Set dialog, the set is the file dropped.
    onNextModal<LevelSetDialog>([&](LevelSetDialog* dialog) {
        answerFileDialog(root.filePath("Rocks_Stones.pondrake"));
        dialog->exportButton->click();
        dialog->reject();
    });
    window->actions().levelSet->trigger();
    EXPECT_EQ(readFile(root.filePath("Rocks_Stones.pondrake")), setFileBytes(rocks));
}
