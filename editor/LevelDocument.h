#pragma once

#include "core/MouseCommands.h"
#include "editor/EditHistory.h"
#include "files/LevelFile.h"

#include <QObject>
#include <QUndoStack>

class Random;
class SettingsPanel;
struct modGlobals;

// The level being edited: the shared board and the four settings of the panel, the changes the
// editor makes to them (placing a code, a new level, reading and writing a level file, a
// setting), and the history of those changes, one undo step each. Nothing is recorded while
// recording is off (during a test).
class LevelDocument : public QObject {
    Q_OBJECT

public:
    LevelDocument(modGlobals& globals, Random& random, SettingsPanel& panel, QObject* parent = nullptr);

    Board& board();
    LevelSettingsText settings() const;
    QUndoStack& history() { return m_history; }
    void setRecording(bool on) { m_recording = on; }

    // A click on the board: the cell takes the code, one step unless it held that code already.
    void place(CellIndex cell, TileCode code);
    // Empties the board, recorded by the caller as part of a whole change (recordChange).
    void clearBoard();

    // Reads a level file into the board and shows the settings this file holds, as one step. A
    // file that could not be opened changes nothing; one that stops early changes what came before
    // the line it stopped at (linesRead lines).
    LevelReadStatus open(const QString& path, int& linesRead);

    // Writes the board and the four texts as they stand; false when the file could not be written.
    bool save(const QString& path) const;

    // The board (with the settings when asked) as it stands, and a change from an earlier state
    // to it made one step: New Level.
    LevelState state(bool withSettings) const;
    void recordChange(const LevelState& before, const QString& text);
    // A setting changed by its slider, Enter or the music chooser, made one step.
    void recordSetting(LevelSetting setting, const QString& before, const QString& after, int drag = 0);

    // What undo and redo put back.
    void setCell(CellIndex cell, TileCode code);
    void setState(const LevelState& state);
    void setSetting(LevelSetting setting, const QString& text);

    // The palette's name of a code, for the steps' names.
    static QString nameOf(TileCode code);

signals:
    void boardChanged();

private:
    void record(QUndoCommand* command);

    modGlobals& m_globals;
    Random& m_random;
    SettingsPanel& m_panel;
    QUndoStack m_history;
    bool m_recording = true;
};
