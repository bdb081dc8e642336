#pragma once

#include "ui/audio/PassEnds.h"

#include <cstdint>

// Watches a piece that the mixer repeats for the end of its pass, on the mixer's clock (frames
// mixed), so that the piece can end exactly there: the music device looks at it shortly before
// each pass ends and either lets it repeat or fades it out over the last few buffers of the pass.
//
// The mixer works a buffer at a time, and the fade's last step is silent: so an end that is
// reckoned up to a buffer late or early still leaves nothing of the next pass to be heard.
class PassWatch {
public:
    static constexpr int FadeBuffers = 3;

    // The piece's first frame is the given frame of the mixer's clock.
    PassWatch(PassEnds ends, std::int64_t firstFrame) : m_ends(std::move(ends)), m_firstFrame(firstFrame) {}

    struct Look {
        std::int64_t waitFrames = 0;  // above 0: look again after these frames; else decide now
        int fadeBuffers = 0;          // an end decided now fades over these buffers, the last one silent
    };
    // mixed: frames the mixer has mixed so far; buffer: frames it mixes at a time.
    Look look(std::int64_t mixed, int buffer);
    // The piece plays on: the next look is before the end of the pass after this one.
    void carryOn();
    // The end of the pass watched, on the mixer's clock.
    std::int64_t passEnd() const { return m_firstFrame + m_end; }

private:
    PassEnds m_ends;
    std::int64_t m_firstFrame = 0;
    std::int64_t m_end = 0;  // the end of the pass watched, in frames of the piece; 0: none yet
};
