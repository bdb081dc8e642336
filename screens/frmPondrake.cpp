#include "screens/frmPondrake.h"

#include "core/Random.h"
#include "editor/FileCommands.h"
#include "editor/frmEditor.h"
#include "files/LevelFile.h"
#include "files/RecordingShelf.h"
#include "screens/frmGameOver.h"
#include "screens/frmLevel.h"
#include "screens/frmTopTen.h"
#include "sim/LoadLevel.h"
#include "ui/BoardPicture.h"
#include "ui/HelpWindow.h"
#include "ui/KeyboardPlay.h"
#include "ui/Look.h"
#include "ui/MissingParts.h"
#include "ui/RecordingWindow.h"
#include "ui/audio/modSound.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

#include <utility>

namespace {
// The status column stands right of the board; measures in twips, as the window was drawn.
using Look::ColumnLeft;
using Look::ColumnWidth;
constexpr int ClientWidth = ColumnLeft + ColumnWidth + 60;
constexpr int ClientHeight = 10395;
}  // namespace

frmPondrake::frmPondrake(modGlobals& globals, Random& random, modSound& sound, const QString& programFolder,
                         const QString& scoresPath, QWidget* parent)
    : QMainWindow(parent), m_globals(globals), m_random(random), m_sound(sound), m_programFolder(programFolder),
      m_files(programFolder, scoresPath), m_field(globals, random, GameScoring), m_flow(*this, m_field, m_clock),
      m_audio(sound, programFolder), m_recorder(m_clock, random, m_field, seedFromClock)
{
    m_flow.setObserver(&m_recorder);
    m_recorder.setFinished([this](const GameRecording& recording) {
        m_lastRecording = recordingBytes(recording);
        keepRecording(m_files.scoresPath(), m_lastRecording, std::nullopt);
    });
    setWindowTitle(QStringLiteral("Pondrake"));
    auto* client = new QWidget(this);
    client->setFixedSize(Look::twips(ClientWidth), Look::twips(ClientHeight));
    setCentralWidget(client);

    pictMain = new BoardPicture(client);
    pictMain->move(0, 0);
    connect(pictMain, &BoardPicture::MouseDown, this, [this](float x, float y) { m_flow.pictMain_MouseDown(x, y); });
    connect(pictMain, &BoardPicture::MouseMove, this, [this](float x, float y) { m_flow.pictMain_MouseMove(x, y); });
    connect(pictMain, &BoardPicture::MouseUp, this, [this](float x, float y) { m_flow.pictMain_MouseUp(x, y); });
    buildStatusColumn(client);
    setUpKeys(client);
    buildMenus();

    m_flow.setKeeper(&m_files);
    connect(qGuiApp, &QGuiApplication::applicationStateChanged, this, &frmPondrake::applicationStateChanged);
    Form_Load();
}

void frmPondrake::buildStatusColumn(QWidget* client)
{
    const Look::StatusLabels column = Look::statusColumn(client);
    lblScore = column.score;
    lblLevel = column.level;
    lblTime = column.time;
    lblSaved = column.saved;
    lblLost = column.lost;

    butEndGame = new QPushButton(QStringLiteral("Abort Game"), client);
    butEndGame->setGeometry(Look::twips(QRect(ColumnLeft, 5040, ColumnWidth, 555)));
    connect(butEndGame, &QPushButton::clicked, this, &frmPondrake::butEndGame_Click);
    butReplay = new QPushButton(QStringLiteral("Replay Level"), client);
    butReplay->setGeometry(Look::twips(QRect(ColumnLeft, 5760, ColumnWidth, 555)));
    connect(butReplay, &QPushButton::clicked, this, &frmPondrake::butReplay_Click);

    lblCountdown = Look::label(client, QStringLiteral("3"), {ColumnLeft, 6600, ColumnWidth, 600}, 18, Qt::red);
    lblCountdown->setAlignment(Qt::AlignCenter);
}

void frmPondrake::buildMenus()
{
    QMenu* mnuFile = menuBar()->addMenu(QStringLiteral("&Game"));
    mnuNew = mnuFile->addAction(QStringLiteral("&New Game"), this, &frmPondrake::mnuNew_Click);
    mnuContinue = mnuFile->addAction(QStringLiteral("&Continue Game"), this, &frmPondrake::mnuContinue_Click);
    mnuContinue->setEnabled(false);
    mnuLevelSet = mnuFile->addAction(QStringLiteral("Level &Set..."), this, &frmPondrake::mnuLevelSet_Click);
    mnuFile->setToolTipsVisible(true);  // Continue Game says why it is off
    mnuPause = mnuFile->addAction(QStringLiteral("&Pause"), this, &frmPondrake::mnuPause_Click);
    mnuPause->setShortcut(Qt::Key_P);
    mnuPause->setCheckable(true);
    addPlayItems(mnuFile);
    mnuHighScores = mnuFile->addAction(QStringLiteral("&High Scores"), this, &frmPondrake::mnuHighScores_Click);
    mnuWatchLastGame =
        mnuFile->addAction(QStringLiteral("&Watch Last Game"), this, &frmPondrake::mnuWatchLastGame_Click);
    mnuExit = mnuFile->addAction(QStringLiteral("E&xit"), this, &frmPondrake::mnuExit_Click);

    audioMenu = addAudioMenu(menuBar(), m_audio, QStringLiteral("Music Auto-Play"));
    mnuLevelEditor = menuBar()->addAction(QStringLiteral("&Level Editor"));
    connect(mnuLevelEditor, &QAction::triggered, this, &frmPondrake::mnuLevelEditor_Click);

    QMenu* mnuHelp = menuBar()->addMenu(QStringLiteral("&Help"));
    mnuInstructions = mnuHelp->addAction(QStringLiteral("Instructions"), this, &frmPondrake::mnuInstructions_Click);
    mnuAbout = mnuHelp->addAction(QStringLiteral("About"), this, &frmPondrake::mnuAbout_Click);
}

void frmPondrake::Form_Load()
{
    QStringList missingTiles;
    pictMain->setTiles(TileSet::load(m_programFolder, &missingTiles));
    reportMissingParts(m_programFolder + QStringLiteral("/images"), missingTiles,
                       QStringLiteral("every tile is drawn plain"), QStringLiteral("those tiles are drawn plain"));
    reportMissingParts(m_programFolder + QStringLiteral("/audio"), m_sound.LoadEffects(m_programFolder),
                       QStringLiteral("the game plays without sound effects or music"),
                       QStringLiteral("those sounds stay silent"));
    m_flow.Start();
}

// --- Menus ---------------------------------------------------------------------------------

void frmPondrake::showHelp(const QString& page)
{
    // Reading takes a while: the game waits, as after the player's Pause.
    m_flow.pause();
    HelpWindow::showPage(this, m_programFolder, page);
}

void frmPondrake::mnuNew_Click()
{
    m_flow.mnuNew_Click();
    pictMain->setFocus();
}

void frmPondrake::mnuInstructions_Click() { showHelp(HelpWindow::Instructions); }

void frmPondrake::mnuAbout_Click() { showHelp(HelpWindow::About); }

void frmPondrake::mnuWatchLastGame_Click()
{
    m_flow.pause();  // a running game waits, as for the help
    RecordingWindow::watch(lastRecordingPath(m_files.scoresPath()), m_programFolder, &m_audio, this);
}

void frmPondrake::mnuPause_Click()
{
    if (m_flow.paused())
        m_flow.resume();
    else
        m_flow.pause();
    mnuPause->setChecked(m_flow.paused());
}

void frmPondrake::applicationStateChanged(Qt::ApplicationState state)
{
    // Only another program taking the focus counts: our own windows keep the application active.
    if (state != Qt::ApplicationActive)
        m_flow.pause();
}

void frmPondrake::mnuExit_Click() { QCoreApplication::exit(0); }

void frmPondrake::closeEvent(QCloseEvent* event)
{
    m_recorder.finish();
    m_sound.CloseAllEffects();
    event->accept();
}

// --- What the level flow asks of the window ------------------------------------------------

void frmPondrake::showCountdown(std::string_view caption, CountdownColour colour)
{
    lblCountdown->setText(QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size())));
    QPalette palette = lblCountdown->palette();
    palette.setColor(QPalette::WindowText, colour == CountdownColour::Red ? QColor(255, 0, 0) : QColor(0, 192, 0));
    lblCountdown->setPalette(palette);
    lblCountdown->show();
}

void frmPondrake::hideCountdown()
{
    lblCountdown->hide();
    showCountdown("3", CountdownColour::Red);
    lblCountdown->hide();
}

void frmPondrake::setGameButtonsEnabled(bool enabled)
{
    butEndGame->setEnabled(enabled);
    butReplay->setEnabled(enabled);
    mnuPause->setEnabled(enabled);
    showSet();
    mnuAbort->setEnabled(enabled);
    mnuReplay->setEnabled(enabled);
    mnuFastForward->setEnabled(enabled);
    if (!enabled)
        setFastForward(false);
}

void frmPondrake::showPaused(bool paused)
{
    mnuPause->setChecked(paused);
    DrawGrid();
}

void frmPondrake::loadLevel(Int16 levelNumber)
{
    m_recorder.setFolder(m_files.setFolder());
    m_recorder.levelLoaded(levelNumber, m_files.levelPath(levelNumber));
    LoadLevel(m_files.levelPath(levelNumber), m_globals, m_random);
}

bool frmPondrake::levelExists(Int16 levelNumber) { return FileExists(m_files.levelPath(levelNumber)); }

void frmPondrake::prepareMusic(const std::string& levelMusic)
{
    m_audio.PrepareMusic(QString::fromStdString(levelMusic));
}

void frmPondrake::playMusicIfAutoPlay()
{
    if (m_audio.musicAutoPlay())
        m_audio.PlayMusic();
}

void frmPondrake::closeMusic() { m_audio.CloseMusic(); }

void frmPondrake::playEffect(std::string_view alias) { m_audio.PlayEffect(alias); }

void frmPondrake::DrawGrid()
{
    pictMain->DrawGrid(m_globals.board, m_field.selection, m_field.drag(), m_keys->cursorCell());
    if (m_flow.paused())
        pictMain->DrawPaused();
}

void frmPondrake::showTotals()
{
    lblScore->setText(QString::number(m_field.score));
    lblTime->setText(QString::number(m_field.time));
    lblSaved->setText(QString::number(m_field.saved));
    lblLost->setText(QString::number(m_field.lost));
}

void frmPondrake::showBonus() { lblTime->setText(QString::number(m_field.time)); }

void frmPondrake::showLevelNumber(Int16 levelNumber) { lblLevel->setText(QString::number(levelNumber)); }

bool frmPondrake::confirmAbort()
{
    return QMessageBox::question(this, QStringLiteral("Abort Pondrake"), QStringLiteral("Abort current game?"),
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

bool frmPondrake::confirmLevelEditor()
{
    return QMessageBox::question(this, QStringLiteral("Level Editor"),
                                 QStringLiteral("This will abort your current game.  Continue?"),
                                 QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
}

void frmPondrake::showLevelOver(const LevelReport& report)
{
    m_recorder.levelOver(report);
    frmLevel window(this);
    window.fill(report);
    if (const QScreen* screen = this->screen()) {
        const QRect area = screen->availableGeometry();
        window.move(area.center() - QPoint(window.width() / 2, window.height() / 2));
    }
    window.exec();
}

void frmPondrake::showGameOver(std::int32_t yourScore)
{
    frmGameOver window(m_files.scoresPath(), this);
    window.yourScore = yourScore;
    m_lastRecording.clear();
    m_recorder.finish();
    window.exec();
    m_newEntry = window.newEntryPlace();
    if (m_newEntry && !m_lastRecording.isEmpty())
        keepRecording(m_files.scoresPath(), m_lastRecording, m_newEntry);
}

void frmPondrake::showTopTen()
{
    frmTopTen window(m_files.scoresPath(), this);
    if (!m_files.shippedSet())
        window.setWindowTitle(window.windowTitle() + QStringLiteral(" - ") + m_files.setName());
    window.newEntry = std::exchange(m_newEntry, std::nullopt);  // only the showing right after it
    window.setRecordings(m_programFolder, &m_audio);
    window.move(pos() + QPoint(Look::twips(100), Look::twips(100)));
    window.exec();
}

void frmPondrake::showEditor()
{
    m_recorder.finish();  // the game, if one ran, was abandoned for the editor
    frmEditor editor(m_globals, m_random, m_sound, m_programFolder, this);
    editor.files().useSetFolders(m_files.myLevels(), m_files.settings.editorFile);
    editor.exec();
    m_files.settings.editorFile = editor.files().lastFile();
    m_playSet = editor.files().playSetChosen();
}
