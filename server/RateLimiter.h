#pragma once

#include <chrono>
#include <list>
#include <mutex>
#include <string>
#include <unordered_map>

// Requests a period (a minute unless told) from one client (a key of ClientAddress): `count` at
// once, then one every period / count, so that no period takes more than twice its share. Each
// client costs one time, and at most `clients` are remembered: the one heard from longest ago is
// forgotten first, so a stranger with endless addresses can fill the memory no further.
class RateLimiter {
public:
    using Clock = std::chrono::steady_clock;

    explicit RateLimiter(int count, std::size_t clients = 65536, Clock::duration period = std::chrono::minutes(1));

    // Counts a request; the seconds until the client may send again when it has sent too many.
    int secondsToWait(const std::string& client, Clock::time_point now = Clock::now());

private:
    struct Client {
        Clock::time_point full;  // when the client has its whole period again
        std::list<std::string>::iterator heard;
    };

    const int m_count;
    const Clock::duration m_period;
    const std::size_t m_capacity;
    std::mutex m_mutex;
    std::unordered_map<std::string, Client> m_clients;
    std::list<std::string> m_heard;  // the clients, the last heard from first
};
