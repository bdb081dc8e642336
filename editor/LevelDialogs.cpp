#include "editor/LevelDialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace {

std::optional<QString> ask(QFileDialog& dialog)
{
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

QString levelsFolder(const QString& programFolder) { return programFolder + QStringLiteral("/levels"); }

}  // namespace

std::optional<QString> LevelDialogs::chooseMusic(QWidget* parent, const QString& programFolder)
{
    QFileDialog dialog(parent, QStringLiteral("Music File"), programFolder + QStringLiteral("/audio"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters({QStringLiteral("Midi (*.mid *.rmi)"), QStringLiteral("MP3 (*.mp3)")});
    const std::optional<QString> path = ask(dialog);
    if (!path)
        return std::nullopt;
    return QFileInfo(*path).fileName();
}

std::optional<QString> LevelDialogs::chooseLevelToOpen(QWidget* parent, const QString& programFolder)
{
    QFileDialog dialog(parent, QStringLiteral("Open Level"), levelsFolder(programFolder));
    dialog.setFileMode(QFileDialog::ExistingFile);
    return ask(dialog);
}

std::optional<QString> LevelDialogs::chooseLevelToSave(QWidget* parent, const QString& programFolder)
{
    QFileDialog dialog(parent, QStringLiteral("Save Level"), levelsFolder(programFolder));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("txt"));
    return ask(dialog);
}

std::optional<QString> LevelDialogs::openProblem(const QString& path, LevelReadStatus status, int linesRead)
{
    const QString name = QDir::toNativeSeparators(path);
    if (status == LevelReadStatus::Missing)
        return QStringLiteral("The level file %1 could not be opened. The board and the settings are as they were.")
            .arg(name);
    if (status == LevelReadStatus::Stopped)
        return QStringLiteral("The level file %1 stops early: it could not be read at line %2. What came before that "
                              "line was opened; the rest of the board and the settings are as they were.")
            .arg(name)
            .arg(linesRead + 1);
    return std::nullopt;
}

void LevelDialogs::tellOpenProblem(QWidget* parent, const QString& message)
{
    QMessageBox::warning(parent, QStringLiteral("Open Level"), message);
}

void LevelDialogs::tellSaveFailed(QWidget* parent, const QString& path)
{
    QMessageBox::warning(parent, QStringLiteral("Save Level"),
                         QStringLiteral("The level could not be saved as %1. Nothing was written: a file that "
                                        "was there is as it was.")
                             .arg(QDir::toNativeSeparators(path)));
}
