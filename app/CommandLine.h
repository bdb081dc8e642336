#pragma once

#include <QStringList>
#include <QTextStream>

#include <optional>

// The game's command line, answered before the application object exists: --help and --version
// need no window and no display. Qt's own options (-platform, -style, ...) are let through for
// QApplication to take, and one file (a level set to import or a replay to watch) goes to file;
// anything else is refused with a message.
//
// Returns the exit code when the command line has been answered (help or version printed to out,
// a refusal told on err), or nothing when the game should start.
std::optional<int> answerCommandLine(const QStringList& arguments, QTextStream& out, QTextStream& err,
                                     QString* file = nullptr);

// The same for main's arguments, printing to the standard output and error in the language that
// speak installs into the application object made for the answer.
std::optional<int> answerCommandLine(int argc, char* argv[], QString* file, void (*speak)());

// The exit code of a command line that was refused.
constexpr int CommandLineRefused = 2;
