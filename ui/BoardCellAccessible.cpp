#include "ui/BoardCellAccessible.h"

#include "ui/BoardPicture.h"
#include "ui/CellNames.h"

#include <QWindow>

BoardCellAccessible::BoardCellAccessible(BoardPicture* picture, CellIndex cell) : m_picture(picture), m_cell(cell) {}

QWindow* BoardCellAccessible::window() const { return m_picture ? m_picture->window()->windowHandle() : nullptr; }

QAccessibleInterface* BoardCellAccessible::parent() const { return QAccessible::queryAccessibleInterface(m_picture); }

QString BoardCellAccessible::text(QAccessible::Text t) const
{
    if (t != QAccessible::Name || !m_picture)
        return {};
    const BoardPicture::Shown& shown = m_picture->shown();
    return cellName(shown.board(m_cell.col, m_cell.row), m_cell, shown.pickedUp(m_cell));
}

QRect BoardCellAccessible::rect() const
{
    if (!m_picture)
        return {};
    return {m_picture->mapToGlobal(QPoint(m_cell.col * CellPixels, m_cell.row * CellPixels)),
            QSize(CellPixels, CellPixels)};
}

QAccessible::State BoardCellAccessible::state() const
{
    QAccessible::State state;
    if (!m_picture)
        return state;
    state.invisible = !m_picture->isVisible();
    state.focusable = true;
    state.selectable = true;
    state.selected = isSelected();
    state.focused = m_picture->hasFocus() && m_picture->shown().cursor == m_cell;
    return state;
}

void* BoardCellAccessible::interface_cast(QAccessible::InterfaceType type)
{
    return type == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this) : nullptr;
}

bool BoardCellAccessible::isSelected() const { return m_picture && m_picture->shown().pickedUp(m_cell); }
