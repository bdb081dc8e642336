#pragma once

#include "ui/audio/PassWatch.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class AudioOutput;
struct _Mix_Music;  // NOLINT(bugprone-reserved-identifier): SDL_mixer's name of Mix_Music

// A window's music device: a hidden media player driven by properties and
// string commands, over SDL_mixer's one music stream. It plays MIDI (through FluidSynth and the
// General MIDI soundfont), MP3 and WAV.
//
// Commands: "Open" loads FileName (as MIDI only when DeviceType is "Sequencer", else by what the
// file is); with Wait false it loads in the background and returns at once, and a "Play" given
// meanwhile starts the piece as soon as it is loaded. "Play" starts an open piece from its
// beginning (a piece already playing plays on). "Close" stops and releases the piece. Failures
// are silent: a file that cannot be opened leaves the device closed, and "Play" then does nothing.
//
// The done event, done(), comes on the UI thread, always after the command or the end that raised
// it, and only while notify is true: with mciSuccessful when a piece has played to its end by
// itself, with mciAborted when "Close" stopped a playing piece. "Open" and "Play" never raise it,
// and an event of a piece that another "Open" has replaced since is dropped: it belongs to no
// piece the device still holds.
//
// With a repeat condition, a piece repeats for as long as the condition holds at the end of a pass:
// the mixer starts it again there by itself, so no silence falls between the passes (closing and
// reopening it would leave the synthesiser's release tail, seconds for MIDI, and the reload in
// between). When the condition no longer holds, the piece ends at the end of the pass it is in
// and reports mciSuccessful. A piece whose passes cannot be told (neither MIDI nor of a known
// length) plays once and reports its end, for the done handler to start it again.
//
// Only one piece sounds at a time in the process; a device that starts playing silences another
// one's piece without an event (the game and the editor never play music at the same time).
class MusicDevice : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString deviceType READ deviceType WRITE setDeviceType)
    Q_PROPERTY(QString fileName READ fileName WRITE setFileName)
    Q_PROPERTY(bool notify READ notify WRITE setNotify)
    Q_PROPERTY(bool wait READ wait WRITE setWait)
    Q_PROPERTY(bool shareable READ shareable WRITE setShareable)
    Q_PROPERTY(QString command READ command WRITE setCommand)

public:
    enum NotifyCode { mciSuccessful = 1, mciAborted = 4 };
    Q_ENUM(NotifyCode)
    enum class Mode { NotOpen, Opening, Stopped, Playing };

    explicit MusicDevice(AudioOutput& output, QObject* parent = nullptr);
    ~MusicDevice() override;

    QString deviceType() const { return m_deviceType; }
    void setDeviceType(const QString& type) { m_deviceType = type; }
    QString fileName() const { return m_fileName; }
    void setFileName(const QString& name) { m_fileName = name; }
    bool notify() const { return m_notify; }
    void setNotify(bool notify) { m_notify = notify; }
    bool wait() const { return m_wait; }
    void setWait(bool wait) { m_wait = wait; }
    bool shareable() const { return m_shareable; }  // kept; one process never shares its music
    void setShareable(bool shareable) { m_shareable = shareable; }
    // Asked near the end of every pass of a playing piece: whether it repeats.
    void setRepeatWhile(std::function<bool()> condition) { m_repeatWhile = std::move(condition); }

    // The last command given; assigning one executes it ("Open", "Play", "Close", any case).
    QString command() const { return m_command; }
    void setCommand(const QString& command);

    Mode mode() const { return m_mode; }
    // Background loads still running, also those of pieces closed while they loaded.
    bool loadsPending() const { return !m_loaders.empty(); }

signals:
    void done(int notifyCode);

private slots:
    void takeFinishedLoads();

private:
    struct LoadJob;
    void open();
    void play();
    void close();
    void loaded(const std::shared_ptr<LoadJob>& job);
    void pieceEnded(quint64 playId);
    void lookAtPassEnd();
    void gaveWay();
    void releaseMusic();
    static void musicFinished();

    AudioOutput& m_output;
    QString m_deviceType;
    QString m_fileName;
    QString m_command;
    bool m_notify = false;
    bool m_wait = false;
    bool m_shareable = false;
    std::function<bool()> m_repeatWhile;

    Mode m_mode = Mode::NotOpen;
    bool m_playWhenOpen = false;
    _Mix_Music* m_music = nullptr;
    PassEnds m_passEnds;               // of the open piece
    std::optional<PassWatch> m_watch;  // of the playing piece, while it repeats
    QTimer m_passTimer;                // the next look at the watched pass
    quint64 m_pieceId = 0;             // one more with every piece opened
    quint64 m_playId = 0;
    std::shared_ptr<LoadJob> m_job;                   // the open in progress, if any
    std::vector<std::shared_ptr<LoadJob>> m_loaders;  // background loads not yet joined
};
