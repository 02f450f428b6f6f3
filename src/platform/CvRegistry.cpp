#include "CvRegistry.h"

#include <cstdlib>

namespace {

std::string RegistryFile() {
    const char* path = std::getenv("VANTA_REGISTRY");
    return path != nullptr && *path != '\0' ? path : "/etc/corvane/registry.ini";
}

std::string Section(const std::string& keyPath) {
    return !keyPath.empty() && keyPath.front() == '\\' ? keyPath.substr(1) : keyPath;
}

}  // namespace

CvRegistry::CvRegistry() : CvRegistry(RegistryFile()) {}

CvRegistry::CvRegistry(const std::string& fileName) : FIni(fileName) {}

bool CvRegistry::KeyExists(const std::string& keyPath) const {
    return FIni.HasSection(Section(keyPath));
}

std::string CvRegistry::ReadString(const std::string& keyPath, const std::string& valueName) const {
    return FIni.ReadString(Section(keyPath), valueName, "");
}
