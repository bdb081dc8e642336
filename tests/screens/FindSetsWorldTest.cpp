// Level sets on the world table: one published in the editor against a real pondrake-server, then
// found and played in the game; and the game against a small table of canned answers, where a set
// listed is played by the keys alone and every answer that gives no set is a line on the window
// (never a hang), with nothing imported.

#include "editor/EditorWindow.h"
#include "editor/FileCommands.h"
#include "files/sets/SetImport.h"
#include "screens/FindSetsWindow.h"
#include "screens/WorldPanel.h"
#include "tests/server/ServerSupport.h"
#include "tests/support/CannedServer.h"
#include "tests/support/GameWindowTest.h"

#include <QPlainTextEdit>
#include <QTableWidget>

namespace {

class FindSets : public GameWindowTest {
protected:
    // The window opened on the table at address, and Enter pressed on its first row once the list
    // stands: what it showed, its state line or "(closed)", the title and the sets imported; with
    // told, the title of the message the player is to be shown.
    QString find(const QString& address, int millis = 500, bool told = false)
    {
        PlayerSettings settings;
        settings.worldAddress = address;
        QDir().mkpath(config);
        writePlayerSettings(playerSettingsPath(config), settings);
        sitDown([millis](MainWindow& w) { w.world().client().setTimeLimits(millis, millis); });
        QStringList seen;
        QString message;
        if (told)
            answerNextMessage(message);
        onNextModal<FindSetsWindow>([&seen, millis](FindSetsWindow* find) {
            QTableWidget* rows = find->setsTable;
            const auto waitFor = [find, millis](const char* line) {
                EXPECT_TRUE(QTest::qWaitFor([&] { return !find->isVisible() || find->stateLabel->text() != line; },
                                            4 * millis));
            };
            waitFor("Asking the table...");
            if (rows->rowCount() > 0) {
                for (int c = 0; c < rows->columnCount(); ++c)
                    seen << rows->item(0, c)->text();
                seen << find->descriptionView->toPlainText();
                QTest::keyClick(rows, Qt::Key_Return);
                waitFor("Fetching the set...");
            }
            seen << (find->isVisible() ? find->stateLabel->text() : QStringLiteral("(closed)"));
            if (find->isVisible())
                QTest::keyClick(find, Qt::Key_Escape);
        });
        window->actions().findSets->trigger();
        return (seen << window->windowTitle() << QString::number(importedSets(data).size())
                     << message.section(u':', 0, 0))
            .join(QStringLiteral(" | "));
    }
};

}  // namespace

TEST_F(FindSets, ASetPublishedInTheEditorIsFoundAndPlayedInTheGame)
{
    RunningServer server({}, "sets");
    ASSERT_NE(server.port(), 0) << server.log().toStdString();
    const QString address = QStringLiteral("127.0.0.1:%1").arg(server.port());
    writeIslandSet(root.filePath("mine"), 2);
    QString told;
    {
        EditorWindow editor(level, random, sound, program);
        editor.files().useSetFolders({}, root.filePath("mine/level1.txt"));
        editor.files().useWorldTable(address);
        onNextModal<QMessageBox>([&told](QMessageBox* box) {
            answerNextMessage(told);
            box->button(QMessageBox::Yes)->click();
        });
        editor.findChild<QAction*>("publishSetAction")->trigger();
    }
    const QByteArray id = setIdentity({islandLevel(), islandLevel()});
    EXPECT_TRUE(told.startsWith("Publish Set: Published: http://" + address + "/sets/" + id)) << told.toStdString();
    EXPECT_EQ(find(address, 30'000).section(" | ", 7), "(closed) | Pondrake - mine | 1 | ");
}

TEST_F(FindSets, ASetListedIsPlayedByTheKeysAndAnAnswerThatGivesNoSetIsALineWithNothingImported)
{
    const SetFile rocks{"Rocks", "Kim", "Two.\nLevels.", {islandLevel(), islandLevel(70)}};
    const QByteArray id = setIdentity(rocks.levels), file = http(200, setFileBytes(rocks));
    const auto listing = [](const QByteArray& set) {
        return http(200, R"({"sets":[{"set":")" + set +
                             R"(","name":"Rocks","levels":2,"games":5,"best":300,"author":)"
                             R"("Kim","description":"Two.\nLevels.","difficulty":3}]})");
    };
    // What the window showed of the set listed; what it shows when nothing is imported.
    const QString listed = "Rocks | Kim | 2 | 3 | 5 | 300 | Two.\nLevels. | ", none = " | Pondrake | 0 | ";
    const QString unreadable = "The world table's answer is not one the game can read." + none;
    const std::tuple<const char*, QList<QByteArray>, QString> rows[] = {
        {"a set listed", {listing(id), file}, listed + "(closed) | Pondrake - Rocks | 1 | "},
        {"an empty table", {http(200, R"({"sets":[],"more":false})")}, "No set is published yet." + none},
        {"not JSON", {http(200, "<html>")}, unreadable},
        {"a row without an identity", {listing("ab")}, unreadable},
        {"no answer", {QByteArray()}, "Cannot reach the world table at ADDRESS" + none},
        {"other levels",
         {listing(id), http(200, setFileBytes({"R", {}, {}, {islandLevel()}}))},
         listed + "The world table sent other levels than those of the set listed, so nothing was imported." + none},
        {"a file that is no set",
         {listing(id), http(200, "x")},
         listed + "The set from the world table does not read: this is no level set file (line 1)." + none},
        {"the file gone", {listing(id), http(404, R"({"error":"No."})")}, listed + "No." + none},
        {"a set the data folder cannot take", {listing(id), file}, listed + "(closed)" + none + "Import Level Set"},
    };
    for (const auto& [what, answers, outcome] : rows) {
        SCOPED_TRACE(what);
        QDir(data).removeRecursively();
        if (outcome.endsWith("Import Level Set"))  // the import's own message; nothing is half-written
            QDir().mkpath(data), writeFile(data + "/sets", "a file");
        CannedServer table(answers);
        const QString found = find(table.address(), 500, outcome.endsWith("Import Level Set"));
        EXPECT_EQ(QString(found).replace(table.address(), "ADDRESS").toStdString(), outcome.toStdString());
        const QByteArray fetch = "GET /api/v1/sets/" + id + "/file ";
        EXPECT_TRUE(table.heads.value(0).startsWith("GET /api/v1/sets?published=1&limit=100 ") &&
                    table.heads.value(1, fetch).startsWith(fetch));
    }
    EXPECT_TRUE(find(QString()).startsWith("No world table is set up")) << "and nothing is asked";
}
