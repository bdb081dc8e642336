#pragma once

#include "core/LevelFlow.h"
#include "core/PlayField.h"
#include "files/PlayerFiles.h"
#include "screens/KeptSittings.h"
#include "sim/GameRecorder.h"
#include "ui/AudioMenu.h"
#include "ui/WallClock.h"
#include "ui/audio/AudioControl.h"

#include <QMainWindow>
#include <QPointer>

#include <optional>

class BoardPicture;
class OutboxSender;
class WorldClient;
class TopTenWindow;
struct SendVerdict;
class FileOpener;
class KeyboardPlay;
class QAction;
class QDialog;
class QLabel;
class QMenu;
class QPushButton;
class Random;
class SoundEffects;
struct modGlobals;

// The game's main window: the board, the status column, the two game buttons and the menus.
// The rules and the course of a game are decided by PlayField and LevelFlow; this window shows
// what they decide, plays the sounds they ask for and hands the player's inputs to the flow's one
// door. Its parts: the layout and the menus (frmPondrake.cpp), what the flow asks of it
// (frmPondrakeFlow.cpp), level sets, the kept game and the editor (frmPondrakeSets.cpp), and the
// keys, the pause and Fast Forward (frmPondrakeKeys.cpp).
class frmPondrake : public QMainWindow, private GameWindow {
    Q_OBJECT
public:
    // The program folder holds the images, sounds, levels and help pages; the score file may lie
    // elsewhere (ScoreLocation.h).
    frmPondrake(modGlobals& globals, Random& random, SoundEffects& sound, const QString& programFolder,
                const QString& scoresPath, QWidget* parent = nullptr);

    // Plays the remembered level set with the remembered switches and offers a kept game; from
    // now on games are kept and settings remembered in these folders.
    void usePlayerFolders(const QString& dataFolder, const QString& configFolder);

    LevelFlow& flow() { return m_flow; }
    PlayerFiles& files() { return m_files; }
    PlayField& field() { return m_field; }
    WallClock& clock() { return m_clock; }  // tests set its wall
    AudioControl& audio() { return m_audio; }
    WorldClient& worldClient() { return *m_world; }
    OutboxSender& outbox() { return *m_outbox; }
    // Shows a window of the player's over the game, which is held (and recorded so) until it closes.
    int execOverGame(QDialog& dialog);
    // A level set file or a replay handed to the game (FileOpener.h).
    void openFile(const QString& path);
    // Plays the set in that folder once a game in play is given up (the Level Editor's question);
    // the set in play chosen again changes nothing.
    void chooseSet(const QString& folder);

    // Event handlers. Whatever reaches the rules goes through the flow's door.
    void pictMain_MouseDown(float x, float y) { m_flow.apply({.kind = GameInput::Kind::MouseDown, .x = x, .y = y}); }
    void pictMain_MouseMove(float x, float y) { m_flow.apply({.kind = GameInput::Kind::MouseMove, .x = x, .y = y}); }
    void pictMain_MouseUp(float x, float y) { m_flow.apply({.kind = GameInput::Kind::MouseUp, .x = x, .y = y}); }
    void mnuNew_Click() { m_flow.apply({GameInput::Kind::NewGame}); }
    void butEndGame_Click() { m_flow.apply({GameInput::Kind::Abort}); }
    void butReplay_Click() { m_flow.apply({GameInput::Kind::Replay}); }
    void mnuHighScores_Click() { m_flow.apply({GameInput::Kind::HighScores}); }
    void mnuLevelEditor_Click() { m_flow.apply({GameInput::Kind::LevelEditor}); }
    void mnuContinue_Click();
    void mnuLevelSet_Click();
    void mnuLanguage_Click();
    void mnuWatchLastGame_Click();
    // The world table (frmPondrakeWorld.cpp): its settings, and the world's best games of the set.
    void mnuWorldTable_Click();
    void mnuWorldTopTen_Click();
    void mnuInstructions_Click();
    void mnuAbout_Click();
    void mnuExit_Click();
    // Pause and resume by hand; the game also pauses itself when the player turns to another program.
    void mnuPause_Click();
    void applicationStateChanged(Qt::ApplicationState state);
    // Game time at twice the wall's pace, during a game only.
    void mnuFastForward_Click();

    // Controls.
    BoardPicture* pictMain;
    QLabel* lblScore;
    QLabel* lblLevel;
    QLabel* lblTime;
    QLabel* lblSaved;
    QLabel* lblLost;
    QLabel* lblCountdown;
    QLabel* lblSpeed;  // "2x" while Fast Forward is on
    QPushButton* butEndGame;
    QPushButton* butReplay;
    QAction* mnuNew;
    QAction* mnuContinue;  // on only when a game kept from another sitting can go on
    QAction* mnuLevelSet;
    QAction* mnuLanguage;  // remembered in settings.ini, spoken from the next start
    QAction* mnuImportSet;
    QAction* mnuPause;
    QAction* mnuFastForward;
    QAction* mnuAbort;  // Abort Game and Replay Level for the keyboard: the board keeps Tab
    QAction* mnuReplay;
    QAction* mnuHighScores;
    QAction* mnuWatchLastGame;
    QAction* mnuWorldTable;
    QAction* mnuWorldTopTen;
    QAction* mnuExit;
    AudioMenu audioMenu;
    QAction* mnuLevelEditor;  // a command on the menu bar itself
    QAction* mnuInstructions;
    QAction* mnuAbout;

protected:
    void closeEvent(QCloseEvent* event) override;  // Form_Unload

private:
    void Form_Load();
    void buildStatusColumn(QWidget* client);
    void buildMenus();
    void setUpRecorder();
    void setUpKeys(QWidget* client);
    void addPlayItems(QMenu* menu);
    void setFastForward(bool on);
    void showHelp(const QString& page);
    void showSet();  // the title and Continue Game follow the set and the kept game
    void playSet(const QString& folder);
    void setUpWorld();
    void sendOutbox();             // the games the world table has not taken yet
    void offerToWorld(int place);  // the entry just made, when the player sends games
    void worldSent(const QString& item, const SendVerdict& verdict);
    QString worldSetId() const;

    // What the level flow asks of the window (frmPondrakeFlow.cpp).
    void showCountdown(std::string_view caption, CountdownColour colour) override;
    void hideCountdown() override;
    void setGameButtonsEnabled(bool enabled) override;
    void showPaused(bool paused) override;
    void loadLevel(Int16 levelNumber) override;
    bool levelExists(Int16 levelNumber) override;
    void prepareMusic(const std::string& levelMusic) override;
    void playMusicIfAutoPlay() override;
    void closeMusic() override;
    void playEffect(std::string_view alias) override;
    void drawGrid() override;
    void showTotals() override;
    void showBonus() override;
    void showLevelNumber(Int16 levelNumber) override;
    void ask(Question question) override;
    void changeLevelSet() override;
    void showLevelOver(const LevelReport& report) override;
    void showGameOver(std::int32_t yourScore) override;
    void showTopTen() override;
    void showEditor() override;

    modGlobals& m_globals;
    Random& m_random;
    SoundEffects& m_sound;
    QString m_programFolder;
    PlayerFiles m_files;
    QString m_chosenSet;  // the set the player chose, played once the game in play is given up
    // The four timers timerCountDown, TimerBonus, TimerTurtle and TimerDog.
    WallClock m_clock;
    PlayField m_field;
    LevelFlow m_flow;
    AudioControl m_audio;
    GameRecorder m_recorder;  // every game, kept beside the score table (RecordingShelf.h)
    KeptSittings m_kept;      // the game kept across sittings, with its recording so far
    FileOpener* m_opener;
    QByteArray m_lastRecording;
    KeyboardPlay* m_keys = nullptr;
    std::optional<int> m_newEntry;  // the place of the entry the game-over window just wrote
    std::optional<GameRecording> m_lastGame;
    WorldClient* m_world = nullptr;
    OutboxSender* m_outbox = nullptr;
    QString m_worldItem;  // the outbox file of the entry just made, and the line the top ten shows of it
    QString m_worldLine;
    QPointer<TopTenWindow> m_topTenShown;
};
