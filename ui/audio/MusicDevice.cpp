#include "ui/audio/MusicDevice.h"

#include "files/MidiTiming.h"
#include "ui/audio/AudioOutput.h"

#include <QFile>
#include <QFileInfo>

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <atomic>
#include <mutex>
#include <thread>

struct MusicDevice::LoadJob {
    QByteArray path;
    Mix_MusicType type = MUS_NONE;
    bool midi = false;
    int rate = 0;  // of the mixer
    // Written by the loader before it reports, read after the join.
    Mix_Music* result = nullptr;
    PassEnds passEnds;
    std::thread thread;
    std::atomic<bool> finished{false};  // set by the loader as its last step

    void load()
    {
        if (type == MUS_NONE) {
            result = Mix_LoadMUS(path.constData());  // by the file's extension and content
        } else {
            SDL_RWops* file = SDL_RWFromFile(path.constData(), "rb");
            result = file ? Mix_LoadMUSType_RW(file, type, 1) : nullptr;
        }
        if (!result)
            return;
        if (!midi) {
            passEnds = PassEnds::sampled(Mix_MusicDuration(result) * rate);  // unknown: -1 s
            return;
        }
        QFile file(QFile::decodeName(path));
        const std::optional<MidiTiming> timing =
            file.open(QIODevice::ReadOnly) ? readMidiTiming(file.readAll()) : std::nullopt;
        if (timing)
            passEnds = PassEnds::midi(*timing, rate);
    }
};

namespace {

// The device whose piece SDL_mixer is playing, and which play of it; read by the finish hook,
// which may run on the audio thread. Nothing calls the mixer while holding this lock.
std::mutex g_ownerMutex;
MusicDevice* g_owner = nullptr;
quint64 g_ownerPlayId = 0;

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

MusicDevice::MusicDevice(AudioOutput& output, QObject* parent) : QObject(parent), m_output(output)
{
    m_passTimer.setSingleShot(true);
    m_passTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_passTimer, &QTimer::timeout, this, &MusicDevice::lookAtPassEnd);
}

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
    const bool sequencer = m_deviceType.compare(u"Sequencer", Qt::CaseInsensitive) == 0;
    const bool midi = holdsMidi(m_fileName);
    if (sequencer && !midi)
        return;  // a sequencer opens MIDI only
    if (midi && !m_output.midiAvailable())
        return;  // without the soundfont MIDI would only play silence

    auto job = std::make_shared<LoadJob>();
    job->path = QFile::encodeName(m_fileName);
    job->type = sequencer ? MUS_MID : MUS_NONE;
    job->midi = midi;
    job->rate = m_output.rate();
    m_job = job;
    m_mode = Mode::Opening;
    ++m_pieceId;
    if (m_wait) {
        job->load();
        loaded(job);
        return;
    }
    // Loading a MIDI piece builds a synthesiser with the whole soundfont: a second or more, so
    // it happens off the UI thread while the game goes on.
    m_loaders.push_back(job);
    job->thread = std::thread([this, job] {
        job->load();
        SDL_TLSCleanup();  // SDL frees a thread's error text itself only in threads it made
        job->finished.store(true, std::memory_order_release);
        // By name: nothing the loader made crosses Qt's queue; the flag and the join hand over.
        QMetaObject::invokeMethod(this, "takeFinishedLoads", Qt::QueuedConnection);
    });
}

void MusicDevice::takeFinishedLoads()
{
    const std::vector<std::shared_ptr<LoadJob>> loaders = m_loaders;
    for (const std::shared_ptr<LoadJob>& job : loaders)
        if (job->finished.load(std::memory_order_acquire))
            loaded(job);
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
    m_passEnds = std::move(job->passEnds);
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
    MusicDevice* previous = nullptr;
    {
        std::lock_guard lock(g_ownerMutex);
        previous = std::exchange(g_owner, nullptr);
    }
    if (previous && previous != this) {
        // Its piece gives way to this one, without an event; halted first, since the mixer would
        // hold the new piece back until a fading one had faded out.
        previous->gaveWay();
        Mix_HaltMusic();
    }
    {
        std::lock_guard lock(g_ownerMutex);
        g_owner = this;
        g_ownerPlayId = ++m_playId;
    }
    const bool repeats = m_repeatWhile && m_passEnds.known();
    Mix_HookMusicFinished(&MusicDevice::musicFinished);
    if (Mix_PlayMusic(m_music, repeats ? -1 : 1) != 0) {
        std::lock_guard lock(g_ownerMutex);
        g_owner = nullptr;
        return;
    }
    m_mode = Mode::Playing;
    if (repeats) {
        // The mixer starts the piece with its next buffer, which begins where its clock stands
        // now (a buffer mixed meanwhile is within what the watch allows for).
        m_watch.emplace(m_passEnds, m_output.framesMixed());
        lookAtPassEnd();
    }
}

void MusicDevice::lookAtPassEnd()
{
    if (!m_watch)
        return;  // the piece has ended, or is ending
    const PassWatch::Look look = m_watch->look(m_output.framesMixed(), AudioOutput::BufferFrames);
    if (look.waitFrames > 0) {
        // At most a pass of an hour: the milliseconds fit an int.
        m_passTimer.start(int(look.waitFrames * 1000 / m_output.rate()) + 1);
        return;
    }
    if (m_repeatWhile()) {
        m_watch->carryOn();
        lookAtPassEnd();
        return;
    }
    // The mixer's fade takes a step a buffer; its end reports through the finish hook.
    m_watch.reset();
    const int msPerBuffer = int(float(AudioOutput::BufferFrames) * 1000.0F / float(m_output.rate()));
    Mix_FadeOutMusic(look.fadeBuffers * msPerBuffer);
}

void MusicDevice::gaveWay()
{
    m_mode = Mode::Stopped;
    m_watch.reset();
    m_passTimer.stop();
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
            this,
            [this, piece = m_pieceId] {
                if (piece == m_pieceId)
                    emit done(mciAborted);
            },
            Qt::QueuedConnection);
}

void MusicDevice::releaseMusic()
{
    m_watch.reset();
    m_passTimer.stop();
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
    m_watch.reset();
    m_passTimer.stop();
    if (m_notify)
        emit done(mciSuccessful);
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
