#pragma once

#include <QByteArray>
#include <QJsonArray>
#include <QString>

#include <atomic>
#include <cstdint>
#include <functional>
#include <vector>

class RecordingPlayer;

// What the server makes of a submitted game.
struct Verdict {
    bool accepted = false;
    std::int32_t score = 0;  // as played through the rules
    QByteArray set;          // the set's identity: 64 hexadecimal digits
    QString setName;
    int levelCount = 0;  // levels in the whole set
    QString message;     // why it was refused: names the line, or the level and checkpoint

    std::vector<std::uint64_t> seeds;  // with the set, the game's identity (see gameSeeds)
    // Why the game was stopped unfinished: past its own processor time (refused for good), or past
    // its wait on a busy server (it may be sent again).
    enum class Stop { None, ProcessorTime, Wait };
    Stop stop = Stop::None;
    // The refusal's kind, and the values its message holds (docs/server-api.md).
    QString code = QString();
    QJsonArray args = QJsonArray();
};

// The one door through which a submitted replay becomes a verdict. It reads the text with the
// game's own bounded reader and takes only a whole game that carries its set's levels: never a
// path of the sender's machine (a folder line, even an empty one), never a game continued from a
// claimed score (a start line), never one recorded before the game's clock decided when its
// timers fire. It plays the game through the rules, on their own clock, from the carried levels
// alone, and accepts it when every timer fires where the file says, every checkpoint comes out as
// recorded and the rules end the game at the recorded score; else it names the level and
// checkpoint where it went another way. Stops, refusing, once stop turns true.
//
// watch, when given, sees the game after each event it plays, as a window showing it would.
Verdict verifyGame(const QByteArray& replayText, const std::atomic<bool>& stop,
                   const std::function<void(const RecordingPlayer&)>& watch = {});
