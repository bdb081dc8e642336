#include "ui/RecordingSave.h"

#include "files/FileBytes.h"
#include "files/sets/SetImport.h"
#include "files/sets/SetPaths.h"
#include "sim/SelfContained.h"
#include "ui/SavePath.h"

#include <QCoreApplication>
#include <QDir>
#include <QMessageBox>

namespace {

// The recording with its set, or why it cannot have it.
SelfContained withSet(const GameRecording& recording, const QString& levelsFolder, const QString& programFolder)
{
    if (recording.set)
        return {recording, {}};
    // The replay's set line carries the set's name in English, as the world table and the players
    // of every language read the replay.
    const SetFile header = keptSetHeader(levelsFolder)
                               .value_or(SetFile{levelSetName(levelsFolder, programFolder, {}).english(), {}, {}, {}});
    SetGathering gathering = gatherSet(levelsFolder, header);
    if (!gathering.set)
        return {std::nullopt, gathering.problem};
    return selfContained(recording, std::move(*gathering.set));
}

}  // namespace

bool saveSelfContained(QWidget* parent, const GameRecording& recording, const QString& levelsFolder,
                       const QString& programFolder)
{
    const QString title = QCoreApplication::translate("RecordingSave", "Save Replay");
    const SelfContained carried = withSet(recording, levelsFolder, programFolder);
    if (!carried.recording) {
        QMessageBox::warning(
            parent, title,
            QCoreApplication::translate("RecordingSave", "This game cannot be saved with its levels: %1.")
                .arg(carried.problem.translated()));
        return false;
    }
    const QString score = QString::number(recording.events.empty() ? 0 : recording.events.back().checkpoint.score);
    // The file's own name is the player's to read: the set's name in the player's language.
    const QString setName = recording.set || keptSetHeader(levelsFolder)
                                ? carried.recording->set->name
                                : levelSetName(levelsFolder, programFolder, {}).translated();
    const QString proposed = safeSetFolderName(setName) + QStringLiteral(" - ") + score;
    const QString path =
        askSavePath(parent, title, proposed + QStringLiteral(".replay"),
                    QCoreApplication::translate("RecordingSave", "Replays (*.replay)"), QStringLiteral("replay"));
    if (path.isEmpty())
        return false;
    if (!replaceFile(path, recordingBytes(*carried.recording))) {
        QMessageBox::warning(parent, title,
                             QCoreApplication::translate("RecordingSave", "The replay could not be written to %1.")
                                 .arg(QDir::toNativeSeparators(path)));
        return false;
    }
    return true;
}
