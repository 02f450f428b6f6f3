#include "SimOptions.h"

#include "EngineState.h"
#include "LearnedAddresses.h"

#include <algorithm>
#include <charconv>
#include <iterator>

namespace vsim {

const char* const kSimUsage =
    "usage: vanta-sim [--listen 127.0.0.1:16161] [--data PATH] [--state DIR] [--engine-id HEX]\n"
    "                 [--seed N] [--loss PERCENT] [--delay MS] [--set-log FILE]\n"
    "                 [--pdu-log FILE] [--fdb N]\n"
    "  --listen HOST:PORT  UDP address to serve ([::1]:PORT for IPv6; port 0 picks one)\n"
    "  --data PATH         seed recording (.snmprec) or a folder holding vanta-a.snmprec;\n"
    "                      its behaviour file has the same name ending in .rules\n"
    "  --state DIR         configuration and state folder (default: a fresh temporary one)\n"
    "  --engine-id HEX     SNMP engine id, 5 to 32 octets (default: the one kept in the\n"
    "                      state folder)\n"
    "  --seed N            seed of the ports' life and the learned addresses (default 1)\n"
    "  --loss PERCENT      drop this share of responses\n"
    "  --delay MS          send every response this much later\n"
    "  --set-log FILE      append one line a varbind of every answered SET:\n"
    "                      REQUEST-ID OID TYPE VALUE STATUS, tab-separated\n"
    "  --pdu-log FILE      append one line of every answered request PDU: REQUEST-ID\n"
    "                      TYPE VARBINDS NON-REPEATERS MAX-REPETITIONS STATUS,\n"
    "                      tab-separated (the repetition fields for getbulk only)\n"
    "  --fdb N             the switch has learned N MAC addresses (0 to 100000), spread\n"
    "                      over its VLANs and ports by --seed; they replace the\n"
    "                      recorded forwarding databases\n";

namespace {

template <typename T>
bool ReadWhole(const std::string& text, T& value) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return !text.empty() && error == std::errc() && end == text.data() + text.size();
}

bool ReadListen(const std::string& text, SimOptions& options) {
    std::string host;
    std::string port;
    if (!text.empty() && text.front() == '[') {
        const auto close = text.find("]:");
        if (close == std::string::npos) {
            return false;
        }
        host = text.substr(1, close - 1);
        port = text.substr(close + 2);
        options.ipv6 = true;
    } else {
        const auto colon = text.rfind(':');
        if (colon == std::string::npos || text.find(':') != colon) {
            return false;
        }
        host = text.substr(0, colon);
        port = text.substr(colon + 1);
        options.ipv6 = false;
    }
    int number = 0;
    if (host.empty() || !ReadWhole(port, number) || number < 0 || number > 65535) {
        return false;
    }
    options.host = host;
    options.port = number;
    return true;
}

}  // namespace

std::string SimOptions::Transport() const {
    const std::string portText = std::to_string(port);
    return ipv6 ? "udp6:[" + host + "]:" + portText : "udp:" + host + ":" + portText;
}

std::optional<SimOptions> ParseSimOptions(const std::vector<std::string>& args,
                                          std::string& error) {
    SimOptions options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& name = args[i];
        if (name == "--help" || name == "-h") {
            options.help = true;
            continue;
        }
        static const std::string kNames[] = {"--listen", "--data",   "--state", "--engine-id",
                                             "--seed",   "--loss",   "--delay", "--set-log",
                                             "--fdb",    "--pdu-log"};
        if (std::find(std::begin(kNames), std::end(kNames), name) == std::end(kNames)) {
            error = "unknown option " + name;
            return std::nullopt;
        }
        if (i + 1 >= args.size()) {
            error = name + " needs a value";
            return std::nullopt;
        }
        const std::string& value = args[++i];
        bool ok = true;
        if (name == "--listen") {
            ok = ReadListen(value, options);
        } else if (name == "--data") {
            options.data = value;
            ok = !value.empty();
        } else if (name == "--state") {
            options.state = value;
            ok = !value.empty();
        } else if (name == "--engine-id") {
            options.engineId = ParseEngineId(value);
            ok = options.engineId.has_value();
        } else if (name == "--seed") {
            ok = ReadWhole(value, options.seed);
        } else if (name == "--loss") {
            ok = ReadWhole(value, options.lossPercent) && options.lossPercent >= 0 &&
                 options.lossPercent <= 100;
        } else if (name == "--set-log") {
            options.setLog = value;
            ok = !value.empty();
        } else if (name == "--pdu-log") {
            options.pduLog = value;
            ok = !value.empty();
        } else if (name == "--fdb") {
            std::size_t count = 0;
            if (!ReadWhole(value, count) || count > kMaxLearnedAddresses) {
                error = "bad value for --fdb: " + value + " (a number of addresses from 0 to " +
                        std::to_string(kMaxLearnedAddresses) + ")";
                return std::nullopt;
            }
            options.fdb = count;
        } else if (name == "--delay") {
            ok = ReadWhole(value, options.delayMs) && options.delayMs >= 0 &&
                 options.delayMs <= 60000;
        }
        if (!ok) {
            error = "bad value for " + name + ": " + value;
            return std::nullopt;
        }
    }
    return options;
}

}  // namespace vsim
