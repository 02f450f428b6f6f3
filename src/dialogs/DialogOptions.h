#pragma once

#include "CvOptionList.h"

// Option lists several dedicated dialogs bind.
namespace dialog_options {

extern const CvOptionList kDisabledEnabled;  // 2 "disabled", 3 "enabled"
extern const CvOptionList kTrueFalse;        // 1 "true", 2 "false"
extern const CvOptionList kStpVersion;       // 0 "stp", 1 "rstp", 2 "mstp"

}  // namespace dialog_options
