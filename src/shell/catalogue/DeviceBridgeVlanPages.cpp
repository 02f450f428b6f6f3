// The pages of the menus "Basic Configuration", "RMON", "Bridge" and "VLAN".

#include "CatalogueData.h"

namespace mib_catalogue {
namespace {

using namespace CvSyntax;

const CvIntOptionPair kAgentBscSwFileCtrlPairs[] = {
    {1, "other"}, {2, "inactive"}, {3, "start"}, {4, "delete"}, {5, "config-as-bootup-fw"},
    {0, nullptr}};
const CvOptionList kAgentBscSwFileCtrl(kAgentBscSwFileCtrlPairs);

const CvIntOptionPair kAgentBscSwFileLoadTypePairs[] = {
    {1, "other"}, {2, "upload"}, {3, "download"}, {0, nullptr}};
const CvOptionList kAgentBscSwFileLoadType(kAgentBscSwFileLoadTypePairs);

const CvIntOptionPair kAgentBscSwFileTransferTypePairs[] = {
    {1, "other"}, {2, "network-load"}, {3, "out-of-band-load"}, {0, nullptr}};
const CvOptionList kAgentBscSwFileTransferType(kAgentBscSwFileTransferTypePairs);

const CvIntOptionPair kAgentIpGetIpFromPairs[] = {
    {1, "other"}, {2, "disabled"}, {3, "bootp"}, {4, "dhcp"}, {0, nullptr}};
const CvOptionList kAgentIpGetIpFrom(kAgentIpGetIpFromPairs);

const CvIntOptionPair kAgentPingTestControlPairs[] = {{0, "stop"}, {1, "active"}, {0, nullptr}};
const CvOptionList kAgentPingTestControl(kAgentPingTestControlPairs);

const CvIntOptionPair kAgentPingTestStatusPairs[] = {
    {0, "finish"}, {1, "proceeding"}, {0, nullptr}};
const CvOptionList kAgentPingTestStatus(kAgentPingTestStatusPairs);

const CvIntOptionPair kConsoleStatusPairs[] = {
    {1, "other"}, {2, "in-use"}, {3, "not-in-use"}, {0, nullptr}};
const CvOptionList kConsoleStatus(kConsoleStatusPairs);

const CvIntOptionPair kDeviceConfigurationStatusPairs[] = {
    {1, "other"}, {2, "proceeding"}, {3, "completed"}, {4, "failed"}, {0, nullptr}};
const CvOptionList kDeviceConfigurationStatus(kDeviceConfigurationStatusPairs);

const CvIntOptionPair kDualImageStatusPairs[] = {
    {0, "not-supported"}, {1, "supported"}, {0, nullptr}};
const CvOptionList kDualImageStatus(kDualImageStatusPairs);

const CvIntOptionPair kFirmwareDownloadStatusPairs[] = {
    {1, "other"},          {2, "in-process"},   {3, "invalid-file"}, {4, "violation"},
    {5, "file-not-found"}, {6, "disk-full"},    {7, "complete"},     {8, "time-out"},
    {9, "not-format"},     {10, "memory-full"}, {0, nullptr}};
const CvOptionList kFirmwareDownloadStatus(kFirmwareDownloadStatusPairs);

const CvIntOptionPair kInstanceInformation1TypePairs[] = {{0, "cist"}, {1, "msti"}, {0, nullptr}};
const CvOptionList kInstanceInformation1Type(kInstanceInformation1TypePairs);

const CvIntOptionPair kPowerStatusPairs[] = {
    {0, "other"}, {1, "lowVoltage"}, {2, "overCurrent"}, {3, "working"},
    {4, "fail"},  {5, "connect"},    {6, "disconnect"},  {0, nullptr}};
const CvOptionList kPowerStatus(kPowerStatusPairs);

const CvIntOptionPair kPromiscuousModePairs[] = {{2, "false"}, {0, nullptr}};
const CvOptionList kPromiscuousMode(kPromiscuousModePairs);

const CvIntOptionPair kProtocolCapabilityPairs[] = {
    {1, "other"}, {2, "snmp-ip"}, {3, "snmp-ipx"}, {4, "snmp-ip-ipx"}, {0, nullptr}};
const CvOptionList kProtocolCapability(kProtocolCapabilityPairs);

const CvIntOptionPair kRs232PortConfigPairs[] = {
    {1, "other"}, {2, "console"}, {3, "out-of-band"}, {4, "notAvail"}, {0, nullptr}};
const CvOptionList kRs232PortConfig(kRs232PortConfigPairs);

const CvIntOptionPair kSaveConfigPairs[] = {{1, "other"}, {2, "cfg-id1"}, {3, "cfg-id2"},
                                            {4, "log"},   {5, "all"},     {0, nullptr}};
const CvOptionList kSaveConfig(kSaveConfigPairs);

const CvIntOptionPair kSeverityPairs[] = {
    {0, "critical"}, {1, "warning"}, {2, "information"}, {0, nullptr}};
const CvOptionList kSeverity(kSeverityPairs);

const CvIntOptionPair kStatusPairs[] = {{1, "disabled"}, {2, "blocking"},   {3, "listening"},
                                        {4, "learning"}, {5, "forwarding"}, {6, "broken"},
                                        {0, nullptr}};
const CvOptionList kStatus(kStatusPairs);

const CvIntOptionPair kSwFanStatusPairs[] = {
    {0, "other"}, {1, "working"}, {2, "fail"}, {0, nullptr}};
const CvOptionList kSwFanStatus(kSwFanStatusPairs);

const CvIntOptionPair kSwMSTPMstPortRolePairs[] = {{0, "disable"}, {1, "alternate"}, {2, "backup"},
                                                   {3, "root"},    {4, "desinated"}, {5, "master"},
                                                   {6, "nonstp"},  {7, "loopback"},  {0, nullptr}};
const CvOptionList kSwMSTPMstPortRole(kSwMSTPMstPortRolePairs);

const CvIntOptionPair kSwMSTPMstPortStatusPairs[] = {
    {1, "other"},  {2, "disabled"},       {3, "discarding"},   {4, "learning"}, {5, "forwarding"},
    {6, "broken"}, {7, "no-stp-enabled"}, {8, "err-disabled"}, {0, nullptr}};
const CvOptionList kSwMSTPMstPortStatus(kSwMSTPMstPortStatusPairs);

const CvIntOptionPair kSwSysLogServerFacilityPairs[] = {{0, "local0"}, {1, "local1"}, {2, "local2"},
                                                        {3, "local3"}, {4, "local4"}, {5, "local5"},
                                                        {6, "local6"}, {7, "local7"}, {0, nullptr}};
const CvOptionList kSwSysLogServerFacility(kSwSysLogServerFacilityPairs);

const CvIntOptionPair kSwSysLogServerIndexPairs[] = {{1, "swSysLogServerIndex-1"},
                                                     {2, "swSysLogServerIndex-2"},
                                                     {3, "swSysLogServerIndex-3"},
                                                     {4, "swSysLogServerIndex-4"},
                                                     {0, nullptr}};
const CvOptionList kSwSysLogServerIndex(kSwSysLogServerIndexPairs);

const CvIntOptionPair kSwSysLogServerSeverityPairs[] = {
    {1, "all"}, {2, "warning"}, {3, "informational"}, {0, nullptr}};
const CvOptionList kSwSysLogServerSeverity(kSwSysLogServerSeverityPairs);

const CvIntOptionPair kSwUnitMgmtCurrentModePairs[] = {
    {2, "auto"}, {3, "stand-alone"}, {4, "master"}, {5, "slave"}, {0, nullptr}};
const CvOptionList kSwUnitMgmtCurrentMode(kSwUnitMgmtCurrentModePairs);

const CvIntOptionPair kSwUnitMgmtStatusPairs[] = {{1, "exist"}, {0, "not-exist"}, {0, nullptr}};
const CvOptionList kSwUnitMgmtStatus(kSwUnitMgmtStatusPairs);

const CvIntOptionPair kSystemResetStatePairs[] = {
    {1, "other"}, {2, "cold-start"}, {3, "warm-start"}, {4, "no-reset"}, {0, nullptr}};
const CvOptionList kSystemResetState(kSystemResetStatePairs);

const CvIntOptionPair kTimeSourcePairs[] = {
    {0, "system"}, {1, "server1"}, {2, "server2"}, {0, nullptr}};
const CvOptionList kTimeSource(kTimeSourcePairs);

const CvIntOptionPair kTypePairs[] = {
    {1, "other"}, {2, "standard"}, {3, "proprietary"}, {4, "experiment"}, {0, nullptr}};
const CvOptionList kType(kTypePairs);

const CvIntOptionPair kUnicastForwardingInformation1StatusPairs[] = {
    {1, "other"}, {2, "invalid"}, {3, "learned"}, {4, "self"}, {5, "mgmt"}, {0, nullptr}};
const CvOptionList kUnicastForwardingInformation1Status(kUnicastForwardingInformation1StatusPairs);

const CvColumnFormat kTime1Formats[] = {{1, "%s{l21}"}};

const CvSNMPVarDesc kDeviceInformation1[] = {
    {"1.3.6.1.4.1.99917.11.70.1.2.1.1.1", "Total Number Of Port", integer, kRo},
    {"1.3.6.1.4.1.99917.11.70.1.2.1.1.2", "Number Of Port In Use", integer, kRo},
    {"1.3.6.1.4.1.99917.11.70.1.2.1.1.4", "swDevInfoBootPromVersion", displaystr, kRo},
    {"1.3.6.1.4.1.99917.11.70.1.2.1.1.5", "swDevInfoFirewareVersion", displaystr, kRo},
    {},
};

const CvSNMPVarDesc kAlarmControl1[] = {
    {"1.3.6.1.4.1.99917.11.70.1.2.1.3.1", "swL2DevAlarmNewRoot", integer, kRw, &kDisabledEnabled},
    {"1.3.6.1.4.1.99917.11.70.1.2.1.3.2", "swL2DevAlarmTopologyChange", integer, kRw,
     &kDisabledEnabled},
    {"1.3.6.1.4.1.99917.11.70.1.2.1.3.3", "swL2DevAlarmLinkChange", integer, kRw,
     &kDisabledEnabled},
    {},
};

const CvSNMPVarDesc kUnitinformation1[] = {
    {"1.3.6.1.4.1.99917.12.11.1.9.1", "swUnitStackingVersion", integer, kRo},
    {"1.3.6.1.4.1.99917.12.11.1.9.2", "swUnitMaxSupportedUnits", integer, kRo},
    {"1.3.6.1.4.1.99917.12.11.1.9.3", "swUnitNumOfUnit", integer, kRo},
    {},
};

const CvSNMPVarDesc kUnitTable1[] = {
    {"1.3.6.1.4.1.99917.12.11.1.9.5.1.1", "swUnitMgmtId", integer, kKey},
    {"1.3.6.1.4.1.99917.12.11.1.9.5.1.2", "swUnitMgmtStatus", integer, kRo, &kSwUnitMgmtStatus},
    {"1.3.6.1.4.1.99917.12.11.1.9.5.1.3", "swUnitMgmtMacAddr", macaddress, kRo},
    {"1.3.6.1.4.1.99917.12.11.1.9.5.1.4", "swUnitMgmtStartPort", integer, kRo},
    {"1.3.6.1.4.1.99917.12.11.1.9.5.1.5", "swUnitMgmtPortRange", integer, kRo},
    {"1.3.6.1.4.1.99917.12.11.1.9.5.1.6", "swUnitMgmtFrontPanelLedStatus", displaystr, kRo},
    {"1.3.6.1.4.1.99917.12.11.1.9.5.1.8", "swUnitMgmtCurrentMode", integer, kRo,
     &kSwUnitMgmtCurrentMode},
    {"1.3.6.1.4.1.99917.12.11.1.9.5.1.9", "swUnitMgmtVersion", displaystr, kRo},
    {"1.3.6.1.4.1.99917.12.11.1.9.5.1.10", "swUnitMgmtModuleName", displaystr, kRo},
    {"1.3.6.1.4.1.99917.12.11.1.9.5.1.11", "swUnitMgmtPromVersion", displaystr, kRo},
    {"1.3.6.1.4.1.99917.12.11.1.9.5.1.12", "swUnitMgmtFirmwareVersion", displaystr, kRo},
    {"1.3.6.1.4.1.99917.12.11.1.9.5.1.13", "swUnitMgmtHardwareVersion", displaystr, kRo},
    {"1.3.6.1.4.1.99917.12.11.1.9.5.1.14", "swUnitMgmtPriority", integer, kRw},
    {},
};

const CvSNMPVarDesc kPowerTable1[] = {
    {"1.3.6.1.4.1.99917.12.11.1.6.1.1", "Power Unit Index", integer, kRo},
    {"1.3.6.1.4.1.99917.12.11.1.6.1.2", "Power ID", integer, kRo},
    {"1.3.6.1.4.1.99917.12.11.1.6.1.3", "Power Status", integer, kRo, &kPowerStatus},
    {},
};

const CvSNMPVarDesc kFanTable1[] = {
    {"1.3.6.1.4.1.99917.12.11.1.7.1.1", "swFanUnitIndex", integer, kKey},
    {"1.3.6.1.4.1.99917.12.11.1.7.1.2", "swFanID", integer, kKey},
    {"1.3.6.1.4.1.99917.12.11.1.7.1.3", "swFanStatus", integer, kRo, &kSwFanStatus},
    {},
};

const CvSNMPVarDesc kBasicInfo1[] = {
    {"1.3.6.1.4.1.99917.12.1.1.1", "Protocol Capability", integer, kRo, &kProtocolCapability},
    {"1.3.6.1.4.1.99917.12.1.1.3", "Console Status", integer, kRo, &kConsoleStatus},
    {"1.3.6.1.4.1.99917.12.1.1.4", "Device Configuration Status", integer, kRo,
     &kDeviceConfigurationStatus},
    {"1.3.6.1.4.1.99917.12.1.1.5", "Firmware Download Status", integer, kRo,
     &kFirmwareDownloadStatus},
    {"1.3.6.1.4.1.99917.12.1.1.7", "Dual Image Status", integer, kRo, &kDualImageStatus},
    {},
};

const CvSNMPVarDesc kMibCapabilities1[] = {
    {"1.3.6.1.4.1.99917.12.1.1.2.1.1", "Index", integer, kRo},
    {"1.3.6.1.4.1.99917.12.1.1.2.1.2", "Description", displaystr, kRo},
    {"1.3.6.1.4.1.99917.12.1.1.2.1.3", "Version", integer, kRo},
    {"1.3.6.1.4.1.99917.12.1.1.2.1.4", "Type", integer, kRo, &kType},
    {},
};

const CvSNMPVarDesc kBasicConfigure1[] = {
    {"1.3.6.1.4.1.99917.12.1.2.3", "System Reset State", integer, kRw, &kSystemResetState},
    {"1.3.6.1.4.1.99917.12.1.2.4", "Rs232 Port Config", integer, kRo, &kRs232PortConfig},
    {"1.3.6.1.4.1.99917.12.1.2.6", "Save Config", integer, kRw, &kSaveConfig},
    {},
};

const CvSNMPVarDesc kAgentSuportedUpdateFiles1[] = {
    {"1.3.6.1.4.1.99917.12.1.2.1.1.1", "agentBscSwFileIndex", integer, kKey},
    {"1.3.6.1.4.1.99917.12.1.2.1.1.2", "agentBscSwFileDscr", displaystr, kRw},
    {"1.3.6.1.4.1.99917.12.1.2.1.1.3", "agentBscSwFileAddr", ipaddress, kRw},
    {"1.3.6.1.4.1.99917.12.1.2.1.1.4", "agentBscSwFileTransferType", integer, kRw,
     &kAgentBscSwFileTransferType},
    {"1.3.6.1.4.1.99917.12.1.2.1.1.5", "agentBscSwFile", displaystr, kRw},
    {"1.3.6.1.4.1.99917.12.1.2.1.1.6", "agentBscSwFileLocateId", integer, kRw},
    {"1.3.6.1.4.1.99917.12.1.2.1.1.7", "agentBscSwFileLoadType", integer, kRw,
     &kAgentBscSwFileLoadType},
    {"1.3.6.1.4.1.99917.12.1.2.1.1.8", "agentBscSwFileCtrl", integer, kRw, &kAgentBscSwFileCtrl},
    {"1.3.6.1.4.1.99917.12.1.2.1.1.9", "agentBscSwFileBIncrement", integer, kRw, &kTruthValue},
    {"1.3.6.1.4.1.99917.12.1.2.1.1.10", "agentMultiImageCtrlID", integer, kRw},
    {},
};

const CvSNMPVarDesc kCpuUtilization1[] = {
    {"1.3.6.1.4.1.99917.12.1.1.6.1", "CPU Utilization In 5 seconds", integer, kRo},
    {"1.3.6.1.4.1.99917.12.1.1.6.2", "CPU Utilization In 1 minute", integer, kRo},
    {"1.3.6.1.4.1.99917.12.1.1.6.3", "CPU Utilization In 5 minutes", integer, kRo},
    {},
};

const CvSNMPVarDesc kMultipleimagemanagement1[] = {
    {"1.3.6.1.4.1.99917.12.1.2.7.1.1", "swMultiImageInfoID", integer, kKey},
    {"1.3.6.1.4.1.99917.12.1.2.7.1.2", "swMultiImageVersion", displaystr, kRo},
    {"1.3.6.1.4.1.99917.12.1.2.7.1.3", "swMultiImageSize", integer, kRo},
    {"1.3.6.1.4.1.99917.12.1.2.7.1.4", "swMultiImageUpdateTime", displaystr, kRo},
    {"1.3.6.1.4.1.99917.12.1.2.7.1.5", "swMultiImageFrom", displaystr, kRo},
    {"1.3.6.1.4.1.99917.12.1.2.7.1.6", "swMultiImageSendUser", displaystr, kRo},
    {},
};

const CvSNMPVarDesc kGeneralInformation2[] = {
    {"1.3.6.1.4.1.99917.12.1.2.8.2", "swMultiCfgCurrentUsed", integer, kRo},
    {"1.3.6.1.4.1.99917.12.1.2.8.3", "swMultiCfgBootUp", integer, kRo},
    {},
};

const CvSNMPVarDesc kMultipleConfigInformation1[] = {
    {"1.3.6.1.4.1.99917.12.1.2.8.1.1.1", "swMultiCfgInfoID", integer, kKey},
    {"1.3.6.1.4.1.99917.12.1.2.8.1.1.2", "swMultiCfgVersion", displaystr, kRo},
    {"1.3.6.1.4.1.99917.12.1.2.8.1.1.3", "swMultiCfgSize", integer, kRo},
    {"1.3.6.1.4.1.99917.12.1.2.8.1.1.4", "swMultiCFgUpdateTime", displaystr, kRo},
    {"1.3.6.1.4.1.99917.12.1.2.8.1.1.5", "swMultiCfgFrom", displaystr, kRo},
    {"1.3.6.1.4.1.99917.12.1.2.8.1.1.6", "swMultiCfgSendUser", displaystr, kRo},
    {},
};

const CvSNMPVarDesc kSeverityControlManagement1[] = {
    {"1.3.6.1.4.1.99917.12.1.2.9.1", "systemSeverityTrapControl", integer, kRw, &kSeverity},
    {"1.3.6.1.4.1.99917.12.1.2.9.2", "systemSeverityLogControl", integer, kRw, &kSeverity},
    {},
};

const CvSNMPVarDesc kIPProtoConfigure1[] = {
    {"1.3.6.1.4.1.99917.12.1.3.1", "agentIpNumOfIf", integer, kRo},
    {"1.3.6.1.4.1.99917.12.1.3.3", "agentIpGetIpFrom", integer, kRw, &kAgentIpGetIpFrom},
    {},
};

const CvSNMPVarDesc kPingTest1[] = {
    {"1.3.6.1.4.1.99917.12.1.4.1", "agentPingTestIPAddress", ipaddress, kRw},
    {"1.3.6.1.4.1.99917.12.1.4.2", "agentPingTestRepetition", integer, kRw},
    {"1.3.6.1.4.1.99917.12.1.4.3", "agentPingTestControl", integer, kRw, &kAgentPingTestControl},
    {"1.3.6.1.4.1.99917.12.1.4.4", "agentPingTestStatus", integer, kRo, &kAgentPingTestStatus},
    {"1.3.6.1.4.1.99917.12.1.4.5", "agentPingTestSuccessCount", integer, kRo},
    {"1.3.6.1.4.1.99917.12.1.4.6", "agentPingTestFailCount", integer, kRo},
    {},
};

const CvSNMPVarDesc kSystemLogState1[] = {
    {"1.3.6.1.4.1.99917.12.12.1", "swSysLogCtrlState", integer, kRw, &kDisabledEnabled},
    {},
};

const CvSNMPVarDesc kSystemLogServerTable1[] = {
    {"1.3.6.1.4.1.99917.12.12.2.1.1", "swSysLogServerIndex", integer, kKey, &kSwSysLogServerIndex},
    {"1.3.6.1.4.1.99917.12.12.2.1.2", "swSysLogServerIPAddress", ipaddress, kRw},
    {"1.3.6.1.4.1.99917.12.12.2.1.3", "swSysLogServerFacility", integer, kRw,
     &kSwSysLogServerFacility},
    {"1.3.6.1.4.1.99917.12.12.2.1.4", "swSysLogServerSeverity", integer, kRw,
     &kSwSysLogServerSeverity},
    {"1.3.6.1.4.1.99917.12.12.2.1.5", "swSysLogServerUDPPort", integer, kRw},
    {"1.3.6.1.4.1.99917.12.12.2.1.6", "swSysLogServerState", integer, kRw, &kOtherDisabledEnabled},
    {"1.3.6.1.4.1.99917.12.12.2.1.7", "swSysLogServerRowStatus", integer, kRw, &kRowStatus},
    {},
};

const CvSNMPVarDesc kTime1[] = {
    {"1.3.6.1.4.1.99917.12.10.1", "Time Capacity", bitstr, kRo},
    {"1.3.6.1.4.1.99917.12.10.2", "Current Cloc(Example 1992-5-26,13:30:15.0)", datetime, kRw},
    {"1.3.6.1.4.1.99917.12.10.3", "Clock Reset On Reboot", integer, kRo, &kTruthValue},
    {},
};

const CvSNMPVarDesc kCurrentTime1[] = {
    {"1.3.6.1.4.1.99917.12.10.3", "Clock Reset On Reboot", integer, kRo, &kTruthValue},
    {"1.3.6.1.4.1.99917.12.10.10.1", "Current Time", displaystr, kRo},
    {"1.3.6.1.4.1.99917.12.10.10.2", "System UpTime", displaystr, kRo},
    {"1.3.6.1.4.1.99917.12.10.10.3", "System BootTime", displaystr, kRo},
    {"1.3.6.1.4.1.99917.12.10.10.4", "System Time Zone [ -779..839]", integer, kRw},
    {},
};

const CvSNMPVarDesc kNetworkTime1[] = {
    {"1.3.6.1.4.1.99917.12.10.11.1", "Network Time State", integer, kRw, &kDisabledEnabled},
    {"1.3.6.1.4.1.99917.12.10.11.2", "Time Source", integer, kRo, &kTimeSource},
    {"1.3.6.1.4.1.99917.12.10.11.3", "Server1 IPAddr", ipaddress, kRw},
    {"1.3.6.1.4.1.99917.12.10.11.4", "Server2 IPAddr", ipaddress, kRw},
    {"1.3.6.1.4.1.99917.12.10.11.5", "Poll Interval[30....99999(sec)]", integer, kRw},
    {},
};

const CvSNMPVarDesc kIFXTable1[] = {
    {"1.3.6.1.2.1.2.2.1.1", "ifIndex", integer, kKey},
    {"1.3.6.1.2.1.31.1.1.1.1", "Name", displaystr, kRo},
    {"1.3.6.1.2.1.31.1.1.1.2", "Multicast Packets Received", counter, kRo},
    {"1.3.6.1.2.1.31.1.1.1.3", "Broadcast Packets Received", counter, kRo},
    {"1.3.6.1.2.1.31.1.1.1.4", "Multicast Packets Sended", counter, kRo},
    {"1.3.6.1.2.1.31.1.1.1.5", "Broadcast Packets Sended", counter, kRo},
    {"1.3.6.1.2.1.31.1.1.1.6", "Octets Received", counter64, kRo},
    {"1.3.6.1.2.1.31.1.1.1.7", "Unicast Packets Received", counter64, kRo},
    {"1.3.6.1.2.1.31.1.1.1.8", "Multicast Packets Received", counter64, kRo},
    {"1.3.6.1.2.1.31.1.1.1.9", "Broadcast Packets Received", counter64, kRo},
    {"1.3.6.1.2.1.31.1.1.1.10", "Octets Sended", counter64, kRo},
    {"1.3.6.1.2.1.31.1.1.1.11", "Unicast Packets Sended", counter64, kRo},
    {"1.3.6.1.2.1.31.1.1.1.12", "Multicast Packets Sended", counter64, kRo},
    {"1.3.6.1.2.1.31.1.1.1.13", "Broadcast Packets Sended", counter64, kRo},
    {"1.3.6.1.2.1.31.1.1.1.14", "LinkUpDown Trap State", integer, kRw, &kEnabledDisabled},
    {"1.3.6.1.2.1.31.1.1.1.15", "HighSpeed", guage, kRo},
    {"1.3.6.1.2.1.31.1.1.1.16", "Promiscuous Mode", integer, kRo, &kPromiscuousMode},
    {"1.3.6.1.2.1.31.1.1.1.17", "Connector Present", integer, kRo, &kTruthValue},
    {"1.3.6.1.2.1.31.1.1.1.18", "Alias", displaystr, kRw},
    {"1.3.6.1.2.1.31.1.1.1.19", "Discontinuity Time Count", timeticks, kRo},
    {},
};

const CvSNMPVarDesc kNetConfiguration1[] = {
    {"1.3.6.1.2.1.16.19.11.1.1", "netConfigIPAddress", ipaddress, kRo},
    {"1.3.6.1.2.1.16.19.11.1.2", "netConfigSubnetMask", ipaddress, kRo},
    {"1.3.6.1.2.1.16.19.11.1.3", "netConfigStatus", integer, kRo, &kRowStatus},
    {},
};

const CvSNMPVarDesc kNetDefaultGateway1[] = {
    {"1.3.6.1.2.1.16.19.12", "netDefaultGateway", ipaddress, kRw},
    {},
};

const CvSNMPVarDesc kInformation1[] = {
    {"1.3.6.1.2.1.17.1.2", "Number of Ports", integer, kRo},
    {"1.3.6.1.2.1.17.4.1", "Learned Entry Discards", counter, kRo},
    {"1.3.6.1.2.1.17.4.2", "Aging Time[10-1000000]", integer, kRw},
    {},
};

const CvSNMPVarDesc kConfigurationIdentification1[] = {
    {"1.3.6.1.4.1.99917.12.15.2.1", "MSTP Name", displaystr, kRw},
    {"1.3.6.1.4.1.99917.12.15.2.2", "MSTP Revision Level", integer, kRw},
    {},
};

const CvSNMPVarDesc kInstanceInformation1[] = {
    {"1.3.6.1.4.1.99917.12.15.2.3.1.1", "MSTP Inst ID", integer, kKey},
    {"1.3.6.1.4.1.99917.12.15.2.3.1.2", "Vlan Range [1-64]", octetstr, kRw},
    {"1.3.6.1.4.1.99917.12.15.2.3.1.3", "Vlan Range [65-128]", octetstr, kRw},
    {"1.3.6.1.4.1.99917.12.15.2.3.1.4", "Vlan Range [129-192]", octetstr, kRw},
    {"1.3.6.1.4.1.99917.12.15.2.3.1.5", "Vlan Range [193-256]", octetstr, kRw},
    {"1.3.6.1.4.1.99917.12.15.2.3.1.6", "Vlan Range [257-320]", octetstr, kRw},
    {"1.3.6.1.4.1.99917.12.15.2.3.1.7", "Vlan Range [321-384]", octetstr, kRw},
    {"1.3.6.1.4.1.99917.12.15.2.3.1.8", "Vlan Range [385-448]", octetstr, kRw},
    {"1.3.6.1.4.1.99917.12.15.2.3.1.9", "Vlan Range [449-512]", octetstr, kRw},
    {"1.3.6.1.4.1.99917.12.15.2.3.1.10", "Type", integer, kRo, &kInstanceInformation1Type},
    {"1.3.6.1.4.1.99917.12.15.2.3.1.11", "Status", integer, kRo, &kEnabledDisabled},
    {"1.3.6.1.4.1.99917.12.15.2.3.1.12", "Priority", integer, kRw},
    {"1.3.6.1.4.1.99917.12.15.2.3.1.13", "Designated Root Bridge", octetstr, kRo},
    {"1.3.6.1.4.1.99917.12.15.2.3.1.14", "External Root Cost", integer, kRo},
    {"1.3.6.1.4.1.99917.12.15.2.3.1.15", "Regional Root Bridge", octetstr, kRo},
    {"1.3.6.1.4.1.99917.12.15.2.3.1.16", "Internal Root Cost", integer, kRo},
    {"1.3.6.1.4.1.99917.12.15.2.3.1.17", "Designated Bridge", octetstr, kRo},
    {"1.3.6.1.4.1.99917.12.15.2.3.1.18", "Root Port", integer, kRo},
    {"1.3.6.1.4.1.99917.12.15.2.3.1.19", "Max Age", integer, kRo},
    {"1.3.6.1.4.1.99917.12.15.2.3.1.20", "Forward Delay", integer, kRo},
    {"1.3.6.1.4.1.99917.12.15.2.3.1.21", "Last Topology Change", timeticks, kRo},
    {"1.3.6.1.4.1.99917.12.15.2.3.1.22", "Top Changes Count", counter, kRo},
    {"1.3.6.1.4.1.99917.12.15.2.3.1.23", "Remain Hops", integer, kRo},
    {"1.3.6.1.4.1.99917.12.15.2.3.1.24", "Row Status", integer, kRw, &kRowStatus},
    {},
};

const CvSNMPVarDesc kPortMSTPInformation1[] = {
    {"1.3.6.1.4.1.99917.12.15.2.5.1.1", "swMSTPMstPort", integer, kKey},
    {"1.3.6.1.4.1.99917.12.15.2.5.1.2", "swMSTPMstPortInsID", integer, kKey},
    {"1.3.6.1.4.1.99917.12.15.2.5.1.3", "swMSTPMstPortDesignatedBridge", octetstr, kRo},
    {"1.3.6.1.4.1.99917.12.15.2.5.1.4", "swMSTPMstPortInternalPathCost", integer, kRw},
    {"1.3.6.1.4.1.99917.12.15.2.5.1.5", "swMSTPMstPortPriority", integer, kRw},
    {"1.3.6.1.4.1.99917.12.15.2.5.1.6", "swMSTPMstPortStatus", integer, kRo, &kSwMSTPMstPortStatus},
    {"1.3.6.1.4.1.99917.12.15.2.5.1.7", "swMSTPMstPortRole", integer, kRo, &kSwMSTPMstPortRole},
    {},
};

const CvSNMPVarDesc kPortTable[] = {
    {"1.3.6.1.2.1.17.2.15.1.1", "Port", integer, kKey},
    {"1.3.6.1.2.1.17.2.15.1.2", "Priority", integer, kRw},
    {"1.3.6.1.2.1.17.2.15.1.3", "Status        ", integer, kRo, &kStatus},
    {"1.3.6.1.2.1.17.2.15.1.4", "State  ", integer, kRw, &kEnabledDisabled},
    {"1.3.6.1.2.1.17.2.15.1.5", "Path Cost", integer, kRw},
    {"1.3.6.1.2.1.17.2.15.1.6", "Designated Root", displaystr, kRo},
    {"1.3.6.1.2.1.17.2.15.1.7", "Designated Cost", integer, kRo},
    {"1.3.6.1.2.1.17.2.15.1.8", "Designated Bridge", displaystr, kRo},
    {"1.3.6.1.2.1.17.2.15.1.9", "Designated Port", displaystr, kRo},
    {"1.3.6.1.2.1.17.2.15.1.10", "Forward Transitions", counter, kRo},
    {},
};

const CvSNMPVarDesc kDefaultUserPrioritiesofEachPort1[] = {
    {"1.3.6.1.2.1.17.1.4.1.1", "PortNumber", integer, kKey},
    {"1.3.6.1.2.1.17.6.1.2.1.1.1", "DefaultUserPriority", integer, kRw},
    {"1.3.6.1.2.1.17.6.1.2.1.1.2", "PortNumTrafficClasses", integer, kRo},
    {},
};

const CvSNMPVarDesc kRegeneratedUserPriorities1[] = {
    {"1.3.6.1.2.1.17.1.4.1.1", "PortNumber", integer, kKey},
    {"1.3.6.1.2.1.17.6.1.2.2.1.1", "UserPriority", integer, kKey},
    {"1.3.6.1.2.1.17.6.1.2.2.1.2", "RegeneratedUserPriority", integer, kRw},
    {},
};

const CvSNMPVarDesc kUserPrioritiesToTrafficClass1[] = {
    {"1.3.6.1.2.1.17.1.4.1.1", "PortNumber", integer, kKey},
    {"1.3.6.1.2.1.17.6.1.2.3.1.1", "TrafficClassPriority", integer, kKey},
    {"1.3.6.1.2.1.17.6.1.2.3.1.2", "MappedTrafficClass", integer, kRw},
    {},
};

const CvSNMPVarDesc kPortOutboundAccessPriorities1[] = {
    {"1.3.6.1.2.1.17.1.4.1.1", "PortNumber", integer, kKey},
    {"1.3.6.1.2.1.17.6.1.2.2.1.2", "RegeneratedUserPriority", integer, kKey},
    {"1.3.6.1.2.1.17.6.1.2.4.1.1", "PortOutboundAccessPriority", integer, kRo},
    {},
};

const CvSNMPVarDesc kPortTable2[] = {
    {"1.3.6.1.2.1.17.4.4.1.1", " Port Index", integer, kRo},
    {"1.3.6.1.2.1.17.4.5.1.1", "HCPortInFrames", integer, kRo},
    {"1.3.6.1.2.1.17.4.5.1.2", "HCPortOutFrames", integer, kRo},
    {"1.3.6.1.2.1.17.4.5.1.3", "HCPortInDiscards", integer, kRo},
    {},
};

const CvSNMPVarDesc kPortOverFlow1[] = {
    {"1.3.6.1.2.1.17.4.4.1.1", " Port Index", integer, kRo},
    {"1.3.6.1.2.1.17.4.6.1.1", "dot1dTpPortInOverflowFrames", counter, kRo},
    {"1.3.6.1.2.1.17.4.6.1.2", "dot1dTpPortOutOverflowFrames", counter, kRo},
    {"1.3.6.1.2.1.17.4.6.1.3", "dot1dTpPortInOverflowDiscards", counter, kRo},
    {},
};

const CvSNMPVarDesc kUnicastForwardingInformation1[] = {
    {"1.3.6.1.2.1.17.7.1.2.1.1.1", "Fdb Id", integer, kKey},
    {"1.3.6.1.2.1.17.7.1.2.2.1.1", "FdbMacAddress", macaddress, kKey},
    {"1.3.6.1.2.1.17.7.1.2.2.1.2", "PortNumber", integer, kRo},
    {"1.3.6.1.2.1.17.7.1.2.2.1.3", "Status", integer, kRo, &kUnicastForwardingInformation1Status},
    {},
};

const CvSNMPVarDesc kDatabaseinformation1[] = {
    {"1.3.6.1.2.1.17.7.1.2.1.1.1", "dot1qFdbId", guage, kKey},
    {"1.3.6.1.2.1.17.7.1.2.1.1.2", "dot1qFdbDynamicCount", counter, kRo},
    {},
};

const CvSNMPVarDesc kFilteringInformation1[] = {
    {"1.3.6.1.2.1.17.7.1.4.2.1.2", "VLAN ID", guage, kKey},
    {"1.3.6.1.2.1.17.7.1.2.3.1.1", "GroupAddress", macaddress, kKey},
    {"1.3.6.1.2.1.17.7.1.2.3.1.2", "EgressPorts", octetstr, kRo},
    {"1.3.6.1.2.1.17.7.1.2.3.1.3", "GMRPLearntPorts", octetstr, kRo},
    {},
};

const CvIntOptionPair kStpVersionPairs[] = {{0, "stp"}, {1, "rstp"}, {2, "mstp"}, {0, nullptr}};
const CvOptionList kStpVersion(kStpVersionPairs);

const CvMibPage kPages[] = {
    {.Name = "DeviceInformation1",
     .Title = "Device Information",
     .Kind = CvPageKind::Scalar,
     .Records = kDeviceInformation1},
    {.Name = "AlarmControl1",
     .Title = "Alarm Control",
     .Kind = CvPageKind::Scalar,
     .Records = kAlarmControl1},
    {.Name = "Unitinformation1",
     .Title = "Unit information",
     .Hidden = true,
     .Kind = CvPageKind::Scalar,
     .Records = kUnitinformation1},
    {.Name = "UnitTable1",
     .Title = "Unit Table",
     .Hidden = true,
     .Kind = CvPageKind::Table,
     .ItemType = MVT_FMV,
     .PKeyCount = 1,
     .Sizes = kHeight450,
     .Records = kUnitTable1},
    {.Name = "PowerTable1",
     .Title = "Power Table",
     .Kind = CvPageKind::Table,
     .ItemType = MVT_FMV,
     .PKeyCount = 1,
     .Sizes = kHeight450,
     .Records = kPowerTable1},
    {.Name = "FanTable1",
     .Title = "Fan Table",
     .Kind = CvPageKind::Table,
     .ItemType = MVT_FMV,
     .PKeyCount = 2,
     .Sizes = kHeight450,
     .Records = kFanTable1},
    {.Name = "BasicInfo1",
     .Title = "Basic Information",
     .Kind = CvPageKind::Scalar,
     .Records = kBasicInfo1},
    {.Name = "MibCapabilities1",
     .Title = "Mib Capabilities",
     .Kind = CvPageKind::Table,
     .ItemType = MVT_FMV,
     .PKeyCount = 1,
     .Sizes = kHeight450WidthPlus100,
     .Records = kMibCapabilities1},
    {.Name = "BasicConfigure1",
     .Title = "Basic Configuration",
     .Kind = CvPageKind::Scalar,
     .Records = kBasicConfigure1},
    {.Name = "AgentSuportedUpdateFiles1",
     .Title = "Agent Supported Update Files",
     .Kind = CvPageKind::Table,
     .ItemType = MVT_UMV,
     .PKeyCount = 1,
     .Sizes = kHeight450,
     .Records = kAgentSuportedUpdateFiles1},
    {.Name = "CpuUtilization1",
     .Title = "CPU Utilization Table",
     .Kind = CvPageKind::Scalar,
     .Records = kCpuUtilization1},
    {.Name = "Multipleimagemanagement1",
     .Title = "Mutiple Image Management",
     .Kind = CvPageKind::Table,
     .ItemType = MVT_FMV,
     .PKeyCount = 1,
     .Records = kMultipleimagemanagement1},
    {.Name = "GeneralInformation2",
     .Title = "Multiple Config General Information",
     .CaptionWithAddress = true,
     .Kind = CvPageKind::Scalar,
     .Records = kGeneralInformation2},
    {.Name = "MultipleConfigInformation1",
     .Title = "Multiple Config Information Table",
     .Kind = CvPageKind::Table,
     .ItemType = MVT_UMV,
     .PKeyCount = 1,
     .Sizes = kHeight450,
     .Records = kMultipleConfigInformation1},
    {.Name = "SeverityControlManagement1",
     .Title = "Severity Control Management",
     .Kind = CvPageKind::Scalar,
     .Records = kSeverityControlManagement1},
    {.Name = "IPProtoConfigure1",
     .Title = "IP ProtoConfigure",
     .Kind = CvPageKind::Scalar,
     .Records = kIPProtoConfigure1},
    {.Name = "PingTest1",
     .Title = "Ping Test",
     .Hidden = true,
     .Kind = CvPageKind::Scalar,
     .Sizes = kHeightPlus20,
     .Records = kPingTest1},
    {.Name = "SystemLogState1",
     .Title = "System Log State",
     .Kind = CvPageKind::Scalar,
     .Sizes = kHeightPlus20,
     .Records = kSystemLogState1},
    {.Name = "SystemLogServerTable1",
     .Title = "System Log Server Table",
     .Kind = CvPageKind::Table,
     .ItemType = MVT_UMV,
     .PKeyCount = 1,
     .StatusColumn = 6,
     .AddStatus = "createAndGo",
     .DeleteStatus = "destroy",
     .Records = kSystemLogServerTable1},
    {.Name = "Time1",
     .Title = "Current Time",
     .Kind = CvPageKind::Scalar,
     .Formats = kTime1Formats,
     .Records = kTime1},
    {.Name = "CurrentTime1",
     .Title = "System Time",
     .Kind = CvPageKind::Scalar,
     .Records = kCurrentTime1},
    {.Name = "NetworkTime1",
     .Title = "Network Time",
     .Kind = CvPageKind::Scalar,
     .Records = kNetworkTime1},
    {.Name = "IFXTable1",
     .Title = "IfX Table",
     .Kind = CvPageKind::Table,
     .ItemType = MVT_UMV,
     .PKeyCount = 1,
     .Sizes = kHeight450Unscaled,
     .Records = kIFXTable1},
    {.Name = "RMONSetting1",
     .Title = "RMON Control",
     .Kind = CvPageKind::Scalar,
     .Records = ::RmonStateTable},
    {.Name = "NetConfiguration1",
     .Title = "Net Configuration Table",
     .Kind = CvPageKind::Scalar,
     .ItemType = MVT_FMV,
     .Records = kNetConfiguration1},
    {.Name = "NetDefaultGateway1",
     .Title = "Net Default Gateway",
     .CaptionWithAddress = true,
     .Kind = CvPageKind::Scalar,
     .Records = kNetDefaultGateway1},
    {.Name = "Information1",
     .Title = "Bridge 802.1d Information",
     .Kind = CvPageKind::Scalar,
     .Records = kInformation1},
    {.Name = "ConfigurationIdentification1",
     .Title = "MSTP Configuration Identification",
     .Kind = CvPageKind::Scalar,
     .Sizes = kHeightPlus20,
     .Records = kConfigurationIdentification1},
    {.Name = "InstanceInformation1",
     .Title = "MSTP Instance Control",
     .Kind = CvPageKind::Table,
     .ItemType = MVT_UMV,
     .PKeyCount = 1,
     .Records = kInstanceInformation1},
    {.Name = "PortMSTPInformation1",
     .Title = "Port MSTP Information",
     .Kind = CvPageKind::Table,
     .ItemType = MVT_UMV,
     .PKeyCount = 2,
     .Records = kPortMSTPInformation1},
    {.Name = "PortTable",
     .Title = "Spanning Tree Port Table",
     .Hidden = true,
     .Kind = CvPageKind::Table,
     .ItemType = MVT_FMV,
     .PKeyCount = 1,
     .Records = kPortTable},
    {.Name = "DefaultUserPrioritiesofEachPort1",
     .Title = "Default User Priorities of Each Port",
     .Kind = CvPageKind::Table,
     .ItemType = MVT_FMV,
     .PKeyCount = 1,
     .Sizes = kHeight450,
     .Records = kDefaultUserPrioritiesofEachPort1},
    {.Name = "RegeneratedUserPriorities1",
     .Title = "Regenerated User Priorities",
     .Hidden = true,
     .Kind = CvPageKind::Table,
     .ItemType = MVT_FMV,
     .PKeyCount = 2,
     .Sizes = kHeight450,
     .Records = kRegeneratedUserPriorities1},
    {.Name = "UserPrioritiesToTrafficClass1",
     .Title = "User Priorities To Traffic Class",
     .Kind = CvPageKind::Table,
     .ItemType = MVT_FMV,
     .PKeyCount = 2,
     .Sizes = kHeight450,
     .Records = kUserPrioritiesToTrafficClass1},
    {.Name = "PortOutboundAccessPriorities1",
     .Title = "Port Outbound Access Priorities",
     .Hidden = true,
     .Kind = CvPageKind::Table,
     .ItemType = MVT_FMV,
     .PKeyCount = 2,
     .Sizes = kHeight450,
     .Records = kPortOutboundAccessPriorities1},
    {.Name = "PortTable2",
     .Title = "High Capacity Port Table",
     .Hidden = true,
     .Kind = CvPageKind::Table,
     .ItemType = MVT_FMV,
     .Records = kPortTable2},
    {.Name = "PortOverFlow1",
     .Title = "High Capacity Port Overflow Table",
     .Kind = CvPageKind::Table,
     .ItemType = MVT_FMV,
     .Records = kPortOverFlow1},
    {.Name = "UnicastForwardingInformation1",
     .Title = "Unicast Forwarding Information",
     .Kind = CvPageKind::Table,
     .ItemType = MVT_FMV,
     .PKeyCount = 2,
     .Sizes = kHeight450,
     .Records = kUnicastForwardingInformation1},
    {.Name = "Databaseinformation1",
     .Title = "Filtering Database",
     .Kind = CvPageKind::Table,
     .ItemType = MVT_FMV,
     .PKeyCount = 1,
     .Records = kDatabaseinformation1},
    {.Name = "FilteringInformation1",
     .Title = "Filtering information",
     .Hidden = true,
     .Kind = CvPageKind::Table,
     .ItemType = MVT_FMV,
     .PKeyCount = 2,
     .Records = kFilteringInformation1},
};

}  // namespace

std::span<const CvMibPage> DeviceBridgeVlanPages() {
    return kPages;
}

}  // namespace mib_catalogue

// The single-record tables the main window reads for its menu rules.

const CvSNMPVarDesc RmonStateTable[] = {
    {"1.3.6.1.4.1.99917.11.70.1.2.1.2.4", "Rmon State", CvSyntax::integer, mib_catalogue::kRw,
     &mib_catalogue::kDisabledEnabled},
    {},
};

const CvSNMPVarDesc StpVersionTable[] = {
    {"1.3.6.1.4.1.99917.12.15.1.2", "STP Version", CvSyntax::integer, mib_catalogue::kRw,
     &mib_catalogue::kStpVersion},
    {},
};

const CvSNMPVarDesc Dot1xStateTable[] = {
    {"1.0.8802.1.1.1.1.1.1", "System Authentication Control", CvSyntax::integer, mib_catalogue::kRw,
     &mib_catalogue::kEnabledDisabled},
    {},
};
