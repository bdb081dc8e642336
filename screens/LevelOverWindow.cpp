#include "screens/LevelOverWindow.h"

#include "ui/AccessibleNames.h"
#include "ui/Look.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>

LevelOverWindow::LevelOverWindow(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setWindowTitle(QString());
    setFixedSize(Look::twips(4950), Look::twips(3045));
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);

    levelLabel = Look::label(this, tr("Level %1 Over!").arg(100), {120, 120, 4695, 615}, 26.25, Look::DarkBlue);
    m_captionSaved = Look::label(this, tr("Turtles saved this level:"), {360, 960, 3255, 375}, 12);
    savedLabel = Look::label(this, QStringLiteral("0"), {3600, 960, 735, 375}, 12);
    m_captionLost = Look::label(this, tr("Turtles lost this level:"), {360, 1440, 3255, 375}, 12);
    lostLabel = Look::label(this, QStringLiteral("0"), {3600, 1440, 735, 375}, 12);
    // The captions reach the numbers' edge when the wide fallback font stands in for Verdana.
    savedLabel->setIndent(8);
    lostLabel->setIndent(8);
    replayLabel = Look::label(this, tr("Replay Level - You must save at least half of the turtles to advance."),
                              {360, 1920, 4215, 975}, 14.25, Qt::red);
    replayLabel->setWordWrap(true);
    replayLabel->hide();
    fitText();
    setAccessibleName(tr("Level Over"));
    AccessibleNames::nameValue(savedLabel, tr("Turtles saved this level"));
    AccessibleNames::nameValue(lostLabel, tr("Turtles lost this level"));

    m_closeTimer.setInterval(7000);
    m_closeTimer.setSingleShot(true);
    connect(&m_closeTimer, &QTimer::timeout, this, &LevelOverWindow::closeWhenDue);
    m_closeTimer.start();  // the seven seconds run from the moment the window exists
}

void LevelOverWindow::fitText()
{
    // The heading is sized for level 100; a longer heading or caption widens the window, and the
    // numbers move right with their captions. The replay notice then takes the lines it needs.
    const int heading = Look::growToFit(levelLabel).width();
    const int captions = std::max(Look::widthLacking(m_captionSaved), Look::widthLacking(m_captionLost));
    for (QLabel* caption : {m_captionSaved, m_captionLost})
        caption->resize(caption->width() + captions, caption->height());
    for (QLabel* number : {savedLabel, lostLabel})
        number->move(number->x() + captions, number->y());
    const int wider = std::max(heading, captions);
    replayLabel->resize(replayLabel->width() + wider, replayLabel->height());
    setFixedSize(width() + wider, height() + Look::growToFit(replayLabel).height());
}

void LevelOverWindow::fill(const LevelReport& report)
{
    levelLabel->setText(tr("Level %1 Over!").arg(report.levelNumber));
    lostLabel->setText(QString::number(report.lost));
    savedLabel->setText(QString::number(report.saved));
    replayLabel->setVisible(report.replay);
    // A reader hears the window whole as it takes the focus, in the seven seconds it shows.
    setAccessibleName(levelLabel->text());
    QStringList said{m_captionSaved->text() + u' ' + savedLabel->text(),
                     m_captionLost->text() + u' ' + lostLabel->text()};
    if (report.replay)
        said << replayLabel->text();
    setAccessibleDescription(said.join(QStringLiteral(", ")));
}

void LevelOverWindow::closeWhenDue()
{
    m_closeTimer.stop();
    m_closing = true;
    accept();
}

void LevelOverWindow::keyPressEvent(QKeyEvent* event)
{
    event->accept();  // not even Escape: the window goes when its time is up
}

void LevelOverWindow::closeEvent(QCloseEvent* event)
{
    if (m_closing)
        event->accept();
    else
        event->ignore();
}
