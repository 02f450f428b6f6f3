#include "TrunkTable.h"

#include "CvOptionList.h"

namespace {

using namespace CvSyntax;

const CvIntOptionPair kTrunkTypePairs[] = {{2, "static"}, {3, "lacp"}, {0, nullptr}};
const CvOptionList kTrunkType(kTrunkTypePairs);
// The trunk's RowStatus, with enable and disable for active and notInService.
const CvIntOptionPair kTrunkStatePairs[] = {{1, "enable"},      {2, "disable"},
                                            {4, "createAndGo"}, {5, "createAndWait"},
                                            {6, "destroy"},     {0, nullptr}};
const CvOptionList kTrunkState(kTrunkStatePairs);

}  // namespace

#define TRUNK "1.3.6.1.4.1.99917.11.70.1.2.9.3.1."
const CvSNMPVarDesc kTrunkTable[] = {
    {TRUNK "1", "Index", integer, CvAccess::notaccess},
    {TRUNK "2", "Name", displaystr, CvAccess::readwrite},
    {TRUNK "3", "Master Port", integer, CvAccess::readwrite},
    {TRUNK "4", "Member Ports", octetstr, CvAccess::readwrite},
    {TRUNK "5", "Flooding Port", integer, CvAccess::readonly},
    {TRUNK "6", "Trunk Type", integer, CvAccess::readwrite, &kTrunkType},
    {TRUNK "7", "Trunk State", integer, CvAccess::readwrite, &kTrunkState},
    {TRUNK "8", "Active Ports", octetstr, CvAccess::readonly},
    {}};
#undef TRUNK
