#pragma once

// The main window as the player meets it: a program folder of its own whose shipped set is island
// levels, the player's folders beside it, and one window for each sitting.

#include "app/EditorLauncher.h"
#include "core/Level.h"
#include "core/Random.h"
#include "files/LevelFile.h"
#include "files/ScoreFile.h"
#include "files/sets/SetPaths.h"
#include "screens/GameOverDialog.h"
#include "screens/LevelOverWindow.h"
#include "screens/MainWindow.h"
#include "screens/TopTenWindow.h"
#include "tests/support/BoardText.h"
#include "tests/support/WindowTestSupport.h"
#include "ui/audio/AudioOutput.h"
#include "ui/audio/SoundEffects.h"

#include <QLineEdit>

// A turtle with water on all four sides: saved at its first step, whichever way it faces.
inline QByteArray islandLevel(int bonus = 100)
{
    return levelFileBytes({"pond1.mid", std::to_string(bonus), "600", "400"}, boardFromText("b$/$t$/b$"));
}

inline void writeIslandSet(const QString& folder, int levels, int bonus = 100)
{
    QDir().mkpath(folder);
    for (int n = 1; n <= levels; ++n)
        writeFile(levelPathInSet(folder, Int16(n)), islandLevel(bonus));
}

class GameWindowTest : public ::testing::Test {
protected:
    QTemporaryDir root;
    const QString program = root.filePath("program"), data = root.filePath("data"), config = root.filePath("config");
    const QString scores = scoresPath(program);  // the shipped set's table
    Level level;
    GameRandom random{5};
    AudioOutput audio;
    SoundEffects sound{audio};
    std::unique_ptr<MainWindow> window;

    void SetUp() override { writeIslandSet(program + "/levels", 1); }

    Millis wall = 0;  // the window's wall, moved only by runClock

    // One sitting: the window of the sitting before closes first; before sees the new window
    // before it reads the player's folders. The window's wall stands still but where runClock
    // moves it.
    void sitDown(const std::function<void(MainWindow&)>& before = {})
    {
        window.reset();
        window = std::make_unique<MainWindow>(level, random, sound, program, scores);
        new EditorLauncher(*window, level, random, sound);  // the window's child
        wall = 0;
        window->clock().setWall([this] { return wall; });
        if (before)
            before(*window);
        window->usePlayerFolders(data, config);
        window->show();
    }

    // Moves the wall on by ms, ringing the clock's alarm at each moment it is set for, as the
    // event loop would (a timer that opens a window rings inside it).
    void runClock(Millis ms)
    {
        const Millis end = wall + ms;
        while (window->clock().alarm().isActive() && window->clock().wakesAt() <= end) {
            wall = window->clock().wakesAt();
            QMetaObject::invokeMethod(&window->clock().alarm(), "timeout");
        }
        wall = end;
    }

    // From the countdown's start to the level's end (the island's turtle steps 600 ms after GO):
    // its window closes at once. The event loop turns between the seconds, as it does in play.
    void playLevel()
    {
        onNextModal<LevelOverWindow>([](LevelOverWindow* over) { over->accept(); });
        for (int second = 0; second < 6; ++second, QCoreApplication::processEvents())
            runClock(1100);
    }

    // The next Game Over window takes this name; the top ten that follows is shown to seen, then closed.
    static void enterName(const QString& name, const std::function<void(TopTenWindow&)>& seen = {})
    {
        onNextModal<GameOverDialog>([name, seen](GameOverDialog* over) {
            onNextModal<TopTenWindow>([seen](TopTenWindow* topTen) {
                if (seen)
                    seen(*topTen);
                topTen->accept();
            });
            auto* text = over->findChild<QLineEdit*>("nameEdit");
            text->setText(name);
            QTest::keyClick(text, Qt::Key_Return);
        });
    }
};
