#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "CvOptionList.h"
#include "CvSNMPSettings.h"

// One VAR argument: OID:SYNTAX:ACCESS[:OPTIONS][=VALUE].
struct CliVariable {
    std::string Oid;
    std::uint32_t Syntax = 0;
    std::uint32_t Access = 0;
    std::vector<std::pair<std::int32_t, std::string>> Options;
    bool HasValue = false;
    std::string Value;
};

struct CliCommand {
    CvSNMPDevice Device;
    CvSNMPScope Scope;
    CvSNMPSecurity Security;
    std::int32_t Timeout = 100;
    std::int32_t Retries = 1;
    std::int32_t Bulk = 0;  // rows a table read asks with one get-bulk; 0 get-next
    std::string Instance;
    bool Verbose = false;  // a write echoes what it wrote
    bool Write = false;
    std::uint8_t ItemType = 0;
    std::int32_t KeyCount = 0;
    std::vector<CliVariable> Variables;
};

// Parses the command line; a usage error fills `error` with one line naming
// it and returns false. Options may stand anywhere, their values apart or
// glued on ("-v 2c", "-v2c").
bool ParseCommandLine(const std::vector<std::string>& args, CliCommand& command,
                      std::string& error);

// Parses the options and AGENT only; `rest` gets the other words after AGENT.
bool ParseConnection(const std::vector<std::string>& args, CliCommand& command,
                     std::vector<std::string>& rest, std::string& error);

// True when "--help" or "-h" stands where an option may.
bool HelpAsked(const std::vector<std::string>& args);

// Checks the values of a write as the edits for their syntaxes would before
// anything is sent: a refusal fills `error` with the variable, its value and
// the common-catalogue text, and returns false.
bool CheckValues(const CliCommand& command, std::string& error);

extern const char kCliUsage[];
