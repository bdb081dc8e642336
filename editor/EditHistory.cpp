#include "editor/EditHistory.h"

#include "editor/LevelDocument.h"

#include <QCoreApplication>

PlaceCommand::PlaceCommand(LevelDocument& document, CellIndex cell, TileCode before, TileCode after)
    : m_document(document), m_cell(cell), m_before(before), m_after(after)
{
    setText(QCoreApplication::translate("EditHistory", "Place %1").arg(LevelDocument::nameOf(after)));
}

void PlaceCommand::undo() { m_document.setCell(m_cell, m_before); }

void PlaceCommand::redo() { m_document.setCell(m_cell, m_after); }

LevelCommand::LevelCommand(LevelDocument& document, const QString& text, LevelState before, LevelState after)
    : m_document(document), m_before(std::move(before)), m_after(std::move(after))
{
    setText(text);
}

void LevelCommand::undo() { m_document.setState(m_before); }

void LevelCommand::redo() { m_document.setState(m_after); }

namespace {
constexpr int SettingIds = 100;  // ids of setting commands: SettingIds + the setting
}  // namespace

SettingCommand::SettingCommand(LevelDocument& document, LevelSetting setting, const QString& before,
                               const QString& after, int drag)
    : m_document(document), m_setting(setting), m_before(before), m_after(after), m_drag(drag)
{
    static const char* const names[] = {
        QT_TRANSLATE_NOOP("EditHistory", "Music File"), QT_TRANSLATE_NOOP("EditHistory", "Bonus"),
        QT_TRANSLATE_NOOP("EditHistory", "Turtle/Foot Speed"), QT_TRANSLATE_NOOP("EditHistory", "Dog/Alien Speed")};
    setText(QCoreApplication::translate("EditHistory", "Change %1")
                .arg(QCoreApplication::translate("EditHistory", names[static_cast<int>(setting)])));
}

void SettingCommand::undo() { m_document.setSetting(m_setting, m_before); }

void SettingCommand::redo() { m_document.setSetting(m_setting, m_after); }

int SettingCommand::id() const { return m_drag > 0 ? SettingIds + static_cast<int>(m_setting) : -1; }

bool SettingCommand::mergeWith(const QUndoCommand* other)
{
    // Only moves of the same drag (the ids already say: the same setting) become one step.
    const auto* next = static_cast<const SettingCommand*>(other);
    if (next->m_drag != m_drag)
        return false;
    m_after = next->m_after;
    setObsolete(m_after == m_before);  // dragged back to where it was: no step at all
    return true;
}
