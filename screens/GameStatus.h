#pragma once

class QLabel;
class QPushButton;

// The column right of the board: the game's values, its two buttons, the countdown and the pace.
struct GameStatus {
    QLabel* scoreLabel = nullptr;
    QLabel* levelLabel = nullptr;
    QLabel* bonusLabel = nullptr;
    QLabel* savedLabel = nullptr;
    QLabel* lostLabel = nullptr;
    QPushButton* abortButton = nullptr;
    QPushButton* replayButton = nullptr;
    QLabel* countdownLabel = nullptr;
    QLabel* speedLabel = nullptr;  // "2x" while Fast Forward is on
};
