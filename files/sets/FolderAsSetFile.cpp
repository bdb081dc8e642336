#include "files/sets/FolderAsSetFile.h"

#include "files/FileBytes.h"
#include "files/sets/SetPaths.h"

std::optional<SetFile> folderSetFile(const QString& setFolder, const QString& name)
{
    SetFile set{name.left(MaxSetNameLength), {}, {}, {}};
    const int count = countSetLevels(setFolder);
    if (count < 1 || std::size_t(count) > MaxSetLevels)
        return std::nullopt;
    for (int n = 1; n <= count; ++n) {
        const std::optional<FileHead> level = readFileHead(levelPathInSet(setFolder, Int16(n)), MaxSetLevelBytes);
        if (!level || level->cut)
            return std::nullopt;
        set.levels.push_back(level->bytes);
    }
    return set;
}
