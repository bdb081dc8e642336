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

    QLabel* verdictLabel() const { return m_verdictLabel; }
    QPushButton* watchButton() const { return m_watchButton; }  // shown only when the level was played

signals:
    // Watch: the computer player's game from this seed, one it passed when it passed any.
    void watchRequested(std::uint64_t seed);

private:
    QLabel* m_verdictLabel;
    QPushButton* m_watchButton;
};
