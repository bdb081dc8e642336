#pragma once

#include "screens/FirstShowDialog.h"
#include "ui/net/WorldTable.h"

#include <atomic>
#include <memory>
#include <optional>

class AudioControl;
class QLabel;
class QTableWidget;
class WorldClient;

// The world's best games of the set being played, as the world table keeps them. It reads the
// table when it opens, in the background: "Loading...", then the table, the table's own error, or
// that the table cannot be reached. A row opens its game in the replay window, by double-click or
// by the arrow keys and Enter, once the game has played through to the row's score in this set;
// any other game is refused in a sentence. Without an address it touches no network and says how
// to set one.
class WorldTopTenWindow : public FirstShowDialog {
    Q_OBJECT
public:
    // setId is the set's identity (64 hexadecimal digits); the client is the game's own.
    WorldTopTenWindow(WorldClient& client, const QString& address, const QString& setId, const QString& programFolder,
                      AudioControl* audio, QWidget* parent = nullptr);
    ~WorldTopTenWindow() override;

    QLabel* stateLabel;  // what stands in the table's place, and the state of a game being fetched
    QTableWidget* topTable;

    // The table as read, in place of the state line's words.
    void showTop(const WorldTop& top);

private:
    void load() override;
    void openRow(int row);
    // The row's game in the replay window, or the problem in place of it; the state line as before.
    void shown(const QString& before, std::optional<GameRecording> game, const QString& problem);

    WorldClient& m_client;
    QString m_address;
    QString m_setId;
    QString m_programFolder;
    AudioControl* m_audio;
    struct RowGame {
        qint64 id = 0;
        qint64 score = 0;
    };
    std::vector<RowGame> m_rows;  // the game of each row, and the score it must play to
    std::shared_ptr<std::atomic<bool>> m_stop = std::make_shared<std::atomic<bool>>(false);
    bool m_fetching = false;
};
