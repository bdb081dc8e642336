#include "server/RateLimiter.h"

namespace {

constexpr RateLimiter::Clock::duration Minute = std::chrono::minutes(1);

}  // namespace

RateLimiter::RateLimiter(int perMinute, std::size_t clients) : m_perMinute(perMinute), m_capacity(clients) {}

int RateLimiter::secondsToWait(const std::string& client, Clock::time_point now)
{
    if (m_perMinute <= 0)
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
    // Each request takes its share of a minute; a client may be a minute ahead, no more.
    const Clock::time_point full = std::max(at->second.full, now) + Minute / m_perMinute;
    if (full - now > Minute)
        return int(std::chrono::ceil<std::chrono::seconds>(full - now - Minute).count());
    at->second.full = full;
    return 0;
}
