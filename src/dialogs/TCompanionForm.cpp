#include "TCompanionForm.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ColumnChoice.h"
#include "ComboBox.h"
#include "CvMessageBox.h"
#include "CvModal.h"
#include "CvOptionControls.h"
#include "Edit.h"
#include "ListView.h"
#include "TDialogChecks.h"

namespace {

const char kBusyRefusal[] = "Get data not complete";

// A field row and the frame with the button row; large fonts a quarter more.
constexpr int kWidth = 340;
constexpr int kFrameHeight = 70;
constexpr int kRowHeight = 34;
constexpr double kLargeFontScale = 1.25;

}  // namespace

TCompanionForm::TCompanionForm(TCompanionListForm& owner, const TCompanionDecl& decl)
    : QDialog(&owner), Owner(owner), Decl(decl) {
    setObjectName(decl.Name);
    setWindowTitle(decl.Caption);
    auto* grid = new QGridLayout;
    int row = 0;
    for (const TDialogField& field : decl.Fields) {
        QWidget* control = nullptr;
        if (field.Kind == TFieldKind::Combo) {
            auto* combo = new ComboBox(this);
            combo->MakeDropDownList();
            for (const char* item : field.Items) {
                combo->addItem(item);
            }
            control = combo;
        } else {
            control = new Edit(this);
        }
        control->setObjectName(field.Name);
        control->setEnabled(!field.ReadOnly);
        auto* label = new QLabel(field.Label, this);
        label->setBuddy(control);
        grid->addWidget(label, row, 0);
        grid->addWidget(control, row, 1);
        ++row;
    }
    grid->setColumnStretch(1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (const char* name : {decl.SetButton, decl.CloseButton}) {
        auto* button = new QPushButton(name == decl.SetButton ? "Set" : "Close", this);
        button->setObjectName(name);
        button->setAutoDefault(false);
        buttons->addWidget(button);
        connect(button, &QPushButton::clicked, this, [this, set = name == decl.SetButton] {
            if (set) {
                SetButtonClick();
            } else {
                reject();
            }
        });
    }
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addStretch(1);
    layout->addLayout(buttons);
    const double scale = owner.Context.LargeFonts ? kLargeFontScale : 1.0;
    resize(static_cast<int>(kWidth * scale),
           static_cast<int>((kFrameHeight + kRowHeight * row) * scale));
}

void TCompanionForm::BindTo(CvSNMPRequest2Edits& table) {
    for (const TDialogField& field : Decl.Fields) {
        if (field.Kind == TFieldKind::Combo) {
            ComboBox* combo = Combo(field.Name);
            if (const CvOptionList* options = table.Request->Vars.Item(field.Item).Options) {
                FillItems(*options, *combo);
            }
            table.BindList(field.Item, combo);
        } else {
            table.BindFormatted(field.Item, field.Format, {EditOf(field.Name)});
        }
    }
    // A selected row enables what it shows; the window decides as it opens.
    table.AutoEnable = false;
}

void TCompanionForm::ShowIn(int mode) {
    Mode = mode;
    FormActivate();
    CvModal::Exec(*this);
}

QWidget* TCompanionForm::Field(const char* name) const {
    return findChild<QWidget*>(name);
}

Edit* TCompanionForm::EditOf(const char* name) const {
    return findChild<Edit*>(name);
}

ComboBox* TCompanionForm::Combo(const char* name) const {
    return findChild<ComboBox*>(name);
}

QString TCompanionForm::TextOf(const char* name) const {
    return ShownText(*Field(name));
}

void TCompanionForm::SetButtonClick() {
    if (Validate() && Owner.WriteCompanionRow(Unsent(), true)) {
        accept();
    }
}

bool TCompanionForm::Refuse(QWidget* focus, const QString& text) {
    CvMessageBox::Information(this, text);
    if (focus != nullptr && focus->isEnabled()) {
        focus->setFocus();
    }
    return false;
}

bool TCompanionForm::Passes(const char* name, const QString& refusal) {
    return refusal.isEmpty() || Refuse(Field(name), refusal);
}

bool TCompanionForm::Passes(std::initializer_list<TCheck> checks) {
    for (const TCheck& check : checks) {
        if (!Passes(check.Control, check.Refusal)) {
            return false;
        }
    }
    return true;
}

int TCompanionForm::NumberIn(const char* edit) const {
    return IntOfText(TextOf(edit)).value_or(-1);
}

void TCompanionForm::Empty(std::initializer_list<const char*> edits) {
    for (const char* name : edits) {
        EditOf(name)->clear();
    }
}

void TCompanionForm::Show(const char* name, const QString& text, bool enabled) {
    Edit* edit = EditOf(name);
    edit->setText(text);
    edit->setEnabled(enabled);
}

void TCompanionForm::Choose(const char* combo, int entry, bool enabled) {
    ComboBox* box = Combo(combo);
    box->setCurrentIndex(entry);
    box->setEnabled(enabled);
}

// --- the list dialog ---------------------------------------------------------

TCompanionListForm::TCompanionListForm(const TDialogContext& context, const TTableDialogDecl& decl,
                                       const TRowRemoval* removal)
    : TTableDialog(context, decl), FRemoval(removal) {}

void TCompanionListForm::Adopt(TCompanionForm* companion) {
    Companion = companion;
    CvSNMPRequest2Edits& table = *Request(0);
    Guarded(table, [&] { companion->BindTo(table); });
}

void TCompanionListForm::AddThroughCompanion(int mode, const QString& caption) {
    if (!caption.isEmpty()) {
        Companion->setWindowTitle(caption);
    }
    Companion->ShowIn(mode);
    List->SelectLine(-1);
    SetRowButtons(false);
}

void TCompanionListForm::DeleteBtnClick() {
    if (FRemoval == nullptr) {
        return;  // rows of this table are not removed here
    }
    if (List->SelectedLine() < 0) {
        CvMessageBox::Information(this, "Choose the item first.");
        return;
    }
    if (Busy()) {
        CvMessageBox::Information(this, kBusyRefusal);
        return;
    }
    // The row's index values came into the companion as it was selected.
    Companion->Combo(FRemoval->StatusCombo)->setCurrentIndex(FRemoval->Entry);
    Attempt([&] { WriteExcluding(0, FRemoval->Unsent, true); });
    List->SelectLine(-1);
    SetRowButtons(false);
}

bool TCompanionListForm::WriteCompanionRow(const std::set<int>& unsent, bool settled) {
    CvSNMPRequest2Edits& table = *Request(0);
    if (!table.StopRunningRead()) {
        CvMessageBox::Information(Companion, kBusyRefusal);
        return false;
    }
    if (!settled) {
        return Attempt([&] { WriteExcluding(0, unsent, false); });
    }
    // Awaited even where the table is read asynchronously: what was entered
    // stays in the companion when the switch refuses it.
    const bool written = Attempt([&] {
        const CvBlockingMode blocking(table);
        WriteExcluding(0, unsent, false);
    });
    if (written) {
        Attempt([&] { table.Get(); });
    }
    return written;
}
