// The panel rule and the display: where the settings panel stands, and the window following
// the screen it is on.
#include "editor/frmEditor.h"

#include "editor/ScreenWatch.h"
#include "editor/SettingsPanel.h"
#include "ui/BoardPicture.h"

#include <QLayout>
#include <QScreen>
#include <QWindow>

namespace {
constexpr int Gap = 20;    // between the board or the status column and the panel
constexpr int Margin = 8;  // right of and below what the window holds
}  // namespace

QPoint frmEditor::PanelPlace(QSize screen)
{
    if (screen.width() > screen.height())
        return {StatusColumn::Left + StatusColumn::Width + Gap, 0};
    return {0, BoardPicture::PictureHeight + Gap};
}

void frmEditor::applyPanelRule(QSize screen)
{
    const QPoint place = PanelPlace(screen);
    frameControl->move(place);
    // The window fits what it holds: the same window with the panel in both places would not fit
    // a portrait screen's width, nor a small landscape screen's height.
    const int width = std::max(StatusColumn::Left + StatusColumn::Width, place.x() + frameControl->width());
    const int height = std::max(BoardPicture::PictureHeight, place.y() + SettingsPanel::PanelHeight);
    m_client->setFixedSize(width + Margin, height + Margin);
    layout()->activate();  // the window takes its new size now, not at the next event
}

void frmEditor::EditorWindowProc(QSize display)
{
    applyPanelRule(display);
    DrawGrid();
}

void frmEditor::showEvent(QShowEvent* event)
{
    // Form_Resize: at first display the rule goes by the whole screen, not by the window.
    if (screen())
        applyPanelRule(screen()->size());
    QDialog::showEvent(event);
    HookEditorWindow();
    DrawGrid();
}

void frmEditor::HookEditorWindow()
{
    if (m_hooked || !windowHandle())
        return;
    m_hooked = true;
    auto* watch = new ScreenWatch(windowHandle());
    connect(watch, &ScreenWatch::displayChanged, this, &frmEditor::EditorWindowProc);
}
