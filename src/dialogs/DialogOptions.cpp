#include "DialogOptions.h"

namespace dialog_options {

namespace {

const CvIntOptionPair kDisabledEnabledPairs[] = {{2, "disabled"}, {3, "enabled"}, {0, nullptr}};
const CvIntOptionPair kTrueFalsePairs[] = {{1, "true"}, {2, "false"}, {0, nullptr}};
const CvIntOptionPair kStpVersionPairs[] = {{0, "stp"}, {1, "rstp"}, {2, "mstp"}, {0, nullptr}};

}  // namespace

const CvOptionList kDisabledEnabled(kDisabledEnabledPairs);
const CvOptionList kTrueFalse(kTrueFalsePairs);
const CvOptionList kStpVersion(kStpVersionPairs);

}  // namespace dialog_options
