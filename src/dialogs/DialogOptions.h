#pragma once

#include <cstdint>

#include "CvOptionList.h"
#include "CvSNMPVar.h"

// Option lists several dedicated dialogs bind, and the access words of
// their descriptor tables.
namespace dialog_options {

constexpr std::uint32_t kIndex = CvAccess::notaccess;
constexpr std::uint32_t kRo = CvAccess::readonly;
constexpr std::uint32_t kRw = CvAccess::readwrite;

extern const CvOptionList kDisabledEnabled;  // 2 "disabled", 3 "enabled"
extern const CvOptionList kTrueFalse;        // 1 "true", 2 "false"
extern const CvOptionList kStpVersion;       // 0 "stp", 1 "rstp", 2 "mstp"
extern const CvOptionList kEnabledDisabled;  // 1 "enabled", 2 "disabled"
extern const CvOptionList kEnableDisable;    // 1 "enable", 2 "disable"
extern const CvOptionList kDenyPermit;       // 1 "deny", 2 "permit"
extern const CvOptionList kRowStatus;        // 1 "active" … 6 "destroy"

}  // namespace dialog_options
