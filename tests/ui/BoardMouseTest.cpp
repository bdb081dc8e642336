// The mouse on the board picture, end to end: Qt's events reach a window's handlers in board
// pixels, and the handlers (here a stand-in for the game window) apply the mouse commands.
// Events go through the window, as the window system delivers them, so Qt's grab of the pressed
// widget is part of what is tested. The rules of the commands themselves are in MouseCommandsTest.
#define QTEST_QPA_MOUSE_HANDLING

#include "ui/BoardPicture.h"

#include "tests/support/BoardText.h"
#include "tests/support/TestTiles.h"

#include <QApplication>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr QRgb Blue = 0xFF0000FF;

// What frmPondrake does with the picture's events: its three handlers, the sounds they ask for
// and the redraws.
class BoardWindow : public QWidget {
public:
    explicit BoardWindow(Board initial) : board(initial)
    {
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        pictMain = new BoardPicture(this);
        pictMain->setTiles(testTiles());
        below = new QWidget(this);
        below->setFixedHeight(100);
        layout->addWidget(pictMain);
        layout->addWidget(below);
        connect(pictMain, &BoardPicture::MouseDown, this,
                [this](float x, float y) { apply(mouseDown(board, selection, drag, x, y)); });
        connect(pictMain, &BoardPicture::MouseMove, this, [this](float x, float y) {
            ++moves;
            lastMove = QPointF(x, y);
            apply(mouseMove(selection, drag, x, y));
        });
        connect(pictMain, &BoardPicture::MouseUp, this, [this] {
            ++releases;
            apply(mouseUp(board, selection, drag));
        });
        DrawGrid();
    }

    void DrawGrid()
    {
        ++redraws;
        pictMain->DrawGrid(board, selection, drag);
    }

    Board board;
    Selection selection;
    DragPoints drag;
    BoardPicture* pictMain = nullptr;
    QWidget* below = nullptr;
    std::vector<std::string> sounds;
    int redraws = 0;
    int moves = 0;
    int releases = 0;
    QPointF lastMove;

private:
    void apply(const MouseOutcome& outcome)
    {
        if (!outcome.sound.empty())
            sounds.emplace_back(outcome.sound);
        if (outcome.redraw)
            DrawGrid();
    }
};

class BoardMouse : public ::testing::Test {
protected:
    void show(Board board)
    {
        window = std::make_unique<BoardWindow>(board);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        window->sounds.clear();
        window->redraws = 0;
    }
    void press(int x, int y) { QTest::mousePress(window->pictMain, Qt::LeftButton, {}, QPoint(x, y)); }
    void moveTo(int x, int y) { QTest::mouseMove(window->pictMain, QPoint(x, y)); }
    void release(int x, int y) { QTest::mouseRelease(window->pictMain, Qt::LeftButton, {}, QPoint(x, y)); }
    std::vector<std::string> sounds() const { return window->sounds; }

    std::unique_ptr<BoardWindow> window;
};

} // namespace

TEST_F(BoardMouse, APressArrivesInBoardPixelsAndSelectsTheCellUnderIt)
{
    show(boardFromRows({"aaabbbbbbbbbbbbbbbba"}));
    struct Case {
        int x;
        int col; // -1: nothing selected
    };
    for (const Case& c : {Case{34, 0}, Case{35, 1}, Case{102, 2}, Case{680, -1}}) {
        SCOPED_TRACE(testing::Message() << "press at x = " << c.x);
        window->sounds.clear();
        window->redraws = 0;
        press(c.x, 20);
        EXPECT_EQ(window->drag.DragStartX, c.x);
        EXPECT_EQ(window->drag.DragStartY, 20);
        EXPECT_EQ(window->selection.SelectionActive, c.col >= 0);
        if (c.col >= 0) {
            EXPECT_EQ(window->selection.SelectionCol, c.col);
            EXPECT_EQ(sounds(), std::vector<std::string>{"TurtSelect"});
        } else {
            EXPECT_TRUE(sounds().empty());
            EXPECT_EQ(window->redraws, 0);
        }
        release(c.x, 20);
    }
}

TEST_F(BoardMouse, PressDragAndReleaseRedrawOnEveryMoveAndCommandTheCreature)
{
    show(boardFromRows({"bbbbbb", "bbbbbb", "bbbbbk"}));
    press(5 * 34 + 17, 2 * 34 + 17);
    const int afterPress = window->redraws;
    moveTo(400, 300);
    moveTo(420, 310);
    EXPECT_EQ(window->redraws, afterPress + 2);
    const QImage& shown = window->pictMain->surface();
    EXPECT_EQ(shown.pixel(5 * 34, 2 * 34 + 10), Blue); // the box
    EXPECT_EQ(window->drag.DragEndX, 420);
    release(420, 310);
    EXPECT_EQ(window->board(5, 2), Tile::DogRight);
    EXPECT_EQ(sounds(), (std::vector<std::string>{"DogSelect", "dog"}));
    EXPECT_NE(window->pictMain->surface().pixel(5 * 34, 2 * 34 + 10), Blue);
}

TEST_F(BoardMouse, MovesAndTheReleaseKeepComingWhileThePointerIsOutsideThePicture)
{
    show(boardFromRows({"k"}));
    press(17, 17);
    const int moves = window->moves;
    // Over the sibling below the board, then beyond the window's left edge.
    QTest::mouseMove(window->below, QPoint(50, 50));
    QTest::mouseMove(window.get(), QPoint(-150, 30));
    QTest::mouseRelease(window.get(), Qt::LeftButton, {}, QPoint(-150, 30));
    EXPECT_EQ(window->moves, moves + 2);
    EXPECT_EQ(window->lastMove, QPointF(-150, 30));
    EXPECT_EQ(window->releases, 1);
    EXPECT_EQ(window->board(0, 0), Tile::DogLeft);
}

TEST_F(BoardMouse, ASecondPressDuringADragStartsItAgain)
{
    show(boardFromRows({"ab", "bw"}));
    press(17, 17);
    QTest::mousePress(window->pictMain, Qt::RightButton, {}, QPoint(51, 51)); // the other turtle
    EXPECT_EQ(window->selection.SelectionCol, 1);
    EXPECT_EQ(window->selection.SelectionRow, 1);
    moveTo(51, 10);
    QTest::mouseRelease(window->pictMain, Qt::RightButton, {}, QPoint(51, 10));
    EXPECT_EQ(window->board(1, 1), Tile::TurtleUp);
    EXPECT_EQ(window->board(0, 0), Tile::TurtleLeft);
    release(51, 10); // the first button: nothing is selected any more
    EXPECT_EQ(sounds(), (std::vector<std::string>{"TurtSelect", "TurtSelect", "TurtExecute"}));
}
