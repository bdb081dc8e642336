#include "ui/audio/AudioControl.h"

#include "files/MusicPath.h"
#include "ui/audio/SoundEffects.h"

AudioControl::AudioControl(SoundEffects& sound, const QString& programFolder, QObject* parent)
    : QObject(parent), m_sound(sound), m_programFolder(programFolder), m_musicDevice(sound.output())
{
    connect(&m_musicDevice, &MusicDevice::done, this, &AudioControl::musicDone);
    // A piece repeats exactly when musicDone would start it again: the device repeats it in
    // the mixer, without the gap a close and reopen there would leave, and lets it end at the end
    // of its pass once playMusic would start nothing.
    m_musicDevice.setRepeatWhile([this] { return mayPlay(); });
}

void AudioControl::prepareMusic(const QString& musicName)
{
    m_musicDevice.setNotify(true);
    m_musicDevice.setWait(true);
    m_musicDevice.setShareable(false);
    m_musicDevice.setDeviceType(musicName.contains(QStringLiteral(".mid")) ? QStringLiteral("Sequencer") : QString());
    m_musicDevice.setWait(true);
    m_musicDevice.setCommand(QStringLiteral("Close"));
    m_musicDevice.setFileName(musicPath(m_programFolder, musicName));
}

void AudioControl::resetMusicDevice()
{
    m_musicDevice.setNotify(true);
    m_musicDevice.setWait(true);
    m_musicDevice.setShareable(false);
    m_musicDevice.setWait(true);
    m_musicDevice.setCommand(QStringLiteral("Close"));
}

bool AudioControl::mayPlay() const { return !m_playCondition || m_playCondition(); }

void AudioControl::playMusic()
{
    if (!mayPlay())
        return;
    m_musicDevice.setWait(false);
    m_musicDevice.setCommand(QStringLiteral("Open"));
    m_musicDevice.setWait(false);
    m_musicDevice.setCommand(QStringLiteral("Play"));
}

void AudioControl::closeMusic()
{
    // Only a playing piece reports its close. Raising the flag with nothing playing would leave it
    // standing, and the next piece would then not start again when it ends.
    if (m_musicDevice.mode() == MusicDevice::Mode::Playing)
        musicCloseRequested = true;
    m_musicDevice.setCommand(QStringLiteral("Close"));
}

void AudioControl::musicDone(int notifyCode)
{
    m_musicDevice.setWait(true);
    m_musicDevice.setCommand(QStringLiteral("Close"));
    // A done event for a "Close" is always the program's own stop, even when a later step has
    // cleared the flag before the event arrived (New Game does), so only a piece that ended by
    // itself starts again.
    if (!musicCloseRequested && notifyCode != MusicDevice::mciAborted)
        playMusic();
    musicCloseRequested = false;
}

void AudioControl::toggleMusicAutoPlay()
{
    if (!m_musicAutoPlay) {
        playMusic();
        m_musicAutoPlay = true;
    } else {
        m_musicAutoPlay = false;
        closeMusic();
    }
    emit musicAutoPlayChanged(m_musicAutoPlay);
}

void AudioControl::stopMusic() { closeMusic(); }

void AudioControl::toggleSoundEffects()
{
    m_soundEffects = !m_soundEffects;
    emit soundEffectsChanged(m_soundEffects);
}

void AudioControl::playEffect(std::string_view alias) { m_sound.playEffect(alias, m_soundEffects); }
