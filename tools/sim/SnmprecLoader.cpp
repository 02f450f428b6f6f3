#include "SnmprecLoader.h"

#include <algorithm>
#include <charconv>
#include <fstream>

namespace vsim {

std::optional<std::pair<Oid, MibValue>> ParseRecord(std::string_view line, std::string& reason) {
    const auto bar1 = line.find('|');
    const auto bar2 = bar1 == std::string_view::npos ? bar1 : line.find('|', bar1 + 1);
    if (bar2 == std::string_view::npos) {
        reason = "expected OID|TAG|VALUE";
        return std::nullopt;
    }
    const auto oid = ParseOid(line.substr(0, bar1));
    if (!oid) {
        reason = "bad object identifier";
        return std::nullopt;
    }
    std::string_view tagText = line.substr(bar1 + 1, bar2 - bar1 - 1);
    const bool hex = !tagText.empty() && tagText.back() == 'x';
    if (hex) {
        tagText.remove_suffix(1);
    }
    int tag = 0;
    const auto [end, error] = std::from_chars(tagText.data(), tagText.data() + tagText.size(), tag);
    const auto syntax = (error == std::errc() && end == tagText.data() + tagText.size())
                            ? SyntaxFromTag(tag)
                            : std::nullopt;
    if (!syntax) {
        reason = "unsupported tag '" + std::string(tagText) + "'";
        return std::nullopt;
    }
    auto value = ParseValueText(*syntax, line.substr(bar2 + 1), hex);
    if (!value) {
        reason = "value does not fit tag " + std::to_string(tag);
        return std::nullopt;
    }
    return std::pair(*oid, std::move(*value));
}

std::vector<std::string> LoadSnmprec(const std::string& path, const std::vector<Oid>& served,
                                     MibModel& model) {
    std::vector<std::string> problems;
    std::ifstream in(path);
    if (!in) {
        problems.push_back(path + ": cannot be opened");
        return problems;
    }
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.empty() || line.front() == '#') {
            continue;
        }
        std::string reason;
        auto record = ParseRecord(line, reason);
        if (!record) {
            problems.push_back(path + ":" + std::to_string(number) + ": " + reason);
            continue;
        }
        const bool isServed = std::any_of(served.begin(), served.end(), [&](const Oid& root) {
            return IsPrefix(root, record->first);
        });
        if (isServed) {
            model.Put(record->first, std::move(record->second));
        }
    }
    return problems;
}

std::vector<std::filesystem::path> WithAreaFiles(const std::filesystem::path& main) {
    const std::string prefix = main.stem().string() + ".";
    const std::string extension = main.extension().string();
    std::vector<std::filesystem::path> areas;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(main.parent_path(), error)) {
        const std::string name = entry.path().filename().string();
        if (name.size() > prefix.size() + extension.size() && name.starts_with(prefix) &&
            name.ends_with(extension) && entry.path() != main) {
            areas.push_back(entry.path());
        }
    }
    std::sort(areas.begin(), areas.end());
    areas.insert(areas.begin(), main);
    return areas;
}

}  // namespace vsim
