// The authentication dialogs against the simulator: the checks before
// sending, the question about methods never tried, the exact columns each
// write sends, the shared secret kept out of sight, and the asynchronous
// server-group membership write.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QStyledItemDelegate>

#include <array>
#include <tuple>

#include "CheckBox.h"
#include "ComboBox.h"
#include "DialogTestSupport.h"
#include "ListView.h"
#include "MethodListDialogs.h"
#include "ServerDialogs.h"
#include "StatusBar.h"

namespace gui_test {
namespace {

using Columns = std::vector<std::string>;

std::string Octets(const char* text) {
    return QByteArray(text).toHex().toStdString();
}

const std::string kServer = "1.3.6.1.4.1.99917.12.5.10.1.";
const std::string kAdminsIn = "1.3.6.1.4.1.99917.12.5.12.1.4.6.97.100.109.105.110.115.";

// What tells the login and the enable method-list dialogs apart; "%1" is a method's number.
struct MethodDialog {
    const char* Name;
    std::unique_ptr<TMethodListForm> (*Make)(const TDialogContext&);
    const char* Title;
    std::string Entry;
    QString Label;  // of the name, and as the duplicate refusal names it
    QString Named;
    const char* NameEdit;
    const char* TypeCombo;
    const char* GroupEdit;
    const char* Local;  // the local method and its value
    std::string LocalValue;
    std::string Type(int k) const { return QString(TypeCombo).arg(k + 1).toStdString(); }
    std::string Group(int k) const { return QString(GroupEdit).arg(k + 1).toStdString(); }
};

template <typename Form>
std::unique_ptr<TMethodListForm> MakeList(const TDialogContext& context) {
    return std::make_unique<Form>(context);
}

const MethodDialog kLogin{"Login",
                          MakeList<TLoginMethodListForm>,
                          "Login Method List: 127.0.0.1",
                          "1.3.6.1.4.1.99917.12.5.3.1.",
                          "AAC Login Method List Name",
                          "Login Method List Name",
                          "ListnameEdit",
                          "ComboBoxType%1",
                          "Server%1Edit",
                          "local",
                          "6"};
const MethodDialog kEnable{"Enable",
                           MakeList<TEnableMethodForm>,
                           "Enable Method List",
                           "1.3.6.1.4.1.99917.12.5.4.1.",
                           "Enable MethodList Name",
                           "Enable MethodList Name",
                           "NameEdit",
                           "Type%1ComboBox",
                           "ServerGroupEdit%1",
                           "local-enable",
                           "7"};

class AuthenticationDialogTest : public DialogTest {
protected:
    template <typename Form>
    static std::unique_ptr<Form> Shown(std::unique_ptr<Form> form) {
        form->FormCreate();
        form->show();
        return form;
    }
    static TDialogContext Context() {
        TDialogContext context;
        context.DeviceAddress = "127.0.0.1";
        return context;
    }
    static void Select(TTableDialog& form, const QString& caption) {
        form.List->SelectLine(LineOf(*form.List, caption));
        form.ListClick();
    }
    static void Entry(TTableDialog& form, const char* combo, int entry) {
        form.findChild<ComboBox*>(combo)->setCurrentIndex(entry);
    }
    static void Press(TTableDialog& form, TDialogAction action) {
        ASSERT_TRUE(form.Button(action)->isEnabled());
        form.Button(action)->click();
    }
    static QString Panel0(const TTableDialog& form) { return form.Status->Panel(0)->text(); }
    // Each method as "type" or "type:group" ("" none chosen), then the RowStatus entry.
    static void Methods(TTableDialog& form, const MethodDialog& d,
                        const std::array<QString, 4>& methods, int status) {
        for (int k = 0; k < 4; ++k) {
            const QString type = methods[k].section(':', 0, 0);
            if (type.isEmpty()) {
                Entry(form, d.Type(k).c_str(), -1);
            } else {
                Choose(form, d.Type(k).c_str(), type);
            }
            SetText(form, d.Group(k).c_str(), methods[k].section(':', 1));
        }
        Entry(form, "RowComboBox", status);
    }
    // The dialog with the list "lab" anew: method 1 local.
    std::unique_ptr<TMethodListForm> WithLab(const MethodDialog& d) {
        auto form = Shown(d.Make(Context()));
        if (LineOf(*form->List, "lab") >= 0) {
            Select(*form, "lab");
            Press(*form, TDialogAction::Delete);
        }
        SetText(*form, d.NameEdit, "lab");
        Methods(*form, d, {d.Local, "", "", ""}, kCreateAndGoEntry);
        Press(*form, TDialogAction::Add);
        EXPECT_EQ(ColumnsOf(Sent(), d.Entry), (Columns{"2=" + d.LocalValue, "10=4"}));
        EXPECT_GE(LineOf(*form->List, "lab"), 0) << Panel0(*form).toStdString();
        return form;
    }
};

class MethodListTest : public AuthenticationDialogTest,
                       public ::testing::WithParamInterface<const MethodDialog*> {};

TEST_P(MethodListTest, AddIsCheckedAndEditSendsTheEffectiveMethodsAfterAsking) {
    const MethodDialog& d = *GetParam();
    auto form = WithLab(d);
    EXPECT_EQ(form->windowTitle(), d.Title);
    EXPECT_EQ(Text(*form, "StaticText1"), QString::number(form->List->LineCount()));
    for (const auto& [name, status, message] :
         {std::tuple{"", kCreateAndGoEntry, d.Label + " must be set."},
          std::tuple{
              "lab", kCreateAndGoEntry,
              "Has already a record with the same " + d.Named + ". Please Change " + d.Named + "."},
          std::tuple{"lab2", kActiveEntry, QString("Row State must be createAndGo.")}}) {
        SetText(*form, d.NameEdit, name);
        Entry(*form, "RowComboBox", status);
        Press(*form, TDialogAction::Add);
        EXPECT_EQ(LastBox(), message);
        EXPECT_TRUE(Sent().empty());
    }

    const QString question =
        "Method(s) after method local and none is(are) ineffective. Do you "
        "want to change your configurations?";
    // The methods, the answer to the question ("" none asked), the RowStatus entry.
    struct Case {
        std::array<QString, 4> Methods;
        QString Answer;
        int Status;
        Columns Sent;
    };
    const std::string local = d.LocalValue, admins = Octets("admins");
    const Case cases[] = {
        // A group left in a method that is no server group is not sent.
        {{"tacacs-plus:stale", "server-group:admins", "other"},
         "",
         0,
         {"2=3", "4=5", "5=" + admins}},
        {{d.Local, "radius"}, "No", 0, {"2=" + local}},
        {{d.Local, "radius"}, "Yes", 0, {}},
        {{"radius", d.Local, "other", "other"}, "", 0, {"2=4", "4=" + local}},
        {{"none", "", "tacacs"}, "No", 0, {"2=8"}},
        {{"none"}, "", kDestroyEntry, {"2=8", "10=6"}},  // method 1's type and the status
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Methods[0].toStdString() + " " + c.Methods[1].toStdString());
        Select(*form, "lab");
        Methods(*form, d, c.Methods, c.Status);
        Boxes.clear();
        ConfirmAnswer = c.Answer == "Yes";
        Press(*form, TDialogAction::Set);
        EXPECT_EQ(LastBox(), c.Answer.isEmpty() ? QString() : question);
        EXPECT_EQ(ColumnsOf(Sent(), d.Entry), c.Sent);
        // Read again and reset after a write; after Yes the controls stay to be changed.
        EXPECT_EQ(Text(*form, d.NameEdit), c.Sent.empty() ? "lab" : "");
        EXPECT_TRUE(!c.Sent.empty() || Text(*form, d.Type(1).c_str()) == "radius");
    }
    EXPECT_LT(LineOf(*form->List, "lab"), 0);
}

TEST_P(MethodListTest, ARowClickKeepsItsGroupsTheDefaultStaysAndRefusalsKeepTheInput) {
    const MethodDialog& d = *GetParam();
    auto form = WithLab(d);
    Select(*form, "lab");
    Methods(*form, d, {"tacacs", "server-group:admins", d.Local, ""}, kActiveEntry);
    Press(*form, TDialogAction::Set);
    Sent();
    // Shown again from the row, the group stays: an Edit without retyping keeps it.
    Select(*form, "lab");
    EXPECT_EQ(Text(*form, d.Group(1).c_str()), "admins");
    EXPECT_TRUE(form->findChild<QWidget*>(d.Group(1).c_str())->isEnabled());
    EXPECT_FALSE(form->findChild<QWidget*>(d.Group(0).c_str())->isEnabled());
    Press(*form, TDialogAction::Set);
    EXPECT_EQ(ColumnsOf(Sent(), d.Entry),
              (Columns{"2=1", "4=5", "5=" + Octets("admins"), "6=" + d.LocalValue}));
    Select(*form, "lab");
    Choose(*form, d.Type(1).c_str(), "server-group");
    EXPECT_EQ(Text(*form, d.Group(1).c_str()), "") << "a type chosen starts its group afresh";

    // An unknown group: the switch's answer is shown and what was typed stays.
    Methods(*form, d, {"server-group:nogroup"}, kActiveEntry);
    Press(*form, TDialogAction::Set);
    EXPECT_FALSE(Sent().empty());
    EXPECT_FALSE(Panel0(*form).contains("Ok!")) << Panel0(*form).toStdString();
    EXPECT_EQ(Text(*form, d.Group(0).c_str()), "nogroup");
    Press(*form, TDialogAction::Delete);
    Sent();

    Select(*form, "default");
    EXPECT_FALSE(form->Button(TDialogAction::Delete)->isEnabled());
    Press(*form, TDialogAction::Set);
    EXPECT_FALSE(Sent().empty());
    // A refused delete leaves no "destroy" behind for the next Edit.
    Select(*form, "default");
    Entry(*form, "RowComboBox", kActiveEntry);
    form->DeleteBtnClick();
    EXPECT_FALSE(Panel0(*form).contains("Ok!")) << Panel0(*form).toStdString();
    EXPECT_EQ(Text(*form, "RowComboBox"), "active");
    EXPECT_GE(LineOf(*form->List, "default"), 0);
}

INSTANTIATE_TEST_SUITE_P(Lists, MethodListTest, ::testing::Values(&kLogin, &kEnable),
                         [](const auto& info) { return std::string(info.param->Name); });

TEST_F(AuthenticationDialogTest, ServerWritesOnlyTheFieldsGivenAndKeepsTheSecretOutOfSight) {
    auto form = Shown(std::make_unique<TServerInformationForm>(Context()));
    EXPECT_EQ(Text(*form, "Static"), QString::number(form->List->LineCount()));
    const auto fill = [&](const char* address, const char* protocol, int status) {
        SetText(*form, "IPEdit", address);
        Entry(*form, "ProtocolComboBox",
              form->findChild<ComboBox*>("ProtocolComboBox")->findText(protocol));
        Entry(*form, "RowComboBox", status);
    };
    for (const auto& [address, protocol, status, message] :
         {std::tuple{"", "radius", kCreateAndGoEntry, "Server IP must be set."},
          std::tuple{"192.0.2.60", "", kCreateAndGoEntry, "Protocol must be set."},
          std::tuple{"192.0.2.30", "radius", kCreateAndGoEntry,
                     "Has already a record with the same Server IP and Protocol. Please Change "
                     "Server IP or Protocol."},
          std::tuple{"192.0.2.60", "radius", kActiveEntry, "Row State must be createAndGo."}}) {
        fill(address, protocol, status);
        Press(*form, TDialogAction::Add);
        EXPECT_EQ(LastBox(), message);
        EXPECT_TRUE(Sent().empty());
    }
    // Empty port and retry count are left to the switch; no status line shows the key.
    fill("192.0.2.60", "tacacs-plus", kCreateAndGoEntry);
    SetText(*form, "KeyEdit", "s3cret");
    SetText(*form, "TimeoutEdit", "3");
    Press(*form, TDialogAction::Add);
    EXPECT_EQ(ColumnsOf(Sent(), kServer), (Columns{"4=" + Octets("s3cret"), "5=3", "7=4"}));
    EXPECT_TRUE(Panel0(*form).contains("Ok!") && !Panel0(*form).contains("s3cret"));

    // Masked in the edit and the list until "Show"; the row's real key reaches the edit.
    auto* key = form->findChild<QLineEdit*>("KeyEdit");
    ASSERT_EQ(form->List->ColumnCaption(3), "Server AuthKey");
    auto* shown = dynamic_cast<QStyledItemDelegate*>(form->List->itemDelegateForColumn(3));
    ASSERT_NE(shown, nullptr);
    for (const bool reveal : {false, true, false}) {
        form->findChild<CheckBox*>("ShowKeyCheckBox")->setChecked(reveal);
        EXPECT_EQ(key->echoMode(), reveal ? QLineEdit::Normal : QLineEdit::Password);
        EXPECT_EQ(shown->displayText("s3cret", QLocale()), reveal ? "s3cret" : "********");
    }
    Select(*form, "192.0.2.60");
    EXPECT_EQ(key->text(), "s3cret");
    for (const auto& [port, key, status, sent] :
         {std::tuple{"1645", "", kActiveEntry, Columns{"3=1645", "5=3", "6=2"}},
          std::tuple{"", "n3w", kActiveEntry, Columns{"4=" + Octets("n3w"), "5=3", "6=2"}},
          std::tuple{"49", "x", kDestroyEntry, Columns{"7=6"}}}) {
        Select(*form, "192.0.2.60");
        EXPECT_FALSE(form->findChild<QWidget*>("ProtocolComboBox")->isEnabled());
        SetText(*form, "PortEdit", port);
        SetText(*form, "KeyEdit", key);
        Entry(*form, "RowComboBox", status);
        Press(*form, TDialogAction::Set);
        EXPECT_EQ(ColumnsOf(Sent(), kServer), sent) << port << key;
    }
    EXPECT_LT(LineOf(*form->List, "192.0.2.60"), 0);
    // No server at a multicast address: the refusal shows no key, and the key typed stays.
    fill("224.0.0.1", "radius", kCreateAndGoEntry);
    SetText(*form, "KeyEdit", "t0p-secret");
    Press(*form, TDialogAction::Add);
    EXPECT_FALSE(Sent().empty());
    EXPECT_FALSE(Panel0(*form).isEmpty() || Panel0(*form).contains("Ok!"));
    EXPECT_FALSE(Panel0(*form).contains("t0p-secret"));
    EXPECT_EQ(key->text(), "t0p-secret");
}

TEST_F(AuthenticationDialogTest, ServerControlChecksThenWritesTheMembershipAsynchronously) {
    auto form = Shown(std::make_unique<TAAASrvCtrlForm>(Context()));
    EXPECT_EQ(form->windowTitle(), "Server Control: 127.0.0.1");
    EXPECT_FALSE(form->findChild<ListView*>("lvOper")->isVisible());
    ASSERT_EQ(form->findChild<StatusBar*>("stbResult"), form->Status);
    WaitIdle(*form);
    QPushButton* set = form->ButtonNamed("btnSet");
    for (const auto& [group, address, protocol, message] :
         {std::tuple{"", "192.0.2.30", 3, "Please input Server Group Name."},
          std::tuple{"admins", "", 3, "Please input Server IP Address."},
          std::tuple{"admins", "192.0.2.30", -1, "Please choose Server Authentication Protocol."},
          std::tuple{"admins", "192.0.2.30", 3, "Please choose Operate."}}) {
        SetText(*form, "edtSrvGrpName", group);
        SetText(*form, "edtSrvIP", address);
        Entry(*form, "cbxAuthPtcl", protocol);
        set->click();
        EXPECT_EQ(LastBox(), message);
        EXPECT_TRUE(Sent().empty());
    }
    for (const auto& [operation, value] : {std::pair{"add", "1"}, std::pair{"delete", "2"}}) {
        Choose(*form, "cbxOper", operation);
        set->click();
        WaitIdle(*form);
        EXPECT_EQ(Sent(), Columns{kAdminsIn + "192.0.2.30.4=" + value});
        EXPECT_TRUE(Panel0(*form).contains("Ok!")) << Panel0(*form).toStdString();
    }
    // A group the switch does not know: its answer is shown, the input stays.
    SetText(*form, "edtSrvGrpName", "nogroup");
    Choose(*form, "cbxOper", "add");
    set->click();
    ASSERT_FALSE(Idle(*form)) << "the write is out";
    WaitIdle(*form);
    EXPECT_EQ(Sent().size(), 1u);
    EXPECT_FALSE(Panel0(*form).contains("Ok!")) << Panel0(*form).toStdString();
    EXPECT_EQ(Text(*form, "edtSrvGrpName"), "nogroup");
    // Closed while a write is out: the close waits for it, then frees the binding.
    set->click();
    form->close();
    EXPECT_TRUE(PumpUntil([&] { return !form->isVisible(); }));
    EXPECT_TRUE(form->Requests.empty());
    EXPECT_EQ(Sent().size(), 1u);
}

}  // namespace
}  // namespace gui_test
