#include "files/sets/SetPaths.h"

#include "files/LevelFile.h"
#include "files/sets/SetImport.h"

#include <QDir>
#include <QFileInfo>

#include <limits>

namespace {
// The context in which lupdate files this module's sentences for the translators.
const char* const Context = "LevelSet";
}  // namespace

QString levelPathInSet(const QString& setFolder, Int16 levelNumber)
{
    return setFolder + QStringLiteral("/level") + QString::number(levelNumber) + QStringLiteral(".txt");
}

QString shippedSetFolder(const QString& programFolder) { return programFolder + QStringLiteral("/levels"); }

QString myLevelsFolder(const QString& playerDataFolder) { return playerDataFolder + QStringLiteral("/My Levels"); }

bool sameFolder(const QString& a, const QString& b)
{
    const QString realA = QFileInfo(a).canonicalFilePath(), realB = QFileInfo(b).canonicalFilePath();
    if (!realA.isEmpty() && !realB.isEmpty())
        return realA == realB;
    return QDir::cleanPath(QDir(a).absolutePath()) == QDir::cleanPath(QDir(b).absolutePath());
}

int countSetLevels(const QString& setFolder)
{
    // Level numbers are 16-bit in the game: a set ends at the last number a game can reach.
    int count = 0;
    while (count < std::numeric_limits<Int16>::max() && fileExists(levelPathInSet(setFolder, Int16(count + 1))))
        ++count;
    return count;
}

SetProblem checkLevelSet(const QString& setFolder)
{
    const QFileInfo folder(setFolder);
    if (setFolder.isEmpty() || !folder.isDir())
        return SetProblem::NoFolder;
    if (!folder.isReadable() || !folder.isExecutable())
        return SetProblem::Unreadable;
    return fileExists(levelPathInSet(setFolder, 1)) ? SetProblem::None : SetProblem::NoFirstLevel;
}

Phrase levelSetProblemText(const QString& setFolder, SetProblem problem)
{
    const QString name = QDir::toNativeSeparators(setFolder);
    switch (problem) {
    case SetProblem::None:
        break;
    case SetProblem::NoFolder:
        return {Context, QT_TRANSLATE_NOOP("LevelSet", "The folder %1 is not there."), {name}};
    case SetProblem::Unreadable:
        return {Context, QT_TRANSLATE_NOOP("LevelSet", "The folder %1 cannot be read."), {name}};
    case SetProblem::NoFirstLevel:
        return {Context,
                QT_TRANSLATE_NOOP("LevelSet", "The folder %1 holds no level1.txt, so it is no level set: a set is a "
                                              "folder of level1.txt, level2.txt and so on."),
                {name}};
    }
    return {};
}

Phrase levelSetName(const QString& setFolder, const QString& programFolder, const QString& playerDataFolder)
{
    if (sameFolder(setFolder, shippedSetFolder(programFolder)))
        return {Context, QT_TRANSLATE_NOOP("LevelSet", "Pondrake Levels"), {}};
    if (!playerDataFolder.isEmpty() && sameFolder(setFolder, myLevelsFolder(playerDataFolder)))
        return {Context, QT_TRANSLATE_NOOP("LevelSet", "My Levels"), {}};
    if (const std::optional<SetFile> imported = keptSetHeader(setFolder))
        return Phrase::verbatim(imported->name);
    const QString name = QFileInfo(QDir::cleanPath(setFolder)).fileName();
    return Phrase::verbatim(name.isEmpty() ? QDir::toNativeSeparators(setFolder) : name);
}

QString nextFreeLevelName(const QString& setFolder)
{
    for (int n = 1; n < std::numeric_limits<Int16>::max(); ++n) {
        const QString path = levelPathInSet(setFolder, Int16(n));
        if (!QFileInfo(path).exists() && !QFileInfo(path).isSymLink())
            return QFileInfo(path).fileName();
    }
    return QStringLiteral("level.txt");
}
