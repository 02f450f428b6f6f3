#include "TEditsPanel.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include <algorithm>
#include <stdexcept>

#include "CheckBox.h"
#include "ComboBox.h"
#include "CvOptionControls.h"
#include "CvSNMPRequest2Edits.h"
#include "Edit.h"
#include "StaticText.h"
#include "TCtrlBtnPanel.h"

namespace {

constexpr int kTop = 20;
constexpr int kGap = 5;
constexpr int kMinControlHeight = 20;
constexpr int kRaisedControlHeight = 21;
constexpr int kMargin = 40;

void Paint(QWidget* control, const QColor& text, const QColor& back) {
    QPalette colours = control->palette();
    for (const QPalette::ColorGroup group :
         {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        colours.setColor(group, QPalette::Text, text);
        colours.setColor(group, QPalette::ButtonText, text);
        colours.setColor(group, QPalette::WindowText, text);
        colours.setColor(group, QPalette::Base, back);
        colours.setColor(group, QPalette::Button, back);
    }
    control->setPalette(colours);
}

int ControlHeight(const QWidget* control) {
    const int height = control->sizeHint().height();
    return height < kMinControlHeight ? kRaisedControlHeight : height;
}

}  // namespace

TEditsPanel::TEditsPanel(QWidget* owner, CvSNMPRequest2Edits* binding)
    : QFrame(owner), Binding(binding), ScrollArea(new QScrollArea(this)), FContent(new QWidget) {
    setObjectName("Editor");
    ScrollArea->setFrameShape(QFrame::NoFrame);
    ScrollArea->setWidgetResizable(true);
    ScrollArea->setWidget(FContent);
    auto* fill = new QVBoxLayout(this);
    fill->setContentsMargins(0, 0, 0, 0);
    fill->addWidget(ScrollArea);
    if (Binding != nullptr) {
        BuildRows();
    }
    ApplyAccess(false);
    Layout(kVertical, true);
    SetReadOnlyColours(Qt::black,
                       QApplication::palette().color(QPalette::Active, QPalette::Button));
}

void TEditsPanel::BuildRows() {
    const CvSNMPVarList& vars = Binding->Request->Vars;
    for (std::int32_t i = 0; i < vars.GetCount(); ++i) {
        const CvSNMPVar& item = vars.Item(i);
        const bool writable = vars.IsWritable(i);
        const bool options = item.Options != nullptr;
        TEditRow row;
        row.Kind = writable ? (options ? 3 : 2) : (options ? 4 : 1);
        row.Format = "%s";
        row.SelectBox = new CheckBox(QString(), FContent);
        row.SelectBox->setFocusPolicy(Qt::ClickFocus);
        row.SelectBox->resize(kSelectWidth, row.SelectBox->sizeHint().height());
        connect(row.SelectBox, &QCheckBox::clicked, this, [this] { SelectBoxClicked(); });
        row.Caption = new QLabel(QString::fromStdString(item.Label), FContent);
        row.Caption->adjustSize();
        if (row.Kind == 3) {
            auto* combo = new ComboBox(FContent);
            FillItems(*item.Options, *combo);
            row.ValueControl = combo;
            Rows.push_back(row);
            Binding->BindList(i, combo);
        } else {
            auto* edit = new Edit(FContent);
            row.ValueControl = edit;
            Rows.push_back(row);
            Binding->BindFormatted(i, row.Format, {edit});
        }
        if ((item.Access & CvAccess::hidden) != 0) {
            row.SelectBox->hide();
            row.Caption->hide();
            row.ValueControl->hide();
        }
    }
}

bool TEditsPanel::RowHidden(std::int32_t i) const {
    return (Binding->Request->Vars.Item(i).Access & CvAccess::hidden) != 0;
}

void TEditsPanel::ArrangeCtrlBtn(TCtrlBtnPanel* buttons) {
    if (Binding == nullptr) {
        throw std::logic_error("TEditsPanel:ArrangeCtrlBtn - EditCtrl is NULL!");
    }
    FButtons = buttons;
    for (QWidget* member : std::initializer_list<QWidget*>{buttons->CountLabel, buttons->CountText,
                                                           buttons->EditButton, buttons->AddButton,
                                                           buttons->DeleteButton}) {
        member->hide();
    }
    for (QWidget* member : std::initializer_list<QWidget*>{
             buttons->RefreshButton, buttons->SetButton, buttons->CheckAllButton,
             buttons->ClearChecksButton, buttons->CloseButton}) {
        member->show();
    }
    if (AllReadOnly()) {
        buttons->SetButton->hide();
        buttons->CheckAllButton->hide();
        buttons->ClearChecksButton->hide();
    } else if (EnabledSelectCount() <= 1) {
        buttons->CheckAllButton->hide();
        buttons->ClearChecksButton->hide();
        buttons->SetButton->setText("Set");
        buttons->SetButton->setEnabled(true);
        for (const TEditRow& row : Rows) {
            if (!row.SelectBox->isHidden() && row.SelectBox->isEnabledTo(FContent)) {
                row.SelectBox->setChecked(true);
            }
        }
        // One editable value is written without a selection step.
        if (CheckedSelectCount() <= 1) {
            for (const TEditRow& row : Rows) {
                row.SelectBox->hide();
            }
        }
    }
    buttons->ArrangeButtons();
}

void TEditsPanel::SetEditWidth(std::int32_t width, int layoutKind) {
    EditWidth = width;
    Layout(layoutKind, true);
}

void TEditsPanel::Layout(int layoutKind, bool resize) {
    int widestCaption = 0;
    for (const TEditRow& row : Rows) {
        widestCaption = std::max(widestCaption, row.Caption->width());
    }
    int top = kTop;
    int x = 0;
    for (std::int32_t i = 0; i < RowCount(); ++i) {
        const TEditRow& row = Rows[static_cast<std::size_t>(i)];
        const int height = ControlHeight(row.ValueControl);
        row.ValueControl->resize(EditWidth, height);
        if (RowHidden(i)) {
            continue;
        }
        int selectLeft = 0;
        int captionLeft = 0;
        int valueLeft = 0;
        if (layoutKind == kHorizontal) {
            top = kTop;
            selectLeft = x + kGap;
            captionLeft = x + kSelectWidth + 2 * kGap;
            valueLeft = captionLeft + row.Caption->width() + kGap;
        } else {
            if (i > 0) {
                top += height + kGap;
            }
            selectLeft = kTop;
            captionLeft = kTop + kSelectWidth + kGap;
            valueLeft = captionLeft + widestCaption + kGap;
        }
        row.ValueControl->move(valueLeft, top);
        row.SelectBox->move(selectLeft, top + (height - row.SelectBox->height()) / 2);
        row.Caption->move(captionLeft, top + (height - row.Caption->height()) / 2);
        x = std::max(x, valueLeft + EditWidth);
    }
    if (resize) {
        ResizeToRows();
    }
}

void TEditsPanel::ResizeToRows() {
    int right = 0;
    int bottom = 0;
    for (std::int32_t i = 0; i < RowCount(); ++i) {
        if (RowHidden(i)) {
            continue;
        }
        const QRect place = Rows[static_cast<std::size_t>(i)].ValueControl->geometry();
        right = std::max(right, place.right() + 1);
        bottom = std::max(bottom, place.bottom() + 1);
    }
    const QSize size(right + kMargin, bottom + kMargin);
    FContent->setMinimumSize(size);
    resize(size);
}

void TEditsPanel::ApplyAccess(bool selectDefault) {
    SelectDefault = selectDefault;
    for (std::int32_t i = 0; i < RowCount(); ++i) {
        if (IsRowEditable(i)) {
            EnableRow(i);
        } else {
            DisableRow(i);
        }
    }
}

void TEditsPanel::EnableRow(std::int32_t i) {
    TEditRow& row = Rows.at(static_cast<std::size_t>(i));
    row.SelectBox->setEnabled(true);
    row.SelectBox->setVisible(!RowHidden(i));
    row.SelectBox->setChecked(SelectDefault);
    if (auto* edit = dynamic_cast<Edit*>(row.ValueControl)) {
        edit->setReadOnly(false);
        edit->setFocusPolicy(Qt::StrongFocus);
    } else {
        row.ValueControl->setEnabled(true);
    }
    Paint(row.ValueControl, Qt::black, Qt::white);
}

void TEditsPanel::DisableRow(std::int32_t i) {
    TEditRow& row = Rows.at(static_cast<std::size_t>(i));
    row.SelectBox->setEnabled(false);
    row.SelectBox->hide();
    row.SelectBox->setChecked(false);
    if (auto* edit = dynamic_cast<Edit*>(row.ValueControl)) {
        edit->setReadOnly(true);
        edit->setFocusPolicy(Qt::ClickFocus);
    } else {
        row.ValueControl->setEnabled(false);
    }
    Paint(row.ValueControl, ReadOnlyFont, ReadOnlyBack);
}

void TEditsPanel::HideRow(std::int32_t i) {
    TEditRow& row = Rows.at(static_cast<std::size_t>(i));
    Binding->Request->Vars.Item(i).Access |= CvAccess::hidden;
    row.SelectBox->hide();
    row.Caption->hide();
    row.ValueControl->hide();
}

void TEditsPanel::ShowRow(std::int32_t i) {
    TEditRow& row = Rows.at(static_cast<std::size_t>(i));
    Binding->Request->Vars.Item(i).Access &= ~CvAccess::hidden;
    // A disabled row keeps its select box out of sight.
    row.SelectBox->setVisible(row.SelectBox->isEnabledTo(FContent));
    row.Caption->show();
    row.ValueControl->show();
}

void TEditsPanel::UncheckRow(std::int32_t i) {
    Rows.at(static_cast<std::size_t>(i)).SelectBox->setChecked(false);
}

void TEditsPanel::SetRowValue(std::int32_t i, const std::string& text) {
    TEditRow& row = Rows.at(static_cast<std::size_t>(i));
    const QString shown = QString::fromStdString(text);
    if (auto* combo = dynamic_cast<ComboBox*>(row.ValueControl)) {
        combo->setCurrentIndex(combo->findText(shown, Qt::MatchExactly));
    } else if (auto* edit = dynamic_cast<Edit*>(row.ValueControl)) {
        edit->setText(shown);
    }
    Binding->Request->Vars.Item(i).Value = text;
}

void TEditsPanel::ReplaceValueControl(std::int32_t i, QWidget* control) {
    TEditRow& row = Rows.at(static_cast<std::size_t>(i));
    QWidget* old = row.ValueControl;
    Binding->Unbind(i);
    control->setParent(FContent);
    control->setGeometry(old->geometry());
    // A read-only edit stays enabled; a panel of parts can only be disabled.
    control->setEnabled(old->isEnabledTo(FContent) && IsRowEditable(i));
    control->setVisible(!old->isHidden());
    row.ValueControl = control;
    delete old;
}

void TEditsPanel::ClearValues() {
    for (std::int32_t i = 0; i < RowCount(); ++i) {
        QWidget* control = Rows[static_cast<std::size_t>(i)].ValueControl;
        if (auto* combo = dynamic_cast<ComboBox*>(control)) {
            combo->setCurrentIndex(-1);
        } else if (auto* edit = dynamic_cast<Edit*>(control)) {
            edit->clear();
        }
        Binding->Request->Vars.Item(i).Value.clear();
    }
}

void TEditsPanel::SetReadOnlyColours(const QColor& font, const QColor& back) {
    ReadOnlyFont = font;
    ReadOnlyBack = back;
    for (std::int32_t i = 0; i < RowCount(); ++i) {
        if (!Binding->Request->Vars.IsWritable(i)) {
            DisableRow(i);
        }
    }
}

bool TEditsPanel::IsRowEditable(std::int32_t i) const {
    const CvSNMPVarList& vars = Binding->Request->Vars;
    return vars.IsWritable(i) && i >= vars.PKeyCount;
}

QString TEditsPanel::RowText(std::int32_t i) const {
    QWidget* control = Rows.at(static_cast<std::size_t>(i)).ValueControl;
    if (auto* combo = dynamic_cast<ComboBox*>(control)) {
        return combo->currentText();
    }
    if (auto* edit = dynamic_cast<Edit*>(control)) {
        return edit->text();
    }
    auto* panel = dynamic_cast<TRowPanel*>(control);
    return panel != nullptr ? panel->Text : QString();
}

bool TEditsPanel::IsRowEmpty(std::int32_t i) const {
    return RowText(i).isEmpty();
}

bool TEditsPanel::AllReadOnly() const {
    for (std::int32_t i = 0; i < RowCount(); ++i) {
        if (IsRowEditable(i)) {
            return false;
        }
    }
    return true;
}

std::int32_t TEditsPanel::EnabledSelectCount() const {
    return static_cast<std::int32_t>(
        std::count_if(Rows.begin(), Rows.end(), [this](const TEditRow& row) {
            return !row.SelectBox->isHidden() && row.SelectBox->isEnabledTo(FContent);
        }));
}

std::int32_t TEditsPanel::CheckedSelectCount() const {
    return static_cast<std::int32_t>(
        std::count_if(Rows.begin(), Rows.end(), [](const TEditRow& row) {
            return !row.SelectBox->isHidden() && row.SelectBox->isChecked();
        }));
}

void TEditsPanel::SelectBoxClicked() {
    if (FButtons) {
        FButtons->SetButton->setEnabled(CheckedSelectCount() > 0);
    }
}
