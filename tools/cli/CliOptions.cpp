#include "CliOptions.h"

#include <arpa/inet.h>

#include <charconv>
#include <map>

const char kCliUsage[] =
    "usage: vanta-cli [OPTIONS] AGENT read  TYPE KEYS VAR...\n"
    "       vanta-cli [OPTIONS] AGENT write TYPE KEYS VAR=VALUE...\n"
    "  AGENT   host[:port] (IPv4 address or DNS name), or [IPv6-address]:port; default port 161\n"
    "  -v 1|2c|3   version (default 1)          -c COMMUNITY  read community (default vesper)\n"
    "  -w COMMUNITY write community (default lantern)\n"
    "  -u NAME  -l noAuthNoPriv|authNoPriv|authPriv  -a MD5|SHA|SHA-224|SHA-256|SHA-384|SHA-512\n"
    "  -A PHRASE  -x DES|AES  -X PHRASE  -n CONTEXTNAME  -E CONTEXTENGINEID\n"
    "  -t TIMEOUT  in hundredths of a second (default 100)   -r RETRIES (default 1)\n"
    "  -s INSTANCE  the list's Instance suffix\n"
    "  TYPE    item type 0..3            KEYS  PKeyCount\n"
    "  VAR     OID:SYNTAX:ACCESS[:OPTIONS]   SYNTAX and ACCESS as decimal or 0x... numbers,\n"
    "          OPTIONS  value=label pairs joined by ';' (an integer option list)\n";

namespace {

bool ToNumber(const std::string& text, std::int64_t& value) {
    int base = 10;
    std::string digits = text;
    if (digits.size() > 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X')) {
        base = 16;
        digits.erase(0, 2);
    }
    const char* end = digits.data() + digits.size();
    const auto [ptr, ec] = std::from_chars(digits.data(), end, value, base);
    return !digits.empty() && ec == std::errc() && ptr == end;
}

bool ToInt(const std::string& text, std::int64_t lo, std::int64_t hi, std::int32_t& out) {
    std::int64_t v = 0;
    if (!ToNumber(text, v) || v < lo || v > hi) {
        return false;
    }
    out = static_cast<std::int32_t>(v);
    return true;
}

// A DNS name or an IPv4 address: no brackets, blanks or control characters.
bool PlainHost(const std::string& host) {
    for (const char c : host) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '[' || c == ']' || c == ':' || c == '/' || byte <= ' ' || byte == 0x7F) {
            return false;
        }
    }
    return !host.empty();
}

// Inside brackets: an IPv6 address, optionally with a zone ("fe80::1%eth0"),
// or an IPv4 address.
bool BracketedHost(const std::string& host) {
    in_addr ipv4{};
    if (inet_pton(AF_INET, host.c_str(), &ipv4) == 1) {
        return true;
    }
    const std::size_t percent = host.find('%');
    in6_addr ipv6{};
    if (inet_pton(AF_INET6, host.substr(0, percent).c_str(), &ipv6) != 1) {
        return false;
    }
    return percent == std::string::npos || PlainHost(host.substr(percent + 1));
}

// host, host:port or [IPv6]:port; a port, when there is a colon, is 1..65535.
bool ParseAgent(const std::string& agent, CvSNMPDevice& device) {
    std::string host = agent;
    std::string port;
    bool hasPort = false;
    if (!host.empty() && host.front() == '[') {
        const std::size_t close = host.find(']');
        if (close == std::string::npos) {
            return false;
        }
        if (close + 1 < host.size()) {
            if (host[close + 1] != ':') {
                return false;
            }
            port = host.substr(close + 2);
            hasPort = true;
        }
        host = host.substr(1, close - 1);
        if (!BracketedHost(host)) {
            return false;
        }
    } else {
        if (const std::size_t colon = host.rfind(':'); colon != std::string::npos) {
            port = host.substr(colon + 1);
            host = host.substr(0, colon);
            hasPort = true;
        }
        if (!PlainHost(host)) {
            return false;  // also a bare IPv6 address: it needs brackets
        }
    }
    std::int32_t number = 161;
    if (hasPort && !ToInt(port, 1, 65535, number)) {
        return false;
    }
    device.Address = host;
    device.Port = static_cast<std::uint16_t>(number);
    return true;
}

bool ParseOptions(const std::string& options, CliVariable& var) {
    std::size_t pos = 0;
    while (pos <= options.size()) {
        std::size_t end = options.find(';', pos);
        end = end == std::string::npos ? options.size() : end;
        const std::string pair = options.substr(pos, end - pos);
        const std::size_t eq = pair.find('=');
        std::int32_t value = 0;
        if (eq == std::string::npos || !ToInt(pair.substr(0, eq), INT32_MIN, INT32_MAX, value)) {
            return false;
        }
        var.Options.emplace_back(value, pair.substr(eq + 1));
        pos = end + 1;
    }
    return true;
}

// OID:SYNTAX:ACCESS[:OPTIONS], for writes followed by "=VALUE". Option pairs
// hold one "=" each, so the value starts after the last pair's second "=".
bool ParseVariable(const std::string& arg, bool write, CliVariable& var) {
    const std::size_t first = arg.find(':');
    const std::size_t second = first == std::string::npos ? first : arg.find(':', first + 1);
    if (second == std::string::npos) {
        return false;
    }
    std::string rest = arg.substr(second + 1);
    std::string access;
    std::string options;
    const std::size_t colon = rest.find(':');
    if (colon == std::string::npos) {
        const std::size_t eq = write ? rest.find('=') : std::string::npos;
        if (write && eq == std::string::npos) {
            return false;
        }
        access = rest.substr(0, eq);
        if (write) {
            var.Value = rest.substr(eq + 1);
        }
    } else {
        access = rest.substr(0, colon);
        options = rest.substr(colon + 1);
        if (write) {
            const std::size_t lastPair =
                options.rfind(';') == std::string::npos ? 0 : options.rfind(';') + 1;
            const std::size_t eq1 = options.find('=', lastPair);
            const std::size_t eq2 = eq1 == std::string::npos ? eq1 : options.find('=', eq1 + 1);
            if (eq2 == std::string::npos) {
                return false;
            }
            var.Value = options.substr(eq2 + 1);
            options.resize(eq2);
        }
    }
    var.HasValue = write;
    std::int32_t syntax = 0;
    std::int32_t accessWord = 0;
    var.Oid = arg.substr(0, first);
    if (var.Oid.empty() || !ToInt(arg.substr(first + 1, second - first - 1), 0, 0xFFFF, syntax) ||
        !ToInt(access, 0, 0xFFFF, accessWord)) {
        return false;
    }
    var.Syntax = static_cast<std::uint32_t>(syntax);
    var.Access = static_cast<std::uint32_t>(accessWord);
    return colon == std::string::npos || ParseOptions(options, var);
}

// An argument quoted in an error message, which stays one line.
std::string Shown(const std::string& text) {
    static const char kDigits[] = "0123456789abcdef";
    std::string shown;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < ' ' || byte == 0x7F) {
            shown += "\\x";
            shown += kDigits[byte >> 4];
            shown += kDigits[byte & 0x0F];
        } else {
            shown += c;
        }
    }
    return shown;
}

bool TakeValue(const std::vector<std::string>& args, std::size_t& i, std::string& value) {
    if (i + 1 >= args.size()) {
        return false;
    }
    value = args[++i];
    return true;
}

bool ParseFlag(char flag, const std::string& value, CliCommand& c) {
    static const std::map<std::string, int> kVersions = {{"1", 0}, {"2c", 1}, {"3", 3}};
    static const std::map<std::string, int> kLevels = {
        {"noAuthNoPriv", 1}, {"authNoPriv", 2}, {"authPriv", 3}};
    static const std::map<std::string, int> kAuth = {
        {"MD5", 2}, {"SHA", 3}, {"SHA-224", 4}, {"SHA-256", 5}, {"SHA-384", 6}, {"SHA-512", 7}};
    static const std::map<std::string, int> kPriv = {{"DES", 2}, {"AES", 4}};
    auto lookup = [&](const std::map<std::string, int>& table, std::int32_t& out) {
        const auto it = table.find(value);
        if (it == table.end()) {
            return false;
        }
        out = it->second;
        return true;
    };
    std::int32_t version = 0;
    switch (flag) {
        case 'v':
            if (!lookup(kVersions, version)) {
                return false;
            }
            c.Security.Version = static_cast<std::uint8_t>(version);
            return true;
        case 'c':
            c.Security.ReadCommunity = value;
            return true;
        case 'w':
            c.Security.WriteCommunity = value;
            return true;
        case 'u':
            c.Security.SecurityName = value;
            return true;
        case 'l':
            return lookup(kLevels, c.Security.SecurityLevel);
        case 'a':
            return lookup(kAuth, c.Security.AuthProtocol);
        case 'A':
            c.Security.AuthPassword = value;
            return true;
        case 'x':
            return lookup(kPriv, c.Security.PrivProtocol);
        case 'X':
            c.Security.PrivPassword = value;
            return true;
        case 'n':
            c.Scope.ContextName = value;
            return true;
        case 'E':
            c.Scope.ContextEngineID = value;
            return true;
        case 't':
            return ToInt(value, 1, 100000, c.Timeout);
        case 'r':
            return ToInt(value, 0, 100, c.Retries);
        case 's':
            c.Instance = value;
            return true;
        default:
            return false;
    }
}

}  // namespace

bool ParseCommandLine(const std::vector<std::string>& args, CliCommand& command,
                      std::string& error) {
    std::vector<std::string> positional;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (positional.empty() && arg.size() == 2 && arg[0] == '-') {
            std::string value;
            if (!TakeValue(args, i, value) || !ParseFlag(arg[1], value, command)) {
                error = "bad option " + Shown(arg);
                return false;
            }
            continue;
        }
        positional.push_back(arg);
    }
    if (positional.size() < 5) {
        error = "missing arguments";
        return false;
    }
    if (!ParseAgent(positional[0], command.Device)) {
        error = "bad agent " + Shown(positional[0]);
        return false;
    }
    if (positional[1] != "read" && positional[1] != "write") {
        error = "unknown command " + Shown(positional[1]);
        return false;
    }
    command.Write = positional[1] == "write";
    std::int32_t type = 0;
    if (!ToInt(positional[2], 0, 255, type) || !ToInt(positional[3], 0, 64, command.KeyCount)) {
        error = "bad TYPE or KEYS";
        return false;
    }
    command.ItemType = static_cast<std::uint8_t>(type);
    for (std::size_t i = 4; i < positional.size(); ++i) {
        CliVariable var;
        if (!ParseVariable(positional[i], command.Write, var)) {
            error = "bad variable " + Shown(positional[i]);
            return false;
        }
        command.Variables.push_back(std::move(var));
    }
    return true;
}

bool ParseConnection(const std::vector<std::string>& args, CliCommand& command,
                     std::vector<std::string>& rest, std::string& error) {
    std::size_t i = 0;
    for (; i < args.size() && args[i].size() == 2 && args[i][0] == '-'; ++i) {
        const std::string flag = args[i];
        std::string value;
        if (!TakeValue(args, i, value) || !ParseFlag(flag[1], value, command)) {
            error = "bad option " + flag;
            return false;
        }
    }
    if (i >= args.size()) {
        error = "missing arguments";
        return false;
    }
    if (!ParseAgent(args[i], command.Device)) {
        error = "bad agent " + args[i];
        return false;
    }
    rest.assign(args.begin() + static_cast<std::ptrdiff_t>(i) + 1, args.end());
    return true;
}
