// The palette, placement with the mouse, and the board and the totals drawn.
#include "editor/frmEditor.h"

#include "core/modGlobals.h"
#include "ui/BoardPicture.h"
#include "ui/KeyboardPlay.h"

#include <QLabel>

void frmEditor::Palette_Click(TileCode code)
{
    SelectedCode = code;
    pictSelected->setPixmap(tilePixmap(m_tiles, code));
    pictSelected->setAccessibleDescription(StatusColumn::paletteName(code));
}

void frmEditor::pictMain_MouseDown(float x, float y)
{
    if (EditMode())
        m_pressCell = pressedCell(x, y);
    else
        m_test.pressBoard(x, y);
}

void frmEditor::pictMain_MouseMove(float x, float y)
{
    if (!EditMode())
        m_test.dragBoard(x, y);
}

void frmEditor::pictMain_MouseUp(float x, float y)
{
    if (!EditMode())
        m_test.releaseBoard();
    // A press and a release on the picture make one click.
    if (x >= 0 && y >= 0 && x < BoardPicture::PictureWidth && y < BoardPicture::PictureHeight)
        pictMain_Click();
}

void frmEditor::pictMain_Click()
{
    // Only the press cell takes the code: a drag paints nothing. A press beside the cells places
    // nothing either, rather than writing into the cell of some earlier press.
    if (EditMode() && m_pressCell)
        m_document->place(*m_pressCell, SelectedCode);
}

void frmEditor::Timer1_Timer() { DrawGrid(); }

void frmEditor::DrawGrid()
{
    const PlayField& field = m_test.field();
    pictMain->DrawGrid(m_globals.board, field.selection, field.drag(), m_keys ? m_keys->cursorCell() : std::nullopt);
}

void frmEditor::showTotals() { m_column->showTotals(m_test.field()); }
