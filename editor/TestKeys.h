#pragma once

#include <functional>

class BoardPicture;
class KeyboardPlay;
class QObject;
class TestMode;

// The keys play the editor's test as they play a game: the board takes them while a test runs,
// and the board takes the focus when a test starts; when it ends the keys go back to editing
// (Tab moves between the boxes again) and the cursor is hidden.
KeyboardPlay* playTestWithKeys(BoardPicture& picture, TestMode& test, std::function<void()> redraw, QObject* parent);
