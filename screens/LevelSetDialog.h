#pragma once

#include <QDialog>
#include <QStringList>

#include <optional>

class PlayerFiles;
class QListWidget;
class QPushButton;

// Game > Level Set...: the shipped set, My Levels, the imported sets and the folders chosen before,
// each with its name and number of levels; "Other Folder..." adds a folder, "Export..." writes the
// set selected as one file. A folder that is no set (no level1.txt, gone, unreadable) is refused
// with a message and the dialog stays open.
class LevelSetDialog : public QDialog {
    Q_OBJECT
public:
    LevelSetDialog(PlayerFiles& files, QWidget* parent = nullptr);

    // The folder chosen with OK.
    std::optional<QString> chosen() const { return m_chosen; }

    QListWidget* setList;
    QPushButton* otherFolderButton;
    QPushButton* exportButton;

    void accept() override;
    void addOtherFolder();
    void exportSet();

private:
    void addRow(const QString& folder);

    PlayerFiles& m_files;
    std::optional<QString> m_chosen;
};
