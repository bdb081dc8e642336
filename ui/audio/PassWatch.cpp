#include "ui/audio/PassWatch.h"

#include <algorithm>

PassWatch::Look PassWatch::look(std::int64_t mixed, int buffer)
{
    buffer = std::max(buffer, 1);
    const std::int64_t next = mixed - m_firstFrame;  // the piece's frame the mixer mixes next
    // A look that comes after the end it was meant for watches the pass that sounds now.
    if (m_end <= next)
        m_end = m_ends.after(next);
    const std::int64_t left = m_end - next;
    if (left >= std::int64_t(FadeBuffers + 1) * buffer)
        return {left - FadeBuffers * std::int64_t(buffer) - buffer / 2, 0};
    return {0, int(std::clamp<std::int64_t>(left / buffer, 1, FadeBuffers))};
}

void PassWatch::carryOn() { m_end = m_ends.after(m_end); }
