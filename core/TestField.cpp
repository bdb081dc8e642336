#include "core/TestField.h"

void TestField::apply(const GameInput& input)
{
    switch (input.kind) {
    case GameInput::Kind::Timer:
        // No level-over check follows a turtle beat: a test runs on after its last turtle.
        if (input.timer == GameTimer::Bonus)
            m_field.bonusBeat(m_view);
        else if (input.timer != GameTimer::CountDown)
            m_field.creatureBeat(m_view, input.timer == GameTimer::Turtle);
        return;
    case GameInput::Kind::MouseDown:
        return m_field.mouseDown(m_view, input.x, input.y);
    case GameInput::Kind::MouseMove:
        return m_field.mouseMove(m_view, input.x, input.y);
    case GameInput::Kind::MouseUp:
        return m_field.mouseUp(m_view);
    case GameInput::Kind::LetGo:
        return m_field.letGo(m_view);
    default:  // a game's commands, questions and windows: a test has none
        return;
    }
}
