#pragma once

#include "server/AnswerCache.h"
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
    WorldApi(Storage& storage, VerifierPool& verifiers, RateLimiter& limiter)
        : m_storage(storage), m_verifiers(verifiers), m_limiter(limiter)
    {
    }

    void route(httplib::Server& server);
    // The table changed other than by a game sent: no kept answer is current.
    void forgetAnswers() { m_answers.forget(); }

private:
    void submit(const httplib::Request& request, httplib::Response& response);
    void top(const httplib::Request& request, httplib::Response& response);
    void sets(httplib::Response& response);
    void replay(const httplib::Request& request, httplib::Response& response);
    // Answers from the kept answers when the one for key is current.
    bool answerKept(const std::string& key, httplib::Response& response) const;

    Storage& m_storage;
    VerifierPool& m_verifiers;
    RateLimiter& m_limiter;
    AnswerCache m_answers;
};

// The largest body taken: a game of hours is far smaller.
inline constexpr std::size_t MaxBody = 1 << 20;
