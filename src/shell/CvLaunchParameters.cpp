#include "CvLaunchParameters.h"

#include <filesystem>
#include <limits>
#include <string_view>

#include "CvIni.h"
#include "CvRegistry.h"

namespace {

constexpr char kSection[] = "Program Information";

// Whole text a decimal number of 32 bits, as the host writes them.
std::int32_t ToInteger(const std::string& text) {
    std::size_t pos = 0;
    long long value = 0;
    try {
        value = std::stoll(text, &pos, 10);
    } catch (const std::exception&) {
        pos = 0;
    }
    if (text.empty() || pos != text.size() || text.front() == ' ' ||
        value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::int32_t>::max()) {
        throw CvLaunchError("'" + text + "' is not a valid integer value");
    }
    return static_cast<std::int32_t>(value);
}

// A port outside 0..65535 would otherwise reach another port.
std::uint16_t ToPort(const std::string& text) {
    const std::int32_t value = ToInteger(text);
    if (value < 0 || value > 65535) {
        throw CvLaunchError("'" + text + "' is not a valid port number");
    }
    return static_cast<std::uint16_t>(value);
}

bool Contains(const std::string& arg, const char* sw) {
    return arg.find(sw) != std::string::npos;
}

std::string ValueOf(const std::string& arg, const char* sw) {
    return arg.substr(arg.find(sw) + 2);
}

bool IsV3(const CvLaunchState& s) {
    return s.Texts.FVersionText == "3" || s.Security.Version == 3;
}

void ApplyCfgFile(const std::string& path, CvLaunchState& s) {
    const CvIni cfg(path);
    auto read = [&](const char* key) { return cfg.ReadString(kSection, key, ""); };
    CvLaunchTexts& t = s.Texts;
    CvSNMPSecurity& sec = s.Security;

    const std::string port = read("AgentPort");
    s.Device.Port = ToPort(port);
    t.FAgentPortText = std::to_string(s.Device.Port);
    t.FVersionText = read("Version");
    sec.Version = static_cast<std::uint8_t>(ToInteger(t.FVersionText));
    if (const std::string name = read("ContextName"); !name.empty()) {
        s.Scope.ContextName = name;
        t.FContextNameText = name;
        s.Flags.ContextNameGiven = true;
    }
    s.Scope.ContextEngineID = read("ContextEngineID");
    t.FContextEngineIdText = s.Scope.ContextEngineID;
    sec.SecurityModel = ToInteger(read("SecurityModel"));
    t.FSecurityModelText = std::to_string(sec.SecurityModel);
    // The file counts level and protocols from 0 (none), the settings from 1.
    if (const std::string level = read("SecurityLevel"); level != "0") {
        sec.SecurityLevel = ToInteger(level) + 1;
        t.FSecurityLevelText = std::to_string(sec.SecurityLevel);
        s.Flags.SecurityLevelGiven = true;
    }
    sec.SecurityName = read("SecurityName");
    t.FSecurityNameText = sec.SecurityName;
    if (const std::string auth = read("AuthProtocol"); auth != "0") {
        sec.AuthProtocol = ToInteger(auth) + 1;
        t.FAuthProtocolText = std::to_string(sec.AuthProtocol);
        s.Flags.AuthProtocolGiven = true;
    }
    if (const std::string priv = read("PrivProtocol"); priv != "0") {
        sec.PrivProtocol = ToInteger(priv) + 1;
        t.FPrivProtocolText = std::to_string(sec.PrivProtocol);
        s.Flags.PrivProtocolGiven = true;
    }
    if (const std::string phrase = read("AuthPassword"); !phrase.empty()) {
        sec.AuthPassword = phrase;
        t.FAuthPasswordText = phrase;
        s.Flags.AuthPasswordGiven = true;
    }
    if (const std::string phrase = read("PrivPassword"); !phrase.empty()) {
        sec.PrivPassword = phrase;
        t.FPrivPasswordText = phrase;
        s.Flags.PrivPasswordGiven = true;
    }
}

// The switches of SNMPv3 launches, tried in this order; the first contained wins.
void ApplyV3Switch(const std::string& arg, CvLaunchState& s) {
    CvLaunchTexts& t = s.Texts;
    CvSNMPSecurity& sec = s.Security;
    if (Contains(arg, "/t")) {
        s.Device.Port = ToPort(ValueOf(arg, "/t"));
        t.FAgentPortText = std::to_string(s.Device.Port);
    } else if (Contains(arg, "/c")) {
        s.Scope.ContextName = ValueOf(arg, "/c");
        if (!s.Scope.ContextName.empty()) {
            t.FContextNameText = s.Scope.ContextName;
            s.Flags.ContextNameGiven = true;
        }
    } else if (Contains(arg, "/d")) {
        s.Scope.ContextEngineID = ValueOf(arg, "/d");
        t.FContextEngineIdText = s.Scope.ContextEngineID;
    } else if (Contains(arg, "/m")) {
        sec.SecurityModel = ToInteger(ValueOf(arg, "/m"));
        t.FSecurityModelText = std::to_string(sec.SecurityModel);
    } else if (Contains(arg, "/l")) {
        sec.SecurityLevel = ToInteger(ValueOf(arg, "/l"));
        if (sec.SecurityLevel != 0) {
            t.FSecurityLevelText = std::to_string(sec.SecurityLevel);
            s.Flags.SecurityLevelGiven = true;
        }
    } else if (Contains(arg, "/n")) {
        sec.SecurityName = ValueOf(arg, "/n");
        t.FSecurityNameText = sec.SecurityName;
    } else if (Contains(arg, "/A")) {
        sec.AuthPassword = ValueOf(arg, "/A");
        if (!sec.AuthPassword.empty()) {
            t.FAuthPasswordText = sec.AuthPassword;
            s.Flags.AuthPasswordGiven = true;
        }
    } else if (Contains(arg, "/P")) {
        sec.PrivPassword = ValueOf(arg, "/P");
        if (!sec.PrivPassword.empty()) {
            t.FPrivPasswordText = sec.PrivPassword;
            s.Flags.PrivPasswordGiven = true;
        }
    } else if (Contains(arg, "/a")) {
        sec.AuthProtocol = ToInteger(ValueOf(arg, "/a"));
        if (t.FAuthProtocolText != "0") {
            t.FAuthProtocolText = std::to_string(sec.AuthProtocol);
            s.Flags.AuthProtocolGiven = true;
        }
    } else if (Contains(arg, "/p")) {
        sec.PrivProtocol = ToInteger(ValueOf(arg, "/p"));
        if (t.FPrivProtocolText != "0") {
            t.FPrivProtocolText = std::to_string(sec.PrivProtocol);
            s.Flags.PrivProtocolGiven = true;
        }
    }
}

}  // namespace

void ApplyLaunchArguments(const std::vector<std::string>& args, const std::string& hostConfigFolder,
                          CvLaunchState& s) {
    for (const std::string& arg : args) {
        if (Contains(arg, "/I")) {
            s.Device.Address = ValueOf(arg, "/I");
            s.Texts.FDeviceAddress = s.Device.Address;
            continue;
        }
        const std::string cfg = hostConfigFolder + s.Texts.FDeviceAddress + ".cfg";
        std::error_code ignored;
        s.Flags.CfgFileFound = std::filesystem::is_regular_file(cfg, ignored);
        if (s.Flags.CfgFileFound) {
            ApplyCfgFile(cfg, s);
        }
        if (Contains(arg, "/R")) {
            s.Security.ReadCommunity = ValueOf(arg, "/R");
            s.Texts.FReadCommunity = s.Security.ReadCommunity;
        } else if (Contains(arg, "/W")) {
            s.Security.WriteCommunity = ValueOf(arg, "/W");
            s.Texts.FWriteCommunity = s.Security.WriteCommunity;
        } else if (Contains(arg, "/v")) {
            s.Security.Version = static_cast<std::uint8_t>(ToInteger(ValueOf(arg, "/v")));
        } else if (IsV3(s)) {
            ApplyV3Switch(arg, s);
        }
    }
}

const char* SwitchOfArgument(const std::string& arg) {
    static constexpr const char* kOrder[] = {"/I", "/R", "/W", "/v", "/t", "/c", "/d",
                                             "/m", "/l", "/n", "/A", "/P", "/a", "/p"};
    for (const char* sw : kOrder) {
        if (Contains(arg, sw)) {
            return sw;
        }
    }
    return nullptr;
}

void ScrubPassPhrases(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const char* sw = SwitchOfArgument(arg);
        if (sw == nullptr || (std::string_view(sw) != "/A" && std::string_view(sw) != "/P")) {
            continue;
        }
        // Same length: the memory behind the arguments cannot grow.
        for (std::size_t k = arg.find(sw) + 2; k < arg.size(); ++k) {
            argv[i][k] = '*';
        }
    }
}

std::string ModuleFolder(const CvRegistry& registry) {
    const std::string help =
        registry.ReadString("\\SOFTWARE\\Corvane\\Modules\\HelpPath", "1.3.6.1.4.1.99917.10.70.1");
    // The value names the help file; its last 12 characters are the file name.
    return help.size() > 12 ? help.substr(0, help.size() - 12) : std::string();
}

std::int32_t BulkRepetitionsSetting(const CvRegistry& registry) {
    constexpr long kMaxRepetitions = 1000;
    const std::string text =
        registry.ReadString("\\SOFTWARE\\Corvane\\Modules\\Vanta-A", "BulkRepetitions");
    if (text.empty() || text.size() > 4 ||
        text.find_first_not_of("0123456789") != std::string::npos) {
        return 0;
    }
    const long repetitions = std::stol(text);
    return repetitions <= kMaxRepetitions ? static_cast<std::int32_t>(repetitions) : 0;
}

std::string HostConfigFolder(const CvRegistry& registry) {
    const char kMibFile[] = "\\SOFTWARE\\Corvane\\Quillon5.1\\MibFile";
    if (registry.KeyExists(kMibFile)) {
        return registry.ReadString(kMibFile, "Path");
    }
    const char kExePath[] = "\\SOFTWARE\\Corvane\\Quillon5.1\\ExePath";
    if (registry.KeyExists(kExePath)) {
        return registry.ReadString(kExePath, "Path") + "../Conf/MBF/";
    }
    return "";
}
