#include "editor/EditorActions.h"

#include "editor/EditorWindow.h"
#include "editor/FileCommands.h"
#include "editor/LevelDocument.h"
#include "ui/HelpWindow.h"

#include <QAction>
#include <QMenuBar>
#include <QUndoStack>

EditorActions::EditorActions(QMenuBar& menuBar, EditorWindow& window, FileCommands& files, LevelDocument& document,
                             AudioControl& audio, const QString& programFolder)
{
    QMenu* file = menuBar.addMenu(tr("&File"));
    newAction = file->addAction(tr("New Level"), &window, &EditorWindow::newLevel);
    newAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    openAction = file->addAction(tr("&Open Level"), &files, &FileCommands::openLevel);
    openAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    saveAction = file->addAction(tr("Save Level"), &files, &FileCommands::saveLevel);
    saveAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    checkAction = file->addAction(tr("Check Level"), &window, &EditorWindow::checkLevel);
    checkAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_K));
    playSetAction = file->addAction(tr("Play This Set"), &files, &FileCommands::playSet);
    exportSetAction = file->addAction(tr("Export Set..."), &files, &FileCommands::exportSet);
    publishSetAction = file->addAction(tr("Publish Set..."), &files, &FileCommands::publishSet);
    exitAction = file->addAction(tr("Exit"), &window, &EditorWindow::exitEditor);
    QMenu* edit = menuBar.addMenu(tr("&Edit"));
    // Whole phrases, which a translator may order as the language does ("&Undo %1": the step).
    QUndoStack& history = document.history();
    const auto step = [edit, &history](const char* alone, const char* withStep, bool undo) {
        auto* action = new QAction(tr(alone), edit);
        action->setEnabled(false);
        const auto name = [action, alone, withStep](const QString& text) {
            action->setText(text.isEmpty() ? tr(alone) : tr(withStep).arg(text));
        };
        if (undo) {
            QObject::connect(&history, &QUndoStack::canUndoChanged, action, &QAction::setEnabled);
            QObject::connect(&history, &QUndoStack::undoTextChanged, action, name);
            QObject::connect(action, &QAction::triggered, &history, &QUndoStack::undo);
        } else {
            QObject::connect(&history, &QUndoStack::canRedoChanged, action, &QAction::setEnabled);
            QObject::connect(&history, &QUndoStack::redoTextChanged, action, name);
            QObject::connect(action, &QAction::triggered, &history, &QUndoStack::redo);
        }
        return action;
    };
    undoAction = step(QT_TR_NOOP("&Undo"), QT_TR_NOOP("&Undo %1"), true);
    undoAction->setShortcut(QKeySequence::Undo);
    redoAction = step(QT_TR_NOOP("&Redo"), QT_TR_NOOP("&Redo %1"), false);
    redoAction->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    edit->addAction(undoAction);
    edit->addAction(redoAction);
    audioMenu = addAudioMenu(&menuBar, audio, tr("Music Auto Play"));
    QMenu* help = menuBar.addMenu(tr("&Help"));
    instructionsAction = help->addAction(tr("Instructions"), &window, [&window, programFolder] {
        HelpWindow::showPage(&window, programFolder, HelpWindow::Instructions, HelpWindow::EditorSection);
    });
    aboutAction = help->addAction(tr("About"), &window, [&window, programFolder] {
        HelpWindow::showPage(&window, programFolder, HelpWindow::About);
    });
    for (const auto& [item, name] : {std::pair{newAction, "newAction"},
                                     {openAction, "openAction"},
                                     {saveAction, "saveAction"},
                                     {checkAction, "checkAction"},
                                     {playSetAction, "playSetAction"},
                                     {exportSetAction, "exportSetAction"},
                                     {publishSetAction, "publishSetAction"},
                                     {exitAction, "exitAction"},
                                     {undoAction, "undoAction"},
                                     {redoAction, "redoAction"},
                                     {instructionsAction, "instructionsAction"},
                                     {aboutAction, "aboutAction"}})
        item->setObjectName(QLatin1String(name));
}
