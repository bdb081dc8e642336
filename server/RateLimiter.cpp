#include "server/RateLimiter.h"

RateLimiter::RateLimiter(int count, std::size_t clients, Clock::duration period)
    : m_count(count), m_period(period), m_capacity(clients)
{
}

int RateLimiter::secondsToWait(const std::string& client, Clock::time_point now)
{
    if (m_count <= 0)
        return 0;
    const std::lock_guard lock(m_mutex);
    auto [at, fresh] = m_clients.try_emplace(client);
    if (fresh) {
        m_heard.push_front(client);
        at->second = {now, m_heard.begin()};
        if (m_clients.size() > m_capacity) {
            m_clients.erase(m_heard.back());
            m_heard.pop_back();
        }
    } else {
        m_heard.splice(m_heard.begin(), m_heard, at->second.heard);
    }
    // Each request takes its share of a period; a client may be a period ahead, no more.
    const Clock::time_point full = std::max(at->second.full, now) + m_period / m_count;
    if (full - now > m_period)
        return int(std::chrono::ceil<std::chrono::seconds>(full - now - m_period).count());
    at->second.full = full;
    return 0;
}
