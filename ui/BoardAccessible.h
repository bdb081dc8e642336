#pragma once

#include "ui/BoardPicture.h"

#include <QAccessibleWidget>

#include <array>

// The board as a screen reader finds it: a table of 20 rows of 20 squares, each named by what
// stands there and where (CellNames.h). The keyboard cursor's square is the focused cell and the
// picked-up creature's square the selected one. The game tells the reader when the cursor moves
// (the focus goes to its cell) and when the creature under it is picked up or let go (its cell's
// name changes): a value change would not reach it without a value interface.
class BoardAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit BoardAccessible(BoardPicture* picture);
    ~BoardAccessible() override;

    // For QAccessible::installFactory: this interface for every board picture.
    static QAccessibleInterface* factory(const QString& className, QObject* object);
    // What changed since the picture showed before, told while the board has the keyboard: the
    // keys' player alone moves the cursor, and a reader in another window hears nothing of it.
    static void tell(BoardPicture& picture, const BoardPicture::Shown& before);
    static int childIndex(CellIndex cell) { return cell.row * BoardSize + cell.col; }

    void* interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text t) const override;
    int childCount() const override { return BoardSize * BoardSize; }
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override;
    int selectedCellCount() const override;
    QList<QAccessibleInterface*> selectedCells() const override;
    QString columnDescription(int column) const override;
    QString rowDescription(int row) const override;
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return BoardSize; }
    int rowCount() const override { return BoardSize; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    // Creatures are picked up with the keys or the mouse, not through the reader.
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

private:
    BoardPicture* picture() const { return static_cast<BoardPicture*>(widget()); }

    // The cells' interfaces, made when first asked for and kept in QAccessible's register.
    mutable std::array<QAccessible::Id, BoardSize * BoardSize> m_cells{};
};
