#pragma once

#include <vector>

#include "SnmpTransport.h"

struct snmp_pdu;
struct variable_list;

// Conversions between the engine's variable bindings and net-snmp's PDUs.
// BuildPdu returns 0 and a PDU the caller owns, or the result of the fault
// (a malformed object identifier, a value of no known type).
int BuildPdu(const SnmpTarget& target, SnmpOperation op, const std::vector<SnmpVarBind>& vbs,
             snmp_pdu*& pdu);
SnmpVarBind FromVariable(const variable_list& variable);
