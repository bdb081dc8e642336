#pragma once

#include "core/MouseCommands.h"
#include "editor/LevelDocument.h"
#include "editor/StatusColumn.h"
#include "editor/TestMode.h"
#include "ui/AudioMenu.h"
#include "ui/TileSet.h"
#include "ui/audio/AudioControl.h"

#include <QDialog>
#include <QTimer>

#include <memory>
#include <optional>

class BoardPicture;
class CheckCommand;
class FileCommands;
class KeyboardPlay;
class QAction;
class QLabel;
class QLineEdit;
class QMenuBar;
class QPushButton;
class QSlider;
class Random;
class SettingsPanel;
class SoundEffects;
struct modGlobals;

// The level editor: a board painted cell by cell from a palette, the level's settings, open and
// save, and a test of the level on the spot. Modal over the main window, it works directly on the
// one shared Board and leaves in it whatever it last held when it closes.
class frmEditor : public QDialog {
    Q_OBJECT

public:
    frmEditor(modGlobals& globals, Random& random, SoundEffects& sound, const QString& programFolder,
              QWidget* parent = nullptr);
    ~frmEditor() override;

    TestMode& test() { return m_test; }
    LevelDocument& document() { return *m_document; }
    AudioControl& audio() { return m_audio; }
    bool EditMode() const { return m_test.editMode(); }

    // Where the settings panel stands on a screen of this size: right of the status column on a
    // screen wider than high, below the board otherwise.
    static QPoint PanelPlace(QSize screen);

    // Event handlers.
    void pictMain_MouseDown(float x, float y);
    void pictMain_MouseMove(float x, float y);
    void pictMain_MouseUp(float x, float y);
    void pictMain_Click();
    void Palette_Click(TileCode code);
    void butTest_Click();
    void mnuNew_Click();
    void mnuExit_Click();
    // Before the level is set aside (Exit, the close box, playing a set): true when nothing is
    // unsaved, or the designer saved it or chose to discard it; false leaves everything as it was.
    bool maySetWorkAside();
    void Timer1_Timer();
    // The display's size or orientation changed: the panel rule, then a redraw.
    void EditorWindowProc(QSize display);

    // The music chooser, Open Level, Save Level, opening a level file and Play This Set, with the
    // folders the dialogs start in.
    FileCommands& files() { return *m_files; }
    // Check Level: the level as it stands (during a test, as placed) checked by the computer player.
    CheckCommand& check() { return *m_check; }
    void mnuCheck_Click();
    void ResetEditor();
    void DrawGrid();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Controls, each named as its member: the board, the status labels and the menu items here,
    // the settings panel's own inside it.
    BoardPicture* pictMain;
    SettingsPanel* frameControl;
    QLabel* pictSelected;
    QPushButton* butTest;
    QLineEdit* txtMusicFile;
    QPushButton* butMusic;
    QSlider* sliderBonus;
    QLineEdit* txtBonus;
    QSlider* sliderTurtle;
    QLineEdit* txtTurtle;
    QSlider* sliderDog;
    QLineEdit* txtDog;
    QMenuBar* menuBar;
    QAction* mnuNew;
    QAction* mnuOpen;
    QAction* mnuSave;
    QAction* mnuCheck;
    QAction* mnuPlaySet;
    QAction* mnuExit;
    QAction* mnuUndo;  // the history's own actions
    QAction* mnuRedo;
    AudioMenu audioMenu;
    QAction* mnuInstructions;  // the editor's section of the instructions
    QAction* mnuAbout;
    QTimer Timer1;  // redraws the board; this window alone starts and stops it

    TileCode SelectedCode = Tile::Blank;

    void Form_Load();
    QWidget* buildClient();
    void buildMenus();
    void connectHistory();
    // Open Level and Save Level end a running test, keeping its board as one step.
    void stopForDialog();
    void HookEditorWindow();
    void applyPanelRule(QSize screen);
    void showTotals();
    // "Level Editor - level3.txt", with the mark of unsaved changes.
    void showTitle();

    modGlobals& m_globals;
    QString m_programFolder;
    AudioControl m_audio;
    TestMode m_test;
    TileSet m_tiles;
    std::unique_ptr<StatusColumn> m_column;
    LevelDocument* m_document = nullptr;
    FileCommands* m_files = nullptr;
    CheckCommand* m_check = nullptr;
    QWidget* m_client = nullptr;
    KeyboardPlay* m_keys = nullptr;        // the keys play a test
    std::optional<CellIndex> m_pressCell;  // in edit mode: the cell of the last press on the board
    bool m_hooked = false;
};
