#include "screens/frmGameOver.h"

#include "files/CBase64.h"
#include "screens/InkPicture.h"
#include "tests/screens/ScreensTestSupport.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

class GameOverTest : public ProgramFolderTest {
protected:
    std::unique_ptr<frmGameOver> open(std::int32_t score)
    {
        auto window = std::make_unique<frmGameOver>(scoresPath());
        window->yourScore = score;
        window->show();
        return window;
    }

    static bool offered(const frmGameOver& window)
    {
        const bool top = !child<QGroupBox>(window, "frameTopScore")->isHidden();
        EXPECT_NE(top, !child<QGroupBox>(window, "frameNotTop")->isHidden()) << "exactly one frame shows";
        return top;
    }

    static void typeAndSubmit(frmGameOver& window, const QString& name)
    {
        QTest::keyClicks(child<QLineEdit>(window, "txtName"), name);
        QTest::mouseClick(child<QPushButton>(window, "butOkType"), Qt::LeftButton);
    }

    static void drawZigzag(frmGameOver& window)
    {
        InkPicture* ink = child<InkPicture>(window, "InkPicture1");
        QTest::mousePress(ink, Qt::LeftButton, {}, QPoint(20, 20));
        QTest::mouseMove(ink, QPoint(60, 35));
        QTest::mouseMove(ink, QPoint(100, 10));
        QTest::mouseRelease(ink, Qt::LeftButton, {}, QPoint(100, 10));
    }

    static InkStrokes savedInk(const QByteArray& name)
    {
        InkStrokes ink;
        EXPECT_TRUE(ink.Load(CBase64::Decode(QString::fromLatin1(name))));
        return ink;
    }
};

}  // namespace

TEST_F(GameOverTest, AScoreOfZeroWithoutAFileIsNotOfferedAndBummerSavesNothing)
{
    EXPECT_EQ(child<QLabel>(*open(-5), "lblScore")->text(), QStringLiteral("-5")); // a negative score as it is
    auto window = open(0);
    EXPECT_FALSE(offered(*window));
    EXPECT_EQ(child<QLabel>(*window, "lblScore")->text(), QStringLiteral("0"));
    QTest::mouseClick(child<QPushButton>(*window, "butBummer"), Qt::LeftButton);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->result(), QDialog::Rejected);
    EXPECT_FALSE(QFile::exists(scoresPath()));
}

TEST_F(GameOverTest, OnlyAScoreAboveTheTenthIsOfferedAndItIsSavedIntoTheTable)
{
    writeFallingScores();
    EXPECT_FALSE(offered(*open(10)));
    EXPECT_FALSE(offered(*open(1)));
    auto window = open(11);
    ASSERT_TRUE(offered(*window));
    typeAndSubmit(*window, QStringLiteral("Eleven"));
    const ScoreTable saved = savedScores();
    EXPECT_EQ(saved.TopScores[8], 20);
    EXPECT_EQ(saved.TopNames[9], "Eleven");
}

TEST_F(GameOverTest, ATypedNameIsSavedAndTheWindowCloses)
{
    auto window = open(120);
    ASSERT_TRUE(offered(*window));
    typeAndSubmit(*window, QStringLiteral(" Kim Lee "));
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->result(), QDialog::Accepted);
    const ScoreTable saved = savedScores();
    EXPECT_EQ(saved.TopKinds[0], TypedName);
    EXPECT_EQ(saved.TopScores[0], 120);
    EXPECT_EQ(saved.TopNames[0], " Kim Lee ");  // spaces kept
    EXPECT_EQ(saved.TopScores[1], 0);
}

TEST_F(GameOverTest, TheNameBoxTakesNoMoreThanTheLongestTypedName)
{
    auto window = open(9);
    auto* box = child<QLineEdit>(*window, "txtName");
    box->insert(QString(5000, u'k'));  // as a paste would
    EXPECT_EQ(box->text(), QString(MaxTypedName, u'k'));
}

TEST_F(GameOverTest, EnterInAnEmptyBoxSavesAnonymous)
{
    auto window = open(7);
    QTest::keyClick(child<QLineEdit>(*window, "txtName"), Qt::Key_Return);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(savedScores().TopNames[0], "Anonymous");
    EXPECT_EQ(savedScores().TopKinds[0], TypedName);
}

TEST_F(GameOverTest, AHandwrittenNameIsSavedAsBase64InkEvenWhenNothingIsWritten)
{
    auto window = open(3);
    QTest::mouseClick(child<QPushButton>(*window, "butOKWrite"), Qt::LeftButton);
    EXPECT_EQ(savedScores().TopKinds[0], HandwrittenName);
    EXPECT_TRUE(savedInk(savedScores().TopNames[0]).isEmpty());

    window = open(300);
    drawZigzag(*window);
    QTest::mouseClick(child<QPushButton>(*window, "butOKWrite"), Qt::LeftButton);
    EXPECT_FALSE(window->isVisible());
    const ScoreTable saved = savedScores();
    EXPECT_EQ(saved.TopKinds[0], HandwrittenName);
    EXPECT_FALSE(saved.TopNames[0].contains('\n'));
    const InkStrokes ink = savedInk(saved.TopNames[0]);
    ASSERT_EQ(ink.strokes().size(), 1u);
    EXPECT_EQ(ink.strokes()[0].size(), 3u);
    EXPECT_EQ(ink.strokes()[0][1].position(), QPointF(60, 35));
    EXPECT_EQ(ink.surfaceSize(), QSize(337, 49));
}

TEST_F(GameOverTest, ClearWipesTheHandwritingAndLeavesTheSurfaceReady)
{
    auto window = open(3);
    drawZigzag(*window);
    InkPicture* ink = child<InkPicture>(*window, "InkPicture1");
    ASSERT_FALSE(ink->Ink().isEmpty());
    QTest::mouseClick(child<QPushButton>(*window, "butClear"), Qt::LeftButton);
    EXPECT_TRUE(ink->Ink().isEmpty());
    EXPECT_TRUE(ink->InkEnabled());
    EXPECT_TRUE(window->isVisible());
    drawZigzag(*window);
    EXPECT_EQ(ink->Ink().strokes().size(), 1u);
}

TEST_F(GameOverTest, ClosingAnyOtherWaySavesNothing)
{
    auto window = open(50);
    QTest::keyClicks(child<QLineEdit>(*window, "txtName"), QStringLiteral("Kim"));
    QTest::keyClick(child<QLineEdit>(*window, "txtName"), Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(QFile::exists(scoresPath()));
}

TEST_F(GameOverTest, AFailedSaveIsToldAndTheWindowStillCloses)
{
    QFile blocker(folder.filePath(QStringLiteral("levels")));  // a file where the folder belongs
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    auto window = open(50);
    QString told;
    QTimer::singleShot(0, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            told = box->text();
            box->accept();
        }
    });
    typeAndSubmit(*window, QStringLiteral("Kim"));
    EXPECT_TRUE(told.contains(scoresPath())) << told.toStdString();
    EXPECT_FALSE(window->isVisible());
}
