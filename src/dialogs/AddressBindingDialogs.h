#pragma once

#include <vector>

#include "TDialogChecks.h"
#include "TTableDialog.h"

class Edit;

// The IP-MAC bindings: the MAC address and the ports bound to each IP
// address. Add creates a row (createAndGo), Edit writes it with the status it
// has, Delete destroys it. Blocking; outcomes in the status bar. A refused
// write keeps what was typed.
class TIPMACBindingForm : public TTableDialog {
public:
    explicit TIPMACBindingForm(const TDialogContext& context);

    void FormCreate() override;
    void RefreshBtnClick() override;  // btnGet
    void SetBtnClick() override;      // btnEdit
    void AddBtnClick() override;      // btnAdd
    void DeleteBtnClick() override;   // btnDelete
    void ListClick() override;        // ListView1Click

    // Valid until the dialog has closed.

    CvSNMPRequest2Edits* BindingRequest;
    TStackingPortUitForm* PortGrid;

private:
    // The address and MAC texts; a refusal has been shown when false.
    bool AddressesValid();
    // Writes the row with `statusEntry` of the status combo (-1: as shown),
    // then reads the table again.
    void Write(int statusEntry);
    void ShowRowButtons(bool rowSelected);
};

// The hosts address binding has blocked; Delete releases the selected one
// and reads the table again. Blocking; outcomes in the memo.
class TIpMacBindBlockedForm : public TTableDialog {
public:
    explicit TIpMacBindBlockedForm(const TDialogContext& context);

    void DeleteBtnClick() override;  // btnDelete

    CvSNMPRequest2Edits* BlockedRequest;
};

// Deletes one address port security has learned, named by VLAN, port and
// MAC address. The port is shown as unit and port of the stack and written
// as the switch numbers it. Blocking; outcomes in panel 0 of the status bar.
class TPrtSecDelCtrlForm : public TTableDialog {
public:
    explicit TPrtSecDelCtrlForm(const TDialogContext& context);

    void FormCreate() override;
    void RefreshBtnClick() override;  // btnRefresh
    void SetBtnClick() override;      // btnSet

    // Valid until the dialog has closed.

    CvSNMPRequest2Edits* DeleteRequest;
    std::vector<TUnitEntry> UnitList;
    Edit* UnitEdit;
    Edit* PortEdit;
    Edit* edtPort;  // the switch's port number, hidden

private:
    void Read();
    // The switch's port number as unit and port.
    void ShowUnitPort();
    // Unit and port name a port of the stack: the switch's number goes to
    // edtPort; a refusal has been shown when false.
    bool PortValid();
};
