#include "screens/WorldTopTenWindow.h"

#include "screens/InkDisplay.h"
#include "sim/RecordingPlayer.h"
#include "ui/AccessibleNames.h"
#include "ui/RecordingWindow.h"

#include <QFutureWatcher>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>

namespace {

// The table's game when it is the row's: of the set asked for, and played through by the game's
// own rules to the row's score. The table is a stranger, and a row must not show another game.
std::optional<GameRecording> rowsGame(GameRecording recording, qint64 score, const QString& setId,
                                      const std::atomic<bool>* stop)
{
    if (!recording.set || QString::fromLatin1(setIdentity(recording.set->levels)) != setId)
        return std::nullopt;
    RecordingPlayer player(std::move(recording));
    player.playToEnd(stop);
    if (player.refusal() || player.divergence() || !player.atEnd() || !player.endConfirmed() ||
        player.field().score != score)
        return std::nullopt;
    return player.recording();
}

}  // namespace

WorldTopTenWindow::WorldTopTenWindow(WorldClient& client, const QString& address, const QString& setId,
                                     const QString& programFolder, AudioControl* audio, QWidget* parent)
    : FirstShowDialog(parent), m_client(client), m_address(address), m_setId(setId), m_programFolder(programFolder),
      m_audio(audio)
{
    setWindowTitle(tr("World Top Ten"));
    auto* layout = new QVBoxLayout(this);

    topTable = new QTableWidget(0, 4, this);
    topTable->setObjectName(QStringLiteral("topTable"));
    topTable->setHorizontalHeaderLabels({tr("Rank"), tr("Score"), tr("Name"), tr("Date")});
    topTable->verticalHeader()->hide();
    topTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    topTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    topTable->setSelectionMode(QAbstractItemView::SingleSelection);
    topTable->setWordWrap(false);
    topTable->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);  // the name takes the room
    topTable->verticalHeader()->setDefaultSectionSize(SignatureSurface.height() + 6);
    topTable->setMinimumSize(SignatureSurface.width() + 200, 10 * (SignatureSurface.height() + 6) + 30);
    topTable->hide();
    AccessibleNames::name(topTable, tr("World Top Ten"), tr("Enter or a double-click watches the game of a row"));
    // Enter on a row, or a double-click, activates it.
    connect(topTable, &QTableWidget::activated, this, [this](const QModelIndex& index) { openRow(index.row()); });
    layout->addWidget(topTable);

    stateLabel = new QLabel(this);
    stateLabel->setObjectName(QStringLiteral("stateLabel"));
    stateLabel->setTextFormat(Qt::PlainText);  // the table's own words, never markup
    stateLabel->setWordWrap(true);
    stateLabel->setMinimumWidth(SignatureSurface.width() + 200);
    AccessibleNames::nameValue(stateLabel, tr("State"));
    layout->addWidget(stateLabel);

    auto* closeButton = new QPushButton(tr("Close"), this);
    closeButton->setObjectName(QStringLiteral("closeButton"));
    closeButton->setAutoDefault(false);  // Enter belongs to the rows
    connect(closeButton, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(closeButton, 0, Qt::AlignRight);

    const bool none = WorldClient::baseUrl(m_address).isEmpty();
    stateLabel->setText(none ? tr("No world table is set up: enter its address under Game > World Table..., as the "
                                  "README's section \"The world table\" describes.")
                             : tr("Loading..."));
}

WorldTopTenWindow::~WorldTopTenWindow() { m_stop->store(true); }

void WorldTopTenWindow::load()
{
    if (WorldClient::baseUrl(m_address).isEmpty())
        return;  // no address, no connection: the line says how to set one up
    m_client.get(m_address, QStringLiteral("/api/v1/sets/%1/top?limit=10").arg(m_setId), this,
                 [this](const WorldAnswer& answer) {
                     const TopReading reading = readTop(answer, m_address);
                     if (reading.top)
                         showTop(*reading.top);
                     else
                         stateLabel->setText(reading.message);
                     adjustSize();
                 });
}

void WorldTopTenWindow::showTop(const WorldTop& top)
{
    topTable->setRowCount(int(top.rows.size()));
    m_rows.clear();
    for (int r = 0; r < int(top.rows.size()); ++r) {
        const WorldRow& row = top.rows[std::size_t(r)];
        m_rows.push_back({row.id, row.score});
        // A reader hears each cell by what it is: "Place 3", not "3.".
        const auto cell = [&](int column, const QString& text, const QString& name) {
            auto* item = new QTableWidgetItem(text);
            item->setData(Qt::AccessibleTextRole, name);
            topTable->setItem(r, column, item);
        };
        cell(0, QStringLiteral("%1.").arg(row.rank), tr("Place %1").arg(row.rank));
        auto* header = new QTableWidgetItem(QString::number(row.rank));  // hidden, yet a reader meets it
        header->setData(Qt::AccessibleTextRole, tr("Place %1").arg(row.rank));
        topTable->setVerticalHeaderItem(r, header);
        const QString score = QLocale().toString(row.score);
        cell(1, score, tr("Score %1").arg(score));
        // The day the game was sent, in the player's own form.
        const QString date = QLocale().toString(row.date.toLocalTime().date(), QLocale::ShortFormat);
        cell(3, date, row.date.isValid() ? tr("Sent on %1").arg(date) : tr("Date not known"));
        const QString typed = row.typedName.isEmpty() ? tr("Anonymous") : row.typedName;  // a game given no name
        cell(2, row.handwritten ? QString() : typed,
             row.handwritten ? tr("Handwritten name") : tr("Name %1").arg(typed));
        if (row.handwritten) {
            auto* ink = new InkDisplay(SignatureSurface, topTable);
            AccessibleNames::name(ink, tr("Handwritten name in place %1").arg(row.rank));
            ink->setInk(row.ink);
            ink->setAttribute(Qt::WA_TransparentForMouseEvents);  // the row takes the double-click
            topTable->setCellWidget(r, 2, ink);
        }
    }
    for (const int column : {0, 1, 3})
        topTable->resizeColumnToContents(column);
    topTable->show();
    stateLabel->setText(top.rows.empty() ? tr("No game of this set is on the world table yet.")
                                         : tr("Games of this set on the world table: %1. Enter or a double-click "
                                              "watches a game.")
                                               .arg(top.games));
    if (!top.rows.empty()) {
        topTable->setCurrentCell(0, 0);
        topTable->setFocus();
    }
    adjustSize();
}

void WorldTopTenWindow::openRow(int row)
{
    if (m_fetching || row < 0 || row >= int(m_rows.size()))
        return;
    m_fetching = true;
    const QString before = stateLabel->text();
    stateLabel->setText(tr("Loading..."));
    const RowGame wanted = m_rows[std::size_t(row)];
    m_client.get(m_address, QStringLiteral("/api/v1/games/%1/replay").arg(wanted.id), this,
                 [this, before, wanted](const WorldAnswer& answer) {
                     ReplayReading reading = readReplay(answer, m_address);
                     if (!reading.recording)
                         return shown(before, std::nullopt, reading.message);
                     // Off the window's thread: a long game from the table takes a while to play through.
                     auto* check = new QFutureWatcher<std::optional<GameRecording>>(this);
                     connect(check, &QFutureWatcherBase::finished, this, [this, check, before, wanted] {
                         check->deleteLater();
                         shown(before, check->result(),
                               tr("The game the world table sent for this row does not play to its score of %1 in "
                                  "this set, so it is not shown.")
                                   .arg(wanted.score));
                     });
                     check->setFuture(QtConcurrent::run(
                         [game = std::move(*reading.recording), wanted, setId = m_setId, stop = m_stop]() mutable {
                             return rowsGame(std::move(game), wanted.score, setId, stop.get());
                         }));
                 });
}

void WorldTopTenWindow::shown(const QString& before, std::optional<GameRecording> game, const QString& problem)
{
    m_fetching = false;
    stateLabel->setText(before);
    if (!game) {
        QMessageBox box(QMessageBox::Warning, tr("World Top Ten"), QString(), QMessageBox::Ok, this);
        box.setTextFormat(Qt::PlainText);  // the table's words may be anything
        box.setText(problem);
        box.exec();
        return;
    }
    RecordingWindow window(std::move(*game), QString(), m_programFolder, m_audio, this);
    window.exec();
}
