// The pages of the menus "Layer 2 Management", "Layer 3 Management" and "Single IP".

#include "CatalogueData.h"

namespace mib_catalogue {
namespace {

using namespace CvSyntax;

const CvIntOptionPair kAdministrateStatePairs[] = {{1, "up"}, {2, "down"}, {0, nullptr}};
const CvOptionList kAdministrateState(kAdministrateStatePairs);

const CvIntOptionPair kAuthenticationTypePairs[] = {{1, "noAuthentication"},
                                                    {2, "simpleTextPassword"},
                                                    {3, "ipAuthenticationHeader"},
                                                    {0, nullptr}};
const CvOptionList kAuthenticationType(kAuthenticationTypePairs);

const CvIntOptionPair kBakeupStatePairs[] = {{1, "primary"}, {2, "backup"}, {0, nullptr}};
const CvOptionList kBakeupState(kBakeupStatePairs);

const CvIntOptionPair kDenyPermitPairs[] = {{1, "deny"}, {2, "permit"}, {0, nullptr}};
const CvOptionList kDenyPermit(kDenyPermitPairs);

const CvIntOptionPair kDisable2Enable3Pairs[] = {{2, "disable"}, {3, "enable"}, {0, nullptr}};
const CvOptionList kDisable2Enable3(kDisable2Enable3Pairs);

const CvIntOptionPair kEnableDisablePairs[] = {{1, "enable"}, {2, "disable"}, {0, nullptr}};
const CvOptionList kEnableDisable(kEnableDisablePairs);

const CvIntOptionPair kICMPOptionPairs[] = {
    {1, "none"}, {2, "type"}, {3, "code"}, {4, "type-code"}, {0, nullptr}};
const CvOptionList kICMPOption(kICMPOptionPairs);

const CvIntOptionPair kIPAddressMaskStatePairs[] = {
    {1, "other"}, {2, "dst-ip-addr"}, {3, "src-ip-addr"}, {4, "dst-src-ip-addr"}, {0, nullptr}};
const CvOptionList kIPAddressMaskState(kIPAddressMaskStatePairs);

const CvIntOptionPair kIPForwardingTable1TypePairs[] = {
    {2, "static"}, {3, "dynamic"}, {0, nullptr}};
const CvOptionList kIPForwardingTable1Type(kIPForwardingTable1TypePairs);

const CvIntOptionPair kInterfaceInfo1StatePairs[] = {
    {1, "down"}, {2, "pointToPoint"}, {0, nullptr}};
const CvOptionList kInterfaceInfo1State(kInterfaceInfo1StatePairs);

const CvIntOptionPair kInterfaceTable1StatePairs[] = {{1, "down"},
                                                      {2, "loopback"},
                                                      {3, "waiting"},
                                                      {4, "pointToPoint"},
                                                      {5, "designatedRouter"},
                                                      {6, "backupDesignatedRouter"},
                                                      {7, "otherDesignatedRouter"},
                                                      {0, nullptr}};
const CvOptionList kInterfaceTable1State(kInterfaceTable1StatePairs);

const CvIntOptionPair kInterfaceTable1TypePairs[] = {
    {1, "broadcast"}, {2, "nbma"}, {3, "pointToPoint"}, {5, "pointToMultipoint"}, {0, nullptr}};
const CvOptionList kInterfaceTable1Type(kInterfaceTable1TypePairs);

const CvIntOptionPair kMediumTypePairs[] = {{1, "copper"}, {2, "fiber"}, {0, nullptr}};
const CvOptionList kMediumType(kMediumTypePairs);

const CvIntOptionPair kModePairs[] = {{2, "manual"}, {3, "bootp"}, {4, "dhcp"}, {0, nullptr}};
const CvOptionList kMode(kModePairs);

const CvIntOptionPair kMulticastForwardingPairs[] = {
    {1, "blocked"}, {2, "multicast"}, {3, "unicast"}, {0, nullptr}};
const CvOptionList kMulticastForwarding(kMulticastForwardingPairs);

const CvIntOptionPair kOperateProtocolPairs[] = {
    {1, "ip"}, {2, "bridge"}, {3, "decnet"}, {4, "other"}, {0, nullptr}};
const CvOptionList kOperateProtocol(kOperateProtocolPairs);

const CvIntOptionPair kOperationalStatePairs[] = {{2, "up"}, {3, "down"}, {0, nullptr}};
const CvOptionList kOperationalState(kOperationalStatePairs);

const CvIntOptionPair kOtherDisableEnablePairs[] = {
    {1, "other"}, {2, "disable"}, {3, "enable"}, {0, nullptr}};
const CvOptionList kOtherDisableEnable(kOtherDisableEnablePairs);

const CvIntOptionPair kPortMaskOptionPairs[] = {
    {1, "other"}, {2, "dst-addr"}, {3, "src-addr"}, {4, "dst-src-addr"}, {0, nullptr}};
const CvOptionList kPortMaskOption(kPortMaskOptionPairs);

const CvIntOptionPair kProtocolTypePairs[] = {
    {1, "none"}, {2, "icmp"}, {3, "igmp"}, {4, "tcp"}, {5, "udp"}, {6, "protocolId"}, {0, nullptr}};
const CvOptionList kProtocolType(kProtocolTypePairs);

const CvIntOptionPair kRolePairs[] = {
    {1, "commander"}, {2, "candidate"}, {3, "member"}, {0, nullptr}};
const CvOptionList kRole(kRolePairs);

const CvIntOptionPair kSingleIPRolePairs[] = {{1, "cs"}, {2, "cas"}, {3, "mS"}, {0, nullptr}};
const CvOptionList kSingleIPRole(kSingleIPRolePairs);

const CvIntOptionPair kStatePairs[] = {{2, "invalid"}, {3, "valid"}, {0, nullptr}};
const CvOptionList kState(kStatePairs);

const CvIntOptionPair kStormCtrlStatusPairs[] = {{1, "disabled"}, {2, "enabled"}, {0, nullptr}};
const CvOptionList kStormCtrlStatus(kStormCtrlStatusPairs);

const CvIntOptionPair kSwCpuAclEthernetMacAddrMaskStatePairs[] = {
    {1, "other"}, {2, "dst-mac-addr"}, {3, "src-mac-addr"}, {4, "dst-src-mac-addr"}, {0, nullptr}};
const CvOptionList kSwCpuAclEthernetMacAddrMaskState(kSwCpuAclEthernetMacAddrMaskStatePairs);

const CvIntOptionPair kSwL2IGMPCurrentStatePairs[] = {
    {2, "querier"}, {3, "non-querier"}, {0, nullptr}};
const CvOptionList kSwL2IGMPCurrentState(kSwL2IGMPCurrentStatePairs);

const CvIntOptionPair kSwL2MultiFilterModePairs[] = {{1, "forward-all-groups"},
                                                     {2, "forward-unregistered-groups"},
                                                     {3, "filter-unregistered-groups"},
                                                     {0, nullptr}};
const CvOptionList kSwL2MultiFilterMode(kSwL2MultiFilterModePairs);

const CvIntOptionPair kSwL2PortCtrlNwayStatePairs[] = {{1, "other"},
                                                       {2, "nway-enabled"},
                                                       {3, "nway-disabled-10Mbps-Half"},
                                                       {4, "nway-disabled-10Mbps-Full"},
                                                       {5, "nway-disabled-100Mbps-Half"},
                                                       {6, "nway-disabled-100Mbps-Full"},
                                                       {8, "nway-disabled-1Gigabps-Full"},
                                                       {9, "nway-disabled-1Gigabps-Full-master"},
                                                       {10, "nway-disabled-1Gigabps-Full-slave"},
                                                       {0, nullptr}};
const CvOptionList kSwL2PortCtrlNwayState(kSwL2PortCtrlNwayStatePairs);

const CvIntOptionPair kSwL2PortInfoErrDisReasonPairs[] = {
    {1, "err-none"}, {2, "storm-control"}, {3, "lbd-control"}, {0, nullptr}};
const CvOptionList kSwL2PortInfoErrDisReason(kSwL2PortInfoErrDisReasonPairs);

const CvIntOptionPair kSwL2PortInfoLinkStatusPairs[] = {
    {1, "other"}, {2, "link-pass"}, {3, "link-fail"}, {0, nullptr}};
const CvOptionList kSwL2PortInfoLinkStatus(kSwL2PortInfoLinkStatusPairs);

const CvIntOptionPair kSwL2PortInfoNwayStatusPairs[] = {{0, "link-down"},
                                                        {1, "full-10Mbps-8023x"},
                                                        {2, "full-10Mbps-none"},
                                                        {3, "half-10Mbps-backp"},
                                                        {4, "half-10Mbps-none"},
                                                        {5, "full-100Mbps-8023x"},
                                                        {6, "full-100Mbps-none"},
                                                        {7, "half-100Mbps-backp"},
                                                        {8, "half-100Mbps-none"},
                                                        {9, "full-1Gigabps-8023x"},
                                                        {10, "full-1Gigabps-none"},
                                                        {11, "half-1Gigabps-backp"},
                                                        {12, "half-1Gigabps-none"},
                                                        {13, "full-10Gigabps-8023x"},
                                                        {14, "full-10Gigabps-none"},
                                                        {15, "half-10Gigabps-8023x"},
                                                        {16, "half-10Gigabps-none"},
                                                        {17, "empty"},
                                                        {18, "err-disabled"},
                                                        {0, nullptr}};
const CvOptionList kSwL2PortInfoNwayStatus(kSwL2PortInfoNwayStatusPairs);

const CvIntOptionPair kSwL2PortInfoTypePairs[] = {{0, "portType-none"},
                                                  {2, "portType-100Base-T"},
                                                  {3, "portType-100Base-X"},
                                                  {4, "portType-1000Base-T"},
                                                  {5, "portType-1000Base-X"},
                                                  {6, "portType-10GBase-R"},
                                                  {7, "portType-10GBase-CX4"},
                                                  {8, "portType-SIO"},
                                                  {9, "portType-module-empty"},
                                                  {10, "portType-user-last"},
                                                  {0, nullptr}};
const CvOptionList kSwL2PortInfoType(kSwL2PortInfoTypePairs);

const CvIntOptionPair kSwL2PortSecurityModePairs[] = {
    {1, "other"}, {2, "permanent"}, {3, "deleteOnTimeout"}, {4, "deleteOnReset"}, {0, nullptr}};
const CvOptionList kSwL2PortSecurityMode(kSwL2PortSecurityModePairs);

const CvIntOptionPair kSwL2QOSSchedulingMechanismPairs[] = {
    {1, "strict"}, {2, "roundrobin"}, {3, "weightfair"}, {0, nullptr}};
const CvOptionList kSwL2QOSSchedulingMechanism(kSwL2QOSSchedulingMechanismPairs);

const CvIntOptionPair kSwL2QOSSchedulingMechanismCtrlPairs[] = {
    {1, "strict"}, {3, "weightfair"}, {0, nullptr}};
const CvOptionList kSwL2QOSSchedulingMechanismCtrl(kSwL2QOSSchedulingMechanismCtrlPairs);

const CvIntOptionPair kSwL2TrunkLACPPortStatePairs[] = {
    {1, "active"}, {2, "passive"}, {0, nullptr}};
const CvOptionList kSwL2TrunkLACPPortState(kSwL2TrunkLACPPortStatePairs);

const CvIntOptionPair kSwMldSnoopingCurrentStatePairs[] = {
    {1, "other"}, {2, "querier"}, {3, "non-querier"}, {0, nullptr}};
const CvOptionList kSwMldSnoopingCurrentState(kSwMldSnoopingCurrentStatePairs);

const CvIntOptionPair kSwPktStormCtrlActionStatusPairs[] = {
    {1, "shutdown"}, {2, "drop"}, {0, nullptr}};
const CvOptionList kSwPktStormCtrlActionStatus(kSwPktStormCtrlActionStatusPairs);

const CvIntOptionPair kSwPktStormCtrlShutdownForeverPairs[] = {{1, "yes"}, {2, "no"}, {0, nullptr}};
const CvOptionList kSwPktStormCtrlShutdownForever(kSwPktStormCtrlShutdownForeverPairs);

const CvIntOptionPair kTrunkAlgorithmPairs[] = {
    {2, "mac-source"}, {3, "mac-destination"}, {4, "mac-source-dest"},
    {5, "ip-source"},  {6, "ip-destination"},  {7, "ip-source-dest"},
    {0, nullptr}};
const CvOptionList kTrunkAlgorithm(kTrunkAlgorithmPairs);

const CvIntOptionPair kVirtualRouterStatePairs[] = {
    {1, "initialize"}, {2, "backup"}, {3, "master"}, {0, nullptr}};
const CvOptionList kVirtualRouterState(kVirtualRouterStatePairs);

const CvColumnFormat kEthernetMaskCPUFilter1Formats[] = {
    {0, "%i{n1x5l1}"}, {3, "%s{l12}"}, {4, "%s{l12}"}};
const CvColumnFormat kEthernetRuleCPUFilter1Formats[] = {
    {0, "%i{n1x5l1}"}, {1, "%i{n1x100l3}"}, {3, "%s{l12}"}, {4, "%s{l12}"}, {6, "%s{l4}"}};
const CvColumnFormat kIPMaskCPUFilter1Formats[] = {
    {0, "%i{n1x5l1}"}, {3, "%s{l16}"},      {4, "%s{l16}"},       {11, "%s{l4}"},
    {12, "%s{l4}"},    {14, "%i{n0x63l2}"}, {16, "%i{n0x255l3}"}, {17, "%s{l8}"}};
const CvColumnFormat kIPRuleCPUFilter1Formats[] = {
    {0, "%i{n1x5l1}"},      {1, "%i{n1x100l3}"}, {3, "%s{l16}"},       {4, "%s{l16}"},
    {5, "%i{n0x63l2}"},     {7, "%i{n0x255l3}"}, {8, "%i{n0x255l3}"},  {9, "%i{n0x65535l5}"},
    {10, "%i{n0x65535l5}"}, {11, "%i{n0x63l2}"}, {12, "%i{n0x255l3}"}, {13, "%s{l8}"}};
const CvColumnFormat kPacketContentMaskCPUFilter1Formats[] = {{0, "%i{n1x5l1}"}, {1, "%s{l32}"},
                                                              {2, "%s{l32}"},    {3, "%s{l32}"},
                                                              {4, "%s{l32}"},    {5, "%s{l32}"}};
const CvColumnFormat kPacketContentRuleCPUFilter1Formats[] = {
    {0, "%i{n1x5l1}"}, {1, "%i{n1x100l3}"}, {2, "%s{l32}"}, {3, "%s{l32}"},
    {4, "%s{l32}"},    {5, "%s{l32}"},      {6, "%s{l32}"}};
const CvColumnFormat kSingleIPControl1Formats[] = {{2, "%i{n100x255l3}"}, {3, "%i{n30x90l2}"}};
const CvColumnFormat kMemberSwitch1Formats[] = {{8, "%s{l16}"}};

const CvSNMPVarDesc kMulticastFilter1[] = {
    {"1.3.6.1.4.1.99917.11.70.1.2.2.1.1.1", "swL2MultiFilterVid", integer, kKey},
    {"1.3.6.1.4.1.99917.11.70.1.2.2.1.1.2", "swL2MultiFilterMode", integer, kRw,
     &kSwL2MultiFilterMode},
    {},
};

const CvSNMPVarDesc kJumboFrameCtrl1[] = {
    {"1.3.6.1.4.1.99917.11.70.1.2.3.3", "swL2PortCtrlJumboFrame", integer, kRw,
     &kOtherDisabledEnabled},
    {"1.3.6.1.4.1.99917.11.70.1.2.3.4", "swL2PortCtrlJumboFrameMaxSize", integer, kRo},
    {},
};

const CvSNMPVarDesc kPortInformation1[] = {
    {"1.3.6.1.4.1.99917.11.70.1.2.3.1.1.1", "swL2PortInfoPortIndex", integer, kKey},
    {"1.3.6.1.4.1.99917.11.70.1.2.3.1.1.2", "swL2PortInfoMediumType", integer, kKey, &kMediumType},
    {"1.3.6.1.4.1.99917.11.70.1.2.3.1.1.3", "swL2PortInfoUnitID", integer, kRo},
    {"1.3.6.1.4.1.99917.11.70.1.2.3.1.1.4", "swL2PortInfoType", integer, kRo, &kSwL2PortInfoType},
    {"1.3.6.1.4.1.99917.11.70.1.2.3.1.1.5", "swL2PortInfoLinkStatus", integer, kRo,
     &kSwL2PortInfoLinkStatus},
    {"1.3.6.1.4.1.99917.11.70.1.2.3.1.1.6", "swL2PortInfoNwayStatus", integer, kRo,
     &kSwL2PortInfoNwayStatus},
    {"1.3.6.1.4.1.99917.11.70.1.2.3.1.1.7", "swL2PortInfoErrDisReason", integer, kRo,
     &kSwL2PortInfoErrDisReason},
    {},
};

const CvSNMPVarDesc kPortControl1[] = {
    {"1.3.6.1.4.1.99917.11.70.1.2.3.2.1.1", "swL2PortCtrlPortIndex", integer, kKey},
    {"1.3.6.1.4.1.99917.11.70.1.2.3.2.1.2", "swL2PortCtrlMediumType", integer, kKey, &kMediumType},
    {"1.3.6.1.4.1.99917.11.70.1.2.3.2.1.3", "swL2PortCtrlUnitIndex", integer, kRo},
    {"1.3.6.1.4.1.99917.11.70.1.2.3.2.1.4", "swL2PortCtrlAdminState", integer, kRw,
     &kOtherDisabledEnabled},
    {"1.3.6.1.4.1.99917.11.70.1.2.3.2.1.5", "swL2PortCtrlNwayState", integer, kRw,
     &kSwL2PortCtrlNwayState},
    {"1.3.6.1.4.1.99917.11.70.1.2.3.2.1.6", "swL2PortCtrlFlowCtrlState", integer, kRw,
     &kOtherDisabledEnabled},
    {"1.3.6.1.4.1.99917.11.70.1.2.3.2.1.7", "swL2PortCtrlLockState", integer, kRw,
     &kOtherDisabledEnabled},
    {"1.3.6.1.4.1.99917.11.70.1.2.3.2.1.8", "swL2PortCtrlMACNotifyState", integer, kRw,
     &kOtherDisabledEnabled},
    {},
};

const CvSNMPVarDesc kTrunkBasicInformation1[] = {
    {"1.3.6.1.4.1.99917.11.70.1.2.9.1", "Trunk Max Supported Entries", integer, kRo},
    {"1.3.6.1.4.1.99917.11.70.1.2.9.2", "Trunk Current Entries Number", integer, kRo},
    {"1.3.6.1.4.1.99917.11.70.1.2.9.4", "Trunk Algorithm", integer, kRw, &kTrunkAlgorithm},
    {},
};

const CvSNMPVarDesc kLACPPortTable1[] = {
    {"1.3.6.1.4.1.99917.11.70.1.2.9.5.1.1", "swL2TrunkLACPPortIndex", integer, kKey},
    {"1.3.6.1.4.1.99917.11.70.1.2.9.5.1.2", "swL2TrunkLACPPortState", integer, kRw,
     &kSwL2TrunkLACPPortState},
    {},
};

const CvSNMPVarDesc kPortSecurityTable1[] = {
    {"1.3.6.1.4.1.99917.11.70.1.2.7.1.1.1", "swL2PortSecurityPortIndex", integer, kKey},
    {"1.3.6.1.4.1.99917.11.70.1.2.7.1.1.2", "swL2PortSecurityMaxLernAddr", integer, kRw},
    {"1.3.6.1.4.1.99917.11.70.1.2.7.1.1.3", "swL2PortSecurityMode", integer, kRw,
     &kSwL2PortSecurityMode},
    {"1.3.6.1.4.1.99917.11.70.1.2.7.1.1.4", "swL2PortSecurityAdmState", integer, kRw,
     &kEnable2Disable3},
    {},
};

const CvSNMPVarDesc kQOSControl1[] = {
    {"1.3.6.1.4.1.99917.11.70.1.2.6.5", "swL2QOSSchedulingMechanismCtrl", integer, kRw,
     &kSwL2QOSSchedulingMechanismCtrl},
    {"1.3.6.1.4.1.99917.11.70.1.2.6.6", "swL2QOSHolPreventionCtrl", integer, kRw,
     &kDisabledEnabled},
    {},
};

const CvSNMPVarDesc kBandwidthControlTable1[] = {
    {"1.3.6.1.4.1.99917.11.70.1.2.6.1.1.1", "Port Index", integer, kKey},
    {"1.3.6.1.4.1.99917.11.70.1.2.6.1.1.2", "Receive Rate", integer, kRw},
    {"1.3.6.1.4.1.99917.11.70.1.2.6.1.1.3", "Transmit Rate", integer, kRw},
    {},
};

const CvSNMPVarDesc kSchedulingTable1[] = {
    {"1.3.6.1.4.1.99917.11.70.1.2.6.2.1.1", "swL2QOSSchedulingClassIndex", integer, kKey},
    {"1.3.6.1.4.1.99917.11.70.1.2.6.2.1.2", "swL2QOSSchedulingMaxPkts", integer, kRw},
    {"1.3.6.1.4.1.99917.11.70.1.2.6.2.1.3", "swL2QOSSchedulingMechanism", integer, kRo,
     &kSwL2QOSSchedulingMechanism},
    {},
};

const CvSNMPVarDesc kN8021pUserPriorityTable1[] = {
    {"1.3.6.1.4.1.99917.11.70.1.2.6.3.1.1", "User Priority Index", integer, kKey},
    {"1.3.6.1.4.1.99917.11.70.1.2.6.3.1.2", "8021p User Priority Class", integer, kRw},
    {},
};

const CvSNMPVarDesc kN8021pDefaultPriorityTable1[] = {
    {"1.3.6.1.4.1.99917.11.70.1.2.6.4.1.1", "Priority Index", integer, kKey},
    {"1.3.6.1.4.1.99917.11.70.1.2.6.4.1.2", "8021p Default Priority", integer, kRw},
    {},
};

const CvSNMPVarDesc kIGMPGeneral1[] = {
    {"1.3.6.1.4.1.99917.11.70.1.2.11.1", "swL2IGMPMaxSupportedVlans", integer, kRo},
    {"1.3.6.1.4.1.99917.11.70.1.2.11.2", "swL2IGMPMaxIpGroupNumPerVlan", integer, kRo},
    {},
};

const CvSNMPVarDesc kIGMPControlTable1[] = {
    {"1.3.6.1.4.1.99917.11.70.1.2.11.3.1.1", "swL2IGMPCtrlVid", integer, kKey},
    {"1.3.6.1.4.1.99917.11.70.1.2.11.3.1.2", "swL2IGMPQueryInterval", integer, kRw},
    {"1.3.6.1.4.1.99917.11.70.1.2.11.3.1.3", "swL2IGMPMaxResponseTime", integer, kRw},
    {"1.3.6.1.4.1.99917.11.70.1.2.11.3.1.4", "swL2IGMPRobustness", integer, kRw},
    {"1.3.6.1.4.1.99917.11.70.1.2.11.3.1.5", "swL2IGMPLastMemberQueryInterval", integer, kRw},
    {"1.3.6.1.4.1.99917.11.70.1.2.11.3.1.6", "swL2IGMPHostTimeout", integer, kRw},
    {"1.3.6.1.4.1.99917.11.70.1.2.11.3.1.7", "swL2IGMPRouteTimeout", integer, kRw},
    {"1.3.6.1.4.1.99917.11.70.1.2.11.3.1.8", "swL2IGMPLeaveTimer", integer, kRw},
    {"1.3.6.1.4.1.99917.11.70.1.2.11.3.1.9", "swL2IGMPQueryState", integer, kRw, &kDisabledEnabled},
    {"1.3.6.1.4.1.99917.11.70.1.2.11.3.1.10", "swL2IGMPCurrentState", integer, kRo,
     &kSwL2IGMPCurrentState},
    {"1.3.6.1.4.1.99917.11.70.1.2.11.3.1.11", "swL2IGMPCtrlState", integer, kRw, &kDisable2Enable3},
    {"1.3.6.1.4.1.99917.11.70.1.2.11.3.1.12", "swL2IGMPFastLeaveState", integer, kRw,
     &kDisable2Enable3},
    {},
};

const CvSNMPVarDesc kIGMPQuery1[] = {
    {"1.3.6.1.4.1.99917.11.70.1.2.11.4.1.1", "swL2IGMPInfoVid", integer, kKey},
    {"1.3.6.1.4.1.99917.11.70.1.2.11.4.1.2", "swL2IGMPInfoQueryCount", integer, kRo},
    {"1.3.6.1.4.1.99917.11.70.1.2.11.4.1.3", "swL2IGMPInfoTxQueryCount", integer, kRo},
    {},
};

const CvSNMPVarDesc kIGMPInformation1[] = {
    {"1.3.6.1.4.1.99917.11.70.1.2.11.5.1.1", "swL2IGMPVid", integer, kKey},
    {"1.3.6.1.4.1.99917.11.70.1.2.11.5.1.2", "swL2IGMPGroupIpAddr", ipaddress, kKey},
    {"1.3.6.1.4.1.99917.11.70.1.2.11.5.1.3", "swL2IGMPMacAddr", macaddress, kRo},
    {"1.3.6.1.4.1.99917.11.70.1.2.11.5.1.4", "swL2IGMPPortMap", bitstr, kRo},
    {"1.3.6.1.4.1.99917.11.70.1.2.11.5.1.5", "swL2IGMPIpGroupReportCount", integer, kRo},
    {},
};

const CvSNMPVarDesc kPacketStormControlTable1[] = {
    {"1.3.6.1.4.1.99917.12.25.3.1.1.1", "swPktStormCtrlPortIndex", integer, kKey},
    {"1.3.6.1.4.1.99917.12.25.3.1.1.2", "swPktStormCtrlthreshold", integer, kRw},
    {"1.3.6.1.4.1.99917.12.25.3.1.1.3", "swPktStormCtrlBroadcastStatus", integer, kRw,
     &kStormCtrlStatus},
    {"1.3.6.1.4.1.99917.12.25.3.1.1.4", "swPktStormCtrlMulticastStatus", integer, kRw,
     &kStormCtrlStatus},
    {"1.3.6.1.4.1.99917.12.25.3.1.1.5", "swPktStormCtrldlfStatus", integer, kRw, &kStormCtrlStatus},
    {"1.3.6.1.4.1.99917.12.25.3.1.1.6", "swPktStormCtrlActionStatus", integer, kRw,
     &kSwPktStormCtrlActionStatus},
    {"1.3.6.1.4.1.99917.12.25.3.1.1.7", "swPktStormCtrlCountDown", integer, kRw},
    {"1.3.6.1.4.1.99917.12.25.3.1.1.8", "swPktStormCtrlTimeinterval", integer, kRw},
    {"1.3.6.1.4.1.99917.12.25.3.1.1.9", "swPktStormCtrlShutdownForever", integer, kRo,
     &kSwPktStormCtrlShutdownForever},
    {},
};

const CvSNMPVarDesc kCPUFilterControl1[] = {
    {"1.3.6.1.4.1.99917.12.9.1.1", "CPU Interface Filtering State", integer, kRw,
     &kEnabledDisabled},
    {},
};

const CvSNMPVarDesc kEthernetMaskCPUFilter1[] = {
    {"1.3.6.1.4.1.99917.12.9.4.1.1.1", "swCpuAclEthernetProfileID", integer, kKey},
    {"1.3.6.1.4.1.99917.12.9.4.1.1.2", "swCpuAclEthernetUsevlan", integer, kRw, &kEnabledDisabled},
    {"1.3.6.1.4.1.99917.12.9.4.1.1.3", "swCpuAclEthernetMacAddrMaskState", integer, kRw,
     &kSwCpuAclEthernetMacAddrMaskState},
    {"1.3.6.1.4.1.99917.12.9.4.1.1.4", "swCpuAclEthernetSrcMacAddrMask", macaddress, kRw},
    {"1.3.6.1.4.1.99917.12.9.4.1.1.5", "swCpuAclEthernetDstMacAddrMask", macaddress, kRw},
    {"1.3.6.1.4.1.99917.12.9.4.1.1.6", "swCpuAclEthernetUse8021p", integer, kRw, &kEnabledDisabled},
    {"1.3.6.1.4.1.99917.12.9.4.1.1.7", "swCpuAclEthernetUseEthernetType", integer, kRw,
     &kEnabledDisabled},
    {"1.3.6.1.4.1.99917.12.9.4.1.1.8", "swCpuAclEthernetRowStatus", integer, kRw, &kRowStatus},
    {},
};

const CvSNMPVarDesc kEthernetRuleCPUFilter1[] = {
    {"1.3.6.1.4.1.99917.12.9.5.1.1.1", "Profile ID", integer, kKey},
    {"1.3.6.1.4.1.99917.12.9.5.1.1.2", "Access ID", integer, kKey},
    {"1.3.6.1.4.1.99917.12.9.5.1.1.3", "Vlan", displaystr, kRw},
    {"1.3.6.1.4.1.99917.12.9.5.1.1.4", "Rule Source Mac Address", macaddress, kRw},
    {"1.3.6.1.4.1.99917.12.9.5.1.1.5", "Rule Destination MacAddress", macaddress, kRw},
    {"1.3.6.1.4.1.99917.12.9.5.1.1.6", "8021P", integer, kRw},
    {"1.3.6.1.4.1.99917.12.9.5.1.1.7", "Ethernet Type", octetstr, kRw},
    {"1.3.6.1.4.1.99917.12.9.5.1.1.8", "Permit", integer, kRw, &kDenyPermit},
    {"1.3.6.1.4.1.99917.12.9.5.1.1.9", "Port", bitstr, kRw},
    {"1.3.6.1.4.1.99917.12.9.5.1.1.11", "Row Status", integer, kRw, &kRowStatus},
    {},
};

const CvSNMPVarDesc kIPMaskCPUFilter1[] = {
    {"1.3.6.1.4.1.99917.12.9.4.2.1.1", "Profile ID", integer, kKey},
    {"1.3.6.1.4.1.99917.12.9.4.2.1.2", "Use Vlan", integer, kRw, &kEnabledDisabled},
    {"1.3.6.1.4.1.99917.12.9.4.2.1.3", "IP Address Mask State", integer, kRw, &kIPAddressMaskState},
    {"1.3.6.1.4.1.99917.12.9.4.2.1.4", "IP Address Mask Source", ipaddress, kRw},
    {"1.3.6.1.4.1.99917.12.9.4.2.1.5", "IP Address Mask Destination", ipaddress, kRw},
    {"1.3.6.1.4.1.99917.12.9.4.2.1.6", "Use DSCP", integer, kRw, &kEnabledDisabled},
    {"1.3.6.1.4.1.99917.12.9.4.2.1.7", "Use Protocol Type", integer, kRw, &kProtocolType},
    {"1.3.6.1.4.1.99917.12.9.4.2.1.8", "ICMP Option", integer, kRw, &kICMPOption},
    {"1.3.6.1.4.1.99917.12.9.4.2.1.9", "IGMP Option", integer, kRw, &kEnableDisable},
    {"1.3.6.1.4.1.99917.12.9.4.2.1.10", "TCP Option", integer, kRw, &kPortMaskOption},
    {"1.3.6.1.4.1.99917.12.9.4.2.1.11", "UDP Option", integer, kRw, &kPortMaskOption},
    {"1.3.6.1.4.1.99917.12.9.4.2.1.12", "TCP or UDP Srouce Port Mask", octetstr, kRw},
    {"1.3.6.1.4.1.99917.12.9.4.2.1.13", "TCP or UDP Destination Port Mask", octetstr, kRw},
    {"1.3.6.1.4.1.99917.12.9.4.2.1.14", "TCP Flag Bit", integer, kRw, &kEnableDisable},
    {"1.3.6.1.4.1.99917.12.9.4.2.1.15", "TCP Flag Bit Mask", integer, kRw},
    {"1.3.6.1.4.1.99917.12.9.4.2.1.16", "Protocol ID Option", integer, kRw, &kEnableDisable},
    {"1.3.6.1.4.1.99917.12.9.4.2.1.17", "swCpuAclIpProtoID", integer, kRw},
    {"1.3.6.1.4.1.99917.12.9.4.2.1.18", "Protocol ID Mask", octetstr, kRw},
    {"1.3.6.1.4.1.99917.12.9.4.2.1.19", "Row Status", integer, kRw, &kRowStatus},
    {},
};

const CvSNMPVarDesc kIPRuleCPUFilter1[] = {
    {"1.3.6.1.4.1.99917.12.9.5.2.1.1", "Profile ID", integer, kKey},
    {"1.3.6.1.4.1.99917.12.9.5.2.1.2", "Access ID", integer, kKey},
    {"1.3.6.1.4.1.99917.12.9.5.2.1.3", "Vlan", displaystr, kRw},
    {"1.3.6.1.4.1.99917.12.9.5.2.1.4", "Source IP Address", ipaddress, kRw},
    {"1.3.6.1.4.1.99917.12.9.5.2.1.5", "Destination IP address", ipaddress, kRw},
    {"1.3.6.1.4.1.99917.12.9.5.2.1.6", "DSCP", integer, kRw},
    {"1.3.6.1.4.1.99917.12.9.5.2.1.7", "Protocol", integer, kRo, &kProtocolType},
    {"1.3.6.1.4.1.99917.12.9.5.2.1.8", "Type", integer, kRw},
    {"1.3.6.1.4.1.99917.12.9.5.2.1.9", "Code", integer, kRw},
    {"1.3.6.1.4.1.99917.12.9.5.2.1.10", "Source Port", integer, kRw},
    {"1.3.6.1.4.1.99917.12.9.5.2.1.11", "Destination Port", integer, kRw},
    {"1.3.6.1.4.1.99917.12.9.5.2.1.12", "Flag Bits", integer, kRw},
    {"1.3.6.1.4.1.99917.12.9.5.2.1.13", "Protocol ID", integer, kRw},
    {"1.3.6.1.4.1.99917.12.9.5.2.1.14", "User Mask", octetstr, kRw},
    {"1.3.6.1.4.1.99917.12.9.5.2.1.15", "Permit", integer, kRw, &kDenyPermit},
    {"1.3.6.1.4.1.99917.12.9.5.2.1.16", "Port", bitstr, kRw},
    {"1.3.6.1.4.1.99917.12.9.5.2.1.18", "Row Status", integer, kRw, &kRowStatus},
    {},
};

const CvSNMPVarDesc kPacketContentMaskCPUFilter1[] = {
    {"1.3.6.1.4.1.99917.12.9.4.3.1.1", "Profile ID", integer, kKey},
    {"1.3.6.1.4.1.99917.12.9.4.3.1.2", "Packet Content Offset Mask[1-15]", octetstr, kRw},
    {"1.3.6.1.4.1.99917.12.9.4.3.1.3", "Packet Content Offset Mask[16-31]", octetstr, kRw},
    {"1.3.6.1.4.1.99917.12.9.4.3.1.4", "Packet Content Offset Mask[32-47]", octetstr, kRw},
    {"1.3.6.1.4.1.99917.12.9.4.3.1.5", "Packet Content Offset Mask[48-63]", octetstr, kRw},
    {"1.3.6.1.4.1.99917.12.9.4.3.1.6", "Packet Content Offset Mask[64-79]", octetstr, kRw},
    {"1.3.6.1.4.1.99917.12.9.4.3.1.7", "Row Status", integer, kRw, &kRowStatus},
    {},
};

const CvSNMPVarDesc kPacketContentRuleCPUFilter1[] = {
    {"1.3.6.1.4.1.99917.12.9.5.3.1.1", "Profile ID", integer, kKey},
    {"1.3.6.1.4.1.99917.12.9.5.3.1.2", "Access ID", integer, kKey},
    {"1.3.6.1.4.1.99917.12.9.5.3.1.3", "Payload Offset [1-15]", octetstr, kRw},
    {"1.3.6.1.4.1.99917.12.9.5.3.1.4", "Payload Offset [16-31]", octetstr, kRw},
    {"1.3.6.1.4.1.99917.12.9.5.3.1.5", "Payload Offset [32-47]", octetstr, kRw},
    {"1.3.6.1.4.1.99917.12.9.5.3.1.6", "Payload Offset [48-63]", octetstr, kRw},
    {"1.3.6.1.4.1.99917.12.9.5.3.1.7", "Payload Offset [64-79]", octetstr, kRw},
    {"1.3.6.1.4.1.99917.12.9.5.3.1.8", "Permit", integer, kRw, &kDenyPermit},
    {"1.3.6.1.4.1.99917.12.9.5.3.1.9", "Port", bitstr, kRw},
    {"1.3.6.1.4.1.99917.12.9.5.3.1.11", "Row Status", integer, kRw, &kRowStatus},
    {},
};

const CvSNMPVarDesc kAggregatorTable1[] = {
    {"1.3.6.1.4.1.99917.12.4.1.1.1.1.1", "Index", integer, kKey},
    {"1.3.6.1.4.1.99917.12.4.1.1.1.1.2", "MACAddress", macaddress, kRo},
    {"1.3.6.1.4.1.99917.12.4.1.1.1.1.3", "Actor System Priority", integer, kRo},
    {"1.3.6.1.4.1.99917.12.4.1.1.1.1.4", "Actor System ID", macaddress, kRo},
    {"1.3.6.1.4.1.99917.12.4.1.1.1.1.5", "Aggregate Or Individual", integer, kRo, &kTruthValue},
    {"1.3.6.1.4.1.99917.12.4.1.1.1.1.6", "Actor Admin value Key", integer, kRw},
    {"1.3.6.1.4.1.99917.12.4.1.1.1.1.7", "Actor Operational Value Key", integer, kRo},
    {"1.3.6.1.4.1.99917.12.4.1.1.1.1.8", "Partner System ID", macaddress, kRo},
    {"1.3.6.1.4.1.99917.12.4.1.1.1.1.9", "Partner System Priority", integer, kRo},
    {"1.3.6.1.4.1.99917.12.4.1.1.1.1.10", "Partner Operational Value Key", integer, kRo},
    {"1.3.6.1.4.1.99917.12.4.1.1.1.1.11", "Collector Max Delay", integer, kRo},
    {},
};

const CvSNMPVarDesc kAggregatorPortList1[] = {
    {"1.3.6.1.4.1.99917.12.4.1.1.1.1.1", "dot3adAggIndex", integer, kKey},
    {"1.3.6.1.4.1.99917.12.4.1.1.2.1.1", "dot3adAggPortListPorts", bitstr, kRo},
    {},
};

const CvSNMPVarDesc kManagement1[] = {
    {"1.3.6.1.4.1.99917.12.34.1.1", "swMldSnoopingGlobalState", integer, kRw,
     &kOtherDisabledEnabled},
    {"1.3.6.1.4.1.99917.12.34.1.2", "swMldSnoopingMcstRTOnly", integer, kRw,
     &kOtherDisabledEnabled},
    {"1.3.6.1.4.1.99917.12.34.3.1", "swMldSnoopingMaxSupportedVlans", integer, kRo},
    {},
};

const CvSNMPVarDesc kControl1[] = {
    {"1.3.6.1.4.1.99917.12.34.3.2.1.1", "swMldSnoopingCtrlVid", integer, kKey},
    {"1.3.6.1.4.1.99917.12.34.3.2.1.2", "swMldSnoopingQueryInterval", integer, kRw},
    {"1.3.6.1.4.1.99917.12.34.3.2.1.3", "swMldSnoopingMaxResponseTime", integer, kRw},
    {"1.3.6.1.4.1.99917.12.34.3.2.1.4", "swMldSnoopingRobustness", integer, kRw},
    {"1.3.6.1.4.1.99917.12.34.3.2.1.5", "swMldSnoopingLastMemberQueryInterval", integer, kRw},
    {"1.3.6.1.4.1.99917.12.34.3.2.1.6", "swMldSnoopingHostTimeout", integer, kRw},
    {"1.3.6.1.4.1.99917.12.34.3.2.1.7", "swMldSnoopingRouteTimeout", integer, kRw},
    {"1.3.6.1.4.1.99917.12.34.3.2.1.8", "swMldSnoopingDoneTimer", integer, kRw},
    {"1.3.6.1.4.1.99917.12.34.3.2.1.9", "swMldSnoopingQueryState", integer, kRw,
     &kOtherDisabledEnabled},
    {"1.3.6.1.4.1.99917.12.34.3.2.1.10", "swMldSnoopingCurrentState", integer, kRo,
     &kSwMldSnoopingCurrentState},
    {"1.3.6.1.4.1.99917.12.34.3.2.1.11", "swMldSnoopingCtrlState", integer, kRw,
     &kOtherDisableEnable},
    {"1.3.6.1.4.1.99917.12.34.3.2.1.12", "swMldSnoopingFastDoneState", integer, kRw,
     &kOtherDisableEnable},
    {},
};

const CvSNMPVarDesc kDeviceCtrl1[] = {
    {"1.3.6.1.4.1.99917.11.55.2.3.1.1.1", "RIP State", integer, kRw, &kDisabledEnabled},
    {"1.3.6.1.4.1.99917.11.55.2.3.1.1.3", "DVMRP State", integer, kRw, &kDisabledEnabled},
    {"1.3.6.1.4.1.99917.11.55.2.3.1.1.4", "PIM-DM State", integer, kRw, &kDisabledEnabled},
    {"1.3.6.1.4.1.99917.11.55.2.3.1.1.2", "OSPF State", integer, kRw, &kDisabledEnabled},
    {"1.3.6.1.4.1.99917.11.55.2.3.2.4", "Arp Aging Time", integer, kRw},
    {},
};

const CvSNMPVarDesc kMD5Table1[] = {
    {"1.3.6.1.4.1.99917.11.55.2.3.4.1.1", "Key Id", integer, kKey},
    {"1.3.6.1.4.1.99917.11.55.2.3.4.1.2", "Key", displaystr, kRw},
    {"1.3.6.1.4.1.99917.11.55.2.3.4.1.3", "Status", integer, kRw, &kRowStatus},
    {},
};

const CvSNMPVarDesc kIPControlTable1[] = {
    {"1.3.6.1.4.1.99917.11.55.2.3.2.1.1.1.1", "Ip Address", ipaddress, kKey},
    {"1.3.6.1.4.1.99917.11.55.2.3.2.1.1.1.2", "If Index", integer, kRo},
    {"1.3.6.1.4.1.99917.11.55.2.3.2.1.1.1.3", "Interface Name", displaystr, kRw},
    {"1.3.6.1.4.1.99917.11.55.2.3.2.1.1.1.4", "Subnet Mask", ipaddress, kRw},
    {"1.3.6.1.4.1.99917.11.55.2.3.2.1.1.1.5", "Vlan Name", displaystr, kRw},
    {"1.3.6.1.4.1.99917.11.55.2.3.2.1.1.1.6", "Mode", integer, kRw, &kMode},
    {"1.3.6.1.4.1.99917.11.55.2.3.2.1.1.1.7", "Secondary", integer, kRw, &kTruthValue},
    {"1.3.6.1.4.1.99917.11.55.2.3.2.1.1.1.8", "State", integer, kRw, &kRowStatus},
    {"1.3.6.1.4.1.99917.11.55.2.3.2.1.1.1.9", "Operational State", integer, kRo,
     &kOperationalState},
    {},
};

const CvSNMPVarDesc kIPForwardingTable1[] = {
    {"1.3.6.1.4.1.99917.11.55.2.3.2.2.1.1.1", "IpAddress", ipaddress, kKey},
    {"1.3.6.1.4.1.99917.11.55.2.3.2.2.1.1.2", "Subnet Mask", ipaddress, kRo},
    {"1.3.6.1.4.1.99917.11.55.2.3.2.2.1.1.3", "Port Number", integer, kRo},
    {"1.3.6.1.4.1.99917.11.55.2.3.2.2.1.1.4", "Type", integer, kRo, &kIPForwardingTable1Type},
    {},
};

const CvSNMPVarDesc kIPStaticRoutingtable1[] = {
    {"1.3.6.1.4.1.99917.11.55.2.3.2.5.1.1", "Destination", ipaddress, kRo},
    {"1.3.6.1.4.1.99917.11.55.2.3.2.5.1.2", "Mask", ipaddress, kRo},
    {"1.3.6.1.4.1.99917.11.55.2.3.2.5.1.3", "Bakeup State", integer, kRw, &kBakeupState},
    {"1.3.6.1.4.1.99917.11.55.2.3.2.5.1.4", "Next Hop", ipaddress, kRw},
    {"1.3.6.1.4.1.99917.11.55.2.3.2.5.1.5", "Metric", integer, kRw},
    {"1.3.6.1.4.1.99917.11.55.2.3.2.5.1.6", "Status", integer, kRw, &kRowStatus},
    {},
};

const CvSNMPVarDesc kBOOTPBasicConfiguration1[] = {
    {"1.3.6.1.4.1.99917.11.55.2.3.3.1.1", "Bootp State", integer, kRw, &kDisabledEnabled},
    {"1.3.6.1.4.1.99917.11.55.2.3.3.1.2", "Bootp Hop Count", integer, kRw},
    {"1.3.6.1.4.1.99917.11.55.2.3.3.1.3", "Bootp Time Threshold", integer, kRw},
    {},
};

const CvSNMPVarDesc kDNSBasicConfiguration1[] = {
    {"1.3.6.1.4.1.99917.11.55.2.3.3.2.1", "DNS State", integer, kRw, &kDisabledEnabled},
    {"1.3.6.1.4.1.99917.11.55.2.3.3.2.2", "DNS Primary Server", ipaddress, kRw},
    {"1.3.6.1.4.1.99917.11.55.2.3.3.2.3", "DNS Secondary Server", ipaddress, kRw},
    {"1.3.6.1.4.1.99917.11.55.2.3.3.2.4", "DNS Cache State", integer, kRw, &kDisabledEnabled},
    {"1.3.6.1.4.1.99917.11.55.2.3.3.2.5", "DNS Static Table State", integer, kRw,
     &kDisabledEnabled},
    {},
};

const CvSNMPVarDesc kDNSCtrlTable1[] = {
    {"1.3.6.1.4.1.99917.11.55.2.3.3.2.6.1.1", "Domain Name", displaystr, kKey},
    {"1.3.6.1.4.1.99917.11.55.2.3.3.2.6.1.2", "IP Address", ipaddress, kKey},
    {"1.3.6.1.4.1.99917.11.55.2.3.3.2.6.1.3", "State", integer, kRw, &kState},
    {},
};

const CvSNMPVarDesc kInterfaceTable1[] = {
    {"1.3.6.1.4.1.99917.11.55.2.3.8.1.1", "Interfcase Ip Address", ipaddress, kKey},
    {"1.3.6.1.4.1.99917.11.55.2.3.8.1.2", "Address Less Interface", integer, kKey},
    {"1.3.6.1.4.1.99917.11.55.2.3.8.1.3", "AreaId", ipaddress, kRw},
    {"1.3.6.1.4.1.99917.11.55.2.3.8.1.4", "Type", integer, kRw, &kInterfaceTable1Type},
    {"1.3.6.1.4.1.99917.11.55.2.3.8.1.5", "Admin Stat", integer, kRw, &kEnabledDisabled},
    {"1.3.6.1.4.1.99917.11.55.2.3.8.1.6", "Router Priority", integer, kRw},
    {"1.3.6.1.4.1.99917.11.55.2.3.8.1.7", "Transit Delay", integer, kRw},
    {"1.3.6.1.4.1.99917.11.55.2.3.8.1.8", "Retransmissions Interval", integer, kRw},
    {"1.3.6.1.4.1.99917.11.55.2.3.8.1.9", "Hello Interval", integer, kRw},
    {"1.3.6.1.4.1.99917.11.55.2.3.8.1.10", "Router Dead Interval", integer, kRw},
    {"1.3.6.1.4.1.99917.11.55.2.3.8.1.11", "Poll Interval", integer, kRw},
    {"1.3.6.1.4.1.99917.11.55.2.3.8.1.12", "State", integer, kRo, &kInterfaceTable1State},
    {"1.3.6.1.4.1.99917.11.55.2.3.8.1.13", "Designated Router", ipaddress, kRo},
    {"1.3.6.1.4.1.99917.11.55.2.3.8.1.14", "Backup Designated Router", ipaddress, kRo},
    {"1.3.6.1.4.1.99917.11.55.2.3.8.1.15", "Events", counter, kRo},
    {"1.3.6.1.4.1.99917.11.55.2.3.8.1.16", "Multicast Forwarding", integer, kRw,
     &kMulticastForwarding},
    {"1.3.6.1.4.1.99917.11.55.2.3.8.1.17", "Demand", integer, kRw, &kTruthValue},
    {"1.3.6.1.4.1.99917.11.55.2.3.8.1.18", "Auth Type", integer, kRw},
    {"1.3.6.1.4.1.99917.11.55.2.3.8.1.19", "Auth Key", displaystr, kRw},
    {"1.3.6.1.4.1.99917.11.55.2.3.8.1.20", "Auth Key ID", integer, kRw},
    {"1.3.6.1.4.1.99917.11.55.2.3.8.1.21", "Status", integer, kRw, &kRowStatus},
    {},
};

const CvSNMPVarDesc kInterfaceInfo1[] = {
    {"1.3.6.1.4.1.99917.11.55.2.3.7.1.1", "Area ID", ipaddress, kKey},
    {"1.3.6.1.4.1.99917.11.55.2.3.7.1.2", "Neighbor Route ID", ipaddress, kKey},
    {"1.3.6.1.4.1.99917.11.55.2.3.7.1.3", "Transmit Delay", integer, kRw},
    {"1.3.6.1.4.1.99917.11.55.2.3.7.1.4", "Retransmit Interval", integer, kRw},
    {"1.3.6.1.4.1.99917.11.55.2.3.7.1.5", "Hello Interval", integer, kRw},
    {"1.3.6.1.4.1.99917.11.55.2.3.7.1.6", "Router Dead Interval", integer, kRw},
    {"1.3.6.1.4.1.99917.11.55.2.3.7.1.7", "State", integer, kRo, &kInterfaceInfo1State},
    {"1.3.6.1.4.1.99917.11.55.2.3.7.1.8", "Number of Events", counter, kRo},
    {"1.3.6.1.4.1.99917.11.55.2.3.7.1.9", "Authentication Type", integer, kRw},
    {"1.3.6.1.4.1.99917.11.55.2.3.7.1.10", "Authentication Key", displaystr, kRw},
    {"1.3.6.1.4.1.99917.11.55.2.3.7.1.11", "MD5 Key ID", integer, kRw},
    {"1.3.6.1.4.1.99917.11.55.2.3.7.1.12", "Status", integer, kRw, &kRowStatus},
    {},
};

const CvSNMPVarDesc kHostTable1[] = {
    {"1.3.6.1.4.1.99917.11.55.2.3.6.1.1", "IpAddress", ipaddress, kRo},
    {"1.3.6.1.4.1.99917.11.55.2.3.6.1.2", "Tye Of Service", integer, kRo},
    {"1.3.6.1.4.1.99917.11.55.2.3.6.1.3", "Metric", integer, kRw},
    {"1.3.6.1.4.1.99917.11.55.2.3.6.1.4", "AreaID", ipaddress, kRw},
    {"1.3.6.1.4.1.99917.11.55.2.3.6.1.5", "Status", integer, kRw, &kRowStatus},
    {},
};

const CvSNMPVarDesc kVRRPControl1[] = {
    {"1.3.6.1.2.1.68.1.1", "vrrpNodeVersion", integer, kRo},
    {},
};

const CvSNMPVarDesc kVRRPOperation1[] = {
    {"1.3.6.1.2.1.2.2.1.1", "ifIndex", integer, kKey},
    {"1.3.6.1.2.1.68.1.3.1.1", "VRID", integer, kKey},
    {"1.3.6.1.2.1.68.1.3.1.2", "Virtual MAC Address", macaddress, kRo},
    {"1.3.6.1.2.1.68.1.3.1.3", "Virtual Router State", integer, kRo, &kVirtualRouterState},
    {"1.3.6.1.2.1.68.1.3.1.4", "Administrate State", integer, kRw, &kAdministrateState},
    {"1.3.6.1.2.1.68.1.3.1.5", "Virtual Router Priority [0..255]", integer, kRw},
    {"1.3.6.1.2.1.68.1.3.1.6", "IP Address Count", integer, kRo},
    {"1.3.6.1.2.1.68.1.3.1.7", "Master IP Address", ipaddress, kRo},
    {"1.3.6.1.2.1.68.1.3.1.8", "Primary IP Address", ipaddress, kRw},
    {"1.3.6.1.2.1.68.1.3.1.9", "Authentication Type", integer, kRw, &kAuthenticationType},
    {"1.3.6.1.2.1.68.1.3.1.10", "Authentication Key", displaystr, kRw},
    {"1.3.6.1.2.1.68.1.3.1.11", "Advertisement Interval [1..255]", integer, kRw},
    {"1.3.6.1.2.1.68.1.3.1.12", "Preempt Mode", integer, kRw, &kTruthValue},
    {"1.3.6.1.2.1.68.1.3.1.13", "Virtual Router UpTime", timeticks, kRo},
    {"1.3.6.1.2.1.68.1.3.1.14", "Operate Protocol", integer, kRw, &kOperateProtocol},
    {"1.3.6.1.2.1.68.1.3.1.15", "Row Status", integer, kRw, &kRowStatus},
    {},
};

const CvSNMPVarDesc kVirtualRouteAddress1[] = {
    {"1.3.6.1.2.1.2.2.1.1", "ifIndex", integer, kKey},
    {"1.3.6.1.2.1.68.1.3.1.1", "vrrpOperVrId", integer, kKey},
    {"1.3.6.1.2.1.68.1.4.1.1", "vrrpAssoIpAddr", ipaddress, kKey},
    {"1.3.6.1.2.1.68.1.4.1.2", "vrrpAssoIpAddrRowStatus", integer, kRw, &kRowStatus},
    {},
};

const CvSNMPVarDesc kVRRPErrorStatistics1[] = {
    {"1.3.6.1.2.1.68.2.1", "vrrpRouterChecksumErrors", counter, kRo},
    {"1.3.6.1.2.1.68.2.2", "vrrpRouterVersionErrors", counter, kRo},
    {"1.3.6.1.2.1.68.2.3", "vrrpRouterVrIdErrors", counter, kRo},
    {},
};

const CvSNMPVarDesc kVirtualRouteStatistics1[] = {
    {"1.3.6.1.2.1.2.2.1.1", "ifIndex", integer, kKey},
    {"1.3.6.1.2.1.68.1.3.1.1", "VRID", integer, kKey},
    {"1.3.6.1.2.1.68.2.4.1.1", "Become Master Time", counter, kRo},
    {"1.3.6.1.2.1.68.2.4.1.2", "Advertisement Received", counter, kRo},
    {"1.3.6.1.2.1.68.2.4.1.3", "Advertisement Interval Errors", counter, kRo},
    {"1.3.6.1.2.1.68.2.4.1.4", "Authentication Failures", counter, kRo},
    {"1.3.6.1.2.1.68.2.4.1.5", "IP TTL Errors", counter, kRo},
    {"1.3.6.1.2.1.68.2.4.1.6", "Priority Zero Packets Received", counter, kRo},
    {"1.3.6.1.2.1.68.2.4.1.7", "Priority Zero Packets Sent", counter, kRo},
    {"1.3.6.1.2.1.68.2.4.1.8", "Invalid Type Packets Received", counter, kRo},
    {"1.3.6.1.2.1.68.2.4.1.9", "Address List Errors", counter, kRo},
    {"1.3.6.1.2.1.68.2.4.1.10", "Invalid Authentication Type", counter, kRo},
    {"1.3.6.1.2.1.68.2.4.1.11", "Authentication Type Mismatch", counter, kRo},
    {"1.3.6.1.2.1.68.2.4.1.12", "Packet Length Errors", counter, kRo},
    {},
};

const CvSNMPVarDesc kInterfaceTable2[] = {
    {"1.3.6.1.2.1.85.1.1.1.1", "Interface Index", integer, kKey},
    {"1.3.6.1.2.1.85.1.1.1.2", "Query Interval", guage, kRw},
    {"1.3.6.1.2.1.85.1.1.1.3", "Status", integer, kRw, &kRowStatus},
    {"1.3.6.1.2.1.85.1.1.1.4", "Version", guage, kRw},
    {"1.3.6.1.2.1.85.1.1.1.5", "Querier", ipaddress, kRo},
    {"1.3.6.1.2.1.85.1.1.1.6", "Max Response Time", guage, kRw},
    {"1.3.6.1.2.1.85.1.1.1.7", "Querier Up Time", timeticks, kRo},
    {"1.3.6.1.2.1.85.1.1.1.8", "Querier Expiry Time", timeticks, kRo},
    {"1.3.6.1.2.1.85.1.1.1.9", "Version1 Querier Timer", timeticks, kRo},
    {"1.3.6.1.2.1.85.1.1.1.10", "Wrong Version Queries", counter, kRo},
    {"1.3.6.1.2.1.85.1.1.1.11", "Joins", counter, kRo},
    {"1.3.6.1.2.1.85.1.1.1.12", "Proxy If Index", integer, kRw},
    {"1.3.6.1.2.1.85.1.1.1.13", "Groups", guage, kRo},
    {"1.3.6.1.2.1.85.1.1.1.14", "Robustness", guage, kRw},
    {"1.3.6.1.2.1.85.1.1.1.15", "Last Member Query Interval", guage, kRw},
    {},
};

const CvSNMPVarDesc kCacheTable1[] = {
    {"1.3.6.1.2.1.85.1.2.1.1", "Address", ipaddress, kKey},
    {"1.3.6.1.2.1.85.1.2.1.2", "IfIndex", integer, kKey},
    {"1.3.6.1.2.1.85.1.2.1.3", "Self", integer, kRo, &kTruthValue},
    {"1.3.6.1.2.1.85.1.2.1.4", "Last Reporter", ipaddress, kRo},
    {"1.3.6.1.2.1.85.1.2.1.5", "Up Time", timeticks, kRo},
    {"1.3.6.1.2.1.85.1.2.1.6", "Expiry Time", timeticks, kRo},
    {"1.3.6.1.2.1.85.1.2.1.7", "Status", integer, kRo, &kRowStatus},
    {"1.3.6.1.2.1.85.1.2.1.8", "Version1 Host Timer", timeticks, kRo},
    {},
};

const CvSNMPVarDesc kARPAgingTime1[] = {
    {"1.3.6.1.4.1.99917.11.70.1.3.2.4", "swL3IpArpAgingTime", integer, kRw},
    {},
};

const CvSNMPVarDesc kSingleIPControl1[] = {
    {"1.3.6.1.4.1.99917.12.8.1.2.1", "SingleIP Status", integer, kRw, &kDisabledEnabled},
    {"1.3.6.1.4.1.99917.12.8.1.2.2", "SingleIP Role", integer, kRw, &kSingleIPRole},
    {"1.3.6.1.4.1.99917.12.8.1.2.3", "SingleIP Holdtime[100-255]", integer, kRw},
    {"1.3.6.1.4.1.99917.12.8.1.2.4", "Time Interval[30-90]", integer, kRw},
    {},
};

const CvSNMPVarDesc kMyInformation1[] = {
    {"1.3.6.1.4.1.99917.12.8.1.1.1", "Version", displaystr, kRo},
    {"1.3.6.1.4.1.99917.12.8.1.1.2", "Capability", displaystr, kRo},
    {"1.3.6.1.4.1.99917.12.8.1.1.3", "Platform", displaystr, kRo},
    {},
};

const CvSNMPVarDesc kMemberSwitch1[] = {
    {"1.3.6.1.4.1.99917.12.8.1.3.1.1", "Member ID", integer, kKey},
    {"1.3.6.1.4.1.99917.12.8.1.3.1.2", "Member Name", displaystr, kRo},
    {"1.3.6.1.4.1.99917.12.8.1.3.1.3", "Member MAC Addr", macaddress, kRo},
    {"1.3.6.1.4.1.99917.12.8.1.3.1.4", "Member Firmware Verion", displaystr, kRo},
    {"1.3.6.1.4.1.99917.12.8.1.3.1.5", "Member Capability", displaystr, kRo},
    {"1.3.6.1.4.1.99917.12.8.1.3.1.6", "Member Platform", displaystr, kRo},
    {"1.3.6.1.4.1.99917.12.8.1.3.1.7", "Member Holdtime", integer, kRo},
    {"1.3.6.1.4.1.99917.12.8.1.3.1.8", "Member Candidate Source", integer, kRw},
    {"1.3.6.1.4.1.99917.12.8.1.3.1.9", "Member Password", displaystr, kRw},
    {"1.3.6.1.4.1.99917.12.8.1.3.1.10", "Member Row Status", integer, kRw, &kRowStatus},
    {},
};

const CvSNMPVarDesc kCandidateSwitch1[] = {
    {"1.3.6.1.4.1.99917.12.8.1.4.1.1", "CaS ID", integer, kKey},
    {"1.3.6.1.4.1.99917.12.8.1.4.1.2", "Device Name", displaystr, kRo},
    {"1.3.6.1.4.1.99917.12.8.1.4.1.3", "MAC Addr", macaddress, kRo},
    {"1.3.6.1.4.1.99917.12.8.1.4.1.4", "Firmware Version", displaystr, kRo},
    {"1.3.6.1.4.1.99917.12.8.1.4.1.5", "Capability", displaystr, kRo},
    {"1.3.6.1.4.1.99917.12.8.1.4.1.6", "Platform", displaystr, kRo},
    {"1.3.6.1.4.1.99917.12.8.1.4.1.7", "Holdtime", integer, kRo},
    {},
};

const CvSNMPVarDesc kGroupInformation1[] = {
    {"1.3.6.1.4.1.99917.12.8.1.5.1.1", "Group Mac Address", macaddress, kKey},
    {"1.3.6.1.4.1.99917.12.8.1.5.1.2", "Group Name", displaystr, kRo},
    {"1.3.6.1.4.1.99917.12.8.1.5.1.3", "Device Name", displaystr, kRo},
    {"1.3.6.1.4.1.99917.12.8.1.5.1.4", "Member Count", integer, kRo},
    {"1.3.6.1.4.1.99917.12.8.1.5.1.5", "Firmware Version", displaystr, kRo},
    {"1.3.6.1.4.1.99917.12.8.1.5.1.6", "Capability", displaystr, kRo},
    {"1.3.6.1.4.1.99917.12.8.1.5.1.7", "Platform", displaystr, kRo},
    {"1.3.6.1.4.1.99917.12.8.1.5.1.8", "Holdtime", integer, kRo},
    {},
};

const CvSNMPVarDesc kNeighborSwitch1[] = {
    {"1.3.6.1.4.1.99917.12.8.1.6.1.1", "Received Port", integer, kKey},
    {"1.3.6.1.4.1.99917.12.8.1.6.1.2", "MAC Address", macaddress, kKey},
    {"1.3.6.1.4.1.99917.12.8.1.6.1.3", "Role", integer, kRo, &kRole},
    {},
};

const CvSNMPVarDesc kMSTrapMessage1[] = {
    {"1.3.6.1.4.1.99917.12.8.6.1.1", "swSingleIPMSTrapMessage", displaystr, kRo},
    {},
};

const CvMibPage kPages[] = {
    {.Name = "MulticastFilter1",
     .Title = "Multicast filter Table",
     .Kind = CvPageKind::Table,
     .ItemType = MVT_UMV,
     .PKeyCount = 1,
     .Sizes = kHeight450,
     .Records = kMulticastFilter1},
    {.Name = "JumboFrameCtrl1",
     .Title = "Jumbo Frame Control",
     .CaptionWithAddress = true,
     .Kind = CvPageKind::Scalar,
     .Records = kJumboFrameCtrl1},
    {.Name = "PortInformation1",
     .Title = "Port Information Table",
     .Kind = CvPageKind::Table,
     .ItemType = MVT_FMV,
     .PKeyCount = 2,
     .Sizes = kEditWidthPlus50Height450,
     .Records = kPortInformation1},
    {.Name = "PortControl1",
     .Title = "Port Control Table",
     .Kind = CvPageKind::Table,
     .ItemType = MVT_FMV,
     .PKeyCount = 2,
     .Sizes = kEditWidthPlus82Height450,
     .Records = kPortControl1},
    {.Name = "TrunkBasicInformation1",
     .Title = "Trunk Information",
     .Kind = CvPageKind::Scalar,
     .Records = kTrunkBasicInformation1},
    {.Name = "LACPPortTable1",
     .Title = "LACP Port Table",
     .Kind = CvPageKind::Table,
     .ItemType = MVT_UMV,
     .PKeyCount = 1,
     .Records = kLACPPortTable1},
    {.Name = "PortSecurityTable1",
     .Title = "Port Security Table",
     .Kind = CvPageKind::Table,
     .ItemType = MVT_UMV,
     .PKeyCount = 1,
     .Sizes = kHeight450,
     .Records = kPortSecurityTable1},
    {.Name = "QOSControl1",
     .Title = "QOS Scheduling Mechanism Control",
     .Kind = CvPageKind::Scalar,
     .Sizes = kHeightPlus20,
     .Records = kQOSControl1},
    {.Name = "BandwidthControlTable1",
     .Title = "Bandwidth Control Table",
     .Kind = CvPageKind::Table,
     .ItemType = MVT_FMV,
     .PKeyCount = 1,
     .Records = kBandwidthControlTable1},
    {.Name = "SchedulingTable1",
     .Title = "Scheduling Table1",
     .Kind = CvPageKind::Table,
     .ItemType = MVT_FMV,
     .PKeyCount = 1,
     .Records = kSchedulingTable1},
    {.Name = "N8021pUserPriorityTable1",
     .Title = "8021p User Priority Table",
     .Kind = CvPageKind::Table,
     .ItemType = MVT_FMV,
     .PKeyCount = 1,
     .Records = kN8021pUserPriorityTable1},
    {.Name = "N8021pDefaultPriorityTable1",
     .Title = "8021p Default Priority Table",
     .Kind = CvPageKind::Table,
     .ItemType = MVT_FMV,
     .PKeyCount = 1,
     .Records = kN8021pDefaultPriorityTable1},
    {.Name = "IGMPGeneral1",
     .Title = "IGMP General Information",
     .Kind = CvPageKind::Scalar,
     .Records = kIGMPGeneral1},
    {.Name = "IGMPControlTable1",
     .Title = "IGMP Control",
     .Kind = CvPageKind::Table,
     .ItemType = MVT_UMV,
     .PKeyCount = 1,
     .Sizes = kHeight450,
     .Records = kIGMPControlTable1},
    {.Name = "IGMPQuery1",
     .Title = "IGMP Query Information",
     .Hidden = true,
     .Kind = CvPageKind::Table,
     .ItemType = MVT_FMV,
     .PKeyCount = 1,
     .Sizes = kHeight450,
     .Records = kIGMPQuery1},
    {.Name = "IGMPInformation1",
     .Title = "IGMP Information",
     .Kind = CvPageKind::Table,
     .ItemType = MVT_FMV,
     .PKeyCount = 2,
     .Sizes = kHeight450,
     .Records = kIGMPInformation1},
    {.Name = "PacketStormControlTable1",
     .Title = "Traffic Control Table",
     .Kind = CvPageKind::Table,
     .ItemType = MVT_UMV,
     .PKeyCount = 1,
     .Sizes = kHeight450,
     .Records = kPacketStormControlTable1},
    {.Name = "CPUFilterControl1",
     .Title = "CPU Filtering Control",
     .CaptionWithAddress = true,
     .Kind = CvPageKind::Scalar,
     .Records = kCPUFilterControl1},
    {.Name = "EthernetMaskCPUFilter1",
     .Title = "Ethernet Mask (CPU Filter)",
     .CaptionWithAddress = true,
     .Kind = CvPageKind::Table,
     .ItemType = MVT_UMV,
     .PKeyCount = 1,
     .StatusColumn = 7,
     .AddStatus = "createAndGo",
     .DeleteStatus = "destroy",
     .Formats = kEthernetMaskCPUFilter1Formats,
     .Sizes = kHeight450,
     .Records = kEthernetMaskCPUFilter1},
    {.Name = "EthernetRuleCPUFilter1",
     .Title = "Ethernet Rule (CPU Filter)",
     .CaptionWithAddress = true,
     .Kind = CvPageKind::Table,
     .ItemType = MVT_UMV,
     .PKeyCount = 2,
     .StatusColumn = 9,
     .AddStatus = "createAndGo",
     .DeleteStatus = "destroy",
     .Formats = kEthernetRuleCPUFilter1Formats,
     .Sizes = kHeight450,
     .Records = kEthernetRuleCPUFilter1},
    {.Name = "IPMaskCPUFilter1",
     .Title = "IP Mask (CPU Filter)",
     .CaptionWithAddress = true,
     .Kind = CvPageKind::Table,
     .ItemType = MVT_UMV,
     .PKeyCount = 1,
     .StatusColumn = 18,
     .AddStatus = "createAndGo",
     .DeleteStatus = "destroy",
     .Formats = kIPMaskCPUFilter1Formats,
     .Sizes = kHeight450,
     .Records = kIPMaskCPUFilter1},
    {.Name = "IPRuleCPUFilter1",
     .Title = "IP Rule (CPU Filter)",
     .CaptionWithAddress = true,
     .Kind = CvPageKind::Table,
     .ItemType = MVT_UMV,
     .PKeyCount = 2,
     .StatusColumn = 16,
     .AddStatus = "createAndGo",
     .DeleteStatus = "destroy",
     .Formats = kIPRuleCPUFilter1Formats,
     .Sizes = kHeight450,
     .Records = kIPRuleCPUFilter1},
    {.Name = "PacketContentMaskCPUFilter1",
     .Title = "Packet Content Mask (CPU Filter)",
     .CaptionWithAddress = true,
     .Kind = CvPageKind::Table,
     .ItemType = MVT_UMV,
     .PKeyCount = 1,
     .StatusColumn = 6,
     .AddStatus = "createAndGo",
     .DeleteStatus = "destroy",
     .Formats = kPacketContentMaskCPUFilter1Formats,
     .Sizes = kHeight450,
     .Records = kPacketContentMaskCPUFilter1},
    {.Name = "PacketContentRuleCPUFilter1",
     .Title = "Packet Content Rule (CPU Filter)",
     .CaptionWithAddress = true,
     .Kind = CvPageKind::Table,
     .ItemType = MVT_UMV,
     .PKeyCount = 2,
     .StatusColumn = 9,
     .AddStatus = "createAndGo",
     .DeleteStatus = "destroy",
     .Formats = kPacketContentRuleCPUFilter1Formats,
     .Sizes = kHeight450,
     .Records = kPacketContentRuleCPUFilter1},
    {.Name = "AggregatorTable1",
     .Title = "Aggregator Table",
     .Kind = CvPageKind::Table,
     .ItemType = MVT_FMV,
     .PKeyCount = 1,
     .Records = kAggregatorTable1},
    {.Name = "AggregatorPortList1",
     .Title = "Aggregator Port List Table",
     .Kind = CvPageKind::Table,
     .ItemType = MVT_FMV,
     .PKeyCount = 1,
     .Sizes = kHeight450,
     .Records = kAggregatorPortList1},
    {.Name = "Management1",
     .Title = "MLD Snooping Management",
     .Kind = CvPageKind::Scalar,
     .Records = kManagement1},
    {.Name = "Control1",
     .Title = "MLD Snooping Control",
     .Kind = CvPageKind::Table,
     .ItemType = MVT_UMV,
     .PKeyCount = 1,
     .Sizes = kHeight450,
     .Records = kControl1},
    {.Name = "DeviceCtrl1",
     .Title = "Device Control",
     .Hidden = true,
     .Kind = CvPageKind::Scalar,
     .Records = kDeviceCtrl1},
    {.Name = "MD5Table1",
     .Title = "Md5 Information Table",
     .Hidden = true,
     .Kind = CvPageKind::Table,
     .ItemType = MVT_UMV,
     .PKeyCount = 1,
     .StatusColumn = 2,
     .AddStatus = "createAndGo",
     .DeleteStatus = "destroy",
     .Sizes = kWidthPlus30Height300,
     .Records = kMD5Table1},
    {.Name = "IPControlTable1",
     .Title = "IP Control Table",
     .Kind = CvPageKind::Table,
     .ItemType = MVT_UMV,
     .PKeyCount = 1,
     .StatusColumn = 7,
     .AddStatus = "createAndGo",
     .DeleteStatus = "destroy",
     .Records = kIPControlTable1},
    {.Name = "IPForwardingTable1",
     .Title = "IP Forwarding Table",
     .Kind = CvPageKind::Table,
     .ItemType = MVT_FMV,
     .PKeyCount = 1,
     .Records = kIPForwardingTable1},
    {.Name = "IPStaticRoutingtable1",
     .Title = "IP Static Routing Table",
     .Kind = CvPageKind::Table,
     .ItemType = MVT_FMV,
     .PKeyCount = 3,
     .StatusColumn = 5,
     .AddStatus = "createAndGo",
     .DeleteStatus = "destroy",
     .Records = kIPStaticRoutingtable1},
    {.Name = "BOOTPBasicConfiguration1",
     .Title = "BOOTP Basic Configuration",
     .Hidden = true,
     .Kind = CvPageKind::Scalar,
     .Records = kBOOTPBasicConfiguration1},
    {.Name = "DNSBasicConfiguration1",
     .Title = "DNS Basic Configuration",
     .Hidden = true,
     .Kind = CvPageKind::Scalar,
     .Records = kDNSBasicConfiguration1},
    {.Name = "DNSCtrlTable1",
     .Title = "DNS Ctrl Table",
     .Hidden = true,
     .Kind = CvPageKind::Table,
     .ItemType = MVT_FMV,
     .PKeyCount = 2,
     .StatusColumn = 2,
     .AddStatus = "valid",
     .DeleteStatus = "invalid",
     .Records = kDNSCtrlTable1},
    {.Name = "InterfaceTable1",
     .Title = "OSPF Interface Table",
     .Kind = CvPageKind::Table,
     .ItemType = MVT_UMV,
     .PKeyCount = 2,
     .Records = kInterfaceTable1},
    {.Name = "InterfaceInfo1",
     .Title = "Virtual Interface Table",
     .Kind = CvPageKind::Table,
     .ItemType = MVT_UMV,
     .PKeyCount = 2,
     .StatusColumn = 11,
     .AddStatus = "createAndGo",
     .DeleteStatus = "destroy",
     .Records = kInterfaceInfo1},
    {.Name = "HostTable1",
     .Title = "Host Table",
     .Kind = CvPageKind::Table,
     .ItemType = MVT_UMV,
     .PKeyCount = 2,
     .StatusColumn = 4,
     .AddStatus = "createAndGo",
     .DeleteStatus = "destroy",
     .Records = kHostTable1},
    {.Name = "VRRPControl1",
     .Title = "VRRP Control",
     .Kind = CvPageKind::Scalar,
     .Records = kVRRPControl1},
    {.Name = "VRRPOperation1",
     .Title = "VRRP Operations",
     .Kind = CvPageKind::Table,
     .ItemType = MVT_UMV,
     .PKeyCount = 2,
     .Records = kVRRPOperation1},
    {.Name = "VirtualRouteAddress1",
     .Title = "Virtual Route Address Table",
     .Kind = CvPageKind::Table,
     .ItemType = MVT_FMV,
     .PKeyCount = 3,
     .StatusColumn = 3,
     .AddStatus = "createAndGo",
     .DeleteStatus = "destroy",
     .Records = kVirtualRouteAddress1},
    {.Name = "VRRPErrorStatistics1",
     .Title = "VRRP Error Statistics Table",
     .Kind = CvPageKind::Scalar,
     .Records = kVRRPErrorStatistics1},
    {.Name = "VirtualRouteStatistics1",
     .Title = "Virtual Router Statistics Table",
     .Kind = CvPageKind::Table,
     .ItemType = MVT_FMV,
     .PKeyCount = 2,
     .Records = kVirtualRouteStatistics1},
    {.Name = "InterfaceTable2",
     .Title = "IGMP Interface Table",
     .Kind = CvPageKind::Table,
     .ItemType = MVT_UMV,
     .PKeyCount = 1,
     .StatusColumn = 2,
     .AddStatus = "createAndGo",
     .DeleteStatus = "destroy",
     .Records = kInterfaceTable2},
    {.Name = "CacheTable1",
     .Title = "IGMP Cache Table",
     .Kind = CvPageKind::Table,
     .ItemType = MVT_FMV,
     .PKeyCount = 2,
     .Records = kCacheTable1},
    {.Name = "ARPAgingTime1",
     .Title = "ARP Aging Time",
     .Kind = CvPageKind::Scalar,
     .Records = kARPAgingTime1},
    {.Name = "SingleIPControl1",
     .Title = "Single IP Control",
     .Kind = CvPageKind::Scalar,
     .Formats = kSingleIPControl1Formats,
     .Records = kSingleIPControl1},
    {.Name = "MyInformation1",
     .Title = "My Information",
     .Kind = CvPageKind::Scalar,
     .Records = kMyInformation1},
    {.Name = "MemberSwitch1",
     .Title = "Member Switch",
     .CaptionWithAddress = true,
     .Kind = CvPageKind::Table,
     .ItemType = MVT_UMV,
     .PKeyCount = 1,
     .StatusColumn = 9,
     .AddStatus = "createAndGo",
     .DeleteStatus = "destroy",
     .NoEditButton = true,
     .Formats = kMemberSwitch1Formats,
     .Records = kMemberSwitch1},
    {.Name = "CandidateSwitch1",
     .Title = "Candidate Switch",
     .Kind = CvPageKind::Table,
     .ItemType = MVT_FMV,
     .PKeyCount = 1,
     .Records = kCandidateSwitch1},
    {.Name = "GroupInformation1",
     .Title = "Group Information",
     .Kind = CvPageKind::Table,
     .ItemType = MVT_FMV,
     .PKeyCount = 1,
     .Records = kGroupInformation1},
    {.Name = "NeighborSwitch1",
     .Title = "Neighbor Switch",
     .Kind = CvPageKind::Table,
     .ItemType = MVT_FMV,
     .PKeyCount = 2,
     .Records = kNeighborSwitch1},
    {.Name = "MSTrapMessage1",
     .Title = "MS Trap Message",
     .Hidden = true,
     .CaptionWithAddress = true,
     .Kind = CvPageKind::Scalar,
     .Records = kMSTrapMessage1},
};

}  // namespace

std::span<const CvMibPage> Layer2Layer3SingleIpPages() {
    return kPages;
}

}  // namespace mib_catalogue

const CvSNMPVarDesc PortLinkStatusTable[] = {
    {"1.3.6.1.4.1.99917.11.70.1.2.3.1.1.5", "swL2PortInfoLinkStatus", CvSyntax::integer,
     mib_catalogue::kRo, &mib_catalogue::kSwL2PortInfoLinkStatus},
    {},
};
