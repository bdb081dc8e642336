#pragma once

#include "server/GameVerifier.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <ctime>
#include <deque>
#include <functional>
#include <future>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

// The games being verified: one std::thread per verifier, a counted queue before them, and a
// watch that stops a game past either of two bounds. The processor time the verifying thread
// spent on the game is the game's own cost, whatever else runs: past it the game is refused for
// good. The wall-clock time since it was submitted, waiting included, is what a busy server
// costs it: past it the game may be sent again.
class VerifierPool {
public:
    using Job = std::function<Verdict(const std::atomic<bool>& stop)>;

    VerifierPool(unsigned threads, std::size_t capacity, std::chrono::milliseconds processor,
                 std::chrono::milliseconds wait);
    // Verifies what is queued, then ends the threads.
    ~VerifierPool();
    VerifierPool(const VerifierPool&) = delete;
    VerifierPool& operator=(const VerifierPool&) = delete;

    // The verdict to come; nothing when capacity games are already waiting or being verified.
    std::optional<std::future<Verdict>> submit(Job job);
    unsigned threads() const { return unsigned(m_workers.size()); }

private:
    using Clock = std::chrono::steady_clock;
    struct Task {
        Job job;
        std::promise<Verdict> verdict;
        Clock::time_point due;  // of its verdict
    };
    // What the watch sees of a verifier: its thread's processor clock, when its game began on it
    // and when the game is due (0 when idle), and the flags. due and late change under m_mutex.
    struct Slot {
        std::atomic<clockid_t> clock{CLOCK_THREAD_CPUTIME_ID};
        std::atomic<std::int64_t> began{0};  // ns of processor time
        std::atomic<Clock::rep> due{0};
        std::atomic<bool> stop{false};
        bool late = false;  // stopped by the wall clock
    };

    void work(Slot& slot);
    void watch();
    Verdict busy() const;

    const std::size_t m_capacity;
    const std::chrono::milliseconds m_processor;
    const std::chrono::milliseconds m_wait;
    std::mutex m_mutex;
    std::condition_variable m_ready;
    std::condition_variable m_ending;
    std::deque<Task> m_queue;
    std::size_t m_counted = 0;  // waiting and being verified
    bool m_closing = false;
    std::vector<std::unique_ptr<Slot>> m_slots;
    std::vector<std::thread> m_workers;
    std::thread m_watch;
};
