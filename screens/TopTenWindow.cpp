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

        lblVal[i] = Look::label(this, QStringLiteral("0"), {720, top, 1215, 375}, 12, Look::DarkBlue);
        lblVal[i]->setObjectName(QStringLiteral("lblVal%1").arg(i));
        lblVal[i]->setTextFormat(Qt::PlainText);
        AccessibleNames::nameValue(lblVal[i], tr("Score in place %1").arg(i + 1));

        lblScore[i] = Look::label(this, QString(), {2280, top, 4215, 375}, 12);
        lblScore[i]->setObjectName(QStringLiteral("lblScore%1").arg(i));
        // Names come from a file anyone can edit: never read them as markup.
        lblScore[i]->setTextFormat(Qt::PlainText);
        AccessibleNames::nameValue(lblScore[i], tr("Name in place %1").arg(i + 1));

        inkScore[i] = new InkDisplay(SignatureSurface, this);
        inkScore[i]->setObjectName(QStringLiteral("inkScore%1").arg(i));
        AccessibleNames::name(inkScore[i], tr("Handwritten name in place %1").arg(i + 1));
        inkScore[i]->move(Look::twips(2160), Look::twips(600 + RowTwips * i));
    }

    butOkay = new QPushButton(tr("Close"), this);
    butOkay->setObjectName(QStringLiteral("butOkay"));
    QFont bold(QStringLiteral("Verdana"), 12, QFont::Bold);
    butOkay->setFont(bold);
    butOkay->setGeometry(Look::twips(QRect(3000, 9120, 2415, 495)));
    connect(butOkay, &QPushButton::clicked, this, &TopTenWindow::butOkay_Click);
}

void TopTenWindow::load()
{
    const TopTenReading reading = readTopTen(m_scoresPath);
    for (int i = 0; i < ScoreEntries; ++i) {
        const TopTenRow& row = reading.rows[i];
        if (row.scoreText)
            lblVal[i]->setText(*row.scoreText);
        switch (row.shown) {
        case TopTenRow::Shown::Typed:
            inkScore[i]->hide();
            lblScore[i]->show();
            lblScore[i]->setText(row.typedName);
            break;
        case TopTenRow::Shown::Handwritten:
            inkScore[i]->show();
            lblScore[i]->hide();
            inkScore[i]->setInk(row.ink);
            break;
        case TopTenRow::Shown::Nothing:
            break;
        }
    }
    butOkay->setDefault(true);
    butOkay->setFocus();
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
        for (QWidget* part : std::initializer_list<QWidget*>{lblVal[i], lblScore[i], inkScore[i]})
            part->setToolTip(tr("Double-click to watch this game"));
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
    if (!lblWorld) {
        // Room for a refusal of three lines; the table and its frame stay as they are.
        constexpr int LineTwips = 750;
        lblWorld = Look::label(this, QString(), {240, 8700, 7680, LineTwips}, 9);
        lblWorld->setObjectName(QStringLiteral("lblWorld"));
        lblWorld->setTextFormat(Qt::PlainText);  // the world table's own words, never markup
        lblWorld->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        lblWorld->setWordWrap(true);
        AccessibleNames::nameValue(lblWorld, tr("World table"));
        lblWorld->show();
        butOkay->move(butOkay->x(), butOkay->y() + Look::twips(LineTwips));
        setFixedSize(width(), height() + Look::twips(LineTwips));
    }
    lblWorld->setText(text);
    lblWorld->setToolTip(text);
}

void TopTenWindow::butOkay_Click() { accept(); }

void TopTenWindow::keyPressEvent(QKeyEvent* event)
{
    // Only keys that type a character count, as a bare Shift or Ctrl is no answer.
    if (event->text().isEmpty()) {
        QDialog::keyPressEvent(event);
        return;
    }
    Form_KeyPress(event->text().at(0).unicode());
}

void TopTenWindow::Form_KeyPress(int) { accept(); }

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
    // The frame around the table: (0, 0) to (8160, 9720) twips.
    painter.setPen(Qt::black);
    painter.drawRect(QRect(QPoint(0, 0), QPoint(Look::twips(8160), height() - Look::twips(60))));
}
