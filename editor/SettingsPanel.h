#pragma once

#include "files/LevelFile.h"

#include <QFrame>

class QLabel;
class QLineEdit;
class QPushButton;
class SettingBox;

// The settings panel frameControl: the selected palette item, the test button, and the four
// settings a level file carries (music file name, bonus seconds, turtle and dog periods).
class SettingsPanel : public QFrame {
    Q_OBJECT

public:
    static constexpr int PanelWidth = 233;
    static constexpr int PanelHeight = 201;

    explicit SettingsPanel(QWidget* parent);

    // The four texts as they stand: what Save Level writes and a test reads.
    LevelSettingsText settings() const;
    // The program's own setting of all four (Open Level, undo): the sliders follow the numbers.
    void showSettings(const LevelSettingsText& settings);

    QLabel* pictSelected;
    QPushButton* butTest;
    QLineEdit* txtMusicFile;
    QPushButton* butMusic;
    SettingBox* bonus;
    SettingBox* turtle;
    SettingBox* dog;
};
