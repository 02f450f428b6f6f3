#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "MibValue.h"
#include "SimOid.h"

namespace vsim {

struct Range {
    std::int64_t low = 0;
    std::int64_t high = 0;
    bool Contains(std::int64_t v) const { return low <= v && v <= high; }
};

// What a manager may do with one scalar or column (the instance without its
// ".0" or row index).
struct ObjectRule {
    Oid object;
    bool writable = false;
    Syntax syntax = Syntax::Integer;
    std::vector<Range> values;        // allowed numbers; empty: any of the syntax
    std::vector<Range> sizes;         // allowed octet counts; empty: any
    std::optional<MibValue> initial;  // value of the column in a new row
    bool required = false;            // a new row cannot go active before it is set
};

struct TableRule {
    Oid entry;  // the table's entry object; columns are entry.N
    std::size_t indexArcs = 1;
    std::optional<std::uint32_t> statusColumn;  // the RowStatus column
    std::vector<Range> creatable;  // per index arc: rows that may be created and destroyed
    std::string check;             // a device rule every changed row must satisfy
};

// Where an instance sits: its object and, inside a table, the row index.
struct Placement {
    Oid object;
    const TableRule* table = nullptr;
    Oid index;
};

// The behaviour description of the simulated switch (see data/vanta-a.rules):
// which subtrees are served, which objects are writable with which values, and
// which tables have rows created and destroyed through a RowStatus column.
class BehaviourRules {
public:
    // Parses the rules file; problems are returned as "FILE:LINE: reason".
    std::vector<std::string> Load(const std::string& path);

    const std::vector<Oid>& Served() const { return served_; }
    const std::map<Oid, TableRule>& Tables() const { return tables_; }
    const ObjectRule* Object(const Oid& object) const;
    const TableRule* TableOf(const Oid& instance) const;
    Placement Place(const Oid& instance) const;
    // Rules of the table's columns, in column order.
    std::vector<const ObjectRule*> Columns(const TableRule& table) const;

private:
    std::vector<Oid> served_;
    std::map<Oid, ObjectRule> objects_;
    std::map<Oid, TableRule> tables_;
};

}  // namespace vsim
