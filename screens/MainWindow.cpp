#include "screens/MainWindow.h"

#include "files/RecordingShelf.h"
#include "screens/FileOpener.h"
#include "screens/LanguageDialog.h"
#include "screens/WorldPanel.h"
#include "ui/AccessibleNames.h"
#include "ui/BoardPicture.h"
#include "ui/HelpWindow.h"
#include "ui/Look.h"
#include "ui/MissingParts.h"
#include "ui/RecordingWindow.h"
#include "ui/Translations.h"
#include "ui/audio/SoundEffects.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QPushButton>

namespace {
// The status column stands right of the board; measures in twips, as the window was drawn.
using Look::ColumnLeft;
using Look::ColumnWidth;
constexpr int ClientWidth = ColumnLeft + ColumnWidth + 60;
constexpr int ClientHeight = 10395;
}  // namespace

MainWindow::MainWindow(Level& level, Random& random, SoundEffects& sound, const QString& programFolder,
                       const QString& scoresPath, QWidget* parent)
    : QMainWindow(parent), m_sound(sound), m_programFolder(programFolder), m_files(programFolder, scoresPath),
      m_field(level, random, GameScoring), m_adapter(*this, level, random), m_flow(m_adapter, m_field, m_clock),
      m_audio(sound, programFolder), m_recorder(m_clock, random, m_field, seedFromClock), m_kept(m_files, m_recorder),
      m_sets(*this), m_world(new WorldPanel(*this)), m_opener(new FileOpener(*this))
{
    m_adapter.keepFinishedGames();
    setWindowTitle(QStringLiteral("Pondrake"));
    auto* client = new QWidget(this);
    client->setFixedSize(Look::twips(ClientWidth), Look::twips(ClientHeight));
    setCentralWidget(client);

    m_board = new BoardPicture(client);
    m_board->move(0, 0);
    const auto door = [this](GameInput::Kind kind) {
        return [this, kind](float x, float y) { m_flow.apply({.kind = kind, .x = x, .y = y}); };
    };
    connect(m_board, &BoardPicture::pressed, this, door(GameInput::Kind::MouseDown));
    connect(m_board, &BoardPicture::dragged, this, door(GameInput::Kind::MouseMove));
    connect(m_board, &BoardPicture::released, this, door(GameInput::Kind::MouseUp));
    buildStatusColumn(client);
    m_keys = std::make_unique<GameKeys>(*this, [this] { m_adapter.drawGrid(); });
    buildMenus();

    m_flow.setKeeper(&m_kept);
    connect(qGuiApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) { m_keys->pauseWhenInactive(state); });
    loadPicturesAndSounds();
    m_flow.start();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildStatusColumn(QWidget* client)
{
    const Look::StatusLabels column = Look::statusColumn(client);
    m_status.scoreLabel = column.score;
    m_status.levelLabel = column.level;
    m_status.bonusLabel = column.time;
    m_status.savedLabel = column.saved;
    m_status.lostLabel = column.lost;

    m_status.abortButton = new QPushButton(tr("Abort Game"), client);
    m_status.abortButton->setGeometry(Look::twips(QRect(ColumnLeft, 5040, ColumnWidth, 555)));
    connect(m_status.abortButton, &QPushButton::clicked, this, [this] { apply(GameInput::Kind::Abort); });
    m_status.replayButton = new QPushButton(tr("Replay Level"), client);
    m_status.replayButton->setGeometry(Look::twips(QRect(ColumnLeft, 5760, ColumnWidth, 555)));
    connect(m_status.replayButton, &QPushButton::clicked, this, [this] { apply(GameInput::Kind::Replay); });

    QLabel* countdown = Look::label(client, QStringLiteral("3"), {ColumnLeft, 6600, ColumnWidth, 600}, 18, Qt::red);
    countdown->setAlignment(Qt::AlignCenter);
    AccessibleNames::nameValue(countdown, tr("Countdown"));
    m_status.countdownLabel = countdown;

    QLabel* speed = Look::label(client, tr("%1x").arg(2), {10320, 7320, 1700, 375}, 12, Look::DarkBlue);
    speed->setAlignment(Qt::AlignCenter);
    speed->hide();
    AccessibleNames::name(speed, tr("Fast Forward"), tr("The game runs at twice its speed"));
    m_status.speedLabel = speed;
}

void MainWindow::buildMenus()
{
    GameActions& a = m_actions;
    QMenu* game = menuBar()->addMenu(tr("&Game"));
    a.newGame = game->addAction(tr("&New Game"), this, [this] { apply(GameInput::Kind::NewGame); });
    a.continueGame = game->addAction(tr("&Continue Game"), this, [this] { m_sets.continueKeptGame(); });
    a.continueGame->setEnabled(false);
    a.levelSet = game->addAction(tr("Level &Set..."), this, [this] { m_sets.chooseLevelSet(); });
    a.importSet = game->addAction(tr("&Import Level Set..."), m_opener, &FileOpener::importFromDialog);
    a.findSets = game->addAction(tr("&Find Level Sets..."), m_world, &WorldPanel::findSets);
    a.language = game->addAction(tr("&Language..."), this, &MainWindow::chooseLanguage);
    game->setToolTipsVisible(true);  // Continue Game says why it is off
    a.pause = game->addAction(tr("&Pause"), this, [this] { m_keys->togglePause(); });
    a.pause->setShortcut(Qt::Key_P);
    a.pause->setCheckable(true);
    a.fastForward = game->addAction(tr("Fast Forward"), this, [this] { m_keys->toggleFastForward(); });
    a.fastForward->setShortcut(Qt::Key_F);
    a.fastForward->setCheckable(true);
    a.abortGame = game->addAction(tr("&Abort Game"), this, [this] { apply(GameInput::Kind::Abort); });
    a.abortGame->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));
    a.replayLevel = game->addAction(tr("&Replay Level"), this, [this] { apply(GameInput::Kind::Replay); });
    a.replayLevel->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    a.highScores = game->addAction(tr("&High Scores"), this, [this] { apply(GameInput::Kind::HighScores); });
    a.watchLastGame = game->addAction(tr("&Watch Last Game"), this, &MainWindow::watchLastGame);
    a.worldTable = game->addAction(tr("World &Table..."), m_world, &WorldPanel::editSettings);
    a.worldTopTen = game->addAction(tr("W&orld Top Ten"), m_world, &WorldPanel::showWorldTopTen);
    a.exit = game->addAction(tr("E&xit"), this, [] { QCoreApplication::exit(0); });

    a.audio = addAudioMenu(menuBar(), m_audio, tr("Music Auto-Play"));
    a.levelEditor = menuBar()->addAction(tr("&Level Editor"));
    connect(a.levelEditor, &QAction::triggered, this, [this] { apply(GameInput::Kind::LevelEditor); });

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    a.instructions = help->addAction(tr("Instructions"), this, [this] { showHelp(HelpWindow::Instructions); });
    a.about = help->addAction(tr("About"), this, [this] { showHelp(HelpWindow::About); });
}

void MainWindow::loadPicturesAndSounds()
{
    QStringList missingTiles;
    m_board->setTiles(TileSet::load(m_programFolder, &missingTiles));
    reportMissingParts(m_programFolder + QStringLiteral("/images"), missingTiles,
                       QStringLiteral("every tile is drawn plain"), QStringLiteral("those tiles are drawn plain"));
    reportMissingParts(m_programFolder + QStringLiteral("/audio"), m_sound.loadEffects(m_programFolder),
                       QStringLiteral("the game plays without sound effects or music"),
                       QStringLiteral("those sounds stay silent"));
}

void MainWindow::usePlayerFolders(const QString& dataFolder, const QString& configFolder)
{
    m_files.usePlayerFolders(dataFolder, configFolder);
    const PlayerSettings& remembered = m_files.settings;
    if (m_audio.soundEffects() != remembered.soundEffects)
        m_audio.toggleSoundEffects();
    if (m_audio.musicAutoPlay() != remembered.musicAutoPlay)
        m_audio.toggleMusicAutoPlay();
    // A place on no screen (one unplugged since) would hide the window: it stays where it opened.
    if (remembered.windowPos && QGuiApplication::screenAt(*remembered.windowPos + QPoint(40, 40)))
        move(*remembered.windowPos);
    const auto remember = [this] {
        m_files.settings.soundEffects = m_audio.soundEffects();
        m_files.settings.musicAutoPlay = m_audio.musicAutoPlay();
        m_files.saveSettings();
    };
    connect(&m_audio, &AudioControl::soundEffectsChanged, this, remember);
    connect(&m_audio, &AudioControl::musicAutoPlayChanged, this, remember);
    // Exit and closing the window both end here; a game in play is kept already.
    connect(qApp, &QCoreApplication::aboutToQuit, this, [this] {
        m_files.settings.windowPos = pos();
        m_files.saveSettings();
    });
    m_flow.start();          // the remembered set's level 1
    m_world->sendWaiting();  // what the world table did not take in an earlier sitting
}

void MainWindow::openFile(const QString& path) { m_opener->open(path); }

int MainWindow::execOverGame(QDialog& dialog)
{
    apply(GameInput::Kind::Window);
    const int result = dialog.exec();
    apply(GameInput::Kind::WindowClosed);
    return result;
}

void MainWindow::chooseLanguage()
{
    LanguageDialog dialog(m_files.settings.language, Translations::pick(QString(), QLocale::system().uiLanguages()),
                          this);
    if (execOverGame(dialog) == QDialog::Accepted) {
        m_files.settings.language = dialog.chosen();
        m_files.saveSettings();
    }
}

void MainWindow::showHelp(const QString& page)
{
    // Reading takes a while: the game waits, as after the player's Pause.
    apply(GameInput::Kind::Pause);
    HelpWindow::showPage(this, m_programFolder, page);
}

void MainWindow::watchLastGame()
{
    apply(GameInput::Kind::Pause);  // a running game waits, as for the help
    RecordingWindow::watch(lastRecordingPath(m_files.scoresPath()), m_programFolder, &m_audio, this);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    m_recorder.finish();
    m_sound.closeAllEffects();
    event->accept();
}
