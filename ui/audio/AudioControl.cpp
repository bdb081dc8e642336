#include "ui/audio/AudioControl.h"

#include "files/MusicPath.h"
#include "ui/audio/SoundEffects.h"

AudioControl::AudioControl(SoundEffects& sound, const QString& programFolder, QObject* parent)
    : QObject(parent), m_sound(sound), m_programFolder(programFolder), m_mmcaudio(sound.output())
{
    connect(&m_mmcaudio, &MusicDevice::Done, this, &AudioControl::mmcaudio_Done);
    // A piece repeats exactly when mmcaudio_Done would start it again: the device repeats it in
    // the mixer, without the gap a close and reopen there would leave, and lets it end at the end
    // of its pass once PlayMusic would start nothing.
    m_mmcaudio.setRepeatWhile([this] { return mayPlay(); });
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

bool AudioControl::mayPlay() const { return !m_playCondition || m_playCondition(); }

void AudioControl::PlayMusic()
{
    if (!mayPlay())
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

void AudioControl::playEffect(std::string_view alias) { m_sound.playEffect(alias, m_soundEffects); }
