#pragma once

namespace httplib {
class Server;
}

// One line on the standard error for every request: method, path, status and milliseconds, the
// path with its control characters escaped so that a request cannot forge a line.
void logRequests(httplib::Server& server);
