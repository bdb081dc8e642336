#pragma once

#include "core/KeyCommands.h"

#include <QObject>

#include <functional>
#include <optional>

class BoardMouse;
class BoardPicture;
class LevelDocument;
class TestMode;
struct Level;

// The keys on the editor's board while it edits: the arrows move a cursor like the game's, Space
// or Enter places the chosen picture on its square, and 1 to 9 choose the palette's pictures in
// their order. The first key shows a hidden cursor; a mouse press hides it. During a test the
// keys play the level instead (TestKeys.h).
class EditKeys : public QObject {
    Q_OBJECT

public:
    EditKeys(BoardPicture& picture, TestMode& test, LevelDocument& document, BoardMouse& mouse, const Level& level,
             std::function<void()> redraw, QObject* parent);

    std::optional<CellIndex> cursorCell() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TestMode& m_test;
    LevelDocument& m_document;
    BoardMouse& m_mouse;
    const Level& m_level;
    std::function<void()> m_redraw;
    BoardCursor m_cursor;
};
