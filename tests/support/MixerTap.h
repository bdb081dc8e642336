#pragma once

#include <SDL_mixer.h>

#include <atomic>
#include <cstdint>
#include <cstdlib>

// Listens to everything the mixer puts out, after all mixing, on the audio thread: the frames
// mixed since it began listening, and the first and the last frame in which a sample was above
// the faintest whisper. One at a time: it holds the mixer's post-mix hook while it lives.
class MixerTap {
public:
    MixerTap() { Mix_SetPostMix(&MixerTap::listen, this); }
    ~MixerTap() { Mix_SetPostMix(nullptr, nullptr); }  // waits for a running callback to end
    MixerTap(const MixerTap&) = delete;
    MixerTap& operator=(const MixerTap&) = delete;

    std::int64_t frames() const { return m_frames; }
    std::int64_t firstSound() const { return m_first; }  // -1 before any
    std::int64_t lastSound() const { return m_last; }

private:
    static void listen(void* self, Uint8* stream, int bytes)
    {
        auto& tap = *static_cast<MixerTap*>(self);
        const auto* samples = reinterpret_cast<const std::int16_t*>(stream);  // 16-bit stereo
        for (int i = 0; i < bytes / 2; ++i) {
            if (std::abs(samples[i]) < 16)
                continue;
            const std::int64_t frame = tap.m_frames + i / 2;
            if (tap.m_first < 0)
                tap.m_first = frame;
            tap.m_last = frame;
        }
        tap.m_frames += bytes / 4;
    }

    std::atomic<std::int64_t> m_frames{0};
    std::atomic<std::int64_t> m_first{-1};
    std::atomic<std::int64_t> m_last{-1};
};
