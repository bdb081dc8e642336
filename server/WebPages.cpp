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
    // A text of the game's or the pages', escaped for HTML.
    QString text(const char* context, const char* source) const { return game(context, source).toHtmlEscaped(); }
    // How hard a level or set is: the shipped level it is about as hard as.
    QString difficulty(int level) const
    {
        return say(QT_TRANSLATE_NOOP("WebPages", "like level %1")).arg(number(level)).toHtmlEscaped();
    }
    QString date(const QString& iso) const
    {
        const QDateTime at = QDateTime::fromString(iso, Qt::ISODate);
        return QStringLiteral("<time datetime=\"%1\">%2</time>")
            .arg(iso.toHtmlEscaped(), locale.toString(at.date(), QLocale::ShortFormat).toHtmlEscaped());
    }
    // A typed name as text, a handwritten one as the picture of its strokes.
    QString name(const StoredGame& game) const
    {
        if (game.kind == 0)  // a game given no name has an empty one
            return game.name.isEmpty() ? say(QT_TRANSLATE_NOOP("WebPages", "Anonymous")).toHtmlEscaped()
                                       : game.name.toHtmlEscaped();
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
    const bool publishedOnly = request.get_param_value("published") == "1";
    const std::vector<SetSummary> sets =
        m_storage.sets((shown - 1) * SetsPerPage, SetsPerPage + 1, SetOrder::Games, publishedOnly);
    if (sets.empty() && shown > 1)  // past the last page
        return page.notFound(request, response, QT_TRANSLATE_NOOP("WebPages", "There is no such page."));
    QString rows;
    for (std::size_t i = 0; i < sets.size() && i < std::size_t(SetsPerPage); ++i) {
        const SetSummary& set = sets[i];
        rows += QStringLiteral("<tr><td><a href=\"/sets/%1\">%2</a></td><td>%3</td><td class=\"num\">%4</td>"
                               "<td class=\"num\">%5</td><td class=\"num\">%6</td><td class=\"num\">%7</td></tr>")
                    .arg(QString::fromLatin1(set.id), set.name.toHtmlEscaped(),
                         set.publication ? set.publication->author.toHtmlEscaped() : QString(), page.number(set.levels),
                         set.publication ? page.difficulty(set.publication->difficulty) : QString(),
                         page.number(set.games), page.number(set.best));
    }
    QString body =
        QStringLiteral("<h1>%1</h1>").arg(page.say(QT_TRANSLATE_NOOP("WebPages", "Level sets")).toHtmlEscaped());
    // The other list: all sets, or only those their designers published.
    body += QStringLiteral("<p><a href=\"%1\">%2</a></p>")
                .arg(publishedOnly ? QStringLiteral("/") : QStringLiteral("/?published=1"),
                     page.say(publishedOnly ? QT_TRANSLATE_NOOP("WebPages", "All sets")
                                            : QT_TRANSLATE_NOOP("WebPages", "Published sets only"))
                         .toHtmlEscaped());
    if (rows.isEmpty())
        body += QStringLiteral("<p>%1</p>")
                    .arg(page.say(publishedOnly ? QT_TRANSLATE_NOOP("WebPages", "No set has been published yet.")
                                                : QT_TRANSLATE_NOOP("WebPages", "No game has been sent yet."))
                             .toHtmlEscaped());
    else
        body += QStringLiteral("<table><thead><tr><th scope=\"col\">%1</th><th scope=\"col\">%2</th>"
                               "<th scope=\"col\" class=\"num\">%3</th><th scope=\"col\" class=\"num\">%4</th>"
                               "<th scope=\"col\" class=\"num\">%5</th><th scope=\"col\" class=\"num\">%6</th>"
                               "</tr></thead><tbody>%7</tbody></table>")
                    .arg(page.say(QT_TRANSLATE_NOOP("WebPages", "Set")).toHtmlEscaped(),
                         page.say(QT_TRANSLATE_NOOP("WebPages", "Author")).toHtmlEscaped(),
                         page.say(QT_TRANSLATE_NOOP("WebPages", "Levels")).toHtmlEscaped(),
                         page.say(QT_TRANSLATE_NOOP("WebPages", "Difficulty")).toHtmlEscaped(),
                         page.say(QT_TRANSLATE_NOOP("WebPages", "Games")).toHtmlEscaped(),
                         page.say(QT_TRANSLATE_NOOP("WebPages", "Best score")).toHtmlEscaped(), rows);
    const QString filter = publishedOnly ? QStringLiteral("&amp;published=1") : QString();
    QString links;
    if (shown > 1)
        links += QStringLiteral("<a rel=\"prev\" href=\"/?page=%1%2\">%3</a> ")
                     .arg(QString::number(shown - 1), filter,
                          page.say(QT_TRANSLATE_NOOP("WebPages", "Previous page")).toHtmlEscaped());
    if (sets.size() > std::size_t(SetsPerPage))
        links += QStringLiteral("<a rel=\"next\" href=\"/?page=%1%2\">%3</a>")
                     .arg(QString::number(shown + 1), filter,
                          page.say(QT_TRANSLATE_NOOP("WebPages", "Next page")).toHtmlEscaped());
    if (!links.isEmpty())
        body += QStringLiteral("<nav>%1</nav>").arg(links);
    page.send(request, response, 200, page.say(QT_TRANSLATE_NOOP("WebPages", "Level sets")), body);
}

void WebPages::top(const httplib::Request& request, httplib::Response& response) const
{
    const Page page{m_languages, m_languages.choose(request.get_header_value("Accept-Language"))};
    const QByteArray id = QByteArray::fromStdString(request.matches[1].str());
    const std::optional<SetTop> table = m_storage.top(id, 10);
    const std::optional<PublishedSet> published = m_storage.published(id);
    if (!table && !published)
        return page.notFound(request, response, QT_TRANSLATE_NOOP("WebPages", "No game of this set is in the table."));
    const SetSummary& set = table ? table->set : published->set;
    QString rows;
    for (std::size_t i = 0; table && i < table->games.size(); ++i) {
        const StoredGame& game = table->games[i];
        rows += QStringLiteral("<tr><td class=\"num\">%1</td><td>%2</td><td class=\"num\">%3</td><td>%4</td>"
                               "<td><a href=\"/games/%5\">%6</a></td></tr>")
                    .arg(page.number(qint64(i) + 1), page.name(game), page.number(game.score), page.date(game.date),
                         QString::number(game.id), page.say(QT_TRANSLATE_NOOP("WebPages", "Watch")).toHtmlEscaped());
    }
    QString facts = QStringLiteral("<dt>%1</dt><dd>%2</dd><dt>%3</dt><dd>%4</dd>")
                        .arg(page.text("WebPages", QT_TRANSLATE_NOOP("WebPages", "Levels")), page.number(set.levels),
                             page.text("WebPages", QT_TRANSLATE_NOOP("WebPages", "Games")), page.number(set.games));
    QString about;
    if (published) {
        const Publication& publication = *set.publication;
        const QString author = publication.author.isEmpty()
                                   ? QString()
                                   : QStringLiteral("<dt>%1</dt><dd>%2</dd>")
                                         .arg(page.text("WebPages", QT_TRANSLATE_NOOP("WebPages", "Author")),
                                              publication.author.toHtmlEscaped());
        facts =
            QStringLiteral("%1%2<dt>%3</dt><dd>%4</dd><dt>%5</dt><dd>%6</dd>")
                .arg(author, facts, page.text("WebPages", QT_TRANSLATE_NOOP("WebPages", "Difficulty")),
                     page.difficulty(publication.difficulty),
                     page.text("WebPages", QT_TRANSLATE_NOOP("WebPages", "Published")), page.date(publication.date));
        for (const QString& line : publication.description.split(u'\n', Qt::SkipEmptyParts))
            about += QStringLiteral("<p>%1</p>").arg(line.toHtmlEscaped());
        QString levels;
        for (const JudgedLevel& level : published->verdicts)
            levels += QStringLiteral("<tr><td class=\"num\">%1</td><td class=\"num\">%2</td><td class=\"num\">%3</td>"
                                     "<td>%4</td></tr>")
                          .arg(page.number(level.level), page.locale.toString(level.passRate * 100, 'f', 0) + u'%',
                               page.difficulty(level.difficulty),
                               level.warning.message.isEmpty()
                                   ? QString()
                                   : page.text("WebPages", QT_TRANSLATE_NOOP("WebPages", "Plays itself")));
        about +=
            QStringLiteral("<p><a href=\"/api/v1/sets/%1/file\" download=\"%2.pondrake\">%3</a></p>"
                           "<table><caption>%4</caption><thead><tr><th scope=\"col\" class=\"num\">%5</th>"
                           "<th scope=\"col\" class=\"num\">%6</th><th scope=\"col\" class=\"num\">%7</th>"
                           "<th scope=\"col\">%8</th></tr></thead><tbody>%9</tbody></table>")
                .arg(QString::fromLatin1(id), set.name.toHtmlEscaped(),
                     page.text("WebPages", QT_TRANSLATE_NOOP("WebPages", "Download this set")),
                     page.text("WebPages", QT_TRANSLATE_NOOP("WebPages", "How the computer player fared")),
                     page.text("Look", "Level"), page.text("WebPages", QT_TRANSLATE_NOOP("WebPages", "Runs passed")),
                     page.text("WebPages", QT_TRANSLATE_NOOP("WebPages", "Difficulty")),
                     page.text("WebPages", QT_TRANSLATE_NOOP("WebPages", "Note")), levels);
    }
    const QString games =
        rows.isEmpty()
            ? QStringLiteral("<p>%1</p>")
                  .arg(page.text("WebPages", QT_TRANSLATE_NOOP("WebPages", "No game of this set "
                                                                           "has been sent yet.")))
            : QStringLiteral("<table><caption>%1</caption><thead><tr><th scope=\"col\" class=\"num\">%2</th>"
                             "<th scope=\"col\">%3</th><th scope=\"col\" class=\"num\">%4</th><th scope=\"col\">%5</th>"
                             "<th scope=\"col\">%6</th></tr></thead><tbody>%7</tbody></table>")
                  .arg(page.text("WorldTopTenWindow", "World Top Ten"), page.text("WorldTopTenWindow", "Rank"),
                       page.text("WorldTopTenWindow", "Name"), page.text("WorldTopTenWindow", "Score"),
                       page.text("WebPages", QT_TRANSLATE_NOOP("WebPages", "Date")),
                       page.text("WebPages", QT_TRANSLATE_NOOP("WebPages", "Game")), rows);
    page.send(request, response, 200, set.name,
              QStringLiteral("<h1>%1</h1><dl class=\"entry\">%2</dl>%3%4")
                  .arg(set.name.toHtmlEscaped(), facts, about, games));
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
         {"Level %1 passed. Saved: %2, lost: %3", "Level %1 failed. Saved: %2, lost: %3", "Game over. Score: %1"})
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
                                 "aria-label=\"%3\">%4</button>")
                      .arg(QString::number(speed), speed == 1 ? QStringLiteral("true") : QStringLiteral("false"),
                           page.game("RecordingWindow", "Speed %1x").arg(speed).toHtmlEscaped(),
                           page.game("RecordingWindow", "%1x").arg(speed).toHtmlEscaped());
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
