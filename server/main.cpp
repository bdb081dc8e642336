// pondrake-server: the world table. Reads its command line, opens the table, then answers HTTP
// until SIGTERM or SIGINT, when it finishes the requests in flight, closes the table and exits 0.

#include "server/HttpServer.h"
#include "server/RequestLog.h"
#include "server/Reverifier.h"
#include "server/ServerOptions.h"
#include "server/WebPages.h"
#include "server/WorldApi.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <csignal>
#include <cstdio>
#include <malloc.h>
#include <sys/socket.h>
#include <thread>

namespace {

int fail(const QString& message)
{
    std::fprintf(stderr, "pondrake-server: %s\n", qPrintable(message));
    return 1;
}

// A folder of the pages' files: beside the program as the build leaves it, else where the package
// installs them.
QString pagesFolder(const char* name)
{
    const QString here = QCoreApplication::applicationDirPath();
    const QString beside = here + u'/' + QLatin1String(name);
    return QFileInfo(beside).isDir() ? beside
                                     : here + QStringLiteral("/../share/pondrake-server/") + QLatin1String(name);
}

// Sets waiting to be judged, and being judged, before 503.
constexpr std::size_t PublishQueue = 16;

std::optional<DatabaseConfig> databaseOf(const ServerOptions& options, QString& error)
{
    return options.databaseUrl.isEmpty() ? sqliteConfig(options.dataFolder, error)
                                         : postgresConfig(options.databaseUrl, error);
}

}  // namespace

int main(int argc, char* argv[])
{
    // Each game read and played allocates and frees a few hundred kilobytes. By default the C
    // library hands such memory back to the kernel and faults it in again for the next game, which
    // costs as much as playing it: keep it in the process instead, until the server is idle
    // (HttpServer gives it back then). In one arena: malloc_trim returns the free memory at the
    // top of the main arena alone, and that of the other threads' arenas would stay for good.
    mallopt(M_MMAP_THRESHOLD, 64 << 20);
    mallopt(M_TRIM_THRESHOLD, 256 << 20);
    mallopt(M_ARENA_MAX, 1);
    // The stopSignals are taken by sigwait below, never by a handler in some thread.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGTERM);
    sigaddset(&stopSignals, SIGINT);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    const QCoreApplication application(argc, argv);
    ServerOptions options;
    QString out, err;
    if (const std::optional<int> answered =
            readServerOptions(QCoreApplication::arguments().mid(1), options, out, err)) {
        std::fputs(qPrintable(out), stdout);
        std::fputs(qPrintable(err), stderr);
        return *answered;
    }
    QString error;
    const std::optional<DatabaseConfig> database = databaseOf(options, error);
    if (!database)
        return fail(error);
    Storage storage(*database, options.databaseConnections);
    if (!storage.prepare(error))
        return fail(error);

    VerifierPool verifiers(options.threads, std::size_t(options.queue), options.timeBound, options.waitBound);
    AnswerCache answers;
    SetPublisher publisher(storage, options.judges, PublishQueue, [&answers] { answers.forget(); });
    const ClientAddress clients(options.trustedProxies);
    RateLimiter sends(options.rateLimit), reads(options.readLimit),
        publishes(options.publishLimit, 65536, std::chrono::hours(1));
    WorldApi api(storage, answers, verifiers, publisher, clients, {sends, reads, publishes});
    // Room for every game the queue holds plus the readers that come meanwhile, and as many again
    // waiting for a thread.
    const std::size_t connections = std::size_t(options.queue) + 2 * verifiers.threads() + 8;
    HttpServer server({connections, connections, options.connectionLimit, options.requestTimeout}, clients);
    api.route(server);
    WebPages pages(storage, pagesFolder("images"), pagesFolder("translations"));
    pages.route(server, [&api](const auto& request, auto& response) { return api.readLimited(request, response); });
    logRequests(server);

    // cpp-httplib 0.11 shares the port with any other process that asks (SO_REUSEPORT) and
    // listens with a backlog of five, so that a burst of new connections waits a second for TCP
    // to send again: the port is this server's alone, and it listens again with room.
    int listening = -1;
    server.set_socket_options([&listening](int socket) {
        const int yes = 1;
        setsockopt(socket, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
        listening = socket;
    });
    const int port = options.port == 0
                         ? server.bind_to_any_port(options.host.toStdString())
                         : (server.bind_to_port(options.host.toStdString(), options.port) ? options.port : -1);
    if (port < 0 || ::listen(listening, SOMAXCONN) != 0)
        return fail(QStringLiteral("cannot listen on %1:%2").arg(options.host).arg(options.port));
    const QString table = database->driver == u"QSQLITE"
                              ? database->databaseName
                              : QStringLiteral("PostgreSQL database ") + database->databaseName;
    std::fprintf(stderr, "pondrake-server: listening on %s:%d, %u verifiers, %u judges, table in %s\n",
                 qPrintable(options.host), port, verifiers.threads(), options.judges, qPrintable(table));
    std::thread listener([&server] { server.listen_after_bind(); });
    const Reverifier reverifier(storage, verifiers, options.reverify, [&answers] { answers.forget(); });
    int signal = 0;
    sigwait(&stopSignals, &signal);
    std::fprintf(stderr, "pondrake-server: %s: finishing the requests in flight\n", strsignal(signal));
    server.stop();  // joins the connections' threads once their requests are answered
    listener.join();
    return 0;
}
