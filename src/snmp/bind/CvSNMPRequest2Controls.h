#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "CvSNMPRequest.h"

class QPlainTextEdit;
class QWidget;
class StatusBar;

// Where the outcome of an exchange is written: appended to a memo, as the
// simple text of a status bar, or into one panel of a status bar. None of
// them: failures go to a message box on the owner.
struct CvStatusTarget {
    QPlainTextEdit* Memo = nullptr;
    StatusBar* Bar = nullptr;
    int Panel = -1;  // -1: the bar's simple text
    bool Empty() const { return Memo == nullptr && Bar == nullptr; }
};

// Runs the exchanges of one request for a window: synchronous or
// asynchronous reads and writes, table walks row by row, outcome texts in a
// status target; the concrete bindings fill and read the controls through
// the steps below.
class CvSNMPRequest2Controls {
public:
    using DoneEvent = std::function<void(CvSNMPRequest2Controls& sender, const CvSNMPError& error)>;
    // Expands "#" item references of FilterText into a condition.
    using FilterProvider = std::function<std::string(const std::string& filter)>;

    std::unique_ptr<CvSNMPRequest> Request;
    DoneEvent OnReadDone;
    DoneEvent OnWriteDone;
    // 0 blocking: the handler waits with the wait cursor, the windows paint,
    // user input is held until the exchange ends; 1 asynchronous.
    std::uint8_t Mode = 1;
    bool Busy = false;
    QWidget* Owner;
    std::int32_t RowCount = 0;
    CvStatusTarget StatusTarget;
    std::uint8_t LastOp = 0;  // 0 read, 1 write
    bool RefreshAfterWrite = true;
    FilterProvider Filter;
    std::string FilterText;

    explicit CvSNMPRequest2Controls(QWidget* owner);
    // Stops the request first: completions still outstanding reach nothing.
    virtual ~CvSNMPRequest2Controls();
    CvSNMPRequest2Controls(const CvSNMPRequest2Controls&) = delete;
    CvSNMPRequest2Controls& operator=(const CvSNMPRequest2Controls&) = delete;

    virtual void BeforeRead();
    virtual void BeforeWrite();
    virtual void OnRow() = 0;
    virtual void GatherValues();
    virtual void OnReadError(const CvSNMPError& error);
    virtual void OnWriteError(const CvSNMPError& error);
    virtual void AfterRead();
    virtual void AfterWrite();

    void SetStatusTarget(QPlainTextEdit* memo);
    void SetStatusTarget(StatusBar* bar);
    void SetStatusTarget(StatusBar* bar, int panel);

    // Reads the device into the controls. Synchronous failures raise.
    void Get();
    // Writes; `gather` takes the values from the controls first.
    void Set(bool refreshAfterWrite, bool gather, const std::string& selection = std::string(),
             const std::vector<std::string>* values = nullptr);
    // The status line of LastOp with `message`, into the status target.
    void ShowStatus(const std::string& message);

    // Processes events while an exchange of this binding runs, at most `ms`;
    // user input waits unless `userInput`.
    void WaitWhileBusy(int ms, bool userInput = false);
    // The longest one exchange of the request can take: every try timed out.
    int ExchangeLimitMs() const;
    // Ends a running asynchronous read after its current exchange and waits
    // for that exchange, so that a write never shares the values with a walk.
    // False when a read still runs (the caller must not write then).
    bool StopRunningRead();

protected:
    // The read or write failure as the status line, or a message box without target.
    void Report(const CvSNMPError& error);

private:
    static void ReadCompleted(void* context, CvSNMPError& error, CvSNMPVarList& vars);
    static void WriteCompleted(void* context, CvSNMPError& error, CvSNMPVarList& vars);
    void DeliverRow(const std::string& filter);
    void FinishRead(const CvSNMPError& error);
    std::string ExpandedFilter() const;

    std::string FRunningFilter;  // of the walk in progress
    bool FDestroying = false;
};

// Makes a binding blocking while it lives, however the operation ends.
class CvBlockingMode {
public:
    explicit CvBlockingMode(CvSNMPRequest2Controls& binding)
        : FBinding(binding), FSaved(binding.Mode) {
        binding.Mode = 0;
    }
    ~CvBlockingMode() { FBinding.Mode = FSaved; }
    CvBlockingMode(const CvBlockingMode&) = delete;
    CvBlockingMode& operator=(const CvBlockingMode&) = delete;

private:
    CvSNMPRequest2Controls& FBinding;
    std::uint8_t FSaved;
};
