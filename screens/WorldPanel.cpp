#include "screens/WorldPanel.h"

#include "files/ScoreFile.h"
#include "files/WorldOutbox.h"
#include "files/sets/FolderAsSetFile.h"
#include "screens/FileOpener.h"
#include "screens/FindSetsWindow.h"
#include "screens/MainWindow.h"
#include "screens/TopTenWindow.h"
#include "screens/WorldTableDialog.h"
#include "screens/WorldTopTenWindow.h"
#include "sim/SelfContained.h"
#include "ui/net/OutboxSender.h"
#include "ui/net/WorldClient.h"

#include <QMessageBox>

WorldPanel::WorldPanel(MainWindow& window)
    : QObject(&window), m_window(window), m_client(new WorldClient(this)), m_outbox(new OutboxSender(*m_client, this))
{
    connect(m_outbox, &OutboxSender::sent, this, &WorldPanel::sent);
}

void WorldPanel::editSettings()
{
    PlayerSettings& settings = m_window.files().settings;
    WorldTableDialog dialog(settings.worldAddress, settings.sendTopTenGames, &m_window);
    const bool accepted = m_window.execOverGame(dialog) == QDialog::Accepted;
    if (!accepted)
        return;
    settings.worldAddress = dialog.address();
    settings.sendTopTenGames = dialog.sendGames();
    settings.worldAsked = settings.worldAsked || dialog.sendGames();  // the player has chosen
    m_window.files().saveSettings();
    sendWaiting();
}

QString WorldPanel::setId() const
{
    const PlayerFiles& files = m_window.files();
    const std::optional<SetFile> set = folderSetFile(files.setFolder(), files.setName().english());
    return set ? QString::fromLatin1(setIdentity(set->levels)) : QString();
}

void WorldPanel::showWorldTopTen()
{
    PlayerFiles& files = m_window.files();
    WorldTopTenWindow window(*m_client, files.settings.worldAddress, setId(), m_window.programFolder(),
                             &m_window.audio(), &m_window);
    window.setWindowTitle(window.windowTitle() + QStringLiteral(" - ") + files.setName().translated());
    m_window.execOverGame(window);
}

void WorldPanel::findSets()
{
    FindSetsWindow window(*m_client, m_window.files().settings.worldAddress, &m_window);
    if (m_window.execOverGame(window) == QDialog::Accepted && window.chosen())
        m_window.opener().importSet(*window.chosen());
}

void WorldPanel::sendWaiting()
{
    const PlayerFiles& files = m_window.files();
    m_outbox->sendWaiting(files.settings.worldAddress, files.settings.sendTopTenGames, files.dataFolder());
}

void WorldPanel::offer(int place, const std::optional<GameRecording>& game)
{
    PlayerFiles& files = m_window.files();
    PlayerSettings& settings = files.settings;
    ScoreTable table;
    if (WorldClient::baseUrl(settings.worldAddress).isEmpty() || !game ||
        loadScores(files.scoresPath(), table) != ScoreReadStatus::Complete)
        return;
    if (!settings.worldAsked) {
        settings.worldAsked = true;
        settings.sendTopTenGames =
            QMessageBox::question(&m_window, tr("World Table"),
                                  tr("Your game is in the top ten. Send it to the world table at %1? Only its "
                                     "replay and the name you entered are sent; Game > World Table... changes "
                                     "this later.")
                                      .arg(settings.worldAddress.toHtmlEscaped())) == QMessageBox::Yes;
        files.saveSettings();
    }
    if (!settings.sendTopTenGames)
        return;
    const std::optional<SetFile> set = folderSetFile(files.setFolder(), files.setName().english());
    const SelfContained travel = set ? selfContained(*game, *set) : SelfContained{};
    if (!travel.recording) {
        m_line = set ? tr("The game cannot be sent: %1.").arg(travel.problem.translated())
                     : tr("The levels of this set cannot be read, so the game cannot be sent.");
        return;
    }
    const std::size_t at = std::size_t(place);
    const QByteArray body =
        sendBody(recordingBytes(*travel.recording), table.topKinds[at] == 0 ? 0 : 1, table.topNames[at]);
    m_item = putInOutbox(files.dataFolder(), setIdentity(set->levels), body);
    if (m_item.isEmpty()) {
        m_line = tr("The game could not be kept for the world table.");
        return;
    }
    m_line = tr("Sending...");
    m_outbox->send(settings.worldAddress, {m_item});
}

void WorldPanel::clearLine()
{
    m_item.clear();
    m_line.clear();
}

void WorldPanel::showLineIn(TopTenWindow& topTen)
{
    if (m_line.isEmpty())
        return;
    topTen.showWorldLine(m_line);
    m_topTenShown = &topTen;
}

void WorldPanel::sent(const QString& item, const SendVerdict& verdict)
{
    if (item != m_item)
        return;
    m_line = verdict.line;
    if (m_topTenShown)
        m_topTenShown->showWorldLine(m_line);
}
