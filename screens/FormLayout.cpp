#include "screens/FormLayout.h"

#include <QLabel>

QFont verdanaBold(double points)
{
    QFont font(QStringLiteral("Verdana"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(true);
    return font;
}

QLabel* placeLabel(const QString& text, QRect geometry, double points, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setFont(verdanaBold(points));
    label->setGeometry(geometry);
    return label;
}

void setTextColour(QWidget* widget, QColor colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}
