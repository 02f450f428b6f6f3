// The trunk and LACP dialogs against the simulator's trunk and aggregator
// tables: the checks before sending, the exact SETs, the switch's refusals.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include <functional>

#include "DialogTestSupport.h"
#include "Edit.h"
#include "LinkAggregationDialogs.h"
#include "ListView.h"
#include "StatusBar.h"
#include "TStackingPortUitForm.h"

namespace gui_test {
namespace {

const std::string kTrunk = "1.3.6.1.4.1.99917.11.70.1.2.9.3.1.";
const std::string kAggregator = "1.3.6.1.4.1.99917.12.4.1.2.1.1.";

class LinkAggregationDialogTest : public DialogTest {
protected:
    TPortTrunkForm& OpenTrunks() {
        TDialogContext context;
        context.DeviceAddress = "127.0.0.1";
        Trunks = std::make_unique<TPortTrunkForm>(context);
        Trunks->FormCreate();
        Trunks->show();
        return *Trunks;
    }
    // A new trunk's edit area filled in.
    void NewTrunk(const QString& index, const QString& port, std::initializer_list<int> members) {
        Trunks->List->SelectLine(-1);
        Trunks->ListClick();
        SetText(*Trunks, "ED_Index", index);
        SetText(*Trunks, "ED_Name", "lab");
        SetText(*Trunks, "PortEdit", port);
        Choose(*Trunks, "Combo_Type", "static");
        Tick(Trunks->MemberGrid, members);
    }
    void SelectTrunk(int index) {
        const int line = LineOf(*Trunks->List, QString::number(index));
        ASSERT_GE(line, 0) << "trunk " << index;
        Trunks->List->SelectLine(line);
        Trunks->ListClick();
    }

    std::unique_ptr<TPortTrunkForm> Trunks;
};

TEST_F(LinkAggregationDialogTest, TrunkInputIsRefusedWithItsMessageAndNothingIsSent) {
    TPortTrunkForm& form = OpenTrunks();
    EXPECT_EQ(form.windowTitle(), "Port Trunk Table :127.0.0.1");
    ASSERT_GE(LineOf(*form.List, "1"), 0);
    ASSERT_GE(LineOf(*form.List, "5"), 0);
    struct Case {
        const char* Name;
        std::function<void()> Fill;
        const char* Message;
    };
    const Case cases[] = {
        {"no index",
         [&] {
             NewTrunk("", "12", {12, 13});
         },
         "The index should not be empty."},
        {"index in use",
         [&] {
             NewTrunk("1", "12", {12, 13});
         },
         "The Index must be different!"},
        {"no port",
         [&] {
             NewTrunk("7", "", {12, 13});
         },
         "The Port should not be empty."},
        {"port 27",
         [&] {
             NewTrunk("7", "27", {12, 13});
         },
         "set valid master port"},
        {"no type",
         [&] {
             NewTrunk("7", "12", {12, 13});
             Choose(form, "Combo_Type", "static");
             form.Combo_Type->setCurrentIndex(-1);
         },
         "Please choose trunk type."},
        {"master of trunk 1",
         [&] {
             NewTrunk("7", "3", {3, 13});
         },
         "The master port must be different!"},
        {"master unticked",
         [&] {
             NewTrunk("7", "12", {13, 14});
         },
         "Master port must be checked."},
        {"one member", [&] { NewTrunk("7", "12", {12}); }, "You must choose at least two members!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        form.MemberGrid->UncheckAll();
        c.Fill();
        form.Button(TDialogAction::Add)->click();
        EXPECT_EQ(LastBox(), c.Message);
        EXPECT_TRUE(Sent().empty());
    }
    // Nine members: the ninth ticked, in port order, is the one taken back.
    form.MemberGrid->UncheckAll();
    NewTrunk("7", "12", {12, 13, 14, 15, 16, 17, 18, 19, 20});
    form.Button(TDialogAction::Add)->click();
    EXPECT_EQ(LastBox(), "The trunk member can't over eight!");
    EXPECT_TRUE(Sent().empty());
    EXPECT_FALSE(form.MemberGrid->PortCheckBoxes[19]->isChecked());
    EXPECT_TRUE(form.MemberGrid->PortCheckBoxes[18]->isChecked());
}

TEST_F(LinkAggregationDialogTest, AddEnablesInASecondSetAndDeleteSendsOnlyTheState) {
    TPortTrunkForm& form = OpenTrunks();
    if (LineOf(*form.List, "7") >= 0) {  // left by an earlier run of the shared simulator
        SelectTrunk(7);
        form.Button(TDialogAction::Delete)->click();
        Sent();
    }
    NewTrunk("7", "12", {12, 13, 14});
    form.ComboBox1->setCurrentIndex(0);  // "enable"
    form.Button(TDialogAction::Add)->click();
    const std::vector<std::string> added = Sent();
    const std::vector<std::string> created = {kTrunk + "2.7=6c6162",  // "lab"
                                              kTrunk + "3.7=12", kTrunk + "4.7=001c000000000000",
                                              kTrunk + "6.7=2", kTrunk + "7.7=4"};
    ASSERT_EQ(added.size(), 10u) << ::testing::PrintToString(added);
    EXPECT_EQ(std::vector<std::string>(added.begin(), added.begin() + 5), created);
    EXPECT_EQ(added[9], kTrunk + "7.7=1") << "enabled in a set of its own";
    ASSERT_GE(LineOf(*form.List, "7"), 0) << "read again";

    SelectTrunk(7);
    EXPECT_FALSE(form.ED_Index->isEnabled());
    EXPECT_EQ(form.PortEdit->text(), "12");
    EXPECT_EQ(form.ComboBox1->currentText(), "enable");
    EXPECT_FALSE(form.Button(TDialogAction::Add)->isEnabled());
    form.Button(TDialogAction::Delete)->click();
    EXPECT_EQ(Sent(), std::vector<std::string>{kTrunk + "7.7=6"});
    EXPECT_LT(LineOf(*form.List, "7"), 0);
    EXPECT_TRUE(form.ED_Index->isEnabled()) << "back to a new trunk";
}

TEST_F(LinkAggregationDialogTest, TheSwitchsRefusalIsShownAndWhatWasEnteredStays) {
    TPortTrunkForm& form = OpenTrunks();
    // Port 4 is a member of trunk 1 already.
    NewTrunk("8", "4", {4, 12});
    form.Button(TDialogAction::Add)->click();
    EXPECT_EQ(Sent().size(), 5u);
    EXPECT_TRUE(form.Status->Panel(0)->text().contains("inconsistent", Qt::CaseInsensitive))
        << form.Status->Panel(0)->text().toStdString();
    EXPECT_LT(LineOf(*form.List, "8"), 0);
    EXPECT_EQ(form.PortEdit->text(), "4");
    EXPECT_TRUE(form.MemberGrid->PortCheckBoxes[11]->isChecked());
    EXPECT_TRUE(form.Button(TDialogAction::Add)->isEnabled());
}

TEST_F(LinkAggregationDialogTest, AggregatorEditChecksThePartnerAddressAndWritesTheAdminValues) {
    TDialogContext context;
    TAggregatorPortTableForm form(context);
    form.FormCreate();
    form.show();
    ASSERT_TRUE(PumpUntil([&] { return form.Loaded; }));
    EXPECT_EQ(form.List->LineCount(), 26);
    EXPECT_EQ(Text(form, "StaticText1"), "26");
    EXPECT_FALSE(form.PageControl->isTabVisible(1)) << "the oper states are not offered";

    form.List->SelectLine(LineOf(*form.List, "2"));
    form.ListClick();
    ASSERT_TRUE(form.ButtonNamed("btnEdit")->isEnabled());
    struct Case {
        const char* Partner;
        const char* Message;
    };
    for (const Case& c : {Case{"00256410018G", "Invalid Macaddrss"}, Case{"", "Invalid Macaddrss"},
                          Case{"0025641001", "Invalid Macaddress"}}) {
        SCOPED_TRACE(c.Partner);
        SetText(form, "edtPartnerID", c.Partner);
        form.btnEditClick();
        EXPECT_EQ(LastBox(), c.Message);
        EXPECT_TRUE(Sent().empty());
    }
    SetText(form, "edtPartnerID", "0A0B0C0D0E0F");
    SetText(form, "edtActorKey", "7");
    form.findChild<QWidget*>("CheckBox2")->setProperty("checked", true);
    const std::size_t boxes = Boxes.size();
    form.btnEditClick();
    EXPECT_EQ(Boxes.size(), boxes);
    const std::vector<std::string> sent = Sent();
    EXPECT_NE(std::find(sent.begin(), sent.end(), kAggregator + "4.2=7"), sent.end());
    EXPECT_NE(std::find(sent.begin(), sent.end(), kAggregator + "8.2=0a0b0c0d0e0f"), sent.end());
    ASSERT_TRUE(PumpUntil([&] { return form.Loaded; }));
    EXPECT_FALSE(form.ButtonNamed("btnEdit")->isEnabled()) << "read again: no row selected";

    // A key beyond the switch's range: its refusal is a line of the memo.
    form.List->SelectLine(LineOf(*form.List, "2"));
    form.ListClick();
    SetText(form, "edtActorKey", "70000");
    form.btnEditClick();
    EXPECT_FALSE(Sent().empty());
    EXPECT_TRUE(form.Memo->toPlainText().contains("wrong", Qt::CaseInsensitive))
        << form.Memo->toPlainText().toStdString();
    EXPECT_EQ(Text(form, "edtActorKey"), "70000") << "what was entered stays";
    EXPECT_TRUE(form.Loaded);
}

}  // namespace
}  // namespace gui_test
