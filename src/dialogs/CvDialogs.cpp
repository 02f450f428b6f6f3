#include "CvDialogs.h"

#include <QDialog>

#include <cmath>
#include <exception>
#include <functional>
#include <memory>
#include <type_traits>

#include "AddressBindingDialogs.h"
#include "BridgeDialogs.h"
#include "ConfigImageDialogs.h"
#include "CvException.h"
#include "CvMessageBox.h"
#include "CvModal.h"
#include "Dot1xStatisticsDialogs.h"
#include "Dot3Dialogs.h"
#include "EthernetAccessDialogs.h"
#include "FilterDialogs.h"
#include "IpAccessDialogs.h"
#include "Ipv6AccessDialogs.h"
#include "Ipv6NeighbourDialogs.h"
#include "Layer2ControlDialogs.h"
#include "LinkAggregationDialogs.h"
#include "MethodListDialogs.h"
#include "MirrorDialogs.h"
#include "MstpPortStateDialogs.h"
#include "MulticastSnoopingDialogs.h"
#include "ProtectionDialogs.h"
#include "ServerDialogs.h"
#include "SpanningTreeDialogs.h"
#include "StaticRouteDialogs.h"
#include "SummerTimeDialog.h"
#include "TAboutForm.h"
#include "VlanDialogs.h"

namespace {

using Factory = std::function<std::unique_ptr<QDialog>(const TDialogContext& context)>;

// A table dialog is made in two steps: its window, then its first reads.
template <typename Form>
std::unique_ptr<QDialog> Make(const TDialogContext& context) {
    if constexpr (std::is_base_of_v<TTableDialog, Form>) {
        auto dialog = std::make_unique<Form>(context);
        dialog->FormCreate();
        return dialog;
    } else {
        return std::make_unique<Form>(context.MainWindow);
    }
}

struct Entry {
    std::string_view FormClass;
    Factory Create;
};

// The dedicated dialogs of this build, by form class.
const Entry kDialogs[] = {
    {"TVlanStaticForm", Make<TVlanStaticForm>},
    {"TVLanCurrentTableForm", Make<TVLanCurrentTableForm>},
    {"TSpanningTreeAlgorithmForm", Make<TSpanningTreeAlgorithmForm>},
    {"TSTP_Info", Make<TSTP_Info>},
    {"TMSTPPortStateForm", Make<TMSTPPortStateForm>},
    {"TPortTrunkForm", Make<TPortTrunkForm>},
    {"TPortMirrorForm", Make<TPortMirrorForm>},
    {"TTrafficSegmentationForm", Make<TTrafficSegmentationForm>},
    {"TAggregatorPortTableForm", Make<TAggregatorPortTableForm>},
    {"TEthernetMaskInformationForm", Make<TEthernetMaskInformationForm>},
    {"TEthernetInformationRuleForm", Make<TEthernetInformationRuleForm>},
    {"TIPMaskInformationForm", Make<TIPMaskInformationForm>},
    {"TIPRuleForm", Make<TIPRuleForm>},
    {"TIPv6MaskInfoForm", Make<TIPv6MaskInfoForm>},
    {"TIpv6RuleForm", Make<TIpv6RuleForm>},
    {"TPBridgeConfigForm", Make<TPBridgeConfigForm>},
    {"TGARPForm", Make<TGARPForm>},
    {"TPortCapabilities8021dForm", Make<TPortCapabilities8021dForm>},
    {"TVLanGeneralInfoForm", Make<TVLanGeneralInfoForm>},
    {"TVLanPortInfomationForm", Make<TVLanPortInfomationForm>},
    {"TTpGroupDestinationForwardedForm", Make<TTpGroupDestinationForwardedForm>},
    {"TMulticastForwardingInformationForm", Make<TMulticastForwardingInformationForm>},
    {"TForwardUnregisteredInformationForm", Make<TForwardUnregisteredInformationForm>},
    {"TMulticastFilterInformationForm", Make<TMulticastFilterInformationForm>},
    {"TUnicastFilterInformationForm", Make<TUnicastFilterInformationForm>},
    {"TIGMPRouterPortsForm", Make<TIGMPRouterPortsForm>},
    {"TMLD_SnoopingRouterPortsForm", Make<TMLD_SnoopingRouterPortsForm>},
    {"TMLD_SnoopingGroupForm", Make<TMLD_SnoopingGroupForm>},
    {"TEquipmentBasicInfoForm", Make<TEquipmentBasicInfoForm>},
    {"TDiagnosticsInformationForm", Make<TDiagnosticsInformationForm>},
    {"TMacStatisticTableForm", Make<TMacStatisticTableForm>},
    {"TLayer2ControlForm", Make<TLayer2ControlForm>},
    {"TPacketStormControlForm", Make<TPacketStormControlForm>},
    {"Tdot3ControlForm", Make<Tdot3ControlForm>},
    {"Tdot3PauseForm", Make<Tdot3PauseForm>},
    {"TLoginMethodListForm", Make<TLoginMethodListForm>},
    {"TEnableMethodForm", Make<TEnableMethodForm>},
    {"TServerInformationForm", Make<TServerInformationForm>},
    {"TAAASrvCtrlForm", Make<TAAASrvCtrlForm>},
    {"TIpStaticRouteForm", Make<TIpStaticRouteForm>},
    {"TIpv6StaticRouteForm", Make<TIpv6StaticRouteForm>},
    {"TARPIPV6ControlForm", Make<TARPIPV6ControlForm>},
    {"TMultipleConfigControlForm", Make<TMultipleConfigControlForm>},
    {"TProbeBasicInformationForm", Make<TProbeBasicInformationForm>},
    {"TIPMACBindingForm", Make<TIPMACBindingForm>},
    {"TIpMacBindBlockedForm", Make<TIpMacBindBlockedForm>},
    {"TPrtSecDelCtrlForm", Make<TPrtSecDelCtrlForm>},
    {"TSSLManagementForm", Make<TSSLManagementForm>},
    {"TBulwarkCtrlForm", Make<TBulwarkCtrlForm>},
    {"TSummerTimeForm", Make<TSummerTimeForm>},
    {"TAboutForm", Make<TAboutForm>},
};

const Entry* Find(std::string_view formClass) {
    for (const Entry& entry : kDialogs) {
        if (entry.FormClass == formClass) {
            return &entry;
        }
    }
    return nullptr;
}

// Large fonts make every dialog a quarter larger, fixed sizes included.
void Enlarge(QDialog& dialog) {
    const QSize size(static_cast<int>(std::lround(dialog.width() * 1.25)),
                     static_cast<int>(std::lround(dialog.height() * 1.25)));
    if (dialog.minimumSize() == dialog.maximumSize()) {
        dialog.setFixedSize(size);
    } else {
        dialog.resize(size);
    }
}

}  // namespace

bool HasDialog(std::string_view formClass) {
    return Find(formClass) != nullptr;
}

void OpenDialog(std::string_view formClass, TDialogContext& context) {
    const Entry* entry = Find(formClass);
    if (entry == nullptr) {
        return;
    }
    try {
        std::unique_ptr<QDialog> dialog = entry->Create(context);
        if (!context.Caption.isEmpty()) {
            dialog->setWindowTitle(context.Caption);
        }
        if (context.LargeFonts) {
            Enlarge(*dialog);
        }
        CvModal::Exec(*dialog);
    } catch (const CvException& e) {
        CvMessageBox::Plain(context.MainWindow, QString::fromStdString(e.Message()));
    } catch (const std::exception& e) {
        CvMessageBox::Plain(context.MainWindow, QString::fromUtf8(e.what()));
    }
}
