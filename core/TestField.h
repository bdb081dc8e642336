#pragma once

#include "core/GameInput.h"
#include "core/PlayField.h"

// The door of the editor's test, as LevelFlow::apply is a game's: its timers, the mouse on the
// board (and the keys that stand for it) and the let-go enter here, and one switch turns each
// into the test's rule. A test's beats are not a game's: it has no countdown and no end of
// level, and takes none of a game's commands.
class TestField {
public:
    TestField(PlayField& field, FieldView& view) : m_field(field), m_view(view) {}

    void apply(const GameInput& input);

private:
    PlayField& m_field;
    FieldView& m_view;
};
