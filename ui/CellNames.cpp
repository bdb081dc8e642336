#include "ui/CellNames.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>

namespace {

struct Named {
    TileCode code;
    const char* name;
};

constexpr std::array<Named, 18> Names{{
    {Tile::Empty, QT_TRANSLATE_NOOP("CellNames", "Nothing")},
    {Tile::Blank, QT_TRANSLATE_NOOP("CellNames", "Blank")},
    {Tile::Rock, QT_TRANSLATE_NOOP("CellNames", "Rocks")},
    {Tile::Hole, QT_TRANSLATE_NOOP("CellNames", "Hole")},
    {Tile::Water, QT_TRANSLATE_NOOP("CellNames", "Water")},
    {Tile::TurtleLeft, QT_TRANSLATE_NOOP("CellNames", "Turtle heading west")},
    {Tile::TurtleUp, QT_TRANSLATE_NOOP("CellNames", "Turtle heading north")},
    {Tile::TurtleRight, QT_TRANSLATE_NOOP("CellNames", "Turtle heading east")},
    {Tile::TurtleDown, QT_TRANSLATE_NOOP("CellNames", "Turtle heading south")},
    {Tile::DogLeft, QT_TRANSLATE_NOOP("CellNames", "Dog walking west")},
    {Tile::DogUp, QT_TRANSLATE_NOOP("CellNames", "Dog walking north")},
    {Tile::DogRight, QT_TRANSLATE_NOOP("CellNames", "Dog walking east")},
    {Tile::DogDown, QT_TRANSLATE_NOOP("CellNames", "Dog walking south")},
    {Tile::DogSit, QT_TRANSLATE_NOOP("CellNames", "Dog sitting")},
    {Tile::Alien, QT_TRANSLATE_NOOP("CellNames", "Alien")},
    {Tile::FootLeft, QT_TRANSLATE_NOOP("CellNames", "Foot heading west")},
    {Tile::FootRight, QT_TRANSLATE_NOOP("CellNames", "Foot heading east")},
    {Tile::TurtleAnyWay, QT_TRANSLATE_NOOP("CellNames", "Turtle")},
}};

}  // namespace

QString tileName(TileCode code)
{
    const auto found = std::find_if(Names.begin(), Names.end(), [code](const Named& n) { return n.code == code; });
    // A stray character from a hand-edited level file: inert, and drawn as nothing.
    const char* name = found == Names.end() ? QT_TRANSLATE_NOOP("CellNames", "Unknown tile") : found->name;
    return QCoreApplication::translate("CellNames", name);
}

QString cellName(TileCode code, CellIndex cell, bool pickedUp)
{
    const char* format = pickedUp ? QT_TRANSLATE_NOOP("CellNames", "%1, picked up, row %2, column %3")
                                  : QT_TRANSLATE_NOOP("CellNames", "%1, row %2, column %3");
    return QCoreApplication::translate("CellNames", format)
        .arg(tileName(code), QString::number(cell.row + 1), QString::number(cell.col + 1));
}
