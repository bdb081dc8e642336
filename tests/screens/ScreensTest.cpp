// The game's windows as the player uses them: the main window's board, pause and Level Editor
// command, and the score windows with a typed or handwritten name.

#include "editor/EditorWindow.h"
#include "files/ScoreFile.h"
#include "screens/InkDisplay.h"
#include "screens/InkPicture.h"
#include "tests/support/GameWindowTest.h"
#include "ui/BoardPicture.h"
#include "ui/HelpWindow.h"
#include "ui/RecordingWindow.h"

#include <QGroupBox>

namespace {

class Screens : public GameWindowTest {
protected:
    void SetUp() override
    {
        GameWindowTest::SetUp();
        sitDown();
    }

    std::unique_ptr<GameOverDialog> gameOver(std::int32_t score)
    {
        auto gameOver = std::make_unique<GameOverDialog>(scores);
        gameOver->yourScore = score;
        gameOver->show();
        return gameOver;
    }
    template <class T = QLabel>
    static T* part(const QWidget& window, const char* name)
    {
        return window.findChild<T*>(QLatin1String(name));
    }
};

}  // namespace

// The board forwards the mouse to the rules (which refuse it while the game is held: core's tests).
TEST_F(Screens, TheLayoutAndTheBoardThatForwardsAPressToTheRules)
{
    expectLayout(*window->centralWidget(), "screens/layout.txt");
    const QPoint turtle(34 + 17, 34 + 17);
    QTest::mousePress(window->board(), Qt::LeftButton, {}, turtle);
    EXPECT_TRUE(window->field().selection.selectionActive);
    EXPECT_NE(window->board()->surface(), window->board()->backBuffer()) << "marked at once";
    QTest::mouseRelease(window->board(), Qt::LeftButton, {}, turtle);
}

// Turning to another program pauses a running game under a dimmed board until the player resumes;
// Help does too, in a window of its own.
TEST_F(Screens, AnotherProgramOrHelpPausesARunningGameUnderADimmedBoardUntilThePlayerResumes)
{
    EXPECT_FALSE(window->actions().pause->isEnabled()) << "no game runs";
    window->actions().newGame->trigger();
    emit qGuiApp->applicationStateChanged(Qt::ApplicationInactive);
    EXPECT_TRUE(window->actions().pause->isChecked());
    const QRgb composed = window->board()->backBuffer().pixel(5, 670);  // a blank cell
    EXPECT_LT(qGreen(window->board()->surface().pixel(5, 670)), qGreen(composed) / 2);
    emit qGuiApp->applicationStateChanged(Qt::ApplicationActive);
    EXPECT_TRUE(window->flow().paused());
    window->actions().pause->trigger();
    EXPECT_EQ(window->board()->surface().pixel(5, 670), composed);

    window->actions().instructions->trigger();
    auto* help = window->findChild<HelpWindow*>();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_TRUE(window->actions().pause->isChecked());
    help->close();
    EXPECT_TRUE(window->flow().paused()) << "until the player resumes";
}

TEST_F(Screens, ATypedAndAHandwrittenNameAreSavedAndTheTopTenShowsThemAsTheyWere)
{
    EXPECT_FALSE(part<QGroupBox>(*gameOver(0), "topScoreBox")->isVisible()) << "no better than the tenth";
    auto over = gameOver(120);
    part<QLineEdit>(*over, "nameEdit")->insert("<b>" + QString(5000, u'k'));  // as a paste would
    QTest::keyClick(part<QLineEdit>(*over, "nameEdit"), Qt::Key_Return);

    over = gameOver(300);
    auto* pen = part<InkPicture>(*over, "inkPicture");
    QTest::mousePress(pen, Qt::LeftButton, {}, {20, 20});
    QTest::mouseMove(pen, {60, 35});
    QTest::mouseMove(pen, {400, 10});  // beyond the right edge
    QTest::mouseRelease(pen, Qt::LeftButton, {}, {400, 10});
    QTest::mouseClick(part<QPushButton>(*over, "submitInkButton"), Qt::LeftButton);

    TopTenWindow topTen(scores);
    topTen.show();
    EXPECT_EQ(QStringList({part(topTen, "scoreLabel0")->text(), part(topTen, "scoreLabel1")->text()}),
              QStringList({" 300 ", " 120 "}));
    EXPECT_TRUE(part(topTen, "nameLabel0")->isHidden());
    const InkStrokes& ink = part<InkDisplay>(topTen, "inkName0")->ink();
    ASSERT_EQ(ink.strokes().size(), 1u);
    EXPECT_EQ(ink.strokes()[0].size(), 3u);
    EXPECT_EQ(ink.strokes()[0][2].position(), QPointF(337, 10));
    EXPECT_EQ(part(topTen, "nameLabel1")->text(), "<b>" + QString(MaxTypedName - 3, u'k')) << "never read as markup";
    EXPECT_EQ(part(topTen, "nameLabel1")->textFormat(), Qt::PlainText);
}

// A score that made the table survives Escape, the only key that used to close the window
// without a word; the top ten then shows the new entry on a band of its own, offering its game to
// a double-click or to the arrows and Enter, while any other key still closes it.
TEST_F(Screens, EscapeLeavesTheNameWindowOpenAndTheTopTenShowsTheNewEntryOnABand)
{
    QByteArray table;
    for (const int score : {90, 70, 40})
        table += " 0 \r\n " + QByteArray::number(score) + " \r\nold\r\n";
    writeFile(scores, table);
    auto alas = gameOver(0);
    QTest::keyClick(alas.get(), Qt::Key_Escape);
    EXPECT_FALSE(alas->isVisible()) << "with no name to lose, Escape closes as Bummer does";

    window->actions().newGame->trigger();
    window->field().score = 50;
    bool openAfterEscape = false;
    const auto rowColour = [](TopTenWindow& topTen, int row) {
        return topTen.grab().toImage().pixelColor(TopTenWindow::rowRect(row).topLeft() + QPoint(2, 2));
    };
    QColor band, otherRow;
    QStringList shown;
    QString watched;
    bool closedByKey = false;
    onNextModal<QMessageBox>([&](QMessageBox* abort) {
        onNextModal<GameOverDialog>([&](GameOverDialog* over) {
            QTest::keyClick(part<QLineEdit>(*over, "nameEdit"), Qt::Key_Escape);
            QTest::keyClick(over, Qt::Key_Escape);
            openAfterEscape = over->isVisible();
            onNextModal<TopTenWindow>([&](TopTenWindow* topTen) {
                band = rowColour(*topTen, 2);
                otherRow = rowColour(*topTen, 3);
                shown = QStringList({part(*topTen, "nameLabel2")->text(), part(*topTen, "nameLabel2")->toolTip(),
                                     part(*topTen, "nameLabel1")->toolTip()});
                const auto press = [topTen](Qt::Key key) { QTest::keyClick(topTen->focusWidget(), key); };
                press(Qt::Key_Up);  // from nowhere up: the lowest row with a game, the only one
                press(Qt::Key_Down);
                onNextModal<RecordingWindow>([&](RecordingWindow* replay) {
                    watched = topTen->accessibleDescription();
                    replay->reject();
                });
                press(Qt::Key_Return);
                EXPECT_TRUE(topTen->isVisible()) << "Enter watched the row chosen";
                press(Qt::Key_X);
                closedByKey = !topTen->isVisible();
                topTen->reject();
            });
            QTest::keyClick(part<QLineEdit>(*over, "nameEdit"), Qt::Key_Return);
        });
        abort->button(QMessageBox::Yes)->click();
    });
    window->status().abortButton->click();
    EXPECT_TRUE(openAfterEscape);
    // The game given up was kept with the entry, which the top ten offers (an old entry offers none).
    EXPECT_EQ(shown,
              QStringList(
                  {"Anonymous", "Double-click to watch this game, or choose it with the arrows and press Enter", ""}));
    EXPECT_EQ(watched, "Place 3: 50, Anonymous. Enter watches this game.");
    EXPECT_TRUE(closedByKey);
    EXPECT_EQ(readTopTen(scores).rows[2].typedName, "") << "no name is stored as none, in no language";
    EXPECT_EQ(band, QColor(255, 236, 140));
    EXPECT_NE(otherRow, band);
}

// The keys play the board through the rules the mouse takes, with a cursor of their own that a
// mouse press hides; Fast Forward doubles the clock's pace during a game and goes off with it.
TEST_F(Screens, TheKeysSteerATurtleAndFastForwardRunsOnlyDuringAGameThatTheLevelEditorEnds)
{
    EXPECT_FALSE(window->actions().fastForward->isEnabled()) << "no game runs";
    window->actions().newGame->trigger();
    const auto framed = [&] {  // the cursor's frame on the turtle's cell (1, 1)
        return window->board()->surface().pixel(34 + 2, 34 + 2) != window->board()->backBuffer().pixel(36, 36);
    };
    EXPECT_FALSE(framed());
    QTest::keyClick(window->board(), Qt::Key_Tab);
    EXPECT_TRUE(framed());
    QTest::keyClick(window->board(), Qt::Key_Space);
    EXPECT_TRUE(window->field().selection.selectionActive);
    QTest::keyClick(window->board(), Qt::Key_Left);
    EXPECT_FALSE(window->field().selection.selectionActive);
    EXPECT_EQ(level.board(1, 1), Tile::TurtleLeft);
    // A key held down repeats a move of the cursor, never a command's arrow.
    const auto held = [&](Qt::Key key) {
        QKeyEvent repeat(QEvent::KeyPress, key, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(window->board(), &repeat);
    };
    held(Qt::Key_Left);
    EXPECT_TRUE(framed()) << "still on the turtle";
    QTest::keyClick(window->board(), Qt::Key_Left);
    held(Qt::Key_Right);
    EXPECT_TRUE(framed()) << "one square left and back";
    QTest::mousePress(window->board(), Qt::LeftButton, {}, QPoint(300, 300));
    EXPECT_FALSE(framed()) << "the mouse hides the cursor";

    window->actions().fastForward->trigger();
    EXPECT_EQ(QString("%1 %2").arg(window->clock().speed()).arg(window->status().speedLabel->isVisible()), "2 1");
    EXPECT_EQ(window->status().speedLabel->text(), QStringLiteral("2x"));
    window->actions().fastForward->trigger();
    EXPECT_EQ(QString("%1 %2").arg(window->clock().speed()).arg(window->status().speedLabel->isVisible()), "1 0");
    window->actions().fastForward->trigger();

    // The Level Editor command gives the game up (its question and timers are the flow table's), and
    // Fast Forward goes off with the game.
    onNextModal<QMessageBox>([&](QMessageBox* box) {
        onNextModal<EditorWindow>([&](EditorWindow* editor) { part<QAction>(*editor, "exitAction")->trigger(); });
        box->button(QMessageBox::Ok)->click();
    });
    window->actions().levelEditor->trigger();
    EXPECT_FALSE(window->status().abortButton->isEnabled() || window->status().replayButton->isEnabled() ||
                 window->actions().fastForward->isEnabled() || window->actions().fastForward->isChecked());
    EXPECT_EQ(QString("%1 %2").arg(window->clock().speed()).arg(window->status().speedLabel->isVisible()), "1 0")
        << "the game is over";
}
