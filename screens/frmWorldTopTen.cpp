#include "screens/frmWorldTopTen.h"

#include "screens/InkDisplay.h"
#include "ui/AccessibleNames.h"
#include "ui/RecordingWindow.h"

#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

frmWorldTopTen::frmWorldTopTen(WorldClient& client, const QString& address, const QString& setId,
                               const QString& programFolder, AudioControl* audio, QWidget* parent)
    : QDialog(parent), m_client(client), m_address(address), m_setId(setId), m_programFolder(programFolder),
      m_audio(audio)
{
    setWindowTitle(tr("World Top Ten"));
    auto* layout = new QVBoxLayout(this);

    grdTop = new QTableWidget(0, 3, this);
    grdTop->setObjectName(QStringLiteral("grdTop"));
    grdTop->setHorizontalHeaderLabels({tr("Rank"), tr("Score"), tr("Name")});
    grdTop->verticalHeader()->hide();
    grdTop->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdTop->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdTop->setSelectionMode(QAbstractItemView::SingleSelection);
    grdTop->setWordWrap(false);
    grdTop->horizontalHeader()->setStretchLastSection(true);
    grdTop->verticalHeader()->setDefaultSectionSize(SignatureSurface.height() + 6);
    grdTop->setMinimumSize(SignatureSurface.width() + 200, 10 * (SignatureSurface.height() + 6) + 30);
    grdTop->hide();
    AccessibleNames::name(grdTop, tr("World Top Ten"), tr("Enter or a double-click watches the game of a row"));
    // Enter on a row, or a double-click, activates it.
    connect(grdTop, &QTableWidget::activated, this, [this](const QModelIndex& index) { openRow(index.row()); });
    layout->addWidget(grdTop);

    lblState = new QLabel(this);
    lblState->setObjectName(QStringLiteral("lblState"));
    lblState->setTextFormat(Qt::PlainText);  // the table's own words, never markup
    lblState->setWordWrap(true);
    lblState->setMinimumWidth(SignatureSurface.width() + 200);
    AccessibleNames::nameValue(lblState, tr("State"));
    layout->addWidget(lblState);

    auto* butClose = new QPushButton(tr("Close"), this);
    butClose->setObjectName(QStringLiteral("butClose"));
    butClose->setAutoDefault(false);  // Enter belongs to the rows
    connect(butClose, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(butClose, 0, Qt::AlignRight);

    const bool none = WorldClient::baseUrl(m_address).isEmpty();
    lblState->setText(none ? tr("No world table is set up: enter its address under Game > World Table..., as the "
                                "README's section \"The world table\" describes.")
                           : tr("Loading..."));
}

void frmWorldTopTen::showEvent(QShowEvent* event)
{
    if (!m_loaded) {
        m_loaded = true;
        load();
    }
    QDialog::showEvent(event);
}

void frmWorldTopTen::load()
{
    if (WorldClient::baseUrl(m_address).isEmpty())
        return;  // no address, no connection: the line says how to set one up
    m_client.get(m_address, QStringLiteral("/api/v1/sets/%1/top?limit=10").arg(m_setId), this,
                 [this](const WorldAnswer& answer) {
                     const TopReading reading = readTop(answer, m_address);
                     if (reading.top)
                         showTop(*reading.top);
                     else
                         lblState->setText(reading.message);
                     adjustSize();
                 });
}

void frmWorldTopTen::showTop(const WorldTop& top)
{
    grdTop->setRowCount(int(top.rows.size()));
    m_ids.clear();
    for (int r = 0; r < int(top.rows.size()); ++r) {
        const WorldRow& row = top.rows[std::size_t(r)];
        m_ids.push_back(row.id);
        // A reader hears each cell by what it is: "Place 3", not "3.".
        const auto cell = [&](int column, const QString& text, const QString& name) {
            auto* item = new QTableWidgetItem(text);
            item->setData(Qt::AccessibleTextRole, name);
            grdTop->setItem(r, column, item);
        };
        cell(0, QStringLiteral("%1.").arg(row.rank), tr("Place %1").arg(row.rank));
        auto* header = new QTableWidgetItem(QString::number(row.rank));  // hidden, yet a reader meets it
        header->setData(Qt::AccessibleTextRole, tr("Place %1").arg(row.rank));
        grdTop->setVerticalHeaderItem(r, header);
        cell(1, QString::number(row.score), tr("Score %1").arg(row.score));
        cell(2, row.handwritten ? QString() : row.typedName,
             row.handwritten ? tr("Handwritten name") : tr("Name %1").arg(row.typedName));
        if (row.handwritten) {
            auto* ink = new InkDisplay(SignatureSurface, grdTop);
            AccessibleNames::name(ink, tr("Handwritten name in place %1").arg(row.rank));
            ink->setInk(row.ink);
            ink->setAttribute(Qt::WA_TransparentForMouseEvents);  // the row takes the double-click
            grdTop->setCellWidget(r, 2, ink);
        }
    }
    grdTop->resizeColumnToContents(0);
    grdTop->resizeColumnToContents(1);
    grdTop->show();
    lblState->setText(top.rows.empty() ? tr("No game of this set is on the world table yet.")
                                       : tr("Games of this set on the world table: %1. Enter or a double-click "
                                            "watches a game.")
                                             .arg(top.games));
    if (!top.rows.empty()) {
        grdTop->setCurrentCell(0, 0);
        grdTop->setFocus();
    }
    adjustSize();
}

void frmWorldTopTen::openRow(int row)
{
    if (m_fetching || row < 0 || row >= int(m_ids.size()))
        return;
    m_fetching = true;
    const QString before = lblState->text();
    lblState->setText(tr("Loading..."));
    m_client.get(m_address, QStringLiteral("/api/v1/games/%1/replay").arg(m_ids[std::size_t(row)]), this,
                 [this, before](const WorldAnswer& answer) {
                     m_fetching = false;
                     lblState->setText(before);
                     ReplayReading reading = readReplay(answer, m_address);
                     if (!reading.recording) {
                         QMessageBox box(QMessageBox::Warning, tr("World Top Ten"), QString(), QMessageBox::Ok, this);
                         box.setTextFormat(Qt::PlainText);  // the table's words may be anything
                         box.setText(reading.message);
                         box.exec();
                         return;
                     }
                     RecordingWindow window(std::move(*reading.recording), QString(), m_programFolder, m_audio, this);
                     window.exec();
                 });
}
