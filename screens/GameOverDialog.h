#pragma once

#include "core/Int16.h"
#include "files/ScoreFile.h"
#include "screens/FirstShowDialog.h"

#include <cstdint>
#include <optional>

class InkPicture;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// Shown modally when a game has ended: the final score and, when it beats the tenth best, a typed
// or handwritten name for the top-ten table in the score file it is given.
// Set yourScore, then exec(). The window closes itself after a Submit (which saves) or Bummer;
// closed by its close box it saves nothing. Escape never closes it while it asks for a name.
class GameOverDialog : public FirstShowDialog {
    Q_OBJECT
public:
    explicit GameOverDialog(const QString& scoresPath, QWidget* parent = nullptr);

    std::int32_t yourScore = 0;

    // The place (0 for the best) of the entry a Submit wrote into the table; nothing before a
    // Submit or when the table could not be written.
    std::optional<int> newEntryPlace() const { return m_newEntryPlace; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildTopScoreBox();
    void buildNotTopBox();

    void load() override;
    void submitTypedName();
    // True when the key was Enter, which submits the typed name instead of reaching the box.
    bool submitOnEnter(int key);
    void submitHandwriting();
    void clearInk();
    void closeWithoutEntry();

    void readTable();
    void writeEntry(const QString& name, std::int32_t score, Int16 kind);

    const QString m_scoresPath;
    ScoreTable m_scores;  // topKinds, topScores, topNames
    std::optional<int> m_newEntryPlace;

    QLabel* m_levelLabel;
    QLabel* m_scoreLabel;
    QGroupBox* m_topScoreBox;
    InkPicture* m_inkPicture;
    QPushButton* m_clearButton;
    QPushButton* m_submitInkButton;
    QLineEdit* m_nameEdit;
    QPushButton* m_submitNameButton;
    QGroupBox* m_notTopBox;
    QPushButton* m_bummerButton;
};
