#include "ui/HoldableTimer.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

// A held timer keeps what was left of its period, waits out only that when resumed, and then
// repeats at its full period again.
TEST(HoldableTimer, ResumesWithWhatWasLeftThenRepeatsAtItsPeriod)
{
    HoldableTimer timer;
    QSignalSpy timeouts(&timer, &HoldableTimer::timeout);
    timer.hold();  // not running: nothing to keep
    EXPECT_FALSE(timer.isHeld());
    timer.resume();
    EXPECT_FALSE(timer.isActive());

    timer.start(60000);
    timer.hold();
    EXPECT_FALSE(timer.isActive());
    EXPECT_TRUE(timer.isHeld());
    const int left = timer.remainingTime();
    EXPECT_GT(left, 59000);
    EXPECT_LE(left, 60000);
    timer.resume();
    EXPECT_TRUE(timer.isActive());
    EXPECT_FALSE(timer.isHeld());
    EXPECT_LE(timer.remainingTime(), left);
    EXPECT_EQ(timer.interval(), 60000);

    // The remainder runs out (fired by hand, no clock): the next beat is a whole period away.
    auto* beat = timer.findChild<QTimer*>();
    ASSERT_NE(beat, nullptr);
    EXPECT_LE(beat->interval(), left);
    QMetaObject::invokeMethod(beat, "timeout");
    EXPECT_EQ(timeouts.count(), 1);
    EXPECT_EQ(beat->interval(), 60000);

    timer.hold();
    timer.stop();  // a stop forgets the hold
    EXPECT_FALSE(timer.isHeld());
    timer.resume();
    EXPECT_FALSE(timer.isActive());
}
