#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "CvSNMPSettings.h"

class CvRegistry;

// The launch parameters as the host wrote them, kept to hand them on to a
// viewer; the module's own traffic uses the settings objects only.
struct CvLaunchTexts {
    std::string FDeviceAddress;
    std::string FReadCommunity;
    std::string FWriteCommunity;
    std::string FAgentPortText;
    std::string FVersionText;
    std::string FSecurityNameText;
    std::string FAuthPasswordText;
    std::string FPrivPasswordText;
    std::string FAuthProtocolText;
    std::string FPrivProtocolText;
    std::string FContextEngineIdText;
    std::string FSecurityLevelText;
    std::string FContextNameText;
    std::string FSecurityModelText;
};

struct CvLaunchFlags {
    bool CfgFileFound = false;
    bool ContextNameGiven = false;
    bool SecurityLevelGiven = false;
    bool AuthProtocolGiven = false;
    bool AuthPasswordGiven = false;
    bool PrivProtocolGiven = false;
    bool PrivPasswordGiven = false;
};

// Where the parameters go.
struct CvLaunchState {
    CvSNMPDevice& Device;
    CvSNMPScope& Scope;
    CvSNMPSecurity& Security;
    CvLaunchTexts Texts;
    CvLaunchFlags Flags;
};

// A number the host wrote that is none: start-up cannot go on.
class CvLaunchError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Applies the program's arguments (without the program name), first to last:
// each is one switch with its value directly behind it ("/I10.90.90.90"). The
// device's .cfg file in `hostConfigFolder` is read anew for every argument
// but the address. Raises CvLaunchError for a number that is none.
void ApplyLaunchArguments(const std::vector<std::string>& args, const std::string& hostConfigFolder,
                          CvLaunchState& state);

// The switch an argument stands for by the rules above ("/I", "/R", ...,
// "/p"), whether or not it would be applied; null when it contains none.
const char* SwitchOfArgument(const std::string& arg);

// Overwrites the values of the pass-phrase arguments ("/A", "/P") in the
// process's own argument memory, so that the process list no longer shows
// them; the values parsed before stay as they are.
void ScrubPassPhrases(int argc, char** argv);

// The module folder (its catalogues and help) and the host's configuration
// folder, from the registry; "" when the keys are missing.
std::string ModuleFolder(const CvRegistry& registry);
std::string HostConfigFolder(const CvRegistry& registry);
// The rows a table walk reads ahead with get-bulk: "BulkRepetitions" of the
// module's own key "SOFTWARE\Corvane\Modules\Vanta-A", 0 to 1000; 0 (one
// get-next a row) when missing or anything else.
std::int32_t BulkRepetitionsSetting(const CvRegistry& registry);
