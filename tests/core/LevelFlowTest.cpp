// The level flow told as stories: tests/core/flows.txt holds each step the player takes and what
// the game window is then asked for.
#include "core/LevelFlow.h"

#include "core/Random.h"
#include "tests/support/BoardText.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>

namespace {

// The window's clock on a wall the story moves: "advance" rings at each moment due on the way,
// "late" moves the wall alone, as when the alarm has not rung yet.
struct StoryClock : Clock {
    Millis wall = 0;
    Millis drivingTime() const override { return wall; }
};

// One story's game, with this class standing in for its window: it logs what the flow asks for.
class Story : public GameWindow, public GameKeeper {
public:
    Story() { flow.setKeeper(this); }

    Level level;
    GameRandom random{99};
    PlayField field{level, random, GameScoring};
    StoryClock clock;
    LevelFlow flow{*this, field, clock};
    std::map<int, std::pair<std::string, Int16>> levels;  // board text and bonus seconds
    std::map<std::string, std::string> whileOpen;         // a command to run while a window is open
    std::vector<std::string> log;

    void showCountdown(std::string_view caption, CountdownColour colour) override
    {
        m_countdown = std::string(caption) + (colour == CountdownColour::Green ? " green" : "");
    }
    void hideCountdown() override { m_countdown = "-"; }
    void setGameButtonsEnabled(bool on) override { m_buttons = on; }
    void showPaused(bool on) override { m_paused = on; }
    Int16 loadLevel(Int16 n) override
    {
        log.push_back("load " + std::to_string(n));
        level.board = boardFromText(levels.at(n).first);
        level.music = "pond" + std::to_string(n) + ".mid";
        level.bonus = levels.at(n).second;
        level.turtleInterval = 500;
        level.dogInterval = 700;
        return static_cast<Int16>(turtlesOn(level.board));
    }
    bool levelExists(Int16 n) override { return levels.count(n) > 0; }
    void prepareMusic(const std::string& music) override { log.push_back("prepare " + music); }
    void playMusicIfAutoPlay() override { log.emplace_back("play music"); }
    void closeMusic() override { log.emplace_back("close music"); }
    void playEffect(std::string_view alias) override
    {
        if (alias == "Go" || alias == "cheer" || alias == "boo")  // the ticks' own sounds are the golden ticks' part
            log.emplace_back(alias);
    }
    void drawGrid() override { log.emplace_back("draw"); }
    void showTotals() override
    {
        shown = "score " + std::to_string(field.score) + " bonus " + std::to_string(field.time) + " saved " +
                std::to_string(field.saved) + " lost " + std::to_string(field.lost);
    }
    void showBonus() override { showTotals(); }
    void showLevelNumber(Int16 n) override { log.push_back("level " + std::to_string(n)); }
    void ask(Question q) override { open(q == Question::Abort ? "ask abort" : "ask level editor"); }
    void changeLevelSet() override
    {
        m_setChosen = true;
        log.emplace_back("set chosen");
        flow.start();  // as the window does: the set's level 1, idle
    }
    void showLevelOver(const LevelReport& r) override
    {
        open("level over", " " + std::to_string(r.levelNumber) + ": saved " + std::to_string(r.saved) + " lost " +
                               std::to_string(r.lost) + (r.replay ? " replay" : ""));
    }
    void showGameOver(std::int32_t score) override { open("game over", " " + std::to_string(score)); }
    void showTopTen() override { open("top ten"); }
    void showEditor() override { open("editor"); }

    std::string shown;          // the totals on the labels
    std::string kept = "none";  // the game kept for another sitting

    void keep(const KeptLevel& l) override
    {
        kept = "level " + std::to_string(l.levelNumber) + " score " + std::to_string(l.score) + " saved " +
               std::to_string(l.saved) + " lost " + std::to_string(l.lost) + (l.replay ? " replay" : "");
    }
    void forget() override { kept = "none"; }

    std::string timers() const  // C countdown, B bonus, T turtle, D dog; h held, - off
    {
        std::string text;
        for (const GameTimer t : AllTimers)
            text += clock.isHeld(t) ? 'h' : clock.isOn(t) ? "CBTD"[int(t)] : '-';
        return text;
    }

    std::string state() const
    {
        const Selection& s = field.selection;
        return std::string(flow.gameOver ? "ended" : "game") + (flow.replayingLevel ? " replay" : "") + " level " +
               std::to_string(flow.levelNumber) + " timers " + timers() + " buttons " + (m_buttons ? "on" : "off") +
               " countdown " + m_countdown + (m_paused ? " paused" : "") +
               (s.selectionActive ? " selected " + std::to_string(s.selectionCol) + "," + std::to_string(s.selectionRow)
                                  : "");
    }

    void run(const std::string& command)
    {
        using enum GameInput::Kind;
        static const std::map<std::string, GameInput::Kind> clicks = {
            {"new", NewGame},   {"replay", Replay}, {"scores", HighScores},  {"pause", Pause},
            {"resume", Resume}, {"window", Window}, {"closed", WindowClosed}};
        static const std::map<std::string, GameInput::Kind> questions = {
            {"abort", Abort}, {"editor", LevelEditor}, {"set", LevelSet}};
        static const std::map<std::string, GameTimer> beats = {{"countdown", GameTimer::CountDown},
                                                               {"bonus", GameTimer::Bonus},
                                                               {"turtle", GameTimer::Turtle},
                                                               {"dog", GameTimer::Dog}};
        std::istringstream in(command);
        std::string verb, answer;
        int n = 1;
        in >> verb;
        const auto number = [&](auto& value) {
            if (!(in >> value))
                ADD_FAILURE() << "a number is missing: " << command;
        };
        if (verb == "start") {
            flow.start();
        } else if (clicks.count(verb)) {
            flow.apply({clicks.at(verb)});
        } else if (beats.count(verb)) {
            if (!(in >> n))
                in.clear(), n = 1;  // one beat unless a count is given
            for (; n > 0; --n)
                flow.apply({.kind = Timer, .timer = beats.at(verb)});
        } else if (questions.count(verb)) {
            in >> answer;
            m_setChosen = false;
            flow.apply({questions.at(verb)});
            if (flow.asking())  // the answer is the next input
                flow.apply({.kind = Answer, .yes = answer == "yes" || answer == "ok"});
            if (verb == "set" && !m_setChosen)
                log.emplace_back("set refused");
        } else if (verb == "advance" || verb == "late") {
            number(n);
            clock.wall += n;
            if (verb == "advance")
                clock.runUntil(clock.wall);
        } else if (verb == "select") {
            number(field.selection.selectionCol);
            number(field.selection.selectionRow);
            field.selection.selectionActive = true;
        } else if (verb == "score" || verb == "turtles") {
            number(verb == "score" ? field.score : field.turtlesInLevel);
        } else {
            ADD_FAILURE() << "no such command: " << command;
        }
    }

private:
    // A question or a window opens: it shows the timers as they stand while it is open.
    void open(const std::string& window, const std::string& details = "")
    {
        log.push_back(window + details + " [" + timers() + "]");
        if (whileOpen.count(window))
            run(whileOpen[window]);
    }

    std::string m_countdown = "?";            // a new window shows its countdown label
    bool m_buttons = true, m_paused = false;  // and its buttons enabled, until told otherwise
    bool m_setChosen = false;
};

}  // namespace

TEST(LevelFlow, EveryStoryGoesAsWrittenDown)
{
    std::ifstream file(PONDRAKE_TEST_DIR "/core/flows.txt");
    ASSERT_TRUE(file.is_open());
    std::unique_ptr<Story> story;
    std::string title;
    int number = 0;
    for (std::string line; std::getline(file, line);) {
        const std::size_t colon = line.find(": ");
        const std::string head = line.substr(0, colon), rest = colon == std::string::npos ? "" : line.substr(colon + 2);
        std::string trace = "flows.txt:" + std::to_string(++number);
        SCOPED_TRACE(trace.append(": ").append(line).append("\n  in the story ").append(title));
        if (line.starts_with("## ")) {
            title = line;
            story = std::make_unique<Story>();
        } else if (line.starts_with("> ")) {
            story->log.clear();
            story->run(line.substr(2));
        } else if (line.starts_with("level ")) {
            std::istringstream in(line.substr(6));
            int n = 0;
            in >> n;
            in >> story->levels[n].first >> story->levels[n].second;
        } else if (head.starts_with("while ")) {
            story->whileOpen[head.substr(6)] = rest;
        } else if (head == "log") {
            std::string log;
            for (const std::string& entry : story->log)
                log += (log.empty() ? "" : " | ") + entry;
            EXPECT_EQ(log.empty() ? "-" : log, rest);
        } else if (head == "state") {
            EXPECT_EQ(story->state(), rest);
        } else if (head == "shown") {
            EXPECT_EQ(story->shown, rest);
        } else if (head == "board") {
            EXPECT_EQ(rowsOf(story->level.board), rowsOf(boardFromText(rest)));
        } else if (head == "kept") {
            EXPECT_EQ(story->kept, rest);
        } else if (head == "turtles") {
            EXPECT_EQ(std::to_string(story->field.turtlesInLevel), rest);
        } else if (!line.empty() && line[0] != '#') {
            ADD_FAILURE() << "cannot read this line";
        }
    }
}
