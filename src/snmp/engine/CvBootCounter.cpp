#include "CvBootCounter.h"

#include <cstdio>
#include <fstream>
#include <sstream>
#include <vector>

namespace {

std::vector<std::string> FileLines(const std::string& fileName) {
    std::vector<std::string> lines;
    std::ifstream in(fileName);
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
    std::vector<std::string> lines;
    for (std::string& line : FileLines(fileName)) {
        if (!IsLineOf(line, engineId)) {
            lines.push_back(std::move(line));
        }
    }
    lines.push_back(engineId + " " + std::to_string(boots));
    std::ofstream out(fileName, std::ios::trunc);
    for (const std::string& line : lines) {
        out << line << '\n';
    }
    out.flush();
    return static_cast<bool>(out);
}
