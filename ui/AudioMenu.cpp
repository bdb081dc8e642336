#include "ui/AudioMenu.h"

#include "ui/audio/AudioControl.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>

AudioMenu addAudioMenu(QMenuBar* menuBar, AudioControl& control, const QString& autoPlayCaption)
{
    AudioMenu menu;
    menu.menu = menuBar->addMenu(QCoreApplication::translate("AudioMenu", "&Audio"));
    menu.musicAutoPlayAction = menu.menu->addAction(autoPlayCaption);
    menu.stopMusicAction = menu.menu->addAction(QCoreApplication::translate("AudioMenu", "Music Stop"));
    menu.soundEffectsAction = menu.menu->addAction(QCoreApplication::translate("AudioMenu", "Sound Effects"));

    // The control holds the switches; the items only show them. A click toggles the item by
    // itself first, then the handler decides and the item is set to what the control says.
    QAction* autoPlay = menu.musicAutoPlayAction;
    QAction* effects = menu.soundEffectsAction;
    autoPlay->setCheckable(true);
    autoPlay->setChecked(control.musicAutoPlay());
    effects->setCheckable(true);
    effects->setChecked(control.soundEffects());
    QObject::connect(autoPlay, &QAction::triggered, &control, &AudioControl::toggleMusicAutoPlay);
    QObject::connect(menu.stopMusicAction, &QAction::triggered, &control, &AudioControl::stopMusic);
    QObject::connect(effects, &QAction::triggered, &control, &AudioControl::toggleSoundEffects);
    QObject::connect(&control, &AudioControl::musicAutoPlayChanged, autoPlay, &QAction::setChecked);
    QObject::connect(&control, &AudioControl::soundEffectsChanged, effects, &QAction::setChecked);
    return menu;
}
