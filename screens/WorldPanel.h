#pragma once

#include "files/ReplayFile.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <optional>

class MainWindow;
class OutboxSender;
class TopTenWindow;
class WorldClient;
struct SendVerdict;

// The main window's side of the world table: its settings (Game > World Table...), the world's
// best games of the set (Game > World Top Ten), and the games sent to it. A game that enters the
// top ten is offered once the player has said yes; its fate is the line under the top ten.
class WorldPanel : public QObject {
    Q_OBJECT
public:
    // Neither touches the network until a game is sent or the world's table is read.
    explicit WorldPanel(MainWindow& window);

    void editSettings();
    void showWorldTopTen();
    // Game > Find Level Sets...: a set published on the world table, imported and chosen.
    void findSets();
    // The games the world table has not taken yet, from this sitting or an earlier one.
    void sendWaiting();
    // The entry just made at this place of the top ten, when the player sends games.
    void offer(int place, const std::optional<GameRecording>& game);
    // Forgets the line of the game sent last; a new game is over.
    void clearLine();
    // The top ten that shows the entry just made shows its line, kept up to date while it is open.
    void showLineIn(TopTenWindow& topTen);

    WorldClient& client() { return *m_client; }
    OutboxSender& outbox() { return *m_outbox; }

private:
    void sent(const QString& item, const SendVerdict& verdict);
    QString setId() const;

    MainWindow& m_window;
    WorldClient* m_client;
    OutboxSender* m_outbox;
    QString m_item;  // the outbox file of the entry just made, and the line the top ten shows of it
    QString m_line;
    QPointer<TopTenWindow> m_topTenShown;
};
