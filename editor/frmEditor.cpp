// The level editor's window: its parts put together, and the commands on the level as a whole.
#include "editor/frmEditor.h"

#include "core/modGlobals.h"
#include "editor/CheckCommand.h"
#include "editor/FileCommands.h"
#include "editor/SettingBox.h"
#include "editor/SettingsPanel.h"
#include "editor/TestKeys.h"
#include "editor/UnsavedWork.h"
#include "ui/BoardPicture.h"
#include "ui/KeyboardPlay.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <QVBoxLayout>

namespace {
constexpr int RedrawMs = 400;
}  // namespace

frmEditor::frmEditor(modGlobals& globals, Random& random, SoundEffects& sound, const QString& programFolder,
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
    connect(&m_test, &TestMode::modeChanged, this,
            [this](bool editMode) { butTest->setText(editMode ? SettingsPanel::tr("Test Level") : tr("End Test")); });
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
    pictMain->setObjectName(QStringLiteral("pictMain"));
    pictMain->move(0, 0);
    pictMain->setAccessibleDescription(
        tr("A click places the selected item on a square; during a test the keys steer as in the game"));
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

void frmEditor::stopForDialog()
{
    Timer1.stop();
    if (EditMode())
        return;
    // The board stays as the test left it: a change to undo like any other. Undo brings the
    // placed board back, redo the test's again, and the steps before the test stay.
    const LevelState placed{m_test.placedBoard(), std::nullopt};
    m_test.StopKeepingBoard();
    m_document->recordChange(placed, tr("Keep Test Board"));
}

void frmEditor::Form_Load()
{
    m_audio.musicCloseRequested = false;
    SelectedCode = Tile::Blank;
    m_tiles = TileSet::load(m_programFolder);
    pictMain->setTiles(m_tiles);
    m_column->showTiles(m_tiles);
    Palette_Click(Tile::Blank);
    if (screen())
        applyPanelRule(screen()->size());
    ResetEditor();
    DrawGrid();
    Timer1.start(RedrawMs);
}

// --- Commands ------------------------------------------------------------------------------

void frmEditor::butTest_Click() { m_test.butTest_Click(m_document->settings()); }

void frmEditor::mnuNew_Click()
{
    // The settings, the selected code, the bonus label and the mode stay: a running test goes on
    // over the empty board, and "End Test" brings back the board it started from.
    const LevelState before = m_document->state(false);
    m_audio.musicCloseRequested = false;
    m_test.field().resetGame();
    showTotals();
    m_audio.stopMusic();
    ResetEditor();
    m_document->recordChange(before, tr("New Level"));
    m_document->setUntitled();
    DrawGrid();
}

void frmEditor::ResetEditor()
{
    m_document->clearBoard();
    m_audio.resetMusicDevice();
    DrawGrid();
}

void frmEditor::mnuCheck_Click()
{
    const Board& board = EditMode() ? m_globals.board : m_test.placedBoard();
    m_check->run(levelFileBytes(m_document->settings(), board));
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
    const QString name = m_document->fileName().isEmpty() ? tr("Untitled") : m_document->fileName();
    setWindowTitle(tr("Level Editor - %1[*]").arg(name));
    setWindowModified(m_document->isModified());
}
