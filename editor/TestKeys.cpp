#include "editor/TestKeys.h"

#include "editor/TestMode.h"
#include "ui/BoardPicture.h"
#include "ui/KeyboardPlay.h"

KeyboardPlay* playTestWithKeys(BoardPicture& picture, TestMode& test, std::function<void()> redraw, QObject* parent)
{
    auto* keys = new KeyboardPlay(
        picture, test.field(), [&test](const GameInput& input) { test.apply(input); }, std::move(redraw), parent);
    QObject::connect(&test, &TestMode::modeChanged, keys, [&picture, keys](bool editMode) {
        picture.setKeyboardPlay(!editMode);
        if (editMode)
            keys->hideCursor();
        else
            picture.setFocus();
    });
    return keys;
}
