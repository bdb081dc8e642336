#include "screens/FileOpener.h"

#include "files/FileBytes.h"
#include "files/sets/SetImport.h"
#include "files/sets/SetPaths.h"
#include "screens/MainWindow.h"
#include "ui/RecordingWindow.h"

#include <QDir>
#include <QDropEvent>
#include <QFileDialog>
#include <QMessageBox>
#include <QMimeData>

namespace {

// The one local file a drop carries, or nothing.
QString droppedFile(const QMimeData* data)
{
    const QList<QUrl> urls = data ? data->urls() : QList<QUrl>();
    return urls.size() == 1 && urls.constFirst().isLocalFile() ? urls.constFirst().toLocalFile() : QString();
}

}  // namespace

FileOpener::FileOpener(MainWindow& window) : QObject(&window), m_window(window)
{
    window.setAcceptDrops(true);
    window.installEventFilter(this);
}

bool FileOpener::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::DragEnter) {
        auto* drag = static_cast<QDragEnterEvent*>(event);
        if (!droppedFile(drag->mimeData()).isEmpty())
            drag->acceptProposedAction();
        return true;
    }
    if (event->type() == QEvent::Drop) {
        auto* drop = static_cast<QDropEvent*>(event);
        const QString path = droppedFile(drop->mimeData());
        drop->acceptProposedAction();
        if (!path.isEmpty())
            open(path);
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void FileOpener::open(const QString& path)
{
    const QByteArray head = readFileHead(path, 32).value_or(FileHead{}).bytes;
    if (head.startsWith("pondrake-set ") || (!head.startsWith("pondrake-replay ") && path.endsWith(u".pondrake")))
        return importSet(path);
    if (head.startsWith("pondrake-replay ") || path.endsWith(u".replay")) {
        m_window.flow().apply({GameInput::Kind::Pause});  // a running game waits, as for the help
        return RecordingWindow::watch(path, m_window.files().programFolder(), &m_window.audio(), &m_window);
    }
    QMessageBox::warning(
        &m_window, tr("Open File"),
        tr("%1 is neither a level set (.pondrake) nor a replay (.replay).").arg(QDir::toNativeSeparators(path)));
}

void FileOpener::importFromDialog()
{
    QFileDialog dialog(&m_window, tr("Import Level Set"), QDir::homePath(), tr("Level sets (*.pondrake)"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    // The game waits while the player looks for the file.
    const bool chosen = m_window.execOverGame(dialog) == QDialog::Accepted && !dialog.selectedFiles().isEmpty();
    if (chosen)
        importSet(dialog.selectedFiles().constFirst());
}

void FileOpener::importSet(const QString& path)
{
    const SetReading reading = readSetFileAt(path);
    if (!reading.set) {
        const QString where = reading.line > 0 ? tr(" (line %1)").arg(reading.line) : QString();
        QMessageBox::warning(
            &m_window, tr("Import Level Set"),
            tr("%1 cannot be imported: %2%3.").arg(QDir::toNativeSeparators(path), reading.error.translated(), where));
        return;
    }
    importSet(*reading.set);
}

void FileOpener::importSet(const SetFile& set)
{
    PlayerFiles& files = m_window.files();
    const SetImport imported =
        ::importSet(set, files.dataFolder(), {shippedSetFolder(files.programFolder()), files.myLevels()});
    if (imported.outcome == SetImport::Outcome::Failed) {
        QMessageBox::warning(&m_window, tr("Import Level Set"), imported.problem.translated());
        return;
    }
    // Imported either way; played once a game in play is given up.
    m_window.sets().choose(imported.folder);
}
