// Every dedicated dialog of the menu, in menu order, on one simulator: its
// first reads end without a failure in its message output.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPlainTextEdit>

#include "ConfigWinTestSupport.h"
#include "CvDialogs.h"
#include "CvMainMenu.h"
#include "CvModal.h"
#include "DialogTestSupport.h"
#include "StatusBar.h"
#include "TMsgPanel.h"
#include "TSNMPPanel.h"

namespace gui_test {
namespace {

// Success lines of the bindings read "Get: (CvSNMP++) Ok! …".
std::vector<QString> FailureLines(const QStringList& lines) {
    std::vector<QString> failures;
    for (const QString& line : lines) {
        if (!line.isEmpty() && !line.contains("Ok!")) {
            failures.push_back(line);
        }
    }
    return failures;
}

std::vector<QString> FailureLines(const TTableDialog& dialog) {
    if (dialog.Memo != nullptr) {
        return FailureLines(dialog.Memo->toPlainText().split('\n'));
    }
    if (dialog.Status != nullptr) {
        return FailureLines(QStringList{dialog.Status->Panel(0)->text()});
    }
    return {};
}

using DialogSweep = DialogTest;

TEST_F(DialogSweep, EveryDialogOfTheMenuOpensAndReadsWithoutFailure) {
    if (!qEnvironmentVariableIsSet("VANTA_DIALOG_SWEEP")) {
        GTEST_SKIP() << "run as gui.DialogSweep";
    }
    int opened = 0;
    for (const CvMenuItem& item : MainMenuItems()) {
        if (item.Action != CvMenuAction::Dialog || !HasDialog(item.Argument)) {
            continue;
        }
        SCOPED_TRACE(item.Name);
        bool shown = false;
        OnModal([&](QDialog& dialog) {
            shown = true;
            if (auto* table = dynamic_cast<TTableDialog*>(&dialog)) {
                EXPECT_TRUE(PumpUntil([&] { return Idle(*table); }));
                for (const QString& failure : FailureLines(*table)) {
                    ADD_FAILURE() << failure.toStdString();
                }
            } else if (TSNMPPanel* page = DialogPanel(dialog)) {
                // A dialog on a page reads once its modal loop runs.
                const QPlainTextEdit* memo = page->Messages()->MessageMemo;
                EXPECT_TRUE(PumpUntil([&] { return !memo->toPlainText().isEmpty(); }));
                for (const QString& failure : FailureLines(memo->toPlainText().split('\n'))) {
                    ADD_FAILURE() << failure.toStdString();
                }
            }
            dialog.close();
        });
        QLabel stpVersion("mstp");
        TDialogContext context;
        context.DeviceAddress = "127.0.0.1";
        context.StpVersion = &stpVersion;
        OpenDialog(item.Argument, context);
        EXPECT_TRUE(shown);
        ++opened;
    }
    for (const CvMessageBox::Shown& box : Boxes) {
        ADD_FAILURE() << "box: " << box.Text.toStdString();
    }
    EXPECT_GE(opened, 9);
}

// Only the four hidden entries, whose dialogs do not exist, stay unavailable.
TEST(DialogCoverage, EveryVisibleDialogEntryHasItsDialog) {
    std::vector<std::string> missing;
    for (const CvMenuItem& item : MainMenuItems()) {
        if (item.Action == CvMenuAction::Dialog && !HasDialog(item.Argument)) {
            EXPECT_TRUE(item.Hidden) << item.Name;
            missing.emplace_back(item.Argument);
        }
    }
    EXPECT_EQ(missing,
              (std::vector<std::string>{"TUserMaskInfoForm", "TUserDefinedInformationRuleForm",
                                        "TBOOTCtrlTableForm", "TRouteRedistributForm"}));
}

}  // namespace
}  // namespace gui_test
