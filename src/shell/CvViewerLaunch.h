#pragma once

#include <string>
#include <vector>

#include "CvLaunchParameters.h"

class CvRegistry;

// The host's viewer programs for the standard MIB groups get the module's own
// launch parameters. A page argument reads "/T" + group + "_" + page; the
// group names the program.
std::string ViewerGroup(const std::string& pageArgument);

// The command line, values unquoted as hosts expect them: the group, the
// address and communities, the page, and for SNMPv3 launches the v3 switches.
std::string ViewerCommandLine(const CvLaunchTexts& texts, const CvLaunchFlags& flags,
                              int snmpVersion, const std::string& pageArgument);

// What the host check reports in the status bar: "" when a host is
// installed, "No Path!" or "OpenView : File Path Error!".
std::string ViewerHostCheck(const CvRegistry& registry);

// Starts the command line split at blanks, without waiting; the program is
// looked up in `moduleFolder` first, then on PATH. False when it could not start.
bool StartViewer(const std::string& commandLine, const std::string& moduleFolder);
