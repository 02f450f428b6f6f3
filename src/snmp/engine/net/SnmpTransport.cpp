#include "SnmpTransport.h"

#include <sys/select.h>
#include <sys/socket.h>

#include <cerrno>
#include <cstdlib>
#include <map>
#include <optional>
#include <unordered_map>

// net-snmp's configuration header comes first, each in its own block.
#include <net-snmp/net-snmp-config.h>

#include <net-snmp/net-snmp-includes.h>

#include <net-snmp/library/snmp_transport.h>

#include "ClearReport.h"
#include "NetSnmpLibrary.h"
#include "NetSnmpPdu.h"
#include "NetSnmpResults.h"
#include "NetSnmpUsm.h"

namespace {

// Enough for any Report: it carries one counter.
constexpr std::size_t kPeekBytes = 1500;

std::string PeerName(const SnmpTarget& t) {
    const bool v6 = t.Address.find(':') != std::string::npos;
    return (v6 ? "udp6:[" + t.Address + "]" : "udp:" + t.Address) + ":" + std::to_string(t.Port);
}

// Everything that makes two exchanges need different net-snmp sessions.
std::string SessionKey(const SnmpTarget& t, bool sync) {
    std::string key = (sync ? "S|" : "A|") + PeerName(t) + "|" + std::to_string(t.Version);
    if (t.Version == 3) {
        key += "|" + t.SecurityName + "|" + std::to_string(t.SecurityLevel) + "|" +
               std::to_string(t.AuthProtocol) + "|" + std::to_string(t.PrivProtocol) + "|" +
               t.AuthPassword + "|" + t.PrivPassword;
    }
    return key;
}

}  // namespace

struct NetSession {
    // A request held back until the agent's engine id is known.
    struct Waiting {
        std::uint64_t Id;
        SnmpTarget Target;
        SnmpOperation Op;
        std::vector<SnmpVarBind> Vbs;
    };

    void* Handle = nullptr;
    int Socket = -1;
    std::string Key;
    std::string UserName;  // of a v3 session
    bool V3 = false;
    bool EngineKnown = true;
    bool Discovering = false;
    std::vector<Waiting> Queue;
};

struct PendingRequest {
    SnmpCompletion Completion;
    bool InSend = true;  // the library may complete a request while sending it
    bool Finished = false;
    bool Discovery = false;  // asks the agent for its engine id
    int Result = SnmpResult::Success;
    // A v3 request keeps what it sends: after the agent restarted it is sent
    // once more, to the engine found anew.
    NetSession* Session = nullptr;
    std::optional<NetSession::Waiting> Resend;
    // Waiting in its session's queue for the engine id: what the library
    // still says about an earlier send (a Report comes twice) is no outcome.
    bool Queued = false;
    // Sends given up for a resend while the library still waits for them:
    // their time-outs are no outcome either.
    int AbandonedSends = 0;
};

struct SnmpSession::Impl {
    SnmpSession* Owner = nullptr;
    std::map<std::string, std::unique_ptr<NetSession>> Sessions;
    std::vector<std::unique_ptr<NetSession>> Retired;
    std::unordered_map<std::uint64_t, PendingRequest> Pending;
    // Replies already at hand, run in the order they were posted.
    std::map<std::uint64_t, std::pair<SnmpCompletion, SnmpResponse>> Posted;
    std::uint64_t NextId = 0;
    int CallbackDepth = 0;
    bool Closing = false;
    // The credentials each v3 user name was registered with in the library's
    // process-wide user table, which every session of that name shares.
    std::map<std::string, std::string> RegisteredUsers;

    static int OnEvent(int op, netsnmp_session* s, int reqid, netsnmp_pdu* pdu, void* magic);
    void Finish(std::uint64_t id, int result, const SnmpResponse& response);
    bool Rediscover(PendingRequest& request, int result);
    void AgentRestarted(NetSession& session, int result);
    void RunCompletion(const SnmpCompletion& completion, int result, const SnmpResponse& response);
    void RegisterUser(const SnmpTarget& target);
    int Open(const SnmpTarget& target, bool sync, NetSession*& session);
    int Submit(NetSession& session, const SnmpTarget& target, SnmpOperation op,
               const std::vector<SnmpVarBind>& vbs, SnmpCompletion completion, std::uint64_t& id);
    int Dispatch(NetSession& session, const SnmpTarget& target, netsnmp_pdu* pdu, std::uint64_t id);
    int StartDiscovery(NetSession& session, const SnmpTarget& target);
    void Discovered(NetSession& session, int result);
    void FailQueue(NetSession& session, int result);
    void Close(NetSession& session);
    void CloseRetired();
    void Read(NetSession& session);
};

int SnmpSession::Impl::OnEvent(int op, netsnmp_session* s, int, netsnmp_pdu* pdu, void* magic) {
    auto* impl = static_cast<Impl*>(s->callback_magic);
    const auto id = static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(magic));
    const auto record = impl->Pending.find(id);
    if (record != impl->Pending.end() && record->second.Discovery) {
        LearnEngineId(*s, pdu);
    }
    SnmpResponse response;
    int result = SnmpResult::Success;
    const bool report = pdu != nullptr && pdu->command == SNMP_MSG_REPORT;
    switch (op) {
        case NETSNMP_CALLBACK_OP_RECEIVED_MESSAGE:
            if (report) {
                result = pdu->variables ? MapReportOid(FromVariable(*pdu->variables).Oid) : 1401;
                break;
            }
            response.ErrorStatus = static_cast<int>(pdu->errstat);
            response.ErrorIndex = static_cast<int>(pdu->errindex);
            for (const netsnmp_variable_list* v = pdu->variables; v != nullptr;
                 v = v->next_variable) {
                response.Vbs.push_back(FromVariable(*v));
            }
            result = response.ErrorStatus;
            break;
        case NETSNMP_CALLBACK_OP_TIMED_OUT:
            result = impl->Closing ? SnmpResult::SessionClosed : SnmpResult::Timeout;
            break;
        case NETSNMP_CALLBACK_OP_SEND_FAILED:
        case NETSNMP_CALLBACK_OP_SEC_ERROR:
            result = report && pdu->variables ? MapReportOid(FromVariable(*pdu->variables).Oid)
                                              : MapLibraryError(s->s_snmp_errno, s->s_errno);
            break;
        default:
            return 1;  // retransmissions and connection events are no outcome
    }
    try {
        impl->Finish(id, result, response);
    } catch (...) {
        // Completions report their own failures; nothing may unwind into the library.
    }
    return 1;
}

// The first final event of a request wins; later ones find no record.
void SnmpSession::Impl::Finish(std::uint64_t id, int result, const SnmpResponse& response) {
    auto it = Pending.find(id);
    if (it == Pending.end() || it->second.Finished || it->second.Queued) {
        return;
    }
    if (result == SnmpResult::Timeout && it->second.AbandonedSends > 0) {
        --it->second.AbandonedSends;
        return;
    }
    if (it->second.InSend) {
        it->second.Finished = true;
        it->second.Result = result;
        return;
    }
    if (Rediscover(it->second, result)) {
        return;
    }
    SnmpCompletion completion = std::move(it->second.Completion);
    Pending.erase(it);
    RunCompletion(completion, result, response);
}

void SnmpSession::Impl::RunCompletion(const SnmpCompletion& completion, int result,
                                      const SnmpResponse& response) {
    ++CallbackDepth;
    try {
        completion(result, response);
    } catch (...) {
        // The completion's owner reports its failures itself.
    }
    --CallbackDepth;
}

// A v3 exchange that timed out or was refused for an unknown engine or a
// time outside the window may have met an agent that restarted: its engine
// id and time are found anew and the request is sent once more.
bool SnmpSession::Impl::Rediscover(PendingRequest& request, int result) {
    const bool agentMayHaveRestarted = result == SnmpResult::Timeout ||
                                       result == SnmpResult::UnknownEngineId ||
                                       result == SnmpResult::NotInTimeWindow;
    if (!request.Resend || Closing || !agentMayHaveRestarted) {
        return false;
    }
    NetSession& session = *request.Session;
    session.Queue.push_back(std::move(*request.Resend));
    request.Resend.reset();
    request.Queued = true;
    if (session.Discovering) {
        return true;  // another request already asks
    }
    netsnmp_session* s = snmp_sess_session(session.Handle);
    if (s->securityEngineIDLen > 0) {
        // Boots the agent counts again from 1 would otherwise be refused.
        free_enginetime(s->securityEngineID, s->securityEngineIDLen);
    }
    SNMP_FREE(s->securityEngineID);
    s->securityEngineIDLen = 0;
    SNMP_FREE(s->contextEngineID);
    s->contextEngineIDLen = 0;
    // The user is created anew for the engine found, with keys localised to it.
    s->flags &= ~SNMP_FLAGS_USER_CREATED;
    session.EngineKnown = false;
    const int started = StartDiscovery(session, session.Queue.back().Target);
    if (started != SnmpResult::Success) {
        FailQueue(session, started);
    }
    return true;
}

// A Report the library dropped said the agent restarted: every request the
// session has out is sent again to the engine found anew.
void SnmpSession::Impl::AgentRestarted(NetSession& session, int result) {
    std::vector<std::uint64_t> out;
    for (const auto& [id, request] : Pending) {
        if (request.Session == &session && !request.Discovery && !request.Queued &&
            !request.Finished && !request.InSend) {
            out.push_back(id);
        }
    }
    // Collected first: the discovery Rediscover starts is a pending request too.
    for (const std::uint64_t id : out) {
        auto it = Pending.find(id);
        if (it != Pending.end() && Rediscover(it->second, result)) {
            ++it->second.AbandonedSends;
        }
    }
}

int SnmpSession::Impl::Open(const SnmpTarget& target, bool sync, NetSession*& session) {
    const std::string key = SessionKey(target, sync);
    auto found = Sessions.find(key);
    if (found != Sessions.end()) {
        session = found->second.get();
        return SnmpResult::Success;
    }

    netsnmp_session tmpl;
    snmp_sess_init(&tmpl);
    const std::string peer = PeerName(target);
    tmpl.peername = const_cast<char*>(peer.c_str());
    tmpl.version = target.Version == 3   ? SNMP_VERSION_3
                   : target.Version == 1 ? SNMP_VERSION_2c
                                         : SNMP_VERSION_1;
    tmpl.callback = &Impl::OnEvent;
    tmpl.callback_magic = this;
    if (target.Version == 3) {
        const int result = SetUsmKeys(target, tmpl);
        if (result != SnmpResult::Success) {
            return result;
        }
        RegisterUser(target);
    } else {
        const std::string& community = target.ReadCommunity;
        tmpl.community = reinterpret_cast<u_char*>(const_cast<char*>(community.c_str()));
        tmpl.community_len = community.size();
    }

    void* handle = snmp_sess_open(&tmpl);
    if (handle == nullptr) {
        int libraryError = 0;
        int systemError = 0;
        char* text = nullptr;
        snmp_error(&tmpl, &libraryError, &systemError, &text);
        std::free(text);
        return MapLibraryError(libraryError, systemError);
    }
    auto created = std::make_unique<NetSession>();
    created->Handle = handle;
    created->Socket = snmp_sess_transport(handle)->sock;
    created->Key = key;
    if (target.Version == 3) {
        // The library would find the engine id with a blocking exchange at
        // the first send and never again; the session asks for it itself.
        created->UserName = target.SecurityName;
        created->V3 = true;
        snmp_sess_session(handle)->flags |= SNMP_FLAGS_DONT_PROBE;
        created->EngineKnown = false;
    }
    session = created.get();
    Sessions.emplace(key, std::move(created));
    if (!sync && Owner->ActivityChanged) {
        Owner->ActivityChanged();
    }
    return SnmpResult::Success;
}

// Sessions of one user name share the library's user table: new credentials
// replace the old ones and the sessions that used them; the same credentials
// leave everything as it is.
void SnmpSession::Impl::RegisterUser(const SnmpTarget& target) {
    const std::string credentials =
        std::to_string(target.SecurityLevel) + "|" + std::to_string(target.AuthProtocol) + "|" +
        std::to_string(target.PrivProtocol) + "|" + target.AuthPassword + "|" + target.PrivPassword;
    auto [registered, added] = RegisteredUsers.emplace(target.SecurityName, credentials);
    if (!added && registered->second == credentials) {
        return;
    }
    registered->second = credentials;
    for (auto it = Sessions.begin(); it != Sessions.end();) {
        if (it->second->UserName == target.SecurityName) {
            Retired.push_back(std::move(it->second));
            it = Sessions.erase(it);
        } else {
            ++it;
        }
    }
    ForgetUsmUser(target.SecurityName);
}

int SnmpSession::Impl::Submit(NetSession& session, const SnmpTarget& target, SnmpOperation op,
                              const std::vector<SnmpVarBind>& vbs, SnmpCompletion completion,
                              std::uint64_t& id) {
    netsnmp_pdu* pdu = nullptr;
    const int built = BuildPdu(target, op, vbs, pdu);
    if (built != SnmpResult::Success) {
        return built;
    }
    id = ++NextId;
    PendingRequest& request = Pending[id];
    request.Completion = std::move(completion);
    if (target.Version == 3) {
        request.Session = &session;
        request.Resend = NetSession::Waiting{id, target, op, vbs};
    }
    if (session.EngineKnown) {
        return Dispatch(session, target, pdu, id);
    }
    snmp_free_pdu(pdu);
    session.Queue.push_back({id, target, op, vbs});
    Pending[id].InSend = false;
    Pending[id].Queued = true;
    if (!session.Discovering) {
        const int started = StartDiscovery(session, target);
        if (started != SnmpResult::Success) {
            session.Queue.pop_back();
            Pending.erase(id);
            return started;
        }
    }
    return SnmpResult::Success;
}

// Sends a built PDU for the pending request `id`; on failure the request is
// forgotten and the result returned.
int SnmpSession::Impl::Dispatch(NetSession& session, const SnmpTarget& target, netsnmp_pdu* pdu,
                                std::uint64_t id) {
    netsnmp_session* s = snmp_sess_session(session.Handle);
    s->retries = target.Retries;
    s->timeout = static_cast<long>(target.TimeoutHundredths) * 10000L;

    void* magic = reinterpret_cast<void*>(static_cast<std::uintptr_t>(id));
    const int reqid = snmp_sess_async_send(session.Handle, pdu, &Impl::OnEvent, magic);
    auto it = Pending.find(id);
    if (reqid == 0 || it->second.Finished) {
        // Not sent, or already failed while sending: the caller gets the result.
        int result = it->second.Finished ? it->second.Result : SnmpResult::Error;
        if (!it->second.Finished) {
            int libraryError = 0;
            int systemError = 0;
            char* text = nullptr;
            snmp_sess_error(session.Handle, &libraryError, &systemError, &text);
            std::free(text);
            result = MapLibraryError(libraryError, systemError);
        }
        Pending.erase(it);
        if (reqid == 0) {
            snmp_free_pdu(pdu);
        }
        return result == SnmpResult::Success ? SnmpResult::Error : result;
    }
    it->second.InSend = false;
    return SnmpResult::Success;
}

// An empty noAuthNoPriv get: the agent's Report names its engine id, boots
// and time, which the library keeps for the session.
int SnmpSession::Impl::StartDiscovery(NetSession& session, const SnmpTarget& target) {
    netsnmp_pdu* pdu = snmp_pdu_create(SNMP_MSG_GET);
    pdu->securityModel = SNMP_SEC_MODEL_USM;
    pdu->securityLevel = SNMP_SEC_LEVEL_NOAUTH;
    pdu->securityName = static_cast<char*>(std::calloc(1, 1));
    pdu->securityNameLen = 0;
    const std::uint64_t id = ++NextId;
    NetSession* discovering = &session;
    Pending[id].Completion = [this, discovering](int result, const SnmpResponse&) {
        Discovered(*discovering, result);
    };
    Pending[id].Discovery = true;
    session.Discovering = true;
    const int sent = Dispatch(session, target, pdu, id);
    if (sent != SnmpResult::Success) {
        session.Discovering = false;
    }
    return sent;
}

void SnmpSession::Impl::Discovered(NetSession& session, int result) {
    session.Discovering = false;
    netsnmp_session* s = snmp_sess_session(session.Handle);
    if (result == SnmpResult::SessionClosed || s->securityEngineIDLen == 0) {
        FailQueue(session, result == SnmpResult::Success ? SnmpResult::Error : result);
        return;
    }
    create_user_from_session(s);
    session.EngineKnown = true;
    std::vector<NetSession::Waiting> queue;
    queue.swap(session.Queue);
    for (NetSession::Waiting& w : queue) {
        auto it = Pending.find(w.Id);
        if (it == Pending.end()) {
            continue;  // cancelled while waiting
        }
        // Kept in case the send fails: a failed send forgets the request.
        const SnmpCompletion completion = it->second.Completion;
        it->second.InSend = true;
        it->second.Queued = false;
        netsnmp_pdu* pdu = nullptr;
        int sent = BuildPdu(w.Target, w.Op, w.Vbs, pdu);
        if (sent == SnmpResult::Success) {
            sent = Dispatch(session, w.Target, pdu, w.Id);
        } else {
            Pending.erase(w.Id);
        }
        if (sent != SnmpResult::Success) {
            RunCompletion(completion, sent, SnmpResponse{});
        }
    }
}

// Requests that waited for a discovery that failed end with its result.
void SnmpSession::Impl::FailQueue(NetSession& session, int result) {
    std::vector<NetSession::Waiting> queue;
    queue.swap(session.Queue);
    for (const NetSession::Waiting& w : queue) {
        if (auto it = Pending.find(w.Id); it != Pending.end()) {
            it->second.Resend.reset();  // the agent was asked anew and did not answer
            it->second.Queued = false;
        }
        Finish(w.Id, result, SnmpResponse{});
    }
}

void SnmpSession::Impl::Close(NetSession& session) {
    const bool wasClosing = Closing;
    Closing = true;  // pending requests end as "session closed", not timed out
    snmp_sess_close(session.Handle);
    Closing = wasClosing;
    session.Handle = nullptr;
}

void SnmpSession::Impl::CloseRetired() {
    if (CallbackDepth > 0 || Retired.empty()) {
        return;  // never close a session from inside its own callback
    }
    std::vector<std::unique_ptr<NetSession>> retired;
    retired.swap(Retired);
    for (auto& session : retired) {
        Close(*session);
    }
    if (Owner->ActivityChanged) {
        Owner->ActivityChanged();  // their sockets are gone
    }
}

void SnmpSession::Impl::Read(NetSession& session) {
    fd_set fds;
    FD_ZERO(&fds);
    FD_SET(session.Socket, &fds);
    ++CallbackDepth;
    // The library drops a Report it cannot take (the agent's boots went
    // back, its engine id changed): looked at first, it still says that the
    // agent restarted, now rather than at the time-out. Only v3 has Reports.
    unsigned char peeked[kPeekBytes];
    const ssize_t got =
        session.V3 ? recv(session.Socket, peeked, sizeof peeked, MSG_PEEK | MSG_DONTWAIT) : 0;
    const int read = snmp_sess_read(session.Handle, &fds);
    --CallbackDepth;
    if (read != 0 && got > 0) {
        const std::string report = ClearReportOid(peeked, static_cast<std::size_t>(got));
        if (!report.empty()) {
            AgentRestarted(session, MapReportOid(report));
        }
    }
}

SnmpSession::SnmpSession() : FImpl(std::make_unique<Impl>()) {
    InitialiseNetSnmp();
    FImpl->Owner = this;
}

SnmpSession::~SnmpSession() {
    FImpl->Pending.clear();  // nobody is left to hear about them
    for (auto& [key, session] : FImpl->Sessions) {
        FImpl->Close(*session);
    }
    FImpl->CloseRetired();
}

int SnmpSession::Exchange(const SnmpTarget& target, SnmpOperation op,
                          const std::vector<SnmpVarBind>& vbs, SnmpResponse& response) {
    FImpl->CloseRetired();
    NetSession* session = nullptr;
    int result = FImpl->Open(target, true, session);
    if (result != SnmpResult::Success) {
        return result;
    }
    bool done = false;
    std::uint64_t id = 0;
    const int sent = FImpl->Submit(
        *session, target, op, vbs,
        [&](int r, const SnmpResponse& reply) {
            result = r;
            response = reply;
            done = true;
        },
        id);
    if (sent != SnmpResult::Success) {
        return sent;
    }
    // The synchronous session serves nothing else, so waiting on it alone
    // cannot run another request's completion.
    while (!done) {
        fd_set fds;
        FD_ZERO(&fds);
        int count = 0;
        int block = 1;
        timeval timeout{};
        snmp_sess_select_info_flags(session->Handle, &count, &fds, &timeout, &block,
                                    NETSNMP_SELECT_NOALARMS);
        if (block == 1 && count == 0) {
            FImpl->Pending.erase(id);
            return SnmpResult::Error;
        }
        // The library times out only what is due, so waking up early is harmless.
        const bool slice = WhileWaiting != nullptr;
        if (slice && (block || timeout.tv_sec > 0 || timeout.tv_usec > kWaitSliceMs * 1000)) {
            timeout = timeval{0, kWaitSliceMs * 1000};
            block = 0;
        }
        const int ready = select(count, &fds, nullptr, nullptr, block ? nullptr : &timeout);
        if (ready > 0) {
            FImpl->Read(*session);
        } else if (ready == 0) {
            snmp_sess_timeout(session->Handle);
        } else if (errno != EINTR) {
            FImpl->Pending.erase(id);
            return SnmpResult::Error;
        }
        if (slice && !done) {
            // What runs meanwhile may retire this session: it closes after the wait.
            ++FImpl->CallbackDepth;
            WhileWaiting();
            --FImpl->CallbackDepth;
        }
    }
    return result;
}

int SnmpSession::Send(const SnmpTarget& target, SnmpOperation op,
                      const std::vector<SnmpVarBind>& vbs, SnmpCompletion completion,
                      std::uint64_t& requestId) {
    FImpl->CloseRetired();
    NetSession* session = nullptr;
    const int opened = FImpl->Open(target, false, session);
    if (opened != SnmpResult::Success) {
        return opened;
    }
    const int sent = FImpl->Submit(*session, target, op, vbs, std::move(completion), requestId);
    if (sent == SnmpResult::Success && ActivityChanged) {
        ActivityChanged();
    }
    return sent;
}

void SnmpSession::Post(SnmpCompletion completion, const SnmpResponse& response,
                       std::uint64_t& requestId) {
    requestId = ++FImpl->NextId;
    FImpl->Posted.emplace(requestId, std::make_pair(std::move(completion), response));
    if (ActivityChanged) {
        ActivityChanged();
    }
}

void SnmpSession::Cancel(std::uint64_t requestId) {
    FImpl->Pending.erase(requestId);
    FImpl->Posted.erase(requestId);
}

std::size_t SnmpSession::PendingCount() const {
    return FImpl->Pending.size() + FImpl->Posted.size();
}

std::vector<int> SnmpSession::Sockets() const {
    std::vector<int> sockets;
    for (const auto& [key, session] : FImpl->Sessions) {
        if (key[0] == 'A') {
            sockets.push_back(session->Socket);
        }
    }
    return sockets;
}

int SnmpSession::MillisecondsToNextTimeout() const {
    if (!FImpl->Posted.empty()) {
        return 0;
    }
    long best = -1;
    for (const auto& [key, session] : FImpl->Sessions) {
        if (key[0] != 'A') {
            continue;
        }
        fd_set fds;
        FD_ZERO(&fds);
        int count = 0;
        int block = 1;
        timeval timeout{};
        snmp_sess_select_info_flags(session->Handle, &count, &fds, &timeout, &block,
                                    NETSNMP_SELECT_NOALARMS);
        if (block == 0) {
            // Rounded up, so the timer never fires just before the deadline.
            const long ms = timeout.tv_sec * 1000L + (timeout.tv_usec + 999) / 1000;
            best = best < 0 || ms < best ? ms : best;
        }
    }
    return static_cast<int>(best);
}

void SnmpSession::ProcessSocket(int socket) {
    for (const auto& [key, session] : FImpl->Sessions) {
        if (key[0] == 'A' && session->Socket == socket) {
            FImpl->Read(*session);
            break;
        }
    }
    FImpl->CloseRetired();
}

void SnmpSession::ProcessTimeouts() {
    // What was posted before now runs now; what these completions post waits
    // for the next turn of the event loop. A cancelled one is gone from the map.
    const std::uint64_t last = FImpl->NextId;
    while (!FImpl->Posted.empty() && FImpl->Posted.begin()->first <= last) {
        auto posted = std::move(FImpl->Posted.begin()->second);
        FImpl->Posted.erase(FImpl->Posted.begin());
        FImpl->RunCompletion(posted.first, SnmpResult::Success, posted.second);
    }
    std::vector<void*> handles;
    for (const auto& [key, session] : FImpl->Sessions) {
        if (key[0] == 'A') {
            handles.push_back(session->Handle);
        }
    }
    ++FImpl->CallbackDepth;
    for (void* handle : handles) {
        snmp_sess_timeout(handle);
    }
    --FImpl->CallbackDepth;
    FImpl->CloseRetired();
}
