#include "app/CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

namespace {

const QString Command = QStringLiteral("pondrake");

class CommandLine {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

// The options QGuiApplication and QApplication take off the command line themselves.
struct QtOption {
    const char* name;
    bool takesValue;
};
constexpr QtOption QtOptions[] = {
    {"platform", true},     {"platformpluginpath", true}, {"platformtheme", true},
    {"plugin", true},       {"qwindowgeometry", true},    {"qwindowicon", true},
    {"qwindowtitle", true}, {"reverse", false},           {"session", true},
    {"display", true},      {"geometry", true},           {"style", true},
    {"stylesheet", true},   {"widgetcount", false},       {"qmljsdebugger", true},
};

}  // namespace

std::optional<int> answerCommandLine(const QStringList& arguments, QTextStream& out, QTextStream& err, QString* file)
{
    QCommandLineParser parser;
    // Qt's options are single-dash words: "-reverse" is one option, not -r -e -v ...
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        CommandLine::tr("Pondrake, an action puzzle game: steer turtles to the water with the mouse,\n"
                        "past holes, hopping aliens and stamping feet. A level editor makes new levels."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  CommandLine::tr("Show this help and quit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     CommandLine::tr("Show the version and quit."));
    parser.addOption(help);
    parser.addOption(version);
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 CommandLine::tr("A level set (.pondrake) to import and play, or a replay (.replay) "
                                                 "to watch. A game already running takes it over."),
                                 QStringLiteral("[FILE]"));
    for (const QtOption& qt : QtOptions) {
        QCommandLineOption option(QString::fromLatin1(qt.name));
        if (qt.takesValue)
            option.setValueName(QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }

    QString refusal;
    if (!parser.parse(arguments))
        refusal = parser.errorText();
    else if (parser.positionalArguments().size() > 1)
        refusal = CommandLine::tr("unexpected argument '%1'.").arg(parser.positionalArguments().at(1));
    if (!refusal.isEmpty()) {
        err << Command << ": " << refusal << '\n'
            << CommandLine::tr("Try '%1 --help' for more information.").arg(Command) << '\n';
        return CommandLineRefused;
    }
    if (parser.isSet(version)) {
        out << "Pondrake " << PONDRAKE_VERSION << '\n';
        return 0;
    }
    if (parser.isSet(help)) {
        // Without an application object the parser cannot know the program's name.
        out << parser.helpText().replace(QStringLiteral("<executable_name>"), Command) << '\n'
            << CommandLine::tr("Qt's own options, such as -platform and -style, are passed on to Qt.\n"
                               "Where the scores and levels are kept, and what the game reads from its\n"
                               "environment: see the manual page, pondrake(6).\n");
        return 0;
    }
    if (file)
        *file = parser.positionalArguments().value(0);
    return std::nullopt;
}

std::optional<int> answerCommandLine(int argc, char* argv[], QString* file, void (*speak)())
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QString unsaid;
    QTextStream quiet(&unsaid);
    if (!answerCommandLine(arguments, quiet, quiet, file))
        return std::nullopt;  // the game starts
    // The answer is worded in the player's language, which needs an application object; one of the
    // core alone needs no display, and it is gone before the program ends.
    QCoreApplication core(argc, argv);
    speak();
    QTextStream out(stdout);  // flushed as they go out of scope
    QTextStream err(stderr);
    return answerCommandLine(arguments, out, err, file);
}
