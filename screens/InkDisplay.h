#pragma once

#include "files/InkStrokes.h"

#include <QWidget>

class QPainter;

// The handwriting surface and every signature shown again are 5055 by 735 twips, so a signature
// is always shown at the size it was written.
constexpr QSize SignatureSurface(5055 / 15, 735 / 15);

// Shows a handwritten name at the size it was written, one pixel of the surface for one pixel
// of the screen, on a transparent background. Takes no input.
class InkDisplay : public QWidget {
    Q_OBJECT
public:
    InkDisplay(QSize surface, QWidget* parent = nullptr);

    const InkStrokes& ink() const { return m_ink; }
    void setInk(const InkStrokes& ink);
    void deleteStrokes();

protected:
    void paintEvent(QPaintEvent* event) override;
    void paintStrokes(QPainter& painter) const;

    InkStrokes m_ink;
};
