#include "editor/CheckCommand.h"

#include "editor/CheckLevelWindow.h"

#include <QProgressDialog>

CheckCommand::CheckCommand(QWidget& window, int seeds) : QObject(&window), m_window(window), m_check(seeds)
{
    m_progress = new QProgressDialog(QStringLiteral("Checking the level: the computer player and nobody at the "
                                                    "board, %1 runs each")
                                         .arg(seeds),
                                     QStringLiteral("Cancel"), 0, m_check.total(), &window);
    m_progress->setWindowTitle(QStringLiteral("Check Level"));
    m_progress->setWindowModality(Qt::NonModal);
    m_progress->setMinimumDuration(0);
    m_progress->setAutoClose(false);
    m_progress->setAutoReset(false);
    m_progress->reset();  // a progress dialog shows itself when made; this one only while checking
    connect(m_progress, &QProgressDialog::canceled, this, &CheckCommand::cancel);
    connect(&m_check, &LevelCheck::progress, m_progress, &QProgressDialog::setValue);
    connect(&m_check, &LevelCheck::finished, this, &CheckCommand::show);
}

void CheckCommand::run(const QByteArray& level)
{
    if (m_result)
        m_result->close();
    m_progress->setValue(0);
    m_progress->show();
    m_progress->raise();  // shown again: over the editor, not under it
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
    m_result->show();
    emit shown(m_result);
}
