#include "sim/LoadLevel.h"

#include "core/PlaceLevel.h"
#include "files/LevelFile.h"

LevelReading loadLevel(const QString& path, Level& level, Random& random)
{
    LevelReading reading = readLevelFile(path);
    placeLevel(reading, level, random);
    return reading;
}

LevelReading loadLevelBytes(const QByteArray& bytes, Level& level, Random& random)
{
    LevelReading reading = readLevelBytes(bytes);
    placeLevel(reading, level, random);
    return reading;
}
