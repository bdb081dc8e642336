#pragma once

#include "server/AnswerCache.h"
#include "server/ClientAddress.h"
#include "server/RateLimiter.h"
#include "server/Storage.h"
#include "server/VerifierPool.h"

namespace httplib {
class Server;
struct Request;
struct Response;
}  // namespace httplib

// The JSON API of docs/server-api.md on an HTTP server: its routes, and a JSON body with a
// readable message on every refusal, those of the HTTP layer (413, 404) included.
class WorldApi {
public:
    WorldApi(Storage& storage, VerifierPool& verifiers, const ClientAddress& clients, RateLimiter& sends,
             RateLimiter& reads)
        : m_storage(storage), m_verifiers(verifiers), m_clients(clients), m_sends(sends), m_reads(reads)
    {
    }

    void route(httplib::Server& server);
    // Answers 429 when the request's client has asked for too many reads.
    bool readLimited(const httplib::Request& request, httplib::Response& response) const
    {
        return limited(m_reads, "reads", request, response);
    }
    // The table changed other than by a game sent: no kept answer is current.
    void forgetAnswers() { m_answers.forget(); }

private:
    void submit(const httplib::Request& request, httplib::Response& response);
    void top(const httplib::Request& request, httplib::Response& response);
    void sets(const httplib::Request& request, httplib::Response& response);
    void replay(const httplib::Request& request, httplib::Response& response);
    void frames(const httplib::Request& request, httplib::Response& response);
    // Answers 429 when the request's client has sent too many of these.
    bool limited(RateLimiter& limiter, const char* what, const httplib::Request& request,
                 httplib::Response& response) const;

    Storage& m_storage;
    VerifierPool& m_verifiers;
    const ClientAddress& m_clients;
    RateLimiter& m_sends;
    RateLimiter& m_reads;
    AnswerCache m_answers;
};

// The largest body taken: a game of hours is far smaller.
inline constexpr std::size_t MaxBody = 1 << 20;
// The largest table read answered: the game reads no more. Nine rows of the largest ink fit.
inline constexpr std::size_t MaxAnswer = 1 << 20;
