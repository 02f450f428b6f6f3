#include "MethodListDialogs.h"

#include <QPushButton>

#include "ComboBox.h"
#include "CvMessageBox.h"
#include "CvOptionList.h"
#include "DialogOptions.h"
#include "Edit.h"
#include "ListView.h"

namespace {

using namespace CvSyntax;
using namespace dialog_options;

constexpr int kStatusItem = 9;
// Every column but method 1's type: what a delete leaves out.
const std::set<int> kDeleteExcluded{2, 3, 4, 5, 6, 7, 8};

const CvIntOptionPair kLoginMethodPairs[] = {{1, "tacacs"}, {2, "xtacacs"},      {3, "tacacs-plus"},
                                             {4, "radius"}, {5, "server-group"}, {6, "local"},
                                             {8, "none"},   {9, "other"},        {0, nullptr}};
const CvOptionList kLoginMethod(kLoginMethodPairs);
const CvIntOptionPair kEnableMethodPairs[] = {
    {1, "tacacs"},       {2, "xtacacs"}, {3, "tacacs-plus"}, {4, "radius"}, {5, "server-group"},
    {7, "local-enable"}, {8, "none"},    {9, "other"},       {0, nullptr}};
const CvOptionList kEnableMethod(kEnableMethodPairs);

#define LOGIN "1.3.6.1.4.1.99917.12.5.3.1."
const CvSNMPVarDesc kLoginTable[] = {
    {LOGIN "1", "AAC Login Method List Name", displaystr, kIndex},
    {LOGIN "2", "Method1 Type", integer, kRw, &kLoginMethod},
    {LOGIN "3", "Method1 ServerGroup", displaystr, kRw},
    {LOGIN "4", "Method2 Type", integer, kRw, &kLoginMethod},
    {LOGIN "5", "Method2 ServerGroup", displaystr, kRw},
    {LOGIN "6", "Method3 Type", integer, kRw, &kLoginMethod},
    {LOGIN "7", "Method3 ServerGroup", displaystr, kRw},
    {LOGIN "8", "Method4 Type", integer, kRw, &kLoginMethod},
    {LOGIN "9", "Method4 ServerGroup", displaystr, kRw},
    {LOGIN "10", "MethodList RowStatus", integer, kRw, &kRowStatus},
    {}};
#undef LOGIN

#define ENABLE "1.3.6.1.4.1.99917.12.5.4.1."
const CvSNMPVarDesc kEnableTable[] = {
    {ENABLE "1", "Enable MethodList Name", displaystr, kIndex},
    {ENABLE "2", "Enable Method1 Type", integer, kRw, &kEnableMethod},
    {ENABLE "3", "Enable Method1 ServerGroup", displaystr, kRw},
    {ENABLE "4", "Enable Method2 Type", integer, kRw, &kEnableMethod},
    {ENABLE "5", "Enable Method2 ServerGroup", displaystr, kRw},
    {ENABLE "6", "Enable Method3Type", integer, kRw, &kEnableMethod},
    {ENABLE "7", "Enable Method3 ServerGroup", displaystr, kRw},
    {ENABLE "8", "Enable Method4 Type", integer, kRw, &kEnableMethod},
    {ENABLE "9", "Enable Method4 ServerGroup", displaystr, kRw},
    {ENABLE "10", "Enable MethodList RowStatus", integer, kRw, &kRowStatus},
    {}};
#undef ENABLE

struct TMethodNames {
    const char* Name;
    std::array<const char*, 4> Types;
    std::array<const char*, 4> Groups;
};

const TMethodNames kLoginNames{"ListnameEdit",
                               {"ComboBoxType1", "ComboBoxType2", "ComboBoxType3", "ComboBoxType4"},
                               {"Server1Edit", "Server2Edit", "Server3Edit", "Server4Edit"}};
const TMethodNames kEnableNames{
    "NameEdit",
    {"Type1ComboBox", "Type2ComboBox", "Type3ComboBox", "Type4ComboBox"},
    {"ServerGroupEdit1", "ServerGroupEdit2", "ServerGroupEdit3", "ServerGroupEdit4"}};

// Name and RowStatus, then a type and its group to a line; labelled as the columns.
std::vector<TDialogField> MethodFields(const CvSNMPVarDesc* table, const TMethodNames& names) {
    std::vector<TDialogField> fields{
        {0, 0, TFieldKind::Edit, names.Name, table[0].Label, "%s{l15}"},
        {0, kStatusItem, TFieldKind::Combo, "RowComboBox", table[kStatusItem].Label}};
    for (int k = 0; k < 4; ++k) {
        const int type = 2 * k + 1;
        fields.push_back({0, type, TFieldKind::Combo, names.Types[k], table[type].Label});
        fields.push_back(
            {0, type + 1, TFieldKind::Edit, names.Groups[k], table[type + 1].Label, "%s{l15}"});
    }
    return fields;
}

// A group goes with a "server-group" method only; a method without a type
// or "other" sends nothing.
TColumnChoice MethodChoice(const std::array<const char*, 4>& types) {
    TColumnChoice choice{{{}, {2, 4, 6, 8}}};
    for (int k = 0; k < 4; ++k) {
        const int type = 2 * k + 1;
        choice.push_back({{Reads(types[k], "server-group")}, {}, {type + 1}});
        choice.push_back({{IsEmpty(types[k])}, {type}});
        choice.push_back({{Reads(types[k], "other")}, {type}});
    }
    return choice;
}

TTableDialogDecl MethodWindow(const char* name, const char* caption, bool withDevice,
                              const CvSNMPVarDesc* table, const TMethodNames& names) {
    return {.Name = name,
            .Caption = caption,
            .Width = 640,
            .Height = 520,
            .CaptionWithDevice = withDevice,
            .Buttons = AuthTableButtons(),
            .Requests = {{table, MVT_UMV, 1, "ListView1", true, 0}},
            .Fields = MethodFields(table, names),
            .StatusItem = kStatusItem,
            .KeyField = names.Name,
            .StatusBarOutput = true,
            .CountName = "StaticText1",
            .CountLabelName = nullptr};
}

const TTableDialogDecl kLoginWindow =
    MethodWindow("LoginMethodListForm", "Login Method List: ", true, kLoginTable, kLoginNames);
const TTableDialogDecl kEnableWindow =
    MethodWindow("EnableMethodForm", "Enable Method List", false, kEnableTable, kEnableNames);

const TMethodListDecl kLogin{
    .Window = kLoginWindow,
    .TypeCombos = kLoginNames.Types,
    .GroupEdits = kLoginNames.Groups,
    .NameMissing = "AAC Login Method List Name must be set.",
    .Duplicate =
        "Has already a record with the same Login Method List Name. Please Change Login "
        "Method List Name.",
    .Choice = MethodChoice(kLoginNames.Types)};
const TMethodListDecl kEnable{
    .Window = kEnableWindow,
    .TypeCombos = kEnableNames.Types,
    .GroupEdits = kEnableNames.Groups,
    .NameMissing = "Enable MethodList Name must be set.",
    .Duplicate =
        "Has already a record with the same Enable MethodList Name. Please Change Enable "
        "MethodList Name.",
    .Choice = MethodChoice(kEnableNames.Types)};

const char kIneffective[] =
    "Method(s) after method local and none is(are) ineffective. Do you want to change your "
    "configurations?";

}  // namespace

TMethodListForm::TMethodListForm(const TDialogContext& context, const TMethodListDecl& methods)
    : TAuthTableForm(context, methods.Window,
                     {methods.GroupEdits.begin(), methods.GroupEdits.end()}, {}),
      Methods(methods) {
    for (int k = 0; k < 4; ++k) {
        // A choice of the user's, not a row shown.
        connect(Combo(methods.TypeCombos[k]), &QComboBox::activated, this,
                [this, k] { TypeChange(k); });
    }
}

void TMethodListForm::TypeChange(int k) {
    TypeRule(k, false);
}

void TMethodListForm::TypeRule(int k, bool keepGroup) {
    const bool serverGroup = Combo(Methods.TypeCombos[k])->currentIndex() == kServerGroupEntry;
    auto* group = static_cast<Edit*>(Field(Methods.GroupEdits[k]));
    group->setEnabled(serverGroup);
    if (!(keepGroup && serverGroup)) {
        group->clear();
    }
}

void TMethodListForm::Reset() {
    TAuthTableForm::Reset();
    for (int k = 0; k < 4; ++k) {
        TypeRule(k, false);
    }
}

void TMethodListForm::RowChosen() {
    TAuthTableForm::RowChosen();
    if (List->Caption(List->SelectedLine()) == "default") {
        Button(TDialogAction::Delete)->setEnabled(false);
    }
    // The row's group names stay, so that an Edit without retyping keeps them.
    for (int k = 0; k < 4; ++k) {
        TypeRule(k, true);
    }
}

int TMethodListForm::Position(int k) const {
    const ComboBox* type = Combo(Methods.TypeCombos[k]);
    const QString text = type->currentText();
    return text.isEmpty() || text == "other" ? -1 : type->currentIndex();
}

bool TMethodListForm::MethodsConfirmed(std::set<int>& excluded) {
    int cut = 0;
    while (cut < 4 && Position(cut) != kLocalEntry && Position(cut) != kNoneEntry) {
        ++cut;
    }
    bool later = false;
    for (int k = cut + 1; k < 4; ++k) {
        later = later || Position(k) >= 0;
    }
    if (!later) {
        return true;
    }
    if (CvMessageBox::Ask(this, kIneffective)) {
        return false;  // the user changes them; the controls keep what was chosen
    }
    for (int k = cut + 1; k < 4; ++k) {
        excluded.insert({2 * k + 1, 2 * k + 2});
    }
    return true;
}

void TMethodListForm::AddBtnClick() {
    Edit* name = static_cast<Edit*>(Field(Decl.KeyField));
    if (name->text().isEmpty()) {
        Refuse(name, Methods.NameMissing);
        return;
    }
    if (Listed({name->text()})) {
        Refuse(name, Methods.Duplicate);
        return;
    }
    std::set<int> excluded = ExcludedColumns(*this, Methods.Choice);
    if (CreatesRow() && MethodsConfirmed(excluded)) {
        WriteAndReread(excluded);
    }
}

void TMethodListForm::SetBtnClick() {
    if (TextOf(Decl.KeyField).isEmpty()) {
        Refuse(nullptr, Methods.NameMissing);
        return;
    }
    if (StatusCombo()->currentIndex() == kDestroyEntry) {
        WriteAndReread(kDeleteExcluded);
        return;
    }
    std::set<int> excluded = ExcludedColumns(*this, Methods.Choice);
    if (MethodsConfirmed(excluded)) {
        excluded.insert(kStatusItem);
        WriteAndReread(excluded);
    }
}

void TMethodListForm::DeleteBtnClick() {
    DeleteRow(kDeleteExcluded);
}

TLoginMethodListForm::TLoginMethodListForm(const TDialogContext& context)
    : TMethodListForm(context, kLogin) {}

TEnableMethodForm::TEnableMethodForm(const TDialogContext& context)
    : TMethodListForm(context, kEnable) {}
