#pragma once

#include "server/AnswerCache.h"
#include "server/ClientAddress.h"
#include "server/RateLimiter.h"
#include "server/SetPublisher.h"
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
    // How many requests of each kind one client may make.
    struct Limits {
        RateLimiter& sends;
        RateLimiter& reads;
        RateLimiter& publishes;
    };

    // answers keeps the reads' answers: whatever else changes the table forgets them too.
    WorldApi(Storage& storage, AnswerCache& answers, VerifierPool& verifiers, SetPublisher& publisher,
             const ClientAddress& clients, Limits limits)
        : m_storage(storage), m_answers(answers), m_verifiers(verifiers), m_publisher(publisher), m_clients(clients),
          m_limits(limits)
    {
    }

    void route(httplib::Server& server);
    // Answers 429 when the request's client has asked for too many reads.
    bool readLimited(const httplib::Request& request, httplib::Response& response) const
    {
        return limited(m_limits.reads, "reads", request, response);
    }

private:
    void submit(const httplib::Request& request, httplib::Response& response);
    void top(const httplib::Request& request, httplib::Response& response);
    void sets(const httplib::Request& request, httplib::Response& response);
    void replay(const httplib::Request& request, httplib::Response& response);
    void frames(const httplib::Request& request, httplib::Response& response);
    void publish(const httplib::Request& request, httplib::Response& response);
    void publication(const httplib::Request& request, httplib::Response& response);
    void setFile(const httplib::Request& request, httplib::Response& response);
    // Answers 429 when the request's client has sent too many of these.
    bool limited(RateLimiter& limiter, const char* what, const httplib::Request& request,
                 httplib::Response& response) const;

    Storage& m_storage;
    AnswerCache& m_answers;
    VerifierPool& m_verifiers;
    SetPublisher& m_publisher;
    const ClientAddress& m_clients;
    Limits m_limits;
};

// The largest body taken: a game of hours is far smaller.
inline constexpr std::size_t MaxBody = 1 << 20;
// The largest table read answered: the game reads no more. Nine rows of the largest ink fit.
inline constexpr std::size_t MaxAnswer = 1 << 20;

// The most levels of a set published: each is judged in a fraction of a second.
inline constexpr int MaxPublishedLevels = 100;
