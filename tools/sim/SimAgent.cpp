#include "SimAgent.h"

// clang-format off
#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>
#include <net-snmp/agent/net-snmp-agent-includes.h>
// clang-format on

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <memory>
#include <stdexcept>
#include <vector>

#include "EngineState.h"
#include "SecurityBridge.h"

// net-snmp's own implementations of the SNMP engine's groups and counters
// (libnetsnmpmibs ships no headers for them). The configuration tables (USM
// users, VACM, target, notification, community) are the model's.
extern "C" {
void init_snmpEngine(void);
void init_snmpMPDStats(void);
void init_usmStats(void);
void init_vacm_context(void);
void init_setSerialNo(void);
void init_snmp_mib(void);
void init_target_counters(void);
}

namespace vsim {

struct PendingResponse {
    std::string data;
    std::vector<unsigned char> opaque;  // the transport's record of the requester
};

namespace {

constexpr const char* kAppName = "vanta-sim";

// The largest UDP payload over IPv4 and IPv6 (without jumbograms).
constexpr std::size_t kMaxUdp4Message = 65507;
constexpr std::size_t kMaxUdp6Message = 65527;

SimAgent* theAgent = nullptr;

struct User {
    const char* name;
    const char* auth;  // createUser protocol and pass phrase
    const char* authPass;
    const char* priv;
    const char* privPass;
};

// The simulator's SNMPv3 users (documented in the README); their groups and
// access are rows of the VACM tables in the seed.
constexpr User kUsers[] = {
    {"vanta-noauth", nullptr, nullptr, nullptr, nullptr},
    {"vanta-md5-des", "MD5", "md5-auth-secret", "DES", "des-priv-secret"},
    {"vanta-sha-aes", "SHA", "sha-auth-secret", "AES", "aes-priv-secret"},
    {"vanta-sha256-aes", "SHA-256", "sha256-auth-secret", "AES", "aes128-priv-secret"},
};

int HandlerEntry(netsnmp_mib_handler* handler, netsnmp_handler_registration* registration,
                 netsnmp_agent_request_info* info, netsnmp_request_info* requests) {
    return static_cast<SimAgent*>(handler->myvoid)->Handle(registration, info, requests);
}

int ReceiveEntry(int operation, netsnmp_session* session, int requestId, netsnmp_pdu* pdu,
                 void* magic) {
    return theAgent->Receive(operation, session, requestId, pdu, magic);
}

int BuildEntry(netsnmp_session* session, netsnmp_pdu* pdu, u_char** packet, size_t* length,
               size_t* offset) {
    return theAgent->Build(session, pdu, packet, length, offset);
}

int SendEntry(netsnmp_transport* transport, const void* data, int size, void** opaque,
              int* opaqueLength) {
    return theAgent->Send(transport, data, size, opaque, opaqueLength);
}

void DelayedEntry(unsigned int alarm, void* pending) {
    theAgent->SendDelayed(alarm, pending);
}

void WakeEntry(int fd, void*) {
    char byte = 0;
    while (read(fd, &byte, 1) < 0 && errno == EINTR) {
    }
    theAgent->StopRunning();
}

bool IsException(u_char type) {
    return type == SNMP_NOSUCHOBJECT || type == SNMP_NOSUCHINSTANCE || type == SNMP_ENDOFMIBVIEW;
}

Oid ToOid(const oid* name, std::size_t length) {
    return Oid(name, name + length);
}

std::vector<oid> FromOid(const Oid& arcs) {
    return std::vector<oid>(arcs.begin(), arcs.end());
}

void SetVarbindValue(netsnmp_variable_list* vb, const MibValue& value) {
    const auto type = static_cast<u_char>(value.syntax);
    switch (value.syntax) {
        case Syntax::Integer: {
            const long number = static_cast<long>(value.number);
            snmp_set_var_typed_value(vb, type, &number, sizeof number);
            break;
        }
        case Syntax::Counter32:
        case Syntax::Gauge32:
        case Syntax::TimeTicks: {
            const u_long number = static_cast<u_long>(value.number);
            snmp_set_var_typed_value(vb, type, &number, sizeof number);
            break;
        }
        case Syntax::Counter64: {
            counter64 number{};
            number.high = static_cast<u_long>(value.counter64 >> 32);
            number.low = static_cast<u_long>(value.counter64 & 0xFFFFFFFFu);
            snmp_set_var_typed_value(vb, type, &number, sizeof number);
            break;
        }
        case Syntax::OctetString:
        case Syntax::Opaque:
        case Syntax::IpAddress:
            snmp_set_var_typed_value(vb, type, value.bytes.data(), value.bytes.size());
            break;
        case Syntax::ObjectId: {
            const auto arcs = FromOid(value.oid);
            snmp_set_var_typed_value(vb, type, arcs.data(), arcs.size() * sizeof(oid));
            break;
        }
        case Syntax::Null:
            snmp_set_var_typed_value(vb, ASN_NULL, nullptr, 0);
            break;
    }
}

// A value of a type the model does not hold comes back as Null, which no
// writable object has: the set fails with wrongType.
MibValue ValueOfVarbind(const netsnmp_variable_list* vb) {
    switch (vb->type) {
        case ASN_INTEGER:
            return MibValue::Integer(*vb->val.integer);
        case ASN_COUNTER:
        case ASN_GAUGE:
        case ASN_TIMETICKS:
            return MibValue::Numeric(static_cast<Syntax>(vb->type),
                                     static_cast<std::int64_t>(*vb->val.integer & 0xFFFFFFFFul));
        case ASN_COUNTER64:
            return MibValue::Big((static_cast<std::uint64_t>(vb->val.counter64->high) << 32) |
                                 (vb->val.counter64->low & 0xFFFFFFFFul));
        case ASN_OCTET_STR:
        case ASN_OPAQUE:
        case ASN_IPADDRESS: {
            MibValue value;
            value.syntax = static_cast<Syntax>(vb->type);
            value.bytes.assign(reinterpret_cast<const char*>(vb->val.string), vb->val_len);
            return value;
        }
        case ASN_OBJECT_ID:
            return MibValue::ObjectId(ToOid(vb->val.objid, vb->val_len / sizeof(oid)));
        default:
            return MibValue{};
    }
}

// The varbinds of a SET for the set log, with whatever type they carry.
std::vector<SetLogVarbind> LoggedVarbinds(const netsnmp_pdu* pdu) {
    std::vector<SetLogVarbind> varbinds;
    for (const netsnmp_variable_list* vb = pdu->variables; vb != nullptr; vb = vb->next_variable) {
        SetLogVarbind logged{ToOid(vb->name, vb->name_length), vb->type, ValueOfVarbind(vb)};
        if (logged.value.syntax == Syntax::Null && vb->val.string != nullptr &&
            !IsException(vb->type) && vb->type != ASN_NULL) {
            logged.value.bytes.assign(reinterpret_cast<const char*>(vb->val.string), vb->val_len);
        }
        varbinds.push_back(std::move(logged));
    }
    return varbinds;
}

// The request PDU for the PDU log; nullopt for what is no request.
std::optional<PduLogEntry> LoggedPdu(const netsnmp_pdu* pdu) {
    PduLogEntry entry;
    switch (pdu->command) {
        case SNMP_MSG_GET:
            entry.type = PduType::Get;
            break;
        case SNMP_MSG_GETNEXT:
            entry.type = PduType::GetNext;
            break;
        case SNMP_MSG_GETBULK:
            entry.type = PduType::GetBulk;
            // A GetBulk carries them where other PDUs have the error fields.
            entry.nonRepeaters = pdu->errstat;
            entry.maxRepetitions = pdu->errindex;
            break;
        case SNMP_MSG_SET:
            entry.type = PduType::Set;
            break;
        default:
            return std::nullopt;
    }
    entry.requestId = pdu->reqid;
    for (const netsnmp_variable_list* vb = pdu->variables; vb != nullptr; vb = vb->next_variable) {
        ++entry.varbinds;
    }
    return entry;
}

void FreeTransaction(void* transaction) {
    delete static_cast<SetTransaction*>(transaction);
}

}  // namespace

SimAgent::SimAgent(MibModel& model, const BehaviourRules& rules, VantaDevice& device)
    : model_(model), rules_(rules), device_(device), checks_(VantaDevice::Checks()) {}

SimAgent::~SimAgent() {
    Shutdown();
}

void SimAgent::WriteConfig(const AgentSettings& settings) const {
    std::ofstream conf(settings.stateDir / (std::string(kAppName) + ".conf"));
    conf << "# Written by vanta-sim at every start; changes are lost.\n";
    // net-snmp counts a boot on top of the recorded boots of the same engine
    // id, and answers its Reports with that count too.
    const std::string id = HexOf(settings.engineId);
    conf << "exactEngineID 0x" << id << "\noldEngineID 0x" << id << '\n';
    conf << "engineBoots " << settings.engineBoots - 1 << '\n';
    // The users; communities and access control come from the model. The
    // engine warns when its configuration holds no access control: this
    // group is replaced at start.
    conf << "group vanta-readers v2c vanta-reader\n";
    for (const User& user : kUsers) {
        conf << "createUser " << user.name;
        if (user.auth != nullptr) {
            conf << ' ' << user.auth << " \"" << user.authPass << "\" " << user.priv << " \""
                 << user.privPass << '"';
        }
        conf << '\n';
    }
    if (!conf) {
        throw std::runtime_error("cannot write the configuration into " +
                                 settings.stateDir.string());
    }
}

// Opens the port and serves it with the agent's own packet handling, wrapped:
// the request check before any MIB module, tooBig for oversized responses.
void SimAgent::Listen() {
    errno = 0;
    transport_ = netsnmp_transport_open_server("snmp", settings_.transport.c_str());
    if (transport_ == nullptr) {
        const std::string message = "cannot listen on " + settings_.transport;
        if (errno == EADDRINUSE) {
            throw AddressInUse(message + ": address already in use");
        }
        throw std::runtime_error(message);
    }
    transport_->msgMaxSize = maxMessage_;
    originalSend_ = transport_->f_send;
    transport_->f_send = SendEntry;

    netsnmp_session session;
    snmp_sess_init(&session);
    session.version = SNMP_DEFAULT_VERSION;
    session.callback = ReceiveEntry;
    session.authenticator = nullptr;
    session.flags = netsnmp_ds_get_int(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_FLAGS);
    session.isAuthoritative = SNMP_SESS_AUTHORITATIVE;
    // snmp_add_full owns the transport from here on, also when it fails.
    if (snmp_add_full(&session, transport_, netsnmp_agent_check_packet, nullptr,
                      netsnmp_agent_check_parse, nullptr, BuildEntry, nullptr,
                      nullptr) == nullptr) {
        transport_ = nullptr;
        throw std::runtime_error("cannot serve on " + settings_.transport);
    }
}

std::string SimAgent::Start(const AgentSettings& settings) {
    if (theAgent != nullptr) {
        throw std::runtime_error("one agent per process");
    }
    theAgent = this;
    settings_ = settings;
    faults_.seed(settings.seed);
    if (!settings.setLog.empty()) {
        setLog_ = std::make_unique<SetLog>(settings.setLog);
    }
    if (!settings.pduLog.empty()) {
        pduLog_ = std::make_unique<PduLog>(settings.pduLog);
    }
    WriteConfig(settings);

    // Our own folder only: no system configuration, MIB files or state.
    const std::string stateDir = settings.stateDir.string();
    const std::string persistDir = (settings.stateDir / "persist").string();
    std::error_code ignored;
    std::filesystem::create_directories(settings.stateDir / "persist" / "cert_indexes", ignored);
    setenv("SNMPCONFPATH", stateDir.c_str(), 1);
    setenv("SNMP_PERSISTENT_DIR", persistDir.c_str(), 1);
    setenv("MIBS", "", 1);
    setenv("MIBDIRS", "", 1);
    netsnmp_ds_set_string(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_PERSISTENT_DIR, persistDir.c_str());
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_LOAD, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_SAVE, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_LOAD_HOST_FILES, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_ALARM_DONT_USE_SIG, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_ROLE, 0);
    netsnmp_ds_set_boolean(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_AGENTX_MASTER, 0);
    netsnmp_ds_set_boolean(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_NO_ROOT_ACCESS, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_APPLICATION_ID,
                           NETSNMP_DS_AGENT_DONT_LOG_TCPWRAPPERS_CONNECTS, 1);
    netsnmp_ds_set_string(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_PORTS, "none");
    maxMessage_ = settings.transport.rfind("udp6:", 0) == 0 ? kMaxUdp6Message : kMaxUdp4Message;
    netsnmp_ds_set_int(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_MSG_SEND_MAX,
                       static_cast<int>(maxMessage_));
    snmp_disable_log();
    snmp_enable_stderrlog();

    // SMUX would listen on TCP port 199 of every interface.
    char noSmux[] = "-smux";
    add_to_init_list(noSmux);
    init_agent(kAppName);
    init_snmpEngine();
    init_snmpMPDStats();
    init_usmStats();
    init_vacm_context();
    init_setSerialNo();
    init_snmp_mib();
    init_target_counters();

    for (const Oid& root : rules_.Served()) {
        const auto arcs = FromOid(root);
        const std::string name = "vanta-sim:" + FormatOid(root);
        netsnmp_handler_registration* registration = netsnmp_create_handler_registration(
            name.c_str(), HandlerEntry, arcs.data(), arcs.size(), HANDLER_CAN_RWRITE);
        if (registration == nullptr) {
            throw std::runtime_error("cannot register " + FormatOid(root));
        }
        registration->handler->myvoid = this;
        if (netsnmp_register_handler(registration) != MIB_REGISTERED_OK) {
            throw std::runtime_error("cannot register " + FormatOid(root));
        }
    }

    init_snmp(kAppName);
    started_ = true;
    security_ =
        std::make_unique<SecurityBridge>(model_, settings.engineId, settings.stateDir / "usm-keys");
    security_->Start(rules_.Served());
    if (init_master_agent() != 0) {
        throw std::runtime_error("cannot start the agent");
    }
    Listen();

    sockaddr_storage bound{};
    socklen_t length = sizeof bound;
    if (getsockname(transport_->sock, reinterpret_cast<sockaddr*>(&bound), &length) != 0) {
        throw std::runtime_error("cannot read the bound address");
    }
    char host[INET6_ADDRSTRLEN] = {};
    if (bound.ss_family == AF_INET6) {
        const auto* in6 = reinterpret_cast<const sockaddr_in6*>(&bound);
        inet_ntop(AF_INET6, &in6->sin6_addr, host, sizeof host);
        return "udp6:[" + std::string(host) + "]:" + std::to_string(ntohs(in6->sin6_port));
    }
    const auto* in4 = reinterpret_cast<const sockaddr_in*>(&bound);
    inet_ntop(AF_INET, &in4->sin_addr, host, sizeof host);
    return "udp:" + std::string(host) + ":" + std::to_string(ntohs(in4->sin_port));
}

void SimAgent::Run(int wakeFd) {
    wakeFd_ = wakeFd;
    register_readfd(wakeFd, WakeEntry, nullptr);
    running_ = true;
    while (running_) {
        agent_check_and_process(1);
        security_->Flush();
    }
    unregister_readfd(wakeFd);
    wakeFd_ = -1;
}

void SimAgent::Shutdown() {
    if (!started_) {
        if (theAgent == this) {
            theAgent = nullptr;
        }
        return;
    }
    started_ = false;
    snmp_alarm_unregister_all();
    pending_.clear();
    snmp_shutdown(kAppName);
    shutdown_master_agent();
    shutdown_agent();
    security_.reset();
    transport_ = nullptr;
    theAgent = nullptr;
}

int SimAgent::Handle(netsnmp_handler_registration* registration, netsnmp_agent_request_info* info,
                     netsnmp_request_info* requests) {
    switch (info->mode) {
        case MODE_GET:
            HandleGet(info, requests);
            break;
        case MODE_GETNEXT:
            HandleGetNext(registration, requests);
            break;
        default:
            HandleSet(registration, info, requests);
            break;
    }
    return SNMP_ERR_NOERROR;
}

void SimAgent::HandleGet(netsnmp_agent_request_info* info, netsnmp_request_info* requests) {
    for (netsnmp_request_info* request = requests; request != nullptr; request = request->next) {
        if (request->processed) {
            continue;
        }
        const Oid oid = ToOid(request->requestvb->name, request->requestvb->name_length);
        if (const MibValue* value = model_.Find(oid)) {
            SetVarbindValue(request->requestvb, device_.Reading(oid, *value));
            continue;
        }
        const bool objectKnown = model_.HasBelow(rules_.Place(oid).object);
        netsnmp_set_request_error(info, request,
                                  objectKnown ? SNMP_NOSUCHINSTANCE : SNMP_NOSUCHOBJECT);
    }
}

void SimAgent::HandleGetNext(netsnmp_handler_registration* registration,
                             netsnmp_request_info* requests) {
    const Oid root = ToOid(registration->rootoid, registration->rootoid_len);
    for (netsnmp_request_info* request = requests; request != nullptr; request = request->next) {
        if (request->processed) {
            continue;
        }
        const Oid from = ToOid(request->requestvb->name, request->requestvb->name_length);
        const Oid end = request->range_end != nullptr
                            ? ToOid(request->range_end, request->range_end_len)
                            : Oid{};
        const auto* next = model_.Next(from, request->inclusive != 0, end);
        if (next == nullptr || !IsPrefix(root, next->first)) {
            continue;  // nothing here: the agent asks the next subtree
        }
        const auto arcs = FromOid(next->first);
        snmp_set_var_objid(request->requestvb, arcs.data(), arcs.size());
        SetVarbindValue(request->requestvb, device_.Reading(next->first, next->second));
    }
}

void SimAgent::HandleSet(netsnmp_handler_registration* registration,
                         netsnmp_agent_request_info* info, netsnmp_request_info* requests) {
    // One transaction per subtree and request, kept with the request between
    // the phases.
    const std::string key =
        "vanta-sim-set:" + FormatOid(ToOid(registration->rootoid, registration->rootoid_len));
    auto* transaction =
        static_cast<SetTransaction*>(netsnmp_agent_get_list_data(info, key.c_str()));
    switch (info->mode) {
        case MODE_SET_RESERVE1: {
            std::vector<std::pair<Oid, MibValue>> varbinds;
            std::vector<netsnmp_request_info*> order;
            for (netsnmp_request_info* r = requests; r != nullptr; r = r->next) {
                varbinds.emplace_back(ToOid(r->requestvb->name, r->requestvb->name_length),
                                      ValueOfVarbind(r->requestvb));
                order.push_back(r);
            }
            auto created = std::make_unique<SetTransaction>(model_, rules_, checks_);
            const SetResult result = created->Prepare(varbinds);
            netsnmp_agent_add_list_data(
                info, netsnmp_create_data_list(key.c_str(), created.release(), FreeTransaction));
            if (result.status != SetStatus::NoError) {
                netsnmp_set_request_error(info, order[result.index],
                                          static_cast<int>(result.status));
            }
            break;
        }
        case MODE_SET_ACTION:
            if (transaction != nullptr) {
                transaction->Apply();
            }
            break;
        case MODE_SET_UNDO:
            if (transaction != nullptr) {
                transaction->Undo();
            }
            break;
        case MODE_SET_COMMIT:
            if (transaction != nullptr) {
                std::vector<SetTransaction::Write> changed = transaction->Writes();
                const auto reactions = device_.Committed(changed);
                changed.insert(changed.end(), reactions.begin(), reactions.end());
                security_->Committed(changed);
                if (onCommit_) {
                    onCommit_(changed);
                }
            }
            break;
        default:
            break;
    }
}

int SimAgent::Receive(int operation, netsnmp_session* session, int requestId, netsnmp_pdu* pdu,
                      void* magic) {
    // One moment for the whole request: the subtrees it spans are read at
    // the same time, so that counters of different tables agree.
    if (operation == NETSNMP_CALLBACK_OP_RECEIVED_MESSAGE) {
        device_.Advance(VantaDevice::Clock::now());
    }
    const bool logged = setLog_ != nullptr && operation == NETSNMP_CALLBACK_OP_RECEIVED_MESSAGE &&
                        pdu->command == SNMP_MSG_SET;
    if (logged) {
        awaitedSet_ = AwaitedSet{pdu->reqid, LoggedVarbinds(pdu)};
    }
    if (pduLog_ != nullptr && operation == NETSNMP_CALLBACK_OP_RECEIVED_MESSAGE) {
        awaitedPdu_ = LoggedPdu(pdu);
    }
    const bool rejected = operation == NETSNMP_CALLBACK_OP_RECEIVED_MESSAGE && magic == nullptr &&
                          pdu->command == SNMP_MSG_SET && RejectExceptionValues(session, pdu);
    const int result = rejected ? 1 : handle_snmp_packet(operation, session, requestId, pdu, magic);
    // A request the agent dropped unanswered (an unknown community) has no line.
    if (logged) {
        awaitedSet_.reset();
    }
    awaitedPdu_.reset();
    return result;
}

// noSuchObject, noSuchInstance and endOfMibView are answers, never values a
// SET may carry, and net-snmp's own table modules take such a value's missing
// content for data. A SET holding one is refused with wrongType before any
// module sees it, once the agent's access checks would let it through;
// otherwise the agent refuses it itself, also before any module.
bool SimAgent::RejectExceptionValues(netsnmp_session* session, netsnmp_pdu* pdu) {
    long index = 0;
    long position = 0;
    for (netsnmp_variable_list* vb = pdu->variables; vb != nullptr; vb = vb->next_variable) {
        ++position;
        if (index == 0 && IsException(vb->type)) {
            index = position;
        }
    }
    if (index == 0 || check_access(pdu) != 0) {
        return false;
    }
    for (netsnmp_variable_list* vb = pdu->variables; vb != nullptr; vb = vb->next_variable) {
        std::size_t length = vb->name_length;
        if (in_a_view(vb->name, &length, pdu, vb->type) != VACM_SUCCESS) {
            return false;
        }
    }
    netsnmp_pdu* response = snmp_clone_pdu(pdu);
    if (response == nullptr) {
        return true;  // dropped: better than a module reading nothing
    }
    response->command = SNMP_MSG_RESPONSE;
    // SNMPv1 has no wrongType (RFC 3584, 4.4).
    response->errstat = pdu->version == SNMP_VERSION_1 ? SNMP_ERR_BADVALUE : SNMP_ERR_WRONGTYPE;
    response->errindex = index;
    if (snmp_send(session, response) == 0) {
        snmp_free_pdu(response);
    }
    return true;
}

// A response larger than a datagram cannot be sent: it becomes tooBig with no
// variable bindings (RFC 3416, 4.2.1). The packet goes at the start of the
// buffer, where net-snmp expects a build hook to leave it.
int SimAgent::Build(netsnmp_session* session, netsnmp_pdu* pdu, u_char** packet, size_t* length,
                    size_t* offset) {
    *offset = 0;
    if (snmp_build(packet, length, offset, session, pdu) != 0) {
        return -1;
    }
    std::size_t limit = maxMessage_;
    if (pdu->msgMaxSize > 0) {
        limit = std::min(limit, static_cast<std::size_t>(pdu->msgMaxSize));
    }
    if (pdu->command == SNMP_MSG_RESPONSE && *offset > limit) {
        snmp_free_varbind(pdu->variables);
        pdu->variables = nullptr;
        pdu->errstat = SNMP_ERR_TOOBIG;
        pdu->errindex = 0;
        *offset = 0;
        if (snmp_build(packet, length, offset, session, pdu) != 0) {
            return -1;
        }
    }
    std::memmove(*packet, *packet + *length - *offset, *offset);
    if (awaitedSet_ && pdu->command == SNMP_MSG_RESPONSE && pdu->reqid == awaitedSet_->requestId) {
        if (!setLog_->Write(awaitedSet_->requestId, awaitedSet_->varbinds, pdu->errstat)) {
            std::cerr << "vanta-sim: cannot write the set log" << std::endl;
        }
        awaitedSet_.reset();
    }
    if (awaitedPdu_ && pdu->command == SNMP_MSG_RESPONSE && pdu->reqid == awaitedPdu_->requestId) {
        if (!pduLog_->Write(*awaitedPdu_, pdu->errstat)) {
            std::cerr << "vanta-sim: cannot write the PDU log" << std::endl;
        }
        awaitedPdu_.reset();
    }
    return 0;
}

int SimAgent::Send(netsnmp_transport* transport, const void* data, int size, void** opaque,
                   int* opaqueLength) {
    if (settings_.lossPercent > 0 &&
        std::uniform_real_distribution<double>(0, 100)(faults_) < settings_.lossPercent) {
        return size;  // lost on the way
    }
    if (settings_.delayMs <= 0) {
        return SendNow(transport, data, size, opaque, opaqueLength);
    }
    auto pending = std::make_unique<PendingResponse>();
    pending->data.assign(static_cast<const char*>(data), static_cast<std::size_t>(size));
    if (opaque != nullptr && *opaque != nullptr && opaqueLength != nullptr) {
        const auto* bytes = static_cast<const unsigned char*>(*opaque);
        pending->opaque.assign(bytes, bytes + *opaqueLength);
    }
    timeval delay{settings_.delayMs / 1000, (settings_.delayMs % 1000) * 1000};
    snmp_alarm_register_hr(delay, 0, DelayedEntry, pending.get());
    pending_.push_back(std::move(pending));
    return size;
}

void SimAgent::SendDelayed(unsigned int, void* data) {
    const auto it = std::find_if(pending_.begin(), pending_.end(),
                                 [&](const auto& p) { return p.get() == data; });
    if (it == pending_.end()) {
        return;
    }
    const std::unique_ptr<PendingResponse> pending = std::move(*it);
    pending_.erase(it);
    void* opaque = pending->opaque.empty() ? nullptr : pending->opaque.data();
    int opaqueLength = static_cast<int>(pending->opaque.size());
    SendNow(transport_, pending->data.data(), static_cast<int>(pending->data.size()), &opaque,
            &opaqueLength);
}

// A response that cannot be sent is lost like any datagram: one line says
// so, and the agent is told it went (it would otherwise log every varbind).
int SimAgent::SendNow(netsnmp_transport* transport, const void* data, int size, void** opaque,
                      int* opaqueLength) {
    const int sent = originalSend_(transport, data, size, opaque, opaqueLength);
    if (sent < 0) {
        const int error = errno;
        std::cerr << "vanta-sim: cannot send a response of " << size
                  << " bytes: " << std::strerror(error) << std::endl;
        return size;
    }
    return sent;
}

}  // namespace vsim
