#include "server/WorldApi.h"

#include "server/Submission.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <httplib.h>
#include <openssl/evp.h>

#include <cstdio>

namespace {

std::string json(const QJsonObject& body) { return QJsonDocument(body).toJson(QJsonDocument::Compact).toStdString(); }

void answer(httplib::Response& response, int status, const std::string& body)
{
    response.status = status;
    response.set_content(body, "application/json");
}

void answer(httplib::Response& response, int status, const QJsonObject& body) { answer(response, status, json(body)); }

void refuse(httplib::Response& response, int status, const QString& message)
{
    answer(response, status, {{QStringLiteral("error"), message}});
}

QJsonObject gameJson(const StoredGame& game)
{
    return {{QStringLiteral("id"), game.id},
            {QStringLiteral("entry"),
             QJsonObject{{QStringLiteral("kind"), game.kind}, {QStringLiteral("name"), game.name}}},
            {QStringLiteral("score"), game.score},
            {QStringLiteral("date"), game.date}};
}

QJsonObject placed(const PlacedGame& stored)
{
    QJsonObject body = gameJson(stored.game);
    body.insert(QStringLiteral("set"), QString::fromLatin1(stored.game.set));
    body.insert(QStringLiteral("rank"), stored.rank);
    body.insert(QStringLiteral("games"), stored.games);
    body.insert(QStringLiteral("stored"), stored.fresh ? QStringLiteral("new") : QStringLiteral("already"));
    return body;
}

void busy(httplib::Response& response, const QString& message)
{
    response.set_header("Retry-After", "2");
    refuse(response, 503, message);
}

// The game stored before: the sender's own when the entry is the same, else another's, which the
// sender's game learns of by its entry.
void answerStored(httplib::Response& response, const PlacedGame& stored, const Submission& submission)
{
    if (stored.hidden)
        return refuse(response, 422, QStringLiteral("this replay failed when the table verified its games again"));
    QJsonObject body = placed(stored);
    if (stored.game.kind == submission.kind && stored.game.name == submission.name)
        return answer(response, 200, body);
    body.insert(QStringLiteral("error"), QStringLiteral("this game is in the table already, under another entry"));
    answer(response, 409, body);
}

// The SHA-256 of a replay in hexadecimal, by OpenSSL: a hundred kilobytes on every submission,
// which it hashes several times faster than QCryptographicHash.
QByteArray sha256Hex(const QByteArray& bytes)
{
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int size = 0;
    if (EVP_Digest(bytes.constData(), std::size_t(bytes.size()), digest, &size, EVP_sha256(), nullptr) != 1)
        throw std::runtime_error("SHA-256 failed");
    return QByteArray(reinterpret_cast<const char*>(digest), qsizetype(size)).toHex();
}

// The standard texts of the statuses the HTTP layer answers by itself.
QString statusText(int status)
{
    switch (status) {
    case 400:
        return QStringLiteral("the request cannot be read");
    case 404:
        return QStringLiteral("there is nothing at this address");
    case 413:
        return QStringLiteral("the body is larger than %1 bytes").arg(MaxBody);
    case 405:
        return QStringLiteral("this address does not take that method");
    default:
        return QStringLiteral("the request failed with status %1").arg(status);
    }
}

}  // namespace

void WorldApi::route(httplib::Server& server)
{
    server.Post("/api/v1/games", [this](const auto& request, auto& response) { submit(request, response); });
    server.Get(R"(/api/v1/sets/([0-9a-f]{64})/top)",
               [this](const auto& request, auto& response) { top(request, response); });
    server.Get("/api/v1/sets", [this](const auto&, auto& response) { sets(response); });
    server.Get(R"(/api/v1/games/([0-9]{1,18})/replay)",
               [this](const auto& request, auto& response) { replay(request, response); });
    server.Get("/health", [this](const auto&, auto& response) {
        try {
            m_storage.check();
            answer(response, 200, {{QStringLiteral("status"), "ok"}});
        } catch (const StorageError& e) {
            std::fprintf(stderr, "pondrake-server: health: the database failed: %s\n", e.what());
            refuse(response, 503, QStringLiteral("the database does not answer"));
        }
    });
    server.set_payload_max_length(MaxBody);
    // The HTTP layer's own refusals (413, 404, 400) come with an empty body: give them a message.
    server.set_error_handler([](const auto&, httplib::Response& response) {
        if (response.body.empty())
            refuse(response, response.status, statusText(response.status));
    });
    server.set_exception_handler([](const auto&, httplib::Response& response, std::exception_ptr error) {
        // The detail is for the log: what the database says of itself is no stranger's business.
        QString message = QStringLiteral("the server failed");
        try {
            std::rethrow_exception(std::move(error));
        } catch (const StorageError& e) {
            message = QStringLiteral("the database failed");
            std::fprintf(stderr, "pondrake-server: the database failed: %s\n", e.what());
        } catch (const std::exception& e) {
            std::fprintf(stderr, "pondrake-server: %s\n", e.what());
        } catch (...) {  // reported as the server's fault whatever it was
        }
        refuse(response, 500, message);
    });
}

void WorldApi::submit(const httplib::Request& request, httplib::Response& response)
{
    const std::string client = m_limiter.clientOf(request.remote_addr, request.get_header_value("X-Forwarded-For"));
    if (const int wait = m_limiter.secondsToWait(client)) {
        response.set_header("Retry-After", std::to_string(wait));
        return refuse(response, 429, QStringLiteral("too many games from this address: wait %1 s").arg(wait));
    }
    SubmissionReading reading =
        readSubmission(QByteArray::fromRawData(request.body.data(), qsizetype(request.body.size())),
                       QString::fromStdString(request.get_header_value("Content-Type")));
    if (!reading.submission)
        return refuse(response, reading.status, reading.message);
    Submission& submission = *reading.submission;
    const QByteArray sha = sha256Hex(submission.replay);
    if (const std::optional<PlacedGame> known = m_storage.gameByReplay(sha))
        return answerStored(response, *known, submission);

    std::optional<std::future<Verdict>> pending = m_verifiers.submit(
        [replay = submission.replay](const std::atomic<bool>& stop) { return verifyGame(replay, stop); });
    if (!pending)
        return busy(response, QStringLiteral("the server is verifying as many games as it can: send again soon"));
    const Verdict verdict = pending->get();
    if (verdict.stop == Verdict::Stop::Wait)
        return busy(response, verdict.message);
    if (!verdict.accepted)
        return refuse(response, 422, verdict.message);
    const PlacedGame game = m_storage.store({verdict.set, verdict.setName, verdict.levelCount, verdict.seeds,
                                             submission.kind, submission.name, verdict.score, submission.replay, sha});
    // Also when not fresh: a store run again after a broken connection finds its own first commit.
    m_answers.forget();
    if (!game.fresh)
        return answerStored(response, game, submission);
    answer(response, 200, placed(game));
}

bool WorldApi::answerKept(const std::string& key, httplib::Response& response) const
{
    const std::optional<std::string> body = m_answers.find(key);
    if (body)
        answer(response, 200, *body);
    return body.has_value();
}

void WorldApi::top(const httplib::Request& request, httplib::Response& response)
{
    const QByteArray set = QByteArray::fromStdString(request.matches[1].str());
    int limit = 10;
    if (request.has_param("limit")) {
        bool ok = false;
        limit = QString::fromStdString(request.get_param_value("limit")).toInt(&ok);
        if (!ok || limit < 1 || limit > 100)
            return refuse(response, 400, QStringLiteral("limit is a whole number from 1 to 100"));
    }
    const std::string key = request.path + '?' + std::to_string(limit);
    if (answerKept(key, response))
        return;
    const std::uint64_t generation = m_answers.generation();
    const std::optional<SetTop> table = m_storage.top(set, limit);
    if (!table)
        return refuse(response, 404, QStringLiteral("no game of this set is in the table"));
    QJsonArray rows;
    int rank = 0;
    for (const StoredGame& game : table->games) {
        QJsonObject row = gameJson(game);
        row.insert(QStringLiteral("rank"), ++rank);
        rows.append(row);
    }
    std::string body = json({{QStringLiteral("set"), QString::fromLatin1(set)},
                             {QStringLiteral("name"), table->set.name},
                             {QStringLiteral("games"), table->set.games},
                             {QStringLiteral("top"), rows}});
    answer(response, 200, body);
    m_answers.keep(key, generation, std::move(body));
}

void WorldApi::sets(httplib::Response& response)
{
    const std::string key = "sets";
    if (answerKept(key, response))
        return;
    const std::uint64_t generation = m_answers.generation();
    QJsonArray rows;
    for (const SetSummary& set : m_storage.sets())
        rows.append(QJsonObject{{QStringLiteral("set"), QString::fromLatin1(set.id)},
                                {QStringLiteral("name"), set.name},
                                {QStringLiteral("levels"), set.levels},
                                {QStringLiteral("games"), set.games},
                                {QStringLiteral("best"), set.best}});
    std::string body = json({{QStringLiteral("sets"), rows}});
    answer(response, 200, body);
    m_answers.keep(key, generation, std::move(body));
}

void WorldApi::replay(const httplib::Request& request, httplib::Response& response)
{
    const std::optional<QByteArray> bytes = m_storage.replay(std::stoll(request.matches[1].str()));
    if (!bytes)
        return refuse(response, 404, QStringLiteral("no game has this id"));
    response.status = 200;
    response.set_content(bytes->toStdString(), "application/x-pondrake-replay");
}
