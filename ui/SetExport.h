#pragma once

#include "files/Phrase.h"

#include <QString>

class QWidget;

// Export...: writes the set in a folder as one set file, NAME.pondrake, where the player chooses.
// The file's name is the set's name (an imported set's own is proposed, else the name the player
// sees, in the player's language); an imported set keeps its author and description. What stands
// in the way (a level that does not read whole, a file that cannot be written) is told in a
// message box. True when written.
bool exportSetFolder(QWidget* parent, const QString& folder, const Phrase& setName);
