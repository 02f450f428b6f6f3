#pragma once

#include "TTableDialog.h"

// The bridge's static filters: entries by VLAN, MAC address and receive
// port (always 0, any port here), with their ports and status.
class TStaticFilterForm : public TTableDialog {
public:
    using TTableDialog::TTableDialog;

    void ClearEdits() override;

protected:
    // False, with the refusal shown, while a read of the table runs.
    bool NotBusy();
};

// Static multicast filters: Set writes the egress ports, Add the entry with
// the chosen status, Delete makes it invalid.
class TMulticastFilterInformationForm : public TStaticFilterForm {
public:
    explicit TMulticastFilterInformationForm(const TDialogContext& context);

    void SetBtnClick() override;
    void AddBtnClick() override;
    void DeleteBtnClick() override;
};

// Static unicast filters: added as permanent entries, deleted by status.
class TUnicastFilterInformationForm : public TStaticFilterForm {
public:
    explicit TUnicastFilterInformationForm(const TDialogContext& context);

    void AddBtnClick() override;
    void DeleteBtnClick() override;

private:
    bool Named() const;  // VID and address given
};
