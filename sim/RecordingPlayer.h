#pragma once

#include "core/HeadlessWindow.h"
#include "core/LevelFlow.h"
#include "core/Random.h"
#include "files/ReplayFile.h"

#include <QString>

#include <atomic>
#include <optional>
#include <string>
#include <vector>

// Where a recording went another way than the game it records: the event at which that showed.
struct Divergence {
    std::size_t event = 0;  // index into the recording's events
    Phrase message;
};

// Plays a recording through the game's own rules on a board, play field, clock and generator of its
// own: every recorded event reaches the level flow in order, and each level's end and the final
// score are checked against what the game showed. A level whose bytes are not those the game
// played refuses the recording before anything is played. A later sitting goes on from the level
// the rules themselves kept, which must be the one the file names.
class RecordingPlayer final : private HeadlessWindow, private GameKeeper {
public:
    // Who decides when the timers fire. The clock: the rules' own clock is moved to each event's
    // time and fires every timer as the game's did, and each timer line must stand exactly where
    // it fires (the check of every game). As recorded: each timer line fires its timer while the
    // rules have it running, wherever it stands; for watching games recorded before the clock
    // decided (ClockedVersion).
    enum class Timing { Clock, AsRecorded };

    // A self-contained recording is played from the levels it carries and levelsFolder is never
    // looked in; any other from the files its levels name in levelsFolder.
    explicit RecordingPlayer(GameRecording recording, const QString& levelsFolder = {}, Timing timing = Timing::Clock);
    // How a recording is watched: by the clock, unless an earlier version recorded it and it does
    // not play so.
    static Timing timingFor(const GameRecording& recording, const QString& levelsFolder);

    // Why the recording cannot be played ("Level 4 has changed since this game was played"), or nothing.
    const std::optional<Phrase>& refusal() const { return m_refusal; }
    // Whether each of the recording's levels has the bytes the game played, in the recording's order.
    const std::vector<bool>& levelsMatched() const { return m_matched; }

    // Plays the next event (with the events of a window it opens, up to its closing); false at the
    // end, after a divergence, or when refused.
    bool step();
    // Plays to the end; stops early, between two events, once stop turns true.
    void playToEnd(const std::atomic<bool>* stop = nullptr);
    bool atEnd() const { return m_next >= m_recording.events.size(); }
    std::size_t position() const { return m_next; }  // events played
    Timing timing() const { return m_timing; }
    const GameRecording& recording() const { return m_recording; }
    const std::optional<Divergence>& divergence() const { return m_divergence; }
    // The level ends the recording reached, each as the rules showed it and the file confirmed.
    const std::vector<Checkpoint>& levelEnds() const { return m_levelEnds; }
    // The end line came with the score the rules reached.
    bool endConfirmed() const { return m_endConfirmed; }
    // The rules ended the game (won, aborted or given up) where the end line stands: a game left
    // in the middle, or abandoned for a new one, confirms only its score so far.
    bool gameEnded() const { return m_gameEnded; }
    // Where a game going on in a later sitting would start now, as the rules kept it; nothing
    // once the game is over.
    const std::optional<KeptLevel>& kept() const { return m_kept; }

    // What a window showing the recording draws.
    const Level& level() const { return m_level; }
    const PlayField& field() const { return m_field; }
    Int16 levelNumber() const { return m_levelShown; }  // as the game's level label shows it
    bool paused() const { return m_flow.paused(); }
    const std::string& countdown() const { return m_countdown; }  // empty when hidden
    // How many levels the game has started: a level played again counts again.
    std::size_t levelsStarted() const { return m_levelsStarted; }
    const Phrase& happened() const { return m_happened; }  // "Level 3 passed: 8 saved, 1 lost"
    // The sound effects asked for since the last call.
    std::vector<std::string_view> takeEffects() { return std::exchange(m_effects, {}); }

private:
    // The context in which lupdate files the player's sentences for the translators.
    static constexpr const char* Context = "RecordingPlayer";

    void play(const RecordedEvent& event);
    void fire(const RecordedEvent& event);
    bool arriveAt(Millis at);
    void playWindow();
    void goOn(const RecordedEvent& sitting);
    const QByteArray* carriedLevel(Int16 number) const;
    void diverge(const Phrase& message);
    void diverge(const char* text, QStringList args = {}) { diverge(Phrase{Context, text, std::move(args)}); }

    // The window: what the flow shows that a watcher sees, and its windows checked against the
    // recording. A question's answer is the recording's own later event.
    void showCountdown(std::string_view caption, CountdownColour) override { m_countdown = caption; }
    void hideCountdown() override { m_countdown.clear(); }
    Int16 loadLevel(Int16 levelNumber) override;
    bool levelExists(Int16 levelNumber) override;
    void playEffect(std::string_view alias) override { m_effects.push_back(alias); }
    void showLevelNumber(Int16 levelNumber) override { m_levelShown = levelNumber; }
    void showLevelOver(const LevelReport& report) override;
    void showGameOver(std::int32_t) override { gameEnds(); }
    void changeLevelSet() override { gameEnds(); }  // the game was given up for another set
    void showEditor() override { gameEnds(); }      // or for the editor
    void gameEnds();                                // the recording must end here
    // High Scores during a game; the top ten after the game over is past the recording's end.
    void showTopTen() override
    {
        if (!m_flow.gameOver)
            playWindow();
    }

    // GameKeeper: the level a later sitting would go on from.
    void keep(const KeptLevel& level) override { m_kept = level; }
    void forget() override { m_kept.reset(); }

    GameRecording m_recording;
    QString m_folder;
    Level m_level;
    GameRandom m_random;
    PlayField m_field;
    Timing m_timing;
    Clock m_clock;  // moved by hand to each event's time; never moved as recorded
    LevelFlow m_flow;
    std::size_t m_next = 0;
    std::optional<Phrase> m_refusal;
    std::vector<bool> m_matched;
    std::optional<Divergence> m_divergence;
    std::vector<Checkpoint> m_levelEnds;
    std::optional<std::size_t> m_checked;  // the checkpoint the rules reached, by index
    bool m_endConfirmed = false;
    bool m_gameEnded = false;
    std::optional<KeptLevel> m_kept;
    Int16 m_levelShown = 1;
    std::size_t m_levelsStarted = 0;
    std::string m_countdown;
    Phrase m_happened;
    std::vector<std::string_view> m_effects;
};
