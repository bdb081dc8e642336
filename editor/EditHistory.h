#pragma once

#include "core/MouseCommands.h"
#include "files/LevelFile.h"

#include <QUndoCommand>

#include <optional>

class LevelDocument;

// The four settings of a level, as the panel holds them.
enum class LevelSetting { Music, Bonus, Turtle, Dog };

// What a New Level or an Open Level replaces as a whole: the board, and for Open the settings'
// texts too (the values a game plays with are the last file's and no step of the editor's).
struct LevelState {
    Board board;
    std::optional<LevelTexts> texts;
    friend bool operator==(const LevelState&, const LevelState&) = default;
};

// The editor's undo steps, one per action. Each holds what the action changed before and after,
// and puts either back whole.

class PlaceCommand : public QUndoCommand {
public:
    PlaceCommand(LevelDocument& document, CellIndex cell, TileCode before, TileCode after);
    void undo() override;
    void redo() override;

private:
    LevelDocument& m_document;
    CellIndex m_cell;
    TileCode m_before;
    TileCode m_after;
};

class LevelCommand : public QUndoCommand {
public:
    LevelCommand(LevelDocument& document, const QString& text, LevelState before, LevelState after);
    void undo() override;
    void redo() override;

private:
    LevelDocument& m_document;
    LevelState m_before;
    LevelState m_after;
};

// A setting changed by its slider or by Enter in its box. The moves of one drag of a slider's
// handle make one step.
class SettingCommand : public QUndoCommand {
public:
    SettingCommand(LevelDocument& document, LevelSetting setting, const QString& before, const QString& after,
                   int drag);
    void undo() override;
    void redo() override;
    int id() const override;
    bool mergeWith(const QUndoCommand* other) override;

private:
    LevelDocument& m_document;
    LevelSetting m_setting;
    QString m_before;
    QString m_after;
    int m_drag;
};
