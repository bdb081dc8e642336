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

Answer answer(const QStringList& arguments)
{
    Answer result;
    QTextStream out(&result.out), err(&result.err);
    result.exitCode = AnswerCommandLine(QStringList{QStringLiteral("/usr/games/pondrake")} + arguments, out, err);
    return result;
}

}  // namespace

// Arguments the game starts with: none, or Qt's own options (with their values), which
// QApplication takes off the command line. Nothing is printed.
TEST(CommandLine, NothingOrQtsOwnOptionsStartTheGameSilently)
{
    std::vector<QStringList> cases = {
        {},
        {"-platform=xcb"},
        {"--platform", "xcb"},
        {"-style", "fusion", "-reverse"},
        {"-display", ":13", "-geometry", "680x700+0+0", "-widgetcount"},
    };
    // Qt's options as its documentation lists them: an option that takes a value takes the next
    // argument whatever it looks like, and one that takes none may stand last.
    for (const char* withValue :
         {"platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry", "qwindowicon", "qwindowtitle",
          "session", "display", "geometry", "style", "stylesheet", "qmljsdebugger"})
        cases.push_back({QStringLiteral("-") + withValue, "--version"});
    for (const char* flag : {"reverse", "widgetcount"})
        cases.push_back({QStringLiteral("-") + flag});
    for (const QStringList& arguments : cases) {
        const Answer a = answer(arguments);
        EXPECT_FALSE(a.exitCode.has_value()) << arguments.join(' ').toStdString();
        EXPECT_TRUE(a.out.isEmpty() && a.err.isEmpty()) << arguments.join(' ').toStdString();
    }
}

// Help and version: printed on the standard output, exit code 0, nothing on the error stream.
TEST(CommandLine, HelpAndVersionAreAnsweredOnTheStandardOutput)
{
    const QString version = QStringLiteral("Pondrake " PONDRAKE_VERSION "\n");
    const std::pair<QStringList, bool> cases[] = {
        {{"--version"}, true}, {{"-v"}, true},  {{"-platform", "xcb", "--version"}, true},
        {{"--help"}, false},   {{"-h"}, false}, {{"-style", "fusion", "-h"}, false},
    };
    for (const auto& [arguments, isVersion] : cases) {
        const Answer a = answer(arguments);
        const std::string label = arguments.join(' ').toStdString();
        EXPECT_EQ(a.exitCode, 0) << label;
        EXPECT_TRUE(a.err.isEmpty()) << label;
        if (isVersion) {
            EXPECT_EQ(a.out, version) << label;
        } else {
            EXPECT_TRUE(a.out.startsWith(QStringLiteral("Usage: pondrake [options]\n"))) << a.out.toStdString();
            for (const char* line : {"-h, --help", "-v, --version", "pondrake(6)"})
                EXPECT_TRUE(a.out.contains(QLatin1String(line))) << line;
            // Qt's options are let through, not listed one by one.
            EXPECT_FALSE(a.out.contains(QLatin1String("--platform")) || a.out.contains(QLatin1String("<value>")))
                << a.out.toStdString();
        }
    }
    // Asked for both, the version is printed alone.
    EXPECT_EQ(answer({"--help", "--version"}).out, version);
}

// Anything else is refused on the error stream with exit code 2, even beside --help or --version,
// so that a mistyped option never starts the game.
TEST(CommandLine, AnythingElseIsRefusedWithAMessage)
{
    const std::pair<QStringList, const char*> cases[] = {
        {{"--versoin"}, "pondrake: Unknown option 'versoin'."},
        {{"-hv"}, "pondrake: Unknown option 'hv'."},  // single-dash words are one option each
        {{"--help", "--bogus"}, "pondrake: Unknown option 'bogus'."},
        {{"--version=1"}, "pondrake: Unexpected value after '--version'."},
        {{"-platform"}, "pondrake: Missing value after '-platform'."},
        {{"level1.txt"}, "pondrake: unexpected argument 'level1.txt'."},
        {{"--", "-v"}, "pondrake: unexpected argument '-v'."},
    };
    for (const auto& [arguments, message] : cases) {
        const Answer a = answer(arguments);
        const std::string label = arguments.join(' ').toStdString();
        EXPECT_EQ(a.exitCode, CommandLineRefused) << label;
        EXPECT_TRUE(a.out.isEmpty()) << label;
        EXPECT_EQ(a.err, QString::fromUtf8(message) + "\nTry 'pondrake --help' for more information.\n") << label;
    }
}
