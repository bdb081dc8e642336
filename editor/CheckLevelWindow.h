#pragma once

#include <QDialog>

#include <cstdint>

class QLabel;
class QPushButton;
struct CheckResult;

// "Check Level": what the computer player and nobody at the board made of the level, and the
// verdict.
class CheckLevelWindow : public QDialog {
    Q_OBJECT

public:
    CheckLevelWindow(const CheckResult& result, QWidget* parent);

    QLabel* lblBot;
    QLabel* lblEffort;
    QLabel* lblIdle;
    QLabel* lblReach;
    QLabel* lblEndless;  // hidden unless some runs did not end
    QLabel* lblVerdict;
    QPushButton* butWatch;  // only when the level was played
    QPushButton* butClose;

signals:
    // Watch: the computer player's game from this seed, one it passed when it passed any.
    void watchRequested(std::uint64_t seed);
};
