#pragma once

#include <QDialog>

#include "TTableDialog.h"

class TMSTPPortStateForm;

// One port's MSTP settings, bound to the port-state list of its owner.
class TMSTPPortStateEditForm : public QDialog {
public:
    explicit TMSTPPortStateEditForm(TMSTPPortStateForm& owner);

    void btnEditClick();  // "Set"

protected:
    void showEvent(QShowEvent* event) override;

private:
    TMSTPPortStateForm& FOwner;
};

// The MSTP settings of every port; Edit opens one port in the edit window.
class TMSTPPortStateForm : public TTableDialog {
public:
    explicit TMSTPPortStateForm(const TDialogContext& context);

    void FormCreate() override;
    void RefreshBtnClick() override;  // btnRefresh
    void ListClick() override;
    void btnEditClick();
    bool StpMode() const;  // "stp" or "rstp": the hello time is not the port's to set
    // Writes the port shown in the edit window; false while a read runs.
    bool WritePort();

    CvSNMPRequest2Edits* PortStateRequest;
    CvSNMPRequest2Edits* StpVersionRequest;
    TMSTPPortStateEditForm* EditForm;

private:
    void ReadVersion();
};
