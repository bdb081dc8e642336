// The rules on the board as golden cases: tests/core/board_rules.txt holds ticks and mouse
// commands, one case a line, with the board before and after written as text.
#include "core/HeadlessWindow.h"
#include "core/KeyCommands.h"
#include "core/MouseCommands.h"
#include "core/PlayField.h"

#include "core/Random.h"
#include "tests/support/BoardText.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>

namespace {

// What the window is asked to play and draw, in order.
struct Shown : HeadlessWindow {
    std::string played;
    void say(std::string_view what)
    {
        if (!what.empty())
            played += (played.empty() ? "" : " ") + std::string(what);
    }
    void playEffect(std::string_view alias) override { say(alias); }
    void drawGrid() override { say("draw"); }
};

const std::map<std::string, BoardKey> keys = {
    {"left", BoardKey::Left}, {"right", BoardKey::Right},      {"up", BoardKey::Up},        {"down", BoardKey::Down},
    {"tab", BoardKey::Next},  {"backtab", BoardKey::Previous}, {"space", BoardKey::Choose}, {"escape", BoardKey::LetGo},
};

}  // namespace

TEST(BoardRules, EveryGoldenCaseEndsAsWrittenDown)
{
    std::ifstream file(PONDRAKE_TEST_DIR "/core/board_rules.txt");
    ASSERT_TRUE(file.is_open());
    int number = 0;
    for (std::string line; std::getline(file, line);) {
        ++number;
        if (line.empty() || line[0] == '#')
            continue;
        std::vector<std::string> f;  // what | steps | before | after | played and drawn | counts | selection
        std::istringstream fields(line);
        for (std::string field; std::getline(fields, field, '|');) {
            const std::size_t first = field.find_first_not_of(' ');
            f.push_back(field.substr(first, field.find_last_not_of(' ') + 1 - first));
        }
        ASSERT_GE(f.size(), 6u) << line;
        SCOPED_TRACE("board_rules.txt:" + std::to_string(number) + ": " + f[0]);

        // First the scoring and the scripted draws (a w x d a turtle's new way, kN an alien's key, rN
        // the roll); the other words are the steps.
        int time = 9, score = 0;
        std::vector<double> draws;
        std::vector<std::string> steps;
        std::istringstream words(f[1]);
        for (std::string t; words >> t;) {
            if (t.starts_with("time=") || t.starts_with("score="))
                (t[0] == 't' ? time : score) = std::stoi(t.substr(t.find('=') + 1));
            else if (t.size() == 1 && std::string("awxd").find(t) != std::string::npos)
                draws.push_back((std::string("awxd").find(t) + 0.5) / 4);
            else if ((t[0] == 'k' || t[0] == 'r') && std::isdigit(t.back()))
                draws.push_back((std::stoi(t.substr(1)) - 0.5) / (t[0] == 'k' ? 9 : 10));
            else
                steps.push_back(t);
        }
        Level level;
        level.board = boardFromText(f[2]);
        for (int i = 0; i < GridSize; ++i)  // blanks past the edges, where not given: a step off the board shows
            for (auto* past : {&level.board(BoardSize, i), &level.board(i, BoardSize)})
                *past = *past == Tile::Empty ? Tile::Blank : *past;
        SequenceRandom random(draws);
        PlayField field(level, random, GameScoring);
        field.turtlesInLevel = static_cast<Int16>(turtlesOn(level.board));
        field.time = static_cast<Int16>(time);
        field.score = static_cast<Int16>(score);
        if (f.size() > 6 && f[6][0] != '-')
            field.selection = {true, Int16(std::stoi(f[6])), Int16(std::stoi(f[6].substr(f[6].find(',') + 1)))};

        // Then the steps, in order; any other word is a mistake in the table.
        Shown shown;
        BoardCursor cursor;
        Clock clock;
        LevelFlow door(shown, field, clock);  // a key's inputs go where the mouse's go
        std::size_t i = 0;
        const auto next = [&](std::string& word) { return i < steps.size() ? (word = steps[i++], true) : false; };
        for (std::string step, x, y; next(step);) {
            if (step == "T" || step == "D") {
                for (std::string_view sound : field.moveCreatures(step == "T").sounds)
                    shown.say(sound);
            } else if (step == "press" && next(x) && next(y)) {
                field.mouseDown(shown, std::stof(x), std::stof(y));
            } else if (step == "move" && next(x) && next(y)) {
                field.mouseMove(shown, std::stof(x), std::stof(y));
            } else if (step == "release") {
                field.mouseUp(shown);
            } else if (step == "letgo") {
                field.letGo(shown);
            } else if (step == "key" && next(x) && keys.count(x)) {
                for (const GameInput& input : cursor.press(keys.at(x), level.board, field.selection, field.drag()))
                    door.apply(input);
            } else if (step == "cursor" && next(x)) {  // where the cursor stands now, or "-" for hidden
                cursor.follow(field.selection);
                EXPECT_EQ(cursor.shown() ? std::to_string(cursor.cell().col) + "," + std::to_string(cursor.cell().row)
                                         : "-",
                          x);
            } else {
                ADD_FAILURE() << "no such step: " << step;
            }
        }
        const std::string& played = shown.played;
        EXPECT_EQ(rowsOf(level.board), rowsOf(boardFromText(f[3])));
        EXPECT_EQ(played.empty() ? "-" : played, f[4]);
        EXPECT_EQ(random.remaining(), 0u) << "every scripted draw is taken, and no more";
        EXPECT_EQ(std::to_string(field.saved) + " " + std::to_string(field.lost) + " " + std::to_string(field.score),
                  f[5]);
        EXPECT_EQ(std::tie(field.turtlesSavedInLevel, field.turtlesLostInLevel), std::tie(field.saved, field.lost));
        EXPECT_EQ(field.turtlesInLevel, turtlesOn(level.board)) << "every turtle gone is counted once";
        const Selection& s = field.selection;
        if (f.size() > 6) {
            EXPECT_EQ(s.selectionActive ? std::to_string(s.selectionCol) + "," + std::to_string(s.selectionRow) : "-",
                      f[6].substr(f[6].find('>') + 1));
        }
    }
}
