#include "NetSnmpResults.h"

#include <cerrno>
#include <string>

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

#include "SnmpTransport.h"

int MapLibraryError(int libraryError, int systemError) {
    switch (libraryError) {
        case SNMPERR_SUCCESS:
            return SnmpResult::Success;
        case SNMPERR_TIMEOUT:
            return SnmpResult::Timeout;
        case SNMPERR_BAD_ADDRESS:
            return SnmpResult::InvalidAddress;
        case SNMPERR_BAD_LOCPORT:
            return -21;
        case SNMPERR_NO_SOCKET:
        case SNMPERR_TRANSPORT_NO_CONFIG:
            return -22;
        case SNMPERR_TRANSPORT_CONFIG_ERROR:
            return -20;
        case SNMPERR_MALLOC:
            return -2;
        case SNMPERR_BAD_SENDTO:
            return systemError == EACCES || systemError == EPERM ? -23 : -22;
        case SNMPERR_V2_IN_V1:
        case SNMPERR_V1_IN_V2:
        case SNMPERR_BAD_VERSION:
            return -16;
        case SNMPERR_TOO_LONG:
        case SNMPERR_BAD_ASN1_BUILD:
        case SNMPERR_UNKNOWN_PDU:
        case SNMPERR_NULL_PDU:
        case SNMPERR_NO_VARS:
        case SNMPERR_VAR_TYPE:
            return SnmpResult::InvalidPdu;
        case SNMPERR_BAD_SESSION:
            return -10;
        case SNMPERR_UNKNOWN_SEC_MODEL:
            return -1402;
        case SNMPERR_INVALID_MSG:
            return -1405;
        case SNMPERR_BAD_ENG_ID:
            return -1406;
        case SNMPERR_USM_UNKNOWNSECURITYNAME:
        case SNMPERR_UNKNOWN_USER_NAME:
        case SNMPERR_BAD_SEC_NAME:
            return 1404;
        case SNMPERR_USM_UNSUPPORTEDSECURITYLEVEL:
        case SNMPERR_UNSUPPORTED_SEC_LEVEL:
        case SNMPERR_BAD_SEC_LEVEL:
            return 1403;
        case SNMPERR_USM_ENCRYPTIONERROR:
            return 1405;
        case SNMPERR_USM_DECRYPTIONERROR:
        case SNMPERR_DECRYPTION_ERR:
            return 1406;
        case SNMPERR_USM_AUTHENTICATIONFAILURE:
            return 1407;
        case SNMPERR_AUTHENTICATION_FAILURE:
            return 1408;
        case SNMPERR_USM_PARSEERROR:
            return 1409;
        case SNMPERR_USM_UNKNOWNENGINEID:
        case SNMPERR_UNKNOWN_ENG_ID:
            return 1410;
        case SNMPERR_USM_NOTINTIMEWINDOW:
        case SNMPERR_NOT_IN_TIME_WINDOW:
            return 1411;
        case SNMPERR_USM_GENERICERROR:
        case SNMPERR_SC_GENERAL_FAILURE:
        case SNMPERR_SC_NOT_CONFIGURED:
        case SNMPERR_KT_NOT_AVAILABLE:
        case SNMPERR_UNKNOWN_REPORT:
            return 1401;
        default:
            return SnmpResult::Error;
    }
}

int MapReportOid(std::string_view reportOid) {
    struct Counter {
        std::string_view Prefix;
        int Results[6];
    };
    // usmStats, snmpMPDStats and snmpTargetObjects counters, by their arc.
    static const Counter kCounters[] = {
        {"1.3.6.1.6.3.15.1.1.", {1403, 1411, 1404, 1410, 1408, 1406}},
        {"1.3.6.1.6.3.11.2.1.", {-1402, -1405, -1415, 1401, 1401, 1401}},
        {"1.3.6.1.6.3.12.1.", {1401, 1401, 1401, -1416, -1417, 1401}},
    };
    for (const Counter& c : kCounters) {
        if (reportOid.substr(0, c.Prefix.size()) != c.Prefix) {
            continue;
        }
        const std::string_view rest = reportOid.substr(c.Prefix.size());
        const std::size_t dot = rest.find('.');
        const std::string arc(rest.substr(0, dot));
        if (arc.size() == 1 && arc[0] >= '1' && arc[0] <= '6') {
            return c.Results[arc[0] - '1'];
        }
    }
    return 1401;
}
