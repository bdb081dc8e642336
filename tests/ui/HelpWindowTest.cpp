// The help window: one per opener, the editor's section of the instructions, and a page that is
// missing.

#include "ui/HelpWindow.h"

#include "tests/support/WindowTestSupport.h"

#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>

TEST(HelpWindow, OneWindowPerOpenerAtTheEditorsSectionAndAMissingPageSaysSo)
{
    QWidget opener;
    HelpWindow* window = HelpWindow::showPage(&opener, QStringLiteral(PONDRAKE_DATA_DIR), HelpWindow::Instructions,
                                              HelpWindow::EditorSection);
    QTextBrowser& browser = *window->browser();
    EXPECT_EQ(browser.cursorForPosition(QPoint(4, 4)).block().text(), QStringLiteral("Making your own levels"));
    HelpWindow::showPage(&opener, QStringLiteral(PONDRAKE_DATA_DIR), HelpWindow::Instructions);
    EXPECT_EQ(browser.verticalScrollBar()->value(), 0) << "the instructions from their start";
    EXPECT_EQ(opener.findChildren<HelpWindow*>().size(), 1);

    QTemporaryDir folder;
    HelpWindow::showPage(&opener, folder.path(), QStringLiteral("gone.html"));
    EXPECT_TRUE(browser.toPlainText().contains(QDir::toNativeSeparators(folder.filePath(QStringLiteral("gone.html")))));
    EXPECT_TRUE(browser.toPlainText().contains(QStringLiteral("missing")));
}
