// Every window as a screen reader walks it: each control it meets has a name, and a label that
// shows a value is named by what the value is, not by the number it shows. And a level as a
// reader hears it, told once each of what happens.
#include "editor/CheckCommand.h"
#include "editor/CheckLevelWindow.h"
#include "editor/EditorWindow.h"
#include "screens/FindSetsWindow.h"
#include "screens/LanguageDialog.h"
#include "screens/LevelSetDialog.h"
#include "screens/WorldTableDialog.h"
#include "screens/WorldTopTenWindow.h"
#include "sim/LevelJudge.h"
#include "tests/support/GameWindowTest.h"
#include "ui/Announcer.h"
#include "ui/HelpWindow.h"
#include "ui/RecordingWindow.h"
#include "ui/Translations.h"
#include "ui/net/WorldClient.h"

#include <QAccessible>
#include <QMenu>
#include <QProgressDialog>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <set>

namespace {

// Roles that only hold other controls, which a reader names by what they hold (a row of buttons). A
// client of our own with nothing in it is a control of its own (a handwriting surface); Qt's empty
// ones are parts of its own controls (a scroll area's viewport).
bool holdsOnly(QAccessibleInterface& part)
{
    static const std::set<QAccessible::Role> holders{QAccessible::Pane, QAccessible::MenuBar, QAccessible::PopupMenu,
                                                     QAccessible::ScrollBar, QAccessible::Separator};
    const bool ours = part.object() && part.object()->metaObject()->className()[0] != 'Q';
    const bool holder = part.role() == QAccessible::Client || part.role() == QAccessible::Grouping;
    return holders.count(part.role()) || (holder && (part.childCount() > 0 || !ours));
}

// Where part and what lies under it have no name, or only a number for one, as "where (role)". Controls
// hidden for now (the countdown before a level) are walked too: they show in play.
void walk(QAccessibleInterface* part, const QString& where, QStringList& unnamed)
{
    bool number = false;
    const QString name = part->text(QAccessible::Name).trimmed();
    if ((name.isEmpty() && !holdsOnly(*part)) || (name.toDouble(&number), number))
        unnamed << QStringLiteral("%1 (%2) \"%3\"").arg(where).arg(part->role()).arg(name);
    for (int i = 0; i < part->childCount(); ++i)
        if (QAccessibleInterface* child = part->child(i))
            walk(child, where + u'/' + (child->object() ? child->object()->objectName() : QString::number(i)), unnamed);
}

// The window and its menus, which a reader meets open.
QStringList unnamedIn(QWidget& window)
{
    QStringList unnamed;
    walk(QAccessible::queryAccessibleInterface(&window), window.metaObject()->className(), unnamed);
    for (QMenu* menu : window.findChildren<QMenu*>()) {
        QAccessibleInterface* items = QAccessible::queryAccessibleInterface(menu);
        for (int i = 0; i < items->childCount(); ++i)
            walk(items->child(i), menu->title() + QString::number(i), unnamed);
    }
    return unnamed;
}

using AccessibilityWalk = GameWindowTest;

}  // namespace

TEST_F(AccessibilityWalk, EveryControlOfEveryWindowHasAName)
{
    sitDown();
    MainWindow& game = *window;
    EditorWindow editor(level, random, sound, program);
    LevelOverWindow levelOver;
    levelOver.fill({3, 1, 2, true});
    GameOverDialog notTop(scores);
    GameOverDialog top(scores);
    top.yourScore = 500;
    TopTenWindow topTen(scores);
    topTen.showWorldLine(QStringLiteral("Sending..."));
    LevelSetDialog sets(game.files());
    CheckResult checked;
    checked.linesRead = 24;
    checked.botRuns = {RunOutcome{}};
    CheckLevelWindow check(checked, nullptr);
    RecordingWindow replay(GameRecording{}, program + "/levels", program, nullptr);
    HelpWindow* help = HelpWindow::showPage(&game, program, HelpWindow::Instructions);
    WorldTableDialog worldTable(QString(), false);
    WorldClient client;
    WorldTopTenWindow worldTop(client, QString(), QString(), program, nullptr);
    worldTop.showTop({QStringLiteral("Set"),
                      2,
                      {{1, 7, false, QStringLiteral("Ann"), {}, 900, QDateTime::currentDateTimeUtc()},
                       {2, 8, true, {}, {}, 40, {}}}});
    HelpWindow* about = HelpWindow::showPage(&editor, program, HelpWindow::About);
    FindSetsWindow findSets(client, QString());
    findSets.showSets({{QString(64, u'a'), QStringLiteral("Rocks"), {}, {}, 2, 0, 0, 3}});
    LanguageDialog language(QString(), QStringLiteral("de"));
    CheckCommand checking(editor, program, nullptr, 1);

    for (QWidget* shown : std::initializer_list<QWidget*>{&game, &editor, &levelOver, &notTop, &top, &topTen, &sets,
                                                          &check, &replay, &worldTable, &worldTop, help, about,
                                                          &findSets, &language, editor.findChild<QProgressDialog*>()}) {
        shown->show();
        EXPECT_EQ(unnamedIn(*shown).join(u'\n').toStdString(), "");
    }
    EXPECT_EQ(levelOver.accessibleName() + u'|' + levelOver.accessibleDescription(),
              "Level 3 Over!|Turtles saved this level: 1, Turtles lost this level: 2, Replay Level - You must save at "
              "least half of the turtles to advance.");
}

// Offscreen, QAccessible stays off unless the platform's own accessibility is switched on.
TEST_F(AccessibilityWalk, AReaderIsToldOnceOfGoEachTurtleSavedAndTheLevelsEnd)
{
    static QStringList told;
    told.clear();
    Translations::install(QCoreApplication::applicationDirPath(), Translations::English);  // its plural forms
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
    QAccessible::installUpdateHandler([](QAccessibleEvent* event) {
        if (event->type() == QAccessible::ObjectShow)
            if (qobject_cast<Announcer*>(event->object()))
                told << event->accessibleInterface()->text(QAccessible::Name);  // what a reader is told
    });
    sitDown();
    window->actions().newGame->trigger();
    enterName(QStringLiteral("Reader"));  // the set's only level won
    playLevel();
    QAccessible::installUpdateHandler(nullptr);
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(false);
    EXPECT_EQ(told, QStringList({"GO!", "1 turtle saved. Level 1 over. Saved: 1, lost: 0."}));
}
