#pragma once

#include "TCompanionForm.h"
#include "TProgressForm.h"

// One stored configuration and the action applied to it. Making one active
// takes the switch a while: the user waits with a progress window.
class TMultiConfigControlEditForm : public TCompanionForm {
public:
    static constexpr int kActiveTicks = 15;

    explicit TMultiConfigControlEditForm(TCompanionListForm& owner);

    // Writes the action and closes, whatever the switch answers later.
    void SetButtonClick() override;

    int ProgressTickMs = TProgressForm::kTickMs;

protected:
    void FormActivate() override;
    bool Validate() override { return true; }
};

// The switch's two stored configurations, read asynchronously with a
// longer time-out; Edit applies an action to the selected one.
class TMultipleConfigControlForm : public TCompanionListForm {
public:
    explicit TMultipleConfigControlForm(const TDialogContext& context);

    void SetBtnClick() override;  // btnEdit

    TMultiConfigControlEditForm* EditForm;
};

// The RMON probe's identification and its reset control. The capability
// list shown is the module's own, whatever the probe reports.
class TProbeBasicInformationForm : public TTableDialog {
public:
    explicit TProbeBasicInformationForm(const TDialogContext& context);

    void RefreshBtnClick() override;  // btnGet
    void SetBtnClick() override;      // btnSet
};
