#pragma once

#include "files/sets/SetFileFormat.h"

#include <QObject>
#include <QString>

class MainWindow;

// What the game window does with a file handed to it: by Game > Import Level Set..., a drop on the
// window, the command line or another start of the game. A level set file is imported into the
// player's sets/ and chosen, its level 1 standing idle, once a game in play has been given up (the
// Level Editor's question, as when choosing a set); a replay opens in the replay window. A file
// that cannot be used is told in a message box, and nothing changes.
class FileOpener : public QObject {
    Q_OBJECT
public:
    explicit FileOpener(MainWindow& window);  // and takes the files dropped on it

    // A level set or a replay, known by its first line (else by its name's ending).
    void open(const QString& path);
    void importFromDialog();
    // A set already read (from the world table): imported and chosen, or the message why not.
    void importSet(const SetFile& set);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void importSet(const QString& path);

    MainWindow& m_window;
};
