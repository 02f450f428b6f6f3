// The editor rows built from a variable list: row kinds and access, the
// buttons an editor needs, the pixel layout, and the row operations.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>

#include "CheckBox.h"
#include "ComboBox.h"
#include "ConfigWinTestSupport.h"
#include "CvSNMPRequest2Edits.h"
#include "Edit.h"
#include "TCtrlBtnPanel.h"
#include "TEditsPanel.h"

namespace gui_test {
namespace {

const CvIntOptionPair kStatePairs[] = {{1, "enabled"}, {2, "disabled"}, {0, nullptr}};
const CvOptionList kStates(kStatePairs);

struct Editor {
    QWidget Owner;
    CvSNMPRequest2Edits Binding{&Owner};
    TCtrlBtnPanel* Buttons = new TCtrlBtnPanel(&Owner);
    TEditsPanel* Panel;
    Editor(const CvSNMPVarDesc* table, std::uint8_t itemType = SVT_SV, std::int32_t keys = 0) {
        Binding.Request->Vars.Assign(CvSNMPVarList(table, itemType, keys));
        Panel = new TEditsPanel(&Owner, &Binding);
        Panel->ArrangeCtrlBtn(Buttons);
    }
    std::vector<QString> Visible() const {
        std::vector<QString> names;
        for (QWidget* control : Buttons->ControlOrder) {
            if (!control->isHidden()) {
                names.push_back(control->objectName());
            }
        }
        return names;
    }
    std::vector<bool> SelectShown() const {
        std::vector<bool> shown;
        for (const TEditRow& row : Panel->Rows) {
            shown.push_back(!row.SelectBox->isHidden());
        }
        return shown;
    }
};

class EditsPanelTest : public GuiTest {};

TEST_F(EditsPanelTest, RowKindsFollowWritabilityAndOptionsAndIndexColumnsStayReadOnly) {
    const CvSNMPVarDesc table[] = {
        {"1.3.6.1.4.1.99999.1.1", "Index", CvSyntax::integer, kKey},
        {"1.3.6.1.4.1.99999.1.2", "Text", CvSyntax::displaystr, kRo},
        {"1.3.6.1.4.1.99999.1.3", "Name", CvSyntax::displaystr, kRw},
        {"1.3.6.1.4.1.99999.1.4", "State", CvSyntax::integer, kRw, &kStates},
        {"1.3.6.1.4.1.99999.1.5", "Mode", CvSyntax::integer, kRo, &kStates},
        {}};
    Editor editor(table, MVT_FMV, 1);
    std::vector<std::int32_t> kinds;
    std::vector<bool> combos;
    std::vector<bool> editable;
    for (std::int32_t i = 0; i < editor.Panel->RowCount(); ++i) {
        const TEditRow& row = editor.Panel->Rows[static_cast<std::size_t>(i)];
        kinds.push_back(row.Kind);
        combos.push_back(dynamic_cast<ComboBox*>(row.ValueControl) != nullptr);
        editable.push_back(editor.Panel->IsRowEditable(i));
        EXPECT_EQ(row.Format, "%s");
        EXPECT_EQ(row.Caption->text().toStdString(), table[i].Label);
    }
    EXPECT_EQ(kinds, (std::vector<std::int32_t>{2, 1, 2, 3, 4}));
    EXPECT_EQ(combos, (std::vector<bool>{false, false, false, true, false}));
    EXPECT_EQ(editable, (std::vector<bool>{false, false, true, true, false}));
    auto* index = static_cast<Edit*>(editor.Panel->Rows[0].ValueControl);
    EXPECT_TRUE(index->isReadOnly()) << "an index column is not edited here";
    auto* state = static_cast<ComboBox*>(editor.Panel->Rows[3].ValueControl);
    EXPECT_FALSE(state->isEditable());
    EXPECT_EQ(state->count(), 2);
    EXPECT_EQ(state->itemText(1), "disabled");
    EXPECT_EQ(editor.SelectShown(), (std::vector<bool>{false, false, true, true, false}));
    // Hidden and shown again, a read-only row still has no select box to offer.
    for (std::int32_t i = 0; i < editor.Panel->RowCount(); ++i) {
        editor.Panel->HideRow(i);
        editor.Panel->ShowRow(i);
    }
    EXPECT_EQ(editor.SelectShown(), (std::vector<bool>{false, false, true, true, false}));
    EXPECT_EQ(editor.Buttons->SetButton->text(), "Set Checked");
    EXPECT_FALSE(editor.Buttons->CheckAllButton->isHidden());
}

TEST_F(EditsPanelTest, ReadOnlyListShowsRefreshAndCloseOnlyInButtonFace) {
    Editor editor(kPortStates, SVT_SV, 0);
    EXPECT_TRUE(editor.Panel->AllReadOnly());
    EXPECT_EQ(editor.Visible(), (std::vector<QString>{"RefreshButton", "CloseButton"}));
    EXPECT_EQ(editor.SelectShown(), (std::vector<bool>{false, false}));
    const QColor face = QApplication::palette().color(QPalette::Button);
    for (const TEditRow& row : editor.Panel->Rows) {
        EXPECT_TRUE(static_cast<Edit*>(row.ValueControl)->isReadOnly());
        EXPECT_EQ(row.ValueControl->palette().color(QPalette::Base), face);
        EXPECT_EQ(row.ValueControl->palette().color(QPalette::Text), QColor(Qt::black));
    }
}

TEST_F(EditsPanelTest, OneEditableRowIsWrittenWithAPlainSetWithoutSelectBoxes) {
    const CvSNMPVarDesc table[] = {kSystemGroup[0], kSystemGroup[1], {}};
    Editor editor(table);
    EXPECT_EQ(editor.Buttons->SetButton->text(), "Set");
    EXPECT_TRUE(editor.Buttons->SetButton->isEnabled());
    EXPECT_EQ(editor.Visible(),
              (std::vector<QString>{"RefreshButton", "SetButton", "CloseButton"}));
    EXPECT_EQ(editor.SelectShown(), (std::vector<bool>{false, false}));
    EXPECT_TRUE(editor.Panel->Rows[1].SelectBox->isChecked()) << "the row is still written";
    EXPECT_EQ(editor.Panel->Rows[1].ValueControl->palette().color(QPalette::Base),
              QColor(Qt::white));

    // With more editable rows, a click on a select box decides about Set.
    Editor several(kSystemGroup);
    EXPECT_EQ(several.Panel->EnabledSelectCount(), 3);
    EXPECT_EQ(several.Panel->CheckedSelectCount(), 0);
    several.Buttons->SetButton->setEnabled(false);
    several.Panel->Rows[2].SelectBox->click();
    EXPECT_TRUE(several.Buttons->SetButton->isEnabled());
    several.Panel->Rows[2].SelectBox->click();
    EXPECT_FALSE(several.Buttons->SetButton->isEnabled());
}

TEST_F(EditsPanelTest, VerticalLayoutPlacesRowsByTheirOwnHeightAndSkipsHiddenRows) {
    Editor editor(kSystemGroup);
    TEditsPanel& panel = *editor.Panel;
    const std::vector<TEditRow>& rows = panel.Rows;
    const int height = rows[1].ValueControl->height();
    ASSERT_GE(height, 20);
    int widest = 0;
    for (const TEditRow& row : rows) {
        widest = std::max(widest, row.Caption->width());
    }
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const QRect value = rows[i].ValueControl->geometry();
        EXPECT_EQ(value.top(), 20 + static_cast<int>(i) * (height + 5)) << i;
        EXPECT_EQ(value.left(), 45 + widest + 5);
        EXPECT_EQ(value.width(), TEditsPanel::kDefaultEditWidth);
        EXPECT_EQ(rows[i].SelectBox->x(), 20);
        EXPECT_EQ(rows[i].Caption->x(), 45);
        EXPECT_EQ(rows[i].Caption->y(), value.top() + (height - rows[i].Caption->height()) / 2);
    }
    const int right = 45 + widest + 5 + TEditsPanel::kDefaultEditWidth;
    EXPECT_EQ(panel.size(), QSize(right + 40, 20 + 3 * (height + 5) + height + 40));

    panel.HideRow(0);
    panel.SetEditWidth(200, TEditsPanel::kVertical);
    EXPECT_TRUE(rows[0].ValueControl->isHidden());
    EXPECT_NE(editor.Binding.Request->Vars.Item(0).Access & CvAccess::hidden, 0u);
    EXPECT_EQ(rows[1].ValueControl->y(), 20 + height + 5) << "not moved up to 20";
    EXPECT_EQ(panel.width(), 45 + widest + 5 + 200 + 40);
    panel.ShowRow(0);
    EXPECT_FALSE(rows[0].ValueControl->isHidden());
    EXPECT_EQ(editor.Binding.Request->Vars.Item(0).Access, kRo);

    panel.Layout(TEditsPanel::kHorizontal, true);
    int x = 0;
    for (const TEditRow& row : rows) {
        EXPECT_EQ(row.ValueControl->y(), 20);
        EXPECT_EQ(row.SelectBox->x(), x + 5);
        EXPECT_EQ(row.Caption->x(), x + 30);
        EXPECT_EQ(row.ValueControl->x(), x + 30 + row.Caption->width() + 5);
        x = row.ValueControl->geometry().right() + 1;
    }
    EXPECT_EQ(panel.size(), QSize(x + 40, 20 + height + 40));
}

TEST_F(EditsPanelTest, ARowPanelTakesTheValueControlsPlaceAndStateAndShowsItsText) {
    struct Case {
        std::int32_t Row;
        bool Hidden;
        bool Enabled;
    };
    for (const Case c : {Case{0, false, false}, Case{2, false, true}, Case{3, true, true}}) {
        SCOPED_TRACE(c.Row);
        Editor editor(kSystemGroup);
        TEditsPanel& panel = *editor.Panel;
        if (c.Hidden) {
            panel.HideRow(c.Row);
        }
        const QPointer<QWidget> old = panel.Rows[static_cast<std::size_t>(c.Row)].ValueControl;
        const QRect place = old->geometry();
        auto* container = new TRowPanel;
        panel.ReplaceValueControl(c.Row, container);
        EXPECT_TRUE(old.isNull()) << "the edit is freed";
        EXPECT_EQ(panel.Rows[static_cast<std::size_t>(c.Row)].ValueControl, container);
        EXPECT_EQ(container->parentWidget(), panel.Content());
        EXPECT_EQ(container->geometry(), place);
        EXPECT_EQ(container->isHidden(), c.Hidden);
        EXPECT_EQ(container->isEnabledTo(panel.Content()), c.Enabled);
        for (const auto& binding : editor.Binding.Bindings) {
            EXPECT_NE(binding.ItemIndex, c.Row) << "the row's item is unbound";
        }
        EXPECT_TRUE(panel.IsRowEmpty(c.Row));
        container->Text = "-";
        EXPECT_EQ(panel.RowText(c.Row), "-");
        EXPECT_FALSE(panel.IsRowEmpty(c.Row));
        editor.Binding.ValuesToControls(-1);  // nothing left that points at the old edit
    }
}

}  // namespace
}  // namespace gui_test
