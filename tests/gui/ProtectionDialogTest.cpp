// The SSL and Bulwark dialogs against the simulator: the cipher-suite octet
// both ways, the checks before sending, and the Bulwark fields written one
// request each until the switch refuses one.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QTimer>

#include "CheckBox.h"
#include "ComboBox.h"
#include "ConfigWinTestSupport.h"
#include "DialogTestSupport.h"
#include "ProtectionDialogs.h"
#include "StatusBar.h"

namespace gui_test {
namespace {

const std::string kSSL = "1.3.6.1.4.1.99917.12.7.1.";
const std::string kBulwark = "1.3.6.1.4.1.99917.12.19.2.";
const char* const kSendBoxes[] = {"ckRising", "ckFalling", "ckMode", "ckAlarm"};
const char* const kSuiteCombos[] = {"cbxciphersuites1", "cbxciphersuites2", "cbxciphersuites3",
                                    "cbxciphersuites4"};

using Strings = std::vector<std::string>;

TEST(CipherSuites, TheSuitesAreTheHighFourBitsOfTheOctet) {
    struct Case {
        TCipherSuites Suites;
        const char* Text;
    };
    const Case cases[] = {{{true, false, false, true}, "90"},
                          {{true, true, true, true}, "F0"},
                          {{false, false, false, false}, "00"},
                          {{false, true, true, false}, "60"},
                          {{false, false, false, true}, "10"}};
    for (const Case& c : cases) {
        EXPECT_EQ(CipherSuitesText(c.Suites), c.Text);
        EXPECT_EQ(CipherSuitesOfText(c.Text), c.Suites) << c.Text;
    }
}

TEST(CipherSuites, AReadTextGivesTheSuitesOfItsFirstDigitOrNothing) {
    struct Case {
        const char* Text;
        std::optional<TCipherSuites> Suites;
    };
    const Case cases[] = {{"a0", TCipherSuites{true, false, true, false}},
                          {"A7", TCipherSuites{true, false, true, false}},
                          {"5f", TCipherSuites{false, true, false, true}},
                          {"a", std::nullopt},
                          {"a00", std::nullopt},
                          {"", std::nullopt},
                          {"g0", std::nullopt},
                          {" 0", std::nullopt}};
    for (const Case& c : cases) {
        EXPECT_EQ(CipherSuitesOfText(c.Text), c.Suites) << c.Text;
    }
}

class ProtectionDialogTest : public DialogTest {
protected:
    template <typename Form>
    static std::unique_ptr<Form> Open() {
        auto form = std::make_unique<Form>(TDialogContext{});
        form->FormCreate();
        form->show();
        WaitIdle(*form);
        return form;
    }
    static QString Panel(const TTableDialog& form) { return form.Status->Panel(0)->text(); }
    static QString Suites(const TTableDialog& form) {
        QString shown;
        for (const char* combo : kSuiteCombos) {
            shown += Text(form, combo) == "enabled" ? '1' : '0';
        }
        return shown;
    }
    static void ChooseSuites(const TTableDialog& form, const char* bits) {
        for (int k = 0; k < 4; ++k) {
            Choose(form, kSuiteCombos[k], bits[k] == '1' ? "enabled" : "disabled");
        }
    }
    static CheckBox* Box(const TTableDialog& form, const char* name) {
        return form.findChild<CheckBox*>(name);
    }
    static void Click(const TTableDialog& form, const char* button) {
        form.ButtonNamed(button)->click();
    }
};

TEST_F(ProtectionDialogTest, TheSSLSuitesAreWrittenAsOneOctetAndReadBack) {
    auto form = Open<TSSLManagementForm>();
    EXPECT_EQ(form->windowTitle(), "SSL Management Table");
    EXPECT_EQ(form->minimumSize(), form->maximumSize()) << "fixed size";
    EXPECT_EQ(Text(*form, "cbxSSLVersion"), "disabled");
    EXPECT_EQ(Text(*form, "edtCacheTimeOut"), "600");
    EXPECT_EQ(Suites(*form), "1111");
    struct Case {
        const char* Suites;
        const char* Octet;
    };
    // Back to the seed's last.
    for (const Case& c : {Case{"1001", "90"}, Case{"0000", "00"}, Case{"1111", "f0"}}) {
        SCOPED_TRACE(c.Suites);
        ChooseSuites(*form, c.Suites);
        Click(*form, "btnSet");
        WaitIdle(*form);
        EXPECT_EQ(Sent(), (Strings{kSSL + "1.0=2", kSSL + "2.0=" + c.Octet, kSSL + "3.0=600"}));
        // Read again after the write.
        EXPECT_TRUE(Panel(*form).startsWith("Get: (CvSNMP++) Ok!")) << Panel(*form).toStdString();
        EXPECT_EQ(Suites(*form), c.Suites);
    }
    // A time-out the switch refuses: its text shown, the choices kept.
    SetText(*form, "edtCacheTimeOut", "30");
    ChooseSuites(*form, "0110");
    Click(*form, "btnSet");
    WaitIdle(*form);
    EXPECT_TRUE(Panel(*form).startsWith("Set: ")) << Panel(*form).toStdString();
    EXPECT_FALSE(Panel(*form).contains("Ok!"));
    EXPECT_EQ(Text(*form, "edtCacheTimeOut"), "30");
    EXPECT_EQ(Suites(*form), "0110");
    WriteScalar((kSSL + "2").c_str(), CvSyntax::octetstr, "a0");
    Click(*form, "btnGet");
    WaitIdle(*form);
    EXPECT_EQ(Suites(*form), "1010");
    WriteScalar((kSSL + "2").c_str(), CvSyntax::octetstr, "f0");
}

TEST_F(ProtectionDialogTest, AnEmptySSLItemIsRefusedAndNothingIsSent) {
    auto form = Open<TSSLManagementForm>();
    const std::function<void()> empties[] = {
        [&] { SetText(*form, "edtCacheTimeOut", ""); },
        [&] { form->Combo("cbxSSLVersion")->setCurrentIndex(-1); },
        [&] { form->Combo("cbxciphersuites3")->setCurrentIndex(-1); },
    };
    for (const auto& empty : empties) {
        Click(*form, "btnGet");
        WaitIdle(*form);
        empty();
        Boxes.clear();
        Click(*form, "btnSet");
        ASSERT_EQ(Boxes.size(), 1u);
        EXPECT_EQ(Boxes[0].Type, CvMessageBox::Kind::Warning);
        EXPECT_EQ(Boxes[0].Text, "Some items are empty.");
        EXPECT_EQ(form->focusWidget(), form->ButtonNamed("btnSet"));
        WaitIdle(*form);
        EXPECT_TRUE(Sent().empty());
    }
}

TEST_F(ProtectionDialogTest, OnlyTheTickedBulwarkFieldsAreWrittenEachInARequestOfItsOwn) {
    auto form = Open<TBulwarkCtrlForm>();
    EXPECT_EQ(form->windowTitle(), "Bulwark Control");
    EXPECT_EQ(form->Status->objectName(), "stbStatus");
    EXPECT_EQ(Text(*form, "edtRising"), "80");
    EXPECT_EQ(Text(*form, "cbxCurrentState"), "normal");
    EXPECT_FALSE(form->findChild<QWidget*>("cbxCurrentState")->isEnabled());
    QPushButton* set = form->ButtonNamed("btnSet");
    EXPECT_FALSE(set->isEnabled());
    Click(*form, "btnCheckAll");
    EXPECT_TRUE(set->isEnabled());
    Click(*form, "btnClearCheck");
    EXPECT_FALSE(set->isEnabled());
    Box(*form, "ckAlarm")->setChecked(true);
    EXPECT_TRUE(set->isEnabled());

    // Ticked: Rising, Falling, Mode, Alarm. The last one puts the seed back.
    struct Case {
        const char* Ticked;
        const char* Rising;
        const char* Falling;
        const char* Mode;
        const char* Alarm;
        Strings Requests;  // one varbind each
    };
    const Case cases[] = {
        {"M", "80", "60", "fuzzy", "enabled", {"3.0=2"}},
        {"RA", "90", "60", "fuzzy", "disabled", {"1.0=90", "4.0=2"}},
        // Both coming down beneath the falling one held: falling first.
        {"RF", "50", "40", "fuzzy", "disabled", {"2.0=40", "1.0=50"}},
        {"RF", "100", "20", "fuzzy", "disabled", {"1.0=100", "2.0=20"}},
        {"RFMA", "80", "60", "strict", "enabled", {"1.0=80", "2.0=60", "3.0=1", "4.0=3"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Ticked);
        Click(*form, "btnClearCheck");
        for (const QChar box : QString(c.Ticked)) {
            Box(*form, kSendBoxes[QString("RFMA").indexOf(box)])->setChecked(true);
        }
        SetText(*form, "edtRising", c.Rising);
        SetText(*form, "edtFalling", c.Falling);
        Choose(*form, "cbxMode", c.Mode);
        Choose(*form, "cbxAlarm", c.Alarm);
        Click(*form, "btnSet");
        std::vector<Strings> expected;
        for (const std::string& varbind : c.Requests) {
            expected.push_back({kBulwark + varbind});
        }
        EXPECT_EQ(SentRequests(), expected);
        EXPECT_TRUE(Panel(*form).contains("Ok!")) << Panel(*form).toStdString();
    }
}

TEST_F(ProtectionDialogTest, BulwarkThresholdsOutOfRangeAreRefusedBeforeSending) {
    auto form = Open<TBulwarkCtrlForm>();
    struct Case {
        const char* Box;
        const char* Edit;
        const char* Value;
        const char* Message;
    };
    const Case cases[] = {
        {"ckRising", "edtRising", "19", "Rising Threshold should between 20-100"},
        {"ckRising", "edtRising", "101", "Rising Threshold should between 20-100"},
        {"ckRising", "edtRising", "", "Rising Threshold should between 20-100"},
        {"ckFalling", "edtFalling", "19", "Falling Threshold should between 20-100"},
        {"ckFalling", "edtFalling", "abc", "Falling Threshold should between 20-100"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.Edit) + "=" + c.Value);
        Click(*form, "btnGet");
        Click(*form, "btnCheckAll");
        SetText(*form, c.Edit, c.Value);
        Boxes.clear();
        Click(*form, "btnSet");
        EXPECT_EQ(LastBox(), c.Message);
        EXPECT_EQ(form->focusWidget(), form->findChild<QWidget*>(c.Edit));
        EXPECT_TRUE(Sent().empty());
    }
    // Unticked, an out-of-range value is neither checked nor sent.
    Click(*form, "btnClearCheck");
    Box(*form, "ckMode")->setChecked(true);
    Choose(*form, "cbxMode", "strict");
    Boxes.clear();
    Click(*form, "btnSet");
    EXPECT_TRUE(Boxes.empty());
    EXPECT_EQ(SentRequests(), (std::vector<Strings>{{kBulwark + "3.0=1"}}));
}

TEST_F(ProtectionDialogTest, ABulwarkRefusalEndsTheSequenceWithItsTextAndTheDialogStaysUsable) {
    auto form = Open<TBulwarkCtrlForm>();
    // Falling above the rising one: the switch refuses the rising threshold.
    Click(*form, "btnCheckAll");
    SetText(*form, "edtRising", "30");
    SetText(*form, "edtFalling", "50");
    Click(*form, "btnSet");
    const std::vector<std::vector<std::string>> requests = SentRequests();
    ASSERT_EQ(requests.size(), 1u) << "nothing after the refusal";
    EXPECT_EQ(requests[0], Strings{kBulwark + "1.0=30"});
    EXPECT_FALSE(Panel(*form).isEmpty());
    EXPECT_FALSE(Panel(*form).contains("Ok!")) << Panel(*form).toStdString();
    EXPECT_EQ(Text(*form, "edtRising"), "30");
    // The fields are all written again by the next Set, each alone.
    SetText(*form, "edtRising", "80");
    SetText(*form, "edtFalling", "60");
    Click(*form, "btnSet");
    EXPECT_EQ(SentRequests().size(), 4u);
    EXPECT_TRUE(Panel(*form).contains("Ok!")) << Panel(*form).toStdString();
}

TEST_F(ProtectionDialogTest, ClosingDuringABulwarkSetWaitsForTheRunningExchange) {
    static agents::VantaSimAgent slow({"--delay", "150"});
    UseSimulator(slow.Port());
    TBulwarkCtrlForm form(TDialogContext{});
    form.FormCreate();
    form.show();
    Click(form, "btnCheckAll");
    QTimer::singleShot(50, &form, [&] { form.close(); });
    Click(form, "btnSet");
    EXPECT_TRUE(PumpUntil([&] { return !form.isVisible(); }));
    EXPECT_TRUE(form.Requests.empty()) << "the binding is gone";
}

}  // namespace
}  // namespace gui_test
