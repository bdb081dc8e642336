// The board for a player who cannot see it: its squares as a screen reader finds
// them, and what the reader is told as the keyboard cursor moves, a creature is picked up and let
// go or walks onto or off the cursor's square, and when a value shown beside it changes.
#include "ui/AccessibleNames.h"
#include "ui/BoardPicture.h"

#include "tests/support/BoardText.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QTest>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <gtest/gtest.h>

#include <tuple>

TEST(BoardAccess, EverySquareIsNamedByWhatStandsThereAndWhere)
{
    BoardPicture picture;
    const Board board = boardFromText("adwxh$r/jlimk@12/.At");
    picture.drawGrid(board, {true, 1, 1}, {});
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(&picture);
    ASSERT_EQ(table->role(), QAccessible::Table);

    const std::tuple<int, int, const char*> rows[] = {
        {0, 0, "Turtle heading west, row 1, column 1"}, {1, 1, "Dog walking east, picked up, row 2, column 2"},
        {1, 7, "Foot heading east, row 2, column 8"},   {2, 0, "Nothing, row 3, column 1"},
        {2, 1, "Unknown tile, row 3, column 2"},        {19, 19, "Blank, row 20, column 20"},
    };
    for (const auto& [row, col, name] : rows)
        EXPECT_EQ(table->tableInterface()->cellAt(row, col)->text(QAccessible::Name), name);
    EXPECT_EQ(table->tableInterface()->cellAt(20, 0), nullptr);

    QAccessibleInterface* held = table->tableInterface()->cellAt(1, 1);
    EXPECT_TRUE(held->state().selected);
    EXPECT_EQ(table->tableInterface()->selectedCells(), QList<QAccessibleInterface*>{held});
    EXPECT_EQ(table->indexOfChild(held), 21);
}

// Offscreen, QAccessible stays off unless the platform's own accessibility is switched on.
class BoardReader : public ::testing::Test {
protected:
    static inline std::vector<std::string> heard;

    static void listen(QAccessibleEvent* event)
    {
        const bool focus = event->type() == QAccessible::Focus;
        if ((focus || event->type() == QAccessible::NameChanged) && qobject_cast<BoardPicture*>(event->object()))
            heard.push_back((focus ? "focus | " : "name | ") +
                            event->accessibleInterface()->text(QAccessible::Name).toStdString());
        if (event->type() == QAccessible::DescriptionChanged)
            heard.push_back("description | " + event->accessibleInterface()->text(QAccessible::Name).toStdString() +
                            " | " + event->accessibleInterface()->text(QAccessible::Description).toStdString());
    }

    QWidget window;
    BoardPicture* picture = new BoardPicture(&window);

    void SetUp() override
    {
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
        QAccessible::installUpdateHandler(&BoardReader::listen);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        picture->setFocus();
    }
    void TearDown() override
    {
        QAccessible::installUpdateHandler(nullptr);
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(false);
    }
    std::vector<std::string> draw(const char* board, Selection selection, std::optional<CellIndex> cursor)
    {
        heard.clear();
        picture->drawGrid(boardFromText(board), selection, {}, cursor);
        return heard;
    }
};

TEST_F(BoardReader, HearsTheCursorMoveAndACreaturePickedUpAndLetGo)
{
    using Heard = std::vector<std::string>;
    EXPECT_EQ(draw("bbd", {}, std::nullopt), Heard{}) << "no cursor yet";
    EXPECT_EQ(draw("bbd", {}, CellIndex{2, 0}), Heard{"focus | Turtle heading east, row 1, column 3"});
    EXPECT_EQ(draw("bbd", {}, CellIndex{2, 0}), Heard{}) << "nothing changed";
    EXPECT_EQ(draw("bbd", {true, 2, 0}, CellIndex{2, 0}),
              Heard{"name | Turtle heading east, picked up, row 1, column 3"});
    // The held turtle walks on: the cursor goes with it.
    EXPECT_EQ(draw("bbbd", {true, 3, 0}, CellIndex{3, 0}),
              Heard{"focus | Turtle heading east, picked up, row 1, column 4"});
    EXPECT_EQ(draw("bbbw", {}, CellIndex{3, 0}), Heard{"name | Turtle heading north, row 1, column 4"}) << "let go";
    EXPECT_EQ(draw("bbbbw", {}, CellIndex{3, 0}), Heard{"name | Blank, row 1, column 4"}) << "a turtle walked off";
    EXPECT_EQ(draw("bbbbw", {}, CellIndex{3, 0}), Heard{}) << "nothing changed";
    EXPECT_EQ(draw("bbbd", {}, CellIndex{3, 0}), Heard{"name | Turtle heading east, row 1, column 4"}) << "walked in";
    EXPECT_EQ(draw("bbbw", {}, CellIndex{3, 0}), Heard{}) << "a turtle turning is no news";
    EXPECT_EQ(draw("b", {}, CellIndex{3, 1}), Heard{"focus | Blank, row 2, column 4"});
    EXPECT_EQ(QAccessible::queryAccessibleInterface(picture)->focusChild()->text(QAccessible::Name),
              "Blank, row 2, column 4");

    picture->clearFocus();
    EXPECT_EQ(draw("b", {}, CellIndex{4, 1}), Heard{}) << "the keys are elsewhere";
}

// A value label tells its new value as it shows it: once for changes between two frames, never
// for a frame that shows nothing new.
TEST_F(BoardReader, AValueLabelTellsItsNewValueWhenItShowsIt)
{
    auto* score = new QLabel(QStringLiteral("0"), &window);
    AccessibleNames::nameValue(score, QStringLiteral("Score"));
    score->show();
    score->repaint();
    heard.clear();
    score->setText(QStringLiteral("120"));
    score->setText(QStringLiteral("130"));
    score->repaint();
    score->repaint();
    EXPECT_EQ(heard, std::vector<std::string>{"description | Score | 130"});
}
