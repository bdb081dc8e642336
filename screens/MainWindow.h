#pragma once

#include "core/LevelFlow.h"
#include "core/PlayField.h"
#include "files/PlayerFiles.h"
#include "screens/GameActions.h"
#include "screens/GameKeys.h"
#include "screens/GameStatus.h"
#include "screens/GameWindowAdapter.h"
#include "screens/KeptSittings.h"
#include "screens/SetsController.h"
#include "sim/GameRecorder.h"
#include "ui/WallClock.h"
#include "ui/audio/AudioControl.h"

#include <QMainWindow>

#include <memory>

class BoardPicture;
class FileOpener;
class QDialog;
class Random;
class SoundEffects;
class WorldPanel;
struct Level;

// The game's main window: the board, the status column and the menus. The rules and the course of
// a game are decided by PlayField and LevelFlow, and whatever reaches the rules goes through the
// flow's one door. The window owns its parts, each with a role of its own: the answers to what the
// flow asks (GameWindowAdapter), level sets and the kept game (SetsController), the world table
// (WorldPanel) and the keys, the pause and Fast Forward (GameKeys).
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // The program folder holds the images, sounds, levels and help pages; the score file may lie
    // elsewhere (ScoreLocation.h).
    MainWindow(Level& level, Random& random, SoundEffects& sound, const QString& programFolder,
               const QString& scoresPath, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Plays the remembered level set with the remembered switches and offers a kept game; from
    // now on games are kept and settings remembered in these folders.
    void usePlayerFolders(const QString& dataFolder, const QString& configFolder);
    // A level set file or a replay handed to the game (FileOpener.h).
    void openFile(const QString& path);
    // Shows a window of the player's over the game, which is held (and recorded so) until it closes.
    int execOverGame(QDialog& dialog);

    const GameActions& actions() const { return m_actions; }
    const GameStatus& status() const { return m_status; }
    BoardPicture* board() const { return m_board; }
    const QString& programFolder() const { return m_programFolder; }

    LevelFlow& flow() { return m_flow; }
    PlayerFiles& files() { return m_files; }
    PlayField& field() { return m_field; }
    WallClock& clock() { return m_clock; }  // tests set its wall
    AudioControl& audio() { return m_audio; }
    GameRecorder& recorder() { return m_recorder; }
    KeptSittings& kept() { return m_kept; }
    SetsController& sets() { return m_sets; }
    WorldPanel& world() { return *m_world; }
    GameKeys& keys() { return *m_keys; }
    FileOpener& opener() { return *m_opener; }

signals:
    // The game was given up for the Level Editor: whoever opens the editor opens it now, modally.
    void editorRequested();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildStatusColumn(QWidget* client);
    void buildMenus();
    void loadPicturesAndSounds();
    void apply(GameInput::Kind kind) { m_flow.apply({kind}); }
    void chooseLanguage();
    void watchLastGame();
    void showHelp(const QString& page);

    SoundEffects& m_sound;
    QString m_programFolder;
    PlayerFiles m_files;
    // The four timers timerCountDown, TimerBonus, TimerTurtle and TimerDog.
    WallClock m_clock;
    PlayField m_field;
    GameWindowAdapter m_adapter;
    LevelFlow m_flow;
    AudioControl m_audio;
    GameRecorder m_recorder;  // every game, kept beside the score table (RecordingShelf.h)
    KeptSittings m_kept;      // the game kept across sittings, with its recording so far
    SetsController m_sets;
    WorldPanel* m_world;
    std::unique_ptr<GameKeys> m_keys;
    FileOpener* m_opener;
    BoardPicture* m_board = nullptr;
    GameStatus m_status;
    GameActions m_actions;
};
