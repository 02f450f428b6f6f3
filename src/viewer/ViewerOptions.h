#pragma once

#include "CvOptionList.h"

// The enumerations of the standard MIBs that the viewer's pages show by
// name. Row status, truth values and enabled/disabled come from the
// catalogue's shared lists.
namespace viewer_options {

extern const CvOptionList kIfType;
extern const CvOptionList kIfAdminStatus;
extern const CvOptionList kIfOperStatus;
extern const CvOptionList kIpForwarding;
extern const CvOptionList kIpRouteType;
extern const CvOptionList kIpRouteProto;
extern const CvOptionList kIpCidrRouteType;
extern const CvOptionList kIpNetToMediaType;
extern const CvOptionList kDuplexStatus;
extern const CvOptionList kEntryStatus;
extern const CvOptionList kAlarmSampleType;
extern const CvOptionList kAlarmStartup;
extern const CvOptionList kEventType;
extern const CvOptionList kBridgeType;
extern const CvOptionList kFdbStatus;
extern const CvOptionList kStaticStatus;
extern const CvOptionList kRipAuthType;
extern const CvOptionList kRipSend;
extern const CvOptionList kRipReceive;
extern const CvOptionList kOspfAuthType;
extern const CvOptionList kOspfImportAsExtern;
extern const CvOptionList kOspfAreaSummary;
extern const CvOptionList kOspfLsdbType;
extern const CvOptionList kOspfNbrState;
extern const CvOptionList kOspfNbmaPermanence;
extern const CvOptionList kMRouteProtocol;
extern const CvOptionList kMRouteRtType;
extern const CvOptionList kDvmrpNbrState;
extern const CvOptionList kPimMode;
extern const CvOptionList kPimNbrMode;

}  // namespace viewer_options
