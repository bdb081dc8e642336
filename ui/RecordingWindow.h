#pragma once

#include "files/ReplayFile.h"
#include "sim/RecordingPlayer.h"
#include "ui/Look.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>

#include <array>
#include <memory>

class AudioControl;
class BoardPicture;
class QLabel;
class QPushButton;
class QSlider;

// Watches a recorded game: the board and status column as the game window shows them, played by
// the recording's own rules on a board, field and generator of its own, never the game's. Play/Pause
// (Space), speeds 1x to 8x (keys 1 to 4), one tick at a time (period), back to the start (Home),
// and a slider of the game's time that seeks (replaying from the start as fast as the machine can;
// its arrows move a second). Effects play at 1x only; no level-over, game-over or top-ten window
// opens. Save As... (Ctrl+S) writes the game as a self-contained replay (RecordingSave.h). Every
// control takes the focus, and Tab walks them.
class RecordingWindow : public QDialog {
    Q_OBJECT
public:
    // The levels are read from levelsFolder (unless the recording carries them); audio, when given,
    // plays the effects.
    RecordingWindow(GameRecording recording, const QString& levelsFolder, const QString& programFolder,
                    AudioControl* audio, QWidget* parent = nullptr);
    ~RecordingWindow() override;

    // Opens the replay file over parent, or tells why it cannot be read. The levels come from the
    // folder the recording names when it exists, else from the program's levels/.
    static void watch(const QString& path, const QString& programFolder, AudioControl* audio, QWidget* parent);

    void togglePlay();
    void setSpeed(int factor);  // 1, 2, 4 or 8
    void stepTick();            // plays on to the next timer's firing, paused
    void restart();
    void saveAs();  // Save As...: the game with its levels, paused
    void seek(Millis gameTime);
    bool playing() const { return m_playing; }
    Millis position() const { return m_position; }
    Millis length() const { return m_length; }
    const RecordingPlayer& player() const { return *m_player; }

    BoardPicture* board;
    Look::StatusLabels status;  // score, level, bonus, saved and lost, as the game window shows them
    QLabel* countdownLabel;
    QLabel* happenedLabel;  // the line under the board
    QPushButton* playButton;
    std::array<QPushButton*, 4> speedButtons{};
    QPushButton* stepButton;
    QPushButton* startButton;
    QPushButton* saveAsButton;
    QSlider* timeSlider;
    QLabel* clockLabel;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildControls();
    void nameControls();  // for a screen reader
    void advanceTo(Millis gameTime, bool withEffects);
    void tick();
    void setPlaying(bool playing);
    void showState();
    RecordingPlayer::Timing timing() const;

    GameRecording m_recording;
    QString m_levelsFolder;
    QString m_programFolder;
    AudioControl* m_audio;
    std::unique_ptr<RecordingPlayer> m_player;
    bool m_asRecorded = false;  // an earlier version's game whose timers the clock does not take
    QTimer m_timer;
    QElapsedTimer m_wall;
    Millis m_position = 0;
    Millis m_length = 0;
    int m_speed = 1;
    bool m_playing = false;
    bool m_showingTime = false;  // the slider is moved by the recording, not the player
};
