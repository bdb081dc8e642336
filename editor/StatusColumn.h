#pragma once

#include "core/TileCodes.h"

#include <QCoreApplication>

#include <array>
#include <functional>

class QLabel;
class QPixmap;
class QString;
class QToolButton;
class QWidget;
class TileSet;

// The column right of the editor's board: the test's score, bonus, saved and lost turtles, and
// under them the nine palette pictures that choose the code a click places.
struct StatusColumn {
    Q_DECLARE_TR_FUNCTIONS(StatusColumn)

public:
    static constexpr int Left = 688;
    static constexpr int Width = 66;

    struct PaletteEntry {
        const char* picture;
        const char* tooltip;
        TileCode code;
    };
    // Top to bottom, 40 pixels apart from y = 272.
    static constexpr std::array<PaletteEntry, 9> Palette{{
        {"pictFootRight", QT_TRANSLATE_NOOP("StatusColumn", "Foot Right"), Tile::FootRight},
        {"pictFootLeft", QT_TRANSLATE_NOOP("StatusColumn", "Foot Left"), Tile::FootLeft},
        {"pictWater", QT_TRANSLATE_NOOP("StatusColumn", "Water"), Tile::Water},
        {"pictAlien", QT_TRANSLATE_NOOP("StatusColumn", "Alien"), Tile::Alien},
        {"pictBlank", QT_TRANSLATE_NOOP("StatusColumn", "Blank"), Tile::Blank},
        {"pictHole", QT_TRANSLATE_NOOP("StatusColumn", "Hole"), Tile::Hole},
        {"pictRock", QT_TRANSLATE_NOOP("StatusColumn", "Rocks"), Tile::Rock},
        {"pictDogSit", QT_TRANSLATE_NOOP("StatusColumn", "Dog"), Tile::DogSit},
        {"pictTurtleLeft", QT_TRANSLATE_NOOP("StatusColumn", "Turtle"), Tile::TurtleLeft},
    }};

    // Builds the column on the client; a click on a palette picture calls picked with its code.
    StatusColumn(QWidget* client, const std::function<void(TileCode)>& picked);
    void showTiles(const TileSet& tiles);
    // The palette picture's name for a code, as its tooltip says it.
    static QString paletteName(TileCode code);

    QLabel* lblScore;
    QLabel* lblTime;
    QLabel* lblSaved;
    QLabel* lblLost;
    std::array<QToolButton*, Palette.size()> palette;
};

// A tile's picture, or an empty one for a code without a tile.
QPixmap tilePixmap(const TileSet& tiles, TileCode code);
