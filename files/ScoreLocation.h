#pragma once

#include <QString>

// Where a copy of the game keeps its top-ten table. A copy run where it was built keeps it in its
// own levels/scores.txt. An installed copy never writes into its own folder: installing leaves a
// mark beside the program, and a copy that carries the mark, or that could not write its score
// file where it stands, keeps the table in the player's data folder (levels/scores.txt there).
// Decided once at start-up; both score windows are handed the result.

// The mark that installing leaves in the program folder.
QString installedMarkPath(const QString& programFolder);

// The score file for this program folder. An empty playerDataFolder (no home to keep data in)
// gives an empty path when the program folder will not do: nothing is read and a save fails.
QString scoreLocation(const QString& programFolder, const QString& playerDataFolder);

// The score file of a level set. The shipped set keeps the table as above. Any other set keeps
// scores.txt in its own folder when a new table could be saved there, else a table in the
// player's data folder, "set scores/", under a name made from the set's path (empty when there
// is no data folder either).
QString scoreLocationOfSet(const QString& setFolder, const QString& programFolder, const QString& playerDataFolder);
