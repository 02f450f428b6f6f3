#include "SnmpWire.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdlib>

namespace wire {

namespace {

std::string Length(std::size_t size) {
    if (size < 0x80) {
        return std::string(1, static_cast<char>(size));
    }
    std::string bytes;
    for (; size > 0; size >>= 8) {
        bytes.insert(bytes.begin(), static_cast<char>(size & 0xFF));
    }
    return static_cast<char>(0x80 | bytes.size()) + bytes;
}

struct Item {
    std::uint8_t tag = 0;
    std::string_view value;
};

// The TLVs that make up `data`; nullopt when it is not a clean sequence of them.
std::optional<std::vector<Item>> Items(std::string_view data) {
    std::vector<Item> items;
    std::size_t at = 0;
    while (at < data.size()) {
        if (at + 2 > data.size()) {
            return std::nullopt;
        }
        const auto tag = static_cast<std::uint8_t>(data[at]);
        std::size_t size = static_cast<std::uint8_t>(data[at + 1]);
        at += 2;
        if ((size & 0x80) != 0) {
            const std::size_t count = size & 0x7F;
            if (count == 0 || count > 4 || at + count > data.size()) {
                return std::nullopt;
            }
            size = 0;
            for (std::size_t i = 0; i < count; ++i) {
                size = size << 8 | static_cast<std::uint8_t>(data[at++]);
            }
        }
        if (size > data.size() - at) {
            return std::nullopt;
        }
        items.push_back({tag, data.substr(at, size)});
        at += size;
    }
    return items;
}

long Number(std::string_view bytes) {
    long value = bytes.empty() || (static_cast<std::uint8_t>(bytes[0]) & 0x80) == 0 ? 0 : -1;
    for (const char c : bytes) {
        value = static_cast<long>(static_cast<unsigned long>(value) << 8 |
                                  static_cast<std::uint8_t>(c));
    }
    return value;
}

std::optional<Response> ParsePdu(const Item& pdu) {
    const auto fields = Items(pdu.value);
    if (!fields || fields->size() != 4) {
        return std::nullopt;
    }
    Response response;
    response.command = pdu.tag;
    response.requestId = Number((*fields)[0].value);
    response.status = Number((*fields)[1].value);
    response.index = Number((*fields)[2].value);
    const auto varbinds = Items((*fields)[3].value);
    if (!varbinds) {
        return std::nullopt;
    }
    for (const Item& varbind : *varbinds) {
        const auto parts = Items(varbind.value);
        if (!parts || parts->size() != 2) {
            return std::nullopt;
        }
        response.types.push_back((*parts)[1].tag);
        response.values.emplace_back((*parts)[1].value);
    }
    return response;
}

}  // namespace

std::string Tlv(std::uint8_t tag, std::string_view value) {
    return static_cast<char>(tag) + Length(value.size()) + std::string(value);
}

std::string Integer(long long value) {
    std::string bytes;
    for (bool more = true; more;) {
        bytes.insert(bytes.begin(), static_cast<char>(value & 0xFF));
        const bool negative = (bytes[0] & 0x80) != 0;
        value >>= 8;
        more = !(value == 0 && !negative) && !(value == -1 && negative);
    }
    return Tlv(0x02, bytes);
}

std::string Octets(std::string_view value) {
    return Tlv(0x04, value);
}

std::string Null() {
    return Tlv(0x05, "");
}

std::string Oid(std::string_view dotted) {
    std::vector<unsigned long> arcs;
    std::string text(dotted);
    for (char* at = text.data(); *at != '\0';) {
        arcs.push_back(std::strtoul(at, &at, 10));
        if (*at == '.') {
            ++at;
        }
    }
    std::string body(1, static_cast<char>(arcs.at(0) * 40 + arcs.at(1)));
    for (std::size_t i = 2; i < arcs.size(); ++i) {
        std::string chunk(1, static_cast<char>(arcs[i] & 0x7F));
        for (unsigned long rest = arcs[i] >> 7; rest > 0; rest >>= 7) {
            chunk.insert(chunk.begin(), static_cast<char>(0x80 | (rest & 0x7F)));
        }
        body += chunk;
    }
    return Tlv(0x06, body);
}

std::string Sequence(const std::vector<std::string>& items, std::uint8_t tag) {
    std::string body;
    for (const auto& item : items) {
        body += item;
    }
    return Tlv(tag, body);
}

std::string Varbind(std::string_view oid, const std::string& value) {
    return Sequence({Oid(oid), value});
}

std::string Pdu(std::uint8_t command, long requestId, const std::vector<std::string>& varbinds) {
    return Sequence({Integer(requestId), Integer(0), Integer(0), Sequence(varbinds)}, command);
}

std::string CommunityMessage(int version, std::string_view community, const std::string& pdu) {
    return Sequence({Integer(version), Octets(community), pdu});
}

std::string V3NoAuthMessage(const Engine& engine, std::string_view user, const std::string& pdu) {
    static long messageId = 100;
    const std::string header = Sequence(
        {Integer(++messageId), Integer(65507), Octets(std::string(1, '\x04')), Integer(3)});
    const std::string security =
        Sequence({Octets(engine.id), Integer(engine.boots), Integer(engine.time), Octets(user),
                  Octets(""), Octets("")});
    const std::string scoped = Sequence({Octets(engine.id), Octets(""), pdu});
    return Sequence({Integer(3), header, Octets(security), scoped});
}

std::optional<Response> Parse(std::string_view datagram) {
    const auto message = Items(datagram);
    if (!message || message->size() != 1) {
        return std::nullopt;
    }
    const auto parts = Items(message->front().value);
    if (!parts || parts->size() < 3) {
        return std::nullopt;
    }
    if (Number((*parts)[0].value) != 3) {
        return ParsePdu((*parts)[2]);
    }
    if (parts->size() != 4 || (*parts)[3].tag != 0x30) {
        return std::nullopt;  // encrypted
    }
    const auto scoped = Items((*parts)[3].value);
    if (!scoped || scoped->size() != 3) {
        return std::nullopt;
    }
    return ParsePdu((*scoped)[2]);
}

std::optional<std::string> Exchange(const std::string& address, const std::string& datagram,
                                    std::chrono::milliseconds wait) {
    const auto colon = address.rfind(':');
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(static_cast<std::uint16_t>(std::atoi(address.c_str() + colon + 1)));
    if (inet_pton(AF_INET, address.substr(0, colon).c_str(), &to.sin_addr) != 1) {
        return std::nullopt;
    }
    const int sock = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (sock < 0) {
        return std::nullopt;
    }
    std::optional<std::string> answer;
    if (sendto(sock, datagram.data(), datagram.size(), 0, reinterpret_cast<sockaddr*>(&to),
               sizeof to) == static_cast<ssize_t>(datagram.size())) {
        pollfd ready{sock, POLLIN, 0};
        if (poll(&ready, 1, static_cast<int>(wait.count())) > 0) {
            std::string buffer(65536, '\0');
            const ssize_t n = recv(sock, buffer.data(), buffer.size(), 0);
            if (n >= 0) {
                buffer.resize(static_cast<std::size_t>(n));
                answer = std::move(buffer);
            }
        }
    }
    close(sock);
    return answer;
}

std::optional<Engine> Discover(const std::string& address) {
    const auto reply = Exchange(address, V3NoAuthMessage(Engine{}, "", Pdu(kGet, 1, {})));
    const auto message = reply ? Items(*reply) : std::nullopt;
    const auto parts =
        message && message->size() == 1 ? Items(message->front().value) : std::nullopt;
    if (!parts || parts->size() != 4) {
        return std::nullopt;
    }
    const auto security = Items((*parts)[2].value);
    const auto fields =
        security && security->size() == 1 ? Items(security->front().value) : std::nullopt;
    if (!fields || fields->size() != 6) {
        return std::nullopt;
    }
    return Engine{std::string((*fields)[0].value), Number((*fields)[1].value),
                  Number((*fields)[2].value)};
}

}  // namespace wire
