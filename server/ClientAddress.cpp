#include "server/ClientAddress.h"

#include <arpa/inet.h>

#include <algorithm>
#include <cstring>
#include <optional>

namespace {

enum class Scope { Address, Subscriber };

// The address in one canonical form (or its subscriber's /64), nothing for what is no address.
std::optional<std::string> canonical(const std::string& text, Scope scope)
{
    in_addr v4{};
    in6_addr v6{};
    char written[INET6_ADDRSTRLEN] = {};
    if (inet_pton(AF_INET, text.c_str(), &v4) == 1)
        return inet_ntop(AF_INET, &v4, written, sizeof written);
    if (inet_pton(AF_INET6, text.c_str(), &v6) != 1)
        return std::nullopt;
    if (IN6_IS_ADDR_V4MAPPED(&v6)) {
        std::memcpy(&v4, &v6.s6_addr[12], sizeof v4);
        return inet_ntop(AF_INET, &v4, written, sizeof written);
    }
    if (scope == Scope::Address)
        return inet_ntop(AF_INET6, &v6, written, sizeof written);
    std::fill(std::begin(v6.s6_addr) + 8, std::end(v6.s6_addr), 0);
    return inet_ntop(AF_INET6, &v6, written, sizeof written) + std::string("/64");
}

std::string trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t");
    return first == std::string::npos ? std::string() : text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace

ClientAddress::ClientAddress(const QStringList& trustedProxies)
{
    for (const QString& proxy : trustedProxies)
        m_trusted.push_back(canonical(proxy.toStdString(), Scope::Address).value_or(proxy.toStdString()));
}

bool ClientAddress::trusted(const std::string& peer) const
{
    const std::string address = canonical(peer, Scope::Address).value_or(peer);
    return std::find(m_trusted.begin(), m_trusted.end(), address) != m_trusted.end();
}

std::string ClientAddress::keyOf(const std::string& peer, const std::vector<std::string>& forwardedFor) const
{
    // Each proxy appends the address it saw, to the last line or on a line of its own: from the
    // right, the first address that is not a trusted proxy's is the client.
    std::string chain, client = peer;
    for (const std::string& line : forwardedFor)
        chain += (chain.empty() ? "" : ",") + line;
    for (std::size_t end = chain.size(); trusted(client) && end > 0;) {
        const std::size_t comma = chain.rfind(',', end - 1);
        const std::size_t begin = comma == std::string::npos ? 0 : comma + 1;
        client = trimmed(chain.substr(begin, end - begin)).substr(0, 64);
        end = comma == std::string::npos ? 0 : comma;
    }
    if (client.empty())
        client = peer;
    return canonical(client, Scope::Subscriber).value_or(client);
}
