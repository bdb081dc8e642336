#include "tools/sim/Players.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

std::vector<TimedCommand> read(const std::string& text)
{
    std::istringstream in(text);
    return readScript(in);
}

}  // namespace

TEST(Script, ReadsCommandsSkippingCommentsAndBlankLinesAndWritesThemBack)
{
    const std::vector<TimedCommand> commands = read("# a game\r\n0 3 4 down\r\n\r\n   \n7200 19 0 none\n7200 0 19 left");
    ASSERT_EQ(commands.size(), 3u);
    EXPECT_EQ(commands[0].at, 0);
    EXPECT_EQ(commands[0].command.col, 3);
    EXPECT_EQ(commands[0].command.row, 4);
    EXPECT_EQ(commands[0].command.direction, DragDirection::Down);
    EXPECT_EQ(commands[1].command.direction, DragDirection::None);
    std::string written;
    for (const TimedCommand& c : commands)
        written += scriptLine(c) + "\n";
    EXPECT_EQ(written, "0 3 4 down\n7200 19 0 none\n7200 0 19 left\n");
    EXPECT_EQ(read(written).size(), 3u);
}

TEST(Script, ALineThatCannotBeReadNamesItsNumberAndWhy)
{
    const struct {
        std::string text;
        int line;
        std::string says;
    } cases[] = {
        {"0 1 2 sideways", 1, "unknown direction sideways"},
        {"# ok\n0 1 2 up\n100 1 2", 3, "expected"},
        {"1e3 1 2 up", 1, "expected"},
        {"10 1 2 up\n5 1 2 up", 2, "backwards"},
        {"0 20 2 up", 1, "off the board"},
        {"0 1 -1 up", 1, "off the board"},
        {"0 1 20 up", 1, "off the board"},
        {"-5 1 2 up", 1, "outside"},
        {"600001 1 2 up", 1, "outside"},
        {"0 1 2 up now", 1, "unexpected text after the direction: now"},
    };
    for (const auto& c : cases) {
        try {
            read(c.text);
            ADD_FAILURE() << "accepted: " << c.text;
        } catch (const ScriptError& error) {
            EXPECT_EQ(error.line, c.line) << c.text;
            EXPECT_NE(error.message.find(c.says), std::string::npos) << error.message;
        }
    }
}

TEST(Script, APlayerGivesEachCommandAtItsTimeAndAsksToBeWokenForTheNext)
{
    ScriptPlayer player(read("0 1 1 up\n0 2 2 down\n900 3 3 left\n"));
    modGlobals globals;
    EXPECT_EQ(player.decide({globals, 0})->col, 1);
    EXPECT_EQ(player.decide({globals, 0})->col, 2);
    EXPECT_FALSE(player.decide({globals, 0}));
    EXPECT_EQ(player.wakeAt(), 900);
    EXPECT_FALSE(player.decide({globals, 899}));
    EXPECT_EQ(player.decide({globals, 900})->col, 3);
    EXPECT_FALSE(player.wakeAt());
}

TEST(Script, ARecordingPlayerWritesDownTheCommandsAndTracesWhatItSees)
{
    std::istringstream in("0 2 0 down\n");
    ScriptPlayer inner(readScript(in));
    std::ostringstream trace;
    RecordingPlayer recorder(inner, &trace);
    modGlobals globals;
    ClearBoard(globals.board);
    globals.board(2, 0) = Tile::TurtleLeft;
    globals.board(19, 19) = Tile::Water;
    globals.TurtlesInLevel = 1;
    ASSERT_TRUE(recorder.decide({globals, 0}));
    EXPECT_FALSE(recorder.decide({globals, 0}));
    ASSERT_EQ(recorder.commands().size(), 1u);
    EXPECT_EQ(scriptLine(recorder.commands()[0]), "0 2 0 down");
    const std::string text = trace.str();
    EXPECT_EQ(text.rfind("t=0 turtles in play 1\nbbabbbbbbbbbbbbbbbbb\n", 0), 0u);
    EXPECT_NE(text.find("bbbbbbbbbbbbbbbbbbb$\ncommand 0 2 0 down\n"), std::string::npos);
}
