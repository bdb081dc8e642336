#pragma once

#include <QString>
#include <QStringList>

#include <chrono>
#include <optional>

// How the server was asked to run: its command line, read before anything starts.
struct ServerOptions {
    QString host = QStringLiteral("127.0.0.1");
    int port = 8620;                                   // 0: any free port, told on the first line of the log
    QString dataFolder;                                // the SQLite file's folder
    QString databaseUrl;                               // postgresql://...: PostgreSQL instead of SQLite
    int rateLimit = 30;                                // submissions a minute from one address; 0: no limit
    int readLimit = 600;                               // reads of the table a minute from one address; 0: no limit
    int connectionLimit = 8;                           // connections open at once from one address; 0: no limit
    std::chrono::milliseconds requestTimeout{10'000};  // to send a whole request, and to take its answer
    QStringList trustedProxies;                        // peers whose X-Forwarded-For names the client
    int queue = 32;                                    // games waiting for verification before 503
    unsigned threads = 0;                              // verifiers; 0: one per core
    std::chrono::milliseconds timeBound{5000};         // the longest one game's verification may take

    // timeBound is the processor time of the verifying thread; this, the wall clock from a game's
    // arrival to its verdict, waiting included, after which the game is answered 503.
    std::chrono::milliseconds waitBound{10000};
    unsigned databaseConnections = 4;  // the database threads, each with its connection
    bool reverify = false;             // verify every shown game again, not only the unverified
    unsigned judges = 1;               // level sets judged at once for publishing
    int publishLimit = 6;              // level sets an hour taken from one address; 0: no limit
};

// Reads the arguments (without the program's name). Answers --help and --version on out, a
// refusal on err, and returns the exit code then; nothing when the server should start.
std::optional<int> readServerOptions(const QStringList& arguments, ServerOptions& options, QString& out, QString& err);

inline constexpr int OptionsRefused = 2;
