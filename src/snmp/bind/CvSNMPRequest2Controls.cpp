#include "CvSNMPRequest2Controls.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QTimer>

#include <ctime>

#include "CvCatalogues.h"
#include "CvException.h"
#include "CvMessageBox.h"
#include "StatusBar.h"

namespace {

std::tm Now() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

// The wait cursor while a blocking operation runs.
class WaitCursor {
public:
    WaitCursor() : FShown(qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr) {
        if (FShown) {
            QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        }
    }
    ~WaitCursor() {
        if (FShown) {
            QGuiApplication::restoreOverrideCursor();
        }
    }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    bool FShown;
};

// Between the rows of a blocking walk the windows paint its lines; what the
// user does meanwhile waits for the walk's end.
void PaintWhileBlocked() {
    if (QCoreApplication::instance() != nullptr) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
}

constexpr int kExchangeMarginMs = 1000;

// Clears Busy when an exception leaves the operation.
struct BusyGuard {
    bool& Busy;
    bool Armed = true;
    ~BusyGuard() {
        if (Armed) {
            Busy = false;
        }
    }
};

}  // namespace

CvSNMPRequest2Controls::CvSNMPRequest2Controls(QWidget* owner)
    : Request(std::make_unique<CvSNMPRequest>()), Owner(owner) {}

CvSNMPRequest2Controls::~CvSNMPRequest2Controls() {
    FDestroying = true;
    Request->Alive = false;
    Request.reset();
}

void CvSNMPRequest2Controls::BeforeRead() {}
void CvSNMPRequest2Controls::BeforeWrite() {}
void CvSNMPRequest2Controls::GatherValues() {}
void CvSNMPRequest2Controls::AfterRead() {}
void CvSNMPRequest2Controls::AfterWrite() {}

void CvSNMPRequest2Controls::OnReadError(const CvSNMPError& error) {
    LastOp = 0;
    Report(error);
}

void CvSNMPRequest2Controls::OnWriteError(const CvSNMPError& error) {
    LastOp = 1;
    Report(error);
}

void CvSNMPRequest2Controls::Report(const CvSNMPError& error) {
    if (StatusTarget.Empty()) {
        CvMessageBox::Plain(Owner, QString::fromStdString(error.Message));
    } else {
        ShowStatus(error.Message);
    }
}

void CvSNMPRequest2Controls::SetStatusTarget(QPlainTextEdit* memo) {
    StatusTarget = CvStatusTarget{memo, nullptr, -1};
}

void CvSNMPRequest2Controls::SetStatusTarget(StatusBar* bar) {
    StatusTarget = CvStatusTarget{nullptr, bar, -1};
}

void CvSNMPRequest2Controls::SetStatusTarget(StatusBar* bar, int panel) {
    StatusTarget = CvStatusTarget{nullptr, bar, panel};
}

void CvSNMPRequest2Controls::ShowStatus(const std::string& message) {
    const std::string line =
        StatusText(CatalogueText(CvCatalogue::Status, LastOp), message, Request->Vars.Name, Now());
    const QString text = QString::fromStdString(line);
    if (StatusTarget.Memo != nullptr) {
        StatusTarget.Memo->appendPlainText(text);
    } else if (StatusTarget.Bar != nullptr) {
        if (QLabel* panel = StatusTarget.Bar->Panel(StatusTarget.Panel)) {
            panel->setText(text);
        } else {
            StatusTarget.Bar->SetSimpleText(text);
        }
    }
}

std::string CvSNMPRequest2Controls::ExpandedFilter() const {
    return Filter && !FilterText.empty() ? Filter(FilterText) : std::string();
}

void CvSNMPRequest2Controls::DeliverRow(const std::string& filter) {
    if (Request->RowPasses(filter)) {
        ++RowCount;
        OnRow();
    }
}

void CvSNMPRequest2Controls::Get() {
    LastOp = 0;
    BeforeRead();
    FRunningFilter = ExpandedFilter();
    RowCount = 0;
    Busy = true;
    BusyGuard guard{Busy};
    if (Mode == 0) {
        const WaitCursor waiting;
        if (Request->Vars.IsTable()) {
            for (bool row = Request->Read(true); row; row = Request->Read(false)) {
                DeliverRow(FRunningFilter);
                PaintWhileBlocked();
            }
        } else {
            Request->Read(true);
            DeliverRow(FRunningFilter);
        }
        AfterRead();
        Busy = false;
        if (!StatusTarget.Empty()) {
            ShowStatus(CodeMessage(kOk));
        }
        return;
    }
    if (!Request->Alive) {
        return;  // the guard clears Busy
    }
    Request->ReadAsync(&ReadCompleted, this, true);
    guard.Armed = false;  // the completion ends the operation
}

void CvSNMPRequest2Controls::ReadCompleted(void* context, CvSNMPError& error, CvSNMPVarList&) {
    auto* self = static_cast<CvSNMPRequest2Controls*>(context);
    if (self->FDestroying) {
        return;
    }
    if (error.Code != kOk) {
        self->Busy = false;
        self->OnReadError(error);
        if (self->OnReadDone) {
            self->OnReadDone(*self, error);
        }
        return;
    }
    const bool table = self->Request->Vars.IsTable();
    if (table && error.Done) {
        self->FinishRead(error);
        return;
    }
    self->DeliverRow(self->FRunningFilter);
    if (table && self->Request->Alive) {
        // A failure to send the next row reaches this completion as the outcome.
        self->Request->ReadAsync(&ReadCompleted, self, false);
        return;
    }
    self->FinishRead(error);
}

void CvSNMPRequest2Controls::FinishRead(const CvSNMPError& error) {
    AfterRead();
    Busy = false;
    if (!StatusTarget.Empty()) {
        LastOp = 0;
        ShowStatus(CodeMessage(kOk));
    }
    if (OnReadDone) {
        OnReadDone(*this, error);
    }
}

void CvSNMPRequest2Controls::Set(bool refreshAfterWrite, bool gather, const std::string& selection,
                                 const std::vector<std::string>* values) {
    LastOp = 1;
    RefreshAfterWrite = refreshAfterWrite;
    BeforeWrite();
    if (gather) {
        GatherValues();
    }
    Busy = true;
    BusyGuard guard{Busy};
    if (Mode == 0) {
        const WaitCursor waiting;
        Request->Write(false, selection, values);
        AfterWrite();
        Busy = false;
        if (!StatusTarget.Empty()) {
            ShowStatus(CodeMessage(kOk));
        }
        if (Request->Vars.IsTable() && RefreshAfterWrite) {
            Get();
        }
        return;
    }
    if (!Request->Alive) {
        return;
    }
    Request->WriteAsync(&WriteCompleted, this, false, selection, values);
    guard.Armed = false;
}

void CvSNMPRequest2Controls::WriteCompleted(void* context, CvSNMPError& error, CvSNMPVarList&) {
    auto* self = static_cast<CvSNMPRequest2Controls*>(context);
    if (self->FDestroying) {
        return;
    }
    self->Busy = false;
    if (error.Code != kOk) {
        self->OnWriteError(error);
        if (self->OnWriteDone) {
            self->OnWriteDone(*self, error);
        }
        return;
    }
    self->AfterWrite();
    if (!self->StatusTarget.Empty()) {
        self->LastOp = 1;
        self->ShowStatus(CodeMessage(kOk));
    }
    if (self->OnWriteDone) {
        self->OnWriteDone(*self, error);
    }
    if (self->Request->Vars.IsTable() && self->RefreshAfterWrite) {
        self->Get();
    }
}

void CvSNMPRequest2Controls::WaitWhileBusy(int ms, bool userInput) {
    if (!Busy || QCoreApplication::instance() == nullptr) {
        return;
    }
    QTimer wakeUp;  // bounds each wait for events
    wakeUp.start(10);
    const QDeadlineTimer deadline(ms);
    const QEventLoop::ProcessEventsFlags flags =
        userInput ? QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents
                  : QEventLoop::WaitForMoreEvents | QEventLoop::ExcludeUserInputEvents;
    while (Busy && !deadline.hasExpired()) {
        QCoreApplication::processEvents(flags);
    }
}

int CvSNMPRequest2Controls::ExchangeLimitMs() const {
    return Request->Timeout * 10 * (Request->Retries + 1) + kExchangeMarginMs;
}

bool CvSNMPRequest2Controls::StopRunningRead() {
    if (!Busy) {
        return true;
    }
    if (Mode != 1) {
        return false;  // a blocking read further up the stack: it cannot end from here
    }
    // The exchange under way ends at its last time-out at the latest; a walk
    // switched on again before that would carry on beside the write.
    Request->Alive = false;
    WaitWhileBusy(ExchangeLimitMs());
    Request->Alive = true;
    return !Busy;
}
