#pragma once

#include <QDialog>

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
    QPushButton* butClose;
};
