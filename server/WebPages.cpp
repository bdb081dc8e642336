#include "server/WebPages.h"

#include "server/InkSvg.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

#include <httplib.h>

namespace {

// The pages may load and fetch only from the server itself, and run only its script: no inline
// script or style, nothing from another host.
constexpr char Policy[] = "default-src 'none'; script-src 'self'; style-src 'self'; img-src 'self'; "
                          "connect-src 'self'; base-uri 'none'; form-action 'none'; frame-ancestors 'none'";
// The stylesheet and script are named with the server's version, so a week in the cache is safe.
constexpr char Static[] = "public, max-age=604800";
const QString Version = QStringLiteral(PONDRAKE_VERSION);

// The sixteen pictures of the board, as the game's images folder holds them.
constexpr const char* Tiles[] = {"alien",       "blank",        "dog_down",   "dog_left", "dog_right", "dog_sit",
                                 "dog_up",      "foot_left",    "foot_right", "hole",     "rock",      "turtle_down",
                                 "turtle_left", "turtle_right", "turtle_up",  "water"};

QByteArray resource(const char* name)
{
    QFile file(QStringLiteral(":/web/") + QLatin1String(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void sendStatic(httplib::Response& response, const QByteArray& bytes, const char* type)
{
    response.set_header("Cache-Control", Static);
    response.set_content(bytes.toStdString(), type);
}

}  // namespace

// A page in the language its request asks for.
struct WebPages::Page {
    const PageLanguages& languages;
    QString language;
    QLocale locale = PageLanguages::locale(language);

    QString say(const char* source) const { return languages.translate(language, "WebPages", source); }
    QString game(const char* context, const char* source) const
    {
        return languages.translate(language, context, source);
    }
    QString number(qint64 n) const { return locale.toString(n); }
    QString date(const QString& iso) const
    {
        const QDateTime at = QDateTime::fromString(iso, Qt::ISODate);
        return QStringLiteral("<time datetime=\"%1\">%2</time>")
            .arg(iso.toHtmlEscaped(), locale.toString(at.date(), QLocale::ShortFormat).toHtmlEscaped());
    }
    // A typed name as text, a handwritten one as the picture of its strokes.
    QString name(const StoredGame& game) const
    {
        if (game.kind == 0)
            return game.name.toHtmlEscaped();
        const QString handwritten = this->game("WorldTopTenWindow", "Handwritten name");
        return inkSvg(game.name, handwritten).value_or(handwritten.toHtmlEscaped());
    }

    // The whole page: its title, and the body's HTML.
    void send(const httplib::Request& request, httplib::Response& response, int status, const QString& title,
              const QString& body, bool player = false) const
    {
        const QString html =
            QStringLiteral("<!doctype html>\n<html lang=\"%1\"><head><meta charset=\"utf-8\">"
                           "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">"
                           "<title>%2 - Pondrake</title><link rel=\"icon\" href=\"/static/tiles/turtle_up.gif\">"
                           "<link rel=\"stylesheet\" href=\"/static/pondrake.css?v=%3\">%4"
                           "</head><body><header><a href=\"/\">%5</a></header><main>%6</main></body></html>\n")
                .arg(language, title.toHtmlEscaped(), Version,
                     player ? QStringLiteral("<script src=\"/static/player.js?v=%1\" defer></script>").arg(Version)
                            : QString(),
                     game("WorldTopTenWindow", "World Top Ten").toHtmlEscaped(), body);
        const std::string bytes = html.toStdString();
        const QByteArray digest =
            QCryptographicHash::hash(QByteArray::fromStdString(bytes), QCryptographicHash::Sha256);
        const std::string tag = '"' + digest.left(16).toHex().toStdString() + '"';
        response.status = status;
        response.set_header("Content-Security-Policy", Policy);
        response.set_header("Content-Language", language.toStdString());
        response.set_header("Vary", "Accept-Language");
        response.set_header("Cache-Control", "no-cache");
        response.set_header("ETag", tag);
        if (status == 200 && request.get_header_value("If-None-Match") == tag) {
            response.status = 304;
            return;
        }
        response.set_content(bytes, "text/html; charset=utf-8");
    }

    void notFound(const httplib::Request& request, httplib::Response& response, const char* message) const
    {
        send(request, response, 404, say(message), QStringLiteral("<h1>%1</h1>").arg(say(message).toHtmlEscaped()));
    }
};

void addSafetyHeaders(httplib::Response& response) { response.set_header("X-Content-Type-Options", "nosniff"); }

WebPages::WebPages(Storage& storage, const QString& imagesFolder, const QString& translationsFolder)
    : m_storage(storage), m_languages(translationsFolder)
{
    for (const char* tile : Tiles) {
        QFile file(QDir(imagesFolder).filePath(QLatin1String(tile) + QStringLiteral(".gif")));
        if (file.open(QIODevice::ReadOnly))
            m_tiles[std::string(tile) + ".gif"] = file.readAll();
    }
}

void WebPages::route(httplib::Server& server, const Limited& limited)
{
    const auto page = [this, limited](void (WebPages::*handler)(const httplib::Request&, httplib::Response&) const) {
        return [this, limited, handler](const httplib::Request& request, httplib::Response& response) {
            if (!limited(request, response))
                (this->*handler)(request, response);
        };
    };
    server.Get("/", page(&WebPages::sets));
    server.Get(R"(/sets/([0-9a-f]{64}))", page(&WebPages::top));
    server.Get(R"(/games/([0-9]{1,18}))", page(&WebPages::game));
    server.Get("/static/pondrake.css", [css = resource("pondrake.css")](const auto&, auto& response) {
        sendStatic(response, css, "text/css; charset=utf-8");
    });
    server.Get("/static/player.js", [script = resource("player.js")](const auto&, auto& response) {
        sendStatic(response, script, "text/javascript; charset=utf-8");
    });
    server.Get(R"(/static/tiles/([a-z_]{1,20}\.gif))", [this](const httplib::Request& request, auto& response) {
        const auto tile = m_tiles.find(request.matches[1].str());
        if (tile == m_tiles.end()) {
            response.status = 404;
            return;
        }
        sendStatic(response, tile->second, "image/gif");
    });
}

void WebPages::sets(const httplib::Request& request, httplib::Response& response) const
{
    const Page page{m_languages, m_languages.choose(request.get_header_value("Accept-Language"))};
    bool number = true;
    const int shown =
        request.has_param("page") ? QString::fromStdString(request.get_param_value("page")).toInt(&number) : 1;
    if (!number || shown < 1 || shown > 1'000'000)
        return page.notFound(request, response, QT_TRANSLATE_NOOP("WebPages", "There is no such page."));
    const std::vector<SetSummary> sets = m_storage.sets((shown - 1) * SetsPerPage, SetsPerPage + 1);
    if (sets.empty() && shown > 1)  // past the last page
        return page.notFound(request, response, QT_TRANSLATE_NOOP("WebPages", "There is no such page."));
    QString rows;
    for (std::size_t i = 0; i < sets.size() && i < std::size_t(SetsPerPage); ++i)
        rows +=
            QStringLiteral("<tr><td><a href=\"/sets/%1\">%2</a></td><td class=\"num\">%3</td><td class=\"num\">%4</td>"
                           "<td class=\"num\">%5</td></tr>")
                .arg(QString::fromLatin1(sets[i].id), sets[i].name.toHtmlEscaped(), page.number(sets[i].levels),
                     page.number(sets[i].games), page.number(sets[i].best));
    QString body =
        QStringLiteral("<h1>%1</h1>").arg(page.say(QT_TRANSLATE_NOOP("WebPages", "Level sets")).toHtmlEscaped());
    if (rows.isEmpty())
        body += QStringLiteral("<p>%1</p>")
                    .arg(page.say(QT_TRANSLATE_NOOP("WebPages", "No game has been sent yet.")).toHtmlEscaped());
    else
        body += QStringLiteral("<table><thead><tr><th scope=\"col\">%1</th><th scope=\"col\" class=\"num\">%2</th>"
                               "<th scope=\"col\" class=\"num\">%3</th><th scope=\"col\" "
                               "class=\"num\">%4</th></tr></thead><tbody>%5</tbody></table>")
                    .arg(page.say(QT_TRANSLATE_NOOP("WebPages", "Set")).toHtmlEscaped(),
                         page.say(QT_TRANSLATE_NOOP("WebPages", "Levels")).toHtmlEscaped(),
                         page.say(QT_TRANSLATE_NOOP("WebPages", "Games")).toHtmlEscaped(),
                         page.say(QT_TRANSLATE_NOOP("WebPages", "Best score")).toHtmlEscaped(), rows);
    QString links;
    if (shown > 1)
        links += QStringLiteral("<a rel=\"prev\" href=\"/?page=%1\">%2</a> ")
                     .arg(shown - 1)
                     .arg(page.say(QT_TRANSLATE_NOOP("WebPages", "Previous page")).toHtmlEscaped());
    if (sets.size() > std::size_t(SetsPerPage))
        links += QStringLiteral("<a rel=\"next\" href=\"/?page=%1\">%2</a>")
                     .arg(shown + 1)
                     .arg(page.say(QT_TRANSLATE_NOOP("WebPages", "Next page")).toHtmlEscaped());
    if (!links.isEmpty())
        body += QStringLiteral("<nav>%1</nav>").arg(links);
    page.send(request, response, 200, page.say(QT_TRANSLATE_NOOP("WebPages", "Level sets")), body);
}

void WebPages::top(const httplib::Request& request, httplib::Response& response) const
{
    const Page page{m_languages, m_languages.choose(request.get_header_value("Accept-Language"))};
    const std::optional<SetTop> table = m_storage.top(QByteArray::fromStdString(request.matches[1].str()), 10);
    if (!table)
        return page.notFound(request, response, QT_TRANSLATE_NOOP("WebPages", "No game of this set is in the table."));
    QString rows;
    for (std::size_t i = 0; i < table->games.size(); ++i) {
        const StoredGame& game = table->games[i];
        rows += QStringLiteral("<tr><td class=\"num\">%1</td><td>%2</td><td class=\"num\">%3</td><td>%4</td>"
                               "<td><a href=\"/games/%5\">%6</a></td></tr>")
                    .arg(page.number(qint64(i) + 1), page.name(game), page.number(game.score), page.date(game.date),
                         QString::number(game.id), page.say(QT_TRANSLATE_NOOP("WebPages", "Watch")).toHtmlEscaped());
    }
    const auto text = [&page](const char* context, const char* source) {
        return page.languages.translate(page.language, context, source).toHtmlEscaped();
    };
    page.send(
        request, response, 200, table->set.name,
        QStringLiteral(
            "<h1>%1</h1><dl class=\"entry\"><dt>%2</dt><dd>%3</dd><dt>%4</dt><dd>%5</dd></dl>"
            "<table><caption>%6</caption><thead><tr><th scope=\"col\" class=\"num\">%7</th><th scope=\"col\">%8</th>"
            "<th scope=\"col\" class=\"num\">%9</th><th scope=\"col\">%10</th><th scope=\"col\">%11</th></tr>"
            "</thead><tbody>%12</tbody></table>")
            .arg(table->set.name.toHtmlEscaped(), text("WebPages", QT_TRANSLATE_NOOP("WebPages", "Levels")),
                 page.number(table->set.levels), text("WebPages", QT_TRANSLATE_NOOP("WebPages", "Games")),
                 page.number(table->set.games), text("WorldTopTenWindow", "World Top Ten"),
                 text("WorldTopTenWindow", "Rank"), text("WorldTopTenWindow", "Name"),
                 text("WorldTopTenWindow", "Score"), text("WebPages", QT_TRANSLATE_NOOP("WebPages", "Date")),
                 text("WebPages", QT_TRANSLATE_NOOP("WebPages", "Game")), rows));
}

void WebPages::game(const httplib::Request& request, httplib::Response& response) const
{
    const Page page{m_languages, m_languages.choose(request.get_header_value("Accept-Language"))};
    const std::optional<ShownGame> shown = m_storage.shownGame(std::stoll(request.matches[1].str()));
    if (!shown)
        return page.notFound(request, response, QT_TRANSLATE_NOOP("WebPages", "There is no game at this address."));
    const StoredGame& game = shown->game;
    // What the player says as the game goes: the lines of what happened, its buttons' captions.
    QJsonObject phrases;
    for (const char* phrase :
         {"Level %1 passed: %2 saved, %3 lost", "Level %1 failed: %2 saved, %3 lost", "Game over: %1 points"})
        phrases.insert(QLatin1String(phrase), page.game("RecordingPlayer", phrase));
    const QJsonObject texts{
        {QStringLiteral("play"), page.game("RecordingWindow", "Play")},
        {QStringLiteral("pause"), page.game("RecordingWindow", "Pause")},
        {QStringLiteral("phrases"), phrases},
        {QStringLiteral("failed"), page.say(QT_TRANSLATE_NOOP("WebPages", "This game could not be loaded."))},
        {QStringLiteral("countdown"), QJsonObject{{QStringLiteral("GO!"), page.game("Look", "GO!")}}}};
    // Inside a script element "<" could end it: JSON lets it be written as an escape.
    const QString textsJson =
        QString::fromUtf8(QJsonDocument(texts).toJson(QJsonDocument::Compact)).replace(u'<', QStringLiteral("\\u003c"));
    QString status;
    for (const auto& [id, context, label] :
         {std::tuple{"level", "Look", "Level"}, std::tuple{"score", "Look", "Score"},
          std::tuple{"bonus", "Look", "Bonus"}, std::tuple{"saved", "Look", "Turtles Saved"},
          std::tuple{"lost", "Look", "Turtles Lost"},
          std::tuple{"countdown", "WebPages", QT_TRANSLATE_NOOP("WebPages", "Countdown")}})
        status += QStringLiteral("<dt>%1</dt><dd id=\"%2\"></dd>")
                      .arg(page.game(context, label).toHtmlEscaped(), QLatin1String(id));
    QString speeds;
    for (const int speed : {1, 2, 4, 8})
        speeds += QStringLiteral("<button type=\"button\" class=\"speed\" data-speed=\"%1\" aria-pressed=\"%2\" "
                                 "aria-label=\"%3\">%1x</button>")
                      .arg(QString::number(speed), speed == 1 ? QStringLiteral("true") : QStringLiteral("false"),
                           page.game("RecordingWindow", "Speed %1x").arg(speed).toHtmlEscaped());
    const QString id = QString::number(game.id);
    const auto text = [&page](const char* source) { return page.say(source).toHtmlEscaped(); };
    page.send(
        request, response, 200, shown->set.name,
        QStringLiteral(
            "<h1><a href=\"/sets/%1\">%2</a></h1><dl class=\"entry\"><dt>%3</dt><dd>%4</dd><dt>%5</dt><dd>%6</dd>"
            "<dt>%18</dt><dd>%19</dd></dl>"
            "<div id=\"game\" data-frames=\"/api/v1/games/%7/frames\" data-tiles=\"/static/tiles/\">"
            "<canvas id=\"board\" width=\"680\" height=\"680\" role=\"img\" aria-label=\"%8\"></canvas>"
            "<dl id=\"status\">%9</dl><p id=\"happened\" aria-live=\"polite\"></p>"
            "<div id=\"controls\" hidden><button id=\"play\" type=\"button\" aria-pressed=\"false\">%10</button> "
            "<button id=\"start\" type=\"button\">%11</button> <span role=\"group\" aria-label=\"%12\">%13</span> "
            "<input id=\"time\" type=\"range\" min=\"0\" max=\"0\" step=\"1\" value=\"0\" aria-label=\"%14\"></div>"
            "<p><a id=\"download\" href=\"/api/v1/games/%7/replay\" download=\"pondrake-%7.replay\">%15</a></p>"
            "<noscript><p>%16</p></noscript></div><script type=\"application/json\" id=\"texts\">%17</script>")
            // One pass: a name holding "%1" stays as it is.
            .arg(QString::fromLatin1(game.set), shown->set.name.toHtmlEscaped(),
                 page.game("WorldTopTenWindow", "Name").toHtmlEscaped(), page.name(game),
                 page.game("WorldTopTenWindow", "Score").toHtmlEscaped(), page.number(game.score), id,
                 text(QT_TRANSLATE_NOOP("WebPages", "Board")), status,
                 page.game("RecordingWindow", "Play").toHtmlEscaped(),
                 text(QT_TRANSLATE_NOOP("WebPages", "Back to the start")), text(QT_TRANSLATE_NOOP("WebPages", "Speed")),
                 speeds, text(QT_TRANSLATE_NOOP("WebPages", "Game time")),
                 text(QT_TRANSLATE_NOOP("WebPages", "Download this game")),
                 text(QT_TRANSLATE_NOOP("WebPages", "Without scripts the game is not played here: download it and "
                                                    "open it in Pondrake to watch it.")),
                 textsJson, text(QT_TRANSLATE_NOOP("WebPages", "Date")), page.date(game.date)),
        true);
}
