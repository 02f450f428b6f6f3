#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vsim {

// An object identifier as its arcs. std::vector's ordering is the SNMP
// lexicographic order, so it can key the sorted model directly.
using Oid = std::vector<std::uint32_t>;

// "1.3.6.1", with or without a leading "."; nullopt for anything else
// (empty arcs, letters, arcs beyond 32 bits, fewer than two arcs).
std::optional<Oid> ParseOid(std::string_view text);

std::string FormatOid(const Oid& oid);

// The same order as std::vector's, compared arc by arc without iterators:
// the model is searched at every request, and unoptimised builds do not
// inline the standard comparison.
struct OidLess {
    bool operator()(const Oid& a, const Oid& b) const;
};

bool IsPrefix(const Oid& prefix, const Oid& oid);

// `base` followed by `tail`.
Oid Join(const Oid& base, std::initializer_list<std::uint32_t> tail);
Oid Join(const Oid& base, const Oid& tail);

}  // namespace vsim
