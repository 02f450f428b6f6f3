#include "CliStateFolder.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>

std::string CliStateFolder(const char* stateDir, const char* xdgStateHome, const char* home) {
    if (stateDir != nullptr && *stateDir != '\0') {
        return stateDir;
    }
    if (xdgStateHome != nullptr && *xdgStateHome == '/') {
        return std::string(xdgStateHome) + "/vanta";
    }
    if (home != nullptr && *home != '\0') {
        return std::string(home) + "/.local/state/vanta";
    }
    return {};
}

bool MakePrivateFolder(const std::string& folder, std::string& error) {
    if (folder.empty()) {
        error = "no folder for the boots counter: set VANTA_STATE_DIR or HOME";
        return false;
    }
    // Each prefix that ends before a "/", then the whole path.
    for (std::size_t end = folder.find('/', 1);; end = folder.find('/', end + 1)) {
        const std::string part = folder.substr(0, end);
        if (mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) {
            error = "cannot create the folder " + part + ": " + std::strerror(errno);
            return false;
        }
        if (end == std::string::npos) {
            break;
        }
    }
    struct stat info {};
    if (stat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) {
        error = folder + " is not a folder";
        return false;
    }
    return true;
}
