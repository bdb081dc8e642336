#include "editor/LevelDocument.h"

#include "core/modGlobals.h"
#include "editor/SettingBox.h"
#include "editor/SettingsPanel.h"
#include "editor/StatusColumn.h"

#include <QLineEdit>

LevelDocument::LevelDocument(modGlobals& globals, Random& random, SettingsPanel& panel, QObject* parent)
    : QObject(parent), m_globals(globals), m_random(random), m_panel(panel)
{
}

Board& LevelDocument::board() { return m_globals.board; }

LevelSettingsText LevelDocument::settings() const { return m_panel.settings(); }

void LevelDocument::place(CellIndex cell, TileCode code)
{
    const TileCode before = m_globals.board(cell.col, cell.row);
    if (before == code)
        emit boardChanged();
    else
        record(new PlaceCommand(*this, cell, before, code));
}

void LevelDocument::clearBoard()
{
    ClearBoard(m_globals.board);
    emit boardChanged();
}

LevelReadStatus LevelDocument::open(const QString& path, int& linesRead)
{
    const LevelState before = state(true);
    const LevelReadStatus status = LoadLevelFile(path, m_globals, m_random, &linesRead);
    // Only what this file held is shown: never a value left from the level read before it.
    if (linesRead >= 1)
        setSetting(LevelSetting::Music, QString::fromStdString(m_globals.LevelMusic));
    if (linesRead >= 2)
        setSetting(LevelSetting::Bonus, QString::number(m_globals.LevelBonus));
    if (linesRead >= 3)
        setSetting(LevelSetting::Turtle, QString::number(m_globals.LevelTurtleInterval));
    if (linesRead >= 4)
        setSetting(LevelSetting::Dog, QString::number(m_globals.LevelDogInterval));
    recordChange(before, QStringLiteral("Open Level"));
    return status;
}

bool LevelDocument::save(const QString& path) const { return SaveLevelFile(path, m_panel.settings(), m_globals.board); }

LevelState LevelDocument::state(bool withSettings) const
{
    LevelState state{m_globals.board, std::nullopt};
    if (withSettings)
        state.settings = m_panel.settings();
    return state;
}

void LevelDocument::recordChange(const LevelState& before, const QString& text)
{
    LevelState after = state(before.settings.has_value());
    if (after != before)
        record(new LevelCommand(*this, text, before, std::move(after)));
    emit boardChanged();
}

void LevelDocument::recordSetting(LevelSetting setting, const QString& before, const QString& after, int drag)
{
    if (before != after)
        record(new SettingCommand(*this, setting, before, after, drag));
}

void LevelDocument::record(QUndoCommand* command)
{
    // The change is made already, or made by the command's first redo: the same either way.
    if (m_recording) {
        m_history.push(command);
        return;
    }
    command->redo();
    delete command;
}

void LevelDocument::setCell(CellIndex cell, TileCode code)
{
    m_globals.board(cell.col, cell.row) = code;
    emit boardChanged();
}

void LevelDocument::setState(const LevelState& state)
{
    m_globals.board = state.board;
    if (state.settings)
        m_panel.showSettings(*state.settings);
    emit boardChanged();
}

void LevelDocument::setSetting(LevelSetting setting, const QString& text)
{
    switch (setting) {
    case LevelSetting::Music:
        m_panel.txtMusicFile->setText(text);
        break;
    case LevelSetting::Bonus:
        m_panel.bonus->show(text);
        break;
    case LevelSetting::Turtle:
        m_panel.turtle->show(text);
        break;
    case LevelSetting::Dog:
        m_panel.dog->show(text);
        break;
    }
}

QString LevelDocument::nameOf(TileCode code)
{
    for (const StatusColumn::PaletteEntry& entry : StatusColumn::Palette)
        if (entry.code == code)
            return QLatin1String(entry.tooltip);
    return QStringLiteral("?");
}
