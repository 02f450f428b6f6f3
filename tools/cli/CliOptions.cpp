#include "CliOptions.h"

#include <arpa/inet.h>

#include <charconv>
#include <cmath>
#include <map>
#include <regex>
#include <string_view>

#include "CvMibCatalogue.h"
#include "CvOidText.h"
#include "CvTextUtil.h"
#include "CvValueCheck.h"
#include "CvValueConversion.h"

const char kCliUsage[] =
    "usage: vanta-cli [OPTIONS] AGENT read  TYPE KEYS VAR...\n"
    "       vanta-cli [OPTIONS] AGENT write TYPE KEYS VAR=VALUE...\n"
    "  AGENT  [udp:]HOST[:PORT] (an IPv4 address or a DNS name) or [udp6:][IPV6]:PORT;\n"
    "         the port is 161 unless given\n"
    "  TYPE   scalars       a group of scalars (0); each OID with or without its \".0\"\n"
    "         row           one row (1): the columns' OIDs, the row's index given with -s\n"
    "         table         every row of a table (2), walked; table-updown (3) alike\n"
    "  KEYS   how many of the first VARs are the table's index columns (0 for scalars)\n"
    "  VAR    OID:SYNTAX:ACCESS[:OPTIONS], for write followed by =VALUE\n"
    "    SYNTAX   integer, uinteger, counter, guage, counter64, timeticks, displaystr,\n"
    "             octetstr (hexadecimal), ipaddress, macaddress, ipv6address, objectid,\n"
    "             boolean, datetime, bcdatetime, double, bitstr, opaque, nsapaddr, null,\n"
    "             or its number (2, 0x4C, ...)\n"
    "    ACCESS   ro, rw, key (an index column, decoded from the row's index),\n"
    "             key-implied (the last such column, its length not encoded), or a number\n"
    "    OPTIONS  value=label pairs joined by \";\": values are shown and written as labels\n"
    "    VALUE    all that follows the first \"=\" after the ACCESS or OPTIONS; numbers,\n"
    "             hexadecimal digits, dotted quads ... as the syntax takes them\n"
    "options (anywhere on the line; \"-v2c\" as well as \"-v 2c\"):\n"
    "  -v 1|2c|3     version (default 1)\n"
    "  -c COMMUNITY  read community (default vesper)   -w COMMUNITY  write community (lantern)\n"
    "  -u NAME  -l noAuthNoPriv|authNoPriv|authPriv\n"
    "  -a MD5|SHA|SHA-224|SHA-256|SHA-384|SHA-512  -A PHRASE\n"
    "  -x DES|AES|AES-192|AES-256  -X PHRASE   (protocol and level names in any case)\n"
    "  -n CONTEXTNAME  -E CONTEXTENGINEID\n"
    "  -t TIMEOUT    in hundredths of a second (default 100), or with a unit: 5s, 1.5s, 300ms\n"
    "  -r RETRIES    (default 1)\n"
    "  --bulk N, -Cr N  a table read asks N rows at a time with get-bulk (SNMPv2c, v3;\n"
    "                0, the default, one get-next a row)\n"
    "  -s INSTANCE   the row's index for a row (\"3\", \"1.3\")\n"
    "  --verbose     write prints each OID and the value it wrote\n"
    "  -h, --help    this text\n"
    "read prints one line per row, its values separated by tabs; write prints nothing.\n"
    "Failures print the message and its code, then what failed, on stderr and exit 1;\n"
    "usage errors and refused values print one line and exit 2.\n";

namespace {

// Options that take a value.
constexpr std::string_view kValueFlags = "vcwulaAxXnEtrsC";
constexpr std::int32_t kMaxBulk = 1000;

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

// Upper case without "-": "sha-256", "SHA256" and "Sha-256" are one name.
std::string NameKey(const std::string& text) {
    std::string key;
    for (const char c : text) {
        if (c != '-') {
            key += static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
        }
    }
    return key;
}

bool Lookup(const std::map<std::string, int>& table, const std::string& text, std::int32_t& out) {
    const auto it = table.find(NameKey(text));
    if (it == table.end()) {
        return false;
    }
    out = it->second;
    return true;
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

bool Fail(std::string& error, std::string message) {
    error = std::move(message);
    return false;
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

// [udp:]host[:port] or [udp6:][IPv6]:port as net-snmp's tools take them; a
// port, when there is a colon, is 1..65535.
bool ParseAgent(const std::string& agent, CvSNMPDevice& device) {
    std::string host = agent;
    bool bracketsRequired = false;
    if (EqualsNoCase(host.substr(0, 4), "udp:")) {
        host.erase(0, 4);
    } else if (EqualsNoCase(host.substr(0, 5), "udp6:")) {
        host.erase(0, 5);
        bracketsRequired = true;
    }
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
        if (bracketsRequired || !PlainHost(host)) {
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

// Hundredths of a second, or seconds ("5s", "1.5s") or milliseconds ("300ms")
// rounded up to whole hundredths.
bool ParseTimeout(const std::string& text, std::int32_t& hundredths) {
    static const std::regex kWithUnit(R"(([0-9]{1,9})(\.[0-9]{1,9})?(s|ms))");
    std::smatch m;
    if (!std::regex_match(text, m, kWithUnit)) {
        return ToInt(text, 1, 100000, hundredths);
    }
    const double amount = std::stod(m[1].str() + m[2].str());
    const double value = std::ceil(m[3] == "s" ? amount * 100 : amount / 10);
    if (value < 1 || value > 100000) {
        return false;
    }
    hundredths = static_cast<std::int32_t>(value);
    return true;
}

// A problem with an option's value, as one line; "" when it is taken.
std::string ParseFlag(char flag, const std::string& value, CliCommand& c) {
    // Names as net-snmp's tools take them, in any case and with or without "-".
    static const std::map<std::string, int> kVersions = {{"1", 0}, {"2C", 1}, {"3", 3}};
    static const std::map<std::string, int> kLevels = {
        {"NOAUTHNOPRIV", 1}, {"NOAUTH", 1}, {"NANP", 1}, {"1", 1},
        {"AUTHNOPRIV", 2},   {"AUTH", 2},   {"ANP", 2},  {"2", 2},
        {"AUTHPRIV", 3},     {"PRIV", 3},   {"AP", 3},   {"3", 3}};
    static const std::map<std::string, int> kAuth = {{"MD5", 2},    {"SHA", 3},    {"SHA1", 3},
                                                     {"SHA224", 4}, {"SHA256", 5}, {"SHA384", 6},
                                                     {"SHA512", 7}};
    static const std::map<std::string, int> kPriv = {
        {"DES", 2}, {"AES", 4}, {"AES128", 4}, {"AES192", 20}, {"AES256", 21}};
    std::int32_t number = 0;
    const auto taken = [&](bool ok, const char* what) {
        return ok ? std::string()
                  : std::string("-") + flag + " takes " + what + ", not " + Shown(value);
    };
    switch (flag) {
        case 'v': {
            const bool ok = Lookup(kVersions, value, number);
            c.Security.Version = static_cast<std::uint8_t>(number);
            return taken(ok, "1, 2c or 3");
        }
        case 'c':
            c.Security.ReadCommunity = value;
            return {};
        case 'w':
            c.Security.WriteCommunity = value;
            return {};
        case 'u':
            c.Security.SecurityName = value;
            return {};
        case 'l':
            return taken(Lookup(kLevels, value, c.Security.SecurityLevel),
                         "noAuthNoPriv, authNoPriv or authPriv");
        case 'a':
            return taken(Lookup(kAuth, value, c.Security.AuthProtocol),
                         "MD5, SHA, SHA-224, SHA-256, SHA-384 or SHA-512");
        case 'A':
            c.Security.AuthPassword = value;
            return {};
        case 'x':
            return taken(Lookup(kPriv, value, c.Security.PrivProtocol),
                         "DES, AES, AES-192 or AES-256");
        case 'X':
            c.Security.PrivPassword = value;
            return {};
        case 'n':
            c.Scope.ContextName = value;
            return {};
        case 'E':
            c.Scope.ContextEngineID = value;
            return {};
        case 't':
            return taken(ParseTimeout(value, c.Timeout),
                         "hundredths of a second (1 to 100000) or a time with a unit (5s)");
        case 'r':
            return taken(ToInt(value, 0, 100, c.Retries), "0 to 100 retries");
        case 's':
            c.Instance = value;
            return {};
        case 'C':
            // net-snmp's -Cr N: only the repetitions are taken.
            return taken(
                value.size() > 1 && value[0] == 'r' && ToInt(value.substr(1), 0, kMaxBulk, c.Bulk),
                "rN, the rows of one get-bulk (r0 to r1000)");
        default:
            return "unknown option -" + std::string(1, flag);
    }
}

// Takes the options wherever they stand; `words` gets the other arguments in order.
bool SplitOptions(const std::vector<std::string>& args, CliCommand& c,
                  std::vector<std::string>& words, std::string& error) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg.size() < 2 || arg[0] != '-') {
            words.push_back(arg);
            continue;
        }
        if (arg == "--verbose") {
            c.Verbose = true;
            continue;
        }
        if (arg == "--bulk") {
            if (i + 1 >= args.size() || !ToInt(args[i + 1], 0, kMaxBulk, c.Bulk)) {
                return Fail(error, "--bulk takes the rows of one get-bulk, 0 to 1000");
            }
            ++i;
            continue;
        }
        if (arg == "--help" || arg == "-h") {
            continue;  // see HelpAsked
        }
        if (arg[1] == '-' || kValueFlags.find(arg[1]) == std::string_view::npos) {
            return Fail(error, "unknown option " + Shown(arg));
        }
        std::string value;
        if (arg.size() > 2) {
            value = arg.substr(2);
        } else if (i + 1 < args.size()) {
            value = args[++i];
        } else {
            return Fail(error, "option " + arg + " needs a value");
        }
        if (std::string problem = ParseFlag(arg[1], value, c); !problem.empty()) {
            return Fail(error, problem);
        }
    }
    return true;
}

// The syntax a name of the descriptors' vocabulary ("integer", "displaystr")
// or a number stands for; variables' syntaxes only.
bool ParseSyntax(const std::string& text, std::uint32_t& syntax) {
    std::int32_t number = -1;
    if (!ToInt(text, 0, 0xFF, number)) {
        const std::string name = EqualsNoCase(text, "gauge") ? "guage" : text;
        for (std::uint32_t code = 0; code <= 0xFF && number < 0; ++code) {
            const char* known = SyntaxName(code);
            if (known != nullptr && EqualsNoCase(name, known)) {
                number = static_cast<std::int32_t>(code);
            }
        }
    }
    syntax = static_cast<std::uint32_t>(number);
    return number >= 0 && IsVariableSyntax(syntax);
}

bool ParseAccess(const std::string& text, std::uint32_t& access) {
    static const std::map<std::string, std::uint32_t> kNames = {
        {"KEY", CvAccess::notaccess},
        {"KEYIMPLIED", CvAccess::notaccess | CvAccess::implied},
        {"RO", CvAccess::readonly},
        {"RW", CvAccess::readwrite}};
    if (const auto it = kNames.find(NameKey(text)); it != kNames.end()) {
        access = it->second;
        return true;
    }
    std::int32_t number = 0;
    if (!ToInt(text, 0, 0xFFFF, number)) {
        return false;
    }
    access = static_cast<std::uint32_t>(number);
    return true;
}

// "value=label" pairs joined by ";" from `pos` on; a "=" after a label starts
// the VALUE, which takes the rest of `text` whatever it holds.
bool ParseOptionPairs(const std::string& text, std::size_t pos, CliVariable& var) {
    for (;;) {
        const std::size_t eq = text.find('=', pos);
        std::int32_t value = 0;
        if (eq == std::string::npos ||
            !ToInt(text.substr(pos, eq - pos), INT32_MIN, INT32_MAX, value)) {
            return false;
        }
        const std::size_t end = text.find_first_of(";=", eq + 1);
        var.Options.emplace_back(value, text.substr(eq + 1, end - eq - 1));
        if (end == std::string::npos) {
            return true;
        }
        if (text[end] == '=') {
            var.HasValue = true;
            var.Value = text.substr(end + 1);
            return true;
        }
        pos = end + 1;
    }
}

// OID:SYNTAX:ACCESS[:OPTIONS][=VALUE]: the value starts at the first "=" after
// the head, so it may hold ":" and "=". For scalars a trailing ".0" is
// dropped, as the instance is added when the request is built.
std::string ParseVariable(const std::string& arg, bool scalars, CliVariable& var) {
    const std::size_t first = arg.find(':');
    const std::size_t second = first == std::string::npos ? first : arg.find(':', first + 1);
    if (second == std::string::npos) {
        return "expected OID:SYNTAX:ACCESS";
    }
    std::vector<std::uint32_t> subids;
    if (!ParseOidText(arg.substr(0, first), subids) || subids.empty()) {
        return "the OID is not a dotted number";
    }
    if (scalars && subids.size() > 1 && subids.back() == 0) {
        subids.pop_back();
    }
    var.Oid = OidToText(subids);
    const std::string syntax = arg.substr(first + 1, second - first - 1);
    if (!ParseSyntax(syntax, var.Syntax)) {
        return "unknown SYNTAX " + syntax;
    }
    const std::size_t end = arg.find_first_of(":=", second + 1);
    const std::string access = arg.substr(second + 1, end - second - 1);
    if (!ParseAccess(access, var.Access)) {
        return "unknown ACCESS " + access + " (ro, rw, key, key-implied or a number)";
    }
    if (end != std::string::npos && arg[end] == '=') {
        var.HasValue = true;
        var.Value = arg.substr(end + 1);
    } else if (end != std::string::npos && !ParseOptionPairs(arg, end + 1, var)) {
        return "OPTIONS are value=label pairs joined by \";\"";
    }
    return {};
}

// The item types by name or number.
bool ParseItemType(const std::string& text, std::uint8_t& type) {
    static const std::map<std::string, std::int32_t> kNames = {
        {"SCALARS", SVT_SV}, {"ROW", MVT_SV}, {"TABLE", MVT_FMV}, {"TABLEUPDOWN", MVT_UMV}};
    std::int32_t number = 0;
    if (!Lookup(kNames, text, number) && !ToInt(text, 0, MVT_UMV, number)) {
        return false;
    }
    type = static_cast<std::uint8_t>(number);
    return true;
}

// Why `value` does not suit the syntax; "" when it does. The check is the
// one every conversion runs; where its message cannot show the form a value
// takes, the form is named instead.
std::string ValueProblem(std::uint32_t syntax, const std::string& value) {
    using namespace CvSyntax;
    const CvValueRefusal refusal = RefuseValueText(syntax, value);
    if (!refusal) {
        return {};
    }
    switch (syntax) {
        case boolean:
            return "takes true or false";
        case timeticks:
            return "takes a time as reads show it: 0:05:00.00, 1 day 2:03:04.05";
        case datetime:
            return "takes a date and time as reads show it: 2024-5-17,13:45:30.0,+2:0";
        default:
            return ReplaceAll(refusal.Message, "\n", " ");
    }
}

}  // namespace

bool HelpAsked(const std::vector<std::string>& args) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            return true;
        }
        if (arg.size() == 2 && arg[0] == '-' && kValueFlags.find(arg[1]) != std::string::npos) {
            ++i;  // its value
        }
    }
    return false;
}

bool ParseCommandLine(const std::vector<std::string>& args, CliCommand& command,
                      std::string& error) {
    std::vector<std::string> words;
    if (!SplitOptions(args, command, words, error)) {
        return false;
    }
    static const char* const kMissing[] = {
        "missing AGENT", "missing the command after AGENT: read, write or page",
        "missing TYPE: scalars, row, table or table-updown", "missing KEYS", "missing VAR"};
    if (words.size() < 5) {
        return Fail(error, kMissing[words.size()]);
    }
    if (!ParseAgent(words[0], command.Device)) {
        return Fail(error, "bad agent " + Shown(words[0]));
    }
    if (words[1] != "read" && words[1] != "write") {
        return Fail(error, "unknown command " + Shown(words[1]) + ": read, write or page");
    }
    command.Write = words[1] == "write";
    if (!ParseItemType(words[2], command.ItemType)) {
        return Fail(error, "bad TYPE " + Shown(words[2]) + ": scalars, row, table or table-updown");
    }
    if (!ToInt(words[3], 0, 64, command.KeyCount)) {
        return Fail(error, "bad KEYS " + Shown(words[3]) + ": a count of index columns, 0 to 64");
    }
    for (std::size_t i = 4; i < words.size(); ++i) {
        CliVariable var;
        std::string problem = ParseVariable(words[i], command.ItemType == SVT_SV, var);
        if (problem.empty() && var.HasValue != command.Write) {
            problem = command.Write ? "write needs =VALUE" : "read takes no =VALUE";
        }
        if (!problem.empty()) {
            return Fail(error, "bad variable " + Shown(words[i]) + ": " + problem);
        }
        command.Variables.push_back(std::move(var));
    }
    return true;
}

bool ParseConnection(const std::vector<std::string>& args, CliCommand& command,
                     std::vector<std::string>& rest, std::string& error) {
    std::vector<std::string> words;
    if (!SplitOptions(args, command, words, error)) {
        return false;
    }
    if (words.empty()) {
        return Fail(error, "missing AGENT");
    }
    if (!ParseAgent(words[0], command.Device)) {
        return Fail(error, "bad agent " + Shown(words[0]));
    }
    rest.assign(words.begin() + 1, words.end());
    return true;
}

bool CheckValues(const CliCommand& command, std::string& error) {
    for (const CliVariable& var : command.Variables) {
        if (!var.HasValue || var.Value == "(NULL)") {
            continue;  // "(NULL)" sends NULL on purpose
        }
        std::string labels;
        bool isLabel = false;
        for (const auto& [number, label] : var.Options) {
            isLabel = isLabel || EqualsNoCase(label, var.Value);
            if (!labels.empty()) {
                labels += ", ";
            }
            labels += label;
        }
        const std::string problem = isLabel ? "" : ValueProblem(var.Syntax, var.Value);
        if (!problem.empty()) {
            return Fail(error, "bad value " + Shown(var.Value) + " for " + var.Oid + ": " +
                                   problem + (labels.empty() ? "" : " Or one of: " + labels));
        }
    }
    return true;
}
