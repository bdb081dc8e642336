// The mouse on the board picture, end to end: Qt's events reach a window's handlers in board
// pixels, and the handlers (here a stand-in for the game window) apply the mouse commands.
// Events go through the window, as the window system delivers them, so Qt's grab of the pressed
// widget is part of what is tested.
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
        connect(pictMain, &BoardPicture::MouseDown, this, &BoardWindow::pictMain_MouseDown);
        connect(pictMain, &BoardPicture::MouseMove, this, &BoardWindow::pictMain_MouseMove);
        connect(pictMain, &BoardPicture::MouseUp, this, &BoardWindow::pictMain_MouseUp);
        DrawGrid();
    }

    void pictMain_MouseDown(float x, float y) { apply(mouseDown(board, selection, drag, x, y)); }
    void pictMain_MouseMove(float x, float y)
    {
        ++moves;
        lastMove = QPointF(x, y);
        apply(mouseMove(selection, drag, x, y));
    }
    void pictMain_MouseUp(float x, float y)
    {
        ++releases;
        lastRelease = QPointF(x, y);
        apply(mouseUp(board, selection, drag));
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
    QPointF lastMove, lastRelease;

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
    void drag(int x, int y, int dx, int dy)
    {
        press(x, y);
        moveTo(x + dx, y + dy);
        release(x + dx, y + dy);
    }
    std::vector<std::string> sounds() const { return window->sounds; }

    std::unique_ptr<BoardWindow> window;
};

} // namespace

TEST_F(BoardMouse, APressAt34SelectsColumnZeroAndAt35ColumnOne)
{
    show(boardFromRows({"aw"}));
    press(34, 20);
    EXPECT_EQ(window->selection.SelectionCol, 0);
    release(34, 20);
    press(35, 20);
    EXPECT_EQ(window->selection.SelectionCol, 1);
    EXPECT_TRUE(window->selection.SelectionActive);
    EXPECT_EQ(window->drag.DragStartX, 35);
    EXPECT_EQ(window->drag.DragStartY, 20);
}

TEST_F(BoardMouse, APressAt102SelectsColumnTwo)
{
    show(boardFromRows({"bbxa"}));
    press(102, 20);
    EXPECT_TRUE(window->selection.SelectionActive);
    EXPECT_EQ(window->selection.SelectionCol, 2);
    EXPECT_EQ(sounds(), std::vector<std::string>{"TurtSelect"});
}

TEST_F(BoardMouse, APressAt680OnlyRecordsTheDragStart)
{
    Board board = boardFromRows({});
    board(19, 0) = Tile::TurtleLeft;
    show(board);
    press(680, 20);
    EXPECT_FALSE(window->selection.SelectionActive);
    EXPECT_EQ(window->drag.DragStartX, 680);
    EXPECT_TRUE(sounds().empty());
    EXPECT_EQ(window->redraws, 0);
}

TEST_F(BoardMouse, PressAndReleaseOnATurtleSelectsAndExecutesWithoutTurningIt)
{
    show(boardFromRows({"d"}));
    press(17, 17);
    release(17, 17);
    EXPECT_EQ(sounds(), (std::vector<std::string>{"TurtSelect", "TurtExecute"}));
    EXPECT_EQ(window->board(0, 0), Tile::TurtleRight);
}

TEST_F(BoardMouse, AShortDragSitsADogAndLeavesATurtleAsItWas)
{
    show(boardFromRows({"lbbx"}));
    drag(17, 17, 7, 7);
    EXPECT_EQ(window->board(0, 0), Tile::DogSit);
    drag(3 * 34 + 5, 5, 7, 7);
    EXPECT_EQ(window->board(3, 0), Tile::TurtleDown);
    EXPECT_EQ(sounds(), (std::vector<std::string>{"DogSelect", "dog", "TurtSelect", "TurtExecute"}));
}

TEST_F(BoardMouse, ADragOfEightAcrossAndSixDownGoesRight)
{
    show(boardFromRows({"bbbbbbbb", "bbbbbbbb", "bbba"}));
    drag(3 * 34 + 10, 2 * 34 + 10, 8, 6);
    EXPECT_EQ(window->board(3, 2), Tile::TurtleRight);
}

TEST_F(BoardMouse, ADiagonalDragGoesSidewaysAndOneSteeperGoesUp)
{
    Board board = boardFromRows({});
    board(5, 10) = Tile::DogSit;
    board(8, 10) = Tile::TurtleDown;
    show(board);
    drag(5 * 34 + 10, 10 * 34 + 30, 20, -20);
    EXPECT_EQ(window->board(5, 10), Tile::DogRight);
    drag(8 * 34 + 10, 10 * 34 + 30, 20, -21);
    EXPECT_EQ(window->board(8, 10), Tile::TurtleUp);
}

TEST_F(BoardMouse, EveryMoveDuringADragRedrawsTheBoxAndTheLine)
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
    EXPECT_NE(window->pictMain->surface().pixel(5 * 34, 2 * 34 + 10), Blue);
}

TEST_F(BoardMouse, ASelectedTurtleLostDuringTheDragEndsTheSelectionWithoutACommand)
{
    show(boardFromRows({"bbbb", "bbbw", "bbbh"}));
    press(3 * 34 + 17, 34 + 17);
    moveTo(3 * 34 + 17, 34 + 40);
    // The turtle tick: the turtle falls into the hole; LoseTurtle drops the selection.
    window->board(3, 1) = Tile::Blank;
    window->selection.SelectionActive = false;
    window->DrawGrid();
    EXPECT_NE(window->pictMain->surface().pixel(3 * 34, 34 + 10), Blue);
    const int redraws = window->redraws;
    moveTo(3 * 34 + 17, 34 + 60);
    release(3 * 34 + 17, 34 + 60);
    EXPECT_EQ(sounds(), std::vector<std::string>{"TurtSelect"});
    EXPECT_EQ(window->redraws, redraws);
    EXPECT_EQ(rowOf(window->board, 1), "bbbbbbbbbbbbbbbbbbbb");
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
