#pragma once

#include "server/Storage.h"
#include "server/VerifierPool.h"

#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

// The stored games verified again by this server's rules, in the background from its start: a
// page of games at a time, one game at a time through the verifiers, so that a large table
// neither delays the start nor takes more than one verifier from the games being sent. A game
// that no longer plays to its stored score is hidden (its row kept) and its set counted again;
// one that ran out of time stays as it is, to be verified at the next start.
class Reverifier {
public:
    // all: every shown game, not only those no server of this version verified. hidden is
    // called after each game hidden.
    Reverifier(Storage& storage, VerifierPool& verifiers, bool all, std::function<void()> hidden);
    // Stops after the game being verified.
    ~Reverifier();
    Reverifier(const Reverifier&) = delete;
    Reverifier& operator=(const Reverifier&) = delete;

private:
    void run();
    // The verdict, or nothing when the server stops first.
    std::optional<Verdict> verify(const QByteArray& replay);

    Storage& m_storage;
    VerifierPool& m_verifiers;
    const bool m_all;
    const std::function<void()> m_hidden;
    std::mutex m_mutex;
    std::condition_variable m_stopping;
    bool m_stop = false;
    std::thread m_thread;  // last: it starts once the rest is made
};
