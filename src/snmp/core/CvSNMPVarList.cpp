#include "CvSNMPVarList.h"

#include <cassert>

CvSNMPVar::CvSNMPVar(const CvSNMPVarDesc& desc)
    : Oid(desc.Oid ? desc.Oid : ""),
      Label(desc.Label ? desc.Label : ""),
      Syntax(desc.Syntax),
      Access(desc.Access),
      Options(desc.Options),
      ReadExpr(desc.ReadExpr ? desc.ReadExpr : ""),
      WriteExpr(desc.WriteExpr ? desc.WriteExpr : ""),
      Reserved(desc.Reserved ? desc.Reserved : ""),
      Value(desc.Value ? desc.Value : ""),
      InstanceOid(desc.InstanceOid ? desc.InstanceOid : "") {}

CvSNMPVarList::CvSNMPVarList(const CvSNMPVarDesc* table, std::uint8_t itemType,
                             std::int32_t pKeyCount)
    : PKeyCount(pKeyCount), ItemType(itemType) {
    Append(table);
}

CvSNMPVarList::CvSNMPVarList(const CvSNMPVarList& other) {
    CopyItemsFrom(other);
}

void CvSNMPVarList::Assign(const CvSNMPVarList& other) {
    if (this != &other) {
        CopyItemsFrom(other);
    }
}

void CvSNMPVarList::CopyItemsFrom(const CvSNMPVarList& other) {
    PKeyCount = other.PKeyCount;
    ItemType = other.ItemType;
    Name = other.Name;
    Items = other.Items;
}

void CvSNMPVarList::Append(const CvSNMPVarDesc* table) {
    if (table == nullptr) {
        return;
    }
    std::size_t n = 0;
    while (table[n].Oid != nullptr) {
        ++n;
    }
    Items.reserve(Items.size() + n);
    for (std::size_t i = 0; i < n; ++i) {
        Items.emplace_back(table[i]);
    }
}

void CvSNMPVarList::Clear() {
    Items.clear();
}

CvSNMPVar& CvSNMPVarList::Item(std::int32_t i) {
    assert(i >= 0 && i < GetCount());
    return Items[static_cast<std::size_t>(i)];
}

const CvSNMPVar& CvSNMPVarList::Item(std::int32_t i) const {
    assert(i >= 0 && i < GetCount());
    return Items[static_cast<std::size_t>(i)];
}

bool CvSNMPVarList::IsImplied(std::int32_t i) const {
    return (Item(i).Access & CvAccess::implied) != 0;
}

bool CvSNMPVarList::IsReadable(std::int32_t i) const {
    const std::uint32_t a = Item(i).Access;
    return (a & CvAccess::invalid) == 0 && (a & CvAccess::readonly) != 0;
}

bool CvSNMPVarList::IsWritable(std::int32_t i) const {
    const std::uint32_t a = Item(i).Access;
    if ((a & CvAccess::invalid) != 0) {
        return false;
    }
    return (a & CvAccess::writeonly) != 0 || (IsTable() && i < PKeyCount);
}

bool CvSNMPVarList::IsShown(std::int32_t i) const {
    const std::uint32_t a = Item(i).Access;
    return (a & (CvAccess::invalid | CvAccess::hidden)) == 0 &&
           (a & (CvAccess::notaccess | CvAccess::derived | CvAccess::readonly)) != 0;
}

bool CvSNMPVarList::IsCarriedHidden(std::int32_t i) const {
    const std::uint32_t a = Item(i).Access;
    return a == CvAccess::writeonly || (a & (CvAccess::invalid | CvAccess::hidden)) != 0;
}

std::int32_t CvSNMPVarList::ShownCount() const {
    std::int32_t n = 0;
    for (std::int32_t i = 0; i < GetCount(); ++i) {
        n += IsShown(i) ? 1 : 0;
    }
    return n;
}

std::int32_t CvSNMPVarList::CarriedHiddenCount() const {
    std::int32_t n = 0;
    for (std::int32_t i = 0; i < GetCount(); ++i) {
        n += IsCarriedHidden(i) ? 1 : 0;
    }
    return n;
}

void CvSNMPVarList::AppendInstanceToOids(const std::string& suffix) {
    for (CvSNMPVar& item : Items) {
        item.Oid += '.';
        item.Oid += suffix;
    }
}
