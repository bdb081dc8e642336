#pragma once

#include "core/GameInput.h"
#include "core/LevelFlow.h"
#include "files/ReplayFile.h"

#include <functional>
#include <optional>

class PlayField;
class Random;

// Records every game from New Game to its end as a recording. It watches the inputs at the level
// flow; the window that plays the game tells it which level files it loaded and what each level's
// end showed, and ends the record when the game ends. A game continued from a kept one is recorded
// whole: the recording of its earlier sittings, then a sitting event, then what follows.
class GameRecorder final : public InputObserver {
public:
    using Finished = std::function<void(const GameRecording&)>;

    // At New Game (and at the continue of a kept game) the recorder reseeds the game's generator from newSeed() and
    // writes the seed down. Times are the clock's game time since New Game.
    GameRecorder(Clock& clock, Random& random, const PlayField& field, std::function<std::uint64_t()> newSeed);

    // Called with each game's recording as it ends: at finish(), or by the New Game that abandons it.
    void setFinished(Finished finished) { m_finished = std::move(finished); }
    // The folder the game reads its levels from, written into the header.
    void setFolder(const QString& folder);

    void observe(const GameInput& input) override;
    void levelLoaded(Int16 number, const QString& path);
    void levelOver(const LevelReport& report);
    // The game has ended (won, aborted or abandoned) with the field's score; nothing while idle.
    void finish();

    // The game so far, ended with the field's score as if it ended now: what is kept with a kept
    // game. Nothing while idle or when the game has grown past what a recording holds.
    std::optional<GameRecording> soFar() const;
    // The recording of the kept game's earlier sittings (see keptRecording), which the next
    // Continue goes on from. Without it a continued game is recorded from its kept level, with a
    // start in its header.
    void setEarlierSittings(std::optional<GameRecording> earlier) { m_earlier = std::move(earlier); }

private:
    void add(RecordedEvent event, Millis at);
    Millis since(Millis at) const;
    void begin(const GameInput& input);

    Clock& m_clock;
    Random& m_random;
    const PlayField& m_field;
    std::function<std::uint64_t()> m_newSeed;
    Finished m_finished;
    QString m_folder;
    std::optional<GameRecording> m_recording;
    std::optional<GameRecording> m_earlier;
    Millis m_start = 0;
    bool m_tooLong = false;
};

// A seed for a new game, from the clock.
std::uint64_t seedFromClock();
