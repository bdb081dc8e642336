#include "server/VerifierPool.h"

#include <pthread.h>

namespace {

std::int64_t processorNanoseconds(clockid_t clock)
{
    timespec now{};
    clock_gettime(clock, &now);
    return std::int64_t(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

}  // namespace

VerifierPool::VerifierPool(unsigned threads, std::size_t capacity, std::chrono::milliseconds processor,
                           std::chrono::milliseconds wait)
    : m_capacity(capacity), m_processor(processor), m_wait(wait)
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
        m_queue.push_back({std::move(job), {}, Clock::now() + m_wait});
        verdict = m_queue.back().verdict.get_future();
    }
    m_ready.notify_one();
    return verdict;
}

Verdict VerifierPool::busy() const
{
    Verdict verdict;
    verdict.message = QStringLiteral("the server is too busy to verify the game now: send it again soon");
    verdict.code = QStringLiteral("busy-verifying");
    verdict.stop = Verdict::Stop::Wait;
    return verdict;
}

void VerifierPool::work(Slot& slot)
{
    clockid_t clock = CLOCK_THREAD_CPUTIME_ID;
    if (pthread_getcpuclockid(pthread_self(), &clock) == 0)
        slot.clock = clock;
    for (;;) {
        Task task;
        {
            std::unique_lock lock(m_mutex);
            m_ready.wait(lock, [this] { return m_closing || !m_queue.empty(); });
            if (m_queue.empty())
                return;
            task = std::move(m_queue.front());
            m_queue.pop_front();
            slot.stop = false;
            slot.late = false;
            slot.began = processorNanoseconds(CLOCK_THREAD_CPUTIME_ID);
            slot.due = task.due.time_since_epoch().count();
        }
        Verdict verdict;
        if (Clock::now() >= task.due) {
            verdict = busy();
        } else {
            try {
                verdict = task.job(slot.stop);
            } catch (const std::exception& e) {
                const QString detail = QString::fromUtf8(e.what());
                verdict.message = QStringLiteral("the game could not be verified: %1").arg(detail);
                verdict.code = QStringLiteral("verification-failed");
                verdict.args = {detail};
            }
        }
        // Over the bound is over it, whether or not the watch saw it in time.
        const auto spent = std::chrono::nanoseconds(processorNanoseconds(CLOCK_THREAD_CPUTIME_ID) - slot.began);
        if (spent > m_processor) {
            verdict = Verdict();
            const double seconds = double(m_processor.count()) / 1000;
            verdict.message = QStringLiteral("the game takes more than %1 s of processor time to verify").arg(seconds);
            verdict.code = QStringLiteral("verification-too-long");
            verdict.args = {seconds};
            verdict.stop = Verdict::Stop::ProcessorTime;
        }
        {
            const std::lock_guard lock(m_mutex);
            slot.due = 0;
            if (slot.late && !verdict.accepted && verdict.stop == Verdict::Stop::None)
                verdict = busy();
            --m_counted;
        }
        task.verdict.set_value(std::move(verdict));
    }
}

void VerifierPool::watch()
{
    // A tenth of the shorter bound late at most, and never busier than every 10 ms.
    const auto period = std::max(std::chrono::milliseconds(10), std::min(m_processor, m_wait) / 10);
    std::unique_lock lock(m_mutex);
    while (!m_closing || std::any_of(m_slots.begin(), m_slots.end(), [](const auto& s) { return s->due != 0; })) {
        m_ending.wait_for(lock, period);
        const auto now = Clock::now();
        for (const std::unique_ptr<Slot>& slot : m_slots) {
            const auto due = slot->due.load();
            if (due == 0)
                continue;
            if (now.time_since_epoch().count() >= due) {
                slot->late = true;
                slot->stop = true;
            }
            if (std::chrono::nanoseconds(processorNanoseconds(slot->clock) - slot->began) > m_processor)
                slot->stop = true;
        }
        // Games that waited past their time are answered now, not when a verifier gets to them.
        for (auto task = m_queue.begin(); task != m_queue.end();) {
            if (now < task->due) {
                ++task;
                continue;
            }
            task->verdict.set_value(busy());
            --m_counted;
            task = m_queue.erase(task);
        }
    }
}
