// The equipment and 802.1X statistics dialogs: read only, blocking, every
// outcome of a read in the memo.
#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QPushButton>

#include <functional>
#include <memory>

#include "DialogTestSupport.h"
#include "Dot1xStatisticsDialogs.h"
#include "ListView.h"
#include "SnmpdAgent.h"

namespace gui_test {
namespace {

QString LastLine(const TTableDialog& form) {
    return form.Memo->toPlainText().split('\n').back();
}

using Open = std::function<std::unique_ptr<TTableDialog>()>;

// The two tables and the number of their columns: the two keys and the counters.
const std::pair<Open, int> kTables[] = {
    {[] { return std::make_unique<TMacStatisticTableForm>(TDialogContext{}); }, 2 + 12},
    {[] { return std::make_unique<TDiagnosticsInformationForm>(TDialogContext{}); }, 2 + 18},
};

using Dot1xStatisticsDialogTest = DialogTest;

TEST_F(Dot1xStatisticsDialogTest, TheTablesListEverySupplicantByAddressAndPort) {
    for (const auto& [open, columns] : kTables) {
        std::unique_ptr<TTableDialog> form = open();
        form->FormCreate();
        SCOPED_TRACE(form->windowTitle().toStdString());
        ASSERT_EQ(form->List->LineCount(), 2) << "blocking: read when it opens";
        EXPECT_EQ(form->List->columnCount(), columns);
        EXPECT_EQ(form->List->Caption(0), "001B213A4F01");
        EXPECT_EQ(form->List->SubItem(1, 0), "7") << "the supplicant's port";
        EXPECT_EQ(form->findChildren<QPushButton*>().size(), 1) << "Refresh only";
    }
}

// net-snmp's agent knows nothing of 802.1X: an empty list and no failure.
TEST_F(Dot1xStatisticsDialogTest, ADeviceWithoutSupplicantsGivesAnEmptyList) {
    agents::SnmpdAgent snmpd;
    UseSimulator(snmpd.Port());
    for (const auto& [open, columns] : kTables) {
        std::unique_ptr<TTableDialog> form = open();
        form->FormCreate();
        EXPECT_EQ(form->List->LineCount(), 0);
        EXPECT_EQ(form->Memo->toPlainText(), LastLine(*form)) << "one line";
        EXPECT_TRUE(LastLine(*form).contains("Ok!")) << LastLine(*form).toStdString();
    }
}

// A switch that stops answering: the failure is a line of the memo, and the
// next Refresh works again. The tables report it as the equipment dialog does.
TEST_F(Dot1xStatisticsDialogTest, AReadThatFailsIsReportedAndTheDialogStaysUsable) {
    std::vector<Open> opens = {
        [] { return std::make_unique<TEquipmentBasicInfoForm>(TDialogContext{}); }};
    for (const auto& table : kTables) {
        opens.push_back(table.first);
    }
    for (const Open& open : opens) {
        std::unique_ptr<TTableDialog> form = open();
        form->FormCreate();
        SCOPED_TRACE(form->windowTitle().toStdString());
        form->Request(0)->Request->Timeout = 10;
        form->Request(0)->Request->Retries = 0;
        SharedSim().Pause();
        form->Button(TDialogAction::Refresh)->click();
        SharedSim().Resume();
        EXPECT_FALSE(LastLine(*form).contains("Ok!"));
        EXPECT_FALSE(LastLine(*form).isEmpty());
        form->Button(TDialogAction::Refresh)->click();
        EXPECT_TRUE(LastLine(*form).contains("Ok!")) << LastLine(*form).toStdString();
    }
    EXPECT_TRUE(Boxes.empty());
}

TEST_F(Dot1xStatisticsDialogTest, TheEquipmentDialogShowsTheStackModeAndNeverWrites) {
    TEquipmentBasicInfoForm form(TDialogContext{});
    form.FormCreate();
    EXPECT_EQ(Text(form, "Edit1"), "Fan, Redundant Power and Stacking");
    EXPECT_EQ(Text(form, "cbxStackMode"), "enabled");
    EXPECT_EQ(form.findChildren<QPushButton*>().size(), 1) << "Refresh only";
    Choose(form, "cbxStackMode", "disabled");
    form.ButtonNamed("BitBtn1")->click();
    EXPECT_EQ(Text(form, "cbxStackMode"), "enabled") << "the switch's mode, read again";
    EXPECT_TRUE(Sent().empty());
}

}  // namespace
}  // namespace gui_test
