#include "server/DatabaseConfig.h"

#include <QDir>
#include <QUrl>
#include <QUrlQuery>

std::optional<DatabaseConfig> sqliteConfig(const QString& folder, QString& error)
{
    if (!QDir().mkpath(folder)) {
        error = QStringLiteral("cannot make the data folder %1").arg(folder);
        return std::nullopt;
    }
    return DatabaseConfig{
        QStringLiteral("QSQLITE"), QDir(folder).absoluteFilePath(QStringLiteral("world.sqlite")), {}, -1, {}, {}};
}

std::optional<DatabaseConfig> postgresConfig(const QString& url, QString& error)
{
    const QUrl parsed(url, QUrl::StrictMode);
    const QString name = parsed.path().mid(1);
    const QUrlQuery query(parsed);
    const bool knownQuery = query.queryItems().size() == (query.hasQueryItem(QStringLiteral("host")) ? 1 : 0);
    if (!parsed.isValid() || (parsed.scheme() != u"postgresql" && parsed.scheme() != u"postgres") || name.isEmpty() ||
        name.contains(u'/') || !knownQuery || parsed.hasFragment()) {
        error = QStringLiteral("--database takes postgresql://USER@[HOST][:PORT]/DB[?host=SOCKETDIR]");
        return std::nullopt;
    }
    DatabaseConfig config{
        QStringLiteral("QPSQL"), name, parsed.host(), parsed.port(), parsed.userName(), parsed.password(),
    };
    if (query.hasQueryItem(QStringLiteral("host")))
        config.host = query.queryItemValue(QStringLiteral("host"), QUrl::FullyDecoded);
    return config;
}
