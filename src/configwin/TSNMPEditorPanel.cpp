#include "TSNMPEditorPanel.h"

#include <QDialog>
#include <QPushButton>

#include <stdexcept>
#include <vector>

#include "CheckBox.h"
#include "ComboBox.h"
#include "CvExcludedItems.h"
#include "CvMessageBox.h"
#include "CvOptionList.h"
#include "CvSNMPRequest2Edits.h"
#include "CvValueCheck.h"
#include "Edit.h"
#include "TCtrlBtnPanel.h"
#include "TEditsPanel.h"

TSNMPEditorPanel::TSNMPEditorPanel(QWidget* owner, CvSNMPRequest2Edits* binding)
    : TSNMPPanel(owner, nullptr, binding), Editor(new TEditsPanel(ClientArea, binding)) {
    Buttons->SetButton->setEnabled(false);
    connect(Buttons->SetButton, &QPushButton::clicked, this, [this] { SetClick(); });
    connect(Buttons->CheckAllButton, &QPushButton::clicked, this, [this] { CheckAll(Buttons); });
    connect(Buttons->ClearChecksButton, &QPushButton::clicked, this,
            [this] { ClearChecks(Buttons); });
    Editor->ArrangeCtrlBtn(Buttons);
    ShowClient(Editor);
}

void TSNMPEditorPanel::SetVarFormat(std::int32_t row, const std::string& format) {
    TEditRow& target = Editor->Rows.at(static_cast<std::size_t>(row));
    if (target.Kind == 3) {
        throw std::logic_error("Can not set Var format to a ComboBox!");
    }
    if (target.Kind == 4) {
        throw std::logic_error("Unknow UI Control type!");
    }
    Binding->Unbind(row);
    Binding->BindFormatted(row, format, {static_cast<Edit*>(target.ValueControl)});
    target.Format = format;
}

void TSNMPEditorPanel::SetEditWidthAndFit(std::int32_t width) {
    Editor->SetEditWidth(width, TEditsPanel::kVertical);
    // A table page keeps its list in front; its editor serves the dialogs.
    if (Client == Editor) {
        ShowClient(Editor);
    }
    if (HostForm) {
        FitForm(HostForm);
    }
}

namespace {

bool ShowsNoValue(const QString& text) {
    return text == QLatin1String("(NULL)") || text == QLatin1String("(NOTDONE)");
}

}  // namespace

bool TSNMPEditorPanel::SetClick(QDialog* dialog) {
    CvSNMPVarList& vars = Binding->Request->Vars;
    QWidget* const owner = dialog != nullptr ? static_cast<QWidget*>(dialog) : window();
    // Unchecked rows are not written, nor rows that still show the absence of a
    // value: "(NULL)" and "(NOTDONE)" are no values to send.
    CvExcludedItems excluded(vars);
    bool anyRow = false;
    for (std::int32_t i = 0; i < Editor->RowCount(); ++i) {
        const TEditRow& row = Editor->Rows[static_cast<std::size_t>(i)];
        if (!row.SelectBox->isChecked() || ShowsNoValue(Editor->RowText(i))) {
            excluded.Exclude(i);
        } else {
            anyRow = true;
        }
    }
    bool empty = !anyRow;
    for (std::int32_t i = 0; i < Editor->RowCount() && !empty; ++i) {
        empty = !excluded.Excluded(i) && Editor->IsRowEmpty(i);
    }
    if (empty) {
        CvMessageBox::Warning(owner, "Some items are empty!");
        return false;
    }
    // What the user typed is checked as its syntax converts it, before
    // anything is sent; a refusal leaves the row as typed, with the focus.
    // Choices and the parts of a row panel are converted by their bindings.
    for (std::int32_t i = 0; i < Editor->RowCount(); ++i) {
        const TEditRow& row = Editor->Rows[static_cast<std::size_t>(i)];
        if (excluded.Excluded(i) || dynamic_cast<Edit*>(row.ValueControl) == nullptr) {
            continue;
        }
        const CvSNMPVar& item = vars.Item(i);
        const std::string text = Editor->RowText(i).toStdString();
        const CvValueRefusal refusal = RefuseValueText(
            item.Syntax, item.Options != nullptr ? item.Options->LabelToValue(text) : text);
        if (refusal) {
            CvMessageBox::Plain(owner, QString::fromStdString(refusal.Message));
            row.ValueControl->setFocus(Qt::OtherFocusReason);
            return false;
        }
    }

    const CvBlockingMode blocking(*Binding);  // the write completes before anything else happens
    try {
        Binding->GatherValues();
    } catch (const CvException& e) {
        CvMessageBox::Plain(owner, QString::fromStdString(e.Message()));
        return false;
    } catch (const std::exception& e) {
        CvMessageBox::Plain(owner, QString::fromUtf8(e.what()));
        return false;
    }
    bool written = false;
    Guarded([&] {
        Binding->Set(false, false);
        written = true;
    });
    // A dialog closes only once its values are on the device; a refusal
    // stays in its message area beside what was typed.
    if (written && dialog != nullptr) {
        dialog->accept();
    }
    return written;
}

void TSNMPEditorPanel::CheckAll(TCtrlBtnPanel* buttons) {
    for (const TEditRow& row : Editor->Rows) {
        if (row.SelectBox->isEnabledTo(row.SelectBox->parentWidget())) {
            row.SelectBox->setChecked(true);
        }
    }
    buttons->SetButton->setEnabled(Editor->CheckedSelectCount() > 0);
}

void TSNMPEditorPanel::ClearChecks(TCtrlBtnPanel* buttons) {
    for (const TEditRow& row : Editor->Rows) {
        if (row.SelectBox->isEnabledTo(row.SelectBox->parentWidget())) {
            row.SelectBox->setChecked(false);
        }
    }
    buttons->SetButton->setEnabled(Editor->CheckedSelectCount() > 0);
}
