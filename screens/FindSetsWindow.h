#pragma once

#include "screens/FirstShowDialog.h"
#include "ui/net/SetsTable.h"

#include <optional>
#include <vector>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;
class WorldClient;

// Game > Find Level Sets...: the sets published on the world table, read when the window opens,
// in the background. The state line says what stands in the list's place (asking, no address,
// the table's trouble, an empty table). Enter on a row or Play fetches that set's file; a file
// that is not the set listed is told on the state line, and one that is closes the window with
// the set to import (chosen()).
class FindSetsWindow : public FirstShowDialog {
    Q_OBJECT
public:
    FindSetsWindow(WorldClient& client, const QString& address, QWidget* parent = nullptr);

    QTableWidget* setsTable;
    QPlainTextEdit* descriptionView;
    QLabel* stateLabel;
    QPushButton* playButton;

    void showSets(std::vector<ListedSet> sets);
    // The set fetched to be played, once the window has closed so.
    const std::optional<SetFile>& chosen() const { return m_chosen; }

private:
    void load() override;
    void play(int row);
    void describe(int row);

    WorldClient& m_client;
    QString m_address;
    std::vector<ListedSet> m_sets;
    std::optional<SetFile> m_chosen;
    bool m_fetching = false;
};
