// The level editor's window: its parts put together, and the commands on the level as a whole.
#include "editor/EditorWindow.h"

#include "editor/BoardMouse.h"
#include "editor/CheckCommand.h"
#include "editor/EditKeys.h"
#include "editor/EditorActions.h"
#include "editor/FileCommands.h"
#include "editor/PanelRule.h"
#include "editor/ScreenWatch.h"
#include "editor/SettingBox.h"
#include "editor/SettingsPanel.h"
#include "editor/StatusColumn.h"
#include "editor/TestKeys.h"
#include "editor/UnsavedWork.h"
#include "ui/BoardPicture.h"
#include "ui/KeyboardPlay.h"

#include <QAction>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <QVBoxLayout>
#include <QWindow>

namespace {
constexpr int RedrawMs = 400;
}  // namespace

EditorWindow::EditorWindow(Level& level, Random& random, SoundEffects& sound, const QString& programFolder,
                           QWidget* parent)
    : QDialog(parent), m_level(level), m_programFolder(programFolder), m_audio(sound, programFolder),
      m_test(level, random, m_audio)
{
    setModal(true);
    m_menuBar = new QMenuBar(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(m_menuBar);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(buildClient());
    m_panelRule = std::make_unique<PanelRule>(*this, *m_client, *m_settingsPanel);
    m_document = new LevelDocument(level, random, m_settingsPanel->settings(), this);
    m_settingsPanel->follow(*m_document);
    m_mouse = new BoardMouse(m_test, *m_document, *m_settingsPanel->selectedPicture(), m_tiles, this);
    connect(m_board, &BoardPicture::pressed, m_mouse, &BoardMouse::pressBoard);
    connect(m_board, &BoardPicture::dragged, m_mouse, &BoardMouse::dragBoard);
    connect(m_board, &BoardPicture::released, m_mouse, &BoardMouse::releaseBoard);
    m_files = new FileCommands(*this, programFolder, *m_document, m_test.field(), m_audio);
    connect(m_files, &FileCommands::bonusRead, this, [this](const QString& seconds) { m_column->showBonus(seconds); });
    connect(m_files, &FileCommands::dialogOpens, this, &EditorWindow::stopForDialog);
    connect(m_files, &FileCommands::finished, this, [this] {
        drawGrid();
        m_redrawTimer.start(RedrawMs);
    });
    m_check = new CheckCommand(*this, programFolder, &m_audio);
    m_actions = std::make_unique<EditorActions>(*m_menuBar, *this, *m_files, *m_document, m_audio, programFolder);
    // In a setting's box Ctrl+K would delete to the end of the line: there it checks the level too.
    for (QLineEdit* box : {m_settingsPanel->musicFileEdit(), m_settingsPanel->bonus()->edit(),
                           m_settingsPanel->turtle()->edit(), m_settingsPanel->dog()->edit()})
        box->installEventFilter(this);
    connectHistory();

    connect(&m_redrawTimer, &QTimer::timeout, this, &EditorWindow::redrawBoard);
    connect(m_document, &LevelDocument::boardChanged, this, &EditorWindow::drawGrid);
    connect(m_document, &LevelDocument::standingChanged, this, &EditorWindow::showTitle);
    showTitle();
    connectTest();
    startEditing();
}

EditorWindow::~EditorWindow()
{
    // The document is one of the children QWidget deletes after this destructor: the undo stack
    // it clears then must not call back into a window that is no longer an editor.
    m_document->disconnect(this);
    // Nor may the board, whose last events come after the test mode the keys ask is gone.
    m_board->removeEventFilter(m_editKeys);
}

QWidget* EditorWindow::buildClient()
{
    m_client = new QWidget(this);
    m_board = new BoardPicture(m_client);
    m_board->setObjectName(QStringLiteral("board"));
    m_board->move(0, 0);
    m_board->setAccessibleDescription(
        tr("A click places the selected item on a square; during a test the keys steer as in the game"));
    m_column = std::make_unique<StatusColumn>(m_client, [this](TileCode code) { m_mouse->choosePicture(code); });

    m_settingsPanel = new SettingsPanel(m_client);
    connect(m_settingsPanel->testButton(), &QPushButton::clicked, this, &EditorWindow::toggleTest);
    connect(m_settingsPanel->musicButton(), &QPushButton::clicked, this, [this] { m_files->chooseMusic(); });
    // Besides writing its box, the turtle's and the dog's sliders change a running test's beat at
    // once. The bonus's slider only writes its box.
    connect(m_settingsPanel->turtle()->slider(), &QSlider::valueChanged, this,
            [this](int value) { m_test.setTurtlePeriod(Int16(value)); });
    connect(m_settingsPanel->dog()->slider(), &QSlider::valueChanged, this,
            [this](int value) { m_test.setDogPeriod(Int16(value)); });
    return m_client;
}

void EditorWindow::connectTest()
{
    connect(&m_test, &TestMode::boardChanged, this, &EditorWindow::drawGrid);
    connect(&m_test, &TestMode::totalsChanged, this, &EditorWindow::showTotals);
    connect(&m_test, &TestMode::bonusShown, this, [this](const QString& text) { m_column->showBonus(text); });
    connect(&m_test, &TestMode::modeChanged, this, [this](bool editMode) {
        QPushButton* button = m_settingsPanel->testButton();
        button->setText(editMode ? SettingsPanel::tr("Test Level") : tr("End Test"));
        button->setShortcut(SettingsPanel::TestKey);  // a new text takes the old shortcut away
    });
    // The editor's board takes the focus when clicked, so that Ctrl+Z after painting undoes the
    // painting rather than the typing in a box, and by Tab, so that keys alone paint it.
    m_board->setFocusPolicy(Qt::StrongFocus);
    m_keys = playTestWithKeys(
        *m_board, m_test, [this] { drawGrid(); }, this);
    m_editKeys = new EditKeys(
        *m_board, m_test, *m_document, *m_mouse, m_level, [this] { drawGrid(); }, this);
}

void EditorWindow::connectHistory()
{
    // A test is no step, and nothing done during it is one: End Test brings the board back.
    connect(&m_test, &TestMode::modeChanged, this, [this](bool editMode) {
        if (!editMode)
            m_check->cancel();  // a test takes the machine's attention
        m_document->setRecording(editMode);
        m_actions->undoAction->setEnabled(editMode && m_document->history().canUndo());
        m_actions->redoAction->setEnabled(editMode && m_document->history().canRedo());
    });
}

void EditorWindow::stopForDialog()
{
    m_redrawTimer.stop();
    if (editMode())
        return;
    // The board stays as the test left it: a change to undo like any other. Undo brings the
    // placed board back, redo the test's again, and the steps before the test stay.
    const LevelState placed{m_test.placedBoard(), std::nullopt};
    m_test.stopKeepingBoard();
    m_document->recordChange(placed, tr("Keep Test Board"));
}

void EditorWindow::startEditing()
{
    m_audio.musicCloseRequested = false;
    m_tiles = TileSet::load(m_programFolder);
    m_board->setTiles(m_tiles);
    m_column->showTiles(m_tiles);
    m_mouse->choosePicture(Tile::Blank);
    if (screen())
        m_panelRule->apply(screen()->size());
    resetEditor();
    m_board->setFocus();  // the keys paint at once
    drawGrid();
    m_redrawTimer.start(RedrawMs);
}

// --- Commands ------------------------------------------------------------------------------

void EditorWindow::toggleTest() { m_test.toggle(); }

void EditorWindow::newLevel()
{
    // The settings, the selected code, the bonus label and the mode stay: a running test goes on
    // over the empty board, and "End Test" brings back the board it started from.
    const LevelState before = m_document->state(false);
    m_audio.musicCloseRequested = false;
    m_test.field().resetGame();
    showTotals();
    m_audio.stopMusic();
    resetEditor();
    m_document->recordChange(before, tr("New Level"));
    m_document->setUntitled();
    drawGrid();
}

void EditorWindow::resetEditor()
{
    m_document->clearBoard();
    m_audio.resetMusicDevice();
    drawGrid();
}

void EditorWindow::checkLevel()
{
    const Board& board = editMode() ? m_level.board : m_test.placedBoard();
    m_check->run(levelFileBytes(m_level.texts, board));
}

void EditorWindow::exitEditor() { close(); }

bool EditorWindow::maySetWorkAside()
{
    if (!m_document->isModified())
        return true;
    switch (UnsavedWork::ask(this)) {
    case UnsavedWork::Answer::Save:
        return m_files->saveLevel();  // a cancelled or failed save sets nothing aside
    case UnsavedWork::Answer::Discard:
        return true;
    default:
        return false;
    }
}

void EditorWindow::closeEvent(QCloseEvent* event)
{
    if (!maySetWorkAside()) {
        event->ignore();
        return;
    }
    m_check->cancel();
    QDialog::closeEvent(event);
}

void EditorWindow::keyPressEvent(QKeyEvent* event)
{
    // Escape does not close the editor as it would close a dialog: Exit and the close box do.
    if (event->key() == Qt::Key_Escape) {
        event->ignore();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool EditorWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride &&
        QKeySequence(static_cast<QKeyEvent*>(event)->keyCombination()) == m_actions->checkAction->shortcut()) {
        event->ignore();  // not the box's: the shortcut's
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

// --- The board, the totals and the display --------------------------------------------------

void EditorWindow::redrawBoard() { drawGrid(); }

void EditorWindow::drawGrid()
{
    const PlayField& field = m_test.field();
    KeyboardPlay* playing = m_test.editMode() ? nullptr : m_keys;
    m_board->drawGrid(m_level.board, field.selection, field.drag(),
                      playing      ? playing->cursorCell()
                      : m_editKeys ? m_editKeys->cursorCell()
                                   : std::nullopt);
}

void EditorWindow::showTotals() { m_column->showTotals(m_test.field()); }

void EditorWindow::showTitle()
{
    const QString name = m_document->fileName().isEmpty() ? tr("Untitled") : m_document->fileName();
    setWindowTitle(tr("Level Editor - %1[*]").arg(name));
    setWindowModified(m_document->isModified());
}

void EditorWindow::displayChanged(QSize display)
{
    m_panelRule->apply(display);
    drawGrid();
}

void EditorWindow::showEvent(QShowEvent* event)
{
    // At first display the rule goes by the whole screen, not by the window.
    if (screen())
        m_panelRule->apply(screen()->size());
    QDialog::showEvent(event);
    watchDisplay();
    drawGrid();
}

void EditorWindow::watchDisplay()
{
    if (m_watchingDisplay || !windowHandle())
        return;
    m_watchingDisplay = true;
    auto* watch = new ScreenWatch(windowHandle());
    connect(watch, &ScreenWatch::displayChanged, this, &EditorWindow::displayChanged);
}
