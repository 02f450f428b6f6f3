#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "SnmpVarBind.h"

// The module's one SNMP channel, on net-snmp's library. Results are numbered
// as SNMP++ numbers them (0 success, 1..18 PDU error status, 1401.. USM,
// -1402.. v3 message processing, -1..-23 class errors) so that the message
// catalogues map them unchanged.

// GetBulk asks for MaxRepetitions get-next answers of every binding at once.
enum class SnmpOperation { Get, GetNext, Set, GetBulk };

// SNMP++ protocol numbers, passed through from the command line.
namespace SnmpAuth {
constexpr int None = 1, Md5 = 2, Sha = 3, Sha224 = 4, Sha256 = 5, Sha384 = 6, Sha512 = 7;
}
namespace SnmpPriv {
constexpr int None = 1, Des = 2, Aes128 = 4, Aes192 = 20, Aes256 = 21;
}

// Where one exchange goes and how it is authenticated; the PDU header fields
// (security level, context) travel with it.
struct SnmpTarget {
    std::string Address;  // a literal IPv4 or IPv6 address (see ResolveAgentAddress)
    std::uint16_t Port = 161;
    int Version = 0;  // 0 SNMPv1, 1 SNMPv2c, 3 SNMPv3
    std::string ReadCommunity;
    std::string WriteCommunity;
    int Retries = 1;
    int TimeoutHundredths = 100;
    std::string SecurityName;
    int SecurityLevel = 1;  // 1 noAuthNoPriv, 2 authNoPriv, 3 authPriv
    int AuthProtocol = SnmpAuth::None;
    int PrivProtocol = SnmpPriv::None;
    std::string AuthPassword;
    std::string PrivPassword;
    std::string ContextName;
    std::string ContextEngineID;  // hexadecimal text is sent as its bytes
    int MaxRepetitions = 0;       // of a GetBulk (no non-repeaters)
};

struct SnmpResponse {
    int ErrorStatus = 0;
    int ErrorIndex = 0;
    std::vector<SnmpVarBind> Vbs;
};

// Called once per request with the SNMP++-numbered result.
using SnmpCompletion = std::function<void(int result, const SnmpResponse& response)>;

// Results the facade produces itself.
namespace SnmpResult {
constexpr int Success = 0;
constexpr int Error = -1;
constexpr int Timeout = -5;
constexpr int SessionClosed = -8;
constexpr int InvalidPdu = -11;
constexpr int InvalidOid = -17;
constexpr int InvalidAddress = -18;
constexpr int NotInTimeWindow = 1411;
constexpr int UnknownEngineId = 1410;
constexpr int UnsupportedAuthProtocol = 1412;
constexpr int UnsupportedPrivProtocol = 1413;
}  // namespace SnmpResult

// The local engine's boots counter (our engine id is "CvSNMP_PP_Application");
// it matters only where the module is the authoritative engine.
void SetLocalEngineBoots(std::uint32_t boots);

// Resolves a DNS name or checks a literal address; false when it resolves to
// nothing. IPv6 literals may come with or without brackets.
bool ResolveAgentAddress(const std::string& name, std::string& literal);

class SnmpSession {
public:
    SnmpSession();
    ~SnmpSession();
    SnmpSession(const SnmpSession&) = delete;
    SnmpSession& operator=(const SnmpSession&) = delete;

    // One blocking exchange: waits up to (retries + 1) x time-out.
    int Exchange(const SnmpTarget& target, SnmpOperation op, const std::vector<SnmpVarBind>& vbs,
                 SnmpResponse& response);

    // Sends without waiting. On success returns 0 and the request's id; the
    // completion runs later from ProcessSocket/ProcessTimeouts. A failure to
    // send returns its result and no completion runs.
    int Send(const SnmpTarget& target, SnmpOperation op, const std::vector<SnmpVarBind>& vbs,
             SnmpCompletion completion, std::uint64_t& requestId);

    // Runs `completion` with `response` from the event loop, as if an agent
    // had answered at once (a reply already read ahead); it can be cancelled.
    void Post(SnmpCompletion completion, const SnmpResponse& response, std::uint64_t& requestId);
    // The completion of a sent request will not run (its owner is gone).
    void Cancel(std::uint64_t requestId);
    std::size_t PendingCount() const;

    // Hooks for the event loop: the sockets of asynchronous exchanges, the
    // delay to the next retransmission or time-out (-1: none pending), and
    // the two kinds of work.
    std::vector<int> Sockets() const;
    int MillisecondsToNextTimeout() const;
    void ProcessSocket(int socket);
    void ProcessTimeouts();

    // Called when a socket was opened or a request sent, so the event loop
    // can watch the new socket and re-arm its timer.
    std::function<void()> ActivityChanged;
    // Called every kWaitSliceMs while a blocking exchange waits, so that the
    // windows keep painting; sessions retired meanwhile close afterwards.
    static constexpr int kWaitSliceMs = 50;
    std::function<void()> WhileWaiting;

    struct Impl;

private:
    std::unique_ptr<Impl> FImpl;
};
