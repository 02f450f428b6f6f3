// The static route and static IPv6 neighbour dialogs against the simulator:
// rows entered in the companion window reach the switch with exactly their
// columns, Delete removes them, and refused input sends nothing.
#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QPushButton>

#include <functional>
#include <memory>

#include "ComboBox.h"
#include "ConfigWinTestSupport.h"
#include "DialogTestSupport.h"
#include "Edit.h"
#include "Ipv6NeighbourDialogs.h"
#include "ListView.h"
#include "StaticRouteDialogs.h"

namespace gui_test {
namespace {

const std::string kRoute = "1.3.6.1.4.1.99917.11.70.1.3.2.5.1.";
const std::string kRoute6 = "1.3.6.1.4.1.99917.12.26.3.1.1.";
const std::string kNeighbour = "1.3.6.1.4.1.99917.12.26.4.7.1.";
const char kDevice[] = "192.0.2.10";

// An IPv6 address of 32 hexadecimal digits as sixteen index sub-identifiers.
std::string Ipv6Index(const QString& hex) {
    std::string index;
    for (int i = 0; i < 32; i += 2) {
        index += "." + std::to_string(hex.mid(i, 2).toInt(nullptr, 16));
    }
    return index;
}

using Inputs = std::vector<std::pair<const char*, QString>>;

class StaticRouteDialogTest : public DialogTest {
protected:
    template <typename Form>
    Form& Open() {
        TDialogContext context;
        context.DeviceAddress = kDevice;
        auto form = std::make_unique<Form>(context);
        Form& opened = *form;
        form->FormCreate();
        form->show();
        WaitIdle(*form);
        Form_ = std::move(form);
        return opened;
    }
    // Runs `act` in the companion window that `opener` opens, closing it
    // when `act` left it open; true when it was left open.
    bool InCompanion(const char* opener, const std::function<void(TCompanionForm&)>& act) {
        bool shown = false;
        bool open = false;
        OnModal([&](QDialog& dialog) {
            shown = true;
            auto& companion = dynamic_cast<TCompanionForm&>(dialog);
            act(companion);
            open = companion.isVisible();
            if (open) {
                companion.reject();
            }
        });
        Form_->ButtonNamed(opener)->click();
        OnModal(nullptr);
        EXPECT_TRUE(shown);
        WaitIdle(*Form_);
        return open;
    }
    // The inputs typed into the companion, then its Set button.
    static void Enter(TCompanionForm& companion, const Inputs& inputs, const char* set) {
        for (const auto& [name, text] : inputs) {
            companion.EditOf(name)->setText(text);
        }
        companion.findChild<QPushButton*>(set)->click();
    }
    // The line whose `column` shows `text`, in any letter case; -1 when none.
    int LineShowing(int column, const QString& text) const {
        for (int line = 0; line < Form_->List->LineCount(); ++line) {
            if (Form_->List->LineTexts(line).value(column).compare(text, Qt::CaseInsensitive) ==
                0) {
                return line;
            }
        }
        return -1;
    }
    // Selects the line showing `text` in `column` and deletes it.
    void Delete(int column, const QString& text, const char* button) {
        const int line = LineShowing(column, text);
        ASSERT_GE(line, 0) << text.toStdString();
        Form_->List->SelectLine(line);
        Form_->ButtonNamed(button)->click();
        WaitIdle(*Form_);
    }
    QString Memo() const { return Form_->Memo->toPlainText(); }

    // One faulty input on top of inputs that pass: refused with its text,
    // the focus on it, the companion left open.
    struct Fault {
        const char* Control;
        QString Text;
        const char* Refusal;
    };
    void ExpectRefused(const char* opener, const char* set, const Inputs& valid,
                       std::initializer_list<Fault> faults) {
        for (const Fault& fault : faults) {
            SCOPED_TRACE(fault.Refusal);
            Boxes.clear();
            Inputs typed = valid;
            typed.emplace_back(fault.Control, fault.Text);
            EXPECT_TRUE(InCompanion(opener, [&](TCompanionForm& companion) {
                Enter(companion, typed, set);
                EXPECT_EQ(companion.focusWidget(), companion.Field(fault.Control));
            }));
            ASSERT_EQ(Boxes.size(), 1u);
            EXPECT_EQ(LastBox(), fault.Refusal);
        }
        EXPECT_TRUE(Sent().empty());
    }

    std::unique_ptr<TTableDialog> Form_;
};

TEST_F(StaticRouteDialogTest, Ipv4InputFaultsAreRefusedAndNothingIsSent) {
    Open<TIpStaticRouteForm>();
    const Inputs valid = {{"DesEdit", "10.30.0.0"},
                          {"MaskEdit", "255.255.0.0"},
                          {"NextHopEdit", "192.0.2.20"},
                          {"MetricEdit", ""}};
    ExpectRefused("AddButton", "SetButton", valid,
                  {{"DesEdit", "", "Destination Ip should be Set!"},
                   {"DesEdit", "255.255.255.255", "Destination ip can not be 255.255.255.255"},
                   {"DesEdit", "10.30.0.256", "Please input a valid ip"},
                   {"MaskEdit", "", "Mask should be Set"},
                   {"MaskEdit", "255.255.255.128", "Please input a valid mask"},
                   {"MaskEdit", "0.0.0.0", "Please input a valid mask"},
                   {"NextHopEdit", "", "Next Hop should be Set"},
                   {"NextHopEdit", "0.0.0.0", "Next Hop can not be 0.0.0.0"},
                   {"NextHopEdit", kDevice, "Next Hop can not be itself"},
                   {"NextHopEdit", "192.0.2.300", "Please input a valid ip"},
                   {"MetricEdit", "0", "Metric should between 1-65535"},
                   {"MetricEdit", "65536", "Metric should between 1-65535"}});
    // A destination of 0.0.0.0 asks for Add Default Route instead: OK closes
    // the window, Cancel goes back to the destination.
    for (const bool ok : {false, true}) {
        ConfirmAnswer = ok;
        const bool open = InCompanion("AddButton", [&](TCompanionForm& companion) {
            Enter(companion,
                  {{"DesEdit", "0.0.0.0"}, {"MaskEdit", "0.0.0.0"}, {"NextHopEdit", "192.0.2.1"}},
                  "SetButton");
        });
        EXPECT_EQ(open, !ok);
        EXPECT_TRUE(LastBox().startsWith("If you want to add a default route"));
    }
    EXPECT_TRUE(Sent().empty());
}

TEST_F(StaticRouteDialogTest, Ipv4RouteIsAddedWithoutAnEmptyMetricAndDeletedByItsStatus) {
    auto& form = Open<TIpStaticRouteForm>();
    const std::string row = ".10.30.0.0.255.255.0.0.1";
    struct Case {
        const char* Metric;
        std::vector<std::string> Sent;
        const char* Held;
    };
    const Case cases[] = {
        {"",
         {kRoute + "4" + row + "=192.0.2.20", kRoute + "6" + row + "=3"},
         "10.30.0.0,255.255.0.0,primary,192.0.2.20,1,valid"},
        {"7",
         {kRoute + "4" + row + "=192.0.2.20", kRoute + "5" + row + "=7", kRoute + "6" + row + "=3"},
         "10.30.0.0,255.255.0.0,primary,192.0.2.20,7,valid"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Metric);
        const bool open = InCompanion("AddButton", [&](TCompanionForm& companion) {
            EXPECT_EQ(companion.windowTitle(), "IP Static Route (Add)");
            Enter(companion,
                  {{"DesEdit", "10.30.0.0"},
                   {"MaskEdit", "255.255.0.0"},
                   {"NextHopEdit", "192.0.2.20"},
                   {"MetricEdit", c.Metric}},
                  "SetButton");
        });
        EXPECT_FALSE(open);
        EXPECT_EQ(Sent(), c.Sent);
        // Read again: the switch's default metric where none was sent.
        EXPECT_EQ(form.List->LineTexts(LineOf(*form.List, "10.30.0.0")).join(','), c.Held);
        // Next hop and metric stay out of the delete.
        Delete(0, "10.30.0.0", "DeleteButton");
        EXPECT_EQ(Sent(), std::vector<std::string>{kRoute + "6" + row + "=2"});
        EXPECT_EQ(LineOf(*form.List, "10.30.0.0"), -1);
        EXPECT_FALSE(form.ButtonNamed("DeleteButton")->isEnabled());
    }
}

TEST_F(StaticRouteDialogTest, AddDefaultRouteIsOfferedOnlyWhileTheSwitchHasNone) {
    auto& form = Open<TIpStaticRouteForm>();
    QPushButton* addDefault = form.ButtonNamed("btnDefaultRoute");
    EXPECT_FALSE(addDefault->isEnabled()) << "the switch routes via its gateway";
    Delete(0, "0.0.0.0", "DeleteButton");
    EXPECT_EQ(Sent(), std::vector<std::string>{kRoute + "6.0.0.0.0.0.0.0.0.1=2"});
    EXPECT_TRUE(addDefault->isEnabled());
    const bool open = InCompanion("btnDefaultRoute", [&](TCompanionForm& companion) {
        EXPECT_EQ(companion.windowTitle(), "IP Static Route (Add Default Route)");
        for (const char* locked : {"DesEdit", "MaskEdit", "BakeupComboBox", "StatusComboBox"}) {
            EXPECT_FALSE(companion.Field(locked)->isEnabled()) << locked;
        }
        EXPECT_EQ(companion.TextOf("DesEdit"), "0.0.0.0");
        EXPECT_EQ(companion.TextOf("MaskEdit"), "0.0.0.0");
        EXPECT_EQ(companion.TextOf("BakeupComboBox"), "primary");
        EXPECT_EQ(companion.TextOf("StatusComboBox"), "valid");
        Enter(companion, {{"NextHopEdit", "192.0.2.1"}}, "SetButton");
    });
    EXPECT_FALSE(open);
    EXPECT_EQ(Sent(), (std::vector<std::string>{kRoute + "4.0.0.0.0.0.0.0.0.1=192.0.2.1",
                                                kRoute + "6.0.0.0.0.0.0.0.0.1=3"}));
    EXPECT_FALSE(addDefault->isEnabled());
}

TEST_F(StaticRouteDialogTest, ARefusedRouteStaysInTheCompanionWithTheReasonInTheMemo) {
    auto& form = Open<TIpStaticRouteForm>();
    const Inputs typed = {{"DesEdit", "10.40.0.0"},
                          {"MaskEdit", "255.255.255.0"},
                          {"NextHopEdit", "10.99.0.1"},  // on no subnet of the switch
                          {"MetricEdit", "3"}};
    const bool open = InCompanion("AddButton", [&](TCompanionForm& companion) {
        Enter(companion, typed, "SetButton");
        ASSERT_TRUE(companion.isVisible());
        for (const auto& [name, text] : typed) {
            EXPECT_EQ(companion.TextOf(name), text) << name;
        }
        EXPECT_FALSE(Memo().split('\n').last().contains("Ok!")) << Memo().toStdString();
        Enter(companion, {{"NextHopEdit", "192.0.2.30"}}, "SetButton");
    });
    EXPECT_FALSE(open);
    EXPECT_EQ(SentRequests().size(), 2u);
    // Closed while its delete and the read after it run: the close waits.
    form.List->SelectLine(LineOf(*form.List, "10.40.0.0"));
    form.ButtonNamed("DeleteButton")->click();
    form.close();
    EXPECT_TRUE(PumpUntil([&] { return !form.isVisible(); }));
    EXPECT_EQ(Sent().size(), 1u);
    EXPECT_EQ(LineOf(*Open<TIpStaticRouteForm>().List, "10.40.0.0"), -1) << "gone from the switch";
}

TEST_F(StaticRouteDialogTest, Ipv6RouteChecksThenAddAndDeleteWithoutTheMetric) {
    auto& form = Open<TIpv6StaticRouteForm>();
    const QString dest = "20010db8003000000000000000000000";
    const QString mask = "ffffffffffff00000000000000000000";
    const QString hop = "20010db8000100000000000000000002";
    ExpectRefused(
        "btnAdd", "btnSet", {{"edtDst", dest}, {"edtMask", mask}, {"edtNextHop", hop}},
        {{"edtDst", "", "Please Set Destination Address"},
         {"edtDst", "2001:db8:30::", "Please input a valid IPv6 address"},
         {"edtMask", "", "Please Set Mask"},
         {"edtMask", "ffffffff", "Please input a valid Mask"},
         {"edtNextHop", "", "Please Set Next Hop Address"},
         {"edtNextHop", dest.toUpper(), "Duplicate IP address, Please input a valid Next Hop"},
         {"edtMetric", "65536", "Metric should between 1-65535"}});
    EXPECT_TRUE(InCompanion("btnAddDefault", [&](TCompanionForm& companion) {
        EXPECT_EQ(companion.TextOf("edtDst"), QString(32, '0'));
        EXPECT_FALSE(companion.Field("edtMask")->isEnabled());
        EXPECT_EQ(companion.TextOf("cbxStatus"), "valid");
    }));

    const std::string row = Ipv6Index(dest) + Ipv6Index(mask) + Ipv6Index(hop);
    EXPECT_FALSE(InCompanion("btnAdd", [&](TCompanionForm& companion) {
        Enter(companion,
              {{"edtDst", dest}, {"edtMask", mask}, {"edtNextHop", hop}, {"edtMetric", "5"}},
              "btnSet");
    }));
    EXPECT_EQ(Sent(),
              (std::vector<std::string>{kRoute6 + "4" + row + "=5", kRoute6 + "5" + row + "=3"}));
    Delete(0, dest, "btnDelete");
    EXPECT_EQ(Sent(), std::vector<std::string>{kRoute6 + "5" + row + "=2"});
    EXPECT_EQ(form.List->LineCount(), 1);
    EXPECT_EQ(Text(form, "StaticText1"), "1");
}

TEST_F(StaticRouteDialogTest, NeighbourIsAlwaysStaticOnInterface5121) {
    auto& form = Open<TARPIPV6ControlForm>();
    const QString address = "20010db8000100000000000000000020";
    EXPECT_TRUE(InCompanion("btnAdd", [&](TCompanionForm& companion) {
        EXPECT_EQ(companion.TextOf("edtIndex"), "5121");
        EXPECT_FALSE(companion.Field("edtIndex")->isEnabled());
        EXPECT_EQ(companion.TextOf("cbxType"), "static");
        EXPECT_FALSE(companion.Field("cbxType")->isEnabled());
    }));
    ExpectRefused("btnAdd", "btnSet", {{"edtAddress", address}, {"edtMac", "001B213A4F20"}},
                  {{"edtAddress", "", "Please Set IPV6Address"},
                   {"edtAddress", address.left(31), "Please input a valid IPv6 address"},
                   {"edtMac", "", "Please Set Mac Address"},
                   {"edtMac", "00-1B-21-3A", "Invalid Macaddrss"}});
    const std::string row = ".5121" + Ipv6Index(address);
    EXPECT_FALSE(InCompanion("btnAdd", [&](TCompanionForm& companion) {
        Enter(companion, {{"edtAddress", address}, {"edtMac", "001B213A4F20"}}, "btnSet");
    }));
    EXPECT_EQ(Sent(), (std::vector<std::string>{kNeighbour + "3" + row + "=001b213a4f20",
                                                kNeighbour + "4" + row + "=4"}));
    ASSERT_EQ(form.List->LineCount(), 2);
    Delete(1, address, "btnDelete");
    ASSERT_EQ(SentRequests().size(), 1u);
    Open<TARPIPV6ControlForm>();
    EXPECT_EQ(Form_->List->LineCount(), 1) << "read again in a new window";
}

}  // namespace
}  // namespace gui_test
