#pragma once

#include "CvOptionList.h"

// Option lists several dedicated dialogs bind.
namespace dialog_options {

extern const CvOptionList kDisabledEnabled;  // 2 "disabled", 3 "enabled"
extern const CvOptionList kTrueFalse;        // 1 "true", 2 "false"
extern const CvOptionList kStpVersion;       // 0 "stp", 1 "rstp", 2 "mstp"
extern const CvOptionList kTrunkState;       // 1 "enable" … 6 "destroy", the trunk's RowStatus

}  // namespace dialog_options
