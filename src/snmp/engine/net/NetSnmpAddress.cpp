#include <arpa/inet.h>
#include <netdb.h>
#include <sys/socket.h>

#include <string>

#include "SnmpTransport.h"

bool ResolveAgentAddress(const std::string& name, std::string& literal) {
    std::string host = name;
    if (host.size() > 2 && host.front() == '[' && host.back() == ']') {
        host = host.substr(1, host.size() - 2);
    }
    in_addr v4{};
    in6_addr v6{};
    if (inet_pton(AF_INET, host.c_str(), &v4) == 1 || inet_pton(AF_INET6, host.c_str(), &v6) == 1) {
        literal = host;
        return true;
    }
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_DGRAM;
    addrinfo* found = nullptr;
    if (host.empty() || getaddrinfo(host.c_str(), nullptr, &hints, &found) != 0 || !found) {
        return false;
    }
    char text[INET6_ADDRSTRLEN] = {};
    const void* address =
        found->ai_family == AF_INET6
            ? static_cast<const void*>(&reinterpret_cast<sockaddr_in6*>(found->ai_addr)->sin6_addr)
            : static_cast<const void*>(&reinterpret_cast<sockaddr_in*>(found->ai_addr)->sin_addr);
    const bool ok = inet_ntop(found->ai_family, address, text, sizeof text) != nullptr;
    freeaddrinfo(found);
    literal = text;
    return ok;
}
