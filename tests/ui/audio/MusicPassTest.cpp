// Where a repeating piece's passes end on the mixer's clock, and what the music device does as a
// pass nears its end: worked out on a clock the test moves, not on the mixer's.

#include "ui/audio/PassWatch.h"

#include <gtest/gtest.h>

namespace {

MidiTiming timing(int division, std::vector<std::vector<TempoChange>> tempos, std::uint32_t endTick)
{
    return {division, std::move(tempos), endTick};
}

}  // namespace

// The pass ends below are the frames at which the mixer, at 44100 frames a second, was heard to
// start each piece again (SDL's disk driver recorded its output; a drum stroke at tick 0 marks
// each pass). The synthesiser's way of keeping time makes passes of one piece differ by a block.
TEST(PassEnds, AMidiPieceStartsAgainOnTheFrameTheMixerWasHeardToStartItAgain)
{
    const std::pair<MidiTiming, std::vector<std::int64_t>> pieces[] = {
        // Two bars of 4/4 at 116 beats a minute: 4.138 s a pass.
        {timing(480, {{{0, 517241}}}, 3840), {182528, 364992, 547520, 730048}},
        // 1000 ticks at 120, 1500 at 90 and 500 at 150 beats a minute, the drum in a track of
        // its own: 4.427 s a pass.
        {timing(384, {{{0, 500000}, {1000, 666667}, {2500, 400000}}, {}}, 3000), {195200, 390464, 585664, 780928}},
        // 120 beats a minute, then 180 from tick 9600 in the second track and 60 from 9605 in the
        // first, of 11520. Where both fall to one look, the player takes up the first track's
        // change before the second's, and the piece ends at 180 (1.418 s); else at 60 (1.747 s).
        {timing(3840, {{{0, 500000}, {9605, 1000000}}, {{9600, 333333}}}, 11520),
         {77056, 139584, 202112, 264640, 341696}},
    };
    for (const auto& [piece, heard] : pieces) {
        PassEnds ends = PassEnds::midi(piece, 44100);
        ASSERT_TRUE(ends.known());
        std::vector<std::int64_t> found;
        for (std::int64_t frame = 0; found.size() < heard.size(); frame = found.back())
            found.push_back(ends.after(frame));
        EXPECT_EQ(found, heard);
        EXPECT_EQ(ends.after(heard[2] - 1), heard[2]);  // a frame inside a pass
        EXPECT_EQ(ends.after(heard[0] - 1), heard[0]);  // and back to the first pass again
    }
}

TEST(PassEnds, ASampledPieceStartsAgainEveryPassToTheNearestFrameAndOtherPiecesAreUnknown)
{
    PassEnds ends = PassEnds::sampled(1000.5);
    EXPECT_EQ(ends.after(0), 1001);     // 1000.5 frames rounded
    EXPECT_EQ(ends.after(1001), 2001);  // a pass's end is where the next one begins
    EXPECT_EQ(ends.after(3001), 3002);
    PassEnds tenths = PassEnds::sampled(1000.1);
    EXPECT_EQ(tenths.after(2999), 3000);  // 3000.3 rounded
    EXPECT_TRUE(PassEnds::sampled(1).known());

    EXPECT_FALSE(PassEnds().known());
    EXPECT_FALSE(PassEnds::sampled(0.5).known());
    EXPECT_FALSE(PassEnds::midi(timing(480, {{}}, 960), 0).known());
    EXPECT_FALSE(PassEnds::midi(timing(0, {{}}, 960), 44100).known());
    // 8000 quarters at 120 beats a minute: 4000 s, longer than a pass may be.
    EXPECT_FALSE(PassEnds::midi(timing(1, {{}}, 8000), 44100).known());
    EXPECT_TRUE(PassEnds::midi(timing(1, {{}}, 7000), 44100).known());
    EXPECT_EQ(PassEnds::midi(timing(480, {{}}, 0), 44100).after(0), PassEnds::Block);  // no pass is shorter
}

// Passes of 10000 frames from frame 500 of the mixer's clock, mixed 1000 frames at a time. The
// device looks again when told, and decides as soon as fewer than four buffers are left.
TEST(PassWatch, LooksShortlyBeforeAPassEndsAndFadesOverTheBuffersLeft)
{
    PassWatch watch(PassEnds::sampled(10000), 500);
    const struct {
        std::int64_t mixed;
        std::int64_t wait;
        int fade;
        std::int64_t passEnd;
        bool carryOn;
    } looks[] = {
        {500, 6500, 0, 10500, false},    // at the start: wait until 3.5 buffers are left
        {7000, 0, 3, 10500, true},       // 3.5 buffers left: decide; it repeats
        {7000, 10000, 0, 20500, false},  // the next look is before the next pass ends
        {16400, 600, 0, 20500, false},   // a look that came early waits again
        {16500, 500, 0, 20500, false},   // four buffers left: not yet
        {16600, 0, 3, 20500, false},     // just under four buffers left
        {18600, 0, 1, 20500, false},     // 1.9 buffers left: a look that came late fades faster
        {20400, 0, 1, 20500, false},     // the buffer mixed next holds the end: it is silenced
        {20500, 6500, 0, 30500, false},  // too late for that pass: the one now sounding is watched
        {29600, 0, 1, 30500, false},
    };
    for (const auto& look : looks) {
        const PassWatch::Look seen = watch.look(look.mixed, 1000);
        EXPECT_EQ(seen.waitFrames, look.wait) << look.mixed;
        EXPECT_EQ(seen.fadeBuffers, look.fade) << look.mixed;
        EXPECT_EQ(watch.passEnd(), look.passEnd) << look.mixed;
        if (look.carryOn)
            watch.carryOn();
    }
}
