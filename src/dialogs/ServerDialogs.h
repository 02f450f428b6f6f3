#pragma once

#include "AuthenticationDialogs.h"

class CheckBox;
class TSecretColumn;

// The authentication servers by address and protocol: port, shared secret,
// time-out and retries. An empty edit leaves the device's value as it is.
// The secret is shown masked, in its edit and in the list, until the user
// chooses "Show".
class TServerInformationForm : public TAuthTableForm {
public:
    explicit TServerInformationForm(const TDialogContext& context);

    void SetBtnClick() override;  // Edit
    void AddBtnClick() override;
    void DeleteBtnClick() override;
    // The secret in clear text or masked.
    void ShowKey(bool shown);

private:
    // Address and protocol given; refused when not, focusing them when `focus`.
    bool Named(bool focus);

    TSecretColumn* FKeyColumn = nullptr;
};

// Adds a server to a server group or removes it from one: one write of the
// membership named by group, address and protocol. Asynchronous: the
// outcome arrives in "stbResult"; closing waits for it.
class TAAASrvCtrlForm : public TTableDialog {
public:
    explicit TAAASrvCtrlForm(const TDialogContext& context);

    void btnSetClick();
};
