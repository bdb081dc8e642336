#include "sim/LoadLevel.h"

#include "core/PlaceLevel.h"
#include "files/LevelFile.h"

LevelReading loadLevel(const QString& path, modGlobals& globals, Random& random)
{
    LevelReading level = readLevelFile(path);
    placeLevel(level, globals, random);
    return level;
}

LevelReading loadLevelBytes(const QByteArray& bytes, modGlobals& globals, Random& random)
{
    LevelReading level = readLevelBytes(bytes);
    placeLevel(level, globals, random);
    return level;
}
