#include "ui/MusicDevice.h"

#include "ui/AudioOutput.h"

#include <QFile>
#include <QFileInfo>

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <mutex>
#include <thread>

struct MusicDevice::LoadJob {
    QByteArray path;
    Mix_MusicType type = MUS_NONE;
    Mix_Music* result = nullptr;  // written by the loader before it reports, read after the join
    std::thread thread;
};

namespace {

// The device whose piece SDL_mixer is playing, and which play of it; read by the finish hook,
// which may run on the audio thread. Nothing calls the mixer while holding this lock.
std::mutex g_ownerMutex;
MusicDevice* g_owner = nullptr;
quint64 g_ownerPlayId = 0;

Mix_Music* loadMusic(const QByteArray& path, Mix_MusicType type)
{
    if (type == MUS_NONE)
        return Mix_LoadMUS(path.constData());  // by the file's extension and content
    SDL_RWops* file = SDL_RWFromFile(path.constData(), "rb");
    return file ? Mix_LoadMUSType_RW(file, type, 1) : nullptr;
}

// A standard MIDI file, bare or in a RIFF RMID wrapper.
bool holdsMidi(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = file.read(12);
    return head.startsWith("MThd") || (head.startsWith("RIFF") && head.mid(8, 4) == "RMID");
}

}  // namespace

MusicDevice::MusicDevice(AudioOutput& output, QObject* parent) : QObject(parent), m_output(output) {}

MusicDevice::~MusicDevice()
{
    m_job.reset();
    for (const std::shared_ptr<LoadJob>& job : m_loaders) {
        job->thread.join();
        if (job->result)
            Mix_FreeMusic(job->result);
    }
    releaseMusic();
}

void MusicDevice::setCommand(const QString& command)
{
    m_command = command;
    if (command.compare(u"Open", Qt::CaseInsensitive) == 0)
        open();
    else if (command.compare(u"Play", Qt::CaseInsensitive) == 0)
        play();
    else if (command.compare(u"Close", Qt::CaseInsensitive) == 0)
        close();
}

void MusicDevice::open()
{
    if (m_mode != Mode::NotOpen || !m_output.isOpen() || !QFileInfo(m_fileName).isFile())
        return;
    Mix_MusicType type = MUS_NONE;
    if (m_deviceType.compare(u"Sequencer", Qt::CaseInsensitive) == 0)
        type = MUS_MID;
    else if (m_deviceType.compare(u"WaveAudio", Qt::CaseInsensitive) == 0)
        type = MUS_WAV;
    else if (m_deviceType.compare(u"MPEGVideo", Qt::CaseInsensitive) == 0)
        type = MUS_MP3;
    const bool midi = holdsMidi(m_fileName);
    if (type == MUS_MID && !midi)
        return;  // a sequencer opens MIDI only
    if (midi && !m_output.midiAvailable())
        return;  // without the soundfont MIDI would only play silence

    auto job = std::make_shared<LoadJob>();
    job->path = QFile::encodeName(m_fileName);
    job->type = type;
    m_job = job;
    m_mode = Mode::Opening;
    if (m_wait) {
        job->result = loadMusic(job->path, job->type);
        loaded(job);
        return;
    }
    // Loading a MIDI piece builds a synthesiser with the whole soundfont: a second or more, so
    // it happens off the UI thread while the game goes on.
    m_loaders.push_back(job);
    job->thread = std::thread([this, job] {
        job->result = loadMusic(job->path, job->type);
        SDL_TLSCleanup();  // SDL frees a thread's error text itself only in threads it made
        QMetaObject::invokeMethod(
            this, [this, job] { loaded(job); }, Qt::QueuedConnection);
    });
}

void MusicDevice::loaded(const std::shared_ptr<LoadJob>& job)
{
    if (job->thread.joinable())
        job->thread.join();
    m_loaders.erase(std::remove(m_loaders.begin(), m_loaders.end(), job), m_loaders.end());
    if (m_job != job) {
        // Closed while it loaded.
        if (job->result)
            Mix_FreeMusic(job->result);
        job->result = nullptr;
        return;
    }
    m_job.reset();
    m_music = std::exchange(job->result, nullptr);
    m_mode = m_music ? Mode::Stopped : Mode::NotOpen;
    if (std::exchange(m_playWhenOpen, false) && m_music)
        play();
}

void MusicDevice::play()
{
    if (m_mode == Mode::Opening) {
        m_playWhenOpen = true;
        return;
    }
    if (m_mode != Mode::Stopped)
        return;  // nothing open, or already playing
    {
        std::lock_guard lock(g_ownerMutex);
        if (g_owner && g_owner != this)
            g_owner->m_mode = Mode::Stopped;  // its piece gives way to this one, without an event
        g_owner = this;
        g_ownerPlayId = ++m_playId;
    }
    Mix_HookMusicFinished(&MusicDevice::musicFinished);
    if (Mix_PlayMusic(m_music, m_repeat ? -1 : 1) != 0) {
        std::lock_guard lock(g_ownerMutex);
        g_owner = nullptr;
        return;
    }
    m_mode = Mode::Playing;
}

void MusicDevice::close()
{
    m_playWhenOpen = false;
    if (m_mode == Mode::Opening) {
        m_job.reset();  // the piece is released when its loading ends
        m_mode = Mode::NotOpen;
        return;
    }
    if (m_mode == Mode::NotOpen)
        return;
    const bool wasPlaying = m_mode == Mode::Playing;
    m_mode = Mode::NotOpen;
    releaseMusic();
    if (wasPlaying && m_notify)
        QMetaObject::invokeMethod(
            this, [this] { emit Done(mciAborted); }, Qt::QueuedConnection);
}

void MusicDevice::releaseMusic()
{
    bool owner = false;
    {
        std::lock_guard lock(g_ownerMutex);
        owner = g_owner == this;
        if (owner)
            g_owner = nullptr;  // the hook that Mix_HaltMusic runs now reports nothing
    }
    if (owner)
        Mix_HaltMusic();
    if (m_music)
        Mix_FreeMusic(m_music);
    m_music = nullptr;
}

void MusicDevice::pieceEnded(quint64 playId)
{
    // A report for a piece that has been closed, replaced or started again since is stale.
    if (m_mode != Mode::Playing || playId != m_playId)
        return;
    {
        std::lock_guard lock(g_ownerMutex);
        if (g_owner == this)
            g_owner = nullptr;
    }
    m_mode = Mode::Stopped;
    if (m_notify)
        emit Done(mciSuccessful);
}

void MusicDevice::musicFinished()
{
    // SDL_mixer's finish hook: on the audio thread when a piece ends, or inside Mix_HaltMusic.
    // It only posts to the owner's thread; the mixer must not be called from here.
    std::lock_guard lock(g_ownerMutex);
    if (!g_owner)
        return;
    MusicDevice* device = g_owner;
    const quint64 playId = g_ownerPlayId;
    QMetaObject::invokeMethod(
        device, [device, playId] { device->pieceEnded(playId); }, Qt::QueuedConnection);
}
