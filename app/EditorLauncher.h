#pragma once

#include <QObject>

class MainWindow;
class Random;
class SoundEffects;
struct modGlobals;

// Opens the level editor over the game window each time the game gives the board to it. The
// editor starts in the folders the player used last, and the set it chooses to play is played by
// the game once the editor has closed.
class EditorLauncher : public QObject {
    Q_OBJECT
public:
    EditorLauncher(MainWindow& window, modGlobals& globals, Random& random, SoundEffects& sound);

private:
    void open();

    MainWindow& m_window;
    modGlobals& m_globals;
    Random& m_random;
    SoundEffects& m_sound;
};
