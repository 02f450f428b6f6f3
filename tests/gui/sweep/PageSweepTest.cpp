// Every page of the catalogue opened in its generic window on the simulated
// switch: the first read succeeds and table pages show rows.
#include <gtest/gtest.h>

#include <QPlainTextEdit>

#include "ConfigWinTestSupport.h"
#include "CvCataloguePages.h"
#include "CvSNMPRequest2Edits.h"
#include "ListView.h"
#include "PageRowSamples.h"
#include "TConfigForm.h"
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

}  // namespace
}  // namespace gui_test
