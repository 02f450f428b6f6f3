#include "ViewerOptions.h"

namespace viewer_options {
namespace {

const CvIntOptionPair kIfTypePairs[] = {{1, "other"},
                                        {2, "regular1822"},
                                        {3, "hdh1822"},
                                        {4, "ddnX25"},
                                        {5, "rfc877x25"},
                                        {6, "ethernetCsmacd"},
                                        {7, "iso88023Csmacd"},
                                        {8, "iso88024TokenBus"},
                                        {9, "iso88025TokenRing"},
                                        {10, "iso88026Man"},
                                        {11, "starLan"},
                                        {15, "fddi"},
                                        {16, "lapb"},
                                        {17, "sdlc"},
                                        {18, "ds1"},
                                        {19, "e1"},
                                        {20, "basicISDN"},
                                        {21, "primaryISDN"},
                                        {22, "propPointToPointSerial"},
                                        {23, "ppp"},
                                        {24, "softwareLoopback"},
                                        {28, "slip"},
                                        {30, "ds3"},
                                        {32, "frameRelay"},
                                        {33, "rs232"},
                                        {37, "atm"},
                                        {39, "sonet"},
                                        {53, "propVirtual"},
                                        {56, "fibreChannel"},
                                        {62, "fastEther"},
                                        {69, "fastEtherFX"},
                                        {71, "ieee80211"},
                                        {117, "gigabitEthernet"},
                                        {131, "tunnel"},
                                        {135, "l2vlan"},
                                        {136, "l3ipvlan"},
                                        {142, "ipForward"},
                                        {161, "ieee8023adLag"},
                                        {209, "bridge"},
                                        {0, nullptr}};

const CvIntOptionPair kIfAdminStatusPairs[] = {
    {1, "up"}, {2, "down"}, {3, "testing"}, {0, nullptr}};

const CvIntOptionPair kIfOperStatusPairs[] = {
    {1, "up"},      {2, "down"},       {3, "testing"},        {4, "unknown"},
    {5, "dormant"}, {6, "notPresent"}, {7, "lowerLayerDown"}, {0, nullptr}};

const CvIntOptionPair kIpForwardingPairs[] = {
    {1, "forwarding"}, {2, "notForwarding"}, {0, nullptr}};

const CvIntOptionPair kIpRouteTypePairs[] = {
    {1, "other"}, {2, "invalid"}, {3, "direct"}, {4, "indirect"}, {0, nullptr}};

// The routing protocols of IANAipRouteProtocol; the older route table uses
// the first fourteen.
const CvIntOptionPair kIpRouteProtoPairs[] = {
    {1, "other"},       {2, "local"},      {3, "netmgmt"}, {4, "icmp"}, {5, "egp"},
    {6, "ggp"},         {7, "hello"},      {8, "rip"},     {9, "isIs"}, {10, "esIs"},
    {11, "ciscoIgrp"},  {12, "bbnSpfIgp"}, {13, "ospf"},   {14, "bgp"}, {15, "idpr"},
    {16, "ciscoEigrp"}, {17, "dvmrp"},     {0, nullptr}};

const CvIntOptionPair kIpCidrRouteTypePairs[] = {
    {1, "other"}, {2, "reject"}, {3, "local"}, {4, "remote"}, {0, nullptr}};

const CvIntOptionPair kIpNetToMediaTypePairs[] = {
    {1, "other"}, {2, "invalid"}, {3, "dynamic"}, {4, "static"}, {0, nullptr}};

const CvIntOptionPair kDuplexStatusPairs[] = {
    {1, "unknown"}, {2, "halfDuplex"}, {3, "fullDuplex"}, {0, nullptr}};

const CvIntOptionPair kEntryStatusPairs[] = {
    {1, "valid"}, {2, "createRequest"}, {3, "underCreation"}, {4, "invalid"}, {0, nullptr}};

const CvIntOptionPair kAlarmSampleTypePairs[] = {
    {1, "absoluteValue"}, {2, "deltaValue"}, {0, nullptr}};

const CvIntOptionPair kAlarmStartupPairs[] = {
    {1, "risingAlarm"}, {2, "fallingAlarm"}, {3, "risingOrFallingAlarm"}, {0, nullptr}};

const CvIntOptionPair kEventTypePairs[] = {
    {1, "none"}, {2, "log"}, {3, "snmp-trap"}, {4, "log-and-trap"}, {0, nullptr}};

const CvIntOptionPair kBridgeTypePairs[] = {
    {1, "unknown"}, {2, "transparent-only"}, {3, "sourceroute-only"}, {4, "srt"}, {0, nullptr}};

const CvIntOptionPair kFdbStatusPairs[] = {{1, "other"}, {2, "invalid"}, {3, "learned"},
                                           {4, "self"},  {5, "mgmt"},    {0, nullptr}};

const CvIntOptionPair kStaticStatusPairs[] = {{1, "other"},           {2, "invalid"},
                                              {3, "permanent"},       {4, "deleteOnReset"},
                                              {5, "deleteOnTimeout"}, {0, nullptr}};

const CvIntOptionPair kRipAuthTypePairs[] = {
    {1, "noAuthentication"}, {2, "simplePassword"}, {3, "md5"}, {0, nullptr}};

const CvIntOptionPair kRipSendPairs[] = {
    {1, "doNotSend"},   {2, "ripVersion1"}, {3, "rip1Compatible"}, {4, "ripVersion2"},
    {5, "ripV1Demand"}, {6, "ripV2Demand"}, {0, nullptr}};

const CvIntOptionPair kRipReceivePairs[] = {
    {1, "rip1"}, {2, "rip2"}, {3, "rip1OrRip2"}, {4, "doNotReceive"}, {0, nullptr}};

const CvIntOptionPair kOspfAuthTypePairs[] = {
    {0, "none"}, {1, "simplePassword"}, {2, "md5"}, {0, nullptr}};

const CvIntOptionPair kOspfImportAsExternPairs[] = {
    {1, "importExternal"}, {2, "importNoExternal"}, {3, "importNssa"}, {0, nullptr}};

const CvIntOptionPair kOspfAreaSummaryPairs[] = {
    {1, "noAreaSummary"}, {2, "sendAreaSummary"}, {0, nullptr}};

const CvIntOptionPair kOspfLsdbTypePairs[] = {
    {1, "routerLink"},     {2, "networkLink"},   {3, "summaryLink"},      {4, "asSummaryLink"},
    {5, "asExternalLink"}, {6, "multicastLink"}, {7, "nssaExternalLink"}, {0, nullptr}};

const CvIntOptionPair kOspfNbrStatePairs[] = {{1, "down"},    {2, "attempt"},       {3, "init"},
                                              {4, "twoWay"},  {5, "exchangeStart"}, {6, "exchange"},
                                              {7, "loading"}, {8, "full"},          {0, nullptr}};

const CvIntOptionPair kOspfNbmaPermanencePairs[] = {{1, "dynamic"}, {2, "permanent"}, {0, nullptr}};

const CvIntOptionPair kMRouteProtocolPairs[] = {
    {1, "other"},        {2, "local"},          {3, "netmgmt"}, {4, "dvmrp"},
    {5, "mospf"},        {6, "pimSparseDense"}, {7, "cbt"},     {8, "pimSparseMode"},
    {9, "pimDenseMode"}, {10, "igmpOnly"},      {11, "bgmp"},   {12, "msdp"},
    {0, nullptr}};

const CvIntOptionPair kMRouteRtTypePairs[] = {{1, "unicast"}, {2, "multicast"}, {0, nullptr}};

const CvIntOptionPair kDvmrpNbrStatePairs[] = {
    {1, "oneway"}, {2, "active"}, {3, "ignoring"}, {4, "down"}, {0, nullptr}};

const CvIntOptionPair kPimModePairs[] = {
    {1, "dense"}, {2, "sparse"}, {3, "sparseDense"}, {0, nullptr}};

const CvIntOptionPair kPimNbrModePairs[] = {{1, "dense"}, {2, "sparse"}, {0, nullptr}};

}  // namespace

const CvOptionList kIfType(kIfTypePairs);
const CvOptionList kIfAdminStatus(kIfAdminStatusPairs);
const CvOptionList kIfOperStatus(kIfOperStatusPairs);
const CvOptionList kIpForwarding(kIpForwardingPairs);
const CvOptionList kIpRouteType(kIpRouteTypePairs);
const CvOptionList kIpRouteProto(kIpRouteProtoPairs);
const CvOptionList kIpCidrRouteType(kIpCidrRouteTypePairs);
const CvOptionList kIpNetToMediaType(kIpNetToMediaTypePairs);
const CvOptionList kDuplexStatus(kDuplexStatusPairs);
const CvOptionList kEntryStatus(kEntryStatusPairs);
const CvOptionList kAlarmSampleType(kAlarmSampleTypePairs);
const CvOptionList kAlarmStartup(kAlarmStartupPairs);
const CvOptionList kEventType(kEventTypePairs);
const CvOptionList kBridgeType(kBridgeTypePairs);
const CvOptionList kFdbStatus(kFdbStatusPairs);
const CvOptionList kStaticStatus(kStaticStatusPairs);
const CvOptionList kRipAuthType(kRipAuthTypePairs);
const CvOptionList kRipSend(kRipSendPairs);
const CvOptionList kRipReceive(kRipReceivePairs);
const CvOptionList kOspfAuthType(kOspfAuthTypePairs);
const CvOptionList kOspfImportAsExtern(kOspfImportAsExternPairs);
const CvOptionList kOspfAreaSummary(kOspfAreaSummaryPairs);
const CvOptionList kOspfLsdbType(kOspfLsdbTypePairs);
const CvOptionList kOspfNbrState(kOspfNbrStatePairs);
const CvOptionList kOspfNbmaPermanence(kOspfNbmaPermanencePairs);
const CvOptionList kMRouteProtocol(kMRouteProtocolPairs);
const CvOptionList kMRouteRtType(kMRouteRtTypePairs);
const CvOptionList kDvmrpNbrState(kDvmrpNbrStatePairs);
const CvOptionList kPimMode(kPimModePairs);
const CvOptionList kPimNbrMode(kPimNbrModePairs);

}  // namespace viewer_options
