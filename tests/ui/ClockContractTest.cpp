// The rules of every clock (core/Clock.h), told as stories that each clock must tell alike: the
// clock the simulator and the level-flow tests move by hand, and the windows' clock on the wall,
// whose wall is moved here by hand. No test waits on a real clock.
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

// A clock moved by hand: runUntil.
struct HandClock {
    Clock clock;
    void advance(Millis ms) { clock.runUntil(clock.driven() + ms); }
    bool asleep() const { return !clock.next(); }
};

// The windows' clock with a wall of its own: the wall jumps to each moment the alarm is set for
// and the alarm goes off there, as the event loop would make it.
struct WallClockByHand {
    Millis wall = 0;
    WallClock clock;
    WallClockByHand()
    {
        clock.setWall([this] { return wall; });
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
};

template <class Driver>
class ClockContract : public ::testing::Test {
protected:
    Driver driver;
    Clock& clock = driver.clock;
    FiringLog log{driver.clock};
    void SetUp() override { clock.setListener(&log); }
    std::string after(Millis ms)
    {
        log.text.clear();
        driver.advance(ms);
        return log.text;
    }
    void start(GameTimer timer, Int16 period)
    {
        clock.setPeriod(timer, period);
        clock.setTimer(timer, true);
    }
};

using Clocks = ::testing::Types<HandClock, WallClockByHand>;
TYPED_TEST_SUITE(ClockContract, Clocks);

}  // namespace

TYPED_TEST(ClockContract, TimersFireEveryPeriodAndOfTwoDueTogetherTheOneStartedFirstFiresFirst)
{
    this->start(GameTimer::Bonus, 1000);
    this->start(GameTimer::Turtle, 500);
    this->start(GameTimer::Dog, 700);
    EXPECT_EQ(this->after(3600), "T500 D700 B1000 T1000 D1400 T1500 B2000 T2000 D2100 T2500 D2800 B3000 T3000 D3500 "
                                 "T3500");
    this->clock.setTimer(GameTimer::Turtle, false);
    this->clock.setTimer(GameTimer::Bonus, false);
    EXPECT_EQ(this->after(1000), "D4200");
    EXPECT_FALSE(this->clock.isOn(GameTimer::Turtle));
    this->clock.setTimer(GameTimer::Dog, false);
    EXPECT_TRUE(this->driver.asleep());
}

TYPED_TEST(ClockContract, APeriodOfZeroOrLessIsSilentAndANewPeriodStartsATimerAgainFromNow)
{
    this->start(GameTimer::Dog, 0);
    this->start(GameTimer::CountDown, -5);
    EXPECT_EQ(this->after(5000), "");
    EXPECT_TRUE(this->clock.isOn(GameTimer::Dog)) << "on, and silent";
    this->clock.setPeriod(GameTimer::Dog, 300);
    EXPECT_EQ(this->after(700), "D5300 D5600");
    this->clock.setPeriod(GameTimer::Dog, 1000);  // 100 ms before the next: a whole new period
    EXPECT_EQ(this->after(1000), "D6700");
    this->clock.setTimer(GameTimer::Dog, false);
    this->clock.setPeriod(GameTimer::Dog, 50);  // a timer that is off takes it when switched on
    EXPECT_EQ(this->after(500), "");
    this->clock.setTimer(GameTimer::Dog, true);
    EXPECT_EQ(this->after(100), "D7250 D7300");
    this->clock.hold(GameTimer::CountDown);  // silent: it keeps nothing, and takes a whole period
    this->clock.setPeriod(GameTimer::CountDown, 400);
    this->clock.resume(GameTimer::CountDown);
    this->clock.setTimer(GameTimer::Dog, false);
    EXPECT_EQ(this->after(400), "C7700");
}

TYPED_TEST(ClockContract, AHeldTimerWaitsOutWhatItKeptThenRunsAtItsPeriodANewOneIfSetWhileHeld)
{
    this->clock.hold(GameTimer::Turtle);  // off: nothing to keep, nothing to resume
    this->clock.resume(GameTimer::Turtle);
    EXPECT_FALSE(this->clock.isOn(GameTimer::Turtle));
    this->start(GameTimer::Turtle, 500);
    this->start(GameTimer::Dog, 400);
    EXPECT_EQ(this->after(1300), "D400 T500 D800 T1000 D1200");
    this->clock.hold(GameTimer::Turtle);
    this->clock.hold(GameTimer::Turtle);  // a second hold keeps the first one's remainder
    this->clock.hold(GameTimer::Dog);
    EXPECT_TRUE(this->clock.isHeld(GameTimer::Turtle));
    EXPECT_EQ(this->after(60000), "");
    this->clock.setPeriod(GameTimer::Turtle, 1000);
    this->clock.resume(GameTimer::Turtle);
    this->clock.resume(GameTimer::Turtle);  // not held any more: changes nothing
    EXPECT_EQ(this->after(2500), "T61500 T62500 T63500");
    this->clock.setTimer(GameTimer::Dog, true);  // switched on while held: the hold is forgotten
    EXPECT_FALSE(this->clock.isHeld(GameTimer::Dog));
    EXPECT_EQ(this->after(400), "D64200");
}

TYPED_TEST(ClockContract, AtAnySpeedTheTimersFireInTheSameOrderAtTheSameGameTimesAndKeepWhatTheyHadLeft)
{
    // The story of the first test, at 2x, then 3x from the middle of a period, then 1x again:
    // odd periods do not halve, yet every firing keeps its game time.
    this->clock.setSpeed(2);
    this->start(GameTimer::Bonus, 1000);
    this->start(GameTimer::Turtle, 501);
    EXPECT_EQ(this->after(1000), "T501 B1000 T1002 T1503 B2000");
    this->clock.setSpeed(3);
    EXPECT_EQ(this->after(1), "");  // game time 2003: the turtle is due at 2004
    EXPECT_EQ(this->after(1), "T2004");
    EXPECT_EQ(this->after(332), "T2505 B3000");
    this->clock.setSpeed(1);
    EXPECT_EQ(this->after(6), "T3006");
    EXPECT_EQ(this->clock.now(), 3006) << "the last firing";
    EXPECT_EQ(this->clock.present(), 3008);
    this->clock.hold(GameTimer::Bonus);
    this->clock.setSpeed(4);
    this->clock.resume(GameTimer::Bonus);  // 992 ms of game time left: 248 at 4x
    EXPECT_EQ(this->after(248), "T3507 B4000");
    this->clock.setTimer(GameTimer::Turtle, false);
    this->start(GameTimer::Dog, 1);  // a 1 ms period fires four times a millisecond
    EXPECT_EQ(this->after(1), "D4001 D4002 D4003 D4004");
    this->clock.setSpeed(0);  // no such speed: 1x
    EXPECT_EQ(this->after(1), "D4005");
}

// A late alarm: the wall passed a timer's moment before the alarm rang, and the game was held just
// then. The timer kept nothing to wait, and fires as soon as it is resumed.
using WallClockContract = ClockContract<WallClockByHand>;

TEST_F(WallClockContract, ATimerHeldPastItsMomentBeforeTheAlarmRangFiresAtOnceWhenResumed)
{
    start(GameTimer::Turtle, 500);
    driver.wall = 300;
    driver.ring();  // early: nothing fires, and the alarm is set for the rest
    EXPECT_EQ(driver.clock.alarm().interval(), 200);
    driver.wall = 520;
    clock.hold(GameTimer::Turtle);
    driver.advance(1000);
    clock.resume(GameTimer::Turtle);
    driver.ring();
    EXPECT_EQ(log.text, "T1520");
}
