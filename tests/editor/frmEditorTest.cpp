#include "tests/editor/EditorTestSupport.h"

#include "editor/SettingsPanel.h"
#include "editor/StatusColumn.h"

#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QSlider>

namespace {

using EditorWindow = EditorTest;

QStringList menuTexts(const QMenuBar* bar)
{
    QStringList texts;
    for (QAction* entry : bar->actions()) {
        texts << entry->text();
        if (entry->menu())
            for (QAction* item : entry->menu()->actions())
                texts << QStringLiteral("  ") + item->text() + (item->isChecked() ? QStringLiteral(" [x]") : QString());
    }
    return texts;
}

}  // namespace

TEST_F(EditorWindow, OpensInEditModeOverAnEmptyBoardWithTheDesignSettings)
{
    globals.board = boardFromRows({"rrrr", "hhhh"});
    globals.board(20, 3) = U'z';  // outside the play area: never touched
    editor = std::make_unique<frmEditor>(globals, random, sound, folder.path());
    EXPECT_EQ(editor->windowTitle(), QStringLiteral("Level Editor"));
    EXPECT_TRUE(editor->isModal());
    EXPECT_TRUE(editor->EditMode());
    EXPECT_EQ(rowsOf(globals.board), std::vector<std::string>(BoardSize, std::string(BoardSize, 'b')));
    EXPECT_EQ(globals.board(20, 3), U'z');
    EXPECT_EQ(editor->SelectedCode, Tile::Blank);
    EXPECT_EQ(editor->pictSelected->pixmap().toImage().pixel(17, 17), testTileColour(Tile::Blank));
    EXPECT_EQ(editor->frameControl->settings(), (LevelSettingsText{"", "100", "1500", "1000"}));
    EXPECT_EQ(editor->sliderDog->value(), 1000);
    EXPECT_TRUE(editor->Timer1.isActive());
    EXPECT_EQ(editor->Timer1.interval(), 400);
    EXPECT_EQ(menuTexts(editor->menuBar),
              (QStringList{"&File", "  New Level", "  &Open Level", "  Save Level", "  Exit", "&Edit", "  &Undo",
                           "  &Redo", "&Audio", "  Music Auto Play [x]", "  Music Stop", "  Sound Effects [x]"}));
    EXPECT_FALSE(editor->mnuUndo->isEnabled()) << "nothing to undo after load";
}

TEST_F(EditorWindow, ThePaletteOffersNineCodesInItsOrderAndShowsTheChosenOne)
{
    const char* tooltips[] = {"Foot Right", "Foot Left", "Water", "Alien", "Blank", "Hole", "Rocks", "Dog", "Turtle"};
    const TileCode codes[] = {U'2', U'1', U'$', U'@', U'b', U'h', U'r', U'k', U'a'};
    const auto& palette = editor->column().palette;
    for (std::size_t i = 0; i < palette.size(); ++i) {
        SCOPED_TRACE(tooltips[i]);
        EXPECT_EQ(palette[i]->toolTip(), QLatin1String(tooltips[i]));
        EXPECT_EQ(palette[i]->y(), 272 + 40 * int(i));
        palette[i]->click();
        EXPECT_EQ(editor->SelectedCode, codes[i]);
        EXPECT_EQ(editor->pictSelected->pixmap().toImage().pixel(17, 17), testTileColour(codes[i]));
    }
}

TEST_F(EditorWindow, AClickWritesTheChosenCodeIntoThePressCellOnly)
{
    pick("pictWater");
    clickAt({40, 10});
    EXPECT_EQ(globals.board(1, 0), Tile::Water);
    EXPECT_EQ(shownAt(1, 0), testTileColour(Tile::Water)) << "drawn at once";
    clickAt({34, 10});  // the border between two cells belongs to the left one
    EXPECT_EQ(globals.board(0, 0), Tile::Water);

    // Press on one cell, drag to another, release: only the press cell changes.
    pick("pictRock");
    QTest::mousePress(editor->pictMain, Qt::LeftButton, {}, {5 * 34 + 17, 5 * 34 + 17});
    QTest::mouseMove(editor->pictMain, {9 * 34 + 17, 5 * 34 + 17});
    QTest::mouseRelease(editor->pictMain, Qt::LeftButton, {}, {9 * 34 + 17, 5 * 34 + 17});
    EXPECT_EQ(rowOf(globals.board, 5), "bbbbbrbbbbbbbbbbbbbb");
    EXPECT_FALSE(editor->test().field().selection.SelectionActive) << "no selection in edit mode";

    // A press beside the cells (the picture's last two columns) places nothing anywhere.
    pick("pictHole");
    clickAt({680, 5 * 34 + 17});
    clickAt({681, 10});
    EXPECT_EQ(rowOf(globals.board, 5), "bbbbbrbbbbbbbbbbbbbb");
    EXPECT_EQ(rowOf(globals.board, 0), "$$bbbbbbbbbbbbbbbbbb");

    // Any code overwrites any code.
    place("pictTurtleLeft", {{1, 0}, {19, 19}});
    EXPECT_EQ(globals.board(1, 0), Tile::TurtleLeft);
    EXPECT_EQ(globals.board(19, 19), Tile::TurtleLeft);
}

TEST_F(EditorWindow, NewLevelEmptiesTheBoardAndKeepsTheSettingsAndTheChosenCode)
{
    place("pictDogSit", {{3, 3}});
    enter(editor->txtBonus, QStringLiteral("250"));
    editor->lblScore->setText(QStringLiteral("51"));
    editor->mnuNew->trigger();
    EXPECT_EQ(rowOf(globals.board, 3), std::string(BoardSize, 'b'));
    EXPECT_EQ(editor->lblScore->text(), QStringLiteral("0"));
    EXPECT_EQ(editor->txtBonus->text(), QStringLiteral("250"));
    EXPECT_EQ(editor->SelectedCode, Tile::DogSit);
}

TEST_F(EditorWindow, ThePanelStandsRightOfTheColumnOnAWideScreenAndBelowTheBoardOtherwise)
{
    struct Case {
        QSize screen;
        bool right;
    };
    const Case cases[] = {
        {{1024, 768}, true}, {{800, 1280}, false}, {{1000, 1000}, false},
        {{70000, 40000}, true},  // wider than 16 bits can hold: compared whole
        {{40000, 70000}, false},
    };
    for (const Case& c : cases) {
        const QPoint place = frmEditor::PanelPlace(c.screen);
        EXPECT_EQ(place, c.right ? QPoint(StatusColumn::Left + StatusColumn::Width + 20, 0) : QPoint(0, 684 + 20))
            << c.screen.width() << " x " << c.screen.height();
    }

    // Turning the display moves the panel at once, and the window fits what it holds.
    QScreen* screen = editor->screen();
    ASSERT_NE(screen, nullptr);
    emit screen->geometryChanged(QRect(0, 0, 800, 1280));
    EXPECT_EQ(editor->frameControl->pos(), QPoint(0, 704));
    EXPECT_GE(editor->height(), 704 + SettingsPanel::PanelHeight);
    EXPECT_LT(editor->width(), 800);
    emit screen->geometryChanged(QRect(0, 0, 1280, 800));
    EXPECT_EQ(editor->frameControl->pos(), QPoint(774, 0));
    EXPECT_LT(editor->height(), 800);
    EXPECT_GE(editor->width(), 774 + SettingsPanel::PanelWidth);
}

TEST_F(EditorWindow, EscapeDoesNotCloseTheEditor)
{
    QTest::keyClick(editor.get(), Qt::Key_Escape);
    EXPECT_TRUE(editor->isVisible());
    editor->mnuExit->trigger();
    EXPECT_FALSE(editor->isVisible());
}
