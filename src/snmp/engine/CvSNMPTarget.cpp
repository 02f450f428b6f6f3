#include "CvSNMPTarget.h"

#include "CvCatalogues.h"
#include "CvException.h"
#include "CvSNMPRequest.h"

#include <map>

namespace {

CvAddressResolver gResolver = &ResolveAgentAddress;
std::map<std::string, std::string> gResolved;  // name -> literal address

bool Resolve(const std::string& name, std::string& literal) {
    if (const auto found = gResolved.find(name); found != gResolved.end()) {
        literal = found->second;
        return true;
    }
    if (!gResolver(name, literal)) {
        return false;
    }
    if (literal != name) {  // literal addresses need no keeping
        gResolved.emplace(name, literal);
    }
    return true;
}

}  // namespace

void NoteExchangeFailed(const std::string& address, int code) {
    if (code != kOk) {
        gResolved.erase(address);
    }
}

void ForgetResolvedAddresses() {
    gResolved.clear();
}

void SetAddressResolver(CvAddressResolver resolver) {
    gResolver = resolver != nullptr ? resolver : &ResolveAgentAddress;
    gResolved.clear();
}

SnmpTarget BuildTargets(const CvSNMPRequest& request) {
    SnmpTarget target;
    if (!Resolve(request.Address, target.Address)) {
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
