#include "EngineState.h"

#include <cctype>
#include <charconv>
#include <fstream>
#include <random>
#include <sstream>
#include <system_error>

namespace vsim {

namespace fs = std::filesystem;

namespace {

constexpr const char* kIdFile = "engine-id";
constexpr const char* kBootsFile = "engine-boots";

int HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
}

// The first line of `path` without trailing blanks; nullopt when it is missing.
std::optional<std::string> ReadLine(const fs::path& path) {
    std::ifstream in(path);
    if (!in) {
        return std::nullopt;
    }
    std::string line;
    std::getline(in, line);
    while (!line.empty() && std::isspace(static_cast<unsigned char>(line.back()))) {
        line.pop_back();
    }
    return line;
}

// Replaces `path` whole, so that a crash leaves the old or the new content.
bool WriteLine(const fs::path& path, const std::string& line) {
    fs::path temporary = path;
    temporary += ".new";
    {
        std::ofstream out(temporary, std::ios::trunc);
        out << line << '\n';
        out.flush();
        if (!out) {
            return false;
        }
    }
    std::error_code error;
    fs::rename(temporary, path, error);
    return !error;
}

}  // namespace

std::optional<std::string> ParseEngineId(std::string_view text) {
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        text.remove_prefix(2);
    }
    if (text.size() % 2 != 0 || text.size() / 2 < kEngineIdMin || text.size() / 2 > kEngineIdMax) {
        return std::nullopt;
    }
    std::string octets;
    for (std::size_t i = 0; i < text.size(); i += 2) {
        const int high = HexDigit(text[i]);
        const int low = HexDigit(text[i + 1]);
        if (high < 0 || low < 0) {
            return std::nullopt;
        }
        octets.push_back(static_cast<char>(high * 16 + low));
    }
    return octets;
}

std::string HexOf(std::string_view octets) {
    static const char kDigits[] = "0123456789abcdef";
    std::string hex;
    for (const char c : octets) {
        const auto byte = static_cast<unsigned char>(c);
        hex += kDigits[byte >> 4];
        hex += kDigits[byte & 0x0F];
    }
    return hex;
}

std::string FreshEngineId() {
    // 0x80000000 | 99917, then format 5 (administratively assigned octets).
    std::string id = {'\x80', '\x01', '\x86', '\x4D', '\x05'};
    std::random_device random;
    for (int i = 0; i < 8; ++i) {
        id.push_back(static_cast<char>(random() & 0xFF));
    }
    return id;
}

std::optional<EngineState> StartEngine(const fs::path& folder,
                                       const std::optional<std::string>& given,
                                       std::string& error) {
    EngineState state;
    const fs::path idPath = folder / kIdFile;
    if (const auto text = ReadLine(idPath)) {
        const auto id = ParseEngineId(*text);
        if (!id) {
            error = idPath.string() + " does not hold an engine id (5 to 32 octets in hex)";
            return std::nullopt;
        }
        state.id = *id;
    } else {
        state.id = FreshEngineId();
        if (!WriteLine(idPath, HexOf(state.id))) {
            error = "cannot write " + idPath.string();
            return std::nullopt;
        }
    }
    if (given) {
        state.id = *given;
    }

    const fs::path bootsPath = folder / kBootsFile;
    long previous = 0;
    if (const auto text = ReadLine(bootsPath)) {
        const auto [end, failure] =
            std::from_chars(text->data(), text->data() + text->size(), previous);
        if (text->empty() || failure != std::errc() || end != text->data() + text->size() ||
            previous < 0 || previous > kEngineBootsMax) {
            error = bootsPath.string() + " does not hold a boots counter (0 to 2147483647)";
            return std::nullopt;
        }
    }
    // At the maximum the counter stays there (RFC 3414, 2.2.2).
    state.boots = previous < kEngineBootsMax ? previous + 1 : kEngineBootsMax;
    if (!WriteLine(bootsPath, std::to_string(state.boots))) {
        error = "cannot write " + bootsPath.string();
        return std::nullopt;
    }
    return state;
}

}  // namespace vsim
