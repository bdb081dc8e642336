#pragma once

#include <QColor>
#include <QRect>
#include <QString>

#include <string_view>

class QLabel;
class QWidget;

// The shared look of the game's and the editor's windows: Verdana bold labels.
namespace Look {

inline const QColor DarkBlue{0, 0, 192};

// Window measures are given in twips: 15 twips make one pixel at 96 dots per inch.
constexpr int twips(int value) { return value / 15; }
QRect twips(const QRect& rect);

// A Verdana bold label at a place given in twips (left, top, width, height).
QLabel* label(QWidget* parent, const QString& text, const QRect& placeTwips, double points,
              const QColor& colour = Qt::black);

// The same at a place given in pixels, as the editor was drawn.
QLabel* labelAt(QWidget* parent, const QString& text, const QRect& placePixels, double points,
                const QColor& colour = Qt::black);

// What a label lacks to show all of its text: the width beyond its own that the text needs within
// the label's height (on as many lines as that holds when it wraps), and the height beyond its own
// that the text needs at the label's width; 0 when it fits. Windows drawn for English captions
// grow by as much where a translation runs longer.
int widthLacking(const QLabel* label);
int heightLacking(const QLabel* label);
// Grows a label by what it lacks: wider away from the edge it is anchored at (Qt::AlignLeft keeps
// its left edge; Qt::AlignHCenter grows on both sides), then taller downwards. Returns the growth.
QSize growToFit(QLabel* label, Qt::Alignment anchor = Qt::AlignLeft);

// The status column right of the board, where the game window and the replay window have it;
// measures in twips.
constexpr int ColumnLeft = 10320;
constexpr int ColumnWidth = 1700;

struct StatusLabels {
    QLabel* score;
    QLabel* level;
    QLabel* time;
    QLabel* saved;
    QLabel* lost;
};

// The column's captions and the values under them, each showing 0.
StatusLabels statusColumn(QWidget* parent);

// The countdown's caption as the level flow gives it ("3", "2", "1", "GO!"), in the game's language.
QString countdownText(std::string_view caption);

}  // namespace Look
