// The help window: the shipped pages with their pictures, the editor's section, links to the web,
// and a page that is missing.

#include "ui/HelpWindow.h"

#include "tests/support/WindowTestSupport.h"

#include <QDesktopServices>
#include <QDialogButtonBox>
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

class WebLinks : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened << url; }
};

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
        EXPECT_EQ(window->windowTitle(), QStringLiteral("Pondrake Help"));
        EXPECT_EQ(window->parentWidget(), &opener);
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

TEST(HelpWindow, OneWindowPerOpenerAtTheEditorsSectionWithTheWebHandedOn)
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
    writeFile(folder.filePath(QStringLiteral("one.html")),
              "<p><a href=\"two.html\">Next page</a> <a href=\"https://example.org/pond\">On the web</a></p>");
    writeFile(folder.filePath(QStringLiteral("two.html")), "<p>The second page</p>");
    HelpWindow::showPage(&opener, folder.path(), QStringLiteral("one.html"));
    QTextCursor link = browser.document()->find(QStringLiteral("On the web"));
    ASSERT_FALSE(link.isNull());
    link.setPosition(link.selectionStart() + 1);
    WebLinks web;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &web, "open");
    QTest::mouseClick(browser.viewport(), Qt::LeftButton, {}, browser.cursorRect(link).center());
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    EXPECT_EQ(web.opened, QList<QUrl>{QUrl(QStringLiteral("https://example.org/pond"))});
    EXPECT_TRUE(browser.toPlainText().startsWith(QStringLiteral("Next page"))) << "the web is not shown here";

    HelpWindow::showPage(&opener, folder.path(), QStringLiteral("gone.html"));
    EXPECT_TRUE(browser.toPlainText().contains(QDir::toNativeSeparators(folder.filePath(QStringLiteral("gone.html")))));
    EXPECT_TRUE(browser.toPlainText().contains(QStringLiteral("missing")));

    window->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Close)->click();
    EXPECT_FALSE(window->isVisible());
    HelpWindow::showPage(&opener, folder.path(), QStringLiteral("two.html"));
    EXPECT_TRUE(window->isVisible());
}

#include "HelpWindowTest.moc"
