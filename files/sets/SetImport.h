#pragma once

#include "files/sets/SetFileFormat.h"

#include <QString>
#include <QStringList>

#include <optional>

// A level set between its folder and its file: a folder's levels gathered into a set file to
// export, and a set file's levels copied into the player's sets/ folder on import, where each
// imported set keeps its set file beside its levels for its name, author and description.

// Every imported set's folder (sets/ in the player's data folder), in the order of their names.
QStringList importedSets(const QString& playerDataFolder);

// The set file kept in an imported set's folder.
QString keptSetFilePath(const QString& setFolder);
// Its name, author and description (no levels), or nothing when the folder keeps none.
std::optional<SetFile> keptSetHeader(const QString& setFolder);

// A set's name as the name of its folder inside sets/: never a path, never hidden, never a name
// a file system reserves, never longer than a folder's name may be (docs/set-format.md).
QString safeSetFolderName(const QString& name);

struct SetGathering {
    std::optional<SetFile> set;
    Phrase problem;  // why the folder's set cannot be a set file, naming the level at fault
};

// The folder's levels (level1.txt up to the first one missing) byte for byte, held to the set
// file's bounds, each readable whole, under the header given.
SetGathering gatherSet(const QString& folder, SetFile header);

struct SetImport {
    enum class Outcome { Added, Known, Failed };
    Outcome outcome = Outcome::Failed;
    QString folder;  // the set's folder inside sets/
    QString name;    // as imported: "NAME (2)" when another set had taken the name
    Phrase problem;  // Failed: why
};

// Copies the set into sets/ in the player's data folder, byte for byte, through a temporary
// folder renamed into place once every file is whole: a failure leaves nothing behind. A set
// whose levels are those of a set imported before, or of one of the folders known (the shipped
// set), is Known and not copied again.
SetImport importSet(const SetFile& set, const QString& playerDataFolder, const QStringList& known = {});
