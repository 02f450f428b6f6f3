#include "CvSNMPTarget.h"

#include "CvCatalogues.h"
#include "CvException.h"
#include "CvSNMPRequest.h"

SnmpTarget BuildTargets(const CvSNMPRequest& request) {
    SnmpTarget target;
    if (!ResolveAgentAddress(request.Address, target.Address)) {
        CvRaise(kErrBadAddress);
    }
    target.Port = request.Port;
    target.Version = request.Version;
    target.Retries = request.Retries;
    target.TimeoutHundredths = request.Timeout;
    target.ReadCommunity = request.ReadCommunity;
    target.WriteCommunity = request.WriteCommunity;
    // The user is registered anew with every exchange; USM is the only
    // security model of SNMPv3 targets.
    target.SecurityName = request.SecurityName;
    target.SecurityLevel = request.SecurityLevel;
    target.AuthProtocol = request.AuthProtocol;
    target.PrivProtocol = request.PrivProtocol;
    target.AuthPassword = request.AuthPassword;
    target.PrivPassword = request.PrivPassword;
    target.ContextName = request.ContextName;
    target.ContextEngineID = request.ContextEngineID;
    return target;
}
