#include "editor/StatusColumn.h"

#include "core/PlayField.h"
#include "ui/AccessibleNames.h"
#include "ui/CellNames.h"
#include "ui/Look.h"
#include "ui/TileSet.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLocale>
#include <QPixmap>
#include <QToolButton>

namespace {
constexpr double StatusPoints = 9.75;
}  // namespace

StatusColumn::StatusColumn(QWidget* client, const std::function<void(TileCode)>& picked)
{
    const auto caption = [&](const QString& text, int top, int height) {
        Look::labelAt(client, text, {Left, top, Width, height}, StatusPoints)->setWordWrap(true);
    };
    const auto value = [&](int top, const char* name, const char* spoken) {
        QLabel* label =
            Look::labelAt(client, QStringLiteral("0"), {Left, top, Width, 17}, StatusPoints, Look::DarkBlue);
        label->setObjectName(QLatin1String(name));
        AccessibleNames::nameValue(label, QCoreApplication::translate("StatusColumn", spoken));
        return label;
    };
    caption(tr("Score"), 16, 25);
    m_scoreLabel = value(40, "scoreLabel", QT_TRANSLATE_NOOP("StatusColumn", "Score"));
    caption(tr("Bonus"), 64, 25);
    m_timeLabel = value(88, "timeLabel", QT_TRANSLATE_NOOP("StatusColumn", "Bonus seconds"));
    caption(tr("Turtles Saved"), 120, 41);
    m_savedLabel = value(160, "savedLabel", QT_TRANSLATE_NOOP("StatusColumn", "Turtles Saved"));
    caption(tr("Turtles Lost"), 192, 41);
    m_lostLabel = value(232, "lostLabel", QT_TRANSLATE_NOOP("StatusColumn", "Turtles Lost"));

    for (std::size_t i = 0; i < Palette.size(); ++i) {
        const PaletteEntry& entry = Palette[i];
        auto* picture = new QToolButton(client);
        picture->setObjectName(QLatin1String(entry.name));
        picture->setToolTip(tr("%1 (key %2)").arg(tr(entry.tooltip)).arg(i + 1));
        AccessibleNames::name(
            picture, paletteName(entry.code),
            QCoreApplication::translate("StatusColumn", "A click on the board places: %1").arg(tileName(entry.code)));
        picture->setGeometry(Left, 272 + 40 * static_cast<int>(i), 38, 38);
        picture->setIconSize(QSize(CellPixels, CellPixels));
        QObject::connect(picture, &QToolButton::clicked, client, [picked, code = entry.code] { picked(code); });
        m_palette[i] = picture;
    }
}

void StatusColumn::showTiles(const TileSet& tiles)
{
    for (std::size_t i = 0; i < Palette.size(); ++i)
        m_palette[i]->setIcon(tilePixmap(tiles, Palette[i].code));
}

void StatusColumn::showTotals(const PlayField& field)
{
    m_scoreLabel->setText(QLocale().toString(field.score));
    m_savedLabel->setText(QString::number(field.saved));
    m_lostLabel->setText(QString::number(field.lost));
}

void StatusColumn::showBonus(const QString& text) { m_timeLabel->setText(text); }

QString StatusColumn::paletteName(TileCode code)
{
    for (const PaletteEntry& entry : Palette)
        if (entry.code == code)
            return QCoreApplication::translate("StatusColumn", entry.tooltip);
    return tileName(code);
}

QPixmap tilePixmap(const TileSet& tiles, TileCode code)
{
    const QImage* tile = tiles.tileFor(code);
    return tile ? QPixmap::fromImage(*tile) : QPixmap();
}
