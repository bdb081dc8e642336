#include "ui/SetExport.h"

#include "files/FileBytes.h"
#include "files/SetFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

bool exportSetFolder(QWidget* parent, const QString& folder, const QString& shownName)
{
    const QString title = QCoreApplication::translate("SetExport", "Export Level Set");
    SetFile header = KeptSetHeader(folder).value_or(SetFile{shownName, {}, {}, {}});
    // Checked before the player picks a file, so that nothing is asked in vain.
    SetGathering gathering = GatherSet(folder, header);
    if (!gathering.set) {
        QMessageBox::warning(
            parent, title,
            QCoreApplication::translate("SetExport", "The set cannot be exported: %1.").arg(gathering.problem));
        return false;
    }
    const QString proposed = SafeSetFolderName(header.name);
    QFileDialog dialog(parent, title, QDir::home().filePath(proposed + QStringLiteral(".pondrake")),
                       QCoreApplication::translate("SetExport", "Level sets (*.pondrake)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("pondrake"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    const QString path = dialog.selectedFiles().constFirst();
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
