#include "TConfigForm.h"

#include <QMetaObject>
#include <QPlainTextEdit>
#include <QTimer>

#include <exception>
#include <stdexcept>

#include "CvException.h"
#include "CvMessageBox.h"
#include "CvSNMPRequest2Edits.h"
#include "TMsgPanel.h"
#include "TSNMPListViewPanel.h"

TConfigForm::TConfigForm(QWidget* owner) : QDialog(owner) {
    setObjectName("ConfigForm");
    resize(0, 0);  // the page gives the size
}

TConfigForm::~TConfigForm() {
    // A window freed without closing still stops its requests first.
    for (const auto& binding : Bindings) {
        binding->Request->Alive = false;
    }
}

void TConfigForm::CheckNotSetUp() const {
    if (PageKind != kNotSetUp) {
        throw std::logic_error("Can not change Type of a Config Form!");
    }
}

void TConfigForm::PlacePage(TSNMPEditorPanel* page) {
    FPage = page;
    page->Messages()->MessageMemo->setReadOnly(true);
    page->FitForm(this);
    resize(size().expandedTo(page->size()));
}

TSNMPEditorPanel* TConfigForm::SetupScalar(std::unique_ptr<CvSNMPRequest2Edits> binding) {
    CheckNotSetUp();
    PageKind = kScalarPage;
    Bindings.push_back(std::move(binding));
    auto* page = new TSNMPEditorPanel(this, Bindings.back().get());
    PlacePage(page);
    return page;
}

TSNMPListViewPanel* TConfigForm::SetupTable(std::unique_ptr<CvSNMPRequest2Edits> binding,
                                            std::int32_t addColumn, const std::string& addStatus,
                                            std::int32_t deleteColumn,
                                            const std::string& deleteStatus) {
    CheckNotSetUp();
    PageKind = kTablePage;
    Bindings.push_back(std::move(binding));
    auto* page = new TSNMPListViewPanel(this, Bindings.back().get());
    PlacePage(page);
    if (!addStatus.empty()) {
        page->SetAddStatus(addColumn, addStatus);
    }
    if (!deleteStatus.empty()) {
        page->SetDeleteStatus(deleteColumn, deleteStatus);
    }
    return page;
}

void TConfigForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // The first read starts once the window is on screen and its modal loop runs.
    if (!FRefreshPosted) {
        FRefreshPosted = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                try {
                    Refresh();
                } catch (const std::exception& e) {
                    CvMessageBox::Plain(this, QString::fromUtf8(e.what()));
                }
            },
            Qt::QueuedConnection);
    }
}

void TConfigForm::Refresh() {
    if (PageKind == kNotSetUp) {
        return;
    }
    if (PageKind != kScalarPage && PageKind != kTablePage) {
        throw std::logic_error("Refresh a Form with unknown Form Type!");
    }
    if (Bindings.empty() || FClosing) {
        return;  // closed before the first read
    }
    CvSNMPRequest2Edits* binding = Bindings.front().get();
    if (ActiveBinding != nullptr && ActiveBinding != binding) {
        ActiveBinding->Request->Alive = false;
    }
    ActiveBinding = binding;
    binding->Request->Alive = true;
    try {
        binding->Get();
    } catch (const CvException& e) {
        binding->ShowStatus(e.Message());
    } catch (const std::exception& e) {
        binding->ShowStatus(e.what());
    }
}

bool TConfigForm::FormClose() {
    if (!FClosing && FPage != nullptr) {
        FPage->setEnabled(false);  // nothing new starts while the requests stop
    }
    FClosing = true;
    bool running = false;
    for (const auto& binding : Bindings) {
        binding->Request->Alive = false;
        running = running || binding->Busy;
    }
    if (running) {
        return false;
    }
    ActiveBinding = nullptr;
    Bindings.clear();
    return true;
}

void TConfigForm::done(int result) {
    // A running read may be the one that delivered this close (a walk lets
    // events run after every line): the window waits for it in its own
    // event loop instead of a nested one that the read could never leave.
    if (!FormClose()) {
        QTimer::singleShot(kCloseRetryMs, this, [this, result] { done(result); });
        return;
    }
    QDialog::done(result);
}
