#pragma once

#include <string>

#include "SnmpTransport.h"

class CvSNMPRequest;

// The target and PDU header of one exchange from a request's copy of the
// settings. An address that resolves to nothing raises -509.
SnmpTarget BuildTargets(const CvSNMPRequest& request);

// A DNS name is resolved once and kept: a slow resolver must not freeze the
// window at every row of a walk or every poll. A failed exchange (any code
// but 0) forgets the name of its agent, so the next one resolves it again.
void NoteExchangeFailed(const std::string& address, int code);
void ForgetResolvedAddresses();

// Tests count resolutions through their own resolver; null restores ours.
using CvAddressResolver = bool (*)(const std::string& name, std::string& literal);
void SetAddressResolver(CvAddressResolver resolver);
