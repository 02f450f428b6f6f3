#pragma once

#include <string>

#include "SnmpTransport.h"

struct snmp_session;
struct snmp_pdu;

// The USM side of a v3 session: keys derived from the pass phrases into the
// session template (a result on failure), the agent's engine id as its
// discovery Report names it, and the removal of a user from the library's
// process-wide user table.
int SetUsmKeys(const SnmpTarget& target, snmp_session& session);
void LearnEngineId(snmp_session& session, const snmp_pdu* pdu);
void ForgetUsmUser(const std::string& name);
