#include "editor/PanelRule.h"

#include "editor/SettingsPanel.h"
#include "editor/StatusColumn.h"
#include "ui/BoardPicture.h"

#include <QLayout>

#include <algorithm>

namespace {
constexpr int Gap = 20;    // between the board or the status column and the panel
constexpr int Margin = 8;  // right of and below what the window holds
}  // namespace

PanelRule::PanelRule(QWidget& window, QWidget& client, SettingsPanel& panel)
    : m_window(window), m_client(client), m_panel(panel)
{
}

QPoint PanelRule::panelPlace(QSize screen)
{
    if (screen.width() > screen.height())
        return {StatusColumn::Left + StatusColumn::Width + Gap, 0};
    return {0, BoardPicture::PictureHeight + Gap};
}

void PanelRule::apply(QSize screen)
{
    const QPoint place = panelPlace(screen);
    m_panel.move(place);
    // The window fits what it holds: the same window with the panel in both places would not fit
    // a portrait screen's width, nor a small landscape screen's height.
    const int width = std::max(StatusColumn::Left + StatusColumn::Width, place.x() + m_panel.width());
    const int height = std::max(BoardPicture::PictureHeight, place.y() + SettingsPanel::PanelHeight);
    m_client.setFixedSize(width + Margin, height + Margin);
    m_window.layout()->activate();  // the window takes its new size now, not at the next event
}
