#pragma once

#include "TTableDialog.h"

// The equipment's capacity and stack mode: read only, Refresh alone.
class TEquipmentBasicInfoForm : public TTableDialog {
public:
    explicit TEquipmentBasicInfoForm(const TDialogContext& context);

    void RefreshBtnClick() override;  // BitBtn1
};

// Per supplicant and port, how the 802.1X authenticator's state machines
// went: read only.
class TDiagnosticsInformationForm : public TTableDialog {
public:
    explicit TDiagnosticsInformationForm(const TDialogContext& context);
};

// Per supplicant and port, the EAPOL frames the authenticator counted: read only.
class TMacStatisticTableForm : public TTableDialog {
public:
    explicit TMacStatisticTableForm(const TDialogContext& context);
};
