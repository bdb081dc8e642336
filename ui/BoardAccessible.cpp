#include "ui/BoardAccessible.h"

#include "core/TileCodes.h"
#include "ui/BoardCellAccessible.h"

#include <QCoreApplication>

BoardAccessible::BoardAccessible(BoardPicture* picture) : QAccessibleWidget(picture, QAccessible::Table) {}

BoardAccessible::~BoardAccessible()
{
    for (const QAccessible::Id id : m_cells)
        if (id)
            QAccessible::deleteAccessibleInterface(id);
}

QAccessibleInterface* BoardAccessible::factory(const QString& className, QObject* object)
{
    if (className == QLatin1String("BoardPicture"))
        if (auto* picture = qobject_cast<BoardPicture*>(object))
            return new BoardAccessible(picture);
    return nullptr;
}

namespace {

// What stands on a square as a reader tells one thing from another: a turtle turning is the same
// turtle, a turtle walking in is news.
int kindOf(TileCode code)
{
    return isTurtle(code) ? 1 : isDog(code) ? 2 : isFoot(code) ? 3 : code == Tile::Alien ? 4 : 0;
}

}  // namespace

void BoardAccessible::tell(BoardPicture& picture, const BoardPicture::Shown& before)
{
    const BoardPicture::Shown& now = picture.shown();
    if (!QAccessible::isActive() || !now.cursor || !picture.hasFocus())
        return;
    const int child = childIndex(*now.cursor);
    if (before.cursor != now.cursor) {
        QAccessibleEvent focus(&picture, QAccessible::Focus);
        focus.setChild(child);
        QAccessible::updateAccessibility(&focus);
    } else if (before.pickedUp(*now.cursor) != now.pickedUp(*now.cursor) ||
               kindOf(before.board(now.cursor->col, now.cursor->row)) !=
                   kindOf(now.board(now.cursor->col, now.cursor->row))) {
        QAccessibleEvent name(&picture, QAccessible::NameChanged);
        name.setChild(child);
        QAccessible::updateAccessibility(&name);
    }
}

void* BoardAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TableInterface)
        return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString BoardAccessible::text(QAccessible::Text t) const
{
    QString own = QAccessibleWidget::text(t);
    if (!own.isEmpty())
        return own;
    if (t == QAccessible::Name)
        return QCoreApplication::translate("BoardAccessible", "Board");
    if (t == QAccessible::Description)
        return QCoreApplication::translate(
            "BoardAccessible", "20 rows of 20 squares. The arrow keys move the cursor, Tab jumps to the "
                               "next turtle or dog, Space picks it up and an arrow then sends it that way.");
    return own;
}

QAccessibleInterface* BoardAccessible::child(int index) const
{
    if (index < 0 || index >= childCount())
        return nullptr;
    QAccessible::Id& id = m_cells[static_cast<std::size_t>(index)];
    if (!id)
        id = QAccessible::registerAccessibleInterface(
            new BoardCellAccessible(picture(), {index % BoardSize, index / BoardSize}));
    return QAccessible::accessibleInterface(id);
}

int BoardAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    const auto* cell = dynamic_cast<const BoardCellAccessible*>(child);
    if (!cell || cell->table() != this)
        return -1;
    return childIndex({cell->columnIndex(), cell->rowIndex()});
}

QAccessibleInterface* BoardAccessible::childAt(int x, int y) const
{
    const QPoint at = picture()->mapFromGlobal(QPoint(x, y));
    if (at.x() < 0 || at.y() < 0 || at.x() >= BoardSize * CellPixels || at.y() >= BoardSize * CellPixels)
        return nullptr;
    return cellAt(at.y() / CellPixels, at.x() / CellPixels);
}

QAccessibleInterface* BoardAccessible::focusChild() const
{
    const std::optional<CellIndex> cursor = picture()->shown().cursor;
    return cursor && picture()->hasFocus() ? child(childIndex(*cursor)) : nullptr;
}

QAccessibleInterface* BoardAccessible::cellAt(int row, int column) const
{
    if (row < 0 || row >= BoardSize || column < 0 || column >= BoardSize)
        return nullptr;
    return child(childIndex({column, row}));
}

int BoardAccessible::selectedCellCount() const { return picture()->shown().selection.selectionActive ? 1 : 0; }

QList<QAccessibleInterface*> BoardAccessible::selectedCells() const
{
    const Selection& selection = picture()->shown().selection;
    if (!selection.selectionActive)
        return {};
    return {cellAt(selection.selectionRow, selection.selectionCol)};
}

QString BoardAccessible::columnDescription(int column) const
{
    return QCoreApplication::translate("BoardAccessible", "Column %1").arg(column + 1);
}

QString BoardAccessible::rowDescription(int row) const
{
    return QCoreApplication::translate("BoardAccessible", "Row %1").arg(row + 1);
}
