#include "editor/frmEditor.h"

#include "core/modGlobals.h"
#include "editor/CheckCommand.h"
#include "editor/FileCommands.h"
#include "editor/ScreenWatch.h"
#include "editor/SettingBox.h"
#include "editor/SettingsPanel.h"
#include "editor/TestKeys.h"
#include "editor/UnsavedWork.h"
#include "ui/BoardPicture.h"
#include "ui/HelpWindow.h"
#include "ui/KeyboardPlay.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <QVBoxLayout>
#include <QWindow>

namespace {
constexpr int Gap = 20;    // between the board or the status column and the panel
constexpr int Margin = 8;  // right of and below what the window holds
constexpr int RedrawMs = 400;
}  // namespace

frmEditor::frmEditor(modGlobals& globals, Random& random, modSound& sound, const QString& programFolder,
                     QWidget* parent)
    : QDialog(parent), m_globals(globals), m_programFolder(programFolder), m_audio(sound, programFolder),
      m_test(globals, random, m_audio)
{
    setModal(true);
    menuBar = new QMenuBar(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(menuBar);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(buildClient());
    m_document = new LevelDocument(globals, random, frameControl->settings(), this);
    frameControl->follow(*m_document);
    m_files = new FileCommands(*this, programFolder, *m_document, m_test.field(), m_audio);
    connect(m_files, &FileCommands::bonusRead, lblTime, &QLabel::setText);
    connect(m_files, &FileCommands::dialogOpens, this, &frmEditor::stopForDialog);
    connect(m_files, &FileCommands::finished, this, [this] {
        DrawGrid();
        Timer1.start(RedrawMs);
    });
    m_check = new CheckCommand(*this, programFolder, &m_audio);
    buildMenus();
    connectHistory();

    connect(&Timer1, &QTimer::timeout, this, &frmEditor::Timer1_Timer);
    connect(m_document, &LevelDocument::boardChanged, this, &frmEditor::DrawGrid);
    connect(m_document, &LevelDocument::standingChanged, this, &frmEditor::showTitle);
    showTitle();
    connect(&m_test, &TestMode::boardChanged, this, &frmEditor::DrawGrid);
    connect(&m_test, &TestMode::totalsChanged, this, &frmEditor::showTotals);
    connect(&m_test, &TestMode::bonusShown, lblTime, &QLabel::setText);
    connect(&m_test, &TestMode::modeChanged, this, [this](bool editMode) {
        butTest->setText(editMode ? QStringLiteral("Test Level") : QStringLiteral("End Test"));
    });
    // The editor's board takes the focus when clicked, so that Ctrl+Z after painting undoes the
    // painting rather than the typing in a box.
    pictMain->setFocusPolicy(Qt::ClickFocus);
    m_keys = playTestWithKeys(
        *pictMain, m_test, [this] { DrawGrid(); }, this);
    Form_Load();
}

frmEditor::~frmEditor()
{
    // The document is one of the children QWidget deletes after this destructor: the undo stack
    // it clears then must not call back into a window that is no longer an editor.
    m_document->disconnect(this);
}

QWidget* frmEditor::buildClient()
{
    m_client = new QWidget(this);
    pictMain = new BoardPicture(m_client);
    pictMain->move(0, 0);
    connect(pictMain, &BoardPicture::MouseDown, this, &frmEditor::pictMain_MouseDown);
    connect(pictMain, &BoardPicture::MouseMove, this, &frmEditor::pictMain_MouseMove);
    connect(pictMain, &BoardPicture::MouseUp, this, &frmEditor::pictMain_MouseUp);

    m_column = std::make_unique<StatusColumn>(m_client, [this](TileCode code) { Palette_Click(code); });
    lblScore = m_column->lblScore;
    lblTime = m_column->lblTime;
    lblSaved = m_column->lblSaved;
    lblLost = m_column->lblLost;

    frameControl = new SettingsPanel(m_client);
    pictSelected = frameControl->pictSelected;
    butTest = frameControl->butTest;
    txtMusicFile = frameControl->txtMusicFile;
    butMusic = frameControl->butMusic;
    sliderBonus = frameControl->bonus->slider;
    txtBonus = frameControl->bonus->text;
    sliderTurtle = frameControl->turtle->slider;
    txtTurtle = frameControl->turtle->text;
    sliderDog = frameControl->dog->slider;
    txtDog = frameControl->dog->text;
    connect(butTest, &QPushButton::clicked, this, &frmEditor::butTest_Click);
    connect(butMusic, &QPushButton::clicked, this, [this] { m_files->butMusic_Click(); });
    // sliderTurtle_Change and sliderDog_Change: besides writing the box (SettingBox::slider_Change)
    // they change a running test's beat at once. sliderBonus_Change only writes its box.
    connect(sliderTurtle, &QSlider::valueChanged, this, [this](int value) { m_test.setTurtlePeriod(Int16(value)); });
    connect(sliderDog, &QSlider::valueChanged, this, [this](int value) { m_test.setDogPeriod(Int16(value)); });
    return m_client;
}

void frmEditor::buildMenus()
{
    QMenu* mnuFile = menuBar->addMenu(QStringLiteral("&File"));
    mnuNew = mnuFile->addAction(QStringLiteral("New Level"), this, &frmEditor::mnuNew_Click);
    mnuNew->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    mnuOpen = mnuFile->addAction(QStringLiteral("&Open Level"), m_files, &FileCommands::mnuOpen_Click);
    mnuOpen->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    mnuSave = mnuFile->addAction(QStringLiteral("Save Level"), m_files, &FileCommands::mnuSave_Click);
    mnuSave->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    mnuCheck = mnuFile->addAction(QStringLiteral("Check Level"), this, &frmEditor::mnuCheck_Click);
    mnuCheck->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_K));
    // In a setting's box Ctrl+K would delete to the end of the line: there it checks the level too.
    for (QLineEdit* box : {txtMusicFile, txtBonus, txtTurtle, txtDog})
        box->installEventFilter(this);
    mnuPlaySet = mnuFile->addAction(QStringLiteral("Play This Set"), m_files, &FileCommands::mnuPlaySet_Click);
    mnuFile->addAction(QStringLiteral("Export Set..."), m_files, &FileCommands::mnuExportSet_Click)
        ->setObjectName(QStringLiteral("mnuExportSet"));
    mnuExit = mnuFile->addAction(QStringLiteral("Exit"), this, &frmEditor::mnuExit_Click);
    QMenu* mnuEdit = menuBar->addMenu(QStringLiteral("&Edit"));
    mnuUndo = m_document->history().createUndoAction(mnuEdit, QStringLiteral("&Undo"));
    mnuUndo->setShortcut(QKeySequence::Undo);
    mnuRedo = m_document->history().createRedoAction(mnuEdit, QStringLiteral("&Redo"));
    mnuRedo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    mnuEdit->addAction(mnuUndo);
    mnuEdit->addAction(mnuRedo);
    audioMenu = addAudioMenu(menuBar, m_audio, QStringLiteral("Music Auto Play"));
    QMenu* mnuHelp = menuBar->addMenu(QStringLiteral("&Help"));
    mnuInstructions = mnuHelp->addAction(QStringLiteral("Instructions"), this, [this] {
        HelpWindow::showPage(this, m_programFolder, HelpWindow::Instructions, HelpWindow::EditorSection);
    });
    mnuAbout = mnuHelp->addAction(QStringLiteral("About"), this,
                                  [this] { HelpWindow::showPage(this, m_programFolder, HelpWindow::About); });
}

void frmEditor::connectHistory()
{
    // A test is no step, and nothing done during it is one: End Test brings the board back.
    connect(&m_test, &TestMode::modeChanged, this, [this](bool editMode) {
        if (!editMode)
            m_check->cancel();  // a test takes the machine's attention
        m_document->setRecording(editMode);
        mnuUndo->setEnabled(editMode && m_document->history().canUndo());
        mnuRedo->setEnabled(editMode && m_document->history().canRedo());
    });
}

void frmEditor::stopForDialog()
{
    Timer1.stop();
    if (EditMode())
        return;
    // The board stays as the test left it: a change to undo like any other. Undo brings the
    // placed board back, redo the test's again, and the steps before the test stay.
    const LevelState placed{m_test.placedBoard(), std::nullopt};
    m_test.StopKeepingBoard();
    m_document->recordChange(placed, QStringLiteral("Keep Test Board"));
}

void frmEditor::Form_Load()
{
    m_audio.MusicCloseRequested = false;
    SelectedCode = Tile::Blank;
    m_tiles = TileSet::load(m_programFolder);
    pictMain->setTiles(m_tiles);
    m_column->showTiles(m_tiles);
    pictSelected->setPixmap(tilePixmap(m_tiles, Tile::Blank));
    if (screen())
        applyPanelRule(screen()->size());
    ResetEditor();
    DrawGrid();
    Timer1.start(RedrawMs);
}

// --- Palette and placement -----------------------------------------------------------------

void frmEditor::Palette_Click(TileCode code)
{
    SelectedCode = code;
    pictSelected->setPixmap(tilePixmap(m_tiles, code));
}

void frmEditor::pictMain_MouseDown(float x, float y)
{
    if (EditMode())
        m_pressCell = pressedCell(x, y);
    else
        m_test.pictMain_MouseDown(x, y);
}

void frmEditor::pictMain_MouseMove(float x, float y)
{
    if (!EditMode())
        m_test.pictMain_MouseMove(x, y);
}

void frmEditor::pictMain_MouseUp(float x, float y)
{
    if (!EditMode())
        m_test.pictMain_MouseUp();
    // A press and a release on the picture make one click.
    if (x >= 0 && y >= 0 && x < BoardPicture::PictureWidth && y < BoardPicture::PictureHeight)
        pictMain_Click();
}

void frmEditor::pictMain_Click()
{
    // Only the press cell takes the code: a drag paints nothing. A press beside the cells places
    // nothing either, rather than writing into the cell of some earlier press.
    if (EditMode() && m_pressCell)
        m_document->place(*m_pressCell, SelectedCode);
}

// --- Commands ------------------------------------------------------------------------------

void frmEditor::butTest_Click() { m_test.butTest_Click(m_document->settings()); }

void frmEditor::mnuNew_Click()
{
    // The settings, the selected code, the bonus label and the mode stay: a running test goes on
    // over the empty board, and "End Test" brings back the board it started from.
    const LevelState before = m_document->state(false);
    m_audio.MusicCloseRequested = false;
    m_test.field().resetGame();
    showTotals();
    m_audio.mnuMusicStop_Click();
    ResetEditor();
    m_document->recordChange(before, QStringLiteral("New Level"));
    m_document->setUntitled();
    DrawGrid();
}

void frmEditor::ResetEditor()
{
    m_document->clearBoard();
    m_audio.ResetMusicDevice();
    DrawGrid();
}

void frmEditor::mnuCheck_Click()
{
    const Board& board = EditMode() ? m_globals.board : m_test.placedBoard();
    m_check->run(LevelFileBytes(m_document->settings(), board));
}

void frmEditor::mnuExit_Click() { close(); }

bool frmEditor::maySetWorkAside()
{
    if (!m_document->isModified())
        return true;
    switch (UnsavedWork::ask(this)) {
    case UnsavedWork::Answer::Save:
        return m_files->mnuSave_Click();  // a cancelled or failed save sets nothing aside
    case UnsavedWork::Answer::Discard:
        return true;
    default:
        return false;
    }
}

void frmEditor::closeEvent(QCloseEvent* event)
{
    if (!maySetWorkAside()) {
        event->ignore();
        return;
    }
    m_check->cancel();
    QDialog::closeEvent(event);
}

void frmEditor::showTitle()
{
    const QString name = m_document->fileName().isEmpty() ? QStringLiteral("Untitled") : m_document->fileName();
    setWindowTitle(QStringLiteral("Level Editor - %1[*]").arg(name));
    setWindowModified(m_document->isModified());
}

void frmEditor::Timer1_Timer() { DrawGrid(); }

void frmEditor::DrawGrid()
{
    const PlayField& field = m_test.field();
    pictMain->DrawGrid(m_globals.board, field.selection, field.drag(), m_keys ? m_keys->cursorCell() : std::nullopt);
}

void frmEditor::showTotals()
{
    const PlayField& field = m_test.field();
    lblScore->setText(QString::number(field.score));
    lblSaved->setText(QString::number(field.saved));
    lblLost->setText(QString::number(field.lost));
}

void frmEditor::keyPressEvent(QKeyEvent* event)
{
    // Escape does not close the editor as it would close a dialog: Exit and the close box do.
    if (event->key() == Qt::Key_Escape) {
        event->ignore();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool frmEditor::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride &&
        QKeySequence(static_cast<QKeyEvent*>(event)->keyCombination()) == mnuCheck->shortcut()) {
        event->ignore();  // not the box's: the shortcut's
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

// --- The panel rule and the display --------------------------------------------------------

QPoint frmEditor::PanelPlace(QSize screen)
{
    if (screen.width() > screen.height())
        return {StatusColumn::Left + StatusColumn::Width + Gap, 0};
    return {0, BoardPicture::PictureHeight + Gap};
}

void frmEditor::applyPanelRule(QSize screen)
{
    const QPoint place = PanelPlace(screen);
    frameControl->move(place);
    // The window fits what it holds: the same window with the panel in both places would not fit
    // a portrait screen's width, nor a small landscape screen's height.
    const int width = std::max(StatusColumn::Left + StatusColumn::Width, place.x() + SettingsPanel::PanelWidth);
    const int height = std::max(BoardPicture::PictureHeight, place.y() + SettingsPanel::PanelHeight);
    m_client->setFixedSize(width + Margin, height + Margin);
    layout()->activate();  // the window takes its new size now, not at the next event
}

void frmEditor::EditorWindowProc(QSize display)
{
    applyPanelRule(display);
    DrawGrid();
}

void frmEditor::showEvent(QShowEvent* event)
{
    // Form_Resize: at first display the rule goes by the whole screen, not by the window.
    if (screen())
        applyPanelRule(screen()->size());
    QDialog::showEvent(event);
    HookEditorWindow();
    DrawGrid();
}

void frmEditor::HookEditorWindow()
{
    if (m_hooked || !windowHandle())
        return;
    m_hooked = true;
    auto* watch = new ScreenWatch(windowHandle());
    connect(watch, &ScreenWatch::displayChanged, this, &frmEditor::EditorWindowProc);
}
