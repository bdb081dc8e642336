#pragma once

#include <QCoreApplication>
#include <QString>

class MainWindow;

// The main window's level sets and the game kept from another sitting: Game > Level Set...,
// Continue Game, the set the editor plays, and the title and Continue Game that follow them.
class SetsController {
    Q_DECLARE_TR_FUNCTIONS(SetsController)
public:
    explicit SetsController(MainWindow& window) : m_window(window) {}

    // The title names a set of the player's; Continue Game is on when the kept game can go on,
    // and says why not when it cannot.
    void showSet();
    void chooseLevelSet();
    // Plays the set in that folder once a game in play is given up (the Level Editor's question);
    // the set in play chosen again changes nothing.
    void choose(const QString& folder);
    // The game in play was given up: the set chosen is played from its level 1.
    void changeToChosen();
    void continueKeptGame();
    // A new game of the set in that folder at once, or a message why it cannot be played.
    void play(const QString& folder);

private:
    MainWindow& m_window;
    QString m_chosen;  // the set the player chose, played once the game in play is given up
};
