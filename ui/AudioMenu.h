#pragma once

#include <QString>

class AudioControl;
class QAction;
class QMenu;
class QMenuBar;

// A window's "&Audio" menu, its three items wired to the window's AudioControl: the checked
// states follow the control, and a click runs the control's handler.
struct AudioMenu {
    QMenu* menu = nullptr;
    QAction* musicAutoPlayAction = nullptr;
    QAction* stopMusicAction = nullptr;
    QAction* soundEffectsAction = nullptr;
};

// autoPlayCaption: "Music Auto-Play" in the game, "Music Auto Play" in the editor.
AudioMenu addAudioMenu(QMenuBar* menuBar, AudioControl& control, const QString& autoPlayCaption);
