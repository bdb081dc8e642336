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
    caption(QCoreApplication::translate("Look", "Score"), 240);
    labels.score = value(600, QT_TRANSLATE_NOOP("Look", "Score"));
    caption(QCoreApplication::translate("Look", "Level"), 1200);
    labels.level = value(1560, QT_TRANSLATE_NOOP("Look", "Level"));
    caption(QCoreApplication::translate("Look", "Bonus"), 2040);
    labels.time = value(2400, QT_TRANSLATE_NOOP("Look", "Bonus seconds"));
    caption(QCoreApplication::translate("Look", "Turtles Saved"), 2880, 600);
    labels.saved = value(3480, QT_TRANSLATE_NOOP("Look", "Turtles Saved"));
    caption(QCoreApplication::translate("Look", "Turtles Lost"), 3960, 600);
    labels.lost = value(4560, QT_TRANSLATE_NOOP("Look", "Turtles Lost"));
    return labels;
}

QString Look::countdownText(std::string_view caption)
{
    if (caption == "GO!")
        return QCoreApplication::translate("Look", "GO!");
    return QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size()));
}

namespace {
QSize needs(const QLabel* label, int width)
{
    const int flags = label->wordWrap() ? Qt::TextWordWrap : 0;
    return label->fontMetrics().boundingRect(QRect(0, 0, width, 10000), flags, label->text()).size();
}
}  // namespace

int Look::widthLacking(const QLabel* label)
{
    const QRect room = label->contentsRect();
    const int oneLine = needs(label, QWIDGETSIZE_MAX).width();
    int width = room.width();
    // On one line the text is as wide as it gets; a label too low for even that lacks height.
    while (width < oneLine && (needs(label, width).width() > width || needs(label, width).height() > room.height()))
        ++width;
    return width - room.width();
}

int Look::heightLacking(const QLabel* label)
{
    const QRect room = label->contentsRect();
    return std::max(0, needs(label, room.width()).height() - room.height());
}

QSize Look::growToFit(QLabel* label, Qt::Alignment anchor)
{
    const int wider = widthLacking(label);
    QRect place = label->geometry();
    if (anchor & Qt::AlignRight)
        place.setLeft(place.left() - wider);
    else if (anchor & Qt::AlignHCenter)
        place.adjust(-wider / 2, 0, wider - wider / 2, 0);
    else
        place.setRight(place.right() + wider);
    label->setGeometry(place);
    const int taller = heightLacking(label);
    label->resize(label->width(), label->height() + taller);
    return {wider, taller};
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
