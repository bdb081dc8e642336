#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QUrl>

#include <functional>

class QNetworkAccessManager;
class QNetworkReply;

// What came back from the world table, before its body is read as what the API says.
struct WorldAnswer {
    enum class Outcome {
        Answered,     // a status and a body within bounds: status says how it went
        Unreachable,  // no connection, no answer in time, or the connection broke
        Unusable,     // a redirect or a body over the bound: nothing of it is used
    };
    Outcome outcome = Outcome::Unreachable;
    int status = 0;
    QByteArray body;
};

// The game's side of the world table: one request at a time per call, in the background, each
// answered once through its callback on the window's thread. The table is a stranger: redirects
// are refused, an answer over MaxAnswerBytes is cut off, and a request with no whole answer
// within its time ends as unreachable. Nothing here touches the network until a request is made.
class WorldClient : public QObject {
    Q_OBJECT
public:
    static constexpr qint64 MaxAnswerBytes = 1 << 20;
    static constexpr int ReadMillis = 5000;
    static constexpr int SendMillis = 15000;  // the table plays the game through before it answers

    explicit WorldClient(QObject* parent = nullptr);

    // The address as the player typed it ("host:port" or a URL with http or https); an empty URL
    // when it is none.
    static QUrl baseUrl(const QString& address);

    using Callback = std::function<void(const WorldAnswer&)>;
    // path is under the address ("/api/v1/..."). The callback is dropped with context.
    void get(const QString& address, const QString& path, QObject* context, Callback done);
    void post(const QString& address, const QString& path, const QByteArray& body, const QString& contentType,
              QObject* context, Callback done);
    void post(const QString& address, const QString& path, const QByteArray& json, QObject* context, Callback done)
    {
        post(address, path, json, QStringLiteral("application/json"), context, std::move(done));
    }

    // For tests: how long a request may take.
    void setTimeLimits(int readMillis, int sendMillis);

private:
    void watch(QNetworkReply* reply, int millis, QObject* context, Callback done);
    QNetworkAccessManager& manager();

    QNetworkAccessManager* m_manager = nullptr;
    int m_readMillis = ReadMillis;
    int m_sendMillis = SendMillis;
};
