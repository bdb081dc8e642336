#pragma once

#include "editor/LevelDocument.h"
#include "editor/TestMode.h"
#include "ui/TileSet.h"
#include "ui/audio/AudioControl.h"

#include <QDialog>
#include <QTimer>

#include <memory>

class BoardMouse;
class BoardPicture;
class CheckCommand;
class FileCommands;
class EditKeys;
class KeyboardPlay;
class PanelRule;
class QMenuBar;
class Random;
class SettingsPanel;
class SoundEffects;
class StatusColumn;
struct EditorActions;

// The level editor: a board painted cell by cell from a palette, the level's settings, open and
// save, and a test of the level on the spot. Modal over the main window, it works directly on the
// one shared Board and leaves in it whatever it last held when it closes.
class EditorWindow : public QDialog {
    Q_OBJECT

public:
    EditorWindow(Level& level, Random& random, SoundEffects& sound, const QString& programFolder,
                 QWidget* parent = nullptr);
    ~EditorWindow() override;

    TestMode& test() { return m_test; }
    LevelDocument& document() { return *m_document; }
    AudioControl& audio() { return m_audio; }
    bool editMode() const { return m_test.editMode(); }

    // Starts a test of the level as the panel holds it, or ends the running one.
    void toggleTest();
    // An empty board, as one step; the settings and the selected code stay.
    void newLevel();
    void exitEditor();
    // Before the level is set aside (Exit, the close box, playing a set): true when nothing is
    // unsaved, or the designer saved it or chose to discard it; false leaves everything as it was.
    bool maySetWorkAside();
    // The redraw timer's beat.
    void redrawBoard();
    // The display's size or orientation changed: the panel rule, then a redraw.
    void displayChanged(QSize display);

    // The music chooser, Open Level, Save Level, opening a level file and Play This Set, with the
    // folders the dialogs start in.
    FileCommands& files() { return *m_files; }
    // Check Level: the level as it stands (during a test, as placed) checked by the computer player.
    CheckCommand& check() { return *m_check; }
    void checkLevel();
    void resetEditor();
    void drawGrid();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // The tiles loaded, the palette's blank chosen, the panel placed and an empty board drawn.
    void startEditing();
    QWidget* buildClient();
    void connectTest();
    void connectHistory();
    // Open Level and Save Level end a running test, keeping its board as one step.
    void stopForDialog();
    void watchDisplay();
    void showTotals();
    // "Level Editor - level3.txt", with the mark of unsaved changes.
    void showTitle();

    Level& m_level;
    QString m_programFolder;
    AudioControl m_audio;
    TestMode m_test;
    TileSet m_tiles;
    QTimer m_redrawTimer;  // redraws the board; this window alone starts and stops it
    // The controls, each named as its member: the board and the status column here, the settings
    // panel's own inside it, the menu items in the actions.
    QMenuBar* m_menuBar;
    QWidget* m_client = nullptr;
    BoardPicture* m_board = nullptr;
    std::unique_ptr<StatusColumn> m_column;
    SettingsPanel* m_settingsPanel = nullptr;
    std::unique_ptr<EditorActions> m_actions;
    std::unique_ptr<PanelRule> m_panelRule;
    LevelDocument* m_document = nullptr;
    BoardMouse* m_mouse = nullptr;
    FileCommands* m_files = nullptr;
    CheckCommand* m_check = nullptr;
    KeyboardPlay* m_keys = nullptr;  // the keys play a test
    EditKeys* m_editKeys = nullptr;  // and paint the board between tests
    bool m_watchingDisplay = false;
};
