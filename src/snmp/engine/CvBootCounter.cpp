#include "CvBootCounter.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <sstream>
#include <vector>

namespace {

// The file's text; "" when it is missing, unreadable, or anything but a
// regular file. A link is never followed: in a folder others may write to,
// it could point anywhere.
std::string FileText(const std::string& fileName) {
    const int fd = open(fileName.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return {};
    }
    std::string text;
    struct stat info {};
    if (fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
        char buffer[4096];
        for (;;) {
            const ssize_t n = read(fd, buffer, sizeof buffer);
            if (n > 0) {
                text.append(buffer, static_cast<std::size_t>(n));
            } else if (n == 0 || errno != EINTR) {
                break;
            }
        }
    }
    close(fd);
    return text;
}

std::vector<std::string> FileLines(const std::string& fileName) {
    std::vector<std::string> lines;
    std::istringstream in(FileText(fileName));
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(line);
    }
    return lines;
}

bool IsLineOf(const std::string& line, const std::string& engineId) {
    return line.size() > engineId.size() && line.compare(0, engineId.size(), engineId) == 0 &&
           line[engineId.size()] == ' ';
}

bool WriteAll(int fd, const std::string& text) {
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// Replaces the file as a whole: a new file beside it, renamed over the old
// one, so a crash leaves either the old text or the new one. The rename
// replaces a link itself, never what it points to.
bool ReplaceFile(const std::string& fileName, const std::string& text) {
    std::string temporary = fileName + ".XXXXXX";
    const int fd = mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    const bool written = WriteAll(fd, text) && fsync(fd) == 0;
    const bool closed = close(fd) == 0;
    if (!written || !closed || rename(temporary.c_str(), fileName.c_str()) != 0) {
        unlink(temporary.c_str());
        return false;
    }
    return true;
}

}  // namespace

bool LoadBootCounter(const std::string& fileName, const std::string& engineId,
                     std::uint32_t& boots) {
    boots = 0;
    for (const std::string& line : FileLines(fileName)) {
        if (!IsLineOf(line, engineId)) {
            continue;
        }
        std::istringstream value(line.substr(engineId.size() + 1));
        unsigned long long n = 0;
        std::string rest;
        if (!(value >> n) || (value >> rest) || n > 0x7FFFFFFFu) {
            return false;
        }
        boots = static_cast<std::uint32_t>(n);
        return true;
    }
    return true;
}

bool SaveBootCounter(const std::string& fileName, const std::string& engineId,
                     std::uint32_t boots) {
    std::string text;
    for (const std::string& line : FileLines(fileName)) {
        if (!IsLineOf(line, engineId)) {
            text += line + '\n';
        }
    }
    text += engineId + " " + std::to_string(boots) + '\n';
    return ReplaceFile(fileName, text);
}
