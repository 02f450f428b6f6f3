#include "CvSNMPRequest2Edits.h"

#include <QLabel>

#include <algorithm>

#include "CvCatalogues.h"
#include "CvEditConstraint.h"
#include "CvEditFields.h"
#include "CvException.h"
#include "CvFormatSpec.h"
#include "CvNumList.h"
#include "CvOptionControls.h"
#include "CvOptionList.h"
#include "CvPackedField.h"
#include "CvPortBits.h"
#include "Edit.h"

namespace {

const char kNull[] = "(NULL)";
const char kNotDone[] = "(NOTDONE)";

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

std::string S(const QString& text) {
    return text.toStdString();
}

bool IsBooleanSyntax(std::uint32_t syntax) {
    return syntax == CvSyntax::boolean || syntax == CvSyntax::bool8 || syntax == CvSyntax::bool16;
}

std::vector<QWidget*> Widgets(const std::vector<Edit*>& edits) {
    return {edits.begin(), edits.end()};
}

}  // namespace

CvSNMPRequest2Edits::CvSNMPRequest2Edits(QWidget* owner)
    : CvSNMPRequest2Controls(owner), Constraints(std::make_unique<CvEditConstraint>(owner, true)) {}

CvSNMPRequest2Edits::~CvSNMPRequest2Edits() {
    // Controls that outlive the binding get their own handlers back.
    for (Binding& binding : Bindings) {
        RestoreHandlers(binding);
    }
    if (List) {
        List->OnSelectItem = SavedSelectItem;
    }
}

CvSNMPRequest2Edits::Binding& CvSNMPRequest2Edits::AddBinding(
    std::int32_t itemIndex, std::int32_t offset, std::uint32_t syntax, const CvOptionList* options,
    const std::vector<QWidget*>& controls) {
    Binding binding;
    binding.ItemIndex = itemIndex;
    binding.Offset = offset;
    binding.Syntax = syntax;
    binding.Options = options;
    binding.ControlCount = static_cast<std::int32_t>(controls.size());
    binding.Controls.assign(controls.begin(), controls.end());
    CheckListControl(binding);
    ChainHandlers(binding);
    Bindings.push_back(std::move(binding));
    return Bindings.back();
}

const CvOptionList* CvSNMPRequest2Edits::AppliedOptions(const Binding& binding) const {
    if (binding.Options != nullptr) {
        return binding.Options;
    }
    const CvSNMPVar& item = Request->Vars.Item(binding.ItemIndex);
    const bool wholeValue = binding.Offset == 0 && binding.Syntax == item.Syntax;
    return wholeValue ? item.Options : nullptr;
}

void CvSNMPRequest2Edits::CheckListControl(const Binding& binding) const {
    QWidget* control = binding.Controls.front().data();
    auto* combo = dynamic_cast<ComboBox*>(control);
    if (combo == nullptr && dynamic_cast<RadioGroup*>(control) == nullptr) {
        return;
    }
    const CvOptionList* options = AppliedOptions(binding);
    if (options == nullptr) {
        CvRaise(kErrNoOptionList);
    }
    if (combo != nullptr && options->Kind == CvOptionList::kPrefixKind && !binding.Companion) {
        CvRaise(kErrTooFewControls);
    }
}

void CvSNMPRequest2Edits::ChainHandlers(Binding& binding) {
    binding.SavedHandlers.resize(binding.Controls.size());
    for (std::size_t k = 0; k < binding.Controls.size(); ++k) {
        SavedHandler& saved = binding.SavedHandlers[k];
        // The binding takes the event and passes it on to what the window had.
        if (auto* combo = dynamic_cast<ComboBox*>(binding.Controls[k].data())) {
            saved.Change = combo->OnChange;
            combo->OnChange = [handler = saved.Change](ComboBox& sender) {
                if (handler) {
                    handler(sender);
                }
            };
        } else if (auto* group = dynamic_cast<RadioGroup*>(binding.Controls[k].data())) {
            saved.RadioClick = group->OnClick;
            group->OnClick = [handler = saved.RadioClick](RadioGroup& sender) {
                if (handler) {
                    handler(sender);
                }
            };
        } else if (auto* box = dynamic_cast<CheckBox*>(binding.Controls[k].data())) {
            saved.CheckClick = box->OnClick;
            box->OnClick = [handler = saved.CheckClick](CheckBox& sender) {
                if (handler) {
                    handler(sender);
                }
            };
        }
    }
}

void CvSNMPRequest2Edits::RestoreHandlers(Binding& binding) {
    for (std::size_t k = 0; k < binding.Controls.size() && k < binding.SavedHandlers.size(); ++k) {
        QWidget* control = binding.Controls[k];
        if (auto* combo = dynamic_cast<ComboBox*>(control)) {
            combo->OnChange = binding.SavedHandlers[k].Change;
        } else if (auto* group = dynamic_cast<RadioGroup*>(control)) {
            group->OnClick = binding.SavedHandlers[k].RadioClick;
        } else if (auto* box = dynamic_cast<CheckBox*>(control)) {
            box->OnClick = binding.SavedHandlers[k].CheckClick;
        } else if (auto* edit = dynamic_cast<Edit*>(control)) {
            Constraints->Detach(edit);
        }
    }
}

void CvSNMPRequest2Edits::BindControl(std::int32_t itemIndex, QWidget* control) {
    const CvSNMPVar& item = Request->Vars.Item(itemIndex);
    AddBinding(itemIndex, 0, item.Syntax, nullptr, {control});
}

void CvSNMPRequest2Edits::BindList(std::int32_t itemIndex, QWidget* comboBoxOrRadioGroup) {
    if (auto* combo = dynamic_cast<ComboBox*>(comboBoxOrRadioGroup)) {
        combo->MakeDropDownList();
    }
    BindControl(itemIndex, comboBoxOrRadioGroup);
}

void CvSNMPRequest2Edits::BindPart(std::int32_t itemIndex, std::int32_t offset,
                                   std::uint32_t syntax, const CvOptionList* options,
                                   QWidget* control, Edit* companionEdit) {
    Request->Vars.Item(itemIndex);  // an unknown item raises before anything changes
    if (auto* combo = dynamic_cast<ComboBox*>(control)) {
        combo->MakeDropDownList();
    }
    Binding binding;
    binding.ItemIndex = itemIndex;
    binding.Offset = offset;
    binding.Syntax = syntax;
    binding.Options = options;
    binding.Controls.emplace_back(control);
    if (companionEdit != nullptr) {
        binding.Controls.emplace_back(companionEdit);
        binding.Companion = true;
    }
    binding.ControlCount = static_cast<std::int32_t>(binding.Controls.size());
    CheckListControl(binding);
    ChainHandlers(binding);
    Bindings.push_back(std::move(binding));
}

void CvSNMPRequest2Edits::BindFormatted(std::int32_t itemIndex, const std::string& format,
                                        const std::vector<Edit*>& edits) {
    const CvSNMPVar& item = Request->Vars.Item(itemIndex);
    BindPartFormatted(itemIndex, 0, item.Syntax, nullptr, format, edits);
}

void CvSNMPRequest2Edits::BindPartFormatted(std::int32_t itemIndex, std::int32_t offset,
                                            std::uint32_t syntax, const CvOptionList* options,
                                            const std::string& format,
                                            const std::vector<Edit*>& edits) {
    Request->Vars.Item(itemIndex);
    const auto count = static_cast<std::size_t>(std::max(CountFormatControls(format), 1));
    if (edits.size() < count) {
        CvRaise(kErrTooFewControls);
    }
    const std::vector<Edit*> taken(edits.begin(), edits.begin() + static_cast<long>(count));
    Constraints->Attach(format, taken);
    AddBinding(itemIndex, offset, syntax, options, Widgets(taken));
}

void CvSNMPRequest2Edits::BindBits(std::int32_t itemIndex, const std::string& positions,
                                   const std::vector<QWidget*>& checkBoxes) {
    const CvSNMPVar& item = Request->Vars.Item(itemIndex);
    BindPartBits(itemIndex, 0, item.Syntax, nullptr, positions, checkBoxes);
}

void CvSNMPRequest2Edits::BindPartBits(std::int32_t itemIndex, std::int32_t offset,
                                       std::uint32_t syntax, const CvOptionList* options,
                                       const std::string& positions,
                                       const std::vector<QWidget*>& checkBoxes) {
    Request->Vars.Item(itemIndex);
    CvNumList<std::int32_t> bits(',');
    bits.Parse(positions);
    if (bits.Count() < static_cast<std::int32_t>(checkBoxes.size())) {
        CvRaise(kErrTooFewControls);
    }
    Binding& binding = AddBinding(itemIndex, offset, syntax, options, checkBoxes);
    for (std::size_t k = 0; k < checkBoxes.size(); ++k) {
        binding.BitPositions.push_back(bits.Values[k]);
    }
}

void CvSNMPRequest2Edits::Unbind(std::int32_t itemIndex) {
    for (auto it = Bindings.begin(); it != Bindings.end();) {
        if (it->ItemIndex == itemIndex) {
            RestoreHandlers(*it);
            it = Bindings.erase(it);
        } else {
            ++it;
        }
    }
}

void CvSNMPRequest2Edits::SetConstraintOwner(QWidget* control) {
    Constraints->SetOwner(control);
}

void CvSNMPRequest2Edits::EnableControls(bool enabled) {
    for (const Binding& binding : Bindings) {
        for (const QPointer<QWidget>& control : binding.Controls) {
            if (control) {
                control->setEnabled(enabled);
            }
        }
    }
}

void CvSNMPRequest2Edits::ValuesToControls(std::int32_t itemIndex) {
    for (const Binding& binding : Bindings) {
        if ((itemIndex >= 0 && binding.ItemIndex != itemIndex) ||
            (Request->Vars.Item(binding.ItemIndex).Access & CvAccess::invalid) != 0) {
            continue;
        }
        ShowInControls(binding);
    }
}

void CvSNMPRequest2Edits::ShowInControls(const Binding& binding) {
    const CvSNMPVar& item = Request->Vars.Item(binding.ItemIndex);
    std::string text = item.Value;
    if (item.Options != nullptr) {
        text = item.Options->LabelToValue(text);
    }
    const bool whole = binding.Offset == 0 && binding.Syntax == item.Syntax;
    QWidget* control = binding.Controls.front().data();
    const bool editGroup = binding.Controls.size() > 1 && dynamic_cast<Edit*>(control) != nullptr;
    // Bytes are needed for parts, bit groups and edit groups only: a whole
    // value in one control is shown as its text. A column that ended early
    // holds no value, as "(NULL)" does.
    std::string bytes;
    if (!whole || !binding.BitPositions.empty() || editGroup) {
        bytes = TextToField(item.Syntax, text == kNotDone ? kNull : text);
        if (!whole) {
            bytes = ExtractField(bytes, binding.Offset, binding.Syntax);
            text = FieldToText(binding.Syntax, bytes);
        }
    }
    const CvOptionList* options = AppliedOptions(binding);
    if (options != nullptr) {
        text = options->ValueToLabel(text);
    }

    if (!binding.BitPositions.empty()) {
        for (std::size_t k = 0; k < binding.Controls.size(); ++k) {
            if (auto* box = dynamic_cast<QCheckBox*>(binding.Controls[k].data())) {
                box->setChecked(PortBit(bytes, binding.BitPositions[k]));
            }
        }
    } else if (auto* box = dynamic_cast<QCheckBox*>(control)) {
        if (options != nullptr) {
            box->setChecked(options->SelectionIndex(text) >= 1);
        } else if (IsBooleanSyntax(binding.Syntax)) {
            box->setChecked(text == "true");
        } else {
            CvRaise(kErrBadPartialSyntax);
        }
    } else if (auto* combo = dynamic_cast<ComboBox*>(control)) {
        SelectText(*options, *combo, text);
        if (binding.Companion && binding.Controls[1]) {
            std::size_t cut = combo->currentIndex() >= 0 ? S(combo->currentText()).size() : 0;
            if (binding.Syntax == CvSyntax::objectid && cut > 0) {
                ++cut;  // the "." joining the label's value to the rest
            }
            auto* companion = static_cast<QLineEdit*>(binding.Controls[1].data());
            companion->setText(Q(cut < text.size() ? text.substr(cut) : std::string()));
        }
    } else if (auto* group = dynamic_cast<RadioGroup*>(control)) {
        SelectText(*options, *group, text);
    } else if (editGroup) {
        if (item.Value == kNull && EditFieldsKeepOnNull(binding.Syntax)) {
            return;
        }
        const std::vector<std::string> fields =
            EditFieldsOfValue(binding.Syntax, bytes, text, binding.Controls.size());
        for (std::size_t k = 0; k < binding.Controls.size(); ++k) {
            ShowInEdit(static_cast<QLineEdit*>(binding.Controls[k].data()), fields[k]);
        }
    } else if (auto* edit = dynamic_cast<QLineEdit*>(control)) {
        ShowInEdit(edit, text);
    } else if (auto* label = dynamic_cast<QLabel*>(control)) {
        label->setText(Q(text));
    } else {
        CvRaise(kErrBadControlType);
    }
}

// A value shown is what a refused entry puts back, not an older one.
void CvSNMPRequest2Edits::ShowInEdit(QLineEdit* edit, const std::string& text) {
    edit->setText(Q(text));
    if (auto* constrained = dynamic_cast<Edit*>(edit)) {
        Constraints->SaveText(constrained);
    }
}

void CvSNMPRequest2Edits::ControlsToValues(std::int32_t itemIndex) {
    CvSNMPVarList& vars = Request->Vars;
    for (std::int32_t i = 0; i < vars.GetCount(); ++i) {
        if ((itemIndex >= 0 && i != itemIndex) || !vars.IsWritable(i)) {
            continue;
        }
        CvSNMPVar& item = vars.Item(i);
        bool bound = false;
        std::string bytes;
        for (const Binding& binding : Bindings) {
            if (binding.ItemIndex != i) {
                continue;
            }
            if (!bound && item.Syntax != CvSyntax::displaystr) {
                // The parts of a value not read go onto a zero field.
                const std::string text =
                    item.Options != nullptr ? item.Options->LabelToValue(item.Value) : item.Value;
                bytes = TextToField(item.Syntax, text == kNotDone ? "" : text);
            }
            bound = true;
            const std::string part = ReadPart(binding);
            if (binding.Offset == 0 && binding.Syntax == item.Syntax) {
                bytes = part;  // a whole value leaves nothing of the old one behind
                continue;
            }
            const auto offset = static_cast<std::size_t>(std::max(binding.Offset, 0));
            if (bytes.size() < offset + part.size()) {
                bytes.resize(offset + part.size(), '\0');
            }
            bytes.replace(offset, part.size(), part);
        }
        if (bound) {
            std::string text = FieldToText(item.Syntax, bytes);
            item.Value = item.Options != nullptr ? item.Options->ValueToLabel(text) : text;
        }
    }
}

// The bytes one binding's controls hold.
std::string CvSNMPRequest2Edits::ReadPart(const Binding& binding) const {
    QWidget* control = binding.Controls.front().data();
    const CvOptionList* options = AppliedOptions(binding);
    if (!binding.BitPositions.empty()) {
        std::vector<bool> states;
        for (const QPointer<QWidget>& box : binding.Controls) {
            auto* check = dynamic_cast<QCheckBox*>(box.data());
            states.push_back(check != nullptr && check->isChecked());
        }
        return BuildPortBitmap(binding.BitPositions, states);
    }
    const bool editGroup = binding.Controls.size() > 1 && dynamic_cast<Edit*>(control) != nullptr;
    if (editGroup) {
        std::vector<std::string> fields;
        for (const QPointer<QWidget>& edit : binding.Controls) {
            fields.push_back(S(static_cast<QLineEdit*>(edit.data())->text()));
        }
        return FieldOfEditFields(binding.Syntax, fields);
    }
    std::string text;
    if (auto* box = dynamic_cast<QCheckBox*>(control)) {
        if (options != nullptr) {
            const std::int32_t pair = box->isChecked() ? 1 : 0;
            text = pair < options->Count() ? options->Pair(pair).Label : std::string();
        } else if (IsBooleanSyntax(binding.Syntax)) {
            text = box->isChecked() ? "true" : "false";
        } else {
            CvRaise(kErrBadPartialSyntax);
        }
    } else if (auto* combo = dynamic_cast<ComboBox*>(control)) {
        text = combo->currentIndex() >= 0 ? S(combo->currentText()) : std::string();
        if (binding.Companion && binding.Controls[1]) {
            const std::string rest = S(static_cast<QLineEdit*>(binding.Controls[1].data())->text());
            if (binding.Syntax == CvSyntax::objectid && !rest.empty()) {
                text += '.';
            }
            text += rest;
        }
    } else if (auto* group = dynamic_cast<RadioGroup*>(control)) {
        const int index = group->ItemIndex();
        text = index >= 0 ? S(group->Items()[index]) : std::string();
    } else if (auto* edit = dynamic_cast<QLineEdit*>(control)) {
        text = S(edit->text());
    } else if (auto* label = dynamic_cast<QLabel*>(control)) {
        text = S(label->text());
    } else {
        CvRaise(kErrBadControlType);
    }
    if (options != nullptr) {
        text = options->LabelToValue(text);
    }
    return TextToField(binding.Syntax, text);
}

void CvSNMPRequest2Edits::AttachListView(ListView* listView, bool autoEnable) {
    if (List) {
        List->OnSelectItem = SavedSelectItem;
    }
    List = listView;
    AutoEnable = autoEnable;
    SavedSelectItem = listView->OnSelectItem;
    listView->OnSelectItem = [this](ListView& sender, int line, bool selected) {
        ListSelectItem(sender, line, selected);
    };
    FItemColumns.clear();
    BuildColumns();
}

// Carried-hidden items first (zero width), then the shown ones, in list order.
void CvSNMPRequest2Edits::BuildColumns() {
    const CvSNMPVarList& vars = Request->Vars;
    if (!List || List->ColumnCount() >= vars.ShownCount() + vars.CarriedHiddenCount()) {
        return;
    }
    List->ClearColumns();
    for (std::int32_t i = 0; i < vars.GetCount(); ++i) {
        if (vars.IsCarriedHidden(i)) {
            List->AddColumn(Q(vars.Item(i).Label), 0);
        }
    }
    for (std::int32_t i = 0; i < vars.GetCount(); ++i) {
        if (vars.IsShown(i) && !vars.IsCarriedHidden(i)) {
            List->AddColumn(Q(vars.Item(i).Label), -1);
        }
    }
    // Pages exclude or hide items between a read and the next write; the
    // lines keep the layout they were built with.
    FItemColumns.clear();
    for (std::int32_t i = 0; i < vars.GetCount(); ++i) {
        FItemColumns.push_back(LayoutColumnOfItem(i));
    }
}

int CvSNMPRequest2Edits::ColumnOfItem(std::int32_t itemIndex) const {
    if (FItemColumns.size() == static_cast<std::size_t>(Request->Vars.GetCount())) {
        return FItemColumns[static_cast<std::size_t>(itemIndex)];
    }
    return LayoutColumnOfItem(itemIndex);
}

int CvSNMPRequest2Edits::LayoutColumnOfItem(std::int32_t itemIndex) const {
    const CvSNMPVarList& vars = Request->Vars;
    const bool hidden = vars.IsCarriedHidden(itemIndex);
    if (!hidden && !vars.IsShown(itemIndex)) {
        return -1;
    }
    int column = hidden ? 0 : vars.CarriedHiddenCount();
    for (std::int32_t i = 0; i < itemIndex; ++i) {
        column += hidden ? vars.IsCarriedHidden(i) : vars.IsShown(i) && !vars.IsCarriedHidden(i);
    }
    return column;
}

void CvSNMPRequest2Edits::CopyLineToValues(int line) {
    CvSNMPVarList& vars = Request->Vars;
    const QStringList texts = List->LineTexts(line);
    for (std::int32_t i = 0; i < vars.GetCount(); ++i) {
        const int column = ColumnOfItem(i);
        if (column >= 0 && column < texts.size()) {
            vars.Item(i).Value = S(texts[column]);
        }
    }
}

void CvSNMPRequest2Edits::BeforeRead() {
    if (List) {
        BuildColumns();
        List->ClearLines();
    }
}

void CvSNMPRequest2Edits::OnRow() {
    if (!List) {
        ValuesToControls(-1);
        return;
    }
    const CvSNMPVarList& vars = Request->Vars;
    QStringList texts;
    for (std::int32_t i = 0; i < vars.GetCount(); ++i) {
        if (vars.IsCarriedHidden(i)) {
            texts << Q(vars.Item(i).Value);
        }
    }
    for (std::int32_t i = 0; i < vars.GetCount(); ++i) {
        if (vars.IsShown(i) && !vars.IsCarriedHidden(i)) {
            texts << Q(vars.Item(i).Value);
        }
    }
    List->AddLine(texts);
}

void CvSNMPRequest2Edits::GatherValues() {
    CvSNMPVarList& vars = Request->Vars;
    for (std::int32_t i = 0; i < vars.GetCount(); ++i) {
        vars.Item(i).Value.clear();
    }
    if (List && List->SelectedLine() >= 0) {
        CopyLineToValues(List->SelectedLine());
    }
    ControlsToValues(-1);
}

void CvSNMPRequest2Edits::AfterRead() {
    if (List && AutoEnable && Request->Vars.ItemType == MVT_FMV) {
        EnableControls(false);  // until a line is selected
    }
}

void CvSNMPRequest2Edits::ListSelectItem(ListView& sender, int line, bool selected) {
    if (SavedSelectItem) {
        SavedSelectItem(sender, line, selected);
    }
    if (!selected) {
        return;
    }
    if (AutoEnable) {
        EnableControls(true);
    }
    CopyLineToValues(line);
    ValuesToControls(-1);
}
