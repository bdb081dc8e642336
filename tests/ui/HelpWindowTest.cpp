// The help window: the shipped pages with their pictures, the editor's section, and a page that is
// missing.

#include "ui/HelpWindow.h"

#include "tests/support/WindowTestSupport.h"

#include <QImage>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>

namespace {

// A picture as the document draws it: Qt hands it over decoded or as the file's bytes.
QImage pictureOf(QTextDocument& document, const QString& name)
{
    const QVariant resource = document.resource(QTextDocument::ImageResource, QUrl(name));
    if (resource.canConvert<QByteArray>() && resource.typeId() == QMetaType::QByteArray)
        return QImage::fromData(resource.toByteArray());
    return resource.value<QImage>();
}

}  // namespace

TEST(HelpWindow, EachShippedPageShowsEveryPictureItNames)
{
    // The about page is made from its template at build time; its pictures are the game's own.
    QTemporaryDir built;
    ASSERT_TRUE(QFile::copy(QStringLiteral(PONDRAKE_ABOUT_TEMPLATE), built.filePath(QStringLiteral("about.html"))));
    ASSERT_TRUE(QFile::link(QStringLiteral(PONDRAKE_DATA_DIR "/images"), built.filePath(QStringLiteral("images"))));
    const struct {
        QString folder, page;
    } pages[] = {{QStringLiteral(PONDRAKE_DATA_DIR), HelpWindow::Instructions}, {built.path(), HelpWindow::About}};

    QWidget opener;
    for (const auto& [folder, page] : pages) {
        SCOPED_TRACE(page.toStdString());
        HelpWindow* window = HelpWindow::showPage(&opener, folder, page);
        EXPECT_EQ(window->browser()->horizontalScrollBar()->maximum(), 0) << "nothing wider than the window";
        QTextDocument& document = *window->browser()->document();
        int pictures = 0;
        for (const auto& img :
             QRegularExpression(R"re(<img [^>]*src="([^"]+)")re").globalMatch(readFile(folder + u'/' + page))) {
            const QString name = img.captured(1);
            const QImage shown = pictureOf(document, name);
            EXPECT_FALSE(shown.isNull()) << name.toStdString();
            EXPECT_EQ(shown.size(), QImage(folder + u'/' + name).size()) << name.toStdString();
            ++pictures;
        }
        EXPECT_GT(pictures, 0);
    }
}

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
