// The rules of every clock (core/Clock.h), told on the windows' clock, whose wall is moved here by
// hand. The clock the simulator moves by hand runs the same rules: the golden games hold its timers
// to every recorded firing. No test waits on a real clock.
#include "core/Clock.h"
#include "ui/WallClock.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Writes down each firing: C, B, T or D and the game time it fired at.
struct FiringLog : TimerListener {
    const Clock& clock;
    std::string text;
    explicit FiringLog(const Clock& c) : clock(c) {}
    void timerFired(GameTimer timer) override
    {
        text +=
            (text.empty() ? "" : " ") + std::string(1, "CBTD"[static_cast<int>(timer)]) + std::to_string(clock.now());
    }
};

// The windows' clock with a wall of its own: the wall jumps to each moment the alarm is set for
// and the alarm goes off there, as the event loop would make it.
class ClockContract : public ::testing::Test {
protected:
    Millis wall = 0;
    WallClock clock;
    FiringLog log{clock};
    void SetUp() override
    {
        clock.setWall([this] { return wall; });
        clock.setListener(&log);
    }
    void ring() { ASSERT_TRUE(QMetaObject::invokeMethod(&clock.alarm(), "timeout")); }
    void advance(Millis ms)
    {
        const Millis end = wall + ms;
        while (clock.alarm().isActive() && clock.wakesAt() <= end) {
            wall = clock.wakesAt();
            ring();
            // Set from this moment: the wait is the way to the next.
            EXPECT_TRUE(!clock.alarm().isActive() || clock.alarm().interval() == clock.wakesAt() - wall);
        }
        wall = end;
    }
    bool asleep() { return !clock.alarm().isActive(); }
    // The firings of the next ms of the wall; then an input arrives, whose changes follow.
    std::string after(Millis ms)
    {
        log.text.clear();
        advance(ms);
        const std::string rung = log.text;
        clock.catchUp();
        EXPECT_EQ(log.text, rung) << "the alarm rang for every timer due by now";
        return log.text;
    }
    // An input arrives and starts a timer: the changes it makes count from its arrival.
    void start(GameTimer timer, Int16 period)
    {
        clock.catchUp();
        clock.setPeriod(timer, period);
        clock.setTimer(timer, true);
    }
};

}  // namespace

TEST_F(ClockContract, TimersFireEveryPeriodAndOfTwoDueTogetherTheOneStartedFirstFiresFirst)
{
    start(GameTimer::Bonus, 1000);
    start(GameTimer::Turtle, 500);
    start(GameTimer::Dog, 700);
    EXPECT_EQ(after(3600), "T500 D700 B1000 T1000 D1400 T1500 B2000 T2000 D2100 T2500 D2800 B3000 T3000 D3500 "
                           "T3500");
}

TEST_F(ClockContract, APeriodOfZeroOrLessIsSilentAndANewPeriodStartsATimerAgainFromNow)
{
    start(GameTimer::Dog, 0);
    start(GameTimer::CountDown, -5);
    EXPECT_EQ(after(5000), "");
    EXPECT_TRUE(clock.isOn(GameTimer::Dog) && asleep()) << "on, and silent";
    clock.setPeriod(GameTimer::Dog, 300);
    EXPECT_EQ(after(700), "D5300 D5600");
    clock.setPeriod(GameTimer::Dog, 1000);  // 100 ms before the next: a whole new period
    EXPECT_EQ(after(1000), "D6700");
    clock.setTimer(GameTimer::Dog, false);
    clock.setPeriod(GameTimer::Dog, 50);  // a timer that is off takes it when switched on
    EXPECT_EQ(after(500), "");
    clock.setTimer(GameTimer::Dog, true);
    EXPECT_EQ(after(100), "D7250 D7300");
    clock.hold(GameTimer::CountDown);  // silent: it keeps nothing, and takes a whole period
    clock.setPeriod(GameTimer::CountDown, 400);
    clock.resume(GameTimer::CountDown);
    clock.setTimer(GameTimer::Dog, false);
    EXPECT_EQ(after(400), "C7700");
    clock.hold(GameTimer::CountDown);
    clock.setTimer(GameTimer::CountDown, true);  // on again, the hold forgotten: a whole period ahead
    EXPECT_EQ(after(400), "C8100");
}

TEST_F(ClockContract, AtAnySpeedTheTimersFireInTheSameOrderAtTheSameGameTimesAndKeepWhatTheyHadLeft)
{
    // Two timers at 2x, then 3x from the middle of a period, then 1x again: odd periods do not
    // halve, yet every firing keeps its game time.
    clock.setSpeed(2);
    start(GameTimer::Bonus, 1000);
    start(GameTimer::Turtle, 501);
    EXPECT_EQ(after(1000), "T501 B1000 T1002 T1503 B2000");
    clock.setSpeed(3);
    EXPECT_EQ(after(1), "");  // game time 2003: the turtle is due at 2004
    EXPECT_EQ(after(1), "T2004");
    EXPECT_EQ(after(332), "T2505 B3000");
    clock.setSpeed(1);
    EXPECT_EQ(after(6), "T3006");
    clock.hold(GameTimer::Bonus);
    clock.setSpeed(4);
    clock.resume(GameTimer::Bonus);  // 992 ms of game time left: 248 at 4x
    EXPECT_EQ(after(248), "T3507 B4000");
    clock.setTimer(GameTimer::Turtle, false);
    start(GameTimer::Dog, 1);  // a 1 ms period fires four times a millisecond
    EXPECT_EQ(after(1), "D4001 D4002 D4003 D4004");
    clock.setSpeed(0);  // no such speed: 1x
    EXPECT_EQ(after(1), "D4005");
}

// A late alarm: the wall passed a timer's moment before the alarm rang, and an input arrived just
// then. The timer fires first, at its own moment; the input's changes count from its arrival, and
// they do while it is handled however long that takes.
TEST_F(ClockContract, AnInputAfterATimersMomentFiresItFirstAndItsChangesCountFromItsArrival)
{
    start(GameTimer::Turtle, 500);
    wall = 300;
    ring();  // early: nothing fires, and the alarm is set for the rest
    EXPECT_EQ(clock.alarm().interval(), 200);
    wall = 520;
    EXPECT_EQ(clock.catchUp(), 520);
    EXPECT_EQ(log.text, "T500");
    wall = 535;  // the input takes its time
    clock.hold(GameTimer::Turtle);
    start(GameTimer::Bonus, 1000);  // from 535, the moment of this later input
    wall = 540;
    clock.setPeriod(GameTimer::Dog, 100);
    clock.setTimer(GameTimer::Dog, true);  // still 535: the input has not ended
    EXPECT_EQ(after(1000), "D635 D735 D835 D935 D1035 D1135 D1235 D1335 D1435 B1535 D1535");
    clock.catchUp();
    clock.resume(GameTimer::Turtle);  // 480 ms were left when it was held at 520
    clock.setTimer(GameTimer::Dog, false);
    EXPECT_EQ(after(480), "T2020");
}
