#pragma once

#include <string>

#include "CvIni.h"

// The read-only part of the machine registry the module uses. On Linux it is
// an INI file whose section names are the key paths
// ("[SOFTWARE\Corvane\Modules\HelpPath]") and whose keys are the value names:
// $VANTA_REGISTRY, else /etc/corvane/registry.ini. A missing file has no keys.
class CvRegistry {
public:
    CvRegistry();
    explicit CvRegistry(const std::string& fileName);

    // Key paths may start with "\"; names compare ignoring case.
    bool KeyExists(const std::string& keyPath) const;
    // "" when the key or the value is missing.
    std::string ReadString(const std::string& keyPath, const std::string& valueName) const;

private:
    CvIni FIni;
};
