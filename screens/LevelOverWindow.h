#pragma once

#include "core/LevelFlow.h"

#include <QDialog>
#include <QTimer>

class QLabel;

// The result of a level, shown between two levels. It closes itself after seven seconds;
// nothing the player does closes it earlier.
class LevelOverWindow : public QDialog {
    Q_OBJECT
public:
    explicit LevelOverWindow(QWidget* parent = nullptr);

    // Fills the labels: "Level N Over!", the counts, and the replay notice when failed; the window's
    // accessible name and description say them all.
    void fill(const LevelReport& report);

    QLabel* levelLabel;
    QLabel* savedLabel;
    QLabel* lostLabel;
    QLabel* replayLabel;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void fitText();
    // Seven seconds after the window was made: it closes.
    void closeWhenDue();

    QLabel* m_captionSaved;
    QLabel* m_captionLost;
    QTimer m_closeTimer;

    bool m_closing = false;
};
