#pragma once

#include "files/ScoreFile.h"
#include "screens/FirstShowDialog.h"

#include <array>
#include <optional>

class AudioControl;
class InkDisplay;
class QLabel;
class QPushButton;

// The ten best scores from the score file it is given, each with its typed name or its
// handwriting. Shown with exec(); read afresh each time it opens; never writes. Closes on
// "Close" or on any key, except that the arrows choose a row whose game was kept, which Enter
// then watches.
class TopTenWindow : public FirstShowDialog {
    Q_OBJECT
public:
    explicit TopTenWindow(const QString& scoresPath, QWidget* parent = nullptr);

    // The row (0 for the best) of the entry just written, set before the window is shown: it
    // stands on a coloured band so that the player finds it.
    std::optional<int> newEntry;

    // Rows whose game was kept can be watched: a double-click opens its replay, as Enter does on
    // the row the arrows chose.
    void setRecordings(const QString& programFolder, AudioControl* audio);

    // The line under the table about the entry just made and the world table: shown from the
    // first call on, the window growing by one line to hold it.
    void showWorldLine(const QString& text);
    QLabel* worldLabel = nullptr;

    // Where row i stands in the window, from its rank to the end of its name.
    static QRect rowRect(int i);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void load() override;
    void findRecordings();
    void choose(int step);  // the next row up (-1) or down (1) that has a game to watch

    const QString m_scoresPath;
    QString m_programFolder;  // empty: no replays are offered
    AudioControl* m_audio = nullptr;
    std::array<QString, ScoreEntries> m_recordings;  // the replay file of each row, where there is one
    std::optional<int> m_chosen;                     // the row the arrows chose

    std::array<QLabel*, ScoreEntries> m_scoreLabels{};
    std::array<QLabel*, ScoreEntries> m_nameLabels{};
    std::array<InkDisplay*, ScoreEntries> m_inkNames{};
    QPushButton* m_closeButton;
};
