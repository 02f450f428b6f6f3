#include "BehaviourRules.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <limits>
#include <sstream>

#include "ValueFormats.h"

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

// "*" is every number.
std::optional<Range> ReadCreateRange(std::string_view text) {
    if (text == "*") {
        return Range{std::numeric_limits<std::int64_t>::min(),
                     std::numeric_limits<std::int64_t>::max()};
    }
    return ReadRange(text);
}

std::optional<IndexKey> ReadKey(std::string_view text) {
    struct Named {
        std::string_view name;
        IndexKey key;
    };
    static constexpr Named kKeys[] = {
        {"int", IndexKey::Integer},    {"ip", IndexKey::IpAddress},
        {"mac", IndexKey::MacAddress}, {"ipv6", IndexKey::Ipv6Address},
        {"string", IndexKey::String},  {"string*", IndexKey::ImpliedString},
        {"oid", IndexKey::Oid},        {"oid*", IndexKey::ImpliedOid},
    };
    for (const auto& entry : kKeys) {
        if (entry.name == text) {
            return entry.key;
        }
    }
    return std::nullopt;
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
            std::string create;
            for (const auto& attribute : attributes) {
                const auto eq = attribute.find('=');
                const std::string name = attribute.substr(0, eq);
                const std::string value = eq == std::string::npos ? "" : attribute.substr(eq + 1);
                const auto column = ReadInt(value);
                if (name == "index" && column && *column >= 1 && *column <= 128) {
                    table.keys.assign(static_cast<std::size_t>(*column), IndexKey::Integer);
                } else if (name == "keys" && !value.empty()) {
                    table.keys.clear();
                    std::istringstream keys(value);
                    for (std::string key; std::getline(keys, key, ',');) {
                        const auto parsed = ReadKey(key);
                        if (!parsed) {
                            fail("unknown index key '" + key + "'");
                            break;
                        }
                        table.keys.push_back(*parsed);
                    }
                } else if ((name == "status" || name == "valid" || name == "storage") && column &&
                           *column >= 1) {
                    (name == "status"  ? table.statusColumn
                     : name == "valid" ? table.validColumn
                                       : table.storageColumn) = static_cast<std::uint32_t>(*column);
                } else if (name == "create") {
                    create = value;
                } else if (name == "check" && !value.empty()) {
                    table.check = value;
                } else if ((name == "augments" || name == "parent") && ParseOid(value)) {
                    (name == "augments" ? table.augments : table.parent) = *ParseOid(value);
                } else if (name == "missing" &&
                           (value == "noCreation" || value == "inconsistentValue")) {
                    table.missing = value == "noCreation" ? MissingAnswer::NoCreation
                                                          : MissingAnswer::InconsistentValue;
                } else if (name == "keep" && ParseOid(value)) {
                    table.kept.push_back(*ParseOid(value));
                } else if (name == "orphan" &&
                           (value == "inconsistentName" || value == "inconsistentValue")) {
                    table.orphan = value == "inconsistentValue" ? OrphanAnswer::InconsistentValue
                                                                : OrphanAnswer::InconsistentName;
                } else {
                    fail("unknown table attribute '" + attribute + "'");
                }
            }
            std::istringstream arcs(create);
            for (std::string arc; !create.empty() && std::getline(arcs, arc, '/');) {
                const auto range = ReadCreateRange(arc);
                if (!range) {
                    fail("bad create range '" + create + "'");
                    break;
                }
                table.creatable.push_back(*range);
            }
            if (table.statusColumn && table.validColumn) {
                fail("a table has a status or a valid column, not both");
            }
            if (!table.creatable.empty() && table.creatable.size() != table.keys.size()) {
                fail("create needs one range per index key");
            }
            for (std::size_t k = 0; k + 1 < table.keys.size(); ++k) {
                if (table.keys[k] == IndexKey::ImpliedString ||
                    table.keys[k] == IndexKey::ImpliedOid) {
                    fail("only the last index key can be implied");
                }
            }
            tables_[*oid] = table;
        } else if (keyword == "group") {
            // Scalars checked together: one row (index 0) of a table whose
            // columns are the scalars, so a set of any of them is checked
            // with the values of all of them as the set leaves them.
            TableRule group;
            group.entry = *oid;
            if (attributes.size() != 1 || !attributes.front().starts_with("check=") ||
                attributes.front().size() == 6) {
                fail("expected group PREFIX check=NAME");
                continue;
            }
            group.check = attributes.front().substr(6);
            group.group = true;
            tables_[*oid] = group;
        } else if (keyword == "tick") {
            TickRule tick;
            tick.object = *oid;
            const auto step = attributes.empty() ? std::nullopt : ReadRange(attributes.front());
            if (!step || step->low < 0 || attributes.size() > 2 ||
                (attributes.size() == 2 && attributes[1] != "linked")) {
                fail("expected tick OBJECT LOW..HIGH [linked]");
                continue;
            }
            tick.step = *step;
            tick.linked = attributes.size() == 2;
            ticks_.push_back(tick);
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
                } else if (name == "testandincr" && eq == std::string::npos &&
                           rule.syntax == Syntax::Integer) {
                    rule.testAndIncr = true;
                } else if (name == "format" && KnownFormat(value) &&
                           rule.syntax == Syntax::OctetString) {
                    rule.format = value;
                } else if (name == "key" && ReadInt(value) && *ReadInt(value) >= 1) {
                    rule.indexKey = static_cast<std::size_t>(*ReadInt(value) - 1);
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

std::vector<std::string> BehaviourRules::Check() const {
    std::vector<std::string> problems;
    for (const auto& [entry, table] : tables_) {
        const std::string name = "table " + FormatOid(entry);
        if (!table.augments.empty() && tables_.count(table.augments) == 0) {
            problems.push_back(name + " augments " + FormatOid(table.augments) +
                               ", which is no table");
        }
        if (!table.validColumn && table.missing != MissingAnswer::NoError) {
            problems.push_back(name + ": missing without a valid column");
        }
        for (const Oid& index : table.kept) {
            if (!table.SplitIndex(index)) {
                problems.push_back(name + ": kept row " + FormatOid(index) +
                                   " is no index of the table");
            }
        }
        if (table.parent.empty() && table.orphan != OrphanAnswer::InconsistentName) {
            problems.push_back(name + ": orphan without a parent");
        }
        const auto parent = tables_.find(table.parent);
        if (!table.parent.empty() &&
            (parent == tables_.end() || parent->second.keys.size() >= table.keys.size())) {
            problems.push_back(name + ": parent " + FormatOid(table.parent) +
                               " is no table with fewer keys");
        }
        for (const ObjectRule* column :
             table.group ? Columns(table) : std::vector<const ObjectRule*>{}) {
            if (column->testAndIncr) {
                problems.push_back(name + ": the group's " + FormatOid(column->object) +
                                   " cannot be testandincr");
            }
        }
        for (const auto& column : {table.statusColumn, table.validColumn, table.storageColumn}) {
            const ObjectRule* rule = column ? Object(Join(entry, {*column})) : nullptr;
            if (column && (rule == nullptr || !rule->writable || rule->syntax != Syntax::Integer)) {
                problems.push_back(name + ": column " + std::to_string(*column) +
                                   " needs an rw integer rule");
            }
        }
    }
    return problems;
}

std::optional<std::vector<Oid>> TableRule::SplitIndex(const Oid& index) const {
    std::vector<Oid> parts;
    std::size_t at = 0;
    for (const IndexKey key : keys) {
        std::size_t length = 0;
        bool bytes = false;
        switch (key) {
            case IndexKey::Integer:
                length = 1;
                break;
            case IndexKey::IpAddress:
                length = 4;
                bytes = true;
                break;
            case IndexKey::MacAddress:
                length = 6;
                bytes = true;
                break;
            case IndexKey::Ipv6Address:
                length = 16;
                bytes = true;
                break;
            case IndexKey::String:
            case IndexKey::Oid:
                if (at >= index.size()) {
                    return std::nullopt;
                }
                length = std::size_t{1} + index[at];
                bytes = key == IndexKey::String;
                break;
            case IndexKey::ImpliedString:
            case IndexKey::ImpliedOid:
                length = index.size() - at;
                bytes = key == IndexKey::ImpliedString;
                break;
        }
        if (index.size() - at < length) {
            return std::nullopt;
        }
        Oid part(index.begin() + static_cast<std::ptrdiff_t>(at),
                 index.begin() + static_cast<std::ptrdiff_t>(at + length));
        const std::size_t first = key == IndexKey::String ? 1 : 0;
        for (std::size_t i = first; bytes && i < part.size(); ++i) {
            if (part[i] > 255) {
                return std::nullopt;
            }
        }
        parts.push_back(std::move(part));
        at += length;
    }
    if (at != index.size()) {
        return std::nullopt;
    }
    return parts;
}

bool TableRule::Keeps(const Oid& index) const {
    return std::find(kept.begin(), kept.end(), index) != kept.end();
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
