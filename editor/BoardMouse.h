#pragma once

#include "core/MouseCommands.h"
#include "core/TileCodes.h"

#include <QObject>

#include <optional>

class LevelDocument;
class QLabel;
class TestMode;
class TileSet;

// The mouse on the editor's board and the palette. In edit mode a press and a release on the
// board make a click, which places the chosen code in the cell of the press; during a test the
// mouse commands the creatures as in the game.
class BoardMouse : public QObject {
    Q_OBJECT

public:
    // The selected picture shows the chosen code in the tiles given, which may be loaded later.
    BoardMouse(TestMode& test, LevelDocument& document, QLabel& selectedPicture, const TileSet& tiles, QObject* parent);

    // A palette picture clicked: from now on a click places its code.
    void choosePicture(TileCode code);
    TileCode selectedCode() const { return m_selectedCode; }

    void pressBoard(float x, float y);
    void dragBoard(float x, float y);
    void releaseBoard(float x, float y);

private:
    void clickBoard();

    TestMode& m_test;
    LevelDocument& m_document;
    QLabel& m_selectedPicture;
    const TileSet& m_tiles;
    TileCode m_selectedCode = Tile::Blank;
    std::optional<CellIndex> m_pressCell;  // in edit mode: the cell of the last press on the board
};
