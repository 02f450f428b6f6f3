#include "Ipv6AccessDialogs.h"

#include <QRadioButton>

#include "ComboBox.h"
#include "CvOptionList.h"
#include "DialogOptions.h"
#include "Edit.h"
#include "ListView.h"
#include "TDialogChecks.h"

namespace {

using namespace CvSyntax;
using namespace dialog_options;

constexpr int kAddressDigits = 32;
constexpr int kFlowLabelDigits = 8;
const char kAddressRefusal[] = "Invalid Ipv6 Address value";

const CvIntOptionPair kIpv6MaskStatePairs[] = {
    {1, "other"}, {2, "dst-ipv6-addr"}, {3, "src-ipv6-addr"}, {0, nullptr}};
const CvOptionList kIpv6MaskState(kIpv6MaskStatePairs);

enum ProfileItem { kClass = 1, kFlowLabel, kMaskState, kSourceMask, kDestinationMask, kStatus };

#define PROFILE "1.3.6.1.4.1.99917.12.9.2.4.1."
const CvSNMPVarDesc kProfileTable[] = {
    {PROFILE "1", "swACLIpv6MaskProfileID", integer, kIndex},
    {PROFILE "2", "swACLIpv6MaskClass", integer, kRw, &kEnableDisable},
    {PROFILE "3", "swACLIpv6MaskFlowlabel", integer, kRw, &kEnableDisable},
    {PROFILE "4", "swACLIpv6IpAddrMaskState", integer, kRw, &kIpv6MaskState},
    {PROFILE "5", "swACLIpv6MaskSrcIpv6Mask", ipv6address, kRw},
    {PROFILE "6", "swACLIpv6MaskDstIpv6Mask", ipv6address, kRw},
    {PROFILE "7", "swACLIpv6MaskRowStatus", integer, kRw, &kRowStatus},
    {}};
#undef PROFILE

const TTableDialogDecl kProfileWindow{
    .Name = "IPv6MaskInfoForm",
    .Caption = "IPv6 Mask Information",
    .Width = 640,
    .Height = 500,
    .Buttons = {{"GetButton", "Refresh", TDialogAction::Refresh},
                {"EditButton", "Edit", TDialogAction::Set},
                {"AddButton", "Add", TDialogAction::Add},
                {"DeleteButton", "Delete", TDialogAction::Delete}},
    .Requests = {{kProfileTable, MVT_UMV, 1, "ListView1", true, 0}},
    .Fields = {{0, 0, TFieldKind::Edit, "edtMaskID", "IPv6 Mask ID", "%i{n1x6l1}"},
               {0, kStatus, TFieldKind::Combo, "cbxStatus", "RowStatus"},
               {0, -1, TFieldKind::Option, "RadioButton1", "Mask Class and Flow label"},
               {0, -1, TFieldKind::Option, "RadioButton2", "Mask IPv6 Address"},
               {0, kClass, TFieldKind::Combo, "cbxMaskClass", "Mask Class"},
               {0, kMaskState, TFieldKind::Combo, "cbxMaskState", "Address Mask State"},
               {0, kFlowLabel, TFieldKind::Combo, "cbxMaskFlowlabel", "Mask Flow label"},
               {0, kSourceMask, TFieldKind::Edit, "edtSrcMask", "Source Mask", "%s{l32}"},
               {0, kDestinationMask, TFieldKind::Edit, "edtDstMask", "Destination Mask",
                "%s{l32}"}},
    .StatusItem = kStatus,
    .KeyField = "edtMaskID",
    .StatusBarOutput = true,
    .CountName = nullptr};

const TAccessProfileDecl kProfile{
    .Window = kProfileWindow,
    .IdMissing = "IPv6 Mask ID must be set.",
    .Duplicate = "There is already a record with the same IPv6 Mask ID. Please modify it.",
    .ValidateBeforeAdd = true,
    .StartEntries = {{"cbxMaskClass", 1},
                     {"cbxMaskFlowlabel", 1},
                     {"cbxMaskState", 0},
                     {"cbxStatus", kCreateAndGoEntry}},
    .ResetEdits = {"edtSrcMask", "edtDstMask"},
    .Choice = {{{Unchecked("RadioButton1")}, {kClass, kFlowLabel}},
               {{Unchecked("RadioButton2")}, {kMaskState, kSourceMask, kDestinationMask}},
               {{At("cbxMaskState", 0)}, {kSourceMask, kDestinationMask}},
               {{At("cbxMaskState", 1)}, {kSourceMask}},
               {{At("cbxMaskState", 2)}, {kDestinationMask}}}};

enum RuleItem { kRuleClass = 2, kRuleFlowLabel, kRuleSource, kRuleDestination };

#define RULE "1.3.6.1.4.1.99917.12.9.3.4.1."
const CvSNMPVarDesc kRuleTable[] = {
    {RULE "1", "swACLIpv6RuleProfileID", integer, kIndex},
    {RULE "2", "swACLIpv6RuleAccessID", integer, kIndex},
    {RULE "3", "swACLIpv6RuleClass", integer, kRw},
    {RULE "4", "swACLIpv6RuleFlowlabel", octetstr, kRw},
    {RULE "5", "swACLIpv6RuleSrcIpv6Addr", ipv6address, kRw},
    {RULE "6", "swACLIpv6RuleDstIpv6Addr", ipv6address, kRw},
    {RULE "7", "swACLIpv6RuleEnablePriority", integer, kRw, &kEnabledDisabled},
    {RULE "8", "swACLIpv6RulePriority", integer, kRw},
    {RULE "9", "swACLIpv6RuleReplacePriority", integer, kRw, &kEnabledDisabled},
    {RULE "10", "swACLIpv6RulePermit", integer, kRw, &kDenyPermit},
    {RULE "11", "swACLIpv6RulePort", bitstr, kRw},
    {RULE "12", "swACLIpv6RuleRxRate", integer, kRw},
    {RULE "14", "swACLIpv6RuleRowStatus", integer, kRw, &kRowStatus},
    {}};
#undef RULE

const TTableDialogDecl kRuleWindow{
    .Name = "Ipv6RuleForm",
    .Caption = "Ipv6 Rule Form",
    .Width = 860,
    .Height = 700,
    .Buttons = RuleButtons("CheckButton", "UncheckButton"),
    .Requests = {{kRuleTable, MVT_UMV, 2, "ListView1", true, 0}},
    .Fields = {{0, 0, TFieldKind::Edit, "edtRuleID", "IPv6 Rule ID", "%i{n1x6}"},
               {0, 1, TFieldKind::Edit, "edtRuleAccessID", "IPv6 Rule Access ID", "%i{n1x128}"},
               SentField(kRuleClass, TFieldKind::Edit, "edtRuleClass", "IPv6 Rule Class (0-255)",
                         "cbxRuleClass", "%i{n0x255}"),
               SentField(kRuleFlowLabel, TFieldKind::Edit, "edtRuleFlowlabel",
                         "IPv6 Rule Flowlabel", "cbxRuleFlowlabel"),
               SentField(kRuleSource, TFieldKind::Edit, "edtRuleSrcIpv6addr",
                         "Rule Source Ipv6 address", "cbxRuleSrcIpv6addr", "%s{l32}"),
               SentField(kRuleDestination, TFieldKind::Edit, "edtRuleDstIpv6addr",
                         "Rule Destination Ipv6 address", "cbxRuleDstIpv6addr", "%s{l32}"),
               SentField(6, TFieldKind::Combo, "PriorityComboBox", "Enable Priority",
                         "cbxEnablePriority"),
               SentField(7, TFieldKind::Edit, "PriorityEdit", "Priority", "cbxPriority",
                         "%i{n0x7}"),
               SentField(8, TFieldKind::Combo, "ReplaceComboBox", "Replace Priority",
                         "cbxReplacePriority"),
               SentField(9, TFieldKind::Combo, "PermitComboBox", "Permit", "cbxPermit"),
               SentField(11, TFieldKind::Edit, "RxRateEdit", "Rx Rate", "cbxRxRate",
                         "%i{n0x156249}"),
               SentField(12, TFieldKind::Combo, "RowComboBox", "Row Status", "cbxRow")},
    .Grids = {{0, 10, "PortFrame", "Ports", "PortScrollBox", "StackingPortUitForm"}},
    .GridsBox = "StackingPortPanel",
    .StatusItem = 12,
    .StatusBarOutput = true,
    .CountName = "StaticText1",
    .CountLabelName = nullptr};

const TAccessRuleDecl kRule{
    .Window = kRuleWindow,
    .IdEdit = "edtRuleID",
    .AccessEdit = "edtRuleAccessID",
    .IdMissing = "Rule ID must be set.",
    .AccessMissing = "Rule Access ID must be set.",
    .Duplicate =
        "Has already a record with the same IPv6 Rule ID and Access ID. Please change "
        "eithor of them.",
    .EmptyRefusal = "Some checked field is empty",
    .CheckAllButton = "CheckButton",
    .ClearChecksButton = "UncheckButton",
    .StartEntries = {{"PriorityComboBox", 1},
                     {"ReplaceComboBox", 1},
                     {"PermitComboBox", 1},
                     {"RowComboBox", kCreateAndGoEntry}},
    .EnablePriorityCombo = "PriorityComboBox",
    .EnablePriorityItem = 6,
    .PriorityItems = {7, 8},
    .PriorityControls = {"cbxPriority", "PriorityEdit", "cbxReplacePriority", "ReplaceComboBox"},
    .PriorityBox = "cbxPriority",
    .ReplacePriorityBox = "cbxReplacePriority",
    .PriorityBoxesKeptWhileDisabled = true,
    .OnlyEnabledEnables = false,
    .LeftOutOfCheckAll = "cbxRxRate"};

}  // namespace

// --- profiles ---------------------------------------------------------------

TIPv6MaskInfoForm::TIPv6MaskInfoForm(const TDialogContext& context)
    : TAccessProfileForm(context, kProfile),
      RadioButton1(static_cast<QRadioButton*>(Field("RadioButton1"))),
      RadioButton2(static_cast<QRadioButton*>(Field("RadioButton2"))) {
    connect(RadioButton1, &QRadioButton::clicked, this, [this] { RadioButton1Click(); });
    connect(RadioButton2, &QRadioButton::clicked, this, [this] { RadioButton2Click(); });
}

void TIPv6MaskInfoForm::EnableHalves(bool classPart, bool addressPart) {
    for (const char* name : {"cbxMaskClass", "cbxMaskFlowlabel"}) {
        Field(name)->setEnabled(classPart);
    }
    for (const char* name : {"cbxMaskState", "edtSrcMask", "edtDstMask"}) {
        Field(name)->setEnabled(addressPart);
    }
}

void TIPv6MaskInfoForm::RadioButton1Click() {
    RadioButton1->setChecked(true);
    EnableHalves(true, false);
    Combo("cbxMaskState")->setCurrentIndex(0);
}

void TIPv6MaskInfoForm::RadioButton2Click() {
    RadioButton2->setChecked(true);
    EnableHalves(false, true);
    Combo("cbxMaskClass")->setCurrentIndex(1);
    Combo("cbxMaskFlowlabel")->setCurrentIndex(1);
}

void TIPv6MaskInfoForm::Reset() {
    TAccessProfileForm::Reset();
    ChooseNeither();
}

void TIPv6MaskInfoForm::ChooseNeither() {
    // The buttons are exclusive only while one of them is on.
    for (QRadioButton* button : {RadioButton1, RadioButton2}) {
        button->setAutoExclusive(false);
        button->setChecked(false);
        button->setAutoExclusive(true);
    }
}

void TIPv6MaskInfoForm::ListClick() {
    const int line = List->SelectedLine();
    if (line < 0) {
        Reset();
        return;
    }
    const auto shown = [&](int item) { return List->SubItem(line, item - 1); };
    const QString state = shown(kMaskState);
    if (shown(kClass) == "enable" || shown(kFlowLabel) == "enable") {
        RadioButton1Click();
    } else if (state == "dst-ipv6-addr" || state == "src-ipv6-addr" ||
               state == "dst-src-ipv6-addr") {
        RadioButton2Click();
    } else {
        ChooseNeither();
        EnableHalves(true, true);
    }
    SetRowButtons(true);
}

bool TIPv6MaskInfoForm::Validate() {
    if (IdEdit()->text().isEmpty()) {
        Refuse(IdEdit(), Profile.IdMissing);
        return false;
    }
    const auto chosen = [&](const char* combo, const char* refusal) {
        if (Combo(combo)->currentIndex() >= 0) {
            return true;
        }
        Refuse(Field(combo), refusal);
        return false;
    };
    const auto mask = [&](const char* edit, const char* missing) {
        if (TextOf(edit).isEmpty()) {
            Refuse(Field(edit), missing);
            return false;
        }
        return Passes(edit, HexDigitsRefusal(TextOf(edit), kAddressDigits, kAddressRefusal));
    };
    if (RadioButton1->isChecked()) {
        return chosen("cbxMaskClass", "Please choose Class.") &&
               chosen("cbxMaskFlowlabel", "Please choose Flow Label.");
    }
    if (RadioButton2->isChecked()) {
        const QString state = TextOf("cbxMaskState");
        return chosen("cbxMaskState", "Please choose IPv6 Address Mask State.") &&
               (state != "dst-ipv6-addr" ||
                mask("edtDstMask", "IPv6 Destination Address Mask should not be null.")) &&
               (state != "src-ipv6-addr" ||
                mask("edtSrcMask", "IPv6 Source Address Mask should not be null."));
    }
    return true;
}

void TIPv6MaskInfoForm::SetBtnClick() {
    const int status = StatusCombo()->currentIndex();
    if (status == kCreateAndGoEntry) {
        AddBtnClick();
        return;
    }
    if (status == kDestroyEntry) {
        DeleteBtnClick();
        return;
    }
    if (!Validate()) {
        return;
    }
    // The half not chosen is cleared first: the switch takes no profile that
    // examines both.
    WriteAndReread([&] {
        if (RadioButton1->isChecked()) {
            Combo("cbxMaskState")->setCurrentIndex(0);
            WriteExcluding(0, {kClass, kFlowLabel, kSourceMask, kDestinationMask}, false);
        }
        if (RadioButton2->isChecked()) {
            Combo("cbxMaskClass")->setCurrentIndex(1);
            Combo("cbxMaskFlowlabel")->setCurrentIndex(1);
            WriteExcluding(0, {kMaskState, kSourceMask, kDestinationMask}, false);
        }
        std::set<int> excluded = ChosenExclusions();
        excluded.insert(kStatus);
        WriteExcluding(0, excluded, false);
    });
}

// --- rules ------------------------------------------------------------------

TIpv6RuleForm::TIpv6RuleForm(const TDialogContext& context) : TAccessRuleForm(context, kRule) {}

bool TIpv6RuleForm::Validate() {
    if (!IdsGiven()) {
        return false;
    }
    const bool source = Checked("cbxRuleSrcIpv6addr");
    const bool destination = Checked("cbxRuleDstIpv6addr");
    if (source && destination) {
        Refuse(nullptr, "Can not support Source IP and Destination IP both");
        return false;
    }
    if ((Checked("cbxRuleClass") || Checked("cbxRuleFlowlabel")) && (source || destination)) {
        Refuse(nullptr, "Can not set mutex data together");
        return false;
    }
    const auto hex = [&](const char* box, const char* edit, int digits, const char* refusal) {
        return CheckedFieldsFilled({box}) &&
               Passes(box, HexDigitsRefusal(TextOf(edit), digits, refusal));
    };
    return CheckedFieldsFilled({"cbxRuleClass"}) &&
           hex("cbxRuleFlowlabel", "edtRuleFlowlabel", kFlowLabelDigits, "Invalid data!") &&
           hex("cbxRuleSrcIpv6addr", "edtRuleSrcIpv6addr", kAddressDigits, kAddressRefusal) &&
           hex("cbxRuleDstIpv6addr", "edtRuleDstIpv6addr", kAddressDigits, kAddressRefusal) &&
           CheckedFieldsFilled(
               {"cbxEnablePriority", "cbxPriority", "cbxReplacePriority", "cbxPermit"}) &&
           CheckedFieldsFilled({"cbxRxRate"}) &&
           InRange("cbxRxRate", 0, 156249, "Rx Rate should between 0-156249") &&
           CheckedFieldsFilled({"cbxRow"});
}

void TIpv6RuleForm::SetBtnClick() {
    if (!Validate()) {
        return;
    }
    const int status = Combo("RowComboBox")->currentIndex();
    if (status == kCreateAndGoEntry) {
        AddBtnClick();
    } else if (status == kDestroyEntry) {
        DeleteBtnClick();
    } else {
        Write(ChosenExclusions(), false);
    }
}

void TIpv6RuleForm::WriteRule(const std::set<int>& excluded, bool creating) {
    const int address = Checked("cbxRuleSrcIpv6addr")   ? kRuleSource
                        : Checked("cbxRuleDstIpv6addr") ? kRuleDestination
                                                        : -1;
    if (address < 0) {
        TAccessRuleForm::WriteRule(excluded, creating);
        return;
    }
    std::set<int> addressOnly;
    for (int item = kRuleClass; item <= Decl.StatusItem; ++item) {  // the keys name the row
        if (item != address) {
            addressOnly.insert(item);
        }
    }
    std::set<int> rest = excluded;
    rest.insert({kRuleSource, kRuleDestination});
    // The address of a new rule goes once the row exists.
    if (creating) {
        WriteExcluding(0, rest, false);
        WriteExcluding(0, addressOnly, false);
    } else {
        WriteExcluding(0, addressOnly, false);
        WriteExcluding(0, rest, false);
    }
}
