#include "editor/StatusColumn.h"

#include "ui/AccessibleNames.h"
#include "ui/CellNames.h"
#include "ui/Look.h"
#include "ui/TileSet.h"

#include <QCoreApplication>
#include <QLabel>
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
    lblScore = value(40, "lblScore", QT_TRANSLATE_NOOP("StatusColumn", "Score"));
    caption(tr("Bonus"), 64, 25);
    lblTime = value(88, "lblTime", QT_TRANSLATE_NOOP("StatusColumn", "Bonus seconds"));
    caption(tr("Turtles Saved"), 120, 41);
    lblSaved = value(160, "lblSaved", QT_TRANSLATE_NOOP("StatusColumn", "Turtles Saved"));
    caption(tr("Turtles Lost"), 192, 41);
    lblLost = value(232, "lblLost", QT_TRANSLATE_NOOP("StatusColumn", "Turtles Lost"));

    for (std::size_t i = 0; i < Palette.size(); ++i) {
        const PaletteEntry& entry = Palette[i];
        auto* picture = new QToolButton(client);
        picture->setObjectName(QLatin1String(entry.picture));
        picture->setToolTip(tr(entry.tooltip));
        AccessibleNames::name(
            picture, paletteName(entry.code),
            QCoreApplication::translate("StatusColumn", "A click on the board places: %1").arg(tileName(entry.code)));
        picture->setGeometry(Left, 272 + 40 * static_cast<int>(i), 38, 38);
        picture->setIconSize(QSize(CellPixels, CellPixels));
        QObject::connect(picture, &QToolButton::clicked, client, [picked, code = entry.code] { picked(code); });
        palette[i] = picture;
    }
}

void StatusColumn::showTiles(const TileSet& tiles)
{
    for (std::size_t i = 0; i < Palette.size(); ++i)
        palette[i]->setIcon(tilePixmap(tiles, Palette[i].code));
}

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
