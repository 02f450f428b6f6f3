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

// One part of a table's index: a number (one arc), an address of fixed
// width (IPv4, MAC, IPv6 as its 16 octets), or a string or object identifier with its length in
// front, or without it when IMPLIED (the last part only).
enum class IndexKey : std::uint8_t {
    Integer,
    IpAddress,
    MacAddress,
    Ipv6Address,
    String,
    ImpliedString,
    Oid,
    ImpliedOid
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
    bool testAndIncr = false;         // a set must name the current value, which then counts on
    std::optional<std::size_t>
        indexKey;        // the column repeats this key of the row's index (0-based)
    std::string format;  // a value layout the octets must follow (ValueFormats.h)
};

// What a set answers that creates or writes a row without its parent row.
enum class OrphanAnswer : std::uint8_t { InconsistentName, InconsistentValue };

// What a set answers that removes, through a valid column, a row that is not
// there: nothing to do, or a refusal.
enum class MissingAnswer : std::uint8_t { NoError, NoCreation, InconsistentValue };

struct TableRule {
    Oid entry;  // the table's entry object; columns are entry.N
    std::vector<IndexKey> keys{IndexKey::Integer};
    std::optional<std::uint32_t> statusColumn;   // the RowStatus column
    std::optional<std::uint32_t> validColumn;    // valid(3) creates the row, invalid(2) removes it
    std::optional<std::uint32_t> storageColumn;  // the StorageType column
    // Per key, rows that may be created and destroyed: the numbers of integer
    // keys, the lengths of strings and object identifiers.
    std::vector<Range> creatable;
    std::string check;  // a device rule every changed row must satisfy
    Oid augments;       // rows exist exactly where this other table has rows
    Oid parent;         // rows exist only under a row of this table, whose index leads theirs
    OrphanAnswer orphan = OrphanAnswer::InconsistentName;
    MissingAnswer missing = MissingAnswer::NoError;
    std::vector<Oid> kept;  // rows, by index, that are never destroyed
    bool group = false;     // scalars entry.N.0 checked together as the row "0"

    bool Keeps(const Oid& index) const;

    // The index split into its keys; nullopt when `index` is none of this table.
    std::optional<std::vector<Oid>> SplitIndex(const Oid& index) const;
};

// A counter that grows by a random amount in `step` every second, on every
// instance; with `linked`, only while the port its first index arc names
// has a link.
struct TickRule {
    Oid object;
    Range step;
    bool linked = false;
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
    // Parses a rules file and adds it to what is loaded; problems are
    // returned as "FILE:LINE: reason".
    std::vector<std::string> Load(const std::string& path);
    // What the loaded files together get wrong: tables augmenting no table,
    // storage or status columns without a rule.
    std::vector<std::string> Check() const;

    const std::vector<Oid>& Served() const { return served_; }
    const std::map<Oid, TableRule>& Tables() const { return tables_; }
    const std::vector<TickRule>& Ticks() const { return ticks_; }
    const ObjectRule* Object(const Oid& object) const;
    const TableRule* TableOf(const Oid& instance) const;
    Placement Place(const Oid& instance) const;
    // Rules of the table's columns, in column order.
    std::vector<const ObjectRule*> Columns(const TableRule& table) const;

private:
    std::vector<Oid> served_;
    std::map<Oid, ObjectRule> objects_;
    std::map<Oid, TableRule> tables_;
    std::vector<TickRule> ticks_;
};

}  // namespace vsim
