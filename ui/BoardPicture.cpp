#include "ui/BoardPicture.h"

#include "ui/BoardAccessible.h"
#include "ui/BoardBlit.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

QImage blankPicture()
{
    QImage picture(BoardPicture::PictureWidth, BoardPicture::PictureHeight, QImage::Format_RGB32);
    picture.fill(PictureBackColor);
    return picture;
}

// A changed rectangle as the screen repaints it: a pixel more all round, since at a fractional
// ratio a device pixel on its edge also shows the pixel beside it.
QRect onScreen(const QRect& changed) { return changed.adjusted(-1, -1, 1, 1); }

QRect boardRect() { return QRect(0, 0, BoardSize * CellPixels, BoardSize * CellPixels); }

// Calls visit(cell, {col, row}) for every cell of the board that rect meets, row by row, the cell
// numbered column by column as the board's arrays are.
template <typename Visit>
void forEachCell(const QRect& rect, Visit visit)
{
    const QRect within = rect & boardRect();
    for (int row = within.top() / CellPixels; !within.isEmpty() && row <= within.bottom() / CellPixels; ++row)
        for (int col = within.left() / CellPixels; col <= within.right() / CellPixels; ++col)
            visit(static_cast<std::size_t>(col) * BoardSize + static_cast<std::size_t>(row), QPoint(col, row));
}

}  // namespace

BoardPicture::BoardPicture(QWidget* parent) : QWidget(parent), m_backBuffer(blankPicture()), m_surface(blankPicture())
{
    // Moves arrive also without a button, as they did for the original picture; the handlers
    // ignore them unless a creature is selected. While a button is held Qt keeps sending moves
    // and the release here, wherever the pointer goes.
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(PictureWidth, PictureHeight);
    // A screen reader finds the board as a table of its squares.
    static const bool named = (QAccessible::installFactory(BoardAccessible::factory), true);
    Q_UNUSED(named);
}

void BoardPicture::setTiles(const TileSet& tiles)
{
    m_tiles = tiles;
    m_composed.fill(nullptr);  // the same tiles in new pictures: every cell is drawn anew
}

void BoardPicture::drawGrid(const Board& board, const Selection& selection, const DragPoints& drag,
                            std::optional<CellIndex> cursor)
{
    QRegion changed = composeBoard(board);

    // The one transfer to the picture. It takes the whole picture, not only the 680 x 680 board:
    // the box of column 19 or row 19 has its edge on x = 680 or y = 680 and the
    // drag line may cross the margin, and the next redraw must remove those pixels too. The back
    // buffer's margin is never drawn on, so it holds the plain back colour.
    BoardBlit::blitTile(m_backBuffer, m_surface, 0, 0, PictureWidth, PictureHeight);
    for (const QRect& gone : std::exchange(m_over, {}))
        changed += onScreen(gone);

    drawOverlay(selection, drag, cursor);
    for (const QRect& over : m_over)
        changed += onScreen(over);
    update(changed);
    const Shown before = std::exchange(m_shown, {board, selection, cursor});
    BoardAccessible::tell(*this, before);
}

QRegion BoardPicture::composeBoard(const Board& board)
{
    // Column by column from the left, each column from the top; a code without a tile leaves
    // whatever the back buffer held there. The cells whose tile changed, in runs down each column;
    // where cell edges lie on device pixel edges, without the pixel round them.
    const bool apart = SharpScaler::keepsCellsApart(CellPixels, devicePixelRatioF());
    QRegion changed;
    for (int col = 0; col < BoardSize; ++col) {
        std::array<bool, BoardSize> changedRows{};
        for (int row = 0; row < BoardSize; ++row)
            if (const QImage* tile = m_tiles.tileFor(board(col, row))) {
                BoardBlit::blitTile(*tile, m_backBuffer, CellPixels * col, CellPixels * row, CellPixels, CellPixels);
                const std::size_t cell = static_cast<std::size_t>(col) * BoardSize + static_cast<std::size_t>(row);
                changedRows[static_cast<std::size_t>(row)] = std::exchange(m_composed[cell], tile) != tile;
            }
        for (auto from = changedRows.begin(); (from = std::find(from, changedRows.end(), true)) != changedRows.end();) {
            const auto to = std::find(from, changedRows.end(), false);
            const int first = static_cast<int>(from - changedRows.begin());
            const QRect run(CellPixels * col, CellPixels * first, CellPixels, CellPixels * static_cast<int>(to - from));
            changed += apart ? run : onScreen(run);
            from = to;
        }
    }
    return changed;
}

void BoardPicture::drawOverlay(const Selection& selection, const DragPoints& drag, std::optional<CellIndex> cursor)
{
    // Drawn in board pixels on the surface, so it scales with the board at every ratio.
    QPainter painter(&m_surface);
    if (cursor) {
        // Inside its cell, clear of the selection's box on the cell's edges: a light frame three
        // pixels wide with a dark one two pixels wide inside it. The two stand more than 9:1 apart,
        // so that on every tile, whatever its colour beside them, one of them stands out at least 3:1.
        const QRect cell(CellPixels * cursor->col, CellPixels * cursor->row, CellPixels, CellPixels);
        painter.fillRect(cell.adjusted(1, 1, -1, -1), QColor(255, 215, 0));
        painter.fillRect(cell.adjusted(4, 4, -4, -4), QColor(40, 40, 40));
        painter.drawImage(cell.adjusted(6, 6, -6, -6), m_backBuffer, cell.adjusted(6, 6, -6, -6));
        m_over.push_back(cell);
    }
    if (!selection.selectionActive)
        return;
    painter.setPen(QColor(0, 0, 255));
    // The outline from (left, top) to (left + 34, top + 34), both corners on the line.
    const QRect box(CellPixels * selection.selectionCol, CellPixels * selection.selectionRow, CellPixels, CellPixels);
    painter.drawRect(box);
    m_over.push_back(box.adjusted(0, 0, 1, 1));  // the right and bottom edges lie on 34
    const QLine line(drag.dragStartX, drag.dragStartY, drag.dragEndX, drag.dragEndY);
    painter.drawLine(line);
    // A long slanted line in pieces no longer than a cell: their boxes hold it, and far less than
    // its own box would. A box holds the pixels its piece of the exact line passes through and a
    // pixel more all round, as the drawn pixels stray up to a pixel from the exact line.
    const int pieces = std::max(std::abs(line.dx()), std::abs(line.dy())) / CellPixels + 1;
    const QLineF exact(line);
    const auto pixelOf = [](QPointF point) { return QPoint(int(std::floor(point.x())), int(std::floor(point.y()))); };
    for (int piece = 0; piece < pieces; ++piece) {
        const QRectF box =
            QRectF(exact.pointAt(qreal(piece) / pieces), exact.pointAt(qreal(piece + 1) / pieces)).normalized();
        m_over.push_back(QRect(pixelOf(box.topLeft()), pixelOf(box.bottomRight())).adjusted(-1, -1, 1, 1));
    }
}

void BoardPicture::drawPaused()
{
    QPainter painter(&m_surface);
    const QRect board = boardRect();
    painter.fillRect(board, QColor(0, 0, 0, 150));
    QFont font(QStringLiteral("Verdana"));
    font.setBold(true);
    font.setPixelSize(56);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(board, Qt::AlignCenter, tr("Paused"));
    m_over.push_back(board);
    update(onScreen(board));
}

void BoardPicture::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const qreal ratio = devicePixelRatioF();
    if (ratio >= 1 && ratio == std::floor(ratio))
        // Without smooth transformation a whole-number scale is nearest neighbour: the pixels
        // SharpScaler would give, without a second picture.
        painter.drawImage(QRectF(rect()), m_surface, QRectF(m_surface.rect()));
    else {
        // One to one on the device pixels: in the painter's own units Qt would scale the rows by
        // 1.0 pixel by pixel, where unscaled it copies them. (Qt's painter leaves a ratio below 1
        // unscaled.)
        painter.scale(1 / std::max(1.0, ratio), 1 / std::max(1.0, ratio));
        if (!SharpScaler::keepsCellsApart(CellPixels, ratio)) {
            painter.drawImage(0, 0, m_sharp.scaled(m_surface, ratio, event->region()));
            return;
        }
        // The device pixels of the cells that show a tile are drawn from the tile; only the rest
        // comes from the surface.
        const QRegion rest = drawShownTiles(painter, ratio, event->region());
        const QImage& device = m_sharp.scaled(m_surface, ratio, rest);
        for (const QRect& rect : rest) {
            const QRect pixels = SharpScaler::deviceRect(rect, ratio) & device.rect();
            painter.drawImage(pixels.topLeft(), device, pixels);
        }
    }
}

QRegion BoardPicture::drawShownTiles(QPainter& painter, qreal ratio, const QRegion& region)
{
    // Every cell edge lies on a device pixel edge, so a cell that shows its tile with nothing over
    // it shows the tile's own device pixels: a new board costs a copy, not a scaling. The cells
    // under what is drawn over the board are scaled as they are.
    auto shown = m_composed;
    for (const QRect& over : m_over)
        forEachCell(over, [&](std::size_t cell, QPoint) { shown[cell] = nullptr; });
    std::array<bool, BoardSize * BoardSize> wanted{};
    for (const QRect& rect : region)
        forEachCell(rect, [&](std::size_t cell, QPoint) { wanted[cell] = true; });

    QRegion rest = region - boardRect();
    const int side = static_cast<int>(std::lround(CellPixels * ratio));
    forEachCell(boardRect(), [&](std::size_t cell, QPoint at) {
        if (!wanted[cell])
            return;
        if (shown[cell])
            painter.drawImage(at * side, m_sharp.deviceTile(*shown[cell], ratio));
        else
            rest += region & QRect(at * CellPixels, QSize(CellPixels, CellPixels));
    });
    return rest;
}

void BoardPicture::mousePressEvent(QMouseEvent* event)
{
    emit pressed(static_cast<float>(event->position().x()), static_cast<float>(event->position().y()));
}

void BoardPicture::mouseMoveEvent(QMouseEvent* event)
{
    emit dragged(static_cast<float>(event->position().x()), static_cast<float>(event->position().y()));
}

std::optional<BoardKey> boardKeyOf(const QKeyEvent& event)
{
    static const std::array<std::pair<int, BoardKey>, 10> keys{{
        {Qt::Key_Left, BoardKey::Left},
        {Qt::Key_Right, BoardKey::Right},
        {Qt::Key_Up, BoardKey::Up},
        {Qt::Key_Down, BoardKey::Down},
        {Qt::Key_Tab, BoardKey::Next},
        {Qt::Key_Backtab, BoardKey::Previous},
        {Qt::Key_Space, BoardKey::Choose},
        {Qt::Key_Return, BoardKey::Choose},
        {Qt::Key_Enter, BoardKey::Choose},
        {Qt::Key_Escape, BoardKey::LetGo},
    }};
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return std::nullopt;
    const auto found = std::find_if(keys.begin(), keys.end(), [&](const auto& k) { return k.first == event.key(); });
    if (found == keys.end())
        return std::nullopt;
    if (found->second == BoardKey::Next && (event.modifiers() & Qt::ShiftModifier))
        return BoardKey::Previous;
    return found->second;
}

void BoardPicture::keyPressEvent(QKeyEvent* event)
{
    const std::optional<BoardKey> key = boardKeyOf(*event);
    if (!m_keyboardPlay || !key) {
        QWidget::keyPressEvent(event);
        return;
    }
    emit keyCommand(*key, event->isAutoRepeat());
}

bool BoardPicture::focusNextPrevChild(bool next)
{
    // Tab and Shift+Tab then reach keyPressEvent: the board keeps them.
    return m_keyboardPlay ? false : QWidget::focusNextPrevChild(next);
}

void BoardPicture::mouseReleaseEvent(QMouseEvent* event)
{
    emit released(static_cast<float>(event->position().x()), static_cast<float>(event->position().y()));
}
