#pragma once

#include "core/LevelFlow.h"

// A game window with no screen: it shows, plays and asks nothing, and no level exists. The
// simulator's windows, the recording player's and the editor's test override only what they use;
// a question stays open until its answer is applied to the flow.
class HeadlessWindow : public GameWindow {
public:
    void playEffect(std::string_view) override {}
    void drawGrid() override {}
    void showTotals() override {}
    void showBonus() override {}
    void showCountdown(std::string_view, CountdownColour) override {}
    void hideCountdown() override {}
    void setGameButtonsEnabled(bool) override {}
    void showPaused(bool) override {}
    Int16 loadLevel(Int16) override { return 0; }
    bool levelExists(Int16) override { return false; }
    void prepareMusic(const std::string&) override {}
    void playMusicIfAutoPlay() override {}
    void closeMusic() override {}
    void showLevelNumber(Int16) override {}
    void ask(Question) override {}
    void changeLevelSet() override {}
    void showLevelOver(const LevelReport&) override {}
    void showGameOver(std::int32_t) override {}
    void showTopTen() override {}
    void showEditor() override {}
};
