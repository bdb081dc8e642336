#include "screens/frmTopTen.h"

#include "files/CBase64.h"
#include "screens/InkDisplay.h"
#include "tests/screens/ScreensTestSupport.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace {

class TopTenTest : public ProgramFolderTest {
protected:
    std::unique_ptr<frmTopTen> open()
    {
        auto window = std::make_unique<frmTopTen>(scoresPath());
        window->show();
        return window;
    }

    static QLabel* value(const frmTopTen& window, int row)
    {
        return child<QLabel>(window, QStringLiteral("lblVal%1").arg(row).toLatin1().constData());
    }
    static QLabel* name(const frmTopTen& window, int row)
    {
        return child<QLabel>(window, QStringLiteral("lblScore%1").arg(row).toLatin1().constData());
    }
    static InkDisplay* ink(const frmTopTen& window, int row)
    {
        return child<InkDisplay>(window, QStringLiteral("inkScore%1").arg(row).toLatin1().constData());
    }

    // As the window was designed: score "0", both name controls showing nothing.
    static void expectDesignLook(const frmTopTen& window, int row)
    {
        EXPECT_EQ(value(window, row)->text(), QStringLiteral("0")) << "row " << row;
        EXPECT_FALSE(name(window, row)->isHidden()) << "row " << row;
        EXPECT_TRUE(name(window, row)->text().isEmpty()) << "row " << row;
        EXPECT_FALSE(ink(window, row)->isHidden()) << "row " << row;
        EXPECT_TRUE(ink(window, row)->Ink().isEmpty()) << "row " << row;
    }

    static QByteArray inkLine(int strokes)
    {
        InkStrokes written(QSize(337, 49));
        for (int s = 0; s < strokes; ++s)
            written.beginStroke({10.0 + 20 * s, 10}, 0.5);
        return CBase64::Encode(written.Save()).toLatin1();
    }
};

}  // namespace

TEST_F(TopTenTest, FillsTypedAndHandwrittenRowsFromTheFile)
{
    QByteArray bytes = " 0 \r\n 120 \r\nAnonymous\r\n 2 \r\n-5 \r\n" + inkLine(2) + "\r\n";
    for (int i = 2; i < ScoreEntries; ++i)
        bytes += " 0 \r\n 0 \r\n<b>x</b>\r\n";
    writeScores(bytes);
    auto window = open();

    EXPECT_EQ(value(*window, 0)->text(), QStringLiteral(" 120 "));  // as written, spaces and all
    EXPECT_EQ(name(*window, 0)->text(), QStringLiteral("Anonymous"));
    EXPECT_FALSE(name(*window, 0)->isHidden());
    EXPECT_TRUE(ink(*window, 0)->isHidden());

    EXPECT_EQ(value(*window, 1)->text(), QStringLiteral("-5 "));
    EXPECT_TRUE(name(*window, 1)->isHidden());
    EXPECT_FALSE(ink(*window, 1)->isHidden());
    EXPECT_EQ(ink(*window, 1)->Ink().strokes().size(), 2u);

    EXPECT_EQ(name(*window, 9)->text(), QStringLiteral("<b>x</b>"));
    EXPECT_EQ(name(*window, 9)->textFormat(), Qt::PlainText);  // a name is never markup
}

TEST_F(TopTenTest, RowsTheFileDoesNotFillKeepTheirDesignLook)
{
    auto window = open(); // without a file
    for (int row = 0; row < ScoreEntries; ++row)
        expectDesignLook(*window, row);

    // A damaged file fills the rows before the fault.
    writeScores(" 0 \r\n 50 \r\nKim\r\n 1 \r\n 40 \r\nbm90IGluaw==\r\n 0 \r\n 30 \r\nLee\r\n");
    window = open();
    EXPECT_EQ(name(*window, 0)->text(), QStringLiteral("Kim"));
    // Handwriting that does not load: the score shows, and an empty signature where the name was.
    EXPECT_EQ(value(*window, 1)->text(), QStringLiteral(" 40 "));
    EXPECT_FALSE(ink(*window, 1)->isHidden());
    EXPECT_TRUE(ink(*window, 1)->Ink().isEmpty());
    EXPECT_TRUE(name(*window, 1)->isHidden());
    for (int row = 2; row < ScoreEntries; ++row)
        expectDesignLook(*window, row);
}

TEST_F(TopTenTest, AnyTypedKeyClosesTheWindowButABareShiftDoesNot)
{
    auto window = open();
    QPushButton* close = child<QPushButton>(*window, "butOkay");
    EXPECT_TRUE(close->isDefault());
    QTest::keyClick(close, Qt::Key_Shift);
    EXPECT_TRUE(window->isVisible());
    QTest::keyClick(close, Qt::Key_Q);
    EXPECT_FALSE(window->isVisible());

    window = open();
    QTest::keyClick(window.get(), Qt::Key_Return);
    EXPECT_FALSE(window->isVisible());

    window = open();
    QTest::mouseClick(child<QPushButton>(*window, "butOkay"), Qt::LeftButton);
    EXPECT_FALSE(window->isVisible());
}
