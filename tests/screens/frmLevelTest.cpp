#include "screens/frmLevel.h"

#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

TEST(frmLevel, ShowsTheLevelAndItsCountsAndTheReplayNoticeOnlyWhenFailed)
{
    frmLevel passed;
    passed.fill({3, 2, 2, false});
    EXPECT_EQ(passed.lblLevel->text(), QStringLiteral("Level 3 Over!"));
    EXPECT_EQ(passed.lblSaved->text(), QStringLiteral("2"));
    EXPECT_EQ(passed.lblLost->text(), QStringLiteral("2"));
    passed.show();
    EXPECT_FALSE(passed.lblReplay->isVisible());

    frmLevel failed;
    failed.fill({12, 1, 2, true});
    failed.show();
    EXPECT_EQ(failed.lblLevel->text(), QStringLiteral("Level 12 Over!"));
    EXPECT_TRUE(failed.lblReplay->isVisible());
}

TEST(frmLevel, ClosesOnlyWhenItsSevenSecondsAreUp)
{
    frmLevel window;
    window.fill({1, 1, 0, false});
    window.show();
    EXPECT_TRUE(window.Timer1.isActive());
    EXPECT_EQ(window.Timer1.interval(), 7000);

    QTest::keyClick(&window, Qt::Key_Escape);
    QTest::keyClick(&window, Qt::Key_Return);
    window.close();
    EXPECT_TRUE(window.isVisible());

    window.Timer1_Timer();
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(window.Timer1.isActive());
    EXPECT_EQ(window.result(), QDialog::Accepted);
}
