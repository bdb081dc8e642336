#include "ui/Look.h"

#include "ui/AccessibleNames.h"

#include <QCoreApplication>
#include <QFont>
#include <QLabel>

QRect Look::twips(const QRect& rect)
{
    return {twips(rect.left()), twips(rect.top()), twips(rect.width()), twips(rect.height())};
}

Look::StatusLabels Look::statusColumn(QWidget* parent)
{
    constexpr double points = 9.75;
    const auto caption = [&](const QString& text, int top, int height = 375) {
        label(parent, text, {ColumnLeft, top, ColumnWidth, height}, points)->setWordWrap(true);
    };
    const auto value = [&](int top, const char* name) {
        QLabel* shown = label(parent, QStringLiteral("0"), {ColumnLeft, top, ColumnWidth, 375}, points, DarkBlue);
        AccessibleNames::nameValue(shown, QCoreApplication::translate("Look", name));
        return shown;
    };
    StatusLabels labels{};
    caption(QStringLiteral("Score"), 240);
    labels.score = value(600, QT_TRANSLATE_NOOP("Look", "Score"));
    caption(QStringLiteral("Level"), 1200);
    labels.level = value(1560, QT_TRANSLATE_NOOP("Look", "Level"));
    caption(QStringLiteral("Bonus"), 2040);
    labels.time = value(2400, QT_TRANSLATE_NOOP("Look", "Bonus seconds"));
    caption(QStringLiteral("Turtles Saved"), 2880, 600);
    labels.saved = value(3480, QT_TRANSLATE_NOOP("Look", "Turtles Saved"));
    caption(QStringLiteral("Turtles Lost"), 3960, 600);
    labels.lost = value(4560, QT_TRANSLATE_NOOP("Look", "Turtles Lost"));
    return labels;
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
