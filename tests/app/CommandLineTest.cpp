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
    result.exitCode = answerCommandLine(QStringList{QStringLiteral("/usr/games/pondrake")} + arguments, out, err, file);
    return result;
}

}  // namespace

// Each command line's exit code (none: the game starts), standard output and error stream. The
// game starts silently with no arguments, with Qt's own options (and their values), which
// QApplication takes off the command line, and with one file. Help and version are printed on the
// standard output with exit code 0; asked for both, the version alone. Anything else is refused on
// the error stream with exit code 2, even beside --help or --version, so that a mistyped option
// never starts the game.
TEST(CommandLine, QtsOwnOptionsStartTheGameSilentlyHelpAndVersionAnswerAndAnythingElseIsRefused)
{
    const QString usage = "Usage: pondrake [options] [FILE]\n", version = "Pondrake " PONDRAKE_VERSION "\n";
    const auto refused = [](const char* why) {
        return "pondrake: " + QString::fromUtf8(why) + "\nTry 'pondrake --help' for more information.\n";
    };
    struct Case {
        QStringList arguments;
        std::optional<int> exitCode;
        QString out, err;  // of the help, its start
    };
    const std::vector<Case> cases = {
        {{}, std::nullopt, "", ""},
        {{"--platform", "xcb"}, std::nullopt, "", ""},
        {{"-qwindowtitle", "--version"}, std::nullopt, "", ""},              // a value, whatever it looks like
        {{"-style", "fusion", "-reverse"}, std::nullopt, "", ""},            // an option without a value may stand last
        {{"-hv"}, CommandLineRefused, "", refused("Unknown option 'hv'.")},  // single-dash words are one option each
        {{"--help", "--bogus"}, CommandLineRefused, "", refused("Unknown option 'bogus'.")},
        {{"--version=1"}, CommandLineRefused, "", refused("Unexpected value after '--version'.")},
        {{"-platform"}, CommandLineRefused, "", refused("Missing value after '-platform'.")},
        {{"rocks.pondrake", "game.replay"}, CommandLineRefused, "", refused("unexpected argument 'game.replay'.")},
        {{"--", "-v", "-h"}, CommandLineRefused, "", refused("unexpected argument '-h'.")},
        {{"-v"}, 0, version, ""},
        {{"-platform", "xcb", "--version"}, 0, version, ""},
        {{"--help", "--version"}, 0, version, ""},
        {{"--help"}, 0, usage, ""},
        {{"-style", "fusion", "-h"}, 0, usage, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const Answer a = answer(c.arguments);
        EXPECT_EQ(a.exitCode, c.exitCode);
        EXPECT_EQ(c.out == usage ? a.out.left(usage.size()) : a.out, c.out);
        EXPECT_EQ(a.err, c.err);
    }
    // One file starts the game, which imports or watches it.
    QString file;
    EXPECT_EQ(answer({"-style", "fusion", "--", "-my set.pondrake"}, &file).exitCode, std::nullopt);
    EXPECT_EQ(file, "-my set.pondrake");
    // The help lists our options and the manual page; Qt's are let through, not listed one by one.
    const QString help = answer({"--help"}).out;
    for (const char* line : {"-h, --help", "-v, --version", "pondrake(6)"})
        EXPECT_TRUE(help.contains(QLatin1String(line))) << line;
    EXPECT_FALSE(help.contains(QLatin1String("--platform")) || help.contains(QLatin1String("<value>")));
}
