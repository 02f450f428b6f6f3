#include "CatalogueData.h"

namespace mib_catalogue {

const CvIntOptionPair kDisabledEnabledPairs[] = {{2, "disabled"}, {3, "enabled"}, {0, nullptr}};
extern const CvOptionList kDisabledEnabled(kDisabledEnabledPairs);

const CvIntOptionPair kEnable2Disable3Pairs[] = {{2, "enable"}, {3, "disable"}, {0, nullptr}};
extern const CvOptionList kEnable2Disable3(kEnable2Disable3Pairs);

const CvIntOptionPair kEnabledDisabledPairs[] = {{1, "enabled"}, {2, "disabled"}, {0, nullptr}};
extern const CvOptionList kEnabledDisabled(kEnabledDisabledPairs);

const CvIntOptionPair kOtherDisabledEnabledPairs[] = {
    {1, "other"}, {2, "disabled"}, {3, "enabled"}, {0, nullptr}};
extern const CvOptionList kOtherDisabledEnabled(kOtherDisabledEnabledPairs);

const CvIntOptionPair kRowStatusPairs[] = {
    {1, "active"},        {2, "notInService"}, {3, "notReady"}, {4, "createAndGo"},
    {5, "createAndWait"}, {6, "destroy"},      {0, nullptr}};
extern const CvOptionList kRowStatus(kRowStatusPairs);

const CvIntOptionPair kTruthValuePairs[] = {{1, "true"}, {2, "false"}, {0, nullptr}};
extern const CvOptionList kTruthValue(kTruthValuePairs);

}  // namespace mib_catalogue
