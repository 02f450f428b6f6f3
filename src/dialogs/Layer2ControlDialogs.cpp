#include "Layer2ControlDialogs.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QPushButton>
#include <QTimer>

#include "CheckBox.h"
#include "ComboBox.h"
#include "CvOptionList.h"
#include "DialogOptions.h"
#include "Edit.h"

namespace {

using namespace CvSyntax;
using namespace dialog_options;

const CvIntOptionPair kNormalActivePairs[] = {{1, "normal"}, {2, "active"}, {0, nullptr}};
const CvOptionList kNormalActive(kNormalActivePairs);

#define DEVCTRL "1.3.6.1.4.1.99917.11.70.1.2.1.2."
const CvSNMPVarDesc kDeviceCtrl[] = {
    {DEVCTRL "2", "swL2DevCtrlIGMPSnooping", integer, kRw, &kDisabledEnabled},
    {DEVCTRL "3", "swL2DevCtrlIGMPSnoopingMcstRTOnly", integer, kRw, &kDisabledEnabled},
    {DEVCTRL "4", "swL2DevCtrlRmonState", integer, kRw, &kDisabledEnabled},
    {DEVCTRL "5", "swL2DevCtrlCleanAllStatisticCounter", integer, kRw, &kNormalActive},
    {DEVCTRL "6", "swL2DevCtrlVlanIdOfFDBTbl", integer, kRw},
    {DEVCTRL "7", "swL2DevCtrlManagementVlanId", integer, kRw},
    {DEVCTRL "8", "swL2MACNotifyState", integer, kRw, &kDisabledEnabled},
    {DEVCTRL "9", "swL2MACNotifyHistorySize", integer, kRw},
    {DEVCTRL "10", "swL2MACNotifyInterval", integer, kRw},
    {DEVCTRL "13.1", "swL2DevCtrlWebState", integer, kRw, &kDisabledEnabled},
    {DEVCTRL "14.1", "swL2DevCtrlTelnetState", integer, kRw, &kDisabledEnabled},
    {DEVCTRL "15", "swL2DevCtrlIpAutoconfig", integer, kRw, &kEnabledDisabled},
    {}};
const CvSNMPVarDesc kWebPort[] = {{DEVCTRL "13.2", "swL2DevCtrlWebTcpPort", integer, kRw}, {}};
const CvSNMPVarDesc kTelnetPort[] = {{DEVCTRL "14.2", "swL2DevCtrlTelnetTcpPort", integer, kRw},
                                     {}};
#undef DEVCTRL

enum Layer2Request : std::size_t { kDeviceRequest, kWebRequest, kTelnetRequest };

constexpr std::size_t kRequestCount = 3;

const char kEmptyRefusal[] = "Some Checked fields are empty.";

TDialogField Ticked(std::int32_t request, std::int32_t item, TFieldKind kind, const char* name,
                    const char* label, const char* box, const char* format = "%s") {
    TDialogField field{request, item, kind, name, label, format};
    field.SendBox = box;
    return field;
}

constexpr auto kCombo = TFieldKind::Combo;
constexpr auto kEdit = TFieldKind::Edit;

// Each service's port beside its state.
const TTableDialogDecl kLayer2Form{
    .Name = "Layer2ControlForm",
    .Caption = "Layer2 Control: ",
    .Width = 640,
    .Height = 520,
    .CaptionWithDevice = true,
    .Buttons = {{"GetButton", "Refresh", TDialogAction::Refresh},
                {"SetButton", "Set Checked", TDialogAction::Set},
                {"CheckButton", "Check All", TDialogAction::Own},
                {"ClearButton", "Clear Checked", TDialogAction::Own},
                {"CloseButton", "Close", TDialogAction::Close}},
    .Requests = {{kDeviceCtrl, SVT_SV, 0, nullptr, true, 0},
                 {kWebPort, SVT_SV, 0, nullptr, true, 0},
                 {kTelnetPort, SVT_SV, 0, nullptr, true, 0}},
    .Fields = {Ticked(0, 0, kCombo, "IGMPComBo", "IGMP Snooping State", "CheckBox1"),
               Ticked(0, 1, kCombo, "SnoopingComBo", "Snooping Multicast Route Only State",
                      "CheckBox2"),
               Ticked(0, 2, kCombo, "RmonComBo", "Rmon State", "CheckBox3"),
               Ticked(0, 3, kCombo, "CleanComBo", "Clean All Statistic Counter", "CheckBox4"),
               Ticked(0, 4, kEdit, "VlanEdit", "Vlan ID Of FDB Table [1-4094]", "CheckBox5",
                      "%i{n1x4094l4}"),
               Ticked(0, 5, kEdit, "edtMVlanID", "Management Vlan ID [1-4094]", "CheckBox11",
                      "%i{n1x4094l4}"),
               Ticked(0, 6, kCombo, "cbxMACNotify", "MAC Notification", "CheckBox12"),
               Ticked(0, 7, kEdit, "edtNotifySize", "MAC Notify History Size [1-500]", "CheckBox13",
                      "%i{n1x500l3}"),
               Ticked(0, 8, kEdit, "edtNotifyInterval", "MAC Notify Interval", "CheckBox14",
                      "%i{n1x2147483647}"),
               Ticked(0, 11, kCombo, "IPConfigComBo", "IP Auto Config", "CheckBox10"),
               Ticked(0, 9, kCombo, "WebStateComBo", "Web State", "CheckBox6"),
               Ticked(1, 0, kEdit, "WebPortEdit", "Web Port", "CheckBox7", "%i{n1x65535}"),
               Ticked(0, 10, kCombo, "TelStateComBo", "Telnet State", "CheckBox8"),
               Ticked(2, 0, kEdit, "TelPortEdit", "Telnet Port", "CheckBox9", "%i{n1x65535}")},
    .CountName = nullptr};

}  // namespace

const TLayer2ControlForm::TServicePort TLayer2ControlForm::kWeb{kWebRequest, "WebStateComBo",
                                                                "CheckBox7", "WebPortEdit"};
const TLayer2ControlForm::TServicePort TLayer2ControlForm::kTelnet{kTelnetRequest, "TelStateComBo",
                                                                   "CheckBox9", "TelPortEdit"};

TLayer2ControlForm::TLayer2ControlForm(const TDialogContext& context)
    : TTableDialog(context, kLayer2Form),
      DeviceCtrlRequest(Request(kDeviceRequest)),
      WebPortRequest(Request(kWebRequest)),
      TelnetPortRequest(Request(kTelnetRequest)) {
    connect(ButtonNamed("CheckButton"), &QPushButton::clicked, this,
            [this] { CheckButtonClick(); });
    connect(ButtonNamed("ClearButton"), &QPushButton::clicked, this,
            [this] { ClearButtonClick(); });
    // The user's choices; after a read the dialog applies the rules itself.
    const auto onChoice = [this](const char* combo, void (TLayer2ControlForm::*rule)()) {
        connect(static_cast<ComboBox*>(Field(combo)), &QComboBox::activated, this,
                [this, rule] { (this->*rule)(); });
    };
    onChoice("WebStateComBo", &TLayer2ControlForm::WebStateComBoChange);
    onChoice("TelStateComBo", &TLayer2ControlForm::TelStateComBoChange);
    onChoice("IPConfigComBo", &TLayer2ControlForm::TelStateComBoChange);
    // The RMON entries of the main menu follow the switch's RMON state.
    connect(this, &QDialog::finished, this, [this] {
        if (Context.RefreshRmonMenu) {
            Context.RefreshRmonMenu();
        }
    });
}

bool TLayer2ControlForm::ServiceEnabled(const TServicePort& port) const {
    return static_cast<ComboBox*>(Field(port.State))->currentText() == "enabled";
}

void TLayer2ControlForm::PortRule(const TServicePort& port) {
    const QString state = static_cast<ComboBox*>(Field(port.State))->currentText();
    if (state != "disabled" && state != "enabled") {
        return;
    }
    const bool enabled = state == "enabled";
    auto* edit = static_cast<Edit*>(Field(port.Edit));
    auto* box = static_cast<CheckBox*>(Field(port.Box));
    if (!enabled) {
        edit->clear();
        box->setChecked(false);
    }
    edit->setEnabled(enabled);
    box->setEnabled(enabled);
}

void TLayer2ControlForm::WebStateComBoChange() {
    PortRule(kWeb);
}

void TLayer2ControlForm::TelStateComBoChange() {
    PortRule(kTelnet);
}

void TLayer2ControlForm::StateRules() {
    WebStateComBoChange();
    TelStateComBoChange();
}

void TLayer2ControlForm::ReadPorts() {
    DeviceCtrlRequest->Get();
    StateRules();
    for (const TServicePort* port : {&kWeb, &kTelnet}) {
        if (ServiceEnabled(*port)) {
            Request(port->Request)->Get();
        }
    }
}

void TLayer2ControlForm::FormCreate() {
    Attempt([&] { ReadPorts(); });
}

void TLayer2ControlForm::RefreshBtnClick() {
    if (!Busy()) {
        Attempt([&] { ReadPorts(); });
    }
}

void TLayer2ControlForm::CheckButtonClick() {
    TickSendBoxes(true);  // a port whose service is off stays unticked
}

void TLayer2ControlForm::ClearButtonClick() {
    TickSendBoxes(false);
}

void TLayer2ControlForm::Pause(int ms) {
    // The window paints meanwhile; what the user does waits.
    QTimer wakeUp;
    wakeUp.start(10);
    const QDeadlineTimer deadline(ms);
    while (!deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents |
                                        QEventLoop::ExcludeUserInputEvents);
    }
}

void TLayer2ControlForm::WriteOrPausePort(const TServicePort& port) {
    CvSNMPRequest2Edits& request = *Request(port.Request);
    if (static_cast<CheckBox*>(Field(port.Box))->isChecked()) {
        if (!Attempt([&] { WriteExcluding(port.Request, UnsentItems(port.Request), false); })) {
            return;  // the port typed stays for another try
        }
    } else {
        auto* edit = static_cast<Edit*>(Field(port.Edit));
        Attempt([&] { request.Get(); });
        edit->clear();
        edit->setReadOnly(true);
        // A close waits for the pause as for an exchange.
        request.Busy = true;
        Pause(request.Request->Version == 3 ? PortPauseV3Ms : PortPauseMs);
        request.Busy = false;
        edit->setReadOnly(false);
    }
    Attempt([&] { request.Get(); });
}

void TLayer2ControlForm::SetBtnClick() {
    if (Busy()) {
        return;
    }
    for (std::size_t k = 0; k < kRequestCount; ++k) {
        if (QWidget* empty = FirstEmptySentField(k)) {
            Refuse(empty, kEmptyRefusal);
            return;  // nothing is written while a ticked field has no value
        }
    }
    // A refusal keeps what was entered: nothing is read over it, nothing more sent.
    if (!Attempt([&] { WriteExcluding(kDeviceRequest, UnsentItems(kDeviceRequest), false); })) {
        return;
    }
    if (!Attempt([&] {
            DeviceCtrlRequest->Get();
            StateRules();
        })) {
        return;
    }
    for (const TServicePort* port : {&kWeb, &kTelnet}) {
        if (ServiceEnabled(*port)) {
            WriteOrPausePort(*port);
        }
    }
}

// --- packet storm ----------------------------------------------------------

namespace {

const CvIntOptionPair kStormTrapPairs[] = {
    {1, "none"}, {2, "stormOccurred"}, {3, "stormCleared"}, {4, "both"}, {0, nullptr}};
const CvOptionList kStormTrap(kStormTrapPairs);

#define STORM "1.3.6.1.4.1.99917.12.25.1."
const CvSNMPVarDesc kStorm[] = {{STORM "1", "swPktStormRecover", octetstr, kRw},
                                {STORM "2", "swPktStormTrapCtrl", integer, kRw, &kStormTrap},
                                {}};
#undef STORM

const TTableDialogDecl kStormForm{
    .Name = "PacketStormControlForm",
    .Caption = "Packet Storm Control Form",
    .Width = 620,
    .Height = 440,
    .Buttons = {{"btnGet", "Refresh", TDialogAction::Refresh},
                {"btnSet", "Set", TDialogAction::Set},
                {"btnClose", "Close", TDialogAction::Close}},
    .Requests = {{kStorm, SVT_SV, 0, nullptr, true, 0, 300}},
    .Fields = {{0, 1, TFieldKind::Radio, "rgPktStromTrapCtrl", "Packet Storm Trap Control"}},
    .Grids = {{0, 0, "gbStackingPort", "Packet Storm Recover", "ScrollBox1", "RecoverGrid"}},
    .GridsBox = "Panel2",
    .StatusBarOutput = true,
    .CountName = nullptr};

}  // namespace

TPacketStormControlForm::TPacketStormControlForm(const TDialogContext& context)
    : TTableDialog(context, kStormForm), StormRequest(Request(0)), RecoverGrid(Grid(0)) {}

void TPacketStormControlForm::RefreshBtnClick() {
    if (!Busy()) {
        Attempt([&] { StormRequest->Get(); });
    }
}

void TPacketStormControlForm::SetBtnClick() {
    if (!Busy()) {
        Attempt([&] { StormRequest->Set(false, true); });
    }
}
