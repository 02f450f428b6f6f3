// The IGMP and MLD router-port dialogs and the MLD group list against the
// simulator's snooping tables: the Ready guard, the exact SETs, the switch's
// refusal, and a group list that never writes.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include <functional>
#include <memory>

#include "CheckBox.h"
#include "DialogTestSupport.h"
#include "ListView.h"
#include "MulticastSnoopingDialogs.h"
#include "StatusBar.h"
#include "TStackingPortUitForm.h"

namespace gui_test {
namespace {

// The message output of either kind of dialog.
QString Output(const TTableDialog& form) {
    return form.Memo != nullptr ? form.Memo->toPlainText() : form.Status->Panel(0)->text();
}

bool Ticked(const TStackingPortUitForm* grid, int port) {
    return grid->PortCheckBoxes[static_cast<std::size_t>(port - 1)]->isChecked();
}

// VLAN 1 of each table as the simulator starts: one port in each list.
struct RouterCase {
    std::function<std::unique_ptr<TRouterPortsForm>()> Create;
    const char* Caption;
    std::string Table;
    int StaticPort, DynamicPort, ForbiddenPort;
    const char* Static;     // the static list with port 3 added
    const char* Forbidden;  // as read
};

const RouterCase kRouterCases[] = {
    {[] { return std::make_unique<TIGMPRouterPortsForm>(TDialogContext{}); }, "IGMP Router ports",
     "1.3.6.1.4.1.99917.11.70.1.2.11.6.1.", 25, 7, 20, "2000008000000000", "0000100000000000"},
    {[] { return std::make_unique<TMLD_SnoopingRouterPortsForm>(TDialogContext{}); },
     "MLD Snooping Router Ports Form", "1.3.6.1.4.1.99917.12.34.3.4.1.", 26, 9, 21,
     "2000004000000000", "0000080000000000"},
};

class MulticastSnoopingDialogTest : public DialogTest {
protected:
    // Opened, and VLAN 1 selected once the first walk has ended.
    std::unique_ptr<TRouterPortsForm> OpenAtVlan1(const RouterCase& c) {
        std::unique_ptr<TRouterPortsForm> form = c.Create();
        form->FormCreate();
        form->show();
        EXPECT_TRUE(PumpUntil([&] { return form->Ready; }));
        SelectVlan1(*form);
        return form;
    }
    static void SelectVlan1(TRouterPortsForm& form) {
        form.List->SelectLine(LineOf(*form.List, "1"));
        form.ListClick();
    }
    // Set, then the re-read the write starts.
    void SetAndWait(TRouterPortsForm& form) {
        form.Button(TDialogAction::Set)->click();
        EXPECT_TRUE(PumpUntil([&] { return form.Ready && Idle(form); }));
    }
};

TEST_F(MulticastSnoopingDialogTest, RouterPortsRefreshOnlyWhenReadyAndSetStaticAndForbidden) {
    for (const RouterCase& c : kRouterCases) {
        SCOPED_TRACE(c.Caption);
        std::unique_ptr<TRouterPortsForm> form = c.Create();
        form->FormCreate();
        form->show();
        EXPECT_EQ(form->windowTitle(), c.Caption);
        EXPECT_FALSE(form->Button(TDialogAction::Set)->isEnabled());
        form->Button(TDialogAction::Refresh)->click();  // the first walk is still running
        ASSERT_TRUE(PumpUntil([&] { return form->Ready; }));
        PumpFor(100);
        EXPECT_EQ(Output(*form).count("Ok!"), 1) << "one walk";
        EXPECT_EQ(form->List->LineCount(), 2) << "VLANs 1 and 100";
        EXPECT_TRUE(form->StaticGrid->PortCheckBoxes[0]->isEnabled()) << "usable after a read";
        EXPECT_FALSE(form->DynamicGrid->isEnabled()) << "learned ports are shown only";

        SelectVlan1(*form);
        EXPECT_EQ(Text(*form, "stVlanID"), "1");
        EXPECT_TRUE(Ticked(form->StaticGrid, c.StaticPort));
        EXPECT_TRUE(Ticked(form->DynamicGrid, c.DynamicPort));
        EXPECT_TRUE(Ticked(form->ForbiddenGrid, c.ForbiddenPort));
        Tick(form->StaticGrid, {3});
        SetAndWait(*form);
        EXPECT_EQ(Sent(), (std::vector<std::string>{c.Table + "2.1=" + c.Static,
                                                    c.Table + "4.1=" + c.Forbidden}));
        EXPECT_EQ(Text(*form, "stVlanID"), "") << "written: the selection is cleared";
        EXPECT_FALSE(form->Button(TDialogAction::Set)->isEnabled());
        SelectVlan1(*form);
        EXPECT_TRUE(Ticked(form->StaticGrid, 3)) << "read again";
    }
    EXPECT_TRUE(Boxes.empty());
}

// A port both static and forbidden: the switch refuses, its text is shown,
// what was ticked stays and the dialog goes on working.
TEST_F(MulticastSnoopingDialogTest, RouterPortsShowTheSwitchsRefusalAndStayUsable) {
    for (const RouterCase& c : kRouterCases) {
        SCOPED_TRACE(c.Caption);
        std::unique_ptr<TRouterPortsForm> form = OpenAtVlan1(c);
        Tick(form->StaticGrid, {c.ForbiddenPort});
        SetAndWait(*form);
        EXPECT_EQ(Sent().size(), 2u);
        EXPECT_TRUE(Output(*form).contains("inconsistent", Qt::CaseInsensitive))
            << Output(*form).toStdString();
        EXPECT_TRUE(Ticked(form->StaticGrid, c.ForbiddenPort)) << "what was ticked stays";
        EXPECT_TRUE(form->Button(TDialogAction::Set)->isEnabled()) << "it can be put right";
        form->Button(TDialogAction::Refresh)->click();
        ASSERT_TRUE(PumpUntil([&] { return form->Ready; }));
        EXPECT_EQ(form->List->LineCount(), 2);
        EXPECT_FALSE(Ticked(form->StaticGrid, c.ForbiddenPort)) << "cleared by Refresh";
    }
}

TEST_F(MulticastSnoopingDialogTest, TheGroupListFillsItsControlsFromARowAndNeverWrites) {
    TMLD_SnoopingGroupForm form(TDialogContext{});
    form.FormCreate();
    form.show();
    WaitIdle(form);
    ASSERT_EQ(form.List->LineCount(), 3);
    EXPECT_EQ(form.findChildren<QPushButton*>().size(), 1) << "Refresh only";
    // ff02::fb on VLAN 1, reported on ports 4, 7 and 12.
    for (int line = 0; line < form.List->LineCount(); ++line) {
        if (form.List->SubItem(line, 0) == "FF0200000000000000000000000000FB") {
            form.List->SelectLine(line);
        }
    }
    form.ListClick();
    EXPECT_EQ(Text(form, "edtIPAddress"), "FF0200000000000000000000000000FB");
    EXPECT_EQ(Text(form, "edtMAC"), "3333000000FB");
    EXPECT_FALSE(Text(form, "edtCount").isEmpty());
    for (int port = 1; port <= 26; ++port) {
        EXPECT_EQ(Ticked(form.PortGrid, port), port == 4 || port == 7 || port == 12) << port;
    }
    // A click beside the rows clears what the row showed.
    form.List->SelectLine(-1);
    form.ListClick();
    for (const char* control : {"stVID", "edtIPAddress", "edtMAC", "edtCount"}) {
        EXPECT_EQ(Text(form, control), "") << control;
    }
    EXPECT_FALSE(Ticked(form.PortGrid, 4));
    EXPECT_TRUE(Sent().empty());
}

}  // namespace
}  // namespace gui_test
