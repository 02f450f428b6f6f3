// The IP-MAC binding, blocked-host and port-security delete dialogs against
// the simulator: the checks before sending, the exact varbinds of each
// write, and what a refused write leaves behind.
#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include <functional>

#include "AddressBindingDialogs.h"
#include "ConfigWinTestSupport.h"
#include "DialogTestSupport.h"
#include "Edit.h"
#include "ListView.h"
#include "StatusBar.h"
#include "TStackingPortUitForm.h"

namespace gui_test {
namespace {

const std::string kBinding = "1.3.6.1.4.1.99917.12.23.4.1.1.";
const std::string kBlocked = "1.3.6.1.4.1.99917.12.23.4.2.1.";
const std::string kPortSecurity = "1.3.6.1.4.1.99917.11.70.1.2.7.2.";
// The seed's blocked host: VLAN 1, 00-1B-21-3A-4F-30.
const std::string kBlockedHost = "1.0.27.33.58.79.48";
const std::string kDefaultVlanHex = "64656661756c74";  // "default"

using Strings = std::vector<std::string>;

class AddressBindingDialogTest : public DialogTest {
protected:
    template <typename Form>
    static std::unique_ptr<Form> Open() {
        TDialogContext context;
        context.DeviceAddress = "127.0.0.1";
        auto form = std::make_unique<Form>(context);
        form->FormCreate();
        form->show();
        return form;
    }
    static void Select(TTableDialog& form, const QString& caption) {
        const int line = LineOf(*form.List, caption);
        ASSERT_GE(line, 0) << caption.toStdString();
        form.List->SelectLine(line);
        form.ListClick();
    }
    static QString Panel(const TTableDialog& form) { return form.Status->Panel(0)->text(); }
    static bool Enabled(const TTableDialog& form, const char* name) {
        return form.findChild<QWidget*>(name)->isEnabled();
    }
    static void Click(TTableDialog& form, const char* button) { form.ButtonNamed(button)->click(); }
};

TEST_F(AddressBindingDialogTest, ABindingIsAddedEditedAndDeletedWithTheColumnsShown) {
    auto form = Open<TIPMACBindingForm>();
    EXPECT_EQ(form->windowTitle(), "IP-MAC Binding Form");
    ASSERT_GE(LineOf(*form->List, "192.0.2.100"), 0) << Panel(*form).toStdString();
    EXPECT_FALSE(Enabled(*form, "btnEdit"));
    EXPECT_FALSE(Enabled(*form, "btnDelete"));
    EXPECT_TRUE(Enabled(*form, "edtIpAddr"));
    const std::string row = "192.0.2.150";

    SetText(*form, "edtIpAddr", "192.0.2.150");
    SetText(*form, "edtMacAddr", "001b213a4f99");
    Tick(form->PortGrid, {2, 26});
    Click(*form, "btnAdd");
    EXPECT_EQ(Sent(),
              (Strings{kBinding + "2." + row + "=001b213a4f99", kBinding + "3." + row + "=4",
                       kBinding + "4." + row + "=4000004000000000"}));
    ASSERT_GE(LineOf(*form->List, "192.0.2.150"), 0) << Panel(*form).toStdString();
    EXPECT_EQ(Text(*form, "edtIpAddr"), "");
    EXPECT_EQ(Text(*form, "edtMacAddr"), "");

    Select(*form, "192.0.2.150");
    EXPECT_FALSE(Enabled(*form, "edtIpAddr"));
    EXPECT_TRUE(Enabled(*form, "btnEdit"));
    EXPECT_TRUE(Enabled(*form, "btnDelete"));
    EXPECT_TRUE(form->PortGrid->PortCheckBoxes[25]->isChecked());
    SetText(*form, "edtMacAddr", "001b213a4f98");
    Tick(form->PortGrid, {2}, false);
    Click(*form, "btnEdit");
    EXPECT_EQ(Sent(),
              (Strings{kBinding + "2." + row + "=001b213a4f98", kBinding + "3." + row + "=1",
                       kBinding + "4." + row + "=0000004000000000"}));

    // Delete names the row by what it shows: MAC and ports go with destroy.
    Select(*form, "192.0.2.150");
    Click(*form, "btnDelete");
    EXPECT_EQ(Sent(),
              (Strings{kBinding + "2." + row + "=001b213a4f98", kBinding + "3." + row + "=6",
                       kBinding + "4." + row + "=0000004000000000"}));
    EXPECT_EQ(LineOf(*form->List, "192.0.2.150"), -1);
    EXPECT_FALSE(Enabled(*form, "btnDelete"));
}

TEST_F(AddressBindingDialogTest, BindingInputIsRefusedBeforeAnythingIsSent) {
    auto form = Open<TIPMACBindingForm>();
    struct Case {
        const char* Row;  // selected first; nullptr: a new binding
        const char* Ip;
        const char* Mac;
        const char* Button;
        const char* Message;
        const char* Focus;
    };
    const Case cases[] = {
        {nullptr, "192.0.2.160", "00-1b-21-3a-4f-99", "btnAdd", "Invalid Macaddrss", "edtMacAddr"},
        {nullptr, "192.0.2.160", "", "btnAdd", "Invalid Macaddrss", "edtMacAddr"},
        {nullptr, "192.0.2.160", "001b213a4f9", "btnAdd", "Invalid Macaddress", "edtMacAddr"},
        {nullptr, "192.0.2", "001b213a4f99", "btnAdd", "Please input a valid ip", "edtIpAddr"},
        {nullptr, "192.0.2.256", "001b213a4f99", "btnAdd", "Please input a valid ip", "edtIpAddr"},
        {"192.0.2.101", nullptr, "001b213a4fzz", "btnEdit", "Invalid Macaddrss", "edtMacAddr"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Message);
        Click(*form, "btnGet");
        if (c.Row != nullptr) {
            Select(*form, c.Row);
        } else {
            SetText(*form, "edtIpAddr", c.Ip);
        }
        SetText(*form, "edtMacAddr", c.Mac);
        Boxes.clear();
        Click(*form, c.Button);
        EXPECT_EQ(LastBox(), c.Message);
        EXPECT_EQ(form->focusWidget(), form->findChild<QWidget*>(c.Focus));
        EXPECT_TRUE(Sent().empty());
    }
}

TEST_F(AddressBindingDialogTest, ARefusedBindingWriteKeepsWhatWasTypedAndTheRowsStatus) {
    auto form = Open<TIPMACBindingForm>();
    // The read community may not write: every write is refused.
    form->BindingRequest->Request->WriteCommunity = "vesper";
    SetText(*form, "edtIpAddr", "192.0.2.170");
    SetText(*form, "edtMacAddr", "001b213a4f70");
    Tick(form->PortGrid, {3});
    Click(*form, "btnAdd");
    EXPECT_TRUE(Panel(*form).startsWith("Set: ")) << Panel(*form).toStdString();
    EXPECT_FALSE(Panel(*form).contains("Ok!"));
    EXPECT_EQ(Text(*form, "edtIpAddr"), "192.0.2.170");
    EXPECT_EQ(Text(*form, "edtMacAddr"), "001b213a4f70");
    EXPECT_TRUE(form->PortGrid->PortCheckBoxes[2]->isChecked());

    // A refused Delete leaves the row's own status for the next Edit.
    Select(*form, "192.0.2.101");
    Click(*form, "btnDelete");
    Sent();
    form->BindingRequest->Request->WriteCommunity = "lantern";
    Click(*form, "btnEdit");
    EXPECT_EQ(Sent(),
              (Strings{kBinding + "2.192.0.2.101=001b213a4f21", kBinding + "3.192.0.2.101=1",
                       kBinding + "4.192.0.2.101=0800000000000000"}));
    EXPECT_GE(LineOf(*form->List, "192.0.2.101"), 0);
}

TEST_F(AddressBindingDialogTest, RefreshDuringARunningReadDoesNothing) {
    static agents::VantaSimAgent slow({"--delay", "150"});
    UseSimulator(slow.Port());
    const std::vector<std::function<std::unique_ptr<TTableDialog>()>> forms = {
        [] { return Open<TIPMACBindingForm>(); },
        [] { return Open<TIpMacBindBlockedForm>(); },
    };
    for (const auto& open : forms) {
        const std::unique_ptr<TTableDialog> form = open();
        SCOPED_TRACE(form->objectName().toStdString());
        const int rows = form->List->LineCount();
        ASSERT_GT(rows, 0);
        // The second press comes while the first one's walk waits for the switch.
        bool stillReading = false;
        QTimer::singleShot(50, form.get(), [&] {
            form->Button(TDialogAction::Refresh)->click();
            stillReading = form->Request(0)->Busy;
        });
        form->Button(TDialogAction::Refresh)->click();
        EXPECT_TRUE(stillReading);
        EXPECT_EQ(form->List->LineCount(), rows);
    }
}

TEST_F(AddressBindingDialogTest, DeletingABlockedHostWritesDeleteAndReadsTheTableAgain) {
    // The seed's only blocked host is released: on a switch of its own.
    agents::VantaSimAgent own;
    UseSimulator(own.Port());
    agents::SetLogCursor sets(own.SetLogPath());
    auto form = Open<TIpMacBindBlockedForm>();
    EXPECT_EQ(form->windowTitle(), "IP-MAC Binding Blocked Table");
    ASSERT_EQ(form->List->LineCount(), 1) << form->Memo->toPlainText().toStdString();
    EXPECT_FALSE(Enabled(*form, "btnDelete"));
    form->DeleteBtnClick();  // no row chosen: nothing
    EXPECT_TRUE(sets.Since().empty());

    // Refused: the text in the memo, the host still listed.
    form->BlockedRequest->Request->WriteCommunity = "vesper";
    form->List->SelectLine(0);
    form->ListClick();
    Click(*form, "btnDelete");
    EXPECT_TRUE(
        form->Memo->toPlainText().contains("Set: (SNMP) Cannot access variable, No Access!"))
        << form->Memo->toPlainText().toStdString();
    EXPECT_EQ(form->List->LineCount(), 1);
    sets.Since();
    form->BlockedRequest->Request->WriteCommunity = "lantern";
    form->List->SelectLine(0);
    form->ListClick();
    ASSERT_TRUE(Enabled(*form, "btnDelete"));
    Click(*form, "btnDelete");
    Strings sent;
    for (const agents::SetLogLine& line : sets.Since()) {
        sent.push_back(line.Oid + "=" + line.Value);
    }
    EXPECT_EQ(sent, Strings{kBlocked + "5." + kBlockedHost + "=3"});
    EXPECT_EQ(form->List->LineCount(), 0);
    EXPECT_FALSE(Enabled(*form, "btnDelete"));
}

TEST_F(AddressBindingDialogTest, APortSecurityDeleteIsCheckedAndSentAsTheSwitchNumbersItsPort) {
    auto form = Open<TPrtSecDelCtrlForm>();
    EXPECT_EQ(form->windowTitle(), "Port Security Delete: 127.0.0.1");
    EXPECT_EQ(Text(*form, "UnitEdit"), "0");
    EXPECT_EQ(Text(*form, "PortEdit"), "0");
    struct Case {
        const char* Vlan;
        const char* Port;
        const char* Mac;
        const char* Message;  // "": sent
        const char* Unit;     // shown afterwards
        const char* PortShown;
        const char* Focus;
    };
    const Case cases[] = {
        {"default", "27", "001b213a4f40", "You should input valid port.", "0", "0", "PortEdit"},
        {"default", "0", "001b213a4f40", "You should input valid port.", "1", "0", "PortEdit"},
        {"default", "x", "001b213a4f40", "You should input valid port.", "1", "x", "PortEdit"},
        {"", "26", "001b213a4f40", "You should input Vlan name.", "1", "26", "edtVlan"},
        {"default", "26", "001b213a4f4", "You should input valid MAC address.", "1", "26",
         "edtMac"},
        {"default", "26", "00-1b-21-3a", "You should input valid MAC address.", "1", "26",
         "edtMac"},
        {"default", "26", "001b213a4f40", "", "1", "26", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.Port) + " " + c.Message);
        Boxes.clear();
        SetText(*form, "edtVlan", c.Vlan);
        SetText(*form, "PortEdit", c.Port);
        SetText(*form, "edtMac", c.Mac);
        Click(*form, "btnSet");
        EXPECT_EQ(LastBox(), c.Message);
        EXPECT_EQ(Text(*form, "UnitEdit"), c.Unit);
        EXPECT_EQ(Text(*form, "PortEdit"), c.PortShown);
        if (c.Focus != nullptr) {
            EXPECT_EQ(form->focusWidget(), form->findChild<QWidget*>(c.Focus));
            EXPECT_TRUE(Sent().empty());
        } else {
            EXPECT_EQ(Sent(),
                      (Strings{kPortSecurity + "1.0=" + kDefaultVlanHex, kPortSecurity + "2.0=26",
                               kPortSecurity + "3.0=001b213a4f40", kPortSecurity + "4.0=2"}));
            EXPECT_TRUE(Panel(*form).contains("Ok!")) << Panel(*form).toStdString();
        }
    }
}

TEST_F(AddressBindingDialogTest, ASwitchPortIsShownAsUnitAndPortAndARefusalKeepsTheInput) {
    auto form = Open<TPrtSecDelCtrlForm>();
    WriteScalar((kPortSecurity + "2").c_str(), CvSyntax::integer, "70");
    Click(*form, "btnRefresh");
    EXPECT_EQ(Text(*form, "UnitEdit"), "2");
    EXPECT_EQ(Text(*form, "PortEdit"), "6");
    // A VLAN the switch does not have: refused, and nothing typed is lost.
    SetText(*form, "edtVlan", "novlan");
    SetText(*form, "edtMac", "001b213a4f41");
    Sent();
    Click(*form, "btnSet");
    EXPECT_EQ(Sent().size(), 4u) << "one request with the four objects";
    EXPECT_TRUE(Panel(*form).startsWith("Set: ")) << Panel(*form).toStdString();
    EXPECT_FALSE(Panel(*form).contains("Ok!"));
    EXPECT_EQ(Text(*form, "edtVlan"), "novlan");
    EXPECT_EQ(Text(*form, "edtMac"), "001b213a4f41");
    EXPECT_TRUE(Enabled(*form, "btnSet"));
    WriteScalar((kPortSecurity + "2").c_str(), CvSyntax::integer, "0");
}

}  // namespace
}  // namespace gui_test
