#include "IpAccessDialogs.h"

#include "CheckBox.h"
#include "CvOptionList.h"
#include "DialogOptions.h"
#include "Edit.h"
#include "TDialogChecks.h"

namespace {

using namespace CvSyntax;
using namespace dialog_options;

const CvIntOptionPair kIpMaskStatePairs[] = {
    {1, "other"}, {2, "dst-ip-addr"}, {3, "src-ip-addr"}, {4, "dst-src-ip-addr"}, {0, nullptr}};
const CvOptionList kIpMaskState(kIpMaskStatePairs);
const CvIntOptionPair kProtocolPairs[] = {{1, "none"}, {2, "icmp"},       {3, "igmp"}, {4, "tcp"},
                                          {5, "udp"},  {6, "protocolId"}, {0, nullptr}};
const CvOptionList kProtocol(kProtocolPairs);
const CvIntOptionPair kPortOptionPairs[] = {
    {1, "other"}, {2, "dst-addr"}, {3, "src-addr"}, {4, "dst-src-addr"}, {0, nullptr}};
const CvOptionList kPortOption(kPortOptionPairs);

#define PROFILE "1.3.6.1.4.1.99917.12.9.2.2.1."
const CvSNMPVarDesc kProfileTable[] = {
    {PROFILE "1", "swACLIpProfileID", integer, kIndex},
    {PROFILE "3", "swACLIpIpAddrMaskState", integer, kRw, &kIpMaskState},
    {PROFILE "4", "swACLIpSrcIpAddrMask", ipaddress, kRw},
    {PROFILE "5", "swACLIpDstIpAddrMask", ipaddress, kRw},
    {PROFILE "6", "swACLIpUseDSCP", integer, kRw, &kEnabledDisabled},
    {PROFILE "7", "swACLIpUseProtoType", integer, kRw, &kProtocol},
    {PROFILE "10", "swACLIpTcpOption", integer, kRw, &kPortOption},
    {PROFILE "11", "swACLIpUdpOption", integer, kRw, &kPortOption},
    {PROFILE "12", "swACLIpTCPorUDPSrcPortMask", octetstr, kRw},
    {PROFILE "13", "swACLIpTCPorUDPDstPortMask", octetstr, kRw},
    {PROFILE "14", "swACLIpTCPFlagBit", integer, kRw, &kEnableDisable},
    {PROFILE "15", "swACLIpTCPFlagBitMask", integer, kRw},
    {PROFILE "16", "swACLIpProtoIDOption", integer, kRw, &kEnableDisable},
    {PROFILE "17", "swACLIpProtoID", integer, kRw},
    {PROFILE "18", "swACLIpProtoIDMask", octetstr, kRw},
    {PROFILE "19", "swACLIpRowStatus", integer, kRw, &kRowStatus},
    {}};
#undef PROFILE

const TTableDialogDecl kProfileWindow{
    .Name = "IPMaskInformationForm",
    .Caption = "IP Mask Information Form",
    .Width = 720,
    .Height = 560,
    .Buttons = {{"BT_Get", "Refresh", TDialogAction::Refresh},
                {"SetBtn", "Set", TDialogAction::Set},
                {"BT_Add", "Add", TDialogAction::Add},
                {"BT_Delete", "Delete", TDialogAction::Delete}},
    .Requests = {{kProfileTable, MVT_UMV, 1, "ListView1", true, 0}},
    .Fields = {{0, 0, TFieldKind::Edit, "IPIDEdit", "IP Mask ID", "%i{n1x6l1}"},
               {0, 1, TFieldKind::Combo, "IpAddMaskStateComboBox", "Ip Address Mask State"},
               {0, 2, TFieldKind::Edit, "IpAddMaskSrcEdit", "Ip Address Mask Source"},
               {0, 3, TFieldKind::Edit, "IpAddMaskDstEdit", "Ip Address Mask Destination"},
               {0, 4, TFieldKind::Combo, "UseDSCPComBo", "Use DSCP"},
               {0, 5, TFieldKind::Combo, "UseProTypeComBo", "Use Protocol Type"},
               {0, 6, TFieldKind::Combo, "TCPOptionComBo", "TCP Option"},
               {0, 7, TFieldKind::Combo, "UDPOptionComBo", "UDP Option"},
               {0, 8, TFieldKind::Edit, "TCPUDPSrcMaskEdit", "TCP or UDP Srouce Port Mask"},
               {0, 9, TFieldKind::Edit, "TCPUDPDstPortMaskEdit",
                "TCP or UDP Destination Port Mask"},
               {0, 10, TFieldKind::Combo, "TCPFlagBitOptionComBo", "TCP Flag Bit Option"},
               {0, 11, TFieldKind::Edit, "TCPFlagBitMaskEdit", "TCP Flag Bit Mask (0-63)", "%i"},
               {0, 12, TFieldKind::Combo, "ProOptionComBo", "Protocol ID Option"},
               {0, 13, TFieldKind::Edit, "ProtoIDEdit", "ProtoID (0-255)", "%i"},
               {0, 14, TFieldKind::Edit, "ProIDMaskEdit", "Protocol ID Mask"},
               {0, 15, TFieldKind::Combo, "RowStatusComBo", "Row Status"}},
    .StatusItem = 15,
    .KeyField = "IPIDEdit",
    .StatusBarOutput = true,
    .CountName = nullptr};

// Which protocol fields a profile of each type writes, then the edits left empty.
const TAccessProfileDecl kProfile{
    .Window = kProfileWindow,
    .IdMissing = "IP Mask ID must be set.",
    .Duplicate = "There is already a record with the same IP Mask ID. Please modified it.",
    .ValidateBeforeAdd = true,
    .StartEntries = {{"IpAddMaskStateComboBox", 0},
                     {"UseDSCPComBo", 1},
                     {"UseProTypeComBo", 0},
                     {"TCPOptionComBo", 0},
                     {"UDPOptionComBo", 0},
                     {"TCPFlagBitOptionComBo", 1},
                     {"ProOptionComBo", 1},
                     {"RowStatusComBo", kActiveEntry}},
    .ResetEdits = {"IpAddMaskSrcEdit", "IpAddMaskDstEdit", "TCPUDPSrcMaskEdit",
                   "TCPUDPDstPortMaskEdit", "TCPFlagBitMaskEdit", "ProIDMaskEdit", "ProtoIDEdit"},
    .Choice = {{{Reads("IpAddMaskStateComboBox", "other")}, {2, 3}},
               {{Reads("IpAddMaskStateComboBox", "dst-ip-addr")}, {2}},
               {{Reads("IpAddMaskStateComboBox", "src-ip-addr")}, {3}},
               {{At("TCPOptionComBo", 0)}, {8, 9}},
               {{At("UDPOptionComBo", 0)}, {8, 9}},
               {{Reads("TCPOptionComBo", "dst-addr")}, {}, {9}},
               {{Reads("UDPOptionComBo", "dst-addr")}, {}, {9}},
               {{Reads("TCPOptionComBo", "src-addr")}, {}, {8}},
               {{Reads("UDPOptionComBo", "src-addr")}, {}, {8}},
               {{Reads("TCPOptionComBo", "dst-src-addr")}, {}, {8, 9}},
               {{Reads("UDPOptionComBo", "dst-src-addr")}, {}, {8, 9}},
               {{Reads("TCPFlagBitOptionComBo", "disable")}, {11}},
               {{Reads("ProOptionComBo", "disable")}, {14}},
               {{Reads("UseProTypeComBo", "none")}, {6, 7, 8, 9, 10, 11, 12, 13, 14}},
               {{Reads("UseProTypeComBo", "icmp")}, {6, 7, 8, 9, 10, 11, 12, 13, 14}},
               {{Reads("UseProTypeComBo", "igmp")}, {6, 7, 8, 9, 10, 11, 12, 13, 14}},
               {{Reads("UseProTypeComBo", "tcp")}, {7, 12, 13, 14}},
               {{Reads("UseProTypeComBo", "udp")}, {6, 10, 11, 12, 13, 14}},
               {{Reads("UseProTypeComBo", "protocolId")}, {6, 7, 8, 9, 10, 11}},
               {{Reads("UseProTypeComBo", "tcp"), At("TCPOptionComBo", 0)}, {6}},
               {{Reads("UseProTypeComBo", "udp"), At("UDPOptionComBo", 0)}, {7}},
               {{IsEmpty("TCPFlagBitMaskEdit")}, {11}},
               {{IsEmpty("IpAddMaskSrcEdit")}, {2}},
               {{IsEmpty("IpAddMaskDstEdit")}, {3}},
               {{IsEmpty("TCPUDPSrcMaskEdit")}, {8}},
               {{IsEmpty("TCPUDPDstPortMaskEdit")}, {9}},
               {{IsEmpty("ProtoIDEdit")}, {13}},
               {{IsEmpty("ProIDMaskEdit")}, {14}}}};

#define RULE "1.3.6.1.4.1.99917.12.9.3.2.1."
const CvSNMPVarDesc kRuleTable[] = {
    {RULE "1", "swACLIpRuleProfileID", integer, kIndex},
    {RULE "2", "swACLIpRuleAccessID", integer, kIndex},
    {RULE "4", "swACLIpRuleSrcIpaddress", ipaddress, kRw},
    {RULE "5", "swACLIpRuleDstIpaddress", ipaddress, kRw},
    {RULE "6", "swACLIpRuleDscp", integer, kRw},
    {RULE "7", "swACLIpRuleProtocol", integer, kRo, &kProtocol},
    {RULE "8", "swACLIpRuleIcmp", integer, kRw, &kEnabledDisabled},
    {RULE "9", "swACLIpRuleIgmp", integer, kRw, &kEnabledDisabled},
    {RULE "10", "swACLIpRuleSrcPort", integer, kRw},
    {RULE "11", "swACLIpRuleDstPort", integer, kRw},
    {RULE "12", "swACLIpRuleFlagBits", integer, kRw},
    {RULE "13", "swACLIpRuleProtoID", integer, kRw},
    {RULE "14", "swACLIpRuleUserMask", octetstr, kRw},
    {RULE "15", "swACLIpRuleEnablePriority", integer, kRw, &kEnabledDisabled},
    {RULE "16", "swACLIpRulePriority", integer, kRw},
    {RULE "17", "swACLIpRuleReplacePriority", integer, kRw, &kEnabledDisabled},
    {RULE "18", "swACLIpRuleEnableReplaceDscp", integer, kRw, &kEnabledDisabled},
    {RULE "19", "swACLIpRuleRepDscp", integer, kRw},
    {RULE "20", "swACLIpRulePermit", integer, kRw, &kDenyPermit},
    {RULE "21", "swACLIpRulePort", bitstr, kRw},
    {RULE "22", "swACLIpRuleRxRate", integer, kRw},
    {RULE "24", "swACLIpRuleRowStatus", integer, kRw, &kRowStatus},
    {}};
#undef RULE

const TTableDialogDecl kRuleWindow{
    .Name = "IPRuleForm",
    .Caption = "IP Rule",
    .Width = 860,
    .Height = 800,
    .Buttons = RuleButtons("CheckButton", "UncheckButton"),
    .Requests = {{kRuleTable, MVT_UMV, 2, "ListView1", true, 0}},
    .Fields = {{0, 0, TFieldKind::Edit, "IPRuleEdit", "IP Rule ID", "%i{n1x6}"},
               {0, 1, TFieldKind::Edit, "AccessIDEdit", "IP Rule Access ID", "%i{n1x128}"},
               SentField(2, TFieldKind::Edit, "SourceIPEdit", "Source IP Address", "cbxSourceIP",
                         "%s{l16}"),
               SentField(3, TFieldKind::Edit, "DestIPEdit", "Destination IP address", "cbxDestIP",
                         "%s{l16}"),
               SentField(4, TFieldKind::Edit, "DSCPEdit", "DSCP", "cbxDscp", "%i{n0x63l2}"),
               SentField(5, TFieldKind::Combo, "ProtocolComboBox", "Rule Protocol", "cbxProtocol"),
               SentField(6, TFieldKind::Combo, "RuleIcmpComboBox", "Rule ICMP", "cbxRuleIcmp"),
               SentField(7, TFieldKind::Combo, "RuleIgmpComboBox", "Rule IGMP", "cbxRuleIgmp"),
               SentField(8, TFieldKind::Edit, "SourcePortEdit", "Source Port", "cbxSourcePort",
                         "%i{n0x65535l5}"),
               SentField(9, TFieldKind::Edit, "DestPortEdit", "Destination Port", "cbxDestPort",
                         "%i{n0x65535l5}"),
               SentField(10, TFieldKind::Edit, "FlagEdit", "Flag Bits", "cbxFBs", "%i{n0x63l2}"),
               SentField(11, TFieldKind::Edit, "ProtocolIDEdit", "Protocol ID", "cbxProtocolID",
                         "%i{n0x255l3}"),
               SentField(12, TFieldKind::Edit, "UserMaskEdit", "User Mask", "cbxUserMask"),
               SentField(13, TFieldKind::Combo, "PriorityComboBox", "Enable Priority",
                         "cbxEnablePriority"),
               SentField(14, TFieldKind::Edit, "PriorityEdit", "Priority", "cbxPriority",
                         "%i{n0x7l1}"),
               SentField(15, TFieldKind::Combo, "ReplaceComboBox", "Replace Priority",
                         "cbxReplacePriority"),
               SentField(16, TFieldKind::Combo, "EnableReplComboBox", "Enable Replace DSCP",
                         "cbxEnableReplaceDscp"),
               SentField(17, TFieldKind::Edit, "DSCPValueEdit", "Replace DSCP", "cbxValue",
                         "%i{n0x63l2}"),
               SentField(18, TFieldKind::Combo, "PermitComboBox", "Permit", "cbxPermit"),
               SentField(20, TFieldKind::Edit, "RxRateEdit", "Rx Rate", "cbxRxRate",
                         "%i{n0x156249}"),
               SentField(21, TFieldKind::Combo, "RowComboBox", "Row Status", "cbxRow")},
    .Grids = {{0, 19, "PortFrame", "Ports", "PortScrollBox", "StackingPortUitForm"}},
    .GridsBox = "StackingPortPanel",
    .StatusItem = 21,
    .StatusBarOutput = true,
    .CountName = "StaticText1",
    .CountLabelName = nullptr};

// The fields a rule of each protocol matches (by the combo's entry).
const TAccessRuleDecl kRule{
    .Window = kRuleWindow,
    .IdEdit = "IPRuleEdit",
    .AccessEdit = "AccessIDEdit",
    .IdMissing = "IP Rule ID must be set.",
    .AccessMissing = "IP Rule Access ID must be set.",
    .Duplicate =
        "Has already a record with the same IP Rule ID and Access ID. Please change "
        "eithor of them.",
    .EmptyRefusal = "Some checked field is empty",
    .CheckAllButton = "CheckButton",
    .ClearChecksButton = "UncheckButton",
    .StartEntries = {{"RuleIcmpComboBox", 1},
                     {"RuleIgmpComboBox", 1},
                     {"PriorityComboBox", 1},
                     {"ReplaceComboBox", 1},
                     {"EnableReplComboBox", 1},
                     {"PermitComboBox", 1},
                     {"RowComboBox", kCreateAndGoEntry}},
    .EnablePriorityCombo = "PriorityComboBox",
    .EnablePriorityItem = 13,
    .PriorityItems = {14, 15},
    .PriorityControls = {"cbxPriority", "PriorityEdit", "cbxReplacePriority", "ReplaceComboBox"},
    .PriorityBox = "cbxPriority",
    .ReplacePriorityBox = "cbxReplacePriority",
    .PriorityBoxesKeptWhileDisabled = true,
    .OnlyEnabledEnables = false,
    .Choice = {{{At("ProtocolComboBox", 0)}, {6, 7, 8, 9, 10, 11, 12}},
               {{At("ProtocolComboBox", 1)}, {7, 8, 9, 10, 11, 12}},
               {{At("ProtocolComboBox", 2)}, {6, 8, 9, 10, 11, 12}},
               {{At("ProtocolComboBox", 3)}, {6, 7, 11, 12}},
               {{At("ProtocolComboBox", 4)}, {6, 7, 10, 11, 12}},
               {{At("ProtocolComboBox", 5)}, {6, 7, 8, 9, 10}}}};

}  // namespace

TIPMaskInformationForm::TIPMaskInformationForm(const TDialogContext& context)
    : TAccessProfileForm(context, kProfile) {}

bool TIPMaskInformationForm::Validate() {
    if (IdEdit()->text().isEmpty()) {
        Refuse(IdEdit(), Profile.IdMissing);
        return false;
    }
    const QString state = TextOf("IpAddMaskStateComboBox");
    const QString protocol = TextOf("UseProTypeComBo");
    const QString tcp = TextOf("TCPOptionComBo");
    const QString udp = TextOf("UDPOptionComBo");
    const auto portOption = [&](const char* a, const char* b) {
        return tcp == a || tcp == b || udp == a || udp == b;
    };
    const auto inRange = [&](const char* edit, int high) {
        const int value = IntOfText(TextOf(edit)).value_or(-1);
        return Passes(edit, value >= 0 && value <= high ? "" : "Please input a valid value");
    };
    const QString maskRefusal = "Invalid Mask!";
    const bool ports = protocol == "tcp" || protocol == "udp";
    return ((state != "src-ip-addr" && state != "dst-src-ip-addr") ||
            Passes("IpAddMaskSrcEdit", Ipv4TextRefusal(TextOf("IpAddMaskSrcEdit")))) &&
           ((state != "dst-ip-addr" && state != "dst-src-ip-addr") ||
            Passes("IpAddMaskDstEdit", Ipv4TextRefusal(TextOf("IpAddMaskDstEdit")))) &&
           (protocol != "protocolId" || TextOf("ProOptionComBo") != "enable" ||
            Passes("ProIDMaskEdit", HexDigitsRefusal(TextOf("ProIDMaskEdit"), 8, maskRefusal))) &&
           (protocol != "protocolId" || inRange("ProtoIDEdit", 255)) &&
           (!ports || !portOption("dst-addr", "dst-src-addr") ||
            Passes("TCPUDPDstPortMaskEdit",
                   HexDigitsRefusal(TextOf("TCPUDPDstPortMaskEdit"), 4, maskRefusal))) &&
           (!ports || !portOption("src-addr", "dst-src-addr") ||
            Passes("TCPUDPSrcMaskEdit",
                   HexDigitsRefusal(TextOf("TCPUDPSrcMaskEdit"), 4, maskRefusal))) &&
           (protocol != "tcp" || TextOf("TCPFlagBitOptionComBo") != "enable" ||
            inRange("TCPFlagBitMaskEdit", 63));
}

TIPRuleForm::TIPRuleForm(const TDialogContext& context) : TAccessRuleForm(context, kRule) {}

void TIPRuleForm::RowChosen(bool selected) {
    TAccessRuleForm::RowChosen(selected);
    Field("ProtocolComboBox")->setEnabled(!selected);
    auto* box = static_cast<CheckBox*>(Field("cbxProtocol"));
    box->setChecked(false);
    box->setEnabled(!selected);
}

bool TIPRuleForm::Validate() {
    if (!IdsGiven()) {
        return false;
    }
    for (const auto& [box, edit] :
         {std::pair{"cbxSourceIP", "SourceIPEdit"}, std::pair{"cbxDestIP", "DestIPEdit"}}) {
        if (!CheckedFieldsFilled({box}) || !Passes(box, Ipv4TextRefusal(TextOf(edit)))) {
            return false;
        }
    }
    const std::vector<const char*> boxes = SendBoxes();
    return CheckedFieldsFilled({boxes.begin() + 2, boxes.end()}) &&
           Passes("cbxUserMask", HexDigitsRefusal(TextOf("UserMaskEdit"), 8, "Invalid UserMask")) &&
           InRange("cbxRxRate", 0, 156249, "Rx Rate should between 0-156249");
}
