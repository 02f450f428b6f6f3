#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace vsim {

// The simulator's SNMP engine identity, kept in its state folder like a real
// switch keeps it in flash: the engine id, and snmpEngineBoots, which rises at
// every start so that managers see a reboot (RFC 3414, 2.2).
struct EngineState {
    std::string id;  // raw octets
    long boots = 1;
};

inline constexpr std::size_t kEngineIdMin = 5;
inline constexpr std::size_t kEngineIdMax = 32;
inline constexpr long kEngineBootsMax = 2147483647;

// "80001f8804...", with or without "0x": the octets, or nullopt for anything
// that is not an even number of hex digits giving 5..32 octets.
std::optional<std::string> ParseEngineId(std::string_view text);

std::string HexOf(std::string_view octets);

// A new engine id in the RFC 3411 format: the enterprise 99917 with the
// "octets" format and eight random octets.
std::string FreshEngineId();

// Reads the engine id (created with a fresh one on the first start; `given`
// overrides it without changing the folder's own) and the boots counter of
// `folder`, counts this start and writes the counter back. Damaged files are
// an error: a switch does not quietly become another engine. On failure
// returns nullopt and puts the reason in `error`.
std::optional<EngineState> StartEngine(const std::filesystem::path& folder,
                                       const std::optional<std::string>& given, std::string& error);

}  // namespace vsim
