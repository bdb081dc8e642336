#include "files/PlayerFiles.h"

#include "files/ScoreLocation.h"
#include "files/sets/SetPaths.h"

#include <QDebug>
#include <QFile>

PlayerFiles::PlayerFiles(const QString& programFolder, const QString& shippedScores)
    : m_programFolder(programFolder), m_shippedScores(shippedScores), m_setFolder(shippedSetFolder(programFolder))
{
}

void PlayerFiles::usePlayerFolders(const QString& dataFolder, const QString& configFolder)
{
    m_dataFolder = dataFolder;
    m_settingsPath = configFolder.isEmpty() ? QString() : playerSettingsPath(configFolder);
    settings = readPlayerSettings(m_settingsPath);
    // A remembered set that is gone or no set any more gives the shipped one.
    if (!settings.levelSet.isEmpty() && checkLevelSet(settings.levelSet) == SetProblem::None)
        m_setFolder = settings.levelSet;
}

QString PlayerFiles::myLevels() const { return m_dataFolder.isEmpty() ? QString() : myLevelsFolder(m_dataFolder); }

bool PlayerFiles::shippedSet() const { return sameFolder(m_setFolder, shippedSetFolder(m_programFolder)); }

Phrase PlayerFiles::setName() const { return levelSetName(m_setFolder, m_programFolder, m_dataFolder); }

QString PlayerFiles::scoresPath() const
{
    return shippedSet() ? m_shippedScores : scoreLocationOfSet(m_setFolder, m_programFolder, m_dataFolder);
}

QString PlayerFiles::levelPath(Int16 levelNumber) const { return levelPathInSet(m_setFolder, levelNumber); }

void PlayerFiles::chooseSet(const QString& folder)
{
    m_setFolder = folder;
    settings.levelSet = shippedSet() ? QString() : folder;
}

QString PlayerFiles::keptGamePath() const
{
    return m_dataFolder.isEmpty() ? QString() : m_dataFolder + QStringLiteral("/keptgame.txt");
}

void PlayerFiles::keep(const KeptLevel& level)
{
    const QString path = keptGamePath();
    if (path.isEmpty())
        return;
    const KeptGame game{m_setFolder, level, levelDigest(levelPath(level.levelNumber))};
    if (saveKeptGame(path, game))
        return;
    // An older game left in place would continue a level this game has already passed.
    qWarning("The game could not be kept in %s", qPrintable(path));
    QFile::remove(path);
}

void PlayerFiles::forget()
{
    if (!keptGamePath().isEmpty())
        QFile::remove(keptGamePath());
}

std::optional<KeptGame> PlayerFiles::keptGame() const
{
    return keptGamePath().isEmpty() ? std::nullopt : readKeptGame(keptGamePath());
}

bool PlayerFiles::saveSettings() { return !m_settingsPath.isEmpty() && writePlayerSettings(m_settingsPath, settings); }
