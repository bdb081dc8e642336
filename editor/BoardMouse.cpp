#include "editor/BoardMouse.h"

#include "editor/LevelDocument.h"
#include "editor/StatusColumn.h"
#include "editor/TestMode.h"
#include "ui/BoardPicture.h"

#include <QLabel>

BoardMouse::BoardMouse(TestMode& test, LevelDocument& document, QLabel& selectedPicture, const TileSet& tiles,
                       QObject* parent)
    : QObject(parent), m_test(test), m_document(document), m_selectedPicture(selectedPicture), m_tiles(tiles)
{
}

void BoardMouse::choosePicture(TileCode code)
{
    m_selectedCode = code;
    m_selectedPicture.setPixmap(tilePixmap(m_tiles, code));
    m_selectedPicture.setAccessibleDescription(StatusColumn::paletteName(code));
}

void BoardMouse::pressBoard(float x, float y)
{
    if (m_test.editMode())
        m_pressCell = pressedCell(x, y);
    else
        m_test.pressBoard(x, y);
}

void BoardMouse::dragBoard(float x, float y)
{
    if (!m_test.editMode())
        m_test.dragBoard(x, y);
}

void BoardMouse::releaseBoard(float x, float y)
{
    if (!m_test.editMode())
        m_test.releaseBoard();
    // A press and a release on the picture make one click.
    if (x >= 0 && y >= 0 && x < BoardPicture::PictureWidth && y < BoardPicture::PictureHeight)
        clickBoard();
}

void BoardMouse::clickBoard()
{
    // Only the press cell takes the code: a drag paints nothing. A press beside the cells places
    // nothing either, rather than writing into the cell of some earlier press.
    if (m_test.editMode() && m_pressCell)
        m_document.place(*m_pressCell, m_selectedCode);
}
