#include "server/RequestLog.h"

#include <httplib.h>

#include <chrono>
#include <cstdio>
#include <optional>

namespace {

using Clock = std::chrono::steady_clock;

// A connection's requests are answered one after another on one thread: its request began here.
thread_local std::optional<Clock::time_point> begun;

std::string printable(const std::string& text)
{
    std::string out;
    for (const char c : text.substr(0, 200)) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7f || byte == '\\') {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02x", byte);
            out += escaped;
        } else {
            out += c;
        }
    }
    return text.size() > 200 ? out + "..." : out;
}

}  // namespace

void logRequests(httplib::Server& server)
{
    server.set_pre_routing_handler([](const auto&, auto&) {
        begun = Clock::now();
        return httplib::Server::HandlerResponse::Unhandled;
    });
    server.set_logger([](const httplib::Request& request, const httplib::Response& response) {
        const long long ms =
            begun ? std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - *begun).count() : 0;
        begun.reset();
        std::fprintf(stderr, "%s %s %d %lld ms\n", printable(request.method).c_str(), printable(request.path).c_str(),
                     response.status, ms);
    });
}
