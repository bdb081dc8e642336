#pragma once

#include "core/LevelFlow.h"
#include "files/ReplayFile.h"

#include <QByteArray>
#include <QCoreApplication>

#include <optional>

class Announcer;
class MainWindow;
class Random;
struct Level;

// What the level flow asks of the main window: the countdown, the buttons, the level's files and
// music, drawing, the questions and the modal windows. The recorder hears of levels and their ends
// here, and the game just finished is kept for the top ten and the world table. A screen reader
// is told, once each and without the focus moving, of the countdown's GO, each turtle saved or
// lost, and a level's end.
class GameWindowAdapter : public GameWindow {
    Q_DECLARE_TR_FUNCTIONS(GameWindowAdapter)
public:
    GameWindowAdapter(MainWindow& window, Level& level, Random& random);

    // From now on every finished game is kept beside the score table.
    void keepFinishedGames();

    void showCountdown(std::string_view caption, CountdownColour colour) override;
    void hideCountdown() override;
    void setGameButtonsEnabled(bool enabled) override;
    void showPaused(bool paused) override;
    Int16 loadLevel(Int16 levelNumber) override;
    bool levelExists(Int16 levelNumber) override;
    void prepareMusic(const std::string& levelMusic) override;
    void playMusicIfAutoPlay() override;
    void closeMusic() override;
    void playEffect(std::string_view alias) override;
    void drawGrid() override;
    void showTotals() override;
    void showBonus() override;
    void showLevelNumber(Int16 levelNumber) override;
    void ask(Question question) override;
    void changeLevelSet() override;
    void showLevelOver(const LevelReport& report) override;
    void showGameOver(std::int32_t yourScore) override;
    void showTopTen() override;
    void showEditor() override;

private:
    MainWindow& m_window;
    Level& m_level;
    Random& m_random;
    QByteArray m_lastRecording;
    std::optional<GameRecording> m_lastGame;
    std::optional<int> m_newEntry;  // the place of the entry the game-over window just wrote
    Announcer* m_announcer;
    std::int32_t m_toldSaved = 0;  // the totals the reader was last told of
    std::int32_t m_toldLost = 0;
};
