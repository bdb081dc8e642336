#pragma once

#include "ui/audio/MusicDevice.h"

#include <QObject>
#include <QString>

#include <functional>
#include <string_view>

class SoundEffects;

// What a window's Audio menu governs: its music device mmcaudio with the flag
// MusicCloseRequested, and its two switches, Music Auto-Play and Sound Effects (both on at start).
// The main window and the editor each own one; they share the process's SoundEffects.
class AudioControl : public QObject {
    Q_OBJECT

public:
    AudioControl(SoundEffects& sound, const QString& programFolder, QObject* parent = nullptr);

    MusicDevice& mmcaudio() { return m_mmcaudio; }

    // Set just before the program closes the music itself, so that the done event it causes
    // does not start the piece again; cleared by mmcaudio_Done.
    bool MusicCloseRequested = false;

    // The checked states of mnuMusicAutoPlay and mnuSoundEffects.
    bool musicAutoPlay() const { return m_musicAutoPlay; }
    bool soundEffects() const { return m_soundEffects; }

    // PlayMusic plays only while this holds (the editor: while a test runs). Always, by default.
    // A piece that plays when it stops holding ends at the end of its pass.
    void setPlayCondition(std::function<bool()> condition) { m_playCondition = std::move(condition); }

    // The music step of StartLevel: the device set up for the piece and closed; nothing plays.
    // A name containing ".mid" (case as written) opens as a sequencer piece. A name that is not a
    // bare file name is a missing piece: silent, and never a file outside audio/.
    void PrepareMusic(const QString& musicName);
    // The device settings of that step without a piece: Notify, Wait, Shareable and "Close".
    void ResetMusicDevice();
    // Opens and starts the prepared piece; both commands return at once.
    void PlayMusic();
    // Every stop of the program's own: MusicCloseRequested (when a piece plays), then "Close".
    void CloseMusic();

    // The done event of mmcaudio: closes the device and plays the piece again, unless the program
    // closed it itself. The device repeats a piece itself while PlayMusic would play it, so the
    // event follows a close, the end of a piece that was not to repeat, or the end of one whose
    // passes the device cannot tell, which is started again here.
    void mmcaudio_Done(int notifyCode);

    void mnuMusicAutoPlay_Click();
    void mnuMusicStop_Click();
    void mnuSoundEffects_Click();

    // An effect through this window's Sound Effects switch.
    void playEffect(std::string_view alias);

signals:
    void musicAutoPlayChanged(bool checked);
    void soundEffectsChanged(bool checked);

private:
    bool mayPlay() const;

    SoundEffects& m_sound;
    QString m_programFolder;
    MusicDevice m_mmcaudio;
    bool m_musicAutoPlay = true;
    bool m_soundEffects = true;
    std::function<bool()> m_playCondition;
};
