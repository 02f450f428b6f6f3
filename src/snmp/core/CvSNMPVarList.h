#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "CvOptionList.h"
#include "CvSNMPVar.h"

// A working copy of a descriptor table: the items a request exchanges, with
// their current values. Copies are deep; option lists are shared, never owned
// (except those handed over to OwnedOptionLists).
class CvSNMPVarList {
public:
    std::string Instance;  // appended after "." to every item's Oid when a request is built
    std::int32_t PKeyCount = 0;
    std::uint8_t ItemType = SVT_SV;
    std::string Name;  // shown as "[VARLIST]" in status lines

    CvSNMPVarList() = default;
    CvSNMPVarList(const CvSNMPVarDesc* table, std::uint8_t itemType, std::int32_t pKeyCount);
    // Copies keep PKeyCount, ItemType, Name and the items; Instance starts empty.
    // Owned option lists are not copied.
    CvSNMPVarList(const CvSNMPVarList& other);
    // Assign() is the only assignment: it keeps Instance, which plain value
    // assignment would be expected to copy.
    CvSNMPVarList& operator=(const CvSNMPVarList& other) = delete;

    // Replaces the items, PKeyCount, ItemType and Name by those of `other`;
    // Instance stays as it was.
    void Assign(const CvSNMPVarList& other);
    void Append(const CvSNMPVarDesc* table);
    void Clear();

    std::int32_t GetCount() const { return static_cast<std::int32_t>(Items.size()); }
    CvSNMPVar& Item(std::int32_t i);
    const CvSNMPVar& Item(std::int32_t i) const;

    bool IsTable() const { return ItemType == MVT_FMV || ItemType == MVT_UMV; }
    bool IsImplied(std::int32_t i) const;
    bool IsReadable(std::int32_t i) const;
    bool IsWritable(std::int32_t i) const;
    bool IsShown(std::int32_t i) const;
    bool IsCarriedHidden(std::int32_t i) const;
    std::int32_t ShownCount() const;
    std::int32_t CarriedHiddenCount() const;

    // Permanently addresses one row: every Oid becomes Oid + "." + suffix.
    void AppendInstanceToOids(const std::string& suffix);

    std::vector<std::unique_ptr<CvOptionList>> OwnedOptionLists;

private:
    void CopyItemsFrom(const CvSNMPVarList& other);

    std::vector<CvSNMPVar> Items;
};
