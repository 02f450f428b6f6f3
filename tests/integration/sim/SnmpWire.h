#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// SNMP datagrams encoded by hand for the tests, so that they can carry what
// net-snmp's tools refuse to send: exception-typed values in a SET, values of
// the wrong length, thousands of varbinds. v1, v2c and v3 without
// authentication only.
namespace wire {

inline constexpr std::uint8_t kGet = 0xA0;
inline constexpr std::uint8_t kSet = 0xA3;
inline constexpr std::uint8_t kResponse = 0xA2;
inline constexpr std::uint8_t kReport = 0xA8;

std::string Tlv(std::uint8_t tag, std::string_view value);
std::string Integer(long long value);
std::string Octets(std::string_view value);
std::string Null();
std::string Oid(std::string_view dotted);
std::string Sequence(const std::vector<std::string>& items, std::uint8_t tag = 0x30);
std::string Varbind(std::string_view oid, const std::string& value);
std::string Pdu(std::uint8_t command, long requestId, const std::vector<std::string>& varbinds);

// version 0 is SNMPv1, 1 is SNMPv2c.
std::string CommunityMessage(int version, std::string_view community, const std::string& pdu);

struct Engine {
    std::string id;
    long boots = 0;
    long time = 0;
};

std::string V3NoAuthMessage(const Engine& engine, std::string_view user, const std::string& pdu);

struct Response {
    std::uint8_t command = 0;
    long requestId = 0;
    long status = 0;
    long index = 0;
    std::vector<std::uint8_t> types;  // of the varbinds' values
    std::vector<std::string> values;
};

// The PDU of a v1, v2c or unencrypted v3 message; nullopt when it is not one.
std::optional<Response> Parse(std::string_view datagram);

// Sends `datagram` to "127.0.0.1:PORT" and waits `wait` for one answer.
std::optional<std::string> Exchange(const std::string& address, const std::string& datagram,
                                    std::chrono::milliseconds wait = std::chrono::seconds(3));

// The agent's engine id, boots and time, from the Report to an empty request.
std::optional<Engine> Discover(const std::string& address);

}  // namespace wire
