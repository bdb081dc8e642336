#pragma once

#include "core/MouseCommands.h"
#include "editor/EditHistory.h"
#include "files/LevelFile.h"

#include <QObject>
#include <QUndoStack>

class Random;

// The level being edited, the one the game and the editor share: its board and its four settings
// as typed, the changes the editor makes to them (placing a code, a new level, reading and writing
// a level file, a setting) and the history of those changes, one undo step each. Nothing is
// recorded while recording is off (during a test). Views show it and redraw from its signals.
class LevelDocument : public QObject {
    Q_OBJECT

public:
    // The level's texts become those the boxes show.
    LevelDocument(Level& level, Random& random, const LevelTexts& texts, QObject* parent = nullptr);

    // The board and the four texts as they stand: what Save Level writes and a test reads.
    const Level& level() const { return m_level; }
    // One of the texts, as its box shows it.
    QString setting(LevelSetting setting) const;
    QUndoStack& history() { return m_history; }
    void setRecording(bool on) { m_recording = on; }
    // Changed since the level was last saved or opened whole: the history stands elsewhere, or a
    // box holds text typed since (typing is no step).
    bool isModified() const { return !m_history.isClean() || m_level.texts != m_cleanTexts; }
    // The name of the file the level was last opened from or saved to; empty for a new level.
    const QString& fileName() const { return m_fileName; }
    // New Level: the level is no file's any more.
    void setUntitled();

    // A click on the board: the cell takes the code, one step unless it held that code already.
    void place(CellIndex cell, TileCode code);
    // Empties the board, recorded by the caller as part of a whole change (recordChange).
    void clearBoard();

    // Reads a level file into the board and shows the settings this file holds, as one step. A
    // file that could not be opened changes nothing; one that stops early changes what came before
    // the line it stopped at. What the reading got comes back.
    LevelReading open(const QString& path);

    // Writes the board and the four texts as they stand; false when the file could not be written.
    bool save(const QString& path);

    // The board (with the settings when asked) as it stands, and a change from an earlier state
    // to it made one step: New Level, a test's board kept.
    LevelState state(bool withSettings) const;
    void recordChange(const LevelState& before, const QString& text);
    // A setting changed by its slider, Enter or the music chooser, made one step.
    void recordSetting(LevelSetting setting, const QString& before, const QString& after, int drag = 0);
    // A setting's box as typed, key by key: no step, and nothing to show back.
    void typed(LevelSetting setting, const QString& text);

    // What undo and redo put back.
    void setCell(CellIndex cell, TileCode code);
    void setState(const LevelState& state);
    void setSetting(LevelSetting setting, const QString& text);

    // The palette's name of a code, for the steps' names.
    static QString nameOf(TileCode code);

signals:
    void boardChanged();
    void settingChanged(LevelSetting setting, const QString& text);
    // isModified() or fileName() may have changed.
    void standingChanged();

private:
    void record(QUndoCommand* command);
    void markClean();

    Level& m_level;
    Random& m_random;
    LevelTexts m_cleanTexts;  // as last saved or opened
    QString m_fileName;
    QUndoStack m_history;
    bool m_recording = true;
};
