#include "screens/TopTenWindow.h"

#include "files/RecordingShelf.h"
#include "screens/InkDisplay.h"
#include "ui/AccessibleNames.h"
#include "ui/Look.h"
#include "ui/RecordingWindow.h"

#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

namespace {

constexpr int RowTwips = 840;
// Behind the entry just written.
const QColor NewEntryColour(255, 236, 140);

}  // namespace

TopTenWindow::TopTenWindow(const QString& scoresPath, QWidget* parent)
    : FirstShowDialog(parent), m_scoresPath(scoresPath)
{
    setWindowTitle(tr("Top Ten Scores"));
    setFixedSize(Look::twips(8205), Look::twips(9780));

    Look::growToFit(Look::label(this, tr("Top Ten Scores"), {2760, 120, 2655, 375}, 14.25), Qt::AlignHCenter);
    for (int i = 0; i < ScoreEntries; ++i) {
        const int top = 720 + RowTwips * i;
        const QRect rank = i < 9 ? QRect(120, top, 375, 375) : QRect(0, top, 615, 375);
        AccessibleNames::name(Look::label(this, QStringLiteral("%1.").arg(i + 1), rank, 12), tr("Place %1").arg(i + 1));

        m_scoreLabels[i] = Look::label(this, QStringLiteral("0"), {720, top, 1215, 375}, 12, Look::DarkBlue);
        m_scoreLabels[i]->setObjectName(QStringLiteral("scoreLabel%1").arg(i));
        m_scoreLabels[i]->setTextFormat(Qt::PlainText);
        AccessibleNames::nameValue(m_scoreLabels[i], tr("Score in place %1").arg(i + 1));

        m_nameLabels[i] = Look::label(this, QString(), {2280, top, 4215, 375}, 12);
        m_nameLabels[i]->setObjectName(QStringLiteral("nameLabel%1").arg(i));
        // Names come from a file anyone can edit: never read them as markup.
        m_nameLabels[i]->setTextFormat(Qt::PlainText);
        AccessibleNames::nameValue(m_nameLabels[i], tr("Name in place %1").arg(i + 1));

        m_inkNames[i] = new InkDisplay(SignatureSurface, this);
        m_inkNames[i]->setObjectName(QStringLiteral("inkName%1").arg(i));
        AccessibleNames::name(m_inkNames[i], tr("Handwritten name in place %1").arg(i + 1));
        m_inkNames[i]->move(Look::twips(2160), Look::twips(600 + RowTwips * i));
    }

    m_closeButton = new QPushButton(tr("Close"), this);
    m_closeButton->setObjectName(QStringLiteral("closeButton"));
    QFont bold(QStringLiteral("Verdana"), 12, QFont::Bold);
    m_closeButton->setFont(bold);
    m_closeButton->setGeometry(Look::twips(QRect(3000, 9120, 2415, 495)));
    connect(m_closeButton, &QPushButton::clicked, this, &QDialog::accept);
    m_closeButton->installEventFilter(this);  // its arrows choose rows, not the next control
}

bool TopTenWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            choose(key == Qt::Key_Up ? -1 : 1);
            return true;
        }
    }
    return FirstShowDialog::eventFilter(watched, event);
}

void TopTenWindow::load()
{
    const TopTenReading reading = readTopTen(m_scoresPath);
    for (int i = 0; i < ScoreEntries; ++i) {
        const TopTenRow& row = reading.rows[i];
        if (row.scoreText)
            m_scoreLabels[i]->setText(*row.scoreText);
        switch (row.shown) {
        case TopTenRow::Shown::Typed:
            m_inkNames[i]->hide();
            m_nameLabels[i]->show();
            // A game given no name; the rows a game never filled have none either, and no score.
            m_nameLabels[i]->setText(row.typedName.isEmpty() && row.scoreText && row.scoreText->trimmed() != u"0"
                                         ? tr("Anonymous")
                                         : row.typedName);
            break;
        case TopTenRow::Shown::Handwritten:
            m_inkNames[i]->show();
            m_nameLabels[i]->hide();
            m_inkNames[i]->setInk(row.ink);
            break;
        case TopTenRow::Shown::Nothing:
            break;
        }
    }
    m_closeButton->setDefault(true);
    m_closeButton->setFocus();
    findRecordings();
}

void TopTenWindow::setRecordings(const QString& programFolder, AudioControl* audio)
{
    m_programFolder = programFolder;
    m_audio = audio;
}

void TopTenWindow::findRecordings()
{
    ScoreTable table;
    if (m_programFolder.isEmpty() || loadScores(m_scoresPath, table) != ScoreReadStatus::Complete)
        return;
    for (int i = 0; i < ScoreEntries; ++i) {
        const QString path = entryRecordingPath(m_scoresPath, table, i);
        if (!QFileInfo::exists(path))
            continue;
        m_recordings[i] = path;
        for (QWidget* part : std::initializer_list<QWidget*>{m_scoreLabels[i], m_nameLabels[i], m_inkNames[i]})
            part->setToolTip(tr("Double-click to watch this game, or choose it with the arrows and press Enter"));
    }
}

void TopTenWindow::mouseDoubleClickEvent(QMouseEvent* event)
{
    for (int i = 0; i < ScoreEntries; ++i)
        if (!m_recordings[i].isEmpty() && rowRect(i).contains(event->position().toPoint())) {
            RecordingWindow::watch(m_recordings[i], m_programFolder, m_audio, this);
            return;
        }
    QDialog::mouseDoubleClickEvent(event);
}

void TopTenWindow::showWorldLine(const QString& text)
{
    if (!worldLabel) {
        // Room for a refusal of three lines; the table and its frame stay as they are.
        constexpr int LineTwips = 750;
        worldLabel = Look::label(this, QString(), {240, 8700, 7680, LineTwips}, 9);
        worldLabel->setObjectName(QStringLiteral("worldLabel"));
        worldLabel->setTextFormat(Qt::PlainText);  // the world table's own words, never markup
        worldLabel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        worldLabel->setWordWrap(true);
        AccessibleNames::nameValue(worldLabel, tr("World table"));
        worldLabel->show();
        m_closeButton->move(m_closeButton->x(), m_closeButton->y() + Look::twips(LineTwips));
        setFixedSize(width(), height() + Look::twips(LineTwips));
    }
    worldLabel->setText(text);
    worldLabel->setToolTip(text);
}

void TopTenWindow::choose(int step)
{
    for (int row = m_chosen.value_or(step > 0 ? -1 : ScoreEntries) + step; row >= 0 && row < ScoreEntries; row += step)
        if (!m_recordings[row].isEmpty()) {
            m_chosen = row;
            // The window takes the keys from Close, whose Enter would close it, and a reader hears
            // the row chosen.
            setFocus(Qt::OtherFocusReason);
            const QString name = m_nameLabels[row]->isVisible() ? m_nameLabels[row]->text() : tr("a handwritten name");
            setAccessibleDescription(tr("Place %1: %2, %3. Enter watches this game.")
                                         .arg(QString::number(row + 1), m_scoreLabels[row]->text().trimmed(), name));
            update();
            return;
        }
}

void TopTenWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down) {
        choose(event->key() == Qt::Key_Up ? -1 : 1);
        return;
    }
    if (m_chosen && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        RecordingWindow::watch(m_recordings[*m_chosen], m_programFolder, m_audio, this);
        return;
    }
    // Only keys that type a character count, as a bare Shift or Ctrl is no answer.
    if (event->text().isEmpty()) {
        QDialog::keyPressEvent(event);
        return;
    }
    accept();
}

QRect TopTenWindow::rowRect(int i)
{
    // The handwriting stands 120 twips above the rank and the score and is 735 high.
    return Look::twips(QRect(60, 580 + RowTwips * i, 8040, 780));
}

void TopTenWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (newEntry)
        painter.fillRect(rowRect(*newEntry), NewEntryColour);
    if (m_chosen) {
        painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
        painter.drawRect(rowRect(*m_chosen).adjusted(0, 0, -1, -1));
    }
    // The frame around the table: (0, 0) to (8160, 9720) twips.
    painter.setPen(Qt::black);
    painter.drawRect(QRect(QPoint(0, 0), QPoint(Look::twips(8160), height() - Look::twips(60))));
}
