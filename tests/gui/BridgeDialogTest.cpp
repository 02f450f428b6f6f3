// The bridge dialogs against the simulator's P-BRIDGE and Q-BRIDGE objects:
// the gates the GARP dialogs share, rows shown again after a write, the
// 96-octet forwarding lists and the static filters' writes.
#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QPushButton>

#include "BridgeDialogs.h"
#include "ComboBox.h"
#include "DialogTestSupport.h"
#include "FilterDialogs.h"
#include "ListView.h"
#include "TStackingPortUitForm.h"

namespace gui_test {
namespace {

const std::string kGarp = "1.3.6.1.2.1.17.6.1.3.1.1.";
const std::string kQBridge = "1.3.6.1.2.1.17.7.1.";

class BridgeDialogTest : public DialogTest {
protected:
    template <typename Form>
    std::unique_ptr<Form> Open() {
        TDialogContext context;
        context.Form1 = &Gates;
        auto form = std::make_unique<Form>(context);
        form->FormCreate();
        form->show();
        WaitIdle(*form);
        return form;
    }
    static void Select(TTableDialog& form, const QString& caption) {
        const int line = LineOf(*form.List, caption);
        ASSERT_GE(line, 0) << caption.toStdString();
        form.List->SelectLine(line);
        form.ListClick();
    }
    static QString Memo(const TTableDialog& form) { return form.Memo->toPlainText(); }

    TForm1 Gates;
};

TEST_F(BridgeDialogTest, GarpTimersWaitForTheGatesAndTheWrittenPortIsShownAgain) {
    auto form = Open<TGARPForm>();
    ASSERT_TRUE(Gates.GetReady && Gates.SetReady) << "the first read opened them";
    EXPECT_EQ(form->List->LineCount(), 26);

    // A read or write of another GARP dialog still runs: Refresh does nothing.
    Gates.SetReady = false;
    form->Button(TDialogAction::Refresh)->click();
    EXPECT_FALSE(form->Request(0)->Busy);
    Gates.SetReady = true;

    Select(*form, "3");
    SetText(*form, "GarpJoinTime", "30");
    SetText(*form, "GarpLeaveTime", "80");
    SetText(*form, "GarpLeaveAllTime", "1100");
    form->Button(TDialogAction::Set)->click();
    EXPECT_FALSE(Gates.GetReady) << "closed until the re-read ends";
    WaitIdle(*form);
    EXPECT_EQ(Sent(),
              (std::vector<std::string>{kGarp + "1.3=30", kGarp + "2.3=80", kGarp + "3.3=1100"}));
    EXPECT_TRUE(Gates.GetReady && Gates.SetReady);
    EXPECT_EQ(form->List->SelectedLine(), LineOf(*form->List, "3")) << "selected again";
    EXPECT_EQ(Text(*form, "GarpLeaveTime"), "80");

    // Leave must be at least twice the join time: the switch's refusal.
    SetText(*form, "GarpLeaveTime", "40");
    form->Button(TDialogAction::Set)->click();
    WaitIdle(*form);
    EXPECT_EQ(Sent().size(), 3u);
    EXPECT_TRUE(Memo(*form).contains("inconsistent", Qt::CaseInsensitive))
        << Memo(*form).toStdString();
    EXPECT_TRUE(Gates.GetReady && Gates.SetReady) << "usable again";
}

TEST_F(BridgeDialogTest, ScalarDialogsWriteTheirWritableObjectsOnly) {
    auto bridge = Open<TPBridgeConfigForm>();
    EXPECT_FALSE(Text(*bridge, "Edit_DeviceCapabilities").isEmpty());
    Choose(*bridge, "GmrpStatus", "enabled");
    bridge->Button(TDialogAction::Set)->click();
    WaitIdle(*bridge);
    EXPECT_EQ(Sent(), std::vector<std::string>{"1.3.6.1.2.1.17.6.1.1.3.0=1"});

    auto general = Open<TVLanGeneralInfoForm>();
    EXPECT_FALSE(Text(*general, "MaxVlanId").isEmpty());
    Choose(*general, "GvrpStatus", "enabled");
    general->Button(TDialogAction::Set)->click();
    WaitIdle(*general);
    EXPECT_EQ(Sent(), std::vector<std::string>{kQBridge + "1.5.0=1"});
}

TEST_F(BridgeDialogTest, PortVlanSettingsNeedAnExistingVlan) {
    auto form = Open<TVLanPortInfomationForm>();
    EXPECT_EQ(Text(*form, "PortVLanID"), "") << "emptied after the first read";
    Select(*form, "5");
    SetText(*form, "PortVLanID", "3999");
    form->Button(TDialogAction::Set)->click();
    WaitIdle(*form);
    EXPECT_FALSE(Sent().empty());
    EXPECT_TRUE(Memo(*form).contains("inconsistent", Qt::CaseInsensitive))
        << Memo(*form).toStdString();

    Select(*form, "5");
    SetText(*form, "PortVLanID", "1");
    Choose(*form, "IngressFiltering", "true");
    form->Button(TDialogAction::Set)->click();
    WaitIdle(*form);
    const std::vector<std::string> sent = Sent();
    EXPECT_NE(std::find(sent.begin(), sent.end(), kQBridge + "4.5.1.1.5=1"), sent.end());
    EXPECT_NE(std::find(sent.begin(), sent.end(), kQBridge + "4.5.1.3.5=1"), sent.end());
    EXPECT_EQ(form->List->SelectedLine(), LineOf(*form->List, "5"));
}

TEST_F(BridgeDialogTest, ForwardingListsCoverTwelveUnits) {
    auto form = Open<TMulticastForwardingInformationForm>();
    ASSERT_GT(form->List->LineCount(), 0);
    Select(*form, "1");
    form->Grid(1)->UncheckAll();
    form->Grid(2)->UncheckAll();
    Tick(form->Grid(1), {5});
    form->Button(TDialogAction::Set)->click();
    WaitIdle(*form);
    const std::vector<std::string> sent = Sent();
    ASSERT_EQ(sent.size(), 2u) << "the static and forbidden lists only";
    const std::string staticList = kQBridge + "2.4.1.2.1=08" + std::string(190, '0');
    EXPECT_EQ(sent[0], staticList);
    EXPECT_EQ(sent[1], kQBridge + "2.4.1.3.1=" + std::string(192, '0'));

    auto unregistered = Open<TForwardUnregisteredInformationForm>();
    ASSERT_GT(unregistered->List->LineCount(), 0);
    Select(*unregistered, unregistered->List->Caption(0));
    unregistered->Button(TDialogAction::Set)->click();
    WaitIdle(*unregistered);
    EXPECT_EQ(Sent().size(), 2u) << "its static and forbidden lists are written too";

    auto groups = Open<TTpGroupDestinationForwardedForm>();
    EXPECT_GT(groups->List->LineCount(), 0);
    EXPECT_TRUE(groups->Button(TDialogAction::Set) == nullptr) << "read only";
}

TEST_F(BridgeDialogTest, StaticFiltersAddOnlyPermanentEntriesAndDeleteByStatus) {
    auto unicast = Open<TUnicastFilterInformationForm>();
    const int before = unicast->List->LineCount();
    SetText(*unicast, "ED_UnicastVID", "1");
    SetText(*unicast, "UnicastAddress", "00256410aa01");
    Tick(unicast->Grid(0), {2});
    for (const char* status : {"invalid", "other"}) {
        Choose(*unicast, "UStatus", status);
        unicast->Button(TDialogAction::Add)->click();
        EXPECT_EQ(LastBox(), "Only a permanent entry can be added.");
        EXPECT_TRUE(Sent().empty());
    }
    Choose(*unicast, "UStatus", "permanent");
    unicast->Button(TDialogAction::Add)->click();
    WaitIdle(*unicast);
    const std::string row = "1.0.37.100.16.170.1.0";
    EXPECT_EQ(Sent(), (std::vector<std::string>{kQBridge + "3.1.1.3." + row + "=4000000000000000",
                                                kQBridge + "3.1.1.4." + row + "=3"}));
    ASSERT_EQ(unicast->List->LineCount(), before + 1) << Memo(*unicast).toStdString();

    const int line = LineOf(*unicast->List, "1");
    ASSERT_GE(line, 0);
    for (int l = 0; l < unicast->List->LineCount(); ++l) {
        if (unicast->List->SubItem(l, 0) == "00256410AA01") {
            unicast->List->SelectLine(l);
        }
    }
    unicast->ListClick();
    unicast->Button(TDialogAction::Delete)->click();
    WaitIdle(*unicast);
    EXPECT_EQ(Sent(), std::vector<std::string>{kQBridge + "3.1.1.4." + row + "=2"})
        << "the status alone";
    EXPECT_EQ(unicast->List->LineCount(), before);

    auto multicast = Open<TMulticastFilterInformationForm>();
    ASSERT_GT(multicast->List->LineCount(), 0);
    multicast->List->SelectLine(0);
    multicast->ListClick();
    multicast->Button(TDialogAction::Set)->click();
    WaitIdle(*multicast);
    const std::vector<std::string> sent = Sent();
    ASSERT_EQ(sent.size(), 1u) << "the egress ports only";
    EXPECT_EQ(sent[0].rfind(kQBridge + "3.2.1.3.", 0), 0u) << sent[0];
}

}  // namespace
}  // namespace gui_test
