#include "screens/LevelSetDialog.h"

#include "files/PlayerFiles.h"
#include "files/sets/SetImport.h"
#include "files/sets/SetPaths.h"
#include "ui/AccessibleNames.h"
#include "ui/SetExport.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

LevelSetDialog::LevelSetDialog(PlayerFiles& files, QWidget* parent) : QDialog(parent), m_files(files)
{
    setWindowTitle(tr("Level Set"));
    auto* layout = new QVBoxLayout(this);
    setList = new QListWidget(this);
    setList->setMinimumSize(420, 160);
    AccessibleNames::name(setList, tr("Level Sets"),
                          tr("The level sets to play: the shipped one, your own and others"));
    layout->addWidget(setList);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    otherFolderButton = buttons->addButton(tr("Other &Folder..."), QDialogButtonBox::ActionRole);
    exportButton = buttons->addButton(tr("&Export..."), QDialogButtonBox::ActionRole);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &LevelSetDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &LevelSetDialog::reject);
    connect(otherFolderButton, &QPushButton::clicked, this, &LevelSetDialog::addOtherFolder);
    connect(exportButton, &QPushButton::clicked, this, &LevelSetDialog::exportSet);
    connect(setList, &QListWidget::itemDoubleClicked, this, &LevelSetDialog::accept);

    addRow(shippedSetFolder(files.programFolder()));
    if (!files.myLevels().isEmpty())
        addRow(files.myLevels());
    for (const QString& folder : importedSets(files.dataFolder()))
        addRow(folder);
    for (const QString& folder : files.settings.otherSets)
        addRow(folder);
    if (!files.shippedSet())
        addRow(files.setFolder());
    setList->setCurrentRow(0);
    for (int row = 0; row < setList->count(); ++row)
        if (sameFolder(setList->item(row)->data(Qt::UserRole).toString(), files.setFolder()))
            setList->setCurrentRow(row);
}

void LevelSetDialog::addRow(const QString& folder)
{
    for (int row = 0; row < setList->count(); ++row)
        if (sameFolder(setList->item(row)->data(Qt::UserRole).toString(), folder))
            return;
    const int levels = countSetLevels(folder);
    const QString count = tr("%Ln levels", nullptr, levels);
    auto* item =
        new QListWidgetItem(QStringLiteral("%1 (%2)  %3")
                                .arg(levelSetName(folder, m_files.programFolder(), m_files.dataFolder()).translated(),
                                     count, QDir::toNativeSeparators(folder)),
                            setList);
    item->setData(Qt::UserRole, folder);
}

void LevelSetDialog::addOtherFolder()
{
    QFileDialog dialog(this, tr("Other Folder"), m_files.myLevels());
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString folder = QDir::cleanPath(dialog.selectedFiles().constFirst());
    if (const SetProblem problem = checkLevelSet(folder); problem != SetProblem::None) {
        QMessageBox::warning(this, windowTitle(), levelSetProblemText(folder, problem).translated());
        return;
    }
    addRow(folder);
    m_files.settings.otherSets.removeAll(folder);
    m_files.settings.otherSets.prepend(folder);
    for (int row = 0; row < setList->count(); ++row)
        if (sameFolder(setList->item(row)->data(Qt::UserRole).toString(), folder))
            setList->setCurrentRow(row);
    setList->setFocus();  // so that Enter plays the set just chosen, not asks for another folder
}

void LevelSetDialog::exportSet()
{
    if (const QListWidgetItem* item = setList->currentItem()) {
        const QString folder = item->data(Qt::UserRole).toString();
        exportSetFolder(this, folder, levelSetName(folder, m_files.programFolder(), m_files.dataFolder()));
    }
}

void LevelSetDialog::accept()
{
    const QListWidgetItem* item = setList->currentItem();
    if (!item)
        return;
    const QString folder = item->data(Qt::UserRole).toString();
    if (folder == m_files.myLevels())
        QDir().mkpath(folder);  // made when first used, so that the player finds it
    // Checked again: the folder may have gone or changed since the list was made.
    if (const SetProblem problem = checkLevelSet(folder); problem != SetProblem::None) {
        QMessageBox::warning(this, windowTitle(), levelSetProblemText(folder, problem).translated());
        return;
    }
    m_chosen = folder;
    QDialog::accept();
}
