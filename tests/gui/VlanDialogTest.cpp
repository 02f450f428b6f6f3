// The two VLAN dialogs against the simulator: a VLAN made through the static
// dialog carries exactly the ports ticked, the current table shows it, Set
// and Delete change and remove it, rows the grids cannot show are reported;
// and a dialog declared on the same pattern in its blocking variant.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>

#include "CheckBox.h"
#include "ComboBox.h"
#include "ConfigWinTestSupport.h"
#include "CvSNMPRequest.h"
#include "CvSNMPRequest2Edits.h"
#include "Edit.h"
#include "ListView.h"
#include "RadioGroup.h"
#include "SilentUdpPort.h"
#include "StatusBar.h"
#include "TStackingPortUitForm.h"
#include "VlanDialogs.h"

namespace gui_test {
namespace {

const char kEgress[] = "1.3.6.1.2.1.17.7.1.4.3.1.2";
const char kForbidden[] = "1.3.6.1.2.1.17.7.1.4.3.1.3";
const char kUntagged[] = "1.3.6.1.2.1.17.7.1.4.3.1.4";
const char kOutOfRange[] =
    "(CvSNMP++) Out of range for the bit(byte) index of the associated SNMP variable's "
    "(partial) data!";

std::string PortList(const char* column, int vid) {
    return WalkColumn(kVlanStatic[0].Oid, column, CvSyntax::octetstr)[std::to_string(vid)];
}

// Writes one port list of an existing VLAN as the given bytes (hexadecimal).
void WritePortList(int vid, const char* column, const std::string& hex) {
    CvSNMPRequest request;
    const CvSNMPVarDesc records[] = {kVlanStatic[0], {column, "", CvSyntax::octetstr, kRw}, {}};
    request.Vars.Assign(CvSNMPVarList(records, MVT_FMV, 1));
    request.Vars.Item(0).Value = std::to_string(vid);
    request.Vars.Item(1).Value = hex;
    request.Write(false, "");
}

// Destroys static VLAN `vid` when the agent has it, so that a test can run again.
void RemoveVlan(int vid) {
    if (VlanStates().count(std::to_string(vid)) == 0) {
        return;
    }
    CvSNMPRequest request;
    const CvSNMPVarDesc records[] = {
        kVlanStatic[0], {kVlanStatic[kVlanStatusColumn].Oid, "", CvSyntax::integer, kRw}, {}};
    request.Vars.Assign(CvSNMPVarList(records, MVT_FMV, 1));
    request.Vars.Item(0).Value = std::to_string(vid);
    request.Vars.Item(1).Value = "6";  // destroy
    request.Write(false, "");
}

void FreshVlan(int vid, const std::string& name) {
    RemoveVlan(vid);
    CreateVlan(vid, name);
}

class VlanDialogTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        UseSimulator();
    }
    void TearDown() override {
        Static.reset();
        Current.reset();
        GuiTest::TearDown();
    }

    static bool Idle(const TTableDialog& form) {
        for (std::size_t k = 0; k < form.Requests.size(); ++k) {
            if (form.Request(k)->Busy) {
                return false;
            }
        }
        return true;
    }
    template <typename Form>
    Form& Open(std::unique_ptr<Form>& form) {
        form = std::make_unique<Form>(TDialogContext{});
        form->FormCreate();
        form->show();
        EXPECT_TRUE(PumpUntil([&] { return Idle(*form); }));
        return *form;
    }
    // The line whose column `column` reads `text`.
    static int LineOf(const TTableDialog& form, const QString& text, int column = 0) {
        for (int line = 0; line < form.List->LineCount(); ++line) {
            const QString cell =
                column == 0 ? form.List->Caption(line) : form.List->SubItem(line, column - 1);
            if (cell == text) {
                return line;
            }
        }
        return -1;
    }
    static void Tick(TStackingPortUitForm* grid, std::initializer_list<int> ports) {
        for (const int port : ports) {
            grid->PortCheckBoxes[static_cast<std::size_t>(port - 1)]->setChecked(true);
        }
    }
    static std::vector<int> Ticked(const TStackingPortUitForm* grid) {
        std::vector<int> ports;
        for (std::size_t i = 0; i < grid->PortCheckBoxes.size(); ++i) {
            if (grid->PortCheckBoxes[i]->isChecked()) {
                ports.push_back(static_cast<int>(i) + 1);
            }
        }
        return ports;
    }
    template <typename T>
    static T* Named(const TTableDialog& form, const char* name) {
        T* control = form.findChild<T*>(name);
        EXPECT_NE(control, nullptr) << name;
        return control;
    }
    static QString MemoText(const TTableDialog& form) { return form.Memo->toPlainText(); }
    // Set, Delete and Add enabled, in that order.
    static std::vector<bool> Buttons(const TTableDialog& form) {
        return {form.Button(TDialogAction::Set)->isEnabled(),
                form.Button(TDialogAction::Delete)->isEnabled(),
                form.Button(TDialogAction::Add)->isEnabled()};
    }
    // Selects the line of `vid` and waits until the dialog is idle.
    static void Select(TTableDialog& form, int vid, int column = 0) {
        ASSERT_TRUE(PumpUntil([&] {
            return Idle(form) && LineOf(form, QString::number(vid), column) >= 0;
        })) << "VLAN "
            << vid << " not listed";
        form.List->SelectLine(LineOf(form, QString::number(vid), column));
    }

    std::unique_ptr<TVlanStaticForm> Static;
    std::unique_ptr<TVLanCurrentTableForm> Current;
};

TEST_F(VlanDialogTest, TheStaticDialogOpensWithItsCaptionsAndReadsBothLists) {
    TVlanStaticForm& form = Open(Static);
    EXPECT_EQ(form.windowTitle(), "VLAN Static Form");
    EXPECT_EQ(form.size(), QSize(693, 566));
    QStringList columns;
    for (int c = 0; c < form.List->ColumnCount(); ++c) {
        columns << form.List->ColumnCaption(c);
    }
    EXPECT_EQ(columns.join('|'),
              "VLAN ID|VLAN Name|Egress Ports|Forbidden Egress Ports|Untagged Ports|Status");
    ASSERT_GE(LineOf(form, "1"), 0);
    EXPECT_EQ(form.List->SubItem(LineOf(form, "1"), 4), "Active");
    EXPECT_EQ(Named<QLabel>(form, "ST_Count2")->text(), QString::number(form.List->LineCount()));
    EXPECT_EQ(Named<QLabel>(form, "NextFreeLocalVlanIndex")->text(), "0");
    auto* status = Named<ComboBox>(form, "Status");
    QStringList states;
    for (int i = 0; i < status->count(); ++i) {
        states << status->itemText(i);
    }
    EXPECT_EQ(states.join('|'), "Active|NotInService|NotReady|CreateAndGo|CreateAndWait|Destroy");
    EXPECT_EQ(status->currentIndex(), -1);
    EXPECT_EQ(Buttons(form), (std::vector<bool>{false, false, true}));
    const QStringList pages = {"Egress ports", "Forbidden Egress Ports", "Untagged Ports"};
    for (int page = 0; page < 3; ++page) {
        EXPECT_EQ(form.PageControl->tabText(page), pages[page]);
    }
    EXPECT_EQ(MemoText(form).count("Get: (CvSNMP++) Ok!"), 2);
}

TEST_F(VlanDialogTest, AddWritesExactlyTheTickedPortsAndTheCurrentTableShowsThem) {
    RemoveVlan(300);
    TVlanStaticForm& form = Open(Static);
    Named<Edit>(form, "ED_VLANID")->setText("300");
    Named<Edit>(form, "ED_VLANName")->setText("lab");
    Tick(form.EgressGrid, {1, 2, 3, 4});
    Tick(form.ForbiddenGrid, {26});
    Tick(form.UntaggedGrid, {1, 2});
    form.Button(TDialogAction::Add)->click();
    EXPECT_TRUE(Named<Edit>(form, "ED_VLANID")->text().isEmpty()) << "the edits are cleared";
    EXPECT_TRUE(Ticked(form.EgressGrid).empty());
    Select(form, 300);

    EXPECT_EQ(VlanNames()["300"], "lab");
    EXPECT_EQ(VlanStates()["300"], "1") << "created with createAndGo, now active";
    EXPECT_EQ(PortList(kEgress, 300), "F000000000000000");
    EXPECT_EQ(PortList(kForbidden, 300), "0000004000000000");
    EXPECT_EQ(PortList(kUntagged, 300), "C000000000000000");
    EXPECT_TRUE(MemoText(form).contains("Set: (CvSNMP++) Ok!"));
    EXPECT_TRUE(Boxes.empty());

    TVLanCurrentTableForm& current = Open(Current);
    EXPECT_EQ(current.windowTitle(), "VLAN Current Table");
    EXPECT_TRUE(current.Button(TDialogAction::Set)->isHidden());
    EXPECT_FALSE(Named<QLabel>(current, "VlanNumDeletes")->text().isEmpty());
    Select(current, 300, 1);
    EXPECT_EQ(Named<QLabel>(current, "StaticText1")->text(), "300");
    EXPECT_EQ(Ticked(current.EgressGrid), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(Ticked(current.UntaggedGrid), (std::vector<int>{1, 2}));
    EXPECT_EQ(current.List->SubItem(LineOf(current, "300", 1), 4), "permanent");

    current.Button(TDialogAction::Refresh)->click();
    EXPECT_TRUE(Named<QLabel>(current, "StaticText1")->text().isEmpty());
    EXPECT_TRUE(Ticked(current.EgressGrid).empty());
}

TEST_F(VlanDialogTest, SetRewritesTheSelectedRowFromTheControls) {
    FreshVlan(301, "before");
    TVlanStaticForm& form = Open(Static);
    Select(form, 301);
    EXPECT_EQ(Buttons(form), (std::vector<bool>{true, true, false}));
    EXPECT_EQ(Named<Edit>(form, "ED_VLANName")->text(), "before");
    EXPECT_EQ(Named<ComboBox>(form, "Status")->currentText(), "Active");
    Named<Edit>(form, "ED_VLANName")->setText("after");
    Tick(form.EgressGrid, {5, 26});
    form.Button(TDialogAction::Set)->click();
    EXPECT_EQ(Buttons(form), (std::vector<bool>{false, false, true}));
    Select(form, 301);
    EXPECT_EQ(VlanNames()["301"], "after");
    EXPECT_EQ(PortList(kEgress, 301), "0800004000000000");
    EXPECT_EQ(VlanStates()["301"], "1");
}

TEST_F(VlanDialogTest, DeleteRemovesTheVlanWithoutAsking) {
    FreshVlan(302, "gone");
    TVLanCurrentTableForm& current = Open(Current);
    const int deletes = Named<QLabel>(current, "VlanNumDeletes")->text().toInt();
    TVlanStaticForm& form = Open(Static);
    Select(form, 302);
    form.Button(TDialogAction::Delete)->click();
    EXPECT_EQ(Buttons(form), (std::vector<bool>{false, false, true}));
    ASSERT_TRUE(PumpUntil([&] { return Idle(form) && form.List->LineCount() > 0; }));
    EXPECT_LT(LineOf(form, "302"), 0);
    EXPECT_EQ(VlanStates().count("302"), 0u);
    EXPECT_TRUE(Boxes.empty()) << "dedicated dialogs delete without asking";

    current.Button(TDialogAction::Refresh)->click();
    ASSERT_TRUE(PumpUntil([&] { return Idle(current); }));
    EXPECT_EQ(Named<QLabel>(current, "VlanNumDeletes")->text().toInt(), deletes + 1);
    EXPECT_LT(LineOf(current, "302", 1), 0);
}

TEST_F(VlanDialogTest, DeleteOfAnIndexTheDeviceLacksReportsItsErrorAndKeepsTheList) {
    FreshVlan(303, "kept");
    TVlanStaticForm& form = Open(Static);
    Select(form, 303);
    const int lines = form.List->LineCount();
    Named<Edit>(form, "ED_VLANID")->setText("4000");
    form.Button(TDialogAction::Delete)->click();
    ASSERT_TRUE(PumpUntil([&] { return Idle(form); }));
    const QStringList memo = MemoText(form).split('\n');
    EXPECT_TRUE(memo.back().startsWith("Set: (SNMP)")) << memo.back().toStdString();
    EXPECT_EQ(form.List->LineCount(), lines);
    EXPECT_EQ(VlanStates()["303"], "1");
}

TEST_F(VlanDialogTest, APortListShorterThanEightOctetsIsReportedAndTheRowNotWrittenBack) {
    FreshVlan(304, "short");
    WritePortList(304, kUntagged, "C0000000");
    TVlanStaticForm& form = Open(Static);
    Select(form, 304);
    EXPECT_TRUE(MemoText(form).split('\n').back().contains(kOutOfRange))
        << MemoText(form).toStdString();
    EXPECT_EQ(Buttons(form), (std::vector<bool>{false, true, false}))
        << "a half-shown row can be deleted, not set";
    EXPECT_TRUE(form.isVisible());

    // Another row shows and can be set again.
    form.List->SelectLine(LineOf(form, "1"));
    EXPECT_EQ(Buttons(form), (std::vector<bool>{true, true, false}));
}

TEST_F(VlanDialogTest, AClickBesideTheLinesClearsTheEditAreaAndLeavesOnlyAdd) {
    FreshVlan(305, "picked");
    TVlanStaticForm& form = Open(Static);
    Select(form, 305);
    Tick(form.UntaggedGrid, {7});
    form.List->clearSelection();
    const QPoint below(5, form.List->viewport()->height() - 2);
    QMouseEvent release(QEvent::MouseButtonRelease, below,
                        form.List->viewport()->mapToGlobal(below), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(form.List->viewport(), &release);
    EXPECT_TRUE(Named<Edit>(form, "ED_VLANID")->text().isEmpty());
    EXPECT_TRUE(Named<Edit>(form, "ED_VLANName")->text().isEmpty());
    EXPECT_EQ(Named<ComboBox>(form, "Status")->currentIndex(), -1);
    for (const TStackingPortUitForm* grid : form.Grids) {
        EXPECT_TRUE(Ticked(grid).empty());
    }
    EXPECT_EQ(Buttons(form), (std::vector<bool>{false, false, true}));
}

TEST_F(VlanDialogTest, ADialogFreedWhileItsCloseWaitsForASilentDeviceEndsCleanly) {
    agents::SilentUdpPort silent;
    UseSimulator(silent.Port());
    Static = std::make_unique<TVlanStaticForm>(TDialogContext{});
    Static->FormCreate();
    Static->show();
    Static->close();  // both reads are outstanding: the close waits for them
    EXPECT_TRUE(Static->isVisible());
    Static.reset();  // the owner goes first
}

// A later dialog in the blocking variant: the status bar reports, and every
// exchange has ended when its button returns.
const CvSNMPVarDesc kNames[] = {kVlanStatic[0], kVlanStatic[1], kVlanStatic[5], {}};
const TTableDialogDecl kBlockingNames{
    .Name = "BlockingNames",
    .Caption = "Names",
    .Width = 400,
    .Height = 300,
    .Buttons = {{"BT_Get", "Refresh", TDialogAction::Refresh},
                {"BT_Set", "Add", TDialogAction::Add},
                {"BT_Delete", "Delete", TDialogAction::Delete},
                {"BT_Close", "Close", TDialogAction::Close}},
    .Requests = {{kNames, MVT_UMV, 1, "LV_Names", true, 0}},
    .Fields = {{0, 0, TFieldKind::Edit, "ED_Index", "Index", "%i{n1x4094}"},
               {0, 1, TFieldKind::Edit, "ED_Name", "Name", "%s{l32}"},
               {0, 2, TFieldKind::Combo, "Combo_State", "State"}},
    .StatusItem = 2,
    .CreateEntry = 3,
    .DestroyEntry = 5,
    .StatusBarOutput = true};

TEST_F(VlanDialogTest, ABlockingDialogDeclaredOnThePatternReportsInItsStatusBar) {
    RemoveVlan(306);
    TTableDialog form(TDialogContext{}, kBlockingNames);
    form.FormCreate();
    form.show();
    QLabel* panel = form.Status->Panel(0);
    EXPECT_TRUE(panel->text().startsWith("Get: (CvSNMP++) Ok!")) << panel->text().toStdString();
    EXPECT_EQ(form.Memo, nullptr);
    EXPECT_GT(form.List->LineCount(), 0) << "read before FormCreate returned";

    Named<Edit>(form, "ED_Index")->setText("306");
    Named<Edit>(form, "ED_Name")->setText("blocking");
    form.Button(TDialogAction::Add)->click();
    EXPECT_GE(LineOf(form, "306"), 0) << "written and read again before the click returned";
    EXPECT_EQ(VlanNames()["306"], "blocking");

    form.List->SelectLine(LineOf(form, "306"));
    form.Button(TDialogAction::Delete)->click();
    EXPECT_LT(LineOf(form, "306"), 0);
    EXPECT_EQ(VlanStates().count("306"), 0u);

    // Nothing the device could create: its refusal ends in the status bar.
    form.Button(TDialogAction::Add)->click();
    EXPECT_TRUE(panel->text().startsWith("Set: (SNMP)")) << panel->text().toStdString();

    form.Button(TDialogAction::Close)->click();
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(form.Requests.empty());
}

// A state shown as a radio group: filled from the options, set by the row,
// cleared with the edit area.
const TTableDialogDecl kRadioNames{
    .Name = "RadioNames",
    .Caption = "Names",
    .Width = 400,
    .Height = 300,
    .Buttons = {{"BT_Get", "Refresh", TDialogAction::Refresh}},
    .Requests = {{kNames, MVT_UMV, 1, "LV_Names", true, 0}},
    .Fields = {{0, 0, TFieldKind::Edit, "ED_Index", "Index", "%i{n1x4094}"},
               {0, 2, TFieldKind::Radio, "RG_State", "State"}},
    .StatusBarOutput = true};

TEST_F(VlanDialogTest, ARadioGroupFieldShowsTheSelectedRowsOption) {
    TTableDialog form(TDialogContext{}, kRadioNames);
    form.FormCreate();
    form.show();
    auto* state = Named<RadioGroup>(form, "RG_State");
    EXPECT_EQ(state->Items().size(), 6);
    EXPECT_EQ(state->ItemIndex(), -1);
    form.List->SelectLine(LineOf(form, "1"));
    EXPECT_EQ(state->ItemIndex(), 0) << "VLAN 1 is active";
    form.List->SelectLine(-1);
    form.ListClick();
    EXPECT_EQ(state->ItemIndex(), -1);
}

}  // namespace
}  // namespace gui_test
