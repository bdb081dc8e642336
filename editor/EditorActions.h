#pragma once

#include "ui/AudioMenu.h"

#include <QCoreApplication>
#include <QString>

class AudioControl;
class EditorWindow;
class FileCommands;
class LevelDocument;
class QAction;
class QMenuBar;

// The editor's menus and their items with their shortcuts, each item named after its member. The
// items run the window's and the file commands' handlers; Undo and Redo are the history's own.
struct EditorActions {
    Q_DECLARE_TR_FUNCTIONS(EditorActions)

public:
    EditorActions(QMenuBar& menuBar, EditorWindow& window, FileCommands& files, LevelDocument& document,
                  AudioControl& audio, const QString& programFolder);

    QAction* newAction;
    QAction* openAction;
    QAction* saveAction;
    QAction* checkAction;
    QAction* playSetAction;
    QAction* exportSetAction;
    QAction* publishSetAction;
    QAction* exitAction;
    QAction* undoAction;
    QAction* redoAction;
    AudioMenu audioMenu;
    QAction* instructionsAction;  // the editor's section of the instructions
    QAction* aboutAction;
};
