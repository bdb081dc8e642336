// The menus, their shortcuts, and the keys the window itself takes.
#include "editor/frmEditor.h"

#include "editor/CheckCommand.h"
#include "editor/FileCommands.h"
#include "ui/HelpWindow.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>

void frmEditor::buildMenus()
{
    QMenu* mnuFile = menuBar->addMenu(tr("&File"));
    mnuNew = mnuFile->addAction(tr("New Level"), this, &frmEditor::mnuNew_Click);
    mnuNew->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    mnuOpen = mnuFile->addAction(tr("&Open Level"), m_files, &FileCommands::openLevel);
    mnuOpen->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    mnuSave = mnuFile->addAction(tr("Save Level"), m_files, &FileCommands::saveLevel);
    mnuSave->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    mnuCheck = mnuFile->addAction(tr("Check Level"), this, &frmEditor::mnuCheck_Click);
    mnuCheck->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_K));
    // In a setting's box Ctrl+K would delete to the end of the line: there it checks the level too.
    for (QLineEdit* box : {txtMusicFile, txtBonus, txtTurtle, txtDog})
        box->installEventFilter(this);
    mnuPlaySet = mnuFile->addAction(tr("Play This Set"), m_files, &FileCommands::playSet);
    mnuFile->addAction(tr("Export Set..."), m_files, &FileCommands::exportSet)
        ->setObjectName(QStringLiteral("mnuExportSet"));
    mnuExit = mnuFile->addAction(tr("Exit"), this, &frmEditor::mnuExit_Click);
    QMenu* mnuEdit = menuBar->addMenu(tr("&Edit"));
    mnuUndo = m_document->history().createUndoAction(mnuEdit, tr("&Undo"));
    mnuUndo->setShortcut(QKeySequence::Undo);
    mnuRedo = m_document->history().createRedoAction(mnuEdit, tr("&Redo"));
    mnuRedo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    mnuEdit->addAction(mnuUndo);
    mnuEdit->addAction(mnuRedo);
    audioMenu = addAudioMenu(menuBar, m_audio, tr("Music Auto Play"));
    QMenu* mnuHelp = menuBar->addMenu(tr("&Help"));
    mnuInstructions = mnuHelp->addAction(tr("Instructions"), this, [this] {
        HelpWindow::showPage(this, m_programFolder, HelpWindow::Instructions, HelpWindow::EditorSection);
    });
    mnuAbout = mnuHelp->addAction(tr("About"), this,
                                  [this] { HelpWindow::showPage(this, m_programFolder, HelpWindow::About); });
    for (const auto& [item, name] : {std::pair{mnuNew, "mnuNew"},
                                     {mnuOpen, "mnuOpen"},
                                     {mnuSave, "mnuSave"},
                                     {mnuCheck, "mnuCheck"},
                                     {mnuPlaySet, "mnuPlaySet"},
                                     {mnuExit, "mnuExit"},
                                     {mnuUndo, "mnuUndo"},
                                     {mnuRedo, "mnuRedo"},
                                     {mnuInstructions, "mnuInstructions"},
                                     {mnuAbout, "mnuAbout"}})
        item->setObjectName(QLatin1String(name));
}

void frmEditor::connectHistory()
{
    // A test is no step, and nothing done during it is one: End Test brings the board back.
    connect(&m_test, &TestMode::modeChanged, this, [this](bool editMode) {
        if (!editMode)
            m_check->cancel();  // a test takes the machine's attention
        m_document->setRecording(editMode);
        mnuUndo->setEnabled(editMode && m_document->history().canUndo());
        mnuRedo->setEnabled(editMode && m_document->history().canRedo());
    });
}

void frmEditor::keyPressEvent(QKeyEvent* event)
{
    // Escape does not close the editor as it would close a dialog: Exit and the close box do.
    if (event->key() == Qt::Key_Escape) {
        event->ignore();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool frmEditor::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride &&
        QKeySequence(static_cast<QKeyEvent*>(event)->keyCombination()) == mnuCheck->shortcut()) {
        event->ignore();  // not the box's: the shortcut's
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
