#include "editor/TestKeys.h"

#include "editor/TestMode.h"
#include "ui/BoardPicture.h"
#include "ui/KeyboardPlay.h"

KeyboardPlay* playTestWithKeys(BoardPicture& picture, TestMode& test, std::function<void()> redraw, QObject* parent)
{
    KeyboardPlay::Entries entries{
        [&test](float x, float y) { test.pictMain_MouseDown(x, y); },
        [&test](float x, float y) { test.pictMain_MouseMove(x, y); },
        [&test](float, float) { test.pictMain_MouseUp(); },
        [&test] { test.letGo(); },
    };
    auto* keys = new KeyboardPlay(picture, test.field(), std::move(entries), std::move(redraw), parent);
    QObject::connect(&test, &TestMode::modeChanged, keys, [&picture, keys](bool editMode) {
        picture.setKeyboardPlay(!editMode);
        if (editMode)
            keys->hideCursor();
        else
            picture.setFocus();
    });
    return keys;
}
