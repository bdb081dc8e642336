// The pages beside the API: whatever a stranger names is shown as text, every answer says what it
// is and lets nothing in from elsewhere, a page is asked again by its tag, the request's language
// is spoken by any number of threads at once, a page counts against the reads and its files do
// not, and a handwritten name is drawn within its bound.

#include "server/InkSvg.h"
#include "server/PageLanguages.h"
#include "tests/server/ServerSupport.h"

#include <QFileInfo>

namespace {

std::string setOf(const QJsonObject& stored) { return stored["set"].toString().toStdString(); }

}  // namespace

TEST(WebPages, AStrangersNamesAreTextEveryAnswerIsGuardedAndAPageIsAskedAgainByItsTag)
{
    RunningServer server({}, "pages");
    ASSERT_NE(server.port(), 0) << server.log().toStdString();
    const QByteArray game = serverGame("continued-whole").replace("\nset First Three\n", "\nset <i>\"Set\"</i> & co\n");
    const QJsonObject stored = Client(server.port()).post(gameBody(game, 0, "<script>alert(1)</script>"));
    ASSERT_TRUE(stored.contains("id")) << stored["error"].toString().toStdString();
    httplib::Client client("127.0.0.1", server.port());
    for (const std::string& path :
         std::vector<std::string>{"/", "/sets/" + setOf(stored), "/games/" + std::to_string(stored["id"].toInt())}) {
        SCOPED_TRACE(path);
        const httplib::Result page = client.Get(path);
        ASSERT_TRUE(page);
        EXPECT_EQ(page->status, 200);
        EXPECT_NE(page->body.find("&lt;i&gt;&quot;Set&quot;&lt;/i&gt; &amp; co"), std::string::npos);
        EXPECT_EQ(page->body.find("<i>"), std::string::npos);
        EXPECT_EQ(page->body.find("<script>alert"), std::string::npos);
        EXPECT_EQ(page->get_header_value("Content-Type"), "text/html; charset=utf-8");
        EXPECT_NE(page->get_header_value("Content-Security-Policy").find("default-src 'none'; script-src 'self'"),
                  std::string::npos);
        EXPECT_EQ(page->get_header_value("X-Content-Type-Options"), "nosniff");
        const httplib::Result again = client.Get(path, {{"If-None-Match", page->get_header_value("ETag")}});
        EXPECT_EQ(again->status, 304);
        EXPECT_TRUE(again->body.empty());
    }
    EXPECT_NE(client.Get("/sets/" + setOf(stored))->body.find("&lt;script&gt;alert(1)&lt;/script&gt;"),
              std::string::npos);
    EXPECT_EQ(client.Get("/api/v1/sets")->get_header_value("X-Content-Type-Options"), "nosniff");
}

TEST(WebPages, APageSpeaksTheLanguageItsRequestWeighsMostAndCountsAgainstTheReadsItsFilesDoNot)
{
    RunningServer server({"--read-limit", "6"}, "languages");
    ASSERT_NE(server.port(), 0) << server.log().toStdString();
    httplib::Client client("127.0.0.1", server.port());
    for (const auto& [accepted, language, title] : {std::tuple{"de-AT, en;q=0.5", "de", "Levelsammlungen"},
                                                    {"fr;q=0.4, es;q=0.8", "es", "Colecciones de niveles"},
                                                    {"xx, *", "en", "Level sets"},
                                                    {"de;q=0, fr;q=0.5", "fr", "Séries de niveaux"},
                                                    {"de;q=0", "en", "Level sets"}}) {
        SCOPED_TRACE(accepted);
        const httplib::Result page = client.Get("/", {{"Accept-Language", accepted}});
        EXPECT_EQ(page->get_header_value("Content-Language"), language);
        EXPECT_NE(page->body.find(std::string("<html lang=\"") + language + "\">"), std::string::npos);
        EXPECT_NE(page->body.find(std::string("<h1>") + title + "</h1>"), std::string::npos);
    }
    for (const char* path : {"/static/pondrake.css", "/static/player.js", "/static/tiles/turtle_up.gif",
                             "/static/tiles/water.gif", "/static/tiles/alien.gif", "/static/tiles/rock.gif"}) {
        const httplib::Result file = client.Get(path);
        EXPECT_EQ(file->status, 200) << path;
        EXPECT_EQ(file->get_header_value("Cache-Control"), "public, max-age=604800") << path;
    }
    EXPECT_EQ(client.Get("/static/tiles/nothing.gif")->status, 404);
    EXPECT_EQ(client.Get("/games/999999")->status, 404) << "the sixth read";
    EXPECT_EQ(client.Get("/")->status, 429) << "the seventh";
}

TEST(WebPages, AddressesOfNothingAreNotFound)
{
    RunningServer server({}, "nothing");
    ASSERT_NE(server.port(), 0) << server.log().toStdString();
    httplib::Client client("127.0.0.1", server.port());
    for (const std::string& path : std::vector<std::string>{"/games/999999", "/sets/" + std::string(64, '0'),
                                                            "/?page=0", "/?page=x", "/?page=2", "/?page=2000000"}) {
        const httplib::Result page = client.Get(path);
        EXPECT_EQ(page->status, 404) << path;
        EXPECT_EQ(page->get_header_value("Content-Type"), "text/html; charset=utf-8") << path;
    }
    EXPECT_NE(client.Get("/")->body.find("No game has been sent yet."), std::string::npos);
}

TEST(PageLanguages, ManyThreadsTranslateAtOnce)
{
    const PageLanguages languages(QFileInfo(QStringLiteral(PONDRAKE_SERVER)).path() + QStringLiteral("/translations"));
    std::atomic<int> wrong{0};
    {
        std::vector<std::jthread> threads;
        for (const char* language : {"de", "fr", "es", "de"})
            threads.emplace_back([&, language] {
                const QString expected = languages.translate(QString::fromLatin1(language), "Look", "GO!");
                for (int i = 0; i < 2000; ++i)
                    wrong += languages.translate(QString::fromLatin1(language), "Look", "GO!") != expected;
            });
    }
    EXPECT_EQ(wrong, 0);
    EXPECT_EQ(languages.translate(QStringLiteral("de"), "Look", "GO!"), "LOS!");
    EXPECT_EQ(languages.translate(QStringLiteral("en"), "Look", "GO!"), "GO!");
}

TEST(InkSvg, TheLargestInkIsDrawnWithinItsBoundAStrokeAPath)
{
    QByteArray bytes = QByteArray("PINK\x01\x00\x51\x01\x31\x00\x00\x02", 12);  // 337 by 49, 512 strokes
    for (int stroke = 0; stroke < 512; ++stroke) {
        bytes += QByteArray("\x20\x00", 2);
        for (int point = 0; point < 32; ++point) {
            const int x = (stroke * 7 + point * 13) % 337 * 16, y = (stroke + point * 5) % 49 * 16;
            bytes +=
                char(x & 0xff) + QByteArray(1, char(x >> 8)) + char(y & 0xff) + QByteArray(1, char(y >> 8)) + '\x80';
        }
    }
    const std::optional<QString> svg = inkSvg(QString::fromLatin1(bytes.toBase64()), QStringLiteral("<Handwritten>"));
    ASSERT_TRUE(svg);
    EXPECT_LE(svg->toUtf8().size(), MaxInkSvgBytes);
    EXPECT_EQ(svg->count(QStringLiteral("<path d=\"M")), 512);
    EXPECT_TRUE(svg->startsWith(QStringLiteral("<svg class=\"ink\" role=\"img\" aria-label=\"&lt;Handwritten&gt;\"")));
    EXPECT_GT(svg->size(), MaxInkSvgBytes / 2) << "no more points dropped than it takes";
    EXPECT_FALSE(inkSvg(QStringLiteral("UElOSw=="), QString())) << "no ink the game can draw";
    // A stroke through (1, 2) twice and (4, 6), then a dot at (10, 10): relative moves in pixels.
    const QByteArray small =
        QByteArray::fromHex("50494e4b010051013100020003001000200080100020008040006000800100a000a00080");
    EXPECT_TRUE(inkSvg(QString::fromLatin1(small.toBase64()), QString())
                    ->endsWith(QStringLiteral("><path d=\"M1 2l3 4\"/><path d=\"M10 10h0\"/></svg>")));
}
