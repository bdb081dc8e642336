#pragma once

#include "core/KeptLevel.h"
#include "files/KeptGame.h"
#include "files/PlayerSettings.h"

#include <QString>

#include <optional>

// The files the game keeps for the player: which level set is played and where its top ten
// lies, the game kept across sittings, and the remembered settings. Without player folders (as
// in most tests) the shipped set is played and nothing is kept or remembered.
class PlayerFiles : public GameKeeper {
public:
    PlayerFiles(const QString& programFolder, const QString& shippedScores);

    // Where the player's data and settings go; reads the settings. An empty folder keeps nothing.
    void usePlayerFolders(const QString& dataFolder, const QString& configFolder);

    const QString& programFolder() const { return m_programFolder; }
    const QString& dataFolder() const { return m_dataFolder; }
    QString myLevels() const;  // empty without a data folder

    const QString& setFolder() const { return m_setFolder; }
    bool shippedSet() const;
    Phrase setName() const;
    QString scoresPath() const;
    QString levelPath(Int16 levelNumber) const;
    // Plays this set from now on; remembered when the settings are saved.
    void chooseSet(const QString& folder);

    // The kept game and what stands in its way.
    void keep(const KeptLevel& level) override;
    void forget() override;
    std::optional<KeptGame> keptGame() const;
    QString keptGamePath() const;

    PlayerSettings settings;
    bool saveSettings();

private:
    QString m_programFolder;
    QString m_shippedScores;
    QString m_dataFolder;
    QString m_settingsPath;
    QString m_setFolder;
};
