#pragma once

#include "TCompanionForm.h"

// A new static IPv6 neighbour: always on interface 5121 and of type static.
class TARPIPv6ControlEditForm : public TCompanionForm {
public:
    explicit TARPIPv6ControlEditForm(TCompanionListForm& owner);

protected:
    void FormActivate() override;
    bool Validate() override;
};

// The switch's static IPv6 neighbours, blocking: Add through the
// companion, Delete of the selected entry.
class TARPIPV6ControlForm : public TCompanionListForm {
public:
    explicit TARPIPV6ControlForm(const TDialogContext& context);

    TARPIPv6ControlEditForm* EditForm;
};
