#pragma once

#include <cstdint>
#include <vector>

#include "CvSNMPVarList.h"

// Items of a list left out of its exchanges for a while (a write of some
// columns only): each one this object excluded gets its flag back when the
// object goes, however the write in between ends.
class CvExcludedItems {
public:
    explicit CvExcludedItems(CvSNMPVarList& list) : FList(list) {}
    ~CvExcludedItems() {
        for (const std::int32_t i : FItems) {
            FList.Item(i).Access &= ~CvAccess::invalid;
        }
    }
    CvExcludedItems(const CvExcludedItems&) = delete;
    CvExcludedItems& operator=(const CvExcludedItems&) = delete;

    // An item excluded already stays so afterwards.
    void Exclude(std::int32_t i) {
        if (!Excluded(i)) {
            FList.Item(i).Access |= CvAccess::invalid;
            FItems.push_back(i);
        }
    }
    bool Excluded(std::int32_t i) const { return (FList.Item(i).Access & CvAccess::invalid) != 0; }

private:
    CvSNMPVarList& FList;
    std::vector<std::int32_t> FItems;
};
