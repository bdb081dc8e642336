#include "server/WorldApi.h"

#include "server/GameFrames.h"
#include "server/Refusal.h"
#include "server/Submission.h"
#include "server/WebPages.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <httplib.h>
#include <openssl/evp.h>

#include <cstdio>
#include <map>

namespace {

std::string json(const QJsonObject& body) { return QJsonDocument(body).toJson(QJsonDocument::Compact).toStdString(); }

void answer(httplib::Response& response, int status, const std::string& body)
{
    response.status = status;
    response.set_content(body, "application/json");
}

void answer(httplib::Response& response, int status, const QJsonObject& body) { answer(response, status, json(body)); }

QJsonObject refusalJson(const Refusal& refusal)
{
    return {{QStringLiteral("error"), refusal.message},
            {QStringLiteral("code"), refusal.code},
            {QStringLiteral("args"), refusal.args}};
}

void refuse(httplib::Response& response, int status, const Refusal& refusal)
{
    answer(response, status, refusalJson(refusal));
}

void refuse(httplib::Response& response, int status, const QString& message, const char* code,
            const QJsonArray& args = {})
{
    refuse(response, status, {message, QString::fromLatin1(code), args});
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

void busy(httplib::Response& response, const Refusal& refusal)
{
    response.set_header("Retry-After", "2");
    refuse(response, 503, refusal);
}

// A verdict that refused the game, as the API says it.
Refusal refusalOf(const Verdict& verdict) { return {verdict.message, verdict.code, verdict.args}; }

// The game stored before: the sender's own when the entry is the same, else another's, which the
// sender's game learns of by its entry.
void answerStored(httplib::Response& response, const PlacedGame& stored, const Submission& submission)
{
    if (stored.hidden)
        return refuse(response, 422, QStringLiteral("this replay failed when the table verified its games again"),
                      "game-hidden");
    QJsonObject body = placed(stored);
    if (stored.game.kind == submission.kind && stored.game.name == submission.name)
        return answer(response, 200, body);
    const QJsonObject refusal = refusalJson({QStringLiteral("this game is in the table already, under another entry"),
                                             QStringLiteral("game-elsewhere"),
                                             {}});
    for (auto field = refusal.begin(); field != refusal.end(); ++field)
        body.insert(field.key(), field.value());
    answer(response, 409, body);
}

// A set's row: for a published set, what its designer published too.
QJsonObject setJson(const SetSummary& set)
{
    QJsonObject row{{QStringLiteral("set"), QString::fromLatin1(set.id)},
                    {QStringLiteral("name"), set.name},
                    {QStringLiteral("levels"), set.levels},
                    {QStringLiteral("games"), set.games},
                    {QStringLiteral("best"), set.best}};
    if (const std::optional<Publication>& published = set.publication) {
        row.insert(QStringLiteral("published"), true);
        row.insert(QStringLiteral("author"), published->author);
        row.insert(QStringLiteral("description"), published->description);
        row.insert(QStringLiteral("difficulty"), published->difficulty);
        row.insert(QStringLiteral("date"), published->date);
    }
    return row;
}

QJsonObject publishedJson(const PublishedSet& published)
{
    QJsonObject set = setJson(published.set);
    QJsonArray verdicts;
    for (const JudgedLevel& level : published.verdicts) {
        QJsonObject verdict{{QStringLiteral("level"), level.level},
                            {QStringLiteral("passRate"), level.passRate},
                            {QStringLiteral("medianSeconds"), level.medianSeconds},
                            {QStringLiteral("difficulty"), level.difficulty}};
        if (!level.warning.message.isEmpty()) {
            verdict.insert(QStringLiteral("warning"), level.warning.message);
            if (!level.warning.code.isEmpty()) {  // sets published before warnings had codes have none
                verdict.insert(QStringLiteral("code"), level.warning.code);
                verdict.insert(QStringLiteral("args"), level.warning.args);
            }
        }
        verdicts.append(verdict);
    }
    set.insert(QStringLiteral("verdicts"), verdicts);
    return set;
}

std::string publicationPath(const QByteArray& set) { return "/api/v1/sets/" + set.toStdString() + "/publication"; }

// How a set sent stands, as the API says it.
void answerPublication(httplib::Response& response, const PublicationState& state)
{
    QJsonObject body{{QStringLiteral("set"), QString::fromLatin1(state.set)}};
    switch (state.stage) {
    case PublicationState::Stage::Judging:
        body.insert(QStringLiteral("status"), QStringLiteral("judging"));
        body.insert(QStringLiteral("levels"), state.levels);
        body.insert(QStringLiteral("judged"), state.judged);
        response.set_header("Retry-After", "1");
        return answer(response, 202, body);
    case PublicationState::Stage::Published:
        body.insert(QStringLiteral("status"), QStringLiteral("published"));
        body.insert(QStringLiteral("page"), QStringLiteral("/sets/") + QString::fromLatin1(state.set));
        body.insert(QStringLiteral("published"), publishedJson(*state.published));
        return answer(response, 200, body);
    case PublicationState::Stage::Refused: {
        QStringList lines;
        QJsonArray failures;
        QJsonArray levels;
        for (const LevelFailure& failure : state.failures) {
            lines << QStringLiteral("level %1: %2").arg(failure.level).arg(failure.reason.message);
            levels.append(failure.level);
            failures.append(QJsonObject{{QStringLiteral("level"), failure.level},
                                        {QStringLiteral("reason"), failure.reason.message},
                                        {QStringLiteral("code"), failure.reason.code},
                                        {QStringLiteral("args"), failure.reason.args}});
        }
        body.insert(QStringLiteral("status"), QStringLiteral("refused"));
        body.insert(QStringLiteral("error"), lines.join(QStringLiteral("; ")));
        body.insert(QStringLiteral("code"), QStringLiteral("set-refused"));
        body.insert(QStringLiteral("args"), levels);
        body.insert(QStringLiteral("failures"), failures);
        return answer(response, 422, body);
    }
    case PublicationState::Stage::Failed:
        return busy(response, {QStringLiteral("the table failed while it judged the set: send it again"),
                               QStringLiteral("judging-failed"),
                               {}});
    case PublicationState::Stage::Busy:
        break;
    }
    busy(response, {QStringLiteral("the server is judging as many sets as it can: send again later"),
                    QStringLiteral("busy-judging"),
                    {}});
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

// The whole number a query parameter holds, byDefault when it is absent; nothing when out of range.
std::optional<int> parameter(const httplib::Request& request, const char* name, int byDefault, int low, int high)
{
    if (!request.has_param(name))
        return byDefault;
    bool ok = false;
    const int value = QString::fromStdString(request.get_param_value(name)).toInt(&ok);
    return ok && value >= low && value <= high ? std::optional(value) : std::nullopt;
}

// The most rows one table read lists.
constexpr int MaxLimit = 100;

// The standard refusals of the statuses the HTTP layer answers by itself.
Refusal statusRefusal(int status)
{
    switch (status) {
    case 400:
        return {QStringLiteral("the request cannot be read"), QStringLiteral("bad-request"), {}};
    case 404:
        return {QStringLiteral("there is nothing at this address"), QStringLiteral("no-such-address"), {}};
    case 413:
        return {QStringLiteral("the body is larger than %1 bytes").arg(MaxBody),
                QStringLiteral("body-too-large"),
                {qint64(MaxBody)}};
    case 405:
        return {QStringLiteral("this address does not take that method"), QStringLiteral("wrong-method"), {}};
    default:
        return {
            QStringLiteral("the request failed with status %1").arg(status), QStringLiteral("http-status"), {status}};
    }
}

}  // namespace

void WorldApi::route(httplib::Server& server)
{
    server.Post("/api/v1/games", [this](const auto& request, auto& response) {
        if (!limited(m_limits.sends, "games", request, response))
            submit(request, response);
    });
    const auto read = [this](void (WorldApi::*handler)(const httplib::Request&, httplib::Response&)) {
        return [this, handler](const httplib::Request& request, httplib::Response& response) {
            if (!limited(m_limits.reads, "reads", request, response))
                (this->*handler)(request, response);
        };
    };
    server.Post("/api/v1/sets", [this](const auto& request, auto& response) {
        if (!limited(m_limits.publishes, "sets", request, response))
            publish(request, response);
    });
    server.Get(R"(/api/v1/sets/([0-9a-f]{64})/top)", read(&WorldApi::top));
    server.Get(R"(/api/v1/sets/([0-9a-f]{64})/publication)", read(&WorldApi::publication));
    server.Get(R"(/api/v1/sets/([0-9a-f]{64})/file)", read(&WorldApi::setFile));
    server.Get("/api/v1/sets", read(&WorldApi::sets));
    server.Get(R"(/api/v1/games/([0-9]{1,18})/replay)", read(&WorldApi::replay));
    server.Get(R"(/api/v1/games/([0-9]{1,18})/frames)", read(&WorldApi::frames));
    server.Get("/health", [this](const auto&, auto& response) {
        try {
            m_storage.check();
            answer(response, 200, {{QStringLiteral("status"), "ok"}});
        } catch (const StorageError& e) {
            std::fprintf(stderr, "pondrake-server: health: the database failed: %s\n", e.what());
            refuse(response, 503, QStringLiteral("the database does not answer"), "database-unavailable");
        }
    });
    server.set_post_routing_handler([](const auto&, auto& response) { addSafetyHeaders(response); });
    server.set_payload_max_length(MaxBody);
    // The HTTP layer's own refusals (413, 404, 400) come with an empty body: give them a message.
    server.set_error_handler([](const auto&, httplib::Response& response) {
        if (response.body.empty())
            refuse(response, response.status, statusRefusal(response.status));
    });
    server.set_exception_handler([](const auto&, httplib::Response& response, std::exception_ptr error) {
        // The detail is for the log: what the database says of itself is no stranger's business.
        Refusal refusal{QStringLiteral("the server failed"), QStringLiteral("server-failed"), {}};
        try {
            std::rethrow_exception(std::move(error));
        } catch (const StorageError& e) {
            refusal = {QStringLiteral("the database failed"), QStringLiteral("database-failed"), {}};
            std::fprintf(stderr, "pondrake-server: the database failed: %s\n", e.what());
        } catch (const std::exception& e) {
            std::fprintf(stderr, "pondrake-server: %s\n", e.what());
        } catch (...) {  // reported as the server's fault whatever it was
        }
        refuse(response, 500, refusal);
    });
}

bool WorldApi::limited(RateLimiter& limiter, const char* what, const httplib::Request& request,
                       httplib::Response& response) const
{
    std::vector<std::string> forwardedFor;
    for (auto [line, end] = request.headers.equal_range("X-Forwarded-For"); line != end; ++line)
        forwardedFor.push_back(line->second);
    const int wait = limiter.secondsToWait(m_clients.keyOf(request.remote_addr, forwardedFor));
    if (wait == 0)
        return false;
    response.set_header("Retry-After", std::to_string(wait));
    refuse(response, 429, QStringLiteral("too many %1 from this address: wait %2 s").arg(what).arg(wait),
           "rate-limited", {QString::fromLatin1(what), wait});
    return true;
}

void WorldApi::submit(const httplib::Request& request, httplib::Response& response)
{
    SubmissionReading reading =
        readSubmission(QByteArray::fromRawData(request.body.data(), qsizetype(request.body.size())),
                       QString::fromStdString(request.get_header_value("Content-Type")));
    if (!reading.submission)
        return refuse(response, reading.status, reading.refusal);
    Submission& submission = *reading.submission;
    const QByteArray sha = sha256Hex(submission.replay);
    if (const std::optional<PlacedGame> known = m_storage.gameByReplay(sha))
        return answerStored(response, *known, submission);

    std::optional<std::future<Verdict>> pending = m_verifiers.submit(
        [replay = submission.replay](const std::atomic<bool>& stop) { return verifyGame(replay, stop); });
    if (!pending)
        return busy(response, {QStringLiteral("the server is verifying as many games as it can: send again soon"),
                               QStringLiteral("busy-verifying"),
                               {}});
    const Verdict verdict = pending->get();
    if (verdict.stop == Verdict::Stop::Wait)
        return busy(response, refusalOf(verdict));
    if (!verdict.accepted)
        return refuse(response, 422, refusalOf(verdict));
    const PlacedGame game = m_storage.store({verdict.set, verdict.setName, verdict.levelCount, verdict.seeds,
                                             submission.kind, submission.name, verdict.score, submission.replay, sha});
    // Also when not fresh: a store run again after a broken connection finds its own first commit.
    m_answers.forget();
    if (!game.fresh)
        return answerStored(response, game, submission);
    answer(response, 200, placed(game));
}

void WorldApi::top(const httplib::Request& request, httplib::Response& response)
{
    const QByteArray set = QByteArray::fromStdString(request.matches[1].str());
    const std::optional<int> limit = parameter(request, "limit", 10, 1, MaxLimit);
    if (!limit)
        return refuse(response, 400, QStringLiteral("limit is a whole number from 1 to %1").arg(MaxLimit), "bad-limit",
                      {MaxLimit});
    // One kept answer for each set, whatever the limit: the first read after a store queries the
    // rows it asks for, a read that wants more queries the most there are, and every other limit
    // is answered from those, so cycling through the limits queries twice at most.
    const std::string key = "top/" + set.toStdString();
    std::shared_ptr<const Listing> kept = m_answers.find(key);
    if (!kept || (std::size_t(*limit) > kept->rows.size() && kept->rows.size() == kept->asked)) {
        const std::uint64_t generation = m_answers.generation();
        const int asked = kept ? MaxLimit : *limit;
        const std::optional<SetTop> table = m_storage.top(set, asked);
        if (!table)
            return refuse(response, 404, QStringLiteral("no game of this set is in the table"), "no-games-of-set");
        auto listing = std::make_shared<Listing>();
        listing->asked = std::size_t(asked);
        listing->head = json({{QStringLiteral("set"), QString::fromLatin1(set)},
                              {QStringLiteral("name"), table->set.name},
                              {QStringLiteral("games"), table->set.games}});
        std::size_t bytes = listing->head.size() + 64;  // and the list's brackets, commas and flag
        for (const StoredGame& game : table->games) {
            QJsonObject row = gameJson(game);
            row.insert(QStringLiteral("rank"), qsizetype(listing->rows.size()) + 1);
            std::string text = json(row);
            if ((bytes += text.size()) > MaxAnswer) {
                listing->beyond = true;
                break;
            }
            listing->rows.push_back(std::move(text));
        }
        m_answers.keep(key, generation, listing);
        kept = std::move(listing);
    }
    const std::size_t shown = std::min(std::size_t(*limit), kept->rows.size());
    answer(response, 200, kept->body("top", shown, "truncated", kept->beyond && shown < std::size_t(*limit)));
}

void WorldApi::sets(const httplib::Request& request, httplib::Response& response)
{
    const std::optional<int> offset = parameter(request, "offset", 0, 0, 1'000'000'000);
    const std::optional<int> limit = parameter(request, "limit", 50, 1, MaxLimit);
    const std::optional<int> publishedOnly = parameter(request, "published", 0, 0, 1);
    if (!offset || !limit || !publishedOnly)
        return refuse(
            response, 400,
            QStringLiteral("offset is a whole number from 0, limit one from 1 to %1, published 0 or 1").arg(MaxLimit),
            "bad-page", {MaxLimit});
    const std::string sort = request.has_param("sort") ? request.get_param_value("sort") : "games";
    const std::map<std::string, SetOrder> orders{
        {"games", SetOrder::Games}, {"newest", SetOrder::Newest}, {"difficulty", SetOrder::Difficulty}};
    const auto order = orders.find(sort);
    if (order == orders.end())
        return refuse(response, 400, QStringLiteral("sort is games, newest or difficulty"), "bad-sort");
    // Every client reads the first page: it is kept, as long as the longest; later ones are queried.
    const std::string key = "sets/" + sort + (*publishedOnly ? "/published" : "");
    std::shared_ptr<const Listing> kept = *offset == 0 ? m_answers.find(key) : nullptr;
    if (!kept) {
        const std::uint64_t generation = m_answers.generation();
        const int asked = *offset == 0 ? MaxLimit : *limit;
        auto listing = std::make_shared<Listing>();
        listing->head = "{}";
        // One more tells if more follow.
        for (const SetSummary& set : m_storage.sets(*offset, asked + 1, order->second, *publishedOnly != 0))
            listing->rows.push_back(json(setJson(set)));
        listing->beyond = listing->rows.size() > std::size_t(asked);
        if (listing->beyond)
            listing->rows.pop_back();
        if (*offset == 0)
            m_answers.keep(key, generation, listing);
        kept = std::move(listing);
    }
    const std::size_t shown = std::min(std::size_t(*limit), kept->rows.size());
    answer(response, 200, kept->body("sets", shown, "more", kept->beyond || shown < kept->rows.size()));
}

void WorldApi::publish(const httplib::Request& request, httplib::Response& response)
{
    const std::string type = request.get_header_value("Content-Type");
    if (type.substr(0, type.find(';')) != "application/x-pondrake-set")
        return refuse(response, 415, QStringLiteral("a set is sent as application/x-pondrake-set"),
                      "wrong-content-type", {QStringLiteral("application/x-pondrake-set")});
    const QByteArray file = QByteArray::fromStdString(request.body);
    const SetReading reading = readSetFile(file);
    if (!reading.set)
        return refuse(response, 400, QStringLiteral("line %1: %2").arg(reading.line).arg(reading.error.english()),
                      "set-unreadable", {reading.line, reading.error.english()});
    const SetFile& set = *reading.set;
    if (set.levels.size() > std::size_t(MaxPublishedLevels))
        return refuse(response, 422,
                      QStringLiteral("a set published has at most %1 levels, not %2")
                          .arg(MaxPublishedLevels)
                          .arg(set.levels.size()),
                      "too-many-levels", {MaxPublishedLevels, qint64(set.levels.size())});
    if (const std::optional<Refusal> fault = publicationFault(set))
        return refuse(response, 422, *fault);
    const PublicationState state = m_publisher.send(set, file);
    if (state.stage == PublicationState::Stage::Judging)
        response.set_header("Location", publicationPath(state.set));
    answerPublication(response, state);
}

void WorldApi::publication(const httplib::Request& request, httplib::Response& response)
{
    const std::optional<PublicationState> state =
        m_publisher.state(QByteArray::fromStdString(request.matches[1].str()));
    if (!state)
        return refuse(response, 404, QStringLiteral("no set with these levels was sent within the hour"),
                      "set-not-sent");
    answerPublication(response, *state);
}

void WorldApi::setFile(const httplib::Request& request, httplib::Response& response)
{
    const std::optional<QByteArray> file = m_storage.publishedFile(QByteArray::fromStdString(request.matches[1].str()));
    if (!file)
        return refuse(response, 404, QStringLiteral("no set with these levels is published"), "set-not-published");
    response.status = 200;
    response.set_content(file->toStdString(), "application/x-pondrake-set");
}

void WorldApi::replay(const httplib::Request& request, httplib::Response& response)
{
    const std::optional<QByteArray> bytes = m_storage.replay(std::stoll(request.matches[1].str()));
    if (!bytes)
        return refuse(response, 404, QStringLiteral("no game has this id"), "no-such-game");
    response.status = 200;
    response.set_content(bytes->toStdString(), "application/x-pondrake-replay");
}

void WorldApi::frames(const httplib::Request& request, httplib::Response& response)
{
    const std::string key = "frames/" + request.matches[1].str();
    std::shared_ptr<const Listing> kept = m_answers.find(key);
    if (!kept) {
        const std::uint64_t generation = m_answers.generation();
        const std::optional<QByteArray> bytes = m_storage.replay(std::stoll(request.matches[1].str()));
        if (!bytes)
            return refuse(response, 404, QStringLiteral("no game has this id"), "no-such-game");
        // Played again by the verifiers, within their bounds, as a game sent is.
        auto frames = std::make_shared<QByteArray>();
        std::optional<std::future<Verdict>> pending =
            m_verifiers.submit([replay = *bytes, frames](const std::atomic<bool>& stop) {
                GameFrames played = gameFrames(replay, stop);
                *frames = std::move(played.json);
                return std::move(played.verdict);
            });
        if (!pending)
            return busy(response, {QStringLiteral("the server is verifying as many games as it can: ask again soon"),
                                   QStringLiteral("busy-verifying"),
                                   {}});
        const Verdict verdict = pending->get();
        if (verdict.stop == Verdict::Stop::Wait)
            return busy(response, refusalOf(verdict));
        if (!verdict.accepted)  // stored before a change of the rules, and not yet hidden by the check
            return refuse(response, 422, QStringLiteral("this game cannot be played again: ") + verdict.message,
                          "game-not-replayable", {verdict.message});
        auto listing = std::make_shared<Listing>();
        listing->head = frames->toStdString();
        m_answers.keep(key, generation, listing);
        kept = std::move(listing);
    }
    answer(response, 200, kept->head);
}
