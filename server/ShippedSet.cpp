#include "server/ShippedSet.h"

#include "files/sets/FolderAsSetFile.h"
#include "files/sets/SetPaths.h"

QByteArray shippedSetIdentity()
{
    // The game reads the same folder the same way when it sends a game of the pack.
    const std::optional<SetFile> pack = folderSetFile(QStringLiteral(":/shipped"), ShippedSetName);
    return pack ? setIdentity(pack->levels) : QByteArray();
}
