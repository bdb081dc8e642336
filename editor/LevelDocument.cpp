#include "editor/LevelDocument.h"

#include "core/modGlobals.h"
#include "editor/SettingBox.h"
#include "editor/SettingsPanel.h"

#include <QLineEdit>

LevelDocument::LevelDocument(modGlobals& globals, Random& random, SettingsPanel& panel, QObject* parent)
    : QObject(parent), m_globals(globals), m_random(random), m_panel(panel)
{
}

Board& LevelDocument::board() { return m_globals.board; }

LevelSettingsText LevelDocument::settings() const { return m_panel.settings(); }

void LevelDocument::place(CellIndex cell, TileCode code)
{
    m_globals.board(cell.col, cell.row) = code;
    emit boardChanged();
}

void LevelDocument::clearBoard()
{
    ClearBoard(m_globals.board);
    emit boardChanged();
}

LevelReadStatus LevelDocument::open(const QString& path, int& linesRead)
{
    const LevelReadStatus status = LoadLevelFile(path, m_globals, m_random, &linesRead);
    // Only what this file held is shown: never a value left from the level read before it.
    if (linesRead >= 1)
        m_panel.txtMusicFile->setText(QString::fromStdString(m_globals.LevelMusic));
    if (linesRead >= 2)
        m_panel.bonus->show(QString::number(m_globals.LevelBonus));
    if (linesRead >= 3)
        m_panel.turtle->show(QString::number(m_globals.LevelTurtleInterval));
    if (linesRead >= 4)
        m_panel.dog->show(QString::number(m_globals.LevelDogInterval));
    if (linesRead >= 5)
        emit boardChanged();
    return status;
}

bool LevelDocument::save(const QString& path) const
{
    return SaveLevelFile(path, m_panel.settings(), m_globals.board);
}
