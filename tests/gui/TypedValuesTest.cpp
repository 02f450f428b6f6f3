// What the user types reaches the switch as typed or not at all: a typo is
// refused with its message before anything is sent, rows that show no value
// are not written, a refused write keeps the add and edit windows open with
// what was typed, a refused entry puts back the value read, and Enter in an
// edit presses no button.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <ostream>

#include "CheckBox.h"
#include "ComboBox.h"
#include "ConfigPage.h"
#include "ConfigWinTestSupport.h"
#include "CvCataloguePages.h"
#include "CvDialogs.h"
#include "CvSNMPRequest.h"
#include "CvSNMPRequest2Edits.h"
#include "Edit.h"
#include "ListView.h"
#include "TConfigForm.h"
#include "TCtrlBtnPanel.h"
#include "TEditsPanel.h"
#include "TListViewPanel.h"
#include "TMsgPanel.h"
#include "TSNMPListViewPanel.h"
#include "VlanDialogs.h"

namespace gui_test {
namespace {

const char kIntegerRange[] = "(CvCommon) Please enter a number between -2147483648 and 2147483647!";
const char kSyslogIndex[] = "1.3.6.1.4.1.99917.12.12.2.1.1";

// Destroys system log server `index` when the switch has it, so that a test can run again.
void RemoveSyslogServer(int index) {
    const char* const status = "1.3.6.1.4.1.99917.12.12.2.1.6";
    if (WalkColumn(kSyslogIndex, status, CvSyntax::integer).count(std::to_string(index)) == 0) {
        return;
    }
    CvSNMPRequest request;
    const CvSNMPVarDesc records[] = {
        {kSyslogIndex, "", CvSyntax::integer, kKey}, {status, "", CvSyntax::integer, kRw}, {}};
    request.Vars.Assign(CvSNMPVarList(records, MVT_FMV, 1));
    request.Vars.Item(0).Value = std::to_string(index);
    request.Vars.Item(1).Value = "6";  // destroy
    request.Write(false, "");
}

// Replaces what an edit shows by typing, as a user does.
void TypeOver(QWidget* control, const QString& text) {
    auto* edit = static_cast<Edit*>(control);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

class TypedValuesTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        UseSimulator();
    }
    void TearDown() override {
        Form.reset();
        GuiTest::TearDown();
    }
    TSNMPEditorPanel& Open(const TConfigPageParams& params) {
        Form = BuildConfigPage(params, Main);
        Form->show();
        EXPECT_TRUE(PumpUntil([&] { return Form->ActiveBinding && !Form->ActiveBinding->Busy; }));
        return *Form->Page();
    }
    TSNMPEditorPanel& Open(const char* page) { return Open(PageParams(*FindMibPage(page))); }
    static const TEditRow& Row(TSNMPEditorPanel& page, const QString& caption) {
        for (const TEditRow& row : page.Editor->Rows) {
            if (row.Caption->text() == caption) {
                return row;
            }
        }
        throw std::runtime_error("no row " + caption.toStdString());
    }
    // What the switch holds for the row's variable.
    static std::string DeviceValue(TSNMPEditorPanel& page, const TEditRow& row) {
        const auto i = static_cast<std::int32_t>(&row - page.Editor->Rows.data());
        const CvSNMPVar& item = page.Binding->Request->Vars.Item(i);
        return ReadScalar(item.Oid.c_str(), item.Syntax);
    }
    static QString Memo(TSNMPPanel& panel) { return panel.Messages()->MessageMemo->toPlainText(); }

    TMainWindowValues Main{nullptr, 1.0f, "127.0.0.1", {}};
    std::unique_ptr<TConfigForm> Form;
};

struct TypoCase {
    const char* Name;
    const char* Page;
    const char* Row;
    const char* Typed;
    const char* Message;
};

void PrintTo(const TypoCase& c, std::ostream* os) {
    *os << c.Name;
}

class TypoOnScalarPage : public TypedValuesTest, public testing::WithParamInterface<TypoCase> {};

TEST_P(TypoOnScalarPage, IsRefusedWithTheFocusOnItsRowAndNothingSent) {
    const TypoCase& c = GetParam();
    TSNMPEditorPanel& page = Open(c.Page);
    const TEditRow& row = Row(page, c.Row);
    const std::string before = DeviceValue(page, row);
    TypeOver(row.ValueControl, c.Typed);
    if (!row.SelectBox->isHidden()) {
        row.SelectBox->click();
    }
    QTest::mouseClick(page.Buttons->SetButton, Qt::LeftButton);
    ASSERT_EQ(Boxes.size(), 1u);
    EXPECT_EQ(Boxes[0].Type, CvMessageBox::Kind::Plain);
    EXPECT_EQ(Boxes[0].Text.toStdString(), c.Message);
    EXPECT_EQ(static_cast<Edit*>(row.ValueControl)->text(), c.Typed);
    EXPECT_TRUE(PumpUntil([&] { return row.ValueControl->hasFocus(); }, 2000));
    EXPECT_FALSE(Memo(page).contains("Set:")) << Memo(page).toStdString();
    EXPECT_EQ(DeviceValue(page, row), before);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, TypoOnScalarPage,
    testing::Values(TypoCase{"LettersInANumber", "ARPAgingTime1", "swL3IpArpAgingTime", "abc",
                             kIntegerRange},
                    TypoCase{"BlankInANumber", "Information1", "Aging Time[10-1000000]", "30 000",
                             kIntegerRange},
                    TypoCase{"ShortAddress", "NetDefaultGateway1", "netDefaultGateway", "10.0.0",
                             "(CvCommon) Please enter a delimited number string with delimiter "
                             "'.'.\nHere,the count of the number is equal to 4!"}),
    [](const testing::TestParamInfo<TypoCase>& info) { return info.param.Name; });

// A row that still shows the absence of a value is not written, not even as NULL.
TEST_F(TypedValuesTest, RowsShowingNoValueAreNotWritten) {
    const CvSNMPVarDesc records[] = {
        {"1.3.6.1.2.1.1.4", "System Contact", CvSyntax::displaystr, kRw},
        {"1.3.6.1.4.1.99917.99.1", "Absent", CvSyntax::integer, kRw},  // not served
        {}};
    TSNMPEditorPanel& page = Open({.Title = "Absent", .Table = records});
    const TEditRow& absent = page.Editor->Rows[1];
    ASSERT_EQ(static_cast<Edit*>(absent.ValueControl)->text(), "(NULL)");
    absent.SelectBox->click();
    QTest::mouseClick(page.Buttons->SetButton, Qt::LeftButton);
    ASSERT_EQ(Boxes.size(), 1u) << "nothing else to write";
    EXPECT_EQ(Boxes[0].Text, "Some items are empty!");

    TypeOver(page.Editor->Rows[0].ValueControl, "noc@example.net");
    page.Editor->Rows[0].SelectBox->click();
    QTest::mouseClick(page.Buttons->SetButton, Qt::LeftButton);
    EXPECT_EQ(Boxes.size(), 1u);
    EXPECT_TRUE(Memo(page).contains("Set: (CvSNMP++) Ok!")) << Memo(page).toStdString();
    EXPECT_EQ(ReadScalar("1.3.6.1.2.1.1.4"), "noc@example.net");
}

// The add window stays open with what was typed until the switch took it:
// a typo is refused before sending, a refusal of the switch is shown in the
// window itself; the page keeps what the window said.
TEST_F(TypedValuesTest, AddWindowKeepsTheInputUntilTheWriteSucceeds) {
    RemoveSyslogServer(4);
    auto& page = static_cast<TSNMPListViewPanel&>(Open("SystemLogServerTable1"));
    std::vector<QString> dialogSaid;
    int attempts = 0;
    OnModal([&](QDialog& dialog) {
        TSNMPPanel* panel = DialogPanel(dialog);
        ASSERT_NE(panel, nullptr);
        const std::vector<TEditRow>& editor = page.Editor->Rows;
        static_cast<ComboBox*>(editor[0].ValueControl)->setCurrentText("swSysLogServerIndex-4");
        for (const int row : {1, 4}) {
            editor[static_cast<std::size_t>(row)].SelectBox->click();
        }
        const auto set = [&](const char* address, const char* port) {
            TypeOver(editor[1].ValueControl, address);
            TypeOver(editor[4].ValueControl, port);
            QTest::mouseClick(panel->Buttons->SetButton, Qt::LeftButton);
            ++attempts;
            dialogSaid.push_back(Memo(*panel));
        };
        set("10.0.0", "514");
        EXPECT_TRUE(dialog.isVisible()) << "a typo keeps the window";
        set("192.0.2.7", "70000");
        EXPECT_TRUE(dialog.isVisible()) << "a refusal of the switch keeps the window";
        EXPECT_EQ(static_cast<Edit*>(editor[1].ValueControl)->text(), "192.0.2.7");
        EXPECT_EQ(static_cast<Edit*>(editor[4].ValueControl)->text(), "70000");
        set("192.0.2.7", "514");
        EXPECT_FALSE(dialog.isVisible()) << "written: the window closes";
        if (dialog.isVisible()) {
            dialog.reject();
        }
    });
    QTest::mouseClick(page.Buttons->AddButton, Qt::LeftButton);
    ASSERT_EQ(attempts, 3);
    ASSERT_EQ(Boxes.size(), 1u);
    EXPECT_EQ(Boxes[0].Text.toStdString(),
              "(CvCommon) Please enter a delimited number string with delimiter '.'.\n"
              "Here,the count of the number is equal to 4!");
    EXPECT_EQ(dialogSaid[0], "");
    EXPECT_TRUE(dialogSaid[1].startsWith("Set: (SNMP) Cannot create/set variable, Wrong Value!"))
        << dialogSaid[1].toStdString();
    const QString pageSaid = Memo(page);
    EXPECT_TRUE(pageSaid.contains("Wrong Value!")) << pageSaid.toStdString();
    EXPECT_TRUE(pageSaid.contains("Set: (CvSNMP++) Ok!")) << pageSaid.toStdString();
    EXPECT_EQ(WalkColumn(kSyslogIndex, "1.3.6.1.4.1.99917.12.12.2.1.2", CvSyntax::ipaddress)["4"],
              "192.0.2.7");
}

// A MAC address typed one digit short in the edit window is refused there,
// not sent as other bytes; the window stays open.
TEST_F(TypedValuesTest, EditWindowRefusesAShortMacAddress) {
    auto& page = static_cast<TSNMPListViewPanel&>(Open("EthernetMaskCPUFilter1"));
    ASSERT_GE(page.ListPanel->ListView->LineCount(), 1);
    page.ListPanel->ListView->SelectLine(0);
    bool stayed = false;
    OnModal([&](QDialog& dialog) {
        const TEditRow& mac = page.Editor->Rows[3];
        mac.SelectBox->click();
        TypeOver(mac.ValueControl, "00112233445");
        QTest::mouseClick(DialogPanel(dialog)->Buttons->SetButton, Qt::LeftButton);
        stayed = dialog.isVisible();
        EXPECT_TRUE(PumpUntil([&] { return mac.ValueControl->hasFocus(); }, 2000));
        dialog.reject();
    });
    QTest::mouseClick(page.Buttons->EditButton, Qt::LeftButton);
    EXPECT_TRUE(stayed);
    ASSERT_EQ(Boxes.size(), 1u);
    EXPECT_EQ(Boxes[0].Text, "(CvCommon) Please enter a hex string whose length is 12!");
}

// After a read, a refused entry puts back the value read, not an older entry.
TEST_F(TypedValuesTest, ARefusedEntryPutsBackTheValueLastRead) {
    const char* const oid = "1.3.6.1.4.1.99917.11.70.1.3.2.4";  // ARP aging time
    QWidget window;
    Edit value(&window);
    Edit other(&window);
    other.move(0, 40);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(PumpUntil([&] { return window.isActiveWindow(); }, 5000));
    const auto leave = [&] {
        other.setFocus(Qt::TabFocusReason);
        return PumpUntil([&] { return other.hasFocus(); }, 2000);
    };
    CvSNMPRequest2Edits binding(&window);
    const CvSNMPVarDesc records[] = {{oid, "Aging", CvSyntax::integer, kRw}, {}};
    binding.Request->Vars.Assign(CvSNMPVarList(records, SVT_SV, 0));
    binding.Mode = 0;
    binding.BindFormatted(0, "%i{n0x255}", {&value});
    binding.Get();
    TypeOver(&value, "50");
    ASSERT_TRUE(leave());  // accepted
    WriteScalar(oid, CvSyntax::integer, "100");
    binding.Get();
    EXPECT_EQ(value.text(), "100");
    TypeOver(&value, "300");
    ASSERT_TRUE(leave());  // refused
    ASSERT_EQ(Boxes.size(), 1u);
    EXPECT_EQ(value.text(), "100");
    WriteScalar(oid, CvSyntax::integer, "7");
    binding.Set(false, true);
    EXPECT_EQ(ReadScalar(oid, CvSyntax::integer), "100");
}

// Enter in an edit of a dialog or a page presses no button: what was typed stays.
TEST_F(TypedValuesTest, EnterInAnEditKeepsWhatWasTyped) {
    TDialogContext context;
    QString typed;
    int lines = -1;
    OnModal([&](QDialog& dialog) {
        auto& form = static_cast<TVlanStaticForm&>(dialog);
        EXPECT_TRUE(PumpUntil([&] { return !form.StaticRequest->Busy; }));
        const int before = form.List->LineCount();
        auto* vid = form.findChild<Edit*>("ED_VLANID");
        TypeOver(vid, "77");
        QTest::keyClick(vid, Qt::Key_Return);
        PumpFor(100);
        typed = vid->text();
        lines = form.StaticRequest->Busy ? -2 : form.List->LineCount() - before;
        dialog.reject();
    });
    OpenDialog("TVlanStaticForm", context);
    EXPECT_EQ(typed, "77");
    EXPECT_EQ(lines, 0) << "no read started";

    TSNMPEditorPanel& page = Open("ARPAgingTime1");
    const QString said = Memo(page);
    OnModal([&](QDialog& dialog) {
        TypeOver(page.Editor->Rows[0].ValueControl, "42");
        QTest::keyClick(page.Editor->Rows[0].ValueControl, Qt::Key_Enter);
        PumpFor(100);
        typed = static_cast<Edit*>(page.Editor->Rows[0].ValueControl)->text();
        dialog.reject();
    });
    Form->hide();
    CvModal::Exec(*Form);
    EXPECT_EQ(typed, "42");
    EXPECT_EQ(Memo(page), said) << "neither read nor written";
}

}  // namespace
}  // namespace gui_test
