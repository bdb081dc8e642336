#include "ui/net/WorldClient.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <QTimer>

#include <memory>

WorldClient::WorldClient(QObject* parent) : QObject(parent) {}

QUrl WorldClient::baseUrl(const QString& address)
{
    const QString text = address.trimmed();
    if (text.isEmpty())
        return {};
    QUrl url = QUrl::fromUserInput(text.contains(QStringLiteral("://")) ? text : QStringLiteral("http://") + text);
    if (!url.isValid() || url.host().isEmpty() || (url.scheme() != u"http" && url.scheme() != u"https"))
        return {};
    url.setPath(url.path().endsWith(u'/') ? url.path().chopped(1) : url.path());
    url.setQuery(QString());
    url.setFragment(QString());
    return url;
}

QNetworkAccessManager& WorldClient::manager()
{
    if (!m_manager) {
        m_manager = new QNetworkAccessManager(this);
        m_manager->setRedirectPolicy(QNetworkRequest::ManualRedirectPolicy);
    }
    return *m_manager;
}

void WorldClient::setTimeLimits(int readMillis, int sendMillis)
{
    m_readMillis = readMillis;
    m_sendMillis = sendMillis;
}

namespace {

QNetworkRequest requestFor(const QString& address, const QString& path)
{
    QUrl url = WorldClient::baseUrl(address);
    const qsizetype query = path.indexOf(u'?');
    url.setPath(url.path() + path.left(query));
    if (query >= 0)
        url.setQuery(path.mid(query + 1));
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    request.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("Pondrake"));
    return request;
}

}  // namespace

void WorldClient::get(const QString& address, const QString& path, QObject* context, Callback done)
{
    if (baseUrl(address).isEmpty())
        return done({});
    watch(manager().get(requestFor(address, path)), m_readMillis, context, std::move(done));
}

void WorldClient::post(const QString& address, const QString& path, const QByteArray& body, const QString& contentType,
                       QObject* context, Callback done)
{
    if (baseUrl(address).isEmpty())
        return done({});
    QNetworkRequest request = requestFor(address, path);
    request.setHeader(QNetworkRequest::ContentTypeHeader, contentType);
    watch(manager().post(request, body), m_sendMillis, context, std::move(done));
}

void WorldClient::watch(QNetworkReply* reply, int millis, QObject* context, Callback done)
{
    struct State {
        bool tooBig = false;
        bool late = false;
    };
    auto state = std::make_shared<State>();
    auto* timer = new QTimer(reply);
    timer->setSingleShot(true);
    connect(timer, &QTimer::timeout, reply, [reply, state] {
        state->late = true;
        reply->abort();
    });
    timer->start(millis);
    // The bound holds before the body is kept: a length announced over it, or bytes past it.
    connect(reply, &QNetworkReply::downloadProgress, reply, [reply, state](qint64 received, qint64 total) {
        if (received > MaxAnswerBytes || total > MaxAnswerBytes) {
            state->tooBig = true;
            reply->abort();
        }
    });
    const QPointer<QObject> guard(context);
    connect(reply, &QNetworkReply::finished, this, [reply, state, guard, done = std::move(done)] {
        reply->deleteLater();
        if (!guard)
            return;
        WorldAnswer answer;
        answer.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        if (state->tooBig || (answer.status >= 300 && answer.status < 400))
            answer.outcome = WorldAnswer::Outcome::Unusable;
        else if (state->late || answer.status == 0)
            answer.outcome = WorldAnswer::Outcome::Unreachable;
        else {
            answer.outcome = WorldAnswer::Outcome::Answered;
            answer.body = reply->read(MaxAnswerBytes + 1);
            if (answer.body.size() > MaxAnswerBytes) {
                answer.outcome = WorldAnswer::Outcome::Unusable;
                answer.body.clear();
            }
        }
        done(answer);
    });
}
