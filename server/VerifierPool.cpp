#include "server/VerifierPool.h"

VerifierPool::VerifierPool(unsigned threads, std::size_t capacity, std::chrono::milliseconds bound)
    : m_capacity(capacity), m_bound(bound)
{
    if (threads == 0)
        threads = std::max(1u, std::thread::hardware_concurrency());
    for (unsigned i = 0; i < threads; ++i)
        m_slots.push_back(std::make_unique<Slot>());
    for (const std::unique_ptr<Slot>& slot : m_slots)
        m_workers.emplace_back([this, &slot = *slot] { work(slot); });
    m_watch = std::thread([this] { watch(); });
}

VerifierPool::~VerifierPool()
{
    {
        const std::lock_guard lock(m_mutex);
        m_closing = true;
    }
    m_ready.notify_all();
    for (std::thread& worker : m_workers)
        worker.join();
    m_ending.notify_all();
    m_watch.join();
}

std::optional<std::future<Verdict>> VerifierPool::submit(Job job)
{
    std::future<Verdict> verdict;
    {
        const std::lock_guard lock(m_mutex);
        if (m_closing || m_counted >= m_capacity)
            return std::nullopt;
        ++m_counted;
        m_queue.push_back({std::move(job), {}});
        verdict = m_queue.back().verdict.get_future();
    }
    m_ready.notify_one();
    return verdict;
}

void VerifierPool::work(Slot& slot)
{
    for (;;) {
        Task task;
        {
            std::unique_lock lock(m_mutex);
            m_ready.wait(lock, [this] { return m_closing || !m_queue.empty(); });
            if (m_queue.empty())
                return;
            task = std::move(m_queue.front());
            m_queue.pop_front();
        }
        slot.stop = false;
        slot.deadline = (std::chrono::steady_clock::now() + m_bound).time_since_epoch().count();
        Verdict verdict;
        try {
            verdict = task.job(slot.stop);
        } catch (const std::exception& e) {
            verdict.message = QStringLiteral("the game could not be verified: %1").arg(QString::fromUtf8(e.what()));
        }
        slot.deadline = 0;
        {
            const std::lock_guard lock(m_mutex);
            --m_counted;
        }
        task.verdict.set_value(std::move(verdict));
    }
}

void VerifierPool::watch()
{
    // A tenth of the bound late at most, and never busier than every 10 ms.
    const auto period = std::max(std::chrono::milliseconds(10), m_bound / 10);
    std::unique_lock lock(m_mutex);
    while (!m_closing || std::any_of(m_slots.begin(), m_slots.end(), [](const auto& s) { return s->deadline != 0; })) {
        m_ending.wait_for(lock, period);
        const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
        for (const std::unique_ptr<Slot>& slot : m_slots) {
            const auto deadline = slot->deadline.load();
            if (deadline != 0 && now >= deadline)
                slot->stop = true;
        }
    }
}
