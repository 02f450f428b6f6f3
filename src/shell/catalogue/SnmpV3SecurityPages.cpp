// The pages of the menus "SNMP V3" and "Security Management".

#include "CatalogueData.h"

namespace mib_catalogue {
namespace {

using namespace CvSyntax;

const CvIntOptionPair kAccessContextMatchPairs[] = {{1, "exact"}, {2, "prefix"}, {0, nullptr}};
const CvOptionList kAccessContextMatch(kAccessContextMatchPairs);

const CvIntOptionPair kAuthenticMethodPairs[] = {
    {1, "remoteAuthServer"}, {2, "localAuthServer"}, {0, nullptr}};
const CvOptionList kAuthenticMethod(kAuthenticMethodPairs);

const CvTextOptionPair kAuthenticationProtocolPairs[] = {{"1.3.6.1.6.3.10.1.1.1", "None"},
                                                         {"1.3.6.1.6.3.10.1.1.2", "MD5"},
                                                         {"1.3.6.1.6.3.10.1.1.3", "SHA"},
                                                         {nullptr, nullptr}};
const CvOptionList kAuthenticationProtocol(kAuthenticationProtocolPairs);

const CvIntOptionPair kAuthorizedPairs[] = {{1, "authorized"}, {2, "unauthorized"}, {0, nullptr}};
const CvOptionList kAuthorized(kAuthorizedPairs);

const CvIntOptionPair kBackendAuthStatePairs[] = {
    {1, "request"}, {2, "response"}, {3, "success"},    {4, "fail"},
    {5, "timeout"}, {6, "idle"},     {7, "initialize"}, {0, nullptr}};
const CvOptionList kBackendAuthState(kBackendAuthStatePairs);

const CvIntOptionPair kCertificateFileCtrlPairs[] = {
    {1, "other"}, {2, "inactive"}, {3, "start"}, {4, "delete"}, {0, nullptr}};
const CvOptionList kCertificateFileCtrl(kCertificateFileCtrlPairs);

const CvIntOptionPair kCertificateFileShowSatusPairs[] = {
    {1, "none"}, {2, "rsa"}, {3, "dsa"}, {0, nullptr}};
const CvOptionList kCertificateFileShowSatus(kCertificateFileShowSatusPairs);

const CvIntOptionPair kControlledDirectionsPairs[] = {{0, "both"}, {1, "in"}, {0, nullptr}};
const CvOptionList kControlledDirections(kControlledDirectionsPairs);

const CvIntOptionPair kDeviceAuthenticationModePairs[] = {
    {1, "portBase"}, {2, "macBase"}, {3, "none"}, {0, nullptr}};
const CvOptionList kDeviceAuthenticationMode(kDeviceAuthenticationModePairs);

const CvIntOptionPair kIncludedExcludedPairs[] = {{1, "included"}, {2, "excluded"}, {0, nullptr}};
const CvOptionList kIncludedExcluded(kIncludedExcludedPairs);

const CvIntOptionPair kNotifyTable1TypePairs[] = {{1, "trap"}, {2, "inform"}, {0, nullptr}};
const CvOptionList kNotifyTable1Type(kNotifyTable1TypePairs);

const CvIntOptionPair kPaeStatePairs[] = {
    {1, "initialize"},    {2, "disconnected"}, {3, "connecting"}, {4, "authenticating"},
    {5, "authenticated"}, {6, "aborting"},     {7, "held"},       {8, "forceAuth"},
    {9, "forceUnauth"},   {0, nullptr}};
const CvOptionList kPaeState(kPaeStatePairs);

const CvIntOptionPair kPortControlPairs[] = {
    {1, "forceUnauthorized"}, {2, "auto"}, {3, "forceAuthorized"}, {0, nullptr}};
const CvOptionList kPortControl(kPortControlPairs);

const CvTextOptionPair kPrivacyProtocolPairs[] = {
    {"1.3.6.1.6.3.10.1.2.1", "None"}, {"1.3.6.1.6.3.10.1.2.2", "DES"}, {nullptr, nullptr}};
const CvOptionList kPrivacyProtocol(kPrivacyProtocolPairs);

const CvIntOptionPair kSSHSessionKeyRekeyingPairs[] = {
    {0, "never"}, {10, "ten-min"}, {30, "thirty-min"}, {60, "sixty-min"}, {0, nullptr}};
const CvOptionList kSSHSessionKeyRekeying(kSSHSessionKeyRekeyingPairs);

const CvIntOptionPair kSecurityLevelPairs[] = {
    {1, "noAuthNoPriv"}, {2, "authNoPriv"}, {3, "authPriv"}, {0, nullptr}};
const CvOptionList kSecurityLevel(kSecurityLevelPairs);

const CvIntOptionPair kServerGroupProtocolPairs[] = {
    {1, "tacacs"}, {2, "xtacacs"}, {3, "tacacs-plus"}, {4, "radius"},
    {5, "none"},   {6, "other"},   {0, nullptr}};
const CvOptionList kServerGroupProtocol(kServerGroupProtocolPairs);

const CvIntOptionPair kServerIndexPairs[] = {{1, "RadiusServerIndex-1"},
                                             {2, "RadiusServerIndex-2"},
                                             {3, "RadiusServerIndex-3"},
                                             {0, nullptr}};
const CvOptionList kServerIndex(kServerIndexPairs);

const CvIntOptionPair kStorageTypePairs[] = {{1, "other"},     {2, "volatile"}, {3, "nonVolatile"},
                                             {4, "permanent"}, {5, "readOnly"}, {0, nullptr}};
const CvOptionList kStorageType(kStorageTypePairs);

const CvIntOptionPair kTerminateCausePairs[] = {{1, "supplicantLogoff"},
                                                {2, "portFailure"},
                                                {3, "supplicantRestart"},
                                                {4, "reauthFailed"},
                                                {5, "authControlForceUnauth"},
                                                {6, "portReInit"},
                                                {7, "portAdminDisabled"},
                                                {999, "notTerminatedYet"},
                                                {0, nullptr}};
const CvOptionList kTerminateCause(kTerminateCausePairs);

const CvIntOptionPair kUserAuthenticationProtocolPairs[] = {
    {2, "authProtocolLocal"}, {4, "authProtocolRadiusEap"}, {0, nullptr}};
const CvOptionList kUserAuthenticationProtocol(kUserAuthenticationProtocolPairs);

const CvColumnFormat kCommunityTargetAddressTableFormats[] = {{4, "%i{n0x255l3}"}};

const CvSNMPVarDesc kSnmpEngine1[] = {
    {"1.3.6.1.6.3.10.2.1.1", "Engine ID", octetstr, kRo},
    {"1.3.6.1.6.3.10.2.1.2", "Engine Boot Numbers", integer, kRo},
    {"1.3.6.1.6.3.10.2.1.3", "Engine Time", integer, kRo},
    {"1.3.6.1.6.3.10.2.1.4", "Engine Max Message Size", integer, kRo},
    {},
};

const CvSNMPVarDesc kMessageProcessingandDispatching1[] = {
    {"1.3.6.1.6.3.11.2.1.1", "Unknown Security Models", counter, kRo},
    {"1.3.6.1.6.3.11.2.1.2", "Invalid Message", counter, kRo},
    {"1.3.6.1.6.3.11.2.1.3", "Unknown PDU Handlers", counter, kRo},
    {},
};

const CvSNMPVarDesc kGeneralInformation1[] = {
    {"1.3.6.1.6.3.12.1.1", "snmpTargetSpinLock", integer, kRw},
    {"1.3.6.1.6.3.12.1.4", "snmpUnavailableContexts", counter, kRo},
    {"1.3.6.1.6.3.12.1.5", "snmpUnknownContexts", counter, kRo},
    {},
};

const CvSNMPVarDesc kCommunityTargetAddressTable[] = {
    {"1.3.6.1.6.3.12.1.2.1.1", "snmpTargetAddrName", displaystr, kKeyImplied},
    {"1.3.6.1.6.3.12.1.2.1.2", "snmpTargetAddrTDomain", objectid, kRw},
    {"1.3.6.1.6.3.12.1.2.1.3", "snmpTargetAddrTAddress", bitstr, kRw},
    {"1.3.6.1.6.3.12.1.2.1.4", "snmpTargetAddrTimeout", integer, kRw},
    {"1.3.6.1.6.3.12.1.2.1.5", "snmpTargetAddrRetryCount", integer, kRw},
    {"1.3.6.1.6.3.12.1.2.1.6", "snmpTargetAddrTagList", displaystr, kRw},
    {"1.3.6.1.6.3.12.1.2.1.7", "snmpTargetAddrParams", displaystr, kRw},
    {"1.3.6.1.6.3.12.1.2.1.8", "snmpTargetAddrStorageType", integer, kRw, &kStorageType},
    {"1.3.6.1.6.3.12.1.2.1.9", "snmpTargetAddrRowStatus", integer, kRw, &kRowStatus},
    {},
};

const CvSNMPVarDesc kTargetParameters1[] = {
    {"1.3.6.1.6.3.12.1.3.1.1", "snmpTargetParamsName", displaystr, kKeyImplied},
    {"1.3.6.1.6.3.12.1.3.1.2", "snmpTargetParamsMPModel", integer, kRw},
    {"1.3.6.1.6.3.12.1.3.1.3", "snmpTargetParamsSecurityModel", integer, kRw},
    {"1.3.6.1.6.3.12.1.3.1.4", "snmpTargetParamsSecurityName", displaystr, kRw},
    {"1.3.6.1.6.3.12.1.3.1.5", "snmpTargetParamsSecurityLevel", integer, kRw, &kSecurityLevel},
    {"1.3.6.1.6.3.12.1.3.1.6", "snmpTargetParamsStorageType", integer, kRw, &kStorageType},
    {"1.3.6.1.6.3.12.1.3.1.7", "snmpTargetParamsRowStatus", integer, kRw, &kRowStatus},
    {},
};

const CvSNMPVarDesc kStatistics2[] = {
    {"1.3.6.1.6.3.15.1.1.1", "Unsupported Security Level Packets", counter, kRo},
    {"1.3.6.1.6.3.15.1.1.2", "Not InTime Window Packets", counter, kRo},
    {"1.3.6.1.6.3.15.1.1.3", "Unknown User Name Packets", counter, kRo},
    {"1.3.6.1.6.3.15.1.1.4", "Unknown EngineID Packets", counter, kRo},
    {"1.3.6.1.6.3.15.1.1.5", "Wrong Digest Packets", counter, kRo},
    {"1.3.6.1.6.3.15.1.1.6", "Decryption Error Packets", counter, kRo},
    {},
};

const CvSNMPVarDesc kUserTable1[] = {
    {"1.3.6.1.6.3.15.1.2.2.1.1", "Engine ID", octetstr, kKey},
    {"1.3.6.1.6.3.15.1.2.2.1.2", "User Name", displaystr, kKey},
    {"1.3.6.1.6.3.15.1.2.2.1.3", "Security Name", displaystr, kRo},
    {"1.3.6.1.6.3.15.1.2.2.1.4", "Clone From", objectid, kRw},
    {"1.3.6.1.6.3.15.1.2.2.1.5", "Authentication Protocol", objectid, kRw,
     &kAuthenticationProtocol},
    {"1.3.6.1.6.3.15.1.2.2.1.6", "Authentication Key Change", displaystr, kRw},
    {"1.3.6.1.6.3.15.1.2.2.1.7", "Own Authentication Key Change", displaystr, kRw},
    {"1.3.6.1.6.3.15.1.2.2.1.8", "Privacy Protocol", objectid, kRw, &kPrivacyProtocol},
    {"1.3.6.1.6.3.15.1.2.2.1.9", "Privacy Key Change", displaystr, kRw},
    {"1.3.6.1.6.3.15.1.2.2.1.10", "Own Privacy Key Change", displaystr, kRw},
    {"1.3.6.1.6.3.15.1.2.2.1.11", "Public", displaystr, kRw},
    {"1.3.6.1.6.3.15.1.2.2.1.12", "Storage Type", integer, kRw, &kStorageType},
    {"1.3.6.1.6.3.15.1.2.2.1.13", "Status", integer, kRw, &kRowStatus},
    {},
};

const CvSNMPVarDesc kSecurityTable1[] = {
    {"1.3.6.1.6.3.16.1.2.1.1", "Security Model", integer, kKey},
    {"1.3.6.1.6.3.16.1.2.1.2", "Security Name", displaystr, kKey},
    {"1.3.6.1.6.3.16.1.2.1.3", "Group Name", displaystr, kRw},
    {"1.3.6.1.6.3.16.1.2.1.4", "Security Group Storage Type", integer, kRw, &kStorageType},
    {"1.3.6.1.6.3.16.1.2.1.5", "Security Group Status", integer, kRw, &kRowStatus},
    {},
};

const CvSNMPVarDesc kAccessTable1[] = {
    {"1.3.6.1.6.3.16.1.2.1.3", "Group Name", displaystr, kKey},
    {"1.3.6.1.6.3.16.1.4.1.1", "Access Context Prefix", displaystr, kKey},
    {"1.3.6.1.6.3.16.1.4.1.2", "Access Security Model", integer, kKey},
    {"1.3.6.1.6.3.16.1.4.1.3", "Access Security Level", integer, kKey, &kSecurityLevel},
    {"1.3.6.1.6.3.16.1.4.1.4", "Access Context Match", integer, kRw, &kAccessContextMatch},
    {"1.3.6.1.6.3.16.1.4.1.5", "Access Read View Name", displaystr, kRw},
    {"1.3.6.1.6.3.16.1.4.1.6", "Access Write View Name", displaystr, kRw},
    {"1.3.6.1.6.3.16.1.4.1.7", "Access Notify View Name", displaystr, kRw},
    {"1.3.6.1.6.3.16.1.4.1.8", "Access Storage Type", integer, kRw, &kStorageType},
    {"1.3.6.1.6.3.16.1.4.1.9", "Access Status", integer, kRw, &kRowStatus},
    {},
};

const CvSNMPVarDesc kViewTable1[] = {
    {"1.3.6.1.6.3.16.1.5.2.1.1", "vacmViewTreeFamilyViewName", displaystr, kKey},
    {"1.3.6.1.6.3.16.1.5.2.1.2", "vacmViewTreeFamilySubtree", objectid, kKey},
    {"1.3.6.1.6.3.16.1.5.2.1.3", "vacmViewTreeFamilyMask", displaystr, kRw},
    {"1.3.6.1.6.3.16.1.5.2.1.4", "vacmViewTreeFamilyType", integer, kRw, &kIncludedExcluded},
    {"1.3.6.1.6.3.16.1.5.2.1.5", "vacmViewTreeFamilyStorageType", integer, kRw, &kStorageType},
    {"1.3.6.1.6.3.16.1.5.2.1.6", "vacmViewTreeFamilyStatus", integer, kRw, &kRowStatus},
    {},
};

const CvSNMPVarDesc kNotifyTable1[] = {
    {"1.3.6.1.6.3.13.1.1.1.1", "Name", displaystr, kKeyImplied},
    {"1.3.6.1.6.3.13.1.1.1.2", "Tag", displaystr, kRw},
    {"1.3.6.1.6.3.13.1.1.1.3", "Type", integer, kRw, &kNotifyTable1Type},
    {"1.3.6.1.6.3.13.1.1.1.4", "Storage Type", integer, kRw, &kStorageType},
    {"1.3.6.1.6.3.13.1.1.1.5", "Row Status", integer, kRw, &kRowStatus},
    {},
};

const CvSNMPVarDesc kNotifyFilterProfileTale1[] = {
    {"1.3.6.1.6.3.12.1.3.1.1", "Target Params Name", displaystr, kKeyImplied},
    {"1.3.6.1.6.3.13.1.2.1.1", "Notify Filter Profile Name", displaystr, kRw},
    {"1.3.6.1.6.3.13.1.2.1.2", "Notify Filter Profile Stor Type", integer, kRw, &kStorageType},
    {"1.3.6.1.6.3.13.1.2.1.3", "Notify Filter Profile Row Status", integer, kRw, &kRowStatus},
    {},
};

const CvSNMPVarDesc kNotifyFilterEntryTable1[] = {
    {"1.3.6.1.6.3.13.1.2.1.1", "Notify Filter Profile Name", displaystr, kKey},
    {"1.3.6.1.6.3.13.1.3.1.1", "Notify Filter Subtree", objectid, kKeyImplied},
    {"1.3.6.1.6.3.13.1.3.1.2", "Notify Filter Mask", displaystr, kRw},
    {"1.3.6.1.6.3.13.1.3.1.3", "Notify Filter Type", integer, kRw, &kIncludedExcluded},
    {"1.3.6.1.6.3.13.1.3.1.4", "Notify Filter Storage Type", integer, kRw, &kStorageType},
    {"1.3.6.1.6.3.13.1.3.1.5", "Notify Filter Row Status", integer, kRw, &kRowStatus},
    {},
};

const CvSNMPVarDesc kCommunityStringTable1[] = {
    {"1.3.6.1.6.3.18.1.1.1.1", "Index", displaystr, kKeyImplied},
    {"1.3.6.1.6.3.18.1.1.1.2", "Name", displaystr, kRw},
    {"1.3.6.1.6.3.18.1.1.1.3", "Security Name", displaystr, kRw},
    {"1.3.6.1.6.3.18.1.1.1.4", "Context Engine ID", octetstr, kRw},
    {"1.3.6.1.6.3.18.1.1.1.5", "Context Name", displaystr, kRw},
    {"1.3.6.1.6.3.18.1.1.1.6", "Transport Tag", displaystr, kRw},
    {"1.3.6.1.6.3.18.1.1.1.7", "Storage Type", integer, kRw, &kStorageType},
    {"1.3.6.1.6.3.18.1.1.1.8", "Status", integer, kRw, &kRowStatus},
    {},
};

const CvSNMPVarDesc kTargetAddressTable1[] = {
    {"1.3.6.1.6.3.12.1.2.1.1", "Target Addr Name", displaystr, kKeyImplied},
    {"1.3.6.1.6.3.18.1.2.1.1", "Target Addr TMask", displaystr, kRw},
    {"1.3.6.1.6.3.18.1.2.1.2", "Target Addr MMS", integer, kRw},
    {},
};

const CvSNMPVarDesc kAuth1[] = {
    {"1.3.6.1.4.1.99917.12.3.1.1", "User Authentication Protocol", integer, kRw,
     &kUserAuthenticationProtocol},
    {"1.3.6.1.4.1.99917.12.3.1.2", "Device Authentication Mode", integer, kRw,
     &kDeviceAuthenticationMode},
    {},
};

const CvSNMPVarDesc kConfiguration2[] = {
    {"1.0.8802.1.1.1.1.1.1", "System Authentication Control", integer, kRw, &kEnabledDisabled},
    {},
};

const CvSNMPVarDesc kPAEPortTable1[] = {
    {"1.0.8802.1.1.1.1.1.2.1.1", "Port Number", integer, kKey},
    {"1.0.8802.1.1.1.1.1.2.1.2", "Protocol Version", guage, kRo},
    {"1.0.8802.1.1.1.1.1.2.1.3", "Capabilities", bitstr, kRo},
    {"1.0.8802.1.1.1.1.1.2.1.4", "Initialize", integer, kRw, &kTruthValue},
    {"1.0.8802.1.1.1.1.1.2.1.5", "Reauthenticate", integer, kRw, &kTruthValue},
    {},
};

const CvSNMPVarDesc kPortAuthenticationConfiguration1[] = {
    {"1.0.8802.1.1.1.1.1.2.1.1", "Port Number", integer, kKey},
    {"1.0.8802.1.1.1.1.2.1.1.1", "Pae State", integer, kRo, &kPaeState},
    {"1.0.8802.1.1.1.1.2.1.1.2", "Backend State", integer, kRo, &kBackendAuthState},
    {"1.0.8802.1.1.1.1.2.1.1.3", "Administrative Controlled Directions", integer, kRw,
     &kControlledDirections},
    {"1.0.8802.1.1.1.1.2.1.1.4", "Operational Controlled Directions", integer, kRo,
     &kControlledDirections},
    {"1.0.8802.1.1.1.1.2.1.1.5", "Port Status", integer, kRo, &kAuthorized},
    {"1.0.8802.1.1.1.1.2.1.1.6", "Port Control", integer, kRw, &kPortControl},
    {"1.0.8802.1.1.1.1.2.1.1.7", "Quiet Period", guage, kRw},
    {"1.0.8802.1.1.1.1.2.1.1.8", "Tx Period", guage, kRw},
    {"1.0.8802.1.1.1.1.2.1.1.9", "SuppTimeout", guage, kRw},
    {"1.0.8802.1.1.1.1.2.1.1.10", "ServerTimeout", guage, kRw},
    {"1.0.8802.1.1.1.1.2.1.1.11", "MaxReq", guage, kRw},
    {"1.0.8802.1.1.1.1.2.1.1.12", "ReAuthenticate Period", guage, kRw},
    {"1.0.8802.1.1.1.1.2.1.1.13", "ReAuthenticate Enabled", integer, kRw, &kTruthValue},
    {"1.0.8802.1.1.1.1.2.1.1.14", "KeyTx Enabled", integer, kRw, &kTruthValue},
    {},
};

// The rows are keyed by port: the port number leads, so the walk decodes
// the row index into it and not into the first counter.
const CvSNMPVarDesc kPortAuthStatistics1[] = {
    {"1.0.8802.1.1.1.1.1.2.1.1", "Port Number", integer, kKey},
    {"1.0.8802.1.1.1.1.2.2.1.1", "EAPOL Frames Rx", counter, kRo},
    {"1.0.8802.1.1.1.1.2.2.1.2", "EAPOL Frames Tx", counter, kRo},
    {"1.0.8802.1.1.1.1.2.2.1.3", "EAPOL Start Frames Rx", counter, kRo},
    {"1.0.8802.1.1.1.1.2.2.1.4", "EAPOL Logoff Frames Rx", counter, kRo},
    {"1.0.8802.1.1.1.1.2.2.1.5", "EAPOL Resp/Ip Frames Rx", counter, kRo},
    {"1.0.8802.1.1.1.1.2.2.1.6", "EAPOL Response Frames Rx", counter, kRo},
    {"1.0.8802.1.1.1.1.2.2.1.7", "EAPOL Req/Id FramesTx", counter, kRo},
    {"1.0.8802.1.1.1.1.2.2.1.8", "EAPOL Response Frames Tx", counter, kRo},
    {"1.0.8802.1.1.1.1.2.2.1.9", "Invalid EAPOL FramesRx", counter, kRo},
    {"1.0.8802.1.1.1.1.2.2.1.10", "EAPOL Length Error Frames Rx", counter, kRo},
    {"1.0.8802.1.1.1.1.2.2.1.11", "Last EAPOL Frame Version", guage, kRo},
    {"1.0.8802.1.1.1.1.2.2.1.12", "Last EAPOLF rame Source", macaddress, kRo},
    {},
};

// The rows are keyed by port: the port number leads, so the walk decodes
// the row index into it and not into the first counter.
const CvSNMPVarDesc kDiagnostics1[] = {
    {"1.0.8802.1.1.1.1.1.2.1.1", "Port Number", integer, kKey},
    {"1.0.8802.1.1.1.1.2.3.1.1", "EntersConnecting", counter, kRo},
    {"1.0.8802.1.1.1.1.2.3.1.2", "EapLogoffsWhileConnecting", counter, kRo},
    {"1.0.8802.1.1.1.1.2.3.1.3", "EntersAuthenticating", counter, kRo},
    {"1.0.8802.1.1.1.1.2.3.1.4", "AuthSuccessWhileAuthenticating", counter, kRo},
    {"1.0.8802.1.1.1.1.2.3.1.5", "AuthTimeoutsWhileAuthenticating", counter, kRo},
    {"1.0.8802.1.1.1.1.2.3.1.6", "AuthFailWhileAuthenticating", counter, kRo},
    {"1.0.8802.1.1.1.1.2.3.1.7", "AuthReauthsWhileAuthenticating", counter, kRo},
    {"1.0.8802.1.1.1.1.2.3.1.8", "AuthEapStartsWhileAuthenticating", counter, kRo},
    {"1.0.8802.1.1.1.1.2.3.1.9", "AuthEapLogoffWhileAuthenticating", counter, kRo},
    {"1.0.8802.1.1.1.1.2.3.1.10", "AuthReauthsWhileAuthenticated", counter, kRo},
    {"1.0.8802.1.1.1.1.2.3.1.11", "AuthEapStartsWhileAuthenticated", counter, kRo},
    {"1.0.8802.1.1.1.1.2.3.1.12", "AuthEapLogoffWhileAuthenticated", counter, kRo},
    {"1.0.8802.1.1.1.1.2.3.1.13", "BackendResponses", counter, kRo},
    {"1.0.8802.1.1.1.1.2.3.1.14", "BackendAccessChallenges", counter, kRo},
    {"1.0.8802.1.1.1.1.2.3.1.15", "BackendOtherRequestsToSupplicant", counter, kRo},
    {"1.0.8802.1.1.1.1.2.3.1.16", "BackendNonNakResponsesFromSupplicant", counter, kRo},
    {"1.0.8802.1.1.1.1.2.3.1.17", "BackendAuthSuccesses", counter, kRo},
    {"1.0.8802.1.1.1.1.2.3.1.18", "BackendAuthFails", counter, kRo},
    {},
};

const CvSNMPVarDesc kPortSessionStatistics1[] = {
    {"1.0.8802.1.1.1.1.1.2.1.1", "Port Number", integer, kKey},
    {"1.0.8802.1.1.1.1.2.4.1.1", "dot1xAuthSessionOctetsRx", counter64, kRo},
    {"1.0.8802.1.1.1.1.2.4.1.2", "dot1xAuthSessionOctetsTx", counter64, kRo},
    {"1.0.8802.1.1.1.1.2.4.1.3", "dot1xAuthSessionFramesRx", counter, kRo},
    {"1.0.8802.1.1.1.1.2.4.1.4", "dot1xAuthSessionFramesTx", counter, kRo},
    {"1.0.8802.1.1.1.1.2.4.1.5", "dot1xAuthSessionId", displaystr, kRo},
    {"1.0.8802.1.1.1.1.2.4.1.6", "dot1xAuthSessionAuthenticMethod", integer, kRo,
     &kAuthenticMethod},
    {"1.0.8802.1.1.1.1.2.4.1.7", "dot1xAuthSessionTime", timeticks, kRo},
    {"1.0.8802.1.1.1.1.2.4.1.8", "dot1xAuthSessionTerminateCause", integer, kRo, &kTerminateCause},
    {"1.0.8802.1.1.1.1.2.4.1.9", "dot1xAuthSessionUserName", displaystr, kRo},
    {},
};

const CvSNMPVarDesc kStateTable1[] = {
    {"1.3.6.1.4.1.99917.12.3.6.1.1.1", "swPaeMacAddr", macaddress, kRo},
    {"1.3.6.1.4.1.99917.12.3.6.1.1.2", "swPaePortNumber", integer, kRo},
    {"1.3.6.1.4.1.99917.12.3.6.1.1.3", "swAuthPaeState", integer, kRo, &kPaeState},
    {"1.3.6.1.4.1.99917.12.3.6.1.1.4", "swAuthBackendAuthState", integer, kRo, &kBackendAuthState},
    {"1.3.6.1.4.1.99917.12.3.6.1.1.5", "swAuthAuthControlledPortStatus", integer, kRo,
     &kAuthorized},
    {},
};

const CvSNMPVarDesc kSessionInformation1[] = {
    {"1.3.6.1.4.1.99917.12.3.6.1.1.1", "swPaeMacAddr", macaddress, kRo},
    {"1.3.6.1.4.1.99917.12.3.6.1.1.2", "swPaePortNumber", integer, kKey},
    {"1.3.6.1.4.1.99917.12.3.6.4.1.1", "swAuthSessionOctetsRx", counter64, kRo},
    {"1.3.6.1.4.1.99917.12.3.6.4.1.2", "swAuthSessionOctetsTx", counter64, kRo},
    {"1.3.6.1.4.1.99917.12.3.6.4.1.3", "swAuthSessionFramesRx", counter, kRo},
    {"1.3.6.1.4.1.99917.12.3.6.4.1.4", "swAuthSessionFramesTx", counter, kRo},
    {"1.3.6.1.4.1.99917.12.3.6.4.1.5", "swAuthSessionId", displaystr, kRo},
    {"1.3.6.1.4.1.99917.12.3.6.4.1.6", "swAuthSessionAuthenticMethod", integer, kRo,
     &kAuthenticMethod},
    {"1.3.6.1.4.1.99917.12.3.6.4.1.7", "swAuthSessionTime", timeticks, kRo},
    {"1.3.6.1.4.1.99917.12.3.6.4.1.8", "swAuthSessionTerminateCause", integer, kRo,
     &kTerminateCause},
    {"1.3.6.1.4.1.99917.12.3.6.4.1.9", "swAuthSessionUserName", displaystr, kRo},
    {},
};

const CvSNMPVarDesc kRadiusServerTabl1[] = {
    {"1.3.6.1.4.1.99917.12.3.2.4.1.1", "Server Index", integer, kKey, &kServerIndex},
    {"1.3.6.1.4.1.99917.12.3.2.4.1.2", "Server IP", ipaddress, kRw},
    {"1.3.6.1.4.1.99917.12.3.2.4.1.3", "Server Key", displaystr, kRw},
    {"1.3.6.1.4.1.99917.12.3.2.4.1.4", "Auth Port Number", guage, kRw},
    {"1.3.6.1.4.1.99917.12.3.2.4.1.5", "Acct Port Number", guage, kRw},
    {"1.3.6.1.4.1.99917.12.3.2.4.1.6", "Server Status", integer, kRw, &kRowStatus},
    {},
};

const CvSNMPVarDesc kAuthenticationServer1[] = {
    {"1.3.6.1.2.1.67.1.2.1.1.1", "Unknown Address Packets", counter, kRo},
    {"1.3.6.1.2.1.67.1.2.1.1.2", "Authentication Client Identifier", displaystr, kRo},
    {},
};

const CvSNMPVarDesc kAuthenticationServerTable1[] = {
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.1", "Index", integer, kKey},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.2", "Address", ipaddress, kRo},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.3", "Authentication Port Number", integer, kRo},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.4", "Round Trip Time", timeticks, kRo},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.5", "Access-Requests Packets", counter, kRo},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.6", "Access-Retransmissions Packets", counter, kRo},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.7", "Access-Accepts Packets", counter, kRo},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.8", "Access-Rejects Packets", counter, kRo},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.9", "Access-Challenges Packets", counter, kRo},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.10", "Malformed Access Responses Packets", counter, kRo},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.11", "Bad Authenticators Packets", counter, kRo},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.12", "Pending Requests Packets", guage, kRo},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.13", "Timeout Numbers", counter, kRo},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.14", "Unknown Types Packets", counter, kRo},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.15", "Packets Dropped", counter, kRo},
    {},
};

const CvSNMPVarDesc kAccountingServerInformation1[] = {
    {"1.3.6.1.2.1.67.2.2.1.1.1", "Unknown Address Packets", counter, kRo},
    {"1.3.6.1.2.1.67.2.2.1.1.2", "Accouting Client Identifier", displaystr, kRo},
    {},
};

const CvSNMPVarDesc kAccountingServerTable1[] = {
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.1", "Index", integer, kKey},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.2", "Address", ipaddress, kRo},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.3", "Accouting Port Number", integer, kRo},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.4", "Round Trip Time", timeticks, kRo},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.5", "Requests Packets", counter, kRo},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.6", "Retransmissions Packets", counter, kRo},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.7", "Responses Packets", counter, kRo},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.8", "Malformed Responses Packets", counter, kRo},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.9", "Bad Authenticators Packets", counter, kRo},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.10", "Pending Requests Packets", guage, kRo},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.11", "Timeout Numbers", counter, kRo},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.12", "Unknown Types Packets", counter, kRo},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.13", "Packets Dropped", counter, kRo},
    {},
};

const CvSNMPVarDesc kTACACSControl1[] = {
    {"1.3.6.1.4.1.99917.12.5.1.1", "swAACAuthenAdminState", integer, kRw, &kDisabledEnabled},
    {},
};

const CvSNMPVarDesc kTACACSInformation1[] = {
    {"1.3.6.1.4.1.99917.12.5.2.1", "AAC Max Method List", integer, kRo},
    {"1.3.6.1.4.1.99917.12.5.2.2", "AAC Max Enable Method List", integer, kRo},
    {"1.3.6.1.4.1.99917.12.5.2.3", "AAC Max ServerGroup", integer, kRo},
    {"1.3.6.1.4.1.99917.12.5.2.4", "AAC Max Server", integer, kRo},
    {"1.3.6.1.4.1.99917.12.5.8.1", "AAC Response Timeout[1..255]", integer, kRw},
    {"1.3.6.1.4.1.99917.12.5.8.2", "AAC Attempt[1..255]", integer, kRw},
    {},
};

const CvSNMPVarDesc kLoginInformation1[] = {
    {"1.3.6.1.4.1.99917.12.5.7.1.1", "AP Console LoginMethod", displaystr, kRw},
    {"1.3.6.1.4.1.99917.12.5.7.2.1", "AP Console EnableMethod", displaystr, kRw},
    {"1.3.6.1.4.1.99917.12.5.7.1.2", "AP Telnet LoginMethod", displaystr, kRw},
    {"1.3.6.1.4.1.99917.12.5.7.2.2", "AP Telnet EnableMethod", displaystr, kRw},
    {"1.3.6.1.4.1.99917.12.5.7.1.3", "AP SSH LoginMethod", displaystr, kRw},
    {"1.3.6.1.4.1.99917.12.5.7.2.3", "AP SSH EnableMethod", displaystr, kRw},
    {"1.3.6.1.4.1.99917.12.5.7.1.4", "AP Http LoginMethod", displaystr, kRw},
    {"1.3.6.1.4.1.99917.12.5.7.2.4", "AP Http EnableMethod", displaystr, kRw},
    {},
};

const CvSNMPVarDesc kServerGroup1[] = {
    {"1.3.6.1.4.1.99917.12.5.9.1.1", "swAACServerGroupName", displaystr, kKey},
    {"1.3.6.1.4.1.99917.12.5.9.1.2", "swAACServerGroupIPAddr1", ipaddress, kRo},
    {"1.3.6.1.4.1.99917.12.5.9.1.3", "swAACServerGroupAuthProtocol1", integer, kRo,
     &kServerGroupProtocol},
    {"1.3.6.1.4.1.99917.12.5.9.1.4", "swAACServerGroupIPAddr2", ipaddress, kRo},
    {"1.3.6.1.4.1.99917.12.5.9.1.5", "swAACServerGroupAuthProtocol2", integer, kRo,
     &kServerGroupProtocol},
    {"1.3.6.1.4.1.99917.12.5.9.1.6", "swAACServerGroupIPAddr3", ipaddress, kRo},
    {"1.3.6.1.4.1.99917.12.5.9.1.7", "swAACServerGroupAuthProtocol3", integer, kRo,
     &kServerGroupProtocol},
    {"1.3.6.1.4.1.99917.12.5.9.1.8", "swAACServerGroupIPAddr4", ipaddress, kRo},
    {"1.3.6.1.4.1.99917.12.5.9.1.9", "swAACServerGroupAuthProtocol4", integer, kRo,
     &kServerGroupProtocol},
    {"1.3.6.1.4.1.99917.12.5.9.1.10", "swAACServerGroupIPAddr5", ipaddress, kRo},
    {"1.3.6.1.4.1.99917.12.5.9.1.11", "swAACServerGroupAuthProtocol5", integer, kRo,
     &kServerGroupProtocol},
    {"1.3.6.1.4.1.99917.12.5.9.1.12", "swAACServerGroupIPAddr6", ipaddress, kRo},
    {"1.3.6.1.4.1.99917.12.5.9.1.13", "swAACServerGroupAuthProtocol6", integer, kRo,
     &kServerGroupProtocol},
    {"1.3.6.1.4.1.99917.12.5.9.1.14", "swAACServerGroupIPAddr7", ipaddress, kRo},
    {"1.3.6.1.4.1.99917.12.5.9.1.15", "swAACServerGroupAuthProtocol7", integer, kRo,
     &kServerGroupProtocol},
    {"1.3.6.1.4.1.99917.12.5.9.1.16", "swAACServerGroupIPAddr8", ipaddress, kRo},
    {"1.3.6.1.4.1.99917.12.5.9.1.17", "swAACServerGroupAuthProtocol8", integer, kRo,
     &kServerGroupProtocol},
    {"1.3.6.1.4.1.99917.12.5.9.1.18", "swAACServerGroupRowStatus", integer, kRw, &kRowStatus},
    {},
};

const CvSNMPVarDesc kSSHManagement1[] = {
    {"1.3.6.1.4.1.99917.12.6.1.1", "SSH Version", integer, kRo},
    {"1.3.6.1.4.1.99917.12.6.1.2", "SSH Administration", integer, kRw, &kDisabledEnabled},
    {"1.3.6.1.4.1.99917.12.6.1.3", "SSH Max Authentication Fail Attempts", integer, kRw},
    {"1.3.6.1.4.1.99917.12.6.1.4", "SSH Session Key Rekeying", integer, kRw,
     &kSSHSessionKeyRekeying},
    {"1.3.6.1.4.1.99917.12.6.1.5", "swSSHMaxSession", integer, kRw},
    {"1.3.6.1.4.1.99917.12.6.1.6", "swSSHConnectionTimeout", integer, kRw},
    {"1.3.6.1.4.1.99917.12.6.1.7", "swSSHListenedPort", integer, kRo},
    {},
};

const CvSNMPVarDesc kDiffieHellmanAlgorithm1[] = {
    {"1.3.6.1.4.1.99917.12.6.3.4", "SSH Key Expand Administration", integer, kRo,
     &kDisabledEnabled},
    {},
};

const CvSNMPVarDesc kEncryptionAlgorithm1[] = {
    {"1.3.6.1.4.1.99917.12.6.3.1.1", "3DES state", integer, kRw, &kDisabledEnabled},
    {"1.3.6.1.4.1.99917.12.6.3.1.2", "Blowfish state", integer, kRw, &kDisabledEnabled},
    {"1.3.6.1.4.1.99917.12.6.3.1.3", "AES128 state", integer, kRw, &kDisabledEnabled},
    {"1.3.6.1.4.1.99917.12.6.3.1.4", "AES192 state", integer, kRw, &kDisabledEnabled},
    {"1.3.6.1.4.1.99917.12.6.3.1.5", "AES256 state", integer, kRw, &kDisabledEnabled},
    {"1.3.6.1.4.1.99917.12.6.3.1.6", "Arcfour state", integer, kRw, &kDisabledEnabled},
    {"1.3.6.1.4.1.99917.12.6.3.1.7", "Cast128 state", integer, kRw, &kDisabledEnabled},
    {"1.3.6.1.4.1.99917.12.6.3.1.8", "Twofish128 state", integer, kRw, &kDisabledEnabled},
    {"1.3.6.1.4.1.99917.12.6.3.1.9", "Twofish192 state", integer, kRw, &kDisabledEnabled},
    {"1.3.6.1.4.1.99917.12.6.3.1.10", "Twofish256 state", integer, kRw, &kDisabledEnabled},
    {"1.3.6.1.4.1.99917.12.6.3.3.1", "SHA state", integer, kRw, &kDisabledEnabled},
    {"1.3.6.1.4.1.99917.12.6.3.3.2", "MD5 state", integer, kRw, &kDisabledEnabled},
    {"1.3.6.1.4.1.99917.12.6.3.5.1", "RSA state", integer, kRw, &kDisabledEnabled},
    {"1.3.6.1.4.1.99917.12.6.3.5.2", "DSA state", integer, kRw, &kDisabledEnabled},
    {},
};

const CvSNMPVarDesc kAuthenticationMethod1[] = {
    {"1.3.6.1.4.1.99917.12.6.3.2.1", "Password Authentication Administration", integer, kRw,
     &kDisabledEnabled},
    {"1.3.6.1.4.1.99917.12.6.3.2.2", "Public Key Authentication Administration", integer, kRw,
     &kDisabledEnabled},
    {"1.3.6.1.4.1.99917.12.6.3.2.3", "Host Key Authentication Administration", integer, kRw,
     &kDisabledEnabled},
    {},
};

const CvSNMPVarDesc kHMACAlgorithm1[] = {
    {"1.3.6.1.4.1.99917.12.6.3.3.1", "HMAC-SHA1 Administration", integer, kRw, &kDisabledEnabled},
    {"1.3.6.1.4.1.99917.12.6.3.3.2", "HMAC-MD5 Administration", integer, kRw, &kDisabledEnabled},
    {},
};

const CvSNMPVarDesc kPublicKeyAlgorithm1[] = {
    {"1.3.6.1.4.1.99917.12.6.3.5.1", "RSA state", integer, kRw, &kDisabledEnabled},
    {"1.3.6.1.4.1.99917.12.6.3.5.2", "DSA state", integer, kRw, &kDisabledEnabled},
    {},
};

const CvSNMPVarDesc kSSLCertificateLevel1[] = {
    {"1.3.6.1.4.1.99917.12.7.2.1", "Certificate File IP Address", ipaddress, kRw},
    {"1.3.6.1.4.1.99917.12.7.2.2", "Certificate File Path", displaystr, kRw},
    {"1.3.6.1.4.1.99917.12.7.2.3", "Certificate Key File Path", displaystr, kRw},
    {"1.3.6.1.4.1.99917.12.7.2.4", "Certificate File Ctrl", integer, kRw, &kCertificateFileCtrl},
    {"1.3.6.1.4.1.99917.12.7.2.5", "Certificate File Show Satus", integer, kRo,
     &kCertificateFileShowSatus},
    {},
};

const CvSNMPVarDesc kGlobalManagement1[] = {
    {"1.3.6.1.4.1.99917.12.19.1.1", "swBulWarkAdminState", integer, kRw, &kOtherDisabledEnabled},
    {},
};

const CvSNMPVarDesc kArpStormControl1[] = {
    {"1.3.6.1.4.1.99917.12.19.3.1", "swArpStormThreshold", integer, kRw},
    {},
};

const CvSNMPVarDesc kPortInformation3[] = {
    {"1.3.6.1.4.1.99917.12.23.3.2.1.1", "swIpMacBindingPortIndex", integer, kKey},
    {"1.3.6.1.4.1.99917.12.23.3.2.1.2", "swIpMacBindingPortState", integer, kRw, &kEnable2Disable3},
    {},
};

const CvMibPage kPages[] = {
    {.Name = "snmpEngine1",
     .Title = "SNMP Engine",
     .Kind = CvPageKind::Scalar,
     .Records = kSnmpEngine1},
    {.Name = "MessageProcessingandDispatching1",
     .Title = "Message Processingand Dispatching",
     .Kind = CvPageKind::Scalar,
     .Records = kMessageProcessingandDispatching1},
    {.Name = "GeneralInformation1",
     .Title = "General Information",
     .Kind = CvPageKind::Scalar,
     .Records = kGeneralInformation1},
    {.Name = "CommunityTargetAddressTable",
     .Title = "Target Address Table",
     .Kind = CvPageKind::Table,
     .ItemType = MVT_UMV,
     .PKeyCount = 1,
     .StatusColumn = 8,
     .AddStatus = "createAndGo",
     .DeleteStatus = "destroy",
     .Formats = kCommunityTargetAddressTableFormats,
     .Records = kCommunityTargetAddressTable},
    {.Name = "TargetParameters1",
     .Title = "Target Parameters",
     .Kind = CvPageKind::Table,
     .ItemType = MVT_UMV,
     .PKeyCount = 1,
     .StatusColumn = 6,
     .AddStatus = "createAndGo",
     .DeleteStatus = "destroy",
     .Records = kTargetParameters1},
    {.Name = "Statistics2",
     .Title = "Statistics",
     .Kind = CvPageKind::Scalar,
     .Records = kStatistics2},
    {.Name = "UserTable1",
     .Title = "User Table",
     .Kind = CvPageKind::Table,
     .ItemType = MVT_UMV,
     .PKeyCount = 2,
     .StatusColumn = 12,
     .AddStatus = "createAndGo",
     .DeleteStatus = "destroy",
     .Records = kUserTable1},
    {.Name = "SecurityTable1",
     .Title = "Security Group Table",
     .Kind = CvPageKind::Table,
     .ItemType = MVT_UMV,
     .PKeyCount = 2,
     .StatusColumn = 4,
     .AddStatus = "createAndGo",
     .DeleteStatus = "destroy",
     .Records = kSecurityTable1},
    {.Name = "AccessTable1",
     .Title = "Access Table",
     .Kind = CvPageKind::Table,
     .ItemType = MVT_UMV,
     .PKeyCount = 4,
     .StatusColumn = 9,
     .AddStatus = "createAndGo",
     .DeleteStatus = "destroy",
     .Records = kAccessTable1},
    {.Name = "ViewTable1",
     .Title = "View MIB Tree Family Table",
     .Kind = CvPageKind::Table,
     .ItemType = MVT_UMV,
     .PKeyCount = 2,
     .StatusColumn = 5,
     .AddStatus = "createAndGo",
     .DeleteStatus = "destroy",
     .Records = kViewTable1},
    {.Name = "NotifyTable1",
     .Title = "Notify Table",
     .Kind = CvPageKind::Table,
     .ItemType = MVT_UMV,
     .PKeyCount = 1,
     .StatusColumn = 4,
     .AddStatus = "createAndGo",
     .DeleteStatus = "destroy",
     .Records = kNotifyTable1},
    {.Name = "NotifyFilterProfileTale1",
     .Title = "Notify Filter Profile Table",
     .Kind = CvPageKind::Table,
     .ItemType = MVT_UMV,
     .PKeyCount = 1,
     .StatusColumn = 3,
     .AddStatus = "createAndGo",
     .DeleteStatus = "destroy",
     .Sizes = kHeight450,
     .Records = kNotifyFilterProfileTale1},
    {.Name = "NotifyFilterEntryTable1",
     .Title = "Notify Filter Table",
     .Kind = CvPageKind::Table,
     .ItemType = MVT_UMV,
     .PKeyCount = 2,
     .StatusColumn = 5,
     .AddStatus = "createAndGo",
     .DeleteStatus = "destroy",
     .Records = kNotifyFilterEntryTable1},
    {.Name = "CommunityStringTable1",
     .Title = "SNMP Community Table",
     .Kind = CvPageKind::Table,
     .ItemType = MVT_UMV,
     .PKeyCount = 1,
     .StatusColumn = 7,
     .AddStatus = "createAndGo",
     .DeleteStatus = "destroy",
     .Records = kCommunityStringTable1},
    {.Name = "TargetAddressTable1",
     .Title = "Target Address Table",
     .Kind = CvPageKind::Table,
     .ItemType = MVT_UMV,
     .PKeyCount = 1,
     .Records = kTargetAddressTable1},
    {.Name = "Auth1",
     .Title = "Authentication Mode Setting",
     .Kind = CvPageKind::Scalar,
     .Sizes = kEditWidth142HeightPlus10,
     .Records = kAuth1},
    {.Name = "Configuration2",
     .Title = "802.1X Configuration",
     .Kind = CvPageKind::Scalar,
     .Records = kConfiguration2},
    {.Name = "PAEPortTable1",
     .Title = "802.1X Port Table",
     .Kind = CvPageKind::Table,
     .ItemType = MVT_UMV,
     .PKeyCount = 1,
     .Records = kPAEPortTable1},
    {.Name = "PortAuthenticationConfiguration1",
     .Title = "802.1X Port Configuration",
     .Kind = CvPageKind::Table,
     .ItemType = MVT_UMV,
     .PKeyCount = 1,
     .Records = kPortAuthenticationConfiguration1},
    {.Name = "PortAuthStatistics1",
     .Title = "Port Statistics",
     .Kind = CvPageKind::Table,
     .ItemType = MVT_FMV,
     .PKeyCount = 1,
     .Records = kPortAuthStatistics1},
    {.Name = "Diagnostics1",
     .Title = "Port Diagnostics",
     .Kind = CvPageKind::Table,
     .ItemType = MVT_UMV,
     .PKeyCount = 1,
     .Records = kDiagnostics1},
    {.Name = "PortSessionStatistics1",
     .Title = "Port Session Statistics",
     .Kind = CvPageKind::Table,
     .ItemType = MVT_FMV,
     .PKeyCount = 1,
     .Records = kPortSessionStatistics1},
    {.Name = "StateTable1",
     .Title = "State Table",
     .Kind = CvPageKind::Table,
     .ItemType = MVT_FMV,
     .PKeyCount = 2,
     .Records = kStateTable1},
    {.Name = "SessionInformation1",
     .Title = "Session Information ",
     .Kind = CvPageKind::Table,
     .ItemType = MVT_FMV,
     .PKeyCount = 2,
     .Records = kSessionInformation1},
    {.Name = "RadiusServerTabl1",
     .Title = "Radius Server Table",
     .Kind = CvPageKind::Table,
     .ItemType = MVT_UMV,
     .PKeyCount = 1,
     .StatusColumn = 5,
     .AddStatus = "createAndGo",
     .DeleteStatus = "destroy",
     .Sizes = kHeight450,
     .Records = kRadiusServerTabl1},
    {.Name = "AuthenticationServer1",
     .Title = "Authentication Information",
     .Kind = CvPageKind::Scalar,
     .Records = kAuthenticationServer1},
    {.Name = "AuthenticationServerTable1",
     .Title = "Radius Authentication Table",
     .Kind = CvPageKind::Table,
     .ItemType = MVT_FMV,
     .PKeyCount = 1,
     .Records = kAuthenticationServerTable1},
    {.Name = "AccountingServerInformation1",
     .Title = "Accounting Basic Information",
     .Kind = CvPageKind::Scalar,
     .Records = kAccountingServerInformation1},
    {.Name = "AccountingServerTable1",
     .Title = "Accounting Server Table",
     .Kind = CvPageKind::Table,
     .ItemType = MVT_FMV,
     .PKeyCount = 1,
     .Records = kAccountingServerTable1},
    {.Name = "TACACSControl1",
     .Title = "TACACS+ Control",
     .Kind = CvPageKind::Scalar,
     .Records = kTACACSControl1},
    {.Name = "TACACSInformation1",
     .Title = "TACACS+ Information Table",
     .Kind = CvPageKind::Scalar,
     .Records = kTACACSInformation1},
    {.Name = "LoginInformation1",
     .Title = "Login Information",
     .Kind = CvPageKind::Scalar,
     .Records = kLoginInformation1},
    {.Name = "ServerGroup1",
     .Title = "Server Group Table",
     .CaptionWithAddress = true,
     .Kind = CvPageKind::Table,
     .ItemType = MVT_FMV,
     .PKeyCount = 1,
     .StatusColumn = 17,
     .AddStatus = "createAndGo",
     .DeleteStatus = "destroy",
     .NoEditButton = true,
     .Records = kServerGroup1},
    {.Name = "SSHManagement1",
     .Title = "SSH Management Table",
     .Kind = CvPageKind::Scalar,
     .Records = kSSHManagement1},
    {.Name = "DiffieHellmanAlgorithm1",
     .Title = "Diffie Hellman Algorithm Control",
     .Hidden = true,
     .Kind = CvPageKind::Scalar,
     .Records = kDiffieHellmanAlgorithm1},
    {.Name = "EncryptionAlgorithm1",
     .Title = "Encryption Algorithm Control",
     .Kind = CvPageKind::Scalar,
     .Records = kEncryptionAlgorithm1},
    {.Name = "AuthenticationMethod1",
     .Title = "Authentication Method Control",
     .Kind = CvPageKind::Scalar,
     .Records = kAuthenticationMethod1},
    {.Name = "HMACAlgorithm1",
     .Title = "HMAC Algorithm Control",
     .Hidden = true,
     .Kind = CvPageKind::Scalar,
     .Sizes = kHeightPlus15,
     .Records = kHMACAlgorithm1},
    {.Name = "PublicKeyAlgorithm1",
     .Title = "Public Key Algorithm Control",
     .Hidden = true,
     .Kind = CvPageKind::Scalar,
     .Records = kPublicKeyAlgorithm1},
    {.Name = "SSLCertificateLevel1",
     .Title = "SSL Certificate File",
     .Kind = CvPageKind::Scalar,
     .Sizes = kHeightPlus20,
     .Records = kSSLCertificateLevel1},
    {.Name = "GlobalManagement1",
     .Title = "Bulwark Global Management",
     .Kind = CvPageKind::Scalar,
     .Records = kGlobalManagement1},
    {.Name = "ArpStormControl1",
     .Title = "ARP Storm Control",
     .Hidden = true,
     .Kind = CvPageKind::Scalar,
     .Records = kArpStormControl1},
    {.Name = "PortInformation3",
     .Title = "IP-MAC Binding Port Table",
     .Kind = CvPageKind::Table,
     .ItemType = MVT_UMV,
     .PKeyCount = 1,
     .Sizes = kHeight450,
     .Records = kPortInformation3},
};

}  // namespace

std::span<const CvMibPage> SnmpV3SecurityPages() {
    return kPages;
}

}  // namespace mib_catalogue
