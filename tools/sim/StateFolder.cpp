#include "StateFolder.h"

#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <charconv>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <system_error>

namespace vsim {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kPrefix = "vanta-sim-";
constexpr std::size_t kSuffixLength = 6;  // mkdtemp's XXXXXX

// The process id in "vanta-sim-PID-XXXXXX"; nullopt for any other name.
std::optional<pid_t> OwnerOf(std::string_view name) {
    if (name.substr(0, kPrefix.size()) != kPrefix) {
        return std::nullopt;
    }
    name.remove_prefix(kPrefix.size());
    const auto dash = name.find('-');
    if (dash == std::string_view::npos || name.size() - dash - 1 != kSuffixLength) {
        return std::nullopt;
    }
    for (const char c : name.substr(dash + 1)) {
        if (std::isalnum(static_cast<unsigned char>(c)) == 0) {
            return std::nullopt;
        }
    }
    pid_t pid = 0;
    const auto digits = name.substr(0, dash);
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), pid);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size() ||
        pid <= 1) {
        return std::nullopt;
    }
    return pid;
}

bool Running(pid_t pid) {
    return kill(pid, 0) == 0 || errno != ESRCH;
}

}  // namespace

fs::path MakeTemporaryStateFolder(const fs::path& tmp) {
    std::string pattern =
        (tmp / (std::string(kPrefix) + std::to_string(getpid()) + "-XXXXXX")).string();
    if (mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot create a temporary folder in " + tmp.string());
    }
    return pattern;
}

int RemoveStaleStateFolders(const fs::path& tmp) {
    int removed = 0;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(tmp, error)) {
        const std::string name = entry.path().filename().string();
        const auto pid = OwnerOf(name);
        if (!pid || *pid == getpid() || Running(*pid)) {
            continue;
        }
        struct stat info {};
        if (lstat(entry.path().c_str(), &info) != 0 || !S_ISDIR(info.st_mode) ||
            info.st_uid != geteuid()) {
            continue;
        }
        std::error_code ignored;
        if (fs::remove_all(entry.path(), ignored) > 0 && !ignored) {
            ++removed;
        }
    }
    return removed;
}

}  // namespace vsim
