#pragma once

#include "CvSNMPVar.h"

// The switch's trunk table, read by the trunk dialog and, for its trunk
// check, by the mirror dialog.
extern const CvSNMPVarDesc kTrunkTable[];

// Its items.
enum TrunkItem { kTrunkIndex, kName, kMasterPort, kMembers, kFlooding, kType, kState, kActive };
