// Game > Find Level Sets... against a small table of canned answers: the published sets listed, one
// played by the keys alone and imported once, and every answer that cannot give a set a line on the
// window (never a hang), with nothing imported.

#include "files/sets/SetImport.h"
#include "screens/FindSetsWindow.h"
#include "screens/WorldPanel.h"
#include "tests/support/CannedServer.h"
#include "tests/support/GameWindowTest.h"
#include "ui/net/WorldClient.h"

#include <QPlainTextEdit>
#include <QTableWidget>

namespace {

const SetFile Rocks{QStringLiteral("Rocks"),
                    QStringLiteral("Kim"),
                    QStringLiteral("Two levels.\nThe last is wet."),
                    {islandLevel(), islandLevel(70)}};
const QByteArray RocksId = setIdentity(Rocks.levels);

QByteArray listing(const QByteArray& id)
{
    return http(200, R"({"sets":[{"set":")" + id +
                         R"(","name":"Rocks","levels":2,"games":5,"best":300,"published":true,"author":"Kim",)"
                         R"("description":"Two levels.\nThe last is wet.","difficulty":3,"date":"d"}],"more":false})");
}

QByteArray setFile(const QByteArray& bytes) { return http(200, bytes, "Content-Type: application/x-pondrake-set\r\n"); }

class FindSets : public GameWindowTest {
protected:
    // Opens the window on the table at address; with play, Enter is pressed on the first row once
    // the list stands. What the window shows at the end, row by row, then its state line.
    QStringList find(const QString& address, bool play = true)
    {
        PlayerSettings settings;
        settings.worldAddress = address;
        QDir().mkpath(config);
        writePlayerSettings(playerSettingsPath(config), settings);
        sitDown([](MainWindow& w) { w.world().client().setTimeLimits(500, 500); });
        QStringList seen;
        onNextModal<FindSetsWindow>([&seen, play](FindSetsWindow* find) {
            const auto waitForLine = [find](const QString& before) {
                EXPECT_TRUE(QTest::qWaitFor([&] { return !find->isVisible() || find->stateLabel->text() != before; }));
            };
            waitForLine(QStringLiteral("Asking the table..."));
            if (play && find->setsTable->rowCount() > 0) {
                QTest::keyClick(find->setsTable, Qt::Key_Return);
                waitForLine(QStringLiteral("Fetching the set..."));
            }
            for (int r = 0; r < find->setsTable->rowCount(); ++r) {
                QStringList cells;
                for (int c = 0; c < find->setsTable->columnCount(); ++c)
                    cells << find->setsTable->item(r, c)->text();
                seen << cells.join(u' ') + " | " + find->descriptionView->toPlainText();
            }
            seen << (find->isVisible() ? find->stateLabel->text() : QStringLiteral("(closed)"));
            if (find->isVisible())
                QTest::keyClick(find, Qt::Key_Escape);
        });
        window->actions().findSets->trigger();
        return seen;
    }
};

}  // namespace

TEST_F(FindSets, ASetListedIsPlayedByTheKeysImportedOnceAndChosen)
{
    CannedServer table({listing(RocksId), setFile(setFileBytes(Rocks))});
    EXPECT_EQ(find(table.address()), QStringList({"Rocks Kim 2 3 5 300 | Two levels.\nThe last is wet.", "(closed)"}));
    EXPECT_EQ(window->windowTitle(), "Pondrake - Rocks");
    ASSERT_EQ(importedSets(data).size(), 1);
    EXPECT_EQ(keptSetHeader(importedSets(data)[0]), (SetFile{Rocks.name, Rocks.author, Rocks.description, {}}));
    EXPECT_TRUE(table.heads[0].startsWith("GET /api/v1/sets?published=1&limit=100 ")) << table.heads[0].data();
    EXPECT_TRUE(table.heads[1].startsWith("GET /api/v1/sets/" + RocksId + "/file ")) << table.heads[1].data();

    // Played again from the table, the set known is chosen, not copied again.
    CannedServer again({listing(RocksId), setFile(setFileBytes(Rocks))});
    find(again.address());
    EXPECT_EQ(importedSets(data).size(), 1);
    EXPECT_EQ(window->windowTitle(), "Pondrake - Rocks");
}

TEST_F(FindSets, AnAnswerThatGivesNoSetIsALineAndNothingIsImported)
{
    SetFile other = Rocks;
    other.levels.pop_back();
    const QString cut = QStringLiteral("The set from the world table does not read: %1 (line 1).")
                            .arg(readSetFile("pondrake-set 9\n").error);
    const std::tuple<const char*, QList<QByteArray>, QString> rows[] = {
        {"an empty table", {http(200, R"({"sets":[],"more":false})")}, "No set is published yet."},
        {"not JSON", {http(200, "<html>")}, "The world table's answer is not one the game can read."},
        {"a row without an identity", {listing("ab")}, "The world table's answer is not one the game can read."},
        {"no answer", {QByteArray()}, "Cannot reach the world table at ADDRESS"},
        {"the table's refusal", {http(429, R"({"error":"Too many requests."})")}, "Too many requests."},
        {"other levels than listed",
         {listing(RocksId), setFile(setFileBytes(other))},
         "The world table sent other levels than those of the set listed, so nothing was imported."},
        {"a file that is no set", {listing(RocksId), setFile("pondrake-set 9\n")}, cut},
        {"the file gone", {listing(RocksId), http(404, R"({"error":"No such set."})")}, "No such set."},
    };
    for (const auto& [what, answers, line] : rows) {
        SCOPED_TRACE(what);
        CannedServer table(answers);
        QStringList seen = find(table.address());
        EXPECT_EQ(seen.value(seen.size() - 1).replace(table.address(), "ADDRESS"), line);
        EXPECT_TRUE(importedSets(data).isEmpty());
        EXPECT_EQ(window->windowTitle(), "Pondrake");
    }
    // Without an address nothing is asked.
    EXPECT_TRUE(find(QString()).constLast().startsWith("No world table is set up"));
}

// A set the player's folder cannot take is the import's own message; nothing is half-written.
TEST_F(FindSets, ASetThatCannotBeImportedIsTold)
{
    CannedServer table({listing(RocksId), setFile(setFileBytes(Rocks))});
    QDir().mkpath(data);
    writeFile(data + "/sets", "a file where the folder goes");
    QString told;
    answerNextMessage(told);
    find(table.address());
    EXPECT_TRUE(told.startsWith("Import Level Set: ")) << told.toStdString();
    EXPECT_EQ(readFile(data + "/sets"), "a file where the folder goes");
    EXPECT_EQ(window->windowTitle(), "Pondrake");
}
