#include "EthernetAccessDialogs.h"

#include "CvOptionList.h"
#include "DialogOptions.h"
#include "Edit.h"
#include "TDialogChecks.h"

namespace {

using namespace CvSyntax;
using namespace dialog_options;

const CvIntOptionPair kMacMaskStatePairs[] = {
    {1, "other"}, {2, "dst-mac-addr"}, {3, "src-mac-addr"}, {4, "dst-src-mac-addr"}, {0, nullptr}};
const CvOptionList kMacMaskState(kMacMaskStatePairs);

#define PROFILE "1.3.6.1.4.1.99917.12.9.2.1.1."
const CvSNMPVarDesc kProfileTable[] = {
    {PROFILE "1", "Ethernet Mask ID ", integer, kIndex},
    {PROFILE "2", "Use Vlan", integer, kRw, &kEnabledDisabled},
    {PROFILE "3", "Mac Address Mask State", integer, kRw, &kMacMaskState},
    {PROFILE "4", "Mac Address Mask Sourcc", macaddress, kRw},
    {PROFILE "5", "Mac Address Mask Destination", macaddress, kRw},
    {PROFILE "6", "Use 8021p", integer, kRw, &kEnabledDisabled},
    {PROFILE "7", "Use Ethernet Type", integer, kRw, &kEnabledDisabled},
    {PROFILE "8", "Row Status", integer, kRw, &kRowStatus},
    {}};
#undef PROFILE

const TTableDialogDecl kProfileWindow{
    .Name = "EthernetMaskInformationForm",
    .Caption = "Ethernet Mask Information :",
    .Width = 640,
    .Height = 480,
    .CaptionWithDevice = true,
    .Buttons = {{"BT_Get", "Refresh", TDialogAction::Refresh},
                {"SetBtn", "Set", TDialogAction::Set},
                {"AddBtn", "Add", TDialogAction::Add},
                {"BT_Delete", "Delete", TDialogAction::Delete}},
    .Requests = {{kProfileTable, MVT_UMV, 1, "ListView1", true, 0}},
    .Fields = {{0, 0, TFieldKind::Edit, "IDEdit", "Ethernet Mask ID", "%i{n1x6l3}"},
               {0, 1, TFieldKind::Combo, "UseVLanComBo", "Use Vlan"},
               {0, 2, TFieldKind::Combo, "MacMaskStateComBo", "Mac Address Mask State"},
               {0, 3, TFieldKind::Edit, "MacAddMaskSourceEdit", "Mac Address Mask Source"},
               {0, 4, TFieldKind::Edit, "MacMaskDstEdit", "Mac Address Mask Destination"},
               {0, 5, TFieldKind::Combo, "Use8021pComBo", "Use 8021p"},
               {0, 6, TFieldKind::Combo, "UseEthTypeCombo", "Use Ethernet Type"},
               {0, 7, TFieldKind::Combo, "RowStatusComBo", "Row Status"}},
    .StatusItem = 7,
    .KeyField = "IDEdit",
    .StatusBarOutput = true,
    .CountName = nullptr};

const TAccessProfileDecl kProfile{
    .Window = kProfileWindow,
    .IdMissing = "Mask ID must be set",
    .Duplicate = "There is already a record with the same Ethernet Mask ID. Please modified it.",
    .ValidateBeforeAdd = false,
    .StartEntries = {{"UseVLanComBo", 0},
                     {"Use8021pComBo", 0},
                     {"MacMaskStateComBo", 0},
                     {"UseEthTypeCombo", 0},
                     {"RowStatusComBo", kActiveEntry}},
    .ResetEdits = {"MacMaskDstEdit", "MacAddMaskSourceEdit"},
    .Choice = {{{IsEmpty("UseVLanComBo")}, {1}},
               {{IsEmpty("Use8021pComBo")}, {5}},
               {{IsEmpty("MacMaskStateComBo")}, {2, 3, 4}},
               {{Reads("MacMaskStateComBo", "other")}, {3, 4}},
               {{Reads("MacMaskStateComBo", "dst-mac-addr")}, {3}},
               {{Reads("MacMaskStateComBo", "src-mac-addr")}, {4}},
               {{IsEmpty("MacMaskDstEdit")}, {4}},
               {{IsEmpty("MacAddMaskSourceEdit")}, {3}},
               {{IsEmpty("UseEthTypeCombo")}, {6}},
               {{At("RowStatusComBo", kDestroyEntry)}, {1, 2, 3, 4, 5, 6}}}};

#define RULE "1.3.6.1.4.1.99917.12.9.3.1.1."
const CvSNMPVarDesc kRuleTable[] = {
    {RULE "1", "Mask ID", integer, kIndex},
    {RULE "2", "Access ID", integer, kIndex},
    {RULE "3", "Rule Vlan", displaystr, kRw},
    {RULE "4", "Rule Source Mac Address", macaddress, kRw},
    {RULE "5", "Rule Destination MacAddress", macaddress, kRw},
    {RULE "6", "Rule 8021P", integer, kRw},
    {RULE "7", "Rule Ethernet Type", octetstr, kRw},
    {RULE "8", "Rule Enable Priority", integer, kRw, &kEnabledDisabled},
    {RULE "9", "Rule Priority", integer, kRw},
    {RULE "10", "Rule Replace Priority", integer, kRw, &kEnabledDisabled},
    {RULE "13", "Permit Rule", integer, kRw, &kDenyPermit},
    {RULE "14", "Rule Port", bitstr, kRw},
    {RULE "15", "Rule RxRate", integer, kRw},
    {RULE "17", "RowStatus", integer, kRw, &kRowStatus},
    {}};
#undef RULE

const TTableDialogDecl kRuleWindow{
    .Name = "EthernetInformationRuleForm",
    .Caption = "Ethernet Information Rule",
    .Width = 820,
    .Height = 720,
    .Buttons = RuleButtons("AddCheckButton", "CleanCheButton"),
    .Requests = {{kRuleTable, MVT_UMV, 2, "ListView1", true, 0}},
    .Fields = {{0, 0, TFieldKind::Edit, "MaskIDEdit", "Mask ID", "%i{n1x6}"},
               {0, 1, TFieldKind::Edit, "AccessEdit", "Access ID", "%i{n1x128}"},
               SentField(2, TFieldKind::Edit, "VlanRuleEdit", "Vlan Rule", "cbxVlan", "%s{l32}"),
               SentField(3, TFieldKind::Edit, "SourceMACEdit", "Source MAC Address Rule",
                         "cbxSource", "%s{l12}"),
               SentField(4, TFieldKind::Edit, "DestMACEdit", "Destination MAC Address Rule",
                         "cbxDestination", "%s{l12}"),
               SentField(5, TFieldKind::Edit, "IEEE8021pEdit", "8021P Rule", "cbxIEEE802dot1P",
                         "%i{n0x7}"),
               SentField(6, TFieldKind::Edit, "EthTypeEdit", "Ethernet Type Rule", "cbxEtherType",
                         "%s{l4}"),
               SentField(7, TFieldKind::Combo, "EnablePriorityComboBox", "Enable Priority Rule",
                         "cbxEnablePriority"),
               SentField(8, TFieldKind::Edit, "PriorityEdit", "Priority Rule", "cbxPriority",
                         "%i{n0x7}"),
               SentField(9, TFieldKind::Combo, "ReplacePriorityComboBox", "Replace Priority Rule",
                         "cbxReplacePriority"),
               SentField(10, TFieldKind::Combo, "PermitComboBox", "Permit", "cbxPermit"),
               SentField(12, TFieldKind::Edit, "RxRateEdit", "Rx Rate", "cbxRxRate",
                         "%i{n0x156249}"),
               SentField(13, TFieldKind::Combo, "RowComboBox", "Row Status Rule", "cbxRow")},
    .Grids = {{0, 11, "PortFrame", "Ports", "PortScrollBox", "StackingPortUitForm"}},
    .GridsBox = "StackingPortPanel",
    .StatusItem = 13,
    .StatusBarOutput = true,
    .CountName = "StaticText1",
    .CountLabelName = nullptr};

const TAccessRuleDecl kRule{
    .Window = kRuleWindow,
    .IdEdit = "MaskIDEdit",
    .AccessEdit = "AccessEdit",
    .IdMissing = "Mask ID must be set.",
    .AccessMissing = "Access ID must be set.",
    .Duplicate =
        "Has already a record with the same Mask ID and Access ID. Please change eithor "
        "of them.",
    .EmptyRefusal = "Some check field is empty",
    .CheckAllButton = "AddCheckButton",
    .ClearChecksButton = "CleanCheButton",
    .StartEntries = {{"EnablePriorityComboBox", 1},
                     {"ReplacePriorityComboBox", 1},
                     {"PermitComboBox", 1},
                     {"RowComboBox", kCreateAndGoEntry}},
    .EnablePriorityCombo = "EnablePriorityComboBox",
    .EnablePriorityItem = 7,
    .PriorityItems = {8, 9},
    .PriorityControls = {"cbxPriority", "PriorityEdit", "cbxReplacePriority",
                         "ReplacePriorityComboBox"},
    .PriorityBox = "cbxPriority",
    .ReplacePriorityBox = "cbxReplacePriority",
    .PriorityBoxesKeptWhileDisabled = false,
    .OnlyEnabledEnables = true};

}  // namespace

TEthernetMaskInformationForm::TEthernetMaskInformationForm(const TDialogContext& context)
    : TAccessProfileForm(context, kProfile) {}

bool TEthernetMaskInformationForm::Validate() {
    if (IdEdit()->text().isEmpty()) {
        Refuse(IdEdit(), Profile.IdMissing);
        return false;
    }
    if (Busy()) {
        Refuse(nullptr, "Get data not complet");
        return false;
    }
    const QString state = TextOf("MacMaskStateComBo");
    const bool destination = state == "dst-mac-addr" || state == "dst-src-mac-addr";
    const bool source = state == "src-mac-addr" || state == "dst-src-mac-addr";
    return (!destination || Passes("MacMaskDstEdit", MacTextRefusal(TextOf("MacMaskDstEdit")))) &&
           (!source ||
            Passes("MacAddMaskSourceEdit", MacTextRefusal(TextOf("MacAddMaskSourceEdit"))));
}

TEthernetInformationRuleForm::TEthernetInformationRuleForm(const TDialogContext& context)
    : TAccessRuleForm(context, kRule) {}

bool TEthernetInformationRuleForm::Validate() {
    return IdsGiven() && CheckedFieldsFilled(SendBoxes()) &&
           Passes("cbxSource", MacTextRefusal(TextOf("SourceMACEdit"))) &&
           Passes("cbxDestination", MacTextRefusal(TextOf("DestMACEdit"))) &&
           Passes("cbxEtherType",
                  HexDigitsRefusal(TextOf("EthTypeEdit"), 4, "Invalid EtherType")) &&
           InRange("cbxPriority", 0, 7, "Priority value should between 0-7") &&
           InRange("cbxRxRate", 0, 156249, "Rx Rate should between 0-156249");
}
