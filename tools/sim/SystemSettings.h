#pragma once

#include <vector>

#include "MibModel.h"
#include "SetTransaction.h"

namespace vsim::settings {

// The switch's clock rules, its stored configuration images and its RMON
// probe.

extern const Oid kSummerTime;
extern const Oid kConfigImageEntry;

// Summer time starts and ends in different months, in both kinds of rule.
bool SummerTimeFits(const RowView& row, const RowPlace& place);
// An image is made active or the boot image only when it holds a
// configuration, and deleted only when it is neither.
bool ConfigImageFits(const RowView& row, const RowPlace& place);

// Orders among the writes, carried out: an image made active or the boot
// image, or deleted (its information goes), after which its action reads
// none(4) again; a probe restarted, after which it reads running(1) again.
// Returns what it changed.
std::vector<ModelWrite> CarryOut(MibModel& model, const std::vector<ModelWrite>& writes);

}  // namespace vsim::settings
