#pragma once

#include "SnmpTransport.h"

class CvSNMPRequest;

// The target and PDU header of one exchange from a request's copy of the
// settings. An address that resolves to nothing raises -509.
SnmpTarget BuildTargets(const CvSNMPRequest& request);
