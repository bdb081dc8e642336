#pragma once

#include "server/PageLanguages.h"
#include "server/Storage.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <map>
#include <string>

namespace httplib {
class Server;
struct Request;
struct Response;
}  // namespace httplib

// The world table in a browser, beside the API on the same address: the sets (/), a set's top
// ten (/sets/{set}) and a game played back in the page (/games/{id}), each in the language the
// request asks for. Pages are HTML made here, whole without scripts but the game's player, with
// one stylesheet and one script of the server's own (/static/) and the game's tile pictures
// (/static/tiles/), from the folder given. Every text from a stranger is escaped, and the pages'
// policy lets the browser load nothing from anywhere else.
class WebPages {
public:
    // A page's request is counted against the client's reads: true when it was refused.
    using Limited = std::function<bool(const httplib::Request&, httplib::Response&)>;

    WebPages(Storage& storage, const QString& imagesFolder, const QString& translationsFolder);

    void route(httplib::Server& server, const Limited& limited);

    static constexpr int SetsPerPage = 50;

private:
    struct Page;
    void sets(const httplib::Request& request, httplib::Response& response) const;
    void top(const httplib::Request& request, httplib::Response& response) const;
    void game(const httplib::Request& request, httplib::Response& response) const;

    Storage& m_storage;
    PageLanguages m_languages;
    std::map<std::string, QByteArray> m_tiles;  // by file name
};

// Every answer of the server, the API's too, is taken for what it says it is.
void addSafetyHeaders(httplib::Response& response);
