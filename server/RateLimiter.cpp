#include "server/RateLimiter.h"

#include <algorithm>

namespace {

constexpr auto Window = std::chrono::seconds(60);

std::string trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t");
    return first == std::string::npos ? std::string() : text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace

RateLimiter::RateLimiter(int perMinute, const QStringList& trustedProxies) : m_perMinute(perMinute)
{
    for (const QString& proxy : trustedProxies)
        m_trusted.push_back(proxy.toStdString());
}

bool RateLimiter::trusted(const std::string& address) const
{
    return std::find(m_trusted.begin(), m_trusted.end(), address) != m_trusted.end();
}

std::string RateLimiter::clientOf(const std::string& peer, const std::string& forwardedFor) const
{
    if (!trusted(peer) || forwardedFor.empty())
        return peer;
    // Each proxy appends the address it saw: from the right, the first one not ours is the client.
    std::string client = peer;
    std::size_t end = forwardedFor.size();
    while (trusted(client) && end > 0) {
        const std::size_t comma = forwardedFor.rfind(',', end - 1);
        const std::size_t begin = comma == std::string::npos ? 0 : comma + 1;
        client = trimmed(forwardedFor.substr(begin, end - begin)).substr(0, 64);
        end = comma == std::string::npos ? 0 : comma;
    }
    return client.empty() ? peer : client;
}

int RateLimiter::secondsToWait(const std::string& address, Clock::time_point now)
{
    if (m_perMinute <= 0)
        return 0;
    const std::lock_guard lock(m_mutex);
    // Now and then forget the addresses that sent nothing for a minute, so the map stays small.
    if (++m_sinceSweep >= 4096) {
        m_sinceSweep = 0;
        std::erase_if(m_sent,
                      [&](const auto& entry) { return entry.second.empty() || entry.second.back() + Window <= now; });
    }
    std::deque<Clock::time_point>& sent = m_sent[address];
    while (!sent.empty() && sent.front() + Window <= now)
        sent.pop_front();
    if (sent.size() >= std::size_t(m_perMinute))
        return int(std::chrono::ceil<std::chrono::seconds>(sent.front() + Window - now).count());
    sent.push_back(now);
    return 0;
}
