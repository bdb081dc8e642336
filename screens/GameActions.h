#pragma once

#include "ui/AudioMenu.h"

class QAction;

// The main window's commands, each an item of its menus, some with a key of their own.
struct GameActions {
    QAction* newGame = nullptr;
    QAction* continueGame = nullptr;  // on only when a game kept from another sitting can go on
    QAction* levelSet = nullptr;
    QAction* importSet = nullptr;
    QAction* findSets = nullptr;  // on the world table
    QAction* language = nullptr;  // remembered in settings.ini, spoken from the next start
    QAction* pause = nullptr;
    QAction* fastForward = nullptr;
    QAction* abortGame = nullptr;  // the two game buttons for the keyboard: the board keeps Tab
    QAction* replayLevel = nullptr;
    QAction* highScores = nullptr;
    QAction* watchLastGame = nullptr;
    QAction* worldTable = nullptr;
    QAction* worldTopTen = nullptr;
    QAction* exit = nullptr;
    AudioMenu audio;
    QAction* levelEditor = nullptr;  // a command on the menu bar itself
    QAction* instructions = nullptr;
    QAction* about = nullptr;
};
