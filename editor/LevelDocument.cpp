#include "editor/LevelDocument.h"

#include "core/modGlobals.h"
#include "editor/StatusColumn.h"
#include "sim/LoadLevel.h"

#include <QFileInfo>

LevelDocument::LevelDocument(modGlobals& globals, Random& random, const LevelSettingsText& settings, QObject* parent)
    : QObject(parent), m_globals(globals), m_random(random), m_settings(settings), m_cleanSettings(settings)
{
    connect(&m_history, &QUndoStack::indexChanged, this, &LevelDocument::standingChanged);
    connect(&m_history, &QUndoStack::cleanChanged, this, &LevelDocument::standingChanged);
}

void LevelDocument::setUntitled()
{
    m_fileName.clear();
    emit standingChanged();
}

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
    ::clearBoard(m_globals.board);
    emit boardChanged();
}

LevelReading LevelDocument::open(const QString& path)
{
    const LevelState before = state(true);
    LevelReading level = loadLevel(path, m_globals, m_random);
    // Only what this file held is shown: never a value left from the level read before it.
    if (level.linesRead >= 1)
        setSetting(LevelSetting::Music, QString::fromStdString(level.music));
    if (level.linesRead >= 2)
        setSetting(LevelSetting::Bonus, QString::number(level.bonus));
    if (level.linesRead >= 3)
        setSetting(LevelSetting::Turtle, QString::number(level.turtleInterval));
    if (level.linesRead >= 4)
        setSetting(LevelSetting::Dog, QString::number(level.dogInterval));
    recordChange(before, tr("Open Level"));
    if (level.status != LevelReadStatus::Missing)
        m_fileName = QFileInfo(path).fileName();
    if (level.status == LevelReadStatus::Complete)
        markClean();
    emit standingChanged();
    return level;
}

bool LevelDocument::save(const QString& path)
{
    if (!saveLevelFile(path, m_settings, m_globals.board))
        return false;
    m_fileName = QFileInfo(path).fileName();
    markClean();
    emit standingChanged();
    return true;
}

void LevelDocument::markClean()
{
    m_history.setClean();
    m_cleanSettings = m_settings;
}

LevelState LevelDocument::state(bool withSettings) const
{
    LevelState state{m_globals.board, std::nullopt};
    if (withSettings)
        state.settings = m_settings;
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

void LevelDocument::typed(LevelSetting setting, const QString& text)
{
    this->text(setting) = text;
    emit standingChanged();
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
    if (state.settings) {
        setSetting(LevelSetting::Music, state.settings->music);
        setSetting(LevelSetting::Bonus, state.settings->bonus);
        setSetting(LevelSetting::Turtle, state.settings->turtleInterval);
        setSetting(LevelSetting::Dog, state.settings->dogInterval);
    }
    emit boardChanged();
}

void LevelDocument::setSetting(LevelSetting setting, const QString& text)
{
    this->text(setting) = text;
    emit settingChanged(setting, text);
    emit standingChanged();
}

QString& LevelDocument::text(LevelSetting setting)
{
    switch (setting) {
    case LevelSetting::Music:
        return m_settings.music;
    case LevelSetting::Bonus:
        return m_settings.bonus;
    case LevelSetting::Turtle:
        return m_settings.turtleInterval;
    default:
        return m_settings.dogInterval;
    }
}

QString LevelDocument::nameOf(TileCode code)
{
    for (const StatusColumn::PaletteEntry& entry : StatusColumn::Palette)
        if (entry.code == code)
            return QCoreApplication::translate("StatusColumn", entry.tooltip);
    return QStringLiteral("?");
}
