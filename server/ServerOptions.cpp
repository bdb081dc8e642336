#include "server/ServerOptions.h"

#include <QCommandLineParser>

namespace {

QCommandLineOption valued(const QString& name, const QString& help, const QString& value, const QString& byDefault = {})
{
    QCommandLineOption option(name, help, value);
    if (!byDefault.isEmpty())
        option.setDefaultValue(byDefault);
    return option;
}

std::optional<int> number(const QString& text, int low, int high)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok && value >= low && value <= high ? std::optional<int>(value) : std::nullopt;
}

}  // namespace

std::optional<int> readServerOptions(const QStringList& arguments, ServerOptions& options, QString& out, QString& err)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("The world table of Pondrake: it plays every game it is sent through the game's rules and\n"
                       "keeps the games that play to their score, best first, for each level set."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and quit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version and quit."));
    const QCommandLineOption listen =
        valued(QStringLiteral("listen"), QStringLiteral("Listen on ADDR:PORT (port 0: any free one)."),
               QStringLiteral("ADDR:PORT"), QStringLiteral("127.0.0.1:8620"));
    const QCommandLineOption data = valued(QStringLiteral("data"), QStringLiteral("Keep the SQLite table in DIR."),
                                           QStringLiteral("DIR"), QStringLiteral("."));
    const QCommandLineOption database =
        valued(QStringLiteral("database"),
               QStringLiteral("Keep the table in PostgreSQL: postgresql://USER@[HOST][:PORT]/DB[?host=SOCKETDIR]."),
               QStringLiteral("URL"));
    const QCommandLineOption rate =
        valued(QStringLiteral("rate-limit"), QStringLiteral("Games a minute taken from one address (0: no limit)."),
               QStringLiteral("N"), QStringLiteral("30"));
    const QCommandLineOption readRate = valued(
        QStringLiteral("read-limit"), QStringLiteral("Reads of the table a minute from one address (0: no limit)."),
        QStringLiteral("N"), QStringLiteral("600"));
    const QCommandLineOption connectionCap =
        valued(QStringLiteral("connection-limit"),
               QStringLiteral("Connections open at once from one address, a trusted proxy's aside (0: no limit)."),
               QStringLiteral("N"), QStringLiteral("8"));
    const QCommandLineOption requestTime =
        valued(QStringLiteral("request-timeout"),
               QStringLiteral("Seconds a client has to send a whole request, and again to take the answer."),
               QStringLiteral("S"), QStringLiteral("10"));
    const QCommandLineOption proxy = valued(
        QStringLiteral("trusted-proxy"),
        QStringLiteral("A reverse proxy whose X-Forwarded-For names the client (repeatable)."), QStringLiteral("ADDR"));
    const QCommandLineOption queue =
        valued(QStringLiteral("queue"), QStringLiteral("Games that may wait for verification before 503."),
               QStringLiteral("N"), QStringLiteral("32"));
    const QCommandLineOption threads =
        valued(QStringLiteral("threads"), QStringLiteral("Games verified at once (0: one per core)."),
               QStringLiteral("N"), QStringLiteral("0"));
    const QCommandLineOption cpu =
        valued(QStringLiteral("verify-cpu"),
               QStringLiteral("Processor time one game's verification may take; past it the game is refused."),
               QStringLiteral("MS"), QStringLiteral("5000"));
    const QCommandLineOption wait = valued(
        QStringLiteral("verify-wait"),
        QStringLiteral("Time from a game's arrival to its verdict, waiting included; past it 503 with Retry-After."),
        QStringLiteral("MS"), QStringLiteral("10000"));
    const QCommandLineOption connections =
        valued(QStringLiteral("db-connections"), QStringLiteral("Connections to the database."), QStringLiteral("N"),
               QStringLiteral("4"));
    const QCommandLineOption judgeThreads =
        valued(QStringLiteral("judges"), QStringLiteral("Level sets judged at once for publishing."),
               QStringLiteral("N"), QStringLiteral("1"));
    const QCommandLineOption publishRate = valued(
        QStringLiteral("publish-limit"), QStringLiteral("Level sets an hour taken from one address (0: no limit)."),
        QStringLiteral("N"), QStringLiteral("6"));
    const QCommandLineOption reverify(QStringLiteral("reverify"),
                                      QStringLiteral("Verify every stored game again in the background, not only "
                                                     "those no server of this version verified."));
    parser.addOptions({help, version, listen, data, database, rate, readRate, connectionCap, requestTime, proxy, queue,
                       threads, cpu, wait, connections, judgeThreads, publishRate, reverify});

    if (!parser.parse(QStringList(QStringLiteral("pondrake-server")) + arguments)) {
        err = QStringLiteral("pondrake-server: %1\n").arg(parser.errorText());
        return OptionsRefused;
    }
    if (parser.isSet(help)) {
        out = parser.helpText();
        return 0;
    }
    if (parser.isSet(version)) {
        out = QStringLiteral("pondrake-server %1\n").arg(QStringLiteral(PONDRAKE_VERSION));
        return 0;
    }
    const auto refuse = [&](const QString& message) {
        err = QStringLiteral("pondrake-server: %1\n").arg(message);
        return OptionsRefused;
    };
    if (!parser.positionalArguments().isEmpty())
        return refuse(QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments().first()));
    const QString address = parser.value(listen);
    const qsizetype colon = address.lastIndexOf(u':');
    const std::optional<int> port = colon > 0 ? number(address.mid(colon + 1), 0, 65535) : std::nullopt;
    if (!port)
        return refuse(QStringLiteral("--listen takes ADDR:PORT, not '%1'").arg(address));
    options.host = address.left(colon).remove(u'[').remove(u']');
    options.port = *port;
    const std::optional<int> perMinute = number(parser.value(rate), 0, 1'000'000);
    const std::optional<int> readsPerMinute = number(parser.value(readRate), 0, 1'000'000);
    const std::optional<int> perAddress = number(parser.value(connectionCap), 0, 100'000);
    const std::optional<int> seconds = number(parser.value(requestTime), 1, 3600);
    const std::optional<int> waiting = number(parser.value(queue), 1, 100'000);
    const std::optional<int> verifiers = number(parser.value(threads), 0, 256);
    const std::optional<int> processor = number(parser.value(cpu), 1, 3'600'000);
    const std::optional<int> waited = number(parser.value(wait), 1, 3'600'000);
    const std::optional<int> databaseThreads = number(parser.value(connections), 1, 100);
    const std::optional<int> judges = number(parser.value(judgeThreads), 1, 256);
    const std::optional<int> perHour = number(parser.value(publishRate), 0, 1'000'000);
    if (!perMinute || !readsPerMinute || !perAddress || !seconds || !waiting || !verifiers || !processor || !waited ||
        !databaseThreads || !judges || !perHour)
        return refuse(QStringLiteral("--rate-limit, --read-limit, --connection-limit, --request-timeout, --queue, "
                                     "--threads, --verify-cpu, --verify-wait, --db-connections, --judges and "
                                     "--publish-limit take whole numbers in their range (--request-timeout from 1 "
                                     "to 3600, --judges from 1)"));
    options.judges = unsigned(*judges);
    options.publishLimit = *perHour;
    options.rateLimit = *perMinute;
    options.readLimit = *readsPerMinute;
    options.connectionLimit = *perAddress;
    options.requestTimeout = std::chrono::seconds(*seconds);
    options.queue = *waiting;
    options.threads = unsigned(*verifiers);
    options.timeBound = std::chrono::milliseconds(*processor);
    options.waitBound = std::chrono::milliseconds(*waited);
    options.databaseConnections = unsigned(*databaseThreads);
    options.reverify = parser.isSet(reverify);
    options.dataFolder = parser.value(data);
    options.databaseUrl = parser.value(database);
    options.trustedProxies = parser.values(proxy);
    return std::nullopt;
}
