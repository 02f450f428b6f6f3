#include "DialogOptions.h"

namespace dialog_options {

namespace {

const CvIntOptionPair kDisabledEnabledPairs[] = {{2, "disabled"}, {3, "enabled"}, {0, nullptr}};
const CvIntOptionPair kTrueFalsePairs[] = {{1, "true"}, {2, "false"}, {0, nullptr}};
const CvIntOptionPair kStpVersionPairs[] = {{0, "stp"}, {1, "rstp"}, {2, "mstp"}, {0, nullptr}};
const CvIntOptionPair kEnabledDisabledPairs[] = {{1, "enabled"}, {2, "disabled"}, {0, nullptr}};
const CvIntOptionPair kEnableDisablePairs[] = {{1, "enable"}, {2, "disable"}, {0, nullptr}};
const CvIntOptionPair kDenyPermitPairs[] = {{1, "deny"}, {2, "permit"}, {0, nullptr}};
const CvIntOptionPair kRowStatusPairs[] = {
    {1, "active"},        {2, "notInService"}, {3, "notReady"}, {4, "createAndGo"},
    {5, "createAndWait"}, {6, "destroy"},      {0, nullptr}};

}  // namespace

const CvOptionList kDisabledEnabled(kDisabledEnabledPairs);
const CvOptionList kTrueFalse(kTrueFalsePairs);
const CvOptionList kStpVersion(kStpVersionPairs);
const CvOptionList kEnabledDisabled(kEnabledDisabledPairs);
const CvOptionList kEnableDisable(kEnableDisablePairs);
const CvOptionList kDenyPermit(kDenyPermitPairs);
const CvOptionList kRowStatus(kRowStatusPairs);

}  // namespace dialog_options
