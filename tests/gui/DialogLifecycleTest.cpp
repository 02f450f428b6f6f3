// Every dedicated dialog closed while its first reads still run on a slow
// switch: the close waits for the exchanges and nothing outlives the dialog.
#include <gtest/gtest.h>

#include <QDialog>

#include "ConfigWinTestSupport.h"
#include "CvDialogs.h"
#include "DialogTestSupport.h"

namespace gui_test {
namespace {

class DialogLifecycleTest : public GuiTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(DialogLifecycleTest, ClosingWhileTheFirstReadsRunEndsCleanly) {
    static agents::VantaSimAgent slow({"--delay", "150"});
    UseSimulator(slow.Port());
    bool shown = false;
    OnModal([&](QDialog& dialog) {
        shown = true;
        dialog.close();  // asynchronous reads are still out
    });
    TDialogContext context;
    OpenDialog(GetParam(), context);
    EXPECT_TRUE(shown);
    EXPECT_TRUE(Boxes.empty());
    PumpFor(200);  // late replies find nothing
}

INSTANTIATE_TEST_SUITE_P(
    Dialogs, DialogLifecycleTest,
    ::testing::Values(
        "TPortTrunkForm", "TAggregatorPortTableForm", "TPortMirrorForm", "TTrafficSegmentationForm",
        "TSpanningTreeAlgorithmForm", "TSTP_Info", "TMSTPPortStateForm",
        "TEthernetMaskInformationForm", "TEthernetInformationRuleForm", "TIPMaskInformationForm",
        "TIPRuleForm", "TIPv6MaskInfoForm", "TIpv6RuleForm", "TPBridgeConfigForm", "TGARPForm",
        "TPortCapabilities8021dForm", "TVLanGeneralInfoForm", "TVLanPortInfomationForm",
        "TTpGroupDestinationForwardedForm", "TMulticastForwardingInformationForm",
        "TForwardUnregisteredInformationForm", "TMulticastFilterInformationForm",
        "TUnicastFilterInformationForm", "TIGMPRouterPortsForm", "TMLD_SnoopingRouterPortsForm",
        "TMLD_SnoopingGroupForm", "TEquipmentBasicInfoForm", "TDiagnosticsInformationForm",
        "TMacStatisticTableForm", "TLayer2ControlForm", "TPacketStormControlForm",
        "Tdot3ControlForm", "Tdot3PauseForm", "TLoginMethodListForm", "TEnableMethodForm",
        "TServerInformationForm", "TAAASrvCtrlForm", "TIpStaticRouteForm", "TIpv6StaticRouteForm",
        "TARPIPV6ControlForm", "TMultipleConfigControlForm", "TProbeBasicInformationForm",
        "TIPMACBindingForm", "TIpMacBindBlockedForm", "TPrtSecDelCtrlForm", "TSSLManagementForm",
        "TBulwarkCtrlForm", "TSummerTimeForm"),
    [](const auto& info) { return std::string(info.param); });

}  // namespace
}  // namespace gui_test
