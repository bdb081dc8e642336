#include "editor/LevelDialogs.h"

#include <QCoreApplication>
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

// Save Level's dialog, which turns down the score table before it would ask to replace it.
class LevelSaveDialog : public QFileDialog {
public:
    using QFileDialog::QFileDialog;

    void accept() override
    {
        const QStringList chosen = selectedFiles();
        if (!chosen.isEmpty() && LevelDialogs::isScoreTable(chosen.constFirst())) {
            QMessageBox::warning(this, QCoreApplication::translate("LevelDialogs", "Save Level"),
                                 QCoreApplication::translate(
                                     "LevelDialogs", "%1 is the table of high scores, not a level: a level is never "
                                                     "saved over it. Choose another name.")
                                     .arg(QDir::toNativeSeparators(chosen.constFirst())));
            return;
        }
        QFileDialog::accept();
    }
};

}  // namespace

std::optional<QString> LevelDialogs::chooseMusic(QWidget* parent, const QString& programFolder)
{
    QFileDialog dialog(parent, QCoreApplication::translate("LevelDialogs", "Music File"),
                       programFolder + QStringLiteral("/audio"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters({QStringLiteral("Midi (*.mid *.rmi)"), QStringLiteral("MP3 (*.mp3)")});
    const std::optional<QString> path = ask(dialog);
    if (!path)
        return std::nullopt;
    return QFileInfo(*path).fileName();
}

std::optional<QString> LevelDialogs::chooseLevelToOpen(QWidget* parent, const QString& folder)
{
    QFileDialog dialog(parent, QCoreApplication::translate("LevelDialogs", "Open Level"), folder);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return ask(dialog);
}

std::optional<QString> LevelDialogs::chooseLevelToSave(QWidget* parent, const QString& folder,
                                                       const QString& proposedName)
{
    LevelSaveDialog dialog(parent, QCoreApplication::translate("LevelDialogs", "Save Level"), folder);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters({QCoreApplication::translate("LevelDialogs", "Level files (*.txt)"),
                           QCoreApplication::translate("LevelDialogs", "All files (*)")});
    dialog.setDefaultSuffix(QStringLiteral("txt"));
    dialog.selectFile(proposedName);
    return ask(dialog);
}

bool LevelDialogs::isScoreTable(const QString& path)
{
    const auto named = [](const QString& file) {
        return QFileInfo(file).fileName().compare(QStringLiteral("scores.txt"), Qt::CaseInsensitive) == 0;
    };
    // A link is written through: what counts is the file it leads to.
    const QString target = QFileInfo(path).canonicalFilePath();
    return named(path) || (!target.isEmpty() && named(target));
}

std::optional<QString> LevelDialogs::openProblem(const QString& path, const LevelReading& level)
{
    const QString name = QDir::toNativeSeparators(path);
    if (level.status == LevelReadStatus::Missing)
        return QCoreApplication::translate(
                   "LevelDialogs",
                   "The level file %1 could not be opened. The board and the settings are as they were.")
            .arg(name);
    if (level.status == LevelReadStatus::Stopped)
        return QCoreApplication::translate("LevelDialogs",
                                           "The level file %1 stops early: it could not be read at line %2. What came "
                                           "before that line was opened; the rest of the board and "
                                           "the settings are as they were.")
            .arg(name, QString::number(level.linesRead + 1));
    return std::nullopt;
}

void LevelDialogs::tellOpenProblem(QWidget* parent, const QString& message)
{
    QMessageBox::warning(parent, QCoreApplication::translate("LevelDialogs", "Open Level"), message);
}

void LevelDialogs::tellSaveFailed(QWidget* parent, const QString& path)
{
    QMessageBox::warning(parent, QCoreApplication::translate("LevelDialogs", "Save Level"),
                         QCoreApplication::translate("LevelDialogs",
                                                     "The level could not be saved as %1. Nothing was written: a file "
                                                     "that was there is as it was.")
                             .arg(QDir::toNativeSeparators(path)));
}
