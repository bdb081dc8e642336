#pragma once

#include <QStringList>

#include <chrono>
#include <deque>
#include <mutex>
#include <string>
#include <unordered_map>

// Submissions a minute from one address, over the last sixty seconds. Behind a reverse proxy the
// address is the one the proxy saw, from X-Forwarded-For, but only when the peer is a trusted proxy:
// anyone else could write any address there.
class RateLimiter {
public:
    using Clock = std::chrono::steady_clock;

    RateLimiter(int perMinute, const QStringList& trustedProxies);

    // The client's address: the peer, or the last address a trusted proxy chain names.
    std::string clientOf(const std::string& peer, const std::string& forwardedFor) const;

    // Counts a submission; the seconds until the address may send again when it has sent too many.
    int secondsToWait(const std::string& address, Clock::time_point now = Clock::now());

private:
    bool trusted(const std::string& address) const;

    const int m_perMinute;
    std::vector<std::string> m_trusted;
    std::mutex m_mutex;
    std::unordered_map<std::string, std::deque<Clock::time_point>> m_sent;
    std::size_t m_sinceSweep = 0;
};
