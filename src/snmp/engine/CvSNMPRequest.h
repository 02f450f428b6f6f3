#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "CvSNMPVarList.h"
#include "SnmpVarBind.h"

struct SnmpResponse;

// The outcome of an asynchronous exchange.
struct CvSNMPError {
    std::int32_t Code = 0;        // 0 or a negative catalogue code
    std::int32_t ErrorIndex = 0;  // of the response PDU
    std::string Message;
    std::string AgentAddress;
    std::uint16_t AgentPort = 0;
    bool Done = false;  // no further exchange belongs to this operation
};

// Called on the GUI thread from the event pump.
using CvSNMPCompletion = void (*)(void* context, CvSNMPError& error, CvSNMPVarList& vars);

// Performs the exchanges of one variable list: composes get, get-next and
// set PDUs from the items, sends them through the global session and stores
// the results as display texts. A table is read one row per call.
class CvSNMPRequest {
public:
    bool UseGetNext = false;
    std::int32_t Timeout;  // hundredths of a second
    std::int32_t Retries = 1;
    // A table walk reads this many rows ahead with one get-bulk (SNMPv2c and
    // v3) and hands them on as the get-next answers they stand for; 0 off.
    std::int32_t BulkRepetitions;
    std::string Address;
    std::uint16_t Port;
    std::string ContextEngineID;
    std::string ContextName;
    std::uint8_t Version;
    std::string ReadCommunity;
    std::string WriteCommunity;
    std::int32_t SecurityModel;
    std::int32_t SecurityLevel;
    std::string SecurityName;
    std::string AuthPassword;
    std::string PrivPassword;
    std::int32_t AuthProtocol;
    std::int32_t PrivProtocol;
    CvSNMPVarList Vars;
    std::string Filter;  // row condition with "$" item references; empty: every row
    bool Alive = true;   // cleared: no operation starts, completions start no follow-up
    std::int32_t Outstanding = 0;

    // Copies the global settings; they are never read again.
    CvSNMPRequest();
    // Waits up to 6 s, processing events, for outstanding completions; any
    // that come later never reach this object.
    virtual ~CvSNMPRequest();
    CvSNMPRequest(const CvSNMPRequest&) = delete;
    CvSNMPRequest& operator=(const CvSNMPRequest&) = delete;

    virtual std::string ExpandItemRefs(const std::string& expr, bool quoteStrings, char marker);
    virtual std::string DecodeIndex(std::int32_t keyIndex, const std::string& suffix);
    virtual std::string EncodeIndex(std::int32_t keyIndex);
    virtual void VbToText(std::int32_t itemIndex, const SnmpVarBind& vb);
    virtual void TextToVb(std::int32_t itemIndex, SnmpVarBind& vb);
    virtual void ComputeExpr(std::int32_t itemIndex, bool afterRead);
    virtual bool PassesFilter(const std::string& condition);
    virtual bool ColumnEnded(const std::string& expected, const std::string& previous,
                             const std::string& received);

    // One read exchange; `first` starts a walk. True while a table walk
    // delivers rows; false at its end and for scalar lists.
    bool Read(bool first);
    void ReadAsync(CvSNMPCompletion callback, void* context, bool first);
    // One set of the writable items, or of those in `selection` ("0,2"),
    // with `values` (if given) replacing their Value in selection order.
    bool Write(bool readBack, const std::string& selection,
               const std::vector<std::string>* values = nullptr);
    void WriteAsync(CvSNMPCompletion callback, void* context, bool readBack,
                    const std::string& selection, const std::vector<std::string>* values = nullptr);
    bool RowPasses(const std::string& condition);

private:
    enum class Outcome { Row, Single, Ended, EchoedEnd, NoSuchName };

    std::string Base(std::int32_t i) const;
    std::vector<SnmpVarBind> ComposePdu(int kind);
    void CheckItemType() const;
    void CheckWalkable() const;
    Outcome StoreResponse(int code, const SnmpResponse& response);
    void DecodeKeys(const std::string& rowIndex);
    void PrepareWrite(const std::string& selection, const std::vector<std::string>* values,
                      std::vector<SnmpVarBind>& vbs);
    void SendAsync(int op, std::vector<SnmpVarBind> vbs, CvSNMPCompletion callback, void* context,
                   bool storeResults);
    void Complete(int result, const SnmpResponse& response, bool storeResults, bool walking,
                  CvSNMPError& error);
    void Deliver(CvSNMPCompletion callback, void* context, CvSNMPError& error,
                 const std::shared_ptr<bool>& exists);

    // A walk's get-next answers read ahead: the OID asked -> the answer.
    std::map<std::string, SnmpVarBind> FReadAhead;
    std::int32_t FBulkNow = 0;  // repetitions of this walk's next get-bulk; 0 none
    void StartReadAhead();
    bool AnsweredAhead(const std::vector<SnmpVarBind>& vbs, SnmpResponse& next) const;
    bool KeepReadAhead(const std::vector<SnmpVarBind>& vbs, const SnmpResponse& bulk,
                       SnmpResponse& next);
    int ExchangeNext(const std::vector<SnmpVarBind>& vbs, SnmpResponse& response);
    void SendNextAsync(std::vector<SnmpVarBind> vbs, CvSNMPCompletion callback, void* context);
    // What a sent or posted exchange does when it ends: store the answer,
    // tell the callback, and count the exchange as done.
    std::function<void(int, const SnmpResponse&)> ExchangeEnd(
        const std::shared_ptr<std::uint64_t>& id, CvSNMPCompletion callback, void* context,
        bool storeResults, bool walking, const std::string& address, std::uint16_t port);

    std::set<std::uint64_t> FPending;
    // Completions running now: a request that one of them destroys (its
    // window closes) does not wait for it, and the completion then leaves
    // the request alone.
    std::int32_t FRunning = 0;
    std::shared_ptr<bool> FExists = std::make_shared<bool>(true);
};
