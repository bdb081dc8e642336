#include "files/ScoreLocation.h"

#include "files/ScoreFile.h"
#include "files/sets/SetPaths.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>

namespace {

// Whether a new score file could replace the one at path (or be made there): the save writes a
// new file beside it and renames it over the old one, so the folder must take new files, and an
// existing file must itself be writable, or the save refuses it.
bool canSaveAt(const QString& path)
{
    const QFileInfo file(path);
    if (file.exists())
        return file.isFile() && file.isWritable() && QFileInfo(file.absolutePath()).isWritable();
    // A missing levels folder is made by the save, in the program folder.
    QFileInfo folder(file.absolutePath());
    if (!folder.exists())
        folder = QFileInfo(folder.absolutePath());
    return folder.isDir() && folder.isWritable();
}

}  // namespace

QString installedMarkPath(const QString& programFolder)
{
    return programFolder + QStringLiteral("/" PONDRAKE_INSTALLED_MARK);
}

QString scoreLocation(const QString& programFolder, const QString& playerDataFolder)
{
    QString besideProgram = scoresPath(programFolder);
    if (!QFileInfo::exists(installedMarkPath(programFolder)) && canSaveAt(besideProgram))
        return besideProgram;
    return playerDataFolder.isEmpty() ? QString() : scoresPath(playerDataFolder);
}

QString scoreLocationOfSet(const QString& setFolder, const QString& programFolder, const QString& playerDataFolder)
{
    if (sameFolder(setFolder, shippedSetFolder(programFolder)))
        return scoreLocation(programFolder, playerDataFolder);
    QString inSet = setFolder + QStringLiteral("/scores.txt");
    if (QFileInfo(setFolder).isDir() && canSaveAt(inSet))
        return inSet;
    if (playerDataFolder.isEmpty())
        return {};
    // The folder's name for the player who looks, a digest of its whole path to keep sets of the
    // same name apart.
    const QString path = QDir::cleanPath(QDir(setFolder).absolutePath());
    QString name = QFileInfo(path).fileName();
    for (QChar& c : name)
        if (!c.isLetterOrNumber())
            c = u'_';
    const QByteArray digest = QCryptographicHash::hash(path.toUtf8(), QCryptographicHash::Sha256).toHex().left(16);
    return playerDataFolder + QStringLiteral("/set scores/") + name.left(40) + u'-' + QString::fromLatin1(digest) +
           QStringLiteral(".txt");
}
