#pragma once

#include <QString>

#include <array>
#include <optional>
#include <set>
#include <vector>

#include "TTableDialog.h"

class ComboBox;

// The four SSL cipher suites, suite 1 first, as the high four bits of the
// cipher-suite octet (suite 1 the most significant); the low four are 0.
using TCipherSuites = std::array<bool, 4>;
// The octet as two hexadecimal digits: suites 1 and 4 give "90".
QString CipherSuitesText(const TCipherSuites& suites);
// The suites of a text read from the switch: its first character as a
// hexadecimal digit of either case. Nothing when the text is not two
// characters long or that character is no hexadecimal digit.
std::optional<TCipherSuites> CipherSuitesOfText(const QString& text);

// The switch's SSL server: its state, the cipher suites it offers and the
// session cache time-out. Asynchronous; the suites follow every read, and a
// write is read back. Outcomes in the status bar.
class TSSLManagementForm : public TTableDialog {
public:
    explicit TSSLManagementForm(const TDialogContext& context);

    void FormCreate() override;
    void RefreshBtnClick() override;  // btnGet
    void SetBtnClick() override;      // btnSet

    // Valid until the dialog has closed.

    CvSNMPRequest2Edits* SSLRequest;

private:
    ComboBox* SuiteCombo(std::size_t k) const;
    void ShowSuites();
};

// The CPU-protection engine: its thresholds, mode and alarm. Only the ticked
// fields are written, each in a request of its own in the order shown (the
// falling threshold first when both come down); the first refusal ends the
// sequence. Blocking; outcomes in the status bar.
class TBulwarkCtrlForm : public TTableDialog {
public:
    explicit TBulwarkCtrlForm(const TDialogContext& context);

    void FormCreate() override;
    void RefreshBtnClick() override;  // btnGet
    void SetBtnClick() override;      // btnSet
    void btnCheckAllClick();
    void btnClearCheckClick();
    // Set is offered while a field is ticked.
    void ChangeSetState();

    // Valid until the dialog has closed.

    CvSNMPRequest2Edits* BulwarkRequest;

private:
    // A ticked threshold outside 20..100 is refused; true when it passed.
    bool ThresholdValid(const char* box, const char* edit, const char* refusal);
    void ReadGroup();
    // The written items in the order they go out.
    std::vector<int> WriteOrder(const std::set<int>& unticked) const;

    // The falling threshold the switch holds, as last read or written.
    std::optional<int> SwitchFalling;
};
