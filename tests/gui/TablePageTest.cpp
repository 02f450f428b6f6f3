// The table page of the generic window against the simulator: the walk into
// the list, Add, Edit and Delete through RowStatus on the static VLAN table,
// the status items of the edit dialog, the line hint, the clipboard copy,
// and a close that arrives while the walk is running.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolTip>

#include "CheckBox.h"
#include "ComboBox.h"
#include "ConfigPage.h"
#include "ConfigWinTestSupport.h"
#include "CvSNMPRequest2Edits.h"
#include "Edit.h"
#include "ListView.h"
#include "StaticText.h"
#include "TConfigForm.h"
#include "TCtrlBtnPanel.h"
#include "TEditsPanel.h"
#include "TListViewPanel.h"
#include "TMsgPanel.h"
#include "TSNMPListViewPanel.h"

namespace gui_test {
namespace {

const TConfigPageParams kPortPage{
    .Title = "Ports", .Table = kPortStates, .ItemType = MVT_FMV, .KeyCount = 1};

class TablePageTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        UseSimulator();
    }
    void TearDown() override {
        Form.reset();  // while the session still runs
        GuiTest::TearDown();
    }
    // The window of `params`, shown, with its first walk ended.
    TSNMPListViewPanel& Open(const TConfigPageParams& params) {
        Form = BuildConfigPage(params, Main);
        Form->show();
        EXPECT_TRUE(PumpUntil([&] { return Form->ActiveBinding && !Form->ActiveBinding->Busy; }));
        return *static_cast<TSNMPListViewPanel*>(Form->Page());
    }
    static ::ListView& List(TSNMPListViewPanel& page) { return *page.ListPanel->ListView; }
    static int LineOf(TSNMPListViewPanel& page, const QString& caption) {
        for (int line = 0; line < List(page).LineCount(); ++line) {
            if (List(page).Caption(line) == caption) {
                return line;
            }
        }
        return -1;
    }
    static bool Idle(TSNMPListViewPanel& page) { return !page.Binding->Busy; }
    static QStringList Items(const ComboBox& list) {
        QStringList items;
        for (int i = 0; i < list.count(); ++i) {
            items << list.itemText(i);
        }
        return items;
    }

    TMainWindowValues Main{nullptr, 1.0f, "127.0.0.1", {}};
    std::unique_ptr<TConfigForm> Form;
};

TEST_F(TablePageTest, TheWalkShowsEveryRowAndCountsThem) {
    TSNMPListViewPanel& page = Open(kPortPage);
    ASSERT_EQ(List(page).LineCount(), 25);
    for (int line = 0; line < 24; ++line) {
        EXPECT_EQ(List(page).Caption(line), QString::number(line + 1));
        EXPECT_TRUE(QStringList({"up", "down"}).contains(List(page).SubItem(line, 0)));
    }
    EXPECT_TRUE(PumpUntil([&] { return page.Buttons->CountText->text() == "25"; }))
        << "the last lines reach the view a moment after the walk";
    EXPECT_EQ(List(page).ColumnCaption(1), "State");
    // Read-only columns and an index: no Edit, and no Add or Delete without a status.
    EXPECT_TRUE(page.Buttons->EditButton->isHidden());
    EXPECT_TRUE(page.Buttons->AddButton->isHidden());
    EXPECT_TRUE(page.Buttons->DeleteButton->isHidden());
    EXPECT_TRUE(page.Buttons->SetButton->isHidden());
    EXPECT_TRUE(page.Messages()->MessageMemo->toPlainText().startsWith("Get: (CvSNMP++) Ok!"));

    page.Buttons->RefreshButton->click();
    EXPECT_TRUE(page.Binding->Busy);
    page.Buttons->RefreshButton->click();  // ignored while the walk runs
    ASSERT_TRUE(PumpUntil([&] { return Idle(page); }));
    EXPECT_EQ(List(page).LineCount(), 25);
}

TEST_F(TablePageTest, AddWritesIndexNameAndTheAddStatus) {
    TSNMPListViewPanel& page = Open(kVlanPage);
    EXPECT_FALSE(page.Buttons->AddButton->isHidden());
    EXPECT_FALSE(page.Buttons->DeleteButton->isEnabled());
    Form->setWindowTitle("VLANs");
    bool checked = false;
    OnModal([&](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "VLANs (Add)");
        TSNMPPanel* panel = DialogPanel(dialog);
        ASSERT_NE(panel, nullptr);
        EXPECT_TRUE(panel->Buttons->RefreshButton->isHidden());
        EXPECT_FALSE(panel->Buttons->SetButton->isEnabled());
        const std::vector<TEditRow>& rows = page.Editor->Rows;
        auto* vid = static_cast<Edit*>(rows[0].ValueControl);
        EXPECT_FALSE(vid->isReadOnly());
        EXPECT_TRUE(rows[0].SelectBox->isChecked());
        EXPECT_FALSE(rows[0].SelectBox->isHidden());
        EXPECT_FALSE(rows[0].SelectBox->isEnabled());
        auto* status = static_cast<ComboBox*>(rows[kVlanStatusColumn].ValueControl);
        EXPECT_EQ(status->currentText(), "createAndGo");
        EXPECT_FALSE(status->isEnabled());
        EXPECT_TRUE(rows[kVlanStatusColumn].SelectBox->isChecked());
        vid->setText("3001");
        static_cast<Edit*>(rows[1].ValueControl)->setText("lab-3001");
        static_cast<Edit*>(rows[2].ValueControl)->setText("FFFF");  // unchecked: not sent
        rows[1].SelectBox->click();
        checked = panel->Buttons->SetButton->isEnabled();
        panel->Buttons->SetButton->click();
    });
    page.Buttons->AddButton->click();
    EXPECT_TRUE(checked);
    EXPECT_FALSE(page.Editor->isVisible()) << "the editor is back in the page";
    EXPECT_TRUE(page.ListPanel->isVisible());
    EXPECT_EQ(VlanNames()["3001"], "lab-3001");
    EXPECT_EQ(VlanStates()["3001"], "1") << "created with createAndGo, now active";
    EXPECT_EQ(WalkColumn(kVlanStatic[0].Oid, kVlanStatic[2].Oid, CvSyntax::octetstr)["3001"],
              "0000000000000000");
    ASSERT_TRUE(PumpUntil([&] { return Idle(page) && LineOf(page, "3001") >= 0; }));
    EXPECT_TRUE(Boxes.empty());
}

TEST_F(TablePageTest, AnEmptyIndexKeepsTheAddDialogOpenAndSendsNothing) {
    TSNMPListViewPanel& page = Open(kVlanPage);
    const auto before = VlanStates();
    bool stillOpen = false;
    OnModal([&](QDialog& dialog) {
        TSNMPPanel* panel = DialogPanel(dialog);
        page.Editor->Rows[1].SelectBox->click();
        static_cast<Edit*>(page.Editor->Rows[1].ValueControl)->setText("no index");
        panel->Buttons->SetButton->click();
        stillOpen = dialog.isVisible();
        panel->Buttons->CloseButton->click();
    });
    page.Buttons->AddButton->click();
    EXPECT_TRUE(stillOpen);
    ASSERT_EQ(Boxes.size(), 1u);
    EXPECT_EQ(Boxes[0].Text, "Some items are empty!");
    EXPECT_EQ(VlanStates(), before);
}

TEST_F(TablePageTest, EditChangesOneColumnAndOffersNeitherTheAddNorTheDeleteStatus) {
    CreateVlan(3002, "before");
    TSNMPListViewPanel& page = Open(kVlanPage);
    const int line = LineOf(page, "3002");
    ASSERT_GE(line, 0);
    List(page).SelectLine(line);
    EXPECT_TRUE(page.Buttons->EditButton->isEnabled());
    EXPECT_TRUE(page.Buttons->DeleteButton->isEnabled());
    auto* status = static_cast<ComboBox*>(page.Editor->Rows[kVlanStatusColumn].ValueControl);
    const QStringList all = Items(*status);
    QStringList offered;
    OnModal([&](QDialog& dialog) {
        TSNMPPanel* panel = DialogPanel(dialog);
        offered = Items(*status);
        EXPECT_EQ(status->currentText(), "active");
        EXPECT_TRUE(static_cast<Edit*>(page.Editor->Rows[0].ValueControl)->isReadOnly());
        EXPECT_EQ(static_cast<Edit*>(page.Editor->Rows[0].ValueControl)->text(), "3002");
        EXPECT_EQ(page.Editor->CheckedSelectCount(), 0);
        EXPECT_FALSE(panel->Buttons->CheckAllButton->isHidden());
        static_cast<Edit*>(page.Editor->Rows[1].ValueControl)->setText("after");
        page.Editor->Rows[1].SelectBox->click();
        panel->Buttons->SetButton->click();
    });
    page.Buttons->EditButton->click();
    EXPECT_EQ(offered, (QStringList{"active", "notInService", "notReady", "createAndWait"}));
    EXPECT_EQ(Items(*status), all) << "the status items are back in their places";
    EXPECT_EQ(VlanNames()["3002"], "after");
    EXPECT_EQ(VlanStates()["3002"], "1");
    ASSERT_TRUE(PumpUntil([&] { return Idle(page) && LineOf(page, "3002") >= 0; }));
    EXPECT_EQ(List(page).SubItem(LineOf(page, "3002"), 0), "after");
}

TEST_F(TablePageTest, AStatusListLeftEmptyIsHiddenForTheEditDialogOnly) {
    // A status column whose only labels are the add and delete statuses.
    static const CvIntOptionPair pairs[] = {{4, "createAndGo"}, {6, "destroy"}, {0, nullptr}};
    static const CvOptionList onlyCreateAndDestroy(pairs);
    static CvSNMPVarDesc table[7];
    std::copy(kVlanStatic, kVlanStatic + 7, table);
    table[kVlanStatusColumn].Options = &onlyCreateAndDestroy;
    TConfigPageParams params = kVlanPage;
    params.Table = table;
    CreateVlan(3004, "hidden status");
    TSNMPListViewPanel& page = Open(params);
    List(page).SelectLine(LineOf(page, "3004"));
    const TEditRow& row = page.Editor->Rows[kVlanStatusColumn];
    bool hiddenInDialog = false;
    OnModal([&](QDialog& dialog) {
        hiddenInDialog = row.ValueControl->isHidden() && row.Caption->isHidden();
        DialogPanel(dialog)->Buttons->CloseButton->click();
    });
    page.Buttons->EditButton->click();
    EXPECT_TRUE(hiddenInDialog);
    EXPECT_FALSE(row.ValueControl->isHidden());
    EXPECT_EQ(Items(*static_cast<ComboBox*>(row.ValueControl)),
              (QStringList{"createAndGo", "destroy"}));
    EXPECT_EQ(page.Binding->Request->Vars.Item(kVlanStatusColumn).Access, kRw);
}

TEST_F(TablePageTest, DeleteAsksFirstThenDestroysTheSelectedRowAndReadsAgain) {
    CreateVlan(3003, "doomed");
    TSNMPListViewPanel& page = Open(kVlanPage);
    List(page).SelectLine(LineOf(page, "3003"));
    ConfirmAnswer = false;
    page.Buttons->DeleteButton->click();
    ASSERT_EQ(Boxes.size(), 1u);
    EXPECT_EQ(Boxes[0].Type, CvMessageBox::Kind::Confirmation);
    EXPECT_EQ(Boxes[0].Text, "Are you sure to delete it?");
    EXPECT_EQ(VlanStates().count("3003"), 1u);

    ConfirmAnswer = true;
    page.Buttons->DeleteButton->click();
    EXPECT_EQ(VlanStates().count("3003"), 0u);
    EXPECT_EQ(LineOf(page, "3003"), -1) << "read again at once";
    EXPECT_GE(LineOf(page, "1"), 0);
    EXPECT_FALSE(page.Buttons->DeleteButton->isEnabled());
    EXPECT_EQ(page.Binding->Mode, 1);
    for (std::int32_t i = 0; i < 6; ++i) {
        EXPECT_EQ(page.Binding->Request->Vars.Item(i).Access, kVlanStatic[i].Access);
    }
    EXPECT_TRUE(page.Messages()->MessageMemo->toPlainText().contains("Set: (CvSNMP++) Ok!"));
}

TEST_F(TablePageTest, AClickBesideTheLinesDisablesEditAndDeleteAndClearsTheEditor) {
    CreateVlan(3005, "picked");
    TSNMPListViewPanel& page = Open(kVlanPage);
    List(page).SelectLine(LineOf(page, "3005"));
    auto* name = static_cast<Edit*>(page.Editor->Rows[1].ValueControl);
    EXPECT_EQ(name->text(), "picked");
    List(page).clearSelection();
    const QPoint below(5, List(page).viewport()->height() - 2);
    QMouseEvent release(QEvent::MouseButtonRelease, below,
                        List(page).viewport()->mapToGlobal(below), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(List(page).viewport(), &release);
    EXPECT_FALSE(page.Buttons->EditButton->isEnabled());
    EXPECT_FALSE(page.Buttons->DeleteButton->isEnabled());
    EXPECT_TRUE(name->text().isEmpty());
}

TEST_F(TablePageTest, LineHintPadsShorterCaptionsWithTabs) {
    TSNMPListViewPanel& page = Open(kPortPage);
    const QString state = List(page).SubItem(0, 0);
    EXPECT_EQ(page.LineHint(0), "Port\t  1\nState  " + state + "\n");

    // The mouse resting on a line shows its hint.
    ASSERT_TRUE(PumpUntil([&] { return List(page).topLevelItemCount() == 25; }));
    QWidget* lines = List(page).viewport();
    const QPoint onLine = List(page).visualItemRect(List(page).topLevelItem(2)).center();
    QHelpEvent rest(QEvent::ToolTip, onLine, lines->mapToGlobal(onLine));
    QApplication::sendEvent(lines, &rest);
    EXPECT_EQ(QToolTip::text(), page.LineHint(2));
}

TEST_F(TablePageTest, CopyPutsTheHeaderAndTheLinesOnTheClipboard) {
    TSNMPListViewPanel& page = Open(kPortPage);
    TListViewPanel& panel = *page.ListPanel;
    EXPECT_EQ(panel.CopyAction->text(), "Copy");
    EXPECT_EQ(panel.CopyAction->shortcut(), QKeySequence(QKeySequence::Copy));
    EXPECT_TRUE(List(page).actions().contains(panel.CopyAction));
    EXPECT_EQ(List(page).contextMenuPolicy(), Qt::ActionsContextMenu);

    panel.CopyAction->trigger();
    const QStringList all = QApplication::clipboard()->text().split('\n');
    ASSERT_EQ(all.size(), 27) << "header, 25 lines, and the end of the last line";
    EXPECT_EQ(all[0], "Port\tState");
    EXPECT_EQ(all[3], "3\t" + List(page).SubItem(2, 0));
    EXPECT_EQ(all[26], "");

    List(page).SelectLine(4);
    panel.CopyAction->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(),
              "Port\tState\n5\t" + List(page).SubItem(4, 0) + "\n");
}

TEST_F(TablePageTest, ACloseDuringTheWalkWaitsForItAndFreesTheBindings) {
    TSNMPListViewPanel& page = Open(kPortPage);
    // The close arrives from inside the walk: while the list takes a line.
    List(page).SetBatchedLines(false);
    bool busyAtClose = false;
    bool visibleAfterClose = false;
    QObject::connect(List(page).model(), &QAbstractItemModel::rowsInserted, Form.get(), [&] {
        if (List(page).LineCount() == 3) {
            Form->close();
            busyAtClose = Form->Bindings.size() == 1 && Form->Bindings.front()->Busy;
            visibleAfterClose = Form->isVisible();
        }
    });
    page.Buttons->RefreshButton->click();
    ASSERT_TRUE(PumpUntil([&] { return !Form->isVisible(); }));
    EXPECT_TRUE(busyAtClose);
    EXPECT_TRUE(visibleAfterClose) << "the window waits for the walk";
    EXPECT_TRUE(Form->Bindings.empty());
    EXPECT_EQ(Form->ActiveBinding, nullptr);
    EXPECT_LT(List(page).LineCount(), 25) << "the walk stopped early";
    EXPECT_FALSE(page.isEnabled());
    Form.reset();
}

}  // namespace
}  // namespace gui_test
