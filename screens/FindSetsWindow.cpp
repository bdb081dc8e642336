#include "screens/FindSetsWindow.h"

#include "ui/AccessibleNames.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

FindSetsWindow::FindSetsWindow(WorldClient& client, const QString& address, QWidget* parent)
    : FirstShowDialog(parent), m_client(client), m_address(address)
{
    setWindowTitle(tr("Find Level Sets"));
    auto* layout = new QVBoxLayout(this);
    auto* lists = new QHBoxLayout;
    layout->addLayout(lists);

    setsTable = new QTableWidget(0, 6, this);
    setsTable->setObjectName(QStringLiteral("setsTable"));
    setsTable->setHorizontalHeaderLabels(
        {tr("Name"), tr("Author"), tr("Levels"), tr("Difficulty"), tr("Games"), tr("Best")});
    setsTable->horizontalHeaderItem(3)->setToolTip(tr("About as hard as this level of the game's own set"));
    setsTable->verticalHeader()->hide();
    setsTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    setsTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    setsTable->setSelectionMode(QAbstractItemView::SingleSelection);
    setsTable->setTabKeyNavigation(false);  // Tab goes on to the description and the buttons
    setsTable->setWordWrap(false);
    setsTable->setMinimumSize(560, 300);
    AccessibleNames::name(setsTable, tr("Published level sets"), tr("Enter or a double-click plays the set of a row"));
    connect(setsTable, &QTableWidget::activated, this, [this](const QModelIndex& index) { play(index.row()); });
    connect(setsTable, &QTableWidget::currentCellChanged, this, [this](int row) { describe(row); });
    lists->addWidget(setsTable, 3);

    descriptionView = new QPlainTextEdit(this);
    descriptionView->setObjectName(QStringLiteral("descriptionView"));
    descriptionView->setReadOnly(true);  // the author's words as text, never markup
    descriptionView->setTabChangesFocus(true);
    descriptionView->setMinimumWidth(200);
    AccessibleNames::name(descriptionView, tr("Description"), tr("What the set's author says of it"));
    lists->addWidget(descriptionView, 2);

    stateLabel = new QLabel(this);
    stateLabel->setObjectName(QStringLiteral("stateLabel"));
    stateLabel->setTextFormat(Qt::PlainText);  // the table's own words, never markup
    stateLabel->setWordWrap(true);
    AccessibleNames::nameValue(stateLabel, tr("State"));
    layout->addWidget(stateLabel);

    auto* buttons = new QHBoxLayout;
    layout->addLayout(buttons);
    buttons->addStretch();
    playButton = new QPushButton(tr("&Play"), this);
    playButton->setObjectName(QStringLiteral("playButton"));
    playButton->setEnabled(false);
    connect(playButton, &QPushButton::clicked, this, [this] { play(setsTable->currentRow()); });
    auto* closeButton = new QPushButton(tr("Close"), this);
    closeButton->setObjectName(QStringLiteral("closeButton"));
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
    for (QPushButton* button : {playButton, closeButton}) {
        button->setAutoDefault(false);  // Enter belongs to the rows
        buttons->addWidget(button);
    }

    const bool none = WorldClient::baseUrl(m_address).isEmpty();
    stateLabel->setText(none ? tr("No world table is set up: enter its address under Game > World Table..., as the "
                                  "README's section \"The world table\" describes.")
                             : tr("Asking the table..."));
}

void FindSetsWindow::load()
{
    if (WorldClient::baseUrl(m_address).isEmpty())
        return;  // no address, no connection: the line says how to set one up
    m_client.get(m_address, QStringLiteral("/api/v1/sets?published=1&limit=100"), this,
                 [this](const WorldAnswer& answer) {
                     SetListReading reading = readSetList(answer, m_address);
                     if (reading.sets)
                         showSets(std::move(*reading.sets));
                     else
                         stateLabel->setText(reading.message);
                 });
}

void FindSetsWindow::showSets(std::vector<ListedSet> sets)
{
    m_sets = std::move(sets);
    setsTable->setRowCount(int(m_sets.size()));
    for (int r = 0; r < int(m_sets.size()); ++r) {
        const ListedSet& set = m_sets[std::size_t(r)];
        // A reader hears each cell by what it is: "Levels 12", not "12".
        const auto cell = [&](int column, const QString& text, const QString& name) {
            auto* item = new QTableWidgetItem(text);
            item->setData(Qt::AccessibleTextRole, name);
            if (column >= 2)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            setsTable->setItem(r, column, item);
        };
        cell(0, set.name, set.name);
        auto* header = new QTableWidgetItem(QString::number(r + 1));  // hidden, yet a reader meets it
        header->setData(Qt::AccessibleTextRole, set.name);
        setsTable->setVerticalHeaderItem(r, header);
        cell(1, set.author, tr("Author %1").arg(set.author));
        cell(2, QString::number(set.levels), tr("Levels %1").arg(set.levels));
        cell(3, set.difficulty ? QString::number(set.difficulty) : QString(),
             set.difficulty ? tr("About as hard as level %1").arg(set.difficulty) : tr("Difficulty not known"));
        const QString games = QLocale().toString(set.games), best = QLocale().toString(set.best);
        cell(4, games, tr("Games %1").arg(games));
        cell(5, best, tr("Best score %1").arg(best));
    }
    setsTable->resizeColumnsToContents();
    setsTable->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);  // the name takes the room
    playButton->setEnabled(!m_sets.empty());
    stateLabel->setText(m_sets.empty() ? tr("No set is published yet.")
                                       : tr("Enter or Play imports the set chosen and plays it."));
    if (!m_sets.empty()) {
        setsTable->setCurrentCell(0, 0);
        setsTable->setFocus();
    }
}

void FindSetsWindow::describe(int row)
{
    const bool listed = row >= 0 && row < int(m_sets.size());
    descriptionView->setPlainText(listed ? m_sets[std::size_t(row)].description : QString());
}

void FindSetsWindow::play(int row)
{
    if (m_fetching || row < 0 || row >= int(m_sets.size()))
        return;
    m_fetching = true;
    stateLabel->setText(tr("Fetching the set..."));
    const QString id = m_sets[std::size_t(row)].id;
    m_client.get(m_address, QStringLiteral("/api/v1/sets/%1/file").arg(id), this,
                 [this, id](const WorldAnswer& answer) {
                     m_fetching = false;
                     SetDownload download = readSetDownload(answer, m_address, id);
                     if (!download.set) {
                         stateLabel->setText(download.message);
                         return;
                     }
                     m_chosen = std::move(download.set);
                     accept();
                 });
}
