#pragma once

#include "core/LevelFlow.h"

// The window of the editor's test, as the level flow sees it: the board, the totals, the bonus and
// the sounds show as in a game (the FieldView part, for the test to draw), and nothing else does.
// A test has no countdown, no game buttons, no pause, no level files and no music of the flow's
// (the test plays the level's piece itself), asks nothing and opens no window.
class TestWindow : public GameWindow {
public:
    void showCountdown(std::string_view /*caption*/, CountdownColour /*colour*/) final {}
    void hideCountdown() final {}
    void setGameButtonsEnabled(bool /*enabled*/) final {}
    void showPaused(bool /*paused*/) final {}
    Int16 loadLevel(Int16 /*levelNumber*/) final { return 0; }
    bool levelExists(Int16 /*levelNumber*/) final { return false; }
    void prepareMusic(const std::string& /*levelMusic*/) final {}
    void playMusicIfAutoPlay() final {}
    void closeMusic() final {}
    void showLevelNumber(Int16 /*levelNumber*/) final {}
    void ask(Question /*question*/) final {}
    void changeLevelSet() final {}
    void showLevelOver(const LevelReport& /*report*/) final {}
    void showGameOver(std::int32_t /*yourScore*/) final {}
    void showTopTen() final {}
    void showEditor() final {}
};
