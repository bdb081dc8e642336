#include "editor/PublishCommand.h"

#include "files/sets/SetImport.h"
#include "ui/net/SetsTable.h"
#include "ui/net/WorldTable.h"

#include <QDir>
#include <QLocale>
#include <QMessageBox>
#include <QProgressDialog>
#include <QTimer>

namespace {

// Told in plain text: the table's words may be anything.
void tell(QWidget* parent, QMessageBox::Icon icon, const QString& text)
{
    QMessageBox box(icon, PublishCommand::tr("Publish Set"), text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

}  // namespace

PublishCommand::PublishCommand(QWidget& window, WorldClient& client)
    : QObject(&window), m_window(window), m_client(client)
{
}

void PublishCommand::publish(const QString& address, const QString& folder, const QString& shownName)
{
    if (WorldClient::baseUrl(address).isEmpty())
        return tell(&m_window, QMessageBox::Information,
                    tr("No world table is set up: enter its address in the game under Game > World Table..."));
    SetGathering gathering = gatherSet(folder, keptSetHeader(folder).value_or(SetFile{shownName, {}, {}, {}}));
    if (!gathering.set)
        return tell(&m_window, QMessageBox::Warning,
                    tr("The set cannot be published: %1.").arg(gathering.problem.translated()));
    const SetFile& set = *gathering.set;
    const QString question =
        tr("Publish the levels of %1 on the world table at %2?").arg(QDir::toNativeSeparators(folder), address) +
        QStringLiteral("\n\n") + tr("Levels: %1").arg(set.levels.size()) + u'\n' + tr("Name: %1").arg(set.name) +
        u'\n' + tr("Author: %1").arg(set.author.isEmpty() ? tr("(none)") : set.author) + QStringLiteral("\n\n") +
        tr("Everyone who uses the table can then download and play these levels.");
    QMessageBox ask(QMessageBox::Question, tr("Publish Set"), question, QMessageBox::Yes | QMessageBox::No, &m_window);
    ask.setTextFormat(Qt::PlainText);
    if (ask.exec() != QMessageBox::Yes)
        return;

    m_address = address;
    m_id = QString::fromLatin1(setIdentity(set.levels));
    m_verdict.reset();
    m_polls = 0;
    QProgressDialog progress(tr("Sending the set..."), tr("Cancel"), 0, 0, &m_window);
    progress.setWindowTitle(tr("Publish Set"));
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    QObject session;
    m_progress = &progress;
    m_session = &session;
    m_client.post(address, QStringLiteral("/api/v1/sets"), setFileBytes(set), QString::fromLatin1(SetFileType),
                  &session, [this](const WorldAnswer& answer) { answered(answer, true); });
    progress.exec();
    m_progress = nullptr;
    m_session = nullptr;
    // Cancelled, there is no verdict: the table judges on, and publishes the set if it passes.
    if (m_verdict)
        tellVerdict(*m_verdict);
}

void PublishCommand::answered(const WorldAnswer& answer, bool sent)
{
    Publication seen = readPublication(answer, m_address, m_id);
    // A busy table is asked again; only the set sent must not be taken as refused for it.
    const bool busy = !sent && (answer.status == 429 || answer.status == 503);
    if (++m_polls > MaxPolls) {  // a table that judges without end is told, not waited on for ever
        seen = Publication{};
        seen.message = tr("The world table has not finished judging the set; it is published if it passes. Look "
                          "for it later under Game > Find Level Sets... in the game.");
    } else if (seen.state == Publication::State::Judging || busy) {
        if (seen.levels > 0) {
            m_progress->setMaximum(int(seen.levels));
            m_progress->setValue(int(seen.judged));
            m_progress->setLabelText(
                tr("The table's judges play the levels: %Ln of %1 judged.", nullptr, int(seen.judged))
                    .arg(QLocale().toString(seen.levels)));
        }
        QTimer::singleShot(PollMillis, m_session, [this] { poll(); });
        return;
    }
    m_verdict = std::move(seen);
    m_progress->accept();
}

void PublishCommand::poll()
{
    m_client.get(m_address, QStringLiteral("/api/v1/sets/%1/publication").arg(m_id), m_session,
                 [this](const WorldAnswer& answer) { answered(answer, false); });
}

void PublishCommand::tellVerdict(const Publication& verdict)
{
    switch (verdict.state) {
    case Publication::State::Published:
        return tell(&m_window, QMessageBox::Information,
                    tr("Published: %1").arg(verdict.page) +
                        (verdict.lines.isEmpty()
                             ? QString()
                             : QStringLiteral("\n\n") + tr("Warnings:") + u'\n' + verdict.lines.join(u'\n')));
    case Publication::State::Refused:
        return tell(&m_window, QMessageBox::Warning,
                    // Each level on its line, or the table's sentence when it names none.
                    tr("The world table did not publish the set: %1")
                            .arg(verdict.lines.isEmpty() ? verdict.message
                                                         : QStringLiteral("\n\n") + verdict.lines.join(u'\n')) +
                        QStringLiteral("\n\n") +
                        tr("Open such a level and use File > Check Level to see how the computer player fares."));
    case Publication::State::Judging:
    case Publication::State::Trouble:
        return tell(&m_window, QMessageBox::Warning, verdict.message);
    }
}
