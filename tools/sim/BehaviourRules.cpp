#include "BehaviourRules.h"

#include <charconv>
#include <fstream>
#include <sstream>

namespace vsim {

namespace {

std::optional<std::int64_t> ReadInt(std::string_view text) {
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

// "5" or "1..4"
std::optional<Range> ReadRange(std::string_view text) {
    const auto dots = text.find("..");
    const auto low = ReadInt(text.substr(0, dots));
    const auto high = dots == std::string_view::npos ? low : ReadInt(text.substr(dots + 2));
    if (!low || !high || *low > *high) {
        return std::nullopt;
    }
    return Range{*low, *high};
}

// "2,3" or "0..7" or "1,3..5"
std::optional<std::vector<Range>> ReadRanges(std::string_view text) {
    std::vector<Range> ranges;
    while (true) {
        const auto comma = text.find(',');
        const auto range = ReadRange(text.substr(0, comma));
        if (!range) {
            return std::nullopt;
        }
        ranges.push_back(*range);
        if (comma == std::string_view::npos) {
            return ranges;
        }
        text.remove_prefix(comma + 1);
    }
}

}  // namespace

std::vector<std::string> BehaviourRules::Load(const std::string& path) {
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
        const auto fail = [&](const std::string& reason) {
            problems.push_back(path + ":" + std::to_string(number) + ": " + reason);
        };
        const auto hash = line.find('#');
        std::istringstream words(line.substr(0, hash));
        std::string keyword;
        std::string oidText;
        if (!(words >> keyword)) {
            continue;
        }
        words >> oidText;
        const auto oid = ParseOid(oidText);
        if (!oid) {
            fail("bad object identifier '" + oidText + "'");
            continue;
        }
        std::vector<std::string> attributes;
        for (std::string word; words >> word;) {
            attributes.push_back(word);
        }
        if (keyword == "serve") {
            served_.push_back(*oid);
        } else if (keyword == "table") {
            TableRule table;
            table.entry = *oid;
            for (const auto& attribute : attributes) {
                const auto eq = attribute.find('=');
                const std::string name = attribute.substr(0, eq);
                const std::string value = eq == std::string::npos ? "" : attribute.substr(eq + 1);
                if (name == "index" && ReadInt(value) && *ReadInt(value) >= 1) {
                    table.indexArcs = static_cast<std::size_t>(*ReadInt(value));
                } else if (name == "status" && ReadInt(value) && *ReadInt(value) >= 1) {
                    table.statusColumn = static_cast<std::uint32_t>(*ReadInt(value));
                } else if (name == "create") {
                    std::istringstream arcs(value);
                    for (std::string arc; std::getline(arcs, arc, '/');) {
                        const auto range = ReadRange(arc);
                        if (!range) {
                            fail("bad create range '" + value + "'");
                            break;
                        }
                        table.creatable.push_back(*range);
                    }
                } else if (name == "check" && !value.empty()) {
                    table.check = value;
                } else {
                    fail("unknown table attribute '" + attribute + "'");
                }
            }
            if (!table.creatable.empty() && table.creatable.size() != table.indexArcs) {
                fail("create needs one range per index arc");
            }
            tables_[*oid] = table;
        } else if (keyword == "rw" || keyword == "ro") {
            ObjectRule rule;
            rule.object = *oid;
            rule.writable = keyword == "rw";
            if (attributes.empty() || !SyntaxFromName(attributes.front())) {
                fail("expected a syntax after the object identifier");
                continue;
            }
            rule.syntax = *SyntaxFromName(attributes.front());
            for (std::size_t i = 1; i < attributes.size(); ++i) {
                const auto& attribute = attributes[i];
                const auto eq = attribute.find('=');
                const std::string name = attribute.substr(0, eq);
                const std::string value = eq == std::string::npos ? "" : attribute.substr(eq + 1);
                if (name == "values" && ReadRanges(value)) {
                    rule.values = *ReadRanges(value);
                } else if (name == "size" && ReadRanges(value)) {
                    rule.sizes = *ReadRanges(value);
                } else if (name == "default" || name == "default-hex") {
                    rule.initial = ParseValueText(rule.syntax, value, name == "default-hex");
                    if (!rule.initial) {
                        fail("default does not fit the syntax");
                    }
                } else if (name == "required" && eq == std::string::npos) {
                    rule.required = true;
                } else {
                    fail("unknown object attribute '" + attribute + "'");
                }
            }
            objects_[*oid] = rule;
        } else {
            fail("unknown keyword '" + keyword + "'");
        }
    }
    return problems;
}

const ObjectRule* BehaviourRules::Object(const Oid& object) const {
    const auto it = objects_.find(object);
    return it == objects_.end() ? nullptr : &it->second;
}

const TableRule* BehaviourRules::TableOf(const Oid& instance) const {
    // The longest declared entry that leaves a column arc and an index.
    if (instance.size() < 3) {
        return nullptr;
    }
    Oid prefix(instance.begin(), instance.end() - 2);
    while (!prefix.empty()) {
        const auto it = tables_.find(prefix);
        if (it != tables_.end()) {
            return &it->second;
        }
        prefix.pop_back();
    }
    return nullptr;
}

Placement BehaviourRules::Place(const Oid& instance) const {
    Placement placement;
    placement.table = TableOf(instance);
    if (placement.table != nullptr) {
        const auto split = placement.table->entry.size() + 1;
        placement.object.assign(instance.begin(), instance.begin() + split);
        placement.index.assign(instance.begin() + split, instance.end());
    } else if (!instance.empty()) {
        placement.object.assign(instance.begin(), instance.end() - 1);
        placement.index.assign(instance.end() - 1, instance.end());
    }
    return placement;
}

std::vector<const ObjectRule*> BehaviourRules::Columns(const TableRule& table) const {
    std::vector<const ObjectRule*> columns;
    for (auto it = objects_.lower_bound(table.entry);
         it != objects_.end() && IsPrefix(table.entry, it->first); ++it) {
        if (it->first.size() == table.entry.size() + 1) {
            columns.push_back(&it->second);
        }
    }
    return columns;
}

}  // namespace vsim
