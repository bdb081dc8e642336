#pragma once

#include "ui/net/WorldTable.h"

#include <QDialog>

class AudioControl;
class QLabel;
class QTableWidget;
class WorldClient;

// The world's best games of the set being played, as the world table keeps them. It reads the
// table when it opens, in the background: "Loading...", then the table, the table's own error, or
// that the table cannot be reached. A row opens its game in the replay window, by double-click or
// by the arrow keys and Enter. Without an address it touches no network and says how to set one.
class frmWorldTopTen : public QDialog {
    Q_OBJECT
public:
    // setId is the set's identity (64 hexadecimal digits); the client is the game's own.
    frmWorldTopTen(WorldClient& client, const QString& address, const QString& setId, const QString& programFolder,
                   AudioControl* audio, QWidget* parent = nullptr);

    QLabel* lblState;  // what stands in the table's place, and the state of a game being fetched
    QTableWidget* grdTop;

    // The table as read, in place of the state line's words.
    void showTop(const WorldTop& top);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void load();
    void openRow(int row);

    WorldClient& m_client;
    QString m_address;
    QString m_setId;
    QString m_programFolder;
    AudioControl* m_audio;
    std::vector<qint64> m_ids;  // the game of each row
    bool m_loaded = false;
    bool m_fetching = false;
};
