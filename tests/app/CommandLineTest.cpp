// The game's command line: what it answers before any window exists, and what it lets through.

#include "app/CommandLine.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace {

struct Answer {
    std::optional<int> exitCode;
    QString out, err;
};

Answer answer(const QStringList& arguments, QString* file = nullptr)
{
    Answer result;
    QTextStream out(&result.out), err(&result.err);
    result.exitCode = AnswerCommandLine(QStringList{QStringLiteral("/usr/games/pondrake")} + arguments, out, err, file);
    return result;
}

}  // namespace

// The game starts, and nothing is printed, with no arguments, with Qt's own options (and their
// values), which QApplication takes off the command line, and with one file. Anything else is refused on the error
// stream with exit code 2, even beside --help or --version, so that a mistyped option never starts
// the game.
TEST(CommandLine, QtsOwnOptionsStartTheGameSilentlyAndAnythingElseIsRefused)
{
    std::vector<std::pair<QStringList, QString>> cases = {
        {{}, ""},
        {{"-platform=xcb"}, ""},
        {{"--platform", "xcb"}, ""},
        {{"-style", "fusion", "-reverse"}, ""},  // an option without a value may stand last
        {{"-display", ":13", "-geometry", "680x700+0+0", "-widgetcount"}, ""},
        {{"--versoin"}, "Unknown option 'versoin'."},
        {{"-hv"}, "Unknown option 'hv'."},  // single-dash words are one option each
        {{"--help", "--bogus"}, "Unknown option 'bogus'."},
        {{"--version=1"}, "Unexpected value after '--version'."},
        {{"-platform"}, "Missing value after '-platform'."},
        {{"rocks.pondrake", "game.replay"}, "unexpected argument 'game.replay'."},
        {{"--", "-v", "-h"}, "unexpected argument '-h'."},
    };
    // Qt's options that take a value, as its documentation lists them: each takes the next
    // argument whatever it looks like.
    for (const QString& option : QStringLiteral("platform platformpluginpath platformtheme plugin qwindowgeometry "
                                                "qwindowicon qwindowtitle session display geometry style stylesheet "
                                                "qmljsdebugger")
                                     .split(u' '))
        cases.push_back({{u'-' + option, "--version"}, ""});
    // One file starts the game, which imports or watches it.
    QString file;
    EXPECT_EQ(answer({"-style", "fusion", "--", "-my set.pondrake"}, &file).exitCode, std::nullopt);
    EXPECT_EQ(file, "-my set.pondrake");
    for (const auto& [arguments, refusal] : cases) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        const Answer a = answer(arguments);
        EXPECT_EQ(a.exitCode, refusal.isEmpty() ? std::nullopt : std::optional(CommandLineRefused));
        EXPECT_TRUE(a.out.isEmpty());
        EXPECT_EQ(a.err, refusal.isEmpty()
                             ? refusal
                             : "pondrake: " + refusal + "\nTry 'pondrake --help' for more information.\n");
    }
}

// Help and version: printed on the standard output, exit code 0, nothing on the error stream.
// Asked for both, the version is printed alone.
TEST(CommandLine, HelpAndVersionAreAnsweredOnTheStandardOutput)
{
    const std::pair<QStringList, bool> cases[] = {
        {{"--version"}, true},
        {{"-v"}, true},
        {{"-platform", "xcb", "--version"}, true},
        {{"--help", "--version"}, true},
        {{"--help"}, false},
        {{"-h"}, false},
        {{"-style", "fusion", "-h"}, false},
    };
    for (const auto& [arguments, isVersion] : cases) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        const Answer a = answer(arguments);
        EXPECT_EQ(a.exitCode, 0);
        EXPECT_TRUE(a.err.isEmpty());
        if (isVersion) {
            EXPECT_EQ(a.out, QStringLiteral("Pondrake " PONDRAKE_VERSION "\n"));
            continue;
        }
        EXPECT_TRUE(a.out.startsWith(QStringLiteral("Usage: pondrake [options] [FILE]\n"))) << a.out.toStdString();
        for (const char* line : {"-h, --help", "-v, --version", "pondrake(6)"})
            EXPECT_TRUE(a.out.contains(QLatin1String(line))) << line;
        // Qt's options are let through, not listed one by one.
        EXPECT_FALSE(a.out.contains(QLatin1String("--platform")) || a.out.contains(QLatin1String("<value>")));
    }
}
