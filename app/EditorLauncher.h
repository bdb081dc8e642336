#pragma once

#include <QObject>

class MainWindow;
class Random;
class SoundEffects;
struct Level;

// Opens the level editor over the game window each time the game gives the board to it. The
// editor starts in the folders the player used last, and the set it chooses to play is played by
// the game once the editor has closed.
class EditorLauncher : public QObject {
    Q_OBJECT
public:
    EditorLauncher(MainWindow& window, Level& level, Random& random, SoundEffects& sound);

private:
    void open();

    MainWindow& m_window;
    Level& m_level;
    Random& m_random;
    SoundEffects& m_sound;
};
