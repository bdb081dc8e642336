#pragma once

#include "ui/net/SetsTable.h"

#include <QObject>
#include <QString>

#include <optional>

class QProgressDialog;
class QWidget;

// File > Publish Set...: sends the set of a folder to the world table, whose judges play every
// level before the set is listed. The designer is asked once, with the levels, the set's name and
// its author named; then the table is asked about once a second how its judging goes, under a
// progress window whose Cancel stops asking (the table judges on regardless). The verdict is told
// in a message box: the set's address on the table with any warnings, or each level that failed.
class PublishCommand : public QObject {
    Q_OBJECT
public:
    static constexpr int PollMillis = 1000;
    static constexpr int MaxPolls = 600;  // a set of 100 levels is judged in well under ten minutes

    PublishCommand(QWidget& window, WorldClient& client);

    // shownName names the set when its folder keeps no set file of its own.
    void publish(const QString& address, const QString& folder, const QString& shownName);

private:
    // sent: the answer to the set sent, not to a question of how its judging goes.
    void answered(const WorldAnswer& answer, bool sent);
    void poll();
    void tellVerdict(const Publication& verdict);

    QWidget& m_window;
    WorldClient& m_client;
    QString m_address;
    QString m_id;
    QProgressDialog* m_progress = nullptr;
    QObject* m_session = nullptr;  // the answers of one publication; gone, they are dropped
    std::optional<Publication> m_verdict;
    int m_polls = 0;
};
