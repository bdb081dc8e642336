#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QLabel;
class QWidget;

// The windows are laid out in twips: 15 twips make one pixel at 96 dots per inch.
constexpr int twipsToPixels(int twips) { return (twips + 7) / 15; }

inline QRect twipsRect(int left, int top, int width, int height)
{
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

// The size of a caption whose size is not given: the classic default of 8.25 points.
constexpr double DefaultPoints = 8.25;

// The handwriting surface and every signature shown again: 5055 by 735 twips.
constexpr int InkWidthTwips = 5055;
constexpr int InkHeightTwips = 735;

// The captions' typeface; where Verdana is not installed Qt picks the nearest sans-serif.
QFont verdanaBold(double points);

// A one-line label in Verdana bold at the given place. Its text is always plain: names come from
// a file anyone can edit and must never be read as markup.
QLabel* placeLabel(const QString& text, QRect geometry, double points, QWidget* parent);

void setTextColour(QWidget* widget, QColor colour);
