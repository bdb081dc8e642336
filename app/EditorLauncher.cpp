#include "app/EditorLauncher.h"

#include "editor/EditorWindow.h"
#include "editor/FileCommands.h"
#include "screens/MainWindow.h"

EditorLauncher::EditorLauncher(MainWindow& window, Level& level, Random& random, SoundEffects& sound)
    : QObject(&window), m_window(window), m_level(level), m_random(random), m_sound(sound)
{
    connect(&window, &MainWindow::editorRequested, this, &EditorLauncher::open);
}

void EditorLauncher::open()
{
    PlayerFiles& files = m_window.files();
    EditorWindow editor(m_level, m_random, m_sound, m_window.programFolder(), &m_window);
    editor.files().useSetFolders(files.myLevels(), files.settings.editorFile);
    editor.files().useWorldTable(files.settings.worldAddress);
    editor.exec();
    files.settings.editorFile = editor.files().lastFile();
    files.saveSettings();
    // Play This Set starts its game once the flow is done with the editor.
    if (const std::optional<QString> folder = editor.files().playSetChosen())
        QMetaObject::invokeMethod(
            &m_window, [window = &m_window, set = *folder] { window->sets().play(set); }, Qt::QueuedConnection);
}
