#pragma once

#include <QStringList>

#include <string>
#include <vector>

// Who a request comes from, as the per-address limits count it: the peer, or behind a trusted
// reverse proxy the address that proxy saw (anyone else could write any address in
// X-Forwarded-For). IPv6 clients count by their /64, the block one subscriber is given, and an
// IPv4-mapped IPv6 address as the IPv4 address it maps.
class ClientAddress {
public:
    explicit ClientAddress(const QStringList& trustedProxies);

    bool trusted(const std::string& peer) const;
    // The client's key; forwardedFor holds every X-Forwarded-For line of the request, in order.
    std::string keyOf(const std::string& peer, const std::vector<std::string>& forwardedFor = {}) const;

private:
    std::vector<std::string> m_trusted;
};
