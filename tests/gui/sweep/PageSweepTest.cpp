// Every page of the catalogue opened in its generic window on the simulated
// switch: the first read succeeds and table pages show rows; every page with
// a status column adds a row through its add dialog and deletes it.
#include <gtest/gtest.h>

#include <algorithm>

#include <QPlainTextEdit>
#include <QPushButton>

#include "ComboBox.h"
#include "ConfigWinTestSupport.h"
#include "CvCataloguePages.h"
#include "CvOptionList.h"
#include "CvSNMPRequest.h"
#include "CvSNMPRequest2Edits.h"
#include "Edit.h"
#include "ListView.h"
#include "PageRowSamples.h"
#include "SimHarness.h"
#include "TConfigForm.h"
#include "TCtrlBtnPanel.h"
#include "TEditsPanel.h"
#include "TListViewPanel.h"
#include "TMsgPanel.h"
#include "TSNMPListViewPanel.h"

namespace gui_test {
namespace {

agents::VantaSimAgent& SweepSim() {
    static agents::VantaSimAgent sim({"--engine-id", kSampleEngineId});
    return sim;
}

std::string TestName(const ::testing::TestParamInfo<const CvMibPage*>& info) {
    return info.param->Name;
}

class PageSweepTest : public GuiTest, public ::testing::WithParamInterface<const CvMibPage*> {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        UseSimulator(SweepSim().Port());
    }
    TSNMPEditorPanel& Open() {
        Form = BuildConfigPage(PageParams(*GetParam()), Main);
        Form->show();
        EXPECT_TRUE(PumpUntil([&] { return Form->ActiveBinding && !Form->ActiveBinding->Busy; }));
        return *Form->Page();
    }
    static QString Memo(TSNMPEditorPanel& page) {
        return page.Messages()->MessageMemo->toPlainText();
    }
    TMainWindowValues Main{nullptr, 1.0f, "127.0.0.1", {}};
    std::unique_ptr<TConfigForm> Form;
};

TEST_P(PageSweepTest, FirstReadSucceeds) {
    TSNMPEditorPanel& page = Open();
    const QStringList lines = Memo(page).split('\n', Qt::SkipEmptyParts);
    ASSERT_FALSE(lines.isEmpty());
    for (const QString& line : lines) {
        EXPECT_TRUE(line.startsWith("Get: (CvSNMP++) Ok!")) << line.toStdString();
    }
    if (GetParam()->Kind == CvPageKind::Table) {
        auto& table = static_cast<TSNMPListViewPanel&>(page);
        EXPECT_GE(table.ListPanel->ListView->LineCount(), 1);
    }
    EXPECT_TRUE(Boxes.empty());
}

INSTANTIATE_TEST_SUITE_P(Menu, PageSweepTest, ::testing::ValuesIn(MibPagesInMenuOrder()), TestName);

// The value at `oid` as net-snmp's snmpget prints it, or its error.
std::string AgentValue(const std::string& oid) {
    const std::string agent = "127.0.0.1:" + std::to_string(SweepSim().Port());
    const ToolResult get = RunTool(std::vector<std::string>{"snmpget", "-Oqv"} +
                                   V2c("vesper", agent) + std::vector<std::string>{oid});
    std::string text = get.exitCode == 0 ? get.out : "failed: " + get.err;
    while (!text.empty() && (text.back() == '\n' || text.back() == ' ')) {
        text.pop_back();
    }
    return text;
}

const char kNoRow[] = "No Such Instance currently exists at this OID";

// A text index as sub-identifiers: its length, then its characters.
std::string IndexText(const std::string& text) {
    std::string arcs = std::to_string(text.size());
    for (const char c : text) {
        arcs += "." + std::to_string(static_cast<unsigned char>(c));
    }
    return arcs;
}

// The add dialog refuses an empty index ("Some items are empty!"): the access
// row it adds has a context prefix, which the sample leaves empty.
PageRowSample DialogSample(PageRowSample row) {
    if (row.Page == "AccessTable1") {
        std::replace(row.Keys.begin(), row.Keys.end(), std::string("Access Context Prefix="),
                     std::string("Access Context Prefix=lab"));
        row.StatusInstance =
            "1.3.6.1.6.3.16.1.4.1.9." + IndexText("sweep-group") + "." + IndexText("lab") + ".3.1";
    }
    return row;
}

std::vector<PageRowSample> DialogSamples() {
    std::vector<PageRowSample> rows;
    for (const PageRowSample& sample : PageRowSamples()) {
        rows.push_back(DialogSample(sample));
    }
    return rows;
}

std::string SampleName(const ::testing::TestParamInfo<PageRowSample>& info) {
    return info.param.Page;
}

// A sample's LABEL=VALUE word: the item it names (its label exactly, else
// with blanks ignored) and the text the page shows for the value (an option's
// label for its number).
struct Assignment {
    std::int32_t Item = -1;
    QString Text;
};

Assignment Assign(const CvSNMPVarList& vars, const std::string& word) {
    const std::size_t eq = word.find('=');
    const QString label = QString::fromStdString(word.substr(0, eq));
    std::string value = word.substr(eq + 1);
    Assignment a;
    for (const bool trimmed : {false, true}) {
        for (std::int32_t i = 0; i < vars.GetCount() && a.Item < 0; ++i) {
            const QString own = QString::fromStdString(vars.Item(i).Label);
            if (trimmed ? own.trimmed() == label.trimmed() : own == label) {
                a.Item = i;
            }
        }
    }
    const CvOptionList* options = a.Item >= 0 ? vars.Item(a.Item).Options : nullptr;
    if (options != nullptr && options->IndexOfLabel(value) < 0 &&
        options->IndexOfValue(value) >= 0) {
        value = options->ValueToLabel(value);
    }
    a.Text = QString::fromStdString(value);
    return a;
}

// Each page with a status column adds its sample row through the add dialog
// and deletes it through Delete, both seen on the agent by snmpget.
class PageRowSweepTest : public GuiTest, public ::testing::WithParamInterface<PageRowSample> {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        UseSimulator(SweepSim().Port());
    }
    void TearDown() override {
        Form.reset();  // while the session still runs
        GuiTest::TearDown();
    }
    TSNMPListViewPanel& Open() {
        const CvMibPage* page = FindMibPage(GetParam().Page);
        EXPECT_NE(page, nullptr);
        Form = BuildConfigPage(PageParams(*page), Main);
        Form->show();
        EXPECT_TRUE(PumpUntil([&] { return Form->ActiveBinding && !Form->ActiveBinding->Busy; }));
        return *static_cast<TSNMPListViewPanel*>(Form->Page());
    }
    // Types the sample into the borrowed editor and checks the columns it gives.
    void Fill(TSNMPListViewPanel& page) {
        const CvSNMPVarList& vars = page.Binding->Request->Vars;
        for (const auto* words : {&GetParam().Keys, &GetParam().Columns}) {
            for (const std::string& word : *words) {
                const Assignment a = Assign(vars, word);
                ASSERT_GE(a.Item, 0) << word;
                const TEditRow& row = page.Editor->Rows[static_cast<std::size_t>(a.Item)];
                if (auto* list = dynamic_cast<ComboBox*>(row.ValueControl)) {
                    list->setCurrentIndex(list->findText(a.Text, Qt::MatchExactly));
                    ASSERT_EQ(list->currentText(), a.Text) << word;
                } else {
                    static_cast<Edit*>(row.ValueControl)->setText(a.Text);
                }
                if (a.Item >= vars.PKeyCount && !row.SelectBox->isChecked()) {
                    row.SelectBox->click();
                }
            }
        }
    }
    // Selects the line whose index columns hold the sample's keys; its index or -1.
    int SelectSampleLine(TSNMPListViewPanel& page) {
        const CvSNMPVarList& vars = page.Binding->Request->Vars;
        ::ListView& list = *page.ListPanel->ListView;
        for (int line = 0; line < list.LineCount(); ++line) {
            list.SelectLine(line);  // the line's values go into the items
            const bool same =
                std::all_of(GetParam().Keys.begin(), GetParam().Keys.end(), [&](const auto& word) {
                    const Assignment a = Assign(vars, word);
                    return a.Item >= 0 && QString::fromStdString(vars.Item(a.Item).Value) == a.Text;
                });
            if (same) {
                return line;
            }
        }
        return -1;
    }
    void AnswerAddDialog(TSNMPListViewPanel& page, QDialog& dialog) {
        TSNMPPanel* panel = DialogPanel(dialog);
        ASSERT_NE(panel, nullptr);
        Fill(page);
        // With nothing but the index to give, Set waits for a check: Check
        // All, then Clear Checks, leaves the index and the status checked.
        if (!panel->Buttons->SetButton->isEnabled()) {
            panel->Buttons->CheckAllButton->click();
            panel->Buttons->ClearChecksButton->click();
        }
        panel->Buttons->SetButton->click();
    }
    static std::string Memo(TSNMPListViewPanel& page) {
        return page.Messages()->MessageMemo->toPlainText().toStdString();
    }

    TMainWindowValues Main{nullptr, 1.0f, "127.0.0.1", {}};
    std::unique_ptr<TConfigForm> Form;
};

TEST_P(PageRowSweepTest, AddsItsRowThroughTheAddDialogAndDeletesIt) {
    const PageRowSample& sample = GetParam();
    ASSERT_EQ(AgentValue(sample.StatusInstance), kNoRow);
    TSNMPListViewPanel& page = Open();
    ASSERT_FALSE(page.Buttons->AddButton->isHidden());
    bool shown = false;
    OnModal([&](QDialog& dialog) {
        shown = true;
        AnswerAddDialog(page, dialog);
        if (dialog.isVisible()) {  // refused or given up: nothing was sent
            dialog.reject();
        }
    });
    page.Buttons->AddButton->click();
    ASSERT_TRUE(shown);
    ASSERT_TRUE(Boxes.empty()) << Boxes.front().Text.toStdString();
    EXPECT_NE(Memo(page).find("Set: (CvSNMP++) Ok!"), std::string::npos) << Memo(page);
    EXPECT_EQ(AgentValue(sample.StatusInstance), std::to_string(sample.AddedStatus));

    ASSERT_TRUE(PumpUntil([&] { return !page.Binding->Busy; }));
    ASSERT_GE(SelectSampleLine(page), 0) << "the new row is listed";
    ASSERT_TRUE(page.Buttons->DeleteButton->isEnabled());
    page.Buttons->DeleteButton->click();
    ASSERT_EQ(Boxes.size(), 1u);
    EXPECT_EQ(Boxes[0].Text, "Are you sure to delete it?");
    EXPECT_EQ(AgentValue(sample.StatusInstance), kNoRow) << Memo(page);
}

INSTANTIATE_TEST_SUITE_P(WithStatusColumn, PageRowSweepTest, ::testing::ValuesIn(DialogSamples()),
                         SampleName);

// Every page with a status column has its row in the table above.
TEST(PageRowSamplesTest, CoverEveryPageWithAStatusColumn) {
    for (const CvMibPage* page : MibPagesInMenuOrder()) {
        if (page->HasStatusColumn()) {
            EXPECT_NE(FindPageRowSample(page->Name), nullptr) << page->Name;
        }
    }
}

}  // namespace
}  // namespace gui_test
