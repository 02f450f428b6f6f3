#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vsim {

struct SimOptions {
    std::string host = "127.0.0.1";
    int port = 16161;  // 0: any free port
    bool ipv6 = false;
    std::string data;   // a .snmprec file, or a folder holding vanta-a.snmprec
    std::string state;  // empty: a fresh temporary folder
    // Raw octets; default: the one kept in the state folder.
    std::optional<std::string> engineId;
    std::uint64_t seed = 1;
    double lossPercent = 0;
    int delayMs = 0;
    std::string setLog;  // empty: no log of the sets
    std::string pduLog;  // empty: no log of the requests
    // Addresses the switch has learned, in place of the recorded forwarding
    // databases; none: the recording's.
    std::optional<std::size_t> fdb;
    bool help = false;

    // The net-snmp transport address of --listen.
    std::string Transport() const;
};

// Reads the command line (without the program name). On a mistake returns
// nullopt and puts the reason in `error`.
std::optional<SimOptions> ParseSimOptions(const std::vector<std::string>& args, std::string& error);

extern const char* const kSimUsage;

}  // namespace vsim
