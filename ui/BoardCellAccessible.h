#pragma once

#include "core/MouseCommands.h"

#include <QAccessibleInterface>
#include <QPointer>

class BoardPicture;

// One square of the board for a screen reader: named by what stands there and where; focused
// under the keyboard cursor while the board has the keyboard, selected under the picked-up
// creature.
class BoardCellAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    BoardCellAccessible(BoardPicture* picture, CellIndex cell);

    bool isValid() const override { return !m_picture.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    bool isSelected() const override;
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return m_cell.col; }
    int rowIndex() const override { return m_cell.row; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

private:
    QPointer<BoardPicture> m_picture;
    CellIndex m_cell;
};
