#pragma once

#include <array>
#include <vector>

#include "TTableDialog.h"

class ComboBox;
class QTimer;

// What sets one dot3 dialog apart: its window and the captions of the
// counters of the selected port.
struct TDot3Decl {
    const TTableDialogDecl& Window;
    std::vector<const char*> CounterRows;
};

// A per-port table of the EtherLike MIB with the counters of the selected
// port, read again on the chosen interval. The table is read asynchronously,
// the counters blocking; messages in the memo.
class Tdot3Form : public TTableDialog {
public:
    // Milliseconds of the entries of cbxInterval after "none".
    static constexpr std::array<int, 6> kIntervalMs{0, 2000, 5000, 10000, 30000, 60000};
    static constexpr int kFiveSeconds = 2;  // the entry a selected port starts with

    Tdot3Form(const TDialogContext& context, const TDot3Decl& dot3);

    void FormCreate() override;
    void RefreshBtnClick() override;  // btnGet
    void ListClick() override;        // ListView1
    void cbxIntervalChange();
    void Timer1Timer();
    void ClearDot3View();
    void ShowCounters();
    void done(int result) override;

    // Valid until the dialog has closed.

    CvSNMPRequest2Edits* TableRequest;
    CvSNMPRequest2Edits* CounterRequest;
    ListView* ListView2;
    ListView* lvChart;
    ComboBox* cbxInterval;
    QTimer* Timer1;
    bool Ready = false;
    // The intervals in use; tests shorten them.
    std::array<int, 6> IntervalMs = kIntervalMs;

protected:
    // The completion routine of every table read.
    virtual void TableRead();
    // The controls of the selected row emptied.
    virtual void ClearRowControls() = 0;
    virtual void RowSelected() {}
    void StartTimer(int entry);
    void ReadTable();
};

// The MAC control functions of each port and its unknown-opcode counter.
class Tdot3ControlForm : public Tdot3Form {
public:
    explicit Tdot3ControlForm(const TDialogContext& context);

protected:
    void TableRead() override;
    void ClearRowControls() override;
};

// The pause mode of each port, set by the administrator, and its pause
// frame counters.
class Tdot3PauseForm : public Tdot3Form {
public:
    explicit Tdot3PauseForm(const TDialogContext& context);

    void FormCreate() override;
    void SetBtnClick() override;  // btnSet

protected:
    void ClearRowControls() override;
    void RowSelected() override;
};
