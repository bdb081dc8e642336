#pragma once

#include "server/GameVerifier.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <future>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

// The games being verified: one std::thread per verifier, a counted queue before them, and a
// watch that raises a game's stop flag once it has played longer than the bound.
class VerifierPool {
public:
    using Job = std::function<Verdict(const std::atomic<bool>& stop)>;

    VerifierPool(unsigned threads, std::size_t capacity, std::chrono::milliseconds bound);
    // Verifies what is queued, then ends the threads.
    ~VerifierPool();
    VerifierPool(const VerifierPool&) = delete;
    VerifierPool& operator=(const VerifierPool&) = delete;

    // The verdict to come; nothing when capacity games are already waiting or being verified.
    std::optional<std::future<Verdict>> submit(Job job);
    unsigned threads() const { return unsigned(m_workers.size()); }

private:
    struct Task {
        Job job;
        std::promise<Verdict> verdict;
    };
    // What the watch sees of a verifier: when its game must stop (0 when idle) and the flag.
    struct Slot {
        std::atomic<std::chrono::steady_clock::rep> deadline{0};
        std::atomic<bool> stop{false};
    };

    void work(Slot& slot);
    void watch();

    const std::size_t m_capacity;
    const std::chrono::milliseconds m_bound;
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
