#include "ui/BoardPicture.h"

#include "ui/modBitBlt.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <cmath>

namespace {

QImage blankPicture()
{
    QImage picture(BoardPicture::PictureWidth, BoardPicture::PictureHeight, QImage::Format_RGB32);
    picture.fill(PictureBackColor);
    return picture;
}

}  // namespace

BoardPicture::BoardPicture(QWidget* parent) : QWidget(parent), m_backBuffer(blankPicture()), m_surface(blankPicture())
{
    // Moves arrive also without a button, as they did for the original picture; the handlers
    // ignore them unless a creature is selected. While a button is held Qt keeps sending moves
    // and the release here, wherever the pointer goes.
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    fitToScreen();
}

void BoardPicture::DrawGrid(const Board& board, const Selection& selection, const DragPoints& drag)
{
    // Column by column from the left, each column from the top; a code without a tile leaves
    // whatever the back buffer held there.
    for (int col = 0; col < BoardSize; ++col)
        for (int row = 0; row < BoardSize; ++row)
            if (const QImage* tile = m_tiles.tileFor(board(col, row)))
                modBitBlt::BlitTile(*tile, m_backBuffer, CellPixels * col, CellPixels * row, CellPixels, CellPixels);

    // The one transfer to the picture. It takes the whole picture, not only the 680 x 680 board:
    // the box of column 19 or row 19 has its edge on x = 680 or y = 680 and the
    // drag line may cross the margin, and the next redraw must remove those pixels too. The back
    // buffer's margin is never drawn on, so it holds the plain back colour.
    modBitBlt::BlitTile(m_backBuffer, m_surface, 0, 0, PictureWidth, PictureHeight);

    if (selection.SelectionActive) {
        QPainter painter(&m_surface);
        painter.setPen(QColor(0, 0, 255));
        const int left = CellPixels * selection.SelectionCol;
        const int top = CellPixels * selection.SelectionRow;
        // The outline from (left, top) to (left + 34, top + 34), both corners on the line.
        painter.drawRect(QRect(left, top, CellPixels, CellPixels));
        painter.drawLine(QPoint(drag.DragStartX, drag.DragStartY), QPoint(drag.DragEndX, drag.DragEndY));
    }
    update();
}

void BoardPicture::DrawPaused()
{
    QPainter painter(&m_surface);
    const QRect board(0, 0, BoardSize * CellPixels, BoardSize * CellPixels);
    painter.fillRect(board, QColor(0, 0, 0, 150));
    QFont font(QStringLiteral("Verdana"));
    font.setBold(true);
    font.setPixelSize(56);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(board, Qt::AlignCenter, QStringLiteral("Paused"));
    update();
}

int BoardPicture::scaleStep(qreal devicePixelRatio)
{
    // A ratio a hair below a whole number (1.9999 from a rounded setting) still counts as it.
    return std::max(1, static_cast<int>(std::floor(devicePixelRatio + 1e-6)));
}

QSize BoardPicture::logicalSize(qreal devicePixelRatio)
{
    const qreal pointsPerPixel = scaleStep(devicePixelRatio) / devicePixelRatio;
    return QSize(static_cast<int>(std::ceil(PictureWidth * pointsPerPixel - 1e-6)),
                 static_cast<int>(std::ceil(PictureHeight * pointsPerPixel - 1e-6)));
}

QPointF BoardPicture::boardPointOf(QPointF logical, qreal devicePixelRatio)
{
    return logical * (devicePixelRatio / scaleStep(devicePixelRatio));
}

void BoardPicture::fitToScreen()
{
    const QSize size = sizeHint();
    if (this->size() != size || minimumSize() != size)
        setFixedSize(size);
}

bool BoardPicture::event(QEvent* event)
{
    // The screen, or its pixel ratio, changed: the board keeps whole steps on the new one.
    if (event->type() == QEvent::ScreenChangeInternal || event->type() == QEvent::Show)
        fitToScreen();
    return QWidget::event(event);
}

void BoardPicture::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const qreal ratio = devicePixelRatioF();
    const qreal pointsPerPixel = scaleStep(ratio) / ratio;
    // Without smooth transformation a whole-number scale is nearest neighbour.
    const QRectF target(0, 0, PictureWidth * pointsPerPixel, PictureHeight * pointsPerPixel);
    if (!target.contains(QRectF(event->rect())))
        painter.fillRect(event->rect(), QColor::fromRgb(PictureBackColor));  // a fractional ratio's margin
    painter.drawImage(target, m_surface, QRectF(m_surface.rect()));
}

void BoardPicture::mousePressEvent(QMouseEvent* event)
{
    const QPointF at = boardPointOf(event->position(), devicePixelRatioF());
    emit MouseDown(static_cast<float>(at.x()), static_cast<float>(at.y()));
}

void BoardPicture::mouseMoveEvent(QMouseEvent* event)
{
    const QPointF at = boardPointOf(event->position(), devicePixelRatioF());
    emit MouseMove(static_cast<float>(at.x()), static_cast<float>(at.y()));
}

void BoardPicture::mouseReleaseEvent(QMouseEvent* event)
{
    const QPointF at = boardPointOf(event->position(), devicePixelRatioF());
    emit MouseUp(static_cast<float>(at.x()), static_cast<float>(at.y()));
}
