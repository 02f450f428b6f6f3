#include "CvIni.h"

#include <fstream>
#include <sstream>

#include "CvTextUtil.h"

namespace {

constexpr std::size_t kMaxValue = 4095;

}  // namespace

CvIni::CvIni(const std::string& fileName) {
    std::ifstream in(fileName, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    FText = text.str();
}

std::string CvIni::ReadString(const std::string& section, const std::string& key,
                              const std::string& defaultValue) const {
    std::istringstream in(FText);
    std::string line;
    bool inSection = false;
    while (std::getline(in, line)) {
        const std::string trimmed = Trim(line);
        if (trimmed.empty() || trimmed[0] == ';') {
            continue;
        }
        if (trimmed.front() == '[') {
            const std::size_t close = trimmed.find(']');
            inSection = close != std::string::npos &&
                        EqualsNoCase(Trim(trimmed.substr(1, close - 1)), section);
            continue;
        }
        const std::size_t eq = trimmed.find('=');
        if (!inSection || eq == std::string::npos ||
            !EqualsNoCase(Trim(trimmed.substr(0, eq)), key)) {
            continue;
        }
        std::string value = Trim(trimmed.substr(eq + 1));
        if (value.size() > kMaxValue) {
            value = Trim(value.substr(0, kMaxValue));
        }
        return value.empty() ? defaultValue : value;
    }
    return defaultValue;
}

bool CvIni::HasSection(const std::string& section) const {
    std::istringstream in(FText);
    std::string line;
    while (std::getline(in, line)) {
        const std::string trimmed = Trim(line);
        const std::size_t close = trimmed.find(']');
        if (!trimmed.empty() && trimmed.front() == '[' && close != std::string::npos &&
            EqualsNoCase(Trim(trimmed.substr(1, close - 1)), section)) {
            return true;
        }
    }
    return false;
}
