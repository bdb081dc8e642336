#pragma once

#include <QString>

#include <string>

// pondrake_sim --verify: plays a replay file headless and says whether it is the game it claims.
struct RecordingCheck {
    enum Status { Matches = 0, Diverges = 1, Unreadable = 2 };
    Status status = Unreadable;
    std::string json;  // one line
};

// A self-contained replay is played from the levels it carries, and no folder is looked in. For
// any other the levels are read from levelsFolder; when it is empty, from the folder the recording
// names if there is one, else from fallbackFolder.
RecordingCheck checkRecording(const QString& path, const QString& levelsFolder, const QString& fallbackFolder);
