#pragma once

#include "core/MouseCommands.h"
#include "files/LevelFile.h"

#include <QObject>

class Random;
class SettingsPanel;
struct modGlobals;

// The level being edited: the shared board and the four settings of the panel, and the changes
// the editor makes to them as a whole: placing a code, clearing the board, reading and writing a
// level file.
class LevelDocument : public QObject {
    Q_OBJECT

public:
    LevelDocument(modGlobals& globals, Random& random, SettingsPanel& panel, QObject* parent = nullptr);

    Board& board();
    LevelSettingsText settings() const;

    void place(CellIndex cell, TileCode code);
    void clearBoard();

    // Reads a level file into the board and shows the settings this file holds. A file that could
    // not be opened changes nothing; one that stops early changes what came before the line it
    // stopped at (linesRead lines).
    LevelReadStatus open(const QString& path, int& linesRead);

    // Writes the board and the four texts as they stand; false when the file could not be written.
    bool save(const QString& path) const;

signals:
    void boardChanged();

private:
    modGlobals& m_globals;
    Random& m_random;
    SettingsPanel& m_panel;
};
