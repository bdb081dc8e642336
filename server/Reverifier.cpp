#include "server/Reverifier.h"

#include <cstdio>

Reverifier::Reverifier(Storage& storage, VerifierPool& verifiers, bool all, std::function<void()> hidden)
    : m_storage(storage), m_verifiers(verifiers), m_all(all), m_hidden(std::move(hidden)), m_thread([this] { run(); })
{
}

Reverifier::~Reverifier()
{
    {
        const std::lock_guard lock(m_mutex);
        m_stop = true;
    }
    m_stopping.notify_all();
    m_thread.join();
}

std::optional<Verdict> Reverifier::verify(const QByteArray& replay)
{
    for (;;) {
        std::optional<std::future<Verdict>> verdict =
            m_verifiers.submit([&replay](const std::atomic<bool>& stop) { return verifyGame(replay, stop); });
        if (verdict)
            return verdict->get();
        // The queue is full of games being sent: they go first.
        std::unique_lock lock(m_mutex);
        if (m_stopping.wait_for(lock, std::chrono::milliseconds(200), [this] { return m_stop; }))
            return std::nullopt;
    }
}

void Reverifier::run()
{
    qint64 verified = 0, hidden = 0, unsettled = 0;
    try {
        const qint64 count = m_storage.unverifiedCount(m_all);
        if (count == 0)
            return;
        std::fprintf(stderr, "pondrake-server: verifying %lld stored games again in the background\n", count);
        for (qint64 after = 0;;) {
            const std::vector<StoredReplay> page = m_storage.unverified(after, m_all, 64);
            if (page.empty())
                break;
            for (const StoredReplay& game : page) {
                after = game.id;
                const std::optional<Verdict> verdict = verify(game.replay);
                if (!verdict)
                    return;
                ++verified;
                if (verdict->stop != Verdict::Stop::None) {
                    ++unsettled;
                } else if (verdict->accepted && verdict->score == game.score && verdict->set == game.set) {
                    m_storage.markVerified(game.id);
                } else {
                    m_storage.hide(game.id);
                    m_hidden();
                    ++hidden;
                    std::fprintf(stderr, "pondrake-server: game %lld hidden: %s\n", game.id,
                                 verdict->accepted ? "it plays to another score or set" : qPrintable(verdict->message));
                }
            }
        }
    } catch (const StorageError& e) {
        std::fprintf(stderr, "pondrake-server: verifying stored games again stopped: %s\n", e.what());
    }
    std::fprintf(stderr, "pondrake-server: verified %lld stored games again: %lld hidden, %lld out of time\n", verified,
                 hidden, unsettled);
}
