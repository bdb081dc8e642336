#pragma once

#include "core/Board.h"
#include "core/MouseCommands.h"
#include "ui/TileSet.h"

#include <QImage>
#include <QWidget>

// The board picture pictMain of a window with its off-screen pictBackBuffer.
// DrawGrid composes the whole board in the back buffer, copies it to the picture's surface in one
// transfer and draws the selection overlay on top; painting only shows the last composed surface,
// so an uncovered window gets the last frame back. The mouse is only forwarded, in board pixels,
// to the window's pictMain_MouseDown, pictMain_MouseMove and pictMain_MouseUp.
//
// On a screen of more than one device pixel per point the board grows by whole steps (2 x 2,
// 3 x 3 pixels for one board pixel, nearest neighbour), so tiles stay crisp and every device
// pixel belongs to exactly one board pixel and one cell.
class BoardPicture : public QWidget {
    Q_OBJECT

public:
    static constexpr int PictureWidth = 682;  // pictMain's outer size; the board fills 680 x 680
    static constexpr int PictureHeight = 684;

    explicit BoardPicture(QWidget* parent = nullptr);

    void setTiles(const TileSet& tiles) { m_tiles = tiles; }
    const TileSet& tiles() const { return m_tiles; }

    // Redraws the whole board and the selection overlay from the state the calling window owns.
    void DrawGrid(const Board& board, const Selection& selection, const DragPoints& drag);
    // Dims the picture as it stands and writes "Paused" over it, until the next DrawGrid.
    void DrawPaused();

    // The composed board as the player sees it (682 x 684 board pixels), and the composition surface.
    const QImage& surface() const { return m_surface; }
    const QImage& pictBackBuffer() const { return m_backBuffer; }

    // Device pixels per board pixel: the whole part of the screen's ratio, at least 1.
    static int scaleStep(qreal devicePixelRatio);
    // The picture's size in Qt's logical units on a screen of that ratio.
    static QSize logicalSize(qreal devicePixelRatio);
    // The board pixel under a logical point: the device pixel divided by the scale step.
    static QPointF boardPointOf(QPointF logical, qreal devicePixelRatio);
    QSize sizeHint() const override { return logicalSize(devicePixelRatioF()); }

signals:
    // Pointer events in board pixels; every button counts alike.
    void MouseDown(float x, float y);
    void MouseMove(float x, float y);
    void MouseUp(float x, float y);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void fitToScreen();

    TileSet m_tiles;
    QImage m_backBuffer;  // pictBackBuffer: the composition surface, keeps its pixels between redraws
    QImage m_surface;     // pictMain's drawing surface: the last composed board with its overlay
};
