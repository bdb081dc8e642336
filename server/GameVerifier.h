#pragma once

#include <QByteArray>
#include <QString>

#include <atomic>
#include <cstdint>

class RecordingPlayer;

// What the server makes of a submitted game.
struct Verdict {
    bool accepted = false;
    std::int32_t score = 0;  // as played through the rules
    QByteArray set;          // the set's identity: 64 hexadecimal digits
    QString setName;
    int levelCount = 0;  // levels in the whole set
    QString message;     // why it was refused: names the line, or the level and checkpoint
};

// The one door through which a submitted replay becomes a verdict. It reads the text with the
// game's own bounded reader and takes only a whole game that carries its set's levels: never a
// path of the sender's machine (a folder line), never a game continued from a claimed score (a
// start line). Stops, refusing, once stop turns true.
Verdict verifyGame(const QByteArray& replayText, const std::atomic<bool>& stop);

// The verdict of a replay played through the rules: its score when every checkpoint and the end
// came out as recorded, else the level and checkpoint where it went another way.
Verdict verdictOfPlay(RecordingPlayer& player, const std::atomic<bool>& stop);
