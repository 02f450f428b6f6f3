#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "BehaviourRules.h"
#include "MibModel.h"
#include "PduLog.h"
#include "SetLog.h"
#include "SetTransaction.h"
#include "VantaDevice.h"

struct netsnmp_agent_request_info_s;
struct netsnmp_handler_registration_s;
struct netsnmp_request_info_s;
struct netsnmp_transport_s;
struct snmp_pdu;
struct snmp_session;

namespace vsim {

struct PendingResponse;
class SecurityBridge;

struct AgentSettings {
    std::string transport;  // net-snmp form: "udp:127.0.0.1:16161", "udp6:[::1]:16161"
    std::filesystem::path stateDir;
    std::string engineId;  // raw octets
    long engineBoots = 1;
    double lossPercent = 0;
    int delayMs = 0;
    std::uint64_t seed = 1;
    std::filesystem::path setLog;  // empty: sets are not logged
    std::filesystem::path pduLog;  // empty: requests are not logged
};

// Start's failure when another program holds the listen address.
class AddressInUse : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The SNMP agent of the simulator: net-snmp's engine with its USM, VACM,
// target and notification modules, our handler on every served subtree of the
// model, and optional loss and delay of responses. One per process.
class SimAgent {
public:
    SimAgent(MibModel& model, const BehaviourRules& rules, VantaDevice& device);
    ~SimAgent();  // shuts down
    SimAgent(const SimAgent&) = delete;
    SimAgent& operator=(const SimAgent&) = delete;

    // Writes the configuration into the state folder, starts net-snmp and
    // opens the port. Returns the transport address actually bound (the port
    // filled in when 0 was asked for). Throws AddressInUse or
    // std::runtime_error.
    std::string Start(const AgentSettings& settings);

    // Called with the writes of every committed set and the device's
    // reactions to them.
    void OnCommit(std::function<void(const std::vector<SetTransaction::Write>&)> listener) {
        onCommit_ = std::move(listener);
    }

    // Serves requests until a byte arrives on `wakeFd`.
    void Run(int wakeFd);

    void Shutdown();

    // net-snmp entry points.
    int Handle(netsnmp_handler_registration_s* registration, netsnmp_agent_request_info_s* info,
               netsnmp_request_info_s* requests);
    int Receive(int operation, snmp_session* session, int requestId, snmp_pdu* pdu, void* magic);
    int Build(snmp_session* session, snmp_pdu* pdu, unsigned char** packet, std::size_t* length,
              std::size_t* offset);
    int Send(netsnmp_transport_s* transport, const void* data, int size, void** opaque,
             int* opaqueLength);
    void SendDelayed(unsigned int alarm, void* pending);
    void StopRunning() { running_ = false; }

private:
    void WriteConfig(const AgentSettings& settings) const;
    void Listen();
    bool RejectExceptionValues(snmp_session* session, snmp_pdu* pdu);
    int SendNow(netsnmp_transport_s* transport, const void* data, int size, void** opaque,
                int* opaqueLength);
    void HandleGet(netsnmp_agent_request_info_s* info, netsnmp_request_info_s* requests);
    void HandleGetNext(netsnmp_handler_registration_s* registration,
                       netsnmp_request_info_s* requests);
    void HandleSet(netsnmp_handler_registration_s* registration, netsnmp_agent_request_info_s* info,
                   netsnmp_request_info_s* requests);

    MibModel& model_;
    const BehaviourRules& rules_;
    VantaDevice& device_;
    RowChecks checks_;
    std::unique_ptr<SecurityBridge> security_;
    std::function<void(const std::vector<SetTransaction::Write>&)> onCommit_;
    AgentSettings settings_;
    std::mt19937_64 faults_;
    netsnmp_transport_s* transport_ = nullptr;
    std::size_t maxMessage_ = 0;  // the largest datagram the transport carries
    int (*originalSend_)(netsnmp_transport_s*, const void*, int, void**, int*) = nullptr;
    bool started_ = false;
    bool running_ = false;
    int wakeFd_ = -1;
    std::vector<std::unique_ptr<PendingResponse>> pending_;  // responses held back by the delay
    std::unique_ptr<SetLog> setLog_;
    // The SET being answered, logged when its response is built.
    struct AwaitedSet {
        long requestId = 0;
        std::vector<SetLogVarbind> varbinds;
    };
    std::optional<AwaitedSet> awaitedSet_;
    std::unique_ptr<PduLog> pduLog_;
    // The request being answered, logged when its response is built.
    std::optional<PduLogEntry> awaitedPdu_;
};

}  // namespace vsim
