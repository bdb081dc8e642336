#include "ui/AudioControl.h"

#include "files/MusicPath.h"
#include "ui/modSound.h"

AudioControl::AudioControl(modSound& sound, const QString& programFolder, QObject* parent)
    : QObject(parent), m_sound(sound), m_programFolder(programFolder), m_mmcaudio(sound.output())
{
    connect(&m_mmcaudio, &MusicDevice::Done, this, &AudioControl::mmcaudio_Done);
    // A piece plays until the program stops it. The device repeats it in the mixer, without the
    // gap a close and reopen in mmcaudio_Done would leave; that restart remains for a piece that
    // stops by itself all the same.
    m_mmcaudio.setRepeat(true);
}

void AudioControl::PrepareMusic(const QString& musicName)
{
    m_mmcaudio.setNotify(true);
    m_mmcaudio.setWait(true);
    m_mmcaudio.setShareable(false);
    m_mmcaudio.setDeviceType(musicName.contains(QStringLiteral(".mid")) ? QStringLiteral("Sequencer") : QString());
    m_mmcaudio.setWait(true);
    m_mmcaudio.setCommand(QStringLiteral("Close"));
    m_mmcaudio.setFileName(MusicPath(m_programFolder, musicName));
}

void AudioControl::ResetMusicDevice()
{
    m_mmcaudio.setNotify(true);
    m_mmcaudio.setWait(true);
    m_mmcaudio.setShareable(false);
    m_mmcaudio.setWait(true);
    m_mmcaudio.setCommand(QStringLiteral("Close"));
}

void AudioControl::PlayMusic()
{
    if (m_playCondition && !m_playCondition())
        return;
    m_mmcaudio.setWait(false);
    m_mmcaudio.setCommand(QStringLiteral("Open"));
    m_mmcaudio.setWait(false);
    m_mmcaudio.setCommand(QStringLiteral("Play"));
}

void AudioControl::CloseMusic()
{
    // Only a playing piece reports its close. Raising the flag with nothing playing would leave it
    // standing, and the next piece would then not start again when it ends.
    if (m_mmcaudio.mode() == MusicDevice::Mode::Playing)
        MusicCloseRequested = true;
    m_mmcaudio.setCommand(QStringLiteral("Close"));
}

void AudioControl::mmcaudio_Done(int notifyCode)
{
    m_mmcaudio.setWait(true);
    m_mmcaudio.setCommand(QStringLiteral("Close"));
    // A done event for a "Close" is always the program's own stop, even when a later step has
    // cleared the flag before the event arrived (New Game does), so only a piece that ended by
    // itself starts again.
    if (!MusicCloseRequested && notifyCode != MusicDevice::mciAborted)
        PlayMusic();
    MusicCloseRequested = false;
}

void AudioControl::mnuMusicAutoPlay_Click()
{
    if (!m_musicAutoPlay) {
        PlayMusic();
        m_musicAutoPlay = true;
    } else {
        m_musicAutoPlay = false;
        CloseMusic();
    }
    emit musicAutoPlayChanged(m_musicAutoPlay);
}

void AudioControl::mnuMusicStop_Click() { CloseMusic(); }

void AudioControl::mnuSoundEffects_Click()
{
    m_soundEffects = !m_soundEffects;
    emit soundEffectsChanged(m_soundEffects);
}

void AudioControl::PlayEffect(std::string_view alias) { m_sound.PlayEffect(alias, m_soundEffects); }
