#include "files/ScoreFile.h"
#include "files/WorldOutbox.h"
#include "files/sets/FolderAsSetFile.h"
#include "screens/TopTenWindow.h"
#include "screens/WorldTableDialog.h"
#include "screens/WorldTopTenWindow.h"
#include "screens/frmPondrake.h"
#include "sim/SelfContained.h"
#include "ui/net/OutboxSender.h"
#include "ui/net/WorldClient.h"

#include <QMessageBox>

void frmPondrake::setUpWorld()
{
    // Neither touches the network until a game is sent or the world's table is read.
    m_world = new WorldClient(this);
    m_outbox = new OutboxSender(*m_world, this);
    connect(m_outbox, &OutboxSender::sent, this, &frmPondrake::worldSent);
}

void frmPondrake::mnuWorldTable_Click()
{
    PlayerSettings& settings = m_files.settings;
    WorldTableDialog dialog(settings.worldAddress, settings.sendTopTenGames, this);
    const bool accepted = execOverGame(dialog) == QDialog::Accepted;
    if (!accepted)
        return;
    settings.worldAddress = dialog.address();
    settings.sendTopTenGames = dialog.sendGames();
    settings.worldAsked = settings.worldAsked || dialog.sendGames();  // the player has chosen
    m_files.saveSettings();
    sendOutbox();
}

QString frmPondrake::worldSetId() const
{
    const std::optional<SetFile> set = folderSetFile(m_files.setFolder(), m_files.setName().english());
    return set ? QString::fromLatin1(setIdentity(set->levels)) : QString();
}

void frmPondrake::mnuWorldTopTen_Click()
{
    WorldTopTenWindow window(*m_world, m_files.settings.worldAddress, worldSetId(), m_programFolder, &m_audio, this);
    window.setWindowTitle(window.windowTitle() + QStringLiteral(" - ") + m_files.setName().translated());
    execOverGame(window);
}

void frmPondrake::sendOutbox()
{
    const PlayerSettings& settings = m_files.settings;
    m_outbox->sendWaiting(settings.worldAddress, settings.sendTopTenGames, m_files.dataFolder());
}

void frmPondrake::offerToWorld(int place)
{
    PlayerSettings& settings = m_files.settings;
    ScoreTable table;
    if (WorldClient::baseUrl(settings.worldAddress).isEmpty() || !m_lastGame ||
        loadScores(m_files.scoresPath(), table) != ScoreReadStatus::Complete)
        return;
    if (!settings.worldAsked) {
        settings.worldAsked = true;
        settings.sendTopTenGames =
            QMessageBox::question(this, tr("World Table"),
                                  tr("Your game is in the top ten. Send it to the world table at %1? Only its "
                                     "replay and the name you entered are sent; Game > World Table... changes "
                                     "this later.")
                                      .arg(settings.worldAddress.toHtmlEscaped())) == QMessageBox::Yes;
        m_files.saveSettings();
    }
    if (!settings.sendTopTenGames)
        return;
    const std::optional<SetFile> set = folderSetFile(m_files.setFolder(), m_files.setName().english());
    const SelfContained travel = set ? selfContained(*m_lastGame, *set) : SelfContained{};
    if (!travel.recording) {
        m_worldLine = set ? tr("The game cannot be sent: %1.").arg(travel.problem)
                          : tr("The levels of this set cannot be read, so the game cannot be sent.");
        return;
    }
    const std::size_t at = std::size_t(place);
    const QByteArray body =
        sendBody(recordingBytes(*travel.recording), table.topKinds[at] == 0 ? 0 : 1, table.topNames[at]);
    m_worldItem = putInOutbox(m_files.dataFolder(), setIdentity(set->levels), body);
    if (m_worldItem.isEmpty()) {
        m_worldLine = tr("The game could not be kept for the world table.");
        return;
    }
    m_worldLine = tr("Sending...");
    m_outbox->send(settings.worldAddress, {m_worldItem});
}

void frmPondrake::worldSent(const QString& item, const SendVerdict& verdict)
{
    if (item != m_worldItem)
        return;
    m_worldLine = verdict.line;
    if (m_topTenShown)
        m_topTenShown->showWorldLine(m_worldLine);
}
