#include "CvSNMPRequest.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>

#include <memory>
#include <optional>
#include <string_view>

#include "CvCatalogues.h"
#include "CvException.h"
#include "CvExpression.h"
#include "CvIndexCoding.h"
#include "CvNumList.h"
#include "CvOidText.h"
#include "CvSNMPSession.h"
#include "CvSNMPSettings.h"
#include "CvSNMPTarget.h"
#include "CvValueConversion.h"
#include "SnmpTransport.h"

namespace {

constexpr int kFirstRead = 0;
constexpr int kNextRead = 1;
constexpr int kWrite = 2;
constexpr int kDestroyWaitMs = 6000;
constexpr int kTooBig = 1;  // the error status of an answer too big for one message
const char kNotDone[] = "(NOTDONE)";
const char kNull[] = "(NULL)";

SnmpSession& Session() {
    SnmpSession* session = GlobalSession();
    if (session == nullptr) {
        CvRaise(kErrCreateSession);
    }
    return *session;
}

[[noreturn]] void RaiseResult(int result) {
    const CvSnmpResult mapped = MapSnmpResult(result);
    throw CvException(mapped.Message, mapped.Code);
}

std::string Joined(const std::string& oid, const std::string& suffix) {
    return suffix.empty() ? oid : oid + "." + suffix;
}

}  // namespace

CvSNMPRequest::CvSNMPRequest()
    : Timeout(DefaultTimeout),
      BulkRepetitions(DefaultBulkRepetitions),
      Address(GlobalDevice().Address),
      Port(GlobalDevice().Port),
      ContextEngineID(GlobalScope().ContextEngineID),
      ContextName(GlobalScope().ContextName),
      Version(GlobalSecurity().Version),
      ReadCommunity(GlobalSecurity().ReadCommunity),
      WriteCommunity(GlobalSecurity().WriteCommunity),
      SecurityModel(GlobalSecurity().SecurityModel),
      SecurityLevel(GlobalSecurity().SecurityLevel),
      SecurityName(GlobalSecurity().SecurityName),
      AuthPassword(GlobalSecurity().AuthPassword),
      PrivPassword(GlobalSecurity().PrivPassword),
      AuthProtocol(GlobalSecurity().AuthProtocol),
      PrivProtocol(GlobalSecurity().PrivProtocol) {}

CvSNMPRequest::~CvSNMPRequest() {
    Alive = false;
    if (Outstanding > FRunning && QCoreApplication::instance() != nullptr) {
        // A wake-up timer keeps the wait bounded even if the pump is stopped.
        QTimer wakeUp;
        wakeUp.start(50);
        const QDeadlineTimer deadline(kDestroyWaitMs);
        while (Outstanding > FRunning && !deadline.hasExpired()) {
            QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
        }
    }
    if (SnmpSession* session = GlobalSession()) {
        for (const std::uint64_t id : FPending) {
            session->Cancel(id);
        }
    }
    *FExists = false;
}

std::string CvSNMPRequest::ExpandItemRefs(const std::string& expr, bool quoteStrings, char marker) {
    return ::ExpandItemRefs(Vars, expr, marker, quoteStrings);
}

std::string CvSNMPRequest::DecodeIndex(std::int32_t keyIndex, const std::string& suffix) {
    return ::DecodeIndex(Vars, keyIndex, suffix);
}

std::string CvSNMPRequest::EncodeIndex(std::int32_t keyIndex) {
    return ::EncodeIndex(Vars, keyIndex);
}

void CvSNMPRequest::VbToText(std::int32_t itemIndex, const SnmpVarBind& vb) {
    ::VbToText(Vars.Item(itemIndex), vb);
}

void CvSNMPRequest::TextToVb(std::int32_t itemIndex, SnmpVarBind& vb) {
    ::TextToVb(Vars.Item(itemIndex), vb);
}

void CvSNMPRequest::ComputeExpr(std::int32_t itemIndex, bool afterRead) {
    ComputeItemExpr(Vars, itemIndex, afterRead);
}

bool CvSNMPRequest::PassesFilter(const std::string& condition) {
    return condition.empty() || EvaluateCondition(ExpandItemRefs(condition, true, '$'));
}

bool CvSNMPRequest::ColumnEnded(const std::string& expected, const std::string& previous,
                                const std::string& received) {
    if (!Vars.IsTable()) {
        return false;
    }
    // A get-next that does not move forward ends the column, so a walk ends
    // on any agent, even one that answers backwards or in a loop.
    return !OidTextExtends(received, expected) ||
           (!previous.empty() && CompareOidTexts(received, previous) <= 0);
}

bool CvSNMPRequest::RowPasses(const std::string& condition) {
    return PassesFilter(condition) && PassesFilter(Filter);
}

std::string CvSNMPRequest::Base(std::int32_t i) const {
    return Joined(Vars.Item(i).Oid, Vars.Instance);
}

void CvSNMPRequest::CheckItemType() const {
    if (Vars.ItemType > MVT_UMV) {
        CvRaise(kErrBadItemType);
    }
}

void CvSNMPRequest::CheckWalkable() const {
    if (!Vars.IsTable()) {
        return;
    }
    for (std::int32_t i = 0; i < Vars.GetCount(); ++i) {
        if (Vars.IsReadable(i)) {
            return;
        }
    }
    // Without a readable column every get-next would deliver an empty row
    // and the walk would never end.
    CvRaise(kErrBadKeyCount);
}

std::vector<SnmpVarBind> CvSNMPRequest::ComposePdu(int kind) {
    CheckItemType();
    if (kind == kNextRead && !Vars.IsTable()) {
        CvRaise(kErrGetNextSingle);
    }
    const std::string rowIndex = kind == kWrite && Vars.IsTable() ? EncodeRowIndex(Vars) : "";
    std::vector<SnmpVarBind> vbs;
    for (std::int32_t i = 0; i < Vars.GetCount(); ++i) {
        CvSNMPVar& item = Vars.Item(i);
        SnmpVarBind vb;
        if (kind == kWrite) {
            if (!Vars.IsWritable(i) || (Vars.IsTable() && i < Vars.PKeyCount)) {
                continue;
            }
            vb.Oid = Vars.ItemType == SVT_SV ? Base(i) + ".0"
                     : Vars.IsTable()        ? Joined(Base(i), rowIndex)
                                             : Base(i);
            TextToVb(i, vb);
        } else {
            if (!Vars.IsReadable(i)) {
                continue;
            }
            if (kind == kFirstRead) {
                item.InstanceOid.clear();
                vb.Oid = Vars.ItemType == SVT_SV ? Base(i) + ".0" : Base(i);
            } else {
                vb.Oid = item.InstanceOid;
            }
        }
        vbs.push_back(std::move(vb));
    }
    return vbs;
}

CvSNMPRequest::Outcome CvSNMPRequest::StoreResponse(int code, const SnmpResponse& response) {
    // One reply per readable item, in list order.
    struct Reply {
        std::int32_t Item;
        const SnmpVarBind* Vb;
        bool Ended;
        std::string_view RowIndex;  // of a column still inside its table
    };
    std::vector<Reply> replies;
    std::size_t p = 0;
    std::int32_t ended = 0;
    std::optional<std::string_view> rowIndex;
    for (std::int32_t i = 0; i < Vars.GetCount(); ++i) {
        if (!Vars.IsReadable(i)) {
            continue;
        }
        if (p >= response.Vbs.size()) {
            RaiseResult(SnmpResult::InvalidPdu);  // the agent left bindings out
        }
        const SnmpVarBind& vb = response.Vbs[p++];
        CvSNMPVar& item = Vars.Item(i);
        const std::string expected = Base(i);
        if (code == kErrNoSuchName) {
            // A v1 agent answers the get-next past its last object with
            // noSuchName and the OID it was given.
            return item.InstanceOid == vb.Oid ? Outcome::EchoedEnd : Outcome::NoSuchName;
        }
        Reply reply{i, &vb, ColumnEnded(expected, item.InstanceOid, vb.Oid), {}};
        if (reply.Ended) {
            ++ended;
        } else if (vb.Oid.size() > expected.size()) {
            reply.RowIndex = std::string_view(vb.Oid).substr(expected.size() + 1);
            // The row is the first one any column still has: a column with
            // a hole there answers with a later row.
            if (!rowIndex || CompareOidTexts(reply.RowIndex, *rowIndex) < 0) {
                rowIndex = reply.RowIndex;
            }
        }
        replies.push_back(reply);
    }
    if (!replies.empty() && ended == static_cast<std::int32_t>(replies.size())) {
        return Outcome::Ended;
    }
    // Ended columns go on from the row before this one; before the first row
    // the keys hold no values and the columns stay where they began.
    bool keysRead = true;
    for (std::int32_t k = 0; k < Vars.PKeyCount && k < Vars.GetCount(); ++k) {
        keysRead = keysRead && !Vars.Item(k).Value.empty();
    }
    const std::string previousRow = ended > 0 && keysRead ? EncodeRowIndex(Vars) : std::string();
    for (const Reply& reply : replies) {
        CvSNMPVar& item = Vars.Item(reply.Item);
        if (reply.Ended) {
            item.Value = kNotDone;
            item.InstanceOid = Joined(Base(reply.Item), previousRow);
        } else if (Vars.IsTable() && CompareOidTexts(reply.RowIndex, *rowIndex) != 0) {
            // No value in this row; the column is asked again from where it was.
            item.Value = kNull;
            if (item.InstanceOid.empty()) {
                item.InstanceOid = Base(reply.Item);
            }
        } else {
            VbToText(reply.Item, *reply.Vb);
            item.InstanceOid = reply.Vb->Oid;
        }
    }
    if (Vars.IsTable()) {
        DecodeKeys(rowIndex ? std::string(*rowIndex) : std::string());
    }
    for (std::int32_t i = 0; i < Vars.GetCount(); ++i) {
        ComputeExpr(i, true);
    }
    return Vars.IsTable() ? Outcome::Row : Outcome::Single;
}

void CvSNMPRequest::DecodeKeys(const std::string& rowIndex) {
    std::string rest = rowIndex;
    for (std::int32_t k = 0; k < Vars.PKeyCount; ++k) {
        if (rest.empty() || k >= Vars.GetCount()) {
            CvRaise(kErrBadKeyCount);
        }
        if (!Vars.IsReadable(k)) {
            Vars.Item(k).InstanceOid = Base(k) + "." + rowIndex;
        }
        rest = DecodeIndex(k, rest);
    }
}

bool CvSNMPRequest::Read(bool first) {
    if (!Alive) {
        return false;
    }
    CheckItemType();
    CheckWalkable();
    const SnmpTarget target = BuildTargets(*this);
    const std::vector<SnmpVarBind> vbs = ComposePdu(first ? kFirstRead : kNextRead);
    const SnmpOperation op = Vars.IsTable() || (Vars.ItemType == MVT_SV && UseGetNext)
                                 ? SnmpOperation::GetNext
                                 : SnmpOperation::Get;
    if (first && op == SnmpOperation::GetNext) {
        StartReadAhead();
    }
    SnmpResponse response;
    const CvSnmpResult mapped = MapSnmpResult(op == SnmpOperation::GetNext && Vars.IsTable()
                                                  ? ExchangeNext(vbs, response)
                                                  : Session().Exchange(target, op, vbs, response));
    NoteExchangeFailed(Address, mapped.Code);
    if (mapped.Code != kOk && !(mapped.Code == kErrNoSuchName && Vars.IsTable())) {
        throw CvException(mapped.Message, mapped.Code);
    }
    switch (StoreResponse(mapped.Code, response)) {
        case Outcome::Row:
            return true;
        case Outcome::NoSuchName:
            throw CvException(mapped.Message, mapped.Code);
        default:
            return false;
    }
}

void CvSNMPRequest::ReadAsync(CvSNMPCompletion callback, void* context, bool first) {
    if (!Alive) {
        return;
    }
    CheckItemType();
    CheckWalkable();
    const int op = Vars.IsTable() || (Vars.ItemType == MVT_SV && UseGetNext)
                       ? static_cast<int>(SnmpOperation::GetNext)
                       : static_cast<int>(SnmpOperation::Get);
    std::vector<SnmpVarBind> vbs = ComposePdu(first ? kFirstRead : kNextRead);
    if (!Vars.IsTable()) {
        SendAsync(op, std::move(vbs), callback, context, true);
        return;
    }
    if (first) {
        StartReadAhead();
    }
    SendNextAsync(std::move(vbs), callback, context);
}

void CvSNMPRequest::StartReadAhead() {
    FReadAhead.clear();
    FBulkNow = Version != 0 ? BulkRepetitions : 0;  // SNMPv1 has no get-bulk
}

bool CvSNMPRequest::AnsweredAhead(const std::vector<SnmpVarBind>& vbs, SnmpResponse& next) const {
    if (FReadAhead.empty()) {
        return false;
    }
    SnmpResponse answer;
    for (const SnmpVarBind& vb : vbs) {
        const auto found = FReadAhead.find(vb.Oid);
        if (found == FReadAhead.end()) {
            return false;
        }
        answer.Vbs.push_back(found->second);
    }
    next = std::move(answer);
    return true;
}

// Repetition r of binding j answers the get-next of repetition r - 1's name
// (RFC 3416), so every whole repetition is a get-next answer kept for later;
// a repetition the agent cut short is left out.
bool CvSNMPRequest::KeepReadAhead(const std::vector<SnmpVarBind>& vbs, const SnmpResponse& bulk,
                                  SnmpResponse& next) {
    const std::size_t width = vbs.size();
    if (width == 0 || bulk.ErrorStatus != 0 || bulk.Vbs.size() < width) {
        return false;
    }
    FReadAhead.clear();
    std::vector<std::string> asked;
    for (const SnmpVarBind& vb : vbs) {
        asked.push_back(vb.Oid);
    }
    for (std::size_t r = 0; r < bulk.Vbs.size() / width; ++r) {
        for (std::size_t j = 0; j < width; ++j) {
            const SnmpVarBind& answer = bulk.Vbs[r * width + j];
            FReadAhead.emplace(asked[j], answer);
            asked[j] = answer.Oid;
        }
    }
    next = SnmpResponse{};
    next.Vbs.assign(bulk.Vbs.begin(), bulk.Vbs.begin() + static_cast<std::ptrdiff_t>(width));
    return true;
}

// A get-bulk that does not come back whole (a time-out, an error status, a
// short answer) gives way to get-next for the rest of the walk, so that every
// outcome is the one a get-next walk has; too big an answer halves the rows.
int CvSNMPRequest::ExchangeNext(const std::vector<SnmpVarBind>& vbs, SnmpResponse& response) {
    if (AnsweredAhead(vbs, response)) {
        return SnmpResult::Success;
    }
    SnmpTarget target = BuildTargets(*this);
    while (FBulkNow > 0) {
        target.MaxRepetitions = FBulkNow;
        SnmpResponse bulk;
        const int result = Session().Exchange(target, SnmpOperation::GetBulk, vbs, bulk);
        if (result == SnmpResult::Success && KeepReadAhead(vbs, bulk, response)) {
            return SnmpResult::Success;
        }
        FBulkNow = result == kTooBig ? FBulkNow / 2 : 0;
    }
    return Session().Exchange(target, SnmpOperation::GetNext, vbs, response);
}

void CvSNMPRequest::SendNextAsync(std::vector<SnmpVarBind> vbs, CvSNMPCompletion callback,
                                  void* context) {
    SnmpResponse ahead;
    if (AnsweredAhead(vbs, ahead)) {
        auto id = std::make_shared<std::uint64_t>(0);
        Session().Post(ExchangeEnd(id, callback, context, true, true, Address, Port), ahead, *id);
        FPending.insert(*id);
        ++Outstanding;
        return;
    }
    if (FBulkNow <= 0) {
        SendAsync(static_cast<int>(SnmpOperation::GetNext), std::move(vbs), callback, context,
                  true);
        return;
    }
    SnmpTarget target = BuildTargets(*this);
    target.MaxRepetitions = FBulkNow;
    auto id = std::make_shared<std::uint64_t>(0);
    SnmpCompletion answered =
        ExchangeEnd(id, callback, context, true, true, target.Address, target.Port);
    const int sent = Session().Send(
        target, SnmpOperation::GetBulk, vbs,
        [this, vbs, callback, context, answered, id](int result, const SnmpResponse& bulk) {
            SnmpResponse next;
            if (result == SnmpResult::SessionClosed ||
                (result == SnmpResult::Success && KeepReadAhead(vbs, bulk, next))) {
                answered(result, next);
                return;
            }
            FBulkNow = result == kTooBig ? FBulkNow / 2 : 0;
            if (!Alive) {
                answered(result, bulk);  // the walk stops: its outcome is this answer's
                return;
            }
            // The same row asked again; the exchange counts until then.
            FPending.erase(*id);
            try {
                SendNextAsync(vbs, callback, context);
                --Outstanding;
            } catch (...) {
                FPending.insert(*id);
                answered(result, bulk);
            }
        },
        *id);
    if (sent != SnmpResult::Success) {
        RaiseResult(sent);
    }
    FPending.insert(*id);
    ++Outstanding;
}

void CvSNMPRequest::PrepareWrite(const std::string& selection,
                                 const std::vector<std::string>* values,
                                 std::vector<SnmpVarBind>& vbs) {
    // Flags and values change only while the PDU is built.
    std::vector<std::pair<std::uint32_t, std::string>> saved;
    for (std::int32_t i = 0; i < Vars.GetCount(); ++i) {
        saved.emplace_back(Vars.Item(i).Access, Vars.Item(i).Value);
    }
    auto restore = [&] {
        for (std::int32_t i = 0; i < Vars.GetCount(); ++i) {
            Vars.Item(i).Access = saved[static_cast<std::size_t>(i)].first;
            Vars.Item(i).Value = saved[static_cast<std::size_t>(i)].second;
        }
    };
    try {
        if (!selection.empty()) {
            CvNumList<std::int32_t> selected(',');
            selected.Parse(selection);
            for (std::int32_t i = 0; i < Vars.GetCount(); ++i) {
                CvSNMPVar& item = Vars.Item(i);
                const std::int32_t position = selected.IndexOf(i);
                if (position < 0) {
                    item.Access |= CvAccess::invalid;
                    continue;
                }
                item.Access &= ~CvAccess::invalid;
                if (values != nullptr && static_cast<std::size_t>(position) < values->size()) {
                    item.Value = (*values)[static_cast<std::size_t>(position)];
                }
            }
        }
        for (std::int32_t i = 0; i < Vars.GetCount(); ++i) {
            ComputeExpr(i, false);
        }
        vbs = ComposePdu(kWrite);
    } catch (...) {
        restore();
        throw;
    }
    restore();
}

bool CvSNMPRequest::Write(bool readBack, const std::string& selection,
                          const std::vector<std::string>* values) {
    if (!Alive) {
        return false;
    }
    CheckItemType();
    std::vector<SnmpVarBind> vbs;
    PrepareWrite(selection, values, vbs);
    const SnmpTarget target = BuildTargets(*this);
    SnmpResponse response;
    const int result = Session().Exchange(target, SnmpOperation::Set, vbs, response);
    NoteExchangeFailed(Address, result);
    if (result != SnmpResult::Success) {
        RaiseResult(result);
    }
    return readBack && StoreResponse(kOk, response) == Outcome::Row;
}

void CvSNMPRequest::WriteAsync(CvSNMPCompletion callback, void* context, bool readBack,
                               const std::string& selection,
                               const std::vector<std::string>* values) {
    if (!Alive) {
        return;
    }
    CheckItemType();
    std::vector<SnmpVarBind> vbs;
    PrepareWrite(selection, values, vbs);
    SendAsync(static_cast<int>(SnmpOperation::Set), std::move(vbs), callback, context, readBack);
}

void CvSNMPRequest::SendAsync(int op, std::vector<SnmpVarBind> vbs, CvSNMPCompletion callback,
                              void* context, bool storeResults) {
    const SnmpTarget target = BuildTargets(*this);
    auto id = std::make_shared<std::uint64_t>(0);  // known once sent; completions come later
    const bool walking = static_cast<SnmpOperation>(op) == SnmpOperation::GetNext;
    const int sent = Session().Send(
        target, static_cast<SnmpOperation>(op), vbs,
        ExchangeEnd(id, callback, context, storeResults, walking, target.Address, target.Port),
        *id);
    if (sent != SnmpResult::Success) {
        RaiseResult(sent);
    }
    FPending.insert(*id);
    ++Outstanding;
}

SnmpCompletion CvSNMPRequest::ExchangeEnd(const std::shared_ptr<std::uint64_t>& id,
                                          CvSNMPCompletion callback, void* context,
                                          bool storeResults, bool walking,
                                          const std::string& address, std::uint16_t port) {
    return [this, callback, context, storeResults, walking, id, exists = FExists, address, port](
               int result, const SnmpResponse& response) {
        FPending.erase(*id);
        if (result == SnmpResult::SessionClosed) {
            --Outstanding;  // the session ended with the exchange pending
            return;
        }
        CvSNMPError error;
        error.AgentAddress = address;
        error.AgentPort = port;
        Complete(result, response, storeResults, walking, error);
        NoteExchangeFailed(Address, error.Code);
        ++FRunning;
        Deliver(callback, context, error, exists);
        if (!*exists) {
            return;  // the callback destroyed the request
        }
        --FRunning;
        --Outstanding;
    };
}

// A failure of what the callback starts next (the following row of a walk
// cannot be sent, say) ends the operation: the callback hears it as the
// outcome, and nothing is thrown through the SNMP library.
void CvSNMPRequest::Deliver(CvSNMPCompletion callback, void* context, CvSNMPError& error,
                            const std::shared_ptr<bool>& exists) {
    CvSNMPError failed = error;
    try {
        callback(context, error, Vars);
        return;
    } catch (const CvException& e) {
        failed.Code = e.Code();
        failed.Message = e.Message();
    } catch (...) {
        failed.Code = kErrUnknown;
        failed.Message = CodeMessage(kErrUnknown);
    }
    if (!*exists) {
        return;
    }
    failed.Done = true;
    try {
        callback(context, failed, Vars);
    } catch (...) {
        // Told once; a second failure has nowhere left to go.
    }
}

void CvSNMPRequest::Complete(int result, const SnmpResponse& response, bool storeResults,
                             bool walking, CvSNMPError& error) {
    const CvSnmpResult mapped = MapSnmpResult(result);
    error.Code = mapped.Code;
    error.Message = mapped.Message;
    error.ErrorIndex = response.ErrorIndex;
    error.Done = true;
    // Only a walk may end in noSuchName: a v1 agent echoes a refused set's
    // bindings too, and that is no end of anything.
    const bool noSuchNameInWalk = walking && mapped.Code == kErrNoSuchName && Vars.IsTable();
    if (!((mapped.Code == kOk && storeResults) || noSuchNameInWalk)) {
        return;
    }
    try {
        switch (StoreResponse(mapped.Code, response)) {
            case Outcome::EchoedEnd:
                error.Code = kOk;
                error.Message = CodeMessage(kOk);
                break;
            case Outcome::Row:
                error.Done = false;
                break;
            default:
                break;
        }
    } catch (const CvException& e) {
        // A value that does not convert ends the operation with its message.
        error.Code = e.Code();
        error.Message = e.Message();
    }
}
