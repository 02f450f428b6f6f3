// The configuration-image and probe dialogs against the simulator: an
// action goes to the chosen image, making one active paces the user, and
// the probe shows the module's capability list and restarts on order.
#include <gtest/gtest.h>

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include "ComboBox.h"
#include "ConfigImageDialogs.h"
#include "ConfigWinTestSupport.h"
#include "CvSNMPRequest.h"
#include "DialogTestSupport.h"
#include "ListView.h"
#include "StatusBar.h"

namespace gui_test {
namespace {

const std::string kAction = "1.3.6.1.4.1.99917.12.1.2.8.4.1.2.";

using ConfigImageDialogTest = DialogTest;

TEST_F(ConfigImageDialogTest, ActiveWaitsFifteenTicksAndOtherActionsCloseAtOnce) {
    TMultipleConfigControlForm form(TDialogContext{});
    form.FormCreate();
    form.show();
    WaitIdle(form);
    EXPECT_EQ(form.Request(0)->Request->Timeout, 300) << "the switch may take its time";
    ASSERT_EQ(form.List->LineCount(), 2);
    EXPECT_FALSE(form.ButtonNamed("btnEdit")->isEnabled());
    form.EditForm->ProgressTickMs = 1;
    struct Case {
        const char* Image;
        const char* Action;
        std::string Sent;
        bool Paced;
    };
    const Case cases[] = {
        {"cfgId-1", "active", kAction + "1=1", true},
        {"cfgId-2", "bootup", kAction + "2=3", false},
        {"cfgId-2", "none", kAction + "2=4", false},
        {"cfgId-2", "delete", kAction + "2=2", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Action);
        form.List->SelectLine(LineOf(*form.List, c.Image));
        ASSERT_TRUE(form.ButtonNamed("btnEdit")->isEnabled());
        QString progressTitle;
        QString prompt;
        int ticks = -1;
        bool companionLeftOpen = true;
        OnModal([&](QDialog& dialog) {
            if (auto* progress = dynamic_cast<TProgressForm2*>(&dialog)) {
                progressTitle = progress->windowTitle();
                prompt = progress->LB_Prompt->text();
                QObject::connect(progress, &QDialog::finished, progress,
                                 [&, progress] { ticks = progress->ProgressBar->value(); });
                return;
            }
            EXPECT_FALSE(dialog.findChild<QWidget*>("cbxCtrlID")->isEnabled());
            EXPECT_EQ(Text(form, "cbxCtrlID"), c.Image) << "the selected row";
            Choose(form, "cbxCfgAction", c.Action);
            dialog.findChild<QPushButton*>("btnSet")->click();
            companionLeftOpen = dialog.isVisible();
        });
        form.ButtonNamed("btnEdit")->click();
        OnModal(nullptr);
        WaitIdle(form);
        EXPECT_FALSE(companionLeftOpen);
        EXPECT_EQ(Sent(), std::vector<std::string>{c.Sent});
        EXPECT_EQ(progressTitle, c.Paced ? "Set Config" : "");
        EXPECT_EQ(prompt, c.Paced ? "Active Config is doing..." : "");
        EXPECT_EQ(ticks, c.Paced ? 15 : -1);
    }
}

using ProbeDialogTest = DialogTest;

TEST_F(ProbeDialogTest, ShowsItsOwnCapabilitiesAndAColdBootIsWrittenAndReadBack) {
    TProbeBasicInformationForm form(TDialogContext{});
    form.FormCreate();
    form.show();
    const QString capabilities = "etherStats,historyControl,etherHistory,alarm,event,probeConfig";
    const auto shownAsBefore = [&] {
        EXPECT_EQ(Text(form, "stCap"), capabilities);
        EXPECT_EQ(Text(form, "stSoftware"), "2.10.B014");
        EXPECT_EQ(Text(form, "stHardware"), "A1");
        EXPECT_EQ(Text(form, "cbxReset"), "running");
    };
    shownAsBefore();
    EXPECT_FALSE(form.findChild<QWidget*>("edtCap")->isVisible());
    EXPECT_EQ(Text(form, "edtCap").toLower(), "f0400010") << "what the probe reports";

    Choose(form, "cbxReset", "coldBoot");
    form.ButtonNamed("btnSet")->click();
    EXPECT_EQ(Sent(), std::vector<std::string>{"1.3.6.1.2.1.16.19.5.0=3"});
    shownAsBefore();  // read again: the probe runs once more

    // Refused: the text in the panel, the dialog as it was.
    form.Request(0)->Request->WriteCommunity = "vesper";
    Choose(form, "cbxReset", "warmBoot");
    form.ButtonNamed("btnSet")->click();
    EXPECT_TRUE(form.Status->Panel(0)->text().endsWith("No Access!"))
        << form.Status->Panel(0)->text().toStdString();
    EXPECT_EQ(Text(form, "cbxReset"), "warmBoot");
    EXPECT_TRUE(form.isEnabled());
    form.Request(0)->Request->WriteCommunity = "lantern";
    form.ButtonNamed("btnGet")->click();
    shownAsBefore();
}

}  // namespace
}  // namespace gui_test
