#include "screens/GameWindowAdapter.h"

#include "files/LevelFile.h"
#include "files/RecordingShelf.h"
#include "screens/GameOverDialog.h"
#include "screens/LevelOverWindow.h"
#include "screens/MainWindow.h"
#include "screens/TopTenWindow.h"
#include "screens/WorldPanel.h"
#include "sim/LoadLevel.h"
#include "ui/Announcer.h"
#include "ui/BoardPicture.h"
#include "ui/Look.h"

#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

#include <utility>

GameWindowAdapter::GameWindowAdapter(MainWindow& window, Level& level, Random& random)
    : m_window(window), m_level(level), m_random(random), m_announcer(new Announcer(&window))
{
}

void GameWindowAdapter::keepFinishedGames()
{
    m_window.flow().setObserver(&m_window.recorder());
    m_window.recorder().setFinished([this](const GameRecording& recording) {
        m_lastRecording = recordingBytes(recording);
        m_lastGame = recording;
        keepRecording(m_window.files().scoresPath(), m_lastRecording, std::nullopt);
    });
}

void GameWindowAdapter::showCountdown(std::string_view caption, CountdownColour colour)
{
    QLabel* countdown = m_window.status().countdownLabel;
    countdown->setText(Look::countdownText(caption));
    QPalette palette = countdown->palette();
    palette.setColor(QPalette::WindowText, colour == CountdownColour::Red ? QColor(255, 0, 0) : QColor(0, 192, 0));
    countdown->setPalette(palette);
    countdown->show();
    if (caption == "GO!")
        m_announcer->say(countdown->text());
}

void GameWindowAdapter::hideCountdown()
{
    m_window.status().countdownLabel->hide();
    showCountdown("3", CountdownColour::Red);
    m_window.status().countdownLabel->hide();
}

void GameWindowAdapter::setGameButtonsEnabled(bool enabled)
{
    if (enabled)
        m_window.board()->setFocus();  // a game that starts takes the keys
    const GameStatus& status = m_window.status();
    status.abortButton->setEnabled(enabled);
    status.replayButton->setEnabled(enabled);
    const GameActions& actions = m_window.actions();
    actions.pause->setEnabled(enabled);
    m_window.sets().showSet();
    actions.abortGame->setEnabled(enabled);
    actions.replayLevel->setEnabled(enabled);
    actions.fastForward->setEnabled(enabled);
    if (!enabled)
        m_window.keys().setFastForward(false);
}

void GameWindowAdapter::showPaused(bool paused)
{
    m_window.actions().pause->setChecked(paused);
    drawGrid();
}

Int16 GameWindowAdapter::loadLevel(Int16 levelNumber)
{
    PlayerFiles& files = m_window.files();
    m_window.recorder().setFolder(files.setFolder());
    m_window.recorder().levelLoaded(levelNumber, files.levelPath(levelNumber));
    return ::loadLevel(files.levelPath(levelNumber), m_level, m_random).turtles();
}

bool GameWindowAdapter::levelExists(Int16 levelNumber) { return fileExists(m_window.files().levelPath(levelNumber)); }

void GameWindowAdapter::prepareMusic(const std::string& levelMusic)
{
    m_window.audio().prepareMusic(QString::fromStdString(levelMusic));
}

void GameWindowAdapter::playMusicIfAutoPlay()
{
    if (m_window.audio().musicAutoPlay())
        m_window.audio().playMusic();
}

void GameWindowAdapter::closeMusic() { m_window.audio().closeMusic(); }

void GameWindowAdapter::playEffect(std::string_view alias) { m_window.audio().playEffect(alias); }

void GameWindowAdapter::drawGrid()
{
    const PlayField& field = m_window.field();
    BoardPicture* board = m_window.board();
    board->drawGrid(m_level.board, field.selection, field.drag(), m_window.keys().cursorCell());
    if (m_window.flow().paused())
        board->drawPaused();
}

void GameWindowAdapter::showTotals()
{
    const PlayField& field = m_window.field();
    const GameStatus& status = m_window.status();
    status.scoreLabel->setText(QLocale().toString(field.score));
    status.bonusLabel->setText(QLocale().toString(field.time));
    status.savedLabel->setText(QString::number(field.saved));
    status.lostLabel->setText(QString::number(field.lost));
    QStringList news;  // a new game starts both at 0 again, which is no news
    if (field.saved > m_toldSaved)
        news << tr("%n turtle(s) saved", nullptr, int(field.saved - m_toldSaved));
    if (field.lost > m_toldLost)
        news << tr("%n turtle(s) lost", nullptr, int(field.lost - m_toldLost));
    if (!news.isEmpty())
        m_announcer->say(news.join(QStringLiteral(". ")));
    m_toldSaved = field.saved;
    m_toldLost = field.lost;
}

void GameWindowAdapter::showBonus()
{
    m_window.status().bonusLabel->setText(QLocale().toString(m_window.field().time));
}

void GameWindowAdapter::showLevelNumber(Int16 levelNumber)
{
    m_window.status().levelLabel->setText(QString::number(levelNumber));
}

void GameWindowAdapter::ask(Question question)
{
    const bool yes =
        question == Question::Abort
            ? QMessageBox::question(&m_window, tr("Abort Pondrake"), tr("Abort current game?"),
                                    QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes
            : QMessageBox::question(&m_window, tr("Level Editor"), tr("This will abort your current game.  Continue?"),
                                    QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
    m_window.flow().apply({.kind = GameInput::Kind::Answer, .yes = yes});
}

void GameWindowAdapter::showLevelOver(const LevelReport& report)
{
    m_window.recorder().levelOver(report);
    LevelOverWindow window(&m_window);
    window.fill(report);
    m_announcer->say(
        tr("Level %1 over. Saved: %2, lost: %3.").arg(report.levelNumber).arg(report.saved).arg(report.lost) +
        (report.replay ? u' ' + window.replayLabel->text() : QString()));
    if (const QScreen* screen = m_window.screen()) {
        const QRect area = screen->availableGeometry();
        window.move(area.center() - QPoint(window.width() / 2, window.height() / 2));
    }
    window.exec();
}

void GameWindowAdapter::showGameOver(std::int32_t yourScore)
{
    const QString scoresPath = m_window.files().scoresPath();
    GameOverDialog window(scoresPath, &m_window);
    window.yourScore = yourScore;
    m_lastRecording.clear();
    m_lastGame.reset();
    m_window.recorder().finish();
    window.exec();
    m_newEntry = window.newEntryPlace();
    if (m_newEntry && !m_lastRecording.isEmpty())
        keepRecording(scoresPath, m_lastRecording, m_newEntry);
    m_window.world().clearLine();
    if (m_newEntry)
        m_window.world().offer(*m_newEntry, m_lastGame);
}

void GameWindowAdapter::showTopTen()
{
    PlayerFiles& files = m_window.files();
    TopTenWindow window(files.scoresPath(), &m_window);
    if (!files.shippedSet())
        window.setWindowTitle(window.windowTitle() + QStringLiteral(" - ") + files.setName().translated());
    window.newEntry = std::exchange(m_newEntry, std::nullopt);  // only the showing right after it
    window.setRecordings(m_window.programFolder(), &m_window.audio());
    window.move(m_window.pos() + QPoint(Look::twips(100), Look::twips(100)));
    if (window.newEntry)
        m_window.world().showLineIn(window);
    window.exec();
}

void GameWindowAdapter::showEditor()
{
    m_window.recorder().finish();  // the game, if one ran, was given up for the editor
    emit m_window.editorRequested();
}

void GameWindowAdapter::changeLevelSet()
{
    m_window.recorder().finish();  // the game, if one ran, was given up here
    m_window.sets().changeToChosen();
}
