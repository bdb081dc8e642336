#pragma once

#include "server/ClientAddress.h"

#include <httplib.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <string>
#include <unordered_map>

// cpp-httplib's server with what a hostile network needs and 0.11 lacks: a deadline for a whole
// request (0.11 times each read alone, so a header line every few seconds holds a thread for
// ever), a cap on one client's open connections, a bounded wait for a thread, and TCP_NODELAY on
// every connection (an answer leaves in two writes, and Nagle would hold the second until the
// client's delayed acknowledgement). Memory freed by a burst goes back to the system when idle.
//
// Tied to cpp-httplib 0.11.4's internals: it replaces the private virtual
// Server::process_and_close_socket, which listen_internal hands each accepted socket to through the
// task queue, with its own connection loop around the protected process_request, and gives
// memory back in the task queue's on_idle. Check all three on any upgrade.
class HttpServer : public httplib::Server {
public:
    struct Limits {
        std::size_t threads = 8;                     // connections served at once
        std::size_t waiting = 8;                     // connections that may wait for a thread; more are answered 503
        int perClient = 8;                           // connections open at once from one client; 0: no cap
        std::chrono::milliseconds deadline{10'000};  // to send one whole request, then to take its answer
    };

    HttpServer(const Limits& limits, const ClientAddress& clients);

private:
    class DeadlineStream;
    class Handover;

    // Called by httplib on the accepting thread: queues the connection for a thread, or refuses it.
    bool process_and_close_socket(socket_t sock) override;
    void serve(socket_t sock, const std::string& client);
    // Waits for the next request of a kept-alive connection; false when none comes or the server stops.
    bool requestComes(socket_t sock) const;
    bool enter(const std::string& client);
    void leave(const std::string& client);

    const Limits m_limits;
    const ClientAddress& m_clients;
    httplib::ThreadPool* m_pool = nullptr;  // while the server listens
    std::atomic<std::size_t> m_taken{0};    // connections served or waiting for a thread
    std::atomic<bool> m_served{false};      // since memory was last given back
    std::mutex m_mutex;
    std::unordered_map<std::string, int> m_open;  // connections by client
};
