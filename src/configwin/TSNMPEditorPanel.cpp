#include "TSNMPEditorPanel.h"

#include <QDialog>
#include <QPushButton>

#include <stdexcept>
#include <vector>

#include "CheckBox.h"
#include "CvMessageBox.h"
#include "CvSNMPRequest2Edits.h"
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

void TSNMPEditorPanel::SetClick(QDialog* dialog) {
    CvSNMPVarList& vars = Binding->Request->Vars;
    const std::uint8_t mode = Binding->Mode;
    Binding->Mode = 0;  // the write completes before anything else happens
    std::vector<std::int32_t> excluded;
    bool empty = false;
    Guarded([&] {
        Binding->GatherValues();
        for (std::int32_t i = 0; i < Editor->RowCount(); ++i) {
            if (!Editor->Rows[static_cast<std::size_t>(i)].SelectBox->isChecked()) {
                vars.Item(i).Access |= CvAccess::invalid;
                excluded.push_back(i);
            }
        }
        for (std::int32_t i = 0; i < Editor->RowCount() && !empty; ++i) {
            empty = (vars.Item(i).Access & CvAccess::invalid) == 0 && Editor->IsRowEmpty(i);
        }
        if (empty) {
            CvMessageBox::Warning(window(), "Some items are empty!");
        } else {
            Binding->Set(false, false);
        }
    });
    for (const std::int32_t i : excluded) {
        vars.Item(i).Access &= ~CvAccess::invalid;
    }
    Binding->Mode = mode;
    if (!empty && dialog != nullptr) {
        dialog->accept();
    }
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
