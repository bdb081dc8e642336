#pragma once

#include "ui/audio/MusicDevice.h"

#include <QObject>
#include <QString>

#include <functional>
#include <string_view>

class SoundEffects;

// What a window's Audio menu governs: its music device with the flag
// musicCloseRequested, and its two switches, Music Auto-Play and Sound Effects (both on at start).
// The main window and the editor each own one; they share the process's SoundEffects.
class AudioControl : public QObject {
    Q_OBJECT

public:
    AudioControl(SoundEffects& sound, const QString& programFolder, QObject* parent = nullptr);

    MusicDevice& musicDevice() { return m_musicDevice; }

    // Set just before the program closes the music itself, so that the done event it causes
    // does not start the piece again; cleared by musicDone.
    bool musicCloseRequested = false;

    // The checked states of the Audio menu's Music Auto-Play and Sound Effects.
    bool musicAutoPlay() const { return m_musicAutoPlay; }
    bool soundEffects() const { return m_soundEffects; }

    // playMusic plays only while this holds (the editor: while a test runs). Always, by default.
    // A piece that plays when it stops holding ends at the end of its pass.
    void setPlayCondition(std::function<bool()> condition) { m_playCondition = std::move(condition); }

    // The music step of StartLevel: the device set up for the piece and closed; nothing plays.
    // A name containing ".mid" (case as written) opens as a sequencer piece. A name that is not a
    // bare file name is a missing piece: silent, and never a file outside audio/.
    void prepareMusic(const QString& musicName);
    // The device settings of that step without a piece: Notify, Wait, Shareable and "Close".
    void resetMusicDevice();
    // Opens and starts the prepared piece; both commands return at once.
    void playMusic();
    // Every stop of the program's own: musicCloseRequested (when a piece plays), then "Close".
    void closeMusic();

    // The music device's done event: closes the device and plays the piece again, unless the program
    // closed it itself. The device repeats a piece itself while playMusic would play it, so the
    // event follows a close, the end of a piece that was not to repeat, or the end of one whose
    // passes the device cannot tell, which is started again here.
    void musicDone(int notifyCode);

    void toggleMusicAutoPlay();
    void stopMusic();
    void toggleSoundEffects();

    // An effect through this window's Sound Effects switch.
    void playEffect(std::string_view alias);

signals:
    void musicAutoPlayChanged(bool checked);
    void soundEffectsChanged(bool checked);

private:
    bool mayPlay() const;

    SoundEffects& m_sound;
    QString m_programFolder;
    MusicDevice m_musicDevice;
    bool m_musicAutoPlay = true;
    bool m_soundEffects = true;
    std::function<bool()> m_playCondition;
};
