#include "server/HttpServer.h"

#include <malloc.h>
#include <netdb.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <optional>

namespace {

using Clock = std::chrono::steady_clock;

// Whether the socket is ready for events before the time; false once it has passed.
bool ready(int sock, short events, Clock::time_point by)
{
    for (;;) {
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(by - Clock::now()).count();
        if (left <= 0)
            return false;
        pollfd polled{sock, events, 0};
        const int n = ::poll(&polled, 1, int(std::min<long long>(left, 60'000)));
        if (n > 0)
            return true;
        if (n < 0 && errno != EINTR)
            return false;
    }
}

void addressOf(int sock, bool peer, std::string& ip, int& port)
{
    sockaddr_storage address{};
    socklen_t size = sizeof address;
    auto* any = reinterpret_cast<sockaddr*>(&address);
    char host[NI_MAXHOST], service[NI_MAXSERV];
    if ((peer ? getpeername(sock, any, &size) : getsockname(sock, any, &size)) == 0 &&
        getnameinfo(any, size, host, sizeof host, service, sizeof service, NI_NUMERICHOST | NI_NUMERICSERV) == 0) {
        ip = host;
        port = std::atoi(service);
    }
}

// Answers a connection that will not be served without reading its request. What has come of it
// is read away first, so that closing does not reset the connection before the answer is read.
void refuse(int sock, const char* status, const char* message, const char* code)
{
    std::array<char, 4096> away{};
    for (int n = 0; n < 16 && ::recv(sock, away.data(), away.size(), MSG_DONTWAIT) > 0; ++n) {
    }
    const std::string body = std::string(R"({"error":")") + message + R"(","code":")" + code + R"(","args":[]})";
    const std::string answer = std::string("HTTP/1.1 ") + status +
                               "\r\nContent-Type: application/json\r\nRetry-After: 2\r\nConnection: close\r\n"
                               "Content-Length: " +
                               std::to_string(body.size()) + "\r\n\r\n" + body;
    ::send(sock, answer.data(), answer.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
    ::shutdown(sock, SHUT_WR);
}

}  // namespace

// A connection's socket for process_request: reading one request, and then writing its answer,
// must each end within the deadline from their start, and a request is at most `most` bytes
// (httplib bounds the body, but not how many header lines come). Reads are buffered: httplib reads
// the request line and headers a byte at a time.
class HttpServer::DeadlineStream : public httplib::Stream {
public:
    DeadlineStream(socket_t sock, std::chrono::milliseconds deadline, std::size_t most)
        : m_socket(sock), m_deadline(deadline), m_most(most)
    {
    }

    // A request begins.
    void begin()
    {
        m_readBy = Clock::now() + m_deadline;
        m_cut = false;
        m_read = 0;
        m_writeBy.reset();
    }
    // The request was not read in time, or ran too long: httplib answers 400, and the connection
    // ends there.
    bool cut() const { return m_cut; }
    bool is_readable() const override
    {
        if (m_next < m_end || ready(m_socket, POLLIN, m_readBy))
            return true;
        m_cut = Clock::now() >= m_readBy;
        return false;
    }
    bool is_writable() const override { return ready(m_socket, POLLOUT, writeBy()); }
    ssize_t read(char* ptr, size_t size) override
    {
        if (m_next == m_end) {
            m_cut = m_read >= m_most;
            if (m_cut || !is_readable())
                return -1;
            const ssize_t n = ::recv(m_socket, m_buffer.data(), m_buffer.size(), 0);
            if (n <= 0)
                return n;
            m_next = 0;
            m_end = std::size_t(n);
            m_read += m_end;
        }
        const std::size_t n = std::min(size, m_end - m_next);
        std::memcpy(ptr, m_buffer.data() + m_next, n);
        m_next += n;
        return ssize_t(n);
    }
    // All or nothing: httplib writes the headers in one call that it does not repeat.
    ssize_t write(const char* ptr, size_t size) override
    {
        for (std::size_t sent = 0; sent < size;) {
            if (!is_writable())
                return -1;
            const ssize_t n = ::send(m_socket, ptr + sent, size - sent, MSG_NOSIGNAL | MSG_DONTWAIT);
            if (n < 0 && errno != EAGAIN && errno != EINTR)
                return -1;
            sent += std::size_t(std::max<ssize_t>(n, 0));
        }
        return ssize_t(size);
    }
    void get_remote_ip_and_port(std::string& ip, int& port) const override { addressOf(m_socket, true, ip, port); }
    void get_local_ip_and_port(std::string& ip, int& port) const override { addressOf(m_socket, false, ip, port); }
    socket_t socket() const override { return m_socket; }

private:
    Clock::time_point writeBy() const
    {
        if (!m_writeBy)
            m_writeBy = Clock::now() + m_deadline;
        return *m_writeBy;
    }

    const socket_t m_socket;
    const std::chrono::milliseconds m_deadline;
    const std::size_t m_most;
    Clock::time_point m_readBy;
    mutable std::optional<Clock::time_point> m_writeBy;
    mutable bool m_cut = false;
    std::size_t m_read = 0;
    std::array<char, 4096> m_buffer{};
    std::size_t m_next = 0, m_end = 0;
};

// The task queue httplib hands each accepted socket to: at once, on the accepting thread, so that
// process_and_close_socket sees the connection before it waits for a thread.
class HttpServer::Handover : public httplib::TaskQueue {
public:
    explicit Handover(HttpServer& server) : m_server(server), m_pool(server.m_limits.threads)
    {
        m_server.m_pool = &m_pool;
    }
    ~Handover() override { m_server.m_pool = nullptr; }
    void enqueue(std::function<void()> accepted) override { accepted(); }
    void shutdown() override { m_pool.shutdown(); }
    // No new connection for a second: the memory a burst of requests freed goes back to the
    // system (main.cpp has the allocator keep it, which spares the faults while requests come).
    void on_idle() override
    {
        if (m_server.m_taken == 0 && m_server.m_served.exchange(false))
            malloc_trim(0);
    }

private:
    HttpServer& m_server;
    httplib::ThreadPool m_pool;
};

HttpServer::HttpServer(const Limits& limits, const ClientAddress& clients) : m_limits(limits), m_clients(clients)
{
    new_task_queue = [this] { return new Handover(*this); };
    set_idle_interval(1);
}

bool HttpServer::process_and_close_socket(socket_t sock)
{
    std::string peer;
    int port = 0;
    addressOf(sock, true, peer, port);
    // A trusted proxy brings many clients over its connections.
    const std::string client = m_clients.trusted(peer) ? std::string() : m_clients.keyOf(peer);
    const bool full = m_taken >= m_limits.threads + m_limits.waiting;
    if (full || !enter(client)) {
        if (full)
            refuse(sock, "503 Service Unavailable",
                   "the server is answering as many connections as it can: send again soon", "busy-connections");
        else
            refuse(sock, "429 Too Many Requests", "too many connections from this address at once",
                   "too-many-connections");
        ::close(sock);
        return false;
    }
    ++m_taken;
    m_pool->enqueue([this, sock, client] {
        serve(sock, client);
        m_served = true;
        --m_taken;
    });
    return true;
}

void HttpServer::serve(socket_t sock, const std::string& client)
{
    const int yes = 1;
    setsockopt(sock, IPPROTO_TCP, TCP_NODELAY, &yes, sizeof yes);
    // The largest body, and headers enough for any browser or proxy.
    DeadlineStream stream(sock, m_limits.deadline, payload_max_length_ + 64 * 1024);
    for (std::size_t left = keep_alive_max_count_; left > 0 && requestComes(sock); --left) {
        stream.begin();
        bool closed = false;
        if (!process_request(stream, left == 1, closed, nullptr) || closed || stream.cut())
            break;
    }
    leave(client);
    ::shutdown(sock, SHUT_RDWR);
    ::close(sock);
}

bool HttpServer::requestComes(socket_t sock) const
{
    // In short waits, so that a server told to stop does not wait for idle connections.
    const Clock::time_point by = Clock::now() + std::chrono::seconds(keep_alive_timeout_sec_);
    while (svr_sock_ != INVALID_SOCKET) {
        if (ready(sock, POLLIN, std::min(by, Clock::now() + std::chrono::milliseconds(100))))
            return true;
        if (Clock::now() >= by)
            return false;
    }
    return false;
}

bool HttpServer::enter(const std::string& client)
{
    if (client.empty() || m_limits.perClient <= 0)
        return true;
    const std::lock_guard lock(m_mutex);
    int& open = m_open[client];
    if (open >= m_limits.perClient)
        return false;
    ++open;
    return true;
}

void HttpServer::leave(const std::string& client)
{
    if (client.empty() || m_limits.perClient <= 0)
        return;
    const std::lock_guard lock(m_mutex);
    if (--m_open[client] == 0)
        m_open.erase(client);
}
