#pragma once

#include "editor/EditHistory.h"
#include "files/LevelFile.h"

#include <QFrame>

#include <initializer_list>

class LevelDocument;
class QLabel;
class QLineEdit;
class QPushButton;
class SettingBox;

// The settings panel: the selected palette item, the test button, and the four
// settings a level file carries (music file name, bonus seconds, turtle and dog periods). The
// level document holds the settings; the panel shows them and tells it what the designer does.
class SettingsPanel : public QFrame {
    Q_OBJECT

public:
    // As drawn for English captions; a longer translation widens the panel.
    static constexpr int PanelWidth = 233;
    static constexpr int PanelHeight = 201;

    explicit SettingsPanel(QWidget* parent);

    // The four texts as the boxes show them.
    LevelTexts settings() const;
    // From now on the boxes show the document's settings and every key typed, slider moved and
    // Enter pressed goes to it.
    void follow(LevelDocument& document);

    QLabel* selectedPicture() const { return m_selectedPicture; }
    QPushButton* testButton() const { return m_testButton; }
    // Presses the test button, Test Level or End Test, from anywhere in the editor: during a test the
    // board keeps Tab, so no other key reaches the button.
    static constexpr QKeyCombination TestKey{Qt::CTRL | Qt::Key_T};
    QLineEdit* musicFileEdit() const { return m_musicFileEdit; }
    QPushButton* musicButton() const { return m_musicButton; }
    SettingBox* bonus() const { return m_bonus; }
    SettingBox* turtle() const { return m_turtle; }
    SettingBox* dog() const { return m_dog; }

private:
    void widenCaptions(std::initializer_list<QLabel*> captions);
    void nameControls();  // for a screen reader
    // The program's own setting of one (Open Level, undo): a slider follows its number.
    void showSetting(LevelSetting setting, const QString& text);
    SettingBox* box(LevelSetting setting) const;

    QLabel* m_selectedPicture;
    QPushButton* m_testButton;
    QLineEdit* m_musicFileEdit;
    QPushButton* m_musicButton;
    SettingBox* m_bonus;
    SettingBox* m_turtle;
    SettingBox* m_dog;
};
