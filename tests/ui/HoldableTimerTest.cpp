#include "ui/HoldableTimer.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

// A held timer keeps what was left of its period, waits out only that when resumed, then repeats
// at its full period again. The beat is fired by hand: no test waits on a clock.
TEST(HoldableTimer, ResumesWithWhatWasLeftThenRepeatsAtItsPeriod)
{
    HoldableTimer timer;
    QSignalSpy timeouts(&timer, &HoldableTimer::timeout);
    auto* beat = timer.findChild<QTimer*>();
    ASSERT_NE(beat, nullptr);
    timer.hold();  // not running: nothing to keep, so nothing to resume
    timer.resume();
    EXPECT_FALSE(beat->isActive());

    timer.start(60000);
    timer.hold();
    EXPECT_FALSE(beat->isActive());
    const int left = timer.remainingTime();
    EXPECT_GT(left, 59000);
    timer.resume();
    EXPECT_TRUE(beat->isActive());
    EXPECT_EQ(beat->interval(), left);
    QMetaObject::invokeMethod(beat, "timeout");
    EXPECT_EQ(timeouts.count(), 1);
    EXPECT_EQ(beat->interval(), 60000);

    timer.hold();
    timer.stop();  // a stop forgets the hold
    timer.resume();
    EXPECT_FALSE(beat->isActive());
}
