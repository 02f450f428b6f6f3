#include "PortPages.h"

#include "CvOptionList.h"

namespace panel_pages {

namespace {

constexpr std::uint32_t kRo = CvAccess::readonly;
constexpr std::uint32_t kRw = CvAccess::readwrite;
constexpr std::uint32_t kInteger = CvSyntax::integer;

const CvIntOptionPair kPortTypePairs[] = {{0, "portType-none"},
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
const CvOptionList kPortType(kPortTypePairs);

const CvIntOptionPair kLinkStatusPairs[] = {
    {1, "other"}, {2, "link-pass"}, {3, "link-fail"}, {0, nullptr}};
const CvOptionList kLinkStatus(kLinkStatusPairs);

const CvIntOptionPair kNwayStatusPairs[] = {{0, "link-down"},
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
const CvOptionList kNwayStatus(kNwayStatusPairs);

const CvIntOptionPair kErrDisReasonPairs[] = {
    {1, "err-none"}, {2, "storm-control"}, {3, "lbd-control"}, {0, nullptr}};
const CvOptionList kErrDisReason(kErrDisReasonPairs);

const CvIntOptionPair kOtherDisabledEnabledPairs[] = {
    {1, "other"}, {2, "disabled"}, {3, "enabled"}, {0, nullptr}};
const CvOptionList kOtherDisabledEnabled(kOtherDisabledEnabledPairs);

const CvIntOptionPair kNwayStatePairs[] = {{1, "other"},
                                           {2, "nway-enabled"},
                                           {3, "nway-disabled-10Mbps-Half"},
                                           {4, "nway-disabled-10Mbps-Full"},
                                           {5, "nway-disabled-100Mbps-Half"},
                                           {6, "nway-disabled-100Mbps-Full"},
                                           {8, "nway-disabled-1Gigabps-Full"},
                                           {9, "nway-disabled-1Gigabps-Full-master"},
                                           {10, "nway-disabled-1Gigabps-Full-slave"},
                                           {0, nullptr}};
const CvOptionList kNwayState(kNwayStatePairs);

}  // namespace

const char* const kPortInformationTitle = "Port Information Table";
const char* const kPortConfigurationTitle = "Port Configuration";

const CvSNMPVarDesc kPortInformation[] = {
    {"1.3.6.1.4.1.99917.11.70.1.2.3.1.1.3", "swL2PortInfoUnitID", kInteger, kRo},
    {"1.3.6.1.4.1.99917.11.70.1.2.3.1.1.4", "swL2PortInfoType", kInteger, kRo, &kPortType},
    {"1.3.6.1.4.1.99917.11.70.1.2.3.1.1.5", "swL2PortInfoLinkStatus", kInteger, kRo, &kLinkStatus},
    {"1.3.6.1.4.1.99917.11.70.1.2.3.1.1.6", "swL2PortInfoNwayStatus", kInteger, kRo, &kNwayStatus},
    {"1.3.6.1.4.1.99917.11.70.1.2.3.1.1.7", "swL2PortInfoErrDisReason", kInteger, kRo,
     &kErrDisReason},
    {},
};

const CvSNMPVarDesc kPortConfiguration[] = {
    {"1.3.6.1.4.1.99917.11.70.1.2.3.2.1.3", "swL2PortCtrlUnitIndex", kInteger, kRo},
    {"1.3.6.1.4.1.99917.11.70.1.2.3.2.1.4", "swL2PortCtrlAdminState", kInteger, kRw,
     &kOtherDisabledEnabled},
    {"1.3.6.1.4.1.99917.11.70.1.2.3.2.1.5", "swL2PortCtrlNwayState", kInteger, kRw, &kNwayState},
    {"1.3.6.1.4.1.99917.11.70.1.2.3.2.1.6", "swL2PortCtrlFlowCtrlState", kInteger, kRw,
     &kOtherDisabledEnabled},
    {"1.3.6.1.4.1.99917.11.70.1.2.3.2.1.7", "swL2PortCtrlLockState", kInteger, kRw,
     &kOtherDisabledEnabled},
    {"1.3.6.1.4.1.99917.11.70.1.2.3.2.1.8", "swL2PortCtrlMACNotifyState", kInteger, kRw,
     &kOtherDisabledEnabled},
    {},
};

const CvSNMPVarDesc kComboLinkStatus[] = {
    {"1.3.6.1.4.1.99917.11.70.1.2.3.1.1.5", "swL2PortInfoLinkStatus", kInteger, kRo, &kLinkStatus},
    {},
};

}  // namespace panel_pages
