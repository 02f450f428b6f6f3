#include "SnmprecLoader.h"

#include <algorithm>
#include <charconv>
#include <fstream>

namespace vsim {

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
        const auto fail = [&](const std::string& reason) {
            problems.push_back(path + ":" + std::to_string(number) + ": " + reason);
        };
        const auto bar1 = line.find('|');
        const auto bar2 = bar1 == std::string::npos ? bar1 : line.find('|', bar1 + 1);
        if (bar2 == std::string::npos) {
            fail("expected OID|TAG|VALUE");
            continue;
        }
        const auto oid = ParseOid(std::string_view(line).substr(0, bar1));
        if (!oid) {
            fail("bad object identifier");
            continue;
        }
        std::string_view tagText = std::string_view(line).substr(bar1 + 1, bar2 - bar1 - 1);
        const bool hex = !tagText.empty() && tagText.back() == 'x';
        if (hex) {
            tagText.remove_suffix(1);
        }
        int tag = 0;
        const auto [end, error] =
            std::from_chars(tagText.data(), tagText.data() + tagText.size(), tag);
        const auto syntax = (error == std::errc() && end == tagText.data() + tagText.size())
                                ? SyntaxFromTag(tag)
                                : std::nullopt;
        if (!syntax) {
            fail("unsupported tag '" + std::string(tagText) + "'");
            continue;
        }
        auto value = ParseValueText(*syntax, std::string_view(line).substr(bar2 + 1), hex);
        if (!value) {
            fail("value does not fit tag " + std::to_string(tag));
            continue;
        }
        const bool isServed = std::any_of(served.begin(), served.end(),
                                          [&](const Oid& root) { return IsPrefix(root, *oid); });
        if (isServed) {
            model.Put(*oid, std::move(*value));
        }
    }
    return problems;
}

}  // namespace vsim
