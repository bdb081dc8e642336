#include "ui/SavePath.h"

#include <QDir>
#include <QFileDialog>

QString askSavePath(QWidget* parent, const QString& title, const QString& proposed, const QString& filter,
                    const QString& suffix)
{
    QFileDialog dialog(parent, title, QDir::home().filePath(proposed), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(suffix);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}
