#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>

#include <optional>

// What the game remembers between sittings, kept with QSettings in an INI file of its own (so the
// application's identity, and with it the data folder, stays as it is). A file that cannot be
// read, or a value that is not what it should be, gives that value's default: never a failure.
struct PlayerSettings {
    bool soundEffects = true;
    bool musicAutoPlay = true;
    QString levelSet;       // the folder of the set played last; empty for the shipped set
    QStringList otherSets;  // folders chosen with "Other Folder...", newest first
    QString editorFile;     // the level file the editor opened or saved last
    QString language;       // a language's code ("de"), or empty to follow the desktop's
    std::optional<QPoint> windowPos;
    // The world table: the server's address (empty: the game never touches the network), whether
    // games that enter the top ten are sent, and whether the player was asked that once.
    QString worldAddress;
    bool sendTopTenGames = false;
    bool worldAsked = false;
    friend bool operator==(const PlayerSettings&, const PlayerSettings&) = default;
};

// The settings file in the player's configuration folder.
QString playerSettingsPath(const QString& configFolder);

PlayerSettings readPlayerSettings(const QString& path);
// Whole or not at all; false when the file could not be written.
bool writePlayerSettings(const QString& path, const PlayerSettings& settings);
