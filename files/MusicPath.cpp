#include "files/MusicPath.h"

#include <QFileInfo>

bool isBareFileName(const QString& name)
{
    return !name.isEmpty() && name != u"." && name != u".." && !name.contains(u'/') && !name.contains(u'\\') &&
           !QFileInfo(name).isAbsolute();
}

QString musicPath(const QString& programFolder, const QString& name)
{
    return isBareFileName(name) ? programFolder + QStringLiteral("/audio/") + name : QString();
}
