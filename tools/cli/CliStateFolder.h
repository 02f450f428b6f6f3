#pragma once

#include <string>

// The folder of vanta-cli's own state, the SNMPv3 boots counter file: each
// user has one. VANTA_STATE_DIR when set, else $XDG_STATE_HOME/vanta (an
// absolute XDG_STATE_HOME only), else HOME/.local/state/vanta; "" when there
// is none of them. Null arguments stand for unset variables.
std::string CliStateFolder(const char* stateDir, const char* xdgStateHome, const char* home);

// Creates `folder` and its missing parents, each with mode 0700 (folders that
// exist keep theirs). False with `error` naming the folder and why.
bool MakePrivateFolder(const std::string& folder, std::string& error);
