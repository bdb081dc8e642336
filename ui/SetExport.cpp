#include "ui/SetExport.h"

#include "files/FileBytes.h"
#include "files/sets/SetImport.h"
#include "ui/SavePath.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>

bool exportSetFolder(QWidget* parent, const QString& folder, const Phrase& setName)
{
    const QString title = QCoreApplication::translate("SetExport", "Export Level Set");
    // The file carries the English name ("Pondrake Levels", "My Levels"), as it travels to players
    // of every language and to the world table; the file's own name, which the player picks, is
    // proposed in the player's language.
    const std::optional<SetFile> kept = keptSetHeader(folder);
    SetFile header = kept.value_or(SetFile{setName.english(), {}, {}, {}});
    // Checked before the player picks a file, so that nothing is asked in vain.
    SetGathering gathering = gatherSet(folder, header);
    if (!gathering.set) {
        QMessageBox::warning(parent, title,
                             QCoreApplication::translate("SetExport", "The set cannot be exported: %1.")
                                 .arg(gathering.problem.translated()));
        return false;
    }
    const QString proposed = safeSetFolderName(kept ? header.name : setName.translated());
    const QString path =
        askSavePath(parent, title, proposed + QStringLiteral(".pondrake"),
                    QCoreApplication::translate("SetExport", "Level sets (*.pondrake)"), QStringLiteral("pondrake"));
    if (path.isEmpty())
        return false;
    // A file named otherwise names the set otherwise.
    const QString named = QFileInfo(path).completeBaseName();
    if (named != proposed && !setNameProblem(named))
        gathering.set->name = named;
    if (!replaceFile(path, setFileBytes(*gathering.set))) {
        QMessageBox::warning(parent, title,
                             QCoreApplication::translate("SetExport", "The set could not be written to %1.")
                                 .arg(QDir::toNativeSeparators(path)));
        return false;
    }
    return true;
}
