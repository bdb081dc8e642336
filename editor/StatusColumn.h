#pragma once

#include "core/TileCodes.h"

#include <QCoreApplication>

#include <array>
#include <functional>

class PlayField;
class QLabel;
class QPixmap;
class QString;
class QToolButton;
class QWidget;
class TileSet;

// The column right of the editor's board: the test's score, bonus, saved and lost turtles, and
// under them the nine palette pictures that choose the code a click places.
class StatusColumn {
    Q_DECLARE_TR_FUNCTIONS(StatusColumn)

public:
    static constexpr int Left = 688;
    static constexpr int Width = 66;

    struct PaletteEntry {
        const char* name;  // the picture's object name
        const char* tooltip;
        TileCode code;
    };
    // Top to bottom, 40 pixels apart from y = 272.
    static constexpr std::array<PaletteEntry, 9> Palette{{
        {"footRightButton", QT_TRANSLATE_NOOP("StatusColumn", "Foot Right"), Tile::FootRight},
        {"footLeftButton", QT_TRANSLATE_NOOP("StatusColumn", "Foot Left"), Tile::FootLeft},
        {"waterButton", QT_TRANSLATE_NOOP("StatusColumn", "Water"), Tile::Water},
        {"alienButton", QT_TRANSLATE_NOOP("StatusColumn", "Alien"), Tile::Alien},
        {"blankButton", QT_TRANSLATE_NOOP("StatusColumn", "Blank"), Tile::Blank},
        {"holeButton", QT_TRANSLATE_NOOP("StatusColumn", "Hole"), Tile::Hole},
        {"rockButton", QT_TRANSLATE_NOOP("StatusColumn", "Rocks"), Tile::Rock},
        {"dogButton", QT_TRANSLATE_NOOP("StatusColumn", "Dog"), Tile::DogSit},
        {"turtleButton", QT_TRANSLATE_NOOP("StatusColumn", "Turtle"), Tile::TurtleLeft},
    }};

    // Builds the column on the client; a click on a palette picture calls picked with its code.
    StatusColumn(QWidget* client, const std::function<void(TileCode)>& picked);
    void showTiles(const TileSet& tiles);
    // The test's score and the turtles it saved and lost.
    void showTotals(const PlayField& field);
    // The bonus as typed at a test's start, then the seconds left.
    void showBonus(const QString& text);
    // The palette picture's name for a code, as its tooltip says it.
    static QString paletteName(TileCode code);

private:
    QLabel* m_scoreLabel;
    QLabel* m_timeLabel;
    QLabel* m_savedLabel;
    QLabel* m_lostLabel;
    std::array<QToolButton*, Palette.size()> m_palette;
};

// A tile's picture, or an empty one for a code without a tile.
QPixmap tilePixmap(const TileSet& tiles, TileCode code);
