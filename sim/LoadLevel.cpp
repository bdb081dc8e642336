#include "sim/LoadLevel.h"

#include "core/PlaceLevel.h"
#include "files/LevelFile.h"

LevelReading LoadLevel(const QString& path, modGlobals& globals, Random& random)
{
    LevelReading level = ReadLevelFile(path);
    placeLevel(level, globals, random);
    return level;
}

LevelReading LoadLevelBytes(const QByteArray& bytes, modGlobals& globals, Random& random)
{
    LevelReading level = ReadLevelBytes(bytes);
    placeLevel(level, globals, random);
    return level;
}
