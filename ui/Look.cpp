#include "ui/Look.h"

#include <QFont>
#include <QLabel>

QRect Look::twips(const QRect& rect)
{
    return {twips(rect.left()), twips(rect.top()), twips(rect.width()), twips(rect.height())};
}

QLabel* Look::label(QWidget* parent, const QString& text, const QRect& placeTwips, double points, const QColor& colour)
{
    return labelAt(parent, text, twips(placeTwips), points, colour);
}

QLabel* Look::labelAt(QWidget* parent, const QString& text, const QRect& placePixels, double points,
                      const QColor& colour)
{
    auto* label = new QLabel(text, parent);
    QFont font(QStringLiteral("Verdana"));
    font.setBold(true);
    font.setPointSizeF(points);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    label->setGeometry(placePixels);
    return label;
}
