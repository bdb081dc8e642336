// The main window put together: its board, status column and menus, the help and Watch Last Game.
#include "screens/frmPondrake.h"

#include "files/RecordingShelf.h"
#include "screens/FileOpener.h"
#include "ui/AccessibleNames.h"
#include "ui/BoardPicture.h"
#include "ui/HelpWindow.h"
#include "ui/Look.h"
#include "ui/MissingParts.h"
#include "ui/RecordingWindow.h"
#include "ui/audio/SoundEffects.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>

namespace {
// The status column stands right of the board; measures in twips, as the window was drawn.
using Look::ColumnLeft;
using Look::ColumnWidth;
constexpr int ClientWidth = ColumnLeft + ColumnWidth + 60;
constexpr int ClientHeight = 10395;
}  // namespace

frmPondrake::frmPondrake(modGlobals& globals, Random& random, SoundEffects& sound, const QString& programFolder,
                         const QString& scoresPath, QWidget* parent)
    : QMainWindow(parent), m_globals(globals), m_random(random), m_sound(sound), m_programFolder(programFolder),
      m_files(programFolder, scoresPath), m_field(globals, random, GameScoring), m_flow(*this, m_field, m_clock),
      m_audio(sound, programFolder), m_recorder(m_clock, random, m_field, seedFromClock), m_kept(m_files, m_recorder),
      m_opener(new FileOpener(*this))
{
    setUpRecorder();
    setUpWorld();
    setWindowTitle(QStringLiteral("Pondrake"));
    auto* client = new QWidget(this);
    client->setFixedSize(Look::twips(ClientWidth), Look::twips(ClientHeight));
    setCentralWidget(client);

    pictMain = new BoardPicture(client);
    pictMain->move(0, 0);
    connect(pictMain, &BoardPicture::MouseDown, this, &frmPondrake::pictMain_MouseDown);
    connect(pictMain, &BoardPicture::MouseMove, this, &frmPondrake::pictMain_MouseMove);
    connect(pictMain, &BoardPicture::MouseUp, this, &frmPondrake::pictMain_MouseUp);
    buildStatusColumn(client);
    setUpKeys(client);
    buildMenus();

    m_flow.setKeeper(&m_kept);
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

    butEndGame = new QPushButton(tr("Abort Game"), client);
    butEndGame->setGeometry(Look::twips(QRect(ColumnLeft, 5040, ColumnWidth, 555)));
    connect(butEndGame, &QPushButton::clicked, this, &frmPondrake::butEndGame_Click);
    butReplay = new QPushButton(tr("Replay Level"), client);
    butReplay->setGeometry(Look::twips(QRect(ColumnLeft, 5760, ColumnWidth, 555)));
    connect(butReplay, &QPushButton::clicked, this, &frmPondrake::butReplay_Click);

    lblCountdown = Look::label(client, QStringLiteral("3"), {ColumnLeft, 6600, ColumnWidth, 600}, 18, Qt::red);
    lblCountdown->setAlignment(Qt::AlignCenter);
    AccessibleNames::nameValue(lblCountdown, tr("Countdown"));
}

void frmPondrake::buildMenus()
{
    QMenu* mnuFile = menuBar()->addMenu(tr("&Game"));
    mnuNew = mnuFile->addAction(tr("&New Game"), this, &frmPondrake::mnuNew_Click);
    mnuContinue = mnuFile->addAction(tr("&Continue Game"), this, &frmPondrake::mnuContinue_Click);
    mnuContinue->setEnabled(false);
    mnuLevelSet = mnuFile->addAction(tr("Level &Set..."), this, &frmPondrake::mnuLevelSet_Click);
    mnuImportSet = mnuFile->addAction(tr("&Import Level Set..."), m_opener, &FileOpener::mnuImportSet_Click);
    mnuLanguage = mnuFile->addAction(tr("&Language..."), this, &frmPondrake::mnuLanguage_Click);
    mnuFile->setToolTipsVisible(true);  // Continue Game says why it is off
    mnuPause = mnuFile->addAction(tr("&Pause"), this, &frmPondrake::mnuPause_Click);
    mnuPause->setShortcut(Qt::Key_P);
    mnuPause->setCheckable(true);
    addPlayItems(mnuFile);
    mnuHighScores = mnuFile->addAction(tr("&High Scores"), this, &frmPondrake::mnuHighScores_Click);
    mnuWatchLastGame = mnuFile->addAction(tr("&Watch Last Game"), this, &frmPondrake::mnuWatchLastGame_Click);
    mnuWorldTable = mnuFile->addAction(tr("World &Table..."), this, &frmPondrake::mnuWorldTable_Click);
    mnuWorldTopTen = mnuFile->addAction(tr("W&orld Top Ten"), this, &frmPondrake::mnuWorldTopTen_Click);
    mnuExit = mnuFile->addAction(tr("E&xit"), this, &frmPondrake::mnuExit_Click);

    audioMenu = addAudioMenu(menuBar(), m_audio, tr("Music Auto-Play"));
    mnuLevelEditor = menuBar()->addAction(tr("&Level Editor"));
    connect(mnuLevelEditor, &QAction::triggered, this, &frmPondrake::mnuLevelEditor_Click);

    QMenu* mnuHelp = menuBar()->addMenu(tr("&Help"));
    mnuInstructions = mnuHelp->addAction(tr("Instructions"), this, &frmPondrake::mnuInstructions_Click);
    mnuAbout = mnuHelp->addAction(tr("About"), this, &frmPondrake::mnuAbout_Click);
}

void frmPondrake::Form_Load()
{
    QStringList missingTiles;
    pictMain->setTiles(TileSet::load(m_programFolder, &missingTiles));
    reportMissingParts(m_programFolder + QStringLiteral("/images"), missingTiles,
                       QStringLiteral("every tile is drawn plain"), QStringLiteral("those tiles are drawn plain"));
    reportMissingParts(m_programFolder + QStringLiteral("/audio"), m_sound.loadEffects(m_programFolder),
                       QStringLiteral("the game plays without sound effects or music"),
                       QStringLiteral("those sounds stay silent"));
    m_flow.start();
}

void frmPondrake::showHelp(const QString& page)
{
    // Reading takes a while: the game waits, as after the player's Pause.
    m_flow.apply({GameInput::Kind::Pause});
    HelpWindow::showPage(this, m_programFolder, page);
}

void frmPondrake::openFile(const QString& path) { m_opener->open(path); }

void frmPondrake::mnuInstructions_Click() { showHelp(HelpWindow::Instructions); }

void frmPondrake::mnuAbout_Click() { showHelp(HelpWindow::About); }

void frmPondrake::mnuWatchLastGame_Click()
{
    m_flow.apply({GameInput::Kind::Pause});  // a running game waits, as for the help
    RecordingWindow::watch(lastRecordingPath(m_files.scoresPath()), m_programFolder, &m_audio, this);
}

void frmPondrake::mnuExit_Click() { QCoreApplication::exit(0); }

void frmPondrake::closeEvent(QCloseEvent* event)
{
    m_recorder.finish();
    m_sound.closeAllEffects();
    event->accept();
}
