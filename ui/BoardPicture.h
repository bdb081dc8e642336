#pragma once

#include "core/Board.h"
#include "core/KeyCommands.h"
#include "core/MouseCommands.h"
#include "ui/SharpScaler.h"
#include "ui/TileSet.h"

#include <QImage>
#include <QWidget>

#include <array>
#include <optional>
#include <vector>

class QKeyEvent;

// The board key a key press stands for: the arrows, Tab and Shift+Tab, Space or Enter, and Escape
// (LetGo), pressed without Control, Alt or Meta, which belong to the menus' shortcuts.
std::optional<BoardKey> boardKeyOf(const QKeyEvent& event);

// The board picture of a window, with its off-screen back buffer.
// drawGrid composes the whole board in the back buffer, copies it to the picture's surface in one
// transfer and draws the selection overlay on top. The screen repaints what changed (the cells
// whose tile changed, the overlay that went and the one that came) from that surface, and an
// uncovered window gets the last frame back. The mouse is only forwarded, in board pixels,
// as pressed, dragged and released, and the keys that stand for it as board keys.
//
// The picture fills 682 x 684 points on every screen, so one point is one board pixel and the
// mouse's points are board pixels as they come. At a whole number of device pixels per point a
// board pixel is an exact square of them (nearest neighbour); at 1.25 or 1.5 SharpScaler gives the
// device pixels, as sharp as such a screen allows. Where a cell is a whole number of device pixels
// (1.5, 2.5), a cell that shows its tile is drawn from the tile scaled once: the same pixels, at
// the cost of a copy.
class BoardPicture : public QWidget {
    Q_OBJECT

public:
    static constexpr int PictureWidth = 682;  // the picture's outer size; the board fills 680 x 680
    static constexpr int PictureHeight = 684;

    explicit BoardPicture(QWidget* parent = nullptr);

    void setTiles(const TileSet& tiles);

    // Redraws the whole board and the selection overlay from the state the calling window owns,
    // with the board cursor's frame on its cell when it is shown.
    void drawGrid(const Board& board, const Selection& selection, const DragPoints& drag,
                  std::optional<CellIndex> cursor = std::nullopt);
    // Dims the picture as it stands and writes "Paused" over it, until the next drawGrid.
    void drawPaused();

    // What the last drawGrid showed, as a screen reader finds it (BoardAccessible).
    struct Shown {
        Board board;
        Selection selection;
        std::optional<CellIndex> cursor;
        bool pickedUp(CellIndex cell) const
        {
            return selection.selectionActive && selection.selectionCol == cell.col &&
                   selection.selectionRow == cell.row;
        }
    };
    const Shown& shown() const { return m_shown; }

    // The composed board as the player sees it (682 x 684 board pixels), and the composition surface.
    const QImage& surface() const { return m_surface; }
    const QImage& backBuffer() const { return m_backBuffer; }

    // While on, the board's keys (arrows, Tab, Shift+Tab, Space, Enter, Escape) are forwarded as
    // keyCommand and Tab never takes the focus away; while off they go where they would.
    void setKeyboardPlay(bool on) { m_keyboardPlay = on; }

signals:
    // Pointer events in board pixels; every button counts alike.
    void pressed(float x, float y);
    void dragged(float x, float y);
    void released(float x, float y);
    // A board key; repeat when it comes from a key held down.
    void keyCommand(BoardKey key, bool repeat);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    // Draws the board's tiles into the back buffer; returns where the screen must show new ones.
    QRegion composeBoard(const Board& board);
    // What is drawn over the copied board: the selected cell's box and the drag line. Whatever
    // is drawn there goes into m_over, so that the screen shows it and, once the next copy has
    // covered it, the board beneath again, and so that the cells beneath are not drawn from
    // their tiles meanwhile.
    void drawOverlay(const Selection& selection, const DragPoints& drag, std::optional<CellIndex> cursor);

    // At a ratio that keeps cells apart, draws the cells of region that show a tile alone from
    // the tile's device pixels; returns the rest of region, which the surface's scaling shows.
    QRegion drawShownTiles(QPainter& painter, qreal ratio, const QRegion& region);

    TileSet m_tiles;
    QImage m_backBuffer;  // the composition surface, keeps its pixels between redraws
    QImage m_surface;     // the picture's drawing surface: the last composed board with its overlay
    SharpScaler m_sharp;  // the surface in device pixels, at a ratio that is not a whole number
    std::array<const QImage*, BoardSize * BoardSize> m_composed{};  // the tile in each cell of the back buffer
    std::vector<QRect> m_over;  // where the surface holds more than the copied board
    Shown m_shown;
    bool m_keyboardPlay = false;
};
