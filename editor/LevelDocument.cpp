#include "editor/LevelDocument.h"

#include "editor/StatusColumn.h"
#include "sim/LoadLevel.h"

#include <QFileInfo>

namespace {

// One of the four texts, in a level's texts or in a const view of them.
template <class Texts>
auto& textOf(Texts& texts, LevelSetting setting)
{
    switch (setting) {
    case LevelSetting::Music:
        return texts.music;
    case LevelSetting::Bonus:
        return texts.bonus;
    case LevelSetting::Turtle:
        return texts.turtleInterval;
    default:
        return texts.dogInterval;
    }
}

}  // namespace

LevelDocument::LevelDocument(Level& level, Random& random, const LevelTexts& texts, QObject* parent)
    : QObject(parent), m_level(level), m_random(random), m_cleanTexts(texts)
{
    m_level.texts = texts;
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
    const TileCode before = m_level.board(cell.col, cell.row);
    if (before == code)
        emit boardChanged();
    else
        record(new PlaceCommand(*this, cell, before, code));
}

void LevelDocument::clearBoard()
{
    ::clearBoard(m_level.board);
    emit boardChanged();
}

LevelReading LevelDocument::open(const QString& path)
{
    const LevelState before = state(true);
    LevelReading level = loadLevel(path, m_level, m_random);
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
    if (!saveLevelFile(path, m_level.texts, m_level.board))
        return false;
    m_fileName = QFileInfo(path).fileName();
    markClean();
    emit standingChanged();
    return true;
}

void LevelDocument::markClean()
{
    m_history.setClean();
    m_cleanTexts = m_level.texts;
}

LevelState LevelDocument::state(bool withSettings) const
{
    LevelState state{m_level.board, std::nullopt};
    if (withSettings)
        state.texts = m_level.texts;
    return state;
}

void LevelDocument::recordChange(const LevelState& before, const QString& text)
{
    LevelState after = state(before.texts.has_value());
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
    textOf(m_level.texts, setting) = text.toStdString();
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
    m_level.board(cell.col, cell.row) = code;
    emit boardChanged();
}

void LevelDocument::setState(const LevelState& state)
{
    m_level.board = state.board;
    if (state.texts) {
        for (const LevelSetting setting :
             {LevelSetting::Music, LevelSetting::Bonus, LevelSetting::Turtle, LevelSetting::Dog})
            setSetting(setting, QString::fromStdString(textOf(*state.texts, setting)));
    }
    emit boardChanged();
}

void LevelDocument::setSetting(LevelSetting setting, const QString& text)
{
    textOf(m_level.texts, setting) = text.toStdString();
    emit settingChanged(setting, text);
    emit standingChanged();
}

QString LevelDocument::setting(LevelSetting setting) const
{
    return QString::fromStdString(textOf(m_level.texts, setting));
}

QString LevelDocument::nameOf(TileCode code)
{
    for (const StatusColumn::PaletteEntry& entry : StatusColumn::Palette)
        if (entry.code == code)
            return QCoreApplication::translate("StatusColumn", entry.tooltip);
    return QStringLiteral("?");
}
