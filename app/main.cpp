#include "app/CommandLine.h"
#include "app/EditorLauncher.h"
#include "app/SingleGame.h"
#include "core/Level.h"
#include "core/Random.h"
#include "files/PlayerSettings.h"
#include "files/ScoreLocation.h"
#include "screens/MainWindow.h"
#include "ui/Translations.h"
#include "ui/audio/AudioOutput.h"
#include "ui/audio/SoundEffects.h"

#include <QApplication>
#include <QFileInfo>
#include <QFont>
#include <QIcon>
#include <QLocale>
#include <QStandardPaths>
#include <QTimer>

#include <cstdio>

namespace {

// A language chosen in Game > Language... applies from the next start; else the desktop's.
void speakPlayersLanguage()
{
    QCoreApplication::setApplicationName(QStringLiteral("Pondrake"));
    const QString configFolder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    const QString chosen = readPlayerSettings(playerSettingsPath(configFolder)).language;
    Translations::install(QCoreApplication::applicationDirPath(),
                          Translations::pick(chosen, QLocale::system().uiLanguages()));
}

}  // namespace

int main(int argc, char* argv[])
{
    // Before the application object: without a display QApplication would abort.
    QString file;
    if (const std::optional<int> answered = answerCommandLine(argc, argv, &file, speakPlayersLanguage))
        return *answered;
    if (!file.isEmpty())
        file = QFileInfo(file).absoluteFilePath();  // the game that takes it may stand elsewhere
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pondrake"));
    // Ties the window to the menu entry, and shows its icon where the icon theme has it.
    QGuiApplication::setDesktopFileName(QStringLiteral(PONDRAKE_APP_ID));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral(PONDRAKE_APP_ID)));
    // The windows are drawn in Verdana; where it is not installed, its closest free cousin.
    QFont::insertSubstitutions(QStringLiteral("Verdana"),
                               {QStringLiteral("DejaVu Sans"), QStringLiteral("Bitstream Vera Sans")});

    // The level both windows share for the whole run, made once and passed by reference: the game
    // plays on it, the editor edits it, and each lays the next level file over what the other left.
    Level level;
    GameRandom random;  // seeded from the clock
    AudioOutput audio;
    SoundEffects sound(audio);

    const QString programFolder = QCoreApplication::applicationDirPath();
    const QString dataFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    const QString configFolder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    speakPlayersLanguage();  // before the first window

    SingleGame single(dataFolder);
    if (single.handOver(file))
        return 0;
    const QString scoresPath = scoreLocation(programFolder, dataFolder);
    MainWindow window(level, random, sound, programFolder, scoresPath);
    EditorLauncher editor(window, level, random, sound);
    // The settings have a file of their own: an organisation name for QSettings would move the data folder.
    window.usePlayerFolders(dataFolder, configFolder);
    if (!single.listen())
        std::fprintf(stderr, "pondrake: files opened later start a game of their own\n");
    QObject::connect(&single, &SingleGame::handedOver, &window, [&window](const QString& handed) {
        window.raise();
        window.activateWindow();
        if (!handed.isEmpty())
            window.openFile(handed);
    });
    window.show();
    if (!file.isEmpty())
        QTimer::singleShot(0, &window, [&window, file] { window.openFile(file); });
    return QApplication::exec();
}
