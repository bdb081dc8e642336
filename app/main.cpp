#include "app/CommandLine.h"
#include "core/Random.h"
#include "core/modGlobals.h"
#include "files/ScoreLocation.h"
#include "screens/frmPondrake.h"
#include "ui/audio/AudioOutput.h"
#include "ui/audio/modSound.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QStandardPaths>

int main(int argc, char* argv[])
{
    // Before the application object: without a display QApplication would abort.
    if (const std::optional<int> answered = AnswerCommandLine(argc, argv))
        return *answered;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pondrake"));
    // Ties the window to the menu entry, and shows its icon where the icon theme has it.
    QGuiApplication::setDesktopFileName(QStringLiteral(PONDRAKE_APP_ID));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral(PONDRAKE_APP_ID)));
    // The windows are drawn in Verdana; where it is not installed, its closest free cousin.
    QFont::insertSubstitutions(QStringLiteral("Verdana"),
                               {QStringLiteral("DejaVu Sans"), QStringLiteral("Bitstream Vera Sans")});

    // The state both windows share for the whole run, made once and passed by reference.
    modGlobals globals;
    GameRandom random;  // seeded from the clock
    AudioOutput audio;
    modSound sound(audio);

    const QString programFolder = QCoreApplication::applicationDirPath();
    const QString dataFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    const QString scoresPath = ScoreLocation(programFolder, dataFolder);
    frmPondrake window(globals, random, sound, programFolder, scoresPath);
    // The settings have a file of their own: an organisation name for QSettings would move the data folder.
    window.usePlayerFolders(dataFolder, QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation));
    window.show();
    return QApplication::exec();
}
