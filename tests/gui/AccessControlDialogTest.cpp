// The access-profile and access-rule dialogs against the simulator's ACL
// tables: the checks before sending, and for each state of the controls the
// exact columns a write sends.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <functional>

#include "CheckBox.h"
#include "ComboBox.h"
#include "DialogTestSupport.h"
#include "EthernetAccessDialogs.h"
#include "IpAccessDialogs.h"
#include "Ipv6AccessDialogs.h"
#include "ListView.h"
#include "StatusBar.h"
#include "TStackingPortUitForm.h"

namespace gui_test {
namespace {

const std::string kEthernetProfile = "1.3.6.1.4.1.99917.12.9.2.1.1.";
const std::string kEthernetRule = "1.3.6.1.4.1.99917.12.9.3.1.1.";
const std::string kIpProfile = "1.3.6.1.4.1.99917.12.9.2.2.1.";
const std::string kIpRule = "1.3.6.1.4.1.99917.12.9.3.2.1.";
const std::string kIpv6Profile = "1.3.6.1.4.1.99917.12.9.2.4.1.";
const std::string kIpv6Rule = "1.3.6.1.4.1.99917.12.9.3.4.1.";

using Columns = std::vector<std::string>;

class AccessControlDialogTest : public DialogTest {
protected:
    template <typename Form>
    std::unique_ptr<Form> Open() {
        TDialogContext context;
        context.DeviceAddress = "127.0.0.1";
        auto form = std::make_unique<Form>(context);
        form->FormCreate();
        form->show();
        return form;
    }
    static void Select(TTableDialog& form, const QString& id, const QString& access = {}) {
        for (int line = 0; line < form.List->LineCount(); ++line) {
            if (form.List->Caption(line) == id &&
                (access.isEmpty() || form.List->SubItem(line, 0) == access)) {
                form.List->SelectLine(line);
                form.ListClick();
                return;
            }
        }
        ADD_FAILURE() << "no row " << id.toStdString() << " " << access.toStdString();
    }
    static void Deselect(TTableDialog& form) {
        form.List->SelectLine(-1);
        form.ListClick();
    }
    static void Check(TTableDialog& form, std::initializer_list<const char*> boxes,
                      bool on = true) {
        for (const char* name : boxes) {
            auto* box = form.findChild<CheckBox*>(name);
            ASSERT_NE(box, nullptr) << name;
            box->setChecked(on);
        }
    }
    static void Entry(TTableDialog& form, const char* combo, int entry) {
        form.findChild<ComboBox*>(combo)->setCurrentIndex(entry);
    }
    static void Press(TTableDialog& form, TDialogAction action) {
        QPushButton* button = form.Button(action);
        ASSERT_TRUE(button->isEnabled()) << button->objectName().toStdString();
        button->click();
    }
    // Profile 6 of the Ethernet table examining every field, made anew.
    void NewEthernetProfile6() {
        auto form = Open<TEthernetMaskInformationForm>();
        if (DialogTest::LineOf(*form->List, "6") >= 0) {
            Select(*form, "6");
            Press(*form, TDialogAction::Delete);
        }
        SetText(*form, "IDEdit", "6");
        Choose(*form, "MacMaskStateComBo", "dst-src-mac-addr");
        SetText(*form, "MacAddMaskSourceEdit", "ffffffffffff");
        SetText(*form, "MacMaskDstEdit", "ffffffffffff");
        Choose(*form, "RowStatusComBo", "createAndGo");
        Press(*form, TDialogAction::Add);
        ASSERT_GE(DialogTest::LineOf(*form->List, "6"), 0)
            << form->Status->Panel(0)->text().toStdString();
        Sent();
    }
};

TEST_F(AccessControlDialogTest, EthernetProfileInputIsRefusedWithItsMessage) {
    auto form = Open<TEthernetMaskInformationForm>();
    EXPECT_EQ(form->windowTitle(), "Ethernet Mask Information :127.0.0.1");
    ASSERT_GE(LineOf(*form->List, "1"), 0);
    EXPECT_FALSE(form->Button(TDialogAction::Set)->isEnabled());
    struct Case {
        const char* Id;
        const char* State;
        const char* DstMask;
        int Status;
        const char* Message;
    };
    const Case cases[] = {
        {"", "other", "", kCreateAndGoEntry, "Mask ID must be set"},
        {"1", "other", "", kCreateAndGoEntry,
         "There is already a record with the same Ethernet Mask ID. Please modified it."},
        {"01", "other", "", kActiveEntry, "Row Status must be createAndGo."},  // no duplicate of 1
        {"6", "dst-mac-addr", "00-25-64-10-01-80", kCreateAndGoEntry, "Invalid Macaddrss"},
        {"6", "dst-src-mac-addr", "0025641001f", kCreateAndGoEntry, "Invalid Macaddress"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Message);
        SetText(*form, "IDEdit", c.Id);
        Choose(*form, "MacMaskStateComBo", c.State);
        SetText(*form, "MacMaskDstEdit", c.DstMask);
        Entry(*form, "RowStatusComBo", c.Status);
        Press(*form, TDialogAction::Add);
        EXPECT_EQ(LastBox(), c.Message);
        EXPECT_TRUE(Sent().empty());
    }
}

TEST_F(AccessControlDialogTest, EthernetProfileWritesTheColumnsItsControlsChoose) {
    NewEthernetProfile6();
    auto form = Open<TEthernetMaskInformationForm>();
    struct Case {
        const char* Name;
        const char* State;
        const char* Source;
        const char* Destination;
        int UseVlan;
        Columns Sent;
    };
    const Case cases[] = {
        {"both masks",
         "dst-src-mac-addr",
         "ffffff000000",
         "ffffffffffff",
         0,
         {"2=1", "3=4", "4=ffffff000000", "5=ffffffffffff", "6=1", "7=1", "8=1"}},
        {"destination state leaves the source mask out",
         "dst-mac-addr",
         "ffffff000000",
         "ffffffffffff",
         0,
         {"2=1", "3=2", "5=ffffffffffff", "6=1", "7=1", "8=1"}},
        {"source state leaves the destination mask out",
         "src-mac-addr",
         "ffffff000000",
         "ffffffffffff",
         1,
         {"2=2", "3=3", "4=ffffff000000", "6=1", "7=1", "8=1"}},
        {"other sends neither mask",
         "other",
         "ffffff000000",
         "ffffffffffff",
         0,
         {"2=1", "3=1", "6=1", "7=1", "8=1"}},
        {"an empty mask is not sent",
         "dst-src-mac-addr",
         "ffffff000000",
         "",
         0,
         {"2=1", "3=4", "4=ffffff000000", "6=1", "7=1", "8=1"}},
        {"no Use Vlan choice", "other", "", "", -1, {"3=1", "6=1", "7=1", "8=1"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Select(*form, "6");
        Choose(*form, "MacMaskStateComBo", c.State);
        SetText(*form, "MacAddMaskSourceEdit", c.Source);
        SetText(*form, "MacMaskDstEdit", c.Destination);
        Entry(*form, "UseVLanComBo", c.UseVlan);
        Entry(*form, "Use8021pComBo", 0);
        Entry(*form, "UseEthTypeCombo", 0);
        Entry(*form, "RowStatusComBo", kActiveEntry);
        Press(*form, TDialogAction::Set);
        EXPECT_EQ(ColumnsOf(Sent(), kEthernetProfile), c.Sent);
        EXPECT_FALSE(form->Button(TDialogAction::Set)->isEnabled()) << "read again and reset";
    }
    // Set with "destroy" deletes: the RowStatus alone.
    Select(*form, "6");
    Entry(*form, "RowStatusComBo", kDestroyEntry);
    Press(*form, TDialogAction::Set);
    EXPECT_EQ(ColumnsOf(Sent(), kEthernetProfile), Columns{"8=6"});
    EXPECT_LT(LineOf(*form->List, "6"), 0);
}

TEST_F(AccessControlDialogTest, EthernetRuleChecksItsFieldsBeforeSending) {
    NewEthernetProfile6();
    auto form = Open<TEthernetInformationRuleForm>();
    EXPECT_EQ(form->windowTitle(), "Ethernet Information Rule");
    EXPECT_EQ(Text(*form, "StaticText1"), QString::number(form->List->LineCount()));
    struct Case {
        const char* Name;
        std::function<void()> Fill;
        const char* Message;
    };
    const Case cases[] = {
        {"no mask id", [&] { SetText(*form, "MaskIDEdit", ""); }, "Mask ID must be set."},
        {"no access id", [&] { SetText(*form, "AccessEdit", ""); }, "Access ID must be set."},
        {"checked and empty", [&] { Check(*form, {"cbxVlan"}); }, "Some check field is empty"},
        {"hyphens",
         [&] {
             Check(*form, {"cbxSource"});
             SetText(*form, "SourceMACEdit", "00-25-64-10");
         },
         "Invalid Macaddrss"},
        {"short type",
         [&] {
             Check(*form, {"cbxEtherType"});
             SetText(*form, "EthTypeEdit", "806");
         },
         "Invalid EtherType"},
        {"priority 8",
         [&] {
             Check(*form, {"cbxPriority"});
             SetText(*form, "PriorityEdit", "8");
         },
         "Priority value should between 0-7"},
        {"rx rate",
         [&] {
             Check(*form, {"cbxRxRate"});
             SetText(*form, "RxRateEdit", "156250");
         },
         "Rx Rate should between 0-156249"},
        {"row not checked", [&] { Check(*form, {"cbxRow"}, false); },
         "Row State must be checked and set to createAndGo."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        form->CheckAll(false);
        SetText(*form, "MaskIDEdit", "6");
        SetText(*form, "AccessEdit", "1");
        Check(*form, {"cbxRow"});
        c.Fill();
        Press(*form, TDialogAction::Add);
        EXPECT_EQ(LastBox(), c.Message);
        EXPECT_TRUE(Sent().empty());
    }
}

TEST_F(AccessControlDialogTest, EthernetRuleWritesCheckedFieldsPortsAndPriorityByItsRule) {
    NewEthernetProfile6();
    auto form = Open<TEthernetInformationRuleForm>();
    const auto fresh = [&](const char* access = "9") {
        Deselect(*form);
        SetText(*form, "MaskIDEdit", "6");
        SetText(*form, "AccessEdit", access);
        Check(*form, {"cbxRow"});
        Entry(*form, "RowComboBox", kCreateAndGoEntry);
    };
    // No port ticked: the port list goes all zero.
    fresh();
    Press(*form, TDialogAction::Add);
    EXPECT_EQ(ColumnsOf(Sent(), kEthernetRule), (Columns{"14=0000000000000000", "17=4"}));
    Select(*form, "6", "9");
    EXPECT_FALSE(form->findChild<QWidget*>("MaskIDEdit")->isEnabled());
    Press(*form, TDialogAction::Delete);
    EXPECT_EQ(ColumnsOf(Sent(), kEthernetRule), Columns{"17=6"});

    // An enabled priority goes with its value; ports 1 to 4.
    fresh();
    Check(*form, {"cbxEtherType", "cbxPermit", "cbxRxRate", "cbxEnablePriority"});
    SetText(*form, "EthTypeEdit", "0806");
    SetText(*form, "RxRateEdit", "156249");
    Entry(*form, "PermitComboBox", 0);
    Choose(*form, "EnablePriorityComboBox", "enabled");
    Check(*form, {"cbxPriority"});
    SetText(*form, "PriorityEdit", "5");
    Tick(form->Grids[0], {1, 2, 3, 4});
    Press(*form, TDialogAction::Add);
    EXPECT_EQ(
        ColumnsOf(Sent(), kEthernetRule),
        (Columns{"7=0806", "8=1", "9=5", "13=1", "14=f000000000000000", "15=156249", "17=4"}));
    ASSERT_GE(LineOf(*form->List, "6"), 0) << form->Status->Panel(0)->text().toStdString();

    // The row shows "disabled" and the enable priority is not chosen: the
    // priority columns stay out, however their boxes stand.
    fresh("10");
    Check(*form, {"cbxEnablePriority"});
    Choose(*form, "EnablePriorityComboBox", "disabled");
    Press(*form, TDialogAction::Add);
    Sent();
    Select(*form, "6", "10");
    ASSERT_EQ(Text(*form, "EnablePriorityComboBox"), "disabled");
    Check(*form, {"cbxPriority", "cbxReplacePriority", "cbxPermit"});
    SetText(*form, "PriorityEdit", "3");
    Entry(*form, "RowComboBox", kActiveEntry);
    Press(*form, TDialogAction::Set);
    EXPECT_EQ(ColumnsOf(Sent(), kEthernetRule), (Columns{"13=2", "14=0000000000000000"}));
}

TEST_F(AccessControlDialogTest, EthernetRuleTheSwitchRefusesIsShownAndKept) {
    NewEthernetProfile6();
    {
        // Profile 6 no longer examines the VLAN.
        auto profiles = Open<TEthernetMaskInformationForm>();
        Select(*profiles, "6");
        Choose(*profiles, "UseVLanComBo", "disabled");
        Press(*profiles, TDialogAction::Set);
        Sent();
    }
    auto form = Open<TEthernetInformationRuleForm>();
    SetText(*form, "MaskIDEdit", "6");
    SetText(*form, "AccessEdit", "10");
    Check(*form, {"cbxRow", "cbxVlan"});
    SetText(*form, "VlanRuleEdit", "default");
    Press(*form, TDialogAction::Add);
    EXPECT_FALSE(Sent().empty());
    EXPECT_TRUE(form->Status->Panel(0)->text().contains("inconsistent", Qt::CaseInsensitive))
        << form->Status->Panel(0)->text().toStdString();
    EXPECT_EQ(Text(*form, "VlanRuleEdit"), "default") << "what was typed stays";
    EXPECT_TRUE(form->Button(TDialogAction::Add)->isEnabled());
}

TEST_F(AccessControlDialogTest, IpProfileSendsTheProtocolFieldsOfItsType) {
    auto form = Open<TIPMaskInformationForm>();
    EXPECT_EQ(form->windowTitle(), "IP Mask Information Form");
    // Profile 6 as the Add after creation leaves it: nothing but its state.
    if (LineOf(*form->List, "6") >= 0) {
        Select(*form, "6");
        Press(*form, TDialogAction::Delete);
    }
    SetText(*form, "IPIDEdit", "6");
    Entry(*form, "RowStatusComBo", kCreateAndGoEntry);
    Press(*form, TDialogAction::Add);
    EXPECT_EQ(ColumnsOf(Sent(), kIpProfile), (Columns{"3=1", "6=2", "7=1", "19=4"}));
    ASSERT_GE(LineOf(*form->List, "6"), 0) << form->Status->Panel(0)->text().toStdString();

    struct Case {
        const char* Name;
        const char* Protocol;
        const char* Tcp;
        const char* Udp;
        const char* FlagBit;
        const char* ProtocolOption;
        Columns Sent;
    };
    // Every edit is filled: the type and options alone decide.
    const Case cases[] = {
        {"tcp with a destination option sends the destination port mask only",
         "tcp",
         "dst-addr",
         "other",
         "disable",
         "disable",
         {"3=3", "4=255.255.255.0", "6=2", "7=4", "10=2", "13=ffff", "14=2", "19=1"}},
        {"tcp with an enabled flag bit sends its mask",
         "tcp",
         "dst-src-addr",
         "other",
         "enable",
         "disable",
         {"3=3", "4=255.255.255.0", "6=2", "7=4", "10=4", "12=00ff", "13=ffff", "14=1", "15=12",
          "19=1"}},
        {"udp never sends the tcp option, flag bits or protocol id",
         "udp",
         "other",
         "src-addr",
         "enable",
         "enable",
         {"3=3", "4=255.255.255.0", "6=2", "7=5", "11=3", "12=00ff", "19=1"}},
        {"protocol id with its option",
         "protocolId",
         "other",
         "other",
         "disable",
         "enable",
         {"3=3", "4=255.255.255.0", "6=2", "7=6", "16=1", "17=17", "18=000000ff", "19=1"}},
        {"icmp sends no protocol field",
         "icmp",
         "dst-addr",
         "dst-addr",
         "enable",
         "enable",
         {"3=3", "4=255.255.255.0", "6=2", "7=2", "19=1"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Select(*form, "6");
        Choose(*form, "IpAddMaskStateComboBox", "src-ip-addr");
        SetText(*form, "IpAddMaskSrcEdit", "255.255.255.0");
        SetText(*form, "IpAddMaskDstEdit", "255.255.0.0");
        Choose(*form, "UseProTypeComBo", c.Protocol);
        Choose(*form, "TCPOptionComBo", c.Tcp);
        Choose(*form, "UDPOptionComBo", c.Udp);
        SetText(*form, "TCPUDPSrcMaskEdit", "00ff");
        SetText(*form, "TCPUDPDstPortMaskEdit", "ffff");
        Choose(*form, "TCPFlagBitOptionComBo", c.FlagBit);
        SetText(*form, "TCPFlagBitMaskEdit", "12");
        Choose(*form, "ProOptionComBo", c.ProtocolOption);
        SetText(*form, "ProtoIDEdit", "17");
        SetText(*form, "ProIDMaskEdit", "000000ff");
        Entry(*form, "RowStatusComBo", kActiveEntry);
        Press(*form, TDialogAction::Set);
        EXPECT_EQ(ColumnsOf(Sent(), kIpProfile), c.Sent);
    }

    struct Refusal {
        const char* Edit;
        const char* Text;
        const char* Message;
    };
    for (const Refusal& r : {Refusal{"IpAddMaskSrcEdit", "10.00.0.1", "Please input a valid ip"},
                             Refusal{"TCPUDPDstPortMaskEdit", "FFF", "Invalid Mask!"},
                             Refusal{"TCPFlagBitMaskEdit", "64", "Please input a valid value"}}) {
        SCOPED_TRACE(r.Text);
        Select(*form, "6");
        Choose(*form, "IpAddMaskStateComboBox", "src-ip-addr");
        Choose(*form, "UseProTypeComBo", "tcp");
        Choose(*form, "TCPOptionComBo", "dst-addr");
        Choose(*form, "TCPFlagBitOptionComBo", "enable");
        SetText(*form, r.Edit, r.Text);
        Press(*form, TDialogAction::Set);
        EXPECT_EQ(LastBox(), r.Message);
        EXPECT_TRUE(Sent().empty());
        SetText(*form, r.Edit, "");
    }
}

TEST_F(AccessControlDialogTest, IpRuleSendsTheFieldsOfItsProtocolOnly) {
    auto form = Open<TIPRuleForm>();
    ASSERT_GT(form->List->LineCount(), 0);
    // An existing rule keeps its protocol.
    Select(*form, form->List->Caption(0), form->List->SubItem(0, 0));
    EXPECT_FALSE(form->findChild<QWidget*>("ProtocolComboBox")->isEnabled());
    EXPECT_FALSE(form->findChild<CheckBox*>("cbxProtocol")->isEnabled());
    Deselect(*form);
    EXPECT_TRUE(form->findChild<QWidget*>("ProtocolComboBox")->isEnabled());
    Entry(*form, "RowComboBox", kCreateAndGoEntry);  // the row shown left its own

    SetText(*form, "IPRuleEdit", "1");
    SetText(*form, "AccessIDEdit", "99");
    Check(*form, {"cbxRow", "cbxSourceIP"});
    for (const auto& [text, message] : {std::pair{"", "Some checked field is empty"},
                                        std::pair{"10.0.0", "Please input a valid ip"}}) {
        SetText(*form, "SourceIPEdit", text);
        Press(*form, TDialogAction::Add);
        EXPECT_EQ(LastBox(), message);
    }
    Check(*form, {"cbxSourceIP"}, false);
    Check(*form, {"cbxUserMask", "cbxProtocolID", "cbxDestPort"});
    SetText(*form, "UserMaskEdit", "FFFF");
    SetText(*form, "ProtocolIDEdit", "6");
    SetText(*form, "DestPortEdit", "80");
    Press(*form, TDialogAction::Add);
    EXPECT_EQ(LastBox(), "Invalid UserMask");
    EXPECT_TRUE(Sent().empty());

    // A tcp rule: user mask and protocol id stay out even when checked.
    SetText(*form, "UserMaskEdit", "0000ffff");
    Choose(*form, "ProtocolComboBox", "tcp");
    Boxes.clear();
    Press(*form, TDialogAction::Add);
    EXPECT_EQ(LastBox(), "");
    const Columns sent = ColumnsOf(Sent(), kIpRule);
    EXPECT_EQ(sent, (Columns{"11=80", "21=0000000000000000", "24=4"}));
}

TEST_F(AccessControlDialogTest, Ipv6ProfileWritesOneHalfAfterClearingTheOther) {
    auto form = Open<TIPv6MaskInfoForm>();
    EXPECT_EQ(form->windowTitle(), "IPv6 Mask Information");
    if (LineOf(*form->List, "6") >= 0) {
        Select(*form, "6");
        Press(*form, TDialogAction::Delete);
    }
    // A class and flow label profile.
    SetText(*form, "edtMaskID", "6");
    form->RadioButton1Click();
    Entry(*form, "cbxMaskClass", 0);
    Press(*form, TDialogAction::Add);
    EXPECT_EQ(ColumnsOf(Sent(), kIpv6Profile), (Columns{"2=1", "3=2", "7=4"}));
    ASSERT_GE(LineOf(*form->List, "6"), 0) << form->Status->Panel(0)->text().toStdString();

    Select(*form, "6");
    EXPECT_TRUE(form->RadioButton1->isChecked()) << "the row examines the class";
    // Addresses instead: refused until a mask is given, then class and flow
    // label are cleared first.
    form->RadioButton2Click();
    Choose(*form, "cbxMaskState", "src-ipv6-addr");
    Entry(*form, "cbxStatus", kActiveEntry);
    struct Refusal {
        const char* Mask;
        const char* Message;
    };
    for (const Refusal& r : {Refusal{"", "IPv6 Source Address Mask should not be null."},
                             Refusal{"ffff", "Invalid Ipv6 Address value"}}) {
        SetText(*form, "edtSrcMask", r.Mask);
        Press(*form, TDialogAction::Set);
        EXPECT_EQ(LastBox(), r.Message);
        EXPECT_TRUE(Sent().empty());
    }
    SetText(*form, "edtSrcMask", "ffffffffffffffff0000000000000000");
    SetText(*form, "edtDstMask", "ffffffffffffffffffffffffffffffff");
    Press(*form, TDialogAction::Set);
    const std::vector<std::vector<std::string>> requests = SentRequests();
    ASSERT_EQ(requests.size(), 2u) << form->Status->Panel(0)->text().toStdString();
    EXPECT_EQ(ColumnsOf(requests[0], kIpv6Profile), (Columns{"2=2", "3=2", "7=1"}));
    EXPECT_EQ(ColumnsOf(requests[1], kIpv6Profile),
              (Columns{"4=3", "5=ffffffffffffffff0000000000000000"}));
    Select(*form, "6");
    EXPECT_TRUE(form->RadioButton2->isChecked()) << "the switch took it";
}

TEST_F(AccessControlDialogTest, Ipv6RuleChecksAndSendsItsAddressInARequestOfItsOwn) {
    {
        auto profiles = Open<TIPv6MaskInfoForm>();
        if (LineOf(*profiles->List, "6") < 0) {
            SetText(*profiles, "edtMaskID", "6");
            profiles->RadioButton2Click();
            Choose(*profiles, "cbxMaskState", "src-ipv6-addr");
            SetText(*profiles, "edtSrcMask", "ffffffffffffffff0000000000000000");
            Press(*profiles, TDialogAction::Add);
        }
        ASSERT_GE(LineOf(*profiles->List, "6"), 0);
        Sent();
    }
    auto form = Open<TIpv6RuleForm>();
    EXPECT_EQ(form->windowTitle(), "Ipv6 Rule Form");
    struct Case {
        std::initializer_list<const char*> Boxes;
        const char* FlowLabel;
        const char* Message;
    };
    for (const Case& c :
         {Case{{"cbxRuleSrcIpv6addr", "cbxRuleDstIpv6addr"},
               "",
               "Can not support Source IP and Destination IP both"},
          Case{{"cbxRuleClass", "cbxRuleSrcIpv6addr"}, "", "Can not set mutex data together"},
          Case{{"cbxRuleFlowlabel"}, "1234567", "Invalid data!"},
          Case{{"cbxRuleSrcIpv6addr"}, "", "Some checked field is empty"}}) {
        SCOPED_TRACE(c.Message);
        form->CheckAll(false);
        SetText(*form, "edtRuleID", "6");
        SetText(*form, "edtRuleAccessID", "3");
        SetText(*form, "edtRuleFlowlabel", c.FlowLabel);
        Check(*form, {"cbxRow"});
        Check(*form, c.Boxes);
        Press(*form, TDialogAction::Add);
        EXPECT_EQ(LastBox(), c.Message);
        EXPECT_TRUE(Sent().empty());
    }
    // A new rule exists before its address is written.
    form->CheckAll(false);
    Check(*form, {"cbxRow", "cbxRuleSrcIpv6addr"});
    const QString address = "20010db8000000010000000000000001";
    SetText(*form, "edtRuleSrcIpv6addr", address);
    Press(*form, TDialogAction::Add);
    std::vector<std::vector<std::string>> requests = SentRequests();
    ASSERT_EQ(requests.size(), 2u)
        << form->Status->Panel(0)->text().toStdString() << ::testing::PrintToString(requests);
    EXPECT_EQ(ColumnsOf(requests[0], kIpv6Rule), (Columns{"11=0000000000000000", "14=4"}));
    EXPECT_EQ(ColumnsOf(requests[1], kIpv6Rule), Columns{"5=" + address.toStdString()});
    // An edit writes the address first.
    Select(*form, "6", "3");
    Check(*form, {"cbxRuleSrcIpv6addr", "cbxPermit"});
    Entry(*form, "PermitComboBox", 0);
    SetText(*form, "edtRuleSrcIpv6addr", "20010db8000000010000000000000002");
    Press(*form, TDialogAction::Set);
    requests = SentRequests();
    ASSERT_EQ(requests.size(), 2u) << form->Status->Panel(0)->text().toStdString();
    EXPECT_EQ(ColumnsOf(requests[0], kIpv6Rule), Columns{"5=20010db8000000010000000000000002"});
    EXPECT_EQ(ColumnsOf(requests[1], kIpv6Rule), (Columns{"10=1", "11=0000000000000000"}));
}

}  // namespace
}  // namespace gui_test
