#include "editor/CheckCommand.h"

#include "editor/CheckLevelWindow.h"
#include "sim/BotPlayer.h"
#include "sim/GameRun.h"
#include "ui/AccessibleNames.h"
#include "ui/RecordingWindow.h"

#include <QDir>
#include <QProgressBar>
#include <QProgressDialog>
#include <QSaveFile>
#include <QTemporaryDir>

CheckCommand::CheckCommand(QWidget& window, const QString& programFolder, AudioControl* audio, int seeds)
    : QObject(&window), m_window(window), m_programFolder(programFolder), m_audio(audio), m_check(seeds)
{
    m_progress = new QProgressDialog(
        tr("Checking the level: the computer player and nobody at the board, %Ln runs each", nullptr, seeds),
        tr("Cancel"), 0, m_check.total(), &window);
    m_progress->setWindowTitle(tr("Check Level"));
    if (auto* bar = m_progress->findChild<QProgressBar*>())
        AccessibleNames::name(bar, tr("Runs checked"));
    m_progress->setWindowModality(Qt::NonModal);
    m_progress->setMinimumDuration(0);
    m_progress->setAutoClose(false);
    m_progress->setAutoReset(false);
    m_progress->reset();  // a progress dialog shows itself when made; this one only while checking
    connect(m_progress, &QProgressDialog::canceled, this, &CheckCommand::cancel);
    connect(&m_check, &LevelCheck::progress, m_progress, &QProgressDialog::setValue);
    connect(&m_check, &LevelCheck::finished, this, &CheckCommand::show);
    connect(&m_check, &LevelCheck::cancelled, this, &CheckCommand::cancelled);
}

void CheckCommand::run(const QByteArray& level)
{
    if (m_result)
        m_result->close();
    m_progress->setValue(0);
    m_progress->show();
    m_progress->raise();  // shown again: over the editor, not under it
    m_level = level;
    m_check.start(level);
}

void CheckCommand::cancel()
{
    m_check.cancel();
    m_progress->reset();
    m_progress->hide();
}

void CheckCommand::show(const CheckResult& result)
{
    m_progress->reset();
    m_progress->hide();
    m_result = new CheckLevelWindow(result, &m_window);
    connect(m_result, &CheckLevelWindow::watchRequested, this, &CheckCommand::watch);
    m_result->show();
    emit shown(m_result);
}

void CheckCommand::watch(std::uint64_t seed)
{
    // The game is played and watched as a one-level set in a folder of its own, which lives as
    // long as the replay window.
    auto folder = std::make_shared<QTemporaryDir>();
    QSaveFile file(QDir(folder->path()).filePath(QStringLiteral("level1.txt")));
    if (!folder->isValid() || !file.open(QIODevice::WriteOnly) || file.write(m_level) != m_level.size() ||
        !file.commit())
        return;
    BotPlayer bot;
    std::optional<GameRun> run;
    try {
        run = playGame(folder->path(), seed, bot);
    } catch (const UnreadableLevel&) {
        return;  // Watch is offered for levels that were played, and those read whole
    }
    auto* window = new RecordingWindow(std::move(run->recording), folder->path(), m_programFolder, m_audio, &m_window);
    window->setAttribute(Qt::WA_DeleteOnClose);
    connect(window, &QObject::destroyed, this, [folder] {});  // the folder goes with the window
    window->show();
    emit watching(window);
}
